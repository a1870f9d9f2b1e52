#pragma once

#include "support/dialogservice.h"
#include "support/dialogtypes.h"

#include <QString>

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
    // Called once per image with its position (1-based), count and item.
    virtual void imageStarted(int position, int count, const QString &item) { Q_UNUSED(position); Q_UNUSED(count); Q_UNUSED(item); }
};

} // namespace vexl
