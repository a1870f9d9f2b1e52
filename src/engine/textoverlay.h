#pragma once

#include <QString>

namespace vexl {

class LookAhead;

// The overlay font record: face, size in points, text colour and box colour as
// 0x00BBGGRR values, and whether the box behind the text is transparent.
struct OverlayFont
{
    QString face = QStringLiteral("Arial");
    int size = 12;
    qint32 colour = 0;
    qint32 boxColour = -2147483643;
    bool boxTransparent = true;
};

// "rgb(R,G,B)" of a 0x00BBGGRR colour value; only its low six hexadecimal
// digits count (a system colour value is not resolved).
QString LongToRGB(qint32 colour);
// A hexadecimal text (a leading "#" ignored) as a number.
qint64 HexToDec(const QString &hex);

// Renders `text` into the label image `labelPath`. False when that failed.
bool MakeTextLabel(const QString &labelPath, const QString &text, const OverlayFont &font);
// Which scenes of the image the stamp goes on: the first (a still image), every
// page of a multi-page image, or every frame of an animation (its frames made
// whole pictures first).
enum class OverlayScenes { First, EveryPage, EveryFrame };

// Stamps `text` onto `sourcePath` at `gravity` and writes `outputPath` (the same
// file for the batch), written with `quality` when one is given. The label is
// Temp/ottmpimg.png. False on any failure. With `lookAhead` (a batch's), a
// stamp made ahead for the same file, label and options is taken.
bool OverlayText(const QString &sourcePath, const QString &outputPath, const QString &text,
                 const QString &gravity, const OverlayFont &font, const QString &quality = QString(),
                 OverlayScenes scenes = OverlayScenes::First, LookAhead *lookAhead = nullptr);

} // namespace vexl
