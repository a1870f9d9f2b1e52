#include "safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace vexl {

namespace {
QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

int renameNoReplace(const char *from, const char *to)
{
#ifdef SYS_renameat2
    return int(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
#else
    errno = ENOSYS;
    return -1;
#endif
}

// ".<name>.<pid>.work.<ext>" (with the "~" of the image engine's backup copy
// while it rewrites a file in place) or ".<name>.<pid>.lock"
const QRegularExpression &debrisPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\..+\\.(\\d+)\\.(work\\.[^.]*~?|lock|ahead)$"));
    return re;
}
} // namespace

qint64 RunProcessId()
{
    // An image worker names its files after the run it works for.
    static const qint64 id = [] {
        bool ok = false;
        const qint64 run = qEnvironmentVariable("VEXL_RUN_PID").toLongLong(&ok);
        return ok && run > 0 ? run : qint64(::getpid());
    }();
    return id;
}

QString SystemErrorText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

FileIdentity IdentityOf(const QString &path)
{
    struct stat st {};
    FileIdentity id;
    if (!path.isEmpty() && ::stat(native(path).constData(), &st) == 0) {
        id.device = st.st_dev;
        id.inode = st.st_ino;
        id.valid = true;
    }
    return id;
}

QByteArray FileState(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(native(path).constData(), &st) != 0)
        return {};
    return QByteArray::number(quint64(st.st_dev)) + ' ' + QByteArray::number(quint64(st.st_ino)) + ' '
        + QByteArray::number(qint64(st.st_size)) + ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ' ' + QByteArray::number(qint64(st.st_ctim.tv_sec)) + '.'
        + QByteArray::number(qint64(st.st_ctim.tv_nsec));
}

QString WorkPathFor(const QString &finalPath)
{
    const QFileInfo info(finalPath);
    const QString ext = info.suffix().isEmpty() ? QStringLiteral("tmp") : info.suffix();
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') + QString::number(RunProcessId())
        + QStringLiteral(".work.") + ext;
}

QString LockPathFor(const QString &finalPath)
{
    const QFileInfo info(finalPath);
    return info.path() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') + QString::number(RunProcessId())
        + QStringLiteral(".lock");
}

QString CopyToNewFile(const QString &src, const QString &dst, bool durable)
{
    const int in = ::open(native(src).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return SystemErrorText(errno);
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int e = errno ? errno : EINVAL;
        ::close(in);
        return SystemErrorText(e);
    }
    const int out = ::open(native(dst).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) {
        const int e = errno;
        ::close(in);
        return SystemErrorText(e);
    }
    int failure = 0;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            failure = errno;
            break;
        }
        if (n == 0)
            break;
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(out, buffer + done, size_t(n - done));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                failure = errno;
                break;
            }
            done += w;
        }
        if (failure)
            break;
    }
    if (!failure && durable && ::fsync(out) != 0)
        failure = errno;
    if (!failure) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out, times);
    }
    if (::close(out) != 0 && !failure)
        failure = errno;
    ::close(in);
    if (failure) {
        ::unlink(native(dst).constData());
        return SystemErrorText(failure);
    }
    return QString();
}

QString SyncFile(const QString &path)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemErrorText(errno);
    const int rc = ::fsync(fd);
    const int e = errno;
    ::close(fd);
    return rc == 0 ? QString() : SystemErrorText(e);
}

PublishStatus RenameNoReplace(const QString &from, const QString &to, QString *error)
{
    const QByteArray f = native(from);
    const QByteArray t = native(to);
    if (renameNoReplace(f.constData(), t.constData()) == 0)
        return PublishStatus::Published;
    int e = errno;
    if (e == EINVAL || e == ENOSYS || e == ENOTSUP) {
        // No RENAME_NOREPLACE on this file system: a hard link fails the same way
        // when the name is taken.
        if (::link(f.constData(), t.constData()) == 0) {
            ::unlink(f.constData());
            return PublishStatus::Published;
        }
        e = errno;
    }
    if (e == EEXIST)
        return PublishStatus::NameTaken;
    if (error)
        *error = SystemErrorText(e);
    return PublishStatus::Failed;
}

QString RenameReplacing(const QString &from, const QString &to)
{
    if (::rename(native(from).constData(), native(to).constData()) == 0)
        return QString();
    return SystemErrorText(errno);
}

namespace {
// The trash folder QFile::moveToTrash will use for `path`, made ready: the home
// trash for files on its device, else the volume's own .Trash-<uid>. Qt's
// moveToTrash does not come back when the trash's "info" folder cannot take a
// file, so a trash that cannot be made is found out here first.
bool trashReady(const QString &path)
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    struct stat fileStat {};
    struct stat homeStat {};
    if (::stat(native(path).constData(), &fileStat) != 0)
        return false;
    QDir().mkpath(home);
    QString trash = home + QStringLiteral("/Trash");
    if (::stat(native(home).constData(), &homeStat) != 0 || homeStat.st_dev != fileStat.st_dev) {
        // the top folder of the file's volume
        QString top = QFileInfo(path).absolutePath();
        for (;;) {
            const QString up = QFileInfo(top).path();
            struct stat upStat {};
            if (up == top || ::stat(native(up).constData(), &upStat) != 0 || upStat.st_dev != fileStat.st_dev)
                break;
            top = up;
        }
        trash = top + QStringLiteral("/.Trash-") + QString::number(::getuid());
    }
    for (const char *sub : {"/files", "/info"}) {
        const QString dir = trash + QLatin1String(sub);
        if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir() || ::access(native(dir).constData(), W_OK) != 0)
            return false;
    }
    return true;
}
} // namespace

QString MoveToTrash(const QString &path, QString *trashPath)
{
    if (!trashReady(path))
        return QCoreApplication::translate("SafeFile", "no trash can take this file");
    QFile file(path);
    if (file.moveToTrash()) {
        if (trashPath)
            *trashPath = file.fileName();
        return QString();
    }
    return file.errorString().isEmpty() ? QCoreApplication::translate("SafeFile", "no trash can take this file") : file.errorString();
}

bool ProcessAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

NameReservation ReserveName(const QString &finalPath)
{
    const QFileInfo info(finalPath);
    if (info.exists() || info.isSymLink())
        return NameReservation::Taken;
    // A live run holding this name keeps it.
    const QString prefix = QLatin1Char('.') + info.fileName() + QLatin1Char('.');
    const QStringList locks = QDir(info.path()).entryList({prefix + QStringLiteral("*.lock")},
                                                          QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &lock : locks) {
        bool ok = false;
        const qint64 pid = lock.mid(prefix.size(), lock.size() - prefix.size() - 5).toLongLong(&ok);
        if (ok && pid != RunProcessId() && ProcessAlive(pid))
            return NameReservation::Taken;
    }
    const int fd = ::open(native(LockPathFor(finalPath)).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST ? NameReservation::Taken : NameReservation::Unavailable;
    ::close(fd);
    // The final name may have appeared meanwhile.
    if (QFileInfo::exists(finalPath)) {
        ReleaseName(finalPath);
        return NameReservation::Taken;
    }
    return NameReservation::Reserved;
}

void ReleaseName(const QString &finalPath)
{
    ::unlink(native(LockPathFor(finalPath)).constData());
}

int RemoveDebris(const QString &folder)
{
    int removed = 0;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QRegularExpressionMatch m = debrisPattern().match(name);
        if (!m.hasMatch())
            continue;
        const qint64 pid = m.captured(1).toLongLong();
        if (pid == RunProcessId() || ProcessAlive(pid))
            continue;
        if (::unlink(native(dir.filePath(name)).constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace vexl
