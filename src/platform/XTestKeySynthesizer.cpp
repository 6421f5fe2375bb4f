#include "XTestKeySynthesizer.h"

#include "MMLog.h"
#include "MacKeyMap.h"
#include "X11ErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>

XTestKeySynthesizer::XTestKeySynthesizer() = default;

XTestKeySynthesizer::~XTestKeySynthesizer()
{
    // Never leave a modifier pressed behind.
    if (m_display)
        releasePressedModifiers();
}

bool XTestKeySynthesizer::ensureDisplay()
{
    return m_display.ensure([](_XDisplay* display) {
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        if (XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor))
            return true;
        VQLogError(QStringLiteral("the X server has no XTest extension: keys cannot be synthesised"));
        return false;
    });
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

bool XTestKeySynthesizer::readWindowClass(unsigned long window, WindowClass& windowClass)
{
    XClassHint hint{nullptr, nullptr};
    if (!XGetClassHint(m_display, window, &hint))
        return false;
    windowClass.instanceName = QString::fromLocal8Bit(hint.res_name ? hint.res_name : "");
    windowClass.className = QString::fromLocal8Bit(hint.res_class ? hint.res_class : "");
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return true;
}

bool XTestKeySynthesizer::findClassBelow(unsigned long window, int depth, WindowClass& windowClass)
{
    if (readWindowClass(window, windowClass))
        return true;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (depth <= 0 || !XQueryTree(m_display, window, &root, &parent, &children, &count))
        return false;
    bool found = false;
    // Topmost first.
    for (unsigned int i = count; i-- > 0 && !found;)
        found = findClassBelow(children[i], depth - 1, windowClass);
    if (children)
        XFree(children);
    return found;
}

KeySynthesizer::WindowClass XTestKeySynthesizer::focusedWindowClass()
{
    if (!ensureDisplay())
        return {};
    // Windows may go away while they are read: their errors are trapped.
    X11ErrorTrap trap(m_display);
    const Window root = XDefaultRootWindow(m_display);
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(m_display, &focus, &revertTo);
    if (focus == None)
        return {};
    if (focus == PointerRoot)
        focus = root;

    WindowClass windowClass;
    // The application's own window, or one inside it.
    for (Window window = focus; window != root && window != None;) {
        if (readWindowClass(window, windowClass))
            return windowClass;
        Window rootReturn = 0;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_display, window, &rootReturn, &parent, &children, &count))
            break;
        if (children)
            XFree(children);
        window = parent;
    }
    // Keys go to the window under the pointer when it lies inside the focus window.
    constexpr int kMaxDepth = 8;
    Window window = focus;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        Window rootReturn = 0;
        Window child = None;
        int rootX = 0;
        int rootY = 0;
        int x = 0;
        int y = 0;
        unsigned int mask = 0;
        if (!XQueryPointer(m_display, window, &rootReturn, &child, &rootX, &rootY, &x, &y, &mask) || child == None)
            break;
        window = child;
        if (readWindowClass(window, windowClass))
            return windowClass;
    }
    // A frame of the window manager holding the application's window.
    if (focus != root && findClassBelow(focus, 2, windowClass))
        return windowClass;
    return {};
}
