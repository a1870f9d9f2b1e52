#include "shellopen.h"

#include "support/dialogservice.h"
#include "support/messages.h"

#include <QDesktopServices>

namespace vexl {

bool ShellOpen(const QUrl &url)
{
    if (QDesktopServices::openUrl(url))
        return true;
    // Not an unexpected error: this desktop has no program set up for it.
    if (url.isLocalFile()) {
        MsgBox(MsgX("msgNoImageViewer").replace(QLatin1String("[FILE]"), url.toLocalFile()), MsgButtons::Ok,
               MsgIcon::Exclamation, QStringLiteral("No Image Viewer"));
    } else {
        MsgBox(MsgX("msgNoWebBrowser").replace(QLatin1String("[URL]"), url.toDisplayString()), MsgButtons::Ok,
               MsgIcon::Exclamation, QStringLiteral("No Web Browser"));
    }
    return false;
}

} // namespace vexl
