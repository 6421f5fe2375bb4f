#include "VQCompositionRoot.h"

#include "AppDelegate.h"
#include "VQAIWindowTool.h"
#include "VQAudioMonitorService.h"
#include "VQUserInfoData.h"
#include "BleCentral.h"
#include "CrashHandler.h"
#include "HIDDevice.h"
#include "HidTransport.h"
#include "MMLog.h"
#include "UserDefaults.h"
#include "VQCommandSyncService.h"
#include "VQCommandViewModel.h"
#include "VQDeviceEvents.h"
#include "VQDeviceSettingsHooks.h"
#include "MineHeaderView.h"
#include "MineViewController.h"
#include "VQPersonCenterView.h"
#include "VQTransferAudioView.h"
#include "VQTransferRecordView.h"
#include "PreferencesViewController.h"
#include "VQLowPowerRemindSettingView.h"
#include "VQCustomerKeyService.h"
#include "MouseSettingViewController.h"
#include "AboutMouseView.h"
#include "SmartDetectionViewController.h"
#include "SoftwareManagerViewController.h"
#include "VQBLEMouseCommandManager.h"
#include "VQKeyPressManager.h"
#include "LaserPenSettingViewController.h"
#include "VQLaserPenSetup.h"
#include "VQMouseCommandManager.h"
#include "VQQuitSignalWatcher.h"
#include "VQSingleInstance.h"
#include "NotificationCenter.h"
#include "VQNotificationNames.h"
#include "VQOTATransfer.h"
#include "VQLaserPenManager.h"
#include "VQSelectionMonitor.h"
#include "PersonalitySettingViewController.h"
#include "SmartSettingViewController.h"
#include "HyperTranslateView.h"
#include "SnipTranslateView.h"
#include "VQTranslateManager.h"
#include "VQTranslateSetup.h"
#include "VQVoiceSetup.h"
#include "VQAudioQueueCapture.h"
#include "X11ErrorTrap.h"

#include "QRNLocalizedString.h"
#include "VQOTAUpdateManager.h"
#include "VQPopupWindowTool.h"
#include "VQToolManager.h"

#include <QApplication>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

VQCompositionRoot::VQCompositionRoot(QElapsedTimer startClock)
    : m_startClock(startClock)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("corvane-companion"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ_APP_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Corvane Companion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-companion"));
    // The program lives in its status item: closing its windows does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    m_homeProblem = homeFolderProblem();
    if (!m_homeProblem.isEmpty()) {
        // Every folder of the program derives from the home folder; without one they would land
        // at the root of the file system. Nothing is written: the console log only.
        VQLogError(QStringLiteral("No usable home folder (%1): nothing is written").arg(m_homeProblem));
        UserDefaults::setWritesDisabled(true);
        VQToolManager::setFilesDisabled(true);
    } else {
        vq::installCrashHandlers(vq::defaultCrashDirectory());
        mm::setupLogging(mm::defaultLogDirectory());
    }

    m_instance = std::make_unique<VQSingleInstance>(VQSingleInstance::defaultDirectory(), VQSingleInstance::defaultName());
    switch (m_instance->claim()) {
    case VQSingleInstance::Role::Primary:
        break;
    case VQSingleInstance::Role::HandedOver:
        VQLogInfo(QStringLiteral("The program runs already: it was asked to show itself"));
        m_exitCode = 0;
        return;
    case VQSingleInstance::Role::NoAnswer:
        VQLogError(QStringLiteral("The program runs already but does not answer: %1").arg(m_instance->errorString()));
        std::fprintf(stderr, "corvane-companion: already running, but it does not answer (%s)\n",
                     qPrintable(m_instance->errorString()));
        m_exitCode = 1;
        return;
    case VQSingleInstance::Role::Failed:
        VQLogWarn(QStringLiteral("Running without the one-program check: %1").arg(m_instance->errorString()));
        break;
    }
}

QString VQCompositionRoot::homeFolderProblem()
{
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty())
        return QStringLiteral("HOME is not set");
    const QFileInfo info(home);
    if (!info.isAbsolute())
        return QStringLiteral("HOME (%1) is not an absolute path").arg(home);
    if (!info.isDir())
        return QStringLiteral("HOME (%1) is not a folder").arg(home);
    if (!info.isWritable())
        return QStringLiteral("HOME (%1) is not writable").arg(home);
    return {};
}

VQCompositionRoot::~VQCompositionRoot() = default;

void VQCompositionRoot::compose(HidTransport& hid, BleCentral& ble)
{
    if (m_delegate || m_exitCode >= 0)
        return;
    HidTransport::setInstance(&hid);
    BleCentral::setInstance(&ble);

    m_delegate = std::make_unique<AppDelegate>();
    AppDelegate& delegate = *m_delegate;
    // The pages place everything from the left in every language, as the main window does; no
    // translation may turn the layout-managed widgets right-to-left.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // The higher subsystems install their start-up hooks and register their pages
    // (AppDelegate::registerPageFactory) here, before the start-up runs.
    AppDelegate::Hooks& hooks = delegate.hooks();
    // An offered firmware file that did not arrive is told: it is no "up to date".
    VQOTAUpdateManager::sharedInstance().setDownloadFailedHook([](const char* text) {
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(text)), QStringLiteral("error_icon"));
    });
    hooks.createDeviceLink = [] {
        VQMouseCommandManager::sharedInstance();
        HIDDevice::sharedManager().start();
        // The model information is applied from here on, also when the mouse page is never shown.
        VQCustomerKeyService::sharedInstance().start();
    };
    hooks.startKeyPressManager = [] { VQKeyPressManager::sharedInstance().start(); };
    hooks.startBleScan = [] { VQBLEMouseCommandManager::sharedInstance().startScan(); };
    hooks.selectDefaultAudioInput = [] { VQVoiceSetup::selectDefaultAudioInput(); };
    hooks.createVoiceCommandTables = [] {
        VQCommandViewModel::sharedInstance().createCommandTables();
        // The command lists and hot words are fetched at start-up and for each new device.
        VQCommandSyncService::sharedInstance().start();
    };
    // Select-to-translate: the mouse and selection monitors, the device's selected-word action.
    hooks.installSelectionMonitors = [] { VQSelectionMonitor::sharedInstance().start(); };
    VQKeyPressManager::sharedInstance().hooks().hyperTranslate = [] { VQSelectionMonitor::translateCopiedWord(); };
    // Screenshot translation: the shortcut (also bound again on each status item rebuild), the
    // key action of operation type 9 and the device's screenshot keys; the device link lets the
    // last two through only while a device is connected.
    hooks.bindScreenshotShortcut = [] { VQTranslateSetup::bindScreenshotShortcut(); };
    VQKeyPressManager::sharedInstance().hooks().snipTranslate = [] { VQTranslateManager::sharedInstance().snipTranslate(); };
    VQDeviceEvents::setScreenshotCallback([] { VQTranslateManager::sharedInstance().snipTranslate(); });
    // Event codes reach the voice hub from the first device report on.
    VQVoiceSetup::install();
    // The speech-SDK path recognises US English on this computer.
    VQVoiceSetup::installOfflineRecognizer();
    // The presenter pen: its keys and the receiver's comings and goings reach the pen's manager;
    // its voice key reaches the hub as the codes of its voice function.
    VQLaserPenSetup::install();
    // The mouse settings page (tag 0): key functions, DPI, report rate, RGB switch.
    AppDelegate::registerPageFactory(MouseSettingViewController::kTag, [] { return new MouseSettingViewController; });
    // The laser-pen page (tag 7), the first navigation item while a laser pen is connected.
    AppDelegate::registerPageFactory(7, [] { return new LaserPenSettingViewController; });
    // The personality page: voice commands and hot words.
    AppDelegate::registerPageFactory(PersonalitySettingViewController::kTag,
                                     [] { return new PersonalitySettingViewController; });
    // The translation window of selected-text translation.
    VQTranslateSetup::install();
    // The smart settings page (tag 1) with the translation rows of selected text and screenshots.
    AppDelegate::registerPageFactory(1, [] { return new SmartSettingViewController; });
    // The about-device view with the firmware update on the software page; the detection page
    // (tag 5), which no navigation item selects, built and first checked on its first selection.
    SoftwareManagerViewController::setAboutViewFactory([] { return new AboutMouseView; });
    AppDelegate::registerPageFactory(AppDelegate::SmartDetectionTag, [] { return new SmartDetectionViewController; });
    SmartSettingViewController::registerSectionFactory(3, [] { return new HyperTranslateView; });
    SmartSettingViewController::registerSectionFactory(4, [] { return new SnipTranslateView; });
    // The lighting page (tag 6, listed for lit mice), the low-battery row of the smart page, and
    // the my-device page (tag 4, no navigation item) with the account header above its card.
    AppDelegate::registerPageFactory(PreferencesViewController::kTag, [] { return new PreferencesViewController; });
    SmartSettingViewController::registerSectionFactory(6, [] { return new VQLowPowerRemindSettingView; });
    MineViewController::setHeaderFactory([](QWidget* parent) {
        auto* header = new MineHeaderView(parent);
        QPointer<MineHeaderView> guard(header);
        return VQAccountHeader{header, [guard] {
                                   if (guard)
                                       guard->getUserInfo();
                               }};
    });
    AppDelegate::registerPageFactory(MineViewController::kTag, [] { return new MineViewController; },
                                     [](VQBaseViewController* page) { static_cast<MineViewController*>(page)->getUserInfo(); });
    // The user centre's transcription tabs: the audio-file transcription page and the record
    // page (no page opens the centre yet).
    VQPersonCenterView::setTransferAudioViewFactory([](QWidget* parent) { return new VQTransferAudioView(parent); });
    VQPersonCenterView::setTransferRecordViewFactory([](QWidget* parent) { return new VQTransferRecordView(parent); });
    // The AI web window: dictation while it is open, the device's helper keys, the keyboard's AI
    // keys (key action 18), and the disconnection of the receiver that hides it.
    VQAudioMonitorService::sharedInstance().setAiWindowHook(
        [](const QString& text) { VQAIWindowTool::sharedInstance().requestChatGPT(text); });
    VQDeviceEvents::setAiKeyCallback([](int keyByte) { VQAIWindowTool::sharedInstance().handleAiKey(keyByte); });
    VQKeyPressManager::sharedInstance().hooks().showAIWindow = [] {
        VQUserInfoData::sharedInstance().setKeyAction(VQAIWindowTool::kAiKeyAction);
        VQAIWindowTool::sharedInstance().showInWindow();
    };
    // The device pages reach the AI window through these: the mouse page's AI and refresh buttons,
    // and a new chat address of the model information.
    VQDeviceSettingsHooks::shared().showAIWindow = [] { VQAIWindowTool::sharedInstance().showInWindow(); };
    VQDeviceSettingsHooks::shared().refreshAIWindow = [] { VQAIWindowTool::sharedInstance().refresh(); };
    VQDeviceSettingsHooks::shared().reloadAIWindow = [] { VQAIWindowTool::sharedInstance().initSubViews(); };
    {
        auto previous = hooks.statusItemRebuilt;
        hooks.statusItemRebuilt = [previous](bool connected) {
            if (previous)
                previous(connected);
            const HIDDevice& receiver = HIDDevice::sharedManager();
            if (!connected && receiver.currentVid() == 0x248A && receiver.currentPid() == 0x61AB)
                VQAIWindowTool::sharedInstance().hiddenWindow();
        };
    }

    // Quitting leaves the device as the program found it: a running firmware transfer is
    // cancelled (after the user agreed), and a laser pen leaves pointer mode with its laser off.
    hooks.firmwareTransferRunning = [] { return VQOTATransfer::sharedInstance().isRunning(); };
    hooks.cancelFirmwareTransfer = [&delegate](std::function<void()> done) {
        // The transfer's end, whichever it is, answers the cancel.
        auto* owner = new QObject(&delegate);
        for (const char* name : { vq::kUpdateOTACancelNotification, vq::kUpdateOTAFailNotification, vq::kUpdateOTASuccessNotification }) {
            NotificationCenter::defaultCenter().addObserver(owner, QString::fromLatin1(name), [owner, done](const VQNotification&) {
                owner->deleteLater();
                done();
            });
        }
        VQOTATransfer& transfer = VQOTATransfer::sharedInstance();
        if (transfer.target() == VQOTATransfer::Target::Device)
            VQMouseCommandManager::sharedInstance().sendCancelOTAData();
        else
            VQMouseCommandManager::sharedInstance().sendCancelOTADongleData();
    };
    hooks.takeLaserPenOffline = [](std::function<void()> done) { VQLaserPenManager::sharedInstance().takeOffline(std::move(done)); };
    // The device protocol has no command for the device's website pop-up, and nothing here
    // switches it off: hooks.enableDeviceWebPopup has nothing to send and stays empty.

    // A later start of the program brings its face back.
    QObject::connect(m_instance.get(), &VQSingleInstance::showRequested, &delegate, &AppDelegate::reopen);

    m_quitSignals = std::make_unique<VQQuitSignalWatcher>();
    // The session asks the program to end: nobody is asked.
    QObject::connect(m_quitSignals.get(), &VQQuitSignalWatcher::quitRequested, &delegate, [&delegate] { delegate.quit(false); });
    const QElapsedTimer startClock = m_startClock;
    QObject::connect(&delegate, &AppDelegate::ready, &delegate, [startClock] {
        VQLogInfo(QStringLiteral("%1 %2 ready in %3 ms")
                      .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                      .arg(startClock.elapsed()));
    });

    // Pending settings, voice-command tables and queued log lines reach the disk before the
    // process ends.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &delegate, [] {
        UserDefaults::standard().synchronize();
        VQCommandViewModel::sharedInstance().writePendingTablesAtQuit();
        mm::flushLogs();
    });
    // The X server went away (a logout that ends X first): the capture stops, the settings are
    // written, and the process ends with status 1 before any static destructor runs (the loss
    // flushes the logs, queued lines included). Xlib's connections of ours reach this through
    // their I/O error handler; Qt's own connection calls exit(1), whose hook runs it after the
    // statics made later are destroyed: it touches only the capture and the settings store,
    // which never are. A loss met on another thread runs it there only when the main thread
    // did not take it in time: the capture is the main thread's.
    X11ErrorTrap::setConnectionLostHandler([] {
        VQAudioQueueCapture& capture = VQAudioQueueCapture::sharedInstance();
        const bool onMainThread = QThread::currentThread() == qApp->thread();
        if (onMainThread && capture.isRecording())
            capture.stopRecord(false);
        UserDefaults::standard().synchronize();
        // The command tables live on the main thread, as does their store's connection.
        if (onMainThread)
            VQCommandViewModel::sharedInstance().writePendingTablesAtQuit();
    });

    // The start-up runs once launching has finished: from the running event loop.
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    if (!m_homeProblem.isEmpty()) {
        // The program runs, its first face the guide, and says why nothing it is told is kept.
        QTimer::singleShot(0, &delegate, [problem = m_homeProblem] {
            VQToolManager::sharedInstance().showErrorMsg(
                QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kNoHomeText)), problem);
        });
    }
}

int VQCompositionRoot::exec()
{
    if (m_exitCode >= 0) {
        mm::flushLogs();
        return m_exitCode;
    }
    const int code = QApplication::exec();
    HidTransport::setInstance(nullptr);
    BleCentral::setInstance(nullptr);
    return code;
}
