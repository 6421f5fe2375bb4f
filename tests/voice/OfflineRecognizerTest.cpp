// The speech-SDK path on this computer's offline recogniser: the test recording of the
// recogniser's package, heard by the microphone, recognised through the recognition service
// with no speech server involved; a damaged model.
#include "AsrServiceFixture.h"
#include "LogCapture.h"
#include "QRNLocalizedString.h"
#include "VQPocketsphinxRecognizer.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <sys/stat.h>

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

// A copy of the system's model with one file damaged: the first English dictation ends without
// a text and with the recogniser's failure tip, the test program runs on, and the next dictation
// goes to the speech server with no tip, as it does without a model.
TEST_F(AsrServiceTest, DamagedOfflineModelCountsAsMissing)
{
    const VQPocketsphinxRecognizer::Model system = VQPocketsphinxRecognizer::systemModel();
    enum class Damage { RandomBytes, Empty, ZerosInHeader, Pipe };
    struct Row {
        const char* name;
        const char* file; // in the model's copy: the folder en-us, en-us.lm.bin and dict
        Damage damage;
        const char* reason;
    };
    const Row rows[] = {
        {"random bytes in mdef", "en-us/mdef", Damage::RandomBytes, "could not be loaded"},
        {"random bytes in means", "en-us/means", Damage::RandomBytes, "could not be loaded"},
        {"zeros in the header of sendump", "en-us/sendump", Damage::ZerosInHeader, "crashed"},
        {"empty dictionary", "dict", Damage::Empty, "has no word"},
        {"random dictionary", "dict", Damage::RandomBytes, "has no word"},
        {"damaged language model", "en-us.lm.bin", Damage::RandomBytes, "could not be loaded"},
        {"mdef a pipe nobody writes", "en-us/mdef", Damage::Pipe, "did not load within"},
    };
    info().setLongVoiceModeSwitch(false);
    VQLanguageManager::sharedInstance().setAudioLanguageArr({QVariantMap{{QStringLiteral("code"), QStringLiteral("EN_US")}}});
    QRandomGenerator random(7);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const auto path = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
        const VQPocketsphinxRecognizer::Model model{path("en-us"), path("en-us.lm.bin"), path("dict")};
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("en-us")));
        for (const QString& name : QDir(system.acousticModel).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(system.acousticModel + u'/' + name, model.acousticModel + u'/' + name));
        ASSERT_TRUE(QFile::link(system.languageModel, model.languageModel));
        ASSERT_TRUE(QFile::link(system.dictionary, model.dictionary));
        const QString damaged = path(row.file);
        QFile file(damaged);
        if (row.damage == Damage::ZerosInHeader) {
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(64));
            file.write(QByteArray(64, '\0'));
        } else if (row.damage == Damage::Pipe) {
            ASSERT_TRUE(file.remove());
            ASSERT_EQ(mkfifo(QFile::encodeName(damaged).constData(), 0600), 0);
        } else {
            ASSERT_TRUE(file.remove() && file.open(QIODevice::WriteOnly));
            QList<quint32> bytes(row.damage == Damage::Empty ? 0 : 64 * 1024);
            random.fillRange(bytes.data(), bytes.size());
            file.write(reinterpret_cast<const char*>(bytes.constData()), bytes.size() * qsizetype(sizeof(quint32)));
        }
        file.close();
        VQPocketsphinxRecognizer recognizer(model);
        if (row.damage == Damage::Pipe)
            recognizer.setModelCheckTimeout(300);
        IFlyASRManager::sharedInstance().setRecognizer(&recognizer);
        const auto uninstall = qScopeGuard([] { IFlyASRManager::sharedInstance().setRecognizer(nullptr); });
        const vqtest::LogCapture capture;
        const int connections = server.connectionCount();
        log.clear();
        begin();
        mic.feed(QByteArray(1280, '\0'));
        service().endAsr();
        ASSERT_TRUE(vqtest::waitUntil([this] { return lastBlocks() > 0; }, 30000));
        EXPECT_EQ(log.last(), QStringLiteral("block:1||1"));
        EXPECT_EQ(tipText(), QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(IFlyASRManager::kRecognizerErrorText)));
        EXPECT_EQ(server.connectionCount(), connections);
        begin();
        EXPECT_TRUE(vqtest::waitUntil([&] { return server.connectionCount() == connections + 1; }));
        service().cancelAsr();
        const QString written = capture.text();
        EXPECT_EQ(written.count(QLatin1String("speech recogniser error")), 1) << written.toStdString();
        EXPECT_TRUE(written.contains(QLatin1String(row.reason))) << written.toStdString();
    }
}
