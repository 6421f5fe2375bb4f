#pragma once

class AppDelegate;

// The shell's share of the wiring: the pages of the main window and their sections, the quit
// steps that leave the devices as the program found them, and what reaches the disk when the
// process ends, by quitting or by the loss of the X server. Main thread.
class VQShellSetup {
public:
    // Registers the factories of every page by tag, the smart page's sections from other
    // subsystems, the software page's about view, the my-device page's account header and the
    // user centre's transcription tabs.
    static void registerPages();
    // Fills the delegate's quit steps: the cancel of a running firmware transfer (after the user
    // agreed) and the laser pen's pointer mode and laser off.
    static void installQuitSteps(AppDelegate& delegate);
    // Writes the pending settings, voice-command tables and log lines at quit, and sets the
    // handler of the X server's loss, which also runs the quit steps' device side at once.
    static void installExitHandlers(AppDelegate& delegate);
};
