#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

// The device side of the firmware transfer of docs/device-protocol.md, section 11, written from
// that page alone: it takes the start, the packets in order, the end and the cancel, checks the
// image against the announced size, packet count and CRC-16, and answers. It can refuse the
// start, fail a packet, cancel on its own, stop answering, or reject the image at the end; a
// test makes the device vanish from packetObserver (unplugging the receiver, taking the mouse
// away). Used by SimulatedDevice for the commands 40-43; payloads are a command byte and its
// arguments.
class SimulatedFirmwareUpdate {
public:
    enum class Fault {
        None,
        RefuseStart,   // the start is answered 40 01
        FailPacket,    // packet faultPacket is answered 41 index 01
        CancelAtPacket, // packet faultPacket is answered with the device's own cancel 43 00
        SilentAtPacket, // packet faultPacket and everything after it is not answered
        RejectImage,   // the end is answered 42 01
    };

    Fault fault = Fault::None;
    int faultPacket = 0;
    // Called with each packet's index when it arrives, before it is answered.
    std::function<void(int index)> packetObserver;
    // Called with the target when an image was installed, before the end is answered (the
    // device then reports what it installed).
    std::function<void(int target)> installObserver;

    // What the device received.
    bool running = false;
    int target = -1; // of the last start: 0 device, 1 receiver
    qint64 announcedSize = 0;
    int announcedCount = 0;
    quint16 announcedCrc = 0;
    QByteArray image;       // the bytes of the packets received in the running (or last) transfer
    int packets = 0;        // packets taken in the running (or last) transfer
    QList<int> packetSizes; // bytes per packet, in order
    QByteArray installedImage[2]; // per target, the last image installed
    int installs = 0;
    int cancels = 0; // cancels confirmed or made by the device

    // The answer to a command 40-43 (payloads, possibly none), or nullopt with the reason when it
    // breaks the protocol. hasReceiver: whether a receiver target exists (no over Bluetooth LE).
    std::optional<QList<QByteArray>> answer(quint8 command, const QByteArray& arguments, bool hasReceiver,
                                            QString* why);

    static quint16 crc16(const QByteArray& bytes);
};
