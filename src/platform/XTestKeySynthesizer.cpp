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
        for (auto it = m_pressedModifiers.rbegin(); it != m_pressedModifiers.rend(); ++it)
            XTestFakeKeyEvent(m_display, *it, False, CurrentTime);
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

bool XTestKeySynthesizer::postKeyEvent(int macKeyCode, bool keyDown, quint64 macFlags)
{
    if (!ensureDisplay())
        return false;
    const KeySym keysym = MacKeyMap::keysymForMacKeyCode(macKeyCode);
    if (keysym == 0) {
        VQLogWarn(QStringLiteral("no key for key code %1").arg(macKeyCode));
        return false;
    }
    const KeyCode keycode = XKeysymToKeycode(m_display, keysym);
    if (keycode == 0) {
        VQLogWarn(QStringLiteral("the keyboard map has no key for key code %1 (keysym 0x%2)")
                      .arg(macKeyCode)
                      .arg(keysym, 0, 16));
        return false;
    }

    X11ErrorTrap trap(m_display);
    if (keyDown) {
        quint32 modifierKeysyms[4] = {};
        int count = MacKeyMap::modifierKeysymsForFlags(macFlags, modifierKeysyms);
        const bool onShiftedLevel = XkbKeycodeToKeysym(m_display, keycode, 0, 0) != keysym
            && XkbKeycodeToKeysym(m_display, keycode, 0, 1) == keysym;
        if (onShiftedLevel && !(macFlags & MacKeyMap::kFlagShift) && count < 4)
            modifierKeysyms[count++] = XK_Shift_L;

        char keys[32] = {};
        XQueryKeymap(m_display, keys);
        const auto isDown = [&keys](KeyCode code) { return (keys[code / 8] >> (code % 8)) & 1; };
        for (int i = 0; i < count; ++i) {
            const KeyCode modifier = XKeysymToKeycode(m_display, modifierKeysyms[i]);
            if (modifier == 0) {
                VQLogWarn(QStringLiteral("the keyboard map has no modifier key 0x%1").arg(modifierKeysyms[i], 0, 16));
                continue;
            }
            const bool ours = std::find(m_pressedModifiers.begin(), m_pressedModifiers.end(), modifier)
                != m_pressedModifiers.end();
            if (isDown(modifier) || ours)
                continue;
            XTestFakeKeyEvent(m_display, modifier, True, CurrentTime);
            m_pressedModifiers.push_back(modifier);
        }
        XTestFakeKeyEvent(m_display, keycode, True, CurrentTime);
    } else {
        XTestFakeKeyEvent(m_display, keycode, False, CurrentTime);
        for (auto it = m_pressedModifiers.rbegin(); it != m_pressedModifiers.rend(); ++it)
            XTestFakeKeyEvent(m_display, *it, False, CurrentTime);
        m_pressedModifiers.clear();
    }
    const int error = trap.sync();
    if (error != 0) {
        VQLogWarn(QStringLiteral("the X server refused a synthesised key (error %1)").arg(error));
        return false;
    }
    return true;
}
