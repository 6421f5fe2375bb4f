#include "VQKeyPressManager.h"

#include "Clipboard.h"
#include "InputMonitor.h"
#include "KeySynthesizer.h"
#include "MMLog.h"
#include "MacKeyMap.h"
#include "MouseSettingModel.h"
#include "PowerControl.h"
#include "VQDeviceEvents.h"
#include "VQDeviceProtocol.h"
#include "VQEventCode.h"
#include "VQKeyType.h"
#include "VQMouseCommandManager.h"
#include "VQPressKind.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

namespace {

// HID usages of the keys typed (keyboard page).
constexpr int kUsageC = 0x06;
constexpr int kUsageV = 0x19;
constexpr int kUsageEnter = 0x28;
constexpr int kUsageBackspace = 0x2A;
constexpr int kUsageTab = 0x2B;
constexpr int kUsageF11 = 0x44;
constexpr int kUsageRightArrow = 0x4F;
constexpr int kUsageLeftArrow = 0x50;
// HID modifier bits; the GUI (Command) bit is typed as Control on Linux.
constexpr int kModifierNone = 0x00;
constexpr int kModifierLeftAlt = 0x04;
constexpr int kModifierLeftGui = VQDeviceProtocol::kModifierLeftGui;

constexpr int kMacKeyCodeF11 = 103;
constexpr quint64 kNoModifiers = MacKeyMap::kFlagNonCoalesced;

constexpr int kMiddleButtonNumber = 2;

QString typeText(VQKeyOperationType type)
{
    return QString::number(quint32(type));
}

} // namespace

VQKeyPressManager& VQKeyPressManager::sharedInstance()
{
    static VQKeyPressManager* manager = new VQKeyPressManager();
    return *manager;
}

VQKeyPressManager::VQKeyPressManager()
    : m_classifier([this](int pressKind) { handlePressKeyEvent(pressKind, VQKeyType::kMiddleButton); })
{
    m_deleteTimer.setInterval(kDeleteRepeatMs);
    connect(&m_deleteTimer, &QTimer::timeout, this, &VQKeyPressManager::deleteRepeat);
    m_selectedWordTimer.setSingleShot(true);
    m_selectedWordTimer.setTimerType(Qt::PreciseTimer);
    m_selectedWordTimer.setInterval(kSelectedWordTranslateDelayMs);
    connect(&m_selectedWordTimer, &QTimer::timeout, this,
            [this] { callHook(m_hooks.hyperTranslate, "translation of the selected word"); });
}

void VQKeyPressManager::resetForTests()
{
    VQKeyPressManager& m = sharedInstance();
    m.stop();
    m.m_hooks = Hooks();
    m.m_lastPressType = 0;
    m.m_held.clear();
    m.stopDeleteRepeat();
    m.m_selectedWordTimer.stop();
}

bool VQKeyPressManager::start()
{
    if (m_monitorId != 0)
        return true;
    m_monitorId = InputMonitor::instance().addMonitor(
        MMEventMasks::kOtherMouseDown | MMEventMasks::kOtherMouseUp, [this](const MMEvent& event) {
            if (event.buttonNumber != kMiddleButtonNumber)
                return;
            if (event.type == MMEventType::OtherMouseDown)
                m_classifier.buttonDown();
            else if (event.type == MMEventType::OtherMouseUp)
                m_classifier.buttonUp();
        });
    if (m_monitorId == 0)
        VQLogWarn(QStringLiteral("the middle mouse button cannot be watched; its key functions are off"));
    return m_monitorId != 0;
}

void VQKeyPressManager::stop()
{
    if (m_monitorId != 0)
        InputMonitor::instance().removeMonitor(m_monitorId);
    m_monitorId = 0;
    m_classifier.reset();
}

std::optional<std::pair<int, int>> VQKeyPressManager::pressForEventCode(int eventCode)
{
    if (eventCode < VQEventCode::kFirstKeyEvent || eventCode > VQEventCode::kLastKeyEvent)
        return std::nullopt;
    const int offset = eventCode - VQEventCode::kFirstKeyEvent;
    return std::make_pair(VQPressKind::kSingle + offset % 4, VQKeyType::kFirstDeviceKey + offset / 4);
}

void VQKeyPressManager::handlePressKeyEvent(int pressKind, int keyType)
{
    if (pressKind < VQPressKind::kSingle || pressKind > VQPressKind::kLongReleased
        || keyType < VQKeyType::kMiddleButton || keyType > VQKeyType::kLastDeviceKey) {
        VQLogWarn(QStringLiteral("key event of press kind %1 and key type %2 ignored").arg(pressKind).arg(keyType));
        return;
    }
    // Any new press ends a delete that repeats.
    if (m_deleteTimer.isActive() && pressKind != VQPressKind::kLongReleased)
        stopDeleteRepeat();
    if (pressKind == VQPressKind::kLongReleased) {
        release(keyType);
        return;
    }
    const std::shared_ptr<KeySettingSubModel> function =
        MouseSettingModel::chosenFunction(VQUserInfoData::sharedInstance().mouseSettingArr(), quint64(keyType), pressKind);
    if (!function) {
        VQLogInfo(QStringLiteral("key type %1, press kind %2: no function chosen").arg(keyType).arg(pressKind));
        return;
    }
    perform(function->operationType(), function->attr0(), pressKind, keyType);
}

void VQKeyPressManager::release(int keyType)
{
    const auto found = m_held.constFind(keyType);
    if (found == m_held.constEnd())
        return;
    const Held held = found.value();
    m_held.erase(found);
    if (held.type == VQKeyOperationType::Delete) {
        stopDeleteRepeat();
    } else if (held.voiceCode != 0) {
        if (m_lastPressType == held.voiceCode)
            endVoice(held.voiceCode);
        else
            VQLogInfo(QStringLiteral("voice function %1 already ended").arg(held.voiceCode));
    }
}

void VQKeyPressManager::perform(VQKeyOperationType type, const QString& argument, int pressKind, int keyType)
{
    VQLogInfo(QStringLiteral("key type %1, press kind %2: operation %3").arg(keyType).arg(pressKind).arg(typeText(type)));
    VQToolManager& tools = VQToolManager::sharedInstance();
    switch (type) {
    case VQKeyOperationType::None:
    case VQKeyOperationType::DpiStep:
    case VQKeyOperationType::ReportRate:
        // Items of the DPI and report-rate rows: chosen on the page, nothing to do on a press.
        break;
    case VQKeyOperationType::VoiceTyping:
        voice(VQEventCode::kVoiceTypingPressed, pressKind, keyType);
        break;
    case VQKeyOperationType::VoiceSearch:
        voice(VQEventCode::kVoiceSearchPressed, pressKind, keyType);
        break;
    case VQKeyOperationType::VoiceTranslation:
        voice(VQEventCode::kVoiceTranslationPressed, pressKind, keyType);
        break;
    case VQKeyOperationType::VoiceTypingOrTranslation:
        voice(VQDeviceEvents::isTranslate() ? VQEventCode::kVoiceTranslationPressed : VQEventCode::kVoiceTypingPressed,
              pressKind, keyType);
        break;
    case VQKeyOperationType::Shortcut:
        if (!VQToolManager::handleShortcut(argument))
            VQLogWarn(QStringLiteral("the key's shortcut was not played"));
        break;
    case VQKeyOperationType::OpenWebPage:
        if (!tools.openBrowserWithCmdString(argument))
            VQLogWarn(QStringLiteral("the key's web page was not opened"));
        break;
    case VQKeyOperationType::OpenFile:
    case VQKeyOperationType::OpenFolder:
        if (!VQToolManager::openFileWithPath(argument))
            VQLogWarn(QStringLiteral("the key's file or folder was not opened"));
        break;
    case VQKeyOperationType::ScreenshotTranslation:
        if (VQUserInfoData::sharedInstance().isConnect())
            callHook(m_hooks.snipTranslate, "screenshot translation");
        else
            VQLogInfo(QStringLiteral("screenshot translation needs a connected device"));
        break;
    case VQKeyOperationType::FixedText:
        if (!VQToolManager::copyAndPaste(argument))
            VQLogWarn(QStringLiteral("the key's text was not typed"));
        break;
    case VQKeyOperationType::ShowDesktop:
        typeKey({kModifierNone, kUsageF11, kMacKeyCodeF11, kNoModifiers});
        break;
    case VQKeyOperationType::Delete:
        typeKey({kModifierNone, kUsageBackspace, MacKeyMap::kKeyCodeDelete, kNoModifiers});
        if (pressKind == VQPressKind::kLong) {
            m_held.insert(keyType, {VQKeyOperationType::Delete, 0});
            m_deleteRepeats = 0;
            m_deleteTimer.start();
        }
        break;
    case VQKeyOperationType::Enter:
        typeKey({kModifierNone, kUsageEnter, MacKeyMap::kKeyCodeKeypadEnter, kNoModifiers});
        break;
    case VQKeyOperationType::SwitchTypingTranslationMode:
        toggleTypingTranslationMode();
        break;
    // Copy and paste use the Command chord (Control on Linux). Switching application and moving
    // back and forward use Alt, as Linux desktops do (Control+Tab and Control+arrows would switch
    // tabs and move the text cursor by words instead).
    case VQKeyOperationType::SwitchApplication:
        typeKey({kModifierLeftAlt, kUsageTab, MacKeyMap::kKeyCodeTab, MacKeyMap::kFlagOption});
        break;
    case VQKeyOperationType::NextDpiStep:
        nextDpiStep();
        break;
    case VQKeyOperationType::AIWindow:
    case VQKeyOperationType::OpenAIWindow:
        callHook(m_hooks.showAIWindow, "AI window");
        break;
    case VQKeyOperationType::Copy:
        typeKey({kModifierLeftGui, kUsageC, MacKeyMap::kKeyCodeC, MacKeyMap::kFlagCommand});
        break;
    case VQKeyOperationType::Paste:
        typeKey({kModifierLeftGui, kUsageV, MacKeyMap::kKeyCodeV, MacKeyMap::kFlagCommand});
        break;
    case VQKeyOperationType::Forward:
        typeKey({kModifierLeftAlt, kUsageRightArrow, MacKeyMap::kKeyCodeRightArrow, MacKeyMap::kFlagOption});
        break;
    case VQKeyOperationType::Back:
        typeKey({kModifierLeftAlt, kUsageLeftArrow, MacKeyMap::kKeyCodeLeftArrow, MacKeyMap::kFlagOption});
        break;
    case VQKeyOperationType::LockScreen:
        PowerControl::instance().suspend([](bool ok, const QString& error) {
            if (!ok)
                VQLogWarn(QStringLiteral("the computer was not put to sleep: %1").arg(error));
        });
        break;
    case VQKeyOperationType::TranslateSelectedWord:
        translateSelectedWord();
        break;
    }
}

void VQKeyPressManager::voice(int pressCode, int pressKind, int keyType)
{
    if (pressKind == VQPressKind::kLong) {
        if (beginVoice(pressCode))
            m_held.insert(keyType, {VQKeyOperationType::None, pressCode});
        return;
    }
    // A single or double press starts the function, and the next one ends it.
    if (m_lastPressType == pressCode)
        endVoice(pressCode);
    else
        beginVoice(pressCode);
}

bool VQKeyPressManager::beginVoice(int pressCode)
{
    if (m_lastPressType != 0) {
        VQLogInfo(QStringLiteral("voice function %1 refused: %2 is running").arg(pressCode).arg(m_lastPressType));
        return false;
    }
    m_lastPressType = pressCode;
    // The device streams its voice once its microphone is open; the hub closes it again when
    // it refuses to start.
    if (VQUserInfoData::sharedInstance().isConnect())
        VQMouseCommandManager::sharedInstance().sendOpenMicData();
    VQDeviceEvents::hidCallbackType(pressCode);
    return true;
}

void VQKeyPressManager::endVoice(int pressCode)
{
    m_lastPressType = 0;
    if (VQUserInfoData::sharedInstance().isConnect())
        VQMouseCommandManager::sharedInstance().sendCloseMicData();
    VQDeviceEvents::hidCallbackType(VQEventCode::releaseOf(pressCode));
}

void VQKeyPressManager::typeKey(const KeyChord& chord)
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    if (state.compatibleModeSwitch() && state.isConnect()) {
        VQMouseCommandManager::sharedInstance().sendKeyCommandDataKeyCode1(chord.hidModifier, chord.hidUsage);
        return;
    }
    if (!vqPostKeyEvent(chord.macKeyCode, true, chord.macFlags))
        VQLogWarn(QStringLiteral("key %1 was not posted").arg(chord.macKeyCode));
}

void VQKeyPressManager::deleteRepeat()
{
    if (++m_deleteRepeats >= kDeleteRepeatLimit) {
        VQLogInfo(QStringLiteral("delete held too long; repeating stopped"));
        stopDeleteRepeat();
    }
    typeKey({kModifierNone, kUsageBackspace, MacKeyMap::kKeyCodeDelete, kNoModifiers});
}

void VQKeyPressManager::stopDeleteRepeat()
{
    m_deleteTimer.stop();
    m_deleteRepeats = 0;
}

void VQKeyPressManager::nextDpiStep()
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    const qsizetype steps = state.getMouseDpiArray().size();
    if (steps <= 0)
        return;
    const qint64 current = state.mouseInfoItem().dpi();
    const qint64 next = (current < 0 || current + 1 >= steps) ? 0 : current + 1;
    VQMouseCommandManager::sharedInstance().sendSetDpiData(next);
}

void VQKeyPressManager::toggleTypingTranslationMode()
{
    // As the device's mode key: a running recognition is cancelled, the mode flips and the
    // voice hub shows the new mode.
    VQDeviceEvents::cancelAsr();
    const bool translate = !VQDeviceEvents::isTranslate();
    VQDeviceEvents::setIsTranslate(translate);
    VQDeviceEvents::hidCallbackType(VQDeviceProtocol::modeKeyEvent(translate));
}

void VQKeyPressManager::translateSelectedWord()
{
    // The pasteboard is cleared first, so the translation reads only what this copy put there.
    Clipboard::instance().setText(QString());
    if (VQUserInfoData::sharedInstance().isConnect())
        VQMouseCommandManager::sharedInstance().sendKeyCommandDataKeyCode1(kModifierLeftGui, kUsageC);
    else if (!vqPostKeyEvent(MacKeyMap::kKeyCodeC, true, MacKeyMap::kFlagCommand))
        VQLogWarn(QStringLiteral("the copy of the selected word was not posted"));
    m_selectedWordTimer.start();
}

void VQKeyPressManager::callHook(const std::function<void()>& hook, const char* what)
{
    if (!hook) {
        VQLogInfo(QStringLiteral("%1 is not available").arg(QLatin1String(what)));
        return;
    }
    const std::function<void()> copy = hook; // the hook may replace itself
    copy();
}
