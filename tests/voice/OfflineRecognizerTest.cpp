// The speech-SDK path on this computer's offline recogniser: the test recording of the
// recogniser's package, heard by the microphone, recognised through the recognition service
// with no speech server involved.
#include "AsrServiceFixture.h"
#include "VQPocketsphinxRecognizer.h"

#include <QFile>

using namespace asrtest;

namespace {

constexpr char kRecording[] = "/usr/share/pocketsphinx/test/data/goforward.raw";

} // namespace

// The utterance ends at the release, or by itself after the end-of-speech silence; with
// punctuation on the text is a sentence.
TEST_F(AsrServiceTest, OfflineRecognizerHearsTheTestRecording)
{
    QFile file(QString::fromLatin1(kRecording));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray speech = file.readAll();
    VQPocketsphinxRecognizer recognizer;
    ASSERT_TRUE(recognizer.hasModel());
    IFlyASRManager::sharedInstance().setRecognizer(&recognizer);
    info().setLongVoiceModeSwitch(false);
    VQLanguageManager::sharedInstance().setAudioLanguageArr({QVariantMap{{QStringLiteral("code"), QStringLiteral("EN_US")}}});
    ASSERT_TRUE(info().isIFlyAsr());

    struct Row {
        const char* name;
        bool punctuation;
        bool release; // else: silence longer than the end of speech, the key still held
        const char* text;
    };
    const Row rows[] = {
        {"released", false, true, "go forward ten meters"},
        {"silence after the speech", false, false, "go forward ten meters"},
        {"punctuation", true, true, "Go forward ten meters."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        log.clear();
        info().setPunctuationSwitch(row.punctuation);
        begin();
        for (qsizetype at = 0; at < speech.size(); at += 1280)
            mic.feed(speech.mid(at, 1280));
        if (row.release) {
            service().endAsr();
        } else {
            const QByteArray silence(1280, '\0');
            for (int ms = 0; ms <= IFlyASRManager::kEndOfSpeechSilenceMs + 1000; ms += 40)
                mic.feed(silence);
        }
        ASSERT_TRUE(vqtest::waitUntil([this] { return lastBlocks() > 0; }, 30000));
        EXPECT_EQ(log.last(), QStringLiteral("block:1|%1|1").arg(QLatin1String(row.text)));
        EXPECT_TRUE(log.contains(QStringLiteral("end:%1|1").arg(QLatin1String(row.text))));
        // Interim texts came before the end.
        EXPECT_TRUE(log.first().startsWith(QLatin1String("asr:"))) << log.join(QLatin1Char('\n')).toStdString();
        if (!row.release)
            service().endAsr();
    }
    EXPECT_EQ(server.connectionCount(), 0);
    IFlyASRManager::sharedInstance().setRecognizer(nullptr);
}
