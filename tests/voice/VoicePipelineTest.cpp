// One utterance through the whole voice path, headless: the simulated receiver's voice key gives
// event code 33, the hub starts the service, the device streams a real spoken utterance (all of
// part of it before the socket opens), the stand-in speech server checks every frame and answers, and the
// results reach the listeners and the hub's delivery in order; the hub is idle afterwards.
#include "../device/VoiceTestUtterance.h"
#include "DeviceVoiceFixture.h"
#include "QRNLocalizedString.h"
#include "VQAdpcmDecoder.h"
#include "VQVoiceStream.h"

using vqtest::SpeechAnswer;
using vqtest::StandInSpeechServer;
using voicetest::decodedPcm;

namespace {

class VoicePipelineTest : public DeviceVoiceTest {
protected:
    void SetUp() override
    {
        DeviceVoiceTest::SetUp();
        log = std::make_unique<voicetest::HubLog>();
    }

    void TearDown() override
    {
        log.reset();
        DeviceVoiceTest::TearDown();
    }

    VQSpeechPopupInterface* speechPopup() override { return &popup; }

    voicetest::RecordingSpeechPopup popup;
    std::unique_ptr<voicetest::HubLog> log;
};

} // namespace

TEST_F(VoicePipelineTest, DeviceUtteranceReachesTheServerAndItsResultsTheHubInOrder)
{
    const voicetest::Utterance& u = voicetest::utterance();
    ASSERT_TRUE(u.error.isEmpty()) << u.error.toStdString();

    plugAndSettle();
    // An overseas device while the server region is unknown: the region query is "out".
    record().setMouseSource(1);
    VQUserInfoData::sharedInstance().setRegion(QString());
    server.expect(vqtest::SpeechExpectation{QStringLiteral("16k"), QStringLiteral("pcm"), false, {}});
    // The socket opens late, after the first part of the utterance.
    server.setMisbehaviour({.handshakeDelayMs = 300});
    server.addAnswer(1, SpeechAnswer::mid(QStringLiteral("今天")));
    server.addAnswer(2, SpeechAnswer::fin(QStringLiteral("今天天气好")));
    server.addAnswer(StandInSpeechServer::kOnEnd, SpeechAnswer::last(QStringLiteral("明天见")));
    // The device has been streaming for a while when the socket opens.
    QObject::connect(&server, &StandInSpeechServer::connected, &server, [this](int) {
        log->events << (VQMouseCommandManager::sharedInstance().isStartVoice() ? QStringLiteral("connected while streaming")
                                                                                : QStringLiteral("connected"));
    });
    receiver.voice().setUtterance(u.adpcm);
    receiver.voice().payloadsPerTick = 1;

    receiver.pressVoiceKey();
    // The key is released once the whole utterance was streamed (a held key streams on).
    ASSERT_TRUE(vqtest::waitUntil(
        [this] { return receiver.voice().isDone() && log->events.contains(QStringLiteral("deliver:今天天气好|0|33")); },
        20000))
        << log->events.join(QLatin1Char('\n')).toStdString();
    receiver.releaseVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil(voicetest::hubIsIdle, 20000)) << log->events.join(QLatin1Char('\n')).toStdString();

    const QString sentence = QStringLiteral("今天天气好");
    const QString whole = QStringLiteral("今天天气好\n明天见");
    EXPECT_EQ(log->events, (QStringList{
                               QStringLiteral("start"),
                               QStringLiteral("connected while streaming"),
                               QStringLiteral("asr:今天"),
                               QStringLiteral("new:今天|今天|0"),
                               QStringLiteral("deliver:今天|0|33"),
                               QStringLiteral("asr:") + sentence,
                               QStringLiteral("new:%1|%1|1").arg(sentence),
                               QStringLiteral("deliver:%1|0|33").arg(sentence),
                               QStringLiteral("finish"),
                               QStringLiteral("new:%1|明天见|2").arg(whole),
                               QStringLiteral("end:%1|1").arg(whole),
                               QStringLiteral("deliver:%1|1|34").arg(whole),
                           }));
    EXPECT_TRUE(popup.shows.startsWith(
        QStringLiteral("%1|33").arg(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("请说话...")))));
    EXPECT_TRUE(popup.shows.contains(QStringLiteral("今天|33")));
    EXPECT_FALSE(popup.isShow());

    ASSERT_EQ(server.connectionCount(), 1);
    const vqtest::SpeechConnection connection = server.connection(0);
    EXPECT_EQ(connection.path, QStringLiteral("/ws"));
    EXPECT_EQ(connection.region, QStringLiteral("out"));
    EXPECT_TRUE(connection.endReceived);
    EXPECT_TRUE(server.violations().isEmpty()) << server.violations().join(QLatin1Char('\n')).toStdString();
    // Byte for byte the device's decoded utterance, which is sox's decoding up to the padding of
    // the last block.
    EXPECT_EQ(connection.audio, decodedPcm(u.adpcm));
    EXPECT_TRUE(connection.audio.startsWith(u.soxPcm));
    EXPECT_EQ(VQMouseCommandManager::sharedInstance().isStartVoice(), false);
}
