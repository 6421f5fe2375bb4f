// The user centre and the phone sign-in view in real windows under Xvfb: XTest clicks switch
// the tabs and panels, XTest keys meet the input rules, and a grab of the screen reads back the
// QR code.
#include "../account/QrCodeReader.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQApiConfig.h"
#include "VQLanguageManager.h"
#include "VQLoginView.h"
#include "VQModifyPasswordView.h"
#include "VQPersonCenterView.h"
#include "VQPersonThesaurusView.h"
#include "VQRechargeRecordView.h"
#include "VQRechargeView.h"
#include "VQUserInfoView.h"
#include "XTestUser.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <X11/keysym.h>

#include <gtest/gtest.h>

namespace {

QPoint middleOf(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

void typeAscii(XTestUser& user, const char* text)
{
    for (const char* c = text; *c; ++c)
        user.tap(static_cast<unsigned char>(*c)); // printable ASCII keysyms are their code points
}

class UserCentreX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsSet("VQ_ACCOUNT_X11_CHILD"))
            GTEST_SKIP() << "a child process runs only its own part";
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        VQApiConfig::resetForTests();
    }
    void TearDown() override
    {
        VQPersonCenterView::setTransferAudioViewFactory({});
        VQPersonCenterView::setTransferRecordViewFactory({});
        VQApiConfig::resetForTests();
    }
};

TEST_F(UserCentreX11Test, ClicksSwitchTabsAndPanels)
{
    VQPersonCenterView::setTransferAudioViewFactory([](QWidget* parent) { return new QWidget(parent); });
    VQPersonCenterView::setTransferRecordViewFactory([](QWidget* parent) { return new QWidget(parent); });
    VQPersonCenterView centre;
    centre.resize(760, 660);
    centre.move(40, 40);
    centre.show();
    centre.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&centre));
    XTestUser user;
    ASSERT_TRUE(user.ok());

    // What shows right of the tabs, and the tab in the accent colour.
    const auto state = [&centre] {
        QStringList shown;
        const QList<std::pair<QWidget*, const char*>> parts {
            { centre.transferAudioView(), "audio" },       { centre.transferRecordView(), "record" },
            { centre.personThesaurusView(), "thesaurus" }, { centre.rechargeRecordView(), "rechargeRecord" },
            { centre.modifyPasswordView(), "password" },   { centre.rechargeView(), "recharge" },
        };
        for (const auto& [widget, name] : parts) {
            if (widget->isVisible())
                shown << QLatin1String(name);
        }
        int tab = 0;
        for (int i = 0; i < centre.btnArray().size(); ++i) {
            if (centre.btnArray().at(i)->titleColor() == VQPersonCenterView::selectedTitleColor())
                tab = i + 1;
        }
        return QString(shown.join(u',') + u'@' + QString::number(tab));
    };
    struct Click {
        QWidget* target;
        const char* expected;
    };
    const QList<Click> clicks {
        { centre.transferRecordBtn(), "record@2" },
        { centre.userInfoView()->modifyPasswordBtn(), "password@2" },
        { centre.modifyPasswordView()->cancelBtn(), "record@2" },
        { centre.personThesaurusBtn(), "thesaurus@3" },
        { centre.userInfoView()->rechargeBtn(), "recharge@3" },
        { centre.userInfoView()->modifyPasswordBtn(), "password@3" },
        { centre.userInfoView()->rechargeBtn(), "recharge@3" },
        { centre.rechargeView()->cancelBtn(), "thesaurus@3" },
        { centre.rechargeRecordBtn(), "rechargeRecord@4" },
        { centre.transferAudioBtn(), "audio@1" },
    };
    EXPECT_EQ(state(), QStringLiteral("audio@1"));
    for (const Click& click : clicks) {
        user.click(middleOf(click.target));
        EXPECT_TRUE(vqtest::waitUntil([&] { return state() == QLatin1String(click.expected); }, 10000))
            << click.expected << " but " << state().toStdString();
    }
    EXPECT_TRUE(centre.loginView()->isHidden());
}

TEST_F(UserCentreX11Test, SignInViewTakesKeysAndShowsItsCode)
{
    const QString address = QStringLiteral("http://127.0.0.1:8080/a?b=1&c=%E4%B8%AD");
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::WebSite, address);
    VQLoginView view;
    view.initUIData();
    view.resize(760, 660);
    view.move(40, 40);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    XTestUser user;
    ASSERT_TRUE(user.ok());

    user.click(middleOf(view.authCodeTextField()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return view.authCodeTextField()->hasFocus(); }, 10000));
    typeAscii(user, "12ab");
    EXPECT_TRUE(vqtest::waitUntil([&] { return view.authCodeTextField()->text() == QLatin1String("12"); }, 10000));
    vqtest::spin(200); // the refused keys must not arrive late either
    EXPECT_EQ(view.authCodeTextField()->text(), QStringLiteral("12"));

    user.click(middleOf(view.passwordBtn()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return view.isPasswordMode(); }, 10000));
    EXPECT_TRUE(view.authCodeTextField()->text().isEmpty());
    user.click(middleOf(view.authCodeTextField()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return view.authCodeTextField()->hasFocus(); }, 10000));
    typeAscii(user, "ab");
    EXPECT_TRUE(vqtest::waitUntil([&] { return view.authCodeTextField()->text() == QLatin1String("ab"); }, 10000));
    EXPECT_EQ(view.authCodeTextField()->displayText().size(), 2);
    EXPECT_FALSE(view.authCodeTextField()->displayText().contains(u'a'));

    // The code as the screen shows it.
    vqtest::spin(100);
    const QImage screen = view.screen()->grabWindow(0, view.x(), view.y(), view.width(), view.height()).toImage();
    vqtest::QrCodeReader reader;
    ASSERT_TRUE(reader.isLoaded()) << "libzbar.so.0 is missing (scripts/setup installs libzbar-dev)";
    EXPECT_EQ(reader.decode(screen), QStringList { address });
}

} // namespace
