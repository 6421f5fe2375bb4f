// The voice typing shortcut on a real X server with no device connected: F1 pressed through
// XTest starts a recognition from the computer's microphone; releasing the key leaves it
// running, the next press of F1 ends it and its text is delivered as typing.
#include "../voice/VoiceHubFixture.h"
#include "FakeAudioCaptureBackend.h"
#include "KeySynthesizer.h"
#include "MacKeyMap.h"
#include "VQVoiceShortcuts.h"

#include <gtest/gtest.h>

using vqtest::StandInSpeechServer;

namespace {

class VoiceShortcutX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        voicetest::resetVoice();
        ASSERT_TRUE(server.start());
        voicetest::installVoice(server, &popup);
        log = std::make_unique<voicetest::HubLog>();
        VQVoiceShortcuts::install();
    }

    void TearDown() override
    {
        VQVoiceShortcuts::remove();
        log.reset();
        voicetest::resetVoice();
    }

    static void postF1(bool down)
    {
        ASSERT_TRUE(KeySynthesizer::instance().postKeyEvent(MacKeyMap::kKeyCodeF1, down, 0)) << "no X display";
    }

    FakeAudioCaptureBackend microphone;
    StandInSpeechServer server;
    voicetest::RecordingSpeechPopup popup;
    std::unique_ptr<voicetest::HubLog> log;
};

} // namespace

TEST_F(VoiceShortcutX11Test, F1StartsMicrophoneTypingAndItsNextPressEndsIt)
{
    VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
    VQAudioQueueCapture& capture = VQAudioQueueCapture::sharedInstance();

    postF1(true);
    ASSERT_TRUE(vqtest::waitUntil([&] { return hub.hadStart() && capture.isRecording(); }, 10000));
    EXPECT_EQ(hub.pressType(), 33);
    QByteArray spoken(6 * VQAudioQueueCapture::kChunkBytes, Qt::Uninitialized);
    for (int i = 0; i < spoken.size(); ++i)
        spoken[i] = char(1 + (i * 13) % 251);
    microphone.feed(spoken);

    // The release of the key leaves the recognition running.
    postF1(false);
    vqtest::spin(300);
    EXPECT_TRUE(hub.hadStart());
    EXPECT_TRUE(capture.isRecording());

    postF1(true);
    postF1(false);
    ASSERT_TRUE(vqtest::waitUntil(voicetest::hubIsIdle, 10000)) << log->events.join(QLatin1Char('\n')).toStdString();

    ASSERT_EQ(server.connectionCount(), 1);
    const vqtest::SpeechConnection connection = server.connection(0);
    EXPECT_EQ(connection.audio, spoken);
    EXPECT_TRUE(server.violations().isEmpty()) << server.violations().join(QLatin1Char('\n')).toStdString();
    const QString finalText = StandInSpeechServer::defaultFinalText(int(connection.frames.size()), spoken);
    EXPECT_EQ(log->only(QStringLiteral("deliver:")), QStringList{QStringLiteral("deliver:%1|1|34").arg(finalText)});
    EXPECT_EQ(log->count(QStringLiteral("start")), 1);
    EXPECT_EQ(log->count(QStringLiteral("finish")), 1);
    EXPECT_FALSE(capture.isRecording());
}
