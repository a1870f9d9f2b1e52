#pragma once

#include <QByteArray>
#include <QString>

namespace vexl {

// The folder verb: a freedesktop desktop entry in the user's applications
// folder that offers the program for folders (MimeType inode/directory), so a
// file manager can open a folder with it. The program receives the folder as
// its command line.
QString FolderVerbFile();
// The entry's Exec value for `program`: the path, quoted when it needs it, and
// the folder placeholder "%f".
QString FolderVerbExec(const QString &program);
// Writes the entry with the (localised) caption. Returns "" or why it failed.
QString WriteFolderVerb(const QString &caption, const QString &program);
// Deletes the entry; a missing entry is no failure. Returns "" or why it failed.
QString RemoveFolderVerb();
// The Exec value of the entry, empty when there is none.
QString FolderVerbCommand();

// The style manifest beside the program: its presence at start-up picks the
// platform's native widget style, its absence Qt's Fusion style.
QString StyleManifestPath();
// The manifest's bytes: 22 lines, each ended by CR LF, with EXENAME,
// EXEVERSION and EXEDESCRIBTION filled in.
QByteArray StyleManifestText(const QString &exeName, const QString &version, const QString &description);

} // namespace vexl
