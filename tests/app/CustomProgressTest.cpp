#include "CustomProgress.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CustomProgressTest, FillIsTheValueShareOfTheWidth)
{
    CustomProgress progress;
    progress.resize(200, 6);
    progress.show();
    progress.setMaxValue(100);
    progress.setPresent(50);
    EXPECT_EQ(progress.fillWidth(), 100);
    EXPECT_EQ(progress.leftimg()->height(), 6);
    EXPECT_EQ(progress.bgimg()->width(), 200);

    progress.setPresent(100);
    EXPECT_EQ(progress.fillWidth(), 200);

    // Resizing keeps the share.
    progress.setPresent(25);
    progress.resize(400, 6);
    EXPECT_EQ(progress.fillWidth(), 100);
    EXPECT_EQ(progress.bgimg()->width(), 400);
}

TEST(CustomProgressTest, AMaximumOfZeroShowsNoFillInsteadOfDividingByZero)
{
    CustomProgress progress;
    progress.resize(200, 6);
    progress.setMaxValue(0);
    progress.setPresent(30);
    EXPECT_EQ(progress.fillWidth(), 0);
    progress.setPresent(0);
    EXPECT_EQ(progress.fillWidth(), 0);
    progress.setMaxValue(-5);
    progress.setPresent(3);
    EXPECT_EQ(progress.fillWidth(), 0);

    // Once the size is known the stored value shows.
    progress.setPresent(30);
    progress.setMaxValue(60);
    EXPECT_EQ(progress.fillWidth(), 100);
}

TEST(CustomProgressTest, ValuesOutsideTheRangeStayInsideTheBar)
{
    CustomProgress progress;
    progress.resize(200, 6);
    progress.setMaxValue(100);
    progress.setPresent(250);
    EXPECT_EQ(progress.fillWidth(), 200);
    progress.setPresent(-10);
    EXPECT_EQ(progress.fillWidth(), 0);
    progress.setPresent(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(progress.fillWidth(), 0);
    progress.setPresent(std::numeric_limits<double>::infinity());
    EXPECT_EQ(progress.fillWidth(), 0);
}

} // namespace
