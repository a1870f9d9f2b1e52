#pragma once

#include <QStringList>

namespace vexl {

// The command line: `vexl-dovo --batch [FOLDER]` runs a batch without any window
// over every image the image list would show for FOLDER, with the stored
// settings; --help and --version answer and end. Returns the process exit code:
// 0 when the run finished, 1 when it ended early (a "No", an error, Ctrl-C or
// SIGTERM), 2 for bad arguments.
int RunCommandLine(const QStringList &arguments);

// True when the arguments hold any option: they all belong to the command line,
// never to the window.
bool WantsCommandLine(const QStringList &arguments);

// The self-rewriting progress line shown on a terminal:
// "[37/240] 15 %  12.3 img/s  sub/name.jpg" (done share and speed of the images
// before this one).
QString ProgressLine(int position, int count, qint64 elapsedMs, const QString &item);

} // namespace vexl
