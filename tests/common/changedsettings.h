#pragma once

#include "settings/processsettings.h"

// A record with every field away from its reset value, and the fields that
// "Reset All Settings" keeps away from their first-run default.
inline vexl::ProcessSettings everythingChanged(const QString &fileDir = QStringLiteral("/data/pictures/"),
                                               const QString &outputDir = QStringLiteral("/data/out/"))
{
    return vexl::ProcessSettings{
        .FileDir = fileDir, .DimensionMethod = 4, .DimensionWidth = "640", .DimensionHeight = "480",
        .DimensionPC = true, .TextOverlay = true, .TextOverlayText = "(c) [WIDTH]x[HEIGHT], 50%",
        .TextOverlayPosition = 8, .TextOverlayFace = "DejaVu Serif", .TextOverlaySize = 31,
        .TextOverlayColour = 0x00112233, .TextOverlayBGColour = -16777216, .TextOverlayBGTrans = false,
        .Case = 5, .Spaces = 5, .SequentialNumber = true, .StartNumber = "7", .ZeroFill = "3",
        .RenameSuffix = "_s", .RenamePrefix = "p_", .MiscAntialias = true, .MiscBevel = true,
        .MiscBevelWidth = "9", .MiscRotate = true, .MiscRotateAngle = "270", .MiscFlipHoriz = true,
        .MiscFlipVert = true, .MiscInvert = true, .MiscGreyscale = true, .OutputFormat = 8, .JpgQuality = "42",
        .DeleteOld = true, .ReplicateSubDirs = false, .OutputDest = "//DIFFDIR//", .OutputDir = outputDir,
        .AniExtractAllScenes = true, .DimensionShrinkOnly = true, .MiscAutoOrient = true};
}
