// Speech output and playback through the real sound server: what the synthesiser speaks and
// what the player plays must reach the speaker, whose monitor is recorded.
#include "AppAudioTool.h"
#include "AudioCaptureTest.h"
#include "AudioQueuePlay.h"
#include "NotificationCenter.h"
#include "TKTTSManager.h"
#include "TestSupport.h"
#include "VQNotificationNames.h"
#include "QRNLocalizedString.h"
#include "VQPopupWindowTool.h"
#include "VQSpeechEngine.h"
#include "VQTipWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace {

// Records the speaker's monitor (16 kHz mono s16le) while it lives.
class SpeakerRecording {
public:
    SpeakerRecording()
    {
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, &m_parec,
                         [this] { m_pcm += m_parec.readAllStandardOutput(); });
        m_parec.start(QStringLiteral("parec"),
                      { QStringLiteral("--latency-msec=20"), QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                        QStringLiteral("--rate=16000"), QStringLiteral("--channels=1"), QStringLiteral("-d"),
                        QStringLiteral("%1.monitor").arg(QString::fromLatin1(PrivatePulseAudio::kSinkName)) });
    }
    ~SpeakerRecording()
    {
        m_parec.kill();
        m_parec.waitForFinished(2000);
    }
    SpeakerRecording(const SpeakerRecording&) = delete;
    SpeakerRecording& operator=(const SpeakerRecording&) = delete;

    bool started() { return m_parec.waitForStarted(5000); }

    // Samples louder than a whisper: 100 ms of them is a sound.
    int loudSamples() const
    {
        int loud = 0;
        for (qsizetype at = 0; at + 1 < m_pcm.size(); at += 2) {
            if (std::abs(qFromLittleEndian<qint16>(m_pcm.constData() + at)) > 500)
                ++loud;
        }
        return loud;
    }
    bool heardSound() const { return loudSamples() >= 1600; }

private:
    QProcess m_parec;
    QByteArray m_pcm;
};

QString tipText()
{
    return VQPopupWindowTool::sharedInstance().tipWindow()->text();
}

} // namespace

TEST(RealSpeaker, SpokenSentenceAndPlayedWaveReachTheSpeaker)
{
    ASSERT_NE(g_pulse, nullptr);
    TKTTSManager::resetForTests();
    AppAudioTool::resetForTests();
    VQPopupWindowTool::resetForTests();

    {
        SCOPED_TRACE("speech");
        SpeakerRecording speaker;
        ASSERT_TRUE(speaker.started());
        QStringList events;
        QObject owner;
        NotificationCenter::defaultCenter().addObserver(&owner, QString::fromLatin1(vq::TTSPlayCompleteNoti),
                                                        [&events](const VQNotification&) { events << QStringLiteral("n"); });
        TKTTSManager& tts = TKTTSManager::sharedInstance();
        tts.setCompleteBlock([&events](int status) { events << QString::number(status); });
        tts.setSpeakString(QStringLiteral("The weather today is sunny and warm."));
        ASSERT_TRUE(tts.startSpeak());
        ASSERT_TRUE(vqtest::waitUntil([&events] { return events.contains(QStringLiteral("4")); }, 30000)) << events.join(' ').toStdString();
        EXPECT_EQ(events, QStringList({ QStringLiteral("1"), QStringLiteral("n"), QStringLiteral("4") }));
        EXPECT_TRUE(vqtest::waitUntil([&speaker] { return speaker.heardSound(); }, 3000)) << speaker.loudSamples();
        EXPECT_EQ(tipText(), QString());
        NotificationCenter::defaultCenter().removeObserver(&owner);
        tts.setCompleteBlock(nullptr);
    }
    {
        // A recording pauses the speech; the next answer is spoken in its place, to the end.
        SCOPED_TRACE("paused, then replaced");
        QStringList events;
        QObject owner;
        NotificationCenter::defaultCenter().addObserver(&owner, QString::fromLatin1(vq::TTSPlayCompleteNoti),
                                                        [&events](const VQNotification&) { events << QStringLiteral("n"); });
        TKTTSManager& tts = TKTTSManager::sharedInstance();
        tts.setCompleteBlock([&events](int status) { events << QString::number(status); });
        tts.setSpeakString(QStringLiteral("This long answer is interrupted by a new question before it can end."));
        ASSERT_TRUE(tts.startSpeak());
        ASSERT_TRUE(vqtest::waitUntil([&events] { return events.contains(QStringLiteral("1")); }, 30000));
        ASSERT_TRUE(tts.pauseSpeak(0));
        ASSERT_TRUE(vqtest::waitUntil([&events] { return events.contains(QStringLiteral("2")); }, 5000)) << events.join(' ').toStdString();
        tts.setSpeakString(QStringLiteral("Short answer."));
        ASSERT_TRUE(tts.startSpeak());
        ASSERT_TRUE(vqtest::waitUntil([&events] { return events.contains(QStringLiteral("4")); }, 30000)) << events.join(' ').toStdString();
        EXPECT_EQ(events, QStringList({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("n"),
                                        QStringLiteral("4") }));
        NotificationCenter::defaultCenter().removeObserver(&owner);
        tts.setCompleteBlock(nullptr);
    }
    {
        SCOPED_TRACE("wave");
        QTemporaryDir dir;
        const QString wav = dir.filePath(QStringLiteral("answer.wav"));
        ASSERT_EQ(QProcess::execute(QStringLiteral("sox"), { QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("16000"),
                                                             QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"),
                                                             QStringLiteral("16"), wav, QStringLiteral("synth"),
                                                             QStringLiteral("1.5"), QStringLiteral("sine"), QStringLiteral("440") }),
                  0);
        SpeakerRecording speaker;
        ASSERT_TRUE(speaker.started());
        AppAudioTool::sharedManager().playAudioWithURL(wav);
        EXPECT_TRUE(vqtest::waitUntil([&speaker] { return speaker.heardSound(); }, 15000)) << speaker.loudSamples();
        AppAudioTool::sharedManager().stop();
        EXPECT_EQ(tipText(), QString());
    }
}

// Each text is read by a voice of its own language, through the private speech server; a
// language no voice speaks is read by the default voice, with a tip once.
TEST(RealSpeaker, EachTextIsReadByAVoiceOfItsLanguage)
{
    ASSERT_NE(g_pulse, nullptr);
    TKTTSManager::resetForTests();
    VQPopupWindowTool::resetForTests();
    const QString noVoiceTip = QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(TKTTSManager::kNoVoiceText));
    const struct {
        const char* text;
        QLocale::Language voice;
        bool tip;
    } rows[] = {
        {"今天天气晴朗，气温二十五度。", QLocale::Chinese, false},
        {"الطقس مشمس اليوم", QLocale::Arabic, false},
        {"The weather is sunny.", QLocale::English, false},
        {"អាកាសធាតុល្អ", QLocale::English, true},   // Khmer: no voice
        {"ថ្ងៃនេះក្តៅ", QLocale::English, false},   // told once
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
        SpeakerRecording speaker;
        ASSERT_TRUE(speaker.started());
        QStringList events;
        TKTTSManager& tts = TKTTSManager::sharedInstance();
        tts.setCompleteBlock([&events](int status) { events << QString::number(status); });
        tts.setSpeakString(QString::fromUtf8(row.text));
        ASSERT_TRUE(tts.startSpeak());
        ASSERT_TRUE(vqtest::waitUntil([&events] { return events.contains(QStringLiteral("1")); }, 30000));
        EXPECT_EQ(VQSpeechEngine::instance().voiceLocale().language(), row.voice) << VQSpeechEngine::instance().voiceName().toStdString();
        EXPECT_EQ(tipText(), row.tip ? noVoiceTip : QString());
        ASSERT_TRUE(vqtest::waitUntil([&events] { return events.contains(QStringLiteral("4")); }, 30000)) << events.join(' ').toStdString();
        EXPECT_TRUE(vqtest::waitUntil([&speaker] { return speaker.heardSound(); }, 3000)) << speaker.loudSamples();
        tts.setCompleteBlock(nullptr);
    }
}

// Music from a file played twice, then its end block; music from memory; raw PCM pieces through
// the three buffers of the PCM player, fed from a worker that waits for a free one.
TEST(RealSpeaker, MusicAndRawPcmReachTheSpeaker)
{
    ASSERT_NE(g_pulse, nullptr);
    AppAudioTool::resetForTests();
    VQPopupWindowTool::resetForTests();
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/vq-music-XXXXXX"));
    const QString wav = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("16000"),
                                                        QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"), QStringLiteral("16"),
                                                        wav, QStringLiteral("synth"), QStringLiteral("0.6"), QStringLiteral("sine"),
                                                        QStringLiteral("440")}),
              0);
    const QString name = QDir(QDir::tempPath()).relativeFilePath(wav);
    AppAudioTool& tool = AppAudioTool::sharedManager();
    {
        SCOPED_TRACE("file, twice");
        SpeakerRecording speaker;
        ASSERT_TRUE(speaker.started());
        QList<bool> ends;
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(tool.playMusicWithBlock(name, AppAudioTool::PathTemporary, 2, [&ends](bool success) { ends << success; }));
        ASSERT_TRUE(vqtest::waitUntil([&ends] { return !ends.isEmpty(); }, 15000));
        EXPECT_GE(clock.elapsed(), 1200) << "both rounds of 0.6 s played";
        EXPECT_EQ(ends, QList<bool>{true});
        EXPECT_TRUE(speaker.heardSound()) << speaker.loudSamples();
        EXPECT_FALSE(tool.playMusic(QStringLiteral("no such file.wav"), AppAudioTool::PathTemporary, 1));
    }
    {
        SCOPED_TRACE("data");
        QFile file(wav);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        SpeakerRecording speaker;
        ASSERT_TRUE(speaker.started());
        ASSERT_TRUE(tool.playMusicData(file.readAll(), 1));
        EXPECT_TRUE(vqtest::waitUntil([&speaker] { return speaker.heardSound(); }, 15000)) << speaker.loudSamples();
        tool.stopMusic();
    }
    {
        SCOPED_TRACE("raw pcm");
        SpeakerRecording speaker;
        ASSERT_TRUE(speaker.started());
        AudioQueuePlay pcm(16000);
        std::atomic<int> queued{0};
        std::atomic<int> mostBusy{0};
        std::thread feeder([&] {
            for (int piece = 0; piece < 16; ++piece) {
                QByteArray bytes(AudioQueuePlay::kBufferBytes, Qt::Uninitialized);
                for (int i = 0; i < bytes.size() / 2; ++i) {
                    const int n = piece * (AudioQueuePlay::kBufferBytes / 2) + i;
                    qToLittleEndian<qint16>(qint16(8000 * std::sin(2 * M_PI * 440 * n / 16000.0)), bytes.data() + 2 * i);
                }
                if (pcm.playWithData(bytes))
                    ++queued;
                mostBusy = std::max(mostBusy.load(), pcm.busyBufferCount());
            }
        });
        const bool fed = vqtest::waitUntil([&queued] { return queued.load() == 16; }, 15000);
        feeder.join();
        EXPECT_TRUE(fed) << queued.load();
        EXPECT_LE(mostBusy.load(), AudioQueuePlay::kBufferCount);
        EXPECT_TRUE(vqtest::waitUntil([&speaker] { return speaker.heardSound(); }, 15000)) << speaker.loudSamples();
        EXPECT_FALSE(pcm.playWithData(QByteArray(AudioQueuePlay::kBufferBytes + 2, '\0')));
    }
    EXPECT_EQ(tipText(), QString());
}
