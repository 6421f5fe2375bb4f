#include "PointerLocation.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {

TEST(PointerLocationTest, PositionIsRelativeToTheScreenUnderThePointer)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect frame = screen->geometry();
    QCursor::setPos(frame.topLeft() + QPoint(120, 45));
    EXPECT_EQ(vqMouseLocationInScreen(), QPoint(120, 45));
    QCursor::setPos(frame.bottomRight());
    EXPECT_EQ(vqMouseLocationInScreen(), QPoint(frame.width() - 1, frame.height() - 1));
}

} // namespace
