#pragma once

// Servers of the FTP tests: a scripted control-connection server and a real
// pyftpdlib server on 127.0.0.1.

#include <QHash>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace vexl::test {

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

} // namespace vexl::test
