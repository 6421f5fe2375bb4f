#include "MMImage.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"

#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class VQTipWindowX11Test : public ::testing::Test {
protected:
    void SetUp() override { VQPopupWindowTool::resetForTests(); }
    void TearDown() override { VQPopupWindowTool::resetForTests(); }

    // A focused window with a text field, as the user's application would be.
    void focusEditor()
    {
        editor.setWindowTitle(QStringLiteral("focused test window"));
        editor.resize(300, 40);
        editor.move(100, 100);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        editor.activateWindow();
        editor.setFocus();
        ASSERT_TRUE(vqtest::waitUntil([this] { return QApplication::focusWidget() == &editor && editor.isActiveWindow(); }, 3000));
    }

    QLineEdit editor;
};

TEST_F(VQTipWindowX11Test, TipDoesNotTakeTheFocusFromTheFocusedWindow)
{
    focusEditor();
    VQPopupWindowTool::sharedInstance().showTipMessage(QStringLiteral("切换到打字模式"), QStringLiteral("info_icon"));
    VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tip));
    vqtest::spin(300); // give the X server time to move the focus, if anything asked it to

    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(QGuiApplication::focusWindow(), editor.windowHandle());
    EXPECT_EQ(QApplication::focusWidget(), &editor);
    EXPECT_FALSE(tip->isActiveWindow());

    // Typing still reaches the editor while the tip shows.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    EXPECT_EQ(editor.text(), QStringLiteral("abc"));

    ASSERT_TRUE(vqtest::waitUntil([tip] { return !tip->isVisible(); }, 3000));
    EXPECT_EQ(QApplication::focusWidget(), &editor);
}

TEST_F(VQTipWindowX11Test, ControlAnOrdinaryWindowDoesTakeTheFocus)
{
    // Shows that the check above can fail: a plain window activated on show takes the focus.
    focusEditor();
    QWidget ordinary;
    ordinary.resize(150, 180);
    ordinary.show();
    ordinary.activateWindow();
    ASSERT_TRUE(vqtest::waitUntil([&] { return ordinary.isActiveWindow(); }, 3000));
    EXPECT_NE(QApplication::focusWidget(), &editor);
}

TEST_F(VQTipWindowX11Test, TipPutsAwayTheMainWindowOnlyWhenItIsActive)
{
    focusEditor();
    QWidget mainWindow;
    mainWindow.resize(400, 300);
    VQPopupWindowTool::sharedInstance().setMainWindow(&mainWindow);

    // Shown but not active (the editor has the focus): left alone.
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    editor.activateWindow();
    ASSERT_TRUE(vqtest::waitUntil([this] { return editor.isActiveWindow(); }, 3000));
    VQPopupWindowTool::sharedInstance().showTipMessage(QStringLiteral("保存成功"), QStringLiteral("success_icon"));
    EXPECT_TRUE(mainWindow.isVisible());

    mainWindow.activateWindow();
    ASSERT_TRUE(vqtest::waitUntil([&] { return mainWindow.isActiveWindow(); }, 3000));
    VQPopupWindowTool::sharedInstance().showTipMessage(QStringLiteral("保存成功"), QStringLiteral("success_icon"));
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_TRUE(VQPopupWindowTool::sharedInstance().tipWindow()->isVisible());
}

TEST_F(VQTipWindowX11Test, RendersATipToAPngFile)
{
    VQPopupWindowTool::sharedInstance().showTipMessage(QStringLiteral("电量低，请充电"), QStringLiteral("info_icon"));
    VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tip));
    const QImage image = tip->grab().toImage();
    ASSERT_EQ(image.size() / image.devicePixelRatio(), QSize(150, 180));

    const QString path = QStringLiteral(VQ_BUILD_DIR) + QStringLiteral("/renders/tip.png");
    ASSERT_TRUE(mm::mm_writeToFileAsPNG(image, path)) << path.toStdString();
    QImage back(path);
    ASSERT_FALSE(back.isNull());
    // Not a blank picture: the panel, the white text and the icon differ.
    QSet<QRgb> colours;
    for (int y = 0; y < back.height(); y += 2) {
        for (int x = 0; x < back.width(); x += 2)
            colours.insert(back.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 8);
    std::printf("tip rendered to %s\n", qPrintable(QDir::toNativeSeparators(path)));
}

} // namespace
