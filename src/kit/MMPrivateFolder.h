#pragma once

#include <QString>
#include <QStringList>

namespace mm {

// Makes the folder (and its parents) when missing and leaves it open to its owner only (0700).
// False when it cannot be made or restricted.
bool makePrivateFolder(const QString& path);

// Like makePrivateFolder, but true only when the folder at the path is then this user's own: a
// symbolic link or another user's folder there is refused, never followed (a shared folder such
// as /tmp may hold either). A wider mode of the user's own folder is narrowed to 0700.
bool makeOwnPrivateFolder(const QString& path);

// The user's runtime folder (XDG_RUNTIME_DIR) when files no one else may open can go there: this
// user's folder, not a link, mode 0700. "" when it is unset, another user's, or open to others.
QString userRuntimeFolder();

// The program's folders for files no one else may open (locks, sockets, recordings), best first:
// "<runtime folder>/<application name>" while the runtime folder is usable, then, with underHome,
// "<cache folder>/<application name>" (left out where the home folder cannot hold the program's
// files). Each is made when missing; only those that are (or could be made) the user's own
// private folders are listed. Touches the disk.
QStringList programPrivateFolders(bool underHome = true);

} // namespace mm
