#pragma once

#include <QtGlobal>

// The one entry for device commands, whatever the transport: each operation goes to the
// Bluetooth LE command manager while VQUserInfoData bleConnect is true, else to the USB one.
// Operations return at once without a result; the device's reply updates the record and posts
// the notification (docs/device-protocol.md).
//
// Creating it creates both command managers and the HID device, which starts looking for a
// receiver; the application creates it first in its data set-up. Main thread only.
class VQMouseCommandManager {
public:
    static VQMouseCommandManager& sharedInstance();

    void sendOpenMicData();
    void sendCloseMicData();
    // The reset-key-status operation: the devices need no command for it, so nothing is sent.
    void sendResetKeyStatusData();
    // Makes the device type one key: HID modifier byte and usage; (8, 25) is the paste chord,
    // (0, 40) Enter. The Command (GUI) bit is sent as Control on Linux.
    void sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2);

    void sendSetDpiData(qint64 step);
    void sendSetLightingEffectsModeData(qint64 mode);             // 0 off, 1 steady, 2 breathing, 3 marquee
    void sendSetLightingEffectsBrightnessData(qint64 brightness); // 1-100
    void sendSetLightingEffectsSpeedData(qint64 speed);           // 1-5
    void sendSetLightingEffectsColorData(qint64 color);           // 1-8
    void sendSetMouseLeftOrRightHandBehaviorData(qint64 hand);    // 1 left-handed, 0 right-handed

    void sendOpenLedData();
    void sendCloseLedData();

    // The laser pen's mode (0-4) and pointer mode. Leaving pointer mode is only sent when
    // VQUserInfoData isSupportKeySetting is true.
    void sendLaserPenModeData(int mode);
    void sendLaserPenEnterMouseStatusData();
    void sendLaserPenQuitMouseStatusData();

    // Asks the connected device for its battery (also done every 300 s while connected).
    void sendGetElectricData();

private:
    VQMouseCommandManager();
    static bool overBluetooth();
};
