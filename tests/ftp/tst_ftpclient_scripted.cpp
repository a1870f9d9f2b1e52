// CFtpClient against a scripted server: replies a real server never sends,
// replies cut into pieces, closed connections, silence, and arguments that
// try to smuggle in a second command.

#include "ftptesthelpers.h"

#include "ftp/csocket.h"

#include <QDir>
#include <QTest>

using namespace vexl;
using namespace vexl::test;

Q_DECLARE_METATYPE(vexl::test::Delivery)

class TestFtpClientScripted : public QObject
{
    Q_OBJECT

private slots:
    void session_data();
    void session();
    void listingEndsAfterReplyAndDataClose_data();
    void listingEndsAfterReplyAndDataClose();
    void silenceCancelAndLateReply();
    void unsafeArgumentsRefused_data();
    void unsafeArgumentsRefused();
    void synchronousChecks();
};

void TestFtpClientScripted::session_data()
{
    QTest::addColumn<Delivery>("delivery");
    // What the server does besides its usual answers: "greeting TEXT",
    // "VERB TEXT" (TEXT "close" closes the connection), "unsolicited TEXT"
    // after the login, or "refused".
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("method"); // started after the login
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("outcome"); // completion events, then the last error: "number source"
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("message"); // FtpServerMessage

    const QByteArray all = "USER user|PASS pass|PWD";
    const QString ok = QStringLiteral("OnConnect:0");
    const QString failed = QStringLiteral("OnConnect:1 %1 FtpClientX.CFtpClient");
    const std::pair<Delivery, const char *> deliveries[] = {
        {Delivery::Whole, "whole"}, {Delivery::ByteByByte, "byte by byte"}, {Delivery::RandomFragments, "fragments"}};
    for (const auto &[d, n] : deliveries) {
        QTest::addRow("normal login, %s", n) << d << QByteArray() << "" << all << ok << false << "/" << "";
        QTest::addRow("greeting 421, %s", n)
            << d << QByteArray("greeting 421 Too many users\r\n") << "" << QByteArray() << failed.arg(16421) << true
            << "" << "";
        QTest::addRow("USER answered 230, %s", n) << d << QByteArray("USER 230 Logged in\r\n") << ""
                                                  << QByteArray("USER user|PWD") << ok << false << "/" << "";
        QTest::addRow("PASS answered 202, %s", n)
            << d << QByteArray("PASS 202 Already in\r\n") << "" << all << ok << false << "/" << "";
        QTest::addRow("PWD reply without quotes, %s", n)
            << d << QByteArray("PWD 257 /home is current\r\n") << "" << all << failed.arg(16001) << true << "" << "";
        QTest::addRow("PWD path with backslashes, %s", n)
            << d << QByteArray("PWD 257 \"\\pub\\images\" is current\r\n") << "" << all << ok << false << "/pub/images"
            << "";
        // The third line starts with other digits and a space: not the end.
        QTest::addRow("multi-line greeting, %s", n)
            << d << QByteArray("greeting 220-Welcome\r\n220-second line\r\n230 users online\r\n220 Ready\r\n") << ""
            << all << ok << false << "/" << "Welcome\r\nsecond line\r\n230 users online";
    }
    const Delivery whole = Delivery::Whole;
    QByteArray line = "greeting 220 ", lines = "greeting 220-Welcome\r\n";
    while (line.size() < 70 * 1024) {
        line += QByteArray(1024, 'x');
        lines += "220-" + QByteArray(1018, 'y') + "\r\n";
    }
    const QString tooLong = QStringLiteral("OnConnect:1 16010 CFtpClient.m_objControlSocket_OnDataArrival");
    QTest::addRow("endless line") << whole << line << "" << QByteArray() << tooLong << true << "" << "";
    QTest::addRow("multi-line reply without its end") << whole << lines << "" << QByteArray() << tooLong << true << ""
                                                      << "";
    QTest::addRow("connection refused") << whole << QByteArray("refused") << "" << QByteArray()
                                        << "OnConnect:1 10061 CFtpClient.m_objControlSocket_OnError" << true << ""
                                        << "";
    const QString lost = QStringLiteral("%1:1 16009 CFtpClient.m_objControlSocket_OnClose");
    QTest::addRow("closed after USER") << whole << QByteArray("USER close") << "" << QByteArray("USER user")
                                       << lost.arg("OnConnect") << true << "" << "";
    QTest::addRow("closed after CWD") << whole << QByteArray("CWD close") << "SetCurrentDirectory" << all + "|CWD docs"
                                      << ok + " " + lost.arg("OnSetCurrentDirectory") << true << "/" << "";
    QTest::addRow("closed during LIST") << whole << QByteArray("LIST close") << "EnumFiles" << all + "|TYPE A|PASV|LIST"
                                        << ok + " " + lost.arg("OnEnumFiles") << true << "/" << "";
    QTest::addRow("closed after QUIT without a goodbye") << whole << QByteArray("QUIT close") << "QuitSession"
                                                         << all + "|QUIT" << ok + " " + lost.arg("OnQuitSession")
                                                         << true << "/" << "";
    QTest::addRow("unsolicited 421") << whole << QByteArray("unsolicited 421 Idle too long\r\n") << "" << all << ok
                                     << true << "/" << "";
    QTest::addRow("227 with a field above 255")
        << whole << QByteArray("PASV 227 Entering Passive Mode (127,0,0,1,256,7).\r\n") << "EnumFiles"
        << all + "|TYPE A|PASV" << ok + " OnEnumFiles:1 16011 CFtpClient.EstablishPasvDataConnection" << false << "/"
        << "";
}

void TestFtpClientScripted::session()
{
    QFETCH(Delivery, delivery);
    QFETCH(QByteArray, script);
    QFETCH(QString, method);
    ScriptedFtpServer server(delivery);
    quint16 port = server.port();
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
    CFtpClient client;
    ClientRecorder rec(client);
    client.setPassiveMode(true);
    if (vexl::test::login(client, rec, port) && !method.isEmpty())
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
    QTEST(client.FtpServerMessage(), "message");
    QCOMPARE(client.FtpServerMessage(), QString()); // read once
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

void TestFtpClientScripted::listingEndsAfterReplyAndDataClose_data()
{
    QTest::addColumn<bool>("replyFirst");
    QTest::addColumn<QString>("announced"); // in the 227 reply; not to be trusted
    QTest::addRow("226 before the data connection closes") << true << "127.0.0.1";
    QTest::addRow("226 after the data connection closes, 227 naming another address") << false << "127.0.0.2";
}

void TestFtpClientScripted::listingEndsAfterReplyAndDataClose()
{
    QFETCH(bool, replyFirst);
    QFETCH(QString, announced);
    ScriptedFtpServer server(Delivery::RandomFragments);
    // The data listener is on 127.0.0.1 only: following 127.0.0.2 is refused.
    server.reply("PASV", server.pasvReply(announced));
    CFtpClient client;
    ClientRecorder rec(client);
    client.setPassiveMode(true);
    QVERIFY(vexl::test::login(client, rec, server.port()));

    const QByteArray listing = "-rw-r--r-- 1 u g 10 Jan 12 12:34 a.jpg\r\ndrwxr-xr-x 2 u g 4096 Jan 12 12:34 sub\r\n";
    client.EnumFiles();
    QTRY_VERIFY_WITH_TIMEOUT(server.commands.contains("LIST") && !server.dataSockets.isEmpty(), 5000);
    QTcpSocket *data = server.dataSockets.last();
    data->write(listing);
    data->flush();
    QTRY_COMPARE_WITH_TIMEOUT(rec.progress.value(rec.progress.size() - 1), qint64(listing.size()), 5000);
    if (replyFirst) {
        server.send("226 Transfer complete\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(rec.replies.contains(QStringLiteral("226 Transfer complete")), 5000);
        QCOMPARE(rec.count(QStringLiteral("OnEnumFiles")), 0); // the data connection is still open
        data->disconnectFromHost();
    } else {
        data->disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(client.DataSocket().State(), int(sockClosed), 5000);
        QCOMPARE(rec.count(QStringLiteral("OnEnumFiles")), 0); // the final reply has not come
        server.send("226 Transfer complete\r\n");
    }
    QCOMPARE(rec.waitFor(QStringLiteral("OnEnumFiles")), int(arStatusOk));
    QCOMPARE(rec.count(QStringLiteral("OnEnumFiles")), 1);
    QCOMPARE(server.dataSockets.size(), 1);
    QCOMPARE(client.CurrentDirectoryFiles().Count(), 2);
    QVERIFY(client.CurrentDirectoryFiles().Item(QStringLiteral("sub")).IsDirectory());
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
}

void TestFtpClientScripted::silenceCancelAndLateReply()
{
    ScriptedFtpServer server;
    server.reply("CWD", QByteArray()); // never answers
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    client.setTimeOut(1);
    client.SetCurrentDirectory(QStringLiteral("slow"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnSetCurrentDirectory"), 2, 5000), int(arStatusTimeOut));
    QCOMPARE(client.PendingMethod(), 3); // still pending
    QVERIFY(client.Busy());
    client.CancelAsyncMethod();
    QCOMPARE(rec.completions, (QStringList{"OnConnect:0", "OnSetCurrentDirectory:2", "OnSetCurrentDirectory:2",
                                           "OnSetCurrentDirectory:3"}));
    QCOMPARE(client.PendingMethod(), 0);
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
    QVERIFY(!QTest::qWaitFor([&] { return rec.completions.size() > 4; }, 1500)); // longer than the time-out

    // The late answer to the cancelled CWD is not read as the answer to PWD.
    server.send("550 slow: no such directory\r\n");
    server.reply("PWD", "257 \"/pub\" is current\r\n");
    client.GetCurrentDirectory();
    QCOMPARE(rec.waitFor(QStringLiteral("OnGetCurrentDirectory")), int(arStatusOk));
    QCOMPARE(client.CurrentDirectory(), QStringLiteral("/pub"));

    // A new Connect ends the pending method with a cancel.
    client.SetCurrentDirectory(QStringLiteral("slow"));
    QVERIFY(vexl::test::login(client, rec, server.port()));
    QCOMPARE(rec.completions.mid(5), (QStringList{"OnSetCurrentDirectory:3", "OnConnect:0"}));
    QCOMPARE(server.connections, 2);
}

void TestFtpClientScripted::unsafeArgumentsRefused_data()
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
}

void TestFtpClientScripted::unsafeArgumentsRefused()
{
    QFETCH(QString, method);
    QFETCH(QString, a);
    QFETCH(QString, b);
    ScriptedFtpServer server;
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    const qsizetype before = server.commands.size();
    QCOMPARE(raised([&] { start(client, method, a, b); }),
             QStringLiteral("5 CFtpClient.%1: Invalid procedure call or argument").arg(method));
    QCOMPARE(client.PendingMethod(), 0);
    // Nothing went out: the next command is the next thing the server sees.
    client.GetCurrentDirectory();
    QCOMPARE(rec.waitFor(QStringLiteral("OnGetCurrentDirectory")), int(arStatusOk));
    QCOMPARE(server.commands.mid(before), QList<QByteArray>{"PWD"});
}

void TestFtpClientScripted::synchronousChecks()
{
    CFtpClient client;
    QCOMPARE(client.RemotePort(), 21);
    QCOMPARE(client.SendBufferLenght(), 1460);
    for (const auto &[given, stored] : {std::pair{65536, 21}, {0, 21}, {1, 1}, {65535, 65535}}) {
        client.setRemotePort(given);
        QCOMPARE(client.RemotePort(), stored);
    }
    for (int bad : {511, 8193})
        QCOMPARE(raised([&] { client.setSendBufferLenght(bad); }),
                 QStringLiteral("380 CFtpClient.SendBufferLenght: Invalid property value."));
    client.setSendBufferLenght(512);
    client.setSendBufferLenght(8192);
    QCOMPARE(client.SendBufferLenght(), 8192);

    QVERIFY(raised([&] { client.Connect(); }).startsWith(QLatin1String("380 CFtpClient.Connect:"))); // no server
    QCOMPARE(raised([&] { client.EnumFiles(); }),
             QStringLiteral("16008 CFtpClient.SendFtpCommand: The connection is not established."));
    client.setFtpServer(QStringLiteral("127.0.0.1"));
    client.setUserName(QStringLiteral("user\r\nDELE x"));
    QVERIFY(raised([&] { client.Connect(); }).startsWith(QLatin1String("5 CFtpClient.Connect:")));
    QCOMPARE(client.PendingMethod(), 0);
    QCOMPARE(client.FtpSessionState(), int(ftpClosed));
}

QTEST_GUILESS_MAIN(TestFtpClientScripted)
#include "tst_ftpclient_scripted.moc"
