#include "SimulatedWavFile.h"

#include <QFile>
#include <QtEndian>

namespace SimulatedWavFile {

namespace {

constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
// The sub-format GUID of WAVE_FORMAT_EXTENSIBLE after its first two bytes (the format code).
constexpr char kSubFormatTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool readVoice(const QString& path, QList<qint16>* samples, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() > kMaxFileBytes)
        return fail(error, QStringLiteral("%1 is larger than 64 MiB").arg(path));
    const QByteArray wav = file.readAll();
    if (wav.size() < 12 || wav.left(4) != "RIFF" || wav.mid(8, 4) != "WAVE")
        return fail(error, QStringLiteral("%1 is not a WAV file").arg(path));
    const auto le16 = [&wav](qsizetype at) { return int(qFromLittleEndian<quint16>(wav.constData() + at)); };
    const auto le32 = [&wav](qsizetype at) { return qint64(qFromLittleEndian<quint32>(wav.constData() + at)); };

    bool haveFormat = false;
    QByteArray data;
    bool haveData = false;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qint64 size = le32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > wav.size())
            return fail(error, QStringLiteral("the %1 chunk runs past the end of the file").arg(QString::fromLatin1(id.trimmed())));
        if (id == "fmt ") {
            if (size < 16)
                return fail(error, QStringLiteral("the format chunk is too short"));
            int format = le16(body);
            const int channels = le16(body + 2);
            const qint64 rate = le32(body + 4);
            const int bits = le16(body + 14);
            if (format == 0xFFFE) {
                // WAVE_FORMAT_EXTENSIBLE: the format code is the first two bytes of the sub-format GUID.
                if (size < 40 || wav.mid(body + 26, 14) != QByteArray(kSubFormatTail, 14))
                    return fail(error, QStringLiteral("an extensible format that is not PCM"));
                format = le16(body + 24);
            }
            if (format != 1)
                return fail(error, QStringLiteral("format %1, not PCM").arg(format));
            if (channels != 1)
                return fail(error, QStringLiteral("%1 channels, not mono").arg(channels));
            if (rate != 16000)
                return fail(error, QStringLiteral("%1 Hz, not 16000 Hz").arg(rate));
            if (bits != 16)
                return fail(error, QStringLiteral("%1 bits, not 16").arg(bits));
            haveFormat = true;
        } else if (id == "data") {
            data = wav.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat)
        return fail(error, QStringLiteral("no format chunk"));
    if (!haveData || data.size() < 2)
        return fail(error, QStringLiteral("no samples"));
    samples->clear();
    samples->reserve(data.size() / 2);
    for (qsizetype at = 0; at + 1 < data.size(); at += 2)
        samples->append(qFromLittleEndian<qint16>(data.constData() + at));
    return true;
}

} // namespace SimulatedWavFile
