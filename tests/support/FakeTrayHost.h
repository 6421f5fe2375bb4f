#pragma once

// A tray host as far as programs can tell: another X client owning the screen's system tray
// selection while it lives. It embeds nothing.
#include <QByteArray>

#include <X11/Xlib.h>

class FakeTrayHost {
public:
    FakeTrayHost()
    {
        if (!m_display)
            return;
        m_selection = XInternAtom(m_display, QByteArray("_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(m_display))).constData(), False);
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(m_display, m_selection, m_window, CurrentTime);
        XSync(m_display, False);
    }
    ~FakeTrayHost() { if (m_display) XCloseDisplay(m_display); }
    bool owns() const { return m_display && XGetSelectionOwner(m_display, m_selection) == m_window; }

private:
    Display* m_display = XOpenDisplay(nullptr);
    Atom m_selection = 0;
    Window m_window = 0;
};
