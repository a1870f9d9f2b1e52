#pragma once

#include "vexlerror.h"

#include <QString>
#include <functional>

class QWidget;

namespace vexl {

// The main window registers its settings dump here, so that error reports
// raised by other windows carry it too. Nothing registered: an empty dump.
void SetMainSettingsReporter(std::function<QString()> reporter);
QString MainSettingsReport();

// The failure path of the FTP dialogs: the error report titled with the window's
// caption, naming the window and the procedure, with the step in progress and
// the settings dump followed by the current connection's FTP dump.
void ReportDialogFailure(const VexlError &error, QWidget *window, const QString &procedure, const QString &operation);

} // namespace vexl
