#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The microphone: captures 16 kHz mono signed 16-bit little-endian PCM from the chosen input
// device, or from the system's default input while none is chosen.
//
// Main thread only. The handlers are called on the main thread, from the event loop, never
// inside start(); stop() may still hand over, synchronously, what the device held.
class AudioCaptureBackend {
public:
    static constexpr int kSampleRate = 16000;

    // Captured PCM, in reads of any size (a whole number of samples).
    using DataHandler = std::function<void(const QByteArray& pcm)>;
    // The capture broke off after a successful start (the device went away, the sound server
    // closed the stream); no data follows.
    using ErrorHandler = std::function<void(const QString& reason)>;

    virtual ~AudioCaptureBackend();

    // Starts capturing. False when the device cannot be opened, with the reason in errorText;
    // nothing is running then. A capture already running is stopped first.
    virtual bool start(DataHandler onData, ErrorHandler onError, QString* errorText) = 0;
    // Hands what the device still holds to the data handler, then stops. Nothing is called
    // after it returns. Harmless when stopped.
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    // The input device of the next start: its QAudioDevice id; empty for the system default.
    virtual void setInputDeviceId(const QByteArray& id) = 0;
    virtual QByteArray inputDeviceId() const = 0;

    // The implementation in use: the installed one, else the Qt one, created on first use.
    static AudioCaptureBackend& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(AudioCaptureBackend* backend);
};
