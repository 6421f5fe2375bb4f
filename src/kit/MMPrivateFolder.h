#pragma once

#include <QString>

namespace mm {

// Makes the folder (and its parents) when missing and leaves it open to its owner only (0700).
// False when it cannot be made or restricted.
bool makePrivateFolder(const QString& path);

} // namespace mm
