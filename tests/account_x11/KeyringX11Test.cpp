// The remembered password in a real keyring: a session bus of our own (a configuration without
// service folders, so nothing is ever activated) with gnome-keyring-daemon unlocked in the test's
// private home, started once per test process before anything uses D-Bus. A second process of
// this program (the AccountX11Child test, chosen through kChildVariable) reads the keyring, or
// starts as the user's next launch would and opens the login form.
#include "CredentialStore.h"
#include "LoginView.h"
#include "MMViewGeometry.h"
#include "MineHeaderView.h"
#include "NotificationCenter.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQInputView.h"
#include "VQLabel.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQRememberedPassword.h"
#include "VQSecureTextField.h"
#include "VQTextField.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"
#include "XTestUser.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr char kChildVariable[] = "VQ_ACCOUNT_X11_CHILD";
constexpr char kSettingsVariable[] = "VQ_ACCOUNT_X11_SETTINGS";
constexpr char kSecretsService[] = "org.freedesktop.secrets";

bool isChild()
{
    return qEnvironmentVariableIsSet(kChildVariable);
}

// A session bus that activates nothing, listening in dir; its address, empty on failure.
QByteArray startBus(QProcess& daemon, const QString& dir)
{
    if (!QDir().mkpath(dir))
        return {};
    QFile config(dir + QStringLiteral("/session.conf"));
    if (!config.open(QIODevice::WriteOnly))
        return {};
    config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                 " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                 "<busconfig><type>session</type><listen>unix:dir=");
    config.write(QFile::encodeName(dir));
    config.write("</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                 "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                 "<allow own=\"*\"/></policy></busconfig>\n");
    config.close();
    daemon.start(QStringLiteral("dbus-daemon"), { QStringLiteral("--config-file=") + config.fileName(),
                                                 QStringLiteral("--nofork"), QStringLiteral("--print-address=1") });
    if (!daemon.waitForStarted(10000) || !daemon.waitForReadyRead(10000))
        return {};
    return daemon.readLine().trimmed();
}

void endProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// The private bus and the unlocked keyring of this test process.
class PrivateKeyring : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (isChild())
            return; // a child uses its parent's bus, inherited through the environment
        const QByteArray address = startBus(m_bus, QDir::homePath() + QStringLiteral("/bus"));
        ASSERT_FALSE(address.isEmpty()) << "dbus-daemon did not start (scripts/setup installs it)";
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        m_keyring.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_keyring.start(QStringLiteral("gnome-keyring-daemon"),
                        { QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets") });
        ASSERT_TRUE(m_keyring.waitForStarted(10000)) << "gnome-keyring-daemon did not start (scripts/setup installs it)";
        m_keyring.write("unlock-for-tests");
        m_keyring.closeWriteChannel();
        ASSERT_TRUE(vqtest::waitUntil(
            [] {
                return QDBusConnection::sessionBus().interface()->isServiceRegistered(QString::fromLatin1(kSecretsService)).value();
            },
            15000));
    }
    void TearDown() override
    {
        endProcess(m_keyring);
        endProcess(m_bus);
    }

private:
    QProcess m_bus;
    QProcess m_keyring;
};

const auto* const g_keyring = ::testing::AddGlobalTestEnvironment(new PrivateKeyring);

// The answer of one keyring operation, waited for.
struct Answer {
    bool done = false;
    CredentialStore::Result result = CredentialStore::Result::Failed;
    QString secret;
    qint64 ms = 0;
};

Answer await(const std::function<void(CredentialStore::Callback)>& operation)
{
    auto answer = std::make_shared<Answer>();
    QElapsedTimer clock;
    clock.start();
    operation([answer, clock](CredentialStore::Result result, const QString& secret) {
        answer->done = true;
        answer->result = result;
        answer->secret = secret;
        answer->ms = clock.elapsed();
    });
    vqtest::waitUntil([answer] { return answer->done; }, 20000);
    return *answer;
}

// Runs this program again as the child `mode`; its "RESULT name value" lines by name.
QMap<QString, QString> runChild(const QString& mode, const QMap<QString, QString>& environment = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), mode);
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--gtest_filter=AccountX11Child.*") });
    QMap<QString, QString> results;
    if (!child.waitForStarted(10000))
        return results;
    // The event loop keeps running: the parent's own windows and servers stay responsive.
    vqtest::waitUntil([&] { return child.state() == QProcess::NotRunning; }, 60000);
    endProcess(child);
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (!line.startsWith("RESULT "))
            continue;
        const QList<QByteArray> words = line.mid(7).split(' ');
        results.insert(QString::fromUtf8(words.value(0)), QString::fromUtf8(QByteArray::fromBase64(words.value(1))));
    }
    results.insert(QStringLiteral("exit"), QString::number(child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1));
    return results;
}

void report(const char* name, const QString& value)
{
    std::printf("RESULT %s %s\n", name, value.toUtf8().toBase64().constData());
    std::fflush(stdout);
}

QPoint centreOf(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

// Types text on a US keyboard map through XTest.
void typeText(XTestUser& user, const QString& text)
{
    const QHash<QChar, unsigned long> shifted { { u'&', XK_7 }, { u'+', XK_equal }, { u'#', XK_3 },
                                                 { u'%', XK_5 }, { u'@', XK_2 } };
    for (const QChar c : text) {
        if (shifted.contains(c))
            user.chord(XK_Shift_L, shifted.value(c));
        else
            user.tap(c.unicode()); // printable ASCII keysyms are their code points
    }
}

const QString kAccount = QStringLiteral("newuser");
const QString kTypedPassword = QStringLiteral("p&a+s=s#%");
constexpr qint64 kExpirySeconds = 1700000000;

// The page area of the my-device page with the account header at its top, on the screen.
struct HeaderPage {
    HeaderPage()
    {
        page.resize(760, 660);
        page.move(40, 40);
        header = new MineHeaderView(&page);
        header->setGeometry(0, 50, 760, MineHeaderView::kHeight);
        page.show();
        page.activateWindow();
    }
    LoginView* form() const
    {
        const auto forms = page.findChildren<LoginView*>(QString(), Qt::FindDirectChildrenOnly);
        return forms.isEmpty() ? nullptr : forms.last();
    }
    QWidget page;
    MineHeaderView* header = nullptr;
};

class AccountX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (isChild())
            GTEST_SKIP() << "a child process runs only its own part";
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQRememberedPassword::resetForTests();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        ASSERT_TRUE(maker.listen());
        maker.installAsMakerServices();
        VQToolManager::setErrorPresenter([this](const QString& message, const QString& detail) {
            alerts << (detail.isEmpty() ? message : message + u'|' + detail);
        });
        maker.setReply(QStringLiteral("/account/login"),
                       vqtest::StandInReply::account(QJsonObject { { QStringLiteral("token"), QStringLiteral("E1") } }));
        QJsonObject member { { QStringLiteral("account"), kAccount }, { QStringLiteral("token"), QStringLiteral("E1") },
                             { QStringLiteral("expiredTime"), kExpirySeconds * 1000 } };
        maker.setReply(QStringLiteral("/account/memberInfo"), vqtest::StandInReply::account(member));
    }
    void TearDown() override
    {
        VQToolManager::setErrorPresenter({});
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQPopupWindowTool::resetForTests();
    }

    vqtest::StandInHttpServer maker;
    QStringList alerts;
};

} // namespace

// The second process: what mode asks for, reported on stdout.
TEST(AccountX11Child, Run)
{
    const QString mode = qEnvironmentVariable(kChildVariable);
    if (mode.isEmpty())
        GTEST_SKIP() << "runs only as a child process of the tests below";
    if (mode.startsWith(QLatin1String("load:"))) {
        const QString key = mode.mid(5);
        const Answer answer = await([&](CredentialStore::Callback done) { CredentialStore::instance().load(key, done); });
        ASSERT_TRUE(answer.done);
        report("result", QString::fromLatin1(CredentialStore::resultName(answer.result)));
        report("secret", answer.secret);
        report("ms", QString::number(answer.ms));
        return;
    }
    ASSERT_EQ(mode, QStringLiteral("launch"));
    // The next launch: the settings file the parent left, then the page and a click on "登录".
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/defaults.json");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable(kSettingsVariable), settings));
    HeaderPage shown;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.page));
    XTestUser user;
    ASSERT_TRUE(user.ok());
    user.click(centreOf(shown.header->loginBtn()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return shown.form() != nullptr; }, 10000));
    QPointer<LoginView> form = shown.form();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !form || !form->passwordInputView()->stringValue().isEmpty(); }, 10000));
    ASSERT_TRUE(form);
    report("slidingWhenFilled", form->x() > 0 ? QStringLiteral("yes") : QStringLiteral("no"));
    report("account", form->accountInputView()->stringValue());
    report("password", form->passwordInputView()->stringValue());
    const VQSecureTextField* secure = form->passwordInputView()->secureTextField();
    report("masked", secure->isVisible() && secure->echoMode() == QLineEdit::Password ? QStringLiteral("yes") : QStringLiteral("no"));
    report("remember", form->checkBtn()->state() == 1 ? QStringLiteral("on") : QStringLiteral("off"));
}

TEST_F(AccountX11Test, TheKeyringStoresForOtherProcessesRemovesAndNeverBlocks)
{
    CredentialStore& keyring = CredentialStore::instance();
    const QString secret = QStringLiteral("p&a+s=s#%密码 é🎉");
    EXPECT_EQ(await([&](auto done) { keyring.store(QStringLiteral("alice"), secret, done); }).result,
              CredentialStore::Result::Stored);
    Answer mine = await([&](auto done) { keyring.load(QStringLiteral("alice"), done); });
    EXPECT_EQ(mine.result, CredentialStore::Result::Found);
    EXPECT_EQ(mine.secret, secret);

    QMap<QString, QString> other = runChild(QStringLiteral("load:alice"));
    EXPECT_EQ(other.value(QStringLiteral("exit")), QStringLiteral("0"));
    EXPECT_EQ(other.value(QStringLiteral("result")), QStringLiteral("found"));
    EXPECT_EQ(other.value(QStringLiteral("secret")), secret);

    EXPECT_EQ(await([&](auto done) { keyring.remove(QStringLiteral("alice"), done); }).result,
              CredentialStore::Result::NotFound);
    EXPECT_EQ(await([&](auto done) { keyring.remove(QStringLiteral("alice"), done); }).result,
              CredentialStore::Result::NotFound);
    other = runChild(QStringLiteral("load:alice"));
    EXPECT_EQ(other.value(QStringLiteral("result")), QStringLiteral("not found"));

    // No bus, or a bus without a keyring: the store answers Unavailable and nothing waits on it.
    QProcess plainBus;
    const QByteArray plainAddress = startBus(plainBus, QDir::homePath() + QStringLiteral("/plain-bus"));
    ASSERT_FALSE(plainAddress.isEmpty());
    const QString busVariable = QStringLiteral("DBUS_SESSION_BUS_ADDRESS");
    const QMap<QString, QString> absent[] = {
        runChild(QStringLiteral("load:alice"), { { busVariable, QStringLiteral("unix:path=") + QDir::homePath() + QStringLiteral("/no-bus") } }),
        runChild(QStringLiteral("load:alice"), { { busVariable, QString::fromLatin1(plainAddress) } }),
    };
    endProcess(plainBus);
    for (const auto& answer : absent) {
        EXPECT_EQ(answer.value(QStringLiteral("result")), QStringLiteral("unavailable"));
        std::printf("unavailable answered after %s ms\n", qPrintable(answer.value(QStringLiteral("ms"))));
        EXPECT_LT(answer.value(QStringLiteral("ms")).toInt(), 2000);
    }

    // A keyring write and a login whose answer takes 2 s, both pending: the loop keeps its pace.
    vqtest::StandInReply slow = vqtest::StandInReply::account(QJsonObject { { QStringLiteral("token"), QStringLiteral("S") } });
    slow.delayMs = 2000;
    maker.setReply(QStringLiteral("/account/login"), slow);
    LoginView form;
    form.accountInputView()->setStringValue(QStringLiteral("bob"));
    form.passwordInputView()->setStringValue(secret);
    form.checkBtn()->performClick();
    QElapsedTimer sinceTick;
    qint64 worst = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worst = std::max(worst, sinceTick.restart() - 10);
    });
    sinceTick.start();
    tick.start();
    form.loginBtn()->performClick();
    bool written = false;
    keyring.store(QStringLiteral("carol"), secret, [&](auto, const QString&) { written = true; });
    ASSERT_TRUE(vqtest::waitUntil([&] { return written && VQUserInfoData::sharedInstance().isLogin(); }, 15000));
    tick.stop();
    std::printf("the event loop was at worst %lld ms late\n", static_cast<long long>(worst));
    EXPECT_LT(worst, 500); // a wait on the keyring or the network would show as 2 s
    ASSERT_TRUE(vqtest::waitUntil([&] {
        return await([&](auto done) { keyring.load(QStringLiteral("bob"), done); }).secret == secret;
    }));
    EXPECT_TRUE(alerts.isEmpty());
}

TEST_F(AccountX11Test, ANewUserSignsInAndTheNextLaunchRemembersUntilTheBoxIsOff)
{
    HeaderPage shown;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.page));
    XTestUser user;
    ASSERT_TRUE(user.ok());

    user.click(centreOf(shown.header->loginBtn()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return shown.form() && shown.form()->x() == 0; }, 10000));
    LoginView* form = shown.form();
    EXPECT_TRUE(form->accountInputView()->stringValue().isEmpty());
    user.click(centreOf(form->accountInputView()->textField()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return form->accountInputView()->textField()->hasFocus(); }));
    typeText(user, kAccount);
    user.click(centreOf(form->passwordInputView()->secureTextField()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return form->passwordInputView()->secureTextField()->hasFocus(); }));
    typeText(user, kTypedPassword);
    ASSERT_TRUE(vqtest::waitUntil([&] { return form->passwordInputView()->stringValue() == kTypedPassword; }));
    EXPECT_EQ(form->accountInputView()->stringValue(), kAccount);
    user.click(centreOf(form->checkBtn()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return form->checkBtn()->state() == 1; }));
    user.click(centreOf(form->loginBtn()));

    const QString expiry = QStringLiteral("到期时间:")
        + QDateTime::fromSecsSinceEpoch(kExpirySeconds).toString(QStringLiteral("yyyy-MM-dd"));
    ASSERT_TRUE(vqtest::waitUntil([&] { return shown.header->moneyLabel()->text() == expiry; }, 10000));
    EXPECT_EQ(shown.header->nameLabel()->text(), kAccount);
    EXPECT_EQ(shown.form(), nullptr);
    const vqtest::StandInRequest login = maker.requests().first();
    EXPECT_EQ(login.path, QStringLiteral("/account/login"));
    EXPECT_EQ(login.queryNames(), (QStringList { "account", "password", "serialNo" }));
    EXPECT_EQ(login.queryValue(QStringLiteral("account")), kAccount);
    EXPECT_EQ(login.queryValue(QStringLiteral("password")), kTypedPassword);

    CredentialStore& keyring = CredentialStore::instance();
    ASSERT_TRUE(vqtest::waitUntil(
        [&] { return await([&](auto done) { keyring.load(kAccount, done); }).secret == kTypedPassword; }));
    UserDefaults::standard().synchronize();
    const QString settings = UserDefaults::standard().filePath();
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    EXPECT_TRUE(stored.contains(kAccount.toUtf8()));
    EXPECT_FALSE(stored.contains(kTypedPassword.toUtf8()));
    EXPECT_FALSE(stored.contains("passwordKey"));

    // The next launch, same home and bus: the form is filled, masked, while it still slides in.
    const QMap<QString, QString> next = runChild(QStringLiteral("launch"), { { QString::fromLatin1(kSettingsVariable), settings } });
    EXPECT_EQ(next.value(QStringLiteral("exit")), QStringLiteral("0"));
    EXPECT_EQ(next.value(QStringLiteral("account")), kAccount);
    EXPECT_EQ(next.value(QStringLiteral("password")), kTypedPassword);
    EXPECT_EQ(next.value(QStringLiteral("masked")), QStringLiteral("yes"));
    EXPECT_EQ(next.value(QStringLiteral("remember")), QStringLiteral("on"));
    EXPECT_EQ(next.value(QStringLiteral("slidingWhenFilled")), QStringLiteral("yes"));

    // The box turned off removes the item: a later launch finds none.
    shown.header->loginBtnClicked(nullptr);
    ASSERT_TRUE(vqtest::waitUntil([&] { return shown.form() && shown.form()->x() == 0; }, 10000));
    form = shown.form();
    ASSERT_TRUE(vqtest::waitUntil([&] { return form->passwordInputView()->stringValue() == kTypedPassword; }));
    user.click(centreOf(form->checkBtn()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return form->checkBtn()->state() == 0; }));
    ASSERT_TRUE(vqtest::waitUntil(
        [&] { return await([&](auto done) { keyring.load(kAccount, done); }).result == CredentialStore::Result::NotFound; }));
    EXPECT_EQ(runChild(QStringLiteral("load:") + kAccount).value(QStringLiteral("result")), QStringLiteral("not found"));
    EXPECT_TRUE(alerts.isEmpty());
}
