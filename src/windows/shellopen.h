#pragma once

#include <QUrl>

namespace vexl {

// Asks the desktop to "open" a file or address (image viewer, browser, mail
// program). Throws VexlError when the desktop has nothing to open it with.
void ShellOpen(const QUrl &url);

} // namespace vexl
