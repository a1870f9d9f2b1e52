// Commands on the one selected image (flip, invert, greyscale, rotate, open)
// and the overlay's font and colours.
#include "frmmain.h"

#include "ui_frmmain.h"

#include "engine/engineworker.h"
#include "engine/imageengine.h"
#include "engine/workersandbox.h"
#include "colourscheme.h"
#include "support/dialogservice.h"
#include "support/messages.h"
#include "shellopen.h"
#include "support/vexlerror.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

namespace vexl {

void frmMain::wireCommands()
{
    connect(m_ui->mnuOpenImage, &QAction::triggered, this, &frmMain::mnuOpenImage_Click);
    connect(m_ui->mnuFlipH, &QAction::triggered, this, &frmMain::mnuFlipH_Click);
    connect(m_ui->mnuFlipV, &QAction::triggered, this, &frmMain::mnuFlipV_Click);
    connect(m_ui->mnuInvert, &QAction::triggered, this, &frmMain::mnuInvert_Click);
    connect(m_ui->mnuGreyscale, &QAction::triggered, this, &frmMain::mnuGreyscale_Click);
    connect(m_ui->mnuRotate90, &QAction::triggered, this, [this] { mnuRotate_Click(90); });
    connect(m_ui->mnuRotate180, &QAction::triggered, this, [this] { mnuRotate_Click(180); });
    connect(m_ui->mnuRotate270, &QAction::triggered, this, [this] { mnuRotate_Click(270); });
    connect(m_ui->cmdTextOverlayFont, &QToolButton::clicked, this, &frmMain::cmdTextOverlayFont_Click);
    connect(m_ui->mnuFGCol, &QAction::triggered, this, &frmMain::mnuFGCol_Click);
    connect(m_ui->mnuSetBGCol, &QAction::triggered, this, &frmMain::mnuSetBGCol_Click);
    connect(m_ui->mnuSetBGTrans, &QAction::triggered, this, &frmMain::mnuSetBGTrans_Click);
}

// The engine works on a copy beside the image and puts it in the image's place
// only when the command succeeded, so a failure (an unreadable image, a full
// disk) leaves the image as it was.
void frmMain::runImageCommand(const QStringList &options, const char *failMessage, const QString &title)
{
    const QString path = selectedImagePath();
    if (path.isEmpty() || m_imageCommandBusy)
        return;
    m_imageCommandBusy = true;
    setCursor(Qt::WaitCursor);
    int line = 1;
    try {
        ImageEngine engine;
        engine.setServeEventsWhileWorking(true);
        // The command changes the image in its own folder (where a link leads).
        if (EngineWorkerPool *pool = engine.workerPool()) {
            const QFileInfo real(QFileInfo(path).canonicalFilePath());
            pool->setFolders(RunFolders(QString(), real.exists() ? real.absolutePath() : QFileInfo(path).absolutePath()));
        }
        line = 2;
        engine.Mogrify(options + QStringList{path});
    } catch (const VexlError &e) {
        unsetCursor();
        m_imageCommandBusy = false;
        QString text = MsgX(failMessage);
        text.replace(QStringLiteral("[IMAGE]"), path);
        MsgBox(text + QStringLiteral("\r\n(%1) ").arg(line) + e.description, MsgButtons::Ok, MsgIcon::Exclamation, title);
        return;
    }
    unsetCursor();
    m_imageCommandBusy = false;
    m_previewedFile.clear();
    UpdatePreview(false);
}

void frmMain::mnuFlipH_Click()
{
    runImageCommand({QStringLiteral("-flop")}, "msgFlipFailed", QStringLiteral("Flip Error"));
}

void frmMain::mnuFlipV_Click()
{
    runImageCommand({QStringLiteral("-flip")}, "msgFlipFailed", QStringLiteral("Flip Error"));
}

void frmMain::mnuInvert_Click()
{
    runImageCommand({QStringLiteral("-negate")}, "msgInvertFailed", QStringLiteral("Invert Error"));
}

void frmMain::mnuGreyscale_Click()
{
    runImageCommand({QStringLiteral("-type"), QStringLiteral("grayscale")}, "msgGreyscaleFailed",
                    QStringLiteral("Greyscale Error"));
}

void frmMain::mnuRotate_Click(int degrees)
{
    runImageCommand({QStringLiteral("-rotate"), QString::number(degrees)}, "msgRotateFailed", QStringLiteral("Flip Error"));
}

void frmMain::mnuOpenImage_Click()
{
    const QString path = selectedImagePath();
    if (path.isEmpty())
        return;
    ShellOpen(QUrl::fromLocalFile(path));
}

// ---------------------------------------------------------------- overlay font and colours

void frmMain::cmdTextOverlayFont_Click()
{
    const std::optional<FontChoice> font = DialogService::current().chooseFont(m_overlayFace, m_overlaySize);
    if (!font)
        return; // cancelled: nothing changes
    if (font->bold || font->italic || font->underline || font->strikeout)
        MsgBox(MsgX("msgFontStylesIgnored"), MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Font Selection"));
    m_overlayFace = font->face;
    m_overlaySize = qBound(1, font->size, 32767);
    UpdateTextOverlay();
}

void frmMain::mnuFGCol_Click()
{
    if (const std::optional<qint32> colour = DialogService::current().chooseColour(m_overlayColour))
        m_overlayColour = *colour;
    UpdateTextOverlay();
}

void frmMain::mnuSetBGCol_Click()
{
    if (const std::optional<qint32> colour = DialogService::current().chooseColour(m_overlayBGColour)) {
        m_overlayBGColour = *colour;
        m_overlayBGTrans = false;
    }
    // A cancel keeps the ticks as they were.
    UpdateTextOverlay();
}

void frmMain::mnuSetBGTrans_Click()
{
    m_overlayBGTrans = true;
    UpdateTextOverlay();
}

void frmMain::UpdateTextOverlay()
{
    QLineEdit *field = m_ui->txtTextOverlay;
    QPalette p = field->palette();
    const QPalette normal = QApplication::palette(field);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, m_overlayBGTrans ? normal.color(group, QPalette::Base) : WinColour(m_overlayBGColour));
        if (group != QPalette::Disabled)
            p.setColor(group, QPalette::Text, WinColour(m_overlayColour));
    }
    field->setPalette(p);
    QFont font = field->font();
    font.setFamily(m_overlayFace);
    field->setFont(font);
    m_ui->mnuSetBGTrans->setChecked(m_overlayBGTrans);
    m_ui->mnuSetBGCol->setChecked(!m_overlayBGTrans);
}

} // namespace vexl
