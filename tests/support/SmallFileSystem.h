#pragma once

// A full disk as a user meets it: a tmpfs of a few hundred KiB mounted on a folder (as root
// only), filled to its last byte by one file and freed again.
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace vqtest {

class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& folder, int kib = 400)
        : m_folder(folder)
    {
        QDir().mkpath(folder);
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        if (::geteuid() != 0)
            m_why = QStringLiteral("a tmpfs is mounted only as root: the full-disk cases are skipped");
        else if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0)
            m_why = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~SmallFileSystem()
    {
        if (m_why.isEmpty())
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }

    bool mounted() const { return m_why.isEmpty(); }
    std::string why() const { return m_why.toStdString(); }

    void fill() const
    {
        const int fd = ::open(QFile::encodeName(filler()).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        static const char block[4096] = {};
        for (size_t size = sizeof block; size > 0; size /= 2) {
            while (::write(fd, block, size) > 0) {
            }
        }
        ::close(fd);
    }
    void free() const { QFile::remove(filler()); }

private:
    QString filler() const { return m_folder + QStringLiteral("/filler"); }

    QString m_folder;
    QString m_why;
};

} // namespace vqtest
