#include "VQFirmwareFile.h"

namespace VQFirmwareFile {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

ParseResult refuse(const QString& error, int line)
{
    ParseResult result;
    result.error = error;
    result.line = line;
    return result;
}

} // namespace

ParseResult parse(const QByteArray& text)
{
    ParseResult result;
    const char* const data = text.constData();
    const qsizetype size = text.size();
    int line = 0;
    qsizetype pos = 0;
    while (pos < size) {
        ++line;
        qsizetype end = pos;
        while (end < size && data[end] != '\n')
            ++end;
        qsizetype first = pos;
        qsizetype last = end; // one past the line's last character
        pos = end + 1;
        while (first < last && isBlank(data[first]))
            ++first;
        while (last > first && isBlank(data[last - 1]))
            --last;
        if (first == last)
            continue;
        if (last - first > 2 && data[first] == '0' && (data[first + 1] == 'x' || data[first + 1] == 'X'))
            first += 2;
        const qsizetype digits = last - first;
        if (digits < 1 || digits > 2)
            return refuse(QStringLiteral("line %1 is not one hexadecimal byte").arg(line), line);
        int value = 0;
        for (qsizetype i = first; i < last; ++i) {
            const int digit = hexValue(data[i]);
            if (digit < 0)
                return refuse(QStringLiteral("line %1 is not one hexadecimal byte").arg(line), line);
            value = value * 16 + digit;
        }
        if (result.bytes.size() >= kMaxFirmwareBytes)
            return refuse(QStringLiteral("the image is larger than %1 bytes").arg(kMaxFirmwareBytes), 0);
        result.bytes.append(char(quint8(value)));
    }
    if (result.bytes.isEmpty())
        return refuse(QStringLiteral("the file holds no byte"), 0);
    return result;
}

quint16 crc16(const QByteArray& bytes)
{
    quint16 crc = 0xFFFF;
    for (char c : bytes) {
        crc ^= quint16(quint8(c)) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

} // namespace VQFirmwareFile
