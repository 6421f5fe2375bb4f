// Selected-text translation end to end against the stand-in translation service: the codes sent
// for each feature, the text as sent, and what the window ends on after failures and races.
#include "QRNLocalizedString.h"
#include "TranslateTestFixture.h"
#include "VQAudioMonitorService.h"
#include "VQPopUpButton.h"
#include "VQTranslateContentView.h"
#include "VQTranslateView.h"

namespace {

TEST_F(TranslateTest, LanguageCodesFollowTheFeatureAndItsIndexes)
{
    // The built-in target list: ZH_CN, KO_KR, ZH_TW, ZH_SC, ZH_GD, EN_US.
    struct Row {
        const char* what;
        bool screenshotBefore; // a capture left screenshot mode on
        bool viaSelection;     // hyperTranslate (else a re-translation from the window)
        int fromTag;
        int toTag;
        int screenshotsTag;
        const char* expected; // "from>to"
    };
    const Row rows[] = {
        {"source 0 is automatic detection", false, true, 0, 1, 1, "auto>KO_KR"},
        {"source n is target entry n-1", false, true, 6, 1, 1, "EN_US>KO_KR"},
        {"a target past the end of the list", false, true, 2, 9, 1, "KO_KR>ZH_CN"},
        {"screenshot re-translation detects the source", true, false, 6, 1, 5, "auto>EN_US"},
        {"the next selection leaves screenshot mode", true, true, 2, 5, 1, "KO_KR>EN_US"},
    };
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        VQLanguageManager& languages = VQLanguageManager::sharedInstance();
        languages.setFromWordInputTag(row.fromTag);
        languages.setWordInputTag(row.toTag);
        languages.setScreenshotsTag(row.screenshotsTag);
        VQUserInfoData::sharedInstance().setIsScreenshotsTranslate(row.screenshotBefore);
        const QString text = QStringLiteral("word %1").arg(++n);
        if (row.viaSelection) {
            VQUserInfoData::sharedInstance().setPasteboardContent(text);
            VQTranslateManager::sharedInstance().hyperTranslate();
        } else {
            VQTranslateManager::sharedInstance().translateText(text);
        }
        ASSERT_TRUE(vqtest::waitUntil([&] { return translateRequests().size() == n; }));
        EXPECT_EQ(translateRequests().last(), QStringLiteral("%1:%2").arg(QLatin1String(row.expected), text));
        EXPECT_TRUE(vqtest::waitUntil([&] { return window() && window()->yiText() == QStringLiteral("[%1]").arg(text); }));
    }
}

TEST_F(TranslateTest, SelectionTextIsSentWithLineBreaksAsBlanksOutsideHanAndKanaAndShownUnchanged)
{
    struct Row {
        QString selection;
        QString sent;  // empty: nothing is sent or shown
    };
    const Row rows[] = {
        {QStringLiteral(" \n\t \r\n "), QString()},
        {QStringLiteral("A&B + C#\n\"q\" 你好"), QStringLiteral("A&B + C# \"q\" 你好")},
        {QStringLiteral("one\r\n\r\ntwo\nthree"), QStringLiteral("one two three")},
        {QStringLiteral("第一行\n第二行。\r\n第三𠀀\n𠀀カナ"), QStringLiteral("第一行第二行。第三𠀀𠀀カナ")},
        {QStringLiteral("中文\nEnglish\n中文"), QStringLiteral("中文 English 中文")},
        {QStringLiteral("한국어\n문장"), QStringLiteral("한국어 문장")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.selection.toStdString());
        maker.clearRequests();
        if (row.sent.isEmpty()) {
            VQUserInfoData::sharedInstance().setPasteboardContent(row.selection);
            VQTranslateManager::sharedInstance().hyperTranslate();
            vqtest::spin(100);
            EXPECT_TRUE(translateRequests().isEmpty());
            EXPECT_TRUE(!window() || !window()->isShow());
            continue;
        }
        ASSERT_TRUE(translateSelection(row.selection, QStringLiteral("[%1]").arg(row.sent)));
        EXPECT_EQ(translateRequests(), QStringList{QStringLiteral("auto>ZH_CN:") + row.sent});
        EXPECT_EQ(window()->fanText(), row.selection);
        EXPECT_EQ(window()->popContentView()->fanWordView()->stringValue(), row.selection);
        EXPECT_EQ(VQTranslateManager::sharedInstance().fanText(), row.selection);
    }
}

TEST_F(TranslateTest, WindowEndsOnTheLatestSelectionAndNeverOnAStaleTranslation)
{
    const QString failed = QRNLocalizedString::qrnAppLocalizedString(VQAudioMonitorService::translateFailedText());
    ASSERT_TRUE(translateSelection(QStringLiteral("first"), QStringLiteral("[first]")));

    // A new source empties the translation pane at once; a failure then shows the failure text.
    failing << QStringLiteral("second");
    VQUserInfoData::sharedInstance().setPasteboardContent(QStringLiteral("second"));
    VQTranslateManager::sharedInstance().hyperTranslate();
    EXPECT_EQ(window()->popContentView()->yiWordView()->stringValue(), QString());
    ASSERT_TRUE(vqtest::waitUntil([&] { return window()->yiText() == failed; }));
    EXPECT_EQ(window()->fanText(), QStringLiteral("second"));
    EXPECT_EQ(VQTranslateManager::sharedInstance().yiText(), QStringLiteral("[first]"));

    // A slow answer to a superseded request is dropped.
    slow << QStringLiteral("third");
    VQUserInfoData::sharedInstance().setPasteboardContent(QStringLiteral("third"));
    VQTranslateManager::sharedInstance().hyperTranslate();
    ASSERT_TRUE(translateSelection(QStringLiteral("fourth"), QStringLiteral("[fourth]")));
    ASSERT_TRUE(vqtest::waitUntil([&] { return translateRequests().size() == 4; }));
    vqtest::spin(500);
    EXPECT_EQ(window()->fanText(), QStringLiteral("fourth"));
    EXPECT_EQ(window()->yiText(), QStringLiteral("[fourth]"));
    EXPECT_EQ(VQTranslateManager::sharedInstance().yiText(), QStringLiteral("[fourth]"));

    // After a recognise-only capture a selected text still shows both panes.
    VQPopupWindowTool::sharedInstance().setIsScreenshotsOCR(true);
    VQUserInfoData::sharedInstance().setIsScreenshotsTranslate(true);
    ASSERT_TRUE(translateSelection(QStringLiteral("fifth"), QStringLiteral("[fifth]")));
    EXPECT_FALSE(VQPopupWindowTool::sharedInstance().isScreenshotsOCR());
    EXPECT_TRUE(window()->popContentView()->yiWordView()->isVisible());
    EXPECT_TRUE(window()->popContentView()->languageBtn()->isEnabled());
}

// The translation request as the windows make it: no source code asks the service to detect
// the language, a Chinese source is sent as ZH_CN, and a translation answered as a number is
// taken as its text.
TEST_F(TranslateTest, TranslationRequestsDetectAMissingSourceAndTakeNumbersAsText)
{
    struct Row {
        const char* from;
        QJsonValue answer;
        const char* sentFrom;
        const char* shown;
    };
    const Row rows[] = {{"", QStringLiteral("x"), "auto", "x"}, {"ZH_TW", QStringLiteral("y"), "ZH_CN", "y"},
                        {"EN_US", 42, "EN_US", "42"}, {"EN_US", 2.5, "EN_US", "2.5"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.sentFrom);
        maker.clearRequests();
        maker.setResponder(QStringLiteral("/api/translate"), [&row](const vqtest::StandInRequest&) {
            return vqtest::StandInReply::api(QJsonObject{{QStringLiteral("transText"), row.answer}});
        });
        std::optional<QString> shown;
        VQAudioMonitorService::sharedInstance().requestTranslateText(
            QStringLiteral("1"), QString::fromLatin1(row.from), QStringLiteral("ZH_CN"),
            [&shown](bool, const QString& text) { shown = text; });
        ASSERT_TRUE(vqtest::waitUntil([&] { return shown.has_value(); }));
        EXPECT_EQ(*shown, QString::fromLatin1(row.shown));
        EXPECT_EQ(translateRequests(), QStringList{QStringLiteral("%1>ZH_CN:1").arg(QLatin1String(row.sentFrom))});
    }
}

} // namespace
