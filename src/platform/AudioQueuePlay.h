#pragma once

#include <QByteArray>

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>

class QThread;

// Raw PCM playback: signed 16-bit little-endian mono at a sample rate, through the default
// audio output, fed in pieces of at most kBufferBytes that go through kBufferCount buffers.
// playWithData() copies a piece into the first free buffer (searched from buffer 0 on) and
// queues it; the output takes the queued buffers in order and frees each once all its bytes
// went to the output (resetBufferState()).
//
// The output runs on a thread of its own. playWithData() may be called from any thread: a
// caller waits while all buffers are busy, except on the main thread, which never waits (it
// gets false then). The object stops its output at once when destroyed; no call may still run
// then. Without an output device the pieces are dropped (logged once).
class AudioQueuePlay {
public:
    static constexpr int kBufferCount = 3;
    static constexpr int kBufferBytes = 2000;
    static constexpr double kDefaultSampleRate = 8000;

    // A rate of 0 or less means kDefaultSampleRate.
    explicit AudioQueuePlay(double sampleRate);
    ~AudioQueuePlay();
    AudioQueuePlay(const AudioQueuePlay&) = delete;
    AudioQueuePlay& operator=(const AudioQueuePlay&) = delete;

    double sampleRate() const { return m_sampleRate; }

    // Queues the piece; false when it is empty, longer than kBufferBytes or of an odd length,
    // when the player was reset or destroyed while waiting, or on the main thread while all
    // buffers are busy.
    bool playWithData(const QByteArray& data);
    // Drops what is queued and what the output still holds; every buffer is free again.
    void resetPlay();
    int busyBufferCount() const;

private:
    class Output;
    struct Buffer {
        QByteArray bytes;
        qsizetype written = 0;
        bool busy = false;
    };

    // Called on the output's thread: moves queued bytes to the output while it takes them.
    void pump();
    // The output is done with the buffer: it is free again.
    void resetBufferState(int index);
    void dropAll();

    const double m_sampleRate;
    mutable std::mutex m_mutex;
    std::condition_variable m_freed;
    std::array<Buffer, kBufferCount> m_buffers;
    std::deque<int> m_queue; // busy buffers in the order they were queued
    quint64 m_resets = 0;    // raised by resetPlay(): waiters of before give up
    bool m_closed = false;
    QThread* m_thread = nullptr;
    Output* m_output = nullptr;
};
