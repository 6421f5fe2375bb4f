#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The computer as a Bluetooth LE central for one kind of peripheral: it finds a peripheral that
// offers a given service, connects, subscribes to one characteristic's notifications and
// writes to another.
//
// Handlers run on the main thread, never inside the call that installed them. A computer
// without a Bluetooth adapter or Bluetooth service is a normal state: start() then never
// connects and isAvailable() is false.
class BleCentral {
public:
    // The service and characteristics, as UUID texts ("{...}" braces optional).
    struct Profile {
        QString serviceUuid;
        QString writeCharacteristicUuid;
        QString notifyCharacteristicUuid;
    };

    struct Handlers {
        // A peripheral is connected and subscribed; writes reach it from now on.
        std::function<void(const QString& name, const QString& address)> connected;
        // The connected peripheral went away (it is looked for again).
        std::function<void()> disconnected;
        // A notification of the notify characteristic.
        std::function<void(const QByteArray& value)> notified;
    };

    virtual ~BleCentral();

    // Starts looking for a peripheral offering the profile's service and keeps one connected
    // whenever one is in reach. Calling it again replaces the profile and the handlers.
    virtual void start(const Profile& profile, Handlers handlers) = 0;
    // Disconnects and stops looking; no handler runs afterwards.
    virtual void stop() = 0;

    virtual bool isConnected() const = 0;
    // False while no adapter or no Bluetooth service is known to be there.
    virtual bool isAvailable() const = 0;

    // Writes the value to the write characteristic; values leave one at a time in order.
    // Nothing is sent while no peripheral is connected.
    virtual void write(const QByteArray& value) = 0;

    // The implementation in use: the installed one, else Qt Bluetooth's, created on first use.
    // Main thread only.
    static BleCentral& instance();
    // Installs an implementation (tests install a simulated mouse); nullptr goes back to the
    // default.
    static void setInstance(BleCentral* central);
};
