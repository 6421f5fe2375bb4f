#include "VQSpeechService.h"

#include "AudioCaptureBackend.h"
#include "MMLog.h"
#include "MMPrivateFolder.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQToolManager.h"

#include <QFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QThreadPool>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>

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

// The file of the last recording. Touched on the file worker only, in the order of the
// recordings, so each start deletes the file written before it.
QString& lastRecordingFile()
{
    static QString path;
    return path;
}

// Writes the recording to a new file of its own, made where no one else can open or plant
// anything (never through a link, never an existing file, mode 0600), and reads it back. The
// file's bytes, or "" with the reason in *problem (nothing is left behind then).
QByteArray writeRecording(const QByteArray& bytes, QString* path, QString* problem)
{
    const QStringList folders = mm::programPrivateFolders();
    if (folders.isEmpty()) {
        *problem = QStringLiteral("no private folder of the user's can be made");
        return {};
    }
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
        *path = folders.first() + QStringLiteral("/selfRecord-%1.wav").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        fd = ::open(QFile::encodeName(*path).constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *problem = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    QFile file;
    QByteArray written;
    if (file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle) && file.write(bytes) == bytes.size() && file.flush()
        && file.seek(0)) {
        // The caller gets the file as it is on the disk.
        written = file.readAll();
    }
    *problem = file.errorString();
    if (written.size() != bytes.size()) {
        file.remove();
        return {};
    }
    return written;
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

void VQSpeechService::startRecordingCallback(Callback callback)
{
    if (isRecording()) {
        VQLogInfo(QStringLiteral("a recording runs: it is stopped, no new one starts"));
        stopRecording();
        return;
    }
    const quint64 recording = ++m_recording;
    fileWorker().start([] {
        if (!lastRecordingFile().isEmpty())
            QFile::remove(std::exchange(lastRecordingFile(), QString()));
    });
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
    VQLogInfo(QStringLiteral("recording"));
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
        QString path;
        QString problem;
        const QByteArray bytes = writeRecording(VQToolManager::wavFileHeader(quint32(pcm.size()), kSampleRate) + pcm, &path, &problem);
        const bool ok = !bytes.isEmpty();
        if (ok)
            lastRecordingFile() = path;
        mm::runOnMain([self, callback, ok, bytes, problem, path] {
            if (!self)
                return;
            if (!ok) {
                VQLogError(QStringLiteral("the recording %1 cannot be written or read: %2").arg(path, problem));
                callback(false, failureText());
                return;
            }
            self->m_path = path;
            VQLogInfo(QStringLiteral("recording written to %1: %2 bytes").arg(path).arg(bytes.size()));
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
