#include "VQAudioMonitorService.h"

#include "AppDelegate.h"
#include "Clipboard.h"
#include "DelayInvoke.h"
#include "GlobalShortcuts.h"
#include "KeySynthesizer.h"
#include "MMLog.h"
#include "MacKeyMap.h"
#include "MMLoggedAddress.h"
#include "NotificationCenter.h"
#include "PasteKeys.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQBLEMouseCommandManager.h"
#include "VQCmdService.h"
#include "VQCommandViewModel.h"
#include "VQDeviceEvents.h"
#include "VQEventCode.h"
#include "VQHttpRequestManager.h"
#include "VQKeyPressManager.h"
#include "VQLanguageManager.h"
#include "VQMouseCommandManager.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQTranslateScene.h"
#include "VQUserInfoData.h"
#include "VQVoiceCommandItem.h"
#include "VQWebApiAsrService.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QThreadPool>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <iterator>

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
const QString kErrorImage = QStringLiteral("error_icon");
// The products whose AI window does not take pasted text.
const QStringList kNoAiPasteProductCodes{QStringLiteral("209"), QStringLiteral("285")};
// The device's paste chords: HID modifiers Left GUI (Control on the host's key map) and Left
// Shift, usages V and Insert.
constexpr int kHidLeftShift = 0x02;
constexpr int kHidLeftGui = 0x08;
constexpr int kHidUsageV = 0x19;
constexpr int kHidUsageInsert = 0x49;
constexpr int kDefaultLocalServicePort = 10668;
constexpr int kLocalServiceTimeOutMs = 10000;
std::atomic<int> g_localServicePort{0};

// The release code of a press code; other codes stay as they are.
int releaseCodeOf(int code)
{
    switch (code) {
    case VQEventCode::kVoiceTypingPressed:
        return VQEventCode::kVoiceTypingReleased;
    case VQEventCode::kVoiceSearchPressed:
        return VQEventCode::kVoiceSearchReleased;
    case VQEventCode::kVoiceTranslationPressed:
        return VQEventCode::kVoiceTranslationReleased;
    default:
        return code;
    }
}

bool isReleaseCode(int code)
{
    return code == VQEventCode::kVoiceTypingReleased || code == VQEventCode::kVoiceSearchReleased
        || code == VQEventCode::kVoiceTranslationReleased;
}

QString localized(const QString& key)
{
    return QRNLocalizedString::qrnAppLocalizedString(key);
}

// The web search engines, by VQLanguageManager::searchEngineTag: host, then the path and query
// that the encoded search text follows. The identifiers in the second and third addresses are
// fixed.
struct SearchEngine {
    const char* host;
    const char* pathAndQuery;
};
constexpr SearchEngine kSearchEngines[] = {
    {"www.baidu.com", "/s?ie=utf-8&wd="},
    {"www.google.com", "/search?ei=Rk7vQm2XcT9pLw4ZaN8s&q="},
    {"search.yahoo.com", "/search;_ylt=AwrKq5Tn3mVxZ0cB7hUe2LsD?ei=UTF-8&p="},
};

// The characters stripped from both ends of a spoken command: the ASCII blank and marks that
// recognition puts around words.
bool isCommandTrimCharacter(QChar c)
{
    static const QString set = QString::fromUtf8(" .@#$%^&*()-_+=[]{}|~\\'\"／：；（）¥「」＂、＜＞€•");
    return set.contains(c);
}

void postNotification(const char* name)
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(name));
}

// The text as a JSON string value, quotes included.
QByteArray jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

bool isSentenceMark(QChar c)
{
    static const QString marks = QStringLiteral(".?!\u3002\uFF1F\uFF01");
    return marks.contains(c);
}

// A recognition language code as the translation service wants it: every Chinese variant is ZH_CN.
QString translationSourceCode(const QString& code)
{
    return code.startsWith(QLatin1String("ZH")) ? QStringLiteral("ZH_CN") : code;
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
    // Translation follows the service's status reports, which it gives before the result block.
    connect(&VQWebApiAsrService::sharedInstance(),
            &VQWebApiAsrService::speechManagerRecognitionStatusChangeRecognizingAsrNewResult, this,
            &VQAudioMonitorService::speechManagerRecognitionStatusChangeRecognizingAsr);
    // The command lists are indexed when they change, before the search key needs them.
    connect(&VQCommandViewModel::sharedInstance(), &VQCommandViewModel::commandListsChanged, this,
            &VQAudioMonitorService::prepareCommandIndexes);
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
    hub.m_fromShortcut = false;
    hub.m_fromMicrophone = false;
    hub.m_awaited.clear();
    hub.m_failureShown.invalidate();
    hub.m_observer = {};
    hub.m_aiWindowHook = {};
    hub.m_tipText.clear();
    hub.m_tipShowing = false;
    hub.clearTranslationState();
    g_localServicePort = 0;
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

const QString& VQAudioMonitorService::pasteFailedText()
{
    static const QString text = QStringLiteral("粘贴失败");
    return text;
}

const QString& VQAudioMonitorService::translateFailedText()
{
    static const QString text = QStringLiteral("翻译失败");
    return text;
}

const QString& VQAudioMonitorService::browserFailedText()
{
    static const QString text = QStringLiteral("无法打开浏览器");
    return text;
}

void VQAudioMonitorService::setLocalServicePort(int port)
{
    g_localServicePort = port;
}

int VQAudioMonitorService::localServicePort()
{
    if (const int port = g_localServicePort.load(); port > 0)
        return port;
    static const int fromEnvironment = [] {
        const QByteArray value = qgetenv("CORVANE_LOCAL_SERVICE_PORT");
        if (value.isEmpty())
            return kDefaultLocalServicePort;
        bool ok = false;
        const int port = value.toInt(&ok);
        if (!ok || port <= 0 || port > 65535) {
            VQLogWarn(QStringLiteral("CORVANE_LOCAL_SERVICE_PORT ignored: \"%1\" is no port").arg(QString::fromLatin1(value)));
            return kDefaultLocalServicePort;
        }
        return port;
    }();
    return fromEnvironment;
}

void VQAudioMonitorService::setResultObserver(ResultObserver observer)
{
    m_observer = std::move(observer);
}

void VQAudioMonitorService::setAiWindowHook(TextHook hook)
{
    m_aiWindowHook = std::move(hook);
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

void VQAudioMonitorService::shortcutCallbackType(int eventCode)
{
    m_fromShortcut = true;
    hidCallbackType(eventCode);
    m_fromShortcut = false;
}

void VQAudioMonitorService::switchMode(int pressType, const QString& text, const QString& imageName)
{
    m_pressType = pressType;
    VQPopupWindowTool::sharedInstance().showTipMessage(localized(text), imageName);
}

// Compatibility mode has the device type keys, which only a connected device can do; without
// one they are synthesised as with the mode off.
bool VQAudioMonitorService::deviceTypesKeys()
{
    if (!VQUserInfoData::sharedInstance().compatibleModeSwitch())
        return false;
    if (VQMouseCommandManager::sharedInstance().hasDeviceLink())
        return true;
    VQLogInfo(QStringLiteral("compatibility mode without a device link: the key is synthesised"));
    return false;
}

void VQAudioMonitorService::enter()
{
    if (deviceTypesKeys()) {
        VQMouseCommandManager::sharedInstance().sendKeyCommandDataKeyCode1(kHidNoModifier, kHidUsageEnter);
        return;
    }
    if (!vqPostKeyEvent(MacKeyMap::kKeyCodeKeypadEnter, true, MacKeyMap::kFlagNonCoalesced))
        VQLogWarn(QStringLiteral("Enter could not be typed"));
}

void VQAudioMonitorService::pressed(int code)
{
    if (m_timeOutTimer.isActive())
        parkAwaited();
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
    // A device streams only while its own voice key is held: a keyboard shortcut records the
    // computer's input unless the device streams for the shortcuts too.
    const VQMouseCommandManager& device = VQMouseCommandManager::sharedInstance();
    const bool fromMicrophone = device.isFromMicData() || (m_fromShortcut && !device.streamsVoiceForShortcuts());
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
    m_fromMicrophone = fromMicrophone;
    m_isResetKey = false;
    m_resultText.clear();
    clearTranslationState();
    const quint64 utterance = ++m_utterance;
    VQLogInfo(QStringLiteral("recognition starts (press type %1, %2)")
                  .arg(m_pressType)
                  .arg(fromMicrophone ? QStringLiteral("the computer's input") : QStringLiteral("the device's voice")));
    // The popup first: a failure the service reports at once is then shown over it.
    showHud(localized(pleaseSpeakText()), m_pressType);
    m_noSpeechTimer.start(m_timings.noSpeechMs);
    VQWebApiAsrService::sharedInstance().beginAsrIsTransferAudio(
        false,
        [this, utterance](bool success, const QString& text, bool isLast) {
            if (utterance == m_utterance)
                handleResult(success, text, isLast);
            else
                awaitedResult(utterance, success, text, isLast);
        },
        fromMicrophone ? VQWebApiAsrService::AudioSource::Microphone : VQWebApiAsrService::AudioSource::Device);
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
    if (!m_resultText.isEmpty() || !m_hadStart || !VQWebApiAsrService::sharedInstance().isSocketOpen())
        return;
    showHud(localized(noSpeechText()), 0);
    // A recording of the device's voice, which streams only while its own key is held: with no
    // stream no audio will come and no release either. The utterance ends as at a release, and
    // the final-result time-out puts the popup away.
    const VQMouseCommandManager& device = VQMouseCommandManager::sharedInstance();
    if (!m_fromMicrophone && !device.isStartVoice() && !isReleaseCode(m_pressType)) {
        VQLogInfo(QStringLiteral("no voice from the device: the recognition ends (press type %1)").arg(m_pressType));
        m_pressType = releaseCodeOf(m_pressType);
        endAsr();
    }
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
    if (releasedPressType == VQEventCode::kVoiceTranslationReleased) {
        // No end report will come: the text so far is translated as a whole.
        m_lastResultText = text;
        requestTranslateText(text, true);
    }
    dealWithAsrResult(text, true);
}

void VQAudioMonitorService::parkAwaited()
{
    Awaited awaited{m_utterance, m_pressType, m_resultText};
    const int left = m_timeOutTimer.remainingTime();
    m_timeOutTimer.stop();
    // From here on the results of that utterance find another one running.
    ++m_utterance;
    m_resultText.clear();
    VQLogInfo(QStringLiteral("a press while a final result is awaited: it is still delivered (press type %1)")
                  .arg(awaited.releasedType));
    const quint64 utterance = awaited.utterance;
    m_awaited.push_back(std::move(awaited));
    QTimer::singleShot(qMax(0, left), Qt::PreciseTimer, this, [this, utterance] { awaitedTimedOut(utterance); });
}

void VQAudioMonitorService::awaitedResult(quint64 utterance, bool success, const QString& text, bool isLast)
{
    const auto it = std::find_if(m_awaited.begin(), m_awaited.end(),
                                 [utterance](const Awaited& a) { return a.utterance == utterance; });
    if (it == m_awaited.end())
        return; // delivered at its time-out already
    if (!isLast) {
        if (success)
            it->text = text;
        return;
    }
    const Awaited awaited = *it;
    m_awaited.erase(it);
    if (!success)
        VQLogWarn(QStringLiteral("an earlier utterance broke off: its text is delivered"));
    deliverAwaited(text.isEmpty() && !success ? awaited.text : text, awaited.releasedType);
}

void VQAudioMonitorService::awaitedTimedOut(quint64 utterance)
{
    const auto it = std::find_if(m_awaited.begin(), m_awaited.end(),
                                 [utterance](const Awaited& a) { return a.utterance == utterance; });
    if (it == m_awaited.end())
        return;
    const Awaited awaited = *it;
    m_awaited.erase(it);
    VQLogInfo(QStringLiteral("no final result for an earlier utterance: its text so far is delivered"));
    deliverAwaited(awaited.text, awaited.releasedType);
}

void VQAudioMonitorService::deliverAwaited(const QString& text, int releasedType)
{
    if (text.isEmpty())
        return;
    if (m_observer)
        m_observer(text, true, releasedType);
    if (releasedType != VQEventCode::kVoiceTranslationReleased) {
        dealWithFinalAsrResult(text, true, releasedType);
        return;
    }
    // The running utterance owns the popup's translation: this one is translated and pasted.
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    requestTranslateText(text, languages.readAudioLanguageCode(), languages.readToLanguageCode(),
                         [this](bool success, const QString& translation) {
                             if (!success) {
                                 VQPopupWindowTool::sharedInstance().showTipMessage(localized(translateFailedText()),
                                                                                    kErrorImage);
                                 return;
                             }
                             copyAndPasteResult(translation);
                         });
}

void VQAudioMonitorService::holdFailureText()
{
    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
    if (!tool.speechPopup())
        return; // the tip shows its 2 s by itself
    m_failureShown.start();
    tool.dismissSpeechView(VQTipWindow::closeDelayMs / 1000.0);
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
    if (!success && isLast) {
        // The connection broke off before the final result: what was recognised is delivered.
        VQLogInfo(QStringLiteral("the utterance broke off: its text so far is delivered"));
        holdFailureText();
        if (!text.isEmpty())
            m_resultText = text;
        dealWithAsrResult(m_resultText, true);
        return;
    }
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
    // The service has stopped the utterance's sources by its last result.
    if (isLast)
        dismissHud();
    else
        showHud(text, m_pressType);
    dealWithAsrResult(text, isLast);
}

void VQAudioMonitorService::dealWithAsrResult(const QString& text, bool isLast)
{
    // A last result while the key is held ends the utterance as the key's release would.
    const int pressType = isLast ? releaseCodeOf(m_pressType) : m_pressType;
    if (!text.isEmpty()) {
        if (m_observer)
            m_observer(text, isLast, pressType);
        dealWithFinalAsrResult(text, isLast, pressType);
    }
    if (isLast) {
        // A last result that comes while the key is held ends the recognition as well.
        if (m_hadStart)
            postNotification(vq::ASRFinishNotification);
        returnToIdle();
    }
}

void VQAudioMonitorService::dealWithFinalAsrResult(const QString& text, bool isLast, int pressType)
{
    switch (pressType) {
    case VQEventCode::kVoiceSearchReleased: {
        if (!isLast)
            return;
        QString searchString = text;
        searchString.remove(QStringLiteral("\u3002"));
        searchString.remove(QLatin1Char('!'));
        // A command may type keys or paste.
        deliverAfterKeyRelease([this, searchString] { requestMatchingCmd(searchString); });
        return;
    }
    case VQEventCode::kVoiceTypingReleased:
        if (!isLast)
            return;
        if (VQUserInfoData::sharedInstance().semanticSwitch()) {
            VQLogInfo(QStringLiteral("semantic mode: the text is answered, not pasted"));
            return;
        }
        copyAndPasteResult(text);
        return;
    default:
        // The translation key delivers through its translation; 33, 35 and 37 mean a key is held.
        return;
    }
}

void VQAudioMonitorService::copyAndPasteResult(const QString& text)
{
    if (text.isEmpty())
        return;
    if (QThread::currentThread() == thread())
        deliverAfterKeyRelease([this, text] { pasteOnMain(text); });
    else
        QMetaObject::invokeMethod(
            this, [this, text] { deliverAfterKeyRelease([this, text] { pasteOnMain(text); }); }, Qt::QueuedConnection);
    sendLocalhostHttp(text);
}

void VQAudioMonitorService::deliverAfterKeyRelease(std::function<void()> delivery)
{
    GlobalShortcuts::instance().whenKeysReleased(std::move(delivery));
}

void VQAudioMonitorService::pasteOnMain(const QString& text)
{
    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
    if (!mm::mm_generalPasteboardSetString(text)) {
        VQLogWarn(QStringLiteral("the clipboard refused the text: nothing pasted"));
        tool.showTipMessage(localized(pasteFailedText()), kErrorImage);
        return;
    }
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    const AppDelegate* delegate = AppDelegate::sharedDelegate();
    const int productCode = state.productCode().toInt();
    if (delegate && delegate->isShowAIWindow() && state.keyAction() == kAiWindowKeyAction
        && !kNoAiPasteProductCodes.contains(QString::number(productCode))) {
        if (m_aiWindowHook) {
            m_aiWindowHook(text);
            return;
        }
        VQLogWarn(QStringLiteral("an AI window is open but takes no text: pasted instead"));
    }
    PasteKeys::ChordTyper deviceTyper;
    if (deviceTypesKeys()) {
        // The device types the paste chord itself.
        deviceTyper = [](PasteKeys::Chord chord) {
            const bool insert = chord == PasteKeys::Chord::ShiftInsert;
            const int modifiers = insert ? kHidLeftShift
                                         : kHidLeftGui | (chord == PasteKeys::Chord::ControlShiftV ? kHidLeftShift : 0);
            VQMouseCommandManager::sharedInstance().sendKeyCommandDataKeyCode1(modifiers, insert ? kHidUsageInsert : kHidUsageV);
            return true;
        };
    }
    if (!PasteKeys::pasteIntoFocusedWindow(text, deviceTyper)) {
        VQLogWarn(QStringLiteral("nothing pasted; the text is on the clipboard"));
        tool.showTipMessage(localized(pasteFailedText()), kErrorImage);
    }
}

QByteArray VQAudioMonitorService::localServiceBody(const QString& text, const QString& serialNumber)
{
    QByteArray body("{\r\n    \"cmd\":\"voicetext\",\r\n    \"data\":");
    body += jsonString(text);
    body += ",\r\n    \"snr\":";
    body += jsonString(serialNumber); // a null text is written as ""
    body += "\r\n}";
    return body;
}

void VQAudioMonitorService::sendLocalhostHttp(const QString& text)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, text] { sendLocalhostHttp(text); }, Qt::QueuedConnection);
        return;
    }
    if (!m_localService) {
        m_localService = new QNetworkAccessManager(this);
        // The loopback interface is never reached through a proxy.
        m_localService->setProxy(QNetworkProxy::NoProxy);
    }
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(localServicePort());
    url.setPath(QStringLiteral("/api"));
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setTransferTimeout(kLocalServiceTimeOutMs);
    QNetworkReply* reply
        = m_localService->post(request, localServiceBody(text, VQUserInfoData::sharedInstance().sno()));
    connect(reply, &QNetworkReply::finished, this, [reply] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            // The local service is optional: nobody may be listening.
            VQLogInfo(QStringLiteral("local service: %1").arg(reply->errorString()));
            return;
        }
        QJsonParseError error;
        QJsonDocument::fromJson(reply->readAll(), &error);
        if (error.error != QJsonParseError::NoError)
            VQLogInfo(QStringLiteral("local service answered no JSON (%1)").arg(error.errorString()));
    });
}

// Translation ---------------------------------------------------------------------------------

QStringList VQAudioMonitorService::splitPhrases(const QString& text)
{
    QStringList phrases;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isSentenceMark(text.at(i))) {
            phrases << text.mid(begin, i + 1 - begin);
            begin = i + 1;
        }
    }
    if (begin < text.size())
        phrases << text.mid(begin);
    return phrases;
}

void VQAudioMonitorService::clearTranslationState()
{
    m_lastResultText.clear();
    m_recognitionStatus = 0;
    m_phraseArray.clear();
    m_currentTranslateIndex = 0;
    m_yiResultText.clear();
    m_phraseInFlight = -1;
    m_lastPhraseShownIndex = -1;
    m_lastPhraseShownText.clear();
    m_lastPhraseShownTranslation.clear();
    // Answers still on the way belong to an earlier utterance.
    ++m_translationGeneration;
}

void VQAudioMonitorService::speechManagerRecognitionStatusChangeRecognizingAsr(const QString& display,
                                                                            const QString& /*newResult*/, int status)
{
    if (m_pressType != VQEventCode::kVoiceTranslationPressed && m_pressType != VQEventCode::kVoiceTranslationReleased)
        return;
    // Reports of an utterance that is neither running nor awaited (an earlier one finishing
    // while a refused press is held) are delivered through its result block.
    if (!m_hadStart && !m_timeOutTimer.isActive())
        return;
    m_recognitionStatus = status;
    m_lastResultText = display;
    if (status == 0 || status == 1)
        clausesTranslation(display, false);
    else if (status == 2)
        requestTranslateText(display, true);
}

void VQAudioMonitorService::clausesTranslation(const QString& text, bool isLast)
{
    m_phraseArray = splitPhrases(text);
    // The last phrase shown, now followed by another one and unchanged: kept as it was
    // translated rather than asked for again.
    if (m_lastPhraseShownIndex == m_currentTranslateIndex && m_currentTranslateIndex + 1 < m_phraseArray.size()
        && m_phraseArray.at(m_currentTranslateIndex) == m_lastPhraseShownText) {
        m_yiResultText += m_lastPhraseShownTranslation;
        ++m_currentTranslateIndex;
    }
    if (m_currentTranslateIndex < m_phraseArray.size())
        requestTranslateText(m_phraseArray.at(m_currentTranslateIndex), isLast);
}

void VQAudioMonitorService::requestTranslateText(const QString& text, bool isLast)
{
    if (text.isEmpty())
        return;
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    VQTranslateScene scene;
    scene.setFromLanguage(translationSourceCode(languages.readAudioLanguageCode()));
    scene.setToLanguage(languages.readToLanguageCode());

    if (isLast) {
        // The utterance is over: the whole text, once; phrase answers still on the way no longer count.
        const QString whole = m_lastResultText.isEmpty() ? text : m_lastResultText;
        clearTranslationState();
        m_lastResultText = whole;
        scene.setText(whole);
        const quint64 generation = m_translationGeneration;
        VQHttpRequestManager::sharedInstance().httpRequestWithScene(
            scene, [this, generation, whole](const VQHttpResult& result) {
                const QJsonObject data = result.data.toObject();
                wholeAnswered(generation, whole, result.success, data.value(QLatin1String("text")).toString(),
                              data.value(QLatin1String("transText")).toString());
            });
        return;
    }

    const int index = m_currentTranslateIndex;
    if (m_phraseInFlight == index)
        return; // its answer decides whether the phrase is asked for again
    m_phraseInFlight = index;
    scene.setText(text);
    const quint64 generation = m_translationGeneration;
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [this, generation, index, text](const VQHttpResult& result) {
            const QJsonObject data = result.data.toObject();
            phraseAnswered(generation, index, text, result.success, data.value(QLatin1String("text")).toString(),
                           data.value(QLatin1String("transText")).toString());
        });
}

void VQAudioMonitorService::phraseAnswered(quint64 generation, int index, const QString& sent, bool success,
                                           const QString& answeredText, const QString& translation)
{
    if (generation != m_translationGeneration)
        return; // another utterance, or the whole text was asked for meanwhile
    if (m_phraseInFlight == index)
        m_phraseInFlight = -1;
    if (index != m_currentTranslateIndex || index >= m_phraseArray.size())
        return;
    if (!success) {
        // The translation so far and the index stay; the next report asks again.
        VQLogWarn(QStringLiteral("phrase %1 not translated").arg(index));
        return;
    }
    const QString& phrase = m_phraseArray.at(index);
    if (answeredText != sent || phrase != sent) {
        // The phrase grew while its answer was on the way: ask for it as it is now.
        if (phrase != sent)
            requestTranslateText(phrase, false);
        return;
    }
    const QString shown = m_yiResultText + translation;
    VQPopupWindowTool::sharedInstance().showYiText(shown);
    m_lastPhraseShownIndex = index;
    m_lastPhraseShownText = sent;
    m_lastPhraseShownTranslation = translation;
    if (index + 1 < m_phraseArray.size()) {
        // A finished phrase: kept, and the next one asked for. The last one may still grow.
        m_yiResultText = shown;
        ++m_currentTranslateIndex;
        requestTranslateText(m_phraseArray.at(m_currentTranslateIndex), false);
    }
}

void VQAudioMonitorService::wholeAnswered(quint64 generation, const QString& sent, bool success,
                                          const QString& answeredText, const QString& translation)
{
    if (generation != m_translationGeneration) {
        VQLogInfo(QStringLiteral("translation of an earlier utterance dropped"));
        return;
    }
    if (!success) {
        VQLogWarn(QStringLiteral("the utterance was not translated"));
        VQPopupWindowTool::sharedInstance().showTipMessage(localized(translateFailedText()), kErrorImage);
        return;
    }
    if (answeredText != sent) {
        VQLogWarn(QStringLiteral("translation answer for another text dropped"));
        return;
    }
    VQPopupWindowTool::sharedInstance().showYiText(translation);
    copyAndPasteResult(translation);
}

void VQAudioMonitorService::requestTranslateText(const QString& text, const QString& fromLanguageCode,
                                                 const QString& toLanguageCode, TranslateCallback callback)
{
    if (text.isEmpty()) {
        if (callback)
            callback(false, QString());
        return;
    }
    QString plain = text;
    plain.remove(QLatin1Char('\n'));
    plain.remove(QLatin1Char('\r'));
    VQTranslateScene scene;
    // No source language lets the service detect it.
    scene.setFromLanguage(fromLanguageCode.isEmpty() ? QStringLiteral("auto") : translationSourceCode(fromLanguageCode));
    scene.setToLanguage(toLanguageCode);
    scene.setText(plain);
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [callback = std::move(callback)](const VQHttpResult& result) {
            if (!result.success)
                VQLogWarn(QStringLiteral("translation failed: %1").arg(result.message));
            if (!callback)
                return;
            // A translation that is a number (a text of digits) may come as a JSON number.
            const QJsonValue translation = result.data.toObject().value(QLatin1String("transText"));
            QString text = translation.toString();
            if (translation.isDouble())
                text = QString::number(translation.toDouble(), 'g', QLocale::FloatingPointShortest);
            callback(result.success, result.success ? text : QString());
        });
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
        m_failureShown.invalidate();
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
        // A failure text is left to its own dismissal.
        if (m_failureShown.isValid() && !m_failureShown.hasExpired(VQTipWindow::closeDelayMs))
            return;
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

// Voice commands and web search.

void VQAudioMonitorService::requestMatchingCmd(const QString& text)
{
    if (trimmedCommandText(text).isEmpty()) {
        VQLogInfo(QStringLiteral("search key: nothing to match or search"));
        return;
    }
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    const QList<VQVoiceCommandItem>& custom = store.customizeCmdListArray();
    const QList<VQVoiceCommandItem>& common = store.commonCmdListArray();
    const QString trimmed = trimmedCommandText(text);
    if (areCommandIndexesReady()) {
        // The indexed matchers give what searchCmdFromCommandArr gives, in time that follows the
        // text's length rather than the lists' sizes times it.
        const VQVoiceCommandItem* match = m_customMatcher.match(custom, trimmed);
        if (!match)
            match = m_commonMatcher.match(common, trimmed);
        // A copy: running the command may change the lists.
        runMatchedCommand(text, match ? std::optional<VQVoiceCommandItem>(*match) : std::nullopt);
        return;
    }
    // A list changed and its index is on its way: the lists as they are now are scanned on a
    // worker, so the search neither waits for the index nor holds the main thread.
    prepareCommandIndexes();
    QThreadPool::globalInstance()->start([text, custom, common] {
        const VQVoiceCommandItem* match = searchCmdFromCommandArr(custom, text);
        if (!match)
            match = searchCmdFromCommandArr(common, text);
        std::optional<VQVoiceCommandItem> found;
        if (match)
            found = *match;
        mm::runOnMain([text, found] { sharedInstance().runMatchedCommand(text, found); });
    });
}

void VQAudioMonitorService::prepareCommandIndexes()
{
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    m_customMatcher.prepare(store.customizeCmdListArray());
    m_commonMatcher.prepare(store.commonCmdListArray());
}

bool VQAudioMonitorService::areCommandIndexesReady()
{
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    const QList<VQVoiceCommandItem>& custom = store.customizeCmdListArray();
    const QList<VQVoiceCommandItem>& common = store.commonCmdListArray();
    return (custom.isEmpty() || m_customMatcher.isIndexFor(custom)) && (common.isEmpty() || m_commonMatcher.isIndexFor(common));
}

void VQAudioMonitorService::runMatchedCommand(const QString& text, const std::optional<VQVoiceCommandItem>& command)
{
    if (!command) {
        VQLogInfo(QStringLiteral("no voice command matched: web search"));
        openBrowserWithCmdString(text);
        return;
    }
    openFilePathCmd(*command);
}

QString VQAudioMonitorService::trimmedCommandText(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isCommandTrimCharacter(text.at(begin)))
        ++begin;
    while (end > begin && isCommandTrimCharacter(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

const VQVoiceCommandItem* VQAudioMonitorService::searchCmdFromCommandArr(const QList<VQVoiceCommandItem>& commands,
                                                                        const QString& cmdString)
{
    const QString text = trimmedCommandText(cmdString);
    for (const VQVoiceCommandItem& command : commands) {
        const QString& word = command.customCmd.isEmpty() ? command.cmdWord : command.customCmd;
        if (word.isEmpty())
            continue;
        if (text.compare(word, Qt::CaseInsensitive) == 0 || text.contains(word, Qt::CaseSensitive))
            return &command;
    }
    return nullptr;
}

void VQAudioMonitorService::openFilePathCmd(const VQVoiceCommandItem& item)
{
    VQCmdService& service = VQCmdService::sharedInstance();
    if (service.openFileWithCmdPath(item.customName, item.cmdType)
        || service.openFileWithCmdPath(item.cmdExecute, item.cmdType)) {
        dismissHud();
        return;
    }
    const QString word = item.customCmd.isEmpty() ? item.cmdWord : item.customCmd;
    VQLogInfo(QStringLiteral("voice command \"%1\" could not be carried out: web search for its word").arg(word));
    openBrowserWithCmdString(word);
}

QString VQAudioMonitorService::searchAddress(int engineTag, const QString& text)
{
    constexpr int engineCount = int(std::size(kSearchEngines));
    const SearchEngine& engine = kSearchEngines[engineTag >= 0 && engineTag < engineCount ? engineTag : 0];
    return QStringLiteral("https://") + QLatin1String(engine.host) + QLatin1String(engine.pathAndQuery)
        + QString::fromLatin1(QUrl::toPercentEncoding(text));
}

bool VQAudioMonitorService::openBrowserWithCmdString(const QString& text)
{
    const QString address = searchAddress(VQLanguageManager::sharedInstance().searchEngineTag(), text);
    if (VQCmdService::sharedInstance().openFileWithCmdPath(address, QString()))
        return true;
    VQLogWarn(QStringLiteral("the web search could not be opened: %1").arg(mm::loggedAddress(QUrl(address))));
    VQPopupWindowTool::sharedInstance().showTipMessage(localized(browserFailedText()), kErrorImage);
    return false;
}
