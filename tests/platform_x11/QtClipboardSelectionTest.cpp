#include "QtClipboard.h"
#include "TestSupport.h"
#include "X11TestClient.h"

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
