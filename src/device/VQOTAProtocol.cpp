#include "VQOTAProtocol.h"

#include <algorithm>

namespace VQOTAProtocol {

namespace {

using VQDeviceProtocol::ChipPlan;

char byteAt(qint64 value, int shift)
{
    return char(quint8((value >> shift) & 0xFF));
}

bool isTransferCommand(quint8 command)
{
    return command >= Start && command <= Cancel;
}

ParsedReply malformed(const QString& error)
{
    ParsedReply parsed;
    parsed.isTransferFrame = true;
    parsed.error = error;
    return parsed;
}

} // namespace

int packetDataSize(const ChipPlan& plan)
{
    const ChipPlan& budget = plan.reportLength > 0 ? plan : *VQDeviceProtocol::chipPlan(1);
    return VQDeviceProtocol::maxArguments(budget) - kIndexBytes;
}

qint64 maxImageBytes(const ChipPlan& plan)
{
    return qint64(kMaxPacketCount) * packetDataSize(plan);
}

qint64 largestImageBytes()
{
    qint64 largest = 0;
    for (int number = 1; const ChipPlan* plan = VQDeviceProtocol::chipPlan(number); ++number)
        largest = std::max(largest, maxImageBytes(*plan));
    return largest;
}

qint64 packetCount(const ChipPlan& plan, qint64 imageSize)
{
    const int size = packetDataSize(plan);
    if (imageSize <= 0 || size <= 0)
        return 0;
    return (imageSize + size - 1) / size;
}

QByteArray startFrame(const ChipPlan& plan, Target target, qint64 imageSize, int count, quint16 crc)
{
    if (imageSize <= 0 || imageSize > 0xFFFFFFFFLL || count <= 0 || count > kMaxPacketCount)
        return {};
    QByteArray arguments;
    arguments.append(char(target));
    for (int shift : {24, 16, 8, 0})
        arguments.append(byteAt(imageSize, shift));
    arguments.append(byteAt(count, 8));
    arguments.append(byteAt(count, 0));
    arguments.append(byteAt(crc, 8));
    arguments.append(byteAt(crc, 0));
    return VQDeviceProtocol::buildFrame(plan, Start, arguments);
}

QByteArray dataFrame(const ChipPlan& plan, int index, const QByteArray& bytes)
{
    if (index < 0 || index >= kMaxPacketCount || bytes.isEmpty() || bytes.size() > packetDataSize(plan))
        return {};
    QByteArray arguments;
    arguments.append(byteAt(index, 8));
    arguments.append(byteAt(index, 0));
    arguments.append(bytes);
    return VQDeviceProtocol::buildFrame(plan, Data, arguments);
}

QByteArray endFrame(const ChipPlan& plan, Target target)
{
    return VQDeviceProtocol::buildFrame(plan, End, QByteArray(1, char(target)));
}

QByteArray cancelFrame(const ChipPlan& plan, Target target)
{
    return VQDeviceProtocol::buildFrame(plan, Cancel, QByteArray(1, char(target)));
}

ParsedReply parseReply(const ChipPlan& plan, const QByteArray& bytes)
{
    ParsedReply parsed;
    const VQDeviceProtocol::FrameCheck check = VQDeviceProtocol::checkFrame(plan, bytes);
    if (!check.frame || !isTransferCommand(check.frame->command))
        return parsed;

    const quint8 command = check.frame->command;
    const QByteArray& arguments = check.frame->arguments;
    const auto at = [&arguments](int i) { return quint8(arguments.at(i)); };
    Reply reply;
    reply.command = command;
    switch (command) {
    case Data:
        if (arguments.size() != 3 || at(2) > kStatusFailed)
            return malformed(QStringLiteral("packet acknowledgement is malformed"));
        reply.index = (int(at(0)) << 8) | at(1);
        reply.status = at(2);
        break;
    case Cancel:
        if (arguments.size() != 1 || at(0) != kStatusOk)
            return malformed(QStringLiteral("cancel report is malformed"));
        reply.status = at(0);
        break;
    default:
        if (arguments.size() != 1 || at(0) > kStatusFailed)
            return malformed(QStringLiteral("firmware transfer answer %1 is malformed").arg(command, 2, 16, QLatin1Char('0')));
        reply.status = at(0);
        break;
    }
    parsed.isTransferFrame = true;
    parsed.reply = reply;
    return parsed;
}

} // namespace VQOTAProtocol
