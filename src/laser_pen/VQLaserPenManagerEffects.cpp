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
#include "VQPopupWindowTool.h"
#include "VQShortcutBinder.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

using Kind = VQLaserPenOverlay::Kind;

// Escape: key code 53, no modifier.
constexpr int kEscapeKeyCode = 53;
constexpr char kInfoIconName[] = "info_icon";
constexpr char kEscInUseText[] = "Esc 键已被其他程序占用，请切换模式结束画笔";
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

bool VQLaserPenManager::putUpOverlays(int kindNumber)
{
    const auto kind = static_cast<Kind>(kindNumber);
    closeOverlays();
    const QList<QScreen*> screens = QGuiApplication::screens();
    // Asked at every show: a compositor may have started or stopped since the last one.
    const bool composited = kind != Kind::BlackScreen && CompositingManager::instance().isCompositing();
    QList<QPixmap> frozen;
    if (!composited && kind != Kind::BlackScreen) {
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
    for (int index = 0; index < screens.size(); ++index)
        m_fullWindow.append(new VQLaserPenOverlay(kind, screens.at(index), composited, frozen.value(index)));
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
    if (m_penOverlayUp || m_escRegistration > 0)
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
    if (!putUpOverlays(static_cast<int>(Kind::Highlight)))
        return;
    const int alpha = int(std::lround(qBound(0.0, m_highlightedMaskAlpha, 1.0) * 255));
    const QPointF pointer(QCursor::pos());
    for (const QPointer<VQLaserPenOverlay>& overlay : std::as_const(m_fullWindow)) {
        overlay->setVeil(alpha, m_highlightedCircleW);
        overlay->moveHoleTo(pointer);
    }
    startMouseMonitor();
    showOverlays();
    setCursorHidden(true);
}

void VQLaserPenManager::hideHighlighted()
{
    stopMouseMonitor();
    if (hasOverlaysOf(m_fullWindow, Kind::Highlight))
        closeOverlays();
    // It ends the light spot as well.
    if (m_digitalLightSpotView) {
        m_digitalLightSpotView->hide();
        m_digitalLightSpotView->deleteLater();
        m_digitalLightSpotView = nullptr;
    }
    if (!m_isBlackScreen)
        setCursorHidden(false);
}

void VQLaserPenManager::showDigitalLightSpot()
{
    closeEveryEffect(true);
    const int diameter = qMax(1, int(std::lround(m_digitalLightSpotCircleW)));
    m_digitalLightSpotView =
        new VQLaserPenSpotWindow(m_digitalLightSpotColor, diameter, CompositingManager::instance().isCompositing());
    m_digitalLightSpotView->moveCentreTo(QPointF(QCursor::pos()));
    startMouseMonitor();
    m_digitalLightSpotView->show();
    setCursorHidden(true);
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
}

// ---- Magnifier ------------------------------------------------------------------------------

void VQLaserPenManager::zoomIn()
{
    closeEveryEffect(true);
    PKWColorSampler::zoomInPixelZoom(kZoomFactor, m_zoomInCircleW);
}

void VQLaserPenManager::dismissZoom()
{
    PKWColorSampler::dismiss();
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
    if (!putUpOverlays(static_cast<int>(Kind::Pen)))
        return;
    for (const QPointer<VQLaserPenOverlay>& overlay : std::as_const(m_fullWindow)) {
        auto* view = new VQDrawView;
        view->setLineWidth(m_drawWidth);
        view->setDrawColor(m_drawColor);
        overlay->setContent(view);
        m_drawView.append(view);
    }
    showOverlays();
    m_penOverlayUp = true;

    // The pen's own registration, once per drawing session; only endDraw removes it, so another
    // registration of the same key (the screen capture's) is never dropped.
    if (m_escRegistration > 0)
        return;
    KeyShortcut escape = VQShortcutBinder::shortcutForDefaultsKey(QString::fromLatin1(kEscShortcutKey));
    if (!escape.isValid())
        escape = KeyShortcut(kEscapeKeyCode, 0);
    const GlobalShortcuts::Registration registration =
        GlobalShortcuts::instance().registerShortcut(escape, [this] { endDraw(); });
    if (registration.id > 0) {
        m_escRegistration = registration.id;
        return;
    }
    VQLogWarn(QStringLiteral("laser pen: Escape could not be grabbed (%1)").arg(GlobalShortcuts::statusText(registration.status)));
    showTip(kEscInUseText);
}

void VQLaserPenManager::endDraw()
{
    if (m_escRegistration > 0)
        GlobalShortcuts::instance().unregisterShortcut(m_escRegistration);
    m_escRegistration = 0;
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
    if (wasUp)
        VQLogInfo(QStringLiteral("laser pen: drawing ended"));
}

// ---- Black screen and countdown -------------------------------------------------------------

void VQLaserPenManager::enterBlackScreen()
{
    closeEveryEffect(true);
    m_isBlackScreen = true;
    putUpOverlays(static_cast<int>(Kind::BlackScreen));
    showOverlays();
    setCursorHidden(true);
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
}

void VQLaserPenManager::hideCountDownWarning()
{
    if (hasOverlaysOf(m_fullWindow, Kind::BlackScreen)) {
        closeOverlays();
        m_isBlackScreen = false;
        setCursorHidden(false);
    }
    invalidateWarningTimer();
}

void VQLaserPenManager::showCountDownSeconds(qint64 secondsLeft)
{
    if (!m_isBlackScreen || !hasOverlaysOf(m_fullWindow, Kind::BlackScreen)) {
        // A tick with no black screen up puts it up first; the running countdown goes on.
        closeEveryEffect(false);
        m_isBlackScreen = true;
        putUpOverlays(static_cast<int>(Kind::BlackScreen));
        showOverlays();
        setCursorHidden(true);
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
