#include "VQToolManager.h"

#include "LogCapture.h"
#include "MMLog.h"
#include "TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <thread>

#include <sys/stat.h>

namespace {

using vqtest::LogCapture;

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

TEST(VQToolManagerTest, GetFilePathIsInDocumentsOrEmptyAndLoggedWhenThatCannotBeMade)
{
    QDir(documents()).removeRecursively();
    EXPECT_EQ(VQToolManager::getFilePath(QStringLiteral("/VQSqliteDataBase.sqlite")), documents() + QStringLiteral("/VQSqliteDataBase.sqlite"));
    EXPECT_EQ(VQToolManager::getFilePath(QStringLiteral("Log")), documents() + QStringLiteral("/Log"));
    EXPECT_TRUE(QFileInfo(documents()).isDir());

    QTemporaryDir dir;
    const QString homeFile = dir.filePath(QStringLiteral("home-is-a-file"));
    ASSERT_TRUE(writeFile(homeFile, "x"));
    LogCapture log;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(homeFile));
    const QString path = VQToolManager::getFilePath(QStringLiteral("/VQSqliteDataBase.sqlite"));
    VQToolManager::writeLog(QStringLiteral("goes nowhere"));
    qputenv("HOME", savedHome);
    EXPECT_TRUE(path.isEmpty());
    EXPECT_TRUE(log.text().contains(QStringLiteral("home-is-a-file/Documents cannot be created"))) << log.text().toStdString();
    EXPECT_EQ(readAll(homeFile), "x");
}

TEST(VQToolManagerTest, EachDailyLogFileHasOneHeaderAndWholeLinesFromManyThreads)
{
    const QDate day = QDate::currentDate();
    const QString path = documents() + QStringLiteral("/Log/") + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("_log.txt");
    QFile::remove(path);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 50; ++i)
                VQToolManager::writeLog(QStringLiteral("writer %1 line %2 'quoted' %3").arg(t).arg(i).arg(QString(40, QLatin1Char('x'))));
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    if (QDate::currentDate() != day)
        GTEST_SKIP() << "the date changed during the test";

    QStringList lines = QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3 + 200);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Host: ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("MAC: ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("System: ")));
    const QRegularExpression stamped(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} writer \\d line \\d+ 'quoted' x{40}$"));
    EXPECT_EQ(lines.filter(stamped).size(), 200);

    // A file that is gone is started afresh, header first.
    ASSERT_TRUE(QFile::remove(path));
    VQToolManager::writeLog(QStringLiteral("third"));
    lines = QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Host: ")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(" third")));
}

// The program's log and the daily log are their owner's alone: folders 0700, files 0600; lines
// given to the log worker land after the ones written before them, every one of them once the
// logs are flushed (at quit, and before the end after the loss of the X server).
TEST(VQToolManagerTest, LogFilesAreTheOwnersAlone)
{
    LogCapture log;
    VQToolManager::writeLog(QStringLiteral("first"));
    for (int i = 0; i < 500; ++i)
        VQToolManager::writeLogLater(QStringLiteral("later"));
    mm::flushLogs();
    const QString daily = documents() + "/Log/" + QDate::currentDate().toString("yyyy-MM-dd") + "_log.txt";
    EXPECT_TRUE(readAll(daily).contains(" first\n") && readAll(daily).endsWith(" later\n"));
    EXPECT_EQ(readAll(daily).count(" later\n"), 500);
    for (const auto& [path, mode] : {std::pair{mm::defaultLogDirectory(), 0700u}, {mm::defaultLogDirectory() + "/MMLog.log", 0600u},
                                     {documents() + "/Log", 0700u}, {daily, 0600u}}) {
        struct stat st {};
        EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0, mode) << path.toStdString();
    }
}

class VQToolManagerWavTest : public ::testing::TestWithParam<int> {};

TEST_P(VQToolManagerWavTest, WrapsPcmInACorrectHeaderAtTheGivenRate)
{
    const quint32 rate = quint32(GetParam());
    QTemporaryDir dir;
    // More samples than one read chunk holds, then a stray odd byte.
    QByteArray pcm(2 * 200003 + 1, Qt::Uninitialized);
    for (qsizetype i = 0; i < pcm.size(); ++i)
        pcm[i] = char(i * 37 % 251);
    const QString pcmPath = dir.filePath(QStringLiteral("voice.pcm"));
    const QString wavPath = dir.filePath(QStringLiteral("voice.wav"));
    ASSERT_TRUE(writeFile(pcmPath, pcm));
    ASSERT_TRUE(writeFile(wavPath, QByteArray(2 * pcm.size(), 'z'))); // an older, longer file

    ASSERT_TRUE(VQToolManager::pcmConvertToWav(pcmPath, wavPath, int(rate)));
    const QByteArray wav = readAll(wavPath);
    const quint32 dataSize = quint32(pcm.size() - 1);
    ASSERT_EQ(wav.size(), 44 + qsizetype(dataSize));
    const char* h = wav.constData();
    EXPECT_EQ(wav.mid(0, 4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(h + 4), 36 + dataSize);
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(h + 16), 16u);           // fmt chunk size
    EXPECT_EQ(qFromLittleEndian<quint16>(h + 20), 1u);            // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(h + 22), 1u);            // mono
    EXPECT_EQ(qFromLittleEndian<quint32>(h + 24), rate);
    EXPECT_EQ(qFromLittleEndian<quint32>(h + 28), rate * 2);      // bytes per second
    EXPECT_EQ(qFromLittleEndian<quint16>(h + 32), 2u);            // block align
    EXPECT_EQ(qFromLittleEndian<quint16>(h + 34), 16u);           // bits per sample
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(h + 40), dataSize);
    EXPECT_TRUE(wav.mid(44) == pcm.left(dataSize));
}

INSTANTIATE_TEST_SUITE_P(BluetoothAndMicrophone, VQToolManagerWavTest, ::testing::Values(8000, 16000));

TEST(VQToolManagerTest, FailedPcmConversionLeavesTheTargetAlone)
{
    QTemporaryDir dir;
    const QString wavPath = dir.filePath(QStringLiteral("keep.wav"));
    const QString pcmPath = dir.filePath(QStringLiteral("voice.pcm"));
    ASSERT_TRUE(writeFile(wavPath, "old"));
    ASSERT_TRUE(writeFile(pcmPath, QByteArray(100, '\0')));
    EXPECT_FALSE(VQToolManager::pcmConvertToWav(dir.filePath(QStringLiteral("missing.pcm")), wavPath, 16000));
    EXPECT_FALSE(VQToolManager::pcmConvertToWav(pcmPath, wavPath, 0));
    EXPECT_FALSE(VQToolManager::pcmConvertToWav(pcmPath, dir.filePath(QStringLiteral("no/folder.wav")), 8000));
    EXPECT_EQ(readAll(wavPath), "old");
}

TEST(VQToolManagerTest, FileHandlesAppendOrStartEmptyAndDeleteRemovesFilesOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("audio.pcm"));
    ASSERT_TRUE(writeFile(path, "abc"));
    auto append = VQToolManager::createFileHandleWithPath(path, true);
    ASSERT_NE(append, nullptr);
    EXPECT_EQ(append->pos(), 3);
    append->write("de");
    append.reset();
    EXPECT_EQ(readAll(path), "abcde");
    auto fresh = VQToolManager::createFileHandleWithPath(path, false);
    ASSERT_NE(fresh, nullptr);
    fresh->write("1");
    fresh.reset();
    EXPECT_EQ(readAll(path), "1");

    LogCapture log;
    EXPECT_EQ(VQToolManager::createFileHandleWithPath(dir.filePath(QStringLiteral("missing/x.pcm")), false), nullptr);
    EXPECT_TRUE(log.text().contains(QStringLiteral("missing/x.pcm"))) << log.text().toStdString();

    EXPECT_TRUE(VQToolManager::deleteFileWithPath(path));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(VQToolManager::deleteFileWithPath(path));
    EXPECT_FALSE(VQToolManager::deleteFileWithPath(dir.path()));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(VQToolManagerTest, IsHaveTextIgnoresBlanksAndLineBreaks)
{
    for (const QString& blank : { QString(), QStringLiteral("   "), QStringLiteral("\n \n"), QStringLiteral("\t\r\n "), QString(QChar(0x3000)) })
        EXPECT_FALSE(VQToolManager::isHaveText(blank)) << blank.toStdString();
    for (const QString& text : { QStringLiteral("  a  "), QStringLiteral("\n你好\n"), QStringLiteral("a b"), QStringLiteral(".") })
        EXPECT_TRUE(VQToolManager::isHaveText(text)) << text.toStdString();
}

TEST(VQToolManagerTest, ErrorsGoToThePresenterOnTheMainThreadOrElseToTheLog)
{
    std::vector<std::pair<QString, bool>> shown; // message + detail, shown on the main thread
    VQToolManager::setErrorPresenter([&shown](const QString& message, const QString& detail) {
        shown.emplace_back(message + QLatin1Char('|') + detail, QThread::currentThread() == qApp->thread());
    });
    VQToolManager::sharedInstance().showErrorMsg(QStringLiteral("Cannot save"), QStringLiteral("disk full"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], std::make_pair(QStringLiteral("Cannot save|disk full"), true));

    std::thread([] { VQToolManager::sharedInstance().showErrorMsg(QStringLiteral("From worker"), QString()); }).join();
    EXPECT_TRUE(vqtest::waitUntil([&shown] { return shown.size() == 2; }));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], std::make_pair(QStringLiteral("From worker|"), true));

    VQToolManager::setErrorPresenter({});
    LogCapture log;
    VQToolManager::sharedInstance().showErrorMsg(QStringLiteral("Nobody shows this"), QStringLiteral("so it is logged"));
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_TRUE(log.text().contains(QStringLiteral("Nobody shows this: so it is logged"))) << log.text().toStdString();
}

} // namespace
