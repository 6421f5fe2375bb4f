#pragma once

#include <QString>

// Synthesised key events, sent to whichever application has the keyboard focus.
// Keys and modifiers are given as macOS virtual key codes and flags (see MacKeyMap).
class KeySynthesizer {
public:
    virtual ~KeySynthesizer();

    // Key down: presses the modifier keys of the flags that are not already down, then the key;
    // when that fails it releases what it pressed. Key up: releases the key, then the modifier
    // keys that the last key down pressed (those even when the key is unknown).
    // False (logged) when the key is unknown, not on the keyboard map, or there is no display.
    virtual bool postKeyEvent(int macKeyCode, bool keyDown, quint64 macFlags) = 0;

    // The WM_CLASS of a window: its instance and class names.
    struct WindowClass {
        QString instanceName;
        QString className;
    };
    // The WM_CLASS of the application window that has the keyboard focus (the window under the
    // pointer while the focus follows it); empty names when none has it or there is no display.
    virtual WindowClass focusedWindowClass();

    // The implementation in use: the installed one, else the X11 one, created on first use.
    // Main thread only.
    static KeySynthesizer& instance();
    // Installs an implementation (tests install a fake); nullptr goes back to the default.
    static void setInstance(KeySynthesizer* synthesizer);
};

// Posts the key: with keyDown, a key down with the flags and then a key up without modifiers
// (flags 0x100); without keyDown only the key up. The key up is posted even when the key down
// failed, so no modifier the key down pressed stays held. False when an event could not be posted.
bool vqPostKeyEvent(int keyCode, bool keyDown, quint64 flags);
