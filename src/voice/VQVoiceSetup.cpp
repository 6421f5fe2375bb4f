#include "VQVoiceSetup.h"
#include "AppDelegate.h"
#include "KVDSqliteOperation.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQCommandSyncService.h"
#include "VQCommandViewModel.h"
#include "VQToolManager.h"

#include "AppAudioTool.h"
#include "HIDDevice.h"
#include "HidTransport.h"
#include "IFlyASRManager.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "TKTTSManager.h"
#include "VQAudioDevices.h"
#include "VQAudioMonitorService.h"
#include "VQDeviceEvents.h"
#include "VQHotWordViewModel.h"
#include "VQNotificationNames.h"
#include "VQPocketsphinxRecognizer.h"
#include "VQPopupWindow.h"
#include "VQPopupWindowTool.h"
#include "VQSemanticManager.h"
#include "VQWebApiAsrService.h"

#include <QCoreApplication>

#include <utility>

void VQVoiceSetup::installHooks(AppDelegate& delegate)
{
    AppDelegate::Hooks& hooks = delegate.hooks();
    hooks.selectDefaultAudioInput = [] { selectDefaultAudioInput(); };
    hooks.createVoiceCommandTables = [] {
        VQCommandViewModel::sharedInstance().createCommandTables();
        // The command lists and hot words are fetched at start-up and for each new device.
        VQCommandSyncService::sharedInstance().start();
    };
}

void VQVoiceSetup::install()
{
    VQDeviceEvents::setHidCallback([](int eventCode) { VQAudioMonitorService::sharedInstance().hidCallbackType(eventCode); });
    VQDeviceEvents::setShortcutCallback(
        [](int eventCode) { VQAudioMonitorService::sharedInstance().shortcutCallbackType(eventCode); });
    VQDeviceEvents::setCancelAsrHook([] { VQAudioMonitorService::sharedInstance().cancelAsr(); });
    VQDeviceEvents::setRecognitionRunningHook([] { return VQAudioMonitorService::sharedInstance().hadStart(); });
    VQWebApiAsrService::setPressTypeProvider([] { return VQAudioMonitorService::sharedInstance().pressType(); });
    VQWebApiAsrService::setHotWordsProvider([] { return VQHotWordViewModel::sharedInstance().getLocalHotWordListString(); });
    VQWebApiAsrService::setSemanticHandler([](const QJsonObject& dm) { VQSemanticManager::sharedInstance().analysisData(dm); });
    // A recording starts in silence: speech output pauses at once, playback stops.
    VQWebApiAsrService::setBeforeRecordHook([] {
        TKTTSManager::sharedInstance().pauseSpeak(0);
        AppAudioTool::sharedManager().stop();
    });
    // The speech popup, made on first use and kept for the process. A popup installed before
    // (by a test) is kept.
    VQPopupWindowTool& popupTool = VQPopupWindowTool::sharedInstance();
    if (!popupTool.hasSpeechPopupFactory())
        popupTool.setSpeechPopupFactory([]() -> VQSpeechPopupInterface* { return new VQPopupWindow; });

    // What the user hears of the voice-command database: a lock another program holds (the
    // lists work from memory and the tables are written later), a damaged file set aside, after
    // which the lists go into the new file and are fetched again, or a file that cannot be used
    // and is left as it is, the lists kept for this session.
    KVDSqliteOperation::setProblemHandler([](KVDSqliteOperation::Problem problem, const QString& detail) {
        mm::runOnMainOrNow([problem, detail] {
            const auto localized = [](const char* key) { return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)); };
            switch (problem) {
            case KVDSqliteOperation::Problem::Locked:
                VQPopupWindowTool::sharedInstance().showTipMessage(localized(kDatabaseLockedText), QStringLiteral("error_icon"));
                break;
            case KVDSqliteOperation::Problem::Recovered:
                VQToolManager::sharedInstance().showErrorMsg(localized(kDatabaseRecoveredText),
                                                             localized(kDatabaseRecoveredDetailText) + detail);
                VQCommandViewModel::sharedInstance().databaseRecovered();
                break;
            case KVDSqliteOperation::Problem::Unavailable:
                VQToolManager::sharedInstance().showErrorMsg(localized(kDatabaseUnavailableText),
                                                             localized(kDatabaseUnavailableDetailText) + detail);
                break;
            }
        });
    });

    // A receiver plugged in after start-up brings its microphone too (observed once, however
    // often this runs).
    NotificationCenter& centre = NotificationCenter::defaultCenter();
    const QString inserted = QString::fromLatin1(vq::kUSBInsertNotification);
    centre.removeObserver(&VQAudioMonitorService::sharedInstance(), inserted);
    centre.addObserver(&VQAudioMonitorService::sharedInstance(), inserted,
                       [](const VQNotification&) { selectDefaultAudioInput(); });
}

void VQVoiceSetup::installOfflineRecognizer()
{
    IFlyASRManager& manager = IFlyASRManager::sharedInstance();
    if (manager.hasRecognizer())
        return;
    auto* recognizer = new VQPocketsphinxRecognizer;
    if (!recognizer->hasModel()) {
        delete recognizer;
        return;
    }
    manager.setRecognizer(recognizer);
    // Its worker ends with the application object, before static objects go.
    static VQPocketsphinxRecognizer* installed = nullptr;
    installed = recognizer;
    qAddPostRoutine([] {
        if (IFlyASRManager::sharedInstance().recognizer() == installed)
            IFlyASRManager::sharedInstance().setRecognizer(nullptr);
        delete std::exchange(installed, nullptr);
    });
}

QString VQVoiceSetup::receiverAudioDeviceName()
{
    const HIDDevice& hid = HIDDevice::sharedManager();
    const int vendorId = hid.currentVid();
    const int productId = hid.currentPid();
    if (vendorId == 0 && productId == 0)
        return {};
    for (const HidDeviceInfo& info : HidTransport::instance().enumerate()) {
        if (info.vendorId == vendorId && info.productId == productId && !info.product.isEmpty())
            return info.product;
    }
    return {};
}

void VQVoiceSetup::selectDefaultAudioInput()
{
    const QString name = receiverAudioDeviceName();
    if (name.isEmpty()) {
        VQLogInfo(HIDDevice::sharedManager().isOpen()
                      ? QStringLiteral("default input unchanged: the receiver reports no name")
                      : QStringLiteral("default input unchanged: no receiver is open"));
        return;
    }
    const VQAudioDevices::SelectResult result =
        VQAudioDevices::selectDefaultInputByName(name, [name](VQAudioDevices::SelectResult serverResult) {
            if (serverResult == VQAudioDevices::SelectResult::Failed)
                VQLogWarn(QStringLiteral("the sound server kept its default source; \"%1\" is used by voice input only").arg(name));
        });
    if (result == VQAudioDevices::SelectResult::NotFound)
        VQLogInfo(QStringLiteral("default input unchanged: no input device is named \"%1\"").arg(name));
    else
        VQLogInfo(QStringLiteral("default input: \"%1\"").arg(name));
}
