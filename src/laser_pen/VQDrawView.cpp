#include "VQDrawView.h"

#include "CursorHider.h"
#include "InputMonitor.h"
#include "MMImage.h"
#include "MMLog.h"
#include "VQLaserPenManager.h"

#include <QCursor>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

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
        m_penImageView = new QLabel(this);
        m_penImageView->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_penImageView->setFixedSize(kPenIconSize, kPenIconSize);
        m_penImageView->setPixmap(mm::imageNamed(QStringLiteral("laserPenSetting_icon"), QSize(kPenIconSize, kPenIconSize)));
        m_penImageView->setScaledContents(true);
        m_penImageView->hide();
    }
    return m_penImageView;
}

void VQDrawView::mouseDown()
{
    mouseDown(QCursor::pos());
}

void VQDrawView::mouseDown(QPoint globalPosition)
{
    // A stroke still open is replaced, not stored: repaint where it was.
    if (!m_pathReleased)
        update(VQDrawPath(m_drawPath, m_drawColor, m_lineWidth).paintedRect().translated(mapFromGlobal(QPoint(0, 0))).toAlignedRect());
    m_drawPath = QPainterPath();
    m_drawPath.moveTo(globalPosition);
    m_pathReleased = false;
    startTimer();
    // The icon's lower-left corner sits at the pointer.
    QLabel* icon = penImageView();
    icon->move(mapFromGlobal(globalPosition) - QPoint(0, kPenIconSize));
    icon->show();
    icon->raise();
    update(VQDrawPath(m_drawPath, m_drawColor, m_lineWidth).paintedRect().translated(mapFromGlobal(QPoint(0, 0))).toAlignedRect());
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
    penImageView()->move(mapFromGlobal(globalPosition) - QPoint(0, kPenIconSize));
    // Only the new segment changes.
    const qreal margin = m_lineWidth / 2 + 2;
    const QRectF segment = QRectF(from, QPointF(globalPosition)).normalized().adjusted(-margin, -margin, margin, margin);
    update(segment.translated(mapFromGlobal(QPoint(0, 0))).toAlignedRect());
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
    // The finished stroke goes into the cached picture once.
    if (!m_cache.isNull()) {
        QPainter painter(&m_cache);
        stroke.paint(painter, mapFromGlobal(QPoint(0, 0)));
    }
    update(stroke.paintedRect().translated(mapFromGlobal(QPoint(0, 0))).toAlignedRect());
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
}

void VQDrawView::rebuildCache()
{
    const qreal ratio = devicePixelRatioF();
    m_cache = QPixmap((QSizeF(size()) * ratio).toSize());
    m_cache.setDevicePixelRatio(ratio);
    m_cache.fill(Qt::transparent);
    QPainter painter(&m_cache);
    const QPointF offset = mapFromGlobal(QPoint(0, 0));
    const QRectF visible = QRectF(rect()).translated(-offset);
    for (const VQDrawPath& stroke : std::as_const(m_drawPathArray)) {
        if (stroke.paintedRect().intersects(visible))
            stroke.paint(painter, offset);
    }
}

void VQDrawView::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull() || !qFuzzyCompare(m_cache.devicePixelRatio(), ratio))
        rebuildCache();
    QPainter painter(this);
    const QRect area = event->rect();
    painter.setClipRegion(event->region());
    painter.drawPixmap(area, m_cache, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    if (!m_pathReleased)
        VQDrawPath(m_drawPath, m_drawColor, m_lineWidth).paint(painter, mapFromGlobal(QPoint(0, 0)));
    painter.end();
    Q_EMIT painted();
}
