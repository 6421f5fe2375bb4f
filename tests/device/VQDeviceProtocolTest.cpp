// The builders and the parser against the tables of docs/device-protocol.md.
#include "VQDeviceProtocol.h"

#include <gtest/gtest.h>

using namespace VQDeviceProtocol;

namespace {

const ChipPlan& plan(int number)
{
    const ChipPlan* p = chipPlan(number);
    EXPECT_NE(p, nullptr);
    return *p;
}

QString hex(const QByteArray& bytes)
{
    return hexString(bytes);
}

QByteArray bytes(const char* hexText)
{
    return QByteArray::fromHex(QByteArray(hexText));
}

// A reply as the receiver sends it: the frame, then zeros up to the report length.
QByteArray padded(const char* hexText, int length = 33)
{
    QByteArray out = bytes(hexText);
    out.append(QByteArray(length - out.size(), '\0'));
    return out;
}

Report parsed(const QByteArray& report, const ChipPlan& p = plan(1))
{
    const ParseResult result = parseReport(p, report);
    EXPECT_TRUE(result.report.has_value()) << result.error.toStdString();
    return result.report.value_or(Report());
}

} // namespace

TEST(VQDeviceProtocolTest, ChipPlansAndReceiversFollowTheTables)
{
    struct Row {
        int plan;
        int reportId;
        const char* prefix;
        int length;
    };
    const Row rows[] = {{1, 0x0D, "a5", 33}, {2, 0x0D, "a5", 33}, {3, 0x0F, "a6", 64}, {4, 0x0F, "a7", 64},
                        {5, 0x0E, "a8", 64}, {6, 0x0C, "", 33},   {7, 0x0B, "a9", 64}};
    for (const Row& row : rows) {
        const ChipPlan& p = plan(row.plan);
        EXPECT_EQ(p.reportId, row.reportId) << row.plan;
        EXPECT_EQ(hex(p.prefix), QLatin1String(row.prefix)) << row.plan;
        EXPECT_EQ(p.reportLength, row.length) << row.plan;
    }
    EXPECT_EQ(chipPlan(0), nullptr);
    EXPECT_EQ(chipPlan(8), nullptr);

    const ReceiverModel* pen = matchReceiver(0x248A, 0x62AB, 0xFF00, 0x01);
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->chipPlan, 6);
    EXPECT_EQ(pen->deviceType, 2);
    const ReceiverModel* keyboard = matchReceiver(5050, 4779, 0xFF01, 0x01);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(keyboard->chipPlan, 3);
    EXPECT_EQ(keyboard->deviceType, 3);
    // The receiver's ordinary mouse collection is not the command interface.
    EXPECT_EQ(matchReceiver(0x248A, 0x61AB, 0x0001, 0x02), nullptr);
    EXPECT_EQ(matchReceiver(0x248A, 0x6FAB, 0xFF00, 0x01), nullptr);
}

TEST(VQDeviceProtocolTest, SettingsAndReadsGiveTheTableFrames)
{
    EXPECT_EQ(hex(readFrame(plan(1), ReadDeviceInfo)), QLatin1String("0da54d04014c"));
    EXPECT_EQ(hex(setDpiFrame(plan(1), 2)), QLatin1String("0da54d0516024c"));
    // The report rate goes out as the index of the chosen entry, one byte.
    EXPECT_EQ(hex(setReportRateFrame(plan(1), 2)), QLatin1String("0da54d0517024c"));
    EXPECT_EQ(hex(setLightingModeFrame(plan(1), 2)), QLatin1String("0da54d0519024c"));
    EXPECT_EQ(hex(setLightingBrightnessFrame(plan(1), 80)), QLatin1String("0da54d051a504c"));
    EXPECT_EQ(hex(setLightingSpeedFrame(plan(1), 3)), QLatin1String("0da54d051b034c"));
    EXPECT_EQ(hex(setLightingColorFrame(plan(1), 5)), QLatin1String("0da54d051c054c"));
    EXPECT_EQ(hex(setHandFrame(plan(1), 1)), QLatin1String("0da54d051d014c"));
    EXPECT_EQ(hex(setDpiFrame(plan(6), 2)), QLatin1String("0c4d0516024c"));
    EXPECT_EQ(hex(setDpiFrame(plan(3), 2)), QLatin1String("0fa64d0516024c"));
    EXPECT_EQ(hex(actionFrame(plan(1), RgbOn)), QLatin1String("0da54d04254c"));
    EXPECT_EQ(hex(bluetoothPlan().prefix), QLatin1String("a5"));
}

TEST(VQDeviceProtocolTest, ValuesOutsideTheRangesBuildNothing)
{
    EXPECT_TRUE(setDpiFrame(plan(1), 16).isEmpty());
    EXPECT_TRUE(setDpiFrame(plan(1), -1).isEmpty());
    EXPECT_TRUE(setReportRateFrame(plan(1), -1).isEmpty());
    EXPECT_TRUE(setReportRateFrame(plan(1), 256).isEmpty());
    EXPECT_TRUE(setLightingModeFrame(plan(1), 4).isEmpty());
    EXPECT_TRUE(setLightingBrightnessFrame(plan(1), 0).isEmpty());
    EXPECT_TRUE(setLightingBrightnessFrame(plan(1), 101).isEmpty());
    EXPECT_TRUE(setLightingSpeedFrame(plan(1), 6).isEmpty());
    EXPECT_TRUE(setLightingColorFrame(plan(1), 0).isEmpty());
    EXPECT_TRUE(setLightingColorFrame(plan(1), 9).isEmpty());
    EXPECT_TRUE(setHandFrame(plan(1), 2).isEmpty());
    EXPECT_TRUE(typeKeyFrame(plan(1), 256, 4).isEmpty());
    EXPECT_TRUE(countdownFrame(-1).isEmpty());
    EXPECT_TRUE(countdownFrame(65536).isEmpty());
    EXPECT_TRUE(laserPenModeFrames(Link::Bluetooth, 0, 5).isEmpty());

    // The largest argument list that fits a 33-byte report with a prefix is 27 bytes.
    EXPECT_EQ(buildFrame(plan(1), 0x01, QByteArray(27, '\1')).size(), 33);
    EXPECT_TRUE(buildFrame(plan(1), 0x01, QByteArray(28, '\1')).isEmpty());
    EXPECT_EQ(buildFrame(plan(6), 0x01, QByteArray(28, '\1')).size(), 33);
}

TEST(VQDeviceProtocolTest, TypedPasteChordUsesControlOnLinux)
{
    EXPECT_EQ(hex(typeKeyFrame(plan(1), 8, 25)), QLatin1String("0da54d062201194c"));
    EXPECT_EQ(hex(typeKeyFrame(plan(1), 0, 40)), QLatin1String("0da54d062200284c"));
    // Right GUI becomes Right Control; other bits stay.
    EXPECT_EQ(linuxModifier(0x80), 0x10);
    EXPECT_EQ(linuxModifier(0x0A), 0x03);
}

TEST(VQDeviceProtocolTest, LaserPenFramesPerTransportAndPlan)
{
    const auto hexList = [](const QList<QByteArray>& frames) {
        QStringList out;
        for (const QByteArray& f : frames)
            out.append(hex(f));
        return out;
    };
    EXPECT_EQ(hexList(laserPenModeFrames(Link::Bluetooth, 0, 3)), QStringList{QStringLiteral("0da54d05aa034c")});
    EXPECT_EQ(hexList(laserPenModeFrames(Link::Usb, 2, 1)), QStringList{QStringLiteral("0da54d05aa014c")});
    // Plans without the command get a report of zeros of their length in its place.
    EXPECT_EQ(laserPenModeFrames(Link::Usb, 6, 1), QList<QByteArray>{QByteArray(33, '\0')});
    EXPECT_EQ(laserPenModeFrames(Link::Usb, 3, 1), QList<QByteArray>{QByteArray(64, '\0')});
    EXPECT_TRUE(laserPenModeFrames(Link::Usb, 0, 1).isEmpty());

    EXPECT_EQ(hexList(laserPenPointerModeFrames(Link::Bluetooth, 0, true)),
              QStringList{QStringLiteral("0da54d04ab4c")});
    EXPECT_EQ(hexList(laserPenPointerModeFrames(Link::Usb, 2, false)), QStringList{QStringLiteral("0da54d04ac4c")});
    const QList<QByteArray> sixOn = laserPenPointerModeFrames(Link::Usb, 6, true);
    ASSERT_EQ(sixOn.size(), 2);
    EXPECT_EQ(hex(sixOn.at(0)), QLatin1String("0c4d04b04c"));
    EXPECT_EQ(sixOn.at(1), QByteArray(33, '\0'));
    EXPECT_EQ(hex(laserPenPointerModeFrames(Link::Usb, 6, false).value(0)), QLatin1String("0c4d04b14c"));
    EXPECT_EQ(laserPenPointerModeFrames(Link::Usb, 1, true), QList<QByteArray>{QByteArray(33, '\0')});
    EXPECT_EQ(laserPenPointerModeFrames(Link::Usb, 5, false), QList<QByteArray>{QByteArray(64, '\0')});

    EXPECT_EQ(hex(hardLaserFrame(true)), QLatin1String("0c4d04b44c"));
    EXPECT_EQ(hex(hardLaserFrame(false)), QLatin1String("0c4d04b54c"));
    EXPECT_EQ(hex(countdownFrame(300)), QLatin1String("0c4d06ff012c4c"));
    EXPECT_EQ(hex(countdownFrame(0)), QLatin1String("0c4d06ff00004c"));
}

TEST(VQDeviceProtocolTest, TableRepliesAreRead)
{
    const Report info = parsed(padded("0da54d0c0101003800030101014c"));
    EXPECT_EQ(info.kind, ReportKind::DeviceInfo);
    EXPECT_EQ(info.info.deviceType, 1);
    EXPECT_EQ(info.info.mouseType, 56);
    EXPECT_EQ(info.info.mouseSource, 0);
    EXPECT_EQ(info.info.sensorType, 3);
    EXPECT_EQ(info.info.state, 1);
    EXPECT_EQ(info.info.samplingRate, 1);
    EXPECT_EQ(info.info.keySetting, 1);

    const Report sn = parsed(padded("0da54d0f020a565131323334353637384c"));
    EXPECT_EQ(sn.kind, ReportKind::SerialNumber);
    EXPECT_EQ(sn.text, QStringLiteral("VQ12345678"));

    const Report firmware = parsed(padded("0da54d07030231324c"));
    EXPECT_EQ(firmware.kind, ReportKind::FirmwareVersion);
    EXPECT_EQ(firmware.text, QStringLiteral("12"));

    const Report battery = parsed(padded("0da54d0605034b4c"));
    EXPECT_EQ(battery.kind, ReportKind::Battery);
    EXPECT_EQ(battery.second, 3);
    EXPECT_EQ(battery.value, 75);

    EXPECT_EQ(parsed(padded("0da54d0506024c")).value, 2);
    const Report rate = parsed(padded("0da54d060703e84c"));
    EXPECT_EQ(rate.kind, ReportKind::ReportRate);
    EXPECT_EQ(rate.value, 1000);
    const Report color = parsed(padded("0da54d050c054c"));
    EXPECT_EQ(color.kind, ReportKind::LightingColor);
    EXPECT_EQ(color.value, 5);
    const Report ack = parsed(padded("0da54d0516004c"));
    EXPECT_EQ(ack.kind, ReportKind::Acknowledgement);
    EXPECT_EQ(ack.command, SetDpi);
    EXPECT_EQ(ack.value, 0);
    const Report key = parsed(padded("0da54d0530214c"));
    EXPECT_EQ(key.kind, ReportKind::Key);
    EXPECT_EQ(key.value, 33);
    const Report pen = parsed(padded("0da54d06319a014c"));
    EXPECT_EQ(pen.kind, ReportKind::PenEvent);
    EXPECT_EQ(pen.value, 0x9A);
    EXPECT_EQ(pen.second, 1);

    // Other plans: no prefix on plan 6, 64-byte reports on plan 3, unpadded Bluetooth frames.
    EXPECT_EQ(parsed(padded("0c4d0506024c"), plan(6)).value, 2);
    EXPECT_EQ(parsed(padded("0fa64d0506024c", 64), plan(3)).value, 2);
    EXPECT_EQ(parsed(bytes("0da54d0506024c"), bluetoothPlan()).value, 2);
    // An empty serial number is allowed (the device has none).
    EXPECT_TRUE(parsed(padded("0da54d0502004c")).text.isEmpty());
}

TEST(VQDeviceProtocolTest, AnyNonZeroDeviceInfoFlagMeansTrue)
{
    struct Row {
        const char* flags; // sampling flag, key-setting flag
        int sampling;
        int keySetting;
    };
    const Row rows[] = {{"0000", 0, 0}, {"0100", 1, 0}, {"0001", 0, 1}, {"0200", 1, 0},
                        {"0002", 0, 1}, {"80ff", 1, 1}, {"ff01", 1, 1}};
    for (const Row& row : rows) {
        const QByteArray text = QByteArray("0da54d0c01010038000301") + row.flags + "4c";
        const ParseResult result = parseReport(plan(1), padded(text.constData()));
        ASSERT_TRUE(result.report.has_value()) << row.flags << ": " << result.error.toStdString();
        EXPECT_EQ(result.report->info.samplingRate, row.sampling) << row.flags;
        EXPECT_EQ(result.report->info.keySetting, row.keySetting) << row.flags;
    }
}

TEST(VQDeviceProtocolTest, MalformedReportsAreRefusedWithAReason)
{
    const char* const bad[] = {
        "",                                 // nothing
        "0da54d",                           // shorter than the header
        "0ea54d0506024c",                   // another report id
        "0da64d0506024c",                   // another prefix
        "0da54e0506024c",                   // no 'M'
        "0da54d03064c",                     // length below 4
        "0da54d080602",                     // cut off before the end mark
        "0da54d0506024b",                   // no 'L' where the length points
        "0da54d057f024c",                   // unknown command byte
        "0da54d04064c",                     // DPI reply without its value
        "0da54d060602024c",                 // DPI reply with two values
        "0da54d0506104c",                   // DPI step 16
        "0da54d0605036565",                 // battery cut off
        "0da54d060503654c",                 // battery 101 %
        "0da54d0605050a4c",                 // battery level 5
        "0da54d060700004c",                 // report rate 0
        "0da54d0c0106003800030101014c",     // device type 6
        "0da54d0c0101003803030101014c",     // source region 3
        "0da54d0c0101003800030501014c",     // state 5
        "0da54d0b01010038000301014c",       // device information one byte short
        "0da54d07030231094c",               // firmware text with a control character
        "0da54d0502034c",                   // serial number length 3 with no characters
        "0da54d0a031541414141414c",         // text length beyond the arguments
    };
    for (const char* text : bad) {
        const ParseResult result = parseReport(plan(1), bytes(text));
        EXPECT_FALSE(result.report.has_value()) << text;
        EXPECT_FALSE(result.error.isEmpty()) << text;
        // Zero padding behind the same bytes changes nothing.
        if (QByteArray(text).size() > 8) {
            EXPECT_FALSE(parseReport(plan(1), padded(text)).report.has_value()) << text;
        }
    }
    EXPECT_FALSE(parseReport(plan(1), padded("0da54d050a004c")).report.has_value()); // brightness 0
    EXPECT_FALSE(parseReport(plan(1), padded("0da54d06319a024c")).report.has_value()); // pen state 2
    EXPECT_FALSE(parseReport(plan(1), padded("0da54d063192014c")).report.has_value()); // toggle with state
    EXPECT_FALSE(parseReport(plan(1), padded("0da54d0516024c")).report.has_value()); // status 2
}

TEST(VQDeviceProtocolTest, KeysMapToTheEventCodes)
{
    EXPECT_EQ(hubEventForKey(33, false), 33);
    EXPECT_EQ(hubEventForKey(34, false), 34);
    EXPECT_EQ(hubEventForKey(33, true), 37);
    EXPECT_EQ(hubEventForKey(34, true), 38);
    EXPECT_EQ(hubEventForKey(35, true), 35);
    EXPECT_EQ(hubEventForKey(36, false), 36);
    EXPECT_EQ(hubEventForKey(37, false), 37);
    EXPECT_EQ(hubEventForKey(50, true), 50);
    EXPECT_EQ(hubEventForKey(51, false), 51);
    EXPECT_EQ(hubEventForKey(70, false), 70);
    for (int key : {0, 30, 31, 32, 39, 49, 71, 0x80, 0x83, 0x84, 255})
        EXPECT_FALSE(hubEventForKey(key, false)) << key;
    EXPECT_EQ(modeKeyEvent(true), 31);
    EXPECT_EQ(modeKeyEvent(false), 30);

    EXPECT_TRUE(isAiHelperKey(0x84));
    EXPECT_TRUE(isAiHelperKey(0xC3));
    EXPECT_FALSE(isAiHelperKey(0x85));
    EXPECT_FALSE(isAiHelperKey(0xC1));
    // The screenshot keys are neither AI helper keys nor each other's neighbours.
    for (int key : {0x80, 0x83}) {
        EXPECT_TRUE(isScreenshotKey(key)) << key;
        EXPECT_FALSE(isAiHelperKey(key)) << key;
    }
    for (int key : {0x7F, 0x81, 0x82, 0x84, 128 + 256})
        EXPECT_FALSE(isScreenshotKey(key)) << key;

    EXPECT_EQ(penKeyForNumber(64), PenKey::ModeKey);
    EXPECT_EQ(penKeyForNumber(69), PenKey::EffectPressed);
    EXPECT_EQ(penKeyForNumber(70), PenKey::EffectReleased);
    EXPECT_EQ(penKeyForNumber(76), PenKey::ClearKey);
    EXPECT_EQ(penKeyForNumber(32), PenKey::VoiceModeKey);
    EXPECT_EQ(penKeyForNumber(38), PenKey::VoiceReleased);
    EXPECT_FALSE(penKeyForNumber(33));
    EXPECT_EQ(penKeyForEvent(0x90, 0), PenKey::ModeKey);
    EXPECT_EQ(penKeyForEvent(0x92, 0), PenKey::EffectToggle);
    EXPECT_EQ(penKeyForEvent(0x93, 0), PenKey::EffectOff);
    EXPECT_EQ(penKeyForEvent(0x9A, 1), PenKey::VoicePressed);
    EXPECT_EQ(penKeyForEvent(0x9A, 0), PenKey::VoiceReleased);
    EXPECT_EQ(penKeyForEvent(0x9B, 0), PenKey::VoiceModeKey);
    EXPECT_FALSE(penKeyForEvent(0x91, 0));
}
