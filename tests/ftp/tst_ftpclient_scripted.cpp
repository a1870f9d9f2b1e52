// CFtpClient against a scripted server: replies a real server never sends,
// replies cut into pieces, closed connections, silence, and arguments that
// try to smuggle in a second command.

#include "ftptesthelpers.h"

#include "ftp/csocket.h"
#include "ftp/ctimeout.h"
#include "support/vexlerror.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace vexl;
using namespace vexl::test;

Q_DECLARE_METATYPE(vexl::test::Delivery)

namespace {

const QList<Delivery> kDeliveries = {Delivery::Whole, Delivery::ByteByByte, Delivery::RandomFragments};

template<typename F>
VexlError caught(F &&call)
{
    try {
        call();
    } catch (const VexlError &e) {
        return e;
    }
    return VexlError{};
}

} // namespace

class TestFtpClientScripted : public QObject
{
    Q_OBJECT

private slots:
    void login_data();
    void login();
    void multiLineGreetingActedOnOnce_data();
    void multiLineGreetingActedOnOnce();
    void listingEndsAfterReplyAndClose_data();
    void listingEndsAfterReplyAndClose();
    void passiveAddressNotTrusted();
    void unusablePassiveReply_data();
    void unusablePassiveReply();
    void unsolicited421ClosesSession();
    void serverClosesDuringMethod_data();
    void serverClosesDuringMethod();
    void silenceRepeatsTimeOutUntilCancelled();
    void connectEndsPendingMethod();
    void lateReplyOfCancelledMethodIsSkipped();
    void endlessReply_data();
    void endlessReply();
    void unsafeArgumentsRefused_data();
    void unsafeArgumentsRefused();
    void synchronousChecks();
    void connectionRefused();
};

// --- login --------------------------------------------------------------------

void TestFtpClientScripted::login_data()
{
    QTest::addColumn<Delivery>("delivery");
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QByteArray>("userReply");
    QTest::addColumn<QByteArray>("passReply");
    QTest::addColumn<QByteArray>("pwdReply");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("directory");

    const QByteArray hello = "220 Welcome\r\n";
    const QByteArray need = "331 Password required\r\n";
    const QByteArray ok = "230 Logged in\r\n";
    const QByteArray home = "257 \"/home/user\" is current\r\n";
    const QStringList full{"USER user", "PASS pass", "PWD"};
    for (Delivery d : kDeliveries) {
        const QString n = deliveryName(d);
        QTest::addRow("normal login, %s", qPrintable(n))
            << d << hello << need << ok << home << full << int(arStatusOk) << 0 << "/home/user";
        QTest::addRow("greeting 421, %s", qPrintable(n))
            << d << QByteArray("421 Too many users\r\n") << need << ok << home << QStringList{} << int(arStatusError)
            << 16421 << "";
        QTest::addRow("greeting 120, %s", qPrintable(n))
            << d << QByteArray("120 Try later\r\n") << need << ok << home << QStringList{} << int(arStatusError)
            << 16120 << "";
        QTest::addRow("USER answered 230, %s", qPrintable(n))
            << d << hello << ok << need << home << QStringList{"USER user", "PWD"} << int(arStatusOk) << 0
            << "/home/user";
        QTest::addRow("PASS answered 202, %s", qPrintable(n))
            << d << hello << need << QByteArray("202 Already in\r\n") << home << full << int(arStatusOk) << 0
            << "/home/user";
        QTest::addRow("wrong password, %s", qPrintable(n))
            << d << hello << need << QByteArray("530 Login incorrect.\r\n") << home
            << QStringList{"USER user", "PASS pass"} << int(arStatusError) << 16530 << "";
        QTest::addRow("PWD reply without quotes, %s", qPrintable(n))
            << d << hello << need << ok << QByteArray("257 /home/user is current\r\n") << full << int(arStatusError)
            << 16001 << "";
        QTest::addRow("PWD path with backslashes, %s", qPrintable(n))
            << d << hello << need << ok << QByteArray("257 \"\\pub\\images\" is current\r\n") << full
            << int(arStatusOk) << 0 << "/pub/images";
    }
}

void TestFtpClientScripted::login()
{
    QFETCH(Delivery, delivery);
    QFETCH(QByteArray, greeting);
    QFETCH(QStringList, sent);
    QFETCH(int, result);
    QFETCH(int, errorNumber);

    ScriptedFtpServer server(delivery);
    server.greeting = greeting;
    QFETCH(QByteArray, userReply);
    QFETCH(QByteArray, passReply);
    QFETCH(QByteArray, pwdReply);
    server.reply("USER", userReply);
    server.reply("PASS", passReply);
    server.reply("PWD", pwdReply);

    CFtpClient client;
    ClientRecorder rec(client);
    client.setFtpServer(QStringLiteral("127.0.0.1"));
    client.setRemotePort(server.port());
    client.setUserName(QStringLiteral("user"));
    client.setPassword(QStringLiteral("pass"));
    client.Connect();
    QCOMPARE(client.FtpSessionState(), int(ftpConnecting));
    QCOMPARE(rec.waitFor(QStringLiteral("OnConnect")), result);

    QStringList got;
    for (const QByteArray &c : server.commands)
        got << QString::fromLatin1(c);
    QCOMPARE(got, sent);
    // The greeting is shown whole, never a fragment of it.
    QCOMPARE(rec.replies.value(0), QString::fromLatin1(greeting).trimmed());
    QCOMPARE(client.LastFtpError().Number(), errorNumber);
    QCOMPARE(client.PendingMethod(), 0);
    QCOMPARE(rec.completions.size(), 1);
    if (result == arStatusOk) {
        QTEST(client.CurrentDirectory(), "directory");
        QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
        QVERIFY(!client.Busy());
        QCOMPARE(rec.states.mid(0, 3), (QList<int>{ftpConnecting, ftpConnected, ftpAuthentication}));
        QCOMPARE(rec.states.last(), int(ftpFreeState));
        QVERIFY(rec.states.contains(ftpUserLoggedIn));
    } else {
        if (errorNumber > 16002)
            QCOMPARE(client.LastFtpError().Source(), QStringLiteral("FtpClientX.CFtpClient"));
        // A failed login closes the control connection.
        QTRY_VERIFY_WITH_TIMEOUT(server.controlClosedByClient, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(client.FtpSessionState(), int(ftpClosed), 5000);
    }
}

void TestFtpClientScripted::multiLineGreetingActedOnOnce_data()
{
    QTest::addColumn<Delivery>("delivery");
    for (Delivery d : kDeliveries)
        QTest::addRow("%s", qPrintable(deliveryName(d))) << d;
}

void TestFtpClientScripted::multiLineGreetingActedOnOnce()
{
    QFETCH(Delivery, delivery);
    ScriptedFtpServer server(delivery);
    // The third line starts with other digits and a space: not the end.
    server.greeting = "220-Welcome\r\n220-second line\r\n230 users online\r\n220 Ready\r\n";
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    QCOMPARE(server.commands.count("USER user"), 1);
    QCOMPARE(rec.replies.first(), QStringLiteral("220-Welcome\r\n220-second line\r\n230 users online\r\n220 Ready"));
    QCOMPARE(client.FtpServerMessage(), QStringLiteral("Welcome\r\nsecond line\r\n230 users online"));
    QCOMPARE(client.FtpServerMessage(), QString());
}

// --- data connection ----------------------------------------------------------------

void TestFtpClientScripted::listingEndsAfterReplyAndClose_data()
{
    QTest::addColumn<bool>("replyFirst");
    QTest::addRow("226 before the data connection closes") << true;
    QTest::addRow("226 after the data connection closes") << false;
}

void TestFtpClientScripted::listingEndsAfterReplyAndClose()
{
    QFETCH(bool, replyFirst);
    ScriptedFtpServer server(Delivery::RandomFragments);
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
    QCOMPARE(client.CurrentDirectoryFiles().Count(), 2);
    QVERIFY(client.CurrentDirectoryFiles().Item(QStringLiteral("sub")).IsDirectory());
    QCOMPARE(client.CurrentDirectoryListing(), QString::fromLatin1(listing));
    QCOMPARE(rec.commands.mid(rec.commands.indexOf(QStringLiteral("TYPE A"))),
             (QStringList{"TYPE A", "PASV ", "LIST "}));
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
}

void TestFtpClientScripted::passiveAddressNotTrusted()
{
    ScriptedFtpServer server;
    // Another address of this machine: were the client to follow it, the
    // connection would be refused (the data listener is on 127.0.0.1 only).
    server.hook("PASV", [&server](const QByteArray &) { server.send(server.pasvReply(QStringLiteral("127.0.0.2"))); });
    server.hook("LIST", [&server](const QByteArray &) {
        server.send("150 Here it comes\r\n");
        QTcpSocket *data = server.dataSockets.value(0);
        if (data) {
            data->write("-rw-r--r-- 1 u g 10 Jan 12 12:34 a.jpg\r\n");
            data->disconnectFromHost();
        }
        server.send("226 Done\r\n");
    });
    CFtpClient client;
    ClientRecorder rec(client);
    client.setPassiveMode(true);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    client.EnumFiles();
    QCOMPARE(rec.waitFor(QStringLiteral("OnEnumFiles")), int(arStatusOk));
    QCOMPARE(server.dataSockets.size(), 1);
    QCOMPARE(client.CurrentDirectoryFiles().Count(), 1);
}

void TestFtpClientScripted::unusablePassiveReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addRow("field above 255") << QByteArray("227 Entering Passive Mode (127,0,0,1,256,7).\r\n");
    QTest::addRow("too few numbers") << QByteArray("227 Entering Passive Mode (127,0,0,1,19).\r\n");
    QTest::addRow("no port") << QByteArray("227 Entering Passive Mode (127,0,0,1).\r\n");
    QTest::addRow("no numbers at all") << QByteArray("227 Entering Passive Mode.\r\n");
}

void TestFtpClientScripted::unusablePassiveReply()
{
    QFETCH(QByteArray, reply);
    ScriptedFtpServer server;
    server.reply("PASV", reply);
    CFtpClient client;
    ClientRecorder rec(client);
    client.setPassiveMode(true);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    client.EnumFiles();
    QCOMPARE(rec.waitFor(QStringLiteral("OnEnumFiles")), int(arStatusError));
    QCOMPARE(client.LastFtpError().Number(), 16011);
    QCOMPARE(client.DataSocket().State(), int(sockClosed));
    QVERIFY(server.dataSockets.isEmpty());
    QVERIFY(!server.commands.contains("LIST"));
    // The session goes on.
    client.SetCurrentDirectory(QStringLiteral("docs"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnSetCurrentDirectory")), int(arStatusOk));
}

// --- the control connection ends ----------------------------------------------------------

void TestFtpClientScripted::unsolicited421ClosesSession()
{
    ScriptedFtpServer server;
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    server.send("421 Idle too long\r\n");
    QTRY_VERIFY_WITH_TIMEOUT(server.controlClosedByClient, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(client.FtpSessionState(), int(ftpClosed), 5000);
    QCOMPARE(rec.replies.last(), QStringLiteral("421 Idle too long"));
    QCOMPARE(rec.completions, QStringList{"OnConnect:0"});
    // A method now fails at once: there is no connection.
    QCOMPARE(caught([&] { client.GetCurrentDirectory(); }).number, 16008);
}

void TestFtpClientScripted::serverClosesDuringMethod_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QString>("event");
    QTest::addRow("Connect, after the user name") << "Connect" << QByteArray("USER") << "OnConnect";
    QTest::addRow("SetCurrentDirectory") << "SetCurrentDirectory" << QByteArray("CWD") << "OnSetCurrentDirectory";
    QTest::addRow("EnumFiles, during the transfer") << "EnumFiles" << QByteArray("LIST") << "OnEnumFiles";
    QTest::addRow("QuitSession without a goodbye") << "QuitSession" << QByteArray("QUIT") << "OnQuitSession";
}

void TestFtpClientScripted::serverClosesDuringMethod()
{
    QFETCH(QString, method);
    QFETCH(QByteArray, verb);
    QFETCH(QString, event);
    ScriptedFtpServer server;
    server.hook(verb, [&server](const QByteArray &) { server.closeControl(); });
    CFtpClient client;
    ClientRecorder rec(client);
    client.setPassiveMode(true);
    if (method == QLatin1String("Connect")) {
        QVERIFY(!vexl::test::login(client, rec, server.port()));
    } else {
        QVERIFY(vexl::test::login(client, rec, server.port()));
        if (method == QLatin1String("SetCurrentDirectory"))
            client.SetCurrentDirectory(QStringLiteral("docs"));
        else if (method == QLatin1String("EnumFiles"))
            client.EnumFiles();
        else
            client.QuitSession();
        QCOMPARE(rec.waitFor(event), int(arStatusError));
    }
    QCOMPARE(rec.count(event), 1);
    QCOMPARE(rec.completions.last(), QStringLiteral("%1:%2").arg(event).arg(int(arStatusError)));
    QCOMPARE(client.LastFtpError().Number(), 16009);
    QCOMPARE(client.LastFtpError().Description(), QStringLiteral("The control connection was closed."));
    QCOMPARE(client.FtpSessionState(), int(ftpClosed));
    QCOMPARE(client.PendingMethod(), 0);
    QCOMPARE(client.DataSocket().State(), int(sockClosed));
}

void TestFtpClientScripted::silenceRepeatsTimeOutUntilCancelled()
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
    QCOMPARE(rec.completions.last(), QStringLiteral("OnSetCurrentDirectory:%1").arg(int(arStatusCancel)));
    QCOMPARE(client.PendingMethod(), 0);
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
    const int events = rec.completions.size();
    // Longer than the time-out: no further event.
    QTimer witness;
    witness.setSingleShot(true);
    QSignalSpy witnessSpy(&witness, &QTimer::timeout);
    witness.start(1500);
    QVERIFY(witnessSpy.wait(3000));
    QCOMPARE(rec.completions.size(), events);
}

void TestFtpClientScripted::connectEndsPendingMethod()
{
    ScriptedFtpServer server;
    server.reply("CWD", QByteArray()); // never answers
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    client.SetCurrentDirectory(QStringLiteral("slow"));
    QVERIFY(vexl::test::login(client, rec, server.port()));
    QCOMPARE(rec.completions, (QStringList{"OnConnect:0", "OnSetCurrentDirectory:3", "OnConnect:0"}));
    QCOMPARE(server.connections, 2);
}

void TestFtpClientScripted::lateReplyOfCancelledMethodIsSkipped()
{
    ScriptedFtpServer server;
    server.reply("CWD", QByteArray()); // answered late, below
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    client.SetCurrentDirectory(QStringLiteral("slow"));
    QTRY_VERIFY_WITH_TIMEOUT(server.commands.contains("CWD slow"), 5000);
    client.CancelAsyncMethod();
    server.send("550 slow: no such directory\r\n");
    server.reply("PWD", "257 \"/pub\" is current\r\n");
    client.GetCurrentDirectory();
    QCOMPARE(rec.waitFor(QStringLiteral("OnGetCurrentDirectory")), int(arStatusOk));
    QCOMPARE(client.CurrentDirectory(), QStringLiteral("/pub"));
}

void TestFtpClientScripted::endlessReply_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("unit");
    QTest::addRow("one endless line") << QByteArray("220 ") << QByteArray(1024, 'x');
    QTest::addRow("multi-line reply without its end") << QByteArray("220-Welcome\r\n")
                                                      << (QByteArray("220-") + QByteArray(1018, 'y') + "\r\n");
}

void TestFtpClientScripted::endlessReply()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, unit);
    ScriptedFtpServer server;
    QByteArray flood = start;
    while (flood.size() < 70 * 1024)
        flood += unit;
    server.greeting = flood;
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(!vexl::test::login(client, rec, server.port()));
    QCOMPARE(client.LastFtpError().Number(), 16010);
    QCOMPARE(client.LastFtpError().Description(), QStringLiteral("The server response is too long."));
    QCOMPARE(rec.completions.size(), 1);
    QVERIFY(server.commands.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(server.controlClosedByClient || !server.controlOpen(), 5000);
}

// --- synchronous checks ---------------------------------------------------------------

void TestFtpClientScripted::unsafeArgumentsRefused_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("argument");
    const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("DELE b");
    QTest::addRow("CWD with CR LF") << "SetCurrentDirectory" << "docs\r\nDELE important.jpg";
    QTest::addRow("MKD with LF") << "CreateDirectory" << "new\nRMD old";
    QTest::addRow("RMD with CR") << "RemoveDirectory" << "old\rX";
    QTest::addRow("DELE with NUL") << "DeleteFile" << nul;
    QTest::addRow("rename target with CR LF") << "RenameFile" << "b.jpg\r\nDELE c.jpg";
    QTest::addRow("download name with LF") << "DownloadFile" << "a.jpg\nDELE c.jpg";
    QTest::addRow("upload name with CR LF") << "UploadFile" << "a.jpg\r\nDELE c.jpg";
    QTest::addRow("empty directory") << "SetCurrentDirectory" << "";
}

void TestFtpClientScripted::unsafeArgumentsRefused()
{
    QFETCH(QString, method);
    QFETCH(QString, argument);
    ScriptedFtpServer server;
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port()));
    const int commandsBefore = server.commands.size();
    const QString local = QDir::temp().filePath(QStringLiteral("vexl-unused"));
    const VexlError e = caught([&] {
        if (method == QLatin1String("SetCurrentDirectory")) client.SetCurrentDirectory(argument);
        else if (method == QLatin1String("CreateDirectory")) client.CreateDirectory(argument);
        else if (method == QLatin1String("RemoveDirectory")) client.RemoveDirectory(argument);
        else if (method == QLatin1String("DeleteFile")) client.DeleteFile(argument);
        else if (method == QLatin1String("RenameFile")) client.RenameFile(QStringLiteral("a.jpg"), argument);
        else if (method == QLatin1String("DownloadFile")) client.DownloadFile(argument, local, false);
        else client.UploadFile(local, argument, 0);
    });
    QCOMPARE(e.number, 5);
    QCOMPARE(e.description, QStringLiteral("Invalid procedure call or argument"));
    QCOMPARE(e.source, QStringLiteral("CFtpClient.%1").arg(method));
    QCOMPARE(client.PendingMethod(), 0);
    // Nothing went out: the next command is the next thing the server sees.
    client.GetCurrentDirectory();
    QCOMPARE(rec.waitFor(QStringLiteral("OnGetCurrentDirectory")), int(arStatusOk));
    QCOMPARE(server.commands.mid(commandsBefore), QList<QByteArray>{"PWD"});
}

void TestFtpClientScripted::synchronousChecks()
{
    CFtpClient client;
    QCOMPARE(client.RemotePort(), 21);
    QCOMPARE(client.SendBufferLenght(), 1460);
    QCOMPARE(client.TransferMode(), 1);
    QCOMPARE(client.TimeOut(), 60);
    QCOMPARE(client.FtpSessionState(), int(ftpClosed));

    const QList<QPair<int, int>> ports = {{70000, 21}, {0, 21}, {-5, 21}, {2121, 2121}, {65535, 65535}};
    for (const auto &[given, stored] : ports) {
        client.setRemotePort(given);
        QCOMPARE(client.RemotePort(), stored);
    }
    for (int bad : {100, 511, 8193}) {
        const VexlError e = caught([&] { client.setSendBufferLenght(bad); });
        QCOMPARE(e.number, 380);
        QCOMPARE(e.description, QStringLiteral("Invalid property value."));
        QCOMPARE(e.source, QStringLiteral("CFtpClient.SendBufferLenght"));
    }
    client.setSendBufferLenght(512);
    QCOMPARE(client.SendBufferLenght(), 512);

    VexlError e = caught([&] { client.Connect(); });
    QCOMPARE(e.number, 380);
    QCOMPARE(e.source, QStringLiteral("CFtpClient.Connect"));

    e = caught([&] { client.EnumFiles(); });
    QCOMPARE(e.number, 16008);
    QCOMPARE(e.description, QStringLiteral("The connection is not established."));
    QCOMPARE(e.source, QStringLiteral("CFtpClient.SendFtpCommand"));
    QCOMPARE(client.PendingMethod(), 0); // nothing was started

    client.setFtpServer(QStringLiteral("127.0.0.1"));
    client.setUserName(QStringLiteral("user\r\nDELE x"));
    e = caught([&] { client.Connect(); });
    QCOMPARE(e.number, 5);
    QCOMPARE(e.source, QStringLiteral("CFtpClient.Connect"));
    QCOMPARE(client.PendingMethod(), 0);
}

void TestFtpClientScripted::connectionRefused()
{
    quint16 port;
    {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        port = s.serverPort();
    }
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(!vexl::test::login(client, rec, port));
    QCOMPARE(rec.completions, QStringList{QStringLiteral("OnConnect:%1").arg(int(arStatusError))});
    QCOMPARE(client.LastFtpError().Number(), 10061);
    QCOMPARE(client.LastFtpError().Description(), QStringLiteral("Connection refused."));
    QCOMPARE(client.LastFtpError().Source(), QStringLiteral("CFtpClient.m_objControlSocket_OnError"));
    QCOMPARE(client.FtpSessionState(), int(ftpClosed));
}

QTEST_GUILESS_MAIN(TestFtpClientScripted)
#include "tst_ftpclient_scripted.moc"
