#pragma once

// Starting the program when the user logs in.
class Autostart {
public:
    virtual ~Autostart();

    virtual bool isEnabled() const = 0;
    // Turns start at login on or off; true when the change took effect (logged otherwise).
    virtual bool setEnabled(bool enabled) = 0;

    // The implementation in use: the installed one, else the XDG one for this program, created on
    // first use. Main thread only.
    static Autostart& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(Autostart* autostart);
};
