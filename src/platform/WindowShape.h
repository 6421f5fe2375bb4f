#pragma once

class QRegion;
class QWidget;

// The visible and clickable part of a top-level window on X11: its XShape bounding and input
// shapes, changed together. A shaped window shows (and takes clicks) only inside its shape, so
// without a compositing manager it can draw over the live screen below.
//
// Main thread only; the window's native window is created when needed.
namespace WindowShape {

// Whether the display has the shape extension (false off X11).
bool isAvailable();
// Shrinks the shape to nothing: the window shows nothing and every click passes through.
bool clear(QWidget* window);
// Adds the region (window coordinates, device-independent pixels) to the shape. Only the region
// travels to the server, so the cost does not grow with the shape already there.
bool add(QWidget* window, const QRegion& region);

} // namespace WindowShape
