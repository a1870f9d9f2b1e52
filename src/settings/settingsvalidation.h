#pragma once

#include <QList>
#include <QString>

namespace vexl {

// Checks a settings file given to the command-line batch before anything is
// touched: it must be readable and hold a [Settings] group, every value of a
// batch option must lie in its field's range (numbers as digits only; width,
// height, bevel width and rotate angle at least 1 where their option is on;
// quality 1 to 100; StartNumber 0 to 32767; list indexes within their list;
// check boxes "0" or "1", menu ticks "True" or "False"), and OutputDest must be
// the same folder, another folder or a connection saved in the file's own
// [FTPConnections] group or in `userStoreFile`.
// Returns an empty text when the file is good, else one line naming the file,
// the key and the allowed range.
QString ValidateSettingsFile(const QString &file, const QString &userStoreFile);

// The same checks, every refused value: one entry per key (the key empty when
// the file as a whole cannot be read).
struct SettingsProblem
{
    QString key;
    QString line;
};
QList<SettingsProblem> SettingsFileProblems(const QString &file, const QString &userStoreFile);

} // namespace vexl
