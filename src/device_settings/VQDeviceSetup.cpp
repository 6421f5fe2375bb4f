#include "VQDeviceSetup.h"

#include "AppDelegate.h"
#include "HIDDevice.h"
#include "QRNLocalizedString.h"
#include "VQBLEMouseCommandManager.h"
#include "VQCustomerKeyService.h"
#include "VQKeyPressManager.h"
#include "VQMouseCommandManager.h"
#include "VQOTAUpdateManager.h"
#include "VQPopupWindowTool.h"

void VQDeviceSetup::install(AppDelegate& delegate)
{
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
}
