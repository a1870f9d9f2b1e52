// The main window's preview panel: a small picture of the selected image, made
// by ImageMagick as Temp/preview.gif and loaded from there.
#include "frmmain.h"

#include "ui_frmmain.h"

#include "engine/engineworker.h"
#include "engine/imageengine.h"
#include "engine/workersandbox.h"
#include "support/apppaths.h"
#include "support/messages.h"
#include "support/vexlerror.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>

namespace vexl {

namespace {
// "%n" repeats the count once per scene ("121212..." for 12 scenes); the line
// end keeps the first count apart. Pinged: the frames are counted, not decoded.
int sceneCount(ImageEngine &engine, const QString &path)
{
    const QString text = engine.Identify({QStringLiteral("-ping"), QStringLiteral("-format"), QStringLiteral("%n\n"), path});
    static const QRegularExpression first(QStringLiteral("(\\d+)"));
    const QRegularExpressionMatch m = first.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// "%wx%h" of a file with several pages repeats per page: the first is the one shown.
QString firstDimensions(const QString &text)
{
    static const QRegularExpression dims(QStringLiteral("^\\s*(\\d+x\\d+)"));
    const QRegularExpressionMatch m = dims.match(text);
    return m.hasMatch() ? m.captured(1) : text.trimmed();
}

VexlError invalidPicture(const QString &reason)
{
    return VexlError{481, QStringLiteral("Invalid picture (%1)").arg(reason), QStringLiteral("frmMain.UpdatePreview"), 0};
}
} // namespace

void frmMain::UpdatePreview(bool force)
{
    if (m_refreshGuard)
        return;
    if (!force && !isVisible())
        return; // no preview before the window is shown
    // The engine serves events while it works: a click on another image, or a
    // command that changes this one, asks for another run once this one is done.
    if (m_previewBusy) {
        m_previewAgain = true;
        m_previewAgainForced = m_previewAgainForced || force;
        return;
    }
    m_previewBusy = true;
    bool forced = force;
    for (;;) {
        makePreview(forced);
        if (!m_previewAgain)
            break;
        forced = m_previewAgainForced;
        m_previewAgain = false;
        m_previewAgainForced = false;
    }
    m_previewBusy = false;
}

void frmMain::makePreview(bool force)
{
    QListWidgetItem *item = m_ui->lstImages->currentItem();
    // 2. nothing selected. The picture is gone, so the next selection makes
    // one even when it is the image shown before.
    if (!item) {
        m_ui->imgPreview->hide();
        m_ui->lblLoading->hide();
        m_previewedFile.clear();
        return;
    }
    // 3. previews switched off
    m_ui->lblImageDimensions->show();
    if (!m_ui->mnuPreviewImages->isChecked()) {
        m_ui->imgPreview->hide();
        m_ui->lblViewPictureError->hide();
        m_ui->lblImageDimensions->hide();
        m_ui->lblLoading->setText(Msg("msgPreviewDisabled"));
        m_ui->lblLoading->show();
        return;
    }
    // 4. the preview is current
    const QString itemText = item->text();
    const QString fullPath = AddBackslash(m_currentFolder) + itemText;
    if (m_ui->lblLoading->text() != Msg("msgPreviewDisabled") && fullPath == m_previewedFile && !force)
        return;

    // 5. busy: the previous image's size goes with its picture.
    m_ui->imgPreview->hide();
    m_ui->lblViewPictureError->hide();
    m_ui->lblImageDimensions->clear();
    m_currentDimensions.clear();
    // Back from "(Preview Disabled)": the label says what it does again, and
    // the check above caches previews again.
    if (m_ui->lblLoading->text() == Msg("msgPreviewDisabled"))
        m_ui->lblLoading->setText(QCoreApplication::translate("frmMain", "Loading...."));
    m_ui->lblLoading->show();
    m_ui->lblLoading->raise();
    setCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();

    // Another selection made while the engine worked (or the list refilled):
    // this picture is not wanted, and the one highlighted now is made next.
    const int row = m_ui->lstImages->currentRow();
    const QString folder = m_currentFolder;
    const auto superseded = [this, row, folder, itemText] {
        const QListWidgetItem *now = m_ui->lstImages->currentItem();
        if (!m_previewAgain && now && m_ui->lstImages->currentRow() == row && now->text() == itemText
            && m_currentFolder == folder)
            return false;
        m_previewAgain = true;
        m_previewedFile.clear();
        return true;
    };

    int line = 6;
    try {
        AppPaths::ensureTempFolder();
        const QString target = AppPaths::tempFile(QStringLiteral("preview.gif"));
        m_previewedFile = fullPath;
        QString source = fullPath;
        m_sceneCaption.clear();
        m_ui->fraViewPictureOuter->setTitle(m_baseCaption);
        ImageEngine engine;
        engine.setServeEventsWhileWorking(true);
        // The preview's workers read the listed folder and write Temp only.
        if (EngineWorkerPool *pool = engine.workerPool())
            pool->setFolders(RunFolders(m_currentFolder, QString(), {itemText}));

        // 7. an animated GIF (or WebP) is shown by its first scene
        line = 7;
        if (itemText.right(3).toLower() == QLatin1String("gif") || itemText.right(5).toLower() == QLatin1String(".webp")) {
            const int scenes = sceneCount(engine, fullPath);
            if (scenes > 1) {
                const QString scene0 = AppPaths::tempFile(QStringLiteral("tmpscene0.gif"));
                engine.Convert({fullPath + QStringLiteral("[0]"), scene0});
                source = scene0;
                m_sceneCaption = QStringLiteral("1/%1").arg(scenes);
                m_ui->fraViewPictureOuter->setTitle(m_baseCaption + QStringLiteral(" (") + Msg("msgScene")
                                                    + QLatin1Char(' ') + m_sceneCaption + QLatin1Char(')'));
            }
        }
        if (superseded()) {
            unsetCursor();
            return;
        }

        // 8. original size
        line = 8;
        m_currentDimensions = firstDimensions(engine.Identify({QStringLiteral("-format"), QStringLiteral("%wx%h"), source}));
        m_ui->lblImageDimensions->setText(Msg("msgOriginalSize") + QLatin1Char(' ') + m_currentDimensions);
        m_ui->lstImages->update();
        QCoreApplication::processEvents();
        if (superseded()) {
            unsetCursor();
            return;
        }

        // 9. the scaled copy
        line = 9;
        engine.Convert({QStringLiteral("-geometry"), m_previewBox, source, target});
        m_ui->lstImages->update();
        QCoreApplication::processEvents();
        if (superseded()) {
            unsetCursor();
            return;
        }

        // 10. shown, centred. Read through QImage: a pixmap loaded by name may
        // come from the pixmap cache, which would show the old picture of a
        // file rewritten within the same second.
        line = 10;
        if (superseded()) {
            unsetCursor();
            return;
        }
        QImageReader reader(target);
        reader.setDecideFormatFromContent(true);
        const QImage picture = reader.read();
        if (picture.isNull())
            throw invalidPicture(reader.errorString());
        m_ui->imgPreview->setPixmap(QPixmap::fromImage(picture));
        m_ui->imgPreview->resize(picture.size());
        layoutPreview();

        // 11. done
        line = 11;
        m_ui->lblLoading->hide();
        m_ui->lblViewPictureError->hide();
        m_ui->imgPreview->show();
        m_ui->lblLoading->lower();
        unsetCursor();
    } catch (const VexlError &e) {
        previewFailed(e.line ? e.line : line, itemText, e.description);
    }
}

void frmMain::previewFailed(int line, const QString &itemText, const QString &description)
{
    m_ui->imgPreview->hide();
    m_ui->lblLoading->hide();
    const QString text = itemText + QLatin1Char('\n') + QStringLiteral("(%1) ").arg(line) + description;
    m_ui->lblViewPictureError->setText(text);
    m_ui->lblViewPictureError->setToolTip(m_ui->mnuTooltips->isChecked() ? QString(text).replace(QLatin1Char('\n'), QStringLiteral(" - "))
                                                                         : QString());
    m_ui->lblImageDimensions->hide();
    m_ui->lblViewPictureError->show();
    m_ui->lblViewPictureError->raise();
    unsetCursor();
}

// The picture sits in the middle of its frame; the loading and error labels fill it.
void frmMain::layoutPreview()
{
    const QSize frame = m_ui->fraViewPicture->size();
    const QSize picture = m_ui->imgPreview->size();
    m_ui->imgPreview->move((frame.width() - picture.width()) / 2, (frame.height() - picture.height()) / 2);
    const QRect inside = m_ui->fraViewPicture->contentsRect();
    m_ui->lblLoading->setGeometry(inside);
    m_ui->lblViewPictureError->setGeometry(inside);
}

} // namespace vexl
