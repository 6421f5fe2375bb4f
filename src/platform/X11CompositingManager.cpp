#include "X11CompositingManager.h"

#include <QByteArray>
#include <QGuiApplication>

#include <X11/Xlib.h>

bool X11CompositingManager::isCompositing()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    // One round trip; asked at each show, since a compositor may come and go at any time.
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    const Atom selection = XInternAtom(display, name.constData(), False);
    return selection != None && XGetSelectionOwner(display, selection) != None;
}
