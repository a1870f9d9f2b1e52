#include "ftptesthelpers.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QTest>

namespace vexl::test {

QString deliveryName(Delivery d)
{
    switch (d) {
    case Delivery::Whole: return QStringLiteral("whole");
    case Delivery::ByteByByte: return QStringLiteral("byte by byte");
    case Delivery::RandomFragments: return QStringLiteral("random fragments");
    }
    return QString();
}

// --- ScriptedFtpServer --------------------------------------------------------

ScriptedFtpServer::ScriptedFtpServer(Delivery d) : delivery(d)
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
    reply("MKD", "257 Created\r\n");
    reply("RMD", "250 Removed\r\n");
    reply("DELE", "250 Deleted\r\n");
    reply("RNFR", "350 Ready for RNTO\r\n");
    reply("RNTO", "250 Renamed\r\n");
    reply("LIST", "150 Here it comes\r\n");
    hook("PASV", [this](const QByteArray &) { send(pasvReply()); });
    hook("QUIT", [this](const QByteArray &) {
        send("221 Goodbye\r\n");
        closeControl();
    });

    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_server.nextPendingConnection()) {
            if (m_control)
                m_control->deleteLater();
            m_control = s;
            ++connections;
            controlClosedByClient = false;
            m_inbox.clear();
            s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                if (s != m_control)
                    return;
                m_inbox += s->readAll();
                qsizetype end;
                while ((end = m_inbox.indexOf("\r\n")) >= 0) {
                    const QByteArray line = m_inbox.left(end);
                    m_inbox.remove(0, end + 2);
                    onCommandLine(line);
                }
            });
            // The client shut down its side: close ours as a server does.
            connect(s, &QTcpSocket::readChannelFinished, this, [this, s] {
                if (s != m_control)
                    return;
                controlClosedByClient = true;
                s->disconnectFromHost();
            });
            if (!greeting.isEmpty())
                send(greeting);
        }
    });
    connect(&m_data, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_data.nextPendingConnection())
            dataSockets.append(s);
    });
}

ScriptedFtpServer::~ScriptedFtpServer() = default;

void ScriptedFtpServer::reply(const QByteArray &verb, const QByteArray &text)
{
    replies(verb, {text});
}

void ScriptedFtpServer::replies(const QByteArray &verb, const QList<QByteArray> &texts)
{
    m_hooks.remove(verb);
    m_replies[verb] = std::deque<QByteArray>(texts.begin(), texts.end());
}

void ScriptedFtpServer::hook(const QByteArray &verb, std::function<void(const QByteArray &)> action)
{
    m_replies.remove(verb);
    m_hooks[verb] = std::move(action);
}

void ScriptedFtpServer::onCommandLine(const QByteArray &line)
{
    commands.append(line);
    const qsizetype space = line.indexOf(' ');
    const QByteArray verb = (space < 0 ? line : line.left(space)).toUpper();
    const QByteArray argument = space < 0 ? QByteArray() : line.mid(space + 1);
    if (const auto h = m_hooks.constFind(verb); h != m_hooks.constEnd()) {
        (*h)(argument);
        return;
    }
    auto it = m_replies.find(verb);
    if (it == m_replies.end()) {
        send("502 Command not implemented\r\n");
        return;
    }
    QByteArray text = it->front();
    if (it->size() > 1)
        it->pop_front();
    if (!text.isEmpty())
        send(text);
}

void ScriptedFtpServer::send(const QByteArray &text)
{
    if (text.isEmpty())
        return;
    m_outbox.push_back(text);
    m_pump.start();
}

void ScriptedFtpServer::closeControl()
{
    m_outbox.push_back(QByteArray());
    m_pump.start();
}

bool ScriptedFtpServer::controlOpen() const
{
    return m_control && m_control->state() == QAbstractSocket::ConnectedState;
}

QByteArray ScriptedFtpServer::pasvReply(const QString &host) const
{
    QString h = host;
    h.replace(QLatin1Char('.'), QLatin1Char(','));
    return QStringLiteral("227 Entering Passive Mode (%1,%2,%3).\r\n")
        .arg(h)
        .arg(dataPort() / 256)
        .arg(dataPort() % 256)
        .toLatin1();
}

void ScriptedFtpServer::pump()
{
    if (m_outbox.empty() || !m_control) {
        m_pump.stop();
        return;
    }
    QByteArray &front = m_outbox.front();
    if (front.isEmpty()) {
        m_outbox.pop_front();
        m_control->disconnectFromHost();
        return;
    }
    qsizetype n = front.size();
    if (delivery == Delivery::ByteByByte)
        n = 1;
    else if (delivery == Delivery::RandomFragments)
        n = qMin<qsizetype>(front.size(), QRandomGenerator::global()->bounded(1, 8));
    m_control->write(front.left(n));
    m_control->flush();
    front.remove(0, n);
    if (front.isEmpty())
        m_outbox.pop_front();
}

// --- PyFtpServer --------------------------------------------------------------

namespace {
// Binds port 0 itself and prints the port it got, so there is no race for a
// free port. Log output goes to stderr, which the test discards.
const char *const kServerScript = R"PY(
import sys, logging
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
root, user, password, port = sys.argv[1:5]
logging.basicConfig(level=logging.ERROR)
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
class Handler(FTPHandler):
    pass
Handler.authorizer = authorizer
Handler.auth_failed_timeout = 0.05  # answer a refused login at once
server = FTPServer(("127.0.0.1", int(port)), Handler)
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
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-u"), QStringLiteral("-c"), QString::fromLatin1(kServerScript), root, user, password,
                     QString::number(port)});
    if (!m_process.waitForStarted(10000)) {
        m_error = m_process.errorString();
        return false;
    }
    QDeadlineTimer deadline(15000);
    while (!m_process.canReadLine() && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    if (!m_process.canReadLine()) {
        m_error = QStringLiteral("pyftpdlib did not report its port");
        return false;
    }
    m_port = quint16(m_process.readLine().trimmed().toUInt());
    return m_port != 0;
}

// --- ClientRecorder -------------------------------------------------------------

ClientRecorder::ClientRecorder(CFtpClient &client)
{
    const auto record = [this](const char *name) {
        return [this, name](int result) { completions << QStringLiteral("%1:%2").arg(QLatin1String(name)).arg(result); };
    };
    connect(&client, &CFtpClient::OnConnect, this, record("OnConnect"));
    connect(&client, &CFtpClient::OnCreateDirectory, this, record("OnCreateDirectory"));
    connect(&client, &CFtpClient::OnDeleteFile, this, record("OnDeleteFile"));
    connect(&client, &CFtpClient::OnGetCurrentDirectory, this, record("OnGetCurrentDirectory"));
    connect(&client, &CFtpClient::OnSetCurrentDirectory, this, record("OnSetCurrentDirectory"));
    connect(&client, &CFtpClient::OnRemoveDirectory, this, record("OnRemoveDirectory"));
    connect(&client, &CFtpClient::OnRenameFile, this, record("OnRenameFile"));
    connect(&client, &CFtpClient::OnDownloadFile, this, record("OnDownloadFile"));
    connect(&client, &CFtpClient::OnUploadFile, this, record("OnUploadFile"));
    connect(&client, &CFtpClient::OnEnumFiles, this, record("OnEnumFiles"));
    connect(&client, &CFtpClient::OnQuitSession, this, record("OnQuitSession"));
    connect(&client, &CFtpClient::OnStateChange, this, [this](int s) { states << s; });
    connect(&client, &CFtpClient::OnDataTransferProgress, this, [this](qint64 n) { progress << n; });
    connect(&client, &CFtpClient::SessionProtocolMessage, this, [this](const QString &text, int kind) {
        (kind == FTP_USER_COMMAND ? commands : replies) << text;
    });
}

int ClientRecorder::count(const QString &event) const
{
    int n = 0;
    for (const QString &c : completions)
        if (c.section(QLatin1Char(':'), 0, 0) == event)
            ++n;
    return n;
}

int ClientRecorder::waitFor(const QString &event, int n, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (count(event) < n && !deadline.hasExpired())
        QTest::qWait(5);
    int seen = 0;
    for (const QString &c : completions) {
        if (c.section(QLatin1Char(':'), 0, 0) == event && ++seen == n)
            return c.section(QLatin1Char(':'), 1).toInt();
    }
    return -1;
}

bool login(CFtpClient &client, ClientRecorder &rec, quint16 port, const QString &user, const QString &password)
{
    client.setFtpServer(QStringLiteral("127.0.0.1"));
    client.setRemotePort(port);
    client.setUserName(user);
    client.setPassword(password);
    const int before = rec.count(QStringLiteral("OnConnect"));
    client.Connect();
    return rec.waitFor(QStringLiteral("OnConnect"), before + 1) == arStatusOk;
}

} // namespace vexl::test
