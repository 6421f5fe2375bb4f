#include "X11TrayHost.h"

#include "MMLog.h"
#include "X11ErrorTrap.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

struct X11TrayHost::Connection {
    Display* display = nullptr;
    Atom selection = None;
    int fixesEventBase = 0;
};

X11TrayHost::X11TrayHost(QObject* parent)
    : QObject(parent)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    Display* display = X11ErrorTrap::openDisplay();
    if (display == nullptr)
        return;
    auto x = std::make_unique<Connection>();
    x->display = display;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &x->fixesEventBase, &errorBase)) {
        VQLogWarn(QStringLiteral("The X server lacks XFixes: a tray host that starts later is not noticed"));
        XCloseDisplay(display);
        return;
    }
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(display));
    x->selection = XInternAtom(display, name.constData(), False);
    XFixesSelectSelectionInput(display, DefaultRootWindow(display), x->selection,
                               XFixesSetSelectionOwnerNotifyMask | XFixesSelectionWindowDestroyNotifyMask
                                   | XFixesSelectionClientCloseNotifyMask);
    m_x = std::move(x);
    m_present = ownerPresent();
    m_notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11TrayHost::readEvents);
}

X11TrayHost::~X11TrayHost()
{
    delete m_notifier;
    if (m_x)
        XCloseDisplay(m_x->display);
}

bool X11TrayHost::ownerPresent() const
{
    return m_x && XGetSelectionOwner(m_x->display, m_x->selection) != None;
}

void X11TrayHost::readEvents()
{
    // A round trip (the owner's query, a geometry) reads the events that came meanwhile into
    // Xlib's queue, where the socket no longer announces them: events are read until a query
    // left none behind.
    for (;;) {
        bool changed = false;
        while (XPending(m_x->display) > 0) {
            XEvent event;
            XNextEvent(m_x->display, &event);
            changed = changed || event.type == m_x->fixesEventBase + XFixesSelectionNotify;
        }
        if (!changed)
            return;
        const bool present = ownerPresent();
        if (present != m_present) {
            m_present = present;
            VQLogInfo(present ? QStringLiteral("A tray host appeared") : QStringLiteral("The tray host went away"));
            Q_EMIT presentChanged(present);
        }
    }
}

QRect X11TrayHost::embeddedGeometry(unsigned long window) const
{
    if (!m_x || window == 0)
        return {};
    X11ErrorTrap trap(m_x->display);
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    const Status listed = XQueryTree(m_x->display, Window(window), &root, &parent, &children, &count);
    if (children != nullptr)
        XFree(children);
    XWindowAttributes attributes{};
    int x = 0;
    int y = 0;
    Window child = None;
    // Not yet docked (still a child of the root window), or not mapped: its place is not known.
    if (listed == 0 || parent == root || XGetWindowAttributes(m_x->display, Window(window), &attributes) == 0
        || attributes.map_state != IsViewable
        || !XTranslateCoordinates(m_x->display, Window(window), root, 0, 0, &x, &y, &child) || trap.sync() != 0)
        return {};
    if (XEventsQueued(m_x->display, QueuedAlready) > 0)
        QMetaObject::invokeMethod(const_cast<X11TrayHost*>(this), &X11TrayHost::readEvents, Qt::QueuedConnection);
    return QRect(x, y, attributes.width, attributes.height);
}
