#pragma once

#include <QList>
#include <QObject>
#include <QString>

// What the program needs from this Linux desktop, checked now:
//  - read and write access to the hidraw nodes of the receivers (vendor ids of knownVendorIds()),
//    found through sysfs ("<sysfs>/class/hidraw/hidrawN/device/uevent", line "HID_ID=bus:vendor:product")
//    and opened as "<dev>/hidrawN";
//  - the accessibility bus (AT-SPI) for text insertion: "org.a11y.Bus" answers "GetAddress" on the
//    session D-Bus with a bus address;
//  - an X11 session (the xcb platform) for global shortcuts, synthesised keys, input monitors and
//    screen capture. Under a Wayland session (XDG_SESSION_TYPE "wayland", or WAYLAND_DISPLAY set
//    without XDG_SESSION_TYPE "x11") the program runs on XWayland: all of these reach only the
//    other XWayland windows, not the native Wayland ones, so the row is only Limited.
//
// The hidraw and X11 checks are immediate; the accessibility check asks the session bus
// asynchronously and reports through changed(). Main thread only.
class VQPermissionChecker : public QObject {
    Q_OBJECT
public:
    enum class State {
        Granted,
        NotGranted,
        NotFound, // hidraw: no receiver node present, nothing to grant now
        Checking, // accessibility: the answer of the session bus is pending
        Limited, // X11: XWayland in a Wayland session, native Wayland windows are out of reach
    };

    struct HidrawNode {
        QString devicePath; // "/dev/hidraw3"
        int vendorId = 0;
        int productId = 0;
        bool accessible = false; // opened for reading and writing
    };

    // The D-Bus names of the accessibility bus launcher.
    static constexpr char kA11yService[] = "org.a11y.Bus";
    static constexpr char kA11yPath[] = "/org/a11y/bus";
    static constexpr char kA11yInterface[] = "org.a11y.Bus";
    static constexpr char kA11yMethod[] = "GetAddress";
    // How long the session bus may take to answer.
    static constexpr int kA11yTimeoutMs = 2000;

    explicit VQPermissionChecker(QObject* parent = nullptr);

    // The vendor ids of the receivers and Bluetooth devices of the product family.
    static QList<int> defaultVendorIds();
    QList<int> knownVendorIds() const { return m_vendorIds; }
    // The device link may hand its own table.
    void setKnownVendorIds(const QList<int>& vendorIds) { m_vendorIds = vendorIds; }

    // Where sysfs and the device nodes live ("/sys" and "/dev"); tests point them at a folder.
    void setSysfsRoot(const QString& root) { m_sysfsRoot = root; }
    void setDevRoot(const QString& root) { m_devRoot = root; }

    // The hidraw nodes of known vendors present now, in node order.
    QList<HidrawNode> receiverNodes() const;
    // Granted when every receiver node can be read and written, NotGranted when one cannot,
    // NotFound when there is none.
    State hidrawState() const;
    // The X11 row for the platform in use and the session of the environment.
    State x11State() const;
    // Granted on the xcb platform in an X11 session, Limited on it in a Wayland session,
    // NotGranted on any other platform. Reads XDG_SESSION_TYPE and WAYLAND_DISPLAY.
    static State x11StateFor(const QString& platformName);
    // The last answer of the accessibility check; Checking before the first one.
    State accessibilityState() const { return m_accessibilityState; }

    // True when something the device link or the shortcuts need is missing: a receiver node
    // without access, or no X11 session. Accessibility is optional: without it text is pasted.
    // A Limited session does not count: it does not change while the program runs, and the
    // start-up logs it.
    bool needsAttention() const;

    // Runs the checks again; changed() follows at once and again when the session bus answers.
    void refresh();

    // Parses the HID_ID line of a uevent text into vendor and product; false when there is none.
    static bool parseHidId(const QString& ueventText, int* vendorId, int* productId);

Q_SIGNALS:
    void changed();

private:
    void checkAccessibility();

    QList<int> m_vendorIds;
    QString m_sysfsRoot;
    QString m_devRoot;
    State m_accessibilityState = State::Checking;
    quint64 m_generation = 0; // drops answers of an older refresh
};
