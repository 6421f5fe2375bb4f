#pragma once

// A full disk: a tmpfs of 400 KiB on a folder (root only), filled by one file and freed again.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace vqtest {

struct SmallFileSystem {
    explicit SmallFileSystem(const QString& folder) : filler(folder + QStringLiteral("/filler"))
    {
        if (!QDir().mkpath(folder) || ::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=400k") != 0)
            why = "no tmpfs mounted as a full disk (root only): " + std::string(std::strerror(errno));
    }
    ~SmallFileSystem() { ::umount2(QFile::encodeName(QFileInfo(filler).path()).constData(), MNT_DETACH); }
    void fill() const
    {
        static const char block[4096] = {};
        const int fd = ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        for (size_t size = sizeof block; size > 0;) // smaller and smaller writes to the last byte
            size = ::write(fd, block, size) > 0 ? size : size / 2;
        ::close(fd);
    }
    void free() const { QFile::remove(filler); }

    const QString filler;
    std::string why; // empty when mounted
};

} // namespace vqtest
