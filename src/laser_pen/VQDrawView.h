#pragma once

#include "VQDrawPath.h"
#include "VQDrawShape.h"

#include <QColor>
#include <QElapsedTimer>
#include <QList>
#include <QPainterPath>
#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>

class QLabel;

// The pen canvas of one screen's pen overlay: a clear widget on which strokes follow the
// pointer between an effect press (mouseDown) and its release (mouseUp). The pen overlay puts
// one canvas on every screen; each receives the same calls and shows the part of every stroke
// that lies on its screen, so a stroke may cross screens. Positions are global (Qt's
// coordinates) and mapped into the canvas with mapFromGlobal.
//
// While a stroke is open the canvas follows the pointer's motion events (InputMonitor); nothing
// runs while the pointer rests. The windows change at most once per frame (16 ms): steps that
// come faster wait for the next frame on a precise single-shot timer, and a stroke's first step
// after a rest shows at once. Finished strokes are cached in a picture; the open stroke has a
// picture of its own, to which each frame adds its steps, so a frame paints and repaints only
// their rectangle, however long the stroke already is. Its colour's transparency is applied when
// that picture is shown, so overlapping segments do not darken.
//
// On a shaped window (no compositor) each frame's steps are also added to the window's shape,
// kept within a budget of rectangles (VQDrawShape), and the canvas paints the strokes over their
// own colour, so every pixel of the shape shows the stroke. There the canvas paints the pen icon
// itself, its opaque pixels part of the same shape: a frame is one change of the window's shape
// and no window moves, since every change costs the X server work that follows everything on
// the screen.
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
    // The canvas covers a shaped window (VQLaserPenOverlay::isShaped): strokes and the pen icon
    // are added to the window's shape.
    void setShapedWindow(bool shaped);
    bool isShapedWindow() const { return m_shaped; }
    // What the window's shape holds (window coordinates), on a shaped window.
    const VQDrawShape& shape() const { return m_shape; }

    const QList<VQDrawPath>& drawPathArray() const { return m_drawPathArray; }
    // The open stroke, in global coordinates; empty while pathReleased.
    const QPainterPath& drawPath() const { return m_drawPath; }
    bool pathReleased() const { return m_pathReleased; }
    bool isFollowingPointer() const { return m_motionMonitor > 0; }

Q_SIGNALS:
    // A paint of the canvas has ended while a stroke is open; the stroke shows up to the point
    // (global; steps after it wait for their frame).
    void painted(QPoint shownUpTo);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Makes both pictures for the current size and ratio; false when they are there already.
    bool ensurePictures();
    void rebuildCache();
    // The steps waiting for their frame painted and shown, with the pen icon.
    void showFrame();
    // The open stroke's picture: steps (global coordinates) added, or the whole cleared.
    void showSteps(const QPainterPath& steps);
    void clearLive();
    // The canvas's offset from global coordinates.
    QPointF globalOffset() const;
    // Adds the outline of the path to the window's shape; the part of the canvas to paint for it.
    QRect addToShape(const QPainterPath& localPath);
    // Asks for a paint of the rectangle, together with those asked since the last paint.
    void repaintRect(const QRect& rect);
    // The 24 x 24 pen icon ("laserPenSetting_icon").
    static QPixmap penIcon();
    // The icon as a child, created on first use; a shaped canvas paints it itself.
    QLabel* penImageView();
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
    QPainterPath m_frameSteps; // the open stroke's steps waiting for their frame (global)
    QPoint m_shownUpTo; // the open stroke's last point painted and shown
    QElapsedTimer m_frameClock; // since the windows last changed
    QTimer m_frameTimer;
    bool m_shaped = false;
    VQDrawShape m_shape;
    // The pen icon on a shaped canvas: where it shows (canvas coordinates; empty before the
    // first stroke), its opaque pixels at 0,0, and the part of the window's shape it holds.
    QPixmap m_icon;
    QRect m_iconRect;
    QRegion m_iconMask;
    QRegion m_iconShape;
};
