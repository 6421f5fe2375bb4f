#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// The small search icon shown beside a fresh text selection: a 28 x 28 tool window that never
// takes the focus, so the application holding the selection keeps the keyboard. Without a
// compositing manager (asked at each show) the window is shaped to the icon. A left click
// (press and release on the icon) runs the click handler.
class VQSearchIconWindow : public QWidget {
public:
    static constexpr int kSize = 28;
    // The icon's top-left corner lies this far right of and below the point it is shown at.
    static constexpr int kOffset = 8;
    static constexpr char kImageName[] = "search_icon";
    // The corners of the square drawn when the image is missing.
    static constexpr qreal kCornerRadius = 6;

    explicit VQSearchIconWindow(std::function<void()> onClick);

    // Shows the icon kOffset right of and below the point (global coordinates), moved back inside
    // the screen holding the point when it would reach past an edge.
    void showNear(QPoint globalPoint);
    // Where showNear() puts the icon's top-left corner on a screen of the given geometry.
    static QPoint placement(QPoint globalPoint, const QRect& screenGeometry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_onClick;
    QPixmap m_image;
    bool m_pressed = false;
};
