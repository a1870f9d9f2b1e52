#include "shellopen.h"

#include "support/vexlerror.h"

#include <QDesktopServices>

namespace vexl {

void ShellOpen(const QUrl &url)
{
    if (!QDesktopServices::openUrl(url))
        throw VexlError{31, QStringLiteral("Could not open \"%1\"").arg(url.toDisplayString()),
                        QStringLiteral("ShellOpen"), 0};
}

} // namespace vexl
