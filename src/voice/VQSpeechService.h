#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

// A recorder of the computer's microphone: records 16 kHz mono 16-bit PCM for at most
// kMaxRecordingMs and, when stopped, writes it as a WAV file of a new name in the program's
// private folder (mm::programPrivateFolders(): only the user can open it; the file is made anew,
// never through a link, mode 0600) and hands the file's bytes to the callback. The next start
// deletes it. One shared instance.
//
// It takes the microphone through AudioCaptureBackend, which records for one client at a time:
// a recognition that starts meanwhile takes the microphone and ends the recording's audio.
// Main thread only; the file is deleted, written and read back on a worker, and the callback
// is called from the event loop.
class VQSpeechService : public QObject {
    Q_OBJECT
public:
    // success; the file's bytes (a QByteArray), or the failure text (a QString).
    using Callback = std::function<void(bool success, const QVariant& result)>;

    static constexpr int kSampleRate = 16000;
    static constexpr int kMaxRecordingMs = 60000;
    // The failure text handed to the callback (a key for the UI strings).
    static constexpr char kRecordFailedText[] = "录音失败";

    static VQSpeechService& sharedInstance();
    // Tests only: forgets the recording without a word to its callback.
    static void resetForTests();

    // Deletes the last recording and records into a new one. While a recording runs, that one
    // is stopped instead (stopRecording()) and nothing starts. A microphone that cannot be
    // opened gives the callback (false, the failure text).
    void startRecordingCallback(Callback callback);
    // Ends the recording and gives the callback (true, the file's bytes), or (false, the failure
    // text) when the file cannot be written or read. Nothing when no recording was started.
    void stopRecording();
    // Ends the recording without calling the callback; nothing is written.
    void cancelRecording();

    // True from the start until the recording is stopped or cancelled (also after the time cap
    // ended its audio).
    bool isRecording() const { return static_cast<bool>(m_callback); }
    // The file of the last recording handed to a callback; "" before the first.
    QString recordingPath() const { return m_path; }

private:
    VQSpeechService() = default;

    void takeAudio(quint64 recording, const QByteArray& pcm);
    void endCapture();
    void failLater(Callback callback);

    Callback m_callback;
    QByteArray m_pcm;
    bool m_capturing = false;
    // Raised by each start, stop and cancel: audio and results of an earlier recording find it changed.
    quint64 m_recording = 0;
    QString m_path;
};
