#include "VQLaserPenOverlay.h"

#include "WindowShape.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

#include <cmath>

namespace {

Qt::WindowFlags overlayFlags(bool takesFocus)
{
    const Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
        | Qt::X11BypassWindowManagerHint;
    return takesFocus ? flags : flags | Qt::WindowDoesNotAcceptFocus;
}

void prepareWindow(QWidget* window, bool composited, bool takesFocus)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    if (composited) {
        window->setAttribute(Qt::WA_TranslucentBackground);
    } else {
        window->setAttribute(Qt::WA_OpaquePaintEvent);
        window->setAttribute(Qt::WA_NoSystemBackground);
    }
}

// A press on an effect window stays there, and gives it the focus back when it takes Escape itself.
void takePress(QWidget* window, QMouseEvent* event, bool takesFocus)
{
    event->accept();
    if (takesFocus)
        window->activateWindow();
}

// Escape with no modifier is taken; any other key goes on.
bool takeEscape(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    event->accept();
    return true;
}

} // namespace

VQLaserPenOverlay::VQLaserPenOverlay(Kind kind, QScreen* screen, bool composited, const QPixmap& frozen, bool takesFocus)
    : QWidget(nullptr, overlayFlags(takesFocus))
    , m_kind(kind)
    , m_screen(screen)
    // Black needs no translucency: it is opaque either way.
    , m_composited(composited && kind != Kind::BlackScreen)
    , m_shaped(!m_composited && kind == Kind::Pen && WindowShape::isAvailable())
    , m_takesFocus(takesFocus)
    , m_frozen(m_composited || m_shaped ? QPixmap() : frozen)
{
    prepareWindow(this, m_composited, takesFocus);
    setWindowTitle(QStringLiteral("laser pen"));
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    // Nothing shows and nothing is taken until the canvas adds its strokes.
    if (m_shaped && !WindowShape::clear(this))
        m_shaped = false;
}

void VQLaserPenOverlay::setVeil(int alpha, qreal diameter)
{
    m_veilAlpha = qBound(0, alpha, 255);
    m_holeDiameter = qMax<qreal>(0, diameter);
    update();
}

QRect VQLaserPenOverlay::holeBounds() const
{
    if (!m_hasHole)
        return {};
    const qreal radius = m_holeDiameter / 2;
    // A margin for the smoothed edge.
    return QRectF(m_holeCentre.x() - radius, m_holeCentre.y() - radius, m_holeDiameter, m_holeDiameter)
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

void VQLaserPenOverlay::moveHoleTo(QPointF globalPosition)
{
    const QPointF local = mapFromGlobal(globalPosition);
    const qreal radius = m_holeDiameter / 2;
    // A hole whose circle reaches into this window; one wholly off it leaves the veil closed.
    const bool onThisWindow = QRectF(rect()).adjusted(-radius, -radius, radius, radius).contains(local);
    if (onThisWindow == m_hasHole && (!onThisWindow || local == m_holeCentre))
        return;
    const QRect before = holeBounds();
    m_hasHole = onThisWindow;
    m_holeCentre = onThisWindow ? local : QPointF();
    if (m_kind == Kind::Highlight) {
        update(before);
        update(holeBounds());
    }
}

void VQLaserPenOverlay::setContent(QWidget* content)
{
    if (m_content == content)
        return;
    if (m_content) {
        m_content->hide();
        m_content->deleteLater();
    }
    m_content = content;
    if (!content)
        return;
    content->setParent(this);
    content->setGeometry(rect());
    content->show();
}

void VQLaserPenOverlay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_content)
        m_content->setGeometry(rect());
}

void VQLaserPenOverlay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    if (m_kind == Kind::BlackScreen) {
        painter.fillRect(area, Qt::black);
        return;
    }
    if (m_composited) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        // The pen's canvas keeps a trace of white so that the window still takes the mouse.
        painter.fillRect(area, m_kind == Kind::Pen ? QColor(255, 255, 255, 1) : QColor(Qt::transparent));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else if (m_shaped) {
        return; // the canvas paints what the shape shows
    } else if (m_frozen.isNull()) {
        painter.fillRect(area, Qt::black);
    } else {
        const qreal ratio = m_frozen.devicePixelRatio();
        painter.drawPixmap(QRectF(area), m_frozen, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    }
    if (m_kind != Kind::Highlight)
        return;
    QPainterPath veil;
    veil.setFillRule(Qt::OddEvenFill);
    veil.addRect(QRectF(rect()));
    if (m_hasHole)
        veil.addEllipse(m_holeCentre, m_holeDiameter / 2, m_holeDiameter / 2);
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(veil, QColor(0, 0, 0, m_veilAlpha));
}

void VQLaserPenOverlay::mousePressEvent(QMouseEvent* event)
{
    // Clicks on the veil or the black screen stay here: the page below must not turn.
    takePress(this, event, m_takesFocus);
}

void VQLaserPenOverlay::keyPressEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        Q_EMIT escapePressed();
    else
        QWidget::keyPressEvent(event);
}

void VQLaserPenOverlay::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

VQLaserPenSpotWindow::VQLaserPenSpotWindow(const QColor& color, int diameter, bool composited, bool takesFocus)
    : QWidget(nullptr, overlayFlags(takesFocus))
    , m_color(color)
    , m_diameter(qMax(1, diameter))
    , m_composited(composited)
    , m_takesFocus(takesFocus)
{
    prepareWindow(this, composited, takesFocus);
    setWindowTitle(QStringLiteral("laser spot"));
    setFixedSize(m_diameter, m_diameter);
    setMask(QRegion(0, 0, m_diameter, m_diameter, QRegion::Ellipse));
}

void VQLaserPenSpotWindow::moveCentreTo(QPointF globalPosition)
{
    const QPoint topLeft(int(std::lround(globalPosition.x() - m_diameter / 2.0)),
                         int(std::lround(globalPosition.y() - m_diameter / 2.0)));
    if (topLeft != pos())
        move(topLeft);
}

void VQLaserPenSpotWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_composited) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color);
        painter.drawEllipse(QRectF(rect()));
    } else {
        // The mask gives the round shape; the colour is shown opaque, since nothing blends.
        QColor solid = m_color;
        solid.setAlpha(255);
        painter.fillRect(rect(), solid);
    }
}

void VQLaserPenSpotWindow::mousePressEvent(QMouseEvent* event)
{
    takePress(this, event, m_takesFocus);
}

void VQLaserPenSpotWindow::keyPressEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        Q_EMIT escapePressed();
    else
        QWidget::keyPressEvent(event);
}
