// One utterance's audio, start to end, against the stand-in speech server: nothing captured is
// lost or reordered, one end frame, and what is left of an utterance never touches the next.
#include "AsrServiceFixture.h"

#include <QFile>
#include <QFileInfo>

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

// The end action of an utterance (2 s after its release) does not end one started after it,
// and the delayed removal of a recording does not remove the next one's file.
TEST_F(AsrServiceTest, LeftoversOfAnUtteranceLeaveTheNextAlone)
{
    const QString pcm = VQWebApiAsrService::recordingPcmPath();
    const QString wav = VQWebApiAsrService::recordingWavPath();
    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(1280, '\x09'));
    service().endAsr();
    ASSERT_TRUE(vqtest::waitUntil([&] { return QFileInfo(wav).size() == 44 + 1280; }));

    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(1280, '\x0A'));
    vqtest::spin(qMax(kEndDelayMs, kDeleteDelayMs) + 200);
    EXPECT_TRUE(QFile::exists(pcm));
    mic.feed(QByteArray(1280, '\x0B'));
    service().endAsr();
    const QString expected = QStringLiteral("block:1|%1|1")
                                 .arg(vqtest::StandInSpeechServer::defaultFinalText(
                                     3, QByteArray(1280, '\x0A') + QByteArray(1280, '\x0B')));
    ASSERT_TRUE(vqtest::waitUntil([&] { return log.contains(expected); })) << log.join(u'\n').toStdString();
    EXPECT_TRUE(vqtest::waitUntil([&] { return QFileInfo(wav).size() == 44 + 2 * 1280 && !QFile::exists(pcm); }));
    EXPECT_EQ(server.violations(), QStringList());
}
