#include "X11TestClient.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <poll.h>

#include <initializer_list>

X11TestClient::X11TestClient()
    : m_display(XOpenDisplay(nullptr))
{
}

X11TestClient::~X11TestClient()
{
    releaseSelection();
    if (m_display)
        XCloseDisplay(m_display);
}

void X11TestClient::sync()
{
    XSync(m_display, False);
}

void X11TestClient::key(unsigned long keysym, bool down)
{
    XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, keysym), down ? True : False, CurrentTime);
    sync();
}

void X11TestClient::tap(unsigned long keysym)
{
    key(keysym, true);
    key(keysym, false);
}

void X11TestClient::tapWith(unsigned long keysym, std::initializer_list<unsigned long> modifiers)
{
    for (unsigned long modifier : modifiers)
        key(modifier, true);
    tap(keysym);
    for (unsigned long modifier : modifiers)
        key(modifier, false);
}

void X11TestClient::movePointer(QPoint position)
{
    XTestFakeMotionEvent(m_display, -1, position.x(), position.y(), CurrentTime);
    sync();
}

void X11TestClient::button(int button, bool down)
{
    XTestFakeButtonEvent(m_display, static_cast<unsigned int>(button), down ? True : False, CurrentTime);
    sync();
}

bool X11TestClient::lockIsOn(unsigned long lockKeysym)
{
    XkbStateRec state{};
    XkbGetState(m_display, XkbUseCoreKbd, &state);
    const unsigned int mask = XkbKeysymToModifiers(m_display, lockKeysym);
    return (state.locked_mods & mask) != 0;
}

void X11TestClient::setLock(unsigned long lockKeysym, bool on)
{
    if (lockIsOn(lockKeysym) != on)
        tap(lockKeysym);
}

void X11TestClient::grabKey(unsigned long keysym, unsigned int modifiers)
{
    XGrabKey(m_display, XKeysymToKeycode(m_display, keysym), modifiers, DefaultRootWindow(m_display), False,
             GrabModeAsync, GrabModeAsync);
    sync();
}

void X11TestClient::ungrabKey(unsigned long keysym, unsigned int modifiers)
{
    XUngrabKey(m_display, XKeysymToKeycode(m_display, keysym), modifiers, DefaultRootWindow(m_display));
    sync();
}

void X11TestClient::grabServer()
{
    XGrabServer(m_display);
    sync();
}

void X11TestClient::ungrabServer()
{
    XUngrabServer(m_display);
    sync();
}

bool X11TestClient::noModifierIsDown()
{
    char keys[32] = {};
    XQueryKeymap(m_display, keys);
    for (unsigned long keysym : {XK_Shift_L, XK_Shift_R, XK_Control_L, XK_Control_R, XK_Alt_L, XK_Super_L}) {
        const KeyCode code = XKeysymToKeycode(m_display, keysym);
        if (code != 0 && ((keys[code / 8] >> (code % 8)) & 1))
            return false;
    }
    return true;
}

bool X11TestClient::ownSelection(const QByteArray& utf8Text)
{
    releaseSelection();
    m_selectionDisplay = XOpenDisplay(nullptr);
    if (!m_selectionDisplay)
        return false;
    Display* display = m_selectionDisplay;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom targets = XInternAtom(display, "TARGETS", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    XSetSelectionOwner(display, XA_PRIMARY, window, CurrentTime);
    XSync(display, False);
    if (XGetSelectionOwner(display, XA_PRIMARY) != window)
        return false;

    m_stopSelection.store(false);
    m_selectionThread = std::thread([this, display, window, targets, utf8, utf8Text] {
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        while (!m_stopSelection.load()) {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type != SelectionRequest)
                    continue;
                const XSelectionRequestEvent& request = event.xselectionrequest;
                XSelectionEvent reply{};
                reply.type = SelectionNotify;
                reply.display = display;
                reply.requestor = request.requestor;
                reply.selection = request.selection;
                reply.target = request.target;
                reply.time = request.time;
                reply.property = request.property == None ? request.target : request.property;
                if (request.target == targets) {
                    const Atom offered[] = {targets, utf8};
                    XChangeProperty(display, request.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                                    reinterpret_cast<const unsigned char*>(offered), 2);
                } else if (request.target == utf8) {
                    XChangeProperty(display, request.requestor, reply.property, utf8, 8, PropModeReplace,
                                    reinterpret_cast<const unsigned char*>(utf8Text.constData()),
                                    static_cast<int>(utf8Text.size()));
                } else {
                    reply.property = None;
                }
                XSendEvent(display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
                XFlush(display);
            }
            poll(&fd, 1, 50);
        }
        XDestroyWindow(display, window);
        XSync(display, False);
    });
    return true;
}

void X11TestClient::releaseSelection()
{
    if (m_selectionThread.joinable()) {
        m_stopSelection.store(true);
        m_selectionThread.join();
    }
    if (m_selectionDisplay) {
        XCloseDisplay(m_selectionDisplay);
        m_selectionDisplay = nullptr;
    }
}
