#include "VQDeviceProtocol.h"

#include "VQEventCode.h"

#include <QByteArrayView>

#include <array>

namespace VQDeviceProtocol {

namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    out.reserve(int(values.size()));
    for (int v : values)
        out.append(char(quint8(v)));
    return out;
}

QString hexByte(quint8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
}

bool inRange(qint64 value, qint64 low, qint64 high)
{
    return value >= low && value <= high;
}

// Ranges of the replies that carry one byte.
struct ByteRange {
    quint8 command;
    ReportKind kind;
    int low;
    int high;
};

constexpr std::array<ByteRange, 8> kSingleByteReplies{{
    {ReadDpi, ReportKind::Dpi, 0, 15},
    {ReadFunctionSwitch, ReportKind::FunctionSwitch, 0, 1},
    {ReadLightingMode, ReportKind::LightingMode, 0, 3},
    {ReadLightingBrightness, ReportKind::LightingBrightness, 1, 100},
    {ReadLightingSpeed, ReportKind::LightingSpeed, 1, 5},
    {ReadLightingColor, ReportKind::LightingColor, 1, 8},
    {ReadHand, ReportKind::Hand, 0, 1},
    {KeyEvent, ReportKind::Key, 0, 255},
}};

QByteArray singleValueFrame(const ChipPlan& plan, Command command, qint64 value, qint64 low, qint64 high)
{
    if (!inRange(value, low, high))
        return {};
    return buildFrame(plan, command, bytesOf({int(value)}));
}

// A setting whose value the device reads back in one byte takes the range of that read-back.
QByteArray settingFrame(const ChipPlan& plan, Command set, qint64 value)
{
    const quint8 readBack = quint8(set - kReadBackOffset);
    for (const ByteRange& range : kSingleByteReplies) {
        if (range.command == readBack)
            return singleValueFrame(plan, set, value, range.low, range.high);
    }
    return {};
}

// Layouts of the text replies: the largest length, the smallest, the lowest character.
struct TextLayout {
    quint8 command;
    ReportKind kind;
    int minLength;
    int maxLength;
    int lowestChar;
};

constexpr std::array<TextLayout, 4> kTextReplies{{
    {ReadSerialNumber, ReportKind::SerialNumber, 0, 20, 0x21},
    {ReadFirmwareVersion, ReportKind::FirmwareVersion, 1, 20, 0x20},
    {ReadReceiverVersion, ReportKind::ReceiverVersion, 1, 20, 0x20},
    {ReadVoiceChipInfo, ReportKind::VoiceChipInfo, 1, 24, 0x21},
}};

bool isAcknowledged(quint8 command)
{
    const bool setting = command >= SetDpi && command <= SetHand && command != 0x18;
    return setting || (command >= OpenMic && command <= RgbOff);
}

ParseResult fail(const QString& reason)
{
    ParseResult result;
    result.error = reason;
    return result;
}

ParseResult ok(const Report& report)
{
    ParseResult result;
    result.report = report;
    return result;
}

ParseResult parseArguments(quint8 command, const QByteArray& args)
{
    const auto at = [&args](int i) { return int(quint8(args.at(i))); };
    Report report;
    report.command = command;

    for (const ByteRange& layout : kSingleByteReplies) {
        if (layout.command != command)
            continue;
        if (args.size() != 1)
            return fail(QStringLiteral("command %1 takes 1 argument, got %2").arg(hexByte(command)).arg(args.size()));
        if (!inRange(at(0), layout.low, layout.high))
            return fail(QStringLiteral("command %1: value %2 out of range").arg(hexByte(command)).arg(at(0)));
        report.kind = layout.kind;
        report.value = at(0);
        return ok(report);
    }
    for (const TextLayout& layout : kTextReplies) {
        if (layout.command != command)
            continue;
        if (args.isEmpty() || args.size() != 1 + at(0))
            return fail(QStringLiteral("command %1: text length does not match").arg(hexByte(command)));
        const int length = at(0);
        if (length < layout.minLength || length > layout.maxLength)
            return fail(QStringLiteral("command %1: text length %2 out of range").arg(hexByte(command)).arg(length));
        for (int i = 1; i <= length; ++i) {
            if (at(i) < layout.lowestChar || at(i) > 0x7E)
                return fail(QStringLiteral("command %1: character %2 not printable").arg(hexByte(command)).arg(at(i)));
        }
        report.kind = layout.kind;
        report.text = QString::fromLatin1(args.mid(1));
        return ok(report);
    }

    switch (command) {
    case ReadDeviceInfo: {
        if (args.size() != 8)
            return fail(QStringLiteral("device information takes 8 arguments, got %1").arg(args.size()));
        DeviceInfo info;
        info.deviceType = at(0);
        info.mouseType = (at(1) << 8) | at(2);
        info.mouseSource = at(3);
        info.sensorType = at(4);
        info.state = at(5);
        // The two flags: any byte but 0 means true.
        info.samplingRate = at(6) != 0 ? 1 : 0;
        info.keySetting = at(7) != 0 ? 1 : 0;
        if (info.deviceType > 5 || info.mouseSource > 2 || info.state > 4)
            return fail(QStringLiteral("device information holds an impossible value"));
        report.kind = ReportKind::DeviceInfo;
        report.info = info;
        return ok(report);
    }
    case ReadBattery:
        if (args.size() != 2)
            return fail(QStringLiteral("battery takes 2 arguments, got %1").arg(args.size()));
        if (at(0) > 4 || at(1) > 100)
            return fail(QStringLiteral("battery level %1 or percentage %2 out of range").arg(at(0)).arg(at(1)));
        report.kind = ReportKind::Battery;
        report.second = at(0);
        report.value = at(1);
        return ok(report);
    case ReadReportRate: {
        if (args.size() != 2)
            return fail(QStringLiteral("report rate takes 2 arguments, got %1").arg(args.size()));
        const int rate = (at(0) << 8) | at(1);
        if (!inRange(rate, 1, 8000))
            return fail(QStringLiteral("report rate %1 out of range").arg(rate));
        report.kind = ReportKind::ReportRate;
        report.value = rate;
        return ok(report);
    }
    case PenEvent: {
        if (args.size() != 2)
            return fail(QStringLiteral("pen event takes 2 arguments, got %1").arg(args.size()));
        if (!penKeyForEvent(at(0), at(1)))
            return fail(QStringLiteral("unknown pen event %1 with state %2").arg(hexByte(quint8(at(0)))).arg(at(1)));
        report.kind = ReportKind::PenEvent;
        report.value = at(0);
        report.second = at(1);
        return ok(report);
    }
    default:
        break;
    }

    if (isAcknowledged(command)) {
        if (args.size() != 1 || at(0) > 1)
            return fail(QStringLiteral("acknowledgement of %1 is malformed").arg(hexByte(command)));
        report.kind = ReportKind::Acknowledgement;
        report.value = at(0);
        return ok(report);
    }
    return fail(QStringLiteral("unknown command byte %1").arg(hexByte(command)));
}

const QList<ChipPlan>& chipPlans()
{
    // Never destroyed: the device's last frames at the end after the X server's loss are built
    // from an exit() hook, after the static destructors have begun.
    static const auto* plans = new QList<ChipPlan>{
        {1, 0x0D, bytesOf({0xA5}), 33},
        {2, 0x0D, bytesOf({0xA5}), 33},
        {3, 0x0F, bytesOf({0xA6}), 64},
        {4, 0x0F, bytesOf({0xA7}), 64},
        {5, 0x0E, bytesOf({0xA8}), 64},
        {6, 0x0C, QByteArray(), 33},
        {7, 0x0B, bytesOf({0xA9}), 64},
    };
    return *plans;
}

} // namespace

const ChipPlan* chipPlan(int plan)
{
    for (const ChipPlan& candidate : chipPlans()) {
        if (candidate.plan == plan)
            return &candidate;
    }
    return nullptr;
}

const ChipPlan& bluetoothPlan()
{
    static const ChipPlan plan{kBluetoothChipPlan, 0x0D, bytesOf({0xA5}), 0};
    return plan;
}

const QList<ReceiverModel>& receiverModels()
{
    static const QList<ReceiverModel> models{
        {0x248A, 0x61AB, 0xFF00, 0x01, 1, -1},
        {0x248A, 0x62AB, 0xFF00, 0x01, 6, 2},
        {0x248A, 0x63AB, 0xFF00, 0x01, 6, 2},
        {0x248A, 0x64AB, 0xFF00, 0x01, 4, -1},
        {0x248A, 0x65AB, 0xFF00, 0x01, 7, -1},
        {0x248A, 0x66AB, 0xFF00, 0x01, 5, 5},
        {0x27BA, 0x26AB, 0xFF00, 0x01, 2, 2},
        {0x3151, 0x23AB, 0xFF00, 0x01, 2, 2},
        {0x13BA, 0x12AB, 0xFF01, 0x01, 3, 3},
        {0x13CA, 0x12AC, 0xFF01, 0x01, 3, 3},
    };
    return models;
}

const ReceiverModel* matchReceiver(int vendorId, int productId, int usagePage, int usage)
{
    for (const ReceiverModel& model : receiverModels()) {
        if (model.vendorId == vendorId && model.productId == productId && model.usagePage == usagePage
            && model.usage == usage)
            return &model;
    }
    return nullptr;
}

int maxArguments(const ChipPlan& plan)
{
    if (plan.reportLength <= 0)
        return 255 - kFrameOverhead;
    return plan.reportLength - 1 - int(plan.prefix.size()) - kFrameOverhead;
}

QByteArray buildFrame(const ChipPlan& plan, quint8 command, const QByteArray& arguments)
{
    if (plan.plan == 0 || arguments.size() > maxArguments(plan))
        return {};
    QByteArray frame;
    frame.append(char(plan.reportId));
    frame.append(plan.prefix);
    frame.append(char(kFrameStart));
    frame.append(char(quint8(kFrameOverhead + arguments.size())));
    frame.append(char(command));
    frame.append(arguments);
    frame.append(char(kFrameEnd));
    return frame;
}

QByteArray readFrame(const ChipPlan& plan, Command read)
{
    if (read < ReadDeviceInfo || read > ReadVoiceChipInfo)
        return {};
    return buildFrame(plan, read);
}

QByteArray setDpiFrame(const ChipPlan& plan, qint64 step)
{
    return settingFrame(plan, SetDpi, step);
}

QByteArray setReportRateFrame(const ChipPlan& plan, qint64 index)
{
    return singleValueFrame(plan, SetReportRate, index, 0, 255);
}

QByteArray setLightingModeFrame(const ChipPlan& plan, qint64 mode)
{
    return settingFrame(plan, SetLightingMode, mode);
}

QByteArray setLightingBrightnessFrame(const ChipPlan& plan, qint64 brightness)
{
    return settingFrame(plan, SetLightingBrightness, brightness);
}

QByteArray setLightingSpeedFrame(const ChipPlan& plan, qint64 speed)
{
    return settingFrame(plan, SetLightingSpeed, speed);
}

QByteArray setLightingColorFrame(const ChipPlan& plan, qint64 color)
{
    return settingFrame(plan, SetLightingColor, color);
}

QByteArray setHandFrame(const ChipPlan& plan, qint64 hand)
{
    return settingFrame(plan, SetHand, hand);
}

QByteArray actionFrame(const ChipPlan& plan, Command action)
{
    if (action < OpenMic || action > RgbOff || action == TypeKey)
        return {};
    return buildFrame(plan, action);
}

quint8 linuxModifier(quint8 modifier)
{
    quint8 out = modifier & quint8(~(kModifierLeftGui | kModifierRightGui));
    if (modifier & kModifierLeftGui)
        out |= kModifierLeftControl;
    if (modifier & kModifierRightGui)
        out |= kModifierRightControl;
    return out;
}

QByteArray typeKeyFrame(const ChipPlan& plan, int modifier, int usage)
{
    if (!inRange(modifier, 0, 255) || !inRange(usage, 0, 255))
        return {};
    return buildFrame(plan, TypeKey, bytesOf({linuxModifier(quint8(modifier)), usage}));
}

QByteArray zeroReport(const ChipPlan& plan)
{
    return QByteArray(plan.reportLength, '\0');
}

QList<QByteArray> laserPenModeFrames(Link link, int plan, int mode)
{
    if (!inRange(mode, 0, 4))
        return {};
    if (link == Link::Bluetooth)
        return {buildFrame(bluetoothPlan(), 0xAA, bytesOf({mode}))};
    if (plan == 2)
        return {buildFrame(*chipPlan(2), 0xAA, bytesOf({mode}))};
    // The other receivers know no mode command: they get a report of zeros in its place.
    if (const ChipPlan* other = chipPlan(plan))
        return {zeroReport(*other)};
    return {};
}

QList<QByteArray> laserPenPointerModeFrames(Link link, int plan, bool on)
{
    if (link == Link::Bluetooth)
        return {buildFrame(bluetoothPlan(), on ? 0xAB : 0xAC)};
    if (plan == 2)
        return {buildFrame(*chipPlan(2), on ? 0xAB : 0xAC)};
    if (plan == 6) {
        const ChipPlan& six = *chipPlan(6);
        return {buildFrame(six, on ? 0xB0 : 0xB1), zeroReport(six)};
    }
    if (const ChipPlan* other = chipPlan(plan))
        return {zeroReport(*other)};
    return {};
}

QByteArray hardLaserFrame(bool on)
{
    return buildFrame(*chipPlan(6), on ? 0xB4 : 0xB5);
}

QByteArray countdownFrame(qint64 secondsLeft)
{
    if (!inRange(secondsLeft, 0, 0xFFFF))
        return {};
    return buildFrame(*chipPlan(6), 0xFF, bytesOf({int(secondsLeft >> 8), int(secondsLeft & 0xFF)}));
}

FrameCheck checkFrame(const ChipPlan& plan, const QByteArray& bytes)
{
    const auto refuse = [](const QString& reason) {
        FrameCheck check;
        check.error = reason;
        return check;
    };
    if (plan.plan == 0)
        return refuse(QStringLiteral("no chip plan"));
    const int start = 1 + int(plan.prefix.size()); // index of 'M'
    if (bytes.size() < start + 2)
        return refuse(QStringLiteral("report of %1 bytes is too short").arg(bytes.size()));
    if (quint8(bytes.at(0)) != plan.reportId)
        return refuse(QStringLiteral("report id %1 is not the plan's").arg(hexByte(quint8(bytes.at(0)))));
    if (QByteArrayView(bytes).sliced(1, plan.prefix.size()) != QByteArrayView(plan.prefix))
        return refuse(QStringLiteral("prefix does not match"));
    if (quint8(bytes.at(start)) != kFrameStart)
        return refuse(QStringLiteral("no frame start"));
    const int length = quint8(bytes.at(start + 1));
    if (length < kFrameOverhead)
        return refuse(QStringLiteral("frame length %1 is too small").arg(length));
    const int end = start + length - 1; // index of 'L'
    if (end >= bytes.size())
        return refuse(QStringLiteral("frame of %1 bytes is cut off at %2").arg(length).arg(bytes.size() - start));
    if (quint8(bytes.at(end)) != kFrameEnd)
        return refuse(QStringLiteral("no frame end"));
    FrameCheck check;
    check.frame = Frame{quint8(bytes.at(start + 2)), bytes.mid(start + 3, length - kFrameOverhead)};
    return check;
}

ParseResult parseReport(const ChipPlan& plan, const QByteArray& bytes)
{
    const FrameCheck check = checkFrame(plan, bytes);
    if (!check.frame)
        return fail(check.error);
    return parseArguments(check.frame->command, check.frame->arguments);
}

std::optional<int> hubEventForKey(int keyNumber, bool translationMode)
{
    using namespace VQEventCode;
    // The key numbers are the codes they give; the voice key follows translation mode.
    switch (keyNumber) {
    case kVoiceTypingPressed:
        return translationMode ? kVoiceTranslationPressed : kVoiceTypingPressed;
    case kVoiceTypingReleased:
        return translationMode ? kVoiceTranslationReleased : kVoiceTypingReleased;
    case kVoiceSearchPressed:
    case kVoiceSearchReleased:
    case kVoiceTranslationPressed:
    case kVoiceTranslationReleased:
    case kEnter:
        return keyNumber;
    default:
        break;
    }
    if (keyNumber >= kFirstKeyEvent && keyNumber <= kLastKeyEvent)
        return keyNumber;
    return std::nullopt;
}

int modeKeyEvent(bool translationModeNow)
{
    return translationModeNow ? VQEventCode::kTranslationMode : VQEventCode::kTypingMode;
}

bool isAiHelperKey(int keyNumber)
{
    static constexpr std::array<int, 34> kHelperKeys{
        0x84, 0x86, 0x87, 0x88, 0x8B, 0x8C, 0x8E, 0x8F, 0x90, 0x92, 0x93, 0x94,
        0x97, 0x98, 0x9A, 0x9B, 0x9C, 0x9E, 0x9F, 0xA0, 0xA2, 0xA3, 0xA4, 0xA6,
        0xA7, 0xA8, 0xAA, 0xAB, 0xAC, 0xAE, 0xAF, 0xC0, 0xC2, 0xC3,
    };
    for (int key : kHelperKeys) {
        if (key == keyNumber)
            return true;
    }
    return false;
}

bool isScreenshotKey(int keyNumber)
{
    return keyNumber == 0x80 || keyNumber == 0x83;
}

std::optional<PenKey> penKeyForNumber(int keyNumber)
{
    switch (keyNumber) {
    case 32:
        return PenKey::VoiceModeKey;
    case 37:
        return PenKey::VoicePressed;
    case 38:
        return PenKey::VoiceReleased;
    case 64:
        return PenKey::ModeKey;
    case 69:
        return PenKey::EffectPressed;
    case 70:
        return PenKey::EffectReleased;
    case 76:
        return PenKey::ClearKey;
    default:
        return std::nullopt;
    }
}

std::optional<PenKey> penKeyForEvent(int event, int state)
{
    if (event == 0x9A) {
        if (state == 1)
            return PenKey::VoicePressed;
        if (state == 0)
            return PenKey::VoiceReleased;
        return std::nullopt;
    }
    if (state != 0)
        return std::nullopt;
    switch (event) {
    case 0x90:
        return PenKey::ModeKey;
    case 0x92:
        return PenKey::EffectToggle;
    case 0x93:
        return PenKey::EffectOff;
    case 0x9B:
        return PenKey::VoiceModeKey;
    default:
        return std::nullopt;
    }
}

QString hexString(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

} // namespace VQDeviceProtocol
