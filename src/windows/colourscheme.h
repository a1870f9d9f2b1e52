#pragma once

#include <QColor>
#include <QString>

class QPalette;
class QWidget;

namespace vexl {

// Colours are kept as Windows colour values: 0x00BBGGRR, or 0x80000000 + n for
// system colour n, which is shown through the matching palette role.
QColor WinColour(qint32 value);
QColor WinColour(qint32 value, const QPalette &palette);
// 0x00BBGGRR of a colour.
qint32 ToWinColour(const QColor &colour);

// The installed font family that stands in for a scheme's face ("MS Sans
// Serif", "tahoma", "arial", "verdana"): the face itself when installed, else a
// face of similar metrics, else fontconfig's choice.
QString SchemeFontFamily(const QString &face);

// Paints a window in a colour scheme: its background becomes `first`; group
// boxes and frames take `first`, the face and dark blue text (0xC00000); push
// buttons take `second` and the face; labels and check boxes (but the list's
// loading label) take `first` and the face. Text fields, lists, trees and combo
// boxes keep their colours and the window's base font.
void SetCols(qint32 first, qint32 second, const QString &face, QWidget *target);

} // namespace vexl
