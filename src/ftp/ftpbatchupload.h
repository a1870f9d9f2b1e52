#pragma once

#include "ftptypes.h"
#include "support/dialogservice.h"
#include "settings/ftpconnections.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QEventLoop;

namespace vexl {

class CFtpClient;

// What the upload steps of a batch need from the run that drives them.
class FtpUploadHost
{
public:
    virtual ~FtpUploadHost() = default;
    // The run's step log (AddCurrOp) with the procedure's name and the step text.
    virtual void ftpStep(const QString &procedure, const QString &text) = 0;
    // One line of the FTP log; `kind` is an FtpMessageKind.
    virtual void ftpLogLine(const QString &text, int kind) = 0;
    virtual void ftpStatus(const QString &text) = 0;
    // The transfer label: `bytes` of `fileSize` sent; bytes < 0 clears it.
    virtual void ftpTransfer(qint64 bytes, qint64 fileSize) = 0;
    virtual void ftpProgress(int percent) = 0;
    // The window's status line (the events are served afterwards).
    virtual void statusLine(const QString &text) = 0;
    // A line the user must not miss (the status line; the command line also
    // prints it on standard error).
    virtual void report(const QString &line) { statusLine(line); }
    virtual MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) = 0;
    virtual std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                                   const QString &password) = 0;
    // Stores the saved connections (after a remembered login).
    virtual void saveConnections() = 0;
};

// How an FTP step of a batch ended.
enum class FtpStepResult {
    Ok,      // go on
    EndRun,  // its message has been shown: clean up and end the run, nothing more to say
    Finish,  // its message has been shown: clean up and end with "Process Finished!"
    Aborted, // Stop was pressed (or re-opening a closed session was declined): "Process Aborted."
};

// The FTP side of a batch whose destination is a saved connection: connecting
// and logging in (with retries), entering the base folder, and uploading each
// staged image, optionally into the image's replicated sub-folder. Each client
// method is awaited in the event loop until its completion event, Stop, or the
// client's disappearance; the client's own watchdog bounds a silent server.
class FtpBatchUpload final : public QObject
{
    Q_OBJECT

public:
    explicit FtpBatchUpload(FtpUploadHost &host, QObject *parent = nullptr);
    ~FtpBatchUpload() override;

    // The set-up of a run: the connection to use and the remote base folder
    // ("" and "/" both mean the root).
    void Begin(const FTPConnection &connection, const QString &basePath);
    // Connects and logs in (asking again after a refused login, at most three
    // attempts), then enters the base folder.
    FtpStepResult ConnectStep();
    // Uploads the staged file into the base folder, or into base folder +
    // `subFolder` when `replicate`; the staged file is deleted after a good upload.
    FtpStepResult UploadStep(const QString &stagedPath, const QString &subFolder, bool replicate);
    // Ends the session and releases the client.
    void CloseFTPConn();
    // The Stop button: every wait ends and a busy client method is cancelled.
    void RequestStop();
    bool stopRequested() const { return m_stop; }

    // The procedures the steps are made of.
    int OpenFTPConn();
    bool ReopenFTPSession();
    bool FTPDirExists(QString &path);
    int FTPRecCreateDir(const QString &path);
    int FTPCreateDir(const QString &path);
    int FTPSetCurrentDirectory(const QString &path);
    int FTPUploadFile(const QString &localPath, const QString &remoteName);
    // Best effort after a failed or stopped upload: removes the cut-off remote
    // file on a short session of its own (the run's session may be closed or
    // stopped). Returns "" or what failed.
    QString RemovePartialUpload(const QString &remotePath);

    // The run's "Set Initial Stuff" starts the per-image steps with no folder known.
    void ClearDirectoryCache() { m_dirCache.clear(); }
    const FTPConnection &connection() const { return m_conn; }
    // The server's path of the last file UploadStep sent completely.
    const QString &lastUploadedPath() const { return m_lastUploaded; }
    const QStringList &directoryCache() const { return m_dirCache; }
    CFtpClient *client() const { return m_client; }

private:
    struct Ending
    {
        FtpStepResult result;
    };

    void step(const QString &procedure, const QString &text = QString());
    void checkStop() const;
    void wake();
    // Blocks in the event loop until `done`, Stop or the client's release.
    void waitUntil(const std::function<bool()> &done);
    // The not-busy wait before a method; false when Stop or no client.
    bool waitNotBusy();
    // A method that timed out is still pending: end it so the session is free again.
    int settle(int result);
    void show(const QString &text, MsgIcon icon, const QString &title);
    // Ends the run (EndRun, after a message naming it) when `name` holds a CR,
    // LF or NUL, which no FTP command can carry.
    void refuseUnsendable(const QString &name, bool folder);

    void m_objFtpClient_OnConnect(int result);
    void m_objFtpClient_OnSetCurrentDirectory(int result);
    void m_objFtpClient_OnGetCurrentDirectory(int result);
    void m_objFtpClient_OnCreateDirectory(int result);
    void m_objFtpClient_OnUploadFile(int result);
    void m_objFtpClient_OnStateChange(int state);
    void m_objFtpClient_OnDataTransferProgress(qint64 bytes);
    void m_objFtpClient_SessionProtocolMessage(const QString &message, int kind);

    FtpUploadHost &m_host;
    CFtpClient *m_client = nullptr;
    QEventLoop *m_loop = nullptr;
    bool m_stop = false;
    bool m_ignoreCompletions = false;

    FTPConnection m_conn;
    QString m_basePath = QStringLiteral("/");
    QStringList m_dirCache;
    QString m_remoteName;
    qint64 m_fileSize = 0;
    int m_failedReopens = 0;   // re-opens that failed since the session was last open
    QString m_reopenFailure;   // why the last re-open failed: "description (number)"
    qint64 m_bytesSent = 0; // of the upload in progress
    QString m_lastUploaded;

    int m_connectResult = arStatusError;
    bool m_connectDone = false;
    int m_setDirResult = arStatusError;
    bool m_setDirDone = false;
    int m_getDirResult = arStatusError;
    bool m_getDirDone = false;
    int m_createDirResult = arStatusError;
    bool m_createDirDone = false;
    int m_uploadResult = arStatusError;
    bool m_uploadDone = false;
};

} // namespace vexl
