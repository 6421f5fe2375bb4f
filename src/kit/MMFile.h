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
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr, mode_t mode = 0600);

} // namespace mm
