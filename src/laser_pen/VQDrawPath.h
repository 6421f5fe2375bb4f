#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// One finished stroke of the pen canvas: its shape in global coordinates (Qt's, y down), its
// colour and its width in points, drawn with round caps and joins.
class VQDrawPath {
public:
    VQDrawPath() = default;
    VQDrawPath(const QPainterPath& path, const QColor& color, qreal lineWidth);

    static VQDrawPath drawPathWithPath(const QPainterPath& path, const QColor& color, qreal lineWidth);

    const QPainterPath& drawPath() const { return m_drawPath; }
    QColor drawColor() const { return m_drawColor; }
    qreal lineWidth() const { return m_lineWidth; }

    // The area the stroke paints, its width included, in the path's coordinates.
    QRectF paintedRect() const;
    // Strokes the path on the painter, shifted by offset (global to the canvas's coordinates).
    void paint(QPainter& painter, QPointF offset = {}) const;

private:
    QPainterPath m_drawPath;
    QColor m_drawColor = Qt::red;
    qreal m_lineWidth = 10;
};
