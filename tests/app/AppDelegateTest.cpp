#include "ShellTestSupport.h"

#include "QRNLocalizedString.h"
#include "SmallFileSystem.h"
#include "TestSupport.h"
#include "VQGuidePopover.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLeftNavigationView.h"
#include "VQMainWindow.h"
#include "VQNotificationNames.h"
#include "VQTipWindow.h"
#include "UserDefaults.h"
#include "VQToolManager.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>

#include <array>

using Tags = QList<int>;

namespace {

void postLeftItemUpdate()
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateLeftItemNotification));
}

} // namespace

// --- Navigation ------------------------------------------------------------------------------

TEST_F(ShellTest, NavigationFollowsTheDeviceKind)
{
    registerStubPages();
    AppDelegate& app = launch();

    // No device known: the mouse settings page leads, no lighting page.
    EXPECT_EQ(app.leftItemTags(), Tags({ 0, 1, 2, 3 }));

    struct Case {
        const char* kind;
        quint64 mouseType;
        qint64 deviceType;
        bool isLaser;
        Tags expected;
    };
    const Case cases[] = {
        { "plain mouse", 41, 1, false, { 0, 1, 2, 3 } },
        { "mouse type 56", 56, 1, false, { 0, 1, 2, 3, 6 } },
        { "mouse type 72", 72, 0, false, { 0, 1, 2, 3, 6 } },
        { "laser pen by mouse type", 202, 1, false, { 7, 1, 2, 3 } },
        { "laser pen by device type", 41, 2, false, { 7, 1, 2, 3 } },
        { "laser pen by model information", 41, 1, true, { 7, 1, 2, 3 } },
        { "mouse type 57", 57, 1, false, { 0, 1, 2, 3 } },
    };
    for (const Case& c : cases) {
        setDevice(c.mouseType, c.deviceType, c.isLaser);
        postLeftItemUpdate();
        EXPECT_EQ(app.leftItemTags(), c.expected) << c.kind;
        EXPECT_FALSE(app.leftItemTags().contains(AppDelegate::MineTag)) << c.kind;
        EXPECT_FALSE(app.leftItemTags().contains(AppDelegate::SmartDetectionTag)) << c.kind;
    }
}

TEST_F(ShellTest, NavigationListsOnlyPagesThatExist)
{
    AppDelegate& app = launch();
    // Only the software page is built in: one item, and it is selected.
    EXPECT_EQ(app.leftItemTags(), Tags({ 2 }));
    EXPECT_EQ(app.selectedTag(), 2);
    app.selectPageWithTag(AppDelegate::SoftwareManagerTag);
    ASSERT_NE(app.pageWithTag(2), nullptr);
    EXPECT_EQ(app.mainWindow()->currentPageView(), app.pageWithTag(2)->view());

    // A page registered after start-up joins the navigation at once, in its place; it is made
    // when it is first selected.
    AppDelegate::registerPageFactory(AppDelegate::SmartSettingTag, [] { return new StubPage(1); });
    EXPECT_EQ(app.leftItemTags(), Tags({ 1, 2 }));
    EXPECT_EQ(app.pageWithTag(1), nullptr);
    app.selectPageWithTag(AppDelegate::SmartSettingTag);
    ASSERT_NE(app.pageWithTag(1), nullptr);

    // A selected tag without a page shows nothing.
    app.selectPageWithTag(AppDelegate::MouseSettingTag);
    EXPECT_EQ(app.selectedTag(), -1);
    EXPECT_EQ(app.mainWindow()->currentPageView(), nullptr);
    EXPECT_EQ(app.mainWindow()->navigationView()->selectedTag(), -1);
}

TEST_F(ShellTest, PagesAreMadeOnFirstSelectionOnceAndShownOneAtATime)
{
    std::array<int, AppDelegate::kPageCount> made {};
    for (int tag = 0; tag < AppDelegate::kPageCount; ++tag)
        AppDelegate::registerPageFactory(tag, [tag, &made] { ++made[tag]; return new StubPage(tag); });
    QList<int> selectedPages;
    AppDelegate::registerPageFactory(AppDelegate::MineTag, [&made] { ++made[AppDelegate::MineTag]; return new StubPage(4); },
                                     [&selectedPages](VQBaseViewController* page) { selectedPages.append(static_cast<StubPage*>(page)->tag()); });
    AppDelegate& app = launch();

    // Start-up lists the pages and marks the first one, but makes none.
    EXPECT_EQ(app.leftItemTags(), Tags({ 0, 1, 2, 3 }));
    EXPECT_EQ(app.selectedTag(), AppDelegate::MouseSettingTag);
    EXPECT_EQ(made, (std::array<int, AppDelegate::kPageCount> {}));
    for (int tag = 0; tag < AppDelegate::kPageCount; ++tag)
        EXPECT_EQ(app.pageWithTag(tag), nullptr) << tag;

    // The main window shows the marked page: it is made then.
    connectDevice(true);
    ASSERT_TRUE(app.mainWindow()->isVisible());
    ASSERT_NE(app.pageWithTag(AppDelegate::MouseSettingTag), nullptr);
    EXPECT_EQ(app.mainWindow()->currentPageView(), app.pageWithTag(AppDelegate::MouseSettingTag)->view());
    EXPECT_EQ(made[AppDelegate::MouseSettingTag], 1);

    app.selectPageWithTag(AppDelegate::PersonalitySettingTag);
    app.selectPageWithTag(AppDelegate::MouseSettingTag);
    app.selectPageWithTag(AppDelegate::PersonalitySettingTag);
    EXPECT_EQ(made, (std::array<int, AppDelegate::kPageCount> { 1, 0, 0, 1, 0, 0, 0, 0 }));
    for (int tag = 0; tag < AppDelegate::kPageCount; ++tag) {
        if (VQBaseViewController* page = app.pageWithTag(tag)) {
            EXPECT_EQ(page->view()->isVisibleTo(app.mainWindow()), tag == 3) << tag;
        }
    }

    // The my-device page has no item but can be shown; its hook runs on each selection, and a
    // rebuild of the navigation keeps it on show.
    app.selectPageWithTag(AppDelegate::MineTag);
    app.selectPageWithTag(AppDelegate::MineTag);
    EXPECT_EQ(selectedPages, QList<int>({ 4, 4 }));
    postLeftItemUpdate();
    EXPECT_EQ(app.selectedTag(), AppDelegate::MineTag);
    EXPECT_EQ(app.mainWindow()->navigationView()->selectedTag(), -1);
    EXPECT_EQ(made, (std::array<int, AppDelegate::kPageCount> { 1, 0, 0, 1, 1, 0, 0, 0 }));
}

TEST_F(ShellTest, ManualSelectionActsAsAClickOnTheItem)
{
    registerStubPages();
    setDevice(56, 1, false);
    AppDelegate& app = launch();
    ASSERT_EQ(app.leftItemTags(), Tags({ 0, 1, 2, 3, 6 }));

    app.manualSelectedItemWithIndex(4);
    EXPECT_EQ(app.selectedTag(), AppDelegate::PreferencesTag);
    EXPECT_EQ(app.mainWindow()->currentPageView(), app.pageWithTag(6)->view());
    EXPECT_EQ(app.mainWindow()->navigationView()->selectedTag(), 6);

    // Indexes without an item change nothing.
    app.manualSelectedItemWithIndex(5);
    app.manualSelectedItemWithIndex(-1);
    EXPECT_EQ(app.selectedTag(), AppDelegate::PreferencesTag);

    // A click on an item does the same.
    app.mainWindow()->navigationView()->buttonForTag(1)->click();
    EXPECT_EQ(app.selectedTag(), AppDelegate::SmartSettingTag);
    EXPECT_EQ(app.mainWindow()->currentPageView(), app.pageWithTag(1)->view());

    // The lighting page goes when the device changes: the first item takes its place.
    app.manualSelectedItemWithIndex(4);
    setDevice(202, 1, false);
    postLeftItemUpdate();
    EXPECT_EQ(app.leftItemTags(), Tags({ 7, 1, 2, 3 }));
    EXPECT_EQ(app.selectedTag(), AppDelegate::LaserPenSettingTag);
    // The window is away: the laser-pen page is made when the window shows.
    EXPECT_EQ(app.mainWindow()->currentPageView(), nullptr);
    app.mainWindow()->show();
    ASSERT_NE(app.pageWithTag(7), nullptr);
    EXPECT_EQ(app.mainWindow()->currentPageView(), app.pageWithTag(7)->view());
}

// --- Faces -----------------------------------------------------------------------------------

TEST_F(ShellTest, GuideWhileDisconnectedMainWindowWhileConnected)
{
    registerStubPages();
    AppDelegate& app = launch();
    // No tray on the offscreen platform: the guide stands in as an ordinary window.
    EXPECT_TRUE(app.isReady() || vqtest::waitUntil([&app] { return app.isReady(); }, 2000));
    EXPECT_TRUE(app.guidePopover()->isVisible());
    EXPECT_FALSE(app.guidePopover()->isAnchored());
    EXPECT_FALSE(app.mainWindow()->isVisible());

    // openApp while disconnected leaves the main window away.
    app.openApp();
    EXPECT_FALSE(app.mainWindow()->isVisible());

    setDevice(202, 2, false);
    connectDevice(true);
    EXPECT_TRUE(app.mainWindow()->isVisible());
    EXPECT_FALSE(app.guidePopover()->isVisible());
    // The hidden guide gives back its native window (and backing store) until it is shown again.
    EXPECT_TRUE(vqtest::waitUntil([&app] { return app.guidePopover()->windowHandle() == nullptr; }, 2000));
    EXPECT_EQ(app.leftItemTags(), Tags({ 7, 1, 2, 3 }));

    // The user closes the window: without a tray it goes to the taskbar, and more reports of
    // the same device leave it there.
    app.mainWindow()->close();
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
    connectDevice(true);
    EXPECT_TRUE(app.mainWindow()->isMinimized());
    app.openApp();
    EXPECT_TRUE(app.mainWindow()->isVisible());
    EXPECT_FALSE(app.mainWindow()->isMinimized());

    connectDevice(false);
    EXPECT_FALSE(app.mainWindow()->isVisible());
    EXPECT_TRUE(app.guidePopover()->isVisible());
    EXPECT_EQ(app.window(), app.mainWindow());
}

TEST_F(ShellTest, ErrorMessagesOpenAsASheetOnTheMainWindow)
{
    setUiLanguage(2);
    AppDelegate& app = launch();
    VQToolManager::sharedInstance().showErrorMsg(QStringLiteral("Save failed"), QStringLiteral("Disk full"));
    QMessageBox* alert = nullptr;
    ASSERT_TRUE(vqtest::waitUntil([&] {
        alert = app.mainWindow()->findChild<QMessageBox*>();
        return alert != nullptr && alert->isVisible();
    }));
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_EQ(alert->text(), QStringLiteral("Save failed"));
    EXPECT_EQ(alert->informativeText(), QStringLiteral("Disk full"));
    // A failure: the warning icon, and beside the bold title room for a window manager's icon
    // and three buttons of 24 pixels.
    EXPECT_EQ(alert->icon(), QMessageBox::Warning);
    QFont title = alert->font();
    title.setBold(true);
    EXPECT_GE(alert->width(), QFontMetrics(title).horizontalAdvance(alert->windowTitle()) + 4 * 24);
    ASSERT_EQ(alert->buttons().size(), 1);
    EXPECT_EQ(alert->buttons().first()->text(), QStringLiteral("OK")); // "知道了" in English
    QPointer<QMessageBox> closing(alert);
    alert->buttons().first()->click();
    EXPECT_TRUE(closing == nullptr || !closing->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(closing, nullptr);
}

TEST_F(ShellTest, ASettingsFileReadOnlyInPartIsReportedWithWhereTheOldFileIsKept)
{
    setUiLanguage(2);
    AppDelegate& app = launch();
    struct Case {
        const char* name;
        QByteArray contents;
        bool alert;
        bool fullDisk = false;
    };
    const Case cases[] = {
        { "a clean file", R"({"format": 1, "values": {"a": {"i": "3"}}})", false },
        { "one value of an unknown form", R"({"format": 1, "values": {"a": {"i": "3"}, "b": {"zz": 1}}})", true },
        { "no JSON at all", "this is not a settings file", true },
        { "one value of an unknown form on a full disk", R"({"format": 1, "values": {"b": {"zz": 1}}})", true, true },
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const vqtest::SmallFileSystem disk(dir.filePath(QStringLiteral("full")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.fullDisk && !disk.why.empty()) {
            GTEST_LOG_(INFO) << disk.why;
            continue;
        }
        const QString path = dir.filePath(QString::fromLatin1(c.fullDisk ? "full/" : "") + QString::fromLatin1(c.name) + QStringLiteral(".json"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.contents);
        file.close();
        if (c.fullDisk)
            disk.fill();
        UserDefaults store(path);
        AppDelegate::reportSettingsProblems(store);
        QMessageBox* alert = nullptr;
        const bool shown = vqtest::waitUntil([&] {
            alert = app.mainWindow()->findChild<QMessageBox*>();
            return alert != nullptr && alert->isVisible();
        }, c.alert ? 2000 : 200);
        ASSERT_EQ(shown, c.alert);
        if (!shown)
            continue;
        EXPECT_FALSE(alert->text().isEmpty());
        EXPECT_NE(alert->text(), QString::fromUtf8(AppDelegate::kSettingsRecoveredText)); // translated
        const QString kept = store.recoveredCorruptFile().isEmpty() ? store.filePath() : store.recoveredCorruptFile();
        EXPECT_TRUE(alert->informativeText().endsWith(kept) && QFile::exists(kept)) << alert->informativeText().toStdString();
        delete alert;
    }
}

// --- Low battery -----------------------------------------------------------------------------

TEST_F(ShellTest, LowBatteryTipOncePerHold)
{
    registerStubPages();
    AppDelegate& app = launch();
    app.setLowElectricHoldMs(300);
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    ASSERT_EQ(info.lowPowerNum(), 10);
    VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
    VQLabel* image = app.mainWindow()->lowElectricImageView();
    auto report = [&info](double percent) {
        info.mouseInfoItem().setPowerPercent(percent);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadElectricInfoNotification));
    };
    const QString tipText = QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(AppDelegate::kLowElectricTipText));

    // At the threshold: the reminder.
    report(10);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), tipText);
    EXPECT_TRUE(tip->hasImage());
    EXPECT_TRUE(image->isVisibleTo(app.mainWindow()));

    // Within the hold: the image stays, no second tip.
    tip->closeTip();
    report(8);
    EXPECT_FALSE(tip->isVisible());
    EXPECT_TRUE(image->isVisibleTo(app.mainWindow()));

    // After the hold the next low report reminds again.
    ASSERT_TRUE(vqtest::waitUntil([&app] { return !app.showLowElectric(); }, 3000));
    report(7);
    EXPECT_TRUE(tip->isVisible());
    tip->closeTip();

    // A full battery hides the image; 0 (no reading) never reminds.
    report(60);
    EXPECT_FALSE(image->isVisibleTo(app.mainWindow()));
    ASSERT_TRUE(vqtest::waitUntil([&app] { return !app.showLowElectric(); }, 3000));
    report(0);
    EXPECT_FALSE(tip->isVisible());
    EXPECT_FALSE(image->isVisibleTo(app.mainWindow()));
}

// --- Quit ------------------------------------------------------------------------------------

TEST_F(ShellTest, QuitRunsTheDeviceStepsAndEndsWhenTheyAreDone)
{
    QStringList calls;
    QList<std::function<void()>> pendingDone;
    delegate = std::make_unique<AppDelegate>();
    AppDelegate::Hooks& hooks = delegate->hooks();
    hooks.enableDeviceWebPopup = [&](std::function<void()> done) { calls << QStringLiteral("web pop-up"); pendingDone << done; };
    hooks.takeLaserPenOffline = [&](std::function<void()> done) { calls << QStringLiteral("laser pen"); pendingDone << done; };
    QEventLoop loop;
    QElapsedTimer clock;
    delegate->setTerminator([&] { ++terminations; loop.quit(); });
    delegate->applicationDidFinishLaunching();

    clock.start();
    delegate->quit();
    delegate->quit(); // a second request changes nothing
    EXPECT_EQ(calls, QStringList({ QStringLiteral("web pop-up"), QStringLiteral("laser pen") }));
    EXPECT_FALSE(delegate->guidePopover()->isVisible());
    ASSERT_EQ(pendingDone.size(), 2);
    // The device confirms its commands 100 ms later; done twice counts once.
    QTimer::singleShot(100, [&] { for (auto& done : pendingDone) { done(); done(); } });
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(terminations, 1);
    EXPECT_GE(clock.elapsed(), 90);
    EXPECT_LT(clock.elapsed(), 1000);
    vqtest::spin(50);
    EXPECT_EQ(terminations, 1);
}

TEST_F(ShellTest, QuitEndsAtTheDeadlineWhenAStepNeverFinishes)
{
    delegate = std::make_unique<AppDelegate>();
    int stepsRun = 0;
    delegate->hooks().enableDeviceWebPopup = [&](std::function<void()> done) { ++stepsRun; done(); };
    delegate->hooks().takeLaserPenOffline = [&](std::function<void()>) { ++stepsRun; };
    QEventLoop loop;
    delegate->setTerminator([&] { ++terminations; loop.quit(); });
    delegate->applicationDidFinishLaunching();

    // A coarse timer may be moved up to 5 % towards a round time of the monotonic clock: starting
    // 40 ms past a tenth of a second gives such a timer its chance to fire 40 ms early.
    QElapsedTimer clock;
    clock.start();
    QThread::msleep(static_cast<unsigned long>((140 - clock.msecsSinceReference() % 100) % 100));
    clock.start();
    delegate->quit();
    // The guard only stops a hung quit; a busy machine may end it late, never early.
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(stepsRun, 2);
    EXPECT_EQ(terminations, 1);
    EXPECT_GE(clock.elapsed(), AppDelegate::kQuitDeadlineMs);
}

TEST_F(ShellTest, QuitWithoutDeviceStepsEndsAtOnce)
{
    AppDelegate& app = launch();
    QElapsedTimer clock;
    clock.start();
    app.guidePopover()->quitButton()->click();
    ASSERT_TRUE(vqtest::waitUntil([this] { return terminations == 1; }, 1000));
    EXPECT_LT(clock.elapsed(), 200);
    EXPECT_TRUE(app.isQuitting());
}

TEST_F(ShellTest, StartUpRunsTheHooksInOrder)
{
    QStringList order;
    delegate = std::make_unique<AppDelegate>();
    AppDelegate::Hooks& hooks = delegate->hooks();
    hooks.createDeviceLink = [&] { order << QStringLiteral("device"); };
    hooks.startKeyPressManager = [&] { order << QStringLiteral("keys"); };
    hooks.createVoiceCommandTables = [&] { order << QStringLiteral("tables"); };
    hooks.installSelectionMonitors = [&] { order << QStringLiteral("monitors"); };
    hooks.bindScreenshotShortcut = [&] { order << QStringLiteral("shortcut"); };
    hooks.selectDefaultAudioInput = [&] { order << QStringLiteral("audio"); };
    hooks.startBleScan = [&] { order << QStringLiteral("ble"); };
    QList<bool> rebuilt;
    hooks.statusItemRebuilt = [&](bool connected) { rebuilt << connected; };
    delegate->setTerminator([] {});
    delegate->applicationDidFinishLaunching();
    delegate->applicationDidFinishLaunching(); // once only

    // The status item is built during the UI set-up and binds the shortcut again; the tables are
    // made from the event loop.
    EXPECT_EQ(order, QStringList({ QStringLiteral("device"), QStringLiteral("keys"), QStringLiteral("monitors"),
                                   QStringLiteral("shortcut"), QStringLiteral("audio"), QStringLiteral("ble"),
                                   QStringLiteral("shortcut") }));
    EXPECT_TRUE(vqtest::waitUntil([&] { return order.contains(QStringLiteral("tables")); }));
    EXPECT_EQ(rebuilt, QList<bool>({ false }));

    VQUserInfoData::sharedInstance().setIsConnect(true);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kBleConnectNotification));
    EXPECT_EQ(rebuilt, QList<bool>({ false, true }));
    EXPECT_EQ(order.count(QStringLiteral("shortcut")), 3);
}
