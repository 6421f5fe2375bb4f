#include "VQDrawPath.h"

#include <QPainter>
#include <QPen>

VQDrawPath::VQDrawPath(const QPainterPath& path, const QColor& color, qreal lineWidth)
    : m_drawPath(path)
    , m_drawColor(color)
    , m_lineWidth(lineWidth)
{
}

VQDrawPath VQDrawPath::drawPathWithPath(const QPainterPath& path, const QColor& color, qreal lineWidth)
{
    return VQDrawPath(path, color, lineWidth);
}

QRectF VQDrawPath::paintedRect() const
{
    if (m_drawPath.elementCount() == 0)
        return {};
    // Half the width on every side for the round caps, and a pixel for antialiasing.
    const qreal margin = m_lineWidth / 2 + 1;
    return m_drawPath.boundingRect().adjusted(-margin, -margin, margin, margin);
}

void VQDrawPath::paint(QPainter& painter, QPointF offset) const
{
    if (m_drawPath.elementCount() == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = m_drawPath.boundingRect();
    if (bounds.width() == 0 && bounds.height() == 0) {
        // A stroke that never moved is a dot as wide as the line: its round cap.
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_drawColor);
        painter.drawEllipse(bounds.topLeft() + offset, m_lineWidth / 2, m_lineWidth / 2);
    } else {
        painter.setPen(QPen(m_drawColor, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.translate(offset);
        painter.drawPath(m_drawPath);
    }
    painter.restore();
}
