#include "MMFile.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mm {

namespace {

QString systemError(const char* what, int code)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(code)));
}

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

// As many links as the kernel follows in one path.
constexpr int kMaxLinks = 40;

// fileBehindLinks() on encoded names; errno set when it gives nothing.
QByteArray finalTarget(QByteArray path)
{
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::array<char, PATH_MAX> buffer {};
        const ssize_t length = ::readlink(path.constData(), buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (size_t(length) >= buffer.size()) {
            errno = ENAMETOOLONG;
            return {};
        }
        QByteArray next(buffer.data(), length);
        // A relative link is read from the folder the link is in.
        if (!next.startsWith('/')) {
            const qsizetype slash = path.lastIndexOf('/');
            next.prepend(slash < 0 ? QByteArray() : path.left(slash + 1));
        }
        path = next;
    }
    errno = ELOOP;
    return {};
}

} // namespace

QString fileBehindLinks(const QString& path)
{
    const QByteArray target = finalTarget(QFile::encodeName(path));
    return target.isEmpty() ? QString() : QFile::decodeName(target);
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error, mode_t mode)
{
    // A link (a settings file kept in another folder) stays a link: its target is replaced.
    const QByteArray target = finalTarget(QFile::encodeName(path));
    if (target.isEmpty())
        return fail(error, systemError("cannot follow its links", errno));
    struct stat old {};
    if (bytes.isEmpty() && ::stat(target.constData(), &old) == 0 && old.st_size > 0)
        return fail(error, QStringLiteral("no bytes to write over a file of %1 bytes").arg(qint64(old.st_size)));

    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(error, systemError("cannot make a new file beside it", errno));
    // From here on every failure removes the new file; the old one is never touched.
    const auto abandon = [&](const char* what, int code) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(error, systemError(what, code));
    };
    if (::fchmod(fd, mode) != 0)
        return abandon("cannot set its permissions", errno);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return abandon("cannot write", errno);
        }
        if (written == 0)
            return abandon("cannot write", EIO);
        data += written;
        left -= written;
    }
    // A file system that takes the bytes into its cache may refuse them only now.
    if (::fsync(fd) != 0)
        return abandon("cannot sync to the disk", errno);
    struct stat written {};
    if (::fstat(fd, &written) != 0)
        return abandon("cannot check the size", errno);
    if (written.st_size != bytes.size())
        return abandon("the size on the disk differs", EIO);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(error, systemError("cannot close", code));
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(error, systemError("cannot put it in place", code));
    }
    return true;
}

} // namespace mm
