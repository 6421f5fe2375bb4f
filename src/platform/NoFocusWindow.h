#pragma once

#include <Qt>

class QWidget;

namespace mm {

// The window flags of a tool window that never takes the keyboard focus: frameless, above other
// windows, kept out of the task bar, and marked for the window manager as not accepting input.
Qt::WindowFlags noFocusToolWindowFlags();

// Makes the top-level widget such a window: the flags above, and shown without being activated.
// A paste synthesised while it shows still reaches the application that had the focus.
void makeNoFocusToolWindow(QWidget* window);

} // namespace mm
