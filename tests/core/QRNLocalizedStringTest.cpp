#include "MMTimeText.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQLanguageManager.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

class QRNLocalizedStringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
    }
    void TearDown() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
    }

    void useUiLanguage(int index) { VQLanguageManager::sharedInstance().setUiLanguageIndex(index); }
};

TEST_F(QRNLocalizedStringTest, TextsFollowTheUiLanguage)
{
    EXPECT_EQ(localized("请检查网络"), QStringLiteral("请检查网络"));
    EXPECT_EQ(localized("知道了"), QStringLiteral("知道了"));

    useUiLanguage(2);
    EXPECT_EQ(localized("请检查网络"), QStringLiteral("Please check your network"));
    EXPECT_EQ(localized("系统错误"), QStringLiteral("System error"));
    EXPECT_EQ(localized("知道了"), QStringLiteral("OK"));

    useUiLanguage(1);
    EXPECT_EQ(localized("系统错误"), QStringLiteral("系統錯誤"));
    useUiLanguage(0);
    EXPECT_EQ(localized("系统错误"), QStringLiteral("系统错误"));
}

TEST_F(QRNLocalizedStringTest, KeyWithoutTextComesBackUnchanged)
{
    for (int index : {0, 2, 12}) {
        useUiLanguage(index);
        EXPECT_EQ(localized("没有这段文字"), QStringLiteral("没有这段文字")) << index;
        EXPECT_EQ(localized("Plain <text> & \"quotes\""), QStringLiteral("Plain <text> & \"quotes\"")) << index;
        EXPECT_EQ(QRNLocalizedString::qrnAppLocalizedString(QString()), QString()) << index;
    }
}

TEST_F(QRNLocalizedStringTest, EveryUiLanguageHasItsOwnTranslations)
{
    QSet<QString> seen;
    for (int index = 0; index < VQLanguageManager::uiLanguageCount; ++index) {
        useUiLanguage(index);
        const QString text = localized("系统错误");
        EXPECT_FALSE(text.isEmpty()) << index;
        if (index > 0) {
            EXPECT_NE(text, QStringLiteral("系统错误")) << "no translation file for UI language " << index;
        }
        seen.insert(text);
        for (const char* key : {"请检查网络", "知道了", "自动检测", "小时", "分", "秒"})
            EXPECT_FALSE(localized(key).isEmpty()) << index << " " << key;
    }
    EXPECT_EQ(seen.size(), VQLanguageManager::uiLanguageCount);
}

TEST_F(QRNLocalizedStringTest, DurationsRunHoursMinutesAndSecondsTogether)
{
    EXPECT_EQ(mm::secondToStr(0), QStringLiteral("0秒"));
    EXPECT_EQ(mm::secondToStr(59), QStringLiteral("59秒"));
    EXPECT_EQ(mm::secondToStr(60), QStringLiteral("1分"));
    EXPECT_EQ(mm::secondToStr(899), QStringLiteral("14分59秒"));
    EXPECT_EQ(mm::secondToStr(3600), QStringLiteral("1小时0分"));
    EXPECT_EQ(mm::secondToStr(3661), QStringLiteral("1小时1分1秒"));
    EXPECT_EQ(mm::secondToStr(3 * 3600 + 5), QStringLiteral("3小时0分5秒"));
    EXPECT_EQ(mm::secondToStr(100 * 3600 + 120), QStringLiteral("100小时2分"));
    EXPECT_EQ(mm::secondToStr(-5), QStringLiteral("0秒"));

    useUiLanguage(2);
    EXPECT_EQ(mm::secondToStr(3661), QStringLiteral("1h1min1s"));
    EXPECT_EQ(mm::secondToStr(59), QStringLiteral("59s"));
}

} // namespace
