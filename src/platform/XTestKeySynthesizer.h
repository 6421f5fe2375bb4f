#pragma once

#include "KeySynthesizer.h"

#include <vector>

struct _XDisplay;

// Posts keys through the XTest extension of the X server, on a connection of its own that is
// opened on first use. A macOS key code becomes the keysym of MacKeyMap and then the keycode
// that carries it on the current keyboard map; Shift is added when the keysym sits on the
// shifted level of its key. Main thread only.
class XTestKeySynthesizer : public KeySynthesizer {
public:
    XTestKeySynthesizer();
    ~XTestKeySynthesizer() override;

    bool postKeyEvent(int macKeyCode, bool keyDown, quint64 macFlags) override;

private:
    bool ensureDisplay();

    _XDisplay* m_display = nullptr;
    bool m_unavailable = false;
    // Modifier keycodes pressed by a key down, released by the next key up.
    std::vector<unsigned int> m_pressedModifiers;
};
