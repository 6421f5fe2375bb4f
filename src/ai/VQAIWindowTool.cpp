#include "VQAIWindowTool.h"

#include "AppDelegate.h"
#include "MMLog.h"
#include "VQAIWebRules.h"
#include "VQAIWebWindowController.h"
#include "VQAIWindowController.h"
#include "VQDeviceEvents.h"
#include "VQKeyPressManager.h"
#include "VQMouseCommandManager.h"
#include "VQUserInfoData.h"

VQAIWindowTool& VQAIWindowTool::sharedInstance()
{
    static VQAIWindowTool* instance = new VQAIWindowTool();
    return *instance;
}

void VQAIWindowTool::resetForTests()
{
    VQAIWindowTool& tool = sharedInstance();
    delete tool.m_webWindow;
    tool.m_webWindow = nullptr;
    delete tool.m_aiWindow;
    tool.m_aiWindow = nullptr;
    tool.m_helperId.clear();
    tool.setShown(false);
}

VQAIWebWindowController& VQAIWindowTool::webWindow()
{
    if (!m_webWindow) {
        m_webWindow = new VQAIWebWindowController(this);
        // However the window goes (hidden, closed by the user), dictation is typed again.
        connect(m_webWindow, &VQAIWebWindowController::windowHidden, this, [this] { setShown(false); });
    }
    return *m_webWindow;
}

VQAIWindowController& VQAIWindowTool::aiWindow()
{
    if (!m_aiWindow)
        m_aiWindow = new VQAIWindowController();
    return *m_aiWindow;
}

void VQAIWindowTool::setShown(bool shown)
{
    m_shown = shown;
    if (AppDelegate* delegate = AppDelegate::sharedDelegate())
        delegate->setIsShowAIWindow(shown);
}

bool VQAIWindowTool::showInWindow()
{
    if (!webWindow().showWindow())
        return false;
    setShown(true);
    return true;
}

void VQAIWindowTool::hiddenWindow()
{
    webWindow().hideWindow();
    setShown(false);
}

void VQAIWindowTool::requestChatGPT(const QString& text)
{
    if (!m_helperId.isEmpty() && !text.isEmpty()) {
        const QString helper = m_helperId;
        showInWindow();
        webWindow().requestChatGPTWithHelperID(helper, text);
        m_helperId.clear();
        return;
    }
    webWindow().requestChatGPT(text);
    m_helperId.clear();
}

void VQAIWindowTool::requestChatGPTWithHelperID(const QString& helperId, const QString& content)
{
    if (!showInWindow())
        return;
    m_helperId = helperId;
    VQUserInfoData::sharedInstance().setKeyAction(kAiKeyAction);
    webWindow().requestChatGPTWithHelperID(helperId, content);
}

void VQAIWindowTool::requestChatGPTWithHelperID(const QString& helperId, const QString&, bool)
{
    if (!showInWindow())
        return;
    m_helperId = helperId;
    VQUserInfoData::sharedInstance().setKeyAction(kAiKeyAction);
    VQKeyPressManager& keys = VQKeyPressManager::sharedInstance();
    const int pressType = keys.lastPressType();
    if (pressType != kTypingPressType && pressType != 0) {
        VQLogInfo(QStringLiteral("AI helper %1: voice function %2 is running").arg(helperId).arg(pressType));
        return;
    }
    keys.setLastPressType(kTypingPressType);
    if (VQDeviceEvents::isRecognitionRunning()) {
        keys.setLastPressType(0);
        VQMouseCommandManager::sharedInstance().sendCloseMicData();
        VQDeviceEvents::hidCallbackType(kTypingEndPressType);
    } else {
        VQMouseCommandManager::sharedInstance().sendOpenMicData();
        VQDeviceEvents::hidCallbackType(kTypingPressType);
    }
}

void VQAIWindowTool::initSubViews()
{
    VQAIWebWindowController& controller = webWindow();
    controller.setCompleteLoad(false);
    controller.initSubViews();
    hiddenWindow();
}

void VQAIWindowTool::refresh()
{
    webWindow().refresh();
}

void VQAIWindowTool::handleAiKey(int keyByte)
{
    const std::optional<VQAIWebRules::HelperKey> key = VQAIWebRules::helperKeyFor(keyByte);
    if (!key) {
        VQLogInfo(QStringLiteral("AI key %1 is no helper key").arg(keyByte, 2, 16, QLatin1Char('0')));
        return;
    }
    switch (key->action) {
    case VQAIWebRules::HelperKey::Action::Open:
        requestChatGPTWithHelperID(key->helperId, QString());
        break;
    case VQAIWebRules::HelperKey::Action::ToggleOn:
        requestChatGPTWithHelperID(key->helperId, QString(), true);
        break;
    case VQAIWebRules::HelperKey::Action::ToggleOff:
        requestChatGPTWithHelperID(key->helperId, QString(), false);
        break;
    }
}
