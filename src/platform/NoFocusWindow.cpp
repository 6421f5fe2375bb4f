#include "NoFocusWindow.h"

#include <QWidget>

namespace mm {

Qt::WindowFlags noFocusToolWindowFlags()
{
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
}

void makeNoFocusToolWindow(QWidget* window)
{
    if (!window)
        return;
    window->setWindowFlags(noFocusToolWindowFlags());
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setFocusPolicy(Qt::NoFocus);
}

} // namespace mm
