// Renders the shell's windows on a real X server to PNG files in the build folder
// (renders/shell_*.png), so anyone can look at them, and checks what the pictures must show.
#include "AppDelegate.h"
#include "AuthorityManagementWindowController.h"
#include "NotificationCenter.h"
#include "SoftwareManagerViewController.h"
#include "UserDefaults.h"
#include "VQBaseViewController.h"
#include "VQButton.h"
#include "VQGuidePopover.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQLeftNavigationView.h"
#include "VQMainWindow.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQStatusItem.h"
#include "VQUserInfoData.h"

#include "TestSupport.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWindow>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include <X11/Xlib.h>

namespace {

// A tray host as far as programs can tell: a second X client owning the system tray selection
// of the screen. It docks an icon into its own window at kIconPlace only when pumped.
class FakeTrayHost {
public:
    static constexpr QRect kIconPlace{1700, 0, 24, 24};

    FakeTrayHost()
    {
        m_display = XOpenDisplay(nullptr);
        if (m_display == nullptr)
            return;
        const int screen = DefaultScreen(m_display);
        const QByteArray name = QByteArrayLiteral("_NET_SYSTEM_TRAY_S") + QByteArray::number(screen);
        m_selection = XInternAtom(m_display, name.constData(), False);
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        m_window = XCreateWindow(m_display, RootWindow(m_display, screen), kIconPlace.x(), kIconPlace.y(), kIconPlace.width(),
                                 kIconPlace.height(), 0, CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
        XMapWindow(m_display, m_window);
        XSetSelectionOwner(m_display, m_selection, m_window, CurrentTime);
        XSync(m_display, False);
    }
    ~FakeTrayHost()
    {
        if (m_display == nullptr)
            return;
        XDestroyWindow(m_display, m_window);
        XCloseDisplay(m_display);
    }
    bool owns() const { return m_display != nullptr && XGetSelectionOwner(m_display, m_selection) == m_window; }
    // Docks the icons whose dock requests came; true when one was docked.
    bool pump()
    {
        const Atom opcode = XInternAtom(m_display, "_NET_SYSTEM_TRAY_OPCODE", False);
        bool docked = false;
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == opcode && event.xclient.data.l[1] == 0) {
                const Window icon = Window(event.xclient.data.l[2]);
                XReparentWindow(m_display, icon, m_window, 0, 0);
                XResizeWindow(m_display, icon, kIconPlace.width(), kIconPlace.height());
                XMapWindow(m_display, icon);
                docked = true;
            }
        }
        XSync(m_display, False);
        return docked;
    }

private:
    Display* m_display = nullptr;
    Atom m_selection = 0;
    Window m_window = 0;
};

const QColor kSelectedBackground(224, 245, 249);

// A page of a later subsystem: its name, large, on a white page.
class NamedPage : public VQBaseViewController {
public:
    explicit NamedPage(QString name)
        : m_name(std::move(name))
    {
    }

protected:
    void viewDidLoad() override
    {
        VQBaseViewController::viewDidLoad();
        auto* label = new QLabel(m_name, view());
        QFont font = label->font();
        font.setPixelSize(22);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: #707070"));
        label->move(40, 40);
    }

private:
    QString m_name;
};

class ShellRenderX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(2);
        UserDefaults::standard().setValue(QString::fromLatin1(VQLanguageManager::uiLanguageIndexKey), qint64(2));
        VQLanguageManager::sharedInstance().shouldRefreshData();
        const char* names[] = { "Mouse settings page", "Smart settings page", nullptr, "Personalization page",
                                "My device page", "Detection page", "Lighting page", "Laser pen page" };
        for (int tag = 0; tag < AppDelegate::kPageCount; ++tag) {
            if (names[tag] != nullptr)
                AppDelegate::registerPageFactory(tag, [name = QString::fromLatin1(names[tag])] { return new NamedPage(name); });
        }
        ASSERT_TRUE(QDir().mkpath(renderDir()));
    }

    void TearDown() override
    {
        app.reset();
        reset();
    }

    static void reset()
    {
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        NotificationCenter::defaultCenter().resetForTests();
        VQPopupWindowTool::resetForTests();
        AppDelegate::resetPageFactoriesForTests();
    }

    static QString renderDir() { return QStringLiteral(VQ_BUILD_DIR "/renders"); }

    AppDelegate& launch()
    {
        app = std::make_unique<AppDelegate>();
        app->setTerminator([] {});
        app->applicationDidFinishLaunching();
        return *app;
    }

    static void connect(quint64 mouseType, qint64 deviceType)
    {
        VQUserInfoData& info = VQUserInfoData::sharedInstance();
        info.mouseInfoItem().setMouseType(mouseType);
        info.mouseInfoItem().setDeviceType(deviceType);
        info.setIsConnect(true);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUSBInsertNotification));
    }

    // Waits until the window is on the screen, grabs it and writes it; returns the picture.
    static QImage render(QWidget* window, const QString& name)
    {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << name.toStdString();
        vqtest::spin(100);
        const QImage image = window->grab().toImage();
        const QString path = renderDir() + QStringLiteral("/shell_") + name + QStringLiteral(".png");
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        const QImage written(path);
        EXPECT_FALSE(written.isNull()) << path.toStdString();
        return written;
    }

    std::unique_ptr<AppDelegate> app;
};

} // namespace

TEST_F(ShellRenderX11Test, GuideWhileNoDeviceIsConnected)
{
    AppDelegate& delegate = launch();
    ASSERT_TRUE(vqtest::waitUntil([&delegate] { return delegate.isReady(); }, 3000));
    VQGuidePopover* guide = delegate.guidePopover();
    ASSERT_TRUE(guide->isVisible());
    const QImage image = render(guide, QStringLiteral("guide"));
    EXPECT_EQ(image.size() / image.devicePixelRatio(), QSize(VQGuidePopover::kWidth, VQGuidePopover::kHeight));
    // The quit button is drawn in the accent colour.
    const QPoint quitCenter = delegate.guidePopover()->quitButton()->geometry().center();
    EXPECT_EQ(image.pixelColor(quitCenter.x() - 30, quitCenter.y() - 10), QColor(0, 175, 204));
}

TEST_F(ShellRenderX11Test, MainWindowWithItsNavigation)
{
    AppDelegate& delegate = launch();
    connect(56, 1);
    ASSERT_TRUE(delegate.mainWindow()->isVisible());
    delegate.selectPageWithTag(AppDelegate::SoftwareManagerTag);
    delegate.mainWindow()->lowElectricImageView()->show();
    const QImage mouse = render(delegate.mainWindow(), QStringLiteral("main_window"));

    // The selected item (the software page) is highlighted, the others are not.
    VQLeftNavigationView* navigation = delegate.mainWindow()->navigationView();
    auto itemPoint = [&](int tag) {
        VQButton* button = navigation->buttonForTag(tag);
        return button->mapTo(delegate.mainWindow(), QPoint(button->width() - 8, button->height() / 2));
    };
    EXPECT_EQ(mouse.pixelColor(itemPoint(2)), kSelectedBackground);
    EXPECT_NE(mouse.pixelColor(itemPoint(6)), kSelectedBackground);
    EXPECT_EQ(navigation->titleForTag(6), QStringLiteral("Preferences"));

    // A laser pen brings its page to the top.
    connect(202, 2);
    delegate.manualSelectedItemWithIndex(0);
    const QImage pen = render(delegate.mainWindow(), QStringLiteral("main_window_laser_pen"));
    EXPECT_EQ(navigation->tags(), QList<int>({ 7, 1, 2, 3 }));
    EXPECT_EQ(pen.pixelColor(itemPoint(7)), kSelectedBackground);
}

TEST_F(ShellRenderX11Test, LowBatteryTip)
{
    AppDelegate& delegate = launch();
    connect(41, 1);
    VQUserInfoData::sharedInstance().mouseInfoItem().setPowerPercent(5);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadElectricInfoNotification));
    VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), QStringLiteral("Battery low, please charge"));
    const QImage image = render(tip, QStringLiteral("tip_low_battery"));
    EXPECT_EQ(image.size() / image.devicePixelRatio(), QSize(VQTipWindow::tipWidth, VQTipWindow::tipHeight));
    EXPECT_TRUE(delegate.mainWindow()->lowElectricImageView()->isVisibleTo(delegate.mainWindow()));
}

TEST_F(ShellRenderX11Test, PermissionsWindow)
{
    AppDelegate& delegate = launch();
    AuthorityManagementWindowController* window = delegate.authorityManagementWindowController();
    window->showWindow();
    // An X11 session here; no receiver plugged in.
    EXPECT_EQ(window->x11StateText(), QStringLiteral("Granted"));
    EXPECT_EQ(window->hidrawStateText(), QStringLiteral("No receiver found"));
    EXPECT_TRUE(window->commandLabel()->isVisible());
    render(window, QStringLiteral("permissions"));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "Escape closes it";
}

TEST_F(ShellRenderX11Test, PermissionsWindowInAWaylandSession)
{
    const QByteArray savedType = qgetenv("XDG_SESSION_TYPE");
    const QByteArray savedDisplay = qgetenv("WAYLAND_DISPLAY");
    const auto restore = qScopeGuard([&] {
        savedType.isNull() ? qunsetenv("XDG_SESSION_TYPE") : qputenv("XDG_SESSION_TYPE", savedType);
        savedDisplay.isNull() ? qunsetenv("WAYLAND_DISPLAY") : qputenv("WAYLAND_DISPLAY", savedDisplay);
    });
    qputenv("XDG_SESSION_TYPE", "wayland");
    qputenv("WAYLAND_DISPLAY", "wayland-0");

    // The first start in such a session shows what it leaves out.
    AuthorityManagementWindowController* window = launch().authorityManagementWindowController();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->x11StateText(), QStringLiteral("Limited"));
    EXPECT_TRUE(window->x11HowToText().contains(QStringLiteral("not with native Wayland windows"))) << window->x11HowToText().toStdString();
    render(window, QStringLiteral("permissions_wayland"));

    // Later starts leave it to the log.
    app.reset();
    EXPECT_FALSE(launch().authorityManagementWindowController()->isVisible());
}

TEST_F(ShellRenderX11Test, GuideAndMainWindowInChinese)
{
    VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
    VQLanguageManager::sharedInstance().shouldRefreshData();
    AppDelegate& delegate = launch();
    render(delegate.guidePopover(), QStringLiteral("guide_zh"));
    connect(72, 1);
    delegate.selectPageWithTag(AppDelegate::SoftwareManagerTag);
    render(delegate.mainWindow(), QStringLiteral("main_window_zh"));
    EXPECT_EQ(delegate.mainWindow()->navigationView()->titleForTag(2), QStringLiteral("软件设置"));
    delegate.authorityManagementWindowController()->showWindow();
    render(delegate.authorityManagementWindowController(), QStringLiteral("permissions_zh"));
}

TEST_F(ShellRenderX11Test, WithATrayTheStatusItemLeadsAndTheGuideIsAPopover)
{
    FakeTrayHost tray;
    ASSERT_TRUE(tray.owns());
    AppDelegate& delegate = launch();
    int terminated = 0;
    delegate.setTerminator([&terminated] { ++terminated; });
    VQStatusItem* item = delegate.statusItem();
    ASSERT_TRUE(item->isTrayAvailable());
    EXPECT_TRUE(item->isShown());
    EXPECT_TRUE(delegate.isReady());

    // At start the guide pops up as a popover; the icon is not docked yet, so its place is not
    // known: the guide is in the middle of the screen with the pointer, not in a corner.
    VQGuidePopover* guide = delegate.guidePopover();
    ASSERT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->isAnchored());
    EXPECT_TRUE(guide->windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = QGuiApplication::screenAt(QCursor::pos())->availableGeometry();
    EXPECT_LE((guide->geometry().center() - screen.center()).manhattanLength(), 2) << guide->geometry().x() << "," << guide->geometry().y();
    render(guide, QStringLiteral("guide_popover"));
    // Docked, the icon has a place: the guide opens below it.
    ASSERT_TRUE(vqtest::waitUntil([&tray] { return tray.pump(); }, 3000));
    guide->hide();
    ASSERT_TRUE(vqtest::waitUntil([&] {
        delegate.showGuide(false);
        return guide->geometry().top() > FakeTrayHost::kIconPlace.bottom();
    }, 3000)) << guide->geometry().y();
    EXPECT_LE(std::abs(guide->geometry().center().x() - std::min(FakeTrayHost::kIconPlace.center().x(), screen.right() - VQGuidePopover::kWidth / 2)), 2);
    EXPECT_LT(guide->geometry().top() - FakeTrayHost::kIconPlace.bottom(), 40);
    const QList<QAction*> actions = item->menu()->actions();
    EXPECT_EQ(actions.first()->text(), QStringLiteral("Getting started"));

    // A click on the icon toggles the guide while no device is connected.
    Q_EMIT item->trayIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(guide->isVisible());
    Q_EMIT item->trayIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(guide->isVisible());

    // The device arrives: the main window takes the guide's place, and the menu offers it.
    connect(41, 1);
    EXPECT_TRUE(delegate.mainWindow()->isVisible());
    EXPECT_FALSE(guide->isVisible());
    EXPECT_EQ(actions.first()->text(), QStringLiteral("Open main window"));

    // With the window closed, a disconnection shows nothing: the tray stays the way back.
    delegate.mainWindow()->close();
    EXPECT_TRUE(vqtest::waitUntil([&delegate] { return delegate.mainWindow()->windowHandle() == nullptr; }, 2000))
        << "a closed main window keeps its native window and backing store";
    delegate.openApp();
    EXPECT_TRUE(vqtest::waitUntil([&delegate] {
        const QWindow* window = delegate.mainWindow()->windowHandle();
        return window != nullptr && window->isExposed();
    }, 2000)) << "the main window does not come back after a close";
    delegate.mainWindow()->close();
    VQUserInfoData::sharedInstance().setIsConnect(false);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUSBRemoveNotification));
    EXPECT_FALSE(guide->isVisible());
    EXPECT_FALSE(delegate.mainWindow()->isVisible());
    EXPECT_EQ(actions.first()->text(), QStringLiteral("Getting started"));
    // An effect that put the window away ends: the tray stays the way back. A device that
    // connects brings the main window all the same.
    delegate.giveBackMainWindow();
    EXPECT_FALSE(guide->isVisible() || delegate.mainWindow()->isVisible());
    connect(41, 1);
    EXPECT_TRUE(delegate.mainWindow()->isVisible());

    // Quit from the menu hides the icon and ends the program.
    actions.last()->trigger();
    EXPECT_TRUE(vqtest::waitUntil([&terminated] { return terminated == 1; }, 1000));
    EXPECT_FALSE(item->isShown());
}

// A tray host that starts after the program (a panel late at login) gets the icon, and the guide
// that stood in for it goes; when the tray host goes away, the guide comes back.
TEST_F(ShellRenderX11Test, ATrayHostThatComesLateGetsTheIconAndOneThatGoesGivesBackTheGuide)
{
    AppDelegate& delegate = launch();
    VQStatusItem* item = delegate.statusItem();
    VQGuidePopover* guide = delegate.guidePopover();
    ASSERT_TRUE(guide->isVisible());
    EXPECT_FALSE(item->isShown());
    auto tray = std::make_unique<FakeTrayHost>();
    ASSERT_TRUE(tray->owns());
    EXPECT_TRUE(vqtest::waitUntil([&] { return item->isShown() && !guide->isVisible(); }, 5000));
    tray.reset();
    EXPECT_TRUE(vqtest::waitUntil([&] { return !item->isShown() && guide->isVisible() && !guide->isAnchored(); }, 5000));
    // With a device, a main window closed to the tray comes back when the tray goes.
    tray = std::make_unique<FakeTrayHost>();
    ASSERT_TRUE(vqtest::waitUntil([&] { return item->isShown(); }, 5000));
    connect(41, 1);
    delegate.mainWindow()->close();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !delegate.mainWindow()->isVisible(); }, 2000));
    tray.reset();
    EXPECT_TRUE(vqtest::waitUntil([&] { return delegate.mainWindow()->isVisible(); }, 5000));
}
