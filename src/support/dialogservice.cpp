#include "dialogservice.h"

#include "messages.h"

#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace vexl {

namespace {
// Used when no window has installed a service yet (the command-line batch, early
// start-up): messages go to the terminal and questions get their safe answer.
class TerminalDialogService final : public DialogService
{
public:
    MsgAnswer message(const QString &text, MsgButtons buttons, MsgIcon, const QString &title) override
    {
        QTextStream(stderr) << title << ": " << text << Qt::endl;
        switch (buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::OkCancel: return MsgAnswer::Cancel;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgAnswer::No;
        }
        return MsgAnswer::No;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> chooseFolder(const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &, const QString &) override
    {
        // Nobody to ask: the login counts as cancelled.
        QTextStream(stderr) << "Server Login: " << server << ": no login given" << Qt::endl;
        return std::nullopt;
    }
    std::optional<FontChoice> chooseFont(const QString &, int) override { return std::nullopt; }
    std::optional<qint32> chooseColour(qint32) override { return std::nullopt; }
    void showErrorReport(const ErrorReport &r) override
    {
        QTextStream(stderr) << r.title << ": " << r.description << " [" << r.windowName << '.'
                            << r.procedureName << "] " << r.operation << Qt::endl;
    }
};

DialogService *&installed()
{
    static TerminalDialogService terminal;
    static DialogService *service = &terminal;
    return service;
}
std::function<QString()> &reportSource()
{
    static std::function<QString()> source;
    return source;
}
DialogService *&fallback()
{
    static DialogService *service = nullptr;
    return service;
}
} // namespace

DialogService::~DialogService() = default;

void DialogService::showRunSummary(const RunSummary &)
{
    message(ExpandNewlines(RunSummary::heading()), MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Done"));
}

std::optional<LoginAnswer> DialogService::promptLogin(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

DialogService &DialogService::current()
{
    return *installed();
}

void DialogService::setCurrent(DialogService *service)
{
    if (!fallback())
        fallback() = installed();
    installed() = service ? service : fallback();
}

void DisplayError(const ErrorReport &report)
{
    DialogService::current().showErrorReport(report);
    if (report.fatal)
        std::exit(1);
}

void SetSettingsReportSource(std::function<QString()> source)
{
    reportSource() = std::move(source);
}

QString CurrentSettingsReport()
{
    return reportSource() ? reportSource()() : QString();
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    return DialogService::current().message(text, buttons, icon, title);
}

std::optional<QString> DialogService::chooseFile(bool, const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

} // namespace vexl
