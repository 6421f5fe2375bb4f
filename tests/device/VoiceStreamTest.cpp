// The device's voice stream: a voice-key press on the simulated receiver or mouse streams a real
// spoken utterance; the consumer gets "formatSize" chunks (the last flagged), the recording file
// the whole decoded utterance. Damaged streams lose only what is damaged.
#include "DeviceTestFixture.h"
#include "SimulatedVoiceSource.h"
#include "VQAdpcmDecoder.h"
#include "VQLanguageManager.h"
#include "VQVoiceRecordingSink.h"
#include "VQVoiceStream.h"
#include "VoiceTestUtterance.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>

using voicetest::decodedPcm;

namespace {

struct Chunk {
    bool streaming = true;
    QByteArray bytes;
};

class ChunkCollector {
public:
    VQVoiceStream::SendVoiceDataBlock block()
    {
        return [this](bool streaming, const QByteArray& chunk) { chunks.push_back({streaming, chunk}); };
    }
    int endCount() const
    {
        return int(std::count_if(chunks.begin(), chunks.end(), [](const Chunk& c) { return !c.streaming; }));
    }
    bool ended() const { return endCount() > 0; }
    QByteArray joined() const
    {
        QByteArray out;
        for (const Chunk& c : chunks)
            out += c.bytes;
        return out;
    }
    // Empty when every chunk but the last has the size and is flagged streaming, and the last
    // (no larger) is flagged as the end.
    std::string shapeProblem(int size) const
    {
        if (chunks.empty())
            return "no chunks";
        for (std::size_t i = 0; i + 1 < chunks.size(); ++i) {
            if (!chunks[i].streaming)
                return "chunk " + std::to_string(i) + " flagged as the last";
            if (chunks[i].bytes.size() != size)
                return "chunk " + std::to_string(i) + " has " + std::to_string(chunks[i].bytes.size()) + " bytes";
        }
        if (chunks.back().streaming)
            return "the last chunk is not flagged";
        if (chunks.back().bytes.size() > size)
            return "the last chunk is too large";
        return {};
    }
    std::vector<Chunk> chunks;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QVariantMap language(const QString& code, const QVariant& formatSize = {})
{
    QVariantMap entry{{QStringLiteral("code"), code}, {QStringLiteral("name"), code}};
    if (formatSize.isValid())
        entry.insert(QString::fromLatin1(VQLanguageManager::formatSizeKey), formatSize);
    return entry;
}

// Wraps a payload in the frame of a plan (report id, prefix, 4d, LEN, payload, 4c, zeros).
QByteArray frameOf(const VQDeviceProtocol::ChipPlan& plan, const QByteArray& payload)
{
    QByteArray out(1, char(plan.reportId));
    out += plan.prefix;
    out += char(0x4D);
    out += char(payload.size() + 3);
    out += payload;
    out += char(0x4C);
    if (out.size() < plan.reportLength)
        out += QByteArray(plan.reportLength - out.size(), '\0');
    return out;
}

class VoiceStreamTest : public DeviceTest {
protected:
    explicit VoiceStreamTest(SimulatedReceiver::Model model = SimulatedReceiver::voiceReceiver16k())
        : DeviceTest(std::move(model))
    {
    }

    void SetUp() override
    {
        DeviceTest::SetUp();
        VQLanguageManager::resetForTests();
        VQMouseCommandManager::sharedInstance().setSendVoiceDataBlock(collector.block());
        ASSERT_TRUE(dir.isValid());
        recordingPath = dir.filePath(QStringLiteral("Test.pcm"));
        ASSERT_TRUE(VQVoiceRecordingSink::sharedSink().openFile(recordingPath));
    }

    void TearDown() override
    {
        DeviceTest::TearDown();
        VQLanguageManager::resetForTests();
    }

    const voicetest::Utterance& spoken()
    {
        const voicetest::Utterance& u = voicetest::utterance();
        EXPECT_TRUE(u.error.isEmpty()) << u.error.toStdString();
        return u;
    }

    // The recording file as the recognition service finds it after closing it.
    QByteArray recording()
    {
        VQVoiceRecordingSink::sharedSink().closeFile();
        return readFile(recordingPath);
    }

    VQMouseCommandManager& facade() { return VQMouseCommandManager::sharedInstance(); }

    ChunkCollector collector;
    QTemporaryDir dir;
    QString recordingPath;
};

class VoiceStreamPlan1Test : public VoiceStreamTest {
protected:
    VoiceStreamPlan1Test()
        : VoiceStreamTest(SimulatedReceiver::mouseReceiver())
    {
    }
};

} // namespace

TEST_F(VoiceStreamTest, VoiceKeyStreamsTheUtteranceAsPcmChunksAndTheRecordingHoldsItAll)
{
    const voicetest::Utterance& u = spoken();
    ASSERT_FALSE(u.adpcm.isEmpty());
    EXPECT_TRUE(facade().isFromMicData()); // nothing connected: the computer's microphone
    plugAndSettle();
    EXPECT_FALSE(facade().isFromMicData());
    EXPECT_FALSE(facade().isStartVoice());
    recorder->clear();
    const int ignoredBefore = VQHidCommandManager::sharedInstance().reportHandler().ignoredCount();

    receiver.voice().setUtterance(u.adpcm);
    receiver.pressVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return facade().isStartVoice(); }));
    ASSERT_TRUE(vqtest::waitUntil([this] { return receiver.voice().isDone(); }, 20000));
    vqtest::spin(30);
    // The key is still held: the stream is open and nothing is flagged as the last yet.
    EXPECT_TRUE(facade().isStartVoice());
    EXPECT_FALSE(collector.ended());
    receiver.releaseVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return collector.ended(); }));
    EXPECT_FALSE(facade().isStartVoice());

    EXPECT_EQ(recorder->eventCodes, (std::vector<int>{33, 34}));
    EXPECT_EQ(collector.shapeProblem(VQVoiceStream::kDefaultChunkBytes), "");
    EXPECT_EQ(collector.endCount(), 1);
    // The consumer got the whole utterance as decoded PCM: sox's decoding, up to the padding of
    // the last block that sox leaves out.
    const QByteArray pcm = collector.joined();
    EXPECT_EQ(pcm.size(), qsizetype(u.blocks()) * VQVoiceStream::kSamplesPerBlock * 2);
    EXPECT_TRUE(pcm.startsWith(u.soxPcm)) << "the PCM handed on differs from sox's decoding";
    EXPECT_EQ(recording(), pcm);
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(VQHidCommandManager::sharedInstance().reportHandler().ignoredCount(), ignoredBefore);
}

TEST_F(VoiceStreamTest, MicrophoneCommandsStartAndEndTheStreamInTheLanguagesFormatSize)
{
    const voicetest::Utterance& u = spoken();
    VQLanguageManager::sharedInstance().setAudioLanguageArr(
        {language(QStringLiteral("ZH_CN")), language(QStringLiteral("EN_US"), 640)});
    VQLanguageManager::sharedInstance().setAudioLanguageIndex(1);
    plugAndSettle();
    receiver.clearRecords();

    receiver.voice().setUtterance(u.adpcm.left(20 * VQVoiceStream::kBlockBytes));
    facade().sendOpenMicData();
    ASSERT_TRUE(vqtest::waitUntil([this] { return facade().isStartVoice(); }));
    ASSERT_TRUE(vqtest::waitUntil([this] { return receiver.voice().isDone(); }));
    // A language chosen while the stream runs does not change its chunks.
    VQLanguageManager::sharedInstance().setAudioLanguageIndex(0);
    facade().sendCloseMicData();
    ASSERT_TRUE(vqtest::waitUntil([this] { return collector.ended(); }));

    EXPECT_EQ(writtenHex(), (QStringList{QStringLiteral("0fa74d04204c"), QStringLiteral("0fa74d04214c")}));
    EXPECT_EQ(collector.shapeProblem(640), "");
    EXPECT_EQ(collector.joined(), decodedPcm(u.adpcm.left(20 * VQVoiceStream::kBlockBytes)));
    EXPECT_FALSE(facade().isStartVoice());
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
}

TEST_F(VoiceStreamTest, ChunkSizeComesFromTheSelectedLanguageAndFallsBackTo1280)
{
    EXPECT_EQ(VQVoiceStream::chunkSize(), 1280); // no language list yet
    const QList<QPair<QVariant, int>> cases{
        {QVariant(), 1280},           {QVariant(0), 1280},        {QVariant(-320), 1280},
        {QVariant(QStringLiteral("abc")), 1280}, {QVariant(QStringLiteral("640")), 640},
        {QVariant(320.0), 320},       {QVariant(320.5), 1280},    {QVariant(true), 1280},
        {QVariant(5e9), 1280},        {QVariant(qlonglong(2560)), 2560},
        {QVariant(QVariantList{640}), 1280},
    };
    QVariantList list;
    for (const auto& c : cases)
        list.append(language(QStringLiteral("EN_US"), c.first));
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    languages.setAudioLanguageArr(list);
    for (int i = 0; i < cases.size(); ++i) {
        languages.setAudioLanguageIndex(i);
        EXPECT_EQ(VQVoiceStream::chunkSize(), cases.at(i).second) << "case " << i;
    }
}

TEST_F(VoiceStreamPlan1Test, ReceiversWithTheAdpcmFormatHandOnTheBlocksAsTheyCame)
{
    // The chunks follow the "format" the recognition frames announce for the device.
    EXPECT_FALSE(VQVoiceStream::deliversPcm(1, 1));
    EXPECT_FALSE(VQVoiceStream::deliversPcm(1, 0));
    EXPECT_FALSE(VQVoiceStream::deliversPcm(3, 3));
    EXPECT_TRUE(VQVoiceStream::deliversPcm(1, 5));
    EXPECT_TRUE(VQVoiceStream::deliversPcm(2, 2));
    EXPECT_TRUE(VQVoiceStream::deliversPcm(4, 1));
    EXPECT_TRUE(VQVoiceStream::deliversPcm(6, 2));
    EXPECT_TRUE(VQVoiceStream::deliversPcm(7, 1));

    const voicetest::Utterance& u = spoken();
    const QByteArray adpcm = u.adpcm.left(12 * VQVoiceStream::kBlockBytes + 100); // a last block cut short
    plugAndSettle();
    receiver.voice().setUtterance(adpcm);
    receiver.pressVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return receiver.voice().isDone(); }));
    receiver.releaseVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return collector.ended(); }));

    EXPECT_EQ(collector.shapeProblem(1280), "");
    EXPECT_EQ(collector.joined(), adpcm);
    // The recording holds the decoded PCM, the short last block as far as it goes.
    EXPECT_EQ(recording(), decodedPcm(adpcm));
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
}

TEST_F(VoiceStreamTest, BluetoothMouseHandsOnTheRawAdpcmOfItsNotifications)
{
    const voicetest::Utterance& u = spoken();
    bleMouse.bringInReach();
    VQBLEMouseCommandManager::sharedInstance().startScan();
    ASSERT_TRUE(vqtest::waitUntil([] { return VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
    vqtest::spin(100);
    recorder->clear();

    bleMouse.voice().setUtterance(u.adpcm);
    bleMouse.pressVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return facade().isStartVoice(); }));
    ASSERT_TRUE(vqtest::waitUntil([this] { return bleMouse.voice().isDone(); }, 20000));
    bleMouse.releaseVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return collector.ended(); }));

    EXPECT_EQ(recorder->eventCodes, (std::vector<int>{33, 34}));
    EXPECT_EQ(collector.shapeProblem(1280), "");
    EXPECT_EQ(collector.joined(), u.adpcm);
    EXPECT_TRUE(recording().startsWith(u.soxPcm));
    EXPECT_FALSE(facade().isStartVoice());
    EXPECT_TRUE(bleMouse.rejected().isEmpty()) << bleMouse.rejected().join(QLatin1Char('\n')).toStdString();
}

TEST_F(VoiceStreamTest, LostAndDamagedReportsCostOnlyTheirBlocks)
{
    const voicetest::Utterance& u = spoken();
    VQUserInfoData::sharedInstance().setChipPlan(4);
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    const QByteArray adpcm = u.adpcm.left(10 * VQVoiceStream::kBlockBytes);
    QList<QByteArray> payloads = SimulatedVoiceSource::voicePayloads(adpcm, 58);
    const int perBlock = int(payloads.size() / 10); // 5 reports: 4 of 57 bytes, 1 of 28
    ASSERT_EQ(perBlock, 5);

    // Block 1: a report lost. Block 3: a report repeated. Block 5: its header's step index
    // damaged. Block 7: a report running past the block's end. Block 8: its start lost.
    QList<QByteArray> sent;
    for (int i = 0; i < payloads.size(); ++i) {
        const int blockIndex = i / perBlock;
        const int piece = i % perBlock;
        QByteArray payload = payloads.at(i);
        if (blockIndex == 1 && piece == 2)
            continue;
        if (blockIndex == 5 && piece == 0)
            payload[2 + 2] = char(120);
        if (blockIndex == 7 && piece == 4)
            payload.append(QByteArray(10, '\x11'));
        if (blockIndex == 8 && piece == 0)
            continue;
        sent.append(payload);
        if (blockIndex == 3 && piece == 1)
            sent.append(payload);
    }

    VQVoiceStream stream(VQDeviceProtocol::Link::Usb);
    for (const QByteArray& payload : sent)
        ASSERT_TRUE(stream.takeReport(plan, frameOf(plan, payload)));
    ASSERT_TRUE(stream.isStreaming());
    ASSERT_TRUE(stream.takeReport(plan, frameOf(plan, SimulatedVoiceSource::voiceEndPayload())));
    EXPECT_FALSE(stream.isStreaming());

    QByteArray expected;
    for (int b : {0, 2, 4, 6, 9})
        expected += decodedPcm(adpcm.mid(b * VQVoiceStream::kBlockBytes, VQVoiceStream::kBlockBytes));
    EXPECT_EQ(collector.joined(), expected);
    EXPECT_EQ(collector.shapeProblem(1280), "");
    EXPECT_EQ(stream.droppedReports(), 1);
    EXPECT_EQ(stream.droppedBlocks(), 4); // block 8 never began
    EXPECT_EQ(recording(), expected);

    // Other reports are left to the caller; a voice end with nothing streaming changes nothing.
    EXPECT_FALSE(stream.takeReport(plan, frameOf(plan, QByteArray::fromHex("3021"))));
    EXPECT_FALSE(stream.takeReport(plan, frameOf(plan, QByteArray::fromHex("600001")).left(5)));
    EXPECT_TRUE(stream.takeReport(plan, frameOf(plan, SimulatedVoiceSource::voiceEndPayload())));
    EXPECT_EQ(collector.endCount(), 1);
}

TEST_F(VoiceStreamTest, AStreamEndsWhenItsEndReportIsLostOrTheReceiverGoesAway)
{
    const voicetest::Utterance& u = spoken();
    plugAndSettle();

    // No end report: the stream ends 500 ms after its last voice report.
    receiver.voice().setUtterance(u.adpcm.left(8 * VQVoiceStream::kBlockBytes));
    receiver.pressVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return receiver.voice().isDone(); }));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(vqtest::waitUntil([this] { return collector.ended(); }, 3000));
    EXPECT_GE(clock.elapsed(), VQVoiceStream::kEndTimeoutMs - 100);
    EXPECT_FALSE(facade().isStartVoice());
    EXPECT_EQ(collector.joined(), decodedPcm(u.adpcm.left(8 * VQVoiceStream::kBlockBytes)));
    // The late voice end of that press belongs to no stream.
    receiver.releaseVoiceKey();
    vqtest::spin(50);
    EXPECT_EQ(collector.endCount(), 1);

    // Unplugged while streaming: the stream ends at once, with what had arrived.
    collector.chunks.clear();
    receiver.voice().setUtterance(u.adpcm);
    receiver.voice().payloadsPerTick = 1;
    receiver.pressVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil([this] { return facade().isStartVoice(); }));
    vqtest::spin(30);
    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([this] { return collector.ended(); }, 400));
    EXPECT_FALSE(facade().isStartVoice());
    EXPECT_EQ(collector.endCount(), 1);
    EXPECT_GE(recorder->cancelCount, 1);
}

TEST_F(VoiceStreamTest, AConsumerThatEndsTheStreamFromInsideItsCallGetsEveryChunkInOrder)
{
    const voicetest::Utterance& u = spoken();
    VQUserInfoData::sharedInstance().setChipPlan(4);
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    VQVoiceStream stream(VQDeviceProtocol::Link::Usb);
    std::vector<Chunk> got;
    bool replaced = false;
    // On its first chunk the consumer ends the stream (as a recognition that closes the
    // microphone would) and installs its successor.
    VQVoiceStream::setSendVoiceDataBlock([&](bool streaming, const QByteArray& chunk) {
        got.push_back({streaming, chunk});
        if (got.size() == 1) {
            stream.linkLost();
            replaced = true;
            VQVoiceStream::setSendVoiceDataBlock(
                [&got](bool s, const QByteArray& c) { got.push_back({s, c}); });
        }
    });
    // Six blocks arrive in one report burst: 6060 bytes of PCM, four chunks and a rest.
    const QByteArray adpcm = u.adpcm.left(6 * VQVoiceStream::kBlockBytes);
    for (const QByteArray& payload : SimulatedVoiceSource::voicePayloads(adpcm, 58))
        stream.takeReport(plan, frameOf(plan, payload));
    stream.takeReport(plan, frameOf(plan, SimulatedVoiceSource::voiceEndPayload()));

    // The first stream ended inside the first chunk's call, after two blocks: its chunk and its
    // rest came in order, and the later blocks made a second stream.
    ASSERT_TRUE(replaced);
    QList<QByteArray> streams{QByteArray()};
    for (const Chunk& c : got) {
        streams.last() += c.bytes;
        if (!c.streaming)
            streams.append(QByteArray());
    }
    ASSERT_EQ(streams.size(), 3);
    EXPECT_TRUE(streams.last().isEmpty());
    EXPECT_EQ(got.at(0).bytes.size(), 1280);
    EXPECT_EQ(streams.at(0), decodedPcm(adpcm.left(2 * VQVoiceStream::kBlockBytes)));
    EXPECT_EQ(streams.at(1), decodedPcm(adpcm.mid(2 * VQVoiceStream::kBlockBytes)));
    EXPECT_EQ(collector.chunks.size(), 0u);
}

TEST_F(VoiceStreamTest, RecordingSinkDropsWritesAfterCloseAndSurvivesClosingFromAnotherThread)
{
    VQVoiceRecordingSink& sink = VQVoiceRecordingSink::sharedSink();
    EXPECT_TRUE(sink.write(QByteArray("abcd")));
    sink.closeFile();
    const qint64 dropped = sink.bytesDropped();
    EXPECT_FALSE(sink.write(QByteArray("efgh")));
    EXPECT_EQ(sink.bytesDropped(), dropped + 4);
    EXPECT_EQ(readFile(recordingPath), QByteArray("abcd"));
    EXPECT_FALSE(sink.openFile(dir.filePath(QStringLiteral("no/such/folder/Test.pcm"))));
    EXPECT_FALSE(sink.isOpen());

    // The recognition service installs and closes its file on its own thread while the device
    // link writes: every write lands in some file or is dropped, none touches a closed one.
    const voicetest::Utterance& u = spoken();
    VQUserInfoData::sharedInstance().setChipPlan(4);
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    std::atomic<bool> stop{false};
    std::atomic<int> files{0};
    QThread* service = QThread::create([&] {
        while (!stop.load()) {
            sink.openFile(dir.filePath(QStringLiteral("Test-%1.pcm").arg(files.fetch_add(1) % 4)));
            QThread::usleep(200);
            sink.closeFile();
        }
    });
    service->start();
    const qint64 before = sink.bytesWritten() + sink.bytesDropped();
    VQVoiceStream stream(VQDeviceProtocol::Link::Usb);
    const QList<QByteArray> payloads = SimulatedVoiceSource::voicePayloads(u.adpcm, 58);
    for (int round = 0; round < 3; ++round) {
        for (const QByteArray& payload : payloads)
            stream.takeReport(plan, frameOf(plan, payload));
        stream.takeReport(plan, frameOf(plan, SimulatedVoiceSource::voiceEndPayload()));
    }
    stop = true;
    service->wait();
    delete service;
    EXPECT_GT(files.load(), 1);
    EXPECT_EQ(sink.bytesWritten() + sink.bytesDropped() - before,
              3 * qint64(u.blocks()) * VQVoiceStream::kSamplesPerBlock * 2);
}
