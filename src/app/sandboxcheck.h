#pragma once

#include <QString>

namespace vexl {

// `vexl-dovo --sandbox-check [FOLDER]`: starts an image worker as a batch over
// FOLDER (default: a new temporary folder) into FOLDER would, has it try -
// confined - to read a file beside FOLDER, to write there and to connect to a
// listening TCP port on 127.0.0.1, and prints one line each: the Landlock ABI,
// whether the confinement is active, and "denied" or "allowed" per try.
// Returns 0 when all three were denied, 1 otherwise, 2 for a bad FOLDER.
int RunSandboxCheck(const QString &folder);

} // namespace vexl
