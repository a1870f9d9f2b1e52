#include "frmmain.h"

#include <QStatusBar>

#include "ui_frmmain.h"

#include "support/dirhandle.h"
#include "settings/fieldrules.h"
#include "foldericonprovider.h"
#include "frmgo.h"
#include "settings/settingsreport.h"
#include "settings/settingsstore.h"
#include "support/apppaths.h"
#include "support/appversion.h"
#include "support/desktopintegration.h"
#include "support/dialogservice.h"
#include "support/fileprocs.h"
#include "support/languages.h"
#include "support/messages.h"
#include "support/vexlerror.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace vexl {

namespace {
constexpr int kMarkRole = Qt::UserRole + 1;
const char *const kSpinner = "|/-\\";

QString fieldError()
{
    return QStringLiteral("Field Error");
}

bool isImageFileName(const QString &name)
{
    const QString lower = name.toLower();
    const QStringList patterns = ImageFileFilter().split(QLatin1Char('|'));
    return std::any_of(patterns.begin(), patterns.end(), [&](const QString &p) { return IsLike(lower, p); });
}

// What a drop brings: a folder (the first local folder dropped), or the image
// files among the dropped files that share the first one's folder.
struct DropTarget
{
    QString folder;
    QStringList files; // names in `folder`; empty for a dropped folder
};

DropTarget dropTarget(const QMimeData *mime)
{
    DropTarget target;
    if (!mime || !mime->hasUrls())
        return target;
    for (const QUrl &url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (target.folder.isEmpty() && info.isDir())
            return DropTarget{info.absoluteFilePath(), {}};
        if (!info.isFile() || !isImageFileName(info.fileName()))
            continue;
        if (target.folder.isEmpty())
            target.folder = info.absolutePath();
        if (info.absolutePath() == target.folder)
            target.files << info.fileName();
    }
    return target;
}
} // namespace

frmMain::frmMain(const QString &commandLine, QWidget *parent)
    : frmMain(commandLine.isEmpty() ? QStringList() : QStringList{commandLine}, parent)
{
}

frmMain::frmMain(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::frmMain>())
{
    m_ui->setupUi(this);
    setAcceptDrops(true);
    // The panels are laid out for an 8 point face of Arial's metrics, as the
    // window's design size asks.
    QFont small(QStringLiteral("Liberation Sans"), 8);
    setFont(small);
    m_baseCaption = m_ui->fraViewPictureOuter->title();
    // The option panels keep their size when the window grows; the folder
    // tree, the image list and the preview take the room.
    for (int i = 0; i < m_ui->layOptions->count(); ++i)
        m_ui->layOptions->setStretch(i, 0);
    m_ui->layOptions->addStretch(1);
    m_ui->pnlOptions->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_ui->layCentral->setStretchFactor(m_ui->pnlTop, 1);
    m_ui->layCentral->setStretchFactor(m_ui->pnlOptions, 0);

    // Folder tree: folders of the file system, hidden ones left out.
    m_fsModel = new QFileSystemModel(this);
    // One for every window, never freed: the model's background thread may use
    // it until the model is quite gone.
    static FolderIconProvider *const folderIcons = new FolderIconProvider;
    m_fsModel->setIconProvider(folderIcons);
    m_fsModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_fsModel->setRootPath(QStringLiteral("/"));
    m_ui->tvwFolders->setModel(m_fsModel);
    for (int c = 1; c < m_fsModel->columnCount(); ++c)
        m_ui->tvwFolders->hideColumn(c);
    connect(m_ui->tvwFolders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    tvwFolders_Change(m_fsModel->filePath(current));
            });
    // The model reads and sorts folders in the background, moving the chosen
    // folder's row as it goes: keep it in sight until the user takes the tree.
    connect(m_fsModel, &QFileSystemModel::directoryLoaded, this, &frmMain::revealFolderLater);
    connect(m_fsModel, &QAbstractItemModel::rowsInserted, this, &frmMain::revealFolderLater);
    connect(m_fsModel, &QAbstractItemModel::layoutChanged, this, &frmMain::revealFolderLater);
    m_ui->tvwFolders->installEventFilter(this);
    m_ui->tvwFolders->viewport()->installEventFilter(this);
    // The tree takes two thirds of the space left of the preview, the list one third.
    m_ui->splDirFiles->setStretchFactor(0, 2);
    m_ui->splDirFiles->setStretchFactor(1, 1);

    // Image list
    m_ui->lstImages->installEventFilter(this);
    m_ui->lstImages->viewport()->installEventFilter(this);
    connect(m_ui->lstImages, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *) {
        m_ui->mnuOpenImage->trigger();
    });
    connect(m_ui->lstImages, &QListWidget::currentRowChanged, this, [this](int) { UpdatePreview(false); });
    connect(m_ui->cmdStopLoadingList, &QPushButton::clicked, this, &frmMain::cmdStopLoadingList_Click);
    connect(m_ui->cmdSelectAll, &QPushButton::clicked, this, [this] { setAllTicks(1); });
    connect(m_ui->cmdDeselectAll, &QPushButton::clicked, this, [this] { setAllTicks(0); });
    connect(m_ui->mnuSelectAll, &QAction::triggered, this, [this] { setAllTicks(1); });
    connect(m_ui->mnuDeSelectAll, &QAction::triggered, this, [this] { setAllTicks(0); });
    connect(m_ui->mnuInvertSelection, &QAction::triggered, this, &frmMain::mnuInvertSelection_Click);
    const std::pair<QAction *, QAction *> byType[] = {
        {m_ui->mnuSelectBMP, m_ui->mnuDeSelectBMP}, {m_ui->mnuSelectGIF, m_ui->mnuDeSelectGIF},
        {m_ui->mnuSelectJPG, m_ui->mnuDeSelectJPG}, {m_ui->mnuSelectMIFF, m_ui->mnuDeSelectMIFF},
        {m_ui->mnuSelectPCX, m_ui->mnuDeSelectPCX}, {m_ui->mnuSelectPNG, m_ui->mnuDeSelectPNG},
        {m_ui->mnuSelectTGA, m_ui->mnuDeSelectTGA}, {m_ui->mnuSelectTIFF, m_ui->mnuDeSelectTIFF},
    };
    for (const auto &[sel, desel] : byType) {
        connect(sel, &QAction::triggered, this, [this, sel = sel] { SelectImagesByExt(sel->text(), true); });
        connect(desel, &QAction::triggered, this, [this, desel = desel] { SelectImagesByExt(desel->text(), false); });
    }
    connect(m_ui->mnuSelectPattern, &QAction::triggered, this, [this] { selectPattern(true); });
    connect(m_ui->mnuDeSelectPattern, &QAction::triggered, this, [this] { selectPattern(false); });
    connect(m_ui->mnuDeleteImage, &QAction::triggered, this, &frmMain::mnuDeleteImage_Click);
    connect(m_ui->mnuDeleteCheckedImages, &QAction::triggered, this, &frmMain::mnuDeleteCheckedImages_Click);
    connect(m_ui->mnuRecurse, &QAction::triggered, this, &frmMain::mnuRecurse_Click);
    m_timUpdateSpinner.setObjectName(QStringLiteral("timUpdateSpinner"));
    m_timUpdateSpinner.setInterval(200);
    connect(&m_timUpdateSpinner, &QTimer::timeout, this, &frmMain::timUpdateSpinner_Timer);

    // Options
    connect(m_ui->cmbResizeMethod, &QComboBox::currentIndexChanged, this, &frmMain::cmbResizeMethod_Click);
    connect(m_ui->chkBevel, &QCheckBox::toggled, this, &frmMain::chkBevel_Click);
    connect(m_ui->chkRotate, &QCheckBox::toggled, this, &frmMain::chkRotate_Click);
    connect(m_ui->chkSequentialNumber, &QCheckBox::toggled, this, &frmMain::chkSequentialNumber_Click);
    connect(m_ui->chkTextOverlay, &QCheckBox::toggled, this, &frmMain::chkTextOverlay_Click);
    const std::tuple<QLineEdit *, bool, qint32> numeric[] = {
        {m_ui->txtWidth, false, 0},       {m_ui->txtHeight, false, 0},     {m_ui->txtBevelWidth, false, 0},
        {m_ui->txtRotate, false, 0},      {m_ui->txtJPGQuality, false, 0}, {m_ui->txtStartNumber, true, 0},
        {m_ui->txtZeroFill, true, 0},
    };
    for (const auto &[field, zeroAllowed, maximum] : numeric) {
        m_previousText.insert(field, field->text());
        connect(field, &QLineEdit::textChanged, this,
                [this, field = field, zeroAllowed = zeroAllowed, maximum = maximum] {
                    numericFieldChanged(field, zeroAllowed, maximum);
                });
    }
    for (QLineEdit *field : {m_ui->txtWidth, m_ui->txtHeight, m_ui->txtBevelWidth, m_ui->txtRotate})
        field->installEventFilter(this);
    connect(m_ui->txtPrefix, &QLineEdit::textChanged, this, [this] { fileNameFieldChanged(m_ui->txtPrefix); });
    connect(m_ui->txtSuffix, &QLineEdit::textChanged, this, [this] { fileNameFieldChanged(m_ui->txtSuffix); });
    connect(m_ui->cmbOutput, &QComboBox::activated, this, &frmMain::cmbOutput_Click);
    connect(m_ui->txtOutputDir, &QLineEdit::textChanged, this, &frmMain::txtOutputDir_Change);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);
    connect(m_ui->cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);
    connect(m_ui->cmdPreviewNames, &QPushButton::clicked, this, &frmMain::mnuPreviewNames_Click);
    connect(m_ui->mnuPreviewNames, &QAction::triggered, this, &frmMain::mnuPreviewNames_Click);
    connect(m_ui->mnuResetSettings, &QAction::triggered, this, &frmMain::mnuResetSettings_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &QWidget::close);

    // Languages: choosing an item that is not ticked applies it.
    const std::pair<QAction *, const char *> languages[] = {
        {m_ui->mnuLangEnglish, "English"}, {m_ui->mnuLangGerman, "German"}, {m_ui->mnuLangSpanish, "Spanish"},
        {m_ui->mnuLangFrench, "French"},   {m_ui->mnuLangItalian, "Italian"}, {m_ui->mnuLangDutch, "Dutch"},
    };
    for (const auto &[action, key] : languages) {
        connect(action, &QAction::triggered, this, [this, action = action, key = QString::fromLatin1(key)] {
            // A click on the ticked item unticks it in Qt; it stays the language.
            if (!action->isChecked()) {
                action->setChecked(true);
                return;
            }
            LoadLanguage(key);
        });
    }

    // Scene pair
    connect(m_ui->mnuAniExtract1stScene, &QAction::triggered, this, [this] { mnuAniScene_Click(false); });
    connect(m_ui->mnuAniExtractAllScenes, &QAction::triggered, this, [this] { mnuAniScene_Click(true); });

    // Meta pop-up menu
    m_mnuMeta = new QMenu(this);
    m_mnuMeta->setObjectName(QStringLiteral("mnuMeta"));
    const std::pair<QAction *, const char *> metaItems[] = {
        {m_ui->mnuMetaWidth, "[WIDTH]"},          {m_ui->mnuMetaHeight, "[HEIGHT]"},
        {m_ui->mnuMetaNumMegaPix, "[MEGAPIX]"},   {m_ui->mnuMetaNumColours, "[NUMCOL]"},
        {nullptr, nullptr},                       {m_ui->mnuMetaFilename, "[FNAME]"},
        {m_ui->mnuMetaExtension, "[EXT]"},        {m_ui->mnuMetaFileSize, "[FSIZE]"},
        {nullptr, nullptr},                       {m_ui->mnuMetaSeqNumber, "[SEQNUM]"},
        {m_ui->mnuMetaSelNumber, "[SELNUM]"},     {nullptr, nullptr},
        {m_ui->mnuMetaDate, "[DATE]"},            {m_ui->mnuMetaTime, "[TIME]"},
        {m_ui->mnuMetaCamera, "[CAMERA]"},        {m_ui->mnuMetaOrigName, "[ORIGNAME]"},
    };
    for (const auto &[action, token] : metaItems) {
        if (!action) {
            m_mnuMeta->addSeparator();
            continue;
        }
        m_mnuMeta->addAction(action);
        connect(action, &QAction::triggered, this, [this, t = QString::fromLatin1(token)] { InsertMeta(t); });
    }
    connect(m_ui->cmdPrefixMeta, &QPushButton::clicked, this, [this] { showMetaMenu(m_ui->txtPrefix, false); });
    connect(m_ui->cmdSuffixMeta, &QPushButton::clicked, this, [this] { showMetaMenu(m_ui->txtSuffix, false); });
    connect(m_ui->cmdTextOverlayMeta, &QPushButton::clicked, this, [this] { showMetaMenu(m_ui->txtTextOverlay, true); });
    // The meta buttons leave the focus (and the selection) in their field.
    for (QPushButton *button : {m_ui->cmdPrefixMeta, m_ui->cmdSuffixMeta, m_ui->cmdTextOverlayMeta})
        button->setFocusPolicy(Qt::NoFocus);
    m_ui->txtTextOverlay->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->txtTextOverlay, &QWidget::customContextMenuRequested, this, &frmMain::showOverlayTextMenu);

    // Overlay colour pop-up menu
    m_mnuTextOverlayCol = new QMenu(this);
    m_mnuTextOverlayCol->setObjectName(QStringLiteral("mnuTextOverlayCol"));
    m_mnuTextOverlayCol->addAction(m_ui->mnuFGCol);
    QMenu *bg = m_mnuTextOverlayCol->addMenu(QCoreApplication::translate("frmMain", "Set Background Colour"));
    bg->setObjectName(QStringLiteral("mnuBGCol"));
    bg->addAction(m_ui->mnuSetBGTrans);
    bg->addAction(m_ui->mnuSetBGCol);
    connect(m_ui->cmdTextOverlayColour, &QPushButton::clicked, this, [this] {
        m_mnuTextOverlayCol->popup(m_ui->cmdTextOverlayColour->mapToGlobal(QPoint(0, m_ui->cmdTextOverlayColour->height())));
    });

    connectFtpUi();
    wireCommands();
    wireChrome();
    wirePresets();
    // The error reports of the dialogs carry this window's settings.
    SetSettingsReportSource([this] {
        ReportExtras extras;
        extras.loadingCaption = m_ui->lblLoading->text();
        extras.previewImages = m_ui->mnuPreviewImages->isChecked();
        return GetSettingsReport(processSettings(), extras);
    });
    Form_Load(arguments);
}

frmMain::~frmMain()
{
    SetSettingsReportSource(nullptr);
}

// ---------------------------------------------------------------- start-up

void frmMain::Form_Load(const QStringList &arguments)
{
    int line = 1;
    try {
        // Output formats and the placement table are fixed lists (OutputFormatItems, PlacementTable).
        line = 3;
        m_ui->mnuXPStyle->setVisible(true);
        line = 5;
        m_previewBox = QStringLiteral("%1x%2").arg(m_ui->imgPreview->width()).arg(m_ui->imgPreview->height());
        line = 6;
        GetSettings();
        line = 7;
        SettingsStore store;
        LoadLanguage(store.text(QStringLiteral("Language"), QStringLiteral("English")));
        m_settingsLoading = true;
        line = 8;
        restoreWindowGeometry(store);
        line = 10;
        setWindowTitle(QStringLiteral("VEXL Dovo - ") + GetAppVersion());
        line = 11;
        LoadColour(store.text(QStringLiteral("Colour"), QStringLiteral("Grey")), QStringLiteral("MS Sans Serif"), this);
        // The scheme's face may need a larger window than the design's: the
        // default one is centred at that size.
        if (!m_restoredOuter.isValid() && !isMaximized())
            restoreWindowGeometry(store);

        line = 12;
        // Without previews the preview panel is left out of the layout.
        m_ui->fraViewPictureOuter->setVisible(m_ui->mnuPreviewImages->isChecked());
        runEnablingRules();
        applyDestinationState(m_ui->cmbOutput->currentIndex());

        line = 13;
        // A folder is listed; image files list their folder (the first one's)
        // with only them ticked.
        for (QString argument : arguments) {
            argument = argument.trimmed();
            if (argument.startsWith(QLatin1Char('"')))
                argument.remove(0, 1);
            if (argument.endsWith(QLatin1Char('"')))
                argument.chop(1);
            if (argument.startsWith(QLatin1String("file://")))
                argument = QUrl(argument).toLocalFile();
            const QFileInfo info(argument);
            if (argument.isEmpty() || !info.exists())
                continue;
            const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
            if (m_commandLineFolder.isEmpty())
                m_commandLineFolder = folder;
            if (info.isFile() && folder == m_commandLineFolder)
                m_commandLineFiles << info.fileName();
        }

        line = 14;
        m_firstListing = true;
        m_settingsLoading = false;
    } catch (const VexlError &e) {
        ErrorReport r;
        r.title = windowTitle();
        r.description = QStringLiteral("(%1) %2").arg(e.line ? e.line : line).arg(e.description);
        r.windowName = QStringLiteral("frmMain");
        r.procedureName = QStringLiteral("Form_Load");
        r.fatal = true;
        r.operation = QStringLiteral("Loading Main Window");
        r.errNumber = e.number;
        r.errSource = e.source;
        r.errDescription = e.description;
        DisplayError(r);
    }
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstListing)
        return;
    // The first activation lists the folder once.
    m_firstListing = false;
    QTimer::singleShot(0, this, [this] {
        // The stored size was the outer size, and the default place centres the
        // outer size: the frame is known now.
        const QSize frame = frameGeometry().size() - size();
        if (!isMaximized() && !isMinimized() && !frame.isNull()) {
            if (m_restoredOuter.isValid()) {
                resize((m_restoredOuter - frame).expandedTo(minimumSize()));
            } else if (const QScreen *screen = this->screen()) {
                const QRect area = screen->availableGeometry();
                move(area.x() + (area.width() - frameGeometry().width()) / 2,
                     area.y() + (area.height() - frameGeometry().height()) / 2);
            }
        }
        m_restoredOuter = QSize();
        // Then the splitter goes where it was left.
        QTimer::singleShot(0, this, &frmMain::placeSplitter);
        if (!m_commandLineFolder.isEmpty())
            selectFolder(m_commandLineFolder);
        else
            tvwFolders_Change(m_currentFolder);
        UpdatePreview(false);
    });
}

void frmMain::reportError(const VexlError &e, const QString &procedure, const QString &operation)
{
    ErrorReport r;
    r.title = windowTitle();
    r.description = e.withLine();
    r.windowName = QStringLiteral("frmMain");
    r.procedureName = procedure;
    r.operation = operation;
    ReportExtras extras;
    extras.loadingCaption = m_ui->lblLoading->text();
    extras.previewImages = m_ui->mnuPreviewImages->isChecked();
    r.settings = GetSettingsReport(processSettings(), extras);
    r.errNumber = e.number;
    r.errSource = e.source;
    r.errDescription = e.description;
    DisplayError(r);
}

// ---------------------------------------------------------------- settings

void frmMain::GetSettings()
{
    m_settingsLoading = true;
    m_refreshGuard = true;
    SettingsStore store;
    const auto guarded = [&](const QString &name, auto &&fn) {
        try {
            fn();
        } catch (const VexlError &e) {
            VexlError err = e;
            if (err.description.isEmpty())
                err.description = name;
            reportError(err, QStringLiteral("GetSettings"), QStringLiteral("Loading Settings from Registry"));
        }
    };

    m_ui->mnuXPStyle->setChecked(QFileInfo::exists(StyleManifestPath()));
    guarded(QStringLiteral("Tooltips"), [&] { m_ui->mnuTooltips->setChecked(store.flag(QStringLiteral("Tooltips"), true)); });
    guarded(QStringLiteral("PreviewImages"),
            [&] { m_ui->mnuPreviewImages->setChecked(store.flag(QStringLiteral("PreviewImages"), true)); });

    // The documents folder when it holds anything, else the program's folder.
    QString defaultDir = AppPaths::programFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && !QDir(documents).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty())
        defaultDir = documents;
    QString fileDir = store.text(QStringLiteral("FileDir"), defaultDir);
    if (!QFileInfo(fileDir).isDir())
        fileDir = defaultDir;
    m_currentFolder = AddBackslash(QDir::cleanPath(fileDir));
    selectFolder(m_currentFolder);
    m_refreshGuard = false;

    ProcessSettings s = processSettings();
    LoadProcessOptions(store, s, [&](const QString &, const VexlError &e) {
        reportError(e, QStringLiteral("GetSettings"), QStringLiteral("Loading Settings from Registry"));
    });
    LoadProcessTail(store, s, m_currentFolder, nullptr);
    applyOptions(s);

    loadFTPConnections(store);
    RebuildOutputList();
    QStringList items;
    for (int i = 0; i < m_ui->cmbOutput->count(); ++i)
        items << m_ui->cmbOutput->itemText(i);
    const int dest = DestinationIndexForToken(s.OutputDest, items);
    m_ui->cmbOutput->setCurrentIndex(dest);
    m_lastDestIndex = dest;
    m_ui->txtOutputDir->setText(s.OutputDir);
    m_outputDirCopy = s.OutputDir;
    m_ui->mnuAniExtractAllScenes->setChecked(s.AniExtractAllScenes);
    m_ui->mnuAniExtract1stScene->setChecked(!s.AniExtractAllScenes);

    // The folder verb is ours when its command names this program.
    m_refreshGuard = true;
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    m_ui->mnuEnableContextMenu->setChecked(!exeName.isEmpty() && FolderVerbCommand().contains(exeName));
    m_refreshGuard = false;
    // The settings-loading guard stays set until the end of the start-up.
}

void frmMain::applyOptions(const ProcessSettings &s)
{
    m_ui->cmbResizeMethod->setCurrentIndex(s.DimensionMethod);
    m_ui->txtWidth->setText(s.DimensionWidth);
    m_ui->txtHeight->setText(s.DimensionHeight);
    m_ui->chkDimensionPC->setChecked(s.DimensionPC);
    m_ui->chkTextOverlay->setChecked(s.TextOverlay);
    m_ui->txtTextOverlay->setText(s.TextOverlayText);
    m_ui->cmbTextOverlayPosition->setCurrentIndex(s.TextOverlayPosition);
    m_overlayFace = s.TextOverlayFace;
    m_overlaySize = s.TextOverlaySize;
    m_overlayColour = s.TextOverlayColour;
    m_overlayBGColour = s.TextOverlayBGColour;
    m_overlayBGTrans = s.TextOverlayBGTrans;
    m_ui->cmbCase->setCurrentIndex(s.Case);
    m_ui->cmbSpaces->setCurrentIndex(s.Spaces);
    m_ui->chkSequentialNumber->setChecked(s.SequentialNumber);
    m_ui->txtStartNumber->setText(s.StartNumber);
    m_ui->txtZeroFill->setText(s.ZeroFill);
    m_ui->txtSuffix->setText(s.RenameSuffix);
    m_ui->txtPrefix->setText(s.RenamePrefix);
    m_ui->chkAntialias->setChecked(s.MiscAntialias);
    m_ui->chkBevel->setChecked(s.MiscBevel);
    m_ui->txtBevelWidth->setText(s.MiscBevelWidth);
    m_ui->chkRotate->setChecked(s.MiscRotate);
    m_ui->txtRotate->setText(s.MiscRotateAngle);
    m_ui->chkFlipH->setChecked(s.MiscFlipHoriz);
    m_ui->chkFlipV->setChecked(s.MiscFlipVert);
    m_ui->chkInvert->setChecked(s.MiscInvert);
    m_ui->chkGreyscale->setChecked(s.MiscGreyscale);
    m_ui->cmbOutputFormat->setCurrentIndex(s.OutputFormat);
    m_ui->txtJPGQuality->setText(UsableJpgQuality(s.JpgQuality));
    m_ui->chkDeleteOld->setChecked(s.DeleteOld);
    m_ui->chkReplicateSubDirs->setChecked(s.ReplicateSubDirs);
    m_ui->chkShrinkOnly->setChecked(s.DimensionShrinkOnly);
    m_ui->chkAutoOrient->setChecked(s.MiscAutoOrient);
    for (auto it = m_previousText.begin(); it != m_previousText.end(); ++it)
        it.value() = it.key()->text();
    runEnablingRules();
}

ProcessSettings frmMain::processSettings() const
{
    ProcessSettings s;
    s.FileDir = m_currentFolder;
    s.DimensionMethod = m_ui->cmbResizeMethod->currentIndex();
    s.DimensionWidth = m_ui->txtWidth->text();
    s.DimensionHeight = m_ui->txtHeight->text();
    s.DimensionPC = m_ui->chkDimensionPC->isChecked();
    s.TextOverlay = m_ui->chkTextOverlay->isChecked();
    s.TextOverlayText = m_ui->txtTextOverlay->text();
    s.TextOverlayPosition = m_ui->cmbTextOverlayPosition->currentIndex();
    s.TextOverlayFace = m_overlayFace;
    s.TextOverlaySize = m_overlaySize;
    s.TextOverlayColour = m_overlayColour;
    s.TextOverlayBGColour = m_overlayBGColour;
    s.TextOverlayBGTrans = m_overlayBGTrans;
    s.Case = m_ui->cmbCase->currentIndex();
    s.Spaces = m_ui->cmbSpaces->currentIndex();
    s.SequentialNumber = m_ui->chkSequentialNumber->isChecked();
    s.StartNumber = m_ui->txtStartNumber->text();
    s.ZeroFill = m_ui->txtZeroFill->text();
    s.RenameSuffix = m_ui->txtSuffix->text();
    s.RenamePrefix = m_ui->txtPrefix->text();
    s.MiscAntialias = m_ui->chkAntialias->isChecked();
    s.MiscBevel = m_ui->chkBevel->isChecked();
    s.MiscBevelWidth = m_ui->txtBevelWidth->text();
    s.MiscRotate = m_ui->chkRotate->isChecked();
    s.MiscRotateAngle = m_ui->txtRotate->text();
    s.MiscFlipHoriz = m_ui->chkFlipH->isChecked();
    s.MiscFlipVert = m_ui->chkFlipV->isChecked();
    s.MiscInvert = m_ui->chkInvert->isChecked();
    s.MiscGreyscale = m_ui->chkGreyscale->isChecked();
    s.OutputFormat = m_ui->cmbOutputFormat->currentIndex();
    s.JpgQuality = m_ui->txtJPGQuality->text();
    s.DeleteOld = m_ui->chkDeleteOld->isChecked();
    s.ReplicateSubDirs = m_ui->chkReplicateSubDirs->isChecked();
    const int dest = m_ui->cmbOutput->currentIndex();
    s.OutputDest = DestinationToken(qMax(dest, 0), m_ui->cmbOutput->currentText());
    s.OutputDir = m_ui->txtOutputDir->text();
    s.AniExtractAllScenes = m_ui->mnuAniExtractAllScenes->isChecked();
    s.DimensionShrinkOnly = m_ui->chkShrinkOnly->isChecked();
    s.MiscAutoOrient = m_ui->chkAutoOrient->isChecked();
    return s;
}

void frmMain::SaveSettings()
{
    try {
        SettingsStore store;
        const auto tf = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
        store.setText(QStringLiteral("Tooltips"), tf(m_ui->mnuTooltips->isChecked()));
        store.setText(QStringLiteral("PreviewImages"), tf(m_ui->mnuPreviewImages->isChecked()));
        store.setText(QStringLiteral("XPStyle"), tf(m_ui->mnuXPStyle->isChecked()));
        SaveProcessSettings(store, processSettings());
        // Window values, in twips (15 per pixel).
        const QScreen *screen = this->screen();
        const QSize screenSize = screen ? screen->size() : QSize();
        store.setText(QStringLiteral("ScreenSize"),
                      QStringLiteral("%1x%2").arg(screenSize.width() * 15).arg(screenSize.height() * 15));
        const QRect frame = frameGeometry();
        const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : frame;
        store.setText(QStringLiteral("WindowHeight"), QString::number(normal.height() * 15));
        store.setText(QStringLiteral("WindowWidth"), QString::number(normal.width() * 15));
        store.setText(QStringLiteral("WindowX"), QString::number(normal.x() * 15));
        store.setText(QStringLiteral("WindowY"), QString::number(normal.y() * 15));
        store.setText(QStringLiteral("WindowState"),
                      isMinimized() ? QStringLiteral("1") : isMaximized() ? QStringLiteral("2") : QStringLiteral("0"));
        const QList<int> sizes = m_ui->splDirFiles->sizes();
        const int sep = m_ui->splDirFiles->x() + (sizes.isEmpty() ? 0 : sizes.first());
        store.setText(QStringLiteral("DirFilesSep"), QString::number(sep * 15));
        store.sync();
    } catch (const VexlError &e) {
        reportError(e, QStringLiteral("SaveSettings"), QStringLiteral("Saving Settings to Registry"));
    }
}

void frmMain::mnuResetSettings_Click()
{
    ProcessSettings s = processSettings();
    ResetProcessSettings(s);
    applyOptions(s);
}

// ---------------------------------------------------------------- enabling rules

void frmMain::cmbResizeMethod_Click()
{
    const int i = m_ui->cmbResizeMethod->currentIndex();
    const bool width = i == 1 || i == 2 || i == 4;
    const bool height = i == 1 || i == 3 || i == 4;
    m_ui->txtWidth->setEnabled(width);
    m_ui->lblWidth->setEnabled(width);
    m_ui->txtHeight->setEnabled(height);
    m_ui->lblHeight->setEnabled(height);
    m_ui->lblX->setEnabled(i != 0);
    m_ui->chkDimensionPC->setEnabled(i != 0);
    m_ui->lblDimensionPC->setEnabled(i != 0);
    m_ui->chkShrinkOnly->setEnabled(i != 0);
}

void frmMain::chkBevel_Click()
{
    const bool on = m_ui->chkBevel->isChecked();
    m_ui->txtBevelWidth->setEnabled(on);
    m_ui->lblBevelWidth->setEnabled(on);
}

void frmMain::chkRotate_Click()
{
    const bool on = m_ui->chkRotate->isChecked();
    m_ui->txtRotate->setEnabled(on);
    m_ui->lblRotate->setEnabled(on);
}

void frmMain::chkSequentialNumber_Click()
{
    const bool on = m_ui->chkSequentialNumber->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->txtStartNumber, m_ui->txtZeroFill, m_ui->lblStartNumber,
                                                      m_ui->lblZeroFill})
        w->setEnabled(on);
}

void frmMain::chkTextOverlay_Click()
{
    const bool on = m_ui->chkTextOverlay->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->txtTextOverlay, m_ui->cmdTextOverlayFont,
                                                      m_ui->cmdTextOverlayColour, m_ui->cmdTextOverlayMeta,
                                                      m_ui->cmbTextOverlayPosition})
        w->setEnabled(on);
}

void frmMain::runEnablingRules()
{
    cmbResizeMethod_Click();
    chkBevel_Click();
    chkRotate_Click();
    chkSequentialNumber_Click();
    chkTextOverlay_Click();
}

// ---------------------------------------------------------------- output destination

void frmMain::RebuildOutputList()
{
    // A connection is found again by its name (the list is sorted and may have
    // lost or gained entries), never by its position.
    const int previous = m_ui->cmbOutput->currentIndex();
    const bool wasFtp = previous > 1 && previous < m_ui->cmbOutput->count() - 1;
    const QString previousText = wasFtp ? m_ui->cmbOutput->itemText(previous) : QString();
    const QSignalBlocker block(m_ui->cmbOutput);
    m_ui->cmbOutput->clear();
    m_ui->cmbOutput->addItem(Msg("msgOutputSameFolder"));
    m_ui->cmbOutput->addItem(Msg("msgOutputDifferentFolder"));
    addFtpDestinations();
    m_ui->cmbOutput->addItem(Msg("msgConfigureFTPServers"));
    const int last = m_ui->cmbOutput->count() - 1;
    int index = previous == 1 ? 1 : 0;
    if (wasFtp) {
        index = m_ui->cmbOutput->findText(previousText, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0 || index >= last)
            index = 0;
    }
    m_ui->cmbOutput->setCurrentIndex(index);
    m_lastDestIndex = index;
    if (wasFtp && index == 0) {
        // The connection is gone: "Output in Same Folder", applied in full, so
        // the remote path does not stay behind as an editable local folder.
        applyDestinationState(0);
        m_ui->txtOutputDir->setText(m_currentFolder);
    }
}

void frmMain::applyDestinationState(int index)
{
    const int last = m_ui->cmbOutput->count() - 1;
    if (index == 0) {
        m_ui->cmdBrowse->setEnabled(false);
        m_ui->txtOutputDir->setEnabled(false);
        m_ui->txtOutputDir->setReadOnly(true);
    } else if (index == 1) {
        m_ui->cmdBrowse->setEnabled(true);
        m_ui->txtOutputDir->setEnabled(true);
        m_ui->txtOutputDir->setReadOnly(true);
    } else if (index < last) {
        m_ui->cmdBrowse->setEnabled(true);
        m_ui->txtOutputDir->setEnabled(true);
        m_ui->txtOutputDir->setReadOnly(false);
    }
}

void frmMain::cmbOutput_Click(int index)
{
    if (index == m_lastDestIndex)
        return;
    const int previous = m_lastDestIndex;
    m_lastDestIndex = index;
    if (m_settingsLoading)
        return;
    const int last = m_ui->cmbOutput->count() - 1;
    if (index == last) {
        // A command, not a destination: the previous choice comes back as it was,
        // its output folder included.
        m_lastDestIndex = previous;
        m_ui->cmbOutput->setCurrentIndex(previous);
        showFTPConnections();
        RebuildOutputList();
        return;
    }
    applyDestinationState(index);
    if (index == 0 || index == 1)
        m_ui->txtOutputDir->setText(m_currentFolder);
    else
        applyFtpDestination(index);
}

void frmMain::txtOutputDir_Change()
{
    if (m_settingsLoading)
        return;
    const int index = m_ui->cmbOutput->currentIndex();
    if (index > 1 && index < m_ui->cmbOutput->count() - 1) {
        QString text = m_ui->txtOutputDir->text();
        const int caret = m_ui->txtOutputDir->cursorPosition();
        QString remote = text;
        if (!remote.startsWith(QLatin1Char('/')))
            remote.prepend(QLatin1Char('/'));
        remote.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (remote.contains(QLatin1String("//")))
            remote.replace(QLatin1String("//"), QLatin1String("/"));
        if (remote != text) {
            const QSignalBlocker block(m_ui->txtOutputDir);
            m_ui->txtOutputDir->setText(remote);
            m_ui->txtOutputDir->setCursorPosition(qBound(0, caret + int(remote.size() - text.size()), int(remote.size())));
        }
    }
    m_outputDirCopy = m_ui->txtOutputDir->text();
}

void frmMain::cmdBrowse_Click()
{
    const int index = m_ui->cmbOutput->currentIndex();
    if (index == 1) {
        if (const auto folder = DialogService::current().chooseFolder(m_ui->txtOutputDir->text(),
                                                                      Msg("msgSelectOutputDirectory")))
            m_ui->txtOutputDir->setText(AddBackslash(*folder));
    } else if (index > 1 && index < m_ui->cmbOutput->count() - 1) {
        browseFtpFolder(index);
    }
}

// ---------------------------------------------------------------- field validation

void frmMain::numericFieldChanged(QLineEdit *field, bool zeroAllowed, qint32 maximum)
{
    if (m_settingsLoading)
        return;
    NumberCheck r = CheckRemoveNonNumbers(field->text(), zeroAllowed, false, maximum, m_previousText.value(field),
                                          field->cursorPosition());
    // The filter stops at a refused "%" without looking at the rest, so a pasted
    // "12a%" would keep its letter: run it again on its own result until nothing
    // changes, and tell of it all in one message.
    for (int pass = 0; pass < 4; ++pass) {
        const NumberCheck again = CheckRemoveNonNumbers(r.text, zeroAllowed, false, maximum, r.text);
        if (again.text == r.text)
            break;
        r.text = again.text;
        r.removedBeforeCaret += again.removedBeforeCaret;
        r.zeroError = r.zeroError || again.zeroError;
        r.numbersOnlyError = r.numbersOnlyError || again.numbersOnlyError;
    }
    QString text = r.text;
    if (field == m_ui->txtJPGQuality && text.toDouble() > 100)
        text = QStringLiteral("100");
    if (text != field->text()) {
        const int caret = qMax(0, field->cursorPosition() - r.removedBeforeCaret);
        const QSignalBlocker block(field);
        field->setText(text);
        field->setCursorPosition(qMin(caret, int(text.size())));
    }
    m_previousText[field] = text;
    if (r.zeroError)
        MsgBox(MsgX("msgNumberNotZero"), MsgButtons::Ok, MsgIcon::Exclamation, fieldError());
    else if (r.numbersOnlyError)
        MsgBox(MsgX("msgNumbersOnly"), MsgButtons::Ok, MsgIcon::Exclamation, fieldError());
}

void frmMain::fileNameFieldChanged(QLineEdit *field)
{
    const QString clean = StripBadFilenameChars(field->text());
    if (clean == field->text())
        return;
    const int caret = field->cursorPosition() - int(field->text().size() - clean.size());
    const QSignalBlocker block(field);
    field->setText(clean);
    field->setCursorPosition(qBound(0, caret, int(clean.size())));
}

// ---------------------------------------------------------------- events

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (chromeEventFilter(watched, event))
        return true;
    // Leaving the field counts; the window losing the focus to another window,
    // or a menu opening over it, does not (the field keeps the focus).
    if (event->type() == QEvent::FocusOut && !m_settingsLoading
        && static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        const std::pair<QLineEdit *, const char *> required[] = {
            {m_ui->txtWidth, "100"}, {m_ui->txtHeight, "100"}, {m_ui->txtBevelWidth, "5"}, {m_ui->txtRotate, "90"}};
        for (const auto &[field, reset] : required) {
            if (watched == field && field->text().isEmpty()) {
                MsgBox(MsgX("msgValueRequired"), MsgButtons::Ok, MsgIcon::Exclamation, fieldError());
                field->setText(QLatin1String(reset));
            }
        }
    }
    if ((watched == m_ui->tvwFolders && event->type() == QEvent::KeyPress)
        || (watched == m_ui->tvwFolders->viewport()
            && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel)))
        m_folderToReveal.clear(); // the user has taken the tree
    if (watched == m_ui->lstImages && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete) {
            mnuDeleteImage_Click();
            return true;
        }
    }
    if (watched == m_ui->lstImages->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            if (QListWidgetItem *item = m_ui->lstImages->itemAt(mouse->position().toPoint())) {
                m_ui->lstImages->setCurrentItem(item);
                showImagesMenu(mouse->globalPosition().toPoint());
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showImagesMenu(const QPoint &globalPos)
{
    m_ui->mnuImages->setDefaultAction(m_ui->mnuOpenImage);
    m_ui->mnuImages->popup(globalPos);
}

void frmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslatePresets();
        if (auto *bg = m_mnuTextOverlayCol ? m_mnuTextOverlayCol->findChild<QMenu *>(QStringLiteral("mnuBGCol")) : nullptr)
            bg->setTitle(QCoreApplication::translate("frmMain", "Set Background Colour"));
        if (m_skippedEntries > 0)
            showSkippedEntries(m_skippedEntries);
    }
    // Window activation
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        UpdateTextOverlay();
    QMainWindow::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frmMain::Form_Unload()
{
    SaveSettings();
    for (const char *name : {"preview.gif", "ottmpimg.png", "tmpscene0.gif"}) {
        const QString path = AppPaths::tempFile(QLatin1String(name));
        if (QFileInfo::exists(path))
            QFile::remove(path);
    }
    // Every other window of the program goes with this one.
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w != this && w->isVisible())
            w->close();
}

// ---------------------------------------------------------------- languages

void frmMain::LoadLanguage(const QString &key)
{
    for (QAction *a : {m_ui->mnuLangEnglish, m_ui->mnuLangGerman, m_ui->mnuLangSpanish, m_ui->mnuLangFrench,
                       m_ui->mnuLangItalian, m_ui->mnuLangDutch})
        a->setChecked(false);
    const QString code = LanguageCode(key);
    InstallLanguage(code);
    // Re-apply every window's texts now, so the texts composed below use them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QAction *tick = code == QLatin1String("de")   ? m_ui->mnuLangGerman
        : code == QLatin1String("es")               ? m_ui->mnuLangSpanish
        : code == QLatin1String("fr")               ? m_ui->mnuLangFrench
        : code == QLatin1String("it")               ? m_ui->mnuLangItalian
        : code == QLatin1String("nl")               ? m_ui->mnuLangDutch
                                                    : m_ui->mnuLangEnglish;
    tick->setChecked(true);
    rebuildComposedTexts();
    SettingsStore store;
    store.setText(QStringLiteral("Language"), key);
    if (!m_ui->mnuTooltips->isChecked())
        clearTooltips();
    // The verb's caption follows the language.
    EnableContextMenu();
    RebuildOutputList();
    applyMinimumSize();
}

// ---------------------------------------------------------------- image list

void frmMain::revealFolderLater()
{
    if (m_folderToReveal.isEmpty() || m_revealQueued)
        return;
    m_revealQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_revealQueued = false;
        if (m_folderToReveal.isEmpty())
            return;
        const QModelIndex index = m_fsModel->index(m_folderToReveal);
        if (!index.isValid() || index != m_ui->tvwFolders->currentIndex()) {
            m_folderToReveal.clear();
            return;
        }
        m_ui->tvwFolders->scrollTo(index);
    });
}

void frmMain::selectFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QModelIndex index = m_fsModel->index(clean);
    const bool moves = index.isValid() && m_ui->tvwFolders->currentIndex() != index;
    if (index.isValid()) {
        // Set first: the selection change lists the folder, serving events.
        m_folderToReveal = clean;
        m_ui->tvwFolders->setCurrentIndex(index);
        m_ui->tvwFolders->scrollTo(index);
        revealFolderLater();
    }
    // A moving selection reports the change (and lists the folder) itself;
    // otherwise the folder is taken here. Never both: that would list it twice.
    if (!moves)
        tvwFolders_Change(clean);
}

void frmMain::tvwFolders_Change(const QString &path)
{
    const QString folder = AddBackslash(QDir::cleanPath(path));
    m_currentFolder = folder;
    if (m_listing) {
        // Another folder is being listed: the list must not end up showing that
        // folder's files under this one's name (a batch would pair them). End
        // the listing; it lists this folder once it has wound up.
        m_relistRequested = true;
        cmdStopLoadingList_Click();
        return;
    }
    if (m_refreshGuard || m_treeRefreshRunning)
        return;
    m_treeRefreshRunning = true;
    RefreshFileList();
    m_treeRefreshRunning = false;
}

void frmMain::setListBusy(bool busy)
{
    m_ui->lstImages->setVisible(!busy);
    m_ui->fraLoadingList->setVisible(busy);
    // A batch started from a half-built list would process part of the folder,
    // and its re-listing would pull the items from under the running listing.
    m_ui->cmdGo->setEnabled(!busy);
    m_ui->cmdPreviewNames->setEnabled(!busy);
    if (busy) {
        m_spinnerIndex = 0;
        timUpdateSpinner_Timer();
        m_timUpdateSpinner.start();
    } else {
        m_timUpdateSpinner.stop();
    }
}

void frmMain::timUpdateSpinner_Timer()
{
    m_ui->lblLoadingList->setText(QStringLiteral("[%1] ").arg(QLatin1Char(kSpinner[m_spinnerIndex % 4])) + Msg("msgLoading"));
    ++m_spinnerIndex;
}

void frmMain::cmdStopLoadingList_Click()
{
    m_stopListing = true;
    if (m_dirHandle)
        m_dirHandle->Stop();
}

void frmMain::RefreshFileList()
{
    if (m_refreshGuard)
        return;
    m_refreshGuard = true;
    m_listing = true;
    setListBusy(true);
    QListWidget *list = m_ui->lstImages;
    const bool recurse = m_ui->mnuRecurse->isChecked();
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setData(kMarkRole, 0);
    if (m_recursionToggled && !recurse)
        list->clear();
    m_currentFolder = AddBackslash(m_currentFolder);
    m_stopListing = false;

    QHash<QString, QListWidgetItem *> byName;
    for (int i = 0; i < list->count(); ++i)
        byName.insert(list->item(i)->text(), list->item(i));
    try {
        DirHandle dh;
        m_dirHandle = &dh;
        dh.SetDoEvents([] { QCoreApplication::processEvents(); });
        dh.Start(m_currentFolder, ImageFileFilter(), false, recurse, false);
        const QString base = dh.CurrentDir();
        while (!m_stopListing && dh.MoveNext()) {
            QString name = dh.CurrentDir().mid(base.size()) + dh.CurrentFile();
            while (name.startsWith(QLatin1Char('/')))
                name.remove(0, 1);
            if (QListWidgetItem *item = byName.value(name)) {
                item->setData(kMarkRole, 1);
            } else {
                item = new QListWidgetItem(name, list);
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Checked);
                item->setData(kMarkRole, 1);
                byName.insert(name, item);
            }
        }
        showSkippedEntries(int(dh.Skipped().size()));
        m_dirHandle = nullptr;
    } catch (const VexlError &e) {
        m_dirHandle = nullptr;
        MsgBox(QStringLiteral("(%1) %2").arg(e.number).arg(e.description), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Drive Error"));
    }
    m_stopListing = false;
    if (!m_relistRequested)
        m_recursionToggled = false;
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->item(i)->data(kMarkRole).toInt() == 0) {
            delete list->takeItem(i);
            QCoreApplication::processEvents();
        }
    }
    m_refreshGuard = false;
    m_listing = false;
    applyCommandLineFiles();
    UpdatePreview(false);
    if (m_ui->cmbOutput->currentIndex() == 0)
        m_ui->txtOutputDir->setText(m_currentFolder);
    if (!list->currentItem() || list->count() == 0) {
        m_ui->lblViewPictureError->hide();
        m_ui->lblLoading->hide();
        m_ui->lblImageDimensions->hide();
    }
    setListBusy(false);
    if (m_relistRequested) {
        m_relistRequested = false;
        RefreshFileList();
        return;
    }
    applyDropTicks();
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!dropTarget(event->mimeData()).folder.isEmpty())
        event->acceptProposedAction();
}

void frmMain::dragMoveEvent(QDragMoveEvent *event)
{
    if (!dropTarget(event->mimeData()).folder.isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const DropTarget target = dropTarget(event->mimeData());
    if (target.folder.isEmpty())
        return;
    event->acceptProposedAction();
    m_dropFolder = AddBackslash(QDir::cleanPath(target.folder));
    m_dropFiles = target.files;
    // Listed at once, or when the listing under way has wound up.
    selectFolder(target.folder);
    if (!m_listing)
        applyDropTicks();
}

void frmMain::applyDropTicks()
{
    if (m_dropFolder.isEmpty() || m_listing)
        return;
    const QString folder = m_dropFolder;
    const QStringList files = m_dropFiles;
    m_dropFolder.clear();
    m_dropFiles.clear();
    if (files.isEmpty() || folder != m_currentFolder)
        return;
    QListWidget *list = m_ui->lstImages;
    QListWidgetItem *first = nullptr;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const bool dropped = files.contains(item->text());
        item->setCheckState(dropped ? Qt::Checked : Qt::Unchecked);
        if (dropped && !first)
            first = item;
    }
    if (first)
        list->setCurrentItem(first);
}

void frmMain::showSkippedEntries(int count)
{
    m_skippedEntries = count;
    if (count == 0) {
        // No status bar until something was skipped: the layout stays as it is.
        if (QStatusBar *bar = findChild<QStatusBar *>(QStringLiteral("staListing")))
            bar->clearMessage();
        return;
    }
    if (!findChild<QStatusBar *>(QStringLiteral("staListing"))) {
        auto *bar = new QStatusBar(this);
        bar->setObjectName(QStringLiteral("staListing"));
        setStatusBar(bar);
    }
    statusBar()->showMessage(tr("%1 entries skipped (unusable names or paths too long)").arg(count));
}

void frmMain::applyCommandLineFiles()
{
    if (m_commandLineFiles.isEmpty() || m_stopListing
        || QDir::cleanPath(m_currentFolder) != QDir::cleanPath(m_commandLineFolder))
        return;
    const QStringList files = std::exchange(m_commandLineFiles, QStringList());
    QListWidget *list = m_ui->lstImages;
    QListWidgetItem *first = nullptr;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const bool given = files.contains(item->text());
        item->setCheckState(given ? Qt::Checked : Qt::Unchecked);
        if (given && (!first || files.indexOf(item->text()) < files.indexOf(first->text())))
            first = item;
    }
    if (first) {
        list->setCurrentItem(first);
        list->scrollToItem(first);
    }
}

void frmMain::mnuRecurse_Click()
{
    m_recursionToggled = true;
    if (m_listing) {
        // The running listing reads with the old setting: end it and list again.
        m_relistRequested = true;
        cmdStopLoadingList_Click();
        return;
    }
    RefreshFileList();
}

void frmMain::setAllTicks(int mode)
{
    QListWidget *list = m_ui->lstImages;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const bool on = mode == 2 ? item->checkState() != Qt::Checked : mode == 1;
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

void frmMain::mnuInvertSelection_Click()
{
    setAllTicks(2);
}

void frmMain::SelectImagesByExt(const QString &extension, bool select)
{
    const QString wanted = extension.toLower();
    QListWidget *list = m_ui->lstImages;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const QString text = item->text();
        const int dot = text.lastIndexOf(QLatin1Char('.'));
        QString ext = dot >= 0 ? text.mid(dot + 1).toLower() : QString();
        if (ext == QLatin1String("jpeg"))
            ext = QStringLiteral("jpg");
        else if (ext == QLatin1String("tif"))
            ext = QStringLiteral("tiff");
        if (ext == wanted)
            item->setCheckState(select ? Qt::Checked : Qt::Unchecked);
    }
}

void frmMain::SelectImagesByPattern(const QString &pattern, bool select)
{
    const QString wanted = pattern.toLower();
    QListWidget *list = m_ui->lstImages;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const QString name = item->text().mid(item->text().lastIndexOf(QLatin1Char('/')) + 1).toLower();
        if (IsLike(name, wanted))
            item->setCheckState(select ? Qt::Checked : Qt::Unchecked);
    }
}

void frmMain::selectPattern(bool select)
{
    QString help = Msg("msgPatternHelp");
    help.replace(QLatin1String("\\n"), QLatin1String("\r\n")).replace(QLatin1String("\\t"), QLatin1String("\t"));
    const QString prompt = Msg("msgEnterPattern") + QStringLiteral("\r\n") + help;
    const auto answer = DialogService::current().input(
        prompt, select ? Msg("msgSelectByPatternTitle") : Msg("msgDeselectByPatternTitle"), QString());
    if (answer && !answer->isEmpty())
        SelectImagesByPattern(*answer, select);
}

QString frmMain::selectedImagePath() const
{
    const QListWidgetItem *item = m_ui->lstImages->currentItem();
    if (!item)
        return QString();
    return AddBackslash(m_currentFolder) + item->text();
}

void frmMain::deleteFile(const QString &path)
{
    QFile file(path);
    if (!file.remove()) {
        QString text = MsgX("msgDeleteFileFailed");
        text.replace(QStringLiteral("[IMAGE]"), path);
        MsgBox(text + QStringLiteral("\r\n(%1) %2").arg(int(file.error())).arg(file.errorString()), MsgButtons::Ok,
               MsgIcon::Exclamation, QStringLiteral("Delete Error"));
    }
}

void frmMain::mnuDeleteImage_Click()
{
    const QString path = selectedImagePath();
    if (path.isEmpty())
        return;
    QString text = MsgX("msgConfirmDeleteImage");
    text.replace(QStringLiteral("[IMAGE]"), path);
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Delete Confirmation")) != MsgAnswer::Yes)
        return;
    deleteFile(path);
    RefreshFileList();
}

void frmMain::mnuDeleteCheckedImages_Click()
{
    QListWidget *list = m_ui->lstImages;
    QStringList checked;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            checked << list->item(i)->text();
    if (checked.isEmpty())
        return;
    QString text = checked.size() > 1 ? MsgX("msgConfirmDeleteImages") : MsgX("msgConfirmDeleteChecked");
    text.replace(QStringLiteral("[NUM]"), QString::number(checked.size()));
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Delete Confirmation")) != MsgAnswer::Yes)
        return;
    const QString selected = list->currentItem() ? list->currentItem()->text() : QString();
    for (const QString &item : checked)
        deleteFile(AddBackslash(m_currentFolder) + item);
    RefreshFileList();
    const QList<QListWidgetItem *> again = list->findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!selected.isEmpty() && !again.isEmpty())
        list->setCurrentItem(again.first());
}

// ---------------------------------------------------------------- scenes and meta

void frmMain::mnuAniScene_Click(bool allScenes)
{
    // Clicking either item reverses its own tick; the other takes the opposite.
    QAction *self = allScenes ? m_ui->mnuAniExtractAllScenes : m_ui->mnuAniExtract1stScene;
    QAction *other = allScenes ? m_ui->mnuAniExtract1stScene : m_ui->mnuAniExtractAllScenes;
    other->setChecked(!self->isChecked());
}

void frmMain::showMetaMenu(QLineEdit *target, bool withFilename)
{
    m_ui->mnuMetaFilename->setVisible(withFilename);
    m_metaTarget = target;
    const QPushButton *button = target == m_ui->txtPrefix   ? m_ui->cmdPrefixMeta
        : target == m_ui->txtSuffix                           ? m_ui->cmdSuffixMeta
                                                              : m_ui->cmdTextOverlayMeta;
    rememberMetaSelection(target);
    m_mnuMeta->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void frmMain::rememberMetaSelection(QLineEdit *target)
{
    m_metaTarget = target;
    m_metaSelStart = target->hasSelectedText() ? target->selectionStart() : target->cursorPosition();
    m_metaSelLength = target->hasSelectedText() ? int(target->selectedText().size()) : 0;
}

// The overlay text's right-click menu: the meta variables, then the field's own
// edit actions.
void frmMain::showOverlayTextMenu(const QPoint &pos)
{
    QLineEdit *field = m_ui->txtTextOverlay;
    m_ui->mnuMetaFilename->setVisible(true);
    rememberMetaSelection(field);
    QMenu *menu = field->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("mnuTextOverlayEdit"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *first = menu->actions().value(0);
    for (QAction *action : m_mnuMeta->actions())
        menu->insertAction(first, action);
    menu->insertSeparator(first);
    menu->popup(field->mapToGlobal(pos));
}

void frmMain::InsertMeta(const QString &token)
{
    QLineEdit *target = m_metaTarget;
    if (!target)
        return;
    // The selection as it was when the menu opened: opening a menu may have
    // taken it from the field.
    const QString text = target->text();
    const int p = qBound(0, m_metaSelStart, int(text.size()));
    const int n = qBound(0, m_metaSelLength, int(text.size()) - p);
    target->setText(text.left(p) + token + text.mid(p + n));
    target->setCursorPosition(p + int(token.size()));
    // A second item of the still open menu goes after this one.
    m_metaSelStart = p + int(token.size());
    m_metaSelLength = 0;
}

// ---------------------------------------------------------------- the batch

BatchInput frmMain::batchInput() const
{
    BatchInput input;
    input.currentFolder = m_currentFolder;
    for (int i = 0; i < m_ui->lstImages->count(); ++i) {
        input.items << m_ui->lstImages->item(i)->text();
        input.checked << (m_ui->lstImages->item(i)->checkState() == Qt::Checked);
    }
    input.recurse = m_ui->mnuRecurse->isChecked();
    input.outputDestIndex = m_ui->cmbOutput->currentIndex();
    input.outputDestText = m_ui->cmbOutput->currentText();
    input.reportExtras.loadingCaption = m_ui->lblLoading->text();
    input.reportExtras.previewImages = m_ui->mnuPreviewImages->isChecked();
    return input;
}

void frmMain::cmdGo_Click()
{
    if (m_listing)
        return;
    // An emptied quality field would make every image fail.
    if (UsableJpgQuality(m_ui->txtJPGQuality->text()) != m_ui->txtJPGQuality->text())
        m_ui->txtJPGQuality->setText(UsableJpgQuality(m_ui->txtJPGQuality->text()));
    const ProcessSettings s = processSettings();
    SettingsStore store;
    int ignore = 0;
    try {
        ignore = int(store.number(QStringLiteral("IgnoreOverwriteWarnings"), 0));
    } catch (const VexlError &) {
        ignore = 0;
    }
    const bool go = BatchRun::StartChecks(
        s, m_currentFolder, ignore,
        [](const QString &text, MsgButtons b, MsgIcon i, const QString &title) { return MsgBox(text, b, i, title); },
        [&store] {
            store.setText(QStringLiteral("IgnoreOverwriteWarnings"), QStringLiteral("1"));
            store.sync();
        });
    if (!go)
        return;

    const BatchInput input = batchInput();
    if (!m_go)
        m_go = new frmGo(this);
    m_go->runBatch(s, input);

    m_ui->lstImages->clear();
    RefreshFileList();
    UpdatePreview(true);
}

} // namespace vexl
