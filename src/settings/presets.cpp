#include "presets.h"

#include "settingsstore.h"
#include "settingsvalidation.h"
#include "support/safefile.h"
#include "support/vexlerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace vexl {

namespace {

constexpr int kRecentCount = 5;

// "//FTP: name//" -> "name"; "" for the folder destinations.
QString connectionOf(const QString &dest)
{
    static const QString head = QStringLiteral("//FTP: ");
    if (!dest.startsWith(head) || !dest.endsWith(QLatin1String("//")) || dest.size() <= head.size() + 2)
        return QString();
    return dest.mid(head.size(), dest.size() - head.size() - 2);
}

} // namespace

QString SavePreset(const QString &file, const ProcessSettings &s, const FTPConnectionList &connections)
{
    const QString work = WorkPathFor(file);
    QFile::remove(work);
    {
        SettingsStore preset(work);
        SaveProcessSettings(preset, s);
        preset.remove(QLatin1String(SettingsStore::SettingsGroup), QStringLiteral("FileDir"));
        const QString name = connectionOf(s.OutputDest);
        if (!name.isEmpty()) {
            const auto [connection, index] = FindFTPConnection(connections, name);
            if (index >= 0)
                SaveFTPConnections(preset.raw(), {connection});
        }
        preset.sync();
        if (preset.raw().status() != QSettings::NoError) {
            QFile::remove(work);
            return QFile(work).errorString().isEmpty() ? QStringLiteral("cannot be written") : QFile(work).errorString();
        }
    }
    QString error = SyncFile(work);
    if (error.isEmpty())
        error = RenameReplacing(work, file);
    if (!error.isEmpty())
        QFile::remove(work);
    return error;
}

PresetLoad LoadPreset(const QString &file, const ProcessSettings &current, const QString &userStoreFile)
{
    PresetLoad result;
    result.settings = current;
    const QList<SettingsProblem> problems = SettingsFileProblems(file, userStoreFile);
    for (const SettingsProblem &p : problems) {
        if (p.key.isEmpty()) {
            result.error = p.line;
            return result;
        }
        result.refused << p.line;
    }
    // The refused values are left out of a private copy, which is then read
    // like the store.
    QTemporaryDir dir;
    const QString copy = dir.path() + QStringLiteral("/preset.ini");
    if (!dir.isValid() || !QFile::copy(file, copy)) {
        result.error = QStringLiteral("Settings file %1: cannot be read").arg(file);
        return result;
    }
    SettingsStore preset(copy);
    for (const SettingsProblem &p : problems)
        preset.remove(QLatin1String(SettingsStore::SettingsGroup), p.key);
    for (const char *window : {"FileDir", "IgnoreOverwriteWarnings", "Workers"})
        preset.remove(QLatin1String(SettingsStore::SettingsGroup), QLatin1String(window));
    ProcessSettings &s = result.settings;
    const auto onError = [&](const QString &name, const VexlError &e) {
        result.refused << QStringLiteral("Settings file %1: %2 (%3)").arg(file, e.description, name);
    };
    LoadProcessOptions(preset, s, onError);
    LoadProcessTail(preset, s, current.OutputDir, onError);
    if (!preset.contains(QLatin1String(SettingsStore::SettingsGroup), QStringLiteral("OutputDest")))
        s.OutputDest = current.OutputDest;
    if (!preset.contains(QLatin1String(SettingsStore::SettingsGroup), QStringLiteral("AniExtractAllScenes")))
        s.AniExtractAllScenes = current.AniExtractAllScenes;
    const QString name = connectionOf(s.OutputDest);
    if (!name.isEmpty()) {
        try {
            const auto [connection, index] = FindFTPConnection(LoadFTPConnections(preset.raw()), name);
            if (index >= 0)
                result.connection = connection;
        } catch (const VexlError &e) {
            result.refused << QStringLiteral("Settings file %1: FTP connections: %2").arg(file, e.description);
        }
    }
    return result;
}

QStringList RecentPresets(SettingsStore &store)
{
    QStringList files;
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString f = store.text(QStringLiteral("RecentPreset%1").arg(i));
        if (!f.isEmpty() && !files.contains(f))
            files << f;
    }
    return files;
}

namespace {
void storeRecent(SettingsStore &store, const QStringList &files)
{
    for (int i = 1; i <= kRecentCount; ++i) {
        const QString key = QStringLiteral("RecentPreset%1").arg(i);
        if (i <= files.size())
            store.setText(key, files.at(i - 1));
        else
            store.remove(QLatin1String(SettingsStore::SettingsGroup), key);
    }
    store.sync();
}
} // namespace

void AddRecentPreset(SettingsStore &store, const QString &file)
{
    QStringList files = RecentPresets(store);
    const QString path = QFileInfo(file).absoluteFilePath();
    files.removeAll(path);
    files.prepend(path);
    storeRecent(store, files.mid(0, kRecentCount));
}

void RemoveRecentPreset(SettingsStore &store, const QString &file)
{
    QStringList files = RecentPresets(store);
    files.removeAll(file);
    storeRecent(store, files);
}

} // namespace vexl
