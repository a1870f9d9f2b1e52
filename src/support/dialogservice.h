#pragma once

#include "dialogtypes.h"
#include "runsummary.h"

#include <QString>
#include <functional>
#include <optional>

namespace vexl {

// What the error report shows: the arguments of DisplayError plus the error
// being handled (number, source, bare description).
struct ErrorReport
{
    QString title;
    QString programId = QStringLiteral("52");
    QString description;      // "(" line ") " + error description
    QString windowName;       // frmMain, frmGo, modFontFilename, ...
    QString procedureName;    // Form_Activate, GetSettings, ...
    bool fatal = false;
    QString operation;        // the step in progress
    QString settings;         // settings dump
    int errNumber = 0;
    QString errSource;
    QString errDescription;
};

// The answer of the FTP login prompt.
struct LoginAnswer
{
    QString username;
    QString password;
    bool remember = false; // "Remember Username & Password" ticked
};

// What the font dialog gave back. The overlay uses only face and size; the
// styles are reported so the caller can say that they were ignored.
struct FontChoice
{
    QString face;
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// Every message box, question, input box and modal choice of the program goes
// through the current dialog service. The windows install one that shows Qt
// dialogs; tests install one that answers from a script and records what was asked.
class DialogService
{
public:
    virtual ~DialogService();

    // A message box: text (line breaks already expanded), buttons, icon, title.
    virtual MsgAnswer message(const QString &text, MsgButtons buttons, MsgIcon icon,
                              const QString &title) = 0;
    // An input box; no value when cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultText) = 0;
    // A local folder chooser preset to `start`; no value when cancelled.
    virtual std::optional<QString> chooseFolder(const QString &start, const QString &title) = 0;
    // The font dialog preset to `face` and `size` (no styles); no value when cancelled.
    virtual std::optional<FontChoice> chooseFont(const QString &face, int size) = 0;
    // The colour dialog preset to `colour`, a Windows colour value (0x00BBGGRR, or
    // 0x80000000 + n for system colour n); gives 0x00BBGGRR, no value when cancelled.
    virtual std::optional<qint32> chooseColour(qint32 colour) = 0;
    // The modal error report. Returns when the user closed it.
    virtual void showErrorReport(const ErrorReport &report) = 0;
    // The FTP login prompt for `server`, its fields preset to the saved user name
    // and password; no value when cancelled.
    virtual std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                                   const QString &password);
    // The summary at the end of a run. Without a window of its own it is a
    // message box: the heading "Process Finished!" under the title "Done".
    virtual void showRunSummary(const RunSummary &summary);

    // A file chooser: a name to save under (`save`) or a file to open, starting
    // at `start`, offering `filter` ("Settings files (*.ini)"); no value when
    // cancelled. Without an implementation nothing is chosen.
    virtual std::optional<QString> chooseFile(bool save, const QString &title, const QString &start,
                                              const QString &filter);

    static DialogService &current();
    // Installs `service` (not owned); nullptr restores the service installed at start.
    static void setCurrent(DialogService *service);
};

// Shows the error report through the current dialog service; a fatal report ends
// the program once the user has closed it.
void DisplayError(const ErrorReport &report);

// The settings dump that the error reports of the support windows carry. The
// main window installs its own; without one the dump is empty.
void SetSettingsReportSource(std::function<QString()> source);
QString CurrentSettingsReport();

// Shorthand for a message box through the current service.
MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title);

} // namespace vexl
