#pragma once

// The program's top-level windows as the X server knows them, and the window manager's close
// button, for the tests that drive the simulated-device program.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QSize>

#include <functional>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// Calls visit for every top-level window titled so (_NET_WM_NAME; every window for a null title)
// with its attributes, on the display named (that of $DISPLAY for none).
inline void forEachWindowTitled(const QByteArray& title, const std::function<void(Display*, Window, const XWindowAttributes&)>& visit,
                                const char* displayName = nullptr)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) == 0)
                continue;
            if (title.isNull()) {
                visit(display, children[i], attributes);
                continue;
            }
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* name = nullptr;
            if (XGetWindowProperty(display, children[i], netName, 0, 256, False, utf8, &type, &format, &items, &after, &name) == Success && name) {
                if (QByteArray(reinterpret_cast<const char*>(name), int(items)) == title)
                    visit(display, children[i], attributes);
                XFree(name);
            }
        }
        XFree(children);
    }
    XCloseDisplay(display);
}

// The server closes the connection that made the first top-level window titled so; false if none.
// Starts a private Xvfb of the given size in `server` and gives its display (":N"), or "" when
// none comes up. It keeps running when its last client leaves (no reset, during which the next
// client would be refused), and one nobody can connect to is replaced by another.
inline QByteArray startPrivateXvfb(QProcess& server, const QString& size = QStringLiteral("1280x800x24"))
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"), size,
                                               QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
        QByteArray number;
        while (!number.contains('\n') && server.waitForReadyRead(10000))
            number += server.readAllStandardOutput();
        const QByteArray display = ':' + number.trimmed();
        if (Display* connection = number.contains('\n') ? XOpenDisplay(display.constData()) : nullptr) {
            XCloseDisplay(connection);
            return display;
        }
        server.kill();
        server.waitForFinished(5000);
    }
    return {};
}

inline bool killClientOfWindowTitled(const QByteArray& title)
{
    bool killed = false;
    forEachWindowTitled(title, [&killed](Display* display, Window window, const XWindowAttributes&) {
        if (!std::exchange(killed, true))
            XKillClient(display, window);
    });
    return killed;
}

// The sizes of the mapped top-level windows titled so.
inline QList<QSize> mappedWindowsTitled(const QByteArray& title)
{
    QList<QSize> out;
    forEachWindowTitled(title, [&out](Display*, Window, const XWindowAttributes& attributes) {
        if (attributes.map_state == IsViewable)
            out.append(QSize(attributes.width, attributes.height));
    });
    return out;
}

// The places of the mapped top-level windows titled so on the display named.
inline QList<QRect> mappedWindowRectsTitled(const QByteArray& title, const char* displayName)
{
    QList<QRect> out;
    forEachWindowTitled(title, [&out](Display*, Window, const XWindowAttributes& a) {
        if (a.map_state == IsViewable)
            out.append(QRect(a.x, a.y, a.width, a.height));
    }, displayName);
    return out;
}

// What the display named shows (its root window of 24-bit colour); null when it cannot be read.
inline QImage screenOf(const char* displayName)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return {};
    XWindowAttributes root;
    XGetWindowAttributes(display, DefaultRootWindow(display), &root);
    QImage shot;
    if (XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, unsigned(root.width), unsigned(root.height), AllPlanes, ZPixmap)) {
        if (image->bits_per_pixel == 32)
            shot = QImage(reinterpret_cast<const uchar*>(image->data), image->width, image->height, image->bytes_per_line, QImage::Format_RGB32).copy();
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return shot;
}

// What a window manager's close button does: WM_DELETE_WINDOW to the mapped top-level window
// at that place and size (without a window manager the top-level windows are the root's children).
inline void closeWindowAt(const QRect& geometry, const char* displayName = nullptr)
{
    forEachWindowTitled({}, [geometry](Display* display, Window window, const XWindowAttributes& a) {
        if (a.map_state != IsViewable || QRect(a.x, a.y, a.width, a.height) != geometry)
            return;
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
    }, displayName);
}

// True when another client, on a connection of its own, may grab the key (keysym) or, with
// keysym 0, the pointer; closing the connection lets the grab go again.
inline bool anotherClientCanGrab(unsigned long keysym)
{
    static bool refused;
    refused = false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const auto previous = XSetErrorHandler([](Display*, XErrorEvent* e) { return int(refused |= e->error_code == BadAccess); });
    bool granted = true;
    if (keysym)
        XGrabKey(display, XKeysymToKeycode(display, keysym), 0, DefaultRootWindow(display), True, GrabModeAsync, GrabModeAsync);
    else
        granted = XGrabPointer(display, DefaultRootWindow(display), False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
    XSync(display, False);
    XCloseDisplay(display);
    XSetErrorHandler(previous);
    return granted && !refused;
}

// What a window manager does for a window it activates: the keyboard focus to the mapped
// top-level window whose WM_CLASS instance name is given. False when there is none.
inline bool focusWindowOfClass(const QByteArray& instanceName)
{
    bool focused = false;
    forEachWindowTitled({}, [&](Display* display, Window window, const XWindowAttributes& a) {
        XClassHint hint {};
        if (focused || a.map_state != IsViewable || !XGetClassHint(display, window, &hint))
            return;
        if (instanceName == hint.res_name) {
            XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
            XSync(display, False);
            focused = true;
        }
        XFree(hint.res_name);
        XFree(hint.res_class);
    });
    return focused;
}
