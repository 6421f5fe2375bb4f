#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

// Firmware files as the maker's server delivers them: text with one hexadecimal byte per line.
// parse() and crc16() are pure functions over bytes; readFile() and loadFile() read a file (the
// latter on a worker thread). Nothing here touches a device or the log.
//
// A line holds one byte as one or two hexadecimal digits (either letter case), optionally
// written with a "0x" prefix; blanks and tabs around it and a carriage return before the line
// feed are allowed, and blank lines are skipped. Anything else makes the whole file malformed,
// and so does a file without any byte or with more image bytes than the caller's limit (the
// largest image the device's link can carry, VQOTAProtocol::maxImageBytes).
namespace VQFirmwareFile {

// Text allowed per image byte: "0xff\r\n" takes 6, and a little room for blanks.
inline constexpr qint64 kMaxTextBytesPerByte = 8;

// The largest file read for an image limit.
constexpr qint64 maxFileBytes(qint64 maxImageBytes)
{
    return maxImageBytes * kMaxTextBytesPerByte;
}

struct ParseResult {
    QByteArray bytes; // the image; empty when the file was refused
    QString error;    // why the file was refused; empty on success
    int line = 0;     // the 1-based line the error was found on, 0 when it concerns the whole file
    quint16 crc = 0;  // crc16(bytes), filled in by loadFile() on its worker thread

    bool ok() const { return error.isEmpty(); }
};

ParseResult parse(const QByteArray& text, qint64 maxImageBytes);

// CRC-16/CCITT-FALSE (polynomial 0x1021, initial value 0xffff, no reflection, no final xor)
// of the image; "123456789" gives 0x29b1. The device checks the whole image against it.
quint16 crc16(const QByteArray& bytes);

// Reads and parses the file at the path, blocking: for worker threads. A missing path, a file
// larger than maxFileBytes(maxImageBytes) (refused unread) and a read error are refused like a
// malformed file; every error names the file.
ParseResult readFile(const QString& path, qint64 maxImageBytes);

// readFile() on a worker thread of the global thread pool, with the image's crc16() computed
// there as well (a large image's CRC would stall the main thread); done gets the result on the
// main thread, never inside the call. Results of several loads arrive in the order they finish.
void loadFile(const QString& path, qint64 maxImageBytes, std::function<void(ParseResult)> done);

} // namespace VQFirmwareFile
