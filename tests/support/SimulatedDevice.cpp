#include "SimulatedDevice.h"

namespace {

QByteArray payload(int command, std::initializer_list<int> arguments)
{
    QByteArray out(1, char(quint8(command)));
    for (int value : arguments)
        out.append(char(quint8(value)));
    return out;
}

QByteArray textPayload(int command, const QByteArray& text)
{
    QByteArray out = payload(command, {int(text.size())});
    out.append(text);
    return out;
}

} // namespace

QByteArray SimulatedDevice::deviceInfoPayload() const
{
    return payload(0x01, {values.deviceType, values.mouseType >> 8, values.mouseType & 0xFF, values.mouseSource,
                          values.sensorType, values.linkState, values.samplingRate, values.keySetting});
}

QByteArray SimulatedDevice::batteryPayload() const
{
    return payload(0x05, {values.batteryLevel, values.batteryPercent});
}

QByteArray SimulatedDevice::keyPayload(int keyNumber)
{
    return payload(0x30, {keyNumber});
}

QByteArray SimulatedDevice::penEventPayload(int event, int state)
{
    return payload(0x31, {event, state});
}

std::optional<QList<QByteArray>> SimulatedDevice::answer(quint8 command, const QByteArray& arguments, QString* why)
{
    const auto reject = [why](const QString& reason) -> std::optional<QList<QByteArray>> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const auto arg = [&arguments](int i) { return int(quint8(arguments.at(i))); };
    commands.append(QByteArray(1, char(command)) + arguments);

    // Reads (01-0e): no arguments, the reply carries the value.
    if (command >= 0x01 && command <= 0x0E) {
        if (!arguments.isEmpty())
            return reject(QStringLiteral("read %1 with arguments").arg(command));
        switch (command) {
        case 0x01:
            return QList<QByteArray>{deviceInfoPayload()};
        case 0x02:
            return QList<QByteArray>{textPayload(0x02, values.serialNumber)};
        case 0x03:
            return QList<QByteArray>{textPayload(0x03, values.firmwareVersion)};
        case 0x04:
            if (!hasReceiver)
                return reject(QStringLiteral("receiver version asked of a device without receiver"));
            return QList<QByteArray>{textPayload(0x04, values.receiverVersion)};
        case 0x05:
            return QList<QByteArray>{batteryPayload()};
        case 0x06:
            return QList<QByteArray>{payload(0x06, {values.dpiStep})};
        case 0x07:
            return QList<QByteArray>{payload(0x07, {values.reportRate >> 8, values.reportRate & 0xFF})};
        case 0x08:
            return QList<QByteArray>{payload(0x08, {values.functionSwitch})};
        case 0x09:
            return QList<QByteArray>{payload(0x09, {values.lightingMode})};
        case 0x0A:
            return QList<QByteArray>{payload(0x0A, {values.lightingBrightness})};
        case 0x0B:
            return QList<QByteArray>{payload(0x0B, {values.lightingSpeed})};
        case 0x0C:
            return QList<QByteArray>{payload(0x0C, {values.lightingColor})};
        case 0x0D:
            return QList<QByteArray>{payload(0x0D, {values.hand})};
        default:
            return QList<QByteArray>{textPayload(0x0E, values.voiceChipInfo)};
        }
    }

    const int status = refuseSettings ? 1 : 0;
    const auto setting = [&](int low, int high, int& field) -> std::optional<QList<QByteArray>> {
        if (arguments.size() != 1)
            return reject(QStringLiteral("setting %1 takes one argument").arg(command));
        if (arg(0) < low || arg(0) > high)
            return reject(QStringLiteral("setting %1: value %2 outside %3-%4")
                              .arg(command)
                              .arg(arg(0))
                              .arg(low)
                              .arg(high));
        if (!refuseSettings)
            field = arg(0);
        return QList<QByteArray>{payload(command, {status})};
    };
    const auto action = [&](bool& field, bool on) -> std::optional<QList<QByteArray>> {
        if (!arguments.isEmpty())
            return reject(QStringLiteral("action %1 takes no argument").arg(command));
        field = on;
        return QList<QByteArray>{payload(command, {0})};
    };

    switch (command) {
    case 0x16:
        return setting(0, 15, values.dpiStep);
    case 0x17: {
        if (arguments.size() != 1)
            return reject(QStringLiteral("report rate takes one argument, the index of the rate"));
        if (arg(0) >= values.reportRates.size())
            return reject(QStringLiteral("report-rate index %1 outside the device's %2 rates")
                              .arg(arg(0))
                              .arg(values.reportRates.size()));
        if (!refuseSettings)
            values.reportRate = values.reportRates.at(arg(0));
        return QList<QByteArray>{payload(command, {status})};
    }
    case 0x19:
        return setting(0, 3, values.lightingMode);
    case 0x1A:
        return setting(1, 100, values.lightingBrightness);
    case 0x1B:
        return setting(1, 5, values.lightingSpeed);
    case 0x1C:
        return setting(1, 8, values.lightingColor);
    case 0x1D:
        return setting(0, 1, values.hand);
    case 0x20:
        return action(values.micOpen, true);
    case 0x21:
        return action(values.micOpen, false);
    case 0x22:
        if (arguments.size() != 2)
            return reject(QStringLiteral("typing a key takes two arguments"));
        typedKeys.append({arg(0), arg(1)});
        return QList<QByteArray>{payload(command, {0})};
    case 0x23:
        return action(values.ledOn, true);
    case 0x24:
        return action(values.ledOn, false);
    case 0x25:
        return action(values.rgbOn, true);
    case 0x26:
        return action(values.rgbOn, false);
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
        return firmware.answer(command, arguments, hasReceiver, why);
    default:
        return reject(QStringLiteral("unknown command %1").arg(command, 2, 16, QLatin1Char('0')));
    }
}

QByteArray SimulatedDevice::corrupt(const QByteArray& frame, int which)
{
    QByteArray out = frame;
    const int endMark = out.lastIndexOf(char(0x4C));
    switch (which % 3) {
    case 0:
        if (endMark >= 0)
            out[endMark] = char(0x4B);
        return out;
    case 1:
        return out.left(qMax(1, endMark));
    default: {
        const int start = out.indexOf(char(0x4D));
        if (start >= 0 && start + 1 < out.size())
            out[start + 1] = char(0xF0);
        return out;
    }
    }
}
