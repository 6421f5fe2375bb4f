#include "VQLaserPenManager.h"

#include "HIDDevice.h"
#include "KeyShortcut.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQDeviceEvents.h"
#include "VQDrawView.h"
#include "VQEventCode.h"
#include "VQHidCommandManager.h"
#include "VQMouseCommandManager.h"
#include "VQPopupWindowTool.h"
#include "VQShortcutValidator.h"
#include "VQUserInfoData.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kLaserPenVendorId = 0x248A;
constexpr int kLaserPenProductIds[] = {0x62AB, 0x63AB};
constexpr int kEscapeKeyCode = 53;

constexpr int kHardLaserMode = 0;
constexpr int kPenMode = 4;
constexpr int kHardLaserPosition = 4;
constexpr int kCycleLength = 5;

struct ModeTip {
    const char* text;
    const char* image;
};

// By mode 0-4.
constexpr std::array<ModeTip, 5> kModeTips = {{
    {"硬激光", "laserPen_icon-1"},
    {"突出显示", "laserPen_icon-9"},
    {"数码光点", "laserPen_icon-4"},
    {"放大镜", "laserPen_icon-3"},
    {"画笔", "laserPen_icon-5"},
}};

// By vioceMode 1-3.
constexpr std::array<ModeTip, 3> kVoiceModeTips = {{
    {"切换到打字模式", "laserPen_icon-6"},
    {"切换到翻译模式", "laserPen_icon-7"},
    {"切换到投屏模式", "laserPen_icon-2"},
}};

// Countdown lengths in minutes by warningTimeIndex 0-2; 3 is the custom warningTime.
constexpr std::array<qint64, 3> kWarningMinutes = {15, 30, 60};

void showTip(const ModeTip& tip)
{
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(tip.text)), QString::fromLatin1(tip.image));
}

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

// A stored number, or the fallback when the key is absent or holds no number.
double storedNumber(const char* name, double fallback)
{
    const QVariant value = UserDefaults::standard().objectForKey(key(name));
    bool ok = false;
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        number = value.toDouble(&ok);
        break;
    default:
        break;
    }
    if (!ok || !std::isfinite(number)) {
        if (value.isValid())
            VQLogWarn(QStringLiteral("laser pen setting %1 unreadable; default used").arg(key(name)));
        return fallback;
    }
    return number;
}

bool storedBool(const char* name, bool fallback)
{
    const QVariant value = UserDefaults::standard().objectForKey(key(name));
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.isValid())
        VQLogWarn(QStringLiteral("laser pen setting %1 unreadable; default used").arg(key(name)));
    return fallback;
}

// Single precision, as the settings are stored.
double asFloat(double value)
{
    return static_cast<double>(static_cast<float>(value));
}

} // namespace

VQLaserPenManager::VQLaserPenManager()
{
    m_followUpTimer.setSingleShot(true);
    m_followUpTimer.setTimerType(Qt::PreciseTimer);
    m_followUpTimer.setInterval(kFollowUpDelayMs);
    connect(&m_followUpTimer, &QTimer::timeout, this, &VQLaserPenManager::runFollowUp);

    m_warningTimer.setTimerType(Qt::PreciseTimer);
    m_warningTimer.setInterval(1000);
    connect(&m_warningTimer, &QTimer::timeout, this, &VQLaserPenManager::countDownTime);

    loadSettings();
    m_laserPenIndex = 0;
    changeLaserPenStatus(true);
    m_vioceMode = 1;
    UserDefaults::standard().registerDefaults({{key(kEscShortcutKey), KeyShortcut(kEscapeKeyCode, 0).toVariant()}});
    VQShortcutValidator::sharedValidator().setAllowAnyShortcutWithOptionModifier(true);
    m_hasShowEffecf = false;
}

VQLaserPenManager::~VQLaserPenManager() = default;

VQLaserPenManager& VQLaserPenManager::sharedInstance()
{
    static VQLaserPenManager* instance = new VQLaserPenManager();
    return *instance;
}

void VQLaserPenManager::resetForTests()
{
    VQLaserPenManager& manager = sharedInstance();
    manager.m_followUpTimer.stop();
    manager.m_warningTimer.stop();
    manager.resetEffectsForTests();
    manager.m_countDownBlock = {};
    manager.m_countDownNum = 0;
    manager.m_isBlackScreen = false;
    manager.loadSettings();
    manager.m_laserPenIndex = 0;
    manager.m_laserPenStatus = kHardLaserMode;
    manager.changeLaserPenStatus(true);
    manager.m_vioceMode = 1;
    manager.m_hasShowEffecf = false;
}

void VQLaserPenManager::loadSettings()
{
    m_highlightedMaskAlpha = storedNumber(kHighlightedMaskAlphaKey, 0.6);
    m_highlightedCircleW = storedNumber(kHighlightedCircleWKey, 300);
    m_digitalLightSpotColor = colorFromText(UserDefaults::standard().stringForKey(key(kDigitalLightSpotColorKey)));
    m_digitalLightSpotCircleW = storedNumber(kDigitalLightSpotCircleWKey, 20);
    m_zoomInPixel = storedNumber(kZoomInPixelKey, 5);
    m_zoomInCircleW = storedNumber(kZoomInCircleWKey, 300);
    m_drawColor = colorFromText(UserDefaults::standard().stringForKey(key(kDrawColorKey)));
    m_drawWidth = storedNumber(kDrawWidthKey, 10);
    m_highlightedSwitch = storedBool(kHighlightedSwitchKey, true);
    m_digitalLightSpotSwitch = storedBool(kDigitalLightSpotSwitchKey, true);
    m_zoomInSwitch = storedBool(kZoomInSwitchKey, true);
    m_drawSwitch = storedBool(kDrawSwitchKey, true);
    m_countdownSwitch = false; // never read back: the countdown starts off at every start
    m_previewIndex = static_cast<int>(storedNumber(kPreviewIndexKey, -1));
    m_warningTimeIndex = static_cast<int>(storedNumber(kWarningTimeIndexKey, 0));
    m_warningTime = static_cast<int>(storedNumber(kWarningTimeKey, 0));
}

// ---- Storage --------------------------------------------------------------------------------
// The store writes its file from the event loop shortly after a change (and at quit), so a
// setter never waits for the disk.

void VQLaserPenManager::storeDouble(const char* name, double value)
{
    UserDefaults::standard().setValue(key(name), asFloat(value));
}

void VQLaserPenManager::storeInteger(const char* name, qint64 value)
{
    UserDefaults::standard().setValue(key(name), value);
}

void VQLaserPenManager::storeBool(const char* name, bool value)
{
    UserDefaults::standard().setValue(key(name), value);
}

QString VQLaserPenManager::colorToText(const QColor& color)
{
    return color.name(QColor::HexArgb).toUpper();
}

QColor VQLaserPenManager::colorFromText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^#[0-9A-Fa-f]{8}$"));
    if (!pattern.match(text).hasMatch())
        return QColor(Qt::red);
    return QColor::fromString(text);
}

void VQLaserPenManager::setHighlightedMaskAlpha(double alpha)
{
    m_highlightedMaskAlpha = alpha;
    storeDouble(kHighlightedMaskAlphaKey, alpha);
}

void VQLaserPenManager::setHighlightedCircleW(double width)
{
    m_highlightedCircleW = width;
    storeDouble(kHighlightedCircleWKey, width);
}

void VQLaserPenManager::setDigitalLightSpotColor(const QColor& color)
{
    m_digitalLightSpotColor = color.isValid() ? color : QColor(Qt::red);
    UserDefaults::standard().setValue(key(kDigitalLightSpotColorKey), colorToText(m_digitalLightSpotColor));
}

void VQLaserPenManager::setDigitalLightSpotCircleW(double width)
{
    m_digitalLightSpotCircleW = width;
    storeDouble(kDigitalLightSpotCircleWKey, width);
}

void VQLaserPenManager::setZoomInPixel(double pixel)
{
    m_zoomInPixel = pixel;
    storeDouble(kZoomInPixelKey, pixel);
}

void VQLaserPenManager::setZoomInCircleW(double width)
{
    m_zoomInCircleW = width;
    storeDouble(kZoomInCircleWKey, width);
}

void VQLaserPenManager::setDrawColor(const QColor& color)
{
    m_drawColor = color.isValid() ? color : QColor(Qt::red);
    UserDefaults::standard().setValue(key(kDrawColorKey), colorToText(m_drawColor));
}

void VQLaserPenManager::setDrawWidth(double width)
{
    m_drawWidth = width;
    storeDouble(kDrawWidthKey, width);
}

void VQLaserPenManager::setLaserPenHighlightedSwitch(bool on)
{
    if (m_highlightedSwitch == on)
        return;
    m_highlightedSwitch = on;
    storeBool(kHighlightedSwitchKey, on);
}

void VQLaserPenManager::setLaserPenDigitalLightSpotSwitch(bool on)
{
    if (m_digitalLightSpotSwitch == on)
        return;
    m_digitalLightSpotSwitch = on;
    storeBool(kDigitalLightSpotSwitchKey, on);
}

void VQLaserPenManager::setLaserPenZoomInSwitch(bool on)
{
    if (m_zoomInSwitch == on)
        return;
    m_zoomInSwitch = on;
    storeBool(kZoomInSwitchKey, on);
}

void VQLaserPenManager::setLaserPenDrawSwitch(bool on)
{
    if (m_drawSwitch == on)
        return;
    m_drawSwitch = on;
    storeBool(kDrawSwitchKey, on);
}

void VQLaserPenManager::setLaserPenCountdownSwitch(bool on)
{
    if (m_countdownSwitch == on)
        return;
    m_countdownSwitch = on;
    storeBool(kCountdownSwitchKey, on);
}

void VQLaserPenManager::setPreviewIndex(int index)
{
    if (m_previewIndex == index)
        return;
    m_previewIndex = index;
    storeInteger(kPreviewIndexKey, index);
}

void VQLaserPenManager::setWarningTimeIndex(int index)
{
    m_warningTimeIndex = index;
    storeInteger(kWarningTimeIndexKey, index);
}

void VQLaserPenManager::setWarningTime(int minutes)
{
    m_warningTime = minutes;
    storeInteger(kWarningTimeKey, minutes);
}

void VQLaserPenManager::setLaserPenStatus(int status)
{
    m_laserPenStatus = status;
    storeInteger(kLaserPenStatusKey, status);
    Q_EMIT laserPenStatusChanged(status);
}

// ---- Modes ----------------------------------------------------------------------------------

bool VQLaserPenManager::isLaserPenReceiverOpen()
{
    const HIDDevice& device = HIDDevice::sharedManager();
    if (device.currentVid() != kLaserPenVendorId)
        return false;
    const int pid = device.currentPid();
    return std::find(std::begin(kLaserPenProductIds), std::end(kLaserPenProductIds), pid) != std::end(kLaserPenProductIds);
}

bool VQLaserPenManager::isCycleEntryEnabled(int position) const
{
    switch (position) {
    case 0:
        return m_highlightedSwitch;
    case 1:
        return m_digitalLightSpotSwitch;
    case 2:
        return m_zoomInSwitch;
    case 3:
        return m_drawSwitch;
    default:
        return true;
    }
}

void VQLaserPenManager::changeLaserPenStatus(bool keep)
{
    if (!isLaserPenReceiverOpen())
        return;
    dismissEffect();
    if (!keep)
        ++m_laserPenIndex;
    if (m_laserPenIndex >= kCycleLength || m_laserPenIndex < 0)
        m_laserPenIndex = 0;
    int position = m_laserPenIndex;
    while (position < kHardLaserPosition && !isCycleEntryEnabled(position))
        ++position;
    m_laserPenIndex = position;
    const int mode = position == kHardLaserPosition ? kHardLaserMode : position + 1;
    setLaserPenStatus(mode);
    VQLogInfo(QStringLiteral("laser pen mode %1").arg(mode));
    if (!keep)
        showTip(kModeTips[static_cast<size_t>(mode)]);
    VQMouseCommandManager::sharedInstance().sendLaserPenModeData(mode);
    if (mode != kPenMode)
        endDraw();
}

void VQLaserPenManager::showLaserPenEffect()
{
    if (m_laserPenStatus != kPenMode) {
        dismissEffect();
        switch (m_laserPenStatus) {
        case 1:
            highlighted();
            break;
        case 2:
            showDigitalLightSpot();
            break;
        case 3:
            zoomIn();
            break;
        default:
            break;
        }
    } else {
        startDraw();
        for (const QPointer<VQDrawView>& view : std::as_const(m_drawView)) {
            if (view)
                view->mouseDown();
        }
    }
    // One follow-up per press: a later press restarts it, a dismissal cancels it.
    m_followUpTimer.start();
}

void VQLaserPenManager::runFollowUp()
{
    if (m_laserPenStatus != kHardLaserMode) {
        m_hasShowEffecf = true;
        VQMouseCommandManager::sharedInstance().sendLaserPenEnterMouseStatusData();
        VQHidCommandManager::sharedInstance().sendTelinkLaserPenCloseHardLaserData();
    } else {
        VQHidCommandManager::sharedInstance().sendTelinkLaserPenOpenHardLaserData();
    }
}

void VQLaserPenManager::dismissEffect()
{
    // The effect the follow-up belonged to is gone: nothing of it may reach the pen afterwards.
    m_followUpTimer.stop();
    if (m_laserPenStatus != kPenMode) {
        hideHighlighted();
        dismissZoom();
        endDraw();
    } else {
        for (const QPointer<VQDrawView>& view : std::as_const(m_drawView)) {
            if (view)
                view->mouseUp();
        }
    }
    if (m_laserPenStatus >= 1 && m_laserPenStatus <= 3) {
        m_hasShowEffecf = false;
        VQMouseCommandManager::sharedInstance().sendLaserPenQuitMouseStatusData();
    }
    VQHidCommandManager::sharedInstance().sendTelinkLaserPenCloseHardLaserData();
}

void VQLaserPenManager::takeOffline(std::function<void()> done)
{
    m_followUpTimer.stop();
    const bool pen = isLaserPenReceiverOpen()
        || (HIDDevice::sharedManager().isOpen() && VQUserInfoData::sharedInstance().isLaser());
    if (!pen) {
        QTimer::singleShot(0, this, [done] { done(); });
        return;
    }
    VQLogInfo(QStringLiteral("Laser pen: leaving pointer mode and switching the laser off"));
    VQMouseCommandManager::sharedInstance().sendLaserPenQuitMouseStatusData();
    // Reports leave in order: the last one written means every one before it left too.
    VQHidCommandManager::sharedInstance().sendTelinkLaserPenCloseHardLaserData([done](bool) { done(); });
}

void VQLaserPenManager::toggleEffect()
{
    if (m_laserPenStatus == kPenMode) {
        // A stroke per two toggles: the first opens one, the next closes it; the pen stays in
        // pointer mode in between.
        bool strokeOpen = false;
        for (const QPointer<VQDrawView>& view : std::as_const(m_drawView)) {
            if (view && !view->pathReleased())
                strokeOpen = true;
        }
        if (strokeOpen && isDrawing())
            dismissEffect();
        else
            showLaserPenEffect();
        return;
    }
    if (m_hasShowEffecf)
        dismissEffect();
    else
        showLaserPenEffect();
}

void VQLaserPenManager::effectOff()
{
    if (m_hasShowEffecf)
        dismissEffect();
}

void VQLaserPenManager::clearDraw()
{
    if (m_drawView.isEmpty()) {
        endDraw();
        return;
    }
    const QList<QPointer<VQDrawView>> views = m_drawView;
    for (const QPointer<VQDrawView>& view : views) {
        if (view)
            view->clearDraw();
    }
}

void VQLaserPenManager::switchVioceMode()
{
    VQDeviceEvents::cancelAsr();
    m_vioceMode = m_vioceMode >= 3 || m_vioceMode < 1 ? 1 : m_vioceMode + 1;
    VQLogInfo(QStringLiteral("laser pen voice key function %1").arg(m_vioceMode));
    showTip(kVoiceModeTips[static_cast<size_t>(m_vioceMode - 1)]);
}

int VQLaserPenManager::voiceEventCode(bool pressed) const
{
    if (m_vioceMode == 1)
        return pressed ? VQEventCode::kVoiceTypingPressed : VQEventCode::kVoiceTypingReleased;
    return pressed ? VQEventCode::kVoiceTranslationPressed : VQEventCode::kVoiceTranslationReleased;
}

// ---- Countdown ------------------------------------------------------------------------------

qint64 VQLaserPenManager::countdownLengthSeconds() const
{
    qint64 minutes = kWarningMinutes[0];
    if (m_warningTimeIndex >= 0 && m_warningTimeIndex < static_cast<int>(kWarningMinutes.size()))
        minutes = kWarningMinutes[static_cast<size_t>(m_warningTimeIndex)];
    else if (m_warningTimeIndex == 3)
        minutes = m_warningTime;
    return std::max<qint64>(0, minutes * 60);
}

void VQLaserPenManager::showCountDownWarningCallBack(std::function<void()> block)
{
    m_countDownBlock = std::move(block);
    startWarningTimer();
}

void VQLaserPenManager::startWarningTimer()
{
    invalidateWarningTimer();
    m_countDownNum = countdownLengthSeconds();
    m_warningTimer.start();
    countDownTime();
}

void VQLaserPenManager::invalidateWarningTimer()
{
    m_warningTimer.stop();
}

void VQLaserPenManager::countDownTime()
{
    const qint64 secondsLeft = std::max<qint64>(0, m_countDownNum);
    showCountDownSeconds(secondsLeft);
    VQHidCommandManager::sharedInstance().sendTelinkLaserPenCountdownData(std::min(secondsLeft, kMaxCountdownSeconds));
    if (secondsLeft <= 0) {
        invalidateWarningTimer();
        quitBlackScreen();
        // Taken before the call: the block may start another countdown.
        const std::function<void()> block = m_countDownBlock;
        if (block)
            block();
        return;
    }
    --m_countDownNum;
}
