// The recognition service against the stand-in speech server: what its frames say, how the
// server's answers reach the listeners and the result block, how it survives a misbehaving
// server, and the file transcription.
#include "AsrServiceFixture.h"
#include "FakeSpeechRecognizer.h"
#include "QRNLocalizedString.h"
#include "VQAdpcmDecoder.h"
#include "VQToolManager.h"

#include <QtEndian>

#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using namespace asrtest;
using Source = VQWebApiAsrService::AudioSource;

namespace {

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

} // namespace

// One utterance per row; the stand-in checks every frame of it against the row's expectation.
TEST_F(AsrServiceTest, FramesCarryTheMembersTheSourceAndDeviceCallFor)
{
    struct Row {
        const char* name;
        Source source;
        bool ble;
        int plan;
        qint64 deviceType;
        const char* firmware;
        int sampling;
        bool receiver64ab; // the receiver 248a:64ab is plugged in
        const char* region;
        qint64 mouseSource;
        std::optional<QString> rate;
        const char* format;
        const char* regionQuery; // nullptr: no query
    };
    const std::optional<QString> none;
    const QString k8 = QStringLiteral("8k"), k16 = QStringLiteral("16k");
    const Row rows[] = {
        {"bluetooth plan 1", Source::Device, true, 1, 0, "", 0, false, "", 0, k8, "adpcm", nullptr},
        {"usb plan 1 type 1", Source::Device, false, 1, 1, "", 0, false, "", 1, none, "adpcm", "out"},
        {"plan 7, 16 kHz", Source::Device, false, 7, 1, "", 1, false, "cn", 1, k16, "pcm", "cn"},
        {"plan 7, 8 kHz", Source::Device, false, 7, 1, "", 0, false, "", 0, k8, "pcm", nullptr},
        {"plan 6 firmware 11, 16 kHz", Source::Device, false, 6, 1, "11", 1, false, "", 0, k16, "pcm", nullptr},
        {"plan 6 firmware 10", Source::Device, false, 6, 1, "10", 1, false, "", 0, k8, "pcm", nullptr},
        {"laser pen on plan 3", Source::Device, false, 3, 2, "", 0, false, "", 0, k16, "pcm", nullptr},
        {"plan 4", Source::Device, false, 4, 1, "", 0, false, "", 0, k8, "pcm", nullptr},
        {"microphone beside a plan 3 device", Source::Microphone, true, 3, 1, "", 0, false, "", 0, k16, "pcm", nullptr},
        {"file beside a plan 3 device", Source::File, true, 3, 1, "", 0, false, "a b&c", 0, k16, "pcm", "a b&c"},
        // Last: the receiver stays plugged in.
        {"receiver 248a:64ab", Source::Device, false, 4, 1, "", 0, true, "", 0, k16, "pcm", nullptr},
    };
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("clip.pcm"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2000, '\x11'));
    }
    const QString mac = VQWebApiAsrService::getDeviceMacAddress();
    int connection = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        log.clear();
        if (row.receiver64ab) {
            const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
            SimulatedReceiver::Model model;
            model.productId = 0x64AB;
            model.reportId = plan.reportId;
            model.prefix = plan.prefix;
            model.reportLength = plan.reportLength;
            model.plan = 4;
            receiver.reset();
            receiver = std::make_unique<SimulatedReceiver>(model);
            HIDDevice::sharedManager().start();
            receiver->plug();
            ASSERT_TRUE(vqtest::waitUntil([] { return HIDDevice::sharedManager().isOpen(); }));
            vqtest::spin(500);
        }
        info().setIsConnect(row.source == Source::Device);
        info().setBleConnect(row.ble);
        info().setChipPlan(row.plan);
        info().setSamplingRate(row.sampling);
        info().setRegion(QString::fromUtf8(row.region));
        info().mouseInfoItem().setDeviceType(row.deviceType);
        info().mouseInfoItem().setFirmwareVersion(QString::fromLatin1(row.firmware));
        info().mouseInfoItem().setMouseSource(row.mouseSource);
        // The microphone row has no device: its serial number is missing and sent as "".
        const bool withDevice = row.source != Source::Microphone;
        info().mouseInfoItem().setSn(withDevice ? QStringLiteral("SN-77") : QString());
        info().setPunctuationSwitch(withDevice);
        info().setSemanticSwitch(!withDevice);
        VQWebApiAsrService::setHotWordsProvider([withDevice] { return withDevice ? QStringLiteral("甲,乙") : QString(); });

        vqtest::SpeechExpectation expectation;
        expectation.rate = row.rate;
        expectation.format = QString::fromLatin1(row.format);
        expectation.nlu = !withDevice;
        expectation.values = {{QStringLiteral("serialNo"), withDevice ? QStringLiteral("SN-77") : QString()},
                              {QStringLiteral("deviceNo"), mac.isNull() ? QString() : mac},
                              {QStringLiteral("ptt"), withDevice ? QStringLiteral("1") : QStringLiteral("0")},
                              {QStringLiteral("phrases"), withDevice ? QStringLiteral("甲,乙") : QString()}};
        server.expect(expectation);

        DeviceVoice voice(8);
        begin(row.source == Source::File);
        if (row.source == Source::File)
            service().transferAudioWithFilePath(file, nullptr);
        ASSERT_TRUE(waitOpen());
        if (row.source == Source::Device) {
            voice.sendAll();
            voice.end();
        } else if (row.source == Source::Microphone) {
            mic.feed(QByteArray(3000, '\x22'));
            service().endAsr();
        }
        ASSERT_TRUE(waitLast());
        const int frames = int(server.connection(connection).frames.size());
        EXPECT_EQ(log.last(), QStringLiteral("block:1|%1|1")
                                  .arg(vqtest::StandInSpeechServer::defaultFinalText(frames, server.decodedAudio(connection))));
        const QString region = server.regionQuery(connection);
        if (row.regionQuery)
            EXPECT_EQ(region, QString::fromUtf8(row.regionQuery));
        else
            EXPECT_TRUE(region.isNull()) << region.toStdString();
        EXPECT_EQ(endFrames(connection), QList<int>{int(server.connection(connection).frames.size())});
        EXPECT_EQ(server.violations(), QStringList());
        ++connection;
    }
}

// The worked example of the protocol: interim and final sentences on their lines, listeners
// before the block; a "LAST" with empty text after no sentence ends with "".
TEST_F(AsrServiceTest, ResultsReachListenersThenTheBlockInOrder)
{
    using A = vqtest::SpeechAnswer;
    for (const A& answer : {A::mid(QStringLiteral("x")), A::fin(QStringLiteral("一")), A::fin(QStringLiteral("二")),
                            A::fin(QString()), A::mid(QStringLiteral("三"))})
        server.addAnswer(1, answer);
    server.addAnswer(vqtest::StandInSpeechServer::kOnEnd, A::last(QString()));
    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(1280, '\x01'));
    ASSERT_TRUE(vqtest::waitUntil([this] { return log.size() >= 15; }));
    service().endAsr();
    ASSERT_TRUE(waitLast());
    const QStringList expected = {
        QStringLiteral("asr:x"), QStringLiteral("new:x|x|0"), QStringLiteral("block:1|x|0"),
        QStringLiteral("asr:一"), QStringLiteral("new:一|一|1"), QStringLiteral("block:1|一|0"),
        QStringLiteral("asr:一\n二"), QStringLiteral("new:一\n二|二|1"), QStringLiteral("block:1|一\n二|0"),
        QStringLiteral("asr:一\n二"), QStringLiteral("new:一\n二||1"), QStringLiteral("block:1|一\n二|0"),
        QStringLiteral("asr:一\n二\n三"), QStringLiteral("new:一\n二\n三|三|0"), QStringLiteral("block:1|一\n二\n三|0"),
        QStringLiteral("new:一\n二||2"), QStringLiteral("end:一\n二|1"), QStringLiteral("block:1|一\n二|1"),
    };
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(service().isSocketOpen());

    // An empty final result, and one of 100 KB, which reaches the block whole.
    for (const QString& last : {QString(), QStringLiteral("long dictation ").repeated(7000)}) {
        log.clear();
        server.clearScript();
        server.addAnswer(vqtest::StandInSpeechServer::kOnEnd, A::last(last));
        begin();
        ASSERT_TRUE(waitOpen());
        mic.feed(QByteArray(1280, '\x01'));
        service().endAsr();
        ASSERT_TRUE(waitLast()) << last.size();
        EXPECT_TRUE(log == (QStringList{QStringLiteral("new:%1|%1|2").arg(last), QStringLiteral("end:%1|1").arg(last),
                                        QStringLiteral("block:1|%1|1").arg(last)}))
            << last.size() << ": " << log.join(QLatin1Char('\n')).left(500).toStdString();
    }
    EXPECT_EQ(server.violations(), QStringList());
}

// What the stand-in does wrong; the service ignores it, or ends the utterance and tells the user.
TEST_F(AsrServiceTest, MisbehavingServerIsIgnoredOrReported)
{
    const QString failed = localized(VQWebApiAsrService::kConnectFailedText);
    const QString finalOf1 = vqtest::StandInSpeechServer::defaultFinalText(2, QByteArray(1280, '\x05'));
    struct Row {
        const char* name;
        vqtest::SpeechMisbehaviour misbehaviour;
        bool cancelAfterFirstResult;
        QString tip;          // the tip the user sees ("" none)
        QStringList lastLog;  // the end of the log (the whole log after a cancel)
        bool socketOpens;
    };
    auto mis = [](auto set) {
        vqtest::SpeechMisbehaviour m;
        set(m);
        return m;
    };
    const Row rows[] = {
        {"refused", mis([](auto& m) { m.refuse = true; }), false, failed, {}, false},
        {"handshake too late", mis([](auto& m) { m.handshakeDelayMs = 3 * kConnectTimeoutMs; }), false, failed, {}, false},
        {"closed without LAST", mis([](auto& m) { m.closeWithoutLast = true; }), false, failed,
         {QStringLiteral("end:|0"), QStringLiteral("block:0||1")}, true},
        // Slow, not unreachable: the hub's time-out delivers what came, nobody is told of a failure.
        {"never answers", mis([](auto& m) { m.neverAnswer = true; }), false, QString(), {}, true},
        {"noise before the answer", mis([](auto& m) { m.noise = true; }), false, QString(),
         {QStringLiteral("asr:"), QStringLiteral("new:||0"), QStringLiteral("block:1||0"),
          QStringLiteral("new:%1|%1|2").arg(finalOf1),
          QStringLiteral("end:%1|1").arg(finalOf1), QStringLiteral("block:1|%1|1").arg(finalOf1)},
         true},
        {"chatter after the cancel", mis([](auto& m) { m.chatterMs = 15; }), true, QString(),
         {QStringLiteral("asr:chatter"), QStringLiteral("new:chatter|chatter|0"), QStringLiteral("block:1|chatter|0")}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        VQPopupWindowTool::resetForTests();
        log.clear();
        server.setMisbehaviour(row.misbehaviour);
        begin();
        if (row.socketOpens) {
            ASSERT_TRUE(waitOpen());
            mic.feed(QByteArray(1280, '\x05'));
            if (row.cancelAfterFirstResult) {
                ASSERT_TRUE(vqtest::waitUntil([this] { return log.size() >= 3; }));
                service().cancelAsr();
                log = log.mid(0, 3);
            } else {
                service().endAsr();
            }
        }
        // Past the connection time-out and the end delay: nothing more may come.
        vqtest::spin(kConnectTimeoutMs + kEndDelayMs + 300);
        EXPECT_EQ(tipText(), row.tip);
        if (row.cancelAfterFirstResult)
            EXPECT_EQ(log, row.lastLog);
        else
            EXPECT_EQ(log.mid(log.size() - row.lastLog.size()), row.lastLog) << log.join(u'\n').toStdString();
        EXPECT_EQ(log.filter(QStringLiteral("noise")), QStringList());
        EXPECT_FALSE(service().isSocketOpen());
    }
    // An older connection's answers reach nobody.
    server.setMisbehaviour(mis([](auto& m) { m.staleOnOlder = true; }));
    log.clear();
    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(1280, '\x05'));
    vqtest::spin(50);
    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(1280, '\x05'));
    service().endAsr();
    ASSERT_TRUE(waitLast());
    EXPECT_EQ(log.filter(QStringLiteral("stale")), QStringList());
}

// The file is sent 1280 bytes every 40 ms, then the closing frame; an unreadable file ends the
// transcription at once and tells the user.
TEST_F(AsrServiceTest, FileTranscriptionSendsChunksThenTheClosingFrame)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("talk.pcm"));
    QByteArray audio(3000, '\0');
    for (int i = 0; i < audio.size(); ++i)
        audio[i] = char(i * 7);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(audio);
    }
    QObject model;
    begin(true);
    service().transferAudioWithFilePath(path, &model);
    ASSERT_TRUE(waitLast());
    const QList<QJsonObject> frames = server.connection(0).frames;
    QList<qsizetype> sizes;
    for (const QJsonObject& f : frames)
        sizes.append(QByteArray::fromBase64(f.value(QStringLiteral("content")).toString().toLatin1()).size());
    EXPECT_EQ(sizes, (QList<qsizetype>{1280, 1280, 440, 0}));
    EXPECT_EQ(endFrames(0), QList<int>{4});
    EXPECT_EQ(server.decodedAudio(0), audio);
    ASSERT_EQ(progresses.size(), 4);
    const double expected[] = {1.0 / 3, 2.0 / 3, 1.0, 1.0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(progresses.at(i), expected[i], 1e-9);
        EXPECT_EQ(progressModels.at(i), &model);
    }
    EXPECT_EQ(server.violations(), QStringList());

    log.clear();
    begin(true);
    service().transferAudioWithFilePath(dir.filePath(QStringLiteral("missing.pcm")), &model);
    ASSERT_TRUE(waitLast());
    EXPECT_EQ(log, (QStringList{QStringLiteral("end:|0"), QStringLiteral("block:0||1")}));
    EXPECT_EQ(tipText(), localized(VQWebApiAsrService::kFileReadFailedText));
    EXPECT_FALSE(service().isSocketOpen());
}

// With the speech SDK selected, every source feeds a recogniser that supports the language, as
// 16 kHz PCM: the microphone as it comes, the device's ADPCM decoded (doubled from 8 kHz over
// Bluetooth LE). Without a recogniser for the language the websocket takes the utterance.
TEST_F(AsrServiceTest, SdkModeFeedsEverySourceAsPcm)
{
    info().setLongVoiceModeSwitch(false);
    ASSERT_TRUE(info().isIFlyAsr());
    enum class Expect { Decoded, DecodedDoubled, Microphone, WebSocket };
    struct Row {
        const char* name;
        Source source;
        bool ble;
        bool recognizer;
        const char* onlyLanguage; // the one language the recogniser supports; nullptr: all
        Expect expect;
    };
    const Row rows[] = {
        {"usb device stream", Source::Device, false, true, nullptr, Expect::Decoded},
        {"bluetooth device stream", Source::Device, true, true, nullptr, Expect::DecodedDoubled},
        {"microphone", Source::Microphone, false, true, nullptr, Expect::Microphone},
        {"no recogniser", Source::Device, false, false, nullptr, Expect::WebSocket},
        {"a language the recogniser lacks", Source::Microphone, false, true, "en-us", Expect::WebSocket},
    };
    const QByteArray micAudio = QByteArray(1280, '\x03') + QByteArray(1280, '\x05');
    int connections = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        log.clear();
        std::optional<FakeSpeechRecognizer> recognizer;
        if (row.recognizer) {
            recognizer.emplace();
            if (row.onlyLanguage)
                recognizer->languages = {QString::fromLatin1(row.onlyLanguage)};
        }
        info().setIsConnect(row.source == Source::Device);
        info().setBleConnect(row.ble);
        DeviceVoice voice(4);
        begin();
        if (row.expect == Expect::WebSocket) {
            ASSERT_TRUE(waitOpen());
            ++connections;
        }
        if (row.source == Source::Device) {
            voice.sendAll();
            voice.end();
        } else {
            mic.feed(micAudio);
            service().endAsr();
        }
        if (row.expect == Expect::WebSocket) {
            ASSERT_TRUE(waitLast());
            EXPECT_EQ(server.connectionCount(), connections);
            EXPECT_TRUE(!recognizer || recognizer->audio.isEmpty());
            continue;
        }
        EXPECT_EQ(server.connectionCount(), connections);
        QList<qint16> decoded;
        for (qsizetype at = 0; at < voice.adpcm.size(); at += VQVoiceStream::kBlockBytes) {
            const QByteArray block = voice.adpcm.mid(at, VQVoiceStream::kBlockBytes);
            QList<qint16> samples(VQAdpcmDecoder::samplesInBlock(int(block.size())));
            VQAdpcmDecoder::decodeBlock(reinterpret_cast<const quint8*>(block.constData()), int(block.size()), samples.data());
            decoded += samples;
        }
        QList<qint16> heard(recognizer->audio.size() / 2);
        qFromLittleEndian<qint16>(recognizer->audio.constData(), heard.size(), heard.data());
        if (row.expect == Expect::Microphone) {
            EXPECT_EQ(recognizer->audio, micAudio);
        } else if (row.expect == Expect::Decoded) {
            EXPECT_EQ(heard, decoded);
        } else {
            ASSERT_EQ(heard.size(), 2 * decoded.size());
            QList<qint16> kept;
            for (qsizetype i = 1; i < heard.size(); i += 2)
                kept.append(heard.at(i));
            EXPECT_EQ(kept, decoded);
        }
        EXPECT_EQ(recognizer->calls.last(), QStringLiteral("stop"));
        recognizer->reportResult(0, QStringLiteral("你"));
        recognizer->reportResult(VQSpeechRecognizer::kStatusEnd, QStringLiteral("你好"));
        ASSERT_TRUE(waitLast());
        EXPECT_EQ(log, (QStringList{QStringLiteral("asr:你"), QStringLiteral("new:你|你|0"), QStringLiteral("block:1|你|0"),
                                    QStringLiteral("new:你好|你好|2"), QStringLiteral("end:你好|1"),
                                    QStringLiteral("block:1|你好|1")}));
    }
    EXPECT_EQ(server.violations(), QStringList());
}
