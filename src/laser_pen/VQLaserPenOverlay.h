#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QScreen>
#include <QWidget>

// One screen's window of a presenter effect: frameless, on top, out of the window manager's
// hands and never taking the keyboard focus, so the presentation keeps its page keys. It takes
// the mouse, so a click on it does not reach the page below.
//
// With a compositing manager the window is translucent (ARGB) and shows the live screen below.
// Without one, ARGB pixels would show black: the pen's window is then shaped (XShape) to its
// strokes, so every other pixel shows the live screen; the highlight's veil, which needs
// translucency, paints the picture of its screen frozen just before it mapped.
//
// When Escape could not be grabbed (takesFocus), the window accepts the keyboard focus, takes
// it again at a click, and reports Escape pressed while it has it.
class VQLaserPenOverlay : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Highlight,   // a dark veil with a clear round hole at the pointer
        BlackScreen, // opaque black, carrying the countdown view
        Pen,         // nearly clear, carrying the drawing canvas
    };

    // frozen is used only by the highlight without a compositor; a null picture paints black.
    VQLaserPenOverlay(Kind kind, QScreen* screen, bool composited, const QPixmap& frozen, bool takesFocus = false);

    Kind kind() const { return m_kind; }
    bool isComposited() const { return m_composited; }
    // The pen's window without a compositor: it shows (and takes clicks) only where its canvas
    // added to its shape.
    bool isShaped() const { return m_shaped; }
    QScreen* overlayScreen() const { return m_screen; }

    // The highlight's veil: black at the alpha (0-255) around a clear circle of the diameter.
    void setVeil(int alpha, qreal diameter);
    // Moves the hole to the global position (mapped into this window; a position on another
    // screen leaves no hole here). Repaints only what changed.
    void moveHoleTo(QPointF globalPosition);
    // The hole's centre in window coordinates; hasHole() false when none lies on this window.
    QPointF holeCentre() const { return m_holeCentre; }
    bool hasHole() const { return m_hasHole; }

    // Makes the widget the window's content, covering it whole, and keeps it so on resizes.
    void setContent(QWidget* content);
    QWidget* content() const { return m_content; }

Q_SIGNALS:
    // Escape was pressed while the window had the focus.
    void escapePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect holeBounds() const;

    Kind m_kind;
    QPointer<QScreen> m_screen;
    bool m_composited = false;
    bool m_shaped = false;
    bool m_takesFocus = false;
    QPixmap m_frozen;
    int m_veilAlpha = 153;
    qreal m_holeDiameter = 300;
    QPointF m_holeCentre;
    bool m_hasHole = false;
    QPointer<QWidget> m_content;
};

// The light spot: a small round window of one colour that follows the pointer. Its shape is a
// mask, so it is round with or without a compositor (with one, its edge is smoothed as well).
// Like the overlay, it takes the focus and Escape when Escape could not be grabbed.
class VQLaserPenSpotWindow : public QWidget {
    Q_OBJECT
public:
    VQLaserPenSpotWindow(const QColor& color, int diameter, bool composited, bool takesFocus = false);

    QColor color() const { return m_color; }
    int diameter() const { return m_diameter; }
    // Centres the spot on the global position.
    void moveCentreTo(QPointF globalPosition);

Q_SIGNALS:
    void escapePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_color;
    int m_diameter = 20;
    bool m_composited = false;
    bool m_takesFocus = false;
};
