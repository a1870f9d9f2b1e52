#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vexl {

class SettingsStore;
struct VexlError;

// Every option of a batch, one field per stored name. The main window's controls
// are the live state; this record is their snapshot when "Start >>>" is pressed,
// and the only thing the engine reads.
struct ProcessSettings
{
    QString FileDir;                 // the current folder (kept with a trailing "/")
    int DimensionMethod = 0;         // 0 Don't Resize .. 4 Fix to Size
    QString DimensionWidth = QStringLiteral("100");
    QString DimensionHeight = QStringLiteral("100");
    bool DimensionPC = false;
    bool TextOverlay = false;
    QString TextOverlayText;
    int TextOverlayPosition = 0;     // 0 Top Left .. 8 Bottom Right
    QString TextOverlayFace = QStringLiteral("Arial");
    int TextOverlaySize = 12;        // 16-bit
    qint32 TextOverlayColour = 0;    // 0x00BBGGRR
    qint32 TextOverlayBGColour = -2147483643; // 0x80000005, the window background system colour
    bool TextOverlayBGTrans = true;
    int Case = 0;
    int Spaces = 0;
    bool SequentialNumber = false;
    QString StartNumber = QStringLiteral("0");
    QString ZeroFill = QStringLiteral("0");
    QString RenameSuffix;
    QString RenamePrefix = QStringLiteral("th_");
    bool MiscAntialias = true;
    bool MiscBevel = false;
    QString MiscBevelWidth = QStringLiteral("5");
    bool MiscRotate = false;
    QString MiscRotateAngle = QStringLiteral("90");
    bool MiscFlipHoriz = false;
    bool MiscFlipVert = false;
    bool MiscInvert = false;
    bool MiscGreyscale = false;
    int OutputFormat = 0;            // 0 Don't Change, 1 BMP .. 8 TGA, 9 WEBP
    QString JpgQuality = QStringLiteral("75");
    bool DeleteOld = false;
    bool ReplicateSubDirs = true;
    QString OutputDest = QStringLiteral("//SAMEDIR//");
    QString OutputDir;
    bool AniExtractAllScenes = false;
    bool DimensionShrinkOnly = false; // resize only images larger than the box (">" geometry)
    bool MiscAutoOrient = false;      // rotate by the camera's orientation first, then reset it

    bool operator==(const ProcessSettings &) const = default;
};

// The output formats by OutputFormat index; index 0 keeps the source's format.
const QStringList &OutputFormatItems(); // "Don't Change", "BMP", ..., "TGA", "WEBP"
// The lower-case extension/format of an OutputFormat index above 0 ("tiff" for 6).
QString OutputFormatExtension(int index);

// The image types the image list shows, as a DirHandle filter ("*.png|*.bmp|...").
const QString &ImageFileFilter();

// The nine engine gravity names, indexed by TextOverlayPosition.
const QStringList &PlacementTable();

// Applies the "Reset All Settings" column: every option to its reset value; the
// folder, destination, output folder, overlay font and colours and the scene
// choice keep theirs.
void ResetProcessSettings(ProcessSettings &s);

// True when the run changes nothing but names and places.
bool IsOnlyRenameSettings(const ProcessSettings &s);

// Reads DimensionMethod .. ReplicateSubDirs, then DimensionShrinkOnly and
// MiscAutoOrient, in the stored order into `s`. A value
// that cannot be converted is reported through `onError` with its name and left
// as it was; loading goes on with the next value. A missing value keeps `s`'s.
using SettingsErrorHandler = std::function<void(const QString &name, const VexlError &error)>;
void LoadProcessOptions(SettingsStore &store, ProcessSettings &s, const SettingsErrorHandler &onError);
// Reads OutputDir (default: `currentFolder`) and AniExtractAllScenes ("1" ticks
// "Extract All Scenes"); OutputDest is read as text and resolved by the caller.
void LoadProcessTail(SettingsStore &store, ProcessSettings &s, const QString &currentFolder,
                     const SettingsErrorHandler &onError);
// Writes every ProcessSettings value in the save order (FileDir .. AniExtractAllScenes,
// DimensionShrinkOnly, MiscAutoOrient).
void SaveProcessSettings(SettingsStore &store, const ProcessSettings &s);

// Output destination tokens: "//SAMEDIR//" for index 0, "//DIFFDIR//" for 1 and
// "//" + item text + "//" for a connection item.
QString DestinationToken(int index, const QString &itemText);
// The list index a stored token chooses among `items` (the whole destination
// list, last item the "Configure FTP Servers..." command); 0 when nothing fits.
int DestinationIndexForToken(const QString &token, const QStringList &items);

} // namespace vexl
