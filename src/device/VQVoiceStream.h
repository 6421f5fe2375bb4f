#pragma once

#include "VQAdpcmDecoder.h"
#include "VQDeviceProtocol.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariant>

#include <deque>
#include <functional>
#include <optional>
#include <utility>

// The voice stream of one link (the USB receiver or the Bluetooth LE mouse): the device's voice
// reports (docs/device-protocol.md, section 10) are put back together into IMA ADPCM blocks,
// each block is decoded and its PCM appended to the recording file (VQVoiceRecordingSink), and
// the stream is handed to the consumer in chunks of the selected recognition language's
// "formatSize" bytes, the last one flagged (streaming false).
//
// What the chunks hold follows the "format" the recognition frames announce for the device:
// decoded 16-bit little-endian PCM for the devices whose format is "pcm" (deliversPcm), the raw
// ADPCM blocks otherwise. Chunk size and format are fixed when a stream starts.
//
// A stream starts with its first voice-data report and ends with the voice-end report, with
// kEndTimeoutMs without a voice report (a lost end report), or when the link goes away.
// Damaged reports and blocks are dropped and counted; a gap in the offsets drops the unfinished
// block and the stream picks up again at the next block start.
//
// Main thread only (the consumer is called there, synchronously); the recording sink may be
// closed from any thread.
class VQVoiceStream : public QObject {
    Q_OBJECT
public:
    // The consumer of the stream: streaming is false on the last chunk of a stream.
    using SendVoiceDataBlock = std::function<void(bool streaming, const QByteArray& chunk)>;

    static constexpr quint8 kVoiceDataCommand = 0x60;
    static constexpr quint8 kVoiceEndCommand = 0x61;
    // Every block of the stream but the last has this size: a 4-byte header and 252 bytes of
    // codes, 505 samples.
    static constexpr int kBlockBytes = 256;
    static constexpr int kSamplesPerBlock = 1 + 2 * (kBlockBytes - VQAdpcmDecoder::kHeaderBytes);
    // Chunk size when the language gives none or an unusable one; chunks larger than the cap
    // are refused as unusable too (they would hold seconds of voice back).
    static constexpr int kDefaultChunkBytes = 1280;
    static constexpr int kMaxChunkBytes = 1 << 20;
    static constexpr int kEndTimeoutMs = 500;
    static constexpr int kLogLinesPerStream = 5;

    struct VoiceReport {
        enum class Kind { Data, End };
        Kind kind = Kind::Data;
        int offset = 0;  // Data: where the bytes go in their block
        QByteArray data; // Data: 1 .. kBlockBytes - offset bytes of the block
    };

    explicit VQVoiceStream(VQDeviceProtocol::Link link, QObject* parent = nullptr);
    ~VQVoiceStream() override;

    // Takes the report when it is a well-framed voice report of the plan and returns true (a
    // voice report with wrong arguments is taken and dropped); false for any other report,
    // which the caller handles.
    bool takeReport(const VQDeviceProtocol::ChipPlan& plan, const QByteArray& bytes);

    bool isStreaming() const { return m_streaming; }
    // The link went away: a running stream ends (its last chunk is handed on).
    void linkLost();

    // Counters of the current or last stream.
    int droppedReports() const { return m_droppedReports; }
    int droppedBlocks() const { return m_droppedBlocks; }

    // --- Shared by both links ---

    // Installs the consumer (an empty function removes it; chunks are then dropped).
    static void setSendVoiceDataBlock(SendVoiceDataBlock block);
    // The chunk size of the selected recognition language ("formatSize").
    static int chunkSize();
    // A "formatSize" value as a chunk size: a whole number from 1 to kMaxChunkBytes (also as
    // text), else kDefaultChunkBytes (absent, 0, negative, fractional, not a number).
    static int chunkSizeFromFormatSize(const QVariant& value);
    // Whether the device's chunks are decoded PCM: the devices whose recognition format is
    // "pcm" (device type 2 or 5, chip plan 4, 6 or 7); the others' chunks are ADPCM.
    static bool deliversPcm(int chipPlan, int deviceType);

    // Reads a voice report of the plan: nullopt when the report is not a well-framed voice
    // report; *argumentsValid (when given) is false for a voice report whose arguments are
    // not the layout's.
    static std::optional<VoiceReport> parseVoiceReport(const VQDeviceProtocol::ChipPlan& plan,
                                                       const QByteArray& bytes, bool* argumentsValid = nullptr);

    // Tests only: removes the consumer and resets the recording sink.
    static void resetForTests();

private:
    void start();
    void append(int offset, const QByteArray& data);
    void completeBlock();
    // Decodes the block (whole or the last, cut short), records its PCM and queues the output.
    void takeBlock(const QByteArray& block);
    void finish(const char* why);
    void queueFullChunks();
    void queue(bool streaming, QByteArray chunk);
    // Hands the queued chunks to the consumer.
    void flush();
    void endTimerFired();
    void problem(const QString& what);

    VQDeviceProtocol::Link m_link;
    bool m_streaming = false;
    bool m_pcm = true;
    int m_chunkBytes = kDefaultChunkBytes;

    QByteArray m_block;       // the block being put together
    bool m_waitForBlockStart = false;
    QByteArray m_pending;     // output not yet handed on
    qint64 m_blocks = 0;
    qint64 m_bytesOut = 0;
    int m_droppedReports = 0;
    int m_droppedBlocks = 0;
    int m_problemsLogged = 0;
    bool m_noConsumerLogged = false;

    // Chunks waiting to reach the consumer, in order; a consumer that ends the stream from
    // inside its call only queues.
    std::deque<std::pair<bool, QByteArray>> m_outbox;
    bool m_delivering = false;

    QTimer m_endTimer;
    QElapsedTimer m_lastReport;
};
