#pragma once

#include "ftptypes.h"
#include "support/vexlerror.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtEndian>

#include <cstring>
#include <type_traits>

class QTcpSocket;
class QHostInfo;

namespace vexl {

class CSocketListener;

// The text of a Winsock error number ("Connection refused." for 10061, ...),
// "Unknown error." for any other number.
QString GetErrorDescription(int code);

// One asynchronous TCP socket. Nothing blocks: connecting, name resolution,
// sending, receiving and accepting all complete later and are reported through
// the On... signals, delivered by the event loop of the owning thread. The
// signals are never emitted from inside one of the socket's own methods, so a
// handler may call back into the socket (GetData inside OnDataArrival, SendData
// inside OnSendComplete, CloseSocket anywhere).
//
// Synchronous failures throw VexlError with the Winsock number, its text and the
// source "CSocket.<operation>"; asynchronous ones arrive as OnError.
//
// Only TCP (Protocol 0) is offered; the FTP client needs nothing else.
class CSocket final : public QObject
{
    Q_OBJECT

public:
    explicit CSocket(QObject *parent = nullptr);
    ~CSocket() override;

    // --- operations -------------------------------------------------------
    // Sends `data`. The bytes are queued behind anything not yet sent;
    // OnSendProgress reports each part handed to the system, OnSendComplete
    // follows once the last byte is out. TCP without a socket: 40006;
    // a socket that is not connected: 10057; after CloseSocket: 10058.
    void SendData(const QByteArray &data);
    void SendData(const QString &text) { SendData(text.toUtf8()); }
    // Numbers go out as their little-endian image (2 bytes for a 16-bit
    // integer, 4 for a 32-bit one or a float, 8 for a double ...).
    template<typename T>
        requires std::is_arithmetic_v<T>
    void SendData(T value)
    {
        QByteArray bytes(int(sizeof(T)), Qt::Uninitialized);
        qToLittleEndian(value, bytes.data());
        SendData(bytes);
    }

    // Takes received bytes: all of them, or the first `maxLength` when
    // 0 < maxLength <= the buffered count. An empty buffer leaves `data` as it
    // is. PeekData does the same without removing anything.
    void GetData(QByteArray &data, int maxLength = 0) { take(data, maxLength, true); }
    void PeekData(QByteArray &data, int maxLength = 0) { take(data, maxLength, false); }
    void GetData(QString &text, int maxLength = 0);
    void PeekData(QString &text, int maxLength = 0);
    // The first sizeof(T) bytes read as a little-endian number.
    template<typename T>
        requires std::is_arithmetic_v<T>
    void GetData(T &value)
    {
        QByteArray bytes;
        take(bytes, int(sizeof(T)), true);
        if (bytes.size() == int(sizeof(T)))
            value = qFromLittleEndian<T>(bytes.constData());
    }

    // Connects to `host` (a name or a dotted address; empty keeps RemoteHost)
    // and `port` (negative keeps RemotePort). A dotted address goes straight to
    // sockConnecting; a name passes through sockResolvingHost and
    // sockHostResolved. No remote host at all: 10049.
    void Connect(const QString &host = QString(), int port = -1);
    // Local address for Listen: a port > 0 replaces LocalPort, a non-empty
    // address replaces LocalIP (empty means every local address).
    void Bind(int localPort, const QString &localIP = QString());
    // Listens (backlog 5) on LocalIP:LocalPort; a LocalPort of 0 takes any free
    // port, which LocalPort then reports. Failure: state sockError and the error.
    void Listen();
    // Takes over the connection announced by OnConnectionRequest. Call it from
    // the OnConnectionRequest handler: a connection nobody accepts by the time
    // the handler returns is closed.
    void Accept(qintptr requestId);
    // Connected: shuts down the sending side (after the queued bytes are out),
    // state sockClosing; OnClose follows when the peer closes its side too.
    // Any other state: the socket is destroyed at once (sockClosed, no event).
    void CloseSocket();
    // Destroys the socket at once whatever its state: sockClosed, no event.
    void Abort();

    // --- properties -------------------------------------------------------
    int State() const { return m_state; }
    qintptr SocketHandle() const;
    int RemotePort() const { return m_remotePort; }
    void setRemotePort(int port) { m_remotePort = port; }
    QString RemoteHostIP() const { return m_remoteHostIP; }
    QString RemoteHost() const { return m_remoteHost; }
    void setRemoteHost(const QString &host);
    int Protocol() const { return m_protocol; }
    void setProtocol(int protocol);
    int LocalPort() const { return m_localPort; }
    void setLocalPort(int port) { m_localPort = port; }
    QString LocalIP() const { return m_localIP; }
    QString LocalHostName() const { return m_localHostName; }
    qint64 BytesReceived() const { return m_bytesReceived; }
    // Bytes received and not yet taken by GetData.
    int BytesBuffered() const { return int(m_receiveBuffer.size()); }
    // Bytes handed to SendData that have not left this machine yet: still
    // queued here or in the system's send queue (not yet acknowledged by the peer).
    qint64 BytesNotSent() const;
    // The peer address of a connection announced by OnConnectionRequest and not
    // yet accepted; empty when it cannot be read.
    static QString RequestPeerIP(qintptr requestId);

signals:
    void OnClose();
    void OnConnect();
    void OnConnectionRequest(qintptr requestId);
    void OnDataArrival(int bytesTotal);
    // statusCode is always 0; source is empty for errors reported by the
    // system, "CSocket.PostGetHostEvent" for a failed resolution.
    void OnError(int number, const QString &description, int statusCode, const QString &source);
    void OnSendComplete();
    void OnSendProgress(qint64 bytesSent, qint64 bytesRemaining);

private:
    friend class CSocketListener;

    void take(QByteArray &data, int maxLength, bool remove);
    void EnsureSocket(const char *operation);
    void attachTcp(QTcpSocket *tcp);
    void connectToResolved();
    void DestroySocket();
    void shutdownSending();
    [[noreturn]] void raise(int number, const char *operation) const;

    // Notification handlers (queued from the Qt socket, checked against the
    // current socket generation so that late notifications of a destroyed
    // socket are dropped).
    void onConnected();
    void onReadyRead();
    void onBytesWritten(qint64 bytes);
    void onDisconnected();
    void onSocketError(int qtError, const QString &qtText);
    void PostGetHostEvent(int requestId, const QHostInfo &info);
    void onIncomingConnection(qintptr descriptor);
    int RecvToBuffer();
    void notifyError(int number, const QString &source);

    int m_protocol = 0;
    int m_state = sockClosed;
    qint64 m_bytesReceived = 0;
    QString m_localHostName;
    QString m_localIP;
    int m_localPort = 0;
    QString m_remoteHost;
    QString m_remoteHostIP;
    int m_remotePort = 0;
    int m_resolveRequest = 0; // pending name resolution (0 = none)
    QByteArray m_receiveBuffer;
    bool m_bound = false;
    bool m_sendCompletePending = false;
    bool m_shutdownPending = false; // CloseSocket waits for queued bytes before shutting down
    bool m_hasSocket = false;       // a socket exists (connecting, connected, listening ...)
    quint64 m_generation = 0;       // bumped by DestroySocket
    QPointer<QTcpSocket> m_tcp;
    QPointer<CSocketListener> m_listener;
};

} // namespace vexl
