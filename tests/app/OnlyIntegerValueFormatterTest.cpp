#include "OnlyIntegerValueFormatter.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(OnlyIntegerValueFormatterTest, AcceptsOnlyEmptyOrAWholeInteger)
{
    for (const char* good : { "", "0", "7", "42", "-3", "+3", "007", "9223372036854775807", "-9223372036854775808" })
        EXPECT_TRUE(OnlyIntegerValueFormatter::isAcceptable(QString::fromLatin1(good))) << good;
    for (const char* bad : { "-", "+", "1.5", "1e3", "12a", "a12", " 12", "12 ", "1 2", "--1", "+-1", "0x10",
             "9223372036854775808", "١٢" /* Arabic-Indic digits */, "１２" /* full width */ })
        EXPECT_FALSE(OnlyIntegerValueFormatter::isAcceptable(QString::fromUtf8(bad))) << bad;
}

TEST(OnlyIntegerValueFormatterTest, ARefusedEditLeavesTheFieldAsItWas)
{
    QLineEdit field;
    OnlyIntegerValueFormatter formatter;
    field.setValidator(&formatter);
    field.show();

    QTest::keyClicks(&field, QStringLiteral("12a3"));
    EXPECT_EQ(field.text(), QStringLiteral("123"));

    // Deleting everything is allowed.
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QString());

    // A lone sign is not an integer yet: refused; the sign goes in front of digits.
    QTest::keyClicks(&field, QStringLiteral("-"));
    EXPECT_EQ(field.text(), QString());
    QTest::keyClicks(&field, QStringLiteral("5"));
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClicks(&field, QStringLiteral("-"));
    EXPECT_EQ(field.text(), QStringLiteral("-5"));
    EXPECT_TRUE(field.hasAcceptableInput());

    // A paste of mixed text is refused whole.
    field.selectAll();
    field.insert(QStringLiteral("12 apples"));
    EXPECT_EQ(field.text(), QStringLiteral("-5"));
}

} // namespace
