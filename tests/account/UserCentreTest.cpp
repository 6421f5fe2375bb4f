// The user centre with stand-in transcription pages: tab switching, the two panels it opens
// over the tab area, the panels on their own, re-titles, and renders of every panel.
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQLanguageManager.h"
#include "VQLoginView.h"
#include "VQModifyPasswordView.h"
#include "VQNotificationNames.h"
#include "VQPersonCenterView.h"
#include "VQPersonThesaurusView.h"
#include "VQRechargeRecordView.h"
#include "VQRechargeView.h"
#include "VQSecureTextField.h"
#include "VQTransferRecordView.h"
#include "VQUserInfoView.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kEnglish = 2;

QString tr(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void retitle(int uiLanguage)
{
    VQLanguageManager::sharedInstance().setUiLanguageIndex(uiLanguage);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
}

void saveRender(QWidget* widget, const QString& name)
{
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(widget->grab().toImage().save(dir + QStringLiteral("/account_%1.png").arg(name))) << name.toStdString();
}

class UserCentreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        VQPersonCenterView::setTransferAudioViewFactory([](QWidget* parent) {
            auto* page = new QWidget(parent);
            page->setObjectName(QStringLiteral("audio"));
            return page;
        });
        VQPersonCenterView::setTransferRecordViewFactory([](QWidget* parent) {
            auto* page = new QWidget(parent);
            page->setObjectName(QStringLiteral("record"));
            return page;
        });
    }
    void TearDown() override
    {
        VQPersonCenterView::setTransferAudioViewFactory({});
        VQPersonCenterView::setTransferRecordViewFactory({});
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
    }

    // What shows right of the tabs: the names of the visible pages and panels.
    static QString area(VQPersonCenterView& centre)
    {
        const QList<std::pair<QWidget*, const char*>> parts {
            { centre.transferAudioView(), "audio" },        { centre.transferRecordView(), "record" },
            { centre.personThesaurusView(), "thesaurus" },   { centre.rechargeRecordView(), "rechargeRecord" },
            { centre.modifyPasswordView(), "password" },     { centre.rechargeView(), "recharge" },
        };
        QStringList shown;
        for (const auto& [widget, name] : parts) {
            if (widget && !widget->isHidden())
                shown << QLatin1String(name);
        }
        return shown.join(u',');
    }

    // The tab in the accent colour (1-4), 0 for none; every other tab must be white at 80 %.
    static int highlighted(VQPersonCenterView& centre)
    {
        int tab = 0;
        const QList<VQButton*> buttons = centre.btnArray();
        for (int i = 0; i < buttons.size(); ++i) {
            const QColor colour = buttons.at(i)->titleColor();
            if (colour == VQPersonCenterView::selectedTitleColor()) {
                EXPECT_EQ(tab, 0) << "two highlighted tabs";
                tab = i + 1;
            } else {
                EXPECT_EQ(colour, VQPersonCenterView::normalTitleColor()) << "tab " << i + 1;
            }
        }
        return tab;
    }
};

TEST_F(UserCentreTest, SwitchesTabsAndPanels)
{
    VQPersonCenterView centre;
    centre.resize(760, 660);
    centre.show();
    VQButton foreign;
    const auto tab = [&centre](int n) { return [&centre, n] { centre.btnArray().at(n - 1)->performClick(); }; };
    const auto openPassword = [&centre] { centre.userInfoView()->modifyPasswordBtn()->performClick(); };
    const auto openRecharge = [&centre] { centre.userInfoView()->rechargeBtn()->performClick(); };
    const auto cancelPassword = [&centre] { centre.modifyPasswordView()->cancelBtn()->performClick(); };
    const auto cancelRecharge = [&centre] { centre.rechargeView()->cancelBtn()->performClick(); };

    struct Step {
        const char* what;
        std::function<void()> action;
        const char* area;
        int highlight;
    };
    const QList<Step> steps {
        { "created", [] {}, "audio", 1 },
        { "tab 2", tab(2), "record", 2 },
        { "tab 3", tab(3), "thesaurus", 3 },
        { "password from a tab", openPassword, "password", 3 },
        { "recharge over password", openRecharge, "recharge", 3 },
        { "password over recharge", openPassword, "password", 3 },
        { "password cancelled", cancelPassword, "thesaurus", 3 },
        { "tab 4", tab(4), "rechargeRecord", 4 },
        { "recharge from a tab", openRecharge, "recharge", 4 },
        { "recharge cancelled", cancelRecharge, "rechargeRecord", 4 },
        { "foreign button", [&] { centre.selectItem(&foreign); }, "", 0 },
        { "password after foreign", openPassword, "password", 0 },
        { "cancel back to foreign", cancelPassword, "", 0 },
        { "tab 1", tab(1), "audio", 1 },
    };
    for (const Step& step : steps) {
        step.action();
        EXPECT_EQ(area(centre), QLatin1String(step.area)) << step.what;
        EXPECT_EQ(highlighted(centre), step.highlight) << step.what;
        EXPECT_TRUE(centre.loginView()->isHidden()) << step.what;
    }

    // Each opening of the recharge panel chooses the first tile again.
    openRecharge();
    centre.rechargeView()->items().at(4)->click();
    EXPECT_EQ(centre.rechargeView()->selectedIndex(), 4);
    cancelRecharge();
    openRecharge();
    EXPECT_EQ(centre.rechargeView()->selectedIndex(), 0);
    cancelRecharge();

    // A language change re-titles the tabs and keeps the highlight.
    tab(3)();
    retitle(kEnglish);
    EXPECT_EQ(centre.personThesaurusBtn()->title(), tr(VQPersonCenterView::kPersonThesaurusText));
    EXPECT_NE(centre.personThesaurusBtn()->title(), QString::fromUtf8(VQPersonCenterView::kPersonThesaurusText));
    EXPECT_EQ(highlighted(centre), 3);
    // The empty pages stay empty after a re-title.
    EXPECT_TRUE(centre.personThesaurusView()->children().isEmpty());
    EXPECT_TRUE(centre.rechargeRecordView()->children().isEmpty());
}

TEST_F(UserCentreTest, LeavesEmptyTabsWithoutPagesAndNoBlockOutlivesIt)
{
    VQPersonCenterView::setTransferAudioViewFactory({});
    VQPersonCenterView::setTransferRecordViewFactory({});
    auto* centre = new VQPersonCenterView;
    centre->resize(760, 660);
    EXPECT_EQ(centre->transferAudioView(), nullptr);
    EXPECT_EQ(area(*centre), QString());
    EXPECT_EQ(highlighted(*centre), 1);
    centre->transferRecordBtn()->performClick();
    EXPECT_EQ(area(*centre), QString());
    EXPECT_EQ(highlighted(*centre), 2);

    // The sub-views outlive the centre here: their blocks must not reach it.
    QPointer<VQUserInfoView> info = centre->userInfoView();
    QPointer<VQModifyPasswordView> password = centre->modifyPasswordView();
    QPointer<VQRechargeView> recharge = centre->rechargeView();
    info->setParent(nullptr);
    password->setParent(nullptr);
    recharge->setParent(nullptr);
    delete centre;
    info->modifyPasswordBtn()->performClick();
    info->rechargeBtn()->performClick();
    password->cancelBtn()->performClick();
    recharge->cancelBtn()->performClick();
    password->saveBtn()->performClick();
    recharge->sureBtn()->performClick();
    EXPECT_TRUE(password->isHidden());
    EXPECT_TRUE(recharge->isHidden());
    delete info.data();
    delete password.data();
    delete recharge.data();
}

// The two overlay panels share their rules: cancel hides first and then runs its block, the
// confirm button runs its block once per click and leaves the panel open, unset blocks do nothing.
TEST_F(UserCentreTest, PanelsRunTheirBlocks)
{
    struct Panel {
        const char* name;
        std::function<QWidget*()> make;
        std::function<void(QWidget*, std::function<void()>, std::function<void()>)> setBlocks;
        std::function<VQButton*(QWidget*)> cancel;
        std::function<VQButton*(QWidget*)> confirm;
    };
    const QList<Panel> panels {
        { "password", [] { return new VQModifyPasswordView; },
          [](QWidget* w, auto c, auto s) {
              static_cast<VQModifyPasswordView*>(w)->setCancelBlock(c);
              static_cast<VQModifyPasswordView*>(w)->setSureBlock(s);
          },
          [](QWidget* w) { return static_cast<VQModifyPasswordView*>(w)->cancelBtn(); },
          [](QWidget* w) { return static_cast<VQModifyPasswordView*>(w)->saveBtn(); } },
        { "recharge", [] { return new VQRechargeView; },
          [](QWidget* w, auto c, auto s) {
              static_cast<VQRechargeView*>(w)->setCancelBlock(c);
              static_cast<VQRechargeView*>(w)->setSureBlock(s);
          },
          [](QWidget* w) { return static_cast<VQRechargeView*>(w)->cancelBtn(); },
          [](QWidget* w) { return static_cast<VQRechargeView*>(w)->sureBtn(); } },
    };
    for (const Panel& p : panels) {
        std::unique_ptr<QWidget> panel(p.make());
        panel->show();
        p.confirm(panel.get())->performClick();
        EXPECT_TRUE(panel->isVisible()) << p.name;
        p.cancel(panel.get())->performClick();
        EXPECT_TRUE(panel->isHidden()) << p.name;

        panel->show();
        int cancels = 0;
        int confirms = 0;
        bool hiddenAtCancel = false;
        QWidget* raw = panel.get();
        p.setBlocks(
            raw, [&] { ++cancels; hiddenAtCancel = raw->isHidden(); }, [&] { ++confirms; });
        p.confirm(raw)->performClick();
        p.confirm(raw)->performClick();
        EXPECT_EQ(confirms, 2) << p.name;
        EXPECT_TRUE(raw->isVisible()) << p.name;
        p.cancel(raw)->performClick();
        EXPECT_EQ(cancels, 1) << p.name;
        EXPECT_TRUE(hiddenAtCancel) << p.name;
        EXPECT_EQ(confirms, 2) << p.name;
    }

    // The information panel: each button runs its own block once per click, unset ones nothing.
    VQUserInfoView info;
    info.modifyPasswordBtn()->performClick();
    info.rechargeBtn()->performClick();
    int passwordClicks = 0;
    int rechargeClicks = 0;
    info.setModifyPasswordBlock([&] { ++passwordClicks; });
    info.setRechargeBlock([&] { ++rechargeClicks; });
    info.modifyPasswordBtn()->performClick();
    info.rechargeBtn()->performClick();
    info.rechargeBtn()->performClick();
    EXPECT_EQ(passwordClicks, 1);
    EXPECT_EQ(rechargeClicks, 2);
}

TEST_F(UserCentreTest, PanelsKeepTheirContentThroughARetitle)
{
    // Information panel: the five texts come back; longer minutes grow to the left.
    VQUserInfoView info;
    info.resize(760, 70);
    info.show();
    const int rechargeLeft = info.rechargeBtn()->x();
    EXPECT_EQ(rechargeLeft + info.rechargeBtn()->width(), 760 - 15);
    const int shortLeft = info.durtionTimeLabel()->x();
    info.nickNameLabel()->setText(QStringLiteral("someone"));
    info.durtionTimeLabel()->setText(QStringLiteral("1234567890"));
    ASSERT_TRUE(vqtest::waitUntil([&] { return info.durtionTimeLabel()->x() < shortLeft; }));
    EXPECT_EQ(info.durtionTimeLabel()->x() + info.durtionTimeLabel()->width(), rechargeLeft - 20);
    EXPECT_EQ(info.rechargeBtn()->x(), rechargeLeft);
    retitle(kEnglish);
    EXPECT_EQ(info.nickNameLabel()->text(), tr(VQUserInfoView::kNickNameText));
    EXPECT_EQ(info.durtionTimeLabel()->text(), tr(VQUserInfoView::kDurationText));
    EXPECT_EQ(info.modifyPasswordBtn()->title(), tr(VQUserInfoView::kModifyPasswordText));
    EXPECT_NE(info.modifyPasswordBtn()->title(), QString::fromUtf8(VQUserInfoView::kModifyPasswordText));
    retitle(0);

    // Password panel: pre-filled masked fields; a re-title keeps what was typed.
    VQModifyPasswordView password;
    password.show();
    const QList<VQSecureTextField*> fields { password.textField1(), password.textField2(), password.textField3() };
    for (VQSecureTextField* field : fields) {
        EXPECT_EQ(field->text(), QString::fromLatin1(VQModifyPasswordView::kPrefill));
        EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    }
    QTest::keyClicks(password.textField2(), QStringLiteral("x9"));
    retitle(kEnglish);
    EXPECT_EQ(password.textField2()->text(), QStringLiteral("123x9"));
    EXPECT_EQ(password.textField1()->text(), QString::fromLatin1(VQModifyPasswordView::kPrefill));
    EXPECT_EQ(password.tipLabel3()->text(), tr(VQModifyPasswordView::kRepeatPasswordText));
    EXPECT_EQ(password.saveBtn()->title(), tr(VQModifyPasswordView::kSaveText));
    retitle(0);

    // Recharge panel: nine tiles, the accent border follows the chosen one; a re-title changes
    // only the buttons.
    VQRechargeView recharge;
    recharge.resize(375, 400);
    recharge.show();
    const auto borders = [&recharge] {
        QList<QColor> colours;
        for (VQRechargeItem* item : recharge.items())
            colours << item->borderColor();
        return colours;
    };
    const auto expectChosen = [&](int chosen, const char* when) {
        const QList<QColor> colours = borders();
        ASSERT_EQ(colours.size(), VQRechargeView::kItemCount) << when;
        for (int i = 0; i < colours.size(); ++i)
            EXPECT_EQ(colours.at(i), i == chosen ? QColor(0, 175, 204) : QColor(112, 112, 112)) << when << " tile " << i;
        EXPECT_EQ(recharge.selectedIndex(), chosen) << when;
    };
    for (VQRechargeItem* item : recharge.items()) {
        EXPECT_EQ(item->priceLabel()->text(), QStringLiteral("$9.9"));
        EXPECT_EQ(item->infoLabel()->text(), QStringLiteral("录音包60分钟"));
        EXPECT_EQ(item->size(), QSize(120, 70));
    }
    expectChosen(0, "new");
    QTest::mouseClick(recharge.items().at(2), Qt::LeftButton);
    expectChosen(2, "third clicked");
    recharge.items().at(7)->click();
    expectChosen(7, "eighth clicked");
    retitle(kEnglish);
    expectChosen(7, "re-titled");
    EXPECT_EQ(recharge.sureBtn()->title(), tr(VQRechargeView::kSureText));
    EXPECT_NE(recharge.sureBtn()->title(), QString::fromUtf8(VQRechargeView::kSureText));
    EXPECT_EQ(recharge.items().at(0)->priceLabel()->text(), QStringLiteral("$9.9"));
    recharge.initUIData();
    expectChosen(0, "rebuilt");
}

TEST_F(UserCentreTest, RendersEveryPanel)
{
    VQPersonCenterView::setTransferRecordViewFactory([](QWidget* parent) { return new VQTransferRecordView(parent); });
    VQPersonCenterView centre;
    centre.resize(760, 660);
    centre.show();
    saveRender(&centre, QStringLiteral("centre_tab1"));
    centre.transferRecordBtn()->performClick();
    ASSERT_NE(qobject_cast<VQTransferRecordView*>(centre.transferRecordView()), nullptr);
    EXPECT_TRUE(centre.transferRecordView()->isVisible());
    saveRender(&centre, QStringLiteral("centre_tab2"));
    centre.personThesaurusBtn()->performClick();
    saveRender(&centre, QStringLiteral("centre_tab3"));
    centre.userInfoView()->modifyPasswordBtn()->performClick();
    saveRender(&centre, QStringLiteral("centre_password"));
    centre.userInfoView()->rechargeBtn()->performClick();
    saveRender(&centre, QStringLiteral("centre_recharge"));

    VQUserInfoView info;
    info.resize(760, 70);
    info.show();
    saveRender(&info, QStringLiteral("user_info"));
}

} // namespace
