#include "MMLog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// "[time ● file ● line ● function] glyph ● message"
const QRegularExpression kLine(QStringLiteral(
    R"(^\[(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}) ● ([^ ]+) ● (\d+) ● ([^\]]+)\] (\S+) ● (.*)$)"));

QStringList logLines(const QString& dir)
{
    mm::flushLogs();
    QStringList lines;
    const QDir folder(dir);
    // Oldest rolled-over file first: MMLog.<n>.log ... MMLog.1.log, then MMLog.log.
    QStringList files = folder.entryList({QStringLiteral("*.log")}, QDir::Files);
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const auto index = [](const QString& name) {
            const QStringList parts = name.split(u'.');
            return parts.size() == 3 ? parts.at(1).toInt() : 0;
        };
        return index(a) > index(b);
    });
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
            lines << line;
    }
    return lines;
}

TEST(MMLogTest, FileLinesCarryPlaceLevelGlyphAndMessage)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString dir = tmp.path() + QStringLiteral("/Caches/MMLogs");
    ASSERT_TRUE(mm::setupLogging(dir)); // creates the folder

    const int errorLine = __LINE__ + 1;
    VQLogError(QStringLiteral("error %1").arg(1));
    VQLogWarn(QStringLiteral("warning"));
    VQLogInfo(QStringLiteral("信息 ● with {braces} and %s"));
    VQLogDebug(QStringLiteral("debug"));
    VQLogVerbose(QStringLiteral("verbose"));

    const QStringList lines = logLines(dir);
    ASSERT_EQ(lines.size(), 5) << lines.join(u'\n').toStdString();
    const QStringList glyphs{QStringLiteral("❌"), QStringLiteral("W"), QStringLiteral("I"),
                             QStringLiteral("D"), QStringLiteral("V")};
    const QStringList messages{QStringLiteral("error 1"), QStringLiteral("warning"),
                               QStringLiteral("信息 ● with {braces} and %s"), QStringLiteral("debug"),
                               QStringLiteral("verbose")};
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = kLine.match(lines.at(i));
        ASSERT_TRUE(match.hasMatch()) << lines.at(i).toStdString();
        EXPECT_EQ(match.captured(2), QStringLiteral("MMLogTest.cpp"));
        EXPECT_EQ(match.captured(3).toInt(), errorLine + i);
        EXPECT_EQ(match.captured(4), QStringLiteral("TestBody"));
        EXPECT_EQ(match.captured(5), glyphs.at(i));
        EXPECT_EQ(match.captured(6), messages.at(i));
    }
}

TEST(MMLogTest, FilesRollOverWithinTheirShareOfTheQuota)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ASSERT_TRUE(mm::setupLogging(tmp.path()));

    const QString filler(200, u'x');
    constexpr int count = 1500; // about 360 KiB
    for (int i = 0; i < count; ++i)
        VQLogInfo(QStringLiteral("%1 %2").arg(i, 5, 10, QLatin1Char('0')).arg(filler));
    mm::flushLogs();

    const QFileInfoList files = QDir(tmp.path()).entryInfoList({QStringLiteral("*.log")}, QDir::Files);
    EXPECT_GE(files.size(), 4);
    for (const QFileInfo& file : files)
        EXPECT_LE(file.size(), 20 * 1024 * 1024 / 200) << file.fileName().toStdString();

    // Nothing lost or cut across the files, in order.
    const QStringList lines = logLines(tmp.path());
    ASSERT_EQ(lines.size(), count);
    for (int i = 0; i < count; ++i) {
        const QRegularExpressionMatch match = kLine.match(lines.at(i));
        ASSERT_TRUE(match.hasMatch()) << lines.at(i).toStdString();
        ASSERT_EQ(match.captured(6).left(5).toInt(), i);
    }
}

TEST(MMLogTest, LinesFromManyThreadsStayWhole)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ASSERT_TRUE(mm::setupLogging(tmp.path()));

    constexpr int threads = 4;
    constexpr int perThread = 100;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < perThread; ++i)
                VQLogDebug(QStringLiteral("thread %1 line %2").arg(t).arg(i));
        });
    }
    for (auto& worker : workers)
        worker.join();

    const QStringList lines = logLines(tmp.path());
    ASSERT_EQ(lines.size(), threads * perThread);
    QSet<QString> seen;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = kLine.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        seen.insert(match.captured(6));
    }
    EXPECT_EQ(seen.size(), threads * perThread);
}

TEST(MMLogTest, AnUnusableFolderKeepsLoggingOnTheConsole)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString fileInTheWay = tmp.filePath(QStringLiteral("occupied"));
    QFile blocker(fileInTheWay);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_FALSE(mm::setupLogging(fileInTheWay + QStringLiteral("/MMLogs")));
    EXPECT_FALSE(mm::setupLogging(QString()));
    VQLogError(QStringLiteral("still alive"));
    mm::flushLogs();
    EXPECT_FALSE(QFileInfo::exists(fileInTheWay + QStringLiteral("/MMLogs")));
}

// Bytes of a broken answer reach the log as one bounded line that shows what they were.
TEST(MMLogTest, BinaryAndHugeMessagesBecomeOneBoundedEscapedLine)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ASSERT_TRUE(mm::setupLogging(tmp.path()));
    const char raw[] = "\x00\x01PK\x03\x04\xff\xfe\r\nforged line\x1b[31m";
    const QByteArray binary(raw, sizeof raw - 1);
    VQLogWarn(QStringLiteral("answer: %1").arg(QString::fromUtf8(binary)));
    VQLogWarn(QStringLiteral("big %1").arg(QString(100000, u'x')));
    VQLogWarn(QStringLiteral("right\u202Etxt.exe and عربي\u200Cفارسی"));
    const QStringList lines = logLines(tmp.path());
    ASSERT_EQ(lines.size(), 3) << "a message must stay on one line";
    EXPECT_EQ(kLine.match(lines.at(0)).captured(6), QStringLiteral("answer: \\x{0}\\x{1}PK\\x{3}\\x{4}\\x{fffd}\\x{fffd}\\r\\nforged line\\x{1b}[31m"));
    const QString second = kLine.match(lines.at(1)).captured(6);
    EXPECT_LT(second.size(), 2100);
    EXPECT_TRUE(second.endsWith(QStringLiteral("(%1 more characters)").arg(100004 - 2000))) << second.right(40).toStdString();
    EXPECT_EQ(kLine.match(lines.at(2)).captured(6), QStringLiteral("right\\x{202e}txt.exe and عربي\u200Cفارسی"));
}

} // namespace
