#include "fileprocs.h"

#include "apppaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace vexl {

namespace {
const QString kBadChars = QStringLiteral("\\/|?\">"
                                         "<*:");
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && info.size() >= 1;
}

bool DirExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool MakeDirRecursive(const QString &baseFolder, const QString &relativePath)
{
    if (!DirExists(baseFolder))
        return false;
    QString path = AddBackslash(baseFolder);
    const QStringList parts = relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        path += part + QLatin1Char('/');
        if (!DirExists(path)) {
            QDir().mkdir(path);
            if (!DirExists(path))
                return false;
        }
    }
    return true;
}

bool SameFile(const QString &a, const QString &b)
{
    struct stat sa {};
    struct stat sb {};
    const QByteArray pa = QFile::encodeName(a);
    const QByteArray pb = QFile::encodeName(b);
    const bool ea = ::stat(pa.constData(), &sa) == 0;
    const bool eb = ::stat(pb.constData(), &sb) == 0;
    if (ea && eb)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (ea != eb)
        return false;
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
        == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

QString CopyFileReplacing(const QString &src, const QString &dst)
{
    QFile in(src);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const QFileInfo target(dst);
    if (target.isDir())
        return QStringLiteral("Is a directory: %1").arg(dst);
    QSaveFile out(dst);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return in.errorString();
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            return out.errorString();
    }
    if (!out.commit())
        return out.errorString();
    return QString();
}

bool IsFilenameGood(const QString &name)
{
    for (const QChar c : kBadChars)
        if (name.contains(c))
            return false;
    return true;
}

QString StripBadFilenameChars(const QString &name)
{
    QString out = name;
    for (const QChar c : kBadChars)
        out.remove(c);
    return out;
}

QString BadFilenameChars()
{
    return kBadChars;
}

} // namespace vexl
