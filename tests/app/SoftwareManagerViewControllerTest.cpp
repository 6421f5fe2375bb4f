#include "ShellTestSupport.h"

#include "AuthorityManagementWindowController.h"
#include "FakeAutostart.h"
#include "SoftwareManagerViewController.h"
#include "TestSupport.h"
#include "VQBaseView.h"
#include "VQButton.h"
#include "VQGuidePopover.h"
#include "VQMainWindow.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQSoftwareSettingView.h"
#include "VQStatusItem.h"
#include "VQTipWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

namespace {

bool hasHan(const QString& text)
{
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return han.match(text).hasMatch();
}

// Every text a user can see now: window titles, labels, buttons, pop-up titles, and the status
// item's menu.
QStringList visibleTexts(AppDelegate& app)
{
    QStringList texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        texts << window->windowTitle();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty())
                texts << label->text();
        }
        for (VQButton* button : window->findChildren<VQButton*>()) {
            if (button->isVisible() && !button->title().isEmpty())
                texts << button->title();
        }
        for (VQPopUpButton* popUp : window->findChildren<VQPopUpButton*>()) {
            if (popUp->isVisible())
                texts << popUp->stringValue();
        }
    }
    for (QAction* action : app.statusItem()->menu()->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

class AboutStub : public VQBaseView {
public:
    AboutStub() { setViewHeight(700); resize(100, 700); }
};

} // namespace

TEST_F(ShellTest, EveryVisibleTextFollowsTheUiLanguage)
{
    setUiLanguage(0);
    registerStubPages();
    setDevice(56, 1, false);
    AppDelegate& app = launch();
    connectDevice(true);
    app.selectPageWithTag(AppDelegate::SoftwareManagerTag);
    app.showGuide();
    app.authorityManagementWindowController()->showWindow();
    ASSERT_TRUE(app.mainWindow()->isVisible());
    ASSERT_TRUE(app.guidePopover()->isVisible());

    const QStringList chinese = visibleTexts(app);
    int chineseCount = 0;
    for (const QString& text : chinese)
        chineseCount += hasHan(text) ? 1 : 0;
    // Navigation, menu, guide, software page, permissions window.
    EXPECT_GE(chineseCount, 25) << chinese.join(QStringLiteral(" | ")).toStdString();

    int titlePosts = 0;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, QString::fromLatin1(vq::kUpdateTitleNotification),
                                                    [&titlePosts](const VQNotification&) { ++titlePosts; });

    // The user picks English in the software page's language pop-up.
    auto* software = static_cast<SoftwareManagerViewController*>(app.pageWithTag(AppDelegate::SoftwareManagerTag));
    VQPopUpButton* popUp = software->languageView()->languageButton();
    ASSERT_EQ(popUp->itemsArr().size(), VQLanguageManager::uiLanguageCount);
    popUp->menu()->actions().at(2)->trigger();

    EXPECT_EQ(titlePosts, 1);
    EXPECT_EQ(VQLanguageManager::sharedInstance().uiLanguageIndex(), 2);
    EXPECT_EQ(UserDefaults::standard().integerForKey(QString::fromLatin1(VQLanguageManager::uiLanguageIndexKey)), 2);
    EXPECT_TRUE(UserDefaults::standard().boolForKey(QString::fromLatin1(VQSoftwareSettingView::isManualSelect_114Key)));
    EXPECT_EQ(popUp->stringValue(), QStringLiteral("English"));

    const QStringList english = visibleTexts(app);
    for (const QString& text : english)
        EXPECT_FALSE(hasHan(text)) << text.toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("Quit"))) << english.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("Software"))) << english.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("Permissions")));

    // Picking the language on show again posts nothing.
    popUp->menu()->actions().at(2)->trigger();
    EXPECT_EQ(titlePosts, 1);
}

TEST_F(ShellTest, FirstLaunchTakesTheSystemsPreferredLanguage)
{
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({ QStringLiteral("de-DE"), QStringLiteral("en-US") }), 7);
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({ QStringLiteral("pt-BR"), QStringLiteral("fr-CA") }), 9);
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({ QStringLiteral("zh-Hant-TW") }), 1);
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({ QStringLiteral("zh-HK") }), 1);
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({ QStringLiteral("zh-CN") }), 0);
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({ QStringLiteral("ms-MY") }), 16);
    // Nothing offered (or the C locale): English.
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({ QStringLiteral("C"), QStringLiteral("sw-KE") }), 2);
    EXPECT_EQ(AppDelegate::uiLanguageIndexForPreferredLanguages({}), 2);

    // The choice is made once: a stored index, even 0, is kept at later launches.
    const QString key = QString::fromLatin1(VQLanguageManager::uiLanguageIndexKey);
    ASSERT_FALSE(UserDefaults::standard().hasValueForKey(key));
    launch();
    const int expected = AppDelegate::uiLanguageIndexForPreferredLanguages(QLocale::system().uiLanguages());
    EXPECT_EQ(UserDefaults::standard().integerForKey(key), expected);
    EXPECT_EQ(VQLanguageManager::sharedInstance().uiLanguageIndex(), expected);
    delegate.reset();

    setUiLanguage(0);
    launch();
    EXPECT_EQ(VQLanguageManager::sharedInstance().uiLanguageIndex(), 0);
    // A stored value of the wrong kind is no choice: the system's language is taken again.
    ASSERT_NE(expected, 0);
    const QVariant wrong[] = {QStringLiteral("abc"), QStringLiteral("2"), true, qint64(99), qint64(-1), 2.5};
    for (const QVariant& value : wrong) {
        SCOPED_TRACE(value.toString().toStdString());
        delegate.reset();
        setUiLanguage(0);
        UserDefaults::standard().setValue(key, value);
        launch();
        EXPECT_EQ(VQLanguageManager::sharedInstance().uiLanguageIndex(), expected);
        EXPECT_EQ(UserDefaults::standard().objectForKey(key).toLongLong(), expected);
    }
}

TEST_F(ShellTest, StartAtLoginSwitchGoesThroughTheAutostartLayer)
{
    FakeAutostart autostart;
    AppDelegate& app = launch();
    app.selectPageWithTag(AppDelegate::SoftwareManagerTag);
    auto* software = static_cast<SoftwareManagerViewController*>(app.pageWithTag(AppDelegate::SoftwareManagerTag));
    VQSoftwareSettingView* section = software->languageView();
    const QString key = QString::fromLatin1(VQSoftwareSettingView::bootUpSwitchKey);
    EXPECT_FALSE(section->bootUpSwitchOn());
    EXPECT_FALSE(UserDefaults::standard().boolForKey(key));

    section->bootUpButton()->click();
    EXPECT_EQ(autostart.requests, QList<bool>({ true }));
    EXPECT_TRUE(autostart.enabled);
    EXPECT_TRUE(section->bootUpSwitchOn());
    EXPECT_EQ(section->bootUpButton()->state(), 1);
    EXPECT_TRUE(UserDefaults::standard().boolForKey(key));

    // A change the desktop refuses leaves the switch and the stored value as they were.
    autostart.acceptChanges = false;
    section->bootUpButton()->click();
    EXPECT_EQ(autostart.requests, QList<bool>({ true, false }));
    EXPECT_TRUE(section->bootUpSwitchOn());
    EXPECT_EQ(section->bootUpButton()->state(), 1);
    EXPECT_TRUE(UserDefaults::standard().boolForKey(key));
    EXPECT_TRUE(VQPopupWindowTool::sharedInstance().tipWindow()->isVisible());
}

TEST_F(ShellTest, StartAtLoginSwitchShowsTheDesktopsState)
{
    FakeAutostart autostart;
    autostart.enabled = true; // turned on earlier, or by the desktop's settings
    UserDefaults::standard().setValue(QString::fromLatin1(VQSoftwareSettingView::bootUpSwitchKey), false);
    AppDelegate& app = launch();
    app.selectPageWithTag(AppDelegate::SoftwareManagerTag);
    auto* software = static_cast<SoftwareManagerViewController*>(app.pageWithTag(AppDelegate::SoftwareManagerTag));
    EXPECT_TRUE(software->languageView()->bootUpSwitchOn());
    EXPECT_TRUE(UserDefaults::standard().boolForKey(QString::fromLatin1(VQSoftwareSettingView::bootUpSwitchKey)));
    EXPECT_TRUE(autostart.requests.isEmpty());
}

TEST_F(ShellTest, SoftwarePageStacksTheAboutViewBelowTheLanguageSection)
{
    SoftwareManagerViewController plain;
    plain.view();
    EXPECT_EQ(plain.contentHeight(), SoftwareManagerViewController::kMinimumContentHeight);
    EXPECT_EQ(plain.aboutView(), nullptr);

    SoftwareManagerViewController::setAboutViewFactory([] { return new AboutStub; });
    SoftwareManagerViewController page;
    page.view()->resize(760, 660);
    page.view()->show();
    SoftwareManagerViewController::setAboutViewFactory({});
    VQSoftwareSettingView* section = page.languageView();
    ASSERT_NE(page.aboutView(), nullptr);
    const int sectionHeight = int(section->viewHeight());
    EXPECT_EQ(page.contentHeight(), sectionHeight + 40 + 700 + 40);
    EXPECT_EQ(page.aboutView()->y(), section->y() + sectionHeight + 40);
    EXPECT_EQ(page.aboutView()->height(), 700);
}
