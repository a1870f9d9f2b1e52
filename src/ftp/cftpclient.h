#pragma once

#include "cftperror.h"
#include "cftpfile.h"
#include "ftptypes.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

class QTimer;

namespace vexl {

class CSocket;
class CTimeout;
struct FtpReply;

// An asynchronous FTP client for one server session (the client side of
// RFC 959: USER, PASS, CWD, PWD, MKD, RMD, DELE, RNFR/RNTO, TYPE, PASV, PORT,
// REST, RETR, STOR, LIST, QUIT).
//
// Every method starts one operation and returns at once; its outcome arrives
// later as the method's completion event (OnConnect, OnSetCurrentDirectory ...)
// with an AsyncResult. Only one method may be pending at a time. Every method
// that was started ends with exactly one completion event:
//   arStatusOk     - done;
//   arStatusError  - failed, LastFtpError says why (also when the control
//                    connection breaks or closes while the method is pending);
//   arStatusCancel - ended by CancelAsyncMethod, CloseControlConnection or a
//                    new Connect.
// arStatusTimeOut is not an end: it repeats every TimeOut seconds of silence
// while the method stays pending, until the caller ends it (CancelAsyncMethod);
// LastFtpError then says 10060 "Connection timed out.".
// Completion events are raised last, after the client is free again, so a
// handler may start the next method at once. A late reply to the last command
// of a method that ended without it (cancelled, timed out) is skipped rather
// than taken for the next command's reply.
//
// Synchronous failures throw VexlError before anything is sent: 16007 while
// another method is pending, 5 for an empty argument or one holding a CR, LF or
// NUL, 380 for Connect without FtpServer, 16008 without a control connection.
//
// The client's own error numbers besides the reply-based ones:
//   16009 the control connection closed while a method was pending;
//   16010 a reply grew past 64 KiB without its final line (connection closed);
//   16011 a 227 reply without six numbers of 0-255 and a port (the data
//         connection always goes to the control connection's peer address);
//   16012 a listing grew past 32 MiB;
//   16013 a listing took longer than ListingTimeLimit;
//   16014 the server confirmed an upload before the whole file was sent;
//   10054 the server closed or reset the data connection of an upload before
//         the whole file was sent;
//   53/75 the local file of a transfer cannot be opened, read or written;
//   10048 no free local port for an active data connection.
class CFtpClient final : public QObject
{
    Q_OBJECT

public:
    explicit CFtpClient(QObject *parent = nullptr);
    ~CFtpClient() override;

    // --- methods ----------------------------------------------------------
    // Opens the control connection to FtpServer:RemotePort and logs in
    // (anonymously when UserName is empty); ends once the server reported the
    // current directory. A method still pending is ended first (arStatusCancel).
    void Connect();
    void SetCurrentDirectory(const QString &directory);
    void GetCurrentDirectory();
    void CreateDirectory(const QString &directory);
    void RemoveDirectory(const QString &directory);
    void DeleteFile(const QString &file);
    void RenameFile(const QString &oldName, const QString &newName);
    // Resumes a local file that already exists (REST its length) unless
    // `overwrite` replaces it.
    void DownloadFile(const QString &remoteFile, const QString &localFile, bool overwrite);
    // Lists the current directory into CurrentDirectoryFiles / CurrentDirectoryListing.
    void EnumFiles();
    // Sends the local file from `startOffset` on (REST startOffset when > 0).
    void UploadFile(const QString &localFile, const QString &remoteFile, qint64 startOffset = 0);
    void QuitSession();
    // Ends the pending method (its completion event comes with arStatusCancel)
    // and drops its data connection and local file. Nothing pending: nothing.
    void CancelAsyncMethod();
    // Ends any pending method (arStatusCancel) and closes the control connection.
    void CloseControlConnection();

    // --- properties -------------------------------------------------------
    bool DataTransferInProgress() const; // a download, upload or listing is pending
    bool Busy() const;                   // state other than ftpFreeState / ftpClosed
    const CFtpFiles &CurrentDirectoryFiles() const { return m_files; }
    QString CurrentDirectoryListing() const { return m_listing; }
    QString CurrentDirectory() const { return m_currentDirectory; }
    // The continuation lines of the last multi-line reply; reading clears it.
    QString FtpServerMessage();
    QString FtpServer() const { return m_ftpServer; }
    void setFtpServer(const QString &server) { m_ftpServer = server; }
    QString Password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    QString UserName() const { return m_userName; }
    void setUserName(const QString &userName) { m_userName = userName; }
    bool PassiveMode() const { return m_passiveMode; }
    void setPassiveMode(bool passive) { m_passiveMode = passive; }
    // Upload chunk size, 512 to 8192 bytes (default 1460); others throw 380.
    int SendBufferLenght() const { return m_sendBufferLength; }
    void setSendBufferLenght(int bytes);
    // Control port, default 21; a value outside 1-65535 stores 21.
    int RemotePort() const { return m_remotePort; }
    void setRemotePort(int port);
    // 0 ASCII (TYPE A), 1 binary (TYPE I, default).
    int TransferMode() const { return m_transferMode; }
    void setTransferMode(int mode) { m_transferMode = mode; }
    // Seconds of silence before arStatusTimeOut (default 60; 0 = never).
    int TimeOut() const;
    void setTimeOut(int seconds);
    // Seconds a whole listing may take, however busy the server is (default
    // 300, 1 at least); past it the listing ends with error 16013.
    int ListingTimeLimit() const { return m_listingTimeLimit; }
    void setListingTimeLimit(int seconds);
    int FtpSessionState() const { return m_state; }
    // The text of the latest complete reply, as received (CR LF included).
    QString LastServerResponse() const { return m_lastServerResponse; }
    const CFtpError &LastFtpError() const { return m_lastError; }

    // The pending method's number (1 Connect ... 11 QuitSession), 0 for none.
    int PendingMethod() const { return int(m_pending); }
    const CSocket &ControlSocket() const { return *m_control; }
    const CSocket &DataSocket() const { return *m_data; }

signals:
    void OnConnect(int result);
    void OnCreateDirectory(int result);
    void OnDeleteFile(int result);
    void OnGetCurrentDirectory(int result);
    void OnSetCurrentDirectory(int result);
    void OnRemoveDirectory(int result);
    void OnRenameFile(int result);
    void OnDownloadFile(int result);
    void OnUploadFile(int result);
    void OnEnumFiles(int result);
    // Download: bytes received so far (a resumed part included); upload: the
    // upload position up to which the file has left this machine (not what
    // still waits in its send queues), the whole size once the server confirmed
    // it; listing: bytes of listing text.
    void OnDataTransferProgress(qint64 bytes);
    // Every command sent ("USER name", "PWD ") and every reply received (less
    // its final CR LF), with its FtpMessageKind.
    void SessionProtocolMessage(const QString &message, int kind);
    void OnStateChange(int state);
    void OnQuitSession(int result);

public:
    // Methods in the order of their numbers.
    enum class Method {
        None = 0, Connect, GetCurrentDirectory, SetCurrentDirectory, CreateDirectory,
        RemoveDirectory, RenameFile, DeleteFile, DownloadFile, UploadFile, EnumFiles, QuitSession
    };
    // Commands the client sends.
    enum class Cmd { None, USER, PASS, CWD, PWD, MKD, RMD, DELE, RNFR, RNTO, TYPE, PASV, PORT, REST, RETR, STOR, LIST, QUIT };

private:
    enum class LocalFile { Failed, Ready, RestSent };

    // Method frame
    void checkIdle(const char *method) const;
    void checkArgument(const QString &value, const char *method) const;
    void checkConnected() const;
    void BeginAsyncMethod(Method method);
    void EndAsyncMethod();
    void raiseCompletion(Method method, int result);
    void finishOk();
    void failMethod(int number, const QString &description, const QString &source, bool closeControl);
    void RaiseFtpError(int code, bool closeControl = false);
    void endPendingWithCancel();
    void dropMethodResources(Method method);
    void closeControlSocket();
    void setState(int state);

    // Commands and replies
    void SendFtpCommand(Cmd command, const QString &argument = QString());
    bool send(Cmd command, const QString &argument = QString());
    void processReplies();
    void actOnReply(const FtpReply &reply);
    void connectPwdReply(const QString &reply);
    void getDirReply(const QString &reply);

    // Data connection and local files
    void openDataConnection();
    void EstablishPasvDataConnection(const QString &reply);
    void SendPORTCommand();
    int GetFreePort();
    void startTransferCommand();
    LocalFile OpenLocalFile();
    LocalFile OpenLocalFileForUpload();
    void UploadData();
    void transferEndSignal();
    void ProcessOnDownloadFileEvent();
    void ProcessOnEnumFilesEvent();
    void CloseDataConnection();
    void CloseLocalFile();
    bool isTransfer() const;

    // Event handlers of the two connections and the watchdog
    void m_objControlSocket_OnConnect();
    void m_objControlSocket_OnDataArrival(int bytesTotal);
    void m_objControlSocket_OnClose();
    void m_objControlSocket_OnError(int number, const QString &description);
    void m_objDataSocket_OnConnect();
    void m_objDataSocket_OnConnectionRequest(qintptr requestId);
    void m_objDataSocket_OnDataArrival(int bytesTotal);
    void m_objDataSocket_OnSendComplete();
    void m_objDataSocket_OnClose();
    void m_objDataSocket_OnError(int number, const QString &description, const QString &source);
    void m_objTimeOut_TimeOut();

    CSocket *m_control;
    CSocket *m_data;
    CTimeout *m_watchdog;
    QTimer *m_listingDeadline;
    int m_listingTimeLimit = 300;

    Method m_pending = Method::None;
    Cmd m_lastCommand = Cmd::None;
    int m_state = ftpClosed;
    bool m_loggedIn = false;         // the pending Connect got past the login
    QByteArray m_unparsed;           // control bytes not yet acted on (an incomplete reply)
    QString m_newName;
    QString m_remoteFile;
    QString m_localFile;
    bool m_overwrite = false;
    bool m_createdLocalFile = false; // the download created its local file
    QFile m_file;
    QString m_userName;
    QString m_password;
    QString m_ftpServer;
    int m_remotePort = 21;
    QString m_currentDirectory;
    bool m_passiveMode = false;
    QString m_serverMessage;
    int m_transferMode = 1;
    qint64 m_bytesReceived = 0;
    qint64 m_uploadPosition = 0;
    qint64 m_uploadStartOffset = 0;
    qint64 m_uploadFileSize = 0;
    qint64 m_uploadProgress = 0;     // last upload position reported
    bool m_uploadSent = false;       // the whole file went out and our side closed
    QByteArray m_listingBuffer;
    CFtpFiles m_files;
    QString m_listing;
    QString m_lastServerResponse;
    int m_sendBufferLength = 1460;
    bool m_transferEnd = false;      // one of the two transfer-end signals has come
    bool m_storStarted = false;      // the server answered STOR with 1xx
    bool m_awaitingReply = false;    // the last command's final reply has not come yet
    int m_repliesToSkip = 0;         // final replies owed to commands of ended methods
    CFtpError m_lastError;
    int m_portCounter = 0;
};

} // namespace vexl
