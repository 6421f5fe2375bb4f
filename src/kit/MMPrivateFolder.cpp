#include "MMPrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mm {

namespace {

// Opens the folder itself, never a link's target, and checks it is this user's. With restrict,
// a wider mode is narrowed to 0700; without, it must be 0700 already.
bool checkOwnFolder(const QString& path, bool restrict)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid();
    if (ok && (st.st_mode & 0777) != 0700)
        ok = restrict && ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return ok;
}

} // namespace

bool makePrivateFolder(const QString& path)
{
    return !path.isEmpty() && QDir().mkpath(path)
        && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool makeOwnPrivateFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!QDir().mkpath(QFileInfo(clean).absolutePath()))
        return false;
    if (::mkdir(QFile::encodeName(clean).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return checkOwnFolder(clean, true);
}

QString userRuntimeFolder()
{
    const QString runtime = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    return QFileInfo(runtime).isAbsolute() && checkOwnFolder(runtime, false) ? runtime : QString();
}

QStringList programPrivateFolders(bool underHome)
{
    const QString name = QCoreApplication::applicationName();
    QStringList candidates;
    if (const QString runtime = userRuntimeFolder(); !runtime.isEmpty())
        candidates << runtime + QLatin1Char('/') + name;
    if (const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation); underHome && !cache.isEmpty())
        candidates << cache + QLatin1Char('/') + name;
    QStringList folders;
    for (const QString& folder : candidates) {
        if (makeOwnPrivateFolder(folder))
            folders << folder;
    }
    return folders;
}

} // namespace mm
