#pragma once

#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Geometry of a widget's frame in its parent's coordinates (Qt's: origin top-left, y down).
// right() and bottom() are the edges past the last pixel (x + width, y + height), unlike
// QRect::right(). A null widget gives 0 (or an empty size).
namespace mm {

QSize size(const QWidget* view);
int width(const QWidget* view);
int height(const QWidget* view);
int left(const QWidget* view);
int right(const QWidget* view);
int top(const QWidget* view);
int bottom(const QWidget* view);
int centerX(const QWidget* view);
int centerY(const QWidget* view);

// The duration of moveAnimationWithView(), in milliseconds.
inline constexpr int moveAnimationDurationMs = 350;

// Animates the widget's geometry to the rectangle over 0.35 s. When a completion is given it
// runs on the main thread 0.35 s after the call (from the event loop, never inside the call),
// unless the widget was destroyed by then. A new animation of the same widget replaces a
// running one (whose completion still runs).
void moveAnimationWithView(QWidget* view, const QRect& location, std::function<void()> completion = {});

// Shrinks and moves a top-level window so that it lies whole, frame included, in the available
// area of the screen it is on (before its first show, the frame is taken as a title bar).
void keepOnScreen(QWidget* window);

} // namespace mm
