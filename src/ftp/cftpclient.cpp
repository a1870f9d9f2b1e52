#include "cftpclient.h"

#include "csocket.h"
#include "ctimeout.h"
#include "ftplisting.h"
#include "ftpreply.h"
#include "support/vexlerror.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTimer>

#include <array>
#include <cmath>

Q_LOGGING_CATEGORY(lcFtp, "vexl.ftp")

namespace vexl {

namespace {

using Method = CFtpClient::Method;
using Cmd = CFtpClient::Cmd;

// A reply that has not ended after this many bytes ends the method instead.
constexpr qsizetype kMaxReplyBytes = 64 * 1024;
// A directory listing that grows past this many bytes ends the listing instead.
constexpr qsizetype kMaxListingBytes = 32 * 1024 * 1024;
// Active mode gives up after this many local ports refused to listen.
constexpr int kMaxPortTries = 100;
// The password of an anonymous login.
const char *const kAnonymousPassword = "guest@example.com";

const char *verb(Cmd c)
{
    switch (c) {
    case Cmd::None: return "";
    case Cmd::USER: return "USER";
    case Cmd::PASS: return "PASS";
    case Cmd::CWD: return "CWD";
    case Cmd::PWD: return "PWD";
    case Cmd::MKD: return "MKD";
    case Cmd::RMD: return "RMD";
    case Cmd::DELE: return "DELE";
    case Cmd::RNFR: return "RNFR";
    case Cmd::RNTO: return "RNTO";
    case Cmd::TYPE: return "TYPE";
    case Cmd::PASV: return "PASV";
    case Cmd::PORT: return "PORT";
    case Cmd::REST: return "REST";
    case Cmd::RETR: return "RETR";
    case Cmd::STOR: return "STOR";
    case Cmd::LIST: return "LIST";
    case Cmd::QUIT: return "QUIT";
    }
    return "";
}

QString source(const char *operation)
{
    return QStringLiteral("CFtpClient.%1").arg(QLatin1String(operation));
}

[[noreturn]] void raise(int number, const QString &description, const char *operation)
{
    throw VexlError{number, description, source(operation), 0};
}

// --- The reply table --------------------------------------------------------
//
// What the client does with a complete reply, by pending method, the last
// command sent and the reply code. The first matching row wins; a row without
// codes takes any code. A reply matching no row is an error for the method.

enum class Act {
    SendUser,       // greeting: send USER
    SendPass,       // user name accepted, password wanted: send PASS
    LoggedIn,       // login accepted: state ftpUserLoggedIn, send PWD
    ConnectDir,     // PWD during Connect: keep the directory, Connect is done
    GetDir,         // PWD for GetCurrentDirectory
    Done,           // the method is complete
    SendRnto,       // RNFR accepted: send RNTO
    DataConnection, // TYPE accepted: PASV, or PORT with a local listener
    PasvReply,      // connect to the announced passive port
    StartTransfer,  // PORT accepted: open the local file, REST or the transfer command
    RestAccepted,   // REST accepted: RETR / STOR
    Wait,           // preliminary reply of a transfer
    TransferEnd,    // final reply of a download or listing: done once the data connection closed too
    StorStarted,    // upload under way: a passive upload starts sending
    StorDone,       // final reply of an upload: done when the whole file went out, else an error
    QuitDone,       // QUIT accepted
    Fail,           // error for the method
    FailClose,      // error for the method, control connection closed
};

constexpr unsigned bit(Method m) { return 1u << unsigned(m); }
constexpr unsigned kDownload = bit(Method::DownloadFile);
constexpr unsigned kUpload = bit(Method::UploadFile);
constexpr unsigned kEnum = bit(Method::EnumFiles);
constexpr unsigned kTransfers = kDownload | kUpload | kEnum;

struct ReplyRule
{
    unsigned methods;
    Cmd command;
    std::array<int, 3> codes; // zeros: any code
    Act action;
};

const ReplyRule kReplyTable[] = {
    {bit(Method::Connect), Cmd::None, {220}, Act::SendUser},
    {bit(Method::Connect), Cmd::None, {}, Act::FailClose},
    {bit(Method::Connect), Cmd::USER, {230}, Act::LoggedIn},
    {bit(Method::Connect), Cmd::USER, {331}, Act::SendPass},
    {bit(Method::Connect), Cmd::USER, {}, Act::FailClose},
    {bit(Method::Connect), Cmd::PASS, {230, 202}, Act::LoggedIn},
    {bit(Method::Connect), Cmd::PASS, {}, Act::FailClose},
    {bit(Method::Connect), Cmd::PWD, {257}, Act::ConnectDir},
    {bit(Method::Connect), Cmd::PWD, {}, Act::FailClose},
    {bit(Method::GetCurrentDirectory), Cmd::PWD, {257}, Act::GetDir},
    {bit(Method::SetCurrentDirectory), Cmd::CWD, {250}, Act::Done},
    {bit(Method::CreateDirectory), Cmd::MKD, {257}, Act::Done},
    {bit(Method::RemoveDirectory), Cmd::RMD, {250}, Act::Done},
    {bit(Method::RenameFile), Cmd::RNFR, {350}, Act::SendRnto},
    {bit(Method::RenameFile), Cmd::RNTO, {250}, Act::Done},
    {bit(Method::DeleteFile), Cmd::DELE, {250}, Act::Done},
    {kTransfers, Cmd::TYPE, {200}, Act::DataConnection},
    {kTransfers, Cmd::PASV, {227}, Act::PasvReply},
    {kTransfers, Cmd::PORT, {200}, Act::StartTransfer},
    {kDownload | kUpload, Cmd::REST, {350}, Act::RestAccepted},
    {kDownload, Cmd::RETR, {110, 125, 150}, Act::Wait},
    {kDownload, Cmd::RETR, {226, 250}, Act::TransferEnd},
    {kUpload, Cmd::STOR, {110, 125, 150}, Act::StorStarted},
    {kUpload, Cmd::STOR, {226, 250}, Act::StorDone},
    {kEnum, Cmd::LIST, {125, 150}, Act::Wait},
    {kEnum, Cmd::LIST, {226, 250}, Act::TransferEnd},
    {bit(Method::QuitSession), Cmd::QUIT, {221}, Act::QuitDone},
};

Act lookUpReply(Method method, Cmd command, int code)
{
    for (const ReplyRule &rule : kReplyTable) {
        if (!(rule.methods & bit(method)) || rule.command != command)
            continue;
        if (rule.codes == std::array<int, 3>{})
            return rule.action;
        for (int c : rule.codes)
            if (c != 0 && c == code)
                return rule.action;
    }
    return Act::Fail;
}

// The session state a command puts the client in.
int stateForCommand(Cmd command, Method pending)
{
    switch (command) {
    case Cmd::USER:
    case Cmd::PASS: return ftpAuthentication;
    case Cmd::CWD: return ftpChangingCurrentDirectory;
    case Cmd::PWD:
    case Cmd::LIST: return ftpRetrievingDirectoryInfo;
    case Cmd::MKD: return ftpCreatingDirectory;
    case Cmd::DELE: return ftpDeletingFile;
    case Cmd::RETR: return ftpDownloadInProgress;
    case Cmd::RMD: return ftpRemovingDirectory;
    case Cmd::RNFR: return ftpRenamingFile;
    case Cmd::STOR: return ftpUploadInProgress;
    case Cmd::QUIT: return ftpQuitSentState;
    case Cmd::TYPE:
    case Cmd::PASV:
    case Cmd::PORT:
    case Cmd::REST:
        if (pending == Method::DownloadFile)
            return ftpDownloadInProgress;
        if (pending == Method::UploadFile)
            return ftpUploadInProgress;
        if (pending == Method::EnumFiles)
            return ftpRetrievingDirectoryInfo;
        return ftpFreeState;
    default: return ftpFreeState;
    }
}

} // namespace

const char *SessionStatusKey(int state)
{
    static const char *const keys[] = {
        "msgStatusReady", "msgStatusClosed", "msgStatusConnecting", "msgStatusConnected",
        "msgStatusAuthentication", "msgStatusLoggedIn", "msgStatusChangingDirectory",
        "msgStatusDeletingFile", "msgStatusRemovingDirectory", "msgStatusCreatingDirectory",
        "msgStatusRenamingFile", "msgStatusEstablishingData", "msgStatusDataEstablished",
        "msgStatusRetrievingDirectory", "msgStatusDirectoryRetrieved", "msgStatusDownloading",
        "msgStatusDownloadComplete", "msgStatusUploading", "msgStatusUploadComplete",
    };
    return state >= 0 && state < int(std::size(keys)) ? keys[state] : nullptr;
}

// ---------------------------------------------------------------------------

CFtpClient::CFtpClient(QObject *parent)
    : QObject(parent), m_control(new CSocket(this)), m_data(new CSocket(this)), m_watchdog(new CTimeout(this)),
      m_listingDeadline(new QTimer(this))
{
    m_watchdog->setTimeOutValue(60);
    m_listingDeadline->setSingleShot(true);
    connect(m_listingDeadline, &QTimer::timeout, this, [this] {
        if (m_pending == Method::EnumFiles)
            failMethod(16013, tr("The directory listing took too long."), source("EnumFiles"), false);
    });
    connect(m_control, &CSocket::OnConnect, this, &CFtpClient::m_objControlSocket_OnConnect);
    connect(m_control, &CSocket::OnDataArrival, this, &CFtpClient::m_objControlSocket_OnDataArrival);
    connect(m_control, &CSocket::OnClose, this, &CFtpClient::m_objControlSocket_OnClose);
    connect(m_control, &CSocket::OnError, this,
            [this](int number, const QString &description, int, const QString &) { m_objControlSocket_OnError(number, description); });
    connect(m_data, &CSocket::OnConnect, this, &CFtpClient::m_objDataSocket_OnConnect);
    connect(m_data, &CSocket::OnConnectionRequest, this, &CFtpClient::m_objDataSocket_OnConnectionRequest);
    connect(m_data, &CSocket::OnDataArrival, this, &CFtpClient::m_objDataSocket_OnDataArrival);
    connect(m_data, &CSocket::OnSendComplete, this, &CFtpClient::m_objDataSocket_OnSendComplete);
    connect(m_data, &CSocket::OnClose, this, &CFtpClient::m_objDataSocket_OnClose);
    connect(m_data, &CSocket::OnError, this,
            [this](int number, const QString &description, int, const QString &src) { m_objDataSocket_OnError(number, description, src); });
    connect(m_watchdog, &CTimeout::TimeOut, this, &CFtpClient::m_objTimeOut_TimeOut);
}

CFtpClient::~CFtpClient()
{
    // No QUIT: the sockets are simply destroyed.
    m_watchdog->StopTimer();
    disconnect(m_control, nullptr, this, nullptr);
    disconnect(m_data, nullptr, this, nullptr);
    m_file.close();
}

// --- properties ---------------------------------------------------------------

bool CFtpClient::DataTransferInProgress() const
{
    return isTransfer();
}

bool CFtpClient::Busy() const
{
    return m_state != ftpFreeState && m_state != ftpClosed;
}

QString CFtpClient::FtpServerMessage()
{
    QString message = m_serverMessage;
    m_serverMessage.clear();
    return message;
}

void CFtpClient::setSendBufferLenght(int bytes)
{
    if (bytes < 512 || bytes > 8192)
        raise(380, QStringLiteral("Invalid property value."), "SendBufferLenght");
    m_sendBufferLength = bytes;
}

void CFtpClient::setRemotePort(int port)
{
    m_remotePort = port >= 1 && port <= 65535 ? port : 21;
}

int CFtpClient::TimeOut() const
{
    return m_watchdog->TimeOutValue();
}

void CFtpClient::setTimeOut(int seconds)
{
    m_watchdog->setTimeOutValue(seconds);
}

void CFtpClient::setListingTimeLimit(int seconds)
{
    m_listingTimeLimit = qBound(1, seconds, 24 * 3600);
}

bool CFtpClient::isTransfer() const
{
    return m_pending == Method::DownloadFile || m_pending == Method::UploadFile || m_pending == Method::EnumFiles;
}

// --- the method frame -----------------------------------------------------------

void CFtpClient::checkIdle(const char *method) const
{
    if (m_pending != Method::None)
        raise(16007,
              QStringLiteral("Cannot execute the %1 method. Waiting fot the server response on the previous command.")
                  .arg(QLatin1String(method)),
              method);
}

void CFtpClient::checkArgument(const QString &value, const char *method) const
{
    // A CR, LF or NUL would end the command line early and let the rest of
    // the value through as a command of its own.
    if (value.isEmpty() || HasLineBreakOrNul(value))
        raise(5, QStringLiteral("Invalid procedure call or argument"), method);
}

void CFtpClient::checkConnected() const
{
    if (m_control->State() != sockConnected)
        raise(16008, QStringLiteral("The connection is not established."), "SendFtpCommand");
}

void CFtpClient::setState(int state)
{
    m_state = state;
    emit OnStateChange(state);
}

void CFtpClient::BeginAsyncMethod(Method method)
{
    m_lastError.clear();
    m_pending = method;
    m_transferEnd = false;
    m_storStarted = false;
    m_uploadSent = false;
    m_watchdog->StartTimer();
    if (method == Method::EnumFiles)
        m_listingDeadline->start(m_listingTimeLimit * 1000);
}

void CFtpClient::EndAsyncMethod()
{
    m_watchdog->StopTimer();
    m_listingDeadline->stop();
    if (m_pending == Method::Connect && !m_loggedIn)
        m_state = ftpClosed;
    else if (m_state != ftpClosed)
        m_state = ftpFreeState;
    m_pending = Method::None;
    m_transferEnd = false;
    emit OnStateChange(m_state);
}

void CFtpClient::raiseCompletion(Method method, int result)
{
    switch (method) {
    case Method::None: break;
    case Method::Connect: emit OnConnect(result); break;
    case Method::GetCurrentDirectory: emit OnGetCurrentDirectory(result); break;
    case Method::SetCurrentDirectory: emit OnSetCurrentDirectory(result); break;
    case Method::CreateDirectory: emit OnCreateDirectory(result); break;
    case Method::RemoveDirectory: emit OnRemoveDirectory(result); break;
    case Method::RenameFile: emit OnRenameFile(result); break;
    case Method::DeleteFile: emit OnDeleteFile(result); break;
    case Method::DownloadFile: emit OnDownloadFile(result); break;
    case Method::UploadFile: emit OnUploadFile(result); break;
    case Method::EnumFiles: emit OnEnumFiles(result); break;
    case Method::QuitSession: emit OnQuitSession(result); break;
    }
}

void CFtpClient::finishOk()
{
    const Method method = m_pending;
    EndAsyncMethod();
    raiseCompletion(method, arStatusOk);
}

// Ends the pending method with an error: its data connection and local file
// go first, the completion event comes last.
void CFtpClient::failMethod(int number, const QString &description, const QString &src, bool closeControl)
{
    const Method method = m_pending;
    if (method == Method::None)
        return;
    dropMethodResources(method);
    if (closeControl)
        closeControlSocket();
    m_lastError.set(number, description, src);
    EndAsyncMethod();
    raiseCompletion(method, arStatusError);
}

// What an ending method leaves behind: its data connection and local file, a
// Connect that never logged in, and the reply still owed to its last command.
void CFtpClient::dropMethodResources(Method method)
{
    if (isTransfer()) {
        CloseDataConnection();
        // A failed download leaves no empty file of its own making behind; a
        // partial one stays, to be resumed.
        const QString created = method == Method::DownloadFile && m_createdLocalFile && m_file.isOpen() && m_file.size() == 0
                                    ? m_file.fileName() : QString();
        CloseLocalFile();
        if (!created.isEmpty())
            QFile::remove(created);
        m_listingBuffer.clear();
    }
    if (method == Method::Connect && !m_loggedIn) {
        closeControlSocket(); // no session without a login
        m_awaitingReply = false;
    }
    // The server still answers the last command; that answer belongs to the
    // ended method and must not be read as the reply to the next one.
    if (m_awaitingReply && m_control->State() == sockConnected) {
        m_repliesToSkip = 1;
        m_awaitingReply = false;
    }
}

void CFtpClient::RaiseFtpError(int code, bool closeControl)
{
    failMethod(16000 + code, FtpReplyText(code), QStringLiteral("FtpClientX.CFtpClient"), closeControl);
}

void CFtpClient::endPendingWithCancel()
{
    const Method method = m_pending;
    if (method == Method::None)
        return;
    dropMethodResources(method);
    EndAsyncMethod();
    raiseCompletion(method, arStatusCancel);
}

// --- methods ------------------------------------------------------------------

void CFtpClient::Connect()
{
    if (m_ftpServer.isEmpty())
        raise(380, QStringLiteral("Invalid property value."), "Connect");
    if (m_userName.isEmpty()) {
        m_userName = QStringLiteral("anonymous");
        m_password = QString::fromLatin1(kAnonymousPassword);
    }
    if (HasLineBreakOrNul(m_userName) || HasLineBreakOrNul(m_password))
        raise(5, QStringLiteral("Invalid procedure call or argument"), "Connect");

    endPendingWithCancel();
    m_control->Abort(); // a previous session's socket, whatever its state
    m_data->Abort();
    CloseLocalFile();
    setState(ftpConnecting);
    m_lastCommand = Cmd::None;
    m_unparsed.clear();
    m_loggedIn = false;
    m_awaitingReply = false;
    m_repliesToSkip = 0;
    BeginAsyncMethod(Method::Connect);
    try {
        m_control->Connect(m_ftpServer, m_remotePort);
    } catch (const VexlError &) {
        m_control->Abort();
        EndAsyncMethod();
        throw;
    }
}

void CFtpClient::SetCurrentDirectory(const QString &directory)
{
    checkIdle("SetCurrentDirectory");
    checkArgument(directory, "SetCurrentDirectory");
    checkConnected();
    BeginAsyncMethod(Method::SetCurrentDirectory);
    SendFtpCommand(Cmd::CWD, directory);
}

void CFtpClient::GetCurrentDirectory()
{
    checkIdle("GetCurrentDirectory");
    checkConnected();
    BeginAsyncMethod(Method::GetCurrentDirectory);
    SendFtpCommand(Cmd::PWD);
}

void CFtpClient::CreateDirectory(const QString &directory)
{
    checkIdle("CreateDirectory");
    checkArgument(directory, "CreateDirectory");
    checkConnected();
    BeginAsyncMethod(Method::CreateDirectory);
    SendFtpCommand(Cmd::MKD, directory);
}

void CFtpClient::RemoveDirectory(const QString &directory)
{
    checkIdle("RemoveDirectory");
    checkArgument(directory, "RemoveDirectory");
    checkConnected();
    BeginAsyncMethod(Method::RemoveDirectory);
    SendFtpCommand(Cmd::RMD, directory);
}

void CFtpClient::DeleteFile(const QString &file)
{
    checkIdle("DeleteFile");
    checkArgument(file, "DeleteFile");
    checkConnected();
    BeginAsyncMethod(Method::DeleteFile);
    SendFtpCommand(Cmd::DELE, file);
}

void CFtpClient::RenameFile(const QString &oldName, const QString &newName)
{
    checkIdle("RenameFile");
    checkArgument(oldName, "RenameFile");
    checkArgument(newName, "RenameFile");
    checkConnected();
    m_newName = newName;
    BeginAsyncMethod(Method::RenameFile);
    SendFtpCommand(Cmd::RNFR, oldName);
}

void CFtpClient::DownloadFile(const QString &remoteFile, const QString &localFile, bool overwrite)
{
    checkIdle("DownloadFile");
    checkArgument(remoteFile, "DownloadFile");
    if (localFile.isEmpty())
        raise(5, QStringLiteral("Invalid procedure call or argument"), "DownloadFile");
    checkConnected();
    m_remoteFile = remoteFile;
    m_localFile = localFile;
    m_overwrite = overwrite;
    m_bytesReceived = 0;
    BeginAsyncMethod(Method::DownloadFile);
    SendFtpCommand(Cmd::TYPE, m_transferMode == 0 ? QStringLiteral("A") : QStringLiteral("I"));
}

void CFtpClient::EnumFiles()
{
    checkIdle("EnumFiles");
    checkConnected();
    m_listingBuffer.clear();
    BeginAsyncMethod(Method::EnumFiles);
    SendFtpCommand(Cmd::TYPE, QStringLiteral("A"));
}

void CFtpClient::UploadFile(const QString &localFile, const QString &remoteFile, qint64 startOffset)
{
    checkIdle("UploadFile");
    if (localFile.isEmpty())
        raise(5, QStringLiteral("Invalid procedure call or argument"), "UploadFile");
    checkArgument(remoteFile, "UploadFile");
    if (startOffset < 0)
        raise(5, QStringLiteral("Invalid procedure call or argument"), "UploadFile");
    checkConnected();
    m_localFile = localFile;
    m_remoteFile = remoteFile;
    m_uploadStartOffset = startOffset;
    m_uploadPosition = startOffset;
    BeginAsyncMethod(Method::UploadFile);
    SendFtpCommand(Cmd::TYPE, m_transferMode == 0 ? QStringLiteral("A") : QStringLiteral("I"));
}

void CFtpClient::QuitSession()
{
    checkIdle("QuitSession");
    checkConnected();
    BeginAsyncMethod(Method::QuitSession);
    SendFtpCommand(Cmd::QUIT);
}

void CFtpClient::CancelAsyncMethod()
{
    endPendingWithCancel();
}

void CFtpClient::CloseControlConnection()
{
    endPendingWithCancel();
    closeControlSocket();
}

// Shuts the control connection down; OnClose follows when the server has
// closed its side. A socket that never got connected is gone at once.
void CFtpClient::closeControlSocket()
{
    const int socketState = m_control->State();
    if (socketState == sockClosed || socketState == sockClosing)
        return;
    m_control->CloseSocket();
    if (m_control->State() == sockClosed && m_state != ftpClosed)
        setState(ftpClosed);
}

// --- commands and replies -------------------------------------------------------

void CFtpClient::SendFtpCommand(Cmd command, const QString &argument)
{
    checkConnected();
    setState(stateForCommand(command, m_pending));
    const QString name = QLatin1String(verb(command));
    const QString line = argument.isEmpty() ? name : name + QLatin1Char(' ') + argument;
    m_lastCommand = command;
    m_awaitingReply = true;
    m_control->SendData((line + QLatin1String("\r\n")).toUtf8());
    emit SessionProtocolMessage(name + QLatin1Char(' ') + argument, FTP_USER_COMMAND);
}

// SendFtpCommand for the steps inside a method: a failure ends the method.
bool CFtpClient::send(Cmd command, const QString &argument)
{
    try {
        SendFtpCommand(command, argument);
        return true;
    } catch (const VexlError &e) {
        failMethod(e.number, e.description, e.source, false);
        return false;
    }
}

void CFtpClient::m_objControlSocket_OnConnect()
{
    m_watchdog->Reset();
    setState(ftpConnected);
}

void CFtpClient::m_objControlSocket_OnDataArrival(int)
{
    if (m_pending != Method::None)
        m_watchdog->Reset();
    QByteArray bytes;
    m_control->GetData(bytes);
    m_unparsed += bytes;
    processReplies();
}

// Acts on every complete reply received, in order; an incomplete one waits for
// the next arrival.
void CFtpClient::processReplies()
{
    for (;;) {
        const FtpReply reply = TakeReply(m_unparsed);
        if (reply.code == 0)
            break;
        m_unparsed.remove(0, reply.length);
        actOnReply(reply);
    }
    if (m_unparsed.size() > kMaxReplyBytes) {
        m_unparsed.clear();
        if (m_pending != Method::None) {
            failMethod(16010, QStringLiteral("The server response is too long."),
                       source("m_objControlSocket_OnDataArrival"), true);
        } else {
            closeControlSocket();
        }
    }
}

void CFtpClient::actOnReply(const FtpReply &reply)
{
    const int code = reply.code;
    m_lastServerResponse = QString::fromUtf8(reply.text);
    if (reply.multiLine)
        m_serverMessage = reply.message;
    QString shown = m_lastServerResponse;
    shown.chop(shown.endsWith(QLatin1String("\r\n")) ? 2 : 1); // less its line end
    emit SessionProtocolMessage(shown, code < 400 ? FTP_SERVER_RESPONSE : FTP_SERVER_BAD_RESPONSE);

    if (m_repliesToSkip > 0 && code != 421) {
        if (code >= 200)
            --m_repliesToSkip; // the late answer to a command of an ended method
        return;
    }
    if (code >= 200)
        m_awaitingReply = false;
    if (m_pending == Method::None) {
        if (code == 421)
            CloseControlConnection();
        return;
    }

    switch (lookUpReply(m_pending, m_lastCommand, code)) {
    case Act::SendUser:
        send(Cmd::USER, m_userName);
        break;
    case Act::SendPass:
        send(Cmd::PASS, m_password);
        break;
    case Act::LoggedIn:
        m_loggedIn = true;
        setState(ftpUserLoggedIn);
        send(Cmd::PWD);
        break;
    case Act::ConnectDir:
        connectPwdReply(m_lastServerResponse);
        break;
    case Act::GetDir:
        getDirReply(m_lastServerResponse);
        break;
    case Act::Done:
        finishOk();
        break;
    case Act::SendRnto:
        send(Cmd::RNTO, m_newName);
        break;
    case Act::DataConnection:
        openDataConnection();
        break;
    case Act::PasvReply:
        EstablishPasvDataConnection(m_lastServerResponse);
        break;
    case Act::StartTransfer:
        startTransferCommand();
        break;
    case Act::RestAccepted:
        send(m_pending == Method::DownloadFile ? Cmd::RETR : Cmd::STOR, m_remoteFile);
        break;
    case Act::Wait:
        break;
    case Act::TransferEnd:
        transferEndSignal();
        break;
    case Act::StorStarted:
        // The server is ready for the file; send it once the data connection
        // is up too (an active one may still be waiting for the server).
        m_storStarted = true;
        if (m_data->State() == sockConnected) {
            m_uploadPosition = m_uploadStartOffset;
            UploadData();
        }
        break;
    case Act::StorDone:
        // A final reply before our side has sent the whole file and closed the
        // data connection confirms a file the server cannot have whole.
        if (!m_uploadSent) {
            failMethod(16014, tr("The server ended the upload before the whole file was sent."), source("UploadFile"), false);
            break;
        }
        if (m_uploadFileSize > m_uploadProgress)
            emit OnDataTransferProgress(m_uploadFileSize);
        finishOk();
        break;
    case Act::QuitDone:
        closeControlSocket();
        finishOk();
        break;
    case Act::Fail:
        RaiseFtpError(code);
        break;
    case Act::FailClose:
        RaiseFtpError(code, true);
        break;
    }
}

void CFtpClient::connectPwdReply(const QString &reply)
{
    const std::optional<QString> dir = GetDirFromResponse(reply);
    m_currentDirectory = dir.value_or(QString());
    if (!dir) {
        failMethod(16001, QStringLiteral("Cannot retrieve the current directory path. Unexpected server response."),
                   QStringLiteral("FtpClientX.CFtpClient"), true);
        return;
    }
    finishOk();
}

void CFtpClient::getDirReply(const QString &reply)
{
    const std::optional<QString> dir = GetDirFromResponse(reply);
    m_currentDirectory = dir.value_or(QString());
    if (!dir) {
        failMethod(16001, QStringLiteral("Cannot retrieve the current directory path. Unexpected server response."),
                   QStringLiteral("FtpClientX.CFtpClient"), false);
        return;
    }
    finishOk();
}

void CFtpClient::m_objControlSocket_OnClose()
{
    // The session is over; a method still waiting for the server ends with an
    // error instead of waiting for ever.
    m_state = ftpClosed;
    m_unparsed.clear();
    if (m_pending != Method::None) {
        failMethod(16009, QStringLiteral("The control connection was closed."), source("m_objControlSocket_OnClose"), false);
        return;
    }
    emit OnStateChange(m_state);
}

void CFtpClient::m_objControlSocket_OnError(int number, const QString &description)
{
    m_state = ftpClosed;
    m_unparsed.clear();
    if (m_control->State() != sockClosed)
        m_control->Abort();
    if (m_pending != Method::None) {
        failMethod(number, description, source("m_objControlSocket_OnError"), false);
        return;
    }
    emit OnStateChange(m_state);
}

void CFtpClient::m_objTimeOut_TimeOut()
{
    // The method stays pending: the event repeats until the caller ends it.
    if (m_pending != Method::None) {
        m_lastError.set(10060, GetErrorDescription(10060), source("m_objTimeOut_TimeOut"));
        raiseCompletion(m_pending, arStatusTimeOut);
    } else {
        m_watchdog->StopTimer();
    }
}

// --- data connection --------------------------------------------------------------

void CFtpClient::openDataConnection()
{
    if (m_passiveMode)
        send(Cmd::PASV);
    else
        SendPORTCommand();
}

void CFtpClient::EstablishPasvDataConnection(const QString &reply)
{
    setState(ftpEstablishingDataConnection);
    const std::optional<PasvAddress> announced = ParsePasvReply(reply);
    if (!announced) {
        failMethod(16011, QStringLiteral("Cannot open the data connection. Unexpected server response."),
                   source("EstablishPasvDataConnection"), false);
        return;
    }
    // The data connection goes to the server we are talking to: the address
    // in the reply is not trusted, only its port.
    const QString host = m_control->RemoteHostIP();
    if (announced->host != host)
        qCInfo(lcFtp, "227 announced %s, connecting to %s port %d instead", qPrintable(announced->host),
               qPrintable(host), announced->port);
    m_data->Abort();
    m_data->setLocalPort(0);
    try {
        m_data->Connect(host, announced->port);
    } catch (const VexlError &e) {
        failMethod(e.number, e.description, e.source, false);
    }
}

int CFtpClient::GetFreePort()
{
    if (m_portCounter == 0)
        m_portCounter = 20000 + int(std::lround(20001 * QRandomGenerator::global()->generateDouble()));
    else
        ++m_portCounter;
    if (m_portCounter > 65535)
        m_portCounter = 20000;
    return m_portCounter;
}

void CFtpClient::SendPORTCommand()
{
    setState(ftpEstablishingDataConnection);
    // Listen where the server reaches us: on the control connection's local address.
    const QString localIP = m_control->LocalIP();
    int port = 0;
    bool listening = false;
    for (int tries = 0; tries < kMaxPortTries && !listening; ++tries) {
        port = GetFreePort();
        try {
            m_data->Abort();
            m_data->Bind(port, localIP);
            m_data->Listen();
            listening = true;
        } catch (const VexlError &) {
            // taken: try the next port
        }
    }
    if (!listening) {
        failMethod(10048, GetErrorDescription(10048), source("SendPORTCommand"), false);
        return;
    }
    QString address = localIP;
    address.replace(QLatin1Char('.'), QLatin1Char(','));
    send(Cmd::PORT, QStringLiteral("%1,%2,%3").arg(address).arg(port / 256).arg(port % 256));
}

// The data connection is ready (passive: connected; active: PORT accepted):
// open the local file and send the transfer command.
void CFtpClient::startTransferCommand()
{
    switch (m_pending) {
    case Method::DownloadFile:
        switch (OpenLocalFile()) {
        case LocalFile::Failed: return;
        case LocalFile::RestSent: return;
        case LocalFile::Ready: send(Cmd::RETR, m_remoteFile); return;
        }
        return;
    case Method::UploadFile:
        switch (OpenLocalFileForUpload()) {
        case LocalFile::Failed: return;
        case LocalFile::RestSent: return;
        case LocalFile::Ready: send(Cmd::STOR, m_remoteFile); return;
        }
        return;
    case Method::EnumFiles:
        send(Cmd::LIST);
        return;
    default:
        return;
    }
}

CFtpClient::LocalFile CFtpClient::OpenLocalFile()
{
    qint64 existing = 0;
    const QFileInfo info(m_localFile);
    if (info.exists() && !info.isDir()) {
        if (m_overwrite)
            QFile::remove(m_localFile);
        else
            existing = info.size();
    }
    m_createdLocalFile = !QFileInfo::exists(m_localFile);
    m_file.setFileName(m_localFile);
    // Not resuming: start from an empty file even if the old one could not be
    // deleted, so no stale tail survives a shorter download.
    if (!m_file.open(existing > 0 ? QIODevice::ReadWrite : QIODevice::ReadWrite | QIODevice::Truncate)) {
        m_createdLocalFile = false;
        failMethod(75, QStringLiteral("Path/File access error"), source("OpenLocalFile"), false);
        return LocalFile::Failed;
    }
    if (existing > 0) {
        m_bytesReceived = existing;
        m_file.seek(existing);
        return send(Cmd::REST, QString::number(existing)) ? LocalFile::RestSent : LocalFile::Failed;
    }
    return LocalFile::Ready;
}

CFtpClient::LocalFile CFtpClient::OpenLocalFileForUpload()
{
    m_uploadPosition = m_uploadStartOffset;
    m_file.setFileName(m_localFile);
    if (!QFileInfo(m_localFile).isFile()) {
        failMethod(53, QStringLiteral("File not found"), source("OpenLocalFileForUpload"), false);
        return LocalFile::Failed;
    }
    if (!m_file.open(QIODevice::ReadOnly)) {
        failMethod(75, QStringLiteral("Path/File access error"), source("OpenLocalFileForUpload"), false);
        return LocalFile::Failed;
    }
    m_uploadFileSize = m_file.size();
    m_uploadProgress = m_uploadStartOffset;
    if (m_uploadStartOffset > 0)
        return send(Cmd::REST, QString::number(m_uploadStartOffset)) ? LocalFile::RestSent : LocalFile::Failed;
    return LocalFile::Ready;
}

void CFtpClient::UploadData()
{
    if (m_pending != Method::UploadFile)
        return;
    if (m_uploadPosition < m_uploadFileSize) {
        const qint64 size = qMin<qint64>(m_sendBufferLength, m_uploadFileSize - m_uploadPosition);
        QByteArray chunk;
        if (m_file.seek(m_uploadPosition))
            chunk = m_file.read(size);
        if (chunk.size() != size) {
            failMethod(75, QStringLiteral("Path/File access error"), source("UploadData"), false);
            return;
        }
        m_uploadPosition += size;
        try {
            m_data->SendData(chunk);
        } catch (const VexlError &e) {
            failMethod(e.number, e.description, e.source, false);
        }
        return;
    }
    // Everything is out: closing our side tells the server the file is complete.
    m_uploadSent = true;
    CloseLocalFile();
    m_data->CloseSocket();
}

void CFtpClient::transferEndSignal()
{
    // A download or listing is complete when both the final reply and the
    // data connection's close have come, in either order.
    if (!m_transferEnd) {
        m_transferEnd = true;
        return;
    }
    if (m_pending == Method::DownloadFile)
        ProcessOnDownloadFileEvent();
    else if (m_pending == Method::EnumFiles)
        ProcessOnEnumFilesEvent();
}

void CFtpClient::ProcessOnDownloadFileEvent()
{
    const bool flushed = m_file.flush();
    CloseLocalFile();
    if (!flushed) {
        failMethod(75, QStringLiteral("Path/File access error"), source("ProcessOnDownloadFileEvent"), false);
        return;
    }
    finishOk();
}

void CFtpClient::ProcessOnEnumFilesEvent()
{
    m_files = CFtpFiles();
    m_listing = QString::fromUtf8(m_listingBuffer);
    m_listingBuffer.clear();
    std::optional<CFtpFiles> parsed = ParseListing(m_listing);
    if (!parsed) {
        failMethod(16002, QStringLiteral("Unknown listing format."), source("m_objDataSocket_OnClose"), false);
        return;
    }
    m_files = std::move(*parsed);
    finishOk();
}

void CFtpClient::CloseDataConnection()
{
    m_data->Abort();
}

void CFtpClient::CloseLocalFile()
{
    if (m_file.isOpen())
        m_file.close();
    m_remoteFile.clear();
    m_localFile.clear();
}

void CFtpClient::m_objDataSocket_OnConnect()
{
    if (isTransfer())
        startTransferCommand();
}

void CFtpClient::m_objDataSocket_OnConnectionRequest(qintptr requestId)
{
    if (!isTransfer())
        return; // nobody expects a data connection: it is refused
    // Only the server we are talking to may connect; anyone else is refused
    // and the listener keeps waiting for the server.
    const QString peer = CSocket::RequestPeerIP(requestId);
    if (peer != m_control->RemoteHostIP()) {
        qCInfo(lcFtp, "data connection from %s refused (the server is %s)", qPrintable(peer),
               qPrintable(m_control->RemoteHostIP()));
        return;
    }
    m_data->CloseSocket(); // stop listening
    try {
        m_data->Accept(requestId);
    } catch (const VexlError &e) {
        failMethod(e.number, e.description, e.source, false);
        return;
    }
    // Some servers connect as soon as PORT is accepted, before STOR: the file
    // goes out only once the server has answered STOR.
    if (m_pending == Method::UploadFile && m_storStarted) {
        m_uploadPosition = m_uploadStartOffset;
        UploadData();
    }
}

void CFtpClient::m_objDataSocket_OnDataArrival(int)
{
    QByteArray bytes;
    m_data->GetData(bytes);
    if (m_pending == Method::None)
        return;
    m_watchdog->Reset();
    if (m_pending == Method::DownloadFile) {
        if (!m_file.isOpen() || m_file.write(bytes) != bytes.size()) {
            failMethod(75, QStringLiteral("Path/File access error"), source("m_objDataSocket_OnDataArrival"), false);
            return;
        }
        m_bytesReceived += bytes.size();
        emit OnDataTransferProgress(m_bytesReceived);
    } else if (m_pending == Method::EnumFiles) {
        m_listingBuffer += bytes;
        if (m_listingBuffer.size() > kMaxListingBytes) {
            failMethod(16012, tr("The directory listing is too long."), source("m_objDataSocket_OnDataArrival"), false);
            return;
        }
        emit OnDataTransferProgress(m_listingBuffer.size());
    }
}

void CFtpClient::m_objDataSocket_OnSendComplete()
{
    if (m_pending != Method::UploadFile)
        return;
    m_watchdog->Reset();
    // Progress counts what has left this machine, not what is still queued
    // for it; the final reply accounts for the rest.
    const qint64 out = qMax(m_uploadProgress, m_uploadPosition - m_data->BytesNotSent());
    if (out > m_uploadProgress) {
        m_uploadProgress = out;
        emit OnDataTransferProgress(out);
    }
    UploadData();
}

void CFtpClient::m_objDataSocket_OnClose()
{
    if (m_pending == Method::DownloadFile || m_pending == Method::EnumFiles) {
        transferEndSignal();
    } else if (m_pending == Method::UploadFile && !m_uploadSent) {
        // The server closed (or reset: the system reports both alike) the data
        // connection before the whole file was out: the upload cannot succeed.
        failMethod(10054, GetErrorDescription(10054), source("m_objDataSocket_OnClose"), false);
    }
}

void CFtpClient::m_objDataSocket_OnError(int number, const QString &description, const QString &src)
{
    if (!isTransfer()) {
        m_data->Abort();
        return; // a leftover of a method that has ended
    }
    failMethod(number, description, src.isEmpty() ? source("m_objDataSocket_OnError") : src, false);
}

} // namespace vexl
