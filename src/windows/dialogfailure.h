#pragma once

#include "support/vexlerror.h"

#include <QString>

class QWidget;

namespace vexl {

// The failure path of the FTP dialogs: the error report titled with the window's
// caption, naming the window and the procedure, with the step in progress and
// the settings dump followed by the current connection's FTP dump.
void ReportDialogFailure(const VexlError &error, QWidget *window, const QString &procedure, const QString &operation);

} // namespace vexl
