// The main window's side of the saved FTP connections: loading them at start-up,
// their entries in the output destination list, the editor, and the remote
// folder browser behind the browse button.

#include "frmmain.h"

#include "ui_frmmain.h"

#include "settings/settingsreport.h"
#include "settings/settingsstore.h"
#include "dialogfailure.h"
#include "frmftpconnections.h"
#include "frmftpselectoutputdir.h"
#include "settings/ftpconnections.h"
#include "support/messages.h"

namespace vexl {

namespace {
// The connection name of an output list entry "FTP: name".
QString connectionName(const QString &entry)
{
    QString name = entry;
    const int prefix = name.indexOf(QLatin1String("FTP: "));
    if (prefix >= 0)
        name.remove(prefix, 5);
    return name;
}
} // namespace

void frmMain::connectFtpUi()
{
    connect(m_ui->mnuFTPConnections, &QAction::triggered, this, &frmMain::showFTPConnections);
}

void frmMain::loadFTPConnections(SettingsStore &store)
{
    try {
        Ftp().connections = LoadFTPConnections(store.raw());
    } catch (const VexlError &e) {
        Ftp().connections.clear();
        reportError(e, QStringLiteral("GetSettings"), QStringLiteral("Loading FTP Connections"));
    }
}

void frmMain::addFtpDestinations()
{
    SortFTPConnections(Ftp().connections);
    for (const FTPConnection &c : std::as_const(Ftp().connections))
        m_ui->cmbOutput->addItem(QStringLiteral("FTP: ") + c.Name);
}

void frmMain::applyFtpDestination(int index)
{
    const QString name = connectionName(m_ui->cmbOutput->itemText(index));
    m_ui->txtOutputDir->setText(FindFTPConnection(Ftp().connections, name).first.DefaultPath);
}

void frmMain::showFTPConnections()
{
    if (!m_frmFTPConnections) {
        m_frmFTPConnections = new frmFTPConnections(this);
        connect(m_frmFTPConnections, &frmFTPConnections::connectionsChanged, this, &frmMain::RebuildOutputList);
    }
    // The editor wears the main window's colour scheme.
    LoadColour(m_colourScheme, QStringLiteral("MS Sans Serif"), m_frmFTPConnections);
    Ftp().RefreshConnectionList = true;
    m_frmFTPConnections->exec();
}

void frmMain::browseFtpFolder(int index)
{
    FtpState &ftp = Ftp();
    ftp.current = FindFTPConnection(ftp.connections, connectionName(m_ui->cmbOutput->itemText(index))).first;
    ftp.ConnectPending = true;
    ftp.LoginAttempts = 0;
    if (!m_frmFTPSelectOutputDir)
        m_frmFTPSelectOutputDir = new frmFTPSelectOutputDir(this);
    m_frmFTPSelectOutputDir->setSelectedOutputDir(m_ui->txtOutputDir->text());
    m_frmFTPSelectOutputDir->exec();
    m_ui->txtOutputDir->setText(m_frmFTPSelectOutputDir->selectedOutputDir());
}

} // namespace vexl
