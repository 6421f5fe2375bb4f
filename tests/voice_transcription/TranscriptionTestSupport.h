#pragma once

// Audio files for the transcription tests: 16 kHz mono WAVs written here, other formats made
// with espeak-ng and sox.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtEndian>

namespace transcription {

// A WAV file's bytes: the header of linear PCM with the given form, then the data.
inline QByteArray wavBytes(const QByteArray& data, int rate = 16000, int channels = 1, int bits = 16)
{
    auto u32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    auto u16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const int blockAlign = channels * bits / 8;
    QByteArray wav = "RIFF" + u32(quint32(36 + data.size())) + "WAVE";
    wav += "fmt " + u32(16) + u16(1) + u16(quint16(channels)) + u32(quint32(rate)) + u32(quint32(rate * blockAlign))
           + u16(quint16(blockAlign)) + u16(quint16(bits));
    wav += "data" + u32(quint32(data.size())) + data;
    return wav;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs a tool; true when it ended with 0.
inline bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Speech of the text as a file of the given form: espeak-ng's WAV converted by sox.
inline bool spokenFile(const QString& text, const QString& path, const QStringList& soxOptions, const QString& work)
{
    const QString spoken = work + QStringLiteral("/spoken.wav");
    return run(QStringLiteral("espeak-ng"), {QStringLiteral("-w"), spoken, text})
           && run(QStringLiteral("sox"), QStringList{spoken} + soxOptions + QStringList{path});
}

// The duration sox reads from a file, in seconds; negative when it cannot.
inline double soxDuration(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("soxi"), {QStringLiteral("-D"), path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    bool ok = false;
    const double seconds = QString::fromLatin1(process.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? seconds : -1;
}

} // namespace transcription
