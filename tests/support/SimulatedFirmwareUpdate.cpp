#include "SimulatedFirmwareUpdate.h"

namespace {

QByteArray payload(int command, std::initializer_list<int> arguments)
{
    QByteArray out(1, char(quint8(command)));
    for (int value : arguments)
        out.append(char(quint8(value)));
    return out;
}

} // namespace

quint16 SimulatedFirmwareUpdate::crc16(const QByteArray& bytes)
{
    // CRC-16/CCITT-FALSE, bit by bit.
    quint32 crc = 0xFFFF;
    for (unsigned char byte : bytes) {
        for (int bit = 7; bit >= 0; --bit) {
            const bool top = (crc & 0x8000) != 0;
            const bool in = ((byte >> bit) & 1) != 0;
            crc = (crc << 1) & 0xFFFF;
            if (top != in)
                crc ^= 0x1021;
        }
    }
    return quint16(crc);
}

std::optional<QList<QByteArray>> SimulatedFirmwareUpdate::answer(quint8 command, const QByteArray& arguments,
                                                                 bool hasReceiver, QString* why)
{
    const auto reject = [why](const QString& reason) -> std::optional<QList<QByteArray>> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const auto arg = [&arguments](int i) { return int(quint8(arguments.at(i))); };
    const auto validTarget = [&](int value) { return value == 0 || (value == 1 && hasReceiver); };

    switch (command) {
    case 0x40: {
        if (arguments.size() != 9)
            return reject(QStringLiteral("firmware start takes 9 arguments, got %1").arg(arguments.size()));
        if (!validTarget(arg(0)))
            return reject(QStringLiteral("firmware start for target %1").arg(arg(0)));
        const qint64 size = (qint64(arg(1)) << 24) | (arg(2) << 16) | (arg(3) << 8) | arg(4);
        const int count = (arg(5) << 8) | arg(6);
        if (size == 0 || count == 0 || count > size)
            return reject(QStringLiteral("firmware start of %1 bytes in %2 packets").arg(size).arg(count));
        target = arg(0);
        announcedSize = size;
        announcedCount = count;
        announcedCrc = quint16((arg(7) << 8) | arg(8));
        image.clear();
        packets = 0;
        packetSizes.clear();
        if (fault == Fault::RefuseStart) {
            running = false;
            return QList<QByteArray>{payload(0x40, {1})};
        }
        running = true;
        return QList<QByteArray>{payload(0x40, {0})};
    }
    case 0x41: {
        if (!running)
            return reject(QStringLiteral("firmware packet without a transfer"));
        if (arguments.size() < 3)
            return reject(QStringLiteral("firmware packet without data"));
        const int index = (arg(0) << 8) | arg(1);
        if (index != packets)
            return reject(QStringLiteral("firmware packet %1 where %2 was due").arg(index).arg(packets));
        if (index >= announcedCount)
            return reject(QStringLiteral("firmware packet %1 beyond the %2 announced").arg(index).arg(announcedCount));
        if (packetObserver)
            packetObserver(index);
        if (fault == Fault::SilentAtPacket && index >= faultPacket)
            return QList<QByteArray>{};
        if (fault == Fault::FailPacket && index == faultPacket) {
            running = false;
            return QList<QByteArray>{payload(0x41, {index >> 8, index & 0xFF, 1})};
        }
        if (fault == Fault::CancelAtPacket && index == faultPacket) {
            running = false;
            ++cancels;
            return QList<QByteArray>{payload(0x43, {0})};
        }
        image.append(arguments.mid(2));
        packetSizes.append(int(arguments.size()) - 2);
        ++packets;
        return QList<QByteArray>{payload(0x41, {index >> 8, index & 0xFF, 0})};
    }
    case 0x42: {
        if (arguments.size() != 1 || arg(0) != target)
            return reject(QStringLiteral("firmware end for another target"));
        if (!running)
            return reject(QStringLiteral("firmware end without a transfer"));
        running = false;
        const bool whole = packets == announcedCount && image.size() == announcedSize && crc16(image) == announcedCrc;
        if (!whole || fault == Fault::RejectImage)
            return QList<QByteArray>{payload(0x42, {1})};
        installedImage[target] = image;
        ++installs;
        if (installObserver)
            installObserver(target);
        return QList<QByteArray>{payload(0x42, {0})};
    }
    case 0x43:
        if (arguments.size() != 1 || !validTarget(arg(0)))
            return reject(QStringLiteral("firmware cancel with wrong arguments"));
        running = false;
        ++cancels;
        return QList<QByteArray>{payload(0x43, {0})};
    default:
        return reject(QStringLiteral("not a firmware command"));
    }
}
