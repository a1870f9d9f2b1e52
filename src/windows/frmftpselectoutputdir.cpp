#include "frmftpselectoutputdir.h"

#include "ui_frmftpselectoutputdir.h"

#include "dialogfailure.h"
#include "support/dialogservice.h"
#include "support/fileprocs.h"
#include "ftp/cftpclient.h"
#include "ftp/ftpsession.h"
#include "settings/ftpconnections.h"
#include "ftplogview.h"
#include "settings/settingsstore.h"
#include "support/messages.h"

#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTimer>

namespace vexl {

namespace {
constexpr int kLoginRetries = 2;
const QString kGoToParent = QStringLiteral("GoToParent");
// The key of an item: "GoToParent" or the folder's name as listed.
constexpr int kKeyRole = Qt::UserRole;

QString reduceSlashes(QString path)
{
    while (path.contains(QLatin1String("//")))
        path.replace(QLatin1String("//"), QLatin1String("/"));
    return path;
}
} // namespace

frmFTPSelectOutputDir::frmFTPSelectOutputDir(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmFTPSelectOutputDir>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(520, 420);
    m_ui->lvwFTPDir->header()->resizeSection(0, 220);
    m_ui->lvwFTPDir->header()->resizeSection(1, 130);

    m_mnuDirCmds = new QMenu(this);
    m_mnuDirCmds->setObjectName(QStringLiteral("mnuDirCmds"));
    m_mnuDirCmds->addAction(m_ui->mnuOpen);
    m_mnuDirCmds->addSeparator();
    m_mnuDirCmds->addAction(m_ui->mnuRename);
    m_mnuDirCmds->addAction(m_ui->mnuDelete);
    m_mnuDirCmds->addSeparator();
    m_mnuDirCmds->addAction(m_ui->mnuCreateDirectory);
    m_mnuDirCmds->setDefaultAction(m_ui->mnuOpen);

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmFTPSelectOutputDir::cmdOK_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &frmFTPSelectOutputDir::cmdCancel_Click);
    connect(m_ui->cmdCreateDir, &QPushButton::clicked, this, &frmFTPSelectOutputDir::cmdCreateDir_Click);
    connect(m_ui->mnuOpen, &QAction::triggered, this, &frmFTPSelectOutputDir::mnuOpen_Click);
    connect(m_ui->mnuRename, &QAction::triggered, this, &frmFTPSelectOutputDir::mnuRename_Click);
    connect(m_ui->mnuDelete, &QAction::triggered, this, &frmFTPSelectOutputDir::mnuDelete_Click);
    connect(m_ui->mnuCreateDirectory, &QAction::triggered, this, &frmFTPSelectOutputDir::cmdCreateDir_Click);
    connect(m_ui->lvwFTPDir, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) { openItem(item); });
    connect(m_ui->lvwFTPDir, &QTreeWidget::itemChanged, this, &frmFTPSelectOutputDir::lvwFTPDir_AfterLabelEdit);
    m_ui->lvwFTPDir->viewport()->installEventFilter(this);
    setCommandsEnabled(false);
}

frmFTPSelectOutputDir::~frmFTPSelectOutputDir()
{
    closeSession();
    Ftp().LoginAttempts = 0;
}

void frmFTPSelectOutputDir::setSelectedOutputDir(const QString &folder)
{
    m_ui->SelectedOutputDir->setText(folder);
}

QString frmFTPSelectOutputDir::selectedOutputDir() const
{
    return m_ui->SelectedOutputDir->text();
}

void frmFTPSelectOutputDir::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &frmFTPSelectOutputDir::Form_Activate);
}

void frmFTPSelectOutputDir::Form_Activate()
{
    m_closing = false;
    m_connecting = false;
    m_ui->lvwFTPDir->setHeaderLabels({Msg("msgColumnFileName"), Msg("msgColumnLastModified"), Msg("msgColumnPermissions")});
    if (Ftp().ConnectPending)
        connectToServer();
}

void frmFTPSelectOutputDir::report(const VexlError &e, const char *procedure, const QString &operation)
{
    ReportDialogFailure(e, this, QLatin1String(procedure), operation);
}

// ---------------------------------------------------------------- session

void frmFTPSelectOutputDir::connectToServer()
{
    FtpState &ftp = Ftp();
    const FTPConnection &c = ftp.current;
    try {
        ftp.ConnectPending = false;
        closeSession();
        m_closing = false;
        m_connecting = true;
        m_ended = false;
        m_ui->rtxtFTPLog->clear();
        m_ui->lvwFTPDir->clear();
        m_ui->cmdOK->setEnabled(false);
        m_ui->cmdCreateDir->setEnabled(false);

        m_client = new CFtpClient(this);
        connect(m_client, &CFtpClient::OnConnect, this, &frmFTPSelectOutputDir::m_objFtpClient_OnConnect);
        connect(m_client, &CFtpClient::OnSetCurrentDirectory, this, &frmFTPSelectOutputDir::m_objFtpClient_OnSetCurrentDirectory);
        connect(m_client, &CFtpClient::OnGetCurrentDirectory, this, &frmFTPSelectOutputDir::m_objFtpClient_OnGetCurrentDirectory);
        connect(m_client, &CFtpClient::OnEnumFiles, this, &frmFTPSelectOutputDir::m_objFtpClient_OnEnumFiles);
        connect(m_client, &CFtpClient::OnCreateDirectory, this, [this](int result) {
            m_objFtpClient_OnFolderCommand(result, "msgErrorCreatingDirectory", QStringLiteral("Create Dir Error"));
        });
        connect(m_client, &CFtpClient::OnRemoveDirectory, this, [this](int result) {
            m_objFtpClient_OnFolderCommand(result, "msgErrorRemovingDirectory", QStringLiteral("Directory Remove Error"));
        });
        connect(m_client, &CFtpClient::OnRenameFile, this, [this](int result) {
            m_objFtpClient_OnFolderCommand(result, "msgErrorRenamingDirectory", QStringLiteral("Directory Rename Error"));
        });
        connect(m_client, &CFtpClient::OnStateChange, this, &frmFTPSelectOutputDir::m_objFtpClient_OnStateChange);
        connect(m_client, &CFtpClient::SessionProtocolMessage, this,
                &frmFTPSelectOutputDir::m_objFtpClient_SessionProtocolMessage);
        if (!PrepareFtpClient(*m_client, c)) {
            // The window stays open, not connected; Cancel closes it.
            closeSession();
            m_connecting = false;
            return;
        }
        AppendFtpLogLine(m_ui->rtxtFTPLog,
                         Msg("msgConnectingWithTimeout").replace(QStringLiteral("[TIMEOUT]"), QString::number(c.Timeout)),
                         FTP_APPLICATION_MESSAGE);
        m_client->Connect();
    } catch (const VexlError &e) {
        MsgBox(MsgX("msgFTPConnectionError") + e.description + QLatin1Char('!'), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("FTP Error"));
    }
}

void frmFTPSelectOutputDir::closeSession()
{
    m_closing = true;
    CFtpClient *client = m_client;
    m_client = nullptr;
    CloseFtpSession(client);
    setCommandsEnabled(false);
}

bool frmFTPSelectOutputDir::idle() const
{
    return !m_closing && m_client && !m_client->Busy() && m_client->FtpSessionState() == ftpFreeState;
}

void frmFTPSelectOutputDir::setCommandsEnabled(bool enabled)
{
    for (QWidget *w : {static_cast<QWidget *>(m_ui->cmdCreateDir), static_cast<QWidget *>(m_ui->cmdOK)})
        w->setEnabled(enabled);
    for (QAction *a : {m_ui->mnuOpen, m_ui->mnuRename, m_ui->mnuDelete})
        a->setEnabled(enabled);
}

void frmFTPSelectOutputDir::settle(int result)
{
    if (result != arStatusTimeOut || !m_client || m_client->PendingMethod() == 0)
        return;
    m_settling = true;
    try {
        m_client->CancelAsyncMethod();
    } catch (const VexlError &) {
    }
    m_settling = false;
}

// ---------------------------------------------------------------- buttons and menu

void frmFTPSelectOutputDir::cmdOK_Click()
{
    const QString current = m_client ? m_client->CurrentDirectory() : QStringLiteral("/");
    const QTreeWidgetItem *item = m_ui->lvwFTPDir->currentItem();
    QString chosen = current;
    if (m_ui->lvwFTPDir->topLevelItemCount() > 0 && item && item->data(0, kKeyRole).toString() != kGoToParent)
        chosen = current + QLatin1Char('/') + item->text(0);
    chosen = reduceSlashes(chosen);
    if (!chosen.startsWith(QLatin1Char('/')))
        chosen.prepend(QLatin1Char('/'));
    setSelectedOutputDir(chosen);
    closeSession();
    hide();
}

void frmFTPSelectOutputDir::cmdCancel_Click()
{
    closeSession();
    hide();
}

void frmFTPSelectOutputDir::reject()
{
    cmdCancel_Click();
}

void frmFTPSelectOutputDir::cmdCreateDir_Click()
{
    if (!idle())
        return;
    try {
        const std::optional<QString> name =
            DialogService::current().input(MsgX("msgNewDirectoryPrompt"), Msg("msgNewDirectoryTitle"), Msg("msgNewDirectoryDefault"));
        if (!name || name->isEmpty())
            return;
        if (!IsFilenameGood(*name)) {
            MsgBox(MsgX("msgBadFilenameCharacters") + BadFilenameChars(), MsgButtons::Ok, MsgIcon::Exclamation,
                   QStringLiteral("Create Directory Error"));
            return;
        }
        if (idle())
            m_client->CreateDirectory(folderPath(*name));
    } catch (const VexlError &e) {
        report(e, "cmdCreateDir_Click", QStringLiteral("Creating Directory"));
    }
}

QString frmFTPSelectOutputDir::folderPath(const QString &name) const
{
    return reduceSlashes(m_client->CurrentDirectory() + QLatin1Char('/') + name);
}

void frmFTPSelectOutputDir::openItem(QTreeWidgetItem *item)
{
    if (!item || !idle())
        return;
    try {
        const QString current = m_client->CurrentDirectory();
        QString target;
        if (item->data(0, kKeyRole).toString() == kGoToParent) {
            const int slash = current.lastIndexOf(QLatin1Char('/'));
            target = slash <= 0 ? QStringLiteral("/") : current.left(slash);
        } else {
            target = folderPath(item->data(0, kKeyRole).toString());
        }
        m_lastSetDirectory = target;
        m_client->SetCurrentDirectory(target);
    } catch (const VexlError &e) {
        report(e, "lvwFTPDir_DblClick", QStringLiteral("Opening Directory"));
    }
}

void frmFTPSelectOutputDir::mnuOpen_Click()
{
    openItem(m_ui->lvwFTPDir->currentItem());
}

void frmFTPSelectOutputDir::mnuRename_Click()
{
    QTreeWidgetItem *item = m_ui->lvwFTPDir->currentItem();
    if (!item || item->data(0, kKeyRole).toString() == kGoToParent || !idle())
        return;
    try {
        const QString old = item->data(0, kKeyRole).toString();
        const std::optional<QString> name = DialogService::current().input(
            MsgX("msgRenamePrompt").replace(QStringLiteral("[OLDDIRPATH]"), folderPath(old)),
            QStringLiteral("Rename Directory"), old);
        if (!name || name->isEmpty() || *name == old)
            return;
        renameTo(item, *name, QStringLiteral("Rename Directory Error"));
    } catch (const VexlError &e) {
        report(e, "mnuRename_Click", QStringLiteral("Renaming Directory"));
    }
}

void frmFTPSelectOutputDir::lvwFTPDir_AfterLabelEdit(QTreeWidgetItem *item, int column)
{
    if (m_filling || column != 0 || !item || item->data(0, kKeyRole).toString() == kGoToParent)
        return;
    const QString old = item->data(0, kKeyRole).toString();
    const QString name = item->text(0);
    if (name == old)
        return;
    // The label shows the old name again; a good rename lists the folder anew.
    {
        const QScopedValueRollback<bool> filling(m_filling, true);
        item->setText(0, old);
    }
    if (name.isEmpty() || !idle())
        return;
    try {
        renameTo(item, name, QStringLiteral("Rename Directory Error"));
    } catch (const VexlError &e) {
        report(e, "lvwFTPDir_AfterLabelEdit", QStringLiteral("Renaming Directory"));
    }
}

void frmFTPSelectOutputDir::renameTo(QTreeWidgetItem *item, const QString &newName, const QString &errorTitle)
{
    if (!IsFilenameGood(newName)) {
        MsgBox(MsgX("msgBadFilenameCharacters") + BadFilenameChars(), MsgButtons::Ok, MsgIcon::Exclamation, errorTitle);
        return;
    }
    if (idle())
        m_client->RenameFile(folderPath(item->data(0, kKeyRole).toString()), folderPath(newName));
}

void frmFTPSelectOutputDir::mnuDelete_Click()
{
    QTreeWidgetItem *item = m_ui->lvwFTPDir->currentItem();
    if (!item || item->data(0, kKeyRole).toString() == kGoToParent || !idle())
        return;
    try {
        const QString path = folderPath(item->data(0, kKeyRole).toString());
        if (MsgBox(MsgX("msgConfirmDeleteDirectory").replace(QStringLiteral("[DIRECTORY]"), path), MsgButtons::YesNo,
                   MsgIcon::Question, QStringLiteral("Directory delete confirmation"))
            == MsgAnswer::Yes
            && idle())
            m_client->RemoveDirectory(path);
    } catch (const VexlError &e) {
        report(e, "mnuDelete_Click", QStringLiteral("Deleting Directory"));
    }
}

bool frmFTPSelectOutputDir::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->lvwFTPDir->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton && m_ui->lvwFTPDir->currentItem() && idle())
            m_mnuDirCmds->popup(mouse->globalPosition().toPoint());
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- client events

void frmFTPSelectOutputDir::m_objFtpClient_OnConnect(int result)
{
    if (m_closing || m_ended)
        return;
    FtpState &ftp = Ftp();
    FTPConnection &c = ftp.current;
    try {
        m_connecting = false;
        if (result == arStatusOk) {
            if (ftp.RememberLogin) {
                c.Username = ftp.LoginUsername;
                c.Password = ftp.LoginPassword;
                if (UpdateFTPConnection(ftp.connections, c)) {
                    SettingsStore store;
                    SaveFTPConnections(store.raw(), ftp.connections);
                }
            }
            const QString start = selectedOutputDir();
            if (start.isEmpty() || start == QLatin1String("/")) {
                m_client->EnumFiles();
            } else {
                m_lastSetDirectory = start;
                m_client->SetCurrentDirectory(start);
            }
            return;
        }
        // Final from here on; a time-out repeating behind a message is ignored.
        m_ended = true;
        if (result == arStatusError && m_client->LastFtpError().Number() == 16530) {
            if (ftp.LoginAttempts >= kLoginRetries) {
                MsgBox(MsgX("msgLoginFailedAttempts").replace(QStringLiteral("[NUMATTEMPTS]"), QString::number(ftp.LoginAttempts + 1)),
                       MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Login Failed"));
            } else if (MsgBox(MsgX("msgLoginIncorrectRetry"), MsgButtons::YesNo, MsgIcon::Exclamation,
                              QStringLiteral("Incorrect Login"))
                       == MsgAnswer::Yes) {
                closeSession();
                c.Password.clear();
                ++ftp.LoginAttempts;
                connectToServer();
                return;
            }
        } else if (result == arStatusError) {
            MsgBox(MsgX("msgFTPConnectionError") + FtpFailureDetails(*m_client), MsgButtons::Ok, MsgIcon::Exclamation,
                   QStringLiteral("FTP Connect Error"));
        } else if (result == arStatusTimeOut) {
            MsgBox(MsgX("msgFTPConnectionTimedOut").replace(QStringLiteral("[SERVER]"), c.Server), MsgButtons::Ok,
                   MsgIcon::Exclamation, QStringLiteral("FTP Connection Timed Out"));
        } else {
            MsgBox(MsgX("msgFTPConnectionCanceled"), MsgButtons::Ok, MsgIcon::Exclamation,
                   QStringLiteral("FTP Connection Canceled"));
        }
        closeSession();
    } catch (const VexlError &e) {
        report(e, "m_objFtpClient_OnConnect", QStringLiteral("Connecting"));
    }
}

void frmFTPSelectOutputDir::m_objFtpClient_OnSetCurrentDirectory(int result)
{
    if (m_closing || m_settling)
        return;
    try {
        settle(result);
        if (result == arStatusOk) {
            m_client->GetCurrentDirectory();
        } else if (m_lastSetDirectory != QLatin1String("/")) {
            // A folder that cannot be entered: back to the root, without a message.
            m_lastSetDirectory = QStringLiteral("/");
            m_client->SetCurrentDirectory(m_lastSetDirectory);
        } else {
            m_client->EnumFiles();
        }
    } catch (const VexlError &e) {
        report(e, "m_objFtpClient_OnSetCurrentDirectory", QStringLiteral("Changing Directory"));
    }
}

void frmFTPSelectOutputDir::m_objFtpClient_OnGetCurrentDirectory(int result)
{
    if (m_closing || m_settling)
        return;
    try {
        settle(result);
        m_client->EnumFiles();
    } catch (const VexlError &e) {
        report(e, "m_objFtpClient_OnGetCurrentDirectory", QStringLiteral("Listing Directory"));
    }
}

void frmFTPSelectOutputDir::m_objFtpClient_OnEnumFiles(int result)
{
    if (m_closing || m_settling)
        return;
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_ui->lvwFTPDir->clear();
    if (result != arStatusOk) {
        settle(result);
        const CFtpError &e = m_client->LastFtpError();
        // A silent server has no reply of its own to show: the last one
        // belongs to an earlier step.
        const QString reply = result == arStatusTimeOut ? QString() : m_client->LastServerResponse();
        m_ui->lblCurDir->setText(Msg("msgCurrentDirectory") + m_client->CurrentDirectory());
        MsgBox(MsgX("msgErrorListingFiles") + QStringLiteral("\r\n\r\n") + reply + e.Description()
                   + QStringLiteral("\r\n (") + QString::number(e.Number()) + QLatin1Char(':') + e.Source() + QLatin1Char(')'),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Enum Files Error"));
        closeSession();
        return;
    }
    const QString current = m_client->CurrentDirectory();
    if (current != QLatin1String("/")) {
        auto *parent = new QTreeWidgetItem(m_ui->lvwFTPDir, {Msg("msgGoToParentDirectory")});
        parent->setData(0, kKeyRole, kGoToParent);
        parent->setIcon(0, style()->standardIcon(QStyle::SP_FileDialogToParent));
    }
    for (const CFtpFile &f : m_client->CurrentDirectoryFiles()) {
        // A listing does not say where a link leads: it is offered as a
        // folder, and entering a link to a file is refused by the server.
        const bool link = f.Permissions().startsWith(QLatin1Char('l'));
        if (!f.IsDirectory() && !link)
            continue;
        const QDateTime when = f.LastWriteTime();
        auto *item = new QTreeWidgetItem(
            m_ui->lvwFTPDir, {f.FileName(), when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString(),
                              f.Permissions()});
        item->setData(0, kKeyRole, f.FileName());
        item->setIcon(0, style()->standardIcon(link ? QStyle::SP_DirLinkIcon : QStyle::SP_DirIcon));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_ui->cmdOK->setEnabled(true);
    m_ui->cmdCreateDir->setEnabled(true);
    m_ui->lblCurDir->setText(Msg("msgCurrentDirectory") + current);
}

void frmFTPSelectOutputDir::m_objFtpClient_OnFolderCommand(int result, const char *messageKey, const QString &title)
{
    if (m_closing || m_settling)
        return;
    try {
        settle(result);
        if (result == arStatusOk) {
            m_client->EnumFiles();
            return;
        }
        MsgBox(MsgX(messageKey) + FtpFailureDetails(*m_client) + QLatin1Char('!'), MsgButtons::Ok, MsgIcon::Exclamation, title);
    } catch (const VexlError &e) {
        report(e, "m_objFtpClient_OnFolderCommand", QStringLiteral("Changing Directories"));
    }
}

void frmFTPSelectOutputDir::m_objFtpClient_OnStateChange(int state)
{
    m_ui->staFTPStatus->showMessage(SessionStatusText(state, m_client ? m_client->FtpServer() : Ftp().current.Server));
    setCommandsEnabled(state == ftpFreeState && !m_closing);
}

void frmFTPSelectOutputDir::m_objFtpClient_SessionProtocolMessage(const QString &message, int kind)
{
    AppendFtpLogLine(m_ui->rtxtFTPLog, MaskedProtocolMessage(message), kind);
}

void frmFTPSelectOutputDir::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

} // namespace vexl
