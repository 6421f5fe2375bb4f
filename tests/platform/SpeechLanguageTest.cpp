// The language a text is read in: the requested one where it writes the text's script, else the
// text's own script decides.
#include "VQSpeechLanguage.h"

#include <gtest/gtest.h>

TEST(SpeechLanguageTest, TheTextsScriptDecidesUnlessTheRequestedLanguageWritesIt)
{
    const struct {
        const char* text;
        const char* requested;
        const char* language; // as QLocale::name() gives it
    } rows[] = {
        {"今天天气晴朗", "", "zh_CN"},
        {"今天天气晴朗", "en_US", "zh_CN"},
        {"今日は晴れです", "", "ja_JP"},
        {"東京", "ja-JP", "ja_JP"},        // kanji alone, Japanese asked for
        {"오늘은 맑음", "", "ko_KR"},
        {"الطقس مشمس", "", "ar_EG"},
        {"الطقس مشمس", "fa_IR", "fa_IR"}, // Persian writes Arabic letters
        {"Погода хорошая", "", "ru_RU"},
        {"Sunny today", "", "en_US"},
        {"Il fait beau", "fr-fr", "fr_FR"},
        {"打开 Microsoft Word 文档", "en_US", "zh_CN"}, // a Chinese sentence with English words
        {"12:30", "de_DE", "de_DE"},          // no letters: as asked
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.requested);
        EXPECT_EQ(VQSpeechLanguage::languageOf(QString::fromUtf8(row.text), QString::fromLatin1(row.requested)).name().toStdString(),
                  row.language);
    }
    EXPECT_EQ(VQSpeechLanguage::localeOfVoiceLanguage(QStringLiteral("cmn")).language(), QLocale::Chinese);
    EXPECT_EQ(VQSpeechLanguage::localeOfVoiceLanguage(QStringLiteral("cmn-latn-pinyin")).language(), QLocale::C);
}
