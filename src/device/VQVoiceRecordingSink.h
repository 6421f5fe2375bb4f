#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>
#include <mutex>

// The recording file of an utterance, as the device link sees it: the decoded 16-bit PCM of the
// device's voice reports is appended to it while the recognition service has one installed.
//
// The sink owns the file it is given, so it cannot be closed behind a write: installing another
// file, closing it or a write all take the same lock. A write while no file is installed (before
// the service installs one, after it closed it) is dropped and counted, never an error.
//
// Any thread.
class VQVoiceRecordingSink {
public:
    static VQVoiceRecordingSink& sharedSink();

    // Installs an open, writable device (the previous one is closed first); nullptr just closes.
    void setFileHandle(std::unique_ptr<QIODevice> file);
    // Opens the file at path for appending (created when missing, readable by its owner only)
    // and installs it; false, with a log line, when it cannot be opened (nothing is installed then).
    bool openFile(const QString& path);
    // Closes the installed file; later writes are dropped.
    void closeFile();
    bool isOpen() const;

    // Appends the bytes; false when they were dropped (no file, or the write failed: the file is
    // then closed, so a full disk does not fail once per report).
    bool write(const QByteArray& bytes);
    bool write(const char* data, qint64 size);

    // Bytes written and bytes dropped since the sink was created (or reset for tests).
    qint64 bytesWritten() const;
    qint64 bytesDropped() const;

    // Tests only: closes the file and zeroes the counters.
    void resetForTests();

private:
    VQVoiceRecordingSink() = default;

    mutable std::mutex m_mutex;
    std::unique_ptr<QIODevice> m_file;
    qint64 m_written = 0;
    qint64 m_dropped = 0;
};
