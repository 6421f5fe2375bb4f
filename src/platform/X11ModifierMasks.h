#pragma once

#include <QtGlobal>

struct _XDisplay;

// Which X modifier bits (Mod1 to Mod5) carry Alt, Super, NumLock and ScrollLock on the current
// modifier map, and the translation between X modifier states and macOS modifier flags
// (Command is Control, Option is Alt, macOS Control is Super; see MacKeyMap).
struct X11ModifierMasks {
    unsigned int alt = 0;
    unsigned int super = 0;
    unsigned int numLock = 0;
    unsigned int scrollLock = 0;

    // Reads the display's modifier map.
    static X11ModifierMasks read(_XDisplay* display);

    // The lock bits: CapsLock, NumLock and ScrollLock.
    unsigned int locks() const;
    // The macOS flags of an X modifier state (CapsLock included).
    quint64 macFlags(unsigned int state) const;
    // The X modifier bits of macOS flags; false when a modifier has no key on this map.
    bool xModifiers(quint64 macFlags, unsigned int& modifiers) const;
};
