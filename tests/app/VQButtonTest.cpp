#include "VQButton.h"
#include "VQLabel.h"
#include "VQTextField.h"

#include <QApplication>

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(VQButtonTest, AClickFlipsTheStateAndFiresOnce)
{
    VQButton button;
    button.resize(80, 30);
    button.show();
    QList<int> statesSeen;
    QObject::connect(&button, &VQButton::clicked, [&] { statesSeen.append(button.state()); });

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(statesSeen, QList<int>({ 1 })); // the action sees the new state

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(statesSeen, QList<int>({ 1, 0 }));

    button.performClick();
    EXPECT_EQ(statesSeen, QList<int>({ 1, 0, 1 }));

    // Pressed, then released outside: no action, colours back to normal.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::mouseMove(&button, QPoint(200, 200));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(statesSeen.size(), 3);
    EXPECT_FALSE(button.isDown());
}

TEST(VQButtonTest, PressShowsTheHighlightColoursAndReleaseRestoresThem)
{
    VQButton button;
    button.resize(80, 30);
    button.show();
    button.setTitle(QStringLiteral("保存"));
    button.setTitleColor(QColor(38, 12, 12));
    button.setBorderColor(QColor(200, 200, 200));
    button.setHighlightTitleColor(Qt::white);
    button.setHighlightBorderColor(QColor(0, 175, 204));
    button.setHighlightBackGroundColor(QColor(0, 175, 204));
    QSignalSpy clicked(&button, &VQButton::clicked);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button.currentTitleColor(), QColor(Qt::white));
    EXPECT_EQ(button.currentBorderColor(), QColor(0, 175, 204));
    EXPECT_EQ(button.currentBackgroundColor(), QColor(0, 175, 204));
    EXPECT_EQ(clicked.count(), 0); // nothing runs before the release

    // Released: the title colour back, the accent border and a white background.
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button.currentTitleColor(), QColor(38, 12, 12));
    EXPECT_EQ(button.currentBorderColor(), QColor(0, 175, 204));
    EXPECT_EQ(button.currentBackgroundColor(), QColor(Qt::white));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.title(), QStringLiteral("保存"));

    // A filled button keeps its own background; a button without pressed colours its own look.
    VQButton filled;
    filled.resize(40, 20);
    filled.show();
    filled.setBackgroundColor(QColor(0, 175, 204));
    filled.setHighlightBackGroundColor(QColor(0, 150, 176));
    QTest::mouseClick(&filled, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(filled.currentBackgroundColor(), QColor(0, 175, 204));

    // Without highlight colours a press keeps the normal ones.
    VQButton plain;
    plain.resize(40, 20);
    plain.show();
    plain.setTitleColor(Qt::red);
    QTest::mousePress(&plain, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(plain.currentTitleColor(), QColor(Qt::red));
    QTest::mouseRelease(&plain, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(plain.currentBackgroundColor(), QColor(Qt::transparent));
}

TEST(VQButtonTest, ADisabledButtonDoesNothing)
{
    VQButton button;
    button.resize(80, 30);
    button.show();
    button.setEnabled(false);
    QSignalSpy clicked(&button, &VQButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(button.state(), 0);
}

TEST(VQLabelTest, ClicksPassThroughALabelToTheButtonBeneath)
{
    QWidget window;
    window.resize(200, 100);
    VQButton button(&window);
    button.setGeometry(0, 0, 200, 100);
    VQLabel label(QStringLiteral("标题"), &window);
    label.setGeometry(20, 20, 160, 60);
    window.show();
    QSignalSpy clicked(&button, &VQButton::clicked);

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(window.childAt(100, 50), &button);
}

// The caret shows in the accent colour while the field has the focus, and not at all without it.
TEST(VQTextFieldTest, TheCaretIsInTheAccentColourWhileFocused)
{
    QWidget window;
    window.resize(200, 40);
    VQTextField field(&window);
    field.setGeometry(10, 5, 180, 30);
    field.setTextColor(QColor(38, 12, 12));
    field.setText(QStringLiteral("abc"));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto accentPixels = [&field] {
        const QImage image = field.grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == VQTextField::accentColor();
        return count;
    };
    for (const bool focused : {true, false}) {
        if (focused)
            field.setFocus();
        else
            field.clearFocus();
        QApplication::processEvents();
        EXPECT_EQ(field.isCaretShown(), focused);
        if (focused)
            EXPECT_GE(accentPixels(), 10);
        else
            EXPECT_EQ(accentPixels(), 0);
    }
}

} // namespace
