#include "VQAISetup.h"

#include "AppDelegate.h"
#include "HIDDevice.h"
#include "VQAIWindowTool.h"
#include "VQAudioMonitorService.h"
#include "VQDeviceEvents.h"
#include "VQDeviceSettingsHooks.h"
#include "VQKeyPressManager.h"
#include "VQUserInfoData.h"

void VQAISetup::install(AppDelegate& delegate)
{
    AppDelegate::Hooks& hooks = delegate.hooks();
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
    auto previous = hooks.statusItemRebuilt;
    hooks.statusItemRebuilt = [previous](bool connected) {
        if (previous)
            previous(connected);
        const HIDDevice& receiver = HIDDevice::sharedManager();
        if (!connected && receiver.currentVid() == 0x248A && receiver.currentPid() == 0x61AB)
            VQAIWindowTool::sharedInstance().hiddenWindow();
    };
}
