#include "frmftptest.h"

#include "ui_frmftptest.h"

#include "dialogfailure.h"
#include "support/dialogservice.h"
#include "ftp/cftpclient.h"
#include "ftp/ftpsession.h"
#include "settings/ftpconnections.h"
#include "ftplogview.h"
#include "settings/settingsstore.h"
#include "support/messages.h"

#include <QTimer>

namespace vexl {

namespace {
constexpr int kLoginRetries = 2;

void saveConnections()
{
    SettingsStore store;
    SaveFTPConnections(store.raw(), Ftp().connections);
}
} // namespace

frmFTPTest::frmFTPTest(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmFTPTest>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(520, 380);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmFTPTest::cmdClose_Click);
}

frmFTPTest::~frmFTPTest()
{
    closeSession();
    Ftp().LoginAttempts = 0;
}

void frmFTPTest::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &frmFTPTest::Form_Activate);
}

void frmFTPTest::Form_Activate()
{
    if (Ftp().ConnectPending)
        startTest();
}

void frmFTPTest::startTest()
{
    FtpState &ftp = Ftp();
    const FTPConnection &c = ftp.current;
    try {
        ftp.ConnectPending = false;
        m_ended = false;
        m_ui->rtxtFTPLog->clear();
        closeSession();
        m_client = new CFtpClient(this);
        connect(m_client, &CFtpClient::OnConnect, this, &frmFTPTest::m_objFtpClient_OnConnect);
        connect(m_client, &CFtpClient::OnSetCurrentDirectory, this, &frmFTPTest::m_objFtpClient_OnSetCurrentDirectory);
        connect(m_client, &CFtpClient::OnEnumFiles, this, &frmFTPTest::m_objFtpClient_OnEnumFiles);
        connect(m_client, &CFtpClient::OnStateChange, this, &frmFTPTest::m_objFtpClient_OnStateChange);
        connect(m_client, &CFtpClient::SessionProtocolMessage, this, &frmFTPTest::m_objFtpClient_SessionProtocolMessage);
        if (!PrepareFtpClient(*m_client, c)) {
            closeSession();
            hide();
            return;
        }
        AppendFtpLogLine(m_ui->rtxtFTPLog,
                         Msg("msgConnectingWithTimeout").replace(QStringLiteral("[TIMEOUT]"), QString::number(c.Timeout)),
                         FTP_APPLICATION_MESSAGE);
        m_client->Connect();
    } catch (const VexlError &e) {
        MsgBox(MsgX("msgFTPConnectionError") + e.description + QLatin1Char('!'), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("FTP Conenction Error"));
    }
}

void frmFTPTest::closeSession()
{
    CFtpClient *client = m_client;
    m_client = nullptr;
    CloseFtpSession(client);
}

void frmFTPTest::cmdClose_Click()
{
    closeSession();
    hide();
}

void frmFTPTest::reject()
{
    cmdClose_Click();
}

void frmFTPTest::m_objFtpClient_OnConnect(int result)
{
    if (m_ended)
        return;
    FtpState &ftp = Ftp();
    FTPConnection &c = ftp.current;
    try {
        if (result == arStatusOk) {
            if (ftp.RememberLogin) {
                c.Username = ftp.LoginUsername;
                c.Password = ftp.LoginPassword;
                if (UpdateFTPConnection(ftp.connections, c))
                    saveConnections();
            }
            if (!c.DefaultPath.isEmpty() && c.DefaultPath != QLatin1String("/"))
                m_client->SetCurrentDirectory(c.DefaultPath);
            else
                m_client->EnumFiles();
            return;
        }
        // Final from here on; a time-out repeating behind a message is ignored.
        m_ended = true;
        if (result == arStatusError) {
            if (m_client->LastFtpError().Number() == 16530) {
                if (ftp.LoginAttempts >= kLoginRetries) {
                    MsgBox(MsgX("msgLoginFailedAttempts")
                               .replace(QStringLiteral("[NUMATTEMPTS]"), QString::number(ftp.LoginAttempts + 1)),
                           MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Login Failed"));
                } else if (MsgBox(MsgX("msgLoginIncorrectRetry"), MsgButtons::YesNo, MsgIcon::Exclamation,
                                  QStringLiteral("Incorrect Login"))
                           == MsgAnswer::Yes) {
                    closeSession();
                    c.Password.clear();
                    ++ftp.LoginAttempts;
                    startTest();
                    return;
                }
            } else {
                MsgBox(MsgX("msgFTPConnectionError") + FtpFailureDetails(*m_client), MsgButtons::Ok, MsgIcon::Exclamation,
                       QStringLiteral("FTP Connect Error"));
            }
        } else if (result == arStatusTimeOut) {
            MsgBox(MsgX("msgFTPConnectionTimedOut").replace(QStringLiteral("[SERVER]"), c.Server), MsgButtons::Ok,
                   MsgIcon::Exclamation, QStringLiteral("FTP Timeout"));
        } else if (result == arStatusCancel) {
            MsgBox(MsgX("msgFTPConnectionCanceled"), MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("FTP Connection"));
        }
        closeSession();
    } catch (const VexlError &e) {
        ReportDialogFailure(e, this, QStringLiteral("m_objFtpClient_OnConnect"), QStringLiteral("Testing Connection"));
    }
}

void frmFTPTest::m_objFtpClient_OnSetCurrentDirectory(int result)
{
    if (m_ended)
        return;
    try {
        if (result == arStatusOk) {
            m_client->EnumFiles();
            return;
        }
        m_ended = true;
        MsgBox(MsgX("msgErrorAccessingPath").replace(QStringLiteral("[PATH]"), Ftp().current.DefaultPath)
                   + FtpFailureDetails(*m_client) + QLatin1Char('!'),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Directory Path Error"));
        closeSession();
    } catch (const VexlError &e) {
        ReportDialogFailure(e, this, QStringLiteral("m_objFtpClient_OnSetCurrentDirectory"),
                            QStringLiteral("Changing Directory"));
    }
}

void frmFTPTest::m_objFtpClient_OnEnumFiles(int result)
{
    if (m_ended)
        return;
    m_ended = true;
    if (result == arStatusOk)
        MsgBox(MsgX("msgFTPConnectionOK").replace(QStringLiteral("[NAME]"), Ftp().current.Name), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("FTP Connection Success"));
    else
        MsgBox(MsgX("msgErrorListingFiles") + FtpFailureDetails(*m_client) + QLatin1Char('!'), MsgButtons::Ok,
               MsgIcon::Exclamation, QStringLiteral("Directory List Error"));
    closeSession();
}

void frmFTPTest::m_objFtpClient_OnStateChange(int state)
{
    m_ui->staFTPStatus->showMessage(SessionStatusText(state, m_client ? m_client->FtpServer() : Ftp().current.Server));
}

void frmFTPTest::m_objFtpClient_SessionProtocolMessage(const QString &message, int kind)
{
    AppendFtpLogLine(m_ui->rtxtFTPLog, MaskedProtocolMessage(message), kind);
}

void frmFTPTest::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

} // namespace vexl
