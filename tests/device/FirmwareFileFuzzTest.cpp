// A million random and mutated firmware files through the parser (run under ASan and UBSan):
// nothing crashes or reads out of bounds, and what it accepts is exactly what a line-by-line
// reading of the rules gives.
#include "VQFirmwareFile.h"

#include <QList>

#include <gtest/gtest.h>

#include <cctype>
#include <random>

namespace {

// The rules read slowly and plainly, to compare the parser with.
std::optional<QByteArray> reference(const QByteArray& text)
{
    QByteArray out;
    for (QByteArray line : text.split('\n')) {
        while (!line.isEmpty() && (line.front() == ' ' || line.front() == '\t' || line.front() == '\r'))
            line.remove(0, 1);
        while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.size() > 2 && line.at(0) == '0' && (line.at(1) == 'x' || line.at(1) == 'X'))
            line.remove(0, 2);
        if (line.size() > 2)
            return std::nullopt;
        for (char c : line) {
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return std::nullopt;
        }
        out.append(char(line.toInt(nullptr, 16)));
    }
    if (out.isEmpty())
        return std::nullopt;
    return out;
}

QByteArray randomFile(std::mt19937& random)
{
    static const char alphabet[] = "0123456789abcdefABCDEFxX \t\r\n\n\n-+g\0\xff";
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<int> length(0, 48);
    QByteArray out;
    switch (kind(random)) {
    case 0: { // any bytes
        std::uniform_int_distribution<int> byte(0, 255);
        out.resize(length(random));
        for (char& c : out)
            c = char(byte(random));
        return out;
    }
    case 1: { // characters the format uses, in any order
        std::uniform_int_distribution<int> pick(0, int(sizeof(alphabet)) - 2);
        out.resize(length(random));
        for (char& c : out)
            c = alphabet[pick(random)];
        return out;
    }
    default: { // a valid file, then one byte changed, inserted or cut
        std::uniform_int_distribution<int> byte(0, 255);
        const int lines = length(random) / 4 + 1;
        for (int i = 0; i < lines; ++i)
            out.append(QByteArray::number(byte(random), 16)).append('\n');
        std::uniform_int_distribution<int> at(0, int(out.size()) - 1);
        const int position = at(random);
        switch (byte(random) % 3) {
        case 0:
            out[position] = char(byte(random));
            break;
        case 1:
            out.insert(position, char(byte(random)));
            break;
        default:
            out.truncate(position);
            break;
        }
        return out;
    }
    }
}

} // namespace

TEST(FirmwareFileFuzzTest, MillionRandomFilesAgreeWithTheRules)
{
    std::mt19937 random(20240611);
    int accepted = 0;
    for (int i = 0; i < 1000000; ++i) {
        const QByteArray text = randomFile(random);
        const VQFirmwareFile::ParseResult parsed = VQFirmwareFile::parse(text, 1 << 20);
        const std::optional<QByteArray> expected = reference(text);
        ASSERT_EQ(parsed.ok(), expected.has_value()) << text.toHex().constData();
        if (expected) {
            ASSERT_EQ(parsed.bytes, *expected) << text.toHex().constData();
            ++accepted;
        } else {
            ASSERT_TRUE(parsed.bytes.isEmpty());
            ASSERT_FALSE(parsed.error.isEmpty());
        }
    }
    // Both outcomes were exercised in quantity.
    EXPECT_GT(accepted, 50000);
    EXPECT_LT(accepted, 950000);
}
