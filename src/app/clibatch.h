#pragma once

#include <QStringList>

namespace vexl {

// The command-line batch: `vexl-dovo --batch [FOLDER]` runs a batch without any
// window over every image the image list would show for FOLDER, with the stored
// settings. Returns the process exit code: 0 when the run finished, 1 when it
// ended early, 2 for bad arguments.
int RunCommandLineBatch(const QStringList &arguments);

// True when the arguments ask for the command-line batch (or its help).
bool WantsCommandLineBatch(const QStringList &arguments);

} // namespace vexl
