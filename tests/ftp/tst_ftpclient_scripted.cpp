// CFtpClient against a scripted server: odd, cut, late or missing replies, and
// arguments that try to smuggle in a second command.

#include "ftptesthelpers.h"
#include "testsupport.h"

#include "ftp/cftpclient.h"
#include "ftp/csocket.h"
#include "support/vexlerror.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>

using namespace vexl;
using namespace vexl::test;

Q_DECLARE_METATYPE(vexl::test::Delivery)

namespace {
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

// What a client reports: completions as "OnConnect:0", replies, states, progress.
class ClientRecorder : public QObject
{
public:
    QStringList completions, replies;
    QList<int> states;
    QList<qint64> progress;

    explicit ClientRecorder(CFtpClient &client)
    {
        using Event = void (CFtpClient::*)(int);
        const std::pair<Event, const char *> events[] = {
            {&CFtpClient::OnConnect, "OnConnect"},
            {&CFtpClient::OnGetCurrentDirectory, "OnGetCurrentDirectory"},
            {&CFtpClient::OnSetCurrentDirectory, "OnSetCurrentDirectory"},
            {&CFtpClient::OnUploadFile, "OnUploadFile"},
            {&CFtpClient::OnEnumFiles, "OnEnumFiles"}};
        for (const auto &[event, name] : events)
            connect(&client, event, this, [this, name](int r) { completions << QStringLiteral("%1:%2").arg(name).arg(r); });
        connect(&client, &CFtpClient::OnStateChange, this, [this](int s) { states << s; });
        connect(&client, &CFtpClient::OnDataTransferProgress, this, [this](qint64 n) { progress << n; });
        connect(&client, &CFtpClient::SessionProtocolMessage, this, [this](const QString &text, int kind) {
            if (kind != FTP_USER_COMMAND)
                replies << text;
        });
    }

    int count(const QString &event) const { return completions.filter(event + QLatin1Char(':')).size(); }
    // Waits (bounded) for the n-th completion of `event`; its result, or -1.
    int waitFor(const QString &event, int n = 1, int timeoutMs = 15000)
    {
        for (QDeadlineTimer deadline(timeoutMs); count(event) < n && !deadline.hasExpired();)
            QTest::qWait(5);
        const QStringList seen = completions.filter(event + QLatin1Char(':'));
        return seen.size() >= n ? seen.at(n - 1).section(QLatin1Char(':'), 1).toInt() : -1;
    }
};

// A client and a scripted server for it.
struct Session
{
    ScriptedFtpServer server;
    CFtpClient client;
    ClientRecorder rec{client};

    explicit Session(Delivery delivery = Delivery::Whole) : server(delivery) { client.setPassiveMode(true); }
    // Connects and logs in (to `port`, else the scripted server); true when OnConnect reported arStatusOk.
    bool login(quint16 port = 0)
    {
        client.setFtpServer(QStringLiteral("127.0.0.1"));
        client.setRemotePort(port ? port : server.port());
        client.setUserName(QStringLiteral("user"));
        client.setPassword(QStringLiteral("pass"));
        const int before = rec.count(QStringLiteral("OnConnect"));
        client.Connect();
        return rec.waitFor(QStringLiteral("OnConnect"), before + 1) == arStatusOk;
    }
};

QByteArray randomBytes(qsizetype size)
{
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(b.data()), size / 4);
    for (qsizetype i = size / 4 * 4; i < size; ++i)
        b[i] = char(i);
    return b;
}

quint16 closedPort() // of 127.0.0.1, where nothing listens
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort(); // closed again when s goes
}

// Calls the client method named `method` with a (and b, the target); returns its event.
QString start(CFtpClient &client, const QString &method, const QString &a = {}, const QString &b = {})
{
    if (method == QLatin1String("SetCurrentDirectory")) client.SetCurrentDirectory(a);
    else if (method == QLatin1String("CreateDirectory")) client.CreateDirectory(a);
    else if (method == QLatin1String("RemoveDirectory")) client.RemoveDirectory(a);
    else if (method == QLatin1String("DeleteFile")) client.DeleteFile(a);
    else if (method == QLatin1String("RenameFile")) client.RenameFile(a, b);
    else if (method == QLatin1String("DownloadFile")) client.DownloadFile(a, b, false);
    else if (method == QLatin1String("UploadFile")) client.UploadFile(a, b);
    else if (method == QLatin1String("EnumFiles")) client.EnumFiles();
    else if (method == QLatin1String("Connect")) {
        client.setUserName(a);
        client.Connect();
    }
    else qFatal("no method %s", qPrintable(method));
    return QStringLiteral("On") + method;
}

// Reads `socket` until the client has closed it; everything it sent.
QByteArray readToEnd(QTcpSocket *socket, int timeoutMs = 5000)
{
    QByteArray bytes;
    (void)QTest::qWaitFor([&] {
        bytes += socket->readAll();
        return socket->state() == QAbstractSocket::UnconnectedState;
    }, timeoutMs);
    return bytes + socket->readAll();
}
} // namespace

class TestFtpClientScripted : public QObject
{
    Q_OBJECT

private slots:
    void session_data()
    {
        QTest::addColumn<Delivery>("delivery");
        // Besides the usual answers: "greeting TEXT", "VERB TEXT" (TEXT "close" closes
        // the connection), "unsolicited TEXT" after the login, or "refused".
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("method"); // started after the login
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("outcome"); // completion events, then the last error: "number source"
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("directory");

        const QByteArray all = "USER user|PASS pass|PWD";
        const QString ok = QStringLiteral("OnConnect:0");
        const QString failed = QStringLiteral("OnConnect:1 %1 FtpClientX.CFtpClient");
        const std::pair<Delivery, const char *> deliveries[] = {
            {Delivery::Whole, "whole"}, {Delivery::ByteByByte, "byte by byte"}};
        for (const auto &[d, n] : deliveries) {
            QTest::addRow("normal login, %s", n) << d << QByteArray() << "" << all << ok << false << "/";
            QTest::addRow("greeting 421, %s", n)
                << d << QByteArray("greeting 421 Too many users\r\n") << "" << QByteArray() << failed.arg(16421) << true
                << "";
            QTest::addRow("USER answered 230, %s", n) << d << QByteArray("USER 230 Logged in\r\n") << ""
                                                      << QByteArray("USER user|PWD") << ok << false << "/";
            QTest::addRow("PWD reply without quotes, %s", n)
                << d << QByteArray("PWD 257 /home is current\r\n") << "" << all << failed.arg(16001) << true << "";
            QTest::addRow("PWD path with backslashes, %s", n)
                << d << QByteArray("PWD 257 \"\\pub\\images\" is current\r\n") << "" << all << ok << false << "/pub/images";
            // The third line starts with other digits and a space: not the end.
            QTest::addRow("multi-line greeting, %s", n)
                << d << QByteArray("greeting 220-Welcome\r\n220-second line\r\n230 users online\r\n220 Ready\r\n") << ""
                << all << ok << false << "/";
        }
        const Delivery whole = Delivery::Whole;
        QByteArray lines = "greeting 220-Welcome\r\n";
        while (lines.size() < 70 * 1024)
            lines += "220-" + QByteArray(1018, 'y') + "\r\n";
        QTest::addRow("multi-line reply without its end")
            << whole << lines << "" << QByteArray() << "OnConnect:1 16010 CFtpClient.m_objControlSocket_OnDataArrival"
            << true << "";
        QTest::addRow("connection refused") << whole << QByteArray("refused") << "" << QByteArray()
                                            << "OnConnect:1 10061 CFtpClient.m_objControlSocket_OnError" << true << "";
        const QString lost = QStringLiteral("%1:1 16009 CFtpClient.m_objControlSocket_OnClose");
        QTest::addRow("closed after USER") << whole << QByteArray("USER close") << "" << QByteArray("USER user")
                                           << lost.arg("OnConnect") << true << "";
        QTest::addRow("closed during LIST") << whole << QByteArray("LIST close") << "EnumFiles" << all + "|TYPE A|PASV|LIST"
                                            << ok + " " + lost.arg("OnEnumFiles") << true << "/";
        QTest::addRow("unsolicited 421") << whole << QByteArray("unsolicited 421 Idle too long\r\n") << "" << all << ok
                                         << true << "/";
        const quint16 nobody = closedPort();
        QTest::addRow("227 naming a port where nothing listens")
            << whole << QStringLiteral("PASV 227 Entering Passive Mode (127,0,0,1,%1,%2).\r\n").arg(nobody / 256).arg(nobody % 256).toLatin1()
            << "EnumFiles" << all + "|TYPE A|PASV" << ok + " OnEnumFiles:1 10061 CFtpClient.m_objDataSocket_OnError" << false
            << "/";
        QTest::addRow("227 with a field above 255")
            << whole << QByteArray("PASV 227 Entering Passive Mode (127,0,0,1,256,7).\r\n") << "EnumFiles"
            << all + "|TYPE A|PASV" << ok + " OnEnumFiles:1 16011 CFtpClient.EstablishPasvDataConnection" << false << "/";
    }

    void session()
    {
        QFETCH(Delivery, delivery);
        QFETCH(QByteArray, script);
        QFETCH(QString, method);
        Session session(delivery);
        auto &[server, client, rec] = session;
        quint16 port = 0;
        QByteArray unsolicited;
        const QByteArray verb = script.split(' ').value(0), text = script.mid(verb.size() + 1);
        if (verb == "refused")
            port = closedPort();
        else if (verb == "greeting")
            server.greeting = text;
        else if (verb == "unsolicited")
            unsolicited = text;
        else if (!verb.isEmpty())
            server.reply(verb, text);
        if (session.login(port) && !method.isEmpty())
            rec.waitFor(start(client, method, QStringLiteral("docs")));
        server.send(unsolicited);
        QFETCH(bool, closed);
        QTRY_COMPARE_WITH_TIMEOUT(client.FtpSessionState(), int(closed ? ftpClosed : ftpFreeState), 5000);

        QStringList outcome = rec.completions;
        if (client.LastFtpError().Number() != 0)
            outcome << QString::number(client.LastFtpError().Number()) << client.LastFtpError().Source();
        QTEST(outcome.join(QLatin1Char(' ')), "outcome");
        QTEST(server.commands.join('|'), "sent");
        QTEST(client.CurrentDirectory(), "directory");
        QCOMPARE(client.PendingMethod(), 0);
        QCOMPARE(client.DataSocket().State(), int(sockClosed));
        if (!rec.replies.isEmpty()) // the greeting is shown whole, never a fragment of it
            QCOMPARE(rec.replies.first(), QString::fromLatin1(server.greeting).trimmed());
        if (rec.completions.first() == QLatin1String("OnConnect:0")) {
            QCOMPARE(rec.states.mid(0, 3), (QList<int>{ftpConnecting, ftpConnected, ftpAuthentication}));
            QVERIFY(rec.states.contains(ftpUserLoggedIn));
        }
        if (closed && server.connections > 0)
            QTRY_VERIFY_WITH_TIMEOUT(server.controlClosed, 5000);
    }

    // A listing ends once both its final reply and its data's end have come, in either
    // order; a server that never stops sending meets the client's size and time limits.
    void listing_data()
    {
        QTest::addColumn<QString>("how"); // "226 first", "close first", "endless", "trickle" (a line at a time)
        QTest::addColumn<QString>("announced"); // in the 227 reply; not to be trusted
        QTest::addColumn<QString>("outcome"); // the listing's result, then "number source" of its error
        QTest::addRow("226 before the data connection closes") << "226 first" << "127.0.0.1" << "0 0";
        QTest::addRow("226 after the data connection closes, 227 naming another address")
            << "close first" << "127.0.0.2" << "0 0";
        QTest::addRow("endless listing") << "endless" << "127.0.0.1" << "1 16012 CFtpClient.m_objDataSocket_OnDataArrival";
        // Each block of data resets the one-second time-out: only the two-second limit ends it.
        QTest::addRow("listing past its time limit") << "trickle" << "127.0.0.1" << "1 16013 CFtpClient.EnumFiles";
    }

    void listing()
    {
        QFETCH(QString, how);
        QFETCH(QString, announced);
        Session session;
        auto &[server, client, rec] = session;
        // The data listener is on 127.0.0.1 only: following 127.0.0.2 is refused.
        server.reply("PASV", server.pasvReply(announced));
        QVERIFY(session.login());
        const bool endless = !how.endsWith(QLatin1String("first"));
        client.setTimeOut(endless ? 1 : 30);
        client.setListingTimeLimit(2);
        QElapsedTimer clock;
        clock.start();
        client.EnumFiles();
        QTRY_VERIFY_WITH_TIMEOUT(server.commands.contains("LIST") && !server.dataSockets.isEmpty(), 5000);
        QTcpSocket *data = server.dataSockets.first();
        const QByteArray listing = "-rw-r--r-- 1 u g 10 Jan 12 12:34 a.jpg\r\ndrwxr-xr-x 2 u g 4096 Jan 12 12:34 sub\r\n";
        QByteArray block;
        while (endless && block.size() < 1024 * 1024)
            block += listing;
        // The server never stops sending: only the client's limits end the listing.
        QVERIFY(!endless || QTest::qWaitFor([&] {
            if (data->state() == QAbstractSocket::ConnectedState && data->bytesToWrite() < 4 * block.size())
                data->write(how == QLatin1String("trickle") ? listing : block);
            return rec.count(QStringLiteral("OnEnumFiles")) > 0;
        }, 15000));
        if (!endless) {
            data->write(listing);
            data->flush();
            QTRY_COMPARE_WITH_TIMEOUT(rec.progress.value(rec.progress.size() - 1), qint64(listing.size()), 5000);
        }
        if (how == QLatin1String("226 first")) {
            server.send("226 Transfer complete\r\n");
            QTRY_VERIFY_WITH_TIMEOUT(rec.replies.contains(QStringLiteral("226 Transfer complete")), 5000);
            QCOMPARE(rec.count(QStringLiteral("OnEnumFiles")), 0); // the data connection is still open
            data->disconnectFromHost();
        } else if (how == QLatin1String("close first")) {
            data->disconnectFromHost();
            QTRY_COMPARE_WITH_TIMEOUT(client.DataSocket().State(), int(sockClosed), 5000);
            QCOMPARE(rec.count(QStringLiteral("OnEnumFiles")), 0); // the final reply has not come
            server.send("226 Transfer complete\r\n");
        }
        const int result = rec.waitFor(QStringLiteral("OnEnumFiles"));
        const CFtpError &error = client.LastFtpError();
        QTEST(QStringLiteral("%1 %2 %3").arg(result).arg(error.Number()).arg(error.Source()).trimmed(), "outcome");
        QCOMPARE(rec.count(QStringLiteral("OnEnumFiles")), 1);
        QCOMPARE(server.dataSockets.size(), 1);
        QCOMPARE(client.CurrentDirectoryFiles().Count(), endless ? 0 : 2);
        QVERIFY(rec.progress.last() <= 32 * 1024 * 1024);
        QCOMPARE(client.DataSocket().State(), int(sockClosed));
        QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
        if (how == QLatin1String("trickle"))
            QVERIFY2(clock.elapsed() >= 1900 && clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
    }

    void silenceCancelAndLateReply_data()
    {
        // What the server answers the abandoned CWD once it was cancelled.
        QTest::addColumn<QByteArray>("late");
        QTest::addColumn<bool>("timesOut"); // the CWD times out (twice) before it is cancelled
        QTest::addRow("late final reply") << QByteArray("550 slow: no such directory\r\n") << true;
        // A preliminary reply is not the owed answer: it is skipped, and so is the final one.
        QTest::addRow("late preliminary, then final reply")
            << QByteArray("150 Opening data connection\r\n426 Connection closed; transfer aborted\r\n") << false;
    }

    void silenceCancelAndLateReply()
    {
        QFETCH(QByteArray, late);
        QFETCH(bool, timesOut);
        Session session;
        auto &[server, client, rec] = session;
        server.reply("CWD", QByteArray()); // never answers
        QVERIFY(session.login());
        client.setTimeOut(1);
        client.SetCurrentDirectory(QStringLiteral("slow"));
        if (timesOut) {
            QCOMPARE(rec.waitFor(QStringLiteral("OnSetCurrentDirectory"), 2, 5000), int(arStatusTimeOut));
            QCOMPARE(client.PendingMethod(), 3); // still pending
            QVERIFY(client.Busy());
            QCOMPARE(client.LastFtpError().Number(), 10060);
        }
        client.CancelAsyncMethod();
        const QStringList cancelled = timesOut ? QStringList{"OnConnect:0", "OnSetCurrentDirectory:2", "OnSetCurrentDirectory:2",
                                                             "OnSetCurrentDirectory:3"}
                                               : QStringList{"OnConnect:0", "OnSetCurrentDirectory:3"};
        QCOMPARE(rec.completions, cancelled);
        QCOMPARE(client.PendingMethod(), 0);
        QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
        if (timesOut) // nothing more: longer than the time-out
            QVERIFY(!QTest::qWaitFor([&] { return rec.completions.size() > 4; }, 1500));

        // The late answer to the cancelled CWD is not read as the answer to PWD.
        server.send(late);
        server.reply("PWD", "257 \"/pub\" is current\r\n");
        client.GetCurrentDirectory();
        QCOMPARE(rec.waitFor(QStringLiteral("OnGetCurrentDirectory")), int(arStatusOk));
        QCOMPARE(client.CurrentDirectory(), QStringLiteral("/pub"));

        // A new Connect ends the pending method with a cancel.
        client.SetCurrentDirectory(QStringLiteral("slow"));
        QVERIFY(session.login());
        QCOMPARE(rec.completions.mid(rec.completions.size() - 2), (QStringList{"OnSetCurrentDirectory:3", "OnConnect:0"}));
        QCOMPARE(server.connections, 2);
    }

    void uploadEndsEarly_data()
    {
        // How the first upload ends while the file is still going out.
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("outcome"); // "number source" of the upload's error
        QTest::addRow("data connection reset mid-STOR") << "reset" << int(arStatusError)
                                                        << "10054 CFtpClient.m_objDataSocket_OnClose";
        QTest::addRow("premature 226") << "226" << int(arStatusError) << "16014 CFtpClient.UploadFile";
        QTest::addRow("cancelled mid-STOR") << "cancel" << int(arStatusCancel) << "0"; // no error
    }

    void uploadEndsEarly()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString big = dir.filePath(QStringLiteral("big.bin")), small = dir.filePath(QStringLiteral("small.bin"));
        const QByteArray smallBytes = randomBytes(3000);
        QVERIFY(writeFile(big, randomBytes(16 * 1024 * 1024)) && writeFile(small, smallBytes));
        Session session;
        auto &[server, client, rec] = session;
        server.reply("STOR", "150 Ok to send data\r\n");
        client.setSendBufferLenght(8192);
        QVERIFY(session.login());
        client.setTimeOut(30); // a reset taken for silence would take this long
        QTest::failOnWarning(QRegularExpression(QStringLiteral("already open")));

        client.UploadFile(big, QStringLiteral("big.bin"));
        QTcpSocket *data = nullptr;
        qint64 received = 0;
        QVERIFY(QTest::qWaitFor([&] {
            if (!data && !server.dataSockets.isEmpty())
                data = server.dataSockets.first();
            if (data)
                received += data->readAll().size();
            return received >= 256 * 1024;
        }, 5000));
        if (how == QLatin1String("reset")) {
            const linger hard{1, 0}; // close with RST
            ::setsockopt(int(data->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            data->abort();
        } else if (how == QLatin1String("226")) {
            server.send("226 Transfer complete\r\n");
        } else {
            client.CancelAsyncMethod();
        }
        QTEST(rec.waitFor(QStringLiteral("OnUploadFile"), 1, 2000), "result");
        QCOMPARE(rec.count(QStringLiteral("OnUploadFile")), 1);
        QTEST(QStringLiteral("%1 %2").arg(client.LastFtpError().Number()).arg(client.LastFtpError().Source()).trimmed(),
              "outcome");
        QCOMPARE(client.DataSocket().State(), int(sockClosed));
        QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
        if (how != QLatin1String("226"))
            server.send("426 Connection closed; transfer aborted\r\n");

        // The session goes on and the next file is opened afresh, here in active
        // mode: another local address that connects first is refused.
        client.setPassiveMode(false);
        server.reply("PORT", "200 PORT command successful\r\n");
        client.UploadFile(small, QStringLiteral("small.bin"));
        QVERIFY(QTest::qWaitFor([&] { return server.commands.last() == "STOR small.bin"; }, 5000));
        const QList<QByteArray> f = server.commands.at(server.commands.size() - 2).mid(5).split(','); // h,h,h,h,p,p
        QCOMPARE(f.size(), 6);
        const quint16 port = quint16(f.at(4).toInt() * 256 + f.at(5).toInt());
        QTcpSocket intruder;
        QVERIFY(intruder.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));
        intruder.connectToHost(QHostAddress::LocalHost, port);
        QCOMPARE(readToEnd(&intruder), QByteArray());
        QCOMPARE(intruder.state(), QAbstractSocket::UnconnectedState); // closed, not left hanging
        QCOMPARE(rec.count(QStringLiteral("OnUploadFile")), 1);
        QTcpSocket peer; // the server itself
        peer.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(readToEnd(&peer) == smallBytes);
        server.send("226 Transfer complete\r\n");
        QCOMPARE(rec.waitFor(QStringLiteral("OnUploadFile"), 2), int(arStatusOk));
        QCOMPARE(rec.progress.last(), qint64(smallBytes.size()));
    }

    void unsafeArgumentsRefused_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        const QString local = QDir::temp().filePath(QStringLiteral("vexl-unused"));
        QTest::addRow("CWD with CR LF") << "SetCurrentDirectory" << "docs\r\nDELE important.jpg" << "";
        QTest::addRow("MKD with LF") << "CreateDirectory" << "new\nRMD old" << "";
        QTest::addRow("RMD with CR") << "RemoveDirectory" << "old\rX" << "";
        QTest::addRow("DELE with NUL") << "DeleteFile" << (QStringLiteral("a") + QChar(0) + QStringLiteral("DELE b")) << "";
        QTest::addRow("rename target with CR LF") << "RenameFile" << "a.jpg" << "b.jpg\r\nDELE c.jpg";
        QTest::addRow("download name with LF") << "DownloadFile" << "a.jpg\nDELE c.jpg" << local;
        QTest::addRow("upload name with CR LF") << "UploadFile" << local << "a.jpg\r\nDELE c.jpg";
        QTest::addRow("empty directory") << "SetCurrentDirectory" << "" << "";
        QTest::addRow("user name with CR LF") << "Connect" << "user\r\nDELE x" << "";
    }

    void unsafeArgumentsRefused()
    {
        QFETCH(QString, method);
        QFETCH(QString, a);
        QFETCH(QString, b);
        Session session;
        auto &[server, client, rec] = session;
        QVERIFY(session.login());
        const qsizetype before = server.commands.size();
        QCOMPARE(raised([&] { start(client, method, a, b); }),
                 QStringLiteral("5 CFtpClient.%1: Invalid procedure call or argument").arg(method));
        QCOMPARE(client.PendingMethod(), 0);
        // Nothing went out: the next command is the next thing the server sees.
        client.GetCurrentDirectory();
        QCOMPARE(rec.waitFor(QStringLiteral("OnGetCurrentDirectory")), int(arStatusOk));
        QCOMPARE(server.commands.mid(before), QList<QByteArray>{"PWD"});
    }
};

QTEST_GUILESS_MAIN(TestFtpClientScripted)
#include "tst_ftpclient_scripted.moc"
