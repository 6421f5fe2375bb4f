// The forms and the header against the stand-in account API and an in-memory keyring, hosted
// as the my-device page would host them (a 760x660 widget with the header at its top).
#include "FakeCredentialStore.h"
#include "FakeDesktopOpener.h"
#include "ForgetPasswordView.h"
#include "LoginView.h"
#include "MineHeaderView.h"
#include "NotificationCenter.h"
#include "RegisterView.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQApiConfig.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQInputView.h"
#include "VQLabel.h"
#include "VQLoginResultModel.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQRememberedPassword.h"
#include "VQSecureTextField.h"
#include "VQTextField.h"
#include "VQTipWindow.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kPassword = QStringLiteral("p&a+s=s#%密码 é🎉");
constexpr qint64 kExpirySeconds = 1700000000;

QString expiryLine(qint64 seconds)
{
    return QStringLiteral("到期时间:") + QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd"));
}

class AccountFormsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQRememberedPassword::resetForTests();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        ASSERT_TRUE(maker.listen());
        maker.installAsMakerServices();
        VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::WebSite, QStringLiteral("http://site.test"));
        VQToolManager::setErrorPresenter([this](const QString& message, const QString& detail) {
            alerts << (detail.isEmpty() ? message : message + u'|' + detail);
        });
        NotificationCenter::defaultCenter().addObserver(&page, QString::fromLatin1(vq::kLoginSuccessNotification),
                                                        [this](const VQNotification&) { ++loginNotifications; });
        setMemberInfo(QString::number(kExpirySeconds * 1000));
        page.resize(760, 660);
        header = new MineHeaderView(&page);
        header->setGeometry(0, 50, 760, MineHeaderView::kHeight);
    }

    void TearDown() override
    {
        VQToolManager::setErrorPresenter({});
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQPopupWindowTool::resetForTests();
        UserDefaults::standard().synchronize();
    }

    // memberInfo answers the account of the token it is sent, expiring at the given time.
    void setMemberInfo(const QString& expiry)
    {
        maker.setResponder(QStringLiteral("/account/memberInfo"), [expiry](const vqtest::StandInRequest& request) {
            const QString token = request.queryValue(QStringLiteral("token")).value_or(QString());
            QJsonObject data;
            data.insert(QStringLiteral("account"), QString(QStringLiteral("member-") + token));
            data.insert(QStringLiteral("token"), token);
            if (!expiry.isEmpty())
                data.insert(QStringLiteral("expiredTime"), expiry.toLongLong());
            return vqtest::StandInReply::account(data);
        });
    }

    void answerLogin(const QJsonValue& data, int code = 200, const QString& message = QStringLiteral("success"))
    {
        maker.setReply(QStringLiteral("/account/login"), vqtest::StandInReply::account(data, code, message));
    }

    QList<LoginView*> loginForms() const
    {
        return page.findChildren<LoginView*>(QString(), Qt::FindDirectChildrenOnly);
    }

    LoginView* openLogin()
    {
        header->loginBtn()->performClick();
        return loginForms().isEmpty() ? nullptr : loginForms().last();
    }

    static void fill(VQInputView* field, const QString& text)
    {
        field->setStringValue(text);
    }

    int requestsTo(const QString& path) const
    {
        int count = 0;
        for (const auto& request : maker.requests())
            count += request.path == path ? 1 : 0;
        return count;
    }

    QString tipText() const { return VQPopupWindowTool::sharedInstance().tipWindow()->text(); }

    FakeCredentialStore keyring;
    FakeDesktopOpener opener;
    vqtest::StandInHttpServer maker;
    QWidget page;
    MineHeaderView* header = nullptr;
    QStringList alerts;
    int loginNotifications = 0;
};

} // namespace

TEST_F(AccountFormsTest, EachFormChecksItsInputInOrder)
{
    struct CheckCase {
        const char* form; // "login", "register", "reset"
        const char* account;
        const char* code;
        const char* password;
        const char* confirmation;
        bool consent;
        const char* alert;
    };
    const CheckCase cases[] = {
        { "login", "", "", "", "", false, "信息不能为空|请填写手机号/邮箱" },
        { "login", "u", "", "", "", false, "信息不能为空|请填写密码" },
        { "register", "", "", "", "", false, "信息不能为空|请填写手机号/邮箱" },
        { "register", "u", "", "", "", false, "信息不能为空|请填写验证码" },
        { "register", "u", "1", "", "", false, "信息不能为空|请填写密码" },
        { "register", "u", "1", "pw", "", false, "信息不能为空|请填写确认密码" },
        { "register", "u", "1", "pw", "PW", true, "两次输入密码不一致" },
        { "register", "u", "1", "pw", "pw", false, "请先阅读并同意<<Corvane隐私政策>>及<<Corvane用户服务协议>>" },
        { "reset", "u", "1", "pw", "Pw", false, "两次输入密码不一致" },
        { "reset", "", "1", "pw", "pw", false, "信息不能为空|请填写手机号/邮箱" },
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.alert);
        alerts.clear();
        LoginView login;
        if (QLatin1String(c.form) == QLatin1String("login")) {
            fill(login.accountInputView(), QString::fromUtf8(c.account));
            fill(login.passwordInputView(), QString::fromUtf8(c.password));
            login.loginBtn()->performClick();
        } else {
            RegisterView* form = QLatin1String(c.form) == QLatin1String("reset") ? new ForgetPasswordView(&login)
                                                                                 : new RegisterView(&login);
            fill(form->accountInputView(), QString::fromUtf8(c.account));
            fill(form->codeInputView(), QString::fromUtf8(c.code));
            fill(form->passwordInputView(), QString::fromUtf8(c.password));
            fill(form->passwordConfirmInputView(), QString::fromUtf8(c.confirmation));
            if (c.consent)
                form->checkBtn()->performClick();
            form->registerBtn()->performClick();
        }
        EXPECT_EQ(alerts, QStringList { QString::fromUtf8(c.alert) });
    }
    vqtest::spin(50);
    EXPECT_EQ(maker.requestCount(), 0);
}

TEST_F(AccountFormsTest, LoginSignsInAndTheHeaderShowsTheMember)
{
    EXPECT_TRUE(header->moneyLabel()->isHidden());
    EXPECT_EQ(header->nameLabel()->text(), QStringLiteral("请先登录"));
    answerLogin(QJsonObject { { QStringLiteral("token"), QStringLiteral("T1") } });
    LoginView* first = openLogin();
    LoginView* second = openLogin(); // a quick second press adds another form
    ASSERT_NE(first, second);
    fill(second->accountInputView(), QStringLiteral("user@example.com"));
    fill(second->passwordInputView(), kPassword);
    second->loginBtn()->performClick();
    fill(second->accountInputView(), QStringLiteral("edited")); // typed after sending: not stored

    ASSERT_TRUE(vqtest::waitUntil([&] { return header->nameLabel()->text() == QStringLiteral("member-T1"); }));
    const vqtest::StandInRequest login = maker.requests().first();
    EXPECT_EQ(login.path, QStringLiteral("/account/login"));
    EXPECT_EQ(login.queryNames(), (QStringList { "account", "password", "serialNo" }));
    EXPECT_EQ(login.queryValue(QStringLiteral("password")), kPassword);
    EXPECT_EQ(maker.lastRequest().queryValue(QStringLiteral("token")), QStringLiteral("T1"));

    VQUserInfoData& data = VQUserInfoData::sharedInstance();
    EXPECT_TRUE(data.isLogin());
    EXPECT_EQ(data.account(), QStringLiteral("user@example.com"));
    EXPECT_EQ(data.password(), kPassword);
    EXPECT_EQ(tipText(), QStringLiteral("登录成功"));
    EXPECT_EQ(loginNotifications, 1);
    EXPECT_TRUE(loginForms().isEmpty()); // both forms
    EXPECT_EQ(header->moneyLabel()->text(), expiryLine(kExpirySeconds));
    EXPECT_FALSE(header->rechargeBtn()->isHidden());
    EXPECT_TRUE(header->loginBtn()->isHidden());

    // The same time in seconds shows the same date; a re-title keeps name and date.
    setMemberInfo(QString::number(kExpirySeconds));
    header->getUserInfo();
    ASSERT_TRUE(vqtest::waitUntil([&] { return requestsTo(QStringLiteral("/account/memberInfo")) == 2; }));
    vqtest::spin(100);
    EXPECT_EQ(header->moneyLabel()->text(), expiryLine(kExpirySeconds));
    NotificationCenter::defaultCenter().post(QStringLiteral("kUpdateTitleNotification"));
    EXPECT_EQ(header->nameLabel()->text(), QStringLiteral("member-T1"));
    EXPECT_EQ(header->moneyLabel()->text(), expiryLine(kExpirySeconds));

    // A record without an expiry shows no date; one without a data object keeps the record.
    setMemberInfo(QString());
    header->getUserInfo();
    ASSERT_TRUE(vqtest::waitUntil([&] { return header->moneyLabel()->text().isEmpty(); }));
    maker.setResponder(QStringLiteral("/account/memberInfo"), [](const vqtest::StandInRequest&) {
        return vqtest::StandInReply::account(QJsonValue());
    });
    header->getUserInfo();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !alerts.isEmpty(); }));
    EXPECT_EQ(alerts, QStringList { QStringLiteral("获取用户信息失败|系统错误") });
    ASSERT_NE(data.loginResult(), nullptr);
    EXPECT_EQ(data.loginResult()->token(), QStringLiteral("T1"));
    EXPECT_EQ(header->nameLabel()->text(), QStringLiteral("member-T1"));
}

TEST_F(AccountFormsTest, FailedLoginsStoreNothing)
{
    struct FailureCase {
        const char* what;
        std::function<void()> arrange;
        const char* alert;
    };
    const FailureCase cases[] = {
        { "refused", [this] { answerLogin(QJsonValue(), 500, QStringLiteral("密码错误")); }, "登录失败|密码错误" },
        { "no object", [this] { answerLogin(QJsonValue(QStringLiteral("ok"))); }, "登录失败|系统错误" },
        { "closed", [this] { maker.close(); }, "登录失败|请检查网络" },
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        alerts.clear();
        c.arrange();
        LoginView* form = openLogin();
        fill(form->accountInputView(), QStringLiteral("u1"));
        fill(form->passwordInputView(), QStringLiteral("pw"));
        form->loginBtn()->performClick();
        ASSERT_TRUE(vqtest::waitUntil([&] { return !alerts.isEmpty(); }));
        EXPECT_EQ(alerts, QStringList { QString::fromUtf8(c.alert) });
        EXPECT_FALSE(VQUserInfoData::sharedInstance().isLogin());
        EXPECT_EQ(VQUserInfoData::sharedInstance().loginResult(), nullptr);
        EXPECT_TRUE(VQUserInfoData::sharedInstance().account().isEmpty());
        EXPECT_EQ(loginNotifications, 0);
        EXPECT_TRUE(tipText().isEmpty());
    }
}

TEST_F(AccountFormsTest, CodesRegistrationResetBackAndLinks)
{
    LoginView* login = openLogin();
    login->registerBtnClicked(nullptr);
    auto* registration = login->findChild<RegisterView*>();
    ASSERT_NE(registration, nullptr);

    // getCode: EMAIL and REGISTER; a failure re-enables the button.
    fill(registration->accountInputView(), QStringLiteral("a@b"));
    registration->codeInputView()->rightBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return registration->codeInputView()->timer() != nullptr; }));
    EXPECT_EQ(maker.lastRequest().queryValue(QStringLiteral("accountType")), QStringLiteral("EMAIL"));
    EXPECT_EQ(maker.lastRequest().queryValue(QStringLiteral("codeType")), QStringLiteral("REGISTER"));
    maker.setReply(QStringLiteral("/account/getCode"),
                   vqtest::StandInReply::account(QJsonValue(), 400, QStringLiteral("too often")));
    registration->codeInputView()->invalidateTimer();
    registration->codeInputView()->rightBtn()->setEnabled(true);
    fill(registration->accountInputView(), QStringLiteral("1380013800a"));
    registration->codeInputView()->rightBtn()->performClick();
    EXPECT_FALSE(registration->codeInputView()->rightBtn()->isEnabled());
    ASSERT_TRUE(vqtest::waitUntil([&] { return registration->codeInputView()->rightBtn()->isEnabled(); }));
    EXPECT_EQ(alerts, QStringList { QStringLiteral("获取验证码失败|too often") });
    EXPECT_EQ(maker.lastRequest().queryValue(QStringLiteral("accountType")), QStringLiteral("PHONE"));

    // The links open the maker's two pages.
    registration->privacyBtn()->performClick();
    registration->agreementBtn()->performClick();
    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_EQ(opener.opened[0].toString(), QStringLiteral("http://site.test/software/opalnote/explain/views/yhxy.html"));
    EXPECT_EQ(opener.opened[1].toString(), QStringLiteral("http://site.test/software/opalnote/explain/views/yszc.html"));

    // A reset: RESET code, tip, slide back; the login form stays.
    login->forgetPasswordBtnClicked(nullptr);
    auto* reset = login->findChild<ForgetPasswordView*>();
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->registerBtn()->title(), QStringLiteral("找回秘密"));
    fill(reset->accountInputView(), QStringLiteral("u2"));
    maker.setReply(QStringLiteral("/account/getCode"), vqtest::StandInReply::account(QJsonValue()));
    reset->codeInputView()->rightBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return reset->codeInputView()->timer() != nullptr; }));
    EXPECT_EQ(maker.lastRequest().queryValue(QStringLiteral("codeType")), QStringLiteral("RESET"));
    fill(reset->codeInputView(), QStringLiteral("1234"));
    fill(reset->passwordInputView(), QStringLiteral("new"));
    fill(reset->passwordConfirmInputView(), QStringLiteral("new"));
    QPointer<ForgetPasswordView> resetGuard(reset);
    QElapsedTimer slide;
    slide.start();
    reset->registerBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return tipText() == QStringLiteral("修改密码成功"); }));
    ASSERT_TRUE(vqtest::waitUntil([&] { return !resetGuard || !resetGuard->parent(); }));
    EXPECT_GE(slide.elapsed(), 340);
    EXPECT_FALSE(VQUserInfoData::sharedInstance().isLogin());
    EXPECT_EQ(loginForms().size(), 1);

    // A registration signs in without a tip and closes the login form with it.
    VQPopupWindowTool::resetForTests();
    maker.setReply(QStringLiteral("/account/register"),
                   vqtest::StandInReply::account(QJsonObject { { QStringLiteral("token"), QStringLiteral("R1") } }));
    fill(registration->accountInputView(), QStringLiteral("new@user"));
    fill(registration->codeInputView(), QStringLiteral("9"));
    fill(registration->passwordInputView(), QStringLiteral("pw"));
    fill(registration->passwordConfirmInputView(), QStringLiteral("pw"));
    registration->checkBtn()->performClick();
    registration->registerBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return header->nameLabel()->text() == QStringLiteral("member-R1"); }));
    EXPECT_EQ(maker.requests().at(maker.requestCount() - 2).queryValue(QStringLiteral("type")), QStringLiteral("EMAIL"));
    EXPECT_TRUE(loginForms().isEmpty());
    EXPECT_TRUE(tipText().isEmpty());
    EXPECT_TRUE(VQUserInfoData::sharedInstance().account().isEmpty()); // registration stores no account

    // Back removes the form 0.35 s later.
    LoginView* again = openLogin();
    QPointer<LoginView> guard(again);
    slide.restart();
    again->backBtn()->performClick();
    EXPECT_EQ(loginForms().size(), 1);
    ASSERT_TRUE(vqtest::waitUntil([&] { return loginForms().isEmpty(); }));
    EXPECT_GE(slide.elapsed(), 340);
}

TEST_F(AccountFormsTest, RememberedPasswordLivesOnlyInTheKeyring)
{
    const auto signIn = [this](const QString& account, bool remember) {
        LoginView* form = openLogin();
        if ((form->checkBtn()->state() == 1) != remember)
            form->rememberPasswordBtn()->performClick(); // the words toggle the box too
        fill(form->accountInputView(), account);
        fill(form->passwordInputView(), kPassword);
        const int before = loginNotifications;
        form->loginBtn()->performClick();
        return vqtest::waitUntil([&] { return loginNotifications == before + 1; });
    };
    const QString settingsFile = UserDefaults::standard().filePath();
    answerLogin(QJsonObject { { QStringLiteral("token"), QStringLiteral("K") } });

    ASSERT_TRUE(signIn(QStringLiteral("first"), false));
    vqtest::spin(50);
    EXPECT_TRUE(keyring.items.isEmpty());

    ASSERT_TRUE(signIn(QStringLiteral("first"), true));
    ASSERT_TRUE(vqtest::waitUntil([&] { return keyring.items.value(QStringLiteral("first")) == kPassword; }));
    ASSERT_TRUE(signIn(QStringLiteral("second"), true));
    ASSERT_TRUE(vqtest::waitUntil([&] { return keyring.items.keys() == QStringList { "second" }; }));

    // A fresh launch: the form is filled when the keyring answers, the account at once.
    VQUserInfoData::resetForTests();
    keyring.holdLoads = true;
    LoginView* form = openLogin();
    EXPECT_EQ(form->accountInputView()->stringValue(), QStringLiteral("second"));
    EXPECT_TRUE(form->passwordInputView()->stringValue().isEmpty());
    keyring.releaseLoads();
    ASSERT_TRUE(vqtest::waitUntil([&] { return form->passwordInputView()->stringValue() == kPassword; }));
    LoginView* typed = openLogin();
    QTest::keyClicks(typed->passwordInputView()->secureTextField(), QStringLiteral("mine"));
    keyring.releaseLoads();
    vqtest::spin(50);
    EXPECT_EQ(typed->passwordInputView()->stringValue(), QStringLiteral("mine"));

    // Turning the box off removes the item.
    typed->checkBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return keyring.items.isEmpty(); }));
    EXPECT_FALSE(VQUserInfoData::sharedInstance().rememberPasswordSwitch());

    // No keyring: nothing kept anywhere, the user is told why and the box is off; the form
    // still signs in.
    keyring.available = false;
    ASSERT_TRUE(signIn(QStringLiteral("third"), true));
    EXPECT_TRUE(vqtest::waitUntil([&] { return tipText() == QString::fromUtf8(VQRememberedPassword::kNoKeyringText); })) << tipText().toStdString();
    EXPECT_TRUE(keyring.items.isEmpty());
    EXPECT_FALSE(VQUserInfoData::sharedInstance().rememberPasswordSwitch());
    VQUserInfoData::resetForTests();
    EXPECT_EQ(openLogin()->checkBtn()->state(), 0);

    UserDefaults::standard().synchronize();
    QFile file(settingsFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    EXPECT_FALSE(stored.contains(kPassword.toUtf8()));
    EXPECT_FALSE(stored.contains("passwordKey"));
}

TEST_F(AccountFormsTest, RendersTheHeaderAndTheForms)
{
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(dir));
    const auto render = [&](QWidget* settled, const char* name) {
        EXPECT_TRUE(vqtest::waitUntil([&] { return settled->x() == 0; })) << name;
        const QImage image = page.grab().toImage();
        EXPECT_TRUE(image.save(dir + QStringLiteral("/account_%1.png").arg(QLatin1String(name)))) << name;
        return image;
    };
    const QImage loggedOut = render(header, "header_logged_out");

    LoginView* login = openLogin();
    render(login, "login_empty");
    fill(login->accountInputView(), QStringLiteral("user@example.com"));
    fill(login->passwordInputView(), QStringLiteral("secret"));
    login->checkBtn()->performClick();
    const QImage masked = page.grab().toImage();
    login->passwordInputView()->rightBtn()->performClick();
    EXPECT_EQ(login->passwordInputView()->stringValue(), QStringLiteral("secret"));
    EXPECT_NE(render(login, "login_password_shown"), masked);

    answerLogin(QJsonObject { { QStringLiteral("token"), QStringLiteral("T1") } });
    login->passwordInputView()->rightBtn()->performClick();
    login->loginBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !header->moneyLabel()->text().isEmpty() && loginForms().isEmpty(); }));
    EXPECT_NE(render(header, "header_logged_in"), loggedOut);

    // The next launch: account and remembered password filled in.
    VQUserInfoData::resetForTests();
    LoginView* prefilled = openLogin();
    ASSERT_TRUE(vqtest::waitUntil([&] { return prefilled->passwordInputView()->stringValue() == QStringLiteral("secret"); }));
    render(prefilled, "login_prefilled");

    prefilled->registerBtnClicked(nullptr);
    auto* registration = prefilled->findChild<RegisterView*>();
    ASSERT_NE(registration, nullptr);
    fill(registration->accountInputView(), QStringLiteral("new@user"));
    registration->codeInputView()->getVerificationCode();
    for (int tick = 0; tick < 3; ++tick)
        registration->codeInputView()->showRightBtnState();
    EXPECT_FALSE(registration->codeInputView()->rightBtn()->isEnabled());
    render(registration, "register_countdown");
    registration->codeInputView()->invalidateTimer();

    prefilled->forgetPasswordBtnClicked(nullptr);
    auto* reset = prefilled->findChild<ForgetPasswordView*>();
    ASSERT_NE(reset, nullptr);
    render(reset, "reset");
}
