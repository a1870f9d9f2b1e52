#include "csocket.h"

#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

namespace vexl {

namespace {

const QHash<int, const char *> &errorTexts()
{
    static const QHash<int, const char *> texts = {
        {10004, "Interrupted function call."},
        {10013, "Permission denied."},
        {10014, "Bad address."},
        {10022, "Invalid argument."},
        {10024, "Too many open files."},
        {10035, "Resource temporarily unavailable."},
        {10036, "Operation now in progress."},
        {10037, "Operation already in progress."},
        {10038, "Socket operation on nonsocket."},
        {10039, "Destination address required."},
        {10040, "Message too long."},
        {10041, "Protocol wrong type for socket."},
        {10042, "Bad protocol option."},
        {10043, "Protocol not supported."},
        {10044, "Socket type not supported."},
        {10045, "Operation not supported."},
        {10046, "Protocol family not supported."},
        {10047, "Address family not supported by protocol family."},
        {10048, "Address already in use."},
        {10049, "Cannot assign requested address."},
        {10050, "Network is down."},
        {10051, "Network is unreachable."},
        {10052, "Network dropped connection on reset."},
        {10053, "Software caused connection abort."},
        {10054, "Connection reset by peer."},
        {10055, "No buffer space available."},
        {10056, "Socket is already connected."},
        {10057, "Socket is not connected."},
        {10058, "Cannot send after socket shutdown."},
        {10060, "Connection timed out."},
        {10061, "Connection refused."},
        {10064, "Host is down."},
        {10065, "No route to host."},
        {10067, "Too many processes."},
        {10091, "Network subsystem is unavailable."},
        {10092, "Winsock.dll version out of range."},
        {10093, "Successful WSAStartup not yet performed."},
        {10101, "Graceful shutdown in progress."},
        {10107, "System call failure."},
        {10109, "Class type not found."},
        {11001, "Host not found."},
        {11002, "Nonauthoritative host not found."},
        {11003, "This is a nonrecoverable error."},
        {11004, "Valid name, no data record of requested type."},
    };
    return texts;
}

// Qt reports socket failures by kind; the program speaks Winsock numbers.
int winsockNumber(int qtError, const QString &qtText)
{
    switch (QAbstractSocket::SocketError(qtError)) {
    case QAbstractSocket::ConnectionRefusedError: return 10061;
    case QAbstractSocket::RemoteHostClosedError: return 10054;
    case QAbstractSocket::HostNotFoundError: return 11001;
    case QAbstractSocket::SocketAccessError: return 10013;
    case QAbstractSocket::SocketResourceError: return 10055;
    case QAbstractSocket::SocketTimeoutError: return 10060;
    case QAbstractSocket::DatagramTooLargeError: return 10040;
    case QAbstractSocket::AddressInUseError: return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError: return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError: return 10045;
    case QAbstractSocket::UnfinishedSocketOperationError: return 10036;
    case QAbstractSocket::OperationError: return 10022;
    case QAbstractSocket::TemporaryError: return 10035;
    case QAbstractSocket::NetworkError:
        if (qtText.contains(QLatin1String("Host unreachable"), Qt::CaseInsensitive))
            return 10065;
        if (qtText.contains(QLatin1String("Network unreachable"), Qt::CaseInsensitive))
            return 10051;
        return 10050;
    default: return 10107;
    }
}

bool isDottedAddress(const QString &text)
{
    QHostAddress a;
    return a.setAddress(text) && a.protocol() == QAbstractSocket::IPv4Protocol;
}

// Connections announced by OnConnectionRequest and not yet taken by Accept.
QSet<qintptr> &unclaimedConnections()
{
    static QSet<qintptr> set;
    return set;
}

void closeDescriptor(qintptr descriptor)
{
    QTcpSocket s;
    if (s.setSocketDescriptor(descriptor))
        s.abort();
}

} // namespace

QString GetErrorDescription(int code)
{
    const char *text = errorTexts().value(code, nullptr);
    return QString::fromLatin1(text ? text : "Unknown error.");
}

// The listening half: hands each incoming connection's descriptor to its
// CSocket instead of wrapping it in a QTcpSocket of its own.
class CSocketListener final : public QTcpServer
{
public:
    explicit CSocketListener(CSocket *owner) : QTcpServer(owner), m_owner(owner) {}
    void detach() { m_owner = nullptr; }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (m_owner)
            m_owner->onIncomingConnection(descriptor);
        else
            closeDescriptor(descriptor);
    }

private:
    CSocket *m_owner;
};

CSocket::CSocket(QObject *parent) : QObject(parent) {}

CSocket::~CSocket()
{
    DestroySocket();
}

void CSocket::raise(int number, const char *operation) const
{
    throw VexlError{number, GetErrorDescription(number), QStringLiteral("CSocket.%1").arg(QLatin1String(operation)), 0};
}

qintptr CSocket::SocketHandle() const
{
    if (m_tcp)
        return m_tcp->socketDescriptor();
    if (m_listener)
        return m_listener->socketDescriptor();
    return -1;
}

void CSocket::setRemoteHost(const QString &host)
{
    m_remoteHost = host;
    if (isDottedAddress(host))
        m_remoteHostIP = host;
}

void CSocket::setProtocol(int protocol)
{
    if (!m_hasSocket)
        m_protocol = protocol;
}

void CSocket::EnsureSocket(const char *operation)
{
    if (m_protocol != 0)
        raise(10043, operation); // only TCP is offered
    m_hasSocket = true;
}

void CSocket::attachTcp(QTcpSocket *tcp)
{
    m_tcp = tcp;
    const quint64 gen = m_generation;
    // Queued: the socket's own notifications never run inside our calls, and a
    // notification of a socket destroyed meanwhile is recognised by `gen`.
    connect(tcp, &QTcpSocket::connected, this, [this, gen] { if (gen == m_generation) onConnected(); }, Qt::QueuedConnection);
    connect(tcp, &QTcpSocket::readyRead, this, [this, gen] { if (gen == m_generation) onReadyRead(); }, Qt::QueuedConnection);
    connect(tcp, &QTcpSocket::bytesWritten, this, [this, gen](qint64 n) { if (gen == m_generation) onBytesWritten(n); }, Qt::QueuedConnection);
    connect(tcp, &QTcpSocket::disconnected, this, [this, gen] { if (gen == m_generation) onDisconnected(); }, Qt::QueuedConnection);
    connect(tcp, &QTcpSocket::errorOccurred, this, [this, gen, tcp](QAbstractSocket::SocketError e) {
            const QString text = tcp->errorString();
            QMetaObject::invokeMethod(this, [this, gen, e, text] { if (gen == m_generation) onSocketError(int(e), text); }, Qt::QueuedConnection);
        }, Qt::DirectConnection);
}

void CSocket::Connect(const QString &host, int port)
{
    if (m_state == sockConnected || m_state == sockClosing)
        raise(10056, "Connect");
    if (m_state == sockConnecting || m_state == sockResolvingHost || m_state == sockHostResolved)
        raise(10037, "Connect");
    if (m_state == sockListening)
        raise(10022, "Connect");
    EnsureSocket("Connect");
    if (!host.isEmpty())
        setRemoteHost(host);
    if (port >= 0)
        m_remotePort = port;
    if (m_remoteHost.isEmpty()) {
        DestroySocket();
        m_state = sockClosed;
        raise(10049, "Connect");
    }
    if (!m_tcp) {
        auto *tcp = new QTcpSocket(this);
        tcp->setProxy(QNetworkProxy::NoProxy);
        attachTcp(tcp);
    }
    if (isDottedAddress(m_remoteHost)) {
        m_remoteHostIP = m_remoteHost;
        connectToResolved();
        return;
    }
    m_state = sockResolvingHost;
    const quint64 gen = m_generation;
    m_resolveRequest = QHostInfo::lookupHost(m_remoteHost, this, [this, gen](const QHostInfo &info) {
        // Deferred once more so that a result delivered at once still finds
        // the request number stored.
        QMetaObject::invokeMethod(this, [this, gen, info] { if (gen == m_generation) PostGetHostEvent(info.lookupId(), info); }, Qt::QueuedConnection);
    });
}

void CSocket::connectToResolved()
{
    m_state = sockConnecting;
    m_tcp->connectToHost(QHostAddress(m_remoteHostIP), quint16(m_remotePort));
}

void CSocket::PostGetHostEvent(int requestId, const QHostInfo &info)
{
    if (requestId == 0 || requestId != m_resolveRequest)
        return;
    m_resolveRequest = 0;
    QString address;
    for (const QHostAddress &a : info.addresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol) {
            address = a.toString();
            break;
        }
    }
    if (info.error() != QHostInfo::NoError || address.isEmpty()) {
        const int number = info.error() != QHostInfo::NoError ? 11001 : 11004;
        m_state = sockError;
        emit OnError(number, GetErrorDescription(number), 0, QStringLiteral("CSocket.PostGetHostEvent"));
        return;
    }
    m_state = sockHostResolved;
    m_remoteHost = info.hostName();
    m_remoteHostIP = address;
    connectToResolved();
}

void CSocket::onConnected()
{
    m_localPort = m_tcp->localPort();
    m_localIP = m_tcp->localAddress().toString();
    // No reverse look-up of our own address: it would block the event loop.
    m_localHostName = m_localIP;
    m_state = sockConnected;
    emit OnConnect();
}

int CSocket::RecvToBuffer()
{
    if (!m_tcp)
        return 0;
    const QByteArray bytes = m_tcp->readAll();
    m_receiveBuffer += bytes;
    m_bytesReceived += bytes.size();
    return int(bytes.size());
}

void CSocket::onReadyRead()
{
    if (RecvToBuffer() > 0)
        emit OnDataArrival(int(m_receiveBuffer.size()));
}

void CSocket::onBytesWritten(qint64 bytes)
{
    if (!m_tcp)
        return;
    const quint64 gen = m_generation;
    const qint64 remaining = m_tcp->bytesToWrite();
    emit OnSendProgress(bytes, remaining);
    if (gen != m_generation || !m_tcp || m_tcp->bytesToWrite() > 0)
        return;
    if (m_sendCompletePending) {
        m_sendCompletePending = false;
        emit OnSendComplete();
    }
    if (gen == m_generation && m_shutdownPending && m_tcp && m_tcp->bytesToWrite() == 0)
        shutdownSending();
}

void CSocket::onDisconnected()
{
    // Everything still readable goes out through OnDataArrival before OnClose.
    const quint64 gen = m_generation;
    while (gen == m_generation && RecvToBuffer() > 0)
        emit OnDataArrival(int(m_receiveBuffer.size()));
    if (gen != m_generation)
        return; // a handler closed or reused the socket
    m_state = sockClosing;
    DestroySocket();
    m_state = sockClosed;
    emit OnClose();
}

void CSocket::onSocketError(int qtError, const QString &qtText)
{
    if (qtError == QAbstractSocket::RemoteHostClosedError && (m_state == sockConnected || m_state == sockClosing)) {
        // The peer's close: `disconnected` reports it as OnClose.
        if (m_tcp && m_tcp->state() != QAbstractSocket::UnconnectedState)
            return;
        onDisconnected();
        return;
    }
    const int number = winsockNumber(qtError, qtText);
    notifyError(number, QString());
}

void CSocket::notifyError(int number, const QString &source)
{
    m_state = sockError;
    DestroySocket();
    m_state = sockError;
    emit OnError(number, GetErrorDescription(number), 0, source);
}

void CSocket::take(QByteArray &data, int maxLength, bool remove)
{
    if (m_receiveBuffer.isEmpty())
        return;
    if (maxLength > 0 && maxLength <= m_receiveBuffer.size()) {
        data = m_receiveBuffer.left(maxLength);
        if (remove)
            m_receiveBuffer.remove(0, maxLength);
    } else {
        data = m_receiveBuffer;
        if (remove)
            m_receiveBuffer.clear();
    }
}

void CSocket::GetData(QString &text, int maxLength)
{
    QByteArray bytes;
    take(bytes, maxLength, true);
    if (!bytes.isEmpty())
        text = QString::fromUtf8(bytes);
}

void CSocket::PeekData(QString &text, int maxLength)
{
    QByteArray bytes;
    take(bytes, maxLength, false);
    if (!bytes.isEmpty())
        text = QString::fromUtf8(bytes);
}

void CSocket::SendData(const QByteArray &data)
{
    if (!m_hasSocket)
        raise(40006, "SendData");
    if (m_state == sockClosing)
        raise(10058, "SendData");
    if (m_state != sockConnected || !m_tcp)
        raise(10057, "SendData");
    m_sendCompletePending = true;
    if (data.isEmpty()) {
        // Nothing to hand over: report completion on the next pass of the loop.
        const quint64 gen = m_generation;
        QMetaObject::invokeMethod(this, [this, gen] {
                if (gen != m_generation || !m_tcp || m_tcp->bytesToWrite() > 0 || !m_sendCompletePending)
                    return;
                emit OnSendProgress(0, 0);
                if (gen == m_generation && m_sendCompletePending) {
                    m_sendCompletePending = false;
                    emit OnSendComplete();
                }
            }, Qt::QueuedConnection);
        return;
    }
    if (m_tcp->write(data) != data.size())
        raise(10055, "SendData");
}

void CSocket::shutdownSending()
{
    m_shutdownPending = false;
    if (m_tcp && m_tcp->socketDescriptor() >= 0)
        ::shutdown(int(m_tcp->socketDescriptor()), SHUT_WR);
}

void CSocket::CloseSocket()
{
    if (!m_hasSocket)
        return;
    if (m_state == sockConnected && m_tcp) {
        m_state = sockClosing;
        if (m_tcp->bytesToWrite() > 0)
            m_shutdownPending = true; // after the queued bytes are out
        else
            shutdownSending();
        return;
    }
    DestroySocket();
    m_state = sockClosed;
}

void CSocket::Abort()
{
    DestroySocket();
    m_state = sockClosed;
}

void CSocket::DestroySocket()
{
    m_receiveBuffer.clear();
    ++m_generation;
    m_sendCompletePending = false;
    m_shutdownPending = false;
    if (m_resolveRequest) {
        QHostInfo::abortHostLookup(m_resolveRequest);
        m_resolveRequest = 0;
    }
    if (m_tcp) {
        QTcpSocket *tcp = m_tcp;
        m_tcp = nullptr;
        tcp->disconnect(this);
        tcp->abort();
        tcp->deleteLater();
    }
    if (m_listener) {
        CSocketListener *listener = m_listener;
        m_listener = nullptr;
        listener->detach();
        listener->close();
        listener->deleteLater();
    }
    m_hasSocket = false;
    m_bound = false;
}

void CSocket::Bind(int localPort, const QString &localIP)
{
    EnsureSocket("Bind");
    if (!localIP.isEmpty()) {
        if (!isDottedAddress(localIP))
            raise(10049, "Bind");
        m_localIP = localIP;
    }
    if (localPort > 0)
        m_localPort = localPort;
    if (m_localPort < 0 || m_localPort > 65535)
        raise(10049, "Bind");
    m_bound = true;
}

void CSocket::Listen()
{
    if (m_state == sockListening || m_state == sockConnected || m_state == sockConnecting)
        raise(10022, "Listen");
    EnsureSocket("Listen");
    if (!m_bound)
        Bind(m_localPort, QString());
    auto *listener = new CSocketListener(this);
    listener->setProxy(QNetworkProxy::NoProxy);
    listener->setListenBacklogSize(5);
    const QHostAddress address = m_localIP.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(m_localIP);
    if (!listener->listen(address, quint16(m_localPort))) {
        const int number = winsockNumber(listener->serverError(), listener->errorString());
        delete listener;
        m_state = sockError;
        raise(number, "Listen");
    }
    m_listener = listener;
    m_localPort = listener->serverPort();
    m_state = sockListening;
}

qint64 CSocket::BytesNotSent() const
{
    if (!m_tcp)
        return 0;
    qint64 pending = m_tcp->bytesToWrite();
    int queued = 0;
    if (m_tcp->socketDescriptor() >= 0 && ::ioctl(int(m_tcp->socketDescriptor()), SIOCOUTQ, &queued) == 0 && queued > 0)
        pending += queued;
    return pending;
}

QString CSocket::RequestPeerIP(qintptr requestId)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(int(requestId), reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return QString();
    QHostAddress peer(reinterpret_cast<const sockaddr *>(&address));
    bool ok = false;
    const quint32 v4 = peer.toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : peer.toString();
}

void CSocket::onIncomingConnection(qintptr descriptor)
{
    unclaimedConnections().insert(descriptor);
    emit OnConnectionRequest(descriptor);
    // Nobody took it: refuse it rather than leave the connection dangling.
    if (unclaimedConnections().remove(descriptor))
        closeDescriptor(descriptor);
}

void CSocket::Accept(qintptr requestId)
{
    if (!unclaimedConnections().contains(requestId))
        raise(10038, "Accept");
    if (m_hasSocket)
        DestroySocket();
    auto *tcp = new QTcpSocket(this);
    if (!tcp->setSocketDescriptor(requestId)) {
        delete tcp;
        raise(10038, "Accept");
    }
    unclaimedConnections().remove(requestId);
    m_protocol = 0;
    m_hasSocket = true;
    attachTcp(tcp);
    m_localPort = tcp->localPort();
    m_localIP = tcp->localAddress().toString();
    m_localHostName = m_localIP;
    m_remotePort = tcp->peerPort();
    m_remoteHostIP = tcp->peerAddress().toString();
    m_remoteHost = m_remoteHostIP;
    m_state = sockConnected;
    // Bytes that came in before the socket was ours are announced like any other.
    if (tcp->bytesAvailable() > 0) {
        const quint64 gen = m_generation;
        QMetaObject::invokeMethod(this, [this, gen] { if (gen == m_generation) onReadyRead(); }, Qt::QueuedConnection);
    }
}

} // namespace vexl
