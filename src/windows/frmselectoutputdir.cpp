#include "frmselectoutputdir.h"

#include "ui_frmselectoutputdir.h"

#include "support/apppaths.h"
#include "support/dialogservice.h"
#include "support/fileprocs.h"
#include "support/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QStandardPaths>

#include <cerrno>
#include <system_error>

#include <sys/stat.h>

namespace vexl {

namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kLoadedRole = Qt::UserRole + 2;

// Sub-folders of `path`, hidden ones left out, by name ignoring letter case
// (ties by the exact name).
QStringList subFolders(const QString &path)
{
    QStringList names = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QString cleanDir(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool isInside(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder == QLatin1String("/") ? folder : folder + QLatin1Char('/'));
}
} // namespace

frmSelectOutputDir::frmSelectOutputDir(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmSelectOutputDir>())
{
    m_ui->setupUi(this);
    if (parent)
        setFont(parent->font());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(340, 400);
    m_mnuFolderClick = new QMenu(this);
    m_mnuFolderClick->setObjectName(QStringLiteral("mnuFolderClick"));
    m_mnuFolderClick->addAction(m_ui->mnuMakeFolder);

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmSelectOutputDir::cmdOK_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &frmSelectOutputDir::cmdCancel_Click);
    connect(m_ui->cmdMakeFolder, &QPushButton::clicked, this, &frmSelectOutputDir::cmdMakeFolder_Click);
    connect(m_ui->mnuMakeFolder, &QAction::triggered, this, &frmSelectOutputDir::cmdMakeFolder_Click);
    connect(m_ui->ftvOutputFolder, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) { loadChildren(item); });
    connect(m_ui->ftvOutputFolder, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { ftvOutputFolder_FolderClick(current); });
    m_ui->ftvOutputFolder->viewport()->installEventFilter(this);
    Form_Load();
}

frmSelectOutputDir::~frmSelectOutputDir() = default;

void frmSelectOutputDir::Form_Load()
{
    m_ui->mnuMakeFolder->setText(m_ui->cmdMakeFolder->text());

    // The roots: the user's Desktop (when it is a folder of its own), home, and
    // the file system.
    const QString home = cleanDir(QDir::homePath());
    const QString desktop = cleanDir(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    if (!desktop.isEmpty() && desktop != home && QFileInfo(desktop).isDir())
        addFolder(nullptr, QStringLiteral("Desktop"), desktop, Kind::Desktop);
    addFolder(nullptr, QDir(home).dirName(), home, Kind::Folder)->setToolTip(0, home);
    addFolder(nullptr, QStringLiteral("/"), QStringLiteral("/"), Kind::Folder);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QTreeWidgetItem *frmSelectOutputDir::addFolder(QTreeWidgetItem *parent, const QString &name, const QString &path,
                                               Kind kind)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_ui->ftvOutputFolder);
    item->setText(0, name);
    item->setData(0, kPathRole, path);
    item->setData(0, kKindRole, int(kind));
    item->setIcon(0, style()->standardIcon(kind == Kind::Desktop ? QStyle::SP_DesktopIcon : QStyle::SP_DirIcon));
    // Whether it has sub-folders is found out when it is opened.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void frmSelectOutputDir::loadChildren(QTreeWidgetItem *item, bool again)
{
    if (!item || (item->data(0, kLoadedRole).toBool() && !again))
        return;
    item->setData(0, kLoadedRole, true);
    qDeleteAll(item->takeChildren());
    const QString path = item->data(0, kPathRole).toString();
    const QStringList names = subFolders(path);
    for (const QString &name : names)
        addFolder(item, name, cleanDir(QDir(path).filePath(name)), Kind::Folder);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool frmSelectOutputDir::selectFolder(const QString &path)
{
    const QString target = cleanDir(path);
    if (path.isEmpty() || !QFileInfo(target).isDir())
        return false;
    // The root nearest to the folder: Desktop, then home, then the file system.
    QTreeWidgetItem *item = nullptr;
    for (int i = 0; i < m_ui->ftvOutputFolder->topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = m_ui->ftvOutputFolder->topLevelItem(i);
        if (isInside(target, root->data(0, kPathRole).toString())) {
            item = root;
            break;
        }
    }
    if (!item)
        return false;
    while (item->data(0, kPathRole).toString() != target) {
        loadChildren(item);
        item->setExpanded(true);
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (isInside(target, item->child(i)->data(0, kPathRole).toString()))
                next = item->child(i);
        if (!next)
            return false; // a hidden folder on the way
        item = next;
    }
    m_ui->ftvOutputFolder->setCurrentItem(item);
    m_ui->ftvOutputFolder->scrollToItem(item);
    return true;
}

void frmSelectOutputDir::refreshSelected()
{
    QTreeWidgetItem *item = m_ui->ftvOutputFolder->currentItem();
    if (!item)
        return;
    loadChildren(item, true);
    item->setExpanded(true);
}

std::optional<QString> frmSelectOutputDir::choose(const QString &start, const QString &title)
{
    setWindowTitle(title);
    if (!selectFolder(start) && !m_ui->ftvOutputFolder->currentItem())
        m_ui->ftvOutputFolder->setCurrentItem(m_ui->ftvOutputFolder->topLevelItem(0));
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_selectedPath;
}

void frmSelectOutputDir::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Form_Activate: the rule decides afresh what may be chosen.
    m_selectedPath.clear();
    ftvOutputFolder_FolderClick(m_ui->ftvOutputFolder->currentItem());
}

void frmSelectOutputDir::ftvOutputFolder_FolderClick(QTreeWidgetItem *item)
{
    // The Desktop root stands for the user's desktop folder; every other node
    // is the folder it names. A node without a folder cannot be chosen.
    QString path;
    if (item) {
        path = item->data(0, kKindRole).toInt() == int(Kind::Desktop)
            ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
            : item->data(0, kPathRole).toString();
    }
    m_selectedPath = path;
    m_ui->cmdOK->setEnabled(!path.isEmpty());
    m_ui->cmdMakeFolder->setEnabled(!path.isEmpty());
}

void frmSelectOutputDir::cmdMakeFolder_Click()
{
    if (m_selectedPath.isEmpty())
        return;
    QString characters;
    for (const QChar c : BadFilenameChars())
        characters += (characters.isEmpty() ? QString() : QStringLiteral(" ")) + c;
    const auto answer = DialogService::current().input(
        Msg("msgBadFilenameCharacters") + characters + QStringLiteral("\r\n") + m_selectedPath,
        QStringLiteral("Make New Folder"), QStringLiteral("New Folder"));
    if (!answer || answer->isEmpty())
        return;
    if (!IsFilenameGood(*answer)) {
        MsgBox(Msg("msgBadFilenameCharacters") + characters, MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Make Folder Error"));
        return;
    }
    const QString folder = AddBackslash(m_selectedPath) + *answer;
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0) {
        reportError(5, QString::fromStdString(std::generic_category().message(errno)),
                    QStringLiteral("cmdMakeFolder_Click"), QStringLiteral("Making Folder: ") + folder);
        return;
    }
    refreshSelected();
    // The new folder is the one the user wants next.
    if (QTreeWidgetItem *parent = m_ui->ftvOutputFolder->currentItem()) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QTreeWidgetItem *child = parent->child(i);
            if (QDir::cleanPath(child->data(0, kPathRole).toString()) == QDir::cleanPath(folder)) {
                m_ui->ftvOutputFolder->setCurrentItem(child);
                m_ui->ftvOutputFolder->scrollToItem(child);
                break;
            }
        }
    }
}

void frmSelectOutputDir::cmdOK_Click()
{
    accept();
}

void frmSelectOutputDir::cmdCancel_Click()
{
    reject();
}

void frmSelectOutputDir::reportError(int line, const QString &description, const QString &procedure,
                                     const QString &operation)
{
    ErrorReport r;
    r.title = windowTitle();
    r.description = QStringLiteral("(%1) %2").arg(line).arg(description);
    r.windowName = QStringLiteral("frmSelectOutputDir");
    r.procedureName = procedure;
    r.operation = operation;
    r.settings = CurrentSettingsReport();
    r.errNumber = 75; // path/file access error
    r.errSource = QStringLiteral("frmSelectOutputDir");
    r.errDescription = description;
    DisplayError(r);
}

bool frmSelectOutputDir::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->ftvOutputFolder->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            if (QTreeWidgetItem *item = m_ui->ftvOutputFolder->itemAt(mouse->position().toPoint()))
                m_ui->ftvOutputFolder->setCurrentItem(item);
            if (!m_selectedPath.isEmpty())
                m_mnuFolderClick->popup(mouse->globalPosition().toPoint());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSelectOutputDir::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString title = windowTitle();
        m_ui->retranslateUi(this);
        setWindowTitle(title);
        m_ui->mnuMakeFolder->setText(m_ui->cmdMakeFolder->text());
    }
    QDialog::changeEvent(event);
}

} // namespace vexl
