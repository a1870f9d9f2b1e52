#pragma once

#include <QString>

namespace vexl {

// True when the file exists and is at least 1 byte long (any error gives false).
bool FileExists(const QString &path);
// True when the path names an existing directory.
bool DirExists(const QString &path);
// Creates base/relative one part at a time. False when the base folder does not
// exist or a part still does not exist after creating it.
bool MakeDirRecursive(const QString &baseFolder, const QString &relativePath);
// True when both paths name the same file on disk (same device and inode), or,
// when neither exists, the same absolute clean path. On a case-sensitive file
// system Photo.jpg and photo.jpg are two files.
bool SameFile(const QString &a, const QString &b);

// Copies src to dst, replacing an existing dst, through a temporary file in
// dst's folder renamed over it, so a failed copy never leaves half a file.
// Returns "" on success, else the system's error description.
QString CopyFileReplacing(const QString &src, const QString &dst);

// A name is good when it holds none of the nine characters \ / | ? " > < * :
bool IsFilenameGood(const QString &name);
// Removes every occurrence of each of the nine characters, in that order.
QString StripBadFilenameChars(const QString &name);
// The nine characters, in order, for messages.
QString BadFilenameChars();

} // namespace vexl
