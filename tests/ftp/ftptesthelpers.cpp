#include "ftptesthelpers.h"

#include <QDeadlineTimer>

#include <utility>

namespace vexl::test {

ScriptedFtpServer::ScriptedFtpServer(Delivery d) : m_delivery(d)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    m_data.listen(QHostAddress::LocalHost, 0);
    m_pump.setInterval(d == Delivery::Whole ? 0 : 1);
    connect(&m_pump, &QTimer::timeout, this, &ScriptedFtpServer::pump);

    reply("USER", "331 Password required\r\n");
    reply("PASS", "230 Logged in\r\n");
    reply("PWD", "257 \"/\" is the current directory\r\n");
    reply("TYPE", "200 Type set\r\n");
    reply("CWD", "250 Directory changed\r\n");
    reply("LIST", "150 Here it comes\r\n");
    reply("PASV", pasvReply());
    reply("QUIT", "221 Goodbye\r\n");

    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_server.nextPendingConnection()) {
            if (m_control)
                m_control->deleteLater();
            m_control = s;
            ++connections;
            controlClosed = m_closing = false;
            m_inbox.clear();
            s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                if (s != m_control)
                    return;
                m_inbox += s->readAll();
                for (qsizetype end; (end = m_inbox.indexOf("\r\n")) >= 0;) {
                    const QByteArray line = m_inbox.left(end);
                    m_inbox.remove(0, end + 2);
                    commands.append(line);
                    const QByteArray text = m_replies.value(line.split(' ').first().toUpper(), "502 Unknown\r\n");
                    text == "close" ? closeControl() : send(text);
                }
            });
            connect(s, &QTcpSocket::readChannelFinished, s, [s] { s->disconnectFromHost(); });
            connect(s, &QTcpSocket::disconnected, this, [this, s] { controlClosed = controlClosed || s == m_control; });
            send(greeting);
        }
    });
    connect(&m_data, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_data.nextPendingConnection()) {
            dataSockets.append(s);
            if (!confirmUploads)
                continue;
            auto *bytes = new QByteArray;
            connect(s, &QTcpSocket::readyRead, this, [s, bytes] { *bytes += s->readAll(); });
            connect(s, &QTcpSocket::disconnected, this, [this, s, bytes] {
                uploads.append(*bytes + s->readAll());
                delete bytes;
                send("226 Transfer complete\r\n");
            });
        }
    });
}

void ScriptedFtpServer::send(const QByteArray &text)
{
    m_outbox += text;
    m_pump.start();
}

void ScriptedFtpServer::closeControl()
{
    m_closing = true;
    m_pump.start();
}

QByteArray ScriptedFtpServer::pasvReply(const QString &host) const
{
    return QStringLiteral("227 Entering Passive Mode (%1,%2,%3).\r\n")
        .arg(QString(host).replace(QLatin1Char('.'), QLatin1Char(',')))
        .arg(m_data.serverPort() / 256)
        .arg(m_data.serverPort() % 256)
        .toLatin1();
}

void ScriptedFtpServer::pump()
{
    if (m_control && m_outbox.isEmpty() && std::exchange(m_closing, false))
        m_control->disconnectFromHost();
    if (!m_control || m_outbox.isEmpty()) {
        m_pump.stop();
        return;
    }
    const qsizetype n = m_delivery == Delivery::ByteByByte ? 1 : m_outbox.size();
    m_control->write(m_outbox.left(n));
    m_control->flush();
    m_outbox.remove(0, n);
}

namespace {
// Binds port 0 itself and prints the port it got: no race for a free port.
const char *const kServerScript = R"PY(
import sys, logging
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
root, user, password, port = sys.argv[1:5]
logging.basicConfig(level=logging.ERROR)
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
FTPHandler.authorizer = authorizer
FTPHandler.auth_failed_timeout = 0.05  # answer a refused login at once
server = FTPServer(("127.0.0.1", int(port)), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever(handle_exit=True)
)PY";
} // namespace

PyFtpServer::~PyFtpServer()
{
    stop();
}

void PyFtpServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

bool PyFtpServer::start(const QString &root, const QString &user, const QString &password, quint16 port)
{
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-u"), QStringLiteral("-c"),
                                                         QString::fromLatin1(kServerScript), root, user, password,
                                                         QString::number(port)});
    QDeadlineTimer deadline(15000);
    while (!m_process.canReadLine() && m_process.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    if (!m_process.canReadLine()) {
        m_error = QStringLiteral("pyftpdlib did not report its port: ") + m_process.errorString();
        return false;
    }
    m_port = quint16(m_process.readLine().trimmed().toUInt());
    return m_port != 0;
}

} // namespace vexl::test
