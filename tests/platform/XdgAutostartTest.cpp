#include "XdgAutostart.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

class XdgAutostartTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        QFile::remove(autostart.entryPath());
        QDir(QFileInfo(autostart.entryPath()).absolutePath()).removeRecursively();
    }

    XdgAutostart autostart{QStringLiteral("corvane-test"), QStringLiteral("Corvane Test"),
                           {QStringLiteral("/opt/My App/bin/companion"), QStringLiteral("--minimized")}};
};

TEST_F(XdgAutostartTest, EnablingWritesADesktopEntryInTheUsersAutostartFolder)
{
    const QString expectedPath = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/corvane-test.desktop");
    EXPECT_EQ(autostart.entryPath(), expectedPath);
    EXPECT_FALSE(autostart.isEnabled());

    ASSERT_TRUE(autostart.setEnabled(true));
    EXPECT_TRUE(autostart.isEnabled());
    const QString entry = readFile(expectedPath);
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nName=Corvane Test\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=corvane-test\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"/opt/My App/bin/companion\" --minimized\n")));

    ASSERT_TRUE(autostart.setEnabled(false));
    EXPECT_FALSE(QFileInfo::exists(expectedPath));
    EXPECT_FALSE(autostart.isEnabled());
    EXPECT_TRUE(autostart.setEnabled(false)) << "already off";
}

TEST_F(XdgAutostartTest, ExecQuotesEveryReservedCharacter)
{
    EXPECT_EQ(XdgAutostart::execValue({QStringLiteral("/usr/bin/companion")}), QStringLiteral("/usr/bin/companion"));
    EXPECT_EQ(XdgAutostart::execValue({QStringLiteral("/home/me/100% apps/run"), QStringLiteral("--level=50%")}),
              QStringLiteral("\"/home/me/100%% apps/run\" --level=50%%"));
    // Inside quotes " ` $ \ get a backslash, and the whole value escapes its backslashes again.
    EXPECT_EQ(XdgAutostart::execValue({QStringLiteral("/tmp/a\"b`c$d\\e")}),
              QStringLiteral("\"/tmp/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e\""));
    EXPECT_EQ(XdgAutostart::execValue({QStringLiteral("/opt/中文/程序")}), QStringLiteral("/opt/中文/程序"));
    EXPECT_EQ(XdgAutostart::execValue({QStringLiteral("/bin/x"), QString()}), QStringLiteral("/bin/x \"\""));
}

TEST_F(XdgAutostartTest, AnEntryTheDesktopTurnedOffCountsAsOff)
{
    ASSERT_TRUE(autostart.setEnabled(true));
    writeFile(autostart.entryPath(), autostart.entryText() + QStringLiteral("Hidden=true\n"));
    EXPECT_FALSE(autostart.isEnabled());
    writeFile(autostart.entryPath(),
              autostart.entryText().replace(QStringLiteral("X-GNOME-Autostart-enabled=true"),
                                            QStringLiteral("X-GNOME-Autostart-enabled=false")));
    EXPECT_FALSE(autostart.isEnabled());
    // Turning it on again writes a fresh entry.
    ASSERT_TRUE(autostart.setEnabled(true));
    EXPECT_TRUE(autostart.isEnabled());
}

TEST_F(XdgAutostartTest, AnUnwritableFolderIsReported)
{
    const QString folder = QFileInfo(autostart.entryPath()).absolutePath();
    QDir().mkpath(QFileInfo(folder).absolutePath());
    writeFile(folder, QStringLiteral("a file where the folder should be"));
    EXPECT_FALSE(autostart.setEnabled(true));
    EXPECT_FALSE(autostart.isEnabled());
    QFile::remove(folder);
}

} // namespace
