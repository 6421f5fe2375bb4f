#pragma once

#include <QString>

#include <functional>

// Putting the computer to sleep and locking the user's session.
class PowerControl {
public:
    // Called once on the main thread, never inside the call: success, or false and the reason.
    using Completion = std::function<void(bool ok, const QString& error)>;

    virtual ~PowerControl();

    virtual void suspend(Completion done) = 0;
    virtual void lockSession(Completion done) = 0;

    // The implementation in use: the installed one, else logind on the system bus, created on
    // first use. Main thread only.
    static PowerControl& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(PowerControl* power);
};
