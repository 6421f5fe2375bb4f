#pragma once

class AppDelegate;

// Wires the device link into the program at start-up: the delegate's hooks that create the link
// (the command facade, the HID device's matching and the model information service), start the
// key-press manager and the Bluetooth LE scan, and the tip of an offered firmware file that did
// not arrive. Main thread.
class VQDeviceSetup {
public:
    static void install(AppDelegate& delegate);
};
