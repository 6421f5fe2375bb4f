#include "VQSpeechService.h"

#include "AudioCaptureBackend.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQToolManager.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSaveFile>
#include <QThreadPool>
#include <QTimer>

namespace {

constexpr qsizetype kMaxBytes = qsizetype(VQSpeechService::kSampleRate) * 2 * VQSpeechService::kMaxRecordingMs / 1000;

// The file's work in order: a delete of a new recording never overtakes the writing of the one before.
QThreadPool& fileWorker()
{
    static auto* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(1);
        return p;
    }();
    return *pool;
}

QString failureText()
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQSpeechService::kRecordFailedText));
}

} // namespace

VQSpeechService& VQSpeechService::sharedInstance()
{
    static auto* service = new VQSpeechService;
    return *service;
}

void VQSpeechService::resetForTests()
{
    VQSpeechService& service = sharedInstance();
    service.endCapture();
    service.m_callback = nullptr;
    service.m_pcm.clear();
    ++service.m_recording;
}

QString VQSpeechService::recordingPath()
{
    return QDir::tempPath() + QLatin1Char('/') + QLatin1String(kFileName);
}

void VQSpeechService::startRecordingCallback(Callback callback)
{
    if (isRecording()) {
        VQLogInfo(QStringLiteral("a recording runs: it is stopped, no new one starts"));
        stopRecording();
        return;
    }
    const quint64 recording = ++m_recording;
    fileWorker().start([path = recordingPath()] { QFile::remove(path); });
    m_pcm.clear();
    QString error;
    m_capturing = AudioCaptureBackend::instance().start(
        [this, recording](const QByteArray& pcm) { takeAudio(recording, pcm); },
        [this, recording](const QString& reason) {
            if (recording != m_recording)
                return;
            VQLogWarn(QStringLiteral("the recording's microphone broke off: %1").arg(reason));
            m_capturing = false;
        },
        &error);
    if (!m_capturing) {
        VQLogError(QStringLiteral("the recording cannot start: %1").arg(error));
        failLater(std::move(callback));
        return;
    }
    m_callback = std::move(callback);
    VQLogInfo(QStringLiteral("recording to %1").arg(recordingPath()));
}

void VQSpeechService::takeAudio(quint64 recording, const QByteArray& pcm)
{
    if (recording != m_recording || !m_callback)
        return;
    const qsizetype room = kMaxBytes - m_pcm.size();
    m_pcm.append(pcm.left(room));
    if (m_pcm.size() >= kMaxBytes) {
        VQLogInfo(QStringLiteral("the recording reached %1 s").arg(kMaxRecordingMs / 1000));
        // The time cap ends the audio; the recording waits for its stop.
        QTimer::singleShot(0, this, [this, recording] {
            if (recording == m_recording)
                endCapture();
        });
    }
}

void VQSpeechService::endCapture()
{
    if (!m_capturing)
        return;
    m_capturing = false;
    AudioCaptureBackend::instance().stop();
}

void VQSpeechService::stopRecording()
{
    if (!m_callback)
        return;
    endCapture(); // what the device still held arrives first
    const Callback callback = std::exchange(m_callback, nullptr);
    const QByteArray pcm = std::exchange(m_pcm, QByteArray());
    ++m_recording;
    QPointer<VQSpeechService> self(this);
    fileWorker().start([self, callback, pcm] {
        const QString path = recordingPath();
        QSaveFile file(path);
        QByteArray bytes = VQToolManager::wavFileHeader(quint32(pcm.size()), kSampleRate) + pcm;
        bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        QString problem = ok ? QString() : file.errorString();
        if (ok) {
            // The caller gets the file as it is on the disk.
            QFile written(path);
            ok = written.open(QIODevice::ReadOnly);
            bytes = ok ? written.readAll() : QByteArray();
            problem = written.errorString();
        }
        mm::runOnMain([self, callback, ok, bytes, problem, path] {
            if (!self)
                return;
            if (!ok) {
                VQLogError(QStringLiteral("the recording %1 cannot be written or read: %2").arg(path, problem));
                callback(false, failureText());
                return;
            }
            VQLogInfo(QStringLiteral("recording written: %1 bytes").arg(bytes.size()));
            callback(true, bytes);
        });
    });
}

void VQSpeechService::cancelRecording()
{
    if (!m_callback)
        return;
    endCapture();
    m_callback = nullptr;
    m_pcm.clear();
    ++m_recording;
    VQLogInfo(QStringLiteral("recording cancelled"));
}

void VQSpeechService::failLater(Callback callback)
{
    QTimer::singleShot(0, this, [callback = std::move(callback)] { callback(false, failureText()); });
}
