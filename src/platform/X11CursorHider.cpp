#include "X11CursorHider.h"

#include "MMLog.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace {

Display* qtDisplay()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

bool hasXFixes(Display* display)
{
    int eventBase = 0;
    int errorBase = 0;
    return XFixesQueryExtension(display, &eventBase, &errorBase);
}

} // namespace

// Nothing to undo: the server shows the pointer again when the application's connection closes.
X11CursorHider::~X11CursorHider() = default;

void X11CursorHider::hide()
{
    // The server counts XFixes hides per client; one state here keeps it at one.
    if (m_hidden)
        return;
    m_hidden = true;
    Display* display = qtDisplay();
    if (!display)
        return;
    if (!hasXFixes(display)) {
        VQLogWarn(QStringLiteral("the pointer cannot be hidden: the X server lacks XFixes"));
        return;
    }
    XFixesHideCursor(display, DefaultRootWindow(display));
    XFlush(display);
}

void X11CursorHider::show()
{
    if (!m_hidden)
        return;
    m_hidden = false;
    Display* display = qtDisplay();
    if (!display || !hasXFixes(display))
        return;
    XFixesShowCursor(display, DefaultRootWindow(display));
    XFlush(display);
}
