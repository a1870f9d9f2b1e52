#pragma once

#include <QString>
#include <QStringList>

namespace vexl {

// The font file that fontconfig picks for a face name, as a full path, with
// fontconfig's substitutes (a machine without Arial answers with its
// metric-compatible face). Empty only when fontconfig finds no file at all.
QString FontFileName(const QString &face);
// The installed family that fontconfig picks for a face name ("arial" gives
// "Liberation Sans" on a machine without Arial); empty when it finds none.
QString FontFamilyName(const QString &face);
// Every folder fontconfig reads: its configuration files' folders (links
// followed), the font folders and the cache folders. Existing folders only.
QStringList FontConfigFolders();

} // namespace vexl
