#pragma once

#include "KeyShortcut.h"

// Decides which key combinations may be recorded as global shortcuts. A combination is accepted
// when it has a key and is a function key (F1 to F20, with or without modifiers), or holds Command
// (Linux's Control) or Control (Linux's Super). Combinations of Option (Alt) with other keys
// produce characters on many layouts, so they are accepted only when
// allowAnyShortcutWithOptionModifier is on. Plain keys and Shift with a key are refused: they
// would take those keys away from typing.
class VQShortcutValidator {
public:
    static VQShortcutValidator& sharedValidator();

    bool allowAnyShortcutWithOptionModifier() const { return m_allowAnyShortcutWithOptionModifier; }
    void setAllowAnyShortcutWithOptionModifier(bool allow) { m_allowAnyShortcutWithOptionModifier = allow; }

    bool isShortcutValid(const KeyShortcut& shortcut) const;

private:
    bool m_allowAnyShortcutWithOptionModifier = false;
};
