#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// One finished stroke of the pen canvas: its shape in global coordinates (Qt's, y down), its
// colour and its width in points, drawn with round caps and joins. A stroke with an image is
// drawn as that image over the whole canvas instead of its path; nothing sets one yet.
class VQDrawPath {
public:
    VQDrawPath() = default;
    VQDrawPath(const QPainterPath& path, const QColor& color, qreal lineWidth);

    static VQDrawPath drawPathWithPath(const QPainterPath& path, const QColor& color, qreal lineWidth);

    const QPainterPath& drawPath() const { return m_drawPath; }
    QColor drawColor() const { return m_drawColor; }
    qreal lineWidth() const { return m_lineWidth; }
    const QImage& image() const { return m_image; }
    void setImage(const QImage& image) { m_image = image; }

    // The area the stroke paints, its width included, in the path's coordinates.
    QRectF paintedRect() const;
    // Strokes the path on the painter, shifted by offset (global to the canvas's coordinates).
    void paint(QPainter& painter, QPointF offset = {}) const;

private:
    QPainterPath m_drawPath;
    QColor m_drawColor = Qt::red;
    qreal m_lineWidth = 10;
    QImage m_image;
};
