#pragma once

#include "MMLog.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace vqtest {

// What the program's log file receives from now on, also across a rotation of the file (the
// full file becomes MMLog.1.log, the one before MMLog.2.log, and so on).
class LogCapture {
public:
    LogCapture() : m_folder(mm::defaultLogDirectory())
    {
        mm::setupLogging(m_folder);
        struct stat info {};
        if (::stat(QFile::encodeName(path(0)).constData(), &info) == 0) {
            m_file = info.st_ino;
            m_start = info.st_size;
        }
    }
    QString text() const
    {
        mm::flushLogs();
        QByteArray written;
        for (int index = 0;; ++index) {
            QFile file(path(index));
            struct stat info {};
            if (::stat(QFile::encodeName(file.fileName()).constData(), &info) != 0 || !file.open(QIODevice::ReadOnly))
                break;
            const bool first = info.st_ino == m_file;
            written.prepend(first ? file.readAll().mid(m_start) : file.readAll());
            if (first)
                break;
        }
        return QString::fromUtf8(written);
    }

private:
    QString path(int index) const
    {
        return m_folder + (index == 0 ? QStringLiteral("/MMLog.log") : QStringLiteral("/MMLog.%1.log").arg(index));
    }

    QString m_folder;
    ino_t m_file = 0;
    qint64 m_start = 0;
};

} // namespace vqtest
