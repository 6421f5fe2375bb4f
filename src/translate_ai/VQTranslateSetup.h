#pragma once

// Wires selected-text translation into the program at start-up: the translation window becomes
// the one VQPopupWindowTool creates on first use. Main thread.
class VQTranslateSetup {
public:
    static void install();
};
