#include "VQButton.h"
#include "VQInputView.h"
#include "VQSecureTextField.h"
#include "VQTextField.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(InputView, EyeClearAndStringValue)
{
    VQInputView password;
    password.resize(330, 35);
    password.setInputType(VQInputView::Password);
    QTest::keyClicks(password.secureTextField(), QStringLiteral("ab c"));
    EXPECT_EQ(password.stringValue(), QStringLiteral("ab c"));
    EXPECT_TRUE(password.isEdited());

    password.rightBtn()->performClick(); // shown
    EXPECT_TRUE(password.secureTextField()->isHidden());
    EXPECT_FALSE(password.textField()->isHidden());
    QTest::keyClicks(password.textField(), QStringLiteral("d"));
    EXPECT_EQ(password.stringValue(), QStringLiteral("ab cd"));
    password.setStringValue(QStringLiteral("seen"));
    EXPECT_EQ(password.textField()->text(), QStringLiteral("seen")); // stays visible

    password.rightBtn()->performClick(); // hidden again
    EXPECT_FALSE(password.secureTextField()->isHidden());
    EXPECT_EQ(password.secureTextField()->text(), QStringLiteral("seen"));
    EXPECT_EQ(password.stringValue(), QStringLiteral("seen"));

    VQInputView plain;
    plain.setInputType(VQInputView::Plain);
    plain.setStringValue(QStringLiteral("user@example.com"));
    plain.rightBtn()->performClick();
    EXPECT_TRUE(plain.stringValue().isEmpty());

    VQInputView code; // no block set: a press does nothing
    code.setInputType(VQInputView::VerificationCode);
    code.rightBtn()->performClick();
    EXPECT_TRUE(code.rightBtn()->isEnabled());
}

TEST(InputView, CountdownTitlesAndRestart)
{
    const QString send = QString::fromUtf8(VQInputView::kSendCodeText);
    VQInputView code;
    code.setInputType(VQInputView::VerificationCode);
    int presses = 0;
    code.setGetVerifyCodeBlock([&] { ++presses; });
    code.rightBtn()->performClick();
    EXPECT_EQ(presses, 1);

    code.getVerificationCode();
    ASSERT_NE(code.timer(), nullptr);
    EXPECT_FALSE(code.rightBtn()->isEnabled());
    EXPECT_EQ(code.rightBtn()->title(), send); // the first second keeps the title

    QStringList titles;
    for (int tick = 1; tick < VQInputView::kCountdownSeconds; ++tick) {
        code.showRightBtnState();
        titles << code.rightBtn()->title();
        EXPECT_FALSE(code.rightBtn()->isEnabled());
    }
    EXPECT_EQ(titles.first(), QStringLiteral("59") + QString::fromUtf8(VQInputView::kResendSuffixText));
    EXPECT_EQ(titles.last(), QStringLiteral("1") + QString::fromUtf8(VQInputView::kResendSuffixText));
    EXPECT_EQ(titles.filter(QStringLiteral("s后")).size(), VQInputView::kCountdownSeconds - 1);

    code.showRightBtnState(); // the 60th tick
    EXPECT_TRUE(code.rightBtn()->isEnabled());
    EXPECT_EQ(code.rightBtn()->title(), send);
    EXPECT_EQ(code.timer(), nullptr);

    code.getVerificationCode();
    code.showRightBtnState();
    code.getVerificationCode(); // a restart counts from 60 again
    code.showRightBtnState();
    EXPECT_EQ(code.rightBtn()->title(), QStringLiteral("59") + QString::fromUtf8(VQInputView::kResendSuffixText));
}
