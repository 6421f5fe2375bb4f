// The screen effects of the presenter pen: one overlay window per screen for the highlight, the
// pen canvas and the black screen; a small round window for the light spot; the magnifier's
// hand-over. Only one effect shows at a time: every show first takes down what is up.
#include "VQLaserPenManager.h"

#include "CompositingManager.h"
#include "CursorHider.h"
#include "GlobalShortcuts.h"
#include "InputMonitor.h"
#include "KeyShortcut.h"
#include "MMLog.h"
#include "PKWColorSampler.h"
#include "QRNLocalizedString.h"
#include "ScreenGrabber.h"
#include "VQCountDownWarningView.h"
#include "VQDrawView.h"
#include "VQLaserPenOverlay.h"
#include "VQMouseCommandManager.h"
#include "VQPopupWindowTool.h"
#include "VQShortcutBinder.h"
#include "WindowShape.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

using Kind = VQLaserPenOverlay::Kind;

// Escape: key code 53, no modifier.
constexpr int kEscapeKeyCode = 53;
constexpr char kInfoIconName[] = "info_icon";
constexpr char kEscInUseText[] = "Esc 键已被其他程序占用，请点击效果后按 Esc 退出";
constexpr char kScreenUnreadableText[] = "无法读取屏幕画面";

void showTip(const char* key)
{
    VQPopupWindowTool::sharedInstance().showTipMessage(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)),
                                                       QString::fromLatin1(kInfoIconName));
}

bool hasOverlaysOf(const QList<QPointer<VQLaserPenOverlay>>& overlays, Kind kind)
{
    for (const QPointer<VQLaserPenOverlay>& overlay : overlays) {
        if (overlay && overlay->kind() == kind)
            return true;
    }
    return false;
}

} // namespace

// ---- Windows --------------------------------------------------------------------------------

bool VQLaserPenManager::putUpOverlays(int kindNumber, bool takesFocus)
{
    const auto kind = static_cast<Kind>(kindNumber);
    closeOverlays();
    const QList<QScreen*> screens = QGuiApplication::screens();
    // Asked at every show: a compositor may have started or stopped since the last one.
    const bool composited = kind != Kind::BlackScreen && CompositingManager::instance().isCompositing();
    // The pen draws on a shaped window over the live screen; only the veil needs the picture.
    const bool shaped = kind == Kind::Pen && WindowShape::isAvailable();
    QList<QPixmap> frozen;
    if (!composited && !shaped && kind != Kind::BlackScreen) {
        // Every screen is read before any overlay maps, so no overlay is in a picture.
        for (QScreen* screen : screens) {
            QPixmap picture = ScreenGrabber::instance().grabScreen(screen);
            if (picture.isNull()) {
                VQLogError(QStringLiteral("laser pen: the screen %1 could not be read; the effect is not shown").arg(screen->name()));
                showTip(kScreenUnreadableText);
                return false;
            }
            frozen.append(picture);
        }
    }
    for (int index = 0; index < screens.size(); ++index) {
        auto* overlay = new VQLaserPenOverlay(kind, screens.at(index), composited, frozen.value(index), takesFocus);
        connect(overlay, &VQLaserPenOverlay::escapePressed, this, &VQLaserPenManager::leaveByEscape);
        m_fullWindow.append(overlay);
    }
    return !m_fullWindow.isEmpty();
}

void VQLaserPenManager::showOverlays()
{
    for (const QPointer<VQLaserPenOverlay>& overlay : std::as_const(m_fullWindow)) {
        if (!overlay)
            continue;
        // On top by its flags; a window that maps now lands above the others of its layer.
        overlay->show();
    }
}

void VQLaserPenManager::closeOverlays()
{
    const QList<QPointer<VQLaserPenOverlay>> overlays = m_fullWindow;
    m_fullWindow.clear();
    m_drawView.clear();
    m_countDownWarningView.clear();
    for (const QPointer<VQLaserPenOverlay>& overlay : overlays) {
        if (!overlay)
            continue;
        overlay->hide();
        overlay->deleteLater();
    }
}

void VQLaserPenManager::createFullWindow()
{
    closeEveryEffect(true);
    putUpOverlays(static_cast<int>(Kind::Highlight));
}

void VQLaserPenManager::closeEveryEffect(bool endCountdown)
{
    if (m_penOverlayUp)
        endDraw();
    stopMouseMonitor();
    if (m_digitalLightSpotView) {
        m_digitalLightSpotView->hide();
        m_digitalLightSpotView->deleteLater();
        m_digitalLightSpotView = nullptr;
    }
    PKWColorSampler::dismiss();
    if (endCountdown) {
        m_isBlackScreen = false;
        invalidateWarningTimer();
    }
    closeOverlays();
    setCursorHidden(false);
    releaseEscapeWhenIdle();
}

void VQLaserPenManager::linkLost()
{
    m_followUpTimer.stop();
    const bool anything = takesTheMouse() || m_escRegistration > 0 || m_cursorHidden || m_isBlackScreen;
    closeEveryEffect(true);
    m_hasShowEffecf = false;
    if (anything)
        VQLogInfo(QStringLiteral("laser pen: the link is gone; every effect ended"));
}

void VQLaserPenManager::leaveByEscape()
{
    const bool pointerMode = isEffectShown() && m_laserPenStatus >= 1 && m_laserPenStatus <= 3;
    m_followUpTimer.stop();
    closeEveryEffect(true);
    if (pointerMode) {
        m_hasShowEffecf = false;
        VQMouseCommandManager::sharedInstance().sendLaserPenQuitMouseStatusData();
    }
}

// ---- Escape ---------------------------------------------------------------------------------

bool VQLaserPenManager::takesTheMouse() const
{
    return isDrawing() || hasOverlaysOf(m_fullWindow, Kind::Highlight) || hasOverlaysOf(m_fullWindow, Kind::BlackScreen)
        || m_digitalLightSpotView || PKWColorSampler::sharedInstance().screenPickerWindow() != nullptr;
}

bool VQLaserPenManager::holdEscape()
{
    if (m_escRegistration > 0)
        return true;
    KeyShortcut escape = VQShortcutBinder::shortcutForDefaultsKey(QString::fromLatin1(kEscShortcutKey));
    if (!escape.isValid())
        escape = KeyShortcut(kEscapeKeyCode, 0);
    // One registration of our own: another one of the same key (the screen capture's) stays.
    const GlobalShortcuts::Registration registration =
        GlobalShortcuts::instance().registerShortcut(escape, [this] { leaveByEscape(); });
    if (registration.id > 0) {
        m_escRegistration = registration.id;
        m_escByFocus = false;
        m_escTipShown = false;
        return true;
    }
    m_escByFocus = true;
    VQLogWarn(QStringLiteral("laser pen: Escape could not be grabbed (%1); the effect takes it while it has the focus")
                  .arg(GlobalShortcuts::statusText(registration.status)));
    if (!m_escTipShown)
        showTip(kEscInUseText);
    m_escTipShown = true;
    return false;
}

void VQLaserPenManager::releaseEscapeWhenIdle()
{
    if (takesTheMouse())
        return;
    if (m_escRegistration > 0)
        GlobalShortcuts::instance().unregisterShortcut(m_escRegistration);
    m_escRegistration = 0;
    m_escByFocus = false;
}

void VQLaserPenManager::focusForEscape(QWidget* window)
{
    if (!m_escByFocus || !window)
        return;
    window->activateWindow();
}

void VQLaserPenManager::setCursorHidden(bool hidden)
{
    m_cursorHidden = hidden;
    if (hidden)
        CursorHider::instance().hide();
    else
        CursorHider::instance().show();
}

// ---- Pointer --------------------------------------------------------------------------------

void VQLaserPenManager::startMouseMonitor()
{
    stopMouseMonitor();
    // Moves and left presses; drags are not followed.
    m_mouseMonitor = InputMonitor::instance().addMonitor(
        MMEventMasks::kLeftMouseDown | MMEventMasks::kMouseMoved,
        [this](const MMEvent& event) { mouseMove(QPointF(event.location)); });
    if (m_mouseMonitor <= 0) {
        m_mouseMonitor = 0;
        VQLogWarn(QStringLiteral("laser pen: the pointer cannot be followed; the effect stays where it appeared"));
    }
}

void VQLaserPenManager::stopMouseMonitor()
{
    if (m_mouseMonitor > 0)
        InputMonitor::instance().removeMonitor(m_mouseMonitor);
    m_mouseMonitor = 0;
}

void VQLaserPenManager::mouseMove(QPointF globalPosition)
{
    for (const QPointer<VQLaserPenOverlay>& overlay : std::as_const(m_fullWindow)) {
        if (overlay && overlay->kind() == Kind::Highlight)
            overlay->moveHoleTo(globalPosition);
    }
    if (m_digitalLightSpotView)
        m_digitalLightSpotView->moveCentreTo(globalPosition);
}

// ---- Highlight and light spot ---------------------------------------------------------------

void VQLaserPenManager::highlighted()
{
    closeEveryEffect(true);
    if (!putUpOverlays(static_cast<int>(Kind::Highlight), !holdEscape())) {
        releaseEscapeWhenIdle();
        return;
    }
    const int alpha = int(std::lround(qBound(0.0, m_highlightedMaskAlpha, 1.0) * 255));
    const QPointF pointer(QCursor::pos());
    for (const QPointer<VQLaserPenOverlay>& overlay : std::as_const(m_fullWindow)) {
        overlay->setVeil(alpha, m_highlightedCircleW);
        overlay->moveHoleTo(pointer);
    }
    startMouseMonitor();
    showOverlays();
    setCursorHidden(true);
    focusForEscape(m_fullWindow.value(0));
}

void VQLaserPenManager::hideHighlighted()
{
    stopMouseMonitor();
    if (hasOverlaysOf(m_fullWindow, Kind::Highlight))
        closeOverlays();
    // It ends the light spot as well.
    hideDigitalLightSpot();
}

void VQLaserPenManager::showDigitalLightSpot()
{
    closeEveryEffect(true);
    const bool takesFocus = !holdEscape();
    const int diameter = qMax(1, int(std::lround(m_digitalLightSpotCircleW)));
    m_digitalLightSpotView = new VQLaserPenSpotWindow(m_digitalLightSpotColor, diameter,
                                                      CompositingManager::instance().isCompositing(), takesFocus);
    connect(m_digitalLightSpotView, &VQLaserPenSpotWindow::escapePressed, this, &VQLaserPenManager::leaveByEscape);
    m_digitalLightSpotView->moveCentreTo(QPointF(QCursor::pos()));
    startMouseMonitor();
    m_digitalLightSpotView->show();
    setCursorHidden(true);
    focusForEscape(m_digitalLightSpotView);
}

void VQLaserPenManager::hideDigitalLightSpot()
{
    stopMouseMonitor();
    if (m_digitalLightSpotView) {
        m_digitalLightSpotView->hide();
        m_digitalLightSpotView->deleteLater();
        m_digitalLightSpotView = nullptr;
    }
    if (!m_isBlackScreen)
        setCursorHidden(false);
    releaseEscapeWhenIdle();
}

// ---- Magnifier ------------------------------------------------------------------------------

void VQLaserPenManager::zoomIn()
{
    closeEveryEffect(true);
    const bool takesFocus = !holdEscape();
    connect(&PKWColorSampler::sharedInstance(), &PKWColorSampler::escapePressed, this, &VQLaserPenManager::leaveByEscape,
            Qt::UniqueConnection);
    PKWColorSampler::zoomInPixelZoom(kZoomFactor, m_zoomInCircleW, takesFocus);
    focusForEscape(PKWColorSampler::sharedInstance().screenPickerWindow());
    releaseEscapeWhenIdle(); // no loupe came up
}

void VQLaserPenManager::dismissZoom()
{
    PKWColorSampler::dismiss();
    releaseEscapeWhenIdle();
}

// ---- Pen overlay ----------------------------------------------------------------------------

bool VQLaserPenManager::isDrawing() const
{
    return m_penOverlayUp && hasOverlaysOf(m_fullWindow, Kind::Pen);
}

void VQLaserPenManager::startDraw()
{
    // Up already: the strokes stay and the next one is drawn on them.
    if (isDrawing())
        return;
    closeEveryEffect(true);
    if (!putUpOverlays(static_cast<int>(Kind::Pen), !holdEscape())) {
        releaseEscapeWhenIdle();
        return;
    }
    for (const QPointer<VQLaserPenOverlay>& overlay : std::as_const(m_fullWindow)) {
        auto* view = new VQDrawView;
        view->setShapedWindow(overlay->isShaped());
        view->setLineWidth(m_drawWidth);
        view->setDrawColor(m_drawColor);
        overlay->setContent(view);
        m_drawView.append(view);
    }
    showOverlays();
    m_penOverlayUp = true;
    focusForEscape(m_fullWindow.value(0));
}

void VQLaserPenManager::endDraw()
{
    const bool wasUp = m_penOverlayUp;
    m_penOverlayUp = false;
    for (const QPointer<VQDrawView>& view : std::as_const(m_drawView)) {
        if (view)
            view->invalidateTimer();
    }
    if (hasOverlaysOf(m_fullWindow, Kind::Pen)) {
        closeOverlays();
        // A stroke still open hid the pointer behind the pen icon: it comes back with the canvas gone.
        setCursorHidden(false);
    }
    releaseEscapeWhenIdle();
    if (wasUp)
        VQLogInfo(QStringLiteral("laser pen: drawing ended"));
}

// ---- Black screen and countdown -------------------------------------------------------------

void VQLaserPenManager::enterBlackScreen()
{
    closeEveryEffect(true);
    m_isBlackScreen = true;
    putUpOverlays(static_cast<int>(Kind::BlackScreen), !holdEscape());
    showOverlays();
    setCursorHidden(true);
    focusForEscape(m_fullWindow.value(0));
    if (m_countdownSwitch)
        startWarningTimer();
}

void VQLaserPenManager::quitBlackScreen()
{
    m_isBlackScreen = false;
    if (hasOverlaysOf(m_fullWindow, Kind::BlackScreen)) {
        closeOverlays();
        setCursorHidden(false);
    }
    hideCountDownWarning();
    releaseEscapeWhenIdle();
}

void VQLaserPenManager::hideCountDownWarning()
{
    if (hasOverlaysOf(m_fullWindow, Kind::BlackScreen)) {
        closeOverlays();
        m_isBlackScreen = false;
        setCursorHidden(false);
    }
    invalidateWarningTimer();
    releaseEscapeWhenIdle();
}

void VQLaserPenManager::showCountDownSeconds(qint64 secondsLeft)
{
    if (!m_isBlackScreen || !hasOverlaysOf(m_fullWindow, Kind::BlackScreen)) {
        // A tick with no black screen up puts it up first; the running countdown goes on.
        closeEveryEffect(false);
        m_isBlackScreen = true;
        putUpOverlays(static_cast<int>(Kind::BlackScreen), !holdEscape());
        showOverlays();
        setCursorHidden(true);
        focusForEscape(m_fullWindow.value(0));
    }
    if (m_countDownWarningView.isEmpty()) {
        for (const QPointer<VQLaserPenOverlay>& overlay : std::as_const(m_fullWindow)) {
            auto* view = new VQCountDownWarningView;
            overlay->setContent(view);
            m_countDownWarningView.append(view);
        }
    }
    for (const QPointer<VQCountDownWarningView>& view : std::as_const(m_countDownWarningView)) {
        if (view)
            view->setSecondsLeft(secondsLeft);
    }
}

// ---- State ----------------------------------------------------------------------------------

bool VQLaserPenManager::isEffectShown() const
{
    return hasOverlaysOf(m_fullWindow, Kind::Highlight) || m_digitalLightSpotView
        || PKWColorSampler::sharedInstance().screenPickerWindow() != nullptr;
}

void VQLaserPenManager::resetEffectsForTests()
{
    closeEveryEffect(true);
    m_countDownBlock = nullptr;
    // Gone at once, not at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void VQLaserPenManager::fireFollowUpForTests()
{
    if (!m_followUpTimer.isActive())
        return;
    m_followUpTimer.stop();
    runFollowUp();
}
