#include "FakeAudioCaptureBackend.h"
#include "QRNLocalizedString.h"
#include "VQAudioDevices.h"
#include "VQAudioQueueCapture.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A recognisable byte pattern without zeros, so padding cannot pass for captured audio.
QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(1 + (seed + i * 7) % 251);
    return bytes;
}

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VQAudioQueueCapture::resetForTests();
        VQPopupWindowTool::resetForTests();
    }
    void TearDown() override
    {
        VQAudioQueueCapture::resetForTests();
        VQPopupWindowTool::resetForTests();
    }

    VQAudioQueueCapture::Block recordInto(std::vector<QByteArray>& chunks)
    {
        return [&chunks](const QByteArray& chunk) { chunks.push_back(chunk); };
    }

    QString tipText() { return VQPopupWindowTool::sharedInstance().tipWindow()->text(); }

    FakeAudioCaptureBackend backend;
    VQAudioQueueCapture& capture = VQAudioQueueCapture::sharedInstance();
};

} // namespace

TEST_F(CaptureTest, ReadsOfAnySizeBecomeWholeChunksAndOnlyTheLastIsPadded)
{
    constexpr int kChunk = VQAudioQueueCapture::kChunkBytes;
    struct Row {
        const char* name;
        std::vector<int> reads;
        int heldAtStop;
        bool endMark;
    };
    const Row rows[] = {
        { "one short read", { 1000 }, 0, true },
        { "exactly one chunk", { kChunk }, 0, true },
        { "halves", { 640, 640, 640 }, 0, true },
        { "one large read", { 3 * kChunk + 1 }, 0, true },
        { "odd reads", { 1, 2557, 2, 1279 }, 0, true },
        { "rest still held by the device", { 700 }, 900, true },
        { "nothing captured", {}, 0, true },
        { "stopped without end mark", { 2000 }, 0, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<QByteArray> chunks;
        ASSERT_TRUE(capture.startRecordWithBlock(recordInto(chunks)));
        QByteArray fed;
        int seed = 0;
        for (int size : row.reads) {
            const QByteArray read = pattern(size, seed++);
            fed += read;
            backend.feed(read);
            // Every chunk delivered so far is whole.
            EXPECT_EQ(qsizetype(chunks.size()), fed.size() / kChunk);
        }
        backend.heldAtStop = pattern(row.heldAtStop, seed);
        fed += backend.heldAtStop;
        capture.stopRecord(row.endMark);
        EXPECT_FALSE(capture.isRecording());

        if (row.endMark) {
            ASSERT_FALSE(chunks.empty());
            EXPECT_TRUE(chunks.back().isEmpty());
            chunks.pop_back();
        }
        QByteArray joined;
        for (const QByteArray& chunk : chunks) {
            EXPECT_EQ(chunk.size(), kChunk);
            joined += chunk;
        }
        const qsizetype padding = (kChunk - fed.size() % kChunk) % kChunk;
        EXPECT_EQ(joined, fed + QByteArray(padding, '\0'));
    }
}

TEST_F(CaptureTest, StartStopAndFailureRules)
{
    const QString failureTip = QRNLocalizedString::qrnAppLocalizedString(
        QString::fromUtf8(VQAudioQueueCapture::kCaptureFailedText));
    const QByteArray chunk = pattern(VQAudioQueueCapture::kChunkBytes, 3);
    std::vector<QByteArray> first;
    std::vector<QByteArray> second;

    // A microphone that cannot be opened: not running, block not kept, the user told.
    backend.failStart = true;
    EXPECT_FALSE(capture.startRecordWithBlock(recordInto(first)));
    EXPECT_FALSE(capture.isRecording());
    EXPECT_EQ(tipText(), failureTip);
    capture.stopRecord(true);
    EXPECT_TRUE(first.empty());

    // Stopping when nothing runs calls nobody; a later start works.
    backend.failStart = false;
    VQPopupWindowTool::resetForTests();
    ASSERT_TRUE(capture.startRecordWithBlock(recordInto(first)));
    EXPECT_TRUE(capture.isRecording());
    backend.feed(chunk + pattern(10, 4));

    // A new capture while one runs: the old block gets its rest and its end mark, the new block
    // only its own audio.
    ASSERT_TRUE(capture.startRecordWithBlock(recordInto(second)));
    EXPECT_EQ(backend.stops, 1);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0], chunk);
    EXPECT_TRUE(first[1].startsWith(pattern(10, 4)));
    EXPECT_TRUE(first[2].isEmpty());
    backend.feed(chunk);
    EXPECT_EQ(first.size(), 3u);
    ASSERT_EQ(second.size(), 1u);

    // The device breaks off: the end mark reaches the running block, the user is told.
    backend.breakOff(QStringLiteral("device gone"));
    EXPECT_FALSE(capture.isRecording());
    ASSERT_EQ(second.size(), 2u);
    EXPECT_TRUE(second[1].isEmpty());
    EXPECT_EQ(tipText(), failureTip);
    capture.stopRecord(true);
    EXPECT_EQ(second.size(), 2u);

    // A block that ends the capture from inside a chunk still gets what was captured, in order,
    // then the end mark once, then nothing.
    std::vector<QByteArray> third;
    ASSERT_TRUE(capture.startRecordWithBlock([&third](const QByteArray& c) {
        third.push_back(c);
        VQAudioQueueCapture::sharedInstance().stopRecord(true);
    }));
    const QByteArray other = pattern(VQAudioQueueCapture::kChunkBytes, 5);
    backend.feed(chunk + other);
    backend.feed(chunk);
    ASSERT_EQ(third.size(), 3u);
    EXPECT_EQ(third[0], chunk);
    EXPECT_EQ(third[1], other);
    EXPECT_TRUE(third[2].isEmpty());
    EXPECT_FALSE(capture.isRecording());
}

TEST(AudioDevices, FindAndNextFollowTheKindFilter)
{
    using namespace VQAudioDevices;
    const QList<Device> devices = {
        { "sink-a", QStringLiteral("Speakers"), false, true },
        { "src-a", QStringLiteral("Receiver Mic"), true, false },
        { "both", QStringLiteral("Headset"), true, true },
        { "src-b", QStringLiteral("Receiver Mic"), true, false },
        { "src-c", QStringLiteral("receiver mic"), true, false },
    };
    struct FindRow {
        QString name;
        int kind;
        QByteArray expectedId; // empty: not found
    };
    const FindRow finds[] = {
        { QStringLiteral("Receiver Mic"), KindInput, "src-a" },    // the first of two of the name
        { QStringLiteral("receiver mic"), KindInput, "src-c" },    // case counts
        { QStringLiteral("Receiver Mic "), KindInput, {} },        // every character counts
        { QStringLiteral("Speakers"), KindInput, {} },             // an output is no input
        { QStringLiteral("Headset"), KindInput, "both" },          // input and output streams
        { QStringLiteral("Headset"), KindSystem, "both" },
        { QStringLiteral("Receiver Mic"), KindSystem, {} },
        { QStringLiteral("Receiver Mic"), 0, "src-a" },            // any other kind: every device
    };
    for (const FindRow& row : finds) {
        SCOPED_TRACE(row.name.toStdString() + " kind " + std::to_string(row.kind));
        const std::optional<Device> found = findDevice(devices, row.name, row.kind);
        EXPECT_EQ(found ? found->id : QByteArray(), row.expectedId);
    }

    EXPECT_EQ(devices[2].direction(), DirectionOutput);
    EXPECT_EQ(nextDevice(devices, "both", KindInput)->id, "src-b");
    EXPECT_EQ(nextDevice(devices, "src-c", KindInput)->id, "src-a");     // wraps
    EXPECT_EQ(nextDevice(devices, "sink-a", KindInput)->id, "src-a");    // not an input: the first
}
