#include "dialogfailure.h"

#include "support/dialogservice.h"
#include "settings/ftpconnections.h"

#include <QWidget>

namespace vexl {

void ReportDialogFailure(const VexlError &error, QWidget *window, const QString &procedure, const QString &operation)
{
    ErrorReport r;
    r.title = window->windowTitle();
    r.description = error.withLine();
    r.windowName = window->objectName();
    r.procedureName = procedure;
    r.operation = operation;
    r.settings = CurrentSettingsReport() + GetFTPSettingsReport(Ftp().current, Ftp().current.DefaultPath);
    r.errNumber = error.number;
    r.errSource = error.source;
    r.errDescription = error.description;
    DisplayError(r);
}

} // namespace vexl
