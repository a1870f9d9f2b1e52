#pragma once

#include <QString>

namespace vexl {

struct ProcessSettings;

// True when the prefix, the suffix or the stamp uses [DATE], [TIME] or [CAMERA]
// (read from the source's header only then).
bool MentionsCaptureInfo(const ProcessSettings &s);

// width x height in megapixels with one decimal in the user's locale (two when
// one decimal would show 0.0). Throws VexlError on a 32-bit overflow.
QString FormatMegaPixels(qint32 width, qint32 height);
// A byte count as "512.00 b", "1.50 Kb", "2.00 Mb" or "1.00 Gb".
QString FormatBytes(qint32 bytes);

} // namespace vexl
