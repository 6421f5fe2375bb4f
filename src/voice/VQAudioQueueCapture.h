#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

// The computer's microphone as an audio source of voice input: captures 16 kHz mono 16-bit
// little-endian PCM through AudioCaptureBackend (the chosen default input, see VQAudioDevices)
// and hands it to the block of the running capture in chunks of exactly kChunkBytes (40 ms),
// whatever the size of the reads. Only the last chunk, handed over when the capture stops, may
// be short: it is filled up with zero bytes.
//
// One capture at a time. Main thread only: the block is called there, from the event loop or,
// for the last chunk and the end mark, inside stopRecord().
class VQAudioQueueCapture : public QObject {
    Q_OBJECT
public:
    static constexpr int kChunkBytes = 1280;
    // Receives each chunk; an EMPTY chunk is the end mark.
    using Block = std::function<void(const QByteArray& chunk)>;

    // Shown as a tip when the microphone cannot be opened or stops delivering.
    static constexpr char kCaptureFailedText[] = "录音失败，请检查麦克风";

    static VQAudioQueueCapture& sharedInstance();
    // Tests only: ends a running capture without calling its block and forgets it.
    static void resetForTests();

    // Starts capturing into the block. A capture still running is stopped first, as by
    // stopRecord(true): its own block gets its last chunk and its end mark. False when the
    // microphone cannot be opened: logged, the user gets the tip, nothing runs and the block is
    // not kept.
    bool startRecordWithBlock(Block block);
    // Stops the running capture: its block gets the last, zero-filled chunk when part of one
    // was left, then, when endMark, one empty chunk. Nothing happens when no capture runs.
    void stopRecord(bool endMark);
    bool isRecording() const { return m_recording; }

private:
    VQAudioQueueCapture() = default;

    void takeData(quint64 generation, const QByteArray& pcm);
    void captureBroke(quint64 generation, const QString& reason);

    Block m_block;
    QByteArray m_pending; // less than one chunk, waiting for the next read
    bool m_recording = false;
    // Raised by each start and stop, so that reads of an earlier capture are ignored.
    quint64 m_generation = 0;
};
