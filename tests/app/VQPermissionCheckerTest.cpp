#include "AuthorityManagementWindowController.h"
#include "VQPermissionChecker.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A sysfs and /dev stand-in: hidraw nodes with their HID ids, device files where asked.
class FakeHidraw {
public:
    FakeHidraw() { EXPECT_TRUE(root.isValid()); }

    void addNode(int number, const QByteArray& hidId, bool deviceFile)
    {
        const QString name = QStringLiteral("hidraw%1").arg(number);
        const QString folder = root.path() + QStringLiteral("/sys/class/hidraw/") + name + QStringLiteral("/device");
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile uevent(folder + QStringLiteral("/uevent"));
        ASSERT_TRUE(uevent.open(QIODevice::WriteOnly));
        uevent.write("DRIVER=hid-generic\n" + hidId + "\nHID_NAME=Receiver\n");
        ASSERT_TRUE(QDir().mkpath(root.path() + QStringLiteral("/dev")));
        if (deviceFile) {
            QFile node(root.path() + QStringLiteral("/dev/") + name);
            ASSERT_TRUE(node.open(QIODevice::WriteOnly));
        }
    }

    void point(VQPermissionChecker& checker) const
    {
        checker.setSysfsRoot(root.path() + QStringLiteral("/sys"));
        checker.setDevRoot(root.path() + QStringLiteral("/dev"));
    }

    QTemporaryDir root;
};

} // namespace

TEST(VQPermissionCheckerTest, ParsesTheHidIdOfAUevent)
{
    int vendor = 0;
    int product = 0;
    EXPECT_TRUE(VQPermissionChecker::parseHidId(QStringLiteral("A=1\nHID_ID=0003:0000248A:000061AB\nB=2\n"), &vendor, &product));
    EXPECT_EQ(vendor, 0x248A);
    EXPECT_EQ(product, 0x61AB);
    EXPECT_TRUE(VQPermissionChecker::parseHidId(QStringLiteral("HID_ID=0005:000027ba:000026ab"), &vendor, &product));
    EXPECT_EQ(vendor, 0x27BA);

    EXPECT_FALSE(VQPermissionChecker::parseHidId(QString(), &vendor, &product));
    EXPECT_FALSE(VQPermissionChecker::parseHidId(QStringLiteral("HID_ID=0003:0000248A"), &vendor, &product));
    EXPECT_FALSE(VQPermissionChecker::parseHidId(QStringLiteral("HID_ID=0003:zz:000061AB"), &vendor, &product));
    EXPECT_FALSE(VQPermissionChecker::parseHidId(QStringLiteral("HID_ID=0003:0010248A:000061AB"), &vendor, &product));
    EXPECT_FALSE(VQPermissionChecker::parseHidId(QStringLiteral("XHID_ID=0003:0000248A:000061AB"), &vendor, &product));
}

TEST(VQPermissionCheckerTest, FindsTheReceiversAmongTheHidrawNodes)
{
    FakeHidraw fake;
    fake.addNode(10, "HID_ID=0003:0000248A:000061AB", true);
    fake.addNode(2, "HID_ID=0005:000027BA:000026AB", true);
    fake.addNode(1, "HID_ID=0003:0000046D:0000C52B", true); // another maker's receiver
    fake.addNode(3, "HID_NAME=no id", true);
    VQPermissionChecker checker;
    fake.point(checker);

    const QList<VQPermissionChecker::HidrawNode> nodes = checker.receiverNodes();
    ASSERT_EQ(nodes.size(), 2);
    EXPECT_EQ(nodes.at(0).devicePath, fake.root.path() + QStringLiteral("/dev/hidraw2"));
    EXPECT_EQ(nodes.at(0).vendorId, 0x27BA);
    EXPECT_EQ(nodes.at(1).devicePath, fake.root.path() + QStringLiteral("/dev/hidraw10"));
    EXPECT_EQ(nodes.at(1).productId, 0x61AB);
    EXPECT_EQ(checker.hidrawState(), VQPermissionChecker::State::Granted);

    // The device link's own table decides which vendors count.
    checker.setKnownVendorIds({ 0x046D });
    EXPECT_EQ(checker.receiverNodes().size(), 1);
}

TEST(VQPermissionCheckerTest, AReceiverNodeWithoutAccessNeedsAttention)
{
    FakeHidraw fake;
    fake.addNode(0, "HID_ID=0003:0000248A:000061AB", true);
    fake.addNode(1, "HID_ID=0003:00003151:000023AB", false); // node not accessible
    VQPermissionChecker checker;
    fake.point(checker);
    EXPECT_EQ(checker.hidrawState(), VQPermissionChecker::State::NotGranted);
    EXPECT_TRUE(checker.needsAttention());

    VQPermissionChecker empty;
    empty.setSysfsRoot(fake.root.path() + QStringLiteral("/nothing"));
    EXPECT_EQ(empty.hidrawState(), VQPermissionChecker::State::NotFound);
}

TEST(VQPermissionCheckerTest, ReportsTheSessionAndTheAccessibilityBus)
{
    VQPermissionChecker checker;
    // The tests run offscreen, without an X11 session and without a session bus.
    EXPECT_EQ(checker.x11State(), VQPermissionChecker::State::NotGranted);
    int changes = 0;
    QObject::connect(&checker, &VQPermissionChecker::changed, [&changes] { ++changes; });
    checker.refresh();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(checker.accessibilityState(), VQPermissionChecker::State::NotGranted);
}

TEST(VQPermissionCheckerTest, TheX11RowFollowsThePlatformAndTheSessionType)
{
    using State = VQPermissionChecker::State;
    const QByteArray savedType = qgetenv("XDG_SESSION_TYPE");
    const QByteArray savedDisplay = qgetenv("WAYLAND_DISPLAY");
    const bool hadType = qEnvironmentVariableIsSet("XDG_SESSION_TYPE");
    const bool hadDisplay = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const auto restore = qScopeGuard([&] {
        hadType ? qputenv("XDG_SESSION_TYPE", savedType) : qunsetenv("XDG_SESSION_TYPE");
        hadDisplay ? qputenv("WAYLAND_DISPLAY", savedDisplay) : qunsetenv("WAYLAND_DISPLAY");
    });

    struct Case {
        const char* platform;
        const char* sessionType; // nullptr: unset
        const char* waylandDisplay;
        State expected;
    };
    const Case cases[] = {
        { "xcb", "x11", nullptr, State::Granted },
        { "xcb", nullptr, nullptr, State::Granted },
        { "xcb", "", "", State::Granted },
        { "xcb", "tty", nullptr, State::Granted },
        { "xcb", "wayland", "wayland-0", State::Limited },
        { "xcb", "Wayland", nullptr, State::Limited },
        { "xcb", nullptr, "wayland-0", State::Limited },
        { "xcb", "tty", "wayland-1", State::Limited },
        // A Wayland compositor running as a window of an X session.
        { "xcb", "x11", "wayland-0", State::Granted },
        { "offscreen", "x11", nullptr, State::NotGranted },
        { "wayland", "wayland", "wayland-0", State::NotGranted },
    };
    for (const Case& c : cases) {
        c.sessionType ? qputenv("XDG_SESSION_TYPE", c.sessionType) : qunsetenv("XDG_SESSION_TYPE");
        c.waylandDisplay ? qputenv("WAYLAND_DISPLAY", c.waylandDisplay) : qunsetenv("WAYLAND_DISPLAY");
        EXPECT_EQ(VQPermissionChecker::x11StateFor(QString::fromLatin1(c.platform)), c.expected)
            << c.platform << " " << (c.sessionType ? c.sessionType : "(unset)") << " "
            << (c.waylandDisplay ? c.waylandDisplay : "(unset)");
    }
}

TEST(VQPermissionCheckerTest, OffersTheShippedUdevRuleWithAnInstallCommand)
{
    const QString path = AuthorityManagementWindowController::udevRulePath();
    QFile rule(path);
    ASSERT_TRUE(rule.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray text = rule.readAll();
    for (int vendor : VQPermissionChecker::defaultVendorIds())
        EXPECT_TRUE(text.contains(QByteArray::number(vendor, 16).toUpper())) << vendor;
    EXPECT_TRUE(text.contains("TAG+=\"uaccess\""));
    rule.close();

    // A copy changed on disk is put right.
    ASSERT_TRUE(rule.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rule.write("broken");
    rule.close();
    EXPECT_EQ(AuthorityManagementWindowController::udevRulePath(), path);
    ASSERT_TRUE(rule.open(QIODevice::ReadOnly));
    EXPECT_EQ(rule.readAll(), text);

    EXPECT_EQ(AuthorityManagementWindowController::udevInstallCommand(QStringLiteral("/home/o'neil/my rules/70.rules")),
              QStringLiteral("sudo install -m 0644 '/home/o'\\''neil/my rules/70.rules' /etc/udev/rules.d/ && "
                             "sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw"));
}
