#include "XTestKeySynthesizer.h"

#include "MMLog.h"
#include "MacKeyMap.h"
#include "X11ErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>

XTestKeySynthesizer::XTestKeySynthesizer() = default;

XTestKeySynthesizer::~XTestKeySynthesizer()
{
    if (m_display) {
        // Never leave a modifier pressed behind.
        releasePressedModifiers();
        XCloseDisplay(m_display);
    }
}

bool XTestKeySynthesizer::ensureDisplay()
{
    if (m_display)
        return true;
    if (m_unavailable)
        return false;
    m_display = X11ErrorTrap::openDisplay();
    if (!m_display) {
        m_unavailable = true;
        return false;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor)) {
        VQLogError(QStringLiteral("the X server has no XTest extension: keys cannot be synthesised"));
        XCloseDisplay(m_display);
        m_display = nullptr;
        m_unavailable = true;
        return false;
    }
    return true;
}

namespace {

bool keyIsDown(const char (&keys)[32], KeyCode code)
{
    return (keys[code / 8] >> (code % 8)) & 1;
}

} // namespace

void XTestKeySynthesizer::releasePressedModifiers()
{
    for (auto it = m_pressedModifiers.rbegin(); it != m_pressedModifiers.rend(); ++it)
        XTestFakeKeyEvent(m_display, *it, False, CurrentTime);
    m_pressedModifiers.clear();
}

bool XTestKeySynthesizer::postKeyEvent(int macKeyCode, bool keyDown, quint64 macFlags)
{
    if (!ensureDisplay())
        return false;
    const KeySym keysym = MacKeyMap::keysymForMacKeyCode(macKeyCode);
    const KeyCode keycode = keysym == 0 ? KeyCode(0) : XKeysymToKeycode(m_display, keysym);

    if (!keyDown) {
        // The key goes up when it is down, and the modifiers of the last key down go up in any
        // case: a key down that failed leaves nothing held for the whole desktop.
        X11ErrorTrap trap(m_display);
        if (keycode != 0) {
            char keys[32] = {};
            XQueryKeymap(m_display, keys);
            if (keyIsDown(keys, keycode))
                XTestFakeKeyEvent(m_display, keycode, False, CurrentTime);
        }
        releasePressedModifiers();
        const int error = trap.sync();
        if (error != 0) {
            VQLogWarn(QStringLiteral("the X server refused a synthesised key release (error %1)").arg(error));
            return false;
        }
        return keycode != 0;
    }

    if (keysym == 0) {
        VQLogWarn(QStringLiteral("no key for key code %1").arg(macKeyCode));
        return false;
    }
    if (keycode == 0) {
        VQLogWarn(QStringLiteral("the keyboard map has no key for key code %1 (keysym 0x%2)")
                      .arg(macKeyCode)
                      .arg(keysym, 0, 16));
        return false;
    }

    X11ErrorTrap trap(m_display);
    quint32 modifierKeysyms[4] = {};
    int count = MacKeyMap::modifierKeysymsForFlags(macFlags, modifierKeysyms);
    const bool onShiftedLevel = XkbKeycodeToKeysym(m_display, keycode, 0, 0) != keysym
        && XkbKeycodeToKeysym(m_display, keycode, 0, 1) == keysym;
    if (onShiftedLevel && !(macFlags & MacKeyMap::kFlagShift) && count < 4)
        modifierKeysyms[count++] = XK_Shift_L;

    char keys[32] = {};
    XQueryKeymap(m_display, keys);
    for (int i = 0; i < count; ++i) {
        const KeyCode modifier = XKeysymToKeycode(m_display, modifierKeysyms[i]);
        if (modifier == 0) {
            VQLogWarn(QStringLiteral("the keyboard map has no modifier key 0x%1").arg(modifierKeysyms[i], 0, 16));
            continue;
        }
        const bool ours = std::find(m_pressedModifiers.begin(), m_pressedModifiers.end(), modifier)
            != m_pressedModifiers.end();
        if (keyIsDown(keys, modifier) || ours)
            continue;
        XTestFakeKeyEvent(m_display, modifier, True, CurrentTime);
        m_pressedModifiers.push_back(modifier);
    }
    // Keycode 0 lies outside every keyboard map: the server answers BadValue.
    const KeyCode pressed = m_failNextKeyPress ? KeyCode(0) : keycode;
    m_failNextKeyPress = false;
    XTestFakeKeyEvent(m_display, pressed, True, CurrentTime);
    const int error = trap.sync();
    if (error == 0)
        return true;

    VQLogWarn(QStringLiteral("the X server refused a synthesised key (error %1); releasing what it pressed").arg(error));
    char after[32] = {};
    XQueryKeymap(m_display, after);
    if (keyIsDown(after, keycode))
        XTestFakeKeyEvent(m_display, keycode, False, CurrentTime);
    releasePressedModifiers();
    if (const int releaseError = trap.sync(); releaseError != 0)
        VQLogError(QStringLiteral("the X server refused to release the synthesised keys (error %1)").arg(releaseError));
    return false;
}
