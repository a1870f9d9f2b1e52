// CFtpClient against a real server: pyftpdlib on 127.0.0.1 with a temporary
// root, started for this test.

#include "ftptesthelpers.h"

#include "ftp/csocket.h"
#include "ftp/ftplisting.h"
#include "support/vexlerror.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vexl;
using namespace vexl::test;

namespace {

const QString kUser = QStringLiteral("vexl");
const QString kPassword = QStringLiteral("s3cret");

QByteArray randomBytes(qsizetype size)
{
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(b.data()), size / 4);
    for (qsizetype i = size / 4 * 4; i < size; ++i)
        b[i] = char(i);
    return b;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFtpClientLive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void directories();
    void deleteAndRename();
    void listing_data();
    void listing();
    void upload_data();
    void upload();
    void uploadFromOffset();
    void download_data();
    void download();
    void downloadOfMissingFile();
    void methodsChainedFromHandlers();
    void cancelledUploadThenAnother();
    void wrongPassword();
    void secondMethodWhilePending();
    void quit();

private:
    QString serverPath(const QString &name) const { return m_root.filePath(name); }
    bool connectClient(CFtpClient &client, ClientRecorder &rec, bool passive = true);

    QTemporaryDir m_rootDir;
    QTemporaryDir m_localDir;
    QDir m_root;
    PyFtpServer m_server;
    QByteArray m_remoteForDownload;
};

void TestFtpClientLive::initTestCase()
{
    QVERIFY(m_rootDir.isValid());
    QVERIFY(m_localDir.isValid());
    m_root = QDir(m_rootDir.path());
    QVERIFY2(m_server.start(m_rootDir.path(), kUser, kPassword), qPrintable(m_server.error()));
}

void TestFtpClientLive::init()
{
    // Every test starts from an empty server root.
    for (const QFileInfo &fi : m_root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (fi.isDir())
            QDir(fi.filePath()).removeRecursively();
        else
            QFile::remove(fi.filePath());
    }
}

bool TestFtpClientLive::connectClient(CFtpClient &client, ClientRecorder &rec, bool passive)
{
    client.setPassiveMode(passive);
    return vexl::test::login(client, rec, m_server.port(), kUser, kPassword);
}

void TestFtpClientLive::directories()
{
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec));
    QCOMPARE(client.CurrentDirectory(), QStringLiteral("/"));
    QCOMPARE(rec.commands.mid(0, 3), (QStringList{"USER vexl", "PASS s3cret", "PWD "}));

    client.CreateDirectory(QStringLiteral("photos"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnCreateDirectory")), int(arStatusOk));
    QVERIFY(QFileInfo(serverPath(QStringLiteral("photos"))).isDir());

    client.SetCurrentDirectory(QStringLiteral("photos"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnSetCurrentDirectory")), int(arStatusOk));
    client.GetCurrentDirectory();
    QCOMPARE(rec.waitFor(QStringLiteral("OnGetCurrentDirectory")), int(arStatusOk));
    QCOMPARE(client.CurrentDirectory(), QStringLiteral("/photos"));

    client.SetCurrentDirectory(QStringLiteral("/"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnSetCurrentDirectory"), 2), int(arStatusOk));
    client.RemoveDirectory(QStringLiteral("photos"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnRemoveDirectory")), int(arStatusOk));
    QVERIFY(!QFileInfo::exists(serverPath(QStringLiteral("photos"))));

    client.SetCurrentDirectory(QStringLiteral("missing"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnSetCurrentDirectory"), 3), int(arStatusError));
    QCOMPARE(client.LastFtpError().Number(), 16550);
    QCOMPARE(client.LastFtpError().Description(), QStringLiteral("Requested action not taken."));
    QCOMPARE(client.LastFtpError().Source(), QStringLiteral("FtpClientX.CFtpClient"));
    QVERIFY(client.LastServerResponse().startsWith(QLatin1String("550 ")));
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState)); // a refused command leaves the session usable
}

void TestFtpClientLive::deleteAndRename()
{
    QVERIFY(writeFile(serverPath(QStringLiteral("a.jpg")), "image"));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec));
    client.RenameFile(QStringLiteral("a.jpg"), QStringLiteral("b.jpg"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnRenameFile")), int(arStatusOk));
    QVERIFY(rec.commands.contains(QStringLiteral("RNFR a.jpg")));
    QVERIFY(rec.commands.contains(QStringLiteral("RNTO b.jpg")));
    QCOMPARE(readFile(serverPath(QStringLiteral("b.jpg"))), QByteArray("image"));
    client.DeleteFile(QStringLiteral("b.jpg"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnDeleteFile")), int(arStatusOk));
    QVERIFY(!QFileInfo::exists(serverPath(QStringLiteral("b.jpg"))));
    client.DeleteFile(QStringLiteral("b.jpg"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnDeleteFile"), 2), int(arStatusError));
    QCOMPARE(client.LastFtpError().Number(), 16550);
}

void TestFtpClientLive::listing_data()
{
    QTest::addColumn<bool>("passive");
    QTest::addRow("passive") << true;
    QTest::addRow("active") << false;
}

void TestFtpClientLive::listing()
{
    QFETCH(bool, passive);
    QVERIFY(m_root.mkdir(QStringLiteral("sub")));
    QVERIFY(writeFile(serverPath(QStringLiteral("a.jpg")), QByteArray(10, 'a')));
    QVERIFY(writeFile(serverPath(QStringLiteral("my photo.png")), QByteArray(1234, 'p')));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec, passive));
    client.EnumFiles();
    QCOMPARE(rec.waitFor(QStringLiteral("OnEnumFiles")), int(arStatusOk));
    if (passive)
        QVERIFY(rec.commands.contains(QStringLiteral("PASV ")));
    else
        QCOMPARE(rec.commands.filter(QRegularExpression(QStringLiteral("^PORT 127,0,0,1,\\d+,\\d+$"))).size(), 1);

    const CFtpFiles &files = client.CurrentDirectoryFiles();
    QCOMPARE(files.Count(), 3);
    QVERIFY(files.Item(QStringLiteral("sub")).IsDirectory());
    QCOMPARE(files.Item(QStringLiteral("a.jpg")).FileSize(), qint64(10));
    QCOMPARE(files.Item(QStringLiteral("my photo.png")).FileSize(), qint64(1234));
    QCOMPARE(files.Item(QStringLiteral("my photo.png")).Permissions().size(), 10);
    QCOMPARE(files.Item(QStringLiteral("a.jpg")).LastWriteTime().date().month(),
             QFileInfo(serverPath(QStringLiteral("a.jpg"))).lastModified().date().month());
    // The raw text is kept and reads the same on its own.
    QVERIFY(ParseListing(client.CurrentDirectoryListing()).has_value());
    QCOMPARE(rec.progress.last(), qint64(client.CurrentDirectoryListing().toUtf8().size()));
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
}

void TestFtpClientLive::upload_data()
{
    QTest::addColumn<bool>("passive");
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<int>("chunk");
    for (bool passive : {true, false}) {
        const char *mode = passive ? "passive" : "active";
        QTest::addRow("%s, several MiB", mode) << passive << qsizetype(5 * 1024 * 1024 + 123) << 8192;
        QTest::addRow("%s, zero bytes", mode) << passive << qsizetype(0) << 1460;
        QTest::addRow("%s, one byte past a chunk", mode) << passive << qsizetype(1461) << 1460;
    }
}

void TestFtpClientLive::upload()
{
    QFETCH(bool, passive);
    QFETCH(qsizetype, size);
    QFETCH(int, chunk);
    const QByteArray bytes = randomBytes(size);
    const QString local = QDir(m_localDir.path()).filePath(QStringLiteral("up.bin"));
    QVERIFY(writeFile(local, bytes));
    CFtpClient client;
    ClientRecorder rec(client);
    client.setSendBufferLenght(chunk);
    QVERIFY(connectClient(client, rec, passive));
    client.UploadFile(local, QStringLiteral("up.bin"));
    QVERIFY(client.DataTransferInProgress());
    const int uploadResult = rec.waitFor(QStringLiteral("OnUploadFile"), 1, 60000);
    if (uploadResult != arStatusOk)
        qWarning() << rec.commands << rec.replies << client.LastFtpError().Number() << client.LastFtpError().Source();
    QCOMPARE(uploadResult, int(arStatusOk));
    QVERIFY(readFile(serverPath(QStringLiteral("up.bin"))) == bytes);
    QVERIFY(!rec.commands.filter(QStringLiteral("REST")).size());
    QCOMPARE(rec.commands.last(), QStringLiteral("STOR up.bin"));
    if (size == 0) {
        QVERIFY(rec.progress.isEmpty());
    } else {
        QCOMPARE(rec.progress.last(), qint64(size));
        QCOMPARE(rec.progress.size(), int((size + chunk - 1) / chunk));
        QVERIFY(std::is_sorted(rec.progress.begin(), rec.progress.end()));
    }
    QVERIFY(!client.DataTransferInProgress());
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
}

void TestFtpClientLive::uploadFromOffset()
{
    const QByteArray bytes = randomBytes(100000);
    const qint64 offset = 40000;
    const QString local = QDir(m_localDir.path()).filePath(QStringLiteral("resume.bin"));
    QVERIFY(writeFile(local, bytes));
    QVERIFY(writeFile(serverPath(QStringLiteral("resume.bin")), bytes.left(offset)));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec));
    client.UploadFile(local, QStringLiteral("resume.bin"), offset);
    QCOMPARE(rec.waitFor(QStringLiteral("OnUploadFile")), int(arStatusOk));
    const QStringList tail = rec.commands.mid(rec.commands.indexOf(QStringLiteral("TYPE I")));
    QCOMPARE(tail, (QStringList{"TYPE I", "PASV ", "REST 40000", "STOR resume.bin"}));
    QVERIFY(readFile(serverPath(QStringLiteral("resume.bin"))) == bytes);
    QCOMPARE(rec.progress.first(), offset + 1460);
    QCOMPARE(rec.progress.last(), qint64(bytes.size()));
}

void TestFtpClientLive::download_data()
{
    QTest::addColumn<bool>("passive");
    QTest::addColumn<QByteArray>("localBefore"); // empty: no local file
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("rest");            // expected REST command, or empty
    const QByteArray remote = randomBytes(3 * 1024 * 1024 + 7);
    for (bool passive : {true, false}) {
        const char *mode = passive ? "passive" : "active";
        QTest::addRow("%s, new file", mode) << passive << QByteArray() << false << "";
        QTest::addRow("%s, resumed", mode) << passive << remote.left(1024 * 1024) << false << "REST 1048576";
        QTest::addRow("%s, overwrite replaces the local file", mode)
            << passive << QByteArray("stale content that is not the file") << true << "";
    }
    m_remoteForDownload = remote;
}

void TestFtpClientLive::download()
{
    QFETCH(bool, passive);
    QFETCH(QByteArray, localBefore);
    QFETCH(bool, overwrite);
    QFETCH(QString, rest);
    const QByteArray &remote = m_remoteForDownload;
    QVERIFY(writeFile(serverPath(QStringLiteral("big.bin")), remote));
    const QString local = QDir(m_localDir.path()).filePath(QStringLiteral("down.bin"));
    QFile::remove(local);
    if (!localBefore.isEmpty())
        QVERIFY(writeFile(local, localBefore));

    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec, passive));
    client.DownloadFile(QStringLiteral("big.bin"), local, overwrite);
    QCOMPARE(rec.waitFor(QStringLiteral("OnDownloadFile"), 1, 60000), int(arStatusOk));
    QVERIFY(readFile(local) == remote);
    QCOMPARE(rec.commands.filter(QStringLiteral("REST")), rest.isEmpty() ? QStringList{} : QStringList{rest});
    QCOMPARE(rec.commands.last(), QStringLiteral("RETR big.bin"));
    QCOMPARE(rec.progress.last(), qint64(remote.size()));
    if (!rest.isEmpty())
        QVERIFY(rec.progress.first() > localBefore.size());
}

void TestFtpClientLive::downloadOfMissingFile()
{
    const QString local = QDir(m_localDir.path()).filePath(QStringLiteral("never.bin"));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec));
    client.DownloadFile(QStringLiteral("missing.bin"), local, false);
    QCOMPARE(rec.waitFor(QStringLiteral("OnDownloadFile")), int(arStatusError));
    QCOMPARE(client.LastFtpError().Number(), 16550);
    QVERIFY(!QFileInfo::exists(local)); // no empty file left behind
    QCOMPARE(client.DataSocket().State(), int(sockClosed));
}

void TestFtpClientLive::methodsChainedFromHandlers()
{
    // Each completion handler starts the next method; the caller waits in an
    // event loop for the last one, as the batch upload does.
    const QString local = QDir(m_localDir.path()).filePath(QStringLiteral("chain.bin"));
    const QByteArray bytes = randomBytes(20000);
    QVERIFY(writeFile(local, bytes));
    CFtpClient client;
    ClientRecorder rec(client);
    client.setPassiveMode(true);
    client.setFtpServer(QStringLiteral("127.0.0.1"));
    client.setRemotePort(m_server.port());
    client.setUserName(kUser);
    client.setPassword(kPassword);
    connect(&client, &CFtpClient::OnConnect, &client, [&](int r) { if (r == arStatusOk) client.CreateDirectory(QStringLiteral("out")); });
    connect(&client, &CFtpClient::OnCreateDirectory, &client, [&](int r) { if (r == arStatusOk) client.SetCurrentDirectory(QStringLiteral("out")); });
    connect(&client, &CFtpClient::OnSetCurrentDirectory, &client, [&](int r) { if (r == arStatusOk) client.UploadFile(local, QStringLiteral("chain.bin")); });
    QEventLoop loop;
    int result = -1;
    connect(&client, &CFtpClient::OnUploadFile, &loop, [&](int r) { result = r; loop.quit(); });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    client.Connect();
    loop.exec();
    QCOMPARE(result, int(arStatusOk));
    QVERIFY(readFile(serverPath(QStringLiteral("out/chain.bin"))) == bytes);
}

void TestFtpClientLive::cancelledUploadThenAnother()
{
    const QString big = QDir(m_localDir.path()).filePath(QStringLiteral("big.bin"));
    const QString small = QDir(m_localDir.path()).filePath(QStringLiteral("small.bin"));
    const QByteArray smallBytes = randomBytes(3000);
    QVERIFY(writeFile(big, randomBytes(8 * 1024 * 1024)));
    QVERIFY(writeFile(small, smallBytes));
    CFtpClient client;
    ClientRecorder rec(client);
    client.setSendBufferLenght(512);
    QVERIFY(connectClient(client, rec));
    connect(&client, &CFtpClient::OnDataTransferProgress, &client, [&](qint64) {
        if (client.PendingMethod() == 9 && rec.progress.size() == 3)
            client.CancelAsyncMethod();
    });
    client.UploadFile(big, QStringLiteral("big.bin"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnUploadFile")), int(arStatusCancel));
    QCOMPARE(client.DataSocket().State(), int(sockClosed));
    QVERIFY(!client.DataTransferInProgress());
    // The server's answer to the abandoned STOR must not end the next upload.
    client.UploadFile(small, QStringLiteral("small.bin"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnUploadFile"), 2), int(arStatusOk));
    QVERIFY(readFile(serverPath(QStringLiteral("small.bin"))) == smallBytes);
}

void TestFtpClientLive::wrongPassword()
{
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(!vexl::test::login(client, rec, m_server.port(), kUser, QStringLiteral("wrong")));
    QCOMPARE(client.LastFtpError().Number(), 16530);
    QCOMPARE(client.LastFtpError().Description(), QStringLiteral("Not logged in."));
    QCOMPARE(client.FtpSessionState(), int(ftpClosed));
    QVERIFY(rec.replies.last().startsWith(QLatin1String("530 ")));
}

void TestFtpClientLive::secondMethodWhilePending()
{
    QVERIFY(writeFile(serverPath(QStringLiteral("a.jpg")), "x"));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec));
    client.EnumFiles();
    try {
        client.SetCurrentDirectory(QStringLiteral("/"));
        QFAIL("no error");
    } catch (const VexlError &e) {
        QCOMPARE(e.number, 16007);
        QCOMPARE(e.description, QStringLiteral("Cannot execute the SetCurrentDirectory method. Waiting fot the "
                                               "server response on the previous command."));
        QCOMPARE(e.source, QStringLiteral("CFtpClient.SetCurrentDirectory"));
    }
    QCOMPARE(client.PendingMethod(), 10);
    QCOMPARE(rec.waitFor(QStringLiteral("OnEnumFiles")), int(arStatusOk));
    QCOMPARE(client.CurrentDirectoryFiles().Count(), 1);
    QCOMPARE(rec.count(QStringLiteral("OnSetCurrentDirectory")), 0);
}

void TestFtpClientLive::quit()
{
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec));
    client.QuitSession();
    QCOMPARE(rec.waitFor(QStringLiteral("OnQuitSession")), int(arStatusOk));
    QTRY_COMPARE_WITH_TIMEOUT(client.FtpSessionState(), int(ftpClosed), 5000);
    QVERIFY(rec.states.contains(ftpQuitSentState));
    QCOMPARE(rec.completions.size(), 2);
}

QTEST_GUILESS_MAIN(TestFtpClientLive)
#include "tst_ftpclient_live.moc"
