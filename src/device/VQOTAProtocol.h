#pragma once

#include "VQDeviceProtocol.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// The frames of the firmware transfer (docs/device-protocol.md, section 10): start, data
// packets, end and cancel, and the device's answers. Pure functions over bytes, in the frame of
// the chip plan like every other command.
namespace VQOTAProtocol {

enum Command : quint8 {
    Start = 0x40,  // target, image size (4 bytes), packet count (2 bytes), CRC-16 (2 bytes)
    Data = 0x41,   // packet index (2 bytes), then the packet's bytes
    End = 0x42,    // target
    Cancel = 0x43, // target
};

// Which firmware the transfer replaces.
enum class Target : quint8 {
    Device = 0,   // the mouse, remote or pen (behind the receiver, or over Bluetooth LE)
    Receiver = 1, // the USB receiver itself
};

// Status bytes of the answers.
inline constexpr quint8 kStatusOk = 0x00;
inline constexpr quint8 kStatusFailed = 0x01;

inline constexpr int kIndexBytes = 2;
inline constexpr int kMaxPacketCount = 0xFFFF;

// The image bytes one data packet carries on the plan: its largest argument list less the
// index. Bluetooth LE (a report length of 0) uses the 33-byte budget of plan 1: 25 bytes.
int packetDataSize(const VQDeviceProtocol::ChipPlan& plan);
// The largest image a transfer on the plan carries: kMaxPacketCount full packets.
qint64 maxImageBytes(const VQDeviceProtocol::ChipPlan& plan);
// The largest image any plan carries (the 64-byte plans').
qint64 largestImageBytes();
// The number of packets an image of that size takes on the plan (0 for an empty image).
qint64 packetCount(const VQDeviceProtocol::ChipPlan& plan, qint64 imageSize);

// Builders; each returns the frame (not padded), or an empty array when a value does not fit.
QByteArray startFrame(const VQDeviceProtocol::ChipPlan& plan, Target target, qint64 imageSize, int count,
                      quint16 crc);
QByteArray dataFrame(const VQDeviceProtocol::ChipPlan& plan, int index, const QByteArray& bytes);
QByteArray endFrame(const VQDeviceProtocol::ChipPlan& plan, Target target);
QByteArray cancelFrame(const VQDeviceProtocol::ChipPlan& plan, Target target);

// One answer of the device.
struct Reply {
    quint8 command = 0; // Start, Data, End or Cancel
    int index = -1;     // Data: the packet acknowledged
    quint8 status = kStatusOk;
};

struct ParsedReply {
    // The report is a well-formed frame of the plan whose command is one of the above.
    bool isTransferFrame = false;
    std::optional<Reply> reply; // set when its arguments are the layout's
    QString error;
};

// Reads an input report of the plan. A report that is no well-formed frame, or carries another
// command, is not a transfer frame and is left to the report parser.
ParsedReply parseReply(const VQDeviceProtocol::ChipPlan& plan, const QByteArray& bytes);

} // namespace VQOTAProtocol
