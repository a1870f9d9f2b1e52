// CFtpClient against a real server: pyftpdlib on 127.0.0.1 with a temporary
// root, started for this test.

#include "ftptesthelpers.h"
#include "testsupport.h"

#include "ftp/csocket.h"
#include "ftp/ftplisting.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vexl;
using namespace vexl::test;

namespace {

const QString kUser = QStringLiteral("vexl");
const QString kPassword = QStringLiteral("s3cret");

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
    void listing();
    void upload_data();
    void upload();
    void download_data();
    void download();
    void cancelledUploadThenAnother();
    void unicodePasswords_data();
    void unicodePasswords();
    void secondMethodWhilePending();

private:
    QString serverPath(const QString &name) const { return m_root.filePath(name); }
    QString localPath(const QString &name) const { return QDir(m_localDir.path()).filePath(name); }
    bool connectClient(CFtpClient &client, ClientRecorder &rec, bool passive = true)
    {
        client.setPassiveMode(passive);
        return vexl::test::login(client, rec, m_server.port(), kUser, kPassword);
    }

    QTemporaryDir m_rootDir;
    QTemporaryDir m_localDir;
    QDir m_root;
    PyFtpServer m_server;
    QByteArray m_remote = randomBytes(3 * 1024 * 1024 + 7);
};

void TestFtpClientLive::initTestCase()
{
    QVERIFY(m_rootDir.isValid() && m_localDir.isValid());
    m_root = QDir(m_rootDir.path());
    QVERIFY2(m_server.start(m_rootDir.path(), kUser, kPassword), qPrintable(m_server.error()));
}

void TestFtpClientLive::init()
{
    for (const QFileInfo &fi : m_root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        fi.isDir() ? QDir(fi.filePath()).removeRecursively() : QFile::remove(fi.filePath());
}

// In active mode: passive listings are read in the scripted tests.
void TestFtpClientLive::listing()
{
    QVERIFY(m_root.mkdir(QStringLiteral("sub")));
    QVERIFY(writeFile(serverPath(QStringLiteral("a.jpg")), QByteArray(10, 'a')));
    QVERIFY(writeFile(serverPath(QStringLiteral("my photo.png")), QByteArray(1234, 'p')));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec, false));
    client.EnumFiles();
    QCOMPARE(rec.waitFor(QStringLiteral("OnEnumFiles")), int(arStatusOk));
    const CFtpFiles &files = client.CurrentDirectoryFiles();
    QCOMPARE(files.Count(), 3);
    QVERIFY(files.Item(QStringLiteral("sub")).IsDirectory());
    QCOMPARE(files.Item(QStringLiteral("a.jpg")).FileSize(), qint64(10));
    QCOMPARE(files.Item(QStringLiteral("my photo.png")).FileSize(), qint64(1234));
    QCOMPARE(files.Item(QStringLiteral("a.jpg")).LastWriteTime().date(),
             QFileInfo(serverPath(QStringLiteral("a.jpg"))).lastModified().toUTC().date()); // listed in UTC
    QVERIFY(ParseListing(client.CurrentDirectoryListing()).has_value()); // the raw text is kept
    QCOMPARE(rec.progress.last(), qint64(client.CurrentDirectoryListing().toUtf8().size()));
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
}

void TestFtpClientLive::upload_data()
{
    QTest::addColumn<bool>("passive");
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<qint64>("offset"); // REST; the server holds the leading bytes
    QTest::addRow("passive, several MiB") << true << qsizetype(5 * 1024 * 1024 + 123) << 8192 << qint64(0);
    QTest::addRow("active, several MiB") << false << qsizetype(5 * 1024 * 1024 + 123) << 8192 << qint64(0);
    QTest::addRow("passive, zero bytes") << true << qsizetype(0) << 1460 << qint64(0);
    QTest::addRow("passive, one byte past a chunk") << true << qsizetype(1461) << 1460 << qint64(0);
    QTest::addRow("passive, from an offset") << true << qsizetype(100000) << 1460 << qint64(40000);
}

void TestFtpClientLive::upload()
{
    QFETCH(bool, passive);
    QFETCH(qsizetype, size);
    QFETCH(int, chunk);
    QFETCH(qint64, offset);
    const QByteArray bytes = randomBytes(size);
    QVERIFY(writeFile(localPath(QStringLiteral("up.bin")), bytes));
    if (offset > 0)
        QVERIFY(writeFile(serverPath(QStringLiteral("up.bin")), bytes.left(offset)));
    CFtpClient client;
    ClientRecorder rec(client);
    client.setSendBufferLenght(chunk);
    QVERIFY(connectClient(client, rec, passive));
    client.UploadFile(localPath(QStringLiteral("up.bin")), QStringLiteral("up.bin"), offset);
    QVERIFY(client.DataTransferInProgress());
    QCOMPARE(rec.waitFor(QStringLiteral("OnUploadFile"), 1, 60000), int(arStatusOk));
    QVERIFY(readFile(serverPath(QStringLiteral("up.bin"))) == bytes);
    const QString commands = rec.commands.mid(rec.commands.indexOf(QStringLiteral("TYPE I"))).join(QLatin1Char('|'));
    const QString expected = QStringLiteral("TYPE I\\|%1%2\\|STOR up.bin")
                                 .arg(passive ? QStringLiteral("PASV ") : QStringLiteral("PORT 127,0,0,1,\\d+,\\d+"),
                                      offset ? QStringLiteral("\\|REST %1").arg(offset) : QString());
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(expected)).match(commands).hasMatch(),
             qPrintable(commands));
    if (size == 0) {
        QVERIFY(rec.progress.isEmpty());
    } else {
        // What has left the machine, never more than what was handed over,
        // strictly rising; the whole file once the server confirmed it.
        QVERIFY(rec.progress.first() > offset);
        QCOMPARE(rec.progress.last(), qint64(size));
        QVERIFY(rec.progress.size() <= int((size - offset + chunk - 1) / chunk) + 1);
        QVERIFY(std::adjacent_find(rec.progress.begin(), rec.progress.end(), std::greater_equal<qint64>())
                == rec.progress.end());
    }
    QVERIFY(!client.DataTransferInProgress());
    QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
}

void TestFtpClientLive::download_data()
{
    QTest::addColumn<bool>("passive");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QByteArray>("localBefore"); // empty: no local file
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("rest");
    QTest::addRow("passive, resumed") << true << "big.bin" << m_remote.left(1024 * 1024) << false
                                      << QStringList{"REST 1048576"};
    QTest::addRow("active, new file") << false << "big.bin" << QByteArray() << false << QStringList{};
    QTest::addRow("overwrite replaces the local file")
        << true << "big.bin" << QByteArray("stale content that is not the file") << true << QStringList{};
    QTest::addRow("missing remote file leaves no local file") << true << "missing.bin" << QByteArray() << false
                                                              << QStringList{};
}

void TestFtpClientLive::download()
{
    QFETCH(bool, passive);
    QFETCH(QString, remote);
    QFETCH(QByteArray, localBefore);
    QFETCH(bool, overwrite);
    QVERIFY(writeFile(serverPath(QStringLiteral("big.bin")), m_remote));
    const QString local = localPath(QStringLiteral("down.bin"));
    QFile::remove(local);
    if (!localBefore.isEmpty())
        QVERIFY(writeFile(local, localBefore));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec, passive));
    client.DownloadFile(remote, local, overwrite);
    const int result = rec.waitFor(QStringLiteral("OnDownloadFile"), 1, 60000);
    QTEST(rec.commands.filter(QStringLiteral("REST")), "rest");
    QCOMPARE(rec.commands.last(), QStringLiteral("RETR ") + remote);
    QCOMPARE(client.DataSocket().State(), int(sockClosed));
    if (remote == QLatin1String("missing.bin")) {
        QCOMPARE(result, int(arStatusError));
        QCOMPARE(client.LastFtpError().Number(), 16550);
        QVERIFY(!QFileInfo::exists(local));
        return;
    }
    QCOMPARE(result, int(arStatusOk));
    QVERIFY(readFile(local) == m_remote);
    QCOMPARE(rec.progress.last(), qint64(m_remote.size()));
    QVERIFY(rec.progress.first() > (overwrite ? 0 : localBefore.size()));
}

void TestFtpClientLive::cancelledUploadThenAnother()
{
    const QByteArray small = randomBytes(3000);
    QVERIFY(writeFile(localPath(QStringLiteral("big.bin")), randomBytes(8 * 1024 * 1024)));
    QVERIFY(writeFile(localPath(QStringLiteral("small.bin")), small));
    CFtpClient client;
    ClientRecorder rec(client);
    client.setSendBufferLenght(512);
    QVERIFY(connectClient(client, rec));
    connect(&client, &CFtpClient::OnDataTransferProgress, &client, [&] {
        if (client.PendingMethod() == 9 && rec.progress.size() == 3)
            client.CancelAsyncMethod();
    });
    client.UploadFile(localPath(QStringLiteral("big.bin")), QStringLiteral("big.bin"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnUploadFile")), int(arStatusCancel));
    QCOMPARE(client.DataSocket().State(), int(sockClosed));
    QVERIFY(!client.DataTransferInProgress());
    // The server's answer to the abandoned STOR must not end the next upload.
    client.UploadFile(localPath(QStringLiteral("small.bin")), QStringLiteral("small.bin"));
    QCOMPARE(rec.waitFor(QStringLiteral("OnUploadFile"), 2), int(arStatusOk));
    QVERIFY(readFile(serverPath(QStringLiteral("small.bin"))) == small);
}

void TestFtpClientLive::unicodePasswords_data()
{
    QTest::addColumn<QString>("password");
    QTest::addRow("cyrillic") << QStringLiteral("пароль");
    QTest::addRow("cjk") << QStringLiteral("密码パス");
    QTest::addRow("latin-1") << QStringLiteral("pässwörd");
}

// Sent as UTF-8, the form the server knows (the stored form is pinned in
// tst_ftpconnections).
void TestFtpClientLive::unicodePasswords()
{
    QFETCH(QString, password);
    PyFtpServer server;
    QVERIFY2(server.start(m_rootDir.path(), QStringLiteral("uni"), password), qPrintable(server.error()));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(vexl::test::login(client, rec, server.port(), QStringLiteral("uni"), password));
}

void TestFtpClientLive::secondMethodWhilePending()
{
    QVERIFY(writeFile(serverPath(QStringLiteral("a.jpg")), "x"));
    CFtpClient client;
    ClientRecorder rec(client);
    QVERIFY(connectClient(client, rec));
    client.EnumFiles();
    QCOMPARE(raised([&] { client.SetCurrentDirectory(QStringLiteral("/")); }),
             QStringLiteral("16007 CFtpClient.SetCurrentDirectory: Cannot execute the SetCurrentDirectory method. "
                            "Waiting fot the server response on the previous command."));
    QCOMPARE(client.PendingMethod(), 10);
    QCOMPARE(rec.waitFor(QStringLiteral("OnEnumFiles")), int(arStatusOk));
    QCOMPARE(client.CurrentDirectoryFiles().Count(), 1);
    QCOMPARE(rec.count(QStringLiteral("OnSetCurrentDirectory")), 0);
}

QTEST_GUILESS_MAIN(TestFtpClientLive)
#include "tst_ftpclient_live.moc"
