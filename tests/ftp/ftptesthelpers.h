#pragma once

// Helpers of the FTP client tests: a scripted control-connection server for
// the replies a real server never sends, a real pyftpdlib server on 127.0.0.1,
// and a recorder of everything a client reports.

#include "ftp/cftpclient.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <deque>
#include <functional>

namespace vexl::test {

// How the scripted server cuts its replies into TCP writes.
enum class Delivery { Whole, ByteByByte, RandomFragments };
QString deliveryName(Delivery d);

// A control-connection server on 127.0.0.1 that answers from a table. Each
// received command line is kept in `commands` (without CR LF). A verb's
// replies are used in order, the last one repeating; an empty reply answers
// nothing. A hook for a verb replaces the table. The server closes its side
// when the client shuts down its own.
//
// It also offers a passive data listener on 127.0.0.1 (dataPort, pasvReply)
// whose accepted connections are kept in dataSockets.
class ScriptedFtpServer : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedFtpServer(Delivery delivery = Delivery::Whole);
    ~ScriptedFtpServer() override;

    quint16 port() const { return m_server.serverPort(); }
    quint16 dataPort() const { return m_data.serverPort(); }

    QByteArray greeting = "220 Scripted server ready\r\n";
    void reply(const QByteArray &verb, const QByteArray &text);
    void replies(const QByteArray &verb, const QList<QByteArray> &texts);
    void hook(const QByteArray &verb, std::function<void(const QByteArray &argument)> action);

    // Queues text on the control connection, cut as `delivery` says.
    void send(const QByteArray &text);
    // Closes the control connection once everything queued is out.
    void closeControl();
    // "227 Entering Passive Mode (a,b,c,d,p1,p2).\r\n" for the data listener,
    // announcing `host`.
    QByteArray pasvReply(const QString &host = QStringLiteral("127.0.0.1")) const;

    QList<QByteArray> commands;
    int connections = 0;
    bool controlOpen() const;
    bool controlClosedByClient = false;
    QList<QTcpSocket *> dataSockets;

    Delivery delivery;

private:
    void onCommandLine(const QByteArray &line);
    void pump();

    QTcpServer m_server;
    QTcpServer m_data;
    QTcpSocket *m_control = nullptr;
    QByteArray m_inbox;
    std::deque<QByteArray> m_outbox; // an empty entry means "close"
    QTimer m_pump;
    QHash<QByteArray, std::deque<QByteArray>> m_replies;
    QHash<QByteArray, std::function<void(const QByteArray &)>> m_hooks;
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

// Records what a client reports: completion events in order as
// "OnConnect:0", user commands and replies as text, states.
class ClientRecorder : public QObject
{
    Q_OBJECT

public:
    explicit ClientRecorder(CFtpClient &client);

    QStringList completions;       // "OnEnumFiles:1"
    QStringList commands;          // FTP_USER_COMMAND texts ("CWD docs")
    QStringList replies;           // server replies as shown
    QList<int> states;
    QList<qint64> progress;

    int count(const QString &event) const; // completions of one event, any result
    // Waits (bounded) for the n-th completion of `event`; its result, or -1.
    int waitFor(const QString &event, int n = 1, int timeoutMs = 15000);
};

// Connects and logs in; true when OnConnect reported arStatusOk.
bool login(CFtpClient &client, ClientRecorder &rec, quint16 port, const QString &user = QStringLiteral("user"),
           const QString &password = QStringLiteral("pass"));

} // namespace vexl::test
