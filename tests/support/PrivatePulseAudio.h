#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

// A sound server of the test's own: pulseaudio with its runtime folder and home in a temporary
// folder, reached by anonymous clients over its own socket. Its microphone is a pipe source
// (kMicName, described as kMicDescription: 16 kHz mono s16le) fed by feedPaced(); its speaker
// a null sink whose monitor is the default source at start, so a capture that records from the
// default instead of the microphone gets only silence.
//
// start() points this process (PULSE_SERVER, PULSE_COOKIE) and its children at the server: call
// it before Qt Multimedia is first used.
class PrivatePulseAudio {
public:
    static constexpr char kMicName[] = "vq_test_mic";
    static constexpr char kMicDescription[] = "VQTestMicrophone";
    static constexpr char kSinkName[] = "vq_test_sink";

    PrivatePulseAudio() = default;
    ~PrivatePulseAudio();
    PrivatePulseAudio(const PrivatePulseAudio&) = delete;
    PrivatePulseAudio& operator=(const PrivatePulseAudio&) = delete;

    // Starts the server and waits until it answers; false with the reason when it cannot.
    bool start(QString* error);
    void stop();

    // Runs pactl against the server and returns its trimmed output; exitCode gets its status.
    QString pactl(const QStringList& arguments, int* exitCode = nullptr) const;

    // Writes the PCM into the microphone's pipe in 20 ms pieces at the pace of real time, on a
    // worker thread; feeding() is true until all of it is written.
    void feedPaced(const QByteArray& pcm);
    bool feeding() const { return m_feeding.load(); }

private:
    void joinFeeder();

    QTemporaryDir m_dir;
    QProcess m_server;
    std::thread m_feeder;
    std::atomic<bool> m_feeding { false };
    std::atomic<bool> m_stopFeeding { false };
};
