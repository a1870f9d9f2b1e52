#pragma once

// Helpers of the FTP client tests: a scripted control-connection server, a
// real pyftpdlib server on 127.0.0.1, and a recorder of what a client reports.

#include "ftp/cftpclient.h"
#include "support/vexlerror.h"

#include <QHash>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>


namespace vexl::test {

// "number source: description" of the error `call` raises, or "".
template<typename F>
QString raised(F &&call)
{
    try {
        call();
    } catch (const VexlError &e) {
        return QStringLiteral("%1 %2: %3").arg(e.number).arg(e.source, e.description);
    }
    return QString();
}

// How the scripted server cuts its replies into TCP writes.
enum class Delivery { Whole, ByteByByte, RandomFragments };

// A control-connection server on 127.0.0.1 answering each verb from a table
// (an empty reply answers nothing, "close" closes the connection). Received
// command lines go to `commands`. It closes its side when the client does;
// `controlClosed` tells the connection has ended either way.
// A passive data listener on 127.0.0.1 keeps its connections in dataSockets.
class ScriptedFtpServer : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedFtpServer(Delivery delivery = Delivery::Whole);

    quint16 port() const { return m_server.serverPort(); }
    QByteArray greeting = "220 Scripted server ready\r\n";
    void reply(const QByteArray &verb, const QByteArray &text) { m_replies[verb] = text; }
    void send(const QByteArray &text);
    void closeControl(); // once everything queued is out
    QByteArray pasvReply(const QString &host = QStringLiteral("127.0.0.1")) const;

    QList<QByteArray> commands;
    int connections = 0;
    bool controlClosed = false;
    QList<QTcpSocket *> dataSockets;
    // With confirmUploads, each data connection is read to its end, kept in
    // `uploads` and answered "226".
    bool confirmUploads = false;
    QList<QByteArray> uploads;

private:
    void pump();

    Delivery m_delivery;
    QTcpServer m_server;
    QTcpServer m_data;
    QTcpSocket *m_control = nullptr;
    QByteArray m_inbox;
    QByteArray m_outbox;
    bool m_closing = false;
    QTimer m_pump;
    QHash<QByteArray, QByteArray> m_replies;
};

// A pyftpdlib server on 127.0.0.1 with one user and a root folder, started by
// the test and stopped with this object.
class PyFtpServer
{
public:
    PyFtpServer() = default;
    ~PyFtpServer();
    // `port` 0 takes a free one; another port lets a stopped server come back
    // where its clients knew it.
    bool start(const QString &root, const QString &user, const QString &password, quint16 port = 0);
    void stop();
    quint16 port() const { return m_port; }
    QString error() const { return m_error; }

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};

// Records what a client reports: completions as "OnConnect:0", user commands
// and replies as shown, states and progress.
class ClientRecorder : public QObject
{
    Q_OBJECT

public:
    explicit ClientRecorder(CFtpClient &client);

    QStringList completions;
    QStringList commands;
    QStringList replies;
    QList<int> states;
    QList<qint64> progress;

    int count(const QString &event) const { return completions.filter(event + QLatin1Char(':')).size(); }
    // Waits (bounded) for the n-th completion of `event`; its result, or -1.
    int waitFor(const QString &event, int n = 1, int timeoutMs = 15000);
};

// Connects and logs in; true when OnConnect reported arStatusOk.
bool login(CFtpClient &client, ClientRecorder &rec, quint16 port, const QString &user = QStringLiteral("user"),
           const QString &password = QStringLiteral("pass"));

QByteArray randomBytes(qsizetype size);
quint16 closedPort(); // of 127.0.0.1, where nothing listens

// Calls the client method named `method` ("RenameFile": a to b; "DownloadFile":
// remote a to local b; "UploadFile": local a to remote b); returns its event.
QString start(CFtpClient &client, const QString &method, const QString &a = {}, const QString &b = {});

} // namespace vexl::test
