#pragma once

// The file steps that keep a user's images safe: results are written under a
// hidden work name carrying the run's process id, flushed to disk and published
// under their final name by one rename; replaced files and originals go to the
// desktop trash; files left by a run that died are cleaned up later.

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace vexl {

// The id of the run's main process, carried by its work and lock files.
qint64 RunProcessId();

// The system's words for an errno value ("No space left on device").
QString SystemErrorText(int errorNumber);

// Identity of a file on disk; invalid when the path does not exist.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool valid = false;
    bool operator==(const FileIdentity &o) const { return valid && o.valid && device == o.device && inode == o.inode; }
};
FileIdentity IdentityOf(const QString &path);

// The state of a file that changes with every write or replacement of it
// (device, inode, size, modification and change times); empty when it cannot
// be read.
QByteArray FileState(const QString &path);

// ".<name>.<pid>.work.<ext>" beside `finalPath`: the extension stays last so the
// image engine still reads and writes the format it names.
QString WorkPathFor(const QString &finalPath);
// ".<name>.<pid>.lock" beside `finalPath`: the reservation of a numbered name.
QString LockPathFor(const QString &finalPath);

// Copies src to dst (a new file), flushes it to disk unless `durable` is false
// (a scratch copy nobody keeps) and keeps src's modification time. On failure
// dst is removed and the reason is returned.
QString CopyToNewFile(const QString &src, const QString &dst, bool durable = true);
// Flushes a written file to disk; "" or the reason.
QString SyncFile(const QString &path);

enum class PublishStatus { Published, NameTaken, Failed };
// Renames `from` to `to` only when no file named `to` exists (renameat2 with
// RENAME_NOREPLACE, else link + unlink). `error` gets the reason of a failure.
PublishStatus RenameNoReplace(const QString &from, const QString &to, QString *error);
// rename(2): replaces `to`. "" or the reason.
QString RenameReplacing(const QString &from, const QString &to);

// Moves a file to the desktop trash. "" or the reason it could not; on success
// `trashPath` (when given) gets where the file now lies in the trash.
QString MoveToTrash(const QString &path, QString *trashPath = nullptr);

// Reserves `finalPath` for this process: Reserved when no file of that name
// exists, no live process holds a lock on it and this process's lock file could
// be created exclusively; Unavailable when no lock file can be made there.
enum class NameReservation { Reserved, Taken, Unavailable };
NameReservation ReserveName(const QString &finalPath);
void ReleaseName(const QString &finalPath);

// Whether process `pid` still runs.
bool ProcessAlive(qint64 pid);
// Removes work and lock files of processes that are gone from `folder`;
// returns how many were removed.
int RemoveDebris(const QString &folder);

} // namespace vexl
