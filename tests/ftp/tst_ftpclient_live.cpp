// CFtpClient against a real server: pyftpdlib on 127.0.0.1 with a temporary
// root, started for this test. Passive uploads of whole batches, listings and
// one session after another: tst_batch_ftpupload and tst_ftpdialogs; a late
// reply to a cancelled upload: tst_ftpclient_scripted.

#include "ftptesthelpers.h"
#include "testsupport.h"

#include "ftp/csocket.h"

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
    void initTestCase()
    {
        QVERIFY(m_rootDir.isValid() && m_localDir.isValid());
        m_root = QDir(m_rootDir.path());
        QVERIFY2(m_server.start(m_rootDir.path(), kUser, kPassword), qPrintable(m_server.error()));
    }

    void init()
    {
        for (const QFileInfo &fi : m_root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            fi.isDir() ? QDir(fi.filePath()).removeRecursively() : QFile::remove(fi.filePath());
    }

    void upload_data()
    {
        QTest::addColumn<bool>("passive");
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<qint64>("offset"); // REST; the server holds the leading bytes
        QTest::addRow("active, several MiB") << false << qsizetype(5 * 1024 * 1024 + 123) << 8192 << qint64(0);
        QTest::addRow("passive, zero bytes") << true << qsizetype(0) << 1460 << qint64(0);
        QTest::addRow("passive, one byte past a chunk") << true << qsizetype(1461) << 1460 << qint64(0);
        QTest::addRow("passive, from an offset") << true << qsizetype(100000) << 1460 << qint64(40000);
    }

    void upload()
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
        QCOMPARE(client.FtpSessionState(), int(ftpFreeState));
    }

    void unicodePasswords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addRow("cjk") << QStringLiteral("密码パス");
    }

    // Sent as UTF-8, the form the server knows (the stored form is pinned in
    // tst_ftpconnections).
    void unicodePasswords()
    {
        QFETCH(QString, password);
        PyFtpServer server;
        QVERIFY2(server.start(m_rootDir.path(), QStringLiteral("uni"), password), qPrintable(server.error()));
        CFtpClient client;
        ClientRecorder rec(client);
        QVERIFY(vexl::test::login(client, rec, server.port(), QStringLiteral("uni"), password));
    }

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
};

QTEST_GUILESS_MAIN(TestFtpClientLive)
#include "tst_ftpclient_live.moc"
