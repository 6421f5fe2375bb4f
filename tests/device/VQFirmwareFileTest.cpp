// The firmware-file parser and the transfer frames against the protocol page's rules and example.
#include "VQDeviceProtocol.h"
#include "VQFirmwareFile.h"
#include "VQOTAProtocol.h"

#include <gtest/gtest.h>

using namespace VQOTAProtocol;

namespace {

constexpr qint64 kLimit = 1000;

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

} // namespace

TEST(VQFirmwareFileTest, ReadsOneHexadecimalBytePerLine)
{
    const auto parsed = VQFirmwareFile::parse("01\n0a\r\n  FF \t\n\n0x7f\n0Xb\n3\n", kLimit);
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.bytes, hex("01 0a ff 7f 0b 03"));
    EXPECT_EQ(VQFirmwareFile::parse("c3", kLimit).bytes, hex("c3")); // no line feed at the end
}

TEST(VQFirmwareFileTest, RefusesEmptyAndMalformedFilesWithTheLine)
{
    for (const char* empty : {"", "\n", "  \r\n\t\n"}) {
        const auto parsed = VQFirmwareFile::parse(empty, kLimit);
        EXPECT_FALSE(parsed.ok()) << empty;
        EXPECT_TRUE(parsed.bytes.isEmpty());
    }
    const std::pair<const char*, int> malformed[] = {
        {"01\n123\n", 2}, {"01\n02 03\n", 2}, {"zz\n", 1},   {"01\n0x\n", 2},
        {"0x1ff\n", 1},   {"01\n-1\n", 2},    {"1\x00\n", 1}, {"01\n02\n<html>\n", 3},
    };
    for (const auto& [text, line] : malformed) {
        const auto parsed = VQFirmwareFile::parse(QByteArray(text, qstrlen(text) + (text[1] == '\x00' ? 2 : 0)), kLimit);
        EXPECT_FALSE(parsed.ok()) << text;
        EXPECT_EQ(parsed.line, line) << text;
        EXPECT_TRUE(parsed.bytes.isEmpty()) << text;
    }
    // An image beyond the limit is refused, one at the limit taken.
    const QByteArray atLimit = QByteArray("5a\n").repeated(kLimit);
    EXPECT_EQ(VQFirmwareFile::parse(atLimit, kLimit).bytes.size(), kLimit);
    EXPECT_FALSE(VQFirmwareFile::parse(atLimit + "5a\n", kLimit).ok());
}

// The largest image is what 65535 packets carry on the plan: 25 bytes a packet on the 33-byte
// plans and over Bluetooth LE, 26 without a prefix, 56 on the 64-byte plans.
TEST(VQFirmwareFileTest, TheImageLimitFollowsThePlan)
{
    const std::pair<int, qint64> table[] = {{1, 1638375}, {2, 1638375}, {6, 1703910}, {3, 3669960}, {7, 3669960}};
    for (const auto& [plan, limit] : table)
        EXPECT_EQ(maxImageBytes(*VQDeviceProtocol::chipPlan(plan)), limit) << plan;
    EXPECT_EQ(maxImageBytes(VQDeviceProtocol::bluetoothPlan()), 1638375);
    EXPECT_EQ(largestImageBytes(), 3669960);
}

TEST(VQFirmwareFileTest, FramesFollowTheProtocolPage)
{
    EXPECT_EQ(VQFirmwareFile::crc16("123456789"), 0x29B1);
    EXPECT_EQ(VQFirmwareFile::crc16(hex("010203")), 0xADAD);

    const VQDeviceProtocol::ChipPlan& plan1 = *VQDeviceProtocol::chipPlan(1);
    EXPECT_EQ(startFrame(plan1, Target::Device, 3, 1, 0xADAD), hex("0da54d0d40000000000300 01adad4c"));
    EXPECT_EQ(dataFrame(plan1, 0, hex("010203")), hex("0da54d09410000010203 4c"));
    EXPECT_EQ(endFrame(plan1, Target::Device), hex("0da54d05 42 00 4c"));
    EXPECT_EQ(cancelFrame(*VQDeviceProtocol::chipPlan(6), Target::Receiver), hex("0c4d05 43 01 4c"));

    // Packet sizes: the plan's largest argument list less the index.
    EXPECT_EQ(packetDataSize(plan1), 25);
    EXPECT_EQ(packetDataSize(*VQDeviceProtocol::chipPlan(6)), 26);
    EXPECT_EQ(packetDataSize(*VQDeviceProtocol::chipPlan(3)), 56);
    EXPECT_EQ(packetDataSize(VQDeviceProtocol::bluetoothPlan()), 25);
    EXPECT_EQ(packetCount(plan1, 50), 2);
    EXPECT_EQ(packetCount(plan1, 51), 3);
    EXPECT_TRUE(dataFrame(plan1, 0, QByteArray(26, 'x')).isEmpty());
    EXPECT_EQ(dataFrame(plan1, 0, QByteArray(25, 'x')).size(), 33);
    EXPECT_TRUE(startFrame(plan1, Target::Device, 3, 0, 0).isEmpty());

    const auto ack = parseReply(plan1, hex("0da54d07410102004c") + QByteArray(24, '\0'));
    ASSERT_TRUE(ack.reply.has_value());
    EXPECT_EQ(ack.reply->command, Data);
    EXPECT_EQ(ack.reply->index, 0x0102);
    EXPECT_EQ(ack.reply->status, kStatusOk);
    // A transfer command with a wrong layout is a transfer frame without a reply; other
    // commands and broken frames are left to the report parser.
    const auto bad = parseReply(plan1, hex("0da54d06 42 00 00 4c"));
    EXPECT_TRUE(bad.isTransferFrame);
    EXPECT_FALSE(bad.reply.has_value());
    EXPECT_FALSE(parseReply(plan1, hex("0da54d05 43 01 4c")).reply.has_value());
    EXPECT_FALSE(parseReply(plan1, hex("0da54d05 06 02 4c")).isTransferFrame);
    EXPECT_FALSE(parseReply(plan1, hex("0da54d05 42 00")).isTransferFrame);
}
