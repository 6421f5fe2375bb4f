#include "VQShellSetup.h"

#include "AboutMouseView.h"
#include "AppDelegate.h"
#include "HIDDevice.h"
#include "HyperTranslateView.h"
#include "LaserPenSettingViewController.h"
#include "MMLog.h"
#include "MineHeaderView.h"
#include "MineViewController.h"
#include "MouseSettingViewController.h"
#include "NotificationCenter.h"
#include "PersonalitySettingViewController.h"
#include "PreferencesViewController.h"
#include "SmartDetectionViewController.h"
#include "SmartSettingViewController.h"
#include "SnipTranslateView.h"
#include "SoftwareManagerViewController.h"
#include "UserDefaults.h"
#include "VQCommandViewModel.h"
#include "VQLaserPenManager.h"
#include "VQLowPowerRemindSettingView.h"
#include "VQMouseCommandManager.h"
#include "VQNotificationNames.h"
#include "VQOTATransfer.h"
#include "VQPersonCenterView.h"
#include "VQTransferAudioView.h"
#include "VQTransferRecordView.h"
#include "VQUserInfoData.h"
#include "X11ErrorTrap.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

void VQShellSetup::registerPages()
{
    // The mouse settings page (tag 0): key functions, DPI, report rate, RGB switch.
    AppDelegate::registerPageFactory(MouseSettingViewController::kTag, [] { return new MouseSettingViewController; });
    // The laser-pen page (tag 7), the first navigation item while a laser pen is connected.
    AppDelegate::registerPageFactory(7, [] { return new LaserPenSettingViewController; });
    // The personality page: voice commands and hot words.
    AppDelegate::registerPageFactory(PersonalitySettingViewController::kTag,
                                     [] { return new PersonalitySettingViewController; });
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
}

void VQShellSetup::installQuitSteps(AppDelegate& delegate)
{
    // Quitting leaves the device as the program found it: a running firmware transfer is
    // cancelled (after the user agreed), and a laser pen leaves pointer mode with its laser off.
    AppDelegate::Hooks& hooks = delegate.hooks();
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
}

void VQShellSetup::installExitHandlers(AppDelegate& delegate)
{
    // Pending settings, voice-command tables and queued log lines reach the disk before the
    // process ends.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &delegate, [] {
        UserDefaults::standard().synchronize();
        VQCommandViewModel::sharedInstance().writePendingTablesAtQuit();
        mm::flushLogs();
    });
    // The X server went away (a logout that ends X first): the settings and the pending command
    // tables are written, the devices are left as the quit sequence leaves them, and the process
    // ends with status 1 before any static destructor runs (the loss flushes the logs, queued
    // lines included). Xlib's connections of ours reach this through their I/O error handler;
    // Qt's own connection calls exit(1), whose hook runs it after the statics made later than it
    // are destroyed (Qt Multimedia's among them): it touches no capture and no window, only
    // objects never destroyed or made before the hook (the device state, made here at the
    // latest). The capture ends with the process.
    (void)VQUserInfoData::sharedInstance();
    X11ErrorTrap::setConnectionLostHandler([] {
        UserDefaults::standard().synchronize();
        // A loss met on another thread runs this there only when the main thread did not take
        // it in time: the command tables and the device link are the main thread's.
        if (QThread::currentThread() != qApp->thread())
            return;
        VQCommandViewModel::sharedInstance().writePendingTablesAtQuit();
        // The device link needs no X, but the event loop that paces it no longer runs.
        VQOTATransfer::sharedInstance().cancelAtProcessEnd();
        VQLaserPenManager::sharedInstance().takeOffline([] {});
        if (!HIDDevice::sharedManager().sendQueuedReportsNow(AppDelegate::kQuitDeadlineMs))
            VQLogWarn(QStringLiteral("the device's last reports did not all leave before the end"));
    });
}
