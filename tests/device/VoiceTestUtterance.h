#pragma once

// A real spoken utterance for the voice-stream tests, made at test time: espeak-ng speaks a
// sentence, sox turns it into 16 kHz mono 16-bit PCM, encodes that as IMA ADPCM WAV, and decodes
// the ADPCM WAV again on its own. The ADPCM blocks are what the simulated devices stream; sox's
// decoding is the independent reference the program's decoder and recording are held to.
#include "VQAdpcmDecoder.h"
#include "VQVoiceStream.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <memory>
#include <vector>

namespace voicetest {

// The program's decoding of ADPCM blocks, each block on its own, as little-endian PCM bytes.
inline QByteArray decodedPcm(const QByteArray& adpcm)
{
    QByteArray out;
    std::vector<qint16> samples(VQVoiceStream::kSamplesPerBlock);
    for (qsizetype at = 0; at < adpcm.size(); at += VQVoiceStream::kBlockBytes) {
        const int size = int(std::min<qsizetype>(VQVoiceStream::kBlockBytes, adpcm.size() - at));
        const int n = VQAdpcmDecoder::decodeBlock(reinterpret_cast<const quint8*>(adpcm.constData() + at), size,
                                                  samples.data());
        for (int i = 0; i < n; ++i) {
            out.append(char(samples[std::size_t(i)] & 0xFF));
            out.append(char((samples[std::size_t(i)] >> 8) & 0xFF));
        }
    }
    return out;
}


struct Utterance {
    QString error;         // why it could not be made (empty when it was)
    int sampleRate = 0;
    int blockAlign = 0;    // bytes per ADPCM block, from the WAV's format chunk
    int samplesPerBlock = 0;
    QByteArray adpcm;      // the WAV's data chunk: the ADPCM blocks in order
    QByteArray soxPcm;     // sox's decoding of the same file, 16-bit little-endian
    int soxSamples() const { return int(soxPcm.size() / 2); }
    int blocks() const { return blockAlign > 0 ? int(adpcm.size() / blockAlign) : 0; }
};

inline QString run(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return QStringLiteral("%1 is not installed (scripts/setup installs it)").arg(program);
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("%1 %2 failed: %3")
            .arg(program, arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(process.readAllStandardError()));
    return {};
}

inline quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

inline quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Reads an IMA ADPCM WAV file: its format chunk and its data chunk.
inline QString readImaWav(const QString& path, Utterance& u)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(path);
    const QByteArray wav = file.readAll();
    if (wav.size() < 12 || wav.left(4) != "RIFF" || wav.mid(8, 4) != "WAVE")
        return QStringLiteral("%1 is not a WAV file").arg(path);
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = le32(wav, at + 4);
        const qsizetype body = at + 8;
        if (body + size > wav.size())
            return QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
        if (id == "fmt ") {
            if (size < 20 || le16(wav, body) != 0x11 || le16(wav, body + 2) != 1 || le16(wav, body + 14) != 4)
                return QStringLiteral("not mono 4-bit IMA ADPCM");
            u.sampleRate = int(le32(wav, body + 4));
            u.blockAlign = le16(wav, body + 12);
            u.samplesPerBlock = le16(wav, body + 18);
            haveFormat = true;
        } else if (id == "data") {
            u.adpcm = wav.mid(body, size);
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || u.adpcm.isEmpty())
        return QStringLiteral("no format or no data chunk");
    return {};
}

inline Utterance makeUtterance()
{
    static QTemporaryDir dir;
    Utterance u;
    if (!dir.isValid()) {
        u.error = QStringLiteral("no temporary folder");
        return u;
    }
    const QString spoken = dir.filePath(QStringLiteral("spoken.wav"));
    const QString pcm16k = dir.filePath(QStringLiteral("spoken-16k.wav"));
    const QString ima = dir.filePath(QStringLiteral("spoken-ima.wav"));
    const QString decoded = dir.filePath(QStringLiteral("spoken-sox.raw"));
    const QString text = QStringLiteral(
        "Please open the quarterly report, and send it to the whole team before Friday afternoon.");
    for (const auto& [program, arguments] : std::vector<std::pair<QString, QStringList>>{
             {QStringLiteral("espeak-ng"), {QStringLiteral("-w"), spoken, text}},
             {QStringLiteral("sox"),
              {spoken, QStringLiteral("-r"), QStringLiteral("16000"), QStringLiteral("-c"), QStringLiteral("1"),
               QStringLiteral("-b"), QStringLiteral("16"), pcm16k}},
             {QStringLiteral("sox"), {pcm16k, QStringLiteral("-e"), QStringLiteral("ima-adpcm"), ima}},
             {QStringLiteral("sox"),
              {ima, QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-e"), QStringLiteral("signed-integer"),
               QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("--endian"), QStringLiteral("little"),
               decoded}},
         }) {
        u.error = run(program, arguments);
        if (!u.error.isEmpty())
            return u;
    }
    u.error = readImaWav(ima, u);
    if (!u.error.isEmpty())
        return u;
    QFile raw(decoded);
    if (!raw.open(QIODevice::ReadOnly)) {
        u.error = QStringLiteral("cannot read sox's decoding");
        return u;
    }
    u.soxPcm = raw.readAll();
    return u;
}

// Made once per test process.
inline const Utterance& utterance()
{
    static const Utterance u = makeUtterance();
    return u;
}

} // namespace voicetest
