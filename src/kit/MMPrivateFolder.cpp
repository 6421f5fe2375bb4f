#include "MMPrivateFolder.h"

#include <QDir>
#include <QFile>

namespace mm {

bool makePrivateFolder(const QString& path)
{
    return !path.isEmpty() && QDir().mkpath(path)
        && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace mm
