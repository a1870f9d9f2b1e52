#pragma once

#include "dialogtypes.h"

#include <QString>
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
    // The modal error report. Returns when the user closed it.
    virtual void showErrorReport(const ErrorReport &report) = 0;
    // The FTP login prompt for `server`, its fields preset to the saved user name
    // and password; no value when cancelled.
    virtual std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                                   const QString &password);

    static DialogService &current();
    // Installs `service` (not owned); nullptr restores the service installed at start.
    static void setCurrent(DialogService *service);
};

// Shows the error report through the current dialog service; a fatal report ends
// the program once the user has closed it.
void DisplayError(const ErrorReport &report);

// Shorthand for a message box through the current service.
MsgAnswer MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title);

} // namespace vexl
