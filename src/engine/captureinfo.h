#pragma once

#include <QString>

namespace vexl {

// The camera facts of a photo as its EXIF data gives them. Empty texts and a
// zero orientation where the file has no such tag (or no EXIF data at all).
struct ExifFacts
{
    QString dateTimeOriginal; // "YYYY:MM:DD HH:MM:SS" as written (EXIF has no time zone)
    QString dateTime;         // the same form; the time the file was last written by the camera
    QString make;
    QString model;
    int orientation = 0;      // 1..8, 0 when absent or out of range (and for HEIC/AVIF, upright when decoded)
};

// Reads the EXIF data of a JPEG, TIFF, WebP or HEIC/HEIF/AVIF file from its header and
// metadata blocks alone: no pixel is decoded, and a damaged or hostile file
// gives what could be read (never a crash, never more than a bounded read).
// Other files give empty facts.
ExifFacts ReadExifFacts(const QString &path);

// The capture date and camera of an image for the meta variables:
// [DATE] "YYYY-MM-DD" and [TIME] "HH-MM-SS" from DateTimeOriginal, else
// DateTime, else the file's modification time in local time; [CAMERA] make and
// model, trimmed, stripped of characters a file name may not hold, at most 64
// characters, "unknown" when neither is known.
struct CaptureInfo
{
    QString date;
    QString time;
    QString camera;
};
CaptureInfo ReadCaptureInfo(const QString &path);

} // namespace vexl
