#pragma once

#include "KeySynthesizer.h"
#include "X11ErrorTrap.h"

#include <vector>

struct _XDisplay;

// Posts keys through the XTest extension of the X server, on a connection of its own that is
// opened on first use. A macOS key code becomes the keysym of MacKeyMap and then the keycode
// that carries it on the current keyboard map; Shift is added when the keysym sits on the
// shifted level of its key. A key down the server refuses takes back the keys it pressed, and a
// key up releases the modifiers of the last key down even when its own key is unknown. Main
// thread only.
class XTestKeySynthesizer : public KeySynthesizer {
public:
    XTestKeySynthesizer();
    ~XTestKeySynthesizer() override;

    bool postKeyEvent(int macKeyCode, bool keyDown, quint64 macFlags) override;
    // From the focus window up to the first window with a WM_CLASS; when the focus is on a
    // window above the application's (a window manager's frame, the root), down through the
    // children to the first with one.
    WindowClass focusedWindowClass() override;

    // Tests only: the next key down sends its key with a keycode the server refuses, after its
    // modifiers went down, as a key the server drops half-way would.
    void failNextKeyPressForTests() { m_failNextKeyPress = true; }

private:
    bool ensureDisplay();
    void releasePressedModifiers();
    bool readWindowClass(unsigned long window, WindowClass& windowClass);
    bool findClassBelow(unsigned long window, int depth, WindowClass& windowClass);

    X11LazyDisplay m_display;
    bool m_failNextKeyPress = false;
    // Modifier keycodes pressed by a key down, released by the next key up.
    std::vector<unsigned int> m_pressedModifiers;
};
