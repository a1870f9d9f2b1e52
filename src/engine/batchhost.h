#pragma once

#include "support/dialogservice.h"
#include "support/dialogtypes.h"
#include "support/messages.h"
#include "support/runsummary.h"

#include <QString>
#include <optional>

namespace vexl {

// What a batch run needs from whoever hosts it: the processing window, the
// command-line batch or a test. The run talks to nothing else.
class BatchHost
{
public:
    virtual ~BatchHost() = default;

    // A question or message box; `text` has its line breaks expanded.
    virtual MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) = 0;
    // The error report for an unexpected failure.
    virtual void reportError(const ErrorReport &report) = 0;

    virtual void setCaption(const QString &caption) = 0;
    virtual QString caption() const = 0;
    virtual void setStatus(const QString &text) = 0;
    // A line the user must not miss (a skipped image, a file removed for good,
    // a partial remote file left): the status line here; the command line also
    // prints it on standard error.
    virtual void report(const QString &line) { setStatus(line); }
    virtual void setImageText(const QString &text) = 0;
    virtual void setSceneText(const QString &text) = 0;
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    // Large window with the FTP panel (true) or the small one (false).
    virtual void setFtpMode(bool ftp) = 0;
    // Yields to the event loop so painting and the stop button are served.
    virtual void doEvents() = 0;
    // The run's clean-up: the processing window hides itself here.
    virtual void runClosing() {}
    // The end of a run that got under way: what it did. Without a summary of
    // its own a host shows "Process Finished!" as before.
    virtual void runFinished(const RunSummary &summary)
    {
        Q_UNUSED(summary);
        ask(ExpandNewlines(RunSummary::heading()), MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Done"));
    }
    // Called once per image with its position (1-based), count and item.
    virtual void imageStarted(int position, int count, const QString &item) { Q_UNUSED(position); Q_UNUSED(count); Q_UNUSED(item); }

    // The FTP panel of a run whose destination is a saved connection.
    virtual void clearFtpLog() {}
    // One line of the FTP log; `kind` is an FtpMessageKind. The password line
    // already reads "PASS ****".
    virtual void ftpLogLine(const QString &text, int kind) { Q_UNUSED(text); Q_UNUSED(kind); }
    // The session status, the transfer label ("12.3 KB/45.6 KB") and the
    // transfer progress (0-100).
    virtual void setFtpStatus(const QString &text) { Q_UNUSED(text); }
    virtual void setFtpTransfer(const QString &text) { Q_UNUSED(text); }
    virtual void setFtpProgress(int percent) { Q_UNUSED(percent); }
    // The login prompt for a connection without a saved password: the server
    // name, the saved user name and password. No value: cancelled.
    virtual std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                                   const QString &password)
    {
        Q_UNUSED(server);
        Q_UNUSED(username);
        Q_UNUSED(password);
        return std::nullopt;
    }
};

} // namespace vexl
