#pragma once

#include <QString>

#include <array>

// The keyboard shortcuts of the voice functions, which HIDDevice installs at start-up: voice
// typing (F1), voice translation (F2) and voice search (F3) by default, without modifiers,
// stored under "WordShortcutKey", "TranslateShortcutKey" and "SearchShortcutKey". Each is bound
// through VQShortcutBinder, so a shortcut the user records later takes over at once.
//
// A press of a bound shortcut starts its function or ends the running recognition: the voice
// hub gets the function's press code while no recognition runs, its release code while one
// does (VQDeviceEvents::isRecognitionRunning), through VQDeviceEvents::shortcutCallbackType. The
// key's release does nothing.
//
// Main thread only.
class VQVoiceShortcuts {
public:
    static constexpr char WordShortcutKey[] = "WordShortcutKey";
    static constexpr char TranslateShortcutKey[] = "TranslateShortcutKey";
    static constexpr char SearchShortcutKey[] = "SearchShortcutKey";

    struct Function {
        const char* defaultsKey;
        int defaultKeyCode; // macOS virtual key code of the default shortcut
        int pressCode;      // the voice hub's event codes
        int releaseCode;
    };

    // Voice typing (33/34), voice translation (37/38), voice search (35/36).
    static const std::array<Function, 3>& functions();

    // Registers the three defaults and binds the three keys (binding again replaces the
    // earlier bindings).
    static void install();
    // Breaks the three bindings (tests).
    static void remove();

    // The event code a press of the function's shortcut gives the voice hub.
    static int eventCodeForPress(const Function& function, bool recognitionRunning);

private:
    static void pressed(const Function& function);
};
