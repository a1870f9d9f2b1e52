#include "fontfile.h"

#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <fontconfig/fontconfig.h>

namespace vexl {

QString FontFileName(const QString &face)
{
    static QMutex mutex;
    static QHash<QString, QString> cache;
    QMutexLocker lock(&mutex);
    if (const auto it = cache.constFind(face); it != cache.constEnd() && QFileInfo(it.value()).isFile())
        return it.value();
    if (!FcInit())
        return QString();
    FcConfig *config = FcConfigGetCurrent();
    QString result;
    const QByteArray family = face.toUtf8();
    if (FcPattern *pattern = FcPatternCreate()) {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.constData()));
        // The overlay draws plain text: ask for the regular face.
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult res = FcResultNoMatch;
        if (FcPattern *match = FcFontMatch(config, pattern, &res)) {
            FcChar8 *file = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
                const QString path = QString::fromUtf8(reinterpret_cast<const char *>(file));
                if (QFileInfo(path).isFile())
                    result = path;
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    if (!result.isEmpty())
        cache.insert(face, result);
    return result;
}

namespace {
void addFolders(FcStrList *list, QStringList *out)
{
    if (!list)
        return;
    while (const FcChar8 *entry = FcStrListNext(list)) {
        // A configuration file may be a link into another folder (conf.d).
        const QFileInfo info(QFileInfo(QString::fromUtf8(reinterpret_cast<const char *>(entry))).canonicalFilePath());
        const QString folder = info.isDir() ? info.filePath() : info.isFile() ? info.absolutePath() : QString();
        if (!folder.isEmpty() && !out->contains(folder))
            out->append(folder);
    }
    FcStrListDone(list);
}
} // namespace

QStringList FontConfigFolders()
{
    QStringList out;
    // The configuration alone: no font scan needed to know where fonts are.
    FcConfig *config = FcInitLoadConfig();
    if (!config)
        return out;
    addFolders(FcConfigGetConfigDirs(config), &out);
    addFolders(FcConfigGetFontDirs(config), &out);
    addFolders(FcConfigGetCacheDirs(config), &out);
    addFolders(FcConfigGetConfigFiles(config), &out);
    FcConfigDestroy(config);
    return out;
}

QString FontFamilyName(const QString &face)
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    if (!FcInit())
        return QString();
    QString result;
    const QByteArray family = face.toUtf8();
    if (FcPattern *pattern = FcPatternCreate()) {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.constData()));
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult res = FcResultNoMatch;
        if (FcPattern *match = FcFontMatch(nullptr, pattern, &res)) {
            FcChar8 *name = nullptr;
            if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
                result = QString::fromUtf8(reinterpret_cast<const char *>(name));
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    return result;
}

} // namespace vexl
