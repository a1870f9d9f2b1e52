#pragma once

#include "ftpconnections.h"
#include "processsettings.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vexl {

class SettingsStore;

// A preset is a settings file the command line's --settings takes: the
// [Settings] group with every batch option plus OutputDest and OutputDir, and,
// when OutputDest names a saved connection, that connection in the
// [FTPConnections] form (FTPServers names it), so the file runs on its own.
// Never the folder, the window's values, IgnoreOverwriteWarnings or Workers.

// Writes `s` as a preset to `file` (whole, under a work name, then renamed over
// it). "" or the reason it could not.
QString SavePreset(const QString &file, const ProcessSettings &s, const FTPConnectionList &connections);

struct PresetLoad
{
    QString error;                       // the file could not be read at all; nothing applied
    ProcessSettings settings;            // the current settings with the preset's good values
    QStringList refused;                 // one line per value the field rules refused (kept as it was)
    std::optional<FTPConnection> connection; // the connection the preset carries for its OutputDest
};
// Reads the preset `file` over `current`: each value the settings file checks
// refuse keeps `current`'s value and is listed. `userStoreFile` is where
// OutputDest's connection may also be saved.
PresetLoad LoadPreset(const QString &file, const ProcessSettings &current, const QString &userStoreFile);

// The recently used presets (RecentPreset1..RecentPreset5, newest first) and
// `file` put at their head.
QStringList RecentPresets(SettingsStore &store);
void AddRecentPreset(SettingsStore &store, const QString &file);
void RemoveRecentPreset(SettingsStore &store, const QString &file);

} // namespace vexl
