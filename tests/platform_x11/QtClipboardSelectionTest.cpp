#include "QtClipboard.h"
#include "TestSupport.h"
#include "X11TestClient.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(QtClipboardSelectionTest, TheSelectionOfAnotherProgramIsReadBack)
{
    X11TestClient other;
    ASSERT_TRUE(other.isConnected()) << "no X display";
    const QString selected = QString::fromUtf8("选中的文字 é 🎉 \"selected\"");
    ASSERT_TRUE(other.ownSelection(selected.toUtf8()));
    vqtest::spin(50);

    QtClipboard clipboard;
    EXPECT_EQ(clipboard.selectionText(), selected);

    other.releaseSelection();
    vqtest::spin(100);
    EXPECT_EQ(clipboard.selectionText(), QString()) << "nothing is selected once the owner is gone";
}

} // namespace

namespace {

TEST(QtClipboardSelectionTest, ChangesOfTheSelectionAreReportedWithItsOwner)
{
    X11TestClient other;
    ASSERT_TRUE(other.isConnected()) << "no X display";
    QtClipboard clipboard;
    int changes = 0;
    const int id = clipboard.addSelectionChangedHandler([&] { ++changes; });

    ASSERT_TRUE(other.ownSelection(QByteArrayLiteral("theirs")));
    EXPECT_TRUE(vqtest::waitUntil([&] { return changes >= 1; }, 3000)) << "another program took the selection";
    EXPECT_FALSE(clipboard.ownsSelection());

    const int before = changes;
    QGuiApplication::clipboard()->setText(QStringLiteral("ours"), QClipboard::Selection);
    EXPECT_TRUE(vqtest::waitUntil([&] { return changes > before; }, 3000));
    EXPECT_TRUE(clipboard.ownsSelection());

    clipboard.removeSelectionChangedHandler(id);
    const int removedAt = changes;
    ASSERT_TRUE(other.ownSelection(QByteArrayLiteral("theirs again")));
    vqtest::spin(200);
    EXPECT_EQ(changes, removedAt) << "a removed handler is not called";
}

} // namespace
