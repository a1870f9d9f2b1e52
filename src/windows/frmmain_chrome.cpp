// Everything about the main window that is not an option of the batch: size and
// place, splitter, colour schemes, tooltips, the style manifest, the folder
// verb, web links, the About box and small conveniences.
#include "frmmain.h"

#include "ui_frmmain.h"

#include "support/appversion.h"
#include "colourscheme.h"
#include "support/desktopintegration.h"
#include "support/dialogservice.h"
#include "frmabout.h"
#include "support/messages.h"
#include "shellopen.h"
#include "support/vexlerror.h"

#include "version.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSaveFile>
#include <QScreen>
#include <QUrl>

namespace vexl {

namespace {
// The client area of a first start and the smallest the panels are laid out
// for: 7710 x 7755 twips at 15 twips per pixel.
constexpr int kMinClientWidth = 514;
constexpr int kMinClientHeight = 517;
constexpr int kTwipsPerPixel = 15;
// The splitter's left edge stays right of 600 twips.
constexpr int kSplitterMinX = 600 / kTwipsPerPixel;
// The output frame's heights, open and collapsed (1455 and 90 twips): collapsed,
// only its caption shows.
constexpr int kOutputOpenHeight = 1455 / kTwipsPerPixel;

struct Scheme
{
    const char *key;
    QAction *Ui::frmMain::*item;
    quint32 first;
    quint32 second;
    const char *face;
};

const Scheme kSchemes[] = {
    {"Grey", &Ui::frmMain::mnuColourGrey, 0x8000000F, 0x8000000F, "MS Sans Serif"},
    {"Quillmere", &Ui::frmMain::mnuColourQuillmere, 0xF1F1F0, 0xEDEFEF, "tahoma"},
    {"Mozilla", &Ui::frmMain::mnuColourMozilla, 0xEDEFEF, 0xEDEFEF, "arial"},
    {"Light", &Ui::frmMain::mnuColourLight, 0xFDFBFB, 0xF1F1F0, "verdana"},
    {"Beige", &Ui::frmMain::mnuColourBeige, 0x8000000B, 0x8000000B, "MS Sans Serif"},
    {"BlueGrey", &Ui::frmMain::mnuColourBlueGrey, 0x8000000D, 0x8000000D, "MS Sans Serif"},
    {"Yellow", &Ui::frmMain::mnuColourYellow, 0x80000018, 0x80000018, "MS Sans Serif"},
};

QString twips(int pixels)
{
    return QString::number(pixels * kTwipsPerPixel);
}
} // namespace

void frmMain::wireChrome()
{
    for (const Scheme &scheme : kSchemes) {
        connect((*m_ui).*scheme.item, &QAction::triggered, this, [this, key = QString::fromLatin1(scheme.key)] {
            LoadColour(key, QStringLiteral("MS Sans Serif"), this);
        });
    }
    connect(m_ui->mnuPreviewImages, &QAction::triggered, this, &frmMain::mnuPreviewImages_Click);
    connect(m_ui->mnuTooltips, &QAction::triggered, this, &frmMain::mnuTooltips_Click);
    connect(m_ui->mnuXPStyle, &QAction::triggered, this, &frmMain::mnuXPStyle_Click);
    connect(m_ui->mnuEnableContextMenu, &QAction::triggered, this, &frmMain::mnuEnableContextMenu_Click);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(m_ui->cmdAbout, &QPushButton::clicked, this, &frmMain::mnuAbout_Click);

    const QString base = WebBaseAddress();
    const std::tuple<QObject *, QString, const char *> links[] = {
        {m_ui->cmdVisitQuillmere, base, "cmdVisitQuillmere_Click"},
        {m_ui->mnuVisitQuillmere, base, "mnuVisitQuillmere_Click"},
        {m_ui->mnuDonate, base + QStringLiteral("donate"), "mnuDonate_Click"},
        {m_ui->mnuGetVEXLPro, base + QStringLiteral("vexl/"), "mnuGetVEXLPro_Click"},
        {m_ui->mnuSubmitLanguage, base + QStringLiteral("download.php?view.84"), "mnuSubmitLanguage_Click"},
    };
    for (const auto &[sender, address, procedure] : links) {
        const auto open = [this, url = QUrl(address), procedure = QString::fromLatin1(procedure)] {
            openWebPage(url, procedure);
        };
        if (auto *button = qobject_cast<QPushButton *>(sender))
            connect(button, &QPushButton::clicked, this, open);
        else
            connect(static_cast<QAction *>(sender), &QAction::triggered, this, open);
    }

    for (QWidget *w : {static_cast<QWidget *>(m_ui->fraViewPicture), static_cast<QWidget *>(m_ui->imgPreview),
                       static_cast<QWidget *>(m_ui->lblLoading), static_cast<QWidget *>(m_ui->fraOutput)})
        w->installEventFilter(this);

    // The splitter's limits: the tree keeps the splitter right of 600 twips, and
    // the list keeps the splitter left of the preview panel with room to spare.
    m_ui->tvwFolders->setMinimumWidth(qMax(1, kSplitterMinX - m_ui->splDirFiles->x()));
    m_ui->pnlImages->setMinimumWidth((690 + 90) / kTwipsPerPixel);
}

// ---------------------------------------------------------------- size, place, splitter

void frmMain::applyMinimumSize()
{
    // The panels need at least the design size; a face wider than the design's
    // (or longer texts of a language) may need more, and then the layout says how much.
    // Combo boxes show their longest item whole.
    for (QComboBox *combo : {m_ui->cmbResizeMethod, m_ui->cmbCase, m_ui->cmbSpaces, m_ui->cmbTextOverlayPosition,
                             m_ui->cmbOutputFormat}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMinimumWidth(combo->sizeHint().width());
    }
    // A window not yet shown passes no size changes up through its nested
    // layouts: redo them from the innermost out, so the hint below is that of
    // the new faces and texts.
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        QWidget *w = *it;
        if (w->window() != this)
            continue;
        w->updateGeometry();
        if (QLayout *l = w->layout()) {
            l->invalidate();
            l->activate();
        }
    }
    layout()->invalidate();
    const QSize design(kMinClientWidth, kMinClientHeight + menuBar()->sizeHint().height());
    const QSize needed = minimumSizeHint();
    setMinimumSize(design.expandedTo(needed));
    m_defaultClient = minimumSize();
    if (width() < minimumWidth() || height() < minimumHeight())
        resize(size().expandedTo(minimumSize()));
}

void frmMain::restoreWindowGeometry(SettingsStore &store)
{
    applyMinimumSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const auto number = [&store](const char *name, double fallback) {
        try {
            return store.real(QLatin1String(name), fallback);
        } catch (const VexlError &) {
            return fallback;
        }
    };

    // The default: the design's client area, centred.
    QSize outer = m_defaultClient;
    QPoint pos(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    const int state = int(number("WindowState", 0));
    if (state != 2) {
        const QString here = twips(screenSize.width()) + QLatin1Char('x') + twips(screenSize.height());
        // Geometry stored on a screen of another size does not fit this one.
        if (store.text(QStringLiteral("ScreenSize")) == here) {
            outer = QSize(int(number("WindowWidth", outer.width() * kTwipsPerPixel) / kTwipsPerPixel),
                          int(number("WindowHeight", outer.height() * kTwipsPerPixel) / kTwipsPerPixel))
                        .expandedTo(minimumSize());
            pos = QPoint(int(number("WindowX", pos.x() * kTwipsPerPixel) / kTwipsPerPixel),
                         int(number("WindowY", pos.y() * kTwipsPerPixel) / kTwipsPerPixel));
            m_restoredOuter = outer;
        }
    }
    resize(outer);
    move(pos);
    if (state == 2)
        setWindowState(Qt::WindowMaximized);
    else if (state == 1)
        setWindowState(Qt::WindowMinimized);
}

void frmMain::placeSplitter()
{
    if (m_splitterPlaced)
        return;
    m_splitterPlaced = true;
    QList<int> sizes = m_ui->splDirFiles->sizes();
    if (sizes.size() != 2)
        return;
    const int total = sizes[0] + sizes[1];
    const int x = m_ui->splDirFiles->x();
    // DirFilesSep: the splitter's left edge; by default two thirds of the way
    // across the tree and the list.
    int sep = x + total * 2 / 3;
    try {
        sep = int(SettingsStore().real(QStringLiteral("DirFilesSep"), sep * kTwipsPerPixel) / kTwipsPerPixel);
    } catch (const VexlError &) {
    }
    const int first = qBound(m_ui->tvwFolders->minimumWidth(), sep - x, total - m_ui->pnlImages->minimumSizeHint().width());
    m_ui->splDirFiles->setSizes({first, total - first});
}

// ---------------------------------------------------------------- colour schemes

void frmMain::LoadColour(const QString &scheme, const QString &font, QWidget *target)
{
    Q_UNUSED(font); // each scheme brings its own face
    for (const Scheme &s : kSchemes)
        ((*m_ui).*s.item)->setChecked(false);
    const Scheme *row = &kSchemes[0];
    for (const Scheme &s : kSchemes)
        if (scheme == QLatin1String(s.key))
            row = &s;
    SetCols(qint32(row->first), qint32(row->second), QString::fromLatin1(row->face), target);
    ((*m_ui).*row->item)->setChecked(true);
    m_colourScheme = QString::fromLatin1(row->key);
    try {
        SettingsStore store;
        store.setText(QStringLiteral("Colour"), m_colourScheme);
        store.sync();
    } catch (const VexlError &e) {
        reportError(e, QStringLiteral("LoadColour"), QStringLiteral("Saving Colour Scheme"));
    }
    if (target == this) {
        // The overlay field shows the overlay's colours, not the scheme's.
        UpdateTextOverlay();
        applyMinimumSize();
    }
}

// ---------------------------------------------------------------- languages, tooltips

void frmMain::rebuildComposedTexts()
{
    m_baseCaption = m_ui->fraViewPictureOuter->title();
    if (!m_currentDimensions.isEmpty())
        m_ui->lblImageDimensions->setText(Msg("msgOriginalSize") + QLatin1Char(' ') + m_currentDimensions);
    if (!m_sceneCaption.isEmpty())
        m_ui->fraViewPictureOuter->setTitle(m_baseCaption + QStringLiteral(" (") + Msg("msgScene") + QLatin1Char(' ')
                                            + m_sceneCaption + QLatin1Char(')'));
    // The language's texts replaced the label's caption: with previews off it
    // must keep saying so (the next preview relies on it).
    if (!m_ui->mnuPreviewImages->isChecked())
        m_ui->lblLoading->setText(Msg("msgPreviewDisabled"));
}

void frmMain::clearTooltips()
{
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (QWidget *w : widgets)
        if (w->window() == this && !w->toolTip().isEmpty())
            w->setToolTip(QString());
}

void frmMain::mnuTooltips_Click()
{
    if (m_refreshGuard) {
        m_ui->mnuTooltips->setChecked(!m_ui->mnuTooltips->isChecked());
        return;
    }
    QString language = QStringLiteral("English");
    try {
        language = SettingsStore().text(QStringLiteral("Language"), language);
    } catch (const VexlError &) {
    }
    LoadLanguage(language);
}

// ---------------------------------------------------------------- preview menu

void frmMain::mnuPreviewImages_Click()
{
    UpdatePreview(false);
    // Without previews the panel leaves the layout and the list takes its room.
    m_ui->fraViewPictureOuter->setVisible(m_ui->mnuPreviewImages->isChecked());
    applyMinimumSize();
}

// ---------------------------------------------------------------- style manifest

void frmMain::StyleForm(bool enable)
{
    const QString path = StyleManifestPath();
    const bool exists = QFileInfo::exists(path);
    QString problem;
    if (!enable && exists) {
        QFile file(path);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        if (!file.remove())
            problem = file.errorString();
    } else if (enable && !exists) {
        const QString exeVersion = QStringLiteral("%1.%2.%3.0").arg(version::Major).arg(version::Minor).arg(version::Revision);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(StyleManifestText(QCoreApplication::applicationName() + QStringLiteral(".exe"), exeVersion,
                                            QString::fromLatin1(version::FileDescription)))
                   < 0
            || !file.commit())
            problem = file.errorString();
    }
    if (!problem.isEmpty())
        reportError(VexlError{75, problem, QStringLiteral("frmMain.StyleForm"), 1}, QStringLiteral("StyleForm"),
                    QStringLiteral("Path: ") + path);
}

void frmMain::mnuXPStyle_Click()
{
    StyleForm(m_ui->mnuXPStyle->isChecked());
    MsgBox(MsgX("msgRestartForXPStyle"), MsgButtons::Ok, MsgIcon::Information, QStringLiteral("Restart Required"));
}

// ---------------------------------------------------------------- folder verb

void frmMain::EnableContextMenu()
{
    const QString problem = m_ui->mnuEnableContextMenu->isChecked()
        ? WriteFolderVerb(Msg("msgBatchProcessImages"), QCoreApplication::applicationFilePath())
        : RemoveFolderVerb();
    if (!problem.isEmpty())
        reportError(VexlError{75, problem, QStringLiteral("frmMain.EnableContextMenu"), 1},
                    QStringLiteral("EnableContextMenu"), QStringLiteral("Path: ") + FolderVerbFile());
}

void frmMain::mnuEnableContextMenu_Click()
{
    if (m_refreshGuard) {
        m_ui->mnuEnableContextMenu->setChecked(!m_ui->mnuEnableContextMenu->isChecked());
        return;
    }
    EnableContextMenu();
}

// ---------------------------------------------------------------- links, About

void frmMain::openWebPage(const QUrl &url, const QString &procedure)
{
    Q_UNUSED(procedure);
    ShellOpen(url);
}

void frmMain::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->exec();
}

// ---------------------------------------------------------------- small conveniences

void frmMain::fraOutput_DblClick()
{
    m_outputCollapsed = !m_outputCollapsed;
    const QList<QWidget *> controls = m_ui->fraOutput->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *w : controls)
        w->setVisible(!m_outputCollapsed);
    // Collapsed, only the caption shows; open, the frame is as tall as its
    // controls need (at least its design height).
    if (m_outputCollapsed) {
        m_ui->fraOutput->setMinimumHeight(0);
        m_ui->fraOutput->setMaximumHeight(m_ui->fraOutput->fontMetrics().height() + 6);
    } else {
        m_ui->fraOutput->setMaximumHeight(QWIDGETSIZE_MAX);
        m_ui->fraOutput->setMinimumHeight(kOutputOpenHeight);
    }
}

void frmMain::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Only the window's own background: controls and frames have their own.
    const QWidget *at = childAt(event->position().toPoint());
    if (at && at != centralWidget() && at != m_ui->pnlTop && at != m_ui->pnlOptions) {
        QMainWindow::mouseDoubleClickEvent(event);
        return;
    }
    const QRect outer = frameGeometry();
    const QString text = twips(outer.width()) + QLatin1Char('x') + twips(outer.height());
    QGuiApplication::clipboard()->setText(text);
    MsgBox(text, MsgButtons::Ok, MsgIcon::None, windowTitle());
}

bool frmMain::chromeEventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_ui->fraViewPicture && type == QEvent::Resize) {
        layoutPreview();
        return false;
    }
    if (watched == m_ui->fraOutput && type == QEvent::MouseButtonDblClick) {
        fraOutput_DblClick();
        return true;
    }
    if ((watched == m_ui->imgPreview || watched == m_ui->fraViewPicture) && type == QEvent::MouseButtonDblClick) {
        m_ui->mnuOpenImage->trigger();
        return true;
    }
    if ((watched == m_ui->imgPreview || watched == m_ui->lblLoading) && type == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton && m_ui->lstImages->currentItem()) {
            showImagesMenu(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return false;
}

} // namespace vexl
