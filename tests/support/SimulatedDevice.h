#pragma once

#include "SimulatedFirmwareUpdate.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// The mouse side of docs/device-protocol.md, written from that page alone (it shares no code
// with src/device): the values a device holds and how it answers each command. The simulated
// receiver and the simulated Bluetooth LE mouse wrap its answers in their frames.
//
// A payload is a command byte followed by its arguments.
class SimulatedDevice {
public:
    // How the device answers (the wrappers apply it).
    enum class AnswerMode {
        Normal,  // after replyDelayMs
        Late,    // after lateDelayMs
        Garbage, // corrupted frames instead of the replies
        Silent,  // no answer at all
    };

    struct Values {
        int deviceType = 1;
        int mouseType = 41;
        int mouseSource = 0;
        int sensorType = 3;
        int linkState = 1;
        int samplingRate = 1;
        int keySetting = 1;
        QByteArray serialNumber = "VQ12345678";
        QByteArray firmwareVersion = "12";
        QByteArray receiverVersion = "7";
        QByteArray voiceChipInfo = "XF-0001";
        int batteryLevel = 3;
        int batteryPercent = 75;
        int dpiStep = 1;
        int reportRate = 500; // hertz, as read back
        // The rates the device offers, by index: the set command carries the index.
        QList<int> reportRates{125, 500, 1000};
        int functionSwitch = 1;
        int lightingMode = 1;
        int lightingBrightness = 50;
        int lightingSpeed = 3;
        int lightingColor = 2;
        int hand = 0;
        bool micOpen = false;
        bool ledOn = false;
        bool rgbOn = false;
    };

    Values values;
    // Settings are acknowledged with status 1 and left unchanged.
    bool refuseSettings = false;
    // Whether the receiver-version read is answered (a receiver: yes; a Bluetooth LE mouse: no).
    bool hasReceiver = true;
    // The firmware transfer (section 11), for the device and, with a receiver, the receiver.
    SimulatedFirmwareUpdate firmware;

    // Keys the device was asked to type: modifier byte and usage.
    QList<QPair<int, int>> typedKeys;
    // Command bytes received, in order, with their arguments (payloads).
    QList<QByteArray> commands;

    // The device's answer to a command: the payloads it sends back (possibly none), or nullopt
    // when the command is not one of the protocol's or its arguments are wrong (the reason is
    // in *why).
    std::optional<QList<QByteArray>> answer(quint8 command, const QByteArray& arguments, QString* why);

    // Payloads the device sends on its own.
    QByteArray deviceInfoPayload() const;
    QByteArray batteryPayload() const;
    static QByteArray keyPayload(int keyNumber);
    static QByteArray penEventPayload(int event, int state);

    // Three kinds of damage, taken in turn: the end mark changed, the frame cut short, the length
    // byte pointing past the report.
    static QByteArray corrupt(const QByteArray& frame, int which);
};
