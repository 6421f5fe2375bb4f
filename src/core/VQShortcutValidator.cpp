#include "VQShortcutValidator.h"

#include "MacKeyMap.h"

VQShortcutValidator& VQShortcutValidator::sharedValidator()
{
    static VQShortcutValidator validator;
    return validator;
}

bool VQShortcutValidator::isShortcutValid(const KeyShortcut& shortcut) const
{
    if (!shortcut.isValid())
        return false;
    if (MacKeyMap::isFunctionKey(shortcut.keyCode()))
        return true;
    const quint64 flags = shortcut.modifierFlags();
    if (flags & (MacKeyMap::kFlagCommand | MacKeyMap::kFlagControl))
        return true;
    return (flags & MacKeyMap::kFlagOption) && m_allowAnyShortcutWithOptionModifier;
}
