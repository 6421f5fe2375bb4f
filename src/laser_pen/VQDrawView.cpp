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

namespace {

constexpr int kPenIconSize = 24;

} // namespace

VQDrawView::VQDrawView(QWidget* parent)
    : QWidget(parent)
{
    // Clear: the overlay below shows through (the live screen, or its frozen picture).
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

VQDrawView::~VQDrawView()
{
    invalidateTimer();
    // The icon of a shaped canvas is a window of its own.
    if (m_penImageView && m_penImageView->isWindow())
        delete m_penImageView;
}

void VQDrawView::setLineWidth(qreal width)
{
    m_lineWidth = width;
}

void VQDrawView::setDrawColor(const QColor& color)
{
    m_drawColor = color;
}

QLabel* VQDrawView::penImageView()
{
    if (!m_penImageView) {
        const QPixmap icon = mm::imageNamed(QStringLiteral("laserPenSetting_icon"), QSize(kPenIconSize, kPenIconSize));
        if (m_shaped) {
            // Outside the canvas's shape a child would never show: a small window of its own,
            // cut to the icon's opaque pixels.
            m_penImageView = new QLabel(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
                                                     | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus);
            m_penImageView->setAttribute(Qt::WA_ShowWithoutActivating);
            m_penImageView->setAttribute(Qt::WA_TransparentForMouseEvents);
            if (!icon.mask().isNull())
                m_penImageView->setMask(QBitmap::fromPixmap(icon.mask().scaled(kPenIconSize, kPenIconSize)));
        } else {
            m_penImageView = new QLabel(this);
            m_penImageView->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        m_penImageView->setFixedSize(kPenIconSize, kPenIconSize);
        m_penImageView->setPixmap(icon);
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
    // The icon is made again, as a child or as a window of its own.
    delete m_penImageView;
    m_penImageView = nullptr;
}

void VQDrawView::placePenIcon(QPoint globalPosition)
{
    // The icon's lower-left corner sits at the pointer.
    QLabel* icon = penImageView();
    const QPoint corner = globalPosition - QPoint(0, kPenIconSize);
    icon->move(m_shaped ? corner : mapFromGlobal(corner));
    if (!icon->isVisible())
        icon->show();
    icon->raise();
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
    m_drawPath = QPainterPath();
    m_drawPath.moveTo(globalPosition);
    m_pathReleased = false;
    startTimer();
    placePenIcon(globalPosition);
    // A stroke that never moves is a dot as wide as the line.
    paintLiveSegment(QPointF(globalPosition), QPointF(globalPosition));
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
    placePenIcon(globalPosition);
    // Only the new segment is painted and shown.
    if (ensurePictures())
        update();
    else
        paintLiveSegment(from, QPointF(globalPosition));
}

void VQDrawView::mouseUp()
{
    invalidateTimer();
    if (m_pathReleased)
        return;
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
    m_drawPathArray.clear();
    m_drawPath = QPainterPath();
    m_pathReleased = true;
    if (!m_cache.isNull())
        m_cache.fill(Qt::transparent);
    clearLive();
    m_shape.clear();
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

void VQDrawView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // The icon of a shaped canvas is a window of its own: it goes with the overlay.
    if (m_penImageView && m_penImageView->isWindow())
        m_penImageView->hide();
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

void VQDrawView::paintLiveSegment(QPointF from, QPointF to)
{
    const QPointF offset = globalOffset();
    QPainterPath segment;
    segment.moveTo(from + offset);
    segment.lineTo(to + offset);
    QColor opaque = m_drawColor;
    opaque.setAlpha(255);
    {
        QPainter painter(&m_live);
        // A path of one point is the round dot.
        VQDrawPath(segment, opaque, m_lineWidth).paint(painter);
    }
    QRect changed = VQDrawPath(segment, m_drawColor, m_lineWidth).paintedRect().toAlignedRect();
    m_liveRect |= changed;
    if (m_shaped)
        changed |= addToShape(segment);
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
    if (change.region.isEmpty())
        return {};
    if (change.replaces) {
        WindowShape::set(host, change.region);
        VQLogInfo(QStringLiteral("pen canvas: the shape is kept on cells of %1 px (%2 rectangles)")
                      .arg(m_shape.cellSize())
                      .arg(m_shape.region().rectCount()));
    } else {
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
    painter.end();
    Q_EMIT painted();
}
