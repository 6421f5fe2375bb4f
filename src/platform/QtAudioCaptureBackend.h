#pragma once

#include "AudioCaptureBackend.h"

#include <QPointer>

class QAudioSource;
class QIODevice;

// Capture through Qt Multimedia (QAudioSource in push mode; on Linux Qt talks to the
// PulseAudio-compatible sound server). The source lives on the main thread; its data arrives
// there through readyRead.
class QtAudioCaptureBackend : public AudioCaptureBackend {
public:
    QtAudioCaptureBackend() = default;
    ~QtAudioCaptureBackend() override;
    QtAudioCaptureBackend(const QtAudioCaptureBackend&) = delete;
    QtAudioCaptureBackend& operator=(const QtAudioCaptureBackend&) = delete;

    bool start(DataHandler onData, ErrorHandler onError, QString* errorText) override;
    void stop() override;
    bool isActive() const override;
    void setInputDeviceId(const QByteArray& id) override;
    QByteArray inputDeviceId() const override;

private:
    void readAvailable();
    void releaseSource();

    QPointer<QAudioSource> m_source;
    QPointer<QIODevice> m_io;
    DataHandler m_onData;
    ErrorHandler m_onError;
    QByteArray m_deviceId;
    // Raised by each start and stop, so that a handler of an earlier capture finds it ended.
    quint64 m_generation = 0;
};
