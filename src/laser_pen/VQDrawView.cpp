#include "VQDrawView.h"

#include "CursorHider.h"
#include "InputMonitor.h"
#include "MMImage.h"
#include "MMLog.h"
#include "VQLaserPenManager.h"
#include "WindowShape.h"

#include <QBitmap>
#include <QCursor>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRegion>

#include <utility>

namespace {

constexpr int kPenIconSize = 24;
// The shortest time between two changes of the windows while a stroke follows the pointer: one
// display frame. Each change costs the X server work that follows everything on the screen.
constexpr qint64 kFrameMs = 16;

} // namespace

VQDrawView::VQDrawView(QWidget* parent)
    : QWidget(parent)
{
    // Clear: the overlay below shows through (the live screen, or its frozen picture).
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &VQDrawView::showFrame);
}

VQDrawView::~VQDrawView()
{
    invalidateTimer();
}

void VQDrawView::setLineWidth(qreal width)
{
    m_lineWidth = width;
}

void VQDrawView::setDrawColor(const QColor& color)
{
    m_drawColor = color;
}

QPixmap VQDrawView::penIcon()
{
    return mm::imageNamed(QStringLiteral("laserPenSetting_icon"), QSize(kPenIconSize, kPenIconSize));
}

QLabel* VQDrawView::penImageView()
{
    if (!m_penImageView) {
        m_penImageView = new QLabel(this);
        m_penImageView->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_penImageView->setFixedSize(kPenIconSize, kPenIconSize);
        m_penImageView->setPixmap(penIcon());
        m_penImageView->setScaledContents(true);
        m_penImageView->hide();
    }
    return m_penImageView;
}

void VQDrawView::setShapedWindow(bool shaped)
{
    if (m_shaped == shaped)
        return;
    m_shaped = shaped;
    // A shaped canvas paints the icon itself: a child outside the shape would never show.
    delete m_penImageView;
    m_penImageView = nullptr;
    m_iconRect = QRect();
    m_iconShape = QRegion();
}

void VQDrawView::placePenIcon(QPoint globalPosition)
{
    // The icon's lower-left corner sits at the pointer.
    const QPoint corner = mapFromGlobal(globalPosition - QPoint(0, kPenIconSize));
    if (m_shaped) {
        // Painted by the canvas, and its opaque pixels join the window's shape with the strokes
        // (addToShape): the icon's move and the stroke's new steps are one change of the shape.
        if (m_icon.isNull()) {
            m_icon = penIcon();
            const QBitmap mask = m_icon.mask();
            m_iconMask = mask.isNull() ? QRegion(0, 0, kPenIconSize, kPenIconSize)
                                       : QRegion(QBitmap::fromPixmap(mask.scaled(kPenIconSize, kPenIconSize)));
        }
        repaintRect(m_iconRect & rect());
        m_iconRect = QRect(corner, QSize(kPenIconSize, kPenIconSize));
        repaintRect(m_iconRect & rect());
        return;
    }
    QLabel* icon = penImageView();
    icon->move(corner);
    if (!icon->isVisible())
        icon->show();
}

QPointF VQDrawView::globalOffset() const
{
    return mapFromGlobal(QPoint(0, 0));
}

void VQDrawView::mouseDown()
{
    mouseDown(QCursor::pos());
}

void VQDrawView::mouseDown(QPoint globalPosition)
{
    ensurePictures();
    // A stroke still open is replaced, not stored.
    if (!m_pathReleased)
        clearLive();
    m_frameTimer.stop();
    m_frameSteps = QPainterPath();
    m_drawPath = QPainterPath();
    m_drawPath.moveTo(globalPosition);
    m_pathReleased = false;
    startTimer();
    placePenIcon(globalPosition);
    if (m_penImageView)
        m_penImageView->raise();
    // A stroke that never moves is a dot as wide as the line.
    showSteps(m_drawPath);
    m_frameClock.start();
    CursorHider::instance().hide();
}

void VQDrawView::mouseDragged()
{
    mouseDragged(QCursor::pos());
}

void VQDrawView::mouseDragged(QPoint globalPosition)
{
    if (m_pathReleased)
        return;
    const QPointF from = m_drawPath.currentPosition();
    if (from == QPointF(globalPosition))
        return;
    m_drawPath.lineTo(globalPosition);
    if (m_frameSteps.isEmpty())
        m_frameSteps.moveTo(from);
    m_frameSteps.lineTo(globalPosition);
    // At most one change of the windows per frame: steps faster than that land on the next one.
    if (m_frameClock.isValid() && m_frameClock.elapsed() < kFrameMs) {
        if (!m_frameTimer.isActive())
            m_frameTimer.start(int(kFrameMs - m_frameClock.elapsed()));
        return;
    }
    showFrame();
}

void VQDrawView::showFrame()
{
    m_frameTimer.stop();
    m_frameClock.start();
    if (m_pathReleased || m_frameSteps.isEmpty())
        return;
    placePenIcon(m_drawPath.currentPosition().toPoint());
    // Only the steps since the last frame are painted and shown.
    showSteps(std::exchange(m_frameSteps, QPainterPath()));
}

void VQDrawView::mouseUp()
{
    invalidateTimer();
    if (m_pathReleased)
        return;
    // The steps still waiting for their frame join the shape with the rest of the stroke.
    showFrame();
    const VQDrawPath stroke(m_drawPath, m_drawColor, m_lineWidth);
    m_drawPathArray.append(stroke);
    m_drawPath = QPainterPath();
    m_pathReleased = true;
    // The finished stroke goes into the cached picture once, whole (its joins as one path), and
    // its own picture is emptied.
    ensurePictures();
    {
        QPainter painter(&m_cache);
        stroke.paint(painter, globalOffset());
    }
    clearLive();
    repaintRect(stroke.paintedRect().translated(globalOffset()).toAlignedRect());
    CursorHider::instance().show();
}

void VQDrawView::clearDraw()
{
    invalidateTimer();
    const bool wasDrawing = !m_pathReleased;
    m_frameTimer.stop();
    m_frameSteps = QPainterPath();
    m_drawPathArray.clear();
    m_drawPath = QPainterPath();
    m_pathReleased = true;
    if (!m_cache.isNull())
        m_cache.fill(Qt::transparent);
    clearLive();
    m_shape.clear();
    m_iconRect = QRect();
    m_iconShape = QRegion();
    if (m_shaped && window() != this)
        WindowShape::clear(window());
    update();
    if (wasDrawing)
        CursorHider::instance().show();
    VQLaserPenManager::sharedInstance().endDraw();
}

void VQDrawView::startTimer()
{
    invalidateTimer();
    m_motionMonitor = InputMonitor::instance().addMonitor(
        MMEventMasks::kMouseMoved | MMEventMasks::kAnyMouseDragged,
        [this](const MMEvent& event) { mouseDragged(event.location); });
    if (m_motionMonitor <= 0) {
        m_motionMonitor = 0;
        VQLogWarn(QStringLiteral("pen canvas: the pointer's motion cannot be followed"));
    }
}

void VQDrawView::invalidateTimer()
{
    if (m_motionMonitor > 0)
        InputMonitor::instance().removeMonitor(m_motionMonitor);
    m_motionMonitor = 0;
}

void VQDrawView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_cache = QPixmap();
    m_live = QImage();
}

bool VQDrawView::ensurePictures()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_cache.isNull() && qFuzzyCompare(m_cache.devicePixelRatio(), ratio) && !m_live.isNull())
        return false;
    rebuildCache();
    m_live = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_live.setDevicePixelRatio(ratio);
    m_live.fill(Qt::transparent);
    m_liveRect = QRect();
    // The open stroke, drawn whole once into its new picture.
    if (!m_pathReleased && m_drawPath.elementCount() > 0) {
        QColor opaque = m_drawColor;
        opaque.setAlpha(255);
        QPainter painter(&m_live);
        VQDrawPath(m_drawPath, opaque, m_lineWidth).paint(painter, globalOffset());
        m_liveRect = VQDrawPath(m_drawPath, m_drawColor, m_lineWidth).paintedRect().translated(globalOffset()).toAlignedRect();
    }
    return true;
}

void VQDrawView::rebuildCache()
{
    const qreal ratio = devicePixelRatioF();
    m_cache = QPixmap((QSizeF(size()) * ratio).toSize());
    m_cache.setDevicePixelRatio(ratio);
    m_cache.fill(Qt::transparent);
    QPainter painter(&m_cache);
    const QPointF offset = globalOffset();
    const QRectF visible = QRectF(rect()).translated(-offset);
    for (const VQDrawPath& stroke : std::as_const(m_drawPathArray)) {
        if (!stroke.image().isNull())
            painter.drawImage(QRectF(rect()), stroke.image());
        else if (stroke.paintedRect().intersects(visible))
            stroke.paint(painter, offset);
    }
}

void VQDrawView::showSteps(const QPainterPath& steps)
{
    m_shownUpTo = steps.currentPosition().toPoint();
    // Pictures made now hold the whole open stroke already.
    const bool remade = ensurePictures();
    const QPainterPath local = steps.translated(globalOffset());
    if (!remade) {
        QColor opaque = m_drawColor;
        opaque.setAlpha(255);
        QPainter painter(&m_live);
        // A path of one point is the round dot.
        VQDrawPath(local, opaque, m_lineWidth).paint(painter);
    }
    QRect changed = VQDrawPath(local, m_drawColor, m_lineWidth).paintedRect().toAlignedRect();
    m_liveRect |= changed;
    if (m_shaped)
        changed |= addToShape(local);
    if (remade)
        update();
    else
        repaintRect(changed);
}

void VQDrawView::clearLive()
{
    if (m_liveRect.isEmpty() || m_live.isNull())
        return;
    QPainter painter(&m_live);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(m_liveRect, Qt::transparent);
    painter.end();
    repaintRect(m_liveRect);
    m_liveRect = QRect();
}

void VQDrawView::repaintRect(const QRect& rect)
{
    // One rectangle until the paint: the window's pixels go to the server rectangle by
    // rectangle, each clipped by the shape at a cost that follows the shape's size.
    m_pendingPaint |= rect;
    update(m_pendingPaint);
}

QRect VQDrawView::addToShape(const QPainterPath& localPath)
{
    QWidget* host = window();
    if (host == this)
        return {};
    QPainterPathStroker stroker;
    stroker.setWidth(m_lineWidth + 1); // the smoothed edge included
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath outline = stroker.createStroke(localPath);
    const QRectF bounds = localPath.boundingRect();
    if (bounds.width() == 0 && bounds.height() == 0) {
        const qreal radius = (m_lineWidth + 1) / 2;
        outline = QPainterPath();
        outline.addEllipse(bounds.topLeft(), radius, radius);
    }
    const QPoint toWindow = mapTo(host, QPoint(0, 0));
    const VQDrawShape::Change change =
        m_shape.add(QRegion(outline.translated(toWindow).toFillPolygon().toPolygon(), Qt::WindingFill));
    const QRegion icon = (m_iconMask.translated(m_iconRect.topLeft()) & rect()).translated(toWindow);
    if (change.replaces || icon != m_iconShape) {
        // Where the icon was leaves the shape: the whole shape is set again, in one change.
        m_iconShape = icon;
        WindowShape::set(host, m_shape.region() | icon);
        if (change.replaces) {
            VQLogInfo(QStringLiteral("pen canvas: the shape is kept on cells of %1 px (%2 rectangles)")
                          .arg(m_shape.cellSize())
                          .arg(m_shape.region().rectCount()));
        }
    } else if (!change.region.isEmpty()) {
        WindowShape::add(host, change.region);
    }
    // Every pixel the window now shows is painted, the cells' margins around the strokes too.
    return change.region.boundingRect().translated(-toWindow);
}

void VQDrawView::paintEvent(QPaintEvent* event)
{
    m_pendingPaint = QRect();
    ensurePictures();
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    const QRect area = event->rect();
    painter.setClipRegion(event->region());
    if (m_shaped) {
        // Only the shape shows: its smoothed edges blend into the stroke's own colour.
        QColor opaque = m_drawColor;
        opaque.setAlpha(255);
        painter.fillRect(area, opaque);
    }
    const QRectF source(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
    painter.drawPixmap(QRectF(area), m_cache, source);
    if (!m_pathReleased && area.intersects(m_liveRect)) {
        if (!m_shaped)
            painter.setOpacity(m_drawColor.alphaF());
        painter.drawImage(QRectF(area), m_live, source);
    }
    if (m_shaped && area.intersects(m_iconRect)) {
        // As on a window of its own: the icon's half-clear edges over the window colour.
        painter.setOpacity(1);
        painter.setClipRegion(event->region() & m_iconMask.translated(m_iconRect.topLeft()));
        painter.fillRect(m_iconRect, palette().window());
        painter.drawPixmap(m_iconRect, m_icon);
    }
    painter.end();
    if (!m_pathReleased)
        Q_EMIT painted(m_shownUpTo);
}
