#include "QtAudioCaptureBackend.h"

#include "MMLog.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>

namespace {

QString errorText(QAudio::Error error)
{
    switch (error) {
    case QAudio::NoError:
        return QStringLiteral("no error");
    case QAudio::OpenError:
        return QStringLiteral("the input device could not be opened");
    case QAudio::IOError:
        return QStringLiteral("reading from the input device failed");
    case QAudio::UnderrunError:
        return QStringLiteral("the input device delivered no data");
    case QAudio::FatalError:
        return QStringLiteral("the input device is not usable");
    }
    return QStringLiteral("unknown error %1").arg(int(error));
}

QAudioFormat captureFormat()
{
    QAudioFormat format;
    format.setSampleRate(AudioCaptureBackend::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

QtAudioCaptureBackend::~QtAudioCaptureBackend()
{
    ++m_generation;
    delete m_source.data();
}

bool QtAudioCaptureBackend::start(DataHandler onData, ErrorHandler onError, QString* errorTextOut)
{
    stop();
    auto fail = [&](const QString& reason) {
        if (errorTextOut)
            *errorTextOut = reason;
        return false;
    };

    QAudioDevice device;
    if (!m_deviceId.isEmpty()) {
        const QList<QAudioDevice> inputs = QMediaDevices::audioInputs();
        for (const QAudioDevice& candidate : inputs) {
            if (candidate.id() == m_deviceId) {
                device = candidate;
                break;
            }
        }
        if (device.isNull())
            VQLogWarn(QStringLiteral("chosen input %1 is gone, using the default input")
                          .arg(QString::fromUtf8(m_deviceId)));
    }
    if (device.isNull())
        device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return fail(QStringLiteral("no input device"));
    const QAudioFormat format = captureFormat();
    if (!device.isFormatSupported(format))
        return fail(QStringLiteral("%1 cannot record 16 kHz mono 16-bit").arg(device.description()));

    auto* source = new QAudioSource(device, format);
    QIODevice* io = source->start();
    if (!io || source->error() != QAudio::NoError) {
        const QString reason = QStringLiteral("%1: %2").arg(device.description(), errorText(source->error()));
        source->stop();
        delete source;
        return fail(reason);
    }

    const quint64 generation = ++m_generation;
    m_source = source;
    m_io = io;
    m_onData = std::move(onData);
    m_onError = std::move(onError);
    QObject::connect(io, &QIODevice::readyRead, source, [this, generation] {
        if (generation == m_generation)
            readAvailable();
    });
    QObject::connect(source, &QAudioSource::stateChanged, source, [this, generation, source](QAudio::State state) {
        if (generation != m_generation || state != QAudio::StoppedState || source->error() == QAudio::NoError)
            return;
        const QString reason = errorText(source->error());
        ErrorHandler handler = std::move(m_onError);
        ++m_generation;
        releaseSource();
        if (handler)
            handler(reason);
    });
    VQLogInfo(QStringLiteral("capturing from %1").arg(device.description()));
    return true;
}

void QtAudioCaptureBackend::readAvailable()
{
    if (!m_io)
        return;
    const QByteArray data = m_io->readAll();
    if (data.isEmpty() || !m_onData)
        return;
    // The handler may stop this capture (and start another): call a copy.
    DataHandler handler = m_onData;
    handler(data);
}

void QtAudioCaptureBackend::stop()
{
    if (!m_source)
        return;
    const quint64 generation = m_generation;
    readAvailable();
    if (generation != m_generation)
        return; // the data handler stopped or restarted the capture itself
    ++m_generation;
    releaseSource();
}

void QtAudioCaptureBackend::releaseSource()
{
    m_onData = nullptr;
    m_onError = nullptr;
    m_io = nullptr;
    if (QAudioSource* source = m_source.data()) {
        m_source = nullptr;
        source->disconnect();
        source->stop();
        // It may be the sender of the signal being handled.
        source->deleteLater();
    }
}

bool QtAudioCaptureBackend::isActive() const
{
    return !m_source.isNull();
}

void QtAudioCaptureBackend::setInputDeviceId(const QByteArray& id)
{
    m_deviceId = id;
}

QByteArray QtAudioCaptureBackend::inputDeviceId() const
{
    return m_deviceId;
}
