// The main window's name preview: the run's plan shown before the run.
#include "frmmain.h"

#include "ui_frmmain.h"

#include "frmnamepreview.h"

namespace vexl {

void frmMain::mnuPreviewNames_Click()
{
    if (m_listing)
        return;
    const ProcessSettings s = processSettings();
    frmNamePreview preview(this);
    preview.setObjectName(QStringLiteral("frmNamePreview"));
    preview.showPlan(s, batchInput());
    preview.exec();
    if (preview.startChosen())
        cmdGo_Click();
}

} // namespace vexl
