#pragma once

#include <QObject>
#include <QRect>

#include <memory>

class QSocketNotifier;

// Follows the tray host of the X screen: the client that owns _NET_SYSTEM_TRAY_S<n>. A panel
// may start after the program (the usual race at login) or go away and come back; each change
// is told once through presentChanged(), from the event loop, without polling (XFixes reports
// every change of the selection's owner on a connection of this object's own).
//
// Without an X display (offscreen, Wayland without XWayland) the tray is never present.
// Main thread only.
class X11TrayHost : public QObject {
    Q_OBJECT
public:
    explicit X11TrayHost(QObject* parent = nullptr);
    ~X11TrayHost() override;

    bool isPresent() const { return m_present; }
    // False without an X display: isPresent() then tells nothing.
    bool isWatching() const { return m_x != nullptr; }

    // Where the tray icon whose native window is given sits on the screen, in the screen's
    // device pixels; an empty rectangle while no tray host has embedded it (its place is then
    // not known, whatever the toolkit says).
    QRect embeddedGeometry(unsigned long window) const;

Q_SIGNALS:
    void presentChanged(bool present);

private:
    void readEvents();
    bool ownerPresent() const;

    struct Connection;
    std::unique_ptr<Connection> m_x;
    QSocketNotifier* m_notifier = nullptr;
    bool m_present = false;
};
