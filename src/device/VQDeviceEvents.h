#pragma once

#include "VQDeviceProtocol.h"

#include <QString>

#include <functional>

// Where the device link hands what it reads to the parts above it: the voice hub's event codes,
// the laser-pen manager's keys, the AI window's helper keys, the screenshot keys and the voice
// chip's information.
// The application installs the hooks at start-up; until then the events are dropped (and
// logged). The hub's translation mode, which the device link reads and toggles to choose the
// voice key's codes, is kept here so both sides share it.
//
// Main thread only.
class VQDeviceEvents {
public:
    struct LaserPenSignal {
        enum class Kind {
            ReceiverOpened,  // a receiver recorded as a laser pen was opened
            ReceiverRemoved, // the receiver went away
            LinkLost,        // the link closed without a removal: a Bluetooth LE switch, a reopen, the
                             // Bluetooth LE mouse gone
            DeviceState,     // device information arrived; state holds its state byte
            Key,             // a key of the pen; key says which
        };
        Kind kind = Kind::Key;
        VQDeviceProtocol::PenKey key = VQDeviceProtocol::PenKey::ModeKey;
        int state = 0;
        bool isLaserPen = false; // DeviceState: the device is a laser pen
    };

    using HidCallback = std::function<void(int eventCode)>;
    using LaserPenCallback = std::function<void(const LaserPenSignal& signal)>;
    using AiKeyCallback = std::function<void(int keyByte)>;
    using VoiceChipInfoCallback = std::function<void(const QString& information)>;

    // The voice hub's `hidCallbackType:` and `cancelAsr`.
    static void setHidCallback(HidCallback callback);
    // The voice hub's entry for the keyboard's voice shortcuts; while none is set, their codes
    // go to the hid callback.
    static void setShortcutCallback(HidCallback callback);
    static void setCancelAsrHook(std::function<void()> hook);
    static void setLaserPenCallback(LaserPenCallback callback);
    static void setAiKeyCallback(AiKeyCallback callback);
    static void setVoiceChipInfoCallback(VoiceChipInfoCallback callback);
    // The screenshot keys of a connected device (key numbers 128 and 131): screenshot translation.
    static void setScreenshotCallback(std::function<void()> callback);

    // The voice hub's `hadStart`: whether a recognition is running; false while no hub is installed.
    static void setRecognitionRunningHook(std::function<bool()> hook);
    static bool isRecognitionRunning();

    // Translation mode chosen instead of typing; false at start.
    static bool isTranslate();
    static void setIsTranslate(bool translate);

    // Called by the device link.
    static void hidCallbackType(int eventCode);
    // Called by the voice shortcuts.
    static void shortcutCallbackType(int eventCode);
    static void cancelAsr();
    static void laserPen(const LaserPenSignal& signal);
    static void aiKey(int keyByte);
    static void voiceChipInfo(const QString& information);
    static void screenshot();

    // Tests only: removes every hook and clears translation mode.
    static void resetForTests();
};
