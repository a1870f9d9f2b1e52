// Batches to a saved connection, against a real pyftpdlib server on 127.0.0.1.

#include "batchfixture.h"
#include "ftptesthelpers.h"

#include "ftp/ftptypes.h"
#include "settings/settingsstore.h"
#include "settings/ftpconnections.h"
#include "engine/undobatch.h"

#include <QSettings>

#include <csignal>

using namespace vexl;
using namespace vexl::test;

namespace {
const QString kUser = QStringLiteral("vexl");
const QString kPassword = QStringLiteral("s3cret");

// A server on `server/` of the test world, its saved connection "Local" the destination.
struct FtpBatch : BatchFixture
{
    QString root = world.path(QStringLiteral("server"));
    QString remote = root + QStringLiteral("/base"); // the connection's base folder
    PyFtpServer server;

    FtpBatch()
    {
        QDir().mkpath(remote);
        QVERIFY2(server.start(root, kUser, kPassword), qPrintable(server.error()));
        Ftp() = FtpState{};
        Ftp().connections = {FTPConnection{QStringLiteral("Local"), QStringLiteral("127.0.0.1"), server.port(), QString(),
                                           false, kUser, kPassword, true, 10}};
        s.OutputDir = QStringLiteral("/base");
        input.outputDestIndex = 2;
        input.outputDestText = QStringLiteral("FTP: Local");
    }
    QStringList staged() const { return QDir(world.path(QStringLiteral("program/Temp"))).entryList(QDir::Files); }
};
} // namespace

class TestBatchFtpUpload : public QObject
{
    Q_OBJECT

private slots:
    // The original goes to the trash only once its upload is confirmed, whatever ends
    // the session; a cut-off remote file is removed (and said so).
    void originalLeavesOnlyAfterTheUpload_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("answers"); // Yes / No to the questions; "pw:" typed at the login prompt, "keep:" remembered
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("last"); // the last message starts so
        QTest::addColumn<QStringList>("uploaded");
        QTest::addColumn<QString>("reported");
        const int finished = int(BatchOutcome::Finished), aborted = int(BatchOutcome::Aborted),
                  ftpEnded = int(BatchOutcome::FtpEnded);
        // A skipped image is neither uploaded nor left staged; only the missing folder level is made;
        // two images of one name in their own folders do not collide.
        QTest::addRow("uploaded: originals in the trash, the run undone")
            << "none" << QStringList{"Yes"} << finished << QStringList{"ImageMagick Error", "Done"} << "Process Finished!"
            << QStringList{"a/b/next.png", "big.png", "next.png"} << "";
        QTest::addRow("stopped mid-file: partial file removed")
            << "stop" << QStringList() << aborted << QStringList{"Done"} << "Process Aborted." << QStringList()
            << "Removed the incomplete file /base/big.png from the server.";
        QTest::addRow("server dropped mid-file: partial file removed")
            << "drop" << QStringList() << ftpEnded << QStringList{"FTP Upload Error"} << "" << QStringList()
            << "Removed the incomplete file /base/big.png";
        QTest::addRow("server refused the file")
            << "refuse" << QStringList() << ftpEnded << QStringList{"FTP Upload Error"} << "" << QStringList() << "";
        QTest::addRow("three refused logins")
            << "wrong" << QStringList{"pw:bad1", "Yes", "pw:bad2", "Yes"} << ftpEnded
            << QStringList{"Incorrect Login", "Incorrect Login", "Login Failed"} << "Login failed for 3 attempts."
            << QStringList() << "";
        QTest::addRow("retry with a remembered login")
            << "wrong" << QStringList{"Yes", "keep:s3cret"} << finished << QStringList{"Incorrect Login", "Done"}
            << "Process Finished!" << QStringList{"a/b/next.png", "big.png"} << "";
        QTest::addRow("connection closed, server back")
            << "close back" << QStringList{"Yes"} << finished << QStringList{"Connection Closed", "Done"}
            << "Process Finished!" << QStringList{"a/b/next.png", "big.png"} << "";
        // Every re-open refused: the question, with its cause, at most twice more, then as for No.
        QTest::addRow("connection closed, server stays away")
            << "close" << QStringList{"Yes", "Yes", "Yes"} << aborted
            << QStringList{"Connection Closed", "Connection Closed", "Connection Closed", "Done"} << "Process Aborted."
            << QStringList{"big.png"} << "";
    }
    void originalLeavesOnlyAfterTheUpload()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, answers);
        QFETCH(int, outcome);
        QFETCH(QString, last);
        QFETCH(QStringList, uploaded);
        QFETCH(QString, reported);
        const bool plain = fault == QLatin1String("none");
        const bool midFile = fault == QLatin1String("stop") || fault == QLatin1String("drop");
        FtpBatch b;
        QDir(b.remote).mkpath(QStringLiteral("a"));
        b.s.DeleteOld = b.s.ReplicateSubDirs = b.input.recurse = true;
        b.s.MiscGreyscale = plain;
        const int side = midFile ? 700 : 70; // many upload chunks to cut
        QVERIFY(b.addImage(QStringLiteral("big.png"), side, side, 3));
        if (plain) {
            b.add(QStringLiteral("broken.png"));
            QVERIFY(writeFile(b.inPath(QStringLiteral("broken.png")), "not an image"));
            QVERIFY(b.addImage(QStringLiteral("next.png"), 20, 30, 5));
        }
        QVERIFY(b.addImage(QStringLiteral("a/b/next.png"), 30, 20, 4));
        const QMap<QString, QByteArray> originals = checksums(b.in);
        if (fault == QLatin1String("wrong"))
            Ftp().connections.first().Password = QStringLiteral("wrong");
        if (fault == QLatin1String("refuse"))
            QVERIFY(QDir(b.remote).mkpath(QStringLiteral("big.png"))); // a folder in the way: 550
        int typed = 0;
        for (const QString &a : answers) {
            if (a.contains(QLatin1Char(':')))
                b.host.logins.push_back(LoginAnswer{kUser, a.section(QLatin1Char(':'), 1), a.startsWith(QLatin1String("keep:"))});
            else
                b.host.answers.push_back(a == QLatin1String("Yes") ? MsgAnswer::Yes : MsgAnswer::No);
            typed += a.contains(QLatin1Char(':'));
        }
        QSet<QByteArray> staged; // taken just before each upload
        bool faulted = false;
        b.host.onFtpProgress = [&](int percent) {
            for (const QString &name : b.staged())
                staged.insert(checksum(b.world.path(QStringLiteral("program/Temp/")) + name));
            if (faulted || percent <= 0 || percent >= 100 || !midFile)
                return;
            faulted = true;
            if (fault == QLatin1String("stop")) {
                b.run.requestStop();
            } else {
                const quint16 port = b.server.port();
                b.server.stop();
                QVERIFY(b.server.start(b.root, kUser, kPassword, port));
            }
        };
        b.host.onImage = [&](int position, int, const QString &) {
            if (position != 2 || !fault.startsWith(QLatin1String("close")))
                return;
            const quint16 port = b.server.port();
            b.server.stop();
            QTRY_COMPARE_WITH_TIMEOUT(b.host.ftpStatuses.value(b.host.ftpStatuses.size() - 1),
                                      QStringLiteral("The control connection is closed"), 10000);
            if (fault.endsWith(QLatin1String("back")))
                QVERIFY(b.server.start(b.root, kUser, kPassword, port));
        };

        QCOMPARE(int(b.go()), outcome);
        QTEST(b.host.titles(), "titles");
        QVERIFY2(b.host.asked.last().text.startsWith(last), qPrintable(b.host.asked.last().text));
        QCOMPARE(b.host.loginPrompts, typed);
        QCOMPARE(b.staged(), QStringList());
        QCOMPARE(BatchFixture::filesBelow(b.remote), uploaded);
        QCOMPARE(QFileInfo(b.remote + QStringLiteral("/big.png")).isDir(), fault == QLatin1String("refuse"));
        const QList<QByteArray> trashed = checksums(b.world.path(QStringLiteral("data/Trash/files"))).values();
        const QMap<QString, QByteArray> left = checksums(b.in);
        for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
            const bool gone = uploaded.contains(it.key());
            QCOMPARE(trashed.contains(it.value()), gone);
            QCOMPARE(left.value(it.key()), gone ? QByteArray() : it.value());
        }
        if (outcome == int(BatchOutcome::Finished)) {
            QVERIFY(b.host.summary && b.host.summary->ftp);
            const int n = int(uploaded.size());
            QCOMPARE((QList<int>{b.host.summary->done, b.host.summary->uploaded, b.host.summary->trashed}),
                     (QList<int>{n, n, n}));
        }
        QCOMPARE(b.host.reports.filter(QStringLiteral("incomplete")).size(), reported.isEmpty() ? 0 : 1);
        if (!reported.isEmpty())
            QVERIFY2(b.host.reports.first().startsWith(reported), qPrintable(b.host.reports.first()));
        if (answers.contains(QStringLiteral("keep:s3cret"))) { // the connection's login now, and in the store
            QCOMPARE(Ftp().connections.first().Password, kPassword);
            QCOMPARE(LoadFTPConnections(SettingsStore().raw()).value(0).Password, kPassword);
        }
        const QString refused = QStringLiteral("Re-opening the connection failed: Connection refused. (10061)");
        for (int i = 0; i < b.host.count(QStringLiteral("Connection Closed")); ++i)
            QVERIFY2(b.host.asked.at(i).text.endsWith(QStringLiteral("\r\n\r\n") + refused) == (i > 0),
                     qPrintable(b.host.asked.at(i).text));
        if (!plain)
            return;
        QVERIFY(b.host.ftpMode);
        QCOMPARE(b.host.ftpLog.filter(QRegularExpression(QStringLiteral("^(CWD|MKD) "))),
                 (QStringList{"CWD /base", "CWD /base/a/b", "CWD /base", "CWD /base/a", "CWD /base/a/b", "MKD /base/a/b",
                              "CWD /base/a/b"}));
        QSet<QByteArray> sent;
        for (const QString &name : uploaded)
            sent.insert(checksum(b.remote + QLatin1Char('/') + name));
        QCOMPARE(sent, staged);
        QVERIFY(b.host.ftpLog.contains(QStringLiteral("PASS ****")));
        QVERIFY(!b.host.ftpLog.join(QLatin1Char('\n')).contains(kPassword));
        // Undone: uploads deleted on the server (one already gone there reported), originals back.
        QVERIFY(QFile::remove(b.remote + QStringLiteral("/a/b/next.png")));
        UndoBatch undo;
        QCOMPARE(undo.plan().filter(QStringLiteral("on the server of Local")).size(), 3);
        QCOMPARE(undo.run(Ftp().connections), false);
        QCOMPARE(BatchFixture::filesBelow(b.remote), QStringList());
        QCOMPARE(checksums(b.in), originals);
        QCOMPARE(undo.results().filter(QStringLiteral("Deleted /base/big.png on the server of Local")).size(), 1);
        QCOMPARE(undo.results().filter(QStringLiteral("Not deleted on the server: /base/a/b/next.png")).size(), 1);
    }

    // The command-line batch to a saved connection: no login prompt, and QUIT
    // before the process ends, on SIGTERM during a wait on the server too.
    void commandLine_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("stalled"); // the upload is never answered, then SIGTERM
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("ending"); // of what is printed
        QTest::addRow("saved password")
            << kPassword << false << 0
            << "[FTP] STOR th_one.png\n[FTP] 150 Ok to send data\n[FTP] 226 Transfer complete\nDone: Process Finished!\n"
               "  Done: 1, Skipped: 0, Failed: 0, Deleted to trash: 0, Uploaded: 1\n";
        QTest::addRow("no saved password")
            << QString() << false << 1 << "-> Cancel\nNo Login Details: Login details not given. Ending process.\n";
        QTest::addRow("SIGTERM during the upload")
            << kPassword << true << 1 << "[FTP] STOR th_one.png\nDone: Process Aborted.\n";
    }
    void commandLine()
    {
        QFETCH(QString, password);
        QFETCH(bool, stalled);
        QFETCH(QString, ending);
        TestWorld world;
        ScriptedFtpServer server;
        server.reply("STOR", stalled ? "" : "150 Ok to send data\r\n");
        server.confirmUploads = true;
        const QString in = world.path(QStringLiteral("in"));
        QVERIFY(makeImage(in + QStringLiteral("/one.png"), 20, 10));
        const QString ini = world.path(QStringLiteral("cli.ini"));
        {
            QSettings store(ini, QSettings::IniFormat);
            SaveFTPConnections(store, {FTPConnection{QStringLiteral("Local"), QStringLiteral("127.0.0.1"), server.port(),
                                                     QString(), false, kUser, password, true, 60}});
            store.setValue(QStringLiteral("Settings/OutputDest"), QStringLiteral("//FTP: Local//"));
            store.setValue(QStringLiteral("Settings/OutputDir"), QStringLiteral("/"));
        }
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vexl-dovo"),
                  {QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini});
        QVERIFY(cli.waitForStarted());
        if (stalled) {
            QTRY_VERIFY_WITH_TIMEOUT(!server.commands.isEmpty() && server.commands.last().startsWith("STOR"), 20000);
            QCOMPARE(::kill(pid_t(cli.processId()), SIGTERM), 0);
        }
        // The scripted server lives in this process: serve it while the batch runs.
        QTRY_VERIFY_WITH_TIMEOUT(cli.state() == QProcess::NotRunning, 60000);
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QTEST(cli.exitCode(), "exitCode");
        const QString out = QString::fromLocal8Bit(cli.readAllStandardOutput());
        QVERIFY2(out.endsWith(ending) && !out.contains(kPassword), qPrintable(out));
        QCOMPARE(out.contains(QStringLiteral("[FTP] PASS ****")), !password.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(server.controlClosed || password.isEmpty(), 5000);
        QCOMPARE(server.commands.value(server.commands.size() - 1), password.isEmpty() ? QByteArray() : QByteArray("QUIT"));
        QCOMPARE(server.uploads.size(), password.isEmpty() ? 0 : 1);
        if (!stalled && !password.isEmpty()) // the output named with the first-run prefix, whole
            QCOMPARE(QImage::fromData(server.uploads.first()).size(), QSize(20, 10));
    }
};

VEXL_ENGINE_TEST_MAIN(TestBatchFtpUpload)
#include "tst_batch_ftpupload.moc"
