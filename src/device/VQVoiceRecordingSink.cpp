#include "VQVoiceRecordingSink.h"

#include "MMLog.h"

#include <QFile>

VQVoiceRecordingSink& VQVoiceRecordingSink::sharedSink()
{
    static VQVoiceRecordingSink* sink = new VQVoiceRecordingSink();
    return *sink;
}

void VQVoiceRecordingSink::setFileHandle(std::unique_ptr<QIODevice> file)
{
    std::unique_ptr<QIODevice> old;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        old = std::move(m_file);
        m_file = std::move(file);
    }
    // Closed outside the lock: flushing a file may take a while.
    if (old)
        old->close();
}

bool VQVoiceRecordingSink::openFile(const QString& path)
{
    // A voice is private: the file is the owner's alone, also when it was there before.
    constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    auto file = std::make_unique<QFile>(path);
    if (path.isEmpty() || !file->open(QIODevice::WriteOnly | QIODevice::Append, kOwnerOnly)
        || !file->setPermissions(kOwnerOnly)) {
        VQLogError(QStringLiteral("voice recording file \"%1\" cannot be opened: %2")
                       .arg(path, path.isEmpty() ? QStringLiteral("no path") : file->errorString()));
        return false;
    }
    setFileHandle(std::move(file));
    return true;
}

void VQVoiceRecordingSink::closeFile()
{
    setFileHandle(nullptr);
}

bool VQVoiceRecordingSink::isOpen() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_file != nullptr;
}

bool VQVoiceRecordingSink::write(const QByteArray& bytes)
{
    return write(bytes.constData(), bytes.size());
}

bool VQVoiceRecordingSink::write(const char* data, qint64 size)
{
    if (size <= 0)
        return true;
    std::unique_ptr<QIODevice> failed;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_file) {
            m_dropped += size;
            return false;
        }
        if (m_file->write(data, size) == size) {
            m_written += size;
            return true;
        }
        m_dropped += size;
        failed = std::move(m_file);
    }
    VQLogError(QStringLiteral("voice recording file: write failed (%1); the rest of the utterance is not recorded")
                   .arg(failed->errorString()));
    failed->close();
    return false;
}

qint64 VQVoiceRecordingSink::bytesWritten() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_written;
}

qint64 VQVoiceRecordingSink::bytesDropped() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_dropped;
}

void VQVoiceRecordingSink::resetForTests()
{
    closeFile();
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_written = 0;
    m_dropped = 0;
}
