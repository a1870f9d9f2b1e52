// CSocket against loopback peers made of Qt's own sockets.

#include "ftp/csocket.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace vexl;

namespace {

// A loopback peer: accepts connections and keeps what they send.
class Peer : public QObject
{
public:
    Peer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                sockets.append(s);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { received += s->readAll(); });
                connect(s, &QTcpSocket::disconnected, this, [this] { ++disconnects; });
            }
        });
    }
    quint16 port() const { return server.serverPort(); }
    QTcpSocket *last() const { return sockets.isEmpty() ? nullptr : sockets.last(); }

    QTcpServer server;
    QList<QTcpSocket *> sockets;
    QByteArray received;
    int disconnects = 0;
};

quint16 closedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort(); // closed again when s goes
}

void connectTo(CSocket &socket, const Peer &peer)
{
    QSignalSpy connected(&socket, &CSocket::OnConnect);
    socket.Connect(QStringLiteral("127.0.0.1"), peer.port());
    QVERIFY(connected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(peer.last() != nullptr, 5000);
}

QByteArray randomBytes(int size)
{
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        b[i] = char(QRandomGenerator::global()->bounded(256));
    return b;
}

template<typename F>
void expectError(F &&call, int number, const QString &source)
{
    try {
        call();
        QFAIL("no error raised");
    } catch (const VexlError &e) {
        QCOMPARE(e.number, number);
        QCOMPARE(e.description, GetErrorDescription(number));
        QCOMPARE(e.source, source);
    }
}

} // namespace

class TestCSocket : public QObject
{
    Q_OBJECT

private slots:
    void synchronousErrors();
    void connectStates_data();
    void connectStates();
    void asynchronousErrors_data();
    void asynchronousErrors();
    void takeReceivedBytes_data();
    void takeReceivedBytes();
    void largeSendReportsProgressThenCompletion();
    void peerCloseDeliversAllDataFirst();
    void closeConnectedGoesThroughClosing();
    void closeWhileConnectingRaisesNothing();
    void listenAndAccept();
    void unacceptedConnectionIsClosed();
};



void TestCSocket::synchronousErrors()
{
    CSocket s;
    expectError([&] { s.SendData(QByteArray("x")); }, 40006, QStringLiteral("CSocket.SendData"));
    expectError([&] { s.Connect(); }, 10049, QStringLiteral("CSocket.Connect"));
    QCOMPARE(s.State(), int(sockClosed));
    s.Connect(QStringLiteral("127.0.0.1"), closedPort());
    expectError([&] { s.SendData(QByteArray("x")); }, 10057, QStringLiteral("CSocket.SendData"));
    expectError([&] { s.Connect(QStringLiteral("127.0.0.1"), 1); }, 10037, QStringLiteral("CSocket.Connect"));
    s.CloseSocket();
}

void TestCSocket::connectStates_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("stateAfterCall");
    QTest::addRow("dotted address, no resolution") << "127.0.0.1" << int(sockConnecting);
    QTest::addRow("name, resolved first") << "localhost" << int(sockResolvingHost);
}

void TestCSocket::connectStates()
{
    QFETCH(QString, host);
    QFETCH(int, stateAfterCall);
    Peer peer;
    CSocket s;
    QSignalSpy connected(&s, &CSocket::OnConnect);
    s.Connect(host, peer.port());
    QCOMPARE(s.State(), stateAfterCall);
    QVERIFY(connected.wait(5000));
    QCOMPARE(s.State(), int(sockConnected));
    QCOMPARE(s.RemoteHostIP(), QStringLiteral("127.0.0.1"));
    QCOMPARE(s.RemotePort(), int(peer.port()));
    QCOMPARE(s.LocalIP(), QStringLiteral("127.0.0.1"));
    QVERIFY(s.LocalPort() > 0);
    QVERIFY(s.SocketHandle() >= 0);
}

void TestCSocket::asynchronousErrors_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("source");
    // "bad..name" is refused by the resolver itself: no query leaves the machine.
    QTest::addRow("refused") << "127.0.0.1" << 10061 << "";
    QTest::addRow("host not found") << "bad..name" << 11001 << "CSocket.PostGetHostEvent";
}

void TestCSocket::asynchronousErrors()
{
    QFETCH(QString, host);
    QFETCH(int, number);
    CSocket s;
    QSignalSpy errors(&s, &CSocket::OnError);
    QSignalSpy connected(&s, &CSocket::OnConnect);
    s.Connect(host, closedPort());
    QVERIFY(errors.wait(5000));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), number);
    QCOMPARE(errors.at(0).at(1).toString(), GetErrorDescription(number));
    QTEST(errors.at(0).at(3).toString(), "source");
    QCOMPARE(s.State(), int(sockError));
    QCOMPARE(connected.count(), 0);
}

void TestCSocket::takeReceivedBytes_data()
{
    QTest::addColumn<QList<int>>("takes"); // >0 GetData(n); 0 GetData(); <0 PeekData(-n); -1000 PeekData()
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("left");
    QTest::addRow("all") << QList<int>{0} << QStringList{"abcdef"} << 0;
    QTest::addRow("length larger than the buffer takes all") << QList<int>{10} << QStringList{"abcdef"} << 0;
    QTest::addRow("leading part, then the rest") << QList<int>{2, 0} << QStringList{"ab", "cdef"} << 0;
    QTest::addRow("peek twice gives the same bytes") << QList<int>{-3, -3} << QStringList{"abc", "abc"} << 6;
    QTest::addRow("peek all leaves the buffer") << QList<int>{-1000, 4} << QStringList{"abcdef", "abcd"} << 2;
    QTest::addRow("empty buffer leaves the data untouched") << QList<int>{0, 0} << QStringList{"abcdef", "keep"} << 0;
}

void TestCSocket::takeReceivedBytes()
{
    QFETCH(QList<int>, takes);
    QFETCH(QStringList, results);
    Peer peer;
    CSocket s;
    connectTo(s, peer);
    QSignalSpy arrival(&s, &CSocket::OnDataArrival);
    peer.last()->write("abcdef");
    QTRY_COMPARE_WITH_TIMEOUT(s.BytesBuffered(), 6, 5000);
    QCOMPARE(arrival.last().at(0).toInt(), 6);
    for (int i = 0; i < takes.size(); ++i) {
        QByteArray data("keep");
        const int t = takes.at(i);
        if (t >= 0)
            s.GetData(data, t);
        else
            s.PeekData(data, t == -1000 ? 0 : -t);
        QCOMPARE(QString::fromLatin1(data), results.at(i));
    }
    QTEST(s.BytesBuffered(), "left");
    QCOMPARE(s.BytesReceived(), qint64(6));
}

void TestCSocket::largeSendReportsProgressThenCompletion()
{
    Peer peer;
    CSocket s;
    connectTo(s, peer);
    const QByteArray payload = randomBytes(8 * 1024 * 1024);
    QList<QString> order;
    qint64 sent = 0;
    qint64 lastRemaining = -1;
    connect(&s, &CSocket::OnSendProgress, this, [&](qint64 n, qint64 remaining) {
        sent += n;
        lastRemaining = remaining;
        order << QStringLiteral("progress");
    });
    connect(&s, &CSocket::OnSendComplete, this, [&] { order << QStringLiteral("complete"); });
    s.SendData(payload);
    QTRY_COMPARE_WITH_TIMEOUT(order.count(QStringLiteral("complete")), 1, 20000);
    QCOMPARE(order.last(), QStringLiteral("complete"));
    QVERIFY2(order.count(QStringLiteral("progress")) > 1, "a large send goes out in parts");
    QCOMPARE(sent, qint64(payload.size()));
    QCOMPARE(lastRemaining, qint64(0));
    QTRY_COMPARE_WITH_TIMEOUT(peer.received.size(), payload.size(), 20000);
    QVERIFY(peer.received == payload);
}



void TestCSocket::peerCloseDeliversAllDataFirst()
{
    Peer peer;
    CSocket s;
    connectTo(s, peer);
    const QByteArray payload = randomBytes(300 * 1024);
    QByteArray got;
    bool closedBeforeAllData = false;
    int closes = 0;
    connect(&s, &CSocket::OnDataArrival, this, [&] {
        QByteArray part;
        s.GetData(part);
        got += part;
    });
    connect(&s, &CSocket::OnClose, this, [&] {
        ++closes;
        closedBeforeAllData = got.size() != payload.size();
    });
    peer.last()->write(payload);
    peer.last()->disconnectFromHost(); // flushes, then closes
    QTRY_COMPARE_WITH_TIMEOUT(closes, 1, 10000);
    QVERIFY(!closedBeforeAllData);
    QVERIFY(got == payload);
    QCOMPARE(s.State(), int(sockClosed));
    QCOMPARE(s.SocketHandle(), qintptr(-1));
}

void TestCSocket::closeConnectedGoesThroughClosing()
{
    Peer peer;
    CSocket s;
    connectTo(s, peer);
    QTcpSocket *remote = peer.last();
    // The peer closes as soon as it sees our side shut down.
    connect(remote, &QTcpSocket::readChannelFinished, remote, [remote] { remote->disconnectFromHost(); });
    QSignalSpy closed(&s, &CSocket::OnClose);
    s.SendData(QByteArray("last words"));
    s.CloseSocket();
    QCOMPARE(s.State(), int(sockClosing));
    QVERIFY(closed.wait(5000));
    QCOMPARE(s.State(), int(sockClosed));
    QCOMPARE(peer.received, QByteArray("last words"));
}

void TestCSocket::closeWhileConnectingRaisesNothing()
{
    Peer peer;
    CSocket s;
    QSignalSpy closed(&s, &CSocket::OnClose);
    QSignalSpy connected(&s, &CSocket::OnConnect);
    QSignalSpy errors(&s, &CSocket::OnError);
    s.Connect(QStringLiteral("127.0.0.1"), peer.port());
    QCOMPARE(s.State(), int(sockConnecting));
    s.CloseSocket();
    QCOMPARE(s.State(), int(sockClosed));
    // The peer sees the connection come and go; by then any event of ours
    // would have been delivered.
    QTRY_COMPARE_WITH_TIMEOUT(peer.disconnects, peer.sockets.size(), 5000);
    QCoreApplication::processEvents();
    QCOMPARE(closed.count(), 0);
    QCOMPARE(connected.count(), 0);
    QCOMPARE(errors.count(), 0);
}

void TestCSocket::listenAndAccept()
{
    CSocket listener;
    CSocket accepted;
    listener.Bind(0, QStringLiteral("127.0.0.1"));
    listener.Listen();
    QCOMPARE(listener.State(), int(sockListening));
    QVERIFY(listener.LocalPort() > 0);
    connect(&listener, &CSocket::OnConnectionRequest, this, [&](qintptr id) {
        listener.CloseSocket();
        accepted.Accept(id);
    });
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, quint16(listener.LocalPort()));
    QVERIFY(client.waitForConnected(5000));
    QTRY_COMPARE_WITH_TIMEOUT(accepted.State(), int(sockConnected), 5000);
    QCOMPARE(listener.State(), int(sockClosed));
    QCOMPARE(accepted.RemoteHostIP(), QStringLiteral("127.0.0.1"));
    QCOMPARE(accepted.RemotePort(), int(client.localPort()));
    client.write("hello");
    QTRY_COMPARE_WITH_TIMEOUT(accepted.BytesBuffered(), 5, 5000);
    accepted.SendData(QByteArray("back"));
    QTRY_COMPARE_WITH_TIMEOUT(client.bytesAvailable(), qint64(4), 5000);
}

void TestCSocket::unacceptedConnectionIsClosed()
{
    CSocket listener;
    listener.Bind(0, QStringLiteral("127.0.0.1"));
    listener.Listen();
    QSignalSpy requests(&listener, &CSocket::OnConnectionRequest);
    QTcpSocket client;
    QSignalSpy gone(&client, &QTcpSocket::disconnected);
    client.connectToHost(QHostAddress::LocalHost, quint16(listener.LocalPort()));
    QVERIFY(gone.wait(5000));
    QCOMPARE(requests.count(), 1);
    QCOMPARE(listener.State(), int(sockListening));
}

QTEST_GUILESS_MAIN(TestCSocket)
#include "tst_csocket.moc"
