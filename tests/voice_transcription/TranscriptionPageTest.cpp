// The transcription page against the stand-in speech server, with the real SQLite store and the
// real decoder in the test's Documents folder: what reaches the server, the rows, the result
// files, the failures that end a run, the alerts, and the renders of the page.
#include "../voice/AsrServiceFixture.h"
#include "TranscriptionTestSupport.h"

#include "FakeDesktopOpener.h"
#include "FakeFileChooser.h"
#include "KVDSqliteOperation.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQTextField.h"
#include "VQToolManager.h"
#include "VQTransferAudioCellView.h"
#include "VQTransferAudioModel.h"
#include "VQTransferAudioView.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

using namespace transcription;
using vqtest::SpeechExpectation;
using vqtest::SpeechMisbehaviour;

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString localizedText(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

// 16-bit samples of a tone, n bytes.
QByteArray tone(int bytes)
{
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = char((i * 37) ^ (i >> 3));
    return data;
}

} // namespace

class TranscriptionPageTest : public asrtest::AsrServiceTest {
protected:
    void SetUp() override
    {
        asrtest::AsrServiceTest::SetUp();
        ASSERT_TRUE(work.isValid());
        KVDSqliteOperation::resetForTests(work.filePath(QStringLiteral("store.sqlite")));
        QDir(documentsFolder() + QStringLiteral("/TransferAudio")).removeRecursively();
        VQToolManager::setErrorPresenter([this](const QString& message, const QString& detail) {
            alerts << message;
            alertDetails << detail;
        });
        server.expect(SpeechExpectation{QStringLiteral("16k"), QStringLiteral("pcm"), false, {}});
        page = std::make_unique<VQTransferAudioView>();
        ASSERT_TRUE(vqtest::waitUntil([this] { return page->listReloads() >= 1; }));
    }

    void TearDown() override
    {
        page.reset();
        vqtest::spin(50);
        VQToolManager::setErrorPresenter({});
        KVDSqliteOperation::resetForTests();
        asrtest::AsrServiceTest::TearDown();
    }

    void start(const QString& path)
    {
        page->pathTextField()->setText(path);
        page->startTransferBtn()->performClick();
    }
    // Waits until the run has ended and the list shows its stored end.
    bool waitEnded(int timeoutMs = 20000)
    {
        return vqtest::waitUntil(
            [this] {
                if (page->isRunning())
                    return false;
                for (VQTransferAudioCellView* c : page->cells()) {
                    if (c->status() == VQTransferAudioModel::Running)
                        return false;
                }
                return true;
            },
            timeoutMs);
    }
    VQTransferAudioCellView* cell(const QString& path) const
    {
        for (VQTransferAudioCellView* c : page->cells()) {
            if (c->path() == path)
                return c;
        }
        return nullptr;
    }
    VQTransferAudioCellView* lastCell() const { return page->cells().isEmpty() ? nullptr : page->cells().constLast(); }
    QString folder() const { return documentsFolder() + QStringLiteral("/TransferAudio"); }
    QString wavFile(const QString& name, const QByteArray& data)
    {
        const QString path = work.filePath(name);
        writeFile(path, wavBytes(data));
        return path;
    }
    // A run of a good file that must end done.
    void expectGoodRun(const QString& what)
    {
        server.setMisbehaviour({});
        server.clearScript();
        start(wavFile(QStringLiteral("good.wav"), tone(2000)));
        ASSERT_TRUE(vqtest::waitUntil([this] { return page->isRunning() && lastCell(); })) << what.toStdString();
        ASSERT_TRUE(waitEnded()) << what.toStdString();
        ASSERT_TRUE(lastCell()) << what.toStdString();
        EXPECT_EQ(lastCell()->status(), VQTransferAudioModel::Done) << what.toStdString();
    }
    void render(const QString& name)
    {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
        page->resize(560, 420);
        EXPECT_TRUE(page->grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/%1.png").arg(name)));
    }

    QTemporaryDir work;
    std::unique_ptr<VQTransferAudioView> page;
    QStringList alerts;
    QStringList alertDetails;
};

// A 16 kHz mono WAV goes to the server byte for byte as its data chunk, 1280 bytes a frame, then
// the closing frame; the ring follows the frames to 1.0; the row goes from running to done; the
// result file holds the heading and the text, named after the first free name; a fresh page
// lists the row; "另存为" names the next result.
TEST_F(TranscriptionPageTest, WavRunSendsItsSamplesAndStoresTheResult)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    ASSERT_TRUE(writeFile(folder() + QStringLiteral("/talk.txt"), "old"));
    ASSERT_TRUE(writeFile(folder() + QStringLiteral("/talk_1.txt"), "old"));
    const QByteArray samples = tone(3000);
    SpeechMisbehaviour quiet;
    quiet.neverAnswer = true;
    server.setMisbehaviour(quiet);

    start(wavFile(QStringLiteral("talk.wav"), samples));
    const QString result = folder() + QStringLiteral("/talk_2.txt");
    ASSERT_TRUE(vqtest::waitUntil([&] { return server.connectionCount() == 1 && server.connection(0).endReceived; }, 10000));
    ASSERT_TRUE(vqtest::waitUntil([&] { return cell(result) && cell(result)->progress() >= 1.0; }));
    EXPECT_EQ(cell(result)->status(), VQTransferAudioModel::Running);
    EXPECT_FALSE(cell(result)->openBtn()->isVisibleTo(cell(result)));

    ASSERT_TRUE(server.send(0, vqtest::SpeechAnswer::last(QStringLiteral("你好,世界"))));
    ASSERT_TRUE(waitEnded());
    ASSERT_TRUE(cell(result));
    EXPECT_EQ(cell(result)->status(), VQTransferAudioModel::Done);
    EXPECT_TRUE(cell(result)->openBtn()->isVisibleTo(cell(result)));
    EXPECT_EQ(readText(result), QStringLiteral("识别结果\n你好,世界"));
    EXPECT_EQ(readText(folder() + QStringLiteral("/talk_1.txt")), QStringLiteral("old"));
    EXPECT_TRUE(page->pathTextField()->text().isEmpty());

    EXPECT_EQ(server.decodedAudio(0), samples);
    QList<qsizetype> sizes;
    for (const QJsonObject& f : server.connection(0).frames)
        sizes.append(QByteArray::fromBase64(f.value(QStringLiteral("content")).toString().toLatin1()).size());
    EXPECT_EQ(sizes, (QList<qsizetype>{1280, 1280, 440, 0}));
    ASSERT_EQ(progresses.size(), 4);
    const double expected[] = {1.0 / 3, 2.0 / 3, 1.0, 1.0};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(progresses.at(i), expected[i], 1e-9);
    EXPECT_EQ(server.violations(), QStringList());

    VQTransferAudioView fresh;
    ASSERT_TRUE(vqtest::waitUntil([&] { return fresh.listReloads() >= 1; }));
    ASSERT_EQ(fresh.cells().size(), 1);
    EXPECT_EQ(fresh.cells().at(0)->path(), result);
    EXPECT_EQ(fresh.cells().at(0)->status(), VQTransferAudioModel::Done);

    FakeFileChooser chooser;
    chooser.answer = work.filePath(QStringLiteral("meeting notes.wav"));
    server.setMisbehaviour({});
    page->pathTextField()->setText(wavFile(QStringLiteral("talk.wav"), samples));
    page->saveAsBtn()->performClick();
    EXPECT_EQ(chooser.proposedNames, QStringList{QStringLiteral("talk.wav")});
    page->startTransferBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([this] { return page->isRunning(); }));
    ASSERT_TRUE(waitEnded());
    EXPECT_TRUE(readText(folder() + QStringLiteral("/meeting notes.txt")).startsWith(QStringLiteral("识别结果\n")));
    EXPECT_EQ(page->cells().size(), 2);
}

// A 44.1 kHz stereo WAV and an MP3 arrive as 16 kHz mono PCM lasting what the file lasts.
TEST_F(TranscriptionPageTest, OtherFormatsArriveDecodedAt16kMono)
{
    struct Row {
        QString name;
        QStringList soxOptions;
    };
    const Row rows[] = {
        {QStringLiteral("stereo.wav"), {QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"), QStringLiteral("2")}},
        {QStringLiteral("speech.mp3"), {QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"), QStringLiteral("2")}},
    };
    int connection = 0;
    for (const Row& row : rows) {
        const QString path = work.filePath(row.name);
        ASSERT_TRUE(spokenFile(QStringLiteral("one two three four five"), path, row.soxOptions, work.path()))
            << row.name.toStdString();
        const double seconds = soxDuration(path);
        ASSERT_GT(seconds, 0.5) << row.name.toStdString();
        start(path);
        ASSERT_TRUE(vqtest::waitUntil([this] { return page->isRunning() && lastCell(); })) << row.name.toStdString();
        ASSERT_TRUE(waitEnded(60000)) << row.name.toStdString();
        EXPECT_EQ(lastCell()->status(), VQTransferAudioModel::Done) << row.name.toStdString();
        const double received = server.decodedAudio(connection).size() / 32000.0;
        EXPECT_NEAR(received, seconds, 0.060) << row.name.toStdString();
        EXPECT_EQ(server.decodedAudio(connection).size() % 2, 0);
        ++connection;
    }
    EXPECT_EQ(server.violations(), QStringList());
}

// Every way a run can break ends its row as failed with the result file written, and the page
// takes the next run.
TEST_F(TranscriptionPageTest, EveryFailureEndsTheRowAndTheNextRunSucceeds)
{
    VQWebApiAsrService::setTransferSilenceForTests(400);
    struct Row {
        const char* what;
        std::function<void()> arrange; // before the start
        std::function<void()> act;     // once the closing frame reached the server
        bool undecodable = false;
    };
    SpeechMisbehaviour refuse;
    refuse.refuse = true;
    SpeechMisbehaviour closeWithoutLast;
    closeWithoutLast.closeWithoutLast = true;
    SpeechMisbehaviour silent;
    silent.neverAnswer = true;
    const Row rows[] = {
        {"connection refused", [&] { server.setMisbehaviour(refuse); }, nullptr},
        {"closed without LAST", [&] { server.setMisbehaviour(closeWithoutLast); }, nullptr},
        {"silent after the closing frame", [&] { server.setMisbehaviour(silent); }, nullptr},
        {"a voice key takes over",
         [&] { server.setMisbehaviour(silent); },
         [&] { service().beginAsrIsTransferAudio(false, nullptr); }},
        {"undecodable file", nullptr, nullptr, true},
    };
    for (const Row& row : rows) {
        if (row.arrange)
            row.arrange();
        QString path;
        if (row.undecodable) {
            path = work.filePath(QStringLiteral("broken.mp3"));
            ASSERT_TRUE(writeFile(path, QByteArray(4000, '\x5a')));
        } else {
            path = wavFile(QStringLiteral("bad.wav"), tone(2000));
        }
        const int connections = server.connectionCount();
        start(path);
        if (row.act) {
            ASSERT_TRUE(vqtest::waitUntil([&] {
                return server.connectionCount() > connections && server.connection(connections).endReceived;
            }, 10000)) << row.what;
            row.act();
        }
        ASSERT_TRUE(waitEnded()) << row.what;
        ASSERT_TRUE(lastCell()) << row.what;
        EXPECT_EQ(lastCell()->status(), VQTransferAudioModel::Failed) << row.what;
        EXPECT_TRUE(readText(lastCell()->path()).startsWith(QStringLiteral("识别结果\n"))) << row.what;
        service().cancelAsr();
        expectGoodRun(QString::fromLatin1(row.what));
    }
}

// The start control refuses an empty field and a second run with an alert and changes nothing;
// a path naming no file gives the path alert and no row; a live utterance leaves the page as it
// was; a row whose result file is gone leaves the list, unless it is running.
TEST_F(TranscriptionPageTest, AlertsAndWhatThePageIgnores)
{
    start(QString());
    EXPECT_EQ(alerts, QStringList{localizedText(VQTransferAudioView::kPathPlaceholderText)});
    EXPECT_EQ(alertDetails, QStringList{QString()});
    start(work.filePath(QStringLiteral("nothing-here.wav")));
    ASSERT_TRUE(vqtest::waitUntil([this] { return alerts.size() == 2; }));
    EXPECT_EQ(alerts.at(1), localizedText(VQTransferAudioView::kPathPlaceholderText));
    EXPECT_FALSE(page->isRunning());
    vqtest::spin(100);
    EXPECT_TRUE(page->cells().isEmpty());

    SpeechMisbehaviour silent;
    silent.neverAnswer = true;
    server.setMisbehaviour(silent);
    const QString first = wavFile(QStringLiteral("first.wav"), tone(2000));
    start(first);
    ASSERT_TRUE(vqtest::waitUntil([this] { return lastCell() && server.connectionCount() == 1; }));
    const QString running = lastCell()->path();
    page->startTransferBtn()->performClick();
    EXPECT_EQ(alerts.constLast(), localizedText(VQTransferAudioView::kRunningText));
    EXPECT_EQ(page->pathTextField()->text(), first);
    EXPECT_EQ(page->cells().size(), 1);
    EXPECT_EQ(server.connectionCount(), 1);
    // The running row stays without its file.
    EXPECT_FALSE(QFile::exists(running));
    page->getTransferList();
    const int reloads = page->listReloads();
    ASSERT_TRUE(vqtest::waitUntil([&] { return page->listReloads() > reloads; }));
    ASSERT_TRUE(cell(running));
    ASSERT_TRUE(server.send(0, vqtest::SpeechAnswer::last(QStringLiteral("完"))));
    ASSERT_TRUE(waitEnded());

    // A live utterance ends: the page stays as it was.
    server.setMisbehaviour({});
    page->pathTextField()->setText(first);
    service().beginAsrIsTransferAudio(false, nullptr);
    ASSERT_TRUE(vqtest::waitUntil([this] { return server.connectionCount() == 2 && service().isSocketOpen(); }));
    server.send(1, vqtest::SpeechAnswer::last(QStringLiteral("live")));
    ASSERT_TRUE(vqtest::waitUntil([this] { return !service().isSocketOpen(); }));
    vqtest::spin(100);
    EXPECT_EQ(page->pathTextField()->text(), first);
    EXPECT_FALSE(page->isRunning());
    ASSERT_EQ(page->cells().size(), 1);
    EXPECT_EQ(readText(running), QStringLiteral("识别结果\n完"));

    // Its file deleted, the row leaves the list.
    ASSERT_TRUE(QFile::remove(running));
    page->getTransferList();
    const int after = page->listReloads();
    ASSERT_TRUE(vqtest::waitUntil([&] { return page->listReloads() > after; }));
    EXPECT_TRUE(page->cells().isEmpty());
}

// Two runs within one second get distinct keys: the second run's progress and end reach only
// its own row. The laser pen's microphone mode, set meanwhile, is for live utterances only: the
// second file still reaches the server and the microphone never opens.
TEST_F(TranscriptionPageTest, RunsInOneSecondKeepTheirOwnRows)
{
    start(wavFile(QStringLiteral("a.wav"), tone(100)));
    ASSERT_TRUE(waitEnded());
    info().setIsLaser(true);
    info().setIsVoice(true);
    info().setLaserPenVoiceFunctionIndex(0);
    VQWebApiAsrService::setPressTypeProvider([] { return 33; });
    start(wavFile(QStringLiteral("b.wav"), tone(100)));
    ASSERT_TRUE(vqtest::waitUntil([this] { return page->isRunning(); }));
    ASSERT_TRUE(waitEnded());
    EXPECT_EQ(server.decodedAudio(1), tone(100));
    EXPECT_EQ(mic.starts, 0);
    ASSERT_EQ(page->cells().size(), 2);
    EXPECT_NE(page->cells().at(0)->idStr(), page->cells().at(1)->idStr());
    for (VQTransferAudioCellView* c : page->cells())
        EXPECT_EQ(c->status(), VQTransferAudioModel::Done) << c->path().toStdString();
    EXPECT_TRUE(readText(folder() + QStringLiteral("/a.txt")).startsWith(QStringLiteral("识别结果\n")));
    EXPECT_TRUE(readText(folder() + QStringLiteral("/b.txt")).startsWith(QStringLiteral("识别结果\n")));
}

// The page empty, with a row running at 40 %, a done row and a failed row.
TEST_F(TranscriptionPageTest, Renders)
{
    render(QStringLiteral("transfer_audio_empty"));
    SpeechMisbehaviour closeWithoutLast;
    closeWithoutLast.closeWithoutLast = true;
    server.setMisbehaviour(closeWithoutLast);
    start(wavFile(QStringLiteral("failed.wav"), tone(200)));
    ASSERT_TRUE(vqtest::waitUntil([this] { return page->isRunning(); }));
    ASSERT_TRUE(waitEnded());
    server.setMisbehaviour({});
    start(wavFile(QStringLiteral("done.wav"), tone(200)));
    ASSERT_TRUE(vqtest::waitUntil([this] { return page->isRunning(); }));
    ASSERT_TRUE(waitEnded());
    SpeechMisbehaviour silent;
    silent.neverAnswer = true;
    server.setMisbehaviour(silent);
    start(wavFile(QStringLiteral("running.wav"), tone(200)));
    ASSERT_TRUE(vqtest::waitUntil([this] { return lastCell() && lastCell()->status() == VQTransferAudioModel::Running; }));
    VQTransferAudioModel running;
    running.idStr = lastCell()->idStr();
    lastCell()->speechManagerRecognitionUpdateTransferProgress(0.4, &running);
    ASSERT_TRUE(vqtest::waitUntil([this] { return lastCell()->progress() >= 0.4; }));
    ASSERT_EQ(page->cells().size(), 3);
    render(QStringLiteral("transfer_audio_rows"));
    service().cancelAsr();
    ASSERT_TRUE(waitEnded());
}
