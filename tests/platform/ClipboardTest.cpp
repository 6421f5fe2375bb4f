#include "Clipboard.h"
#include "FakeClipboard.h"
#include "QtClipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

namespace {

TEST(ClipboardTest, TextOfAnyScriptReachesTheSystemClipboardIntact)
{
    QtClipboard clipboard;
    Clipboard::setInstance(&clipboard);
    const QString text = QString::fromUtf8("中文 é 🎉 \"quoted\"\n第二行\t'x' & <y>");
    EXPECT_TRUE(mm::mm_generalPasteboardSetString(text));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_EQ(clipboard.text(), text);
    Clipboard::setInstance(nullptr);
}

TEST(ClipboardTest, AnEmptyTextLeavesTheUsersClipboardAlone)
{
    QtClipboard clipboard;
    Clipboard::setInstance(&clipboard);
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's own copy"));
    EXPECT_FALSE(mm::mm_generalPasteboardSetString(QString()));
    EXPECT_FALSE(mm::mm_generalPasteboardSetString(QStringLiteral("")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("the user's own copy"));
    Clipboard::setInstance(nullptr);
}

TEST(ClipboardTest, AFailedWriteIsReported)
{
    FakeClipboard clipboard;
    clipboard.content = QStringLiteral("before");
    clipboard.acceptWrites = false;
    EXPECT_FALSE(mm::mm_generalPasteboardSetString(QStringLiteral("after")));
    EXPECT_EQ(clipboard.text(), QStringLiteral("before"));
}

TEST(ClipboardTest, NoSelectionWhereThePlatformHasNone)
{
    // The offscreen platform has no primary selection; reading it must give "" without waiting.
    QtClipboard clipboard;
    if (QGuiApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "this platform has a selection; the X11 tests cover it";
    EXPECT_EQ(clipboard.selectionText(), QString());
}

} // namespace
