#include "ftpbatchupload.h"

#include "cftpclient.h"
#include "csocket.h"
#include "ftpreply.h"
#include "ftpsession.h"
#include "support/messages.h"
#include "support/vexlerror.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTimer>

namespace vexl {

namespace {
// Refused logins are retried until this many retries have been used.
constexpr int kLoginRetries = 2;
// After a failed re-open the question comes at most this many more times.
constexpr int kReopenRetries = 2;

// The steps of the run itself are logged under its main procedure.
const QString kFrm = QStringLiteral("Form_Activate");

// A name as a message shows it: line breaks and NULs spelled out.
QString visible(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out.replace(QChar(0), QLatin1String("\\0"));
    return out;
}
} // namespace

FtpBatchUpload::FtpBatchUpload(FtpUploadHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
}

FtpBatchUpload::~FtpBatchUpload()
{
    CloseFTPConn();
}

void FtpBatchUpload::Begin(const FTPConnection &connection, const QString &basePath)
{
    m_stop = false;
    m_conn = connection;
    m_basePath = (basePath.isEmpty() || basePath == QLatin1String("/")) ? QStringLiteral("/") : basePath;
    m_dirCache.clear();
    m_failedReopens = 0;
    m_reopenFailure.clear();
}

void FtpBatchUpload::step(const QString &procedure, const QString &text)
{
    m_host.ftpStep(procedure, text);
}

void FtpBatchUpload::checkStop() const
{
    if (m_stop)
        throw Ending{FtpStepResult::Aborted};
}

void FtpBatchUpload::wake()
{
    if (m_loop)
        m_loop->quit();
}

void FtpBatchUpload::waitUntil(const std::function<bool()> &done)
{
    while (m_client && !m_stop && !done()) {
        QEventLoop loop;
        QEventLoop *outer = m_loop;
        m_loop = &loop;
        loop.exec();
        m_loop = outer;
    }
}

bool FtpBatchUpload::waitNotBusy()
{
    step(QStringLiteral("WaitNotBusy"), QStringLiteral("Wait for not busy..."));
    waitUntil([this] { return !m_client->Busy(); });
    return m_client && !m_stop;
}

int FtpBatchUpload::settle(int result)
{
    if (result == arStatusTimeOut && m_client && m_client->PendingMethod() != 0) {
        const QScopedValueRollback<bool> quiet(m_ignoreCompletions, true);
        try {
            m_client->CancelAsyncMethod();
        } catch (const VexlError &) {
        }
    }
    return result;
}

void FtpBatchUpload::refuseUnsendable(const QString &name, bool folder)
{
    if (!HasLineBreakOrNul(name))
        return;
    step(QStringLiteral("refuseUnsendable"), visible(name));
    show(folder ? tr("The folder \"%1\" contains a line break or a NUL character, which cannot be sent to an FTP server. "
                     "Process Stopped.").arg(visible(name))
                : tr("The file name \"%1\" contains a line break or a NUL character, which cannot be sent to an FTP "
                     "server. Process Stopped.").arg(visible(name)),
         MsgIcon::Exclamation, QStringLiteral("FTP Upload Error"));
    throw Ending{FtpStepResult::EndRun};
}

void FtpBatchUpload::show(const QString &text, MsgIcon icon, const QString &title)
{
    m_host.ask(text, MsgButtons::Ok, icon, title);
}

void FtpBatchUpload::RequestStop()
{
    m_stop = true;
    if (m_client && m_client->Busy()) {
        try {
            m_client->CancelAsyncMethod();
        } catch (const VexlError &) {
        }
    }
    wake();
}

// ---------------------------------------------------------------- session

int FtpBatchUpload::OpenFTPConn()
{
    step(QStringLiteral("OpenFTPConn"));
    CloseFTPConn();
    m_client = new CFtpClient(this);
    connect(m_client, &CFtpClient::OnConnect, this, &FtpBatchUpload::m_objFtpClient_OnConnect);
    connect(m_client, &CFtpClient::OnSetCurrentDirectory, this, &FtpBatchUpload::m_objFtpClient_OnSetCurrentDirectory);
    connect(m_client, &CFtpClient::OnGetCurrentDirectory, this, &FtpBatchUpload::m_objFtpClient_OnGetCurrentDirectory);
    connect(m_client, &CFtpClient::OnCreateDirectory, this, &FtpBatchUpload::m_objFtpClient_OnCreateDirectory);
    connect(m_client, &CFtpClient::OnUploadFile, this, &FtpBatchUpload::m_objFtpClient_OnUploadFile);
    connect(m_client, &CFtpClient::OnStateChange, this, &FtpBatchUpload::m_objFtpClient_OnStateChange);
    connect(m_client, &CFtpClient::OnDataTransferProgress, this, &FtpBatchUpload::m_objFtpClient_OnDataTransferProgress);
    connect(m_client, &CFtpClient::SessionProtocolMessage, this, &FtpBatchUpload::m_objFtpClient_SessionProtocolMessage);

    m_client->setFtpServer(m_conn.Server);
    m_client->setRemotePort(m_conn.Port);
    m_client->setTimeOut(m_conn.Timeout >= 5 && m_conn.Timeout <= 299 ? m_conn.Timeout : 30);
    m_client->setPassiveMode(m_conn.IsPassive);
    m_client->setTransferMode(1);

    // A login answer of an earlier connection must not be remembered for this one.
    FtpState &ftp = Ftp();
    ftp.LoginUsername.clear();
    ftp.LoginPassword.clear();
    ftp.RememberLogin = false;
    if (!m_conn.IsAnnonymous) {
        if (!m_conn.Password.isEmpty()) {
            m_client->setUserName(m_conn.Username);
            m_client->setPassword(m_conn.Password);
        } else {
            const std::optional<LoginAnswer> login = m_host.promptLogin(m_conn.Server, m_conn.Username, m_conn.Password);
            if (login) {
                ftp.LoginUsername = login->username;
                ftp.LoginPassword = login->password;
                ftp.RememberLogin = login->remember;
            }
            if (ftp.LoginUsername.isEmpty() || ftp.LoginPassword.isEmpty()) {
                CloseFTPConn();
                show(MsgX("msgLoginNotGiven"), MsgIcon::Information, QStringLiteral("No Login Details"));
                throw Ending{FtpStepResult::EndRun};
            }
            m_client->setUserName(ftp.LoginUsername);
            m_client->setPassword(ftp.LoginPassword);
        }
    }

    m_host.ftpLogLine(Msg("msgConnectingWithTimeout").replace(QStringLiteral("[TIMEOUT]"), QString::number(m_client->TimeOut())),
                      FTP_APPLICATION_MESSAGE);
    step(QStringLiteral("OpenFTPConn"), QStringLiteral("Connect..."));
    m_connectDone = false;
    m_connectResult = arStatusError;
    m_client->Connect();
    step(QStringLiteral("OpenFTPConn"), QStringLiteral("Wait for Connect..."));
    waitUntil([this] { return m_connectDone; });
    const int result = settle(m_connectResult);
    step(QStringLiteral("OpenFTPConn"), QStringLiteral("Connect Status: ") + AsyncResultName(result) + QLatin1Char('/')
             + SessionStateName(m_client ? m_client->FtpSessionState() : ftpClosed));
    return result;
}

void FtpBatchUpload::CloseFTPConn()
{
    if (!m_client)
        return;
    step(QStringLiteral("CloseFTPConn"));
    CFtpClient *client = m_client;
    m_client = nullptr;
    CloseFtpSession(client);
    wake();
}

bool FtpBatchUpload::ReopenFTPSession()
{
    step(QStringLiteral("ReopenFTPSession"));
    // A failed re-open is a failure: its cause goes with the question, and the
    // question is not repeated for ever.
    if (m_failedReopens > kReopenRetries) {
        step(QStringLiteral("ReopenFTPSession"), QStringLiteral("Re-open retries exceeded"));
        return false;
    }
    QString question = MsgX("msgConnectionClosedReopen");
    if (!m_reopenFailure.isEmpty())
        question += QStringLiteral("\r\n\r\n") + tr("Re-opening the connection failed: %1").arg(m_reopenFailure);
    if (m_host.ask(question, MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Connection Closed")) != MsgAnswer::Yes)
        return false;
    CloseFTPConn();
    const int result = OpenFTPConn();
    if (m_stop)
        return true; // the caller sees Stop
    if (result != arStatusOk) {
        const CFtpError &e = m_client ? m_client->LastFtpError() : CFtpError();
        if (e.Number() != 0)
            m_reopenFailure = QStringLiteral("%1 (%2)").arg(e.Description()).arg(e.Number());
        else if (result == arStatusTimeOut)
            m_reopenFailure = QStringLiteral("%1 (%2)").arg(GetErrorDescription(10060)).arg(10060);
        else
            m_reopenFailure = AsyncResultName(result);
        ++m_failedReopens;
        step(QStringLiteral("ReopenFTPSession"), QStringLiteral("Re-open failed: ") + m_reopenFailure);
        CloseFTPConn();
        return true;
    }
    m_failedReopens = 0;
    m_reopenFailure.clear();
    // A new session starts in the login folder: go back to the base folder, as
    // the first session did, so the uploads land where they were meant to.
    if (FTPSetCurrentDirectory(m_basePath) != arStatusOk && !m_stop) {
        show(MsgX("msgErrorAccessingPath").replace(QStringLiteral("[PATH]"), m_basePath) + FtpFailureDetails(*m_client)
                 + QLatin1Char('!'),
             MsgIcon::Exclamation, QStringLiteral("Directory Path Error"));
        throw Ending{FtpStepResult::EndRun};
    }
    return true;
}

// ---------------------------------------------------------------- steps

FtpStepResult FtpBatchUpload::ConnectStep()
{
    try {
        FtpState &ftp = Ftp();
        for (;;) {
            step(kFrm, QStringLiteral("FTP: Calling OpenFTPConn..."));
            const int result = OpenFTPConn();
            step(kFrm, QStringLiteral("FTP: Got Conn Status ") + AsyncResultName(result));
            checkStop();
            if (result == arStatusOk) {
                if (ftp.RememberLogin) {
                    step(kFrm, QStringLiteral("FTP: Remember pass..."));
                    m_conn.Username = ftp.LoginUsername;
                    m_conn.Password = ftp.LoginPassword;
                    if (UpdateFTPConnection(ftp.connections, m_conn)) {
                        step(kFrm, QStringLiteral("FTP: SaveFTPConnection"));
                        m_host.saveConnections();
                    }
                }
                break;
            }
            const CFtpError &error = m_client->LastFtpError();
            if (result == arStatusError && error.Number() == 16530) {
                step(kFrm, QStringLiteral("FTP: Incorect login (%1/%2)").arg(ftp.LoginAttempts).arg(kLoginRetries));
                if (ftp.LoginAttempts < kLoginRetries) {
                    if (m_host.ask(MsgX("msgLoginIncorrectRetry"), MsgButtons::YesNo, MsgIcon::Exclamation,
                                   QStringLiteral("Incorrect Login"))
                        != MsgAnswer::Yes)
                        // Declining a retry is declining to log in: the run ends here.
                        throw Ending{FtpStepResult::EndRun};
                    step(kFrm, QStringLiteral("FTP: Retry connection..."));
                    CloseFTPConn();
                    m_conn.Password.clear();
                    ++ftp.LoginAttempts;
                    continue;
                }
                step(kFrm, QStringLiteral("FTP: Retries Exceeded..."));
                show(MsgX("msgLoginFailedAttempts").replace(QStringLiteral("[NUMATTEMPTS]"), QString::number(ftp.LoginAttempts + 1)),
                     MsgIcon::Exclamation, QStringLiteral("Login Failed"));
                throw Ending{FtpStepResult::EndRun};
            }
            if (result == arStatusError) {
                step(kFrm, QStringLiteral("FTP: Connect Error..."));
                show(MsgX("msgFTPConnectionError") + FtpFailureDetails(*m_client) + QLatin1Char('!'), MsgIcon::Exclamation,
                     QStringLiteral("FTP Connection Error"));
            } else if (result == arStatusCancel) {
                step(kFrm, QStringLiteral("FTP: Connect Cancel..."));
                show(MsgX("msgFTPConnectionCanceled"), MsgIcon::Exclamation, QStringLiteral("FTP Connection Canceled"));
            } else {
                step(kFrm, QStringLiteral("FTP: Connect Timeout..."));
                show(MsgX("msgFTPConnectionTimedOut").replace(QStringLiteral("[SERVER]"), m_client->FtpServer()),
                     MsgIcon::Exclamation, QStringLiteral("FTP Connection Timedout"));
            }
            throw Ending{FtpStepResult::EndRun};
        }

        step(kFrm, QStringLiteral("FTP: Changing Dir: ") + m_basePath);
        refuseUnsendable(m_basePath, true);
        const int result = FTPSetCurrentDirectory(m_basePath);
        checkStop();
        if (result != arStatusOk) {
            show(MsgX("msgErrorAccessingPath").replace(QStringLiteral("[PATH]"), m_basePath) + FtpFailureDetails(*m_client)
                     + QLatin1Char('!'),
                 MsgIcon::Exclamation, QStringLiteral("Directory Path Error"));
            throw Ending{FtpStepResult::EndRun};
        }
        step(kFrm, QStringLiteral("FTP: Current Dir: ") + m_client->CurrentDirectory());
        return FtpStepResult::Ok;
    } catch (const Ending &end) {
        return end.result;
    }
}

FtpStepResult FtpBatchUpload::UploadStep(const QString &stagedPath, const QString &subFolder, bool replicate)
{
    QString remotePath;
    int uploadResult = -1;
    try {
        const QString fileName = QFileInfo(stagedPath).fileName();
        // A line break would end the command early: name what cannot be sent.
        refuseUnsendable(fileName, false);
        if (replicate)
            refuseUnsendable(subFolder, true);
        for (;;) {
            m_host.statusLine(MsgX("msgTransferringFile").replace(QStringLiteral("[FILE]"), fileName));
            step(kFrm, QStringLiteral("FTP: Getting Session State"));
            if (m_client && m_client->FtpSessionState() != ftpClosed)
                break;
            step(kFrm, QStringLiteral("FTP: State Closed"));
            if (!ReopenFTPSession()) {
                step(kFrm, QStringLiteral("FTP: CleanUpAndClose"));
                throw Ending{FtpStepResult::Aborted};
            }
            checkStop();
            step(kFrm, QStringLiteral("FTP: Try Again"));
        }

        step(kFrm, QStringLiteral("FTP: Is Busy?"));
        if (m_client->Busy()) {
            step(kFrm, QStringLiteral("FTP: Yes - Wait"));
            m_host.statusLine(MsgX("msgFTPClientBusy"));
            waitUntil([this] {
                const int state = m_client->FtpSessionState();
                return state == ftpFreeState || state == ftpClosed;
            });
            checkStop();
        }

        step(kFrm, QStringLiteral("FTP: Set FTP Progress Bar"));
        m_host.ftpProgress(0);
        step(kFrm, QStringLiteral("FTP: Set File Names"));
        m_remoteName = fileName;
        m_fileSize = QFileInfo(stagedPath).size();

        step(kFrm, QStringLiteral("FTP: Check Recursion/Replicate..."));
        if (replicate) {
            step(kFrm, QStringLiteral("FTP: Build FTP Sub Dir..."));
            QString subDir = m_basePath + QLatin1Char('/') + subFolder;
            subDir.replace(QLatin1Char('\\'), QLatin1Char('/'));
            while (subDir.contains(QLatin1String("//")))
                subDir.replace(QLatin1String("//"), QLatin1String("/"));
            QString curDir = m_client->CurrentDirectory();
            step(kFrm, QStringLiteral("FTP: Rem Left Slash..."));
            if (subDir.endsWith(QLatin1Char('/')))
                subDir.chop(1);
            if (curDir.endsWith(QLatin1Char('/')))
                curDir.chop(1);
            step(kFrm, QStringLiteral("FTP: FTPSubDir=\"%1\", FTPCurDir=\"%2\"").arg(subDir, curDir));
            step(kFrm, QStringLiteral("FTP: Compare FTPSubDir and FTPCurDir..."));
            if (subDir != curDir) {
                step(kFrm, QStringLiteral("FTP: Don't Match, prepare to change dir..."));
                if (!FTPDirExists(subDir)) {
                    checkStop();
                    step(kFrm, QStringLiteral("FTP: FTPSubDir Doesn't Exist, Create it..."));
                    const int created = FTPRecCreateDir(subDir);
                    checkStop();
                    if (created != arStatusOk) {
                        const CFtpError &e = m_client->LastFtpError();
                        show(MsgX("msgErrorCreatingDirectoryExit").replace(QStringLiteral("[PATH]"), subDir)
                                 + QStringLiteral("\r\n") + e.Description() + QStringLiteral("\r\n")
                                 + m_client->LastServerResponse(),
                             MsgIcon::Exclamation, QStringLiteral("FTP Directory Create Error"));
                        throw Ending{FtpStepResult::Finish};
                    }
                    step(kFrm, QStringLiteral("FTP: Create Dir Successful, Set Curr Dir..."));
                }
                step(kFrm, QStringLiteral("Set Curr Dir..."));
                const int entered = FTPSetCurrentDirectory(subDir);
                checkStop();
                if (entered != arStatusOk) {
                    const CFtpError &e = m_client->LastFtpError();
                    show(MsgX("msgErrorSettingDirectory").replace(QStringLiteral("[PATH]"), subDir)
                             + QStringLiteral("\r\n") + e.Description() + QStringLiteral("\r\n")
                             + m_client->LastServerResponse(),
                         MsgIcon::Exclamation, QStringLiteral("FTP Directory Set Error (2)"));
                    throw Ending{FtpStepResult::Finish};
                }
            }
        }

        remotePath = NormaliseRemotePath(m_client->CurrentDirectory() + QLatin1Char('/') + m_remoteName);
        m_bytesSent = 0;
        const int result = FTPUploadFile(stagedPath, m_remoteName);
        uploadResult = result;
        step(kFrm, QStringLiteral("Got Upload Status: ") + AsyncResultName(result));
        checkStop();
        step(kFrm, QStringLiteral("FTP: Reset FTP Progress Bar"));
        m_host.ftpProgress(0);
        step(kFrm, QStringLiteral("FTP: Get Upload Status"));
        switch (result) {
        case arStatusOk:
            step(kFrm, QStringLiteral("FTP: arStatusOk"));
            m_host.ftpTransfer(-1, 0);
            QFile::remove(stagedPath);
            m_lastUploaded = remotePath;
            return FtpStepResult::Ok;
        case arStatusCancel:
            step(kFrm, QStringLiteral("FTP: arStatusCancel"));
            show(MsgX("msgUploadCanceledStopped"), MsgIcon::Information, QStringLiteral("FTP Upload"));
            break;
        case arStatusTimeOut:
            step(kFrm, QStringLiteral("FTP: arStatusTimeOut"));
            show(MsgX("msgUploadTimedOutStopped"), MsgIcon::Exclamation, QStringLiteral("FTP Upload"));
            break;
        default:
            step(kFrm, QStringLiteral("FTP: arStatusError"));
            show(MsgX("msgUploadErrorStopped") + FtpFailureDetails(*m_client), MsgIcon::Exclamation,
                 QStringLiteral("FTP Upload Error"));
            break;
        }
        throw Ending{FtpStepResult::EndRun};
    } catch (const Ending &end) {
        // A cut-off file under the final name on the server is removed.
        if (uploadResult != -1 && uploadResult != arStatusOk && m_bytesSent > 0) {
            const QString error = RemovePartialUpload(remotePath);
            m_host.report(error.isEmpty()
                              ? tr("Removed the incomplete file %1 from the server.").arg(remotePath)
                              : tr("Could not remove the incomplete file %1 from the server: %2").arg(remotePath, error));
        }
        // The staged copy is not left behind for a later run to trip over; the
        // original is still in its folder (it goes only after a good upload).
        QFile::remove(stagedPath);
        return end.result;
    }
}

QString FtpBatchUpload::RemovePartialUpload(const QString &remotePath)
{
    step(QStringLiteral("RemovePartialUpload"), remotePath);
    CFtpClient client;
    client.setFtpServer(m_conn.Server);
    client.setRemotePort(m_conn.Port);
    client.setPassiveMode(m_conn.IsPassive);
    client.setTimeOut(10);
    client.setUserName(m_client ? m_client->UserName() : m_conn.Username);
    client.setPassword(m_client ? m_client->Password() : m_conn.Password);
    // One method at a time, each bounded by the client's timeout.
    const auto run = [&client](auto start, auto signal) {
        int result = arStatusTimeOut;
        QEventLoop loop;
        const QMetaObject::Connection done = connect(&client, signal, &loop, [&](int r) {
            result = r;
            loop.quit();
        });
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        try {
            start();
            if (result == arStatusTimeOut)
                loop.exec();
        } catch (const VexlError &) {
            result = arStatusError;
        }
        disconnect(done);
        return result;
    };
    int result = run([&] { client.Connect(); }, &CFtpClient::OnConnect);
    if (result == arStatusOk)
        result = run([&] { client.DeleteFile(remotePath); }, &CFtpClient::OnDeleteFile);
    const QString failure = result == arStatusOk ? QString()
        : client.LastServerResponse().trimmed().isEmpty() ? client.LastFtpError().Description()
                                                          : client.LastServerResponse().trimmed();
    try {
        client.CloseControlConnection();
    } catch (const VexlError &) {
    }
    return failure;
}

// ---------------------------------------------------------------- directories and files

bool FtpBatchUpload::FTPDirExists(QString &path)
{
    step(QStringLiteral("FTPDirExists"), path);
    path = NormaliseRemotePath(path);
    if (m_dirCache.contains(path))
        return true;
    return FTPSetCurrentDirectory(path) == arStatusOk;
}

int FtpBatchUpload::FTPRecCreateDir(const QString &path)
{
    step(QStringLiteral("FTPRecCreateDir"), path);
    QString dir = path;
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (dir.contains(QLatin1String("//")))
        dir.replace(QLatin1String("//"), QLatin1String("/"));
    if (dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    if (dir.startsWith(QLatin1Char('/')))
        dir.remove(0, 1);
    step(QStringLiteral("FTPRecCreateDir"), QStringLiteral("Dir=") + dir);
    if (dir.isEmpty())
        return arStatusOk;
    QString cumulative;
    for (const QString &part : dir.split(QLatin1Char('/'))) {
        if (!cumulative.endsWith(QLatin1Char('/')))
            cumulative += QLatin1Char('/');
        cumulative += part;
        step(QStringLiteral("FTPRecCreateDir"), QStringLiteral("Testing dir exists: \"%1\"").arg(cumulative));
        QString probe = cumulative;
        if (!FTPDirExists(probe)) {
            if (m_stop)
                return arStatusError;
            step(QStringLiteral("FTPRecCreateDir"), QStringLiteral("No, Create it..."));
            const int result = FTPCreateDir(cumulative);
            if (result != arStatusOk) {
                step(QStringLiteral("FTPRecCreateDir"), QStringLiteral("Recursive Dir create error"));
                return result;
            }
            step(QStringLiteral("FTPRecCreateDir"), QStringLiteral("Dir created."));
        }
    }
    return arStatusOk;
}

int FtpBatchUpload::FTPCreateDir(const QString &path)
{
    step(QStringLiteral("FTPCreateDir"), path);
    const QString dir = NormaliseRemotePath(path);
    if (!waitNotBusy())
        return arStatusError;
    step(QStringLiteral("FTPCreateDir"), QStringLiteral("Create Directory..."));
    m_createDirDone = false;
    m_createDirResult = arStatusError;
    m_client->CreateDirectory(dir);
    step(QStringLiteral("FTPCreateDir"), QStringLiteral("Wait for Create Directory..."));
    waitUntil([this] { return m_createDirDone; });
    if (!m_client)
        return arStatusError;
    const int result = settle(m_createDirResult);
    step(QStringLiteral("FTPCreateDir"), QStringLiteral("Got Status ") + AsyncResultName(result));
    if (result == arStatusOk)
        m_dirCache << dir;
    return result;
}

int FtpBatchUpload::FTPSetCurrentDirectory(const QString &path)
{
    step(QStringLiteral("FTPSetCurrentDirectory"), path);
    const QString dir = NormaliseRemotePath(path);
    int result = arStatusError;
    if (!waitNotBusy())
        return result;
    step(QStringLiteral("FTPSetCurrentDirectory"), QStringLiteral("Set Dir..."));
    m_setDirDone = false;
    m_setDirResult = arStatusError;
    m_client->SetCurrentDirectory(dir);
    step(QStringLiteral("FTPSetCurrentDirectory"), QStringLiteral("Wait for Set Dir..."));
    waitUntil([this] { return m_setDirDone; });
    if (!m_setDirDone || !m_client)
        return result;
    result = settle(m_setDirResult);
    step(QStringLiteral("FTPSetCurrentDirectory"), QStringLiteral("Got Status: ") + AsyncResultName(result));
    if (result != arStatusOk || m_stop)
        return result;

    step(QStringLiteral("FTPSetCurrentDirectory"), QStringLiteral("Get Cur Dir..."));
    m_getDirDone = false;
    m_getDirResult = arStatusError;
    m_client->GetCurrentDirectory();
    step(QStringLiteral("FTPSetCurrentDirectory"), QStringLiteral("Wait for Get Cur Dir..."));
    waitUntil([this] { return m_getDirDone; });
    if (!m_getDirDone || !m_client)
        return result;
    if (m_getDirResult == arStatusOk && !m_dirCache.contains(m_client->CurrentDirectory()))
        m_dirCache << m_client->CurrentDirectory();
    result = settle(m_getDirResult);
    step(QStringLiteral("FTPSetCurrentDirectory"), QStringLiteral("Got Cur Dir Stuats: ") + AsyncResultName(result));
    return result;
}

int FtpBatchUpload::FTPUploadFile(const QString &localPath, const QString &remoteName)
{
    step(QStringLiteral("FTPUploadFile"), localPath + QStringLiteral(", ") + remoteName);
    if (!waitNotBusy())
        return arStatusError;
    step(QStringLiteral("FTPUploadFile"), QStringLiteral("Upload..."));
    m_uploadDone = false;
    m_uploadResult = arStatusError;
    m_client->UploadFile(localPath, remoteName, 0);
    step(QStringLiteral("FTPUploadFile"), QStringLiteral("Wait for Upload..."));
    waitUntil([this] { return m_uploadDone; });
    if (!m_uploadDone || !m_client || m_stop)
        return arStatusError;
    const int result = settle(m_uploadResult);
    step(QStringLiteral("FTPUploadFile"), QStringLiteral("Got Upload Status ") + AsyncResultName(result));
    return result;
}

// ---------------------------------------------------------------- client events

void FtpBatchUpload::m_objFtpClient_OnConnect(int result)
{
    if (m_ignoreCompletions)
        return;
    step(QStringLiteral("m_objFtpClient_OnConnect"), AsyncResultName(result));
    m_connectResult = result;
    m_connectDone = true;
    wake();
}

void FtpBatchUpload::m_objFtpClient_OnSetCurrentDirectory(int result)
{
    if (m_ignoreCompletions)
        return;
    step(QStringLiteral("m_objFtpClient_OnSetCurrentDirectory"), AsyncResultName(result));
    m_setDirResult = result;
    m_setDirDone = true;
    wake();
}

void FtpBatchUpload::m_objFtpClient_OnGetCurrentDirectory(int result)
{
    if (m_ignoreCompletions)
        return;
    step(QStringLiteral("m_objFtpClient_OnGetCurrentDirectory"), AsyncResultName(result));
    m_getDirResult = result;
    m_getDirDone = true;
    wake();
}

void FtpBatchUpload::m_objFtpClient_OnCreateDirectory(int result)
{
    if (m_ignoreCompletions)
        return;
    step(QStringLiteral("m_objFtpClient_OnCreateDirectory"), AsyncResultName(result));
    m_createDirResult = result;
    m_createDirDone = true;
    wake();
}

void FtpBatchUpload::m_objFtpClient_OnUploadFile(int result)
{
    if (m_ignoreCompletions)
        return;
    step(QStringLiteral("m_objFtpClient_OnUploadFile"), AsyncResultName(result));
    m_uploadResult = result;
    m_uploadDone = true;
    wake();
}

void FtpBatchUpload::m_objFtpClient_OnStateChange(int state)
{
    step(QStringLiteral("m_objFtpClient_OnStateChange"), SessionStateName(state));
    m_host.ftpStatus(SessionStatusText(state, m_client ? m_client->FtpServer() : m_conn.Server));
    wake();
}

void FtpBatchUpload::m_objFtpClient_OnDataTransferProgress(qint64 bytes)
{
    m_bytesSent = qMax(m_bytesSent, bytes);
    m_host.ftpTransfer(bytes, m_fileSize);
    if (m_client && m_client->FtpSessionState() != ftpRetrievingDirectoryInfo && m_fileSize > 0)
        m_host.ftpProgress(int(qBound(qint64(0), qRound64(double(bytes) / (double(m_fileSize) / 100.0)), qint64(100))));
}

void FtpBatchUpload::m_objFtpClient_SessionProtocolMessage(const QString &message, int kind)
{
    const QString shown = MaskedProtocolMessage(message);
    step(QStringLiteral("m_objFtpClient_SessionProtocolMessage"), MessageKindName(kind) + QStringLiteral(", ") + shown);
    m_host.ftpLogLine(shown, kind);
}

} // namespace vexl
