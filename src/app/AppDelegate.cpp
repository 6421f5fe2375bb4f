#include "AppDelegate.h"

#include "AuthorityManagementWindowController.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "SoftwareManagerViewController.h"
#include "UserDefaults.h"
#include "VQBaseViewController.h"
#include "VQGuidePopover.h"
#include "VQHttpRequestManager.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQLeftNavigationView.h"
#include "VQMainWindow.h"
#include "VQNotificationNames.h"
#include "VQPermissionChecker.h"
#include "VQPopupWindowTool.h"
#include "VQStatusItem.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QLocale>
#include <QMessageBox>
#include <QNetworkInformation>
#include <QPushButton>
#include <QSystemTrayIcon>

namespace {

AppDelegate* g_sharedDelegate = nullptr;

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

// UI-string keys of the navigation items.
constexpr char kMouseSettingTitle[] = "鼠标设置";
constexpr char kSmartSettingTitle[] = "智能设置";
constexpr char kSoftwareManagerTitle[] = "软件设置";
constexpr char kPersonalitySettingTitle[] = "个性化设置";
constexpr char kPreferencesTitle[] = "偏好设置";
constexpr char kLaserPenSettingTitle[] = "智笔设置";

// The English UI language, used when none of the system's languages is offered.
constexpr int kEnglishUiLanguageIndex = 2;

} // namespace

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent)
{
    if (g_sharedDelegate == nullptr)
        g_sharedDelegate = this;
    m_lowElectricTimer.setSingleShot(true);
    connect(&m_lowElectricTimer, &QTimer::timeout, this, [this] { m_showLowElectric = false; });
    // The deadline is a promise of at least kQuitDeadlineMs for the device's last commands: a
    // precise timer, and should it still come early, it waits the rest.
    m_quitDeadline.setSingleShot(true);
    m_quitDeadline.setTimerType(Qt::PreciseTimer);
    connect(&m_quitDeadline, &QTimer::timeout, this, [this] {
        const qint64 left = kQuitDeadlineMs - m_quitClock.elapsed();
        if (left > 0) {
            m_quitDeadline.start(int(left));
            return;
        }
        VQLogWarn(QStringLiteral("Quit steps unfinished after %1 ms; quitting anyway").arg(kQuitDeadlineMs));
        finishQuit();
    });
    m_terminator = [] { QCoreApplication::quit(); };
    m_permissionChecker = new VQPermissionChecker(this);
}

AppDelegate::~AppDelegate()
{
    if (m_uiConfigured)
        VQToolManager::setErrorPresenter({});
    if (g_sharedDelegate == this)
        g_sharedDelegate = nullptr;
    // The windows go before the page controllers (children of this object), which see their
    // views gone and do not delete them again.
    m_authorityWindow.reset();
    m_guide.reset();
    m_mainWindow.reset();
}

AppDelegate* AppDelegate::sharedDelegate()
{
    return g_sharedDelegate;
}

std::array<AppDelegate::PageEntry, AppDelegate::kPageCount>& AppDelegate::pageRegistry()
{
    static std::array<PageEntry, kPageCount> registry = [] {
        std::array<PageEntry, kPageCount> entries;
        entries[SoftwareManagerTag].factory = [] { return new SoftwareManagerViewController; };
        return entries;
    }();
    return registry;
}

void AppDelegate::registerPageFactory(int tag, PageFactory factory, PageSelectedHook onSelected)
{
    if (tag < 0 || tag >= kPageCount)
        return;
    pageRegistry()[tag] = PageEntry { std::move(factory), std::move(onSelected) };
    AppDelegate* delegate = sharedDelegate();
    if (delegate != nullptr && delegate->m_uiConfigured)
        delegate->configLeftItem();
}

void AppDelegate::resetPageFactoriesForTests()
{
    std::array<PageEntry, kPageCount>& registry = pageRegistry();
    for (PageEntry& entry : registry)
        entry = PageEntry {};
    registry[SoftwareManagerTag].factory = [] { return new SoftwareManagerViewController; };
}

void AppDelegate::runHook(const std::function<void()>& hook, const char* name)
{
    if (hook) {
        hook();
    } else {
        VQLogDebug(QStringLiteral("Start-up step without a handler: %1").arg(QString::fromLatin1(name)));
    }
}

// ---------------------------------------------------------------------------------------------
// Start-up

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_launched)
        return;
    m_launched = true;
    // Changes the file does not take are kept in memory only: the user hears it once per
    // failing stretch, with the file's name, from the event loop.
    connect(&UserDefaults::standard(), &UserDefaults::writeFailed, this,
            [](const QString& path, const QString& reason) {
                VQToolManager::sharedInstance().showErrorMsg(tr8(kSettingsNotSavedText),
                                                             tr8(kSettingsNotSavedDetailText) + path + QStringLiteral(" (") + reason + QLatin1Char(')'));
            },
            Qt::QueuedConnection);
    configData();
    configUI();
    checkPermissions();
    reportSettingsProblems(UserDefaults::standard());
    startReachabilityWatch();
}

void AppDelegate::configData()
{
    runHook(m_hooks.createDeviceLink, "device link");
    VQUserInfoData::sharedInstance();
    VQLanguageManager::sharedInstance();
    runHook(m_hooks.startKeyPressManager, "key-press manager");
    if (m_hooks.createVoiceCommandTables) {
        QTimer::singleShot(0, this, [this] { m_hooks.createVoiceCommandTables(); });
    } else {
        runHook({}, "voice-command tables");
    }
    runHook(m_hooks.installSelectionMonitors, "selection monitors");
    runHook(m_hooks.bindScreenshotShortcut, "screenshot shortcut");
    runHook(m_hooks.selectDefaultAudioInput, "default audio input");
    runHook(m_hooks.startBleScan, "Bluetooth scan");
}

void AppDelegate::chooseFirstLaunchLanguage()
{
    UserDefaults& defaults = UserDefaults::standard();
    const QString key = QString::fromLatin1(VQLanguageManager::uiLanguageIndexKey);
    if (defaults.hasValueForKey(key)) {
        const QVariant stored = defaults.objectForKey(key);
        if (VQLanguageManager::isUiLanguageIndexValue(stored))
            return;
        // A value of the wrong kind (a text, a flag, an index past the list) is no choice the
        // user made: choose again as for a missing one.
        VQLogWarn(QStringLiteral("UI language setting \"%1\" is unusable: dropped").arg(stored.toString().left(40)));
        defaults.removeObjectForKey(key);
    }
    const QStringList preferred = QLocale::system().uiLanguages();
    const int index = uiLanguageIndexForPreferredLanguages(preferred);
    VQLogInfo(QStringLiteral("First launch: UI language %1 for %2")
                  .arg(VQLanguageManager::uiLanguageCodes().at(index), preferred.join(QLatin1Char(','))));
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    languages.setUiLanguageIndex(index);
    // The setter stores nothing when the index equals the one held; the choice is made once.
    defaults.setValue(key, qint64(index));
    defaults.synchronize();
    languages.shouldRefreshData();
}

int AppDelegate::uiLanguageIndexForPreferredLanguages(const QStringList& languages)
{
    for (const QString& name : languages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
            continue;
        const int index = VQLanguageManager::uiLanguageIndexForLocale(locale);
        if (index >= 0)
            return index;
    }
    return kEnglishUiLanguageIndex;
}

void AppDelegate::configUI()
{
    chooseFirstLaunchLanguage();

    m_mainWindow = std::make_unique<VQMainWindow>();
    connect(m_mainWindow->navigationView(), &VQLeftNavigationView::itemClicked, this, &AppDelegate::selectPageWithTag);
    // A page marked while the window was away is made as the window appears.
    connect(m_mainWindow.get(), &VQMainWindow::aboutToShow, this, [this] {
        if (pageWithTag(m_selectedTag) == nullptr && hasPage(m_selectedTag))
            selectPageWithTag(m_selectedTag);
    });
    m_guide = std::make_unique<VQGuidePopover>();
    connect(m_guide.get(), &VQGuidePopover::permissionsClicked, this, [this] { authorityManagementWindowController()->showWindow(); });
    connect(m_guide.get(), &VQGuidePopover::quitClicked, this, [this] { quit(); });
    connect(m_guide.get(), &VQGuidePopover::firstPainted, this, &AppDelegate::markReady);

    VQPopupWindowTool::sharedInstance().setMainWindow(m_mainWindow.get(), [this] { return canPutAwayMainWindow(); });
    m_mainWindow->installEventFilter(this);
    VQToolManager::setErrorPresenter([this](const QString& message, const QString& detail) {
        auto* alert = new QMessageBox(m_mainWindow.get());
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->setIcon(QMessageBox::Warning);
        alert->setWindowTitle(QString::fromLatin1(VQMainWindow::kWindowTitle));
        alert->setText(message);
        alert->setInformativeText(detail);
        alert->addButton(tr8(kErrorAlertButtonText), QMessageBox::AcceptRole);
        alert->setWindowModality(Qt::WindowModal);
        keepTitleReadable(alert);
        alert->open();
    });

    // The pages are made on their first selection: start-up only lists them.
    m_uiConfigured = true;
    configLeftItem();

    m_statusItem = new VQStatusItem(this);
    connect(m_statusItem, &VQStatusItem::activated, this, [this] {
        if (VQUserInfoData::sharedInstance().isConnect()) {
            openApp();
        } else if (m_guide->isVisible()) {
            m_guide->hide();
        } else {
            showGuide(true);
        }
    });
    connect(m_statusItem, &VQStatusItem::openMainWindowTriggered, this, &AppDelegate::openApp);
    connect(m_statusItem, &VQStatusItem::showGuideTriggered, this, [this] { showGuide(true); });
    connect(m_statusItem, &VQStatusItem::permissionsTriggered, this, [this] { authorityManagementWindowController()->showWindow(); });
    connect(m_statusItem, &VQStatusItem::quitTriggered, this, [this] { quit(); });
    if (!m_statusItem->isTrayAvailable())
        VQLogInfo(QStringLiteral("No system tray found; the guide and the main window stand in for the status item"));
    connect(m_statusItem, &VQStatusItem::trayChanged, this, &AppDelegate::trayChanged);

    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::kUpdateLeftItemNotification), [this](const VQNotification&) { configLeftItem(); });
    for (const char* name : { vq::kUSBInsertNotification, vq::kUSBRemoveNotification, vq::kBleConnectNotification, vq::HadUSBInfoNotification })
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { connectionChanged(); });
    center.addObserver(this, QString::fromLatin1(vq::HadElectricInfoNotification), [this](const VQNotification&) { updateElectricInfo(); });

    addStatusItem();
}

void AppDelegate::keepTitleReadable(QMessageBox* alert)
{
    // Window managers draw the title in a bold face of about the interface's size, between the
    // window's icon and its buttons; a box sized for a short text would cut it. The box's setters
    // build its layout anew, so this comes after them.
    auto* grid = qobject_cast<QGridLayout*>(alert->layout());
    if (grid == nullptr)
        return;
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(alert->windowTitle()) + kTitleBarRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

VQBaseViewController* AppDelegate::makePage(int tag)
{
    if (tag < 0 || tag >= kPageCount)
        return nullptr;
    if (m_pages[tag] != nullptr)
        return m_pages[tag];
    const PageEntry& entry = pageRegistry()[tag];
    if (!entry.factory)
        return nullptr;
    VQBaseViewController* page = entry.factory();
    if (page == nullptr) {
        VQLogError(QStringLiteral("The page of tag %1 could not be made").arg(tag));
        return nullptr;
    }
    page->setParent(this);
    m_pages[tag] = page;
    m_mainWindow->addPageView(page->view());
    return page;
}

bool AppDelegate::hasPage(int tag) const
{
    return tag >= 0 && tag < kPageCount && (m_pages[tag] != nullptr || pageRegistry()[tag].factory);
}

void AppDelegate::reportSettingsProblems(const UserDefaults& defaults)
{
    const QStringList dropped = defaults.droppedKeys();
    const QString aside = defaults.recoveredCorruptFile();
    if (dropped.isEmpty() && aside.isEmpty())
        return;
    // The store has logged what it dropped; the user learns that choices went back to defaults
    // and where the old file is kept: aside, or, when no copy could be made yet (a full disk),
    // the values still in the settings file.
    const QString detail = aside.isEmpty() ? tr8(kSettingsKeptDetailText) + defaults.filePath()
                                           : tr8(kSettingsRecoveredDetailText) + aside;
    VQToolManager::sharedInstance().showErrorMsg(tr8(kSettingsRecoveredText), detail);
}

void AppDelegate::checkPermissions()
{
    m_permissionChecker->refresh();
    if (m_permissionChecker->needsAttention()) {
        VQLogWarn(QStringLiteral("A permission the program needs is missing; showing the permissions window"));
        authorityManagementWindowController()->showWindow();
        return;
    }
    if (m_permissionChecker->x11State() == VQPermissionChecker::State::Limited) {
        VQLogWarn(QStringLiteral("Wayland session: synthesised keys, global shortcuts, input monitors and screen capture "
                                 "reach only XWayland windows"));
        // The permissions window tells the user once; the log at every start.
        UserDefaults& defaults = UserDefaults::standard();
        const QString key = QString::fromLatin1(kWaylandNoticeShownKey);
        if (!defaults.boolForKey(key)) {
            defaults.setValue(key, true);
            authorityManagementWindowController()->showWindow();
        }
    }
}

void AppDelegate::startReachabilityWatch()
{
    // Loading the backend may talk to the system bus: from the event loop, after the faces show.
    QTimer::singleShot(0, this, [this] {
        VQHttpRequestManager::sharedInstance().isNetworkKnownDown();
        QNetworkInformation* information = QNetworkInformation::instance();
        if (information == nullptr)
            return;
        connect(information, &QNetworkInformation::reachabilityChanged, this, [](QNetworkInformation::Reachability reachability) {
            VQLogInfo(QStringLiteral("Network reachability: %1").arg(int(reachability)));
        });
    });
}

void AppDelegate::markReady()
{
    if (m_ready)
        return;
    m_ready = true;
    Q_EMIT ready();
}

// ---------------------------------------------------------------------------------------------
// Faces

QWidget* AppDelegate::window() const
{
    return m_mainWindow.get();
}

AuthorityManagementWindowController* AppDelegate::authorityManagementWindowController()
{
    if (!m_authorityWindow)
        m_authorityWindow = std::make_unique<AuthorityManagementWindowController>(m_permissionChecker);
    return m_authorityWindow.get();
}

void AppDelegate::openApp()
{
    if (!m_mainWindow)
        return;
    if (!VQUserInfoData::sharedInstance().isConnect()) {
        m_mainWindow->hide();
        return;
    }
    if (m_guide)
        m_guide->hide();
    if (!m_mainWindow->isVisible())
        m_mainWindow->centerOnScreen();
    if (m_mainWindow->isMinimized())
        m_mainWindow->showNormal();
    else
        m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void AppDelegate::reopen()
{
    if (!m_uiConfigured || m_quitting)
        return;
    if (VQUserInfoData::sharedInstance().isConnect())
        openApp();
    else
        showGuide(true);
}

bool AppDelegate::canPutAwayMainWindow() const
{
    return m_statusItem != nullptr && m_statusItem->isShown();
}

void AppDelegate::putAwayMainWindow()
{
    if (m_mainWindow && canPutAwayMainWindow())
        m_mainWindow->hide();
}

void AppDelegate::giveBackMainWindow()
{
    if (!m_uiConfigured || m_quitting || canPutAwayMainWindow())
        return;
    if (!VQUserInfoData::sharedInstance().isConnect()) {
        if (!m_guide->isVisible())
            showGuide(false);
        return;
    }
    if (m_mainWindow->isVisible())
        return;
    const bool quiet = m_mainWindow->testAttribute(Qt::WA_ShowWithoutActivating);
    m_mainWindow->setAttribute(Qt::WA_ShowWithoutActivating);
    m_mainWindow->show();
    m_mainWindow->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    // Without a tray nothing would bring a closed main window back: it goes to the taskbar.
    if (watched == m_mainWindow.get() && event->type() == QEvent::Close && !m_quitting && !canPutAwayMainWindow()) {
        event->ignore();
        m_mainWindow->showMinimized();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void AppDelegate::trayChanged(bool shown)
{
    if (!m_uiConfigured || m_quitting)
        return;
    const bool connected = VQUserInfoData::sharedInstance().isConnect();
    if (shown) {
        // The icon takes over from the guide, the face that stood in for it.
        if (!connected)
            m_guide->hide();
        markReady();
        return;
    }
    // Nothing else would let the user reach the program: a face comes back.
    if (connected) {
        if (!m_mainWindow->isVisible())
            openApp();
    } else {
        showGuide(false);
    }
}

void AppDelegate::showGuide(bool activate)
{
    if (!m_guide)
        return;
    if (m_statusItem != nullptr && m_statusItem->isShown())
        m_guide->showAnchored(m_statusItem->anchorGeometry(), activate);
    else
        m_guide->showCentered();
}

void AppDelegate::addStatusItem()
{
    if (!m_uiConfigured || m_quitting)
        return;
    const bool connected = VQUserInfoData::sharedInstance().isConnect();
    const bool trayShown = m_statusItem->rebuild(connected);
    if (m_hooks.bindScreenshotShortcut)
        m_hooks.bindScreenshotShortcut();

    // On a change of the connection, the face of the new state takes the place of the one on
    // the screen; with no tray one face is always shown, since nothing else would let the user
    // reach the program. A device that connects always brings the main window, also where it
    // was put away to the tray. Repeated notifications of the same state leave the windows alone.
    if (m_faceConnected != int(connected)) {
        const bool faceShown = m_mainWindow->isVisible() || m_guide->isVisible();
        const bool showFace = m_faceConnected < 0 || faceShown || !trayShown;
        m_faceConnected = int(connected);
        if (connected) {
            m_guide->hide();
            openApp();
        } else {
            m_mainWindow->hide();
            if (showFace && !m_guide->isVisible())
                showGuide(false);
        }
    }
    if (m_hooks.statusItemRebuilt)
        m_hooks.statusItemRebuilt(connected);
    if (trayShown)
        markReady();
}

void AppDelegate::connectionChanged()
{
    addStatusItem();
    configLeftItem();
}

// ---------------------------------------------------------------------------------------------
// Pages and navigation

VQBaseViewController* AppDelegate::pageWithTag(int tag) const
{
    return tag >= 0 && tag < kPageCount ? m_pages[tag] : nullptr;
}

QList<int> AppDelegate::leftItemTagsFor(quint64 mouseType, qint64 deviceType, bool isLaser)
{
    const bool laserPen = mouseType == kLaserPenMouseType || deviceType == kLaserPenDeviceType || isLaser;
    QList<int> tags;
    tags << (laserPen ? LaserPenSettingTag : MouseSettingTag) << SmartSettingTag << SoftwareManagerTag << PersonalitySettingTag;
    for (quint64 lightingType : kLightingMouseTypes) {
        if (mouseType == lightingType)
            tags << PreferencesTag;
    }
    return tags;
}

VQLeftItem AppDelegate::leftItemForTag(int tag)
{
    auto item = [tag](const char* title, const char* image) {
        const QString name = QString::fromLatin1(image);
        return VQLeftItem { tag, QString::fromUtf8(title), name, name + QStringLiteral("_td") };
    };
    switch (tag) {
    case MouseSettingTag:
        return item(kMouseSettingTitle, "mouseSetting_icon");
    case SmartSettingTag:
        return item(kSmartSettingTitle, "smartSetting_icon");
    case SoftwareManagerTag:
        return item(kSoftwareManagerTitle, "softwareManager_icon");
    case PersonalitySettingTag:
        return item(kPersonalitySettingTitle, "personalitySetting_icon");
    case PreferencesTag:
        return item(kPreferencesTitle, "preferences_icon");
    case LaserPenSettingTag:
        return item(kLaserPenSettingTitle, "laserPenSetting_icon");
    default:
        return VQLeftItem {};
    }
}

QList<int> AppDelegate::leftItemTags() const
{
    return m_mainWindow ? m_mainWindow->navigationView()->tags() : QList<int>();
}

void AppDelegate::configLeftItem()
{
    if (!m_uiConfigured)
        return;
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    const VQMouseInfoItem& record = info.mouseInfoItem();
    QList<VQLeftItem> items;
    for (int tag : leftItemTagsFor(record.mouseType(), record.deviceType(), info.isLaser())) {
        if (hasPage(tag))
            items.append(leftItemForTag(tag));
    }
    VQLeftNavigationView* navigation = m_mainWindow->navigationView();
    navigation->setItems(items);

    // The page selected stays when it is still offered (or is one the navigation never lists);
    // otherwise the first item is selected. While the window is away a page not made yet is only
    // marked: it is made when the window shows.
    const bool keep = hasPage(m_selectedTag)
        && (navigation->tags().contains(m_selectedTag) || m_selectedTag == MineTag || m_selectedTag == SmartDetectionTag);
    if (keep) {
        navigation->setSelectedTag(m_selectedTag);
    } else if (!items.isEmpty()) {
        const int first = items.first().tag;
        if (m_mainWindow->isVisible() || pageWithTag(first) != nullptr) {
            selectPageWithTag(first);
        } else {
            m_selectedTag = first;
            navigation->setSelectedTag(first);
            m_mainWindow->showPageView(nullptr);
        }
    } else {
        m_selectedTag = -1;
        m_mainWindow->showPageView(nullptr);
    }
}

void AppDelegate::manualSelectedItemWithIndex(int index)
{
    const QList<int> tags = leftItemTags();
    if (index < 0 || index >= tags.size())
        return;
    selectPageWithTag(tags.at(index));
}

void AppDelegate::selectPageWithTag(int tag)
{
    if (!m_mainWindow)
        return;
    VQBaseViewController* page = makePage(tag);
    m_selectedTag = page != nullptr ? tag : -1;
    m_mainWindow->showPageView(page != nullptr ? page->view() : nullptr);
    m_mainWindow->navigationView()->setSelectedTag(m_selectedTag);
    if (page != nullptr) {
        const PageSelectedHook& onSelected = pageRegistry()[tag].onSelected;
        if (onSelected)
            onSelected(page);
    }
}

// ---------------------------------------------------------------------------------------------
// Battery

void AppDelegate::updateElectricInfo()
{
    if (!m_mainWindow)
        return;
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    const double percent = info.mouseInfoItem().powerPercent();
    VQLabel* image = m_mainWindow->lowElectricImageView();
    if (percent <= double(info.lowPowerNum()) && percent != 0) {
        if (m_showLowElectric)
            return;
        m_showLowElectric = true;
        image->show();
        VQPopupWindowTool::sharedInstance().showTipMessage(tr8(kLowElectricTipText), QString::fromLatin1(kInfoIconName));
        m_lowElectricTimer.start(m_lowElectricHoldMs);
    } else {
        image->hide();
    }
}

// ---------------------------------------------------------------------------------------------
// Quit

void AppDelegate::quit(bool askUser)
{
    if (m_quitting)
        return;
    const bool transferRunning = m_hooks.firmwareTransferRunning && m_hooks.firmwareTransferRunning();
    if (askUser && transferRunning) {
        if (m_quitQuestion) {
            m_quitQuestion->raise();
            m_quitQuestion->activateWindow();
            return;
        }
        VQLogInfo(QStringLiteral("Quit asked during a firmware transfer: asking the user"));
        auto* question = new QMessageBox;
        question->setAttribute(Qt::WA_DeleteOnClose);
        question->setIcon(QMessageBox::Warning);
        question->setWindowTitle(QString::fromLatin1(VQMainWindow::kWindowTitle));
        question->setText(tr8(kQuitDuringUpdateText));
        QPushButton* keep = question->addButton(tr8(kKeepUpdatingText), QMessageBox::RejectRole);
        QPushButton* cancel = question->addButton(tr8(kCancelUpdateAndQuitText), QMessageBox::DestructiveRole);
        question->setDefaultButton(keep);
        question->setEscapeButton(keep);
        connect(question, &QMessageBox::finished, this, [this, question, cancel] {
            if (question->clickedButton() == cancel) {
                VQLogInfo(QStringLiteral("Quit during a firmware transfer: the transfer is cancelled"));
                runQuitSequence();
            } else {
                VQLogInfo(QStringLiteral("Quit during a firmware transfer: the transfer goes on"));
            }
        });
        m_quitQuestion = question;
        keepTitleReadable(question);
        question->open();
        question->raise();
        question->activateWindow();
        return;
    }
    runQuitSequence();
}

void AppDelegate::runQuitSequence()
{
    if (m_quitting)
        return;
    m_quitting = true;
    if (m_quitQuestion) {
        m_quitQuestion->disconnect(this);
        m_quitQuestion->close();
    }
    VQLogInfo(QStringLiteral("Quitting"));
    if (m_mainWindow)
        m_mainWindow->hide();
    if (m_guide)
        m_guide->hide();
    if (m_authorityWindow)
        m_authorityWindow->hide();
    if (m_statusItem != nullptr && m_statusItem->trayIcon() != nullptr)
        m_statusItem->trayIcon()->hide();

    m_quitClock.start();
    m_quitDeadline.start(kQuitDeadlineMs);
    // One count for the loop itself, so a step that is done at once cannot end the sequence
    // before the next step ran.
    m_pendingQuitSteps = 1;
    QPointer<AppDelegate> self(this);
    auto stepDone = [self] {
        if (self != nullptr && --self->m_pendingQuitSteps == 0) {
            // From the event loop, so the windows leave the screen first.
            QTimer::singleShot(0, self.data(), &AppDelegate::finishQuit);
        }
    };
    const bool transferRunning = m_hooks.firmwareTransferRunning && m_hooks.firmwareTransferRunning();
    for (const QuitStep* step : { &m_hooks.cancelFirmwareTransfer, &m_hooks.enableDeviceWebPopup, &m_hooks.takeLaserPenOffline }) {
        if (!*step || (step == &m_hooks.cancelFirmwareTransfer && !transferRunning))
            continue;
        ++m_pendingQuitSteps;
        auto called = std::make_shared<bool>(false);
        (*step)([stepDone, called] {
            if (*called)
                return;
            *called = true;
            stepDone();
        });
    }
    stepDone();
}

void AppDelegate::finishQuit()
{
    if (m_quitFinished)
        return;
    m_quitFinished = true;
    m_quitDeadline.stop();
    if (m_terminator)
        m_terminator();
}
