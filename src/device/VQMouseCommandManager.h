#pragma once

#include "VQVoiceStream.h"

#include <QByteArray>
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

    // The device's voice stream (docs/device-protocol.md, section 10). Installs its consumer:
    // chunks of the selected recognition language's "formatSize" bytes (1280 when it has none
    // usable), streaming false on the last chunk of each stream; decoded 16-bit PCM for the
    // devices whose recognition format is "pcm", the raw IMA ADPCM blocks for the others (see
    // VQVoiceStream::deliversPcm). Called on the main thread. The decoded PCM also goes to the
    // recording file of VQVoiceRecordingSink::sharedSink(), which the recognition service installs.
    void setSendVoiceDataBlock(VQVoiceStream::SendVoiceDataBlock block);
    // True while the connected device streams voice (read from the active link).
    bool isStartVoice() const;
    // True when voice is to come from the computer's microphone: no device is connected, so
    // there is no device stream to take it from.
    bool isFromMicData() const;
    // True when the connected device streams its own voice for the keyboard's voice shortcuts
    // too: the keyboard-type receivers. Other devices stream only while their own voice key is
    // held, so a shortcut records the computer's input.
    bool streamsVoiceForShortcuts() const;
    // The reset-key-status operation: the devices need no command for it, so nothing is sent.
    void sendResetKeyStatusData();
    // True while the active link has a connected device: its commands (keys typed by the device
    // included) reach it.
    bool hasDeviceLink() const;
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

    // The device's firmware transfer, over Bluetooth LE or USB (VQOTATransfer posts the OTA
    // notifications). The receiver's transfer goes over USB only: while a Bluetooth LE device is
    // connected its start and cancel send nothing.
    void sendStartOTAData();
    void sendCancelOTAData();
    void sendStartOTADongleData();
    void sendCancelOTADongleData();

private:
    VQMouseCommandManager();
};
