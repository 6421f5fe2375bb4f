#include "MMFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

// A file is replaced only by a whole new one, private to its owner; a refused write leaves the
// old file as it was and nothing beside it.
TEST(MMFileTest, ReplacesAFileOnlyByAWholeNewOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    const struct {
        const char* name;
        QByteArray bytes;
        bool folderAtPath, written;
    } rows[] = {{"new bytes", "new", false, true}, {"no bytes over a file that has some", "", false, false},
                {"a folder at the path", "new", true, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QDir(path).removeRecursively();
        QFile::remove(path);
        QFile file(path);
        ASSERT_TRUE(row.folderAtPath ? QDir().mkdir(path) : file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        QString error;
        EXPECT_EQ(mm::writeFileAtomically(path, row.bytes, &error), row.written);
        EXPECT_EQ(error.isEmpty(), row.written) << error.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("settings.json")});
        if (row.folderAtPath)
            continue;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), row.written ? row.bytes : QByteArray("old"));
        struct stat st {};
        EXPECT_TRUE(!row.written || (::stat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & 0777) == 0600));
    }
}
