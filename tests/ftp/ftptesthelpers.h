#pragma once

// Servers of the FTP tests on 127.0.0.1: a scripted one and a real pyftpdlib one.

#include <QHash>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace vexl::test {

// How the scripted server cuts its replies into TCP writes.
enum class Delivery { Whole, ByteByByte };

// A control-connection server answering each verb from a table (an empty reply
// answers nothing, "close" closes the connection), keeping the command lines it
// got; `controlClosed` tells the connection has ended, from either side. Its
// passive data listener keeps its connections in dataSockets.
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
    // With confirmUploads, each data connection is read whole into `uploads`, then "226".
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

// A pyftpdlib server with one user and a root folder, stopped with this object.
class PyFtpServer
{
public:
    PyFtpServer() = default;
    ~PyFtpServer();
    // `port` 0 takes a free one; another lets a stopped server come back where it was.
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
