#include "desktopintegration.h"

#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace vexl {

namespace {
// A string value of a desktop entry: backslashes and line breaks escaped.
QString entryString(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else
            out += c;
    }
    return out;
}
} // namespace

QString FolderVerbFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)
        + QStringLiteral("/VEXL.Rename.desktop");
}

QString FolderVerbExec(const QString &program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString path = program;
    path.replace(QLatin1Char('%'), QLatin1String("%%"));
    bool quote = false;
    for (const QChar c : path)
        quote = quote || reserved.contains(c);
    if (quote) {
        QString q;
        for (const QChar c : path) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                q += QLatin1Char('\\');
            q += c;
        }
        path = QLatin1Char('"') + q + QLatin1Char('"');
    }
    return path + QStringLiteral(" %f");
}

QString WriteFolderVerb(const QString &caption, const QString &program)
{
    const QString file = FolderVerbFile();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return QStringLiteral("Cannot make the folder %1").arg(QFileInfo(file).absolutePath());
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Version=1.0\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "MimeType=inode/directory;\n"
                                        "NoDisplay=true\n"
                                        "Terminal=false\n")
                             .arg(entryString(caption), entryString(FolderVerbExec(program)));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit())
        return out.errorString();
    return QString();
}

QString RemoveFolderVerb()
{
    QFile file(FolderVerbFile());
    if (!file.exists() || file.remove())
        return QString();
    return file.errorString();
}

QString FolderVerbCommand()
{
    QFile file(FolderVerbFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    }
    return QString();
}

QString StyleManifestPath()
{
    return AppPaths::programFolder() + QLatin1Char('/') + QCoreApplication::applicationName()
        + QStringLiteral(".exe.manifest");
}

QByteArray StyleManifestText(const QString &exeName, const QString &version, const QString &description)
{
    static const char *const kLines[] = {
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?> )",
        R"(<assembly )",
        R"(   xmlns="urn:schemas-microsoft-com:asm.v1" )",
        R"(   manifestVersion="1.0">)",
        R"(<assemblyIdentity )",
        R"(    processorArchitecture="x86" )",
        R"(    version="EXEVERSION")",
        R"(    type="win32")",
        R"(    name="EXENAME"/>)",
        R"(    <description>EXEDESCRIBTION</description>)",
        R"(    <dependency>)",
        R"(    <dependentAssembly>)",
        R"(    <assemblyIdentity)",
        R"(         type="win32")",
        R"(         name="Microsoft.Windows.Common-Controls")",
        R"(         version="6.0.0.0")",
        R"(         publicKeyToken="6595b64144ccf1df")",
        R"(         language="*")",
        R"(         processorArchitecture="x86"/>)",
        R"(    </dependentAssembly>)",
        R"(    </dependency>)",
        R"(</assembly>)",
    };
    QString text;
    for (const char *line : kLines)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    text.replace(QLatin1String("EXENAME"), exeName)
        .replace(QLatin1String("EXEVERSION"), version)
        .replace(QLatin1String("EXEDESCRIBTION"), description);
    return text.toUtf8();
}

} // namespace vexl
