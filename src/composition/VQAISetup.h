#pragma once

class AppDelegate;

// Wires the AI windows into the program: dictation while the AI window is open (the voice hub's
// hook), the device's helper keys, the keyboard's AI keys (key action 18), the device pages' AI
// and refresh buttons and a new chat address of the model information, and the disconnection
// of the receiver that hides the window. Main thread.
class VQAISetup {
public:
    static void install(AppDelegate& delegate);
};
