#pragma once

class QRegion;
class QWidget;

// The visible and clickable part of a top-level window on X11: its XShape bounding shape, which
// the input shape follows (it is left unset, so it costs the server nothing more). A shaped
// window shows (and takes clicks) only inside its shape, so without a compositing manager it
// can draw over the live screen below.
//
// The server's work for every change of the shape, and for every window moved or painted over
// or under it, follows the number of rectangles of the shape: keep it bounded. A region's
// rectangles travel in its bands' order when they are in it (a QRegion's are), which spares the
// server a sort of them.
//
// Main thread only; the window's native window is created when needed.
namespace WindowShape {

// Whether the display has the shape extension (false off X11).
bool isAvailable();
// Shrinks the shape to nothing: the window shows nothing and every click passes through.
bool clear(QWidget* window);
// Adds the region (window coordinates, device-independent pixels) to the shape. Only the region
// travels to the server.
bool add(QWidget* window, const QRegion& region);
// Makes the region the whole shape.
bool set(QWidget* window, const QRegion& region);

} // namespace WindowShape
