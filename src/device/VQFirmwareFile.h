#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Firmware files as the maker's server delivers them: text with one hexadecimal byte per line.
// Pure functions over bytes; nothing here touches a file, a device or the log.
//
// A line holds one byte as one or two hexadecimal digits (either letter case), optionally
// written with a "0x" prefix; blanks and tabs around it and a carriage return before the line
// feed are allowed, and blank lines are skipped. Anything else makes the whole file malformed,
// and so does a file without any byte or with more than kMaxFirmwareBytes.
namespace VQFirmwareFile {

// The largest firmware image taken (a mouse or receiver image is far smaller).
inline constexpr qsizetype kMaxFirmwareBytes = 2 * 1024 * 1024;

struct ParseResult {
    QByteArray bytes; // the image; empty when the file was refused
    QString error;    // why the file was refused; empty on success
    int line = 0;     // the 1-based line the error was found on, 0 when it concerns the whole file

    bool ok() const { return error.isEmpty(); }
};

ParseResult parse(const QByteArray& text);

// CRC-16/CCITT-FALSE (polynomial 0x1021, initial value 0xffff, no reflection, no final xor)
// of the image; "123456789" gives 0x29b1. The device checks the whole image against it.
quint16 crc16(const QByteArray& bytes);

} // namespace VQFirmwareFile
