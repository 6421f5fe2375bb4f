#include "VQAudioMonitorService.h"

#include "DelayInvoke.h"
#include "KeySynthesizer.h"
#include "MMLog.h"
#include "MacKeyMap.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQBLEMouseCommandManager.h"
#include "VQDeviceEvents.h"
#include "VQEventCode.h"
#include "VQKeyPressManager.h"
#include "VQMouseCommandManager.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQUserInfoData.h"
#include "VQWebApiAsrService.h"

namespace {

// The product whose voice functions are off while its function switch is off.
const QString kSwitchableProductCode = QStringLiteral("260");
// The products whose AI window drives the microphone without the speech popup (key action 18).
const QStringList kAiMicrophoneProductCodes{QStringLiteral("41"), QStringLiteral("209"), QStringLiteral("285")};
constexpr int kAiWindowKeyAction = 18;
// The HID modifier byte and usage of Enter, as the device types it.
constexpr int kHidNoModifier = 0;
constexpr int kHidUsageEnter = 40;
const QString kResetKeyInvokeKey = QStringLiteral("VQAudioMonitorService.resetDeviceKey");
const QString kTipImage = QStringLiteral("info_icon");

bool isReleaseCode(int code)
{
    return code == VQEventCode::kVoiceTypingReleased || code == VQEventCode::kVoiceSearchReleased
        || code == VQEventCode::kVoiceTranslationReleased;
}

QString localized(const QString& key)
{
    return QRNLocalizedString::qrnAppLocalizedString(key);
}

void postNotification(const char* name)
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(name));
}

} // namespace

VQAudioMonitorService& VQAudioMonitorService::sharedInstance()
{
    // Never destroyed: its timers must not outlive the application object in a static destructor.
    static VQAudioMonitorService* instance = new VQAudioMonitorService;
    return *instance;
}

VQAudioMonitorService::VQAudioMonitorService()
{
    m_noSpeechTimer.setSingleShot(true);
    m_noSpeechTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_noSpeechTimer, &QTimer::timeout, this, &VQAudioMonitorService::noSpeechTimerFired);
    m_timeOutTimer.setSingleShot(true);
    m_timeOutTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_timeOutTimer, &QTimer::timeout, this, &VQAudioMonitorService::manualEndAsr);
    m_tipDismissTimer.setSingleShot(true);
    m_tipDismissTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_tipDismissTimer, &QTimer::timeout, this, [this] { dismissHud(); });
}

void VQAudioMonitorService::resetForTests()
{
    VQAudioMonitorService& hub = sharedInstance();
    hub.m_noSpeechTimer.stop();
    hub.m_timeOutTimer.stop();
    hub.m_tipDismissTimer.stop();
    hub.m_timings = Timings();
    hub.m_pressType = 0;
    hub.m_hadStart = false;
    hub.m_isResetKey = true;
    hub.m_isManualEnd = false;
    hub.m_startTime.invalidate();
    hub.m_longPressTime.invalidate();
    hub.m_resultText.clear();
    hub.m_delivery = {};
    hub.m_tipText.clear();
    hub.m_tipShowing = false;
}

void VQAudioMonitorService::setTimingsForTests(const Timings& timings)
{
    sharedInstance().m_timings = timings;
}

const QString& VQAudioMonitorService::tooFastText()
{
    static const QString text = QStringLiteral("点击太快了");
    return text;
}

const QString& VQAudioMonitorService::pleaseSpeakText()
{
    static const QString text = QStringLiteral("请说话...");
    return text;
}

const QString& VQAudioMonitorService::noSpeechText()
{
    static const QString text = QStringLiteral("没有听到您说话，请按语音键重说");
    return text;
}

bool VQAudioMonitorService::isTranslate()
{
    return VQDeviceEvents::isTranslate();
}

void VQAudioMonitorService::setIsTranslate(bool translate)
{
    VQDeviceEvents::setIsTranslate(translate);
}

void VQAudioMonitorService::setResultDelivery(ResultDelivery delivery)
{
    m_delivery = std::move(delivery);
}

// Events -------------------------------------------------------------------------------------

void VQAudioMonitorService::hidCallbackType(int eventCode)
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    if (state.productCode() == kSwitchableProductCode && !state.funcSwitch()) {
        VQLogInfo(QStringLiteral("event code %1 ignored: the product's functions are switched off").arg(eventCode));
        return;
    }
    switch (eventCode) {
    case VQEventCode::kTypingMode:
        switchMode(VQEventCode::kVoiceTypingPressed, QStringLiteral("切换到打字模式"), QStringLiteral("laserPen_icon-6"));
        return;
    case VQEventCode::kTranslationMode:
        switchMode(VQEventCode::kVoiceTranslationPressed, QStringLiteral("切换到翻译模式"),
                   QStringLiteral("laserPen_icon-7"));
        return;
    case VQEventCode::kVoiceTypingPressed:
    case VQEventCode::kVoiceSearchPressed:
    case VQEventCode::kVoiceTranslationPressed:
        pressed(eventCode);
        return;
    case VQEventCode::kVoiceTypingReleased:
    case VQEventCode::kVoiceSearchReleased:
    case VQEventCode::kVoiceTranslationReleased:
        released(eventCode);
        return;
    case VQEventCode::kEnter:
        enter();
        return;
    default:
        break;
    }
    if (const auto press = VQKeyPressManager::pressForEventCode(eventCode)) {
        VQKeyPressManager::sharedInstance().handlePressKeyEvent(press->first, press->second);
        return;
    }
    VQLogInfo(QStringLiteral("event code %1 ignored").arg(eventCode));
}

void VQAudioMonitorService::switchMode(int pressType, const QString& text, const QString& imageName)
{
    m_pressType = pressType;
    VQPopupWindowTool::sharedInstance().showTipMessage(localized(text), imageName);
}

void VQAudioMonitorService::enter()
{
    if (VQUserInfoData::sharedInstance().compatibleModeSwitch()) {
        VQMouseCommandManager::sharedInstance().sendKeyCommandDataKeyCode1(kHidNoModifier, kHidUsageEnter);
        return;
    }
    if (!vqPostKeyEvent(MacKeyMap::kKeyCodeKeypadEnter, true, MacKeyMap::kFlagNonCoalesced))
        VQLogWarn(QStringLiteral("Enter could not be typed"));
}

void VQAudioMonitorService::pressed(int code)
{
    m_pressType = code;
    VQPopupWindowTool::sharedInstance().setIsLast(false);
    stopTimeOutTimer();
    beginAsr();
    if (code == VQEventCode::kVoiceSearchPressed)
        m_longPressTime.start();
}

void VQAudioMonitorService::released(int code)
{
    if (isReleaseCode(m_pressType)) {
        // A repeated release.
        dismissHud();
        return;
    }
    m_pressType = code;
    if (code == VQEventCode::kVoiceSearchReleased && m_longPressTime.isValid()
        && m_longPressTime.nsecsElapsed() < qint64(m_timings.minSearchHoldMs) * 1000000) {
        VQLogInfo(QStringLiteral("search key released too soon: recognition cancelled"));
        cancelAsr();
        return;
    }
    endAsr();
}

// Recognition lifecycle ----------------------------------------------------------------------

void VQAudioMonitorService::beginAsr()
{
    if (m_hadStart)
        return;
    if (m_startTime.isValid()) {
        const qint64 sinceLastNs = m_startTime.nsecsElapsed();
        m_startTime.start();
        if (sinceLastNs < qint64(m_timings.minStartSpacingMs) * 1000000) {
            refuseStart();
            return;
        }
    }
    m_startTime.start();
    m_hadStart = true;
    m_isResetKey = false;
    m_resultText.clear();
    VQLogInfo(QStringLiteral("recognition starts (press type %1)").arg(m_pressType));
    // The popup first: a failure the service reports at once is then shown over it.
    showHud(localized(pleaseSpeakText()), m_pressType);
    m_noSpeechTimer.start(m_timings.noSpeechMs);
    VQWebApiAsrService::sharedInstance().beginAsrIsTransferAudio(
        false, [this](bool success, const QString& text, bool isLast) { handleResult(success, text, isLast); });
    postNotification(vq::ASRStartNotification);
}

void VQAudioMonitorService::refuseStart()
{
    VQLogInfo(QStringLiteral("start refused: too soon after the previous one"));
    showHud(localized(tooFastText()), m_pressType);
    dismissHudAfter(m_timings.refusedDismissMs);
    m_isResetKey = true;
    resetDeviceKey();
    VQMouseCommandManager& device = VQMouseCommandManager::sharedInstance();
    if (device.isStartVoice())
        device.sendCloseMicData();
}

void VQAudioMonitorService::resetDeviceKey()
{
    mm::pxtDelayInvokeAtOnce(
        kResetKeyInvokeKey,
        [this] {
            if (m_isResetKey)
                VQMouseCommandManager::sharedInstance().sendResetKeyStatusData();
        },
        {}, m_timings.resetKeyIntervalMs / 1000.0);
}

void VQAudioMonitorService::noSpeechTimerFired()
{
    if (laserMicrophoneMode())
        return;
    if (m_resultText.isEmpty() && m_hadStart && VQWebApiAsrService::sharedInstance().isSocketOpen())
        showHud(localized(noSpeechText()), 0);
}

void VQAudioMonitorService::endAsr()
{
    if (!m_hadStart) {
        dismissHud();
        // Nothing runs and nothing is awaited: the hub is idle.
        if (!m_timeOutTimer.isActive())
            returnToIdle();
        return;
    }
    // The text recognised so far stays for the time-out, which delivers it.
    m_noSpeechTimer.stop();
    m_hadStart = false;
    m_isResetKey = false;
    VQLogInfo(QStringLiteral("recognition ends (press type %1)").arg(m_pressType));
    VQWebApiAsrService::sharedInstance().endAsr();
    postNotification(vq::ASRFinishNotification);
    m_timeOutTimer.start(m_timings.finalResultTimeOutMs);
}

void VQAudioMonitorService::cancelAsr()
{
    const bool awaited = m_timeOutTimer.isActive();
    m_timeOutTimer.stop();
    m_resultText.clear();
    if (m_hadStart) {
        m_noSpeechTimer.stop();
        m_hadStart = false;
        m_isResetKey = false;
        VQLogInfo(QStringLiteral("recognition cancelled (press type %1)").arg(m_pressType));
        VQWebApiAsrService::sharedInstance().cancelAsr();
        postNotification(vq::ASRFinishNotification);
    } else if (awaited) {
        // The final result of a released key is no longer wanted.
        VQWebApiAsrService::sharedInstance().cancelAsr();
    }
    dismissHud();
    m_pressType = 0;
    VQBLEMouseCommandManager::sharedInstance().setPressType(0);
}

void VQAudioMonitorService::manualEndAsr()
{
    m_timeOutTimer.stop();
    if (VQPopupWindowTool::sharedInstance().isLast())
        return;
    dismissHud();
    // The text goes to the function of the key that was released, not to the idle hub.
    const int releasedPressType = m_pressType;
    const QString text = m_resultText;
    m_isManualEnd = true;
    VQLogInfo(QStringLiteral("no final result after release: ending with the text so far (press type %1)")
                  .arg(releasedPressType));
    dealWithAsrResult(text, true, releasedPressType);
}

void VQAudioMonitorService::stopTimeOutTimer()
{
    m_timeOutTimer.stop();
    m_isManualEnd = false;
}

void VQAudioMonitorService::returnToIdle()
{
    m_noSpeechTimer.stop();
    m_timeOutTimer.stop();
    m_pressType = 0;
    VQBLEMouseCommandManager::sharedInstance().setPressType(0);
    m_hadStart = false;
    m_resultText.clear();
}

// Results ------------------------------------------------------------------------------------

void VQAudioMonitorService::handleResult(bool success, const QString& text, bool isLast)
{
    if (m_isManualEnd) {
        // The time-out already ended this utterance.
        dismissHud();
        m_isManualEnd = false;
        return;
    }
    VQPopupWindowTool::sharedInstance().setIsLast(isLast);
    const bool shown = success && (hudIsShowing() || resultsWithoutPopupAllowed());
    if (!shown) {
        dismissHud();
        if (isLast) {
            if (m_hadStart)
                postNotification(vq::ASRFinishNotification);
            returnToIdle();
        }
        VQLogInfo(QStringLiteral("result dropped (%1)").arg(success ? "popup closed" : "failure"));
        return;
    }
    m_resultText = text;
    if (isLast) {
        dismissHud();
        VQMouseCommandManager& device = VQMouseCommandManager::sharedInstance();
        if (device.isStartVoice())
            device.sendCloseMicData();
    } else {
        showHud(text, m_pressType);
    }
    dealWithAsrResult(text, isLast, m_pressType);
}

void VQAudioMonitorService::dealWithAsrResult(const QString& text, bool isLast, int pressType)
{
    if (!text.isEmpty()) {
        if (m_delivery)
            m_delivery(text, isLast, pressType);
        else if (isLast)
            VQLogInfo(QStringLiteral("recognised (press type %1): %2").arg(pressType).arg(text));
    }
    if (isLast) {
        // A last result that comes while the key is held ends the recognition as well.
        if (m_hadStart)
            postNotification(vq::ASRFinishNotification);
        returnToIdle();
    }
}

bool VQAudioMonitorService::laserMicrophoneMode() const
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    return state.isLaser() && state.isVoice() && state.laserPenVoiceFunctionIndex() == 0
        && m_pressType == VQEventCode::kVoiceTypingPressed;
}

bool VQAudioMonitorService::resultsWithoutPopupAllowed() const
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    return kAiMicrophoneProductCodes.contains(state.productCode()) && state.keyAction() == kAiWindowKeyAction;
}

// The speech popup or the tip in its place -----------------------------------------------------

void VQAudioMonitorService::showHud(const QString& text, int type)
{
    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
    if (tool.speechPopup()) {
        tool.showSpeechView(text, type);
        return;
    }
    m_tipDismissTimer.stop();
    m_tipText = text;
    m_tipShowing = true;
    tool.showTipMessage(text, kTipImage);
}

void VQAudioMonitorService::dismissHud()
{
    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
    if (tool.speechPopup()) {
        tool.dismissSpeechView();
        return;
    }
    m_tipDismissTimer.stop();
    // Only a tip of ours is closed; another subsystem's tip stays its 2 s.
    if (m_tipShowing && tool.tipWindow()->text() == m_tipText)
        tool.tipWindow()->closeTip();
    m_tipShowing = false;
}

void VQAudioMonitorService::dismissHudAfter(int ms)
{
    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
    if (tool.speechPopup())
        tool.dismissSpeechView(ms / 1000.0);
    else
        m_tipDismissTimer.start(ms);
}

bool VQAudioMonitorService::hudIsShowing()
{
    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
    if (tool.speechPopup())
        return tool.isShow();
    return m_tipShowing;
}
