// CSocket against loopback peers made of Qt's own sockets.

#include "ftptesthelpers.h"

#include "ftp/csocket.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace vexl;
using namespace vexl::test;

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
    QTcpSocket *last() const { return sockets.value(sockets.size() - 1); }

    QTcpServer server;
    QList<QTcpSocket *> sockets;
    QByteArray received;
    int disconnects = 0;
};

void connectTo(CSocket &socket, const Peer &peer)
{
    QSignalSpy connected(&socket, &CSocket::OnConnect);
    socket.Connect(QStringLiteral("127.0.0.1"), peer.port());
    QVERIFY(connected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(peer.last() != nullptr, 5000);
}

} // namespace

class TestCSocket : public QObject
{
    Q_OBJECT

private slots:
    void synchronousErrors();
    void connect_data();
    void connect();
    void takeReceivedBytes_data();
    void takeReceivedBytes();
    void closeConnectedGoesThroughClosing();
    void closeWhileConnectingRaisesNothing();
    void unacceptedConnectionIsClosed();
};

void TestCSocket::synchronousErrors()
{
    CSocket s;
    QVERIFY(raised([&] { s.SendData(QByteArray("x")); }).startsWith(QLatin1String("40006 CSocket.SendData: ")));
    QCOMPARE(raised([&] { s.Connect(); }), QStringLiteral("10049 CSocket.Connect: Cannot assign requested address."));
    QCOMPARE(s.State(), int(sockClosed));
    s.Connect(QStringLiteral("127.0.0.1"), closedPort());
    QCOMPARE(raised([&] { s.SendData(QByteArray("x")); }),
             QStringLiteral("10057 CSocket.SendData: Socket is not connected."));
    QCOMPARE(raised([&] { s.Connect(QStringLiteral("127.0.0.1"), 1); }),
             QStringLiteral("10037 CSocket.Connect: Operation already in progress."));
    s.CloseSocket();
}

void TestCSocket::connect_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<int>("stateAfterCall");
    QTest::addColumn<QString>("error"); // "number description (source)"
    QTest::addRow("dotted address, no resolution") << "127.0.0.1" << true << int(sockConnecting) << "";
    QTest::addRow("name, resolved first") << "localhost" << true << int(sockResolvingHost) << "";
    // "bad..name" is refused by the resolver itself: no query leaves the machine.
    QTest::addRow("host not found") << "bad..name" << false << int(sockResolvingHost)
                                    << "11001 Host not found. (CSocket.PostGetHostEvent)";
}

void TestCSocket::connect()
{
    QFETCH(QString, host);
    QFETCH(bool, listening);
    Peer peer;
    CSocket s;
    QSignalSpy connected(&s, &CSocket::OnConnect);
    QSignalSpy errors(&s, &CSocket::OnError);
    s.Connect(host, listening ? peer.port() : closedPort());
    QTEST(s.State(), "stateAfterCall");
    QTRY_COMPARE_WITH_TIMEOUT(connected.count() + errors.count(), 1, 5000);
    QTEST(errors.isEmpty() ? QString()
                           : QStringLiteral("%1 %2 (%3)").arg(errors[0][0].toInt()).arg(errors[0][1].toString(),
                                                                                         errors[0][3].toString()),
          "error");
    if (!errors.isEmpty()) {
        QCOMPARE(s.State(), int(sockError));
        return;
    }
    QCOMPARE(s.State(), int(sockConnected));
}

void TestCSocket::takeReceivedBytes_data()
{
    QTest::addColumn<QList<int>>("takes"); // >0 GetData(n); 0 GetData(); <0 PeekData(-n); -1000 PeekData()
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("left");
    QTest::addRow("length larger than the buffer takes all") << QList<int>{10} << QStringList{"abcdef"} << 0;
    QTest::addRow("leading part, then the rest") << QList<int>{2, 0} << QStringList{"ab", "cdef"} << 0;
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

void TestCSocket::closeConnectedGoesThroughClosing()
{
    Peer peer;
    CSocket s;
    connectTo(s, peer);
    QTcpSocket *remote = peer.last();
    // The peer closes as soon as it sees our side shut down.
    QObject::connect(remote, &QTcpSocket::readChannelFinished, remote, [remote] { remote->disconnectFromHost(); });
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
    // Once the peer has seen the connection come and go, any event of ours
    // would have been delivered.
    QTRY_COMPARE_WITH_TIMEOUT(peer.disconnects, peer.sockets.size(), 5000);
    QCoreApplication::processEvents();
    QCOMPARE(closed.count() + connected.count() + errors.count(), 0);
}

// Accepting is covered by the client's active mode; a request nobody accepts
// is closed.
void TestCSocket::unacceptedConnectionIsClosed()
{
    CSocket listener;
    listener.Bind(0, QStringLiteral("127.0.0.1"));
    listener.Listen();
    QCOMPARE(listener.State(), int(sockListening));
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
