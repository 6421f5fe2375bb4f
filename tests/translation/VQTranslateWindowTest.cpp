// The translation window's panel and forms, copy and close, its pop-up with the settings row of
// selected-text translation; each look is rendered to renders/translate_*.png.
#include "HyperTranslateView.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "TranslateTestFixture.h"
#include "VQButton.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQTipWindow.h"
#include "VQTranslateContentView.h"
#include "VQTranslateView.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include <cmath>

namespace {

void render(QWidget* widget, const QString& name)
{
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(widget->grab().toImage().save(dir + QStringLiteral("/translate_") + name + QStringLiteral(".png")));
}

// The highest contrast ratio (WCAG 2) of any pixel of the image against the background colour.
double strongestContrast(const QImage& image, const QColor& background)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double back = luminance(background);
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double l = luminance(image.pixelColor(x, y));
            best = std::max(best, (std::max(l, back) + 0.05) / (std::min(l, back) + 0.05));
        }
    return best;
}

void pick(VQPopUpButton* button, int index)
{
    ASSERT_LT(index, button->menu()->actions().size());
    button->menu()->actions().at(index)->trigger();
}

TEST_F(TranslateTest, PanelGrowsUpwardWithItsPanesAndKeepsItsCorner)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QString longText = QStringLiteral("A long selected paragraph that wraps over many lines. ").repeated(20);
    struct Row {
        const char* name;
        QString fan;
        bool recogniseOnly;
        bool failing;
    };
    const Row rows[] = {
        {"translated", QStringLiteral("Hello world"), false, false},
        {"long_source", longText, false, false},
        {"recognise_only", QStringLiteral("Recognised line"), true, false},
        {"failure", QStringLiteral("Unreachable"), false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.failing)
            failing << row.fan;
        // The recognise-only form comes from a capture, which feeds the window directly.
        VQPopupWindowTool::sharedInstance().setIsScreenshotsOCR(row.recogniseOnly);
        VQPopupWindowTool::sharedInstance().showTranslateWindowFanText(row.fan, QString());
        VQTranslateWindow* win = window();
        ASSERT_TRUE(win && win->isShow());
        VQTranslateContentView* content = win->popContentView();
        const auto expectCorner = [&] {
            EXPECT_EQ(win->geometry().right(), screen.right() - VQTranslateWindow::rightMargin);
            EXPECT_EQ(win->geometry().bottom(), screen.bottom() - VQTranslateWindow::bottomMargin);
        };
        // First show: title bar and source pane, no translation pane.
        const QRect first = win->geometry();
        EXPECT_LE(content->fanWordView()->geometry().bottom(), first.height());
        EXPECT_FALSE(content->yiWordView()->isVisible());
        expectCorner();
        if (row.fan == longText) {
            EXPECT_EQ(content->fanWordView()->height(), 250); // the text scrolls inside
        }
        EXPECT_EQ(content->languageBtn()->isEnabled(), !row.recogniseOnly);
        if (!row.recogniseOnly) {
            VQTranslateManager::sharedInstance().translateText(row.fan);
            ASSERT_TRUE(vqtest::waitUntil([&] { return !win->yiText().isEmpty(); }));
            EXPECT_TRUE(content->yiWordView()->isVisible());
            EXPECT_LT(win->geometry().top(), first.top()); // grown upward
            expectCorner();
        } else {
            EXPECT_TRUE(content->languageBtn()->isImageViewHidden());
            EXPECT_EQ(content->languageBtn()->stringValue(), QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("识别结果")));
            // The title reads on its bar (RGB 0,175,204) at 4.5:1 at least (drawn large enough
            // for its strokes to cover whole pixels).
            const QFont shown = content->languageBtn()->font();
            QFont large = shown;
            large.setPixelSize(40);
            content->languageBtn()->setFont(large);
            EXPECT_GE(strongestContrast(content->grab(content->languageBtn()->geometry()).toImage(), QColor(0, 175, 204)), 4.5);
            content->languageBtn()->setFont(shown);
        }
        render(win, QString::fromLatin1(row.name));
    }
}

TEST_F(TranslateTest, CopyAndCloseKeepTheTexts)
{
    ASSERT_TRUE(translateSelection(QStringLiteral("copy me"), QStringLiteral("[copy me]")));
    VQTranslateContentView* content = window()->popContentView();
    struct Row {
        VQTranslateView* pane;
        QStringList writes; // the clipboard's writes after the click
    };
    VQTranslateView empty;
    const Row rows[] = {
        {content->fanWordView(), {QStringLiteral("copy me")}},
        {content->yiWordView(), {QStringLiteral("copy me"), QStringLiteral("[copy me]")}},
        {&empty, {QStringLiteral("copy me"), QStringLiteral("[copy me]")}},
    };
    for (const Row& row : rows) {
        VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
        tip->hide();
        row.pane->fuzhiBtn()->performClick();
        EXPECT_EQ(clipboard.writes, row.writes);
        EXPECT_EQ(tip->isVisible(), row.pane != &empty);
    }
    // The closed window keeps its texts; the next show brings them back.
    window()->closeBtn()->performClick();
    EXPECT_FALSE(window()->isShow());
    EXPECT_FALSE(window()->isVisible());
    window()->showInWindow();
    EXPECT_EQ(content->fanWordView()->stringValue(), QStringLiteral("copy me"));
    EXPECT_EQ(content->yiWordView()->stringValue(), QStringLiteral("[copy me]"));
}

TEST_F(TranslateTest, SettingsRowFollowsTheStoreTheWindowAndTheList)
{
    VQUserInfoData::sharedInstance().setWordInputSwitch(true);
    VQLanguageManager::sharedInstance().setFromWordInputTag(1);
    auto row = std::make_unique<HyperTranslateView>();
    EXPECT_EQ(row->switchBtn()->state(), 1);
    EXPECT_EQ(row->fromLanguageBtn()->markedIndex(), 1);
    EXPECT_EQ(row->fromLanguageBtn()->itemsArr().size(), row->toLanguageBtn()->itemsArr().size() + 1);
    render(row.get(), QStringLiteral("settings_row"));

    // The switch persists through a fresh store.
    row->switchBtn()->performClick();
    VQUserInfoData::resetForTests();
    EXPECT_FALSE(VQUserInfoData::sharedInstance().wordInputSwitch());

    // Pickers store their index; the arrow changes nothing.
    pick(row->fromLanguageBtn(), 2);
    pick(row->toLanguageBtn(), 4);
    row->changeLanguageBtn()->performClick();
    EXPECT_EQ(VQLanguageManager::sharedInstance().fromWordInputTag(), 2);
    EXPECT_EQ(VQLanguageManager::sharedInstance().wordInputTag(), 4);

    // A pick in the window stores the target of its mode, translates again and, for selected
    // text, moves the row's target picker; a UI-language change keeps the pop-up's index.
    ASSERT_TRUE(translateSelection(QStringLiteral("row"), QStringLiteral("[row]")));
    VQPopUpButton* popUp = window()->popContentView()->languageBtn();
    pick(popUp, 1);
    EXPECT_EQ(row->toLanguageBtn()->markedIndex(), 1);
    VQUserInfoData::sharedInstance().setIsScreenshotsTranslate(true);
    window()->showInWindow();
    pick(popUp, 5);
    EXPECT_EQ(VQLanguageManager::sharedInstance().screenshotsTag(), 5);
    EXPECT_EQ(row->toLanguageBtn()->markedIndex(), 1);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
    EXPECT_EQ(popUp->markedIndex(), 5);
    ASSERT_TRUE(vqtest::waitUntil([&] { return translateRequests().size() == 3; }));
    EXPECT_EQ(translateRequests().mid(1), (QStringList{QStringLiteral("KO_KR>KO_KR:row"), QStringLiteral("auto>EN_US:row")}));

    // A shorter list from the server refills both pickers; an index past its end marks nothing.
    VQLanguageManager::sharedInstance().setToLanguageArr(
        {QVariantMap{{QStringLiteral("code"), QStringLiteral("EN_US")}, {QStringLiteral("name"), QStringLiteral("English")}}});
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTranslateListNotification));
    EXPECT_EQ(row->toLanguageBtn()->itemsArr(), QStringList{QStringLiteral("English")});
    EXPECT_EQ(row->fromLanguageBtn()->itemsArr().size(), 2);
    EXPECT_EQ(row->toLanguageBtn()->markedIndex(), -1);
    EXPECT_EQ(row->fromLanguageBtn()->markedIndex(), -1);
}

} // namespace
