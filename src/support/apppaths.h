#pragma once

#include <QString>

namespace vexl {

// The program's folder: where vexl.log, Temp/, the licence text and the style
// manifest live. It is the executable's folder when that is writable, else the
// per-user data folder. Tests may point it elsewhere.
class AppPaths
{
public:
    static QString programFolder();          // no trailing "/"
    // A file the program ships (the licence text): beside the program first,
    // then in ../share/vexl-dovo; the first place when it is in neither.
    static QString dataFile(const QString &name);
    static QString tempFolder();             // programFolder() + "/Temp"
    static QString tempFile(const QString &name); // tempFolder() + "/" + name
    static void setProgramFolder(const QString &folder); // empty: back to the default
    static bool ensureTempFolder();           // creates Temp/ when missing
};

// Appends "/" to a non-empty text that does not already end with one.
QString AddBackslash(const QString &path);
// Appends "/" to a text that does not already end with one (remote paths).
QString AddForwardSlash(const QString &path);

} // namespace vexl
