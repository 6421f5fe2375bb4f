#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

class QScreen;

// The overlay of one screen during a capture: a frameless window over the whole screen, kept
// on top and out of the window manager's hands, that paints the screen's frozen picture dimmed
// by black at alpha 77 everywhere but the selection. It is opaque, so it needs no compositor
// and no later grab can see it. Mouse presses, drags and releases go to VQSnip.
class VQSnipFullWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDimAlpha = 77;

    VQSnipFullWindow(int screenIndex, QScreen* screen, const QPixmap& frozen);

    int screenIndex() const { return m_screenIndex; }
    // The clear part, relative to the window; empty for none.
    void setSelection(const QRect& selection);
    QRect selection() const { return m_selection; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_screenIndex = 0;
    QPixmap m_frozen;
    QRect m_selection;
};
