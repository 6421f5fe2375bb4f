#pragma once

class AppDelegate;

// Wires translation into the program at start-up: the translation window becomes the one
// VQPopupWindowTool creates on first use, and the screenshot-translation shortcut is bound.
// Main thread.
class VQTranslateSetup {
public:
    static constexpr char kSnipShortcutKey[] = "SnipShortcutKey";
    // Tip shown when another program holds the screenshot shortcut.
    static constexpr char kSnipShortcutInUseText[] = "截图快捷键已被其他程序占用";

    static void install();
    // Fills the delegate's start-up hooks of translation and the device's ways in:
    // select-to-translate (the mouse and selection monitors, the device's selected-word action)
    // and screenshot translation (the shortcut, also bound again on each status item rebuild,
    // the key action of operation type 9 and the device's screenshot keys; the device link lets
    // the last two through only while a device is connected).
    static void installHooks(AppDelegate& delegate);

    // Registers the default screenshot shortcut Alt+S (stored as Option+S) under
    // "SnipShortcutKey", lets the recorder accept Option shortcuts and binds the stored
    // shortcut to screenshotTranslationAction(). Safe to run again (the status item's rebuild
    // does): the binding is replaced and the refused-grab tip is connected once.
    static void bindScreenshotShortcut();
    // With screenshotsTranslateSwitch on and a device connected, starts a screenshot translation;
    // otherwise it only logs.
    static void screenshotTranslationAction();
};
