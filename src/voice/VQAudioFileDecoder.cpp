#include "VQAudioFileDecoder.h"

#include "MMLog.h"
#include "RunOnMain.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioFormat>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatExtensible = 0xFFFE;

quint16 u16(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

VQAudioFileDecoder::WavInfo VQAudioFileDecoder::parseWav(const QByteArray& bytes)
{
    WavInfo info;
    const qint64 size = bytes.size();
    if (size < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return info;
    bool haveFormat = false;
    int blockAlign = 0;
    qint64 at = 12;
    while (at + 8 <= size) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 chunkSize = qint64(u32(bytes, at + 4));
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (chunkSize < 16 || body + 16 > size)
                return info;
            info.formatTag = u16(bytes, body);
            info.channels = u16(bytes, body + 2);
            info.sampleRate = int(u32(bytes, body + 4) & 0x7fffffff);
            blockAlign = u16(bytes, body + 12);
            info.bitsPerSample = u16(bytes, body + 14);
            if (info.formatTag == kFormatExtensible && chunkSize >= 40 && body + 26 <= size)
                info.formatTag = u16(bytes, body + 24); // the sub-format's leading tag
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || blockAlign <= 0 || info.channels <= 0)
                return info;
            const qint64 available = std::min(chunkSize, size - body);
            info.dataOffset = body;
            info.dataSize = available - available % blockAlign;
            info.isWav = true;
            info.isPcm16kMono = info.formatTag == kFormatPcm && info.channels == 1 && info.sampleRate == kSampleRate
                                && info.bitsPerSample == 16 && blockAlign == 2;
            return info;
        }
        at = body + chunkSize + (chunkSize & 1);
    }
    return info;
}

VQAudioFileDecoder::VQAudioFileDecoder(QObject* parent)
    : QObject(parent)
{
}

VQAudioFileDecoder::~VQAudioFileDecoder()
{
    delete m_decoder;
}

void VQAudioFileDecoder::decode(const QString& path, Done done)
{
    const quint64 serial = ++m_serial;
    delete std::exchange(m_decoder, nullptr);
    m_running = true;
    m_done = std::move(done);
    QPointer<VQAudioFileDecoder> self(this);
    QThreadPool::globalInstance()->start([self, serial, path] {
        QFile file(path);
        QByteArray bytes;
        QString error;
        bool ok = QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
        if (ok) {
            bytes = file.readAll();
            ok = file.error() == QFileDevice::NoError;
        }
        if (!ok)
            error = file.errorString();
        mm::runOnMain([self, serial, path, ok, bytes, error] {
            if (self)
                self->fileRead(serial, path, ok, bytes, error);
        });
    });
}

void VQAudioFileDecoder::fileRead(quint64 serial, const QString& path, bool ok, const QByteArray& bytes,
                                  const QString& error)
{
    if (serial != m_serial)
        return;
    if (!ok) {
        finish(serial, Result::Unreadable, {}, error);
        return;
    }
    const WavInfo wav = parseWav(bytes);
    if (wav.isPcm16kMono) {
        finish(serial, Result::Ok, bytes.mid(wav.dataOffset, wav.dataSize), {});
        return;
    }
    decodeWithQt(serial, path);
}

void VQAudioFileDecoder::decodeWithQt(quint64 serial, const QString& path)
{
    auto* decoder = new QAudioDecoder;
    m_decoder = decoder;
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    decoder->setAudioFormat(format);
    // The GStreamer backend takes only absolute file addresses.
    decoder->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    auto pcm = std::make_shared<QByteArray>();
    connect(decoder, &QAudioDecoder::bufferReady, this, [decoder, pcm] {
        const QAudioBuffer buffer = decoder->read();
        if (buffer.isValid())
            pcm->append(buffer.constData<char>(), buffer.byteCount());
    });
    connect(decoder, &QAudioDecoder::finished, this, [this, serial, pcm] {
        if (pcm->isEmpty())
            finish(serial, Result::Undecodable, {}, QStringLiteral("no audio in the file"));
        else
            finish(serial, Result::Ok, *pcm, {});
    });
    connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
            [this, serial, decoder](QAudioDecoder::Error) { finish(serial, Result::Undecodable, {}, decoder->errorString()); });
    decoder->start();
}

void VQAudioFileDecoder::finish(quint64 serial, Result result, const QByteArray& pcm, const QString& error)
{
    if (serial != m_serial || !m_running)
        return;
    m_running = false;
    if (m_decoder) {
        // Deleted later: this may run inside one of its signals.
        QObject* decoder = std::exchange(m_decoder, nullptr);
        decoder->disconnect(this);
        decoder->deleteLater();
    }
    if (result != Result::Ok)
        VQLogWarn(QStringLiteral("audio file not decoded: %1").arg(error));
    const Done done = std::exchange(m_done, nullptr);
    if (done)
        done(result, pcm, error);
}
