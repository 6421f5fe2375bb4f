#pragma once

#include "AudioCaptureBackend.h"

#include <QByteArray>
#include <QString>

#include <utility>

// A microphone driven by the test: feed() delivers a read, breakOff() ends the capture with an
// error, heldAtStop is handed over by stop() as the device's last read. With failStart set a
// start fails. Installs itself for its lifetime.
class FakeAudioCaptureBackend : public AudioCaptureBackend {
public:
    FakeAudioCaptureBackend() { AudioCaptureBackend::setInstance(this); }
    ~FakeAudioCaptureBackend() override { AudioCaptureBackend::setInstance(nullptr); }

    bool start(DataHandler onData, ErrorHandler onError, QString* errorText) override
    {
        stop();
        ++starts;
        if (failStart) {
            if (errorText)
                *errorText = QStringLiteral("no input device");
            return false;
        }
        m_onData = std::move(onData);
        m_onError = std::move(onError);
        m_active = true;
        return true;
    }

    void stop() override
    {
        if (!m_active)
            return;
        if (!heldAtStop.isEmpty())
            feed(std::exchange(heldAtStop, QByteArray()));
        if (!m_active)
            return;
        ++stops;
        m_active = false;
        m_onData = nullptr;
        m_onError = nullptr;
    }

    bool isActive() const override { return m_active; }
    void setInputDeviceId(const QByteArray& id) override { deviceId = id; }
    QByteArray inputDeviceId() const override { return deviceId; }

    // Delivers a read, as the event loop would.
    void feed(const QByteArray& pcm)
    {
        if (m_active && m_onData) {
            const DataHandler handler = m_onData;
            handler(pcm);
        }
    }

    void breakOff(const QString& reason)
    {
        if (!m_active)
            return;
        const ErrorHandler handler = std::move(m_onError);
        m_active = false;
        m_onData = nullptr;
        if (handler)
            handler(reason);
    }

    bool failStart = false;
    QByteArray heldAtStop;
    QByteArray deviceId;
    int starts = 0;
    int stops = 0;

private:
    DataHandler m_onData;
    ErrorHandler m_onError;
    bool m_active = false;
};
