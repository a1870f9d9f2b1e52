#pragma once

#include <QUrl>

namespace vexl {

// Asks the desktop to "open" a file or address (image viewer, browser, mail
// program). When the desktop has nothing set up to open it, says so in one
// message box and returns false.
bool ShellOpen(const QUrl &url);

} // namespace vexl
