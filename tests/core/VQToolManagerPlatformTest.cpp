#include "FakeClipboard.h"
#include "FakeDesktopOpener.h"
#include "FakeKeySynthesizer.h"
#include "MacKeyMap.h"
#include "UserDefaults.h"
#include "VQToolManager.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace {

using Event = FakeKeySynthesizer::Event;
constexpr quint64 kUp = MacKeyMap::kFlagNonCoalesced;

class VQToolManagerPlatformTest : public ::testing::Test {
protected:
    void SetUp() override { UserDefaults::resetStandardForTests(); }
    void TearDown() override { UserDefaults::resetStandardForTests(); }

    FakeKeySynthesizer keys;
    FakeClipboard clipboard;
    FakeDesktopOpener opener;
};

TEST_F(VQToolManagerPlatformTest, CopyAndPastePutsTheTextOnTheClipboardThenPostsThePasteChord)
{
    const QString text = QString::fromUtf8("中文 é 🎉 \"quoted\"");
    EXPECT_TRUE(VQToolManager::copyAndPaste(text));
    EXPECT_EQ(clipboard.content, text);
    EXPECT_EQ(keys.events, (QList<Event>{{MacKeyMap::kKeyCodeV, true, MacKeyMap::kFlagCommand},
                                         {MacKeyMap::kKeyCodeV, false, kUp}}));
}

TEST_F(VQToolManagerPlatformTest, NothingIsPastedWithoutTextOnTheClipboard)
{
    clipboard.content = QStringLiteral("the user's copy");
    EXPECT_FALSE(VQToolManager::copyAndPaste(QString()));
    EXPECT_EQ(clipboard.content, QStringLiteral("the user's copy"));
    clipboard.acceptWrites = false;
    EXPECT_FALSE(VQToolManager::copyAndPaste(QStringLiteral("text")));
    EXPECT_TRUE(keys.events.isEmpty()) << "a paste would insert the old clipboard";
}

TEST_F(VQToolManagerPlatformTest, AShortcutRecordPostsItsKeyWithTheModifiersOfItsSymbols)
{
    EXPECT_TRUE(VQToolManager::handleShortcut(
        QString::fromUtf8(R"({"keyCode":8,"modifierFlags":1179648,"modifierFlagsString":"⇧⌘"})")));
    EXPECT_TRUE(VQToolManager::handleShortcut(QString::fromUtf8(R"({"keyCode":123,"modifierFlagsString":"⌃⌥"})")));
    // The symbols decide, not the number; other characters add nothing.
    EXPECT_TRUE(VQToolManager::handleShortcut(QString::fromUtf8(R"({"keyCode":9,"modifierFlags":0,"modifierFlagsString":"x⌘"})")));
    // Key codes are masked to 16 bits.
    EXPECT_TRUE(VQToolManager::handleShortcut(QStringLiteral(R"({"keyCode":65658})")));
    EXPECT_EQ(keys.keyDowns(),
              (QList<Event>{{8, true, MacKeyMap::kFlagShift | MacKeyMap::kFlagCommand},
                            {123, true, MacKeyMap::kFlagControl | MacKeyMap::kFlagOption},
                            {9, true, MacKeyMap::kFlagCommand},
                            {122, true, 0}}));
    EXPECT_EQ(keys.events.size(), 8) << "every key down is followed by its key up";
}

TEST_F(VQToolManagerPlatformTest, ABrokenShortcutRecordPostsNothing)
{
    const char* broken[] = {
        "",
        "  ",
        "keyCode 9",
        R"(["keyCode", 9])",
        R"("{\"keyCode\":9}")",
        R"({"modifierFlagsString":"⌘"})",
        R"({"keyCode":"9","modifierFlagsString":"⌘"})",
        R"({"keyCode":9.5})",
        R"({"keyCode":null})",
        R"({"keyCode":true})",
    };
    for (const char* record : broken)
        EXPECT_FALSE(VQToolManager::handleShortcut(QString::fromUtf8(record))) << record;
    EXPECT_TRUE(keys.events.isEmpty()) << "key code 0 is the A key: nothing may be typed";
}

TEST_F(VQToolManagerPlatformTest, WebAddressesOpenWithAnySchemeCaseBlanksAndNonAscii)
{
    VQToolManager& tools = VQToolManager::sharedInstance();
    EXPECT_TRUE(tools.openBrowserWithCmdString(QStringLiteral("https://example.com/a?b=1")));
    EXPECT_TRUE(tools.openBrowserWithCmdString(QStringLiteral("HTTPS://Example.com/Path")));
    EXPECT_TRUE(tools.openBrowserWithCmdString(QStringLiteral("Http://example.com/")));
    EXPECT_TRUE(tools.openBrowserWithCmdString(QStringLiteral("www.example.com")));
    EXPECT_TRUE(tools.openBrowserWithCmdString(QString::fromUtf8("https://example.com/搜索 结果?q=中文 é")));
    EXPECT_TRUE(tools.openBrowserWithCmdString(QStringLiteral("  example.com/100%  ")));
    EXPECT_TRUE(tools.openBrowserWithCmdString(QStringLiteral("https://example.com/a%20b?q=C%2B%2B%20AT%26T%20%231")));
    ASSERT_EQ(opener.opened.size(), 7);
    EXPECT_EQ(opener.opened[0].toString(), QStringLiteral("https://example.com/a?b=1"));
    EXPECT_EQ(opener.opened[1].toString(), QStringLiteral("https://example.com/Path"));
    EXPECT_EQ(opener.opened[2].toString(), QStringLiteral("http://example.com/"));
    EXPECT_EQ(opener.opened[3].toString(), QStringLiteral("http://www.example.com"));
    EXPECT_EQ(opener.opened[4].toEncoded(),
              QByteArray("https://example.com/%E6%90%9C%E7%B4%A2%20%E7%BB%93%E6%9E%9C?q=%E4%B8%AD%E6%96%87%20%C3%A9"));
    EXPECT_EQ(opener.opened[5].toEncoded(), QByteArray("http://example.com/100%25"));
    // Valid escapes are kept as they are: an encoded "+", "&" or "#" stays part of its value.
    EXPECT_EQ(opener.opened[6].toEncoded(), QByteArray("https://example.com/a%20b?q=C%2B%2B%20AT%26T%20%231"));
}

TEST_F(VQToolManagerPlatformTest, OnlyWebAddressesAreOpened)
{
    VQToolManager& tools = VQToolManager::sharedInstance();
    EXPECT_FALSE(tools.openBrowserWithCmdString(QString()));
    EXPECT_FALSE(tools.openBrowserWithCmdString(QStringLiteral("   ")));
    EXPECT_FALSE(tools.openBrowserWithCmdString(QStringLiteral("https://")));
    EXPECT_FALSE(tools.openBrowserWithCmdString(QStringLiteral("http://exa mple.com/")));
    // Other schemes only ever become an http address, never a file or a program.
    EXPECT_TRUE(tools.openBrowserWithCmdString(QStringLiteral("file:///etc/passwd")));
    EXPECT_FALSE(tools.openBrowserWithCmdString(QStringLiteral("javascript:alert(1)")));
    for (const QUrl& url : opener.opened) {
        EXPECT_TRUE(url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
            << url.toString().toStdString();
    }
    opener.result = false;
    EXPECT_FALSE(tools.openBrowserWithCmdString(QStringLiteral("example.com"))) << "the desktop's refusal is reported";
}

TEST_F(VQToolManagerPlatformTest, AFileOpensOnlyWithTheMarkerStoredUnderItsExactPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QString::fromUtf8("报告 final.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();

    EXPECT_FALSE(VQToolManager::openFileWithPath(file)) << "no marker";
    UserDefaults::standard().setValue(file + QStringLiteral("/"), QByteArray("marker"));
    EXPECT_FALSE(VQToolManager::openFileWithPath(file)) << "a marker of another path";
    EXPECT_TRUE(opener.opened.isEmpty());

    UserDefaults::standard().setValue(file, QByteArray("marker"));
    EXPECT_TRUE(VQToolManager::openFileWithPath(file));
    // The editor stores the chosen item's URL text as the target.
    const QString urlText = QUrl::fromLocalFile(dir.path()).toString(QUrl::FullyEncoded);
    UserDefaults::standard().setValue(urlText, QByteArray("marker"));
    EXPECT_TRUE(VQToolManager::openFileWithPath(urlText));
    // A path typed in the home folder.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.path().toUtf8());
    UserDefaults::standard().setValue(QString::fromUtf8("~/报告 final.txt"), QByteArray("marker"));
    EXPECT_TRUE(VQToolManager::openFileWithPath(QString::fromUtf8("~/报告 final.txt")));
    qputenv("HOME", home);
    ASSERT_EQ(opener.opened.size(), 3);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(file));
    EXPECT_EQ(opener.opened[1].toLocalFile(), dir.path());
    EXPECT_EQ(opener.opened[2], QUrl::fromLocalFile(file));
}

TEST_F(VQToolManagerPlatformTest, AMarkedItemThatIsGoneOrNotAPathIsNotOpened)
{
    const QString gone = QDir::tempPath() + QStringLiteral("/vq-no-such-file-4711.txt");
    UserDefaults::standard().setValue(gone, QByteArray("marker"));
    EXPECT_FALSE(VQToolManager::openFileWithPath(gone));
    UserDefaults::standard().setValue(QStringLiteral("relative/path.txt"), QByteArray("marker"));
    EXPECT_FALSE(VQToolManager::openFileWithPath(QStringLiteral("relative/path.txt")));
    // A marker that was set to nothing (the item could not be bookmarked) is no marker.
    QTemporaryDir dir;
    UserDefaults::standard().setValue(dir.path(), QByteArray());
    EXPECT_FALSE(VQToolManager::openFileWithPath(dir.path()));
    EXPECT_FALSE(VQToolManager::openFileWithPath(QString()));
    EXPECT_TRUE(opener.opened.isEmpty());
}

} // namespace
