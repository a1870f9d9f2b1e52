#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vexl {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString defaultProgramFolder()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo info(exeDir);
    if (!exeDir.isEmpty() && info.isDir() && info.isWritable())
        return exeDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}
} // namespace

QString AppPaths::programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    static const QString folder = defaultProgramFolder();
    return folder;
}

QString AppPaths::dataFile(const QString &name)
{
    // Beside the program (or in the folder it writes to), then in the installed
    // layout's share folder.
    const QString exeDir = overrideFolder().isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder();
    const QString candidates[] = {
        programFolder() + QLatin1Char('/') + name,
        exeDir + QLatin1Char('/') + name,
        QDir::cleanPath(exeDir + QStringLiteral("/../share/vexl-dovo/") + name),
    };
    for (const QString &path : candidates)
        if (QFileInfo(path).isFile())
            return path;
    return candidates[0];
}

QString AppPaths::tempFolder()
{
    return programFolder() + QStringLiteral("/Temp");
}

QString AppPaths::tempFile(const QString &name)
{
    return tempFolder() + QLatin1Char('/') + name;
}

void AppPaths::setProgramFolder(const QString &folder)
{
    QString f = folder;
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    overrideFolder() = f;
}

bool AppPaths::ensureTempFolder()
{
    return QDir().mkpath(tempFolder());
}

QString AddBackslash(const QString &path)
{
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString AddForwardSlash(const QString &path)
{
    if (path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

} // namespace vexl
