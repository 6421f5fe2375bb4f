#include "VQFirmwareFile.h"

#include "RunOnMain.h"

#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

#include <memory>

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

ParseResult parse(const QByteArray& text, qint64 maxImageBytes)
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
        if (result.bytes.size() >= maxImageBytes)
            return refuse(QStringLiteral("the image is larger than %1 bytes").arg(maxImageBytes), 0);
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

ParseResult readFile(const QString& path, qint64 maxImageBytes)
{
    const qint64 maxBytes = maxFileBytes(maxImageBytes);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return refuse(path.isEmpty() ? QStringLiteral("no firmware file") : QStringLiteral("no firmware file at %1").arg(path), 0);
    if (info.size() > maxBytes)
        return refuse(QStringLiteral("the firmware file %1 is larger than %2 bytes").arg(path).arg(maxBytes), 0);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()), 0);
    // The file may have grown since it was measured: never read more than the limit allows.
    const QByteArray text = file.read(maxBytes + 1);
    if (text.size() > maxBytes)
        return refuse(QStringLiteral("the firmware file %1 is larger than %2 bytes").arg(path).arg(maxBytes), 0);
    if (file.error() != QFileDevice::NoError)
        return refuse(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()), 0);
    ParseResult parsed = parse(text, maxImageBytes);
    if (!parsed.ok())
        parsed.error = QStringLiteral("%1 is not a firmware file: %2").arg(path, parsed.error);
    return parsed;
}

void loadFile(const QString& path, qint64 maxImageBytes, std::function<void(ParseResult)> done)
{
    QThreadPool::globalInstance()->start([path, maxImageBytes, done = std::move(done)]() mutable {
        auto result = std::make_shared<ParseResult>(readFile(path, maxImageBytes));
        if (result->ok())
            result->crc = crc16(result->bytes);
        mm::runOnMain([result, done = std::move(done)] {
            if (done)
                done(std::move(*result));
        });
    });
}

} // namespace VQFirmwareFile
