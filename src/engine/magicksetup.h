#pragma once

#include <QString>
#include <QtGlobal>

namespace vexl::magick {

// The ceilings ImageMagick works under in this program. A file that needs more
// (a header claiming 65000x65000 pixels, a GIF of 100 000 frames) fails at once
// with ImageMagick's resource error instead of eating memory, disk and time.
// The system's own policy may lower them further, never raise them.
struct Limits
{
    qint64 width = 16000;                       // pixels
    qint64 height = 16000;                      // pixels
    qint64 area = 128'000'000;                  // pixels held in memory; beyond, the cache goes to disk
    qint64 memory = 256LL * 1024 * 1024;        // bytes of heap pixel cache
    qint64 map = 512LL * 1024 * 1024;           // bytes of memory-mapped pixel cache
    qint64 disk = 1024LL * 1024 * 1024;         // bytes of disk pixel cache
    qint64 frames = 2000;                       // images in one list (animation frames)
};

// Starts ImageMagick, loads the security policy on top of the system's (no
// delegates, no "@file" indirection, only the coders of the program's image
// types plus label:) and applies the limits. Returns an empty text on success,
// else what went wrong. Call once per process.
QString start();

} // namespace vexl::magick
