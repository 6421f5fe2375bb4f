#pragma once

#include "Autostart.h"

#include <QList>

// Start at login held in memory; every request is kept in requests. With acceptChanges false a
// change fails and the state stays. Installs itself for its lifetime.
class FakeAutostart : public Autostart {
public:
    FakeAutostart() { Autostart::setInstance(this); }
    ~FakeAutostart() override { Autostart::setInstance(nullptr); }

    bool isEnabled() const override { return enabled; }

    bool setEnabled(bool on) override
    {
        requests.append(on);
        if (!acceptChanges)
            return false;
        enabled = on;
        return true;
    }

    bool enabled = false;
    bool acceptChanges = true;
    QList<bool> requests;
};
