// One utterance's audio, start to end, against the stand-in speech server: nothing captured is
// lost or reordered, one end frame, and what is left of an utterance never touches the next.
#include "AsrServiceFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QSslConfiguration>

#include "QRNLocalizedString.h"

using namespace asrtest;

// Device audio that arrives before the socket opens waits and goes out first, in order; the end
// frame is the last frame.
TEST_F(AsrServiceTest, AudioBeforeTheSocketOpensIsSentInOrder)
{
    server.setMisbehaviour([] {
        vqtest::SpeechMisbehaviour m;
        m.handshakeDelayMs = 200;
        return m;
    }());
    info().setIsConnect(true);
    DeviceVoice voice(12);
    const int half = voice.reportCount() / 2;
    begin();
    voice.send(0, half);
    ASSERT_FALSE(service().isSocketOpen());
    ASSERT_TRUE(waitOpen());
    voice.send(half, voice.reportCount());
    voice.end();
    ASSERT_TRUE(waitLast());
    EXPECT_EQ(server.decodedAudio(0), voice.adpcm);
    EXPECT_EQ(endFrames(0), QList<int>{int(server.connection(0).frames.size())});
    EXPECT_EQ(server.violations(), QStringList());
}

// A release while the device is not streaming ends the utterance at once; audio the device
// hands on afterwards is dropped, so exactly one frame says "end", the last.
TEST_F(AsrServiceTest, NothingFollowsTheEndFrame)
{
    info().setIsConnect(true);
    DeviceVoice voice(12);
    const int half = voice.reportCount() / 2;
    begin();
    ASSERT_TRUE(waitOpen());
    voice.send(0, half);
    service().endAsr();
    voice.send(half, voice.reportCount());
    voice.end();
    ASSERT_TRUE(waitLast());
    vqtest::spin(100);
    const int frames = int(server.connection(0).frames.size());
    EXPECT_GE(frames, 2);
    EXPECT_EQ(endFrames(0), QList<int>{frames});
    const QByteArray sent = server.decodedAudio(0);
    EXPECT_LT(sent.size(), voice.adpcm.size());
    EXPECT_TRUE(voice.adpcm.startsWith(sent));
    EXPECT_EQ(server.violations(), QStringList());
}

// Only the device's voice is recorded, into files its owner alone can read; the microphone's
// never reaches a file. The end action of an utterance (2 s after its release) does not end one
// started after it, and the delayed removal of a recording does not remove the next one's file.
TEST_F(AsrServiceTest, OnlyTheDeviceVoiceIsRecordedAndLeftoversLeaveTheNextAlone)
{
    const QString pcm = VQWebApiAsrService::recordingPcmPath();
    const QString wav = VQWebApiAsrService::recordingWavPath();
    const auto othersMay = [](const QString& path) { return QFile::permissions(path) & 0x0077; }; // group, others
    info().setIsConnect(true);
    DeviceVoice voice(4);
    const int half = voice.reportCount() / 2;
    begin();
    ASSERT_TRUE(waitOpen());
    voice.sendAll();
    voice.end();
    ASSERT_TRUE(vqtest::waitUntil([&] { return QFileInfo(wav).size() > 44; }));
    EXPECT_EQ(othersMay(wav), 0);
    begin();
    ASSERT_TRUE(waitOpen());
    voice.send(0, half);
    vqtest::spin(qMax(kEndDelayMs, kDeleteDelayMs) + 200);
    EXPECT_TRUE(QFile::exists(pcm) && othersMay(pcm) == 0);
    voice.send(half, voice.reportCount());
    voice.end();
    ASSERT_TRUE(vqtest::waitUntil([&] { return lastBlocks() == 2; })) << log.join(u'\n').toStdString();
    EXPECT_TRUE(vqtest::waitUntil([&] { return QFileInfo(wav).size() > 44 && !QFile::exists(pcm); }));
    info().setIsConnect(false);
    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(1280, '\x09'));
    service().endAsr();
    ASSERT_TRUE(vqtest::waitUntil([&] { return lastBlocks() == 3; })) << log.join(u'\n').toStdString();
    vqtest::spin(kDeleteDelayMs + 200);
    EXPECT_FALSE(QFile::exists(pcm) || QFile::exists(wav));
    EXPECT_EQ(server.violations(), QStringList());
}

// A wss:// speech address is reached over TLS only. A server whose certificate is not trusted is
// refused: one connection, no frame, nothing retried in clear, and the user is told the server
// could not be reached. Trusted, the utterance arrives through the TLS server and no plain
// connection is tried on the way.
TEST_F(AsrServiceTest, SecureSpeechAddressConnectsOverTls)
{
    vqtest::StandInSpeechServer secure;
    ASSERT_TRUE(secure.startSecure());
    qputenv("CORVANE_SPEECH_URL", secure.url().toLatin1());
    VQApiConfig::resetForTests();
    info().setIsConnect(true);
    begin();
    DeviceVoice(2).sendAll();
    ASSERT_TRUE(vqtest::waitUntil([] { return !tipText().isEmpty(); })) << log.join(u'\n').toStdString();
    EXPECT_EQ(tipText(), QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQWebApiAsrService::kConnectFailedText)));
    EXPECT_FALSE(service().isSocketOpen());
    vqtest::spin(300);
    EXPECT_EQ(secure.tcpConnections(), 1);
    EXPECT_EQ(secure.connectionCount(), 0);
    service().cancelAsr();
    VQPopupWindowTool::resetForTests();

    const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusted = before;
    trusted.addCaCertificate(secure.certificate());
    QSslConfiguration::setDefaultConfiguration(trusted);
    qputenv("CORVANE_SPEECH_URL", secure.url().toLatin1());
    VQApiConfig::resetForTests();
    info().setIsConnect(true);
    DeviceVoice voice(6);
    begin();
    const bool opened = waitOpen();
    voice.sendAll();
    voice.end();
    EXPECT_TRUE(opened && waitLast()) << log.join(u'\n').toStdString();
    qunsetenv("CORVANE_SPEECH_URL");
    QSslConfiguration::setDefaultConfiguration(before);
    EXPECT_EQ(secure.tcpConnections(), 2); // the refused one, and this one
    EXPECT_EQ(secure.decodedAudio(0), voice.adpcm);
}
