#pragma once

#include "KeySynthesizer.h"

#include <QList>

// Records the keys it is asked to post instead of posting them. Installs itself for its lifetime.
class FakeKeySynthesizer : public KeySynthesizer {
public:
    struct Event {
        int keyCode = 0;
        bool keyDown = false;
        quint64 flags = 0;
        bool operator==(const Event&) const = default;
    };

    FakeKeySynthesizer() { KeySynthesizer::setInstance(this); }
    ~FakeKeySynthesizer() override { KeySynthesizer::setInstance(nullptr); }

    bool postKeyEvent(int macKeyCode, bool keyDown, quint64 macFlags) override
    {
        if (!accept)
            return false;
        events.append({macKeyCode, keyDown, macFlags});
        return true;
    }

    // The key downs only.
    QList<Event> keyDowns() const
    {
        QList<Event> downs;
        for (const Event& event : events) {
            if (event.keyDown)
                downs.append(event);
        }
        return downs;
    }

    QList<Event> events;
    bool accept = true; // false: every post fails
};
