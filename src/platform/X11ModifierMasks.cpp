#include "X11ModifierMasks.h"

#include "MacKeyMap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

X11ModifierMasks X11ModifierMasks::read(_XDisplay* display)
{
    X11ModifierMasks masks;
    XModifierKeymap* map = XGetModifierMapping(display);
    if (!map)
        return masks;
    // Rows 3 to 7 of the modifier map are Mod1 to Mod5.
    for (int row = 3; row < 8; ++row) {
        const unsigned int mask = 1u << row;
        for (int i = 0; i < map->max_keypermod; ++i) {
            const KeyCode keycode = map->modifiermap[row * map->max_keypermod + i];
            if (keycode == 0)
                continue;
            const KeySym keysym = XkbKeycodeToKeysym(display, keycode, 0, 0);
            if (keysym == XK_Alt_L || keysym == XK_Alt_R || keysym == XK_Meta_L)
                masks.alt |= mask;
            else if (keysym == XK_Super_L || keysym == XK_Super_R)
                masks.super |= mask;
            else if (keysym == XK_Num_Lock)
                masks.numLock |= mask;
            else if (keysym == XK_Scroll_Lock)
                masks.scrollLock |= mask;
        }
    }
    XFreeModifiermap(map);
    // Alt and Super sharing a row would make them indistinguishable; the row counts as Alt.
    masks.super &= ~masks.alt;
    return masks;
}

unsigned int X11ModifierMasks::locks() const
{
    return LockMask | numLock | scrollLock;
}

quint64 X11ModifierMasks::macFlags(unsigned int state) const
{
    quint64 flags = 0;
    if (state & ShiftMask)
        flags |= MacKeyMap::kFlagShift;
    if (state & ControlMask)
        flags |= MacKeyMap::kFlagCommand;
    if (alt && (state & alt))
        flags |= MacKeyMap::kFlagOption;
    if (super && (state & super))
        flags |= MacKeyMap::kFlagControl;
    if (state & LockMask)
        flags |= MacKeyMap::kFlagCapsLock;
    return flags;
}

bool X11ModifierMasks::xModifiers(quint64 macFlags, unsigned int& modifiers) const
{
    modifiers = 0;
    if (macFlags & MacKeyMap::kFlagShift)
        modifiers |= ShiftMask;
    if (macFlags & MacKeyMap::kFlagCommand)
        modifiers |= ControlMask;
    if (macFlags & MacKeyMap::kFlagOption) {
        if (!alt)
            return false;
        modifiers |= alt;
    }
    if (macFlags & MacKeyMap::kFlagControl) {
        if (!super)
            return false;
        modifiers |= super;
    }
    return true;
}
