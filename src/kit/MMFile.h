#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace mm {

// Replaces the file at path with bytes so that the old file stays whole until the new one is
// complete on the disk: the bytes go to a new file beside it (mode `mode`), every write, the
// sync to the disk and the close are checked, the size on the disk is compared, and only then
// is the new file renamed over the old one. Any failure (a full disk, a read-only folder, a
// folder at the path) removes the new file, leaves the old one as it was and returns false with
// the reason in *error. Empty bytes are never written over a file that is not empty.
// A symbolic link at the path (or a chain of them, relative ones read from their own folder)
// stays: the file it leads to is replaced, and made when the link leads nowhere yet.
// The file at the end of the chain of symbolic links that starts at path (path itself when it is
// no link), also when the last link leads to nothing yet; relative links are read from the folder
// they are in. Empty for a loop or a link that cannot be read.
QString fileBehindLinks(const QString& path);

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr, mode_t mode = 0600);

} // namespace mm
