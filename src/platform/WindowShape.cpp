#include "WindowShape.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <cmath>
#include <vector>

namespace {

Display* qtDisplay()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// Whether the rectangles come in bands from top to bottom, each band's of one height and left
// to right apart: the order the server takes as it is, where it sorts any other.
bool yxBanded(const std::vector<XRectangle>& rectangles)
{
    for (size_t i = 1; i < rectangles.size(); ++i) {
        const XRectangle& before = rectangles[i - 1];
        const XRectangle& next = rectangles[i];
        const bool inOrder = next.y != before.y ? next.y >= before.y + int(before.height)
                                                : next.height == before.height && next.x >= before.x + int(before.width);
        if (!inOrder)
            return false;
    }
    return true;
}

bool combine(QWidget* window, const QRegion& region, int operation)
{
    Display* display = qtDisplay();
    if (!display || !window || !WindowShape::isAvailable())
        return false;
    const Window id = Window(window->winId());
    const qreal ratio = window->devicePixelRatioF();
    std::vector<XRectangle> rectangles;
    rectangles.reserve(size_t(region.rectCount()));
    for (const QRect& rect : region) {
        // Whole device pixels covering the rectangle.
        const int left = int(std::floor(rect.left() * ratio));
        const int top = int(std::floor(rect.top() * ratio));
        const int right = int(std::ceil((rect.right() + 1) * ratio));
        const int bottom = int(std::ceil((rect.bottom() + 1) * ratio));
        rectangles.push_back({short(left), short(top), static_cast<unsigned short>(right - left),
                              static_cast<unsigned short>(bottom - top)});
    }
    XShapeCombineRectangles(display, id, ShapeBounding, 0, 0, rectangles.data(), int(rectangles.size()), operation,
                            yxBanded(rectangles) ? YXBanded : Unsorted);
    if (operation == ShapeSet) {
        // No input shape of its own: clicks are taken where the window shows, and a change of
        // the shape is one request, not two.
        XShapeCombineMask(display, id, ShapeInput, 0, 0, None, ShapeSet);
    }
    XFlush(display);
    return true;
}

} // namespace

bool WindowShape::isAvailable()
{
    Display* display = qtDisplay();
    if (!display)
        return false;
    static const bool available = [display] {
        int eventBase = 0;
        int errorBase = 0;
        return XShapeQueryExtension(display, &eventBase, &errorBase) != 0;
    }();
    return available;
}

bool WindowShape::clear(QWidget* window)
{
    return combine(window, QRegion(), ShapeSet);
}

bool WindowShape::add(QWidget* window, const QRegion& region)
{
    if (region.isEmpty())
        return true;
    return combine(window, region, ShapeUnion);
}

bool WindowShape::set(QWidget* window, const QRegion& region)
{
    return combine(window, region, ShapeSet);
}
