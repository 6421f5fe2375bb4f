#include "VQToolManager.h"

#include <atomic>

#include "Clipboard.h"
#include "DesktopOpener.h"
#include "KeyShortcut.h"
#include "KeySynthesizer.h"
#include "MacKeyMap.h"
#include "MMLoggedAddress.h"
#include "MMPrivateFolder.h"
#include "PasteKeys.h"
#include "MMLog.h"
#include "MMString.h"
#include "RunOnMain.h"
#include "UserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThreadPool>
#include <QtEndian>
#include <QUrl>
#include <QVariantMap>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

// Web address prefixes that openBrowserWithCmdString keeps.
const QString kHttpPrefix = QStringLiteral("http://");
const QString kHttpsPrefix = QStringLiteral("https://");

const QString kLogFolderName = QStringLiteral("Log");
const QString kLogFileNameFormat = QStringLiteral("%1_log.txt");
const QString kLogFileDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kLogLineTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

constexpr qint64 kWavHeaderSize = 44;
constexpr qint64 kPcmChunkSize = 256 * 1024;
constexpr int kPcmBitsPerSample = 16;
constexpr int kPcmChannels = 1;

// The longest the log worker's queue is waited for when the logs are flushed (at quit, and
// before the process ends after the loss of the X server).
constexpr int kLogDrainMs = 3000;

thread_local bool t_onLogWorker = false;

// The log worker: one thread, so queued lines reach the file in the order they were given.
// Never destroyed (nor the mutex and header below): lines are drained from exit() handlers too.
QThreadPool& logWorker()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool();
        p->setMaxThreadCount(1);
        mm::addLogFlushStep([p] {
            if (!t_onLogWorker)
                p->waitForDone(kLogDrainMs);
        });
        return p;
    }();
    return *pool;
}

// Serialises the appends to the log file, so lines of concurrent callers never interleave and
// the header of a new file is written exactly once.
QMutex& logFileMutex()
{
    static auto* mutex = new QMutex;
    return *mutex;
}

QMutex& presenterMutex()
{
    static QMutex mutex;
    return mutex;
}

VQToolManager::ErrorPresenter& presenterSlot()
{
    static VQToolManager::ErrorPresenter presenter;
    return presenter;
}

// Host name, MAC address and system version; read once, they do not change while running.
const QByteArray& logFileHeader()
{
    static const QByteArray& header = *new QByteArray([] {
        const QString mac = mm::vq_getMacAddress();
        const QString text = QStringLiteral("Host: %1\nMAC: %2\nSystem: %3 (%4 %5)\n\n")
                                 .arg(QSysInfo::machineHostName(),
                                      mac.isEmpty() ? QStringLiteral("unknown") : mac,
                                      QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                                      QSysInfo::kernelVersion());
        return text.toUtf8();
    }());
    return header;
}

std::array<char, kWavHeaderSize> wavHeader(quint32 dataSize, quint32 sampleRate)
{
    constexpr quint16 blockAlign = kPcmChannels * kPcmBitsPerSample / 8;
    std::array<char, kWavHeaderSize> header {};
    char* p = header.data();
    auto putTag = [&p](const char* tag) {
        std::copy(tag, tag + 4, p);
        p += 4;
    };
    auto put32 = [&p](quint32 value) {
        qToLittleEndian(value, p);
        p += 4;
    };
    auto put16 = [&p](quint16 value) {
        qToLittleEndian(value, p);
        p += 2;
    };
    putTag("RIFF");
    put32(static_cast<quint32>(kWavHeaderSize - 8) + dataSize);
    putTag("WAVE");
    putTag("fmt ");
    put32(16);                      // size of the fmt chunk
    put16(1);                       // integer PCM
    put16(kPcmChannels);
    put32(sampleRate);
    put32(sampleRate * blockAlign); // bytes per second
    put16(blockAlign);
    put16(kPcmBitsPerSample);
    putTag("data");
    put32(dataSize);
    return header;
}

} // namespace

VQToolManager& VQToolManager::sharedInstance()
{
    static VQToolManager instance;
    return instance;
}

namespace {
std::atomic<bool> g_filesDisabled{false};
} // namespace

void VQToolManager::setFilesDisabled(bool disabled)
{
    g_filesDisabled = disabled;
}

bool VQToolManager::filesDisabled()
{
    return g_filesDisabled;
}

QString VQToolManager::getFilePath(const QString& name)
{
    QString whyNot;
    const QString path = getFilePath(name, &whyNot);
    if (path.isEmpty()) {
        if (g_filesDisabled)
            VQLogDebug(whyNot);
        else
            VQLogError(whyNot);
    }
    return path;
}

QString VQToolManager::getFilePath(const QString& name, QString* whyNot)
{
    if (g_filesDisabled) {
        *whyNot = QStringLiteral("No home folder: %1 is not written").arg(name);
        return {};
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        *whyNot = QStringLiteral("No Documents folder is known; cannot make the path of %1").arg(name);
        return {};
    }
    qsizetype start = 0;
    while (start < name.size() && name.at(start) == QLatin1Char('/'))
        ++start;
    const QString path = start == name.size() ? documents : documents + QLatin1Char('/') + name.mid(start);
    if (!QDir().mkpath(documents)) {
        // The whole path is named: the user looks for the file, not for the folder.
        *whyNot = QStringLiteral("%1 cannot be made: the Documents folder %2 cannot be created (a file of that name, or no "
                                 "permission)")
                      .arg(path, documents);
        return {};
    }
    return path;
}

void VQToolManager::writeLog(const QString& text)
{
    writeLogAt(QDateTime::currentDateTime(), text);
}

void VQToolManager::writeLogLater(const QString& text)
{
    const QDateTime now = QDateTime::currentDateTime();
    logWorker().start([now, text] {
        t_onLogWorker = true;
        writeLogAt(now, text);
    });
}

void VQToolManager::waitForLogWorker()
{
    logWorker().waitForDone();
}

void VQToolManager::writeLogAt(const QDateTime& now, const QString& text)
{
    const QString folder = getFilePath(kLogFolderName);
    if (folder.isEmpty())
        return; // getFilePath has logged why
    const QByteArray& header = logFileHeader();
    const QString path = folder + QLatin1Char('/') + kLogFileNameFormat.arg(now.toString(kLogFileDateFormat));
    // Addresses lose their queries here as in the rolling log (they carry tokens and signatures).
    QByteArray line = (now.toString(kLogLineTimeFormat) + QLatin1Char(' ') + mm::withLoggedAddresses(text) + QLatin1Char('\n')).toUtf8();

    QMutexLocker lock(&logFileMutex());
    // The lines tell about the user's devices and pages: the owner's alone.
    if (!mm::makePrivateFolder(folder)) {
        VQLogError(QStringLiteral("The log folder %1 cannot be created").arg(folder));
        return;
    }
    constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerOnly)
        || (file.size() == 0 && !file.setPermissions(kOwnerOnly))) {
        VQLogError(QStringLiteral("The log file %1 cannot be opened: %2").arg(path, file.errorString()));
        return;
    }
    if (file.size() == 0)
        line.prepend(header);
    if (file.write(line) != line.size() || !file.flush())
        VQLogError(QStringLiteral("The log file %1 cannot be written: %2").arg(path, file.errorString()));
}

bool VQToolManager::deleteFileWithPath(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.remove()) {
        VQLogError(QStringLiteral("The file %1 cannot be deleted: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

std::unique_ptr<QFile> VQToolManager::createFileHandleWithPath(const QString& path, bool isAppend)
{
    auto file = std::make_unique<QFile>(path);
    const QIODevice::OpenMode mode =
        QIODevice::WriteOnly | (isAppend ? QIODevice::Append : QIODevice::Truncate);
    if (path.isEmpty() || !file->open(mode)) {
        VQLogError(QStringLiteral("The file \"%1\" cannot be opened for writing: %2")
                       .arg(path, path.isEmpty() ? QStringLiteral("no path") : file->errorString()));
        return nullptr;
    }
    return file;
}

QByteArray VQToolManager::wavFileHeader(quint32 dataSize, int sampleRate)
{
    const auto header = wavHeader(dataSize, static_cast<quint32>(sampleRate));
    return QByteArray(header.data(), kWavHeaderSize);
}

bool VQToolManager::pcmConvertToWav(const QString& pcmPath, const QString& wavPath, int sampleRate)
{
    if (sampleRate <= 0) {
        VQLogError(QStringLiteral("PCM to WAV: invalid sample rate %1").arg(sampleRate));
        return false;
    }
    QFile pcm(pcmPath);
    if (!pcm.open(QIODevice::ReadOnly)) {
        VQLogError(QStringLiteral("PCM to WAV: %1 cannot be read: %2").arg(pcmPath, pcm.errorString()));
        return false;
    }
    // Whole 16-bit samples only: a trailing odd byte is not a sample.
    const qint64 dataSize = pcm.size() & ~qint64(1);
    if (dataSize > qint64(UINT32_MAX) - (kWavHeaderSize - 8)) {
        VQLogError(QStringLiteral("PCM to WAV: %1 is too large for a WAV file (%2 bytes)").arg(pcmPath).arg(dataSize));
        return false;
    }

    QSaveFile wav(wavPath);
    // A recording is the owner's alone: the file gets its permissions before any sample is in it.
    if (!wav.open(QIODevice::WriteOnly) || !wav.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        VQLogError(QStringLiteral("PCM to WAV: %1 cannot be written: %2").arg(wavPath, wav.errorString()));
        return false;
    }
    const auto header = wavHeader(static_cast<quint32>(dataSize), static_cast<quint32>(sampleRate));
    QString failure;
    if (wav.write(header.data(), kWavHeaderSize) != kWavHeaderSize)
        failure = wav.errorString();

    QByteArray buffer(static_cast<qsizetype>(std::min(kPcmChunkSize, std::max<qint64>(dataSize, 1))), Qt::Uninitialized);
    qint64 remaining = dataSize;
    while (failure.isEmpty() && remaining > 0) {
        const qint64 got = pcm.read(buffer.data(), std::min<qint64>(remaining, buffer.size()));
        if (got < 0)
            failure = pcm.errorString();
        else if (got == 0)
            failure = QStringLiteral("the PCM file ended early");
        else if (wav.write(buffer.constData(), got) != got)
            failure = wav.errorString();
        else
            remaining -= got;
    }
    if (!failure.isEmpty()) {
        VQLogError(QStringLiteral("PCM to WAV: copying %1 to %2 failed: %3").arg(pcmPath, wavPath, failure));
        wav.cancelWriting();
        return false;
    }
    if (!wav.commit()) {
        VQLogError(QStringLiteral("PCM to WAV: %1 cannot be saved: %2").arg(wavPath, wav.errorString()));
        return false;
    }
    return true;
}

bool VQToolManager::isHaveText(const QString& text)
{
    QString rest = text.trimmed();
    rest.remove(QLatin1Char(' '));
    rest.remove(QLatin1Char('\n'));
    return !rest.isEmpty();
}

void VQToolManager::showErrorMsg(const QString& message, const QString& detail)
{
    ErrorPresenter presenter;
    {
        QMutexLocker lock(&presenterMutex());
        presenter = presenterSlot();
    }
    if (!presenter || QCoreApplication::instance() == nullptr) {
        VQLogError(detail.isEmpty() ? message : QStringLiteral("%1: %2").arg(message, detail));
        return;
    }
    mm::runOnMainOrNow([presenter = std::move(presenter), message, detail] { presenter(message, detail); });
}

void VQToolManager::setErrorPresenter(ErrorPresenter presenter)
{
    QMutexLocker lock(&presenterMutex());
    presenterSlot() = std::move(presenter);
}

bool VQToolManager::copyAndPaste(const QString& text)
{
    if (!mm::mm_generalPasteboardSetString(text))
        return false;
    return PasteKeys::pasteIntoFocusedWindow(text);
}

bool VQToolManager::handleShortcut(const QString& shortcutRecord)
{
    if (shortcutRecord.trimmed().isEmpty())
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(shortcutRecord.toUtf8());
    if (!document.isObject()) {
        VQLogWarn(QStringLiteral("shortcut not played: the record is not a JSON object"));
        return false;
    }
    const QVariantMap record = document.object().toVariantMap();
    const std::optional<qint64> keyCode
        = KeyShortcut::integerMember(record, QLatin1String(KeyShortcut::kKeyCodeMember));
    if (!keyCode) {
        VQLogWarn(QStringLiteral("shortcut not played: the record has no integer key code"));
        return false;
    }
    const quint64 flags = KeyShortcut::modifierFlagsFromString(
        record.value(QLatin1String(KeyShortcut::kModifierFlagsStringMember)).toString());
    return vqPostKeyEvent(static_cast<int>(*keyCode & 0xFFFF), true, flags);
}

bool VQToolManager::openFileWithPath(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QVariant marker = UserDefaults::standard().objectForKey(path);
    const bool marked = marker.isValid()
        && !(marker.typeId() == QMetaType::QString && marker.toString().isEmpty())
        && !(marker.typeId() == QMetaType::QByteArray && marker.toByteArray().isEmpty())
        && !(marker.typeId() == QMetaType::QVariantMap && marker.toMap().isEmpty());
    if (!marked) {
        VQLogInfo(QStringLiteral("not opened, no stored access for %1").arg(path));
        return false;
    }
    const QString local = localPathOfTarget(path);
    if (local.isEmpty() || !QFileInfo::exists(local)) {
        VQLogWarn(QStringLiteral("not opened, no such file or folder: %1").arg(path));
        return false;
    }
    return DesktopOpener::instance().openUrl(QUrl::fromLocalFile(local));
}

QString VQToolManager::localPathOfTarget(const QString& target)
{
    if (target.startsWith(QLatin1String("~/")))
        return QDir::cleanPath(QDir::homePath() + target.mid(1));
    if (target.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(target);
    const QUrl url(target, QUrl::TolerantMode);
    return url.isLocalFile() ? QDir::cleanPath(url.toLocalFile()) : QString();
}

bool VQToolManager::openBrowserWithCmdString(const QString& text)
{
    const QString address = text.trimmed();
    if (address.isEmpty())
        return false;
    const bool hasScheme = address.startsWith(kHttpPrefix, Qt::CaseInsensitive)
        || address.startsWith(kHttpsPrefix, Qt::CaseInsensitive);
    // Tolerant parsing percent-encodes blanks, non-ASCII text and stray percent signs.
    const QUrl url(hasScheme ? address : kHttpPrefix + address, QUrl::TolerantMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        VQLogWarn(QStringLiteral("not opened, not a web address: %1").arg(address));
        return false;
    }
    return DesktopOpener::instance().openUrl(url);
}
