#include "dialogfailure.h"

#include "dialogservice.h"
#include "ftpconnections.h"

#include <QWidget>

namespace vexl {

namespace {
std::function<QString()> &reporter()
{
    static std::function<QString()> r;
    return r;
}
} // namespace

void SetMainSettingsReporter(std::function<QString()> r)
{
    reporter() = std::move(r);
}

QString MainSettingsReport()
{
    return reporter() ? reporter()() : QString();
}

void ReportDialogFailure(const VexlError &error, QWidget *window, const QString &procedure, const QString &operation)
{
    ErrorReport r;
    r.title = window->windowTitle();
    r.description = error.withLine();
    r.windowName = window->objectName();
    r.procedureName = procedure;
    r.operation = operation;
    r.settings = MainSettingsReport() + GetFTPSettingsReport(Ftp().current, Ftp().current.DefaultPath);
    r.errNumber = error.number;
    r.errSource = error.source;
    r.errDescription = error.description;
    DisplayError(r);
}

} // namespace vexl
