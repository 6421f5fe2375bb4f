#pragma once

// Wires translation into the program at start-up: the translation window becomes the one
// VQPopupWindowTool creates on first use, and the screenshot-translation shortcut is bound.
// Main thread.
class VQTranslateSetup {
public:
    static constexpr char kSnipShortcutKey[] = "SnipShortcutKey";
    // Tip shown when another program holds the screenshot shortcut.
    static constexpr char kSnipShortcutInUseText[] = "截图快捷键已被其他程序占用";

    static void install();

    // Registers the default screenshot shortcut Alt+S (stored as Option+S) under
    // "SnipShortcutKey", lets the recorder accept Option shortcuts and binds the stored
    // shortcut to screenshotTranslationAction(). Safe to run again (the status item's rebuild
    // does): the binding is replaced and the refused-grab tip is connected once.
    static void bindScreenshotShortcut();
    // With screenshotsTranslateSwitch on and a device connected, starts a screenshot translation;
    // otherwise it only logs.
    static void screenshotTranslationAction();
};
