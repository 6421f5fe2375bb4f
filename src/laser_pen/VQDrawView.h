#pragma once

#include "VQDrawPath.h"
#include "VQDrawShape.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QLabel;

// The pen canvas of one screen's pen overlay: a clear widget on which strokes follow the
// pointer between an effect press (mouseDown) and its release (mouseUp). The pen overlay puts
// one canvas on every screen; each receives the same calls and shows the part of every stroke
// that lies on its screen, so a stroke may cross screens. Positions are global (Qt's
// coordinates) and mapped into the canvas with mapFromGlobal.
//
// While a stroke is open the canvas follows the pointer's motion events (InputMonitor), not a
// timer; nothing runs while the pointer rests. Finished strokes are cached in a picture; the
// open stroke has a picture of its own, to which each step adds its segment, so a step paints
// and repaints only the segment's rectangle, however long the stroke already is. Its colour's
// transparency is applied when that picture is shown, so overlapping segments do not darken.
//
// On a shaped window (no compositor) each segment is also added to the window's shape, kept
// within a budget of rectangles (VQDrawShape), and the canvas paints the strokes over their own
// colour, so every pixel of the shape shows the stroke.
//
// Main thread only.
class VQDrawView : public QWidget {
    Q_OBJECT
public:
    explicit VQDrawView(QWidget* parent = nullptr);
    ~VQDrawView() override;

    // Width and colour of the strokes drawn from now on (10 and red at creation).
    qreal lineWidth() const { return m_lineWidth; }
    void setLineWidth(qreal width);
    QColor drawColor() const { return m_drawColor; }
    void setDrawColor(const QColor& color);

    // Opens a stroke at the pointer (a stroke still open is dropped, not stored), shows the pen
    // icon there and follows the pointer's motion.
    void mouseDown();
    void mouseDown(QPoint globalPosition);
    // One step: a straight segment from the stroke's last point to the pointer.
    void mouseDragged();
    void mouseDragged(QPoint globalPosition);
    // Closes the open stroke and stores it; with no open stroke nothing is stored.
    void mouseUp();
    // Removes every stroke and ends the pen overlay (VQLaserPenManager endDraw).
    void clearDraw();
    // Start and stop following the pointer's motion events.
    void startTimer();
    void invalidateTimer();
    // The canvas covers a shaped window (VQLaserPenOverlay::isShaped): strokes are added to the
    // window's shape, and the pen icon is a small window of its own.
    void setShapedWindow(bool shaped);
    bool isShapedWindow() const { return m_shaped; }
    // What the window's shape holds (window coordinates), on a shaped window.
    const VQDrawShape& shape() const { return m_shape; }

    const QList<VQDrawPath>& drawPathArray() const { return m_drawPathArray; }
    // The open stroke, in global coordinates; empty while pathReleased.
    const QPainterPath& drawPath() const { return m_drawPath; }
    bool pathReleased() const { return m_pathReleased; }
    bool isFollowingPointer() const { return m_motionMonitor > 0; }
    // The 24 x 24 pen icon ("laserPenSetting_icon"), created on first use.
    QLabel* penImageView();

Q_SIGNALS:
    // A paint of the canvas has ended (the open stroke's last point is on the screen).
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Makes both pictures for the current size and ratio; false when they are there already.
    bool ensurePictures();
    void rebuildCache();
    // The open stroke's picture: a segment added, or the whole cleared.
    void paintLiveSegment(QPointF from, QPointF to);
    void clearLive();
    // The canvas's offset from global coordinates.
    QPointF globalOffset() const;
    // Adds the outline of the path to the window's shape; the part of the canvas to paint for it.
    QRect addToShape(const QPainterPath& localPath);
    // Asks for a paint of the rectangle, together with those asked since the last paint.
    void repaintRect(const QRect& rect);
    void placePenIcon(QPoint globalPosition);

    qreal m_lineWidth = 10;
    QColor m_drawColor = Qt::red;
    QPainterPath m_drawPath;
    QList<VQDrawPath> m_drawPathArray;
    bool m_pathReleased = true;
    int m_motionMonitor = 0;
    QLabel* m_penImageView = nullptr;
    QPixmap m_cache; // the finished strokes, in device pixels
    QImage m_live;   // the open stroke in its opaque colour, in device pixels
    QRect m_liveRect; // where m_live holds paint (canvas coordinates)
    QRect m_pendingPaint; // asked for since the last paint
    bool m_shaped = false;
    VQDrawShape m_shape;
};
