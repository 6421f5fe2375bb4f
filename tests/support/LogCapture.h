#pragma once

#include "MMLog.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

namespace vqtest {

// What the program's log file receives from now on.
class LogCapture {
public:
    LogCapture() : m_path(mm::defaultLogDirectory() + QStringLiteral("/MMLog.log"))
    {
        mm::setupLogging(mm::defaultLogDirectory());
        m_start = QFileInfo(m_path).size();
    }
    QString text() const
    {
        mm::flushLogs();
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().mid(m_start)) : QString();
    }

private:
    QString m_path;
    qint64 m_start = 0;
};

} // namespace vqtest
