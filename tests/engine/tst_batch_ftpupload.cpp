// A batch whose destination is a saved connection, against a real pyftpdlib
// server on 127.0.0.1 (a scripted one for the command line).

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

// A server whose root is `server/` in the test world, and one saved connection
// "Local" to it chosen as the destination.
struct FtpBatch : BatchFixture
{
    QString root = world.path(QStringLiteral("server"));
    PyFtpServer server;

    explicit FtpBatch(const QString &basePath = QStringLiteral("/"), const QString &password = kPassword,
                      bool passive = true)
    {
        QDir().mkpath(root);
        QVERIFY2(server.start(root, kUser, password), qPrintable(server.error()));
        Ftp() = FtpState{};
        Ftp().connections = {FTPConnection{QStringLiteral("Local"), QStringLiteral("127.0.0.1"), server.port(), QString(),
                                           false, kUser, password, passive, 10}};
        s.OutputDir = basePath;
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
    // A skipped image is neither uploaded nor left staged; a password beyond
    // Latin-1 is sent as UTF-8, the form the server knows.
    void uploadsEveryOutputIntoTheBaseFolder_data()
    {
        QTest::addColumn<QString>("basePath");
        QTest::addColumn<QString>("remoteFolder");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("passive");
        QTest::addRow("empty base is the root") << QString() << QString() << kPassword << true;
        QTest::addRow("base folder, active mode, UTF-8 password")
            << QStringLiteral("/photos") << QStringLiteral("photos/") << QStringLiteral("密码パス") << false;
    }
    void uploadsEveryOutputIntoTheBaseFolder()
    {
        QFETCH(QString, basePath);
        QFETCH(QString, remoteFolder);
        QFETCH(QString, password);
        QFETCH(bool, passive);
        FtpBatch b(basePath, password, passive);
        QDir(b.root).mkpath(QStringLiteral("photos"));
        b.s.MiscGreyscale = true;
        QVERIFY(b.addImage(QStringLiteral("one.png"), 60, 40, 1));
        b.add(QStringLiteral("broken.png"));
        QVERIFY(writeFile(b.inPath(QStringLiteral("broken.png")), "not an image"));
        QVERIFY(b.addImage(QStringLiteral("two.jpg"), 30, 20, 2));
        b.yes(); // go on after the image engine's failure
        QHash<QString, QByteArray> staged; // taken just before each upload
        b.host.onFtpProgress = [&](int) {
            for (const QString &name : b.staged())
                staged.insert(name, fileBytes(b.world.path(QStringLiteral("program/Temp/")) + name));
        };

        QCOMPARE(b.go(), BatchOutcome::Finished);
        QCOMPARE(b.host.titles(), (QStringList{"ImageMagick Error", "Done"}));
        QVERIFY(b.host.ftpMode);
        const QString remote = b.root + QLatin1Char('/') + remoteFolder;
        QCOMPARE(QDir(remote).entryList(QDir::Files), (QStringList{"one.png", "two.jpg"}));
        QCOMPARE(staged.size(), 2);
        for (auto it = staged.cbegin(); it != staged.cend(); ++it)
            QCOMPARE(fileBytes(remote + it.key()), it.value());
        QCOMPARE(b.staged(), QStringList());
        QVERIFY(b.host.ftpLog.contains(QStringLiteral("PASS ****")));
        QVERIFY(!b.host.ftpLog.join(QLatin1Char('\n')).contains(password));
        QCOMPARE(b.host.ftpLog.filter(QStringLiteral("PORT ")).isEmpty(), passive);
    }

    void replicatedFoldersCreateOnlyWhatIsMissing()
    {
        FtpBatch b(QStringLiteral("/base"));
        QDir(b.root).mkpath(QStringLiteral("base/a"));
        b.s.ReplicateSubDirs = true;
        b.input.recurse = true;
        for (const char *item : {"top.png", "a/b/x.png", "a/b/y.png"})
            QVERIFY(b.addImage(QLatin1String(item)));

        QCOMPARE(b.go(), BatchOutcome::Finished);
        // a/b tried, then each level tested in order and only the missing one made.
        QCOMPARE(b.host.ftpLog.filter(QRegularExpression(QStringLiteral("^(CWD|MKD) "))),
                 (QStringList{"CWD /base", "CWD /base/a/b", "CWD /base", "CWD /base/a", "CWD /base/a/b", "MKD /base/a/b",
                              "CWD /base/a/b"}));
        for (const char *file : {"base/top.png", "base/a/b/x.png", "base/a/b/y.png"})
            QVERIFY2(QFileInfo(b.root + QLatin1Char('/') + QLatin1String(file)).size() > 0, file);
    }

    void login_data()
    {
        QTest::addColumn<QString>("storedPassword");
        QTest::addColumn<QStringList>("answers");   // to "Incorrect Login"
        QTest::addColumn<QStringList>("passwords"); // typed into the prompt; "-" cancels it
        QTest::addColumn<bool>("remember");
        QTest::addColumn<QString>("last"); // title: text of the last message
        QTest::addColumn<int>("retryQuestions");
        QTest::addRow("prompt cancelled") << QString() << QStringList() << QStringList{"-"} << false
                                          << "No Login Details: Login details not given. Ending process." << 0;
        QTest::addRow("three refused logins") << "wrong" << QStringList{"Yes", "Yes"} << QStringList{"bad1", "bad2"}
                                              << false << "Login Failed: Login failed for 3 attempts." << 2;
        QTest::addRow("no retry ends the run") << "wrong" << QStringList{"No"} << QStringList() << false
                                               << "Incorrect Login: Username/Password Incorrect. Do you want to retry?"
                                               << 1;
        QTest::addRow("retry with a remembered login") << "wrong" << QStringList{"Yes"} << QStringList{kPassword} << true
                                                       << "Done: Process Finished!" << 1;
    }
    void login()
    {
        QFETCH(QString, storedPassword);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, passwords);
        QFETCH(bool, remember);
        QFETCH(QString, last);
        FtpBatch b;
        Ftp().connections.first().Password = storedPassword;
        for (const QString &a : answers)
            b.host.answers.push_back(a == QLatin1String("Yes") ? MsgAnswer::Yes : MsgAnswer::No);
        for (const QString &p : passwords)
            b.host.logins.push_back(p == QLatin1String("-") ? std::nullopt
                                                            : std::optional<LoginAnswer>(LoginAnswer{kUser, p, remember}));
        QVERIFY(b.addImage(QStringLiteral("one.png")));

        b.go();
        QCOMPARE(b.host.asked.last().title + QStringLiteral(": ") + b.host.asked.last().text, last);
        QTEST(b.host.count(QStringLiteral("Incorrect Login")), "retryQuestions");
        QCOMPARE(b.host.loginPrompts, int(passwords.size()));
        QCOMPARE(QFileInfo::exists(b.root + QStringLiteral("/one.png")), last.startsWith(QLatin1String("Done")));
        if (remember) { // the connection's login now, and in the store
            QCOMPARE(Ftp().connections.first().Password, kPassword);
            QCOMPARE(LoadFTPConnections(SettingsStore().raw()).value(0).Password, kPassword);
        }
    }

    // The original goes to the trash only after the server confirmed the upload;
    // a cut-off remote file is removed (and said so).
    void originalLeavesOnlyAfterTheUpload_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("last"); // title: text of the last message
        QTest::addColumn<QString>("reported");
        QTest::addRow("uploaded: original in the trash")
            << "none" << int(BatchOutcome::Finished) << "Done: Process Finished!" << "";
        QTest::addRow("stopped mid-file: partial file removed")
            << "stop" << int(BatchOutcome::Aborted) << "Done: Process Aborted."
            << "Removed the incomplete file /big.png from the server.";
        QTest::addRow("server dropped mid-file: partial file removed")
            << "drop" << int(BatchOutcome::FtpEnded) << "FTP Upload Error: " << "Removed the incomplete file /big.png";
        QTest::addRow("server refused the file") << "refuse" << int(BatchOutcome::FtpEnded) << "FTP Upload Error: " << "";
    }
    void originalLeavesOnlyAfterTheUpload()
    {
        QFETCH(QString, fault);
        QFETCH(QString, last);
        QFETCH(QString, reported);
        FtpBatch b;
        b.s.DeleteOld = true;
        QVERIFY(b.addImage(QStringLiteral("big.png"), 700, 700, 3)); // many upload chunks
        const QString original = b.inPath(QStringLiteral("big.png"));
        const QByteArray sum = checksum(original);
        if (fault == QLatin1String("refuse"))
            QVERIFY(QDir(b.root).mkpath(QStringLiteral("big.png"))); // a folder in the way: 550
        bool faulted = false;
        b.host.onFtpProgress = [&](int percent) {
            if (faulted || percent <= 0 || percent >= 100)
                return;
            faulted = true;
            if (fault == QLatin1String("stop")) {
                b.run.requestStop();
            } else if (fault == QLatin1String("drop")) {
                const quint16 port = b.server.port();
                b.server.stop();
                QVERIFY(b.server.start(b.root, kUser, kPassword, port));
            }
        };
        QTEST(int(b.go()), "outcome");
        QVERIFY2((b.host.asked.last().title + QStringLiteral(": ") + b.host.asked.last().text).startsWith(last),
                 qPrintable(b.host.asked.last().text));
        QCOMPARE(b.staged(), QStringList());
        const QString remote = b.root + QStringLiteral("/big.png");
        const QString trashed = b.world.path(QStringLiteral("data/Trash/files/big.png"));
        if (fault == QLatin1String("none")) {
            QVERIFY(!QFileInfo::exists(original));
            QCOMPARE(checksum(trashed), sum);
            QVERIFY(QFileInfo(remote).size() > 0);
            QVERIFY(b.host.summary && b.host.summary->ftp);
            QCOMPARE((QList<int>{b.host.summary->done, b.host.summary->uploaded, b.host.summary->trashed}),
                     (QList<int>{1, 1, 1}));
        } else {
            QCOMPARE(checksum(original), sum);
            QVERIFY(!QFileInfo::exists(trashed));
            QVERIFY(fault == QLatin1String("refuse") ? QFileInfo(remote).isDir() : !QFileInfo::exists(remote));
        }
        QCOMPARE(b.host.reports.filter(QStringLiteral("incomplete")).size(), reported.isEmpty() ? 0 : 1);
        if (!reported.isEmpty())
            QVERIFY2(b.host.reports.first().startsWith(reported), qPrintable(b.host.reports.first()));
    }

    void serverClosedSessionIsReopened_data()
    {
        QTest::addColumn<bool>("serverBack");
        QTest::addColumn<int>("questions"); // "Connection Closed"
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("uploaded");
        // The new session goes back to the base folder before the upload.
        QTest::addRow("server back") << true << 1 << "Process Finished!" << QStringList{"one.png", "two.png"};
        // Every re-open refused: the question, with its cause, at most twice more, then as for No.
        QTest::addRow("server stays away") << false << 3 << "Process Aborted." << QStringList{"one.png"};
    }
    void serverClosedSessionIsReopened()
    {
        QFETCH(bool, serverBack);
        FtpBatch b(QStringLiteral("/base"));
        QDir(b.root).mkpath(QStringLiteral("base"));
        QVERIFY(b.addImage(QStringLiteral("one.png")));
        QVERIFY(b.addImage(QStringLiteral("two.png")));
        b.host.onImage = [&](int position, int, const QString &) {
            if (position != 2)
                return;
            const quint16 port = b.server.port();
            b.server.stop();
            QTRY_COMPARE_WITH_TIMEOUT(b.host.ftpStatuses.value(b.host.ftpStatuses.size() - 1),
                                      QStringLiteral("The control connection is closed"), 10000);
            if (serverBack)
                QVERIFY(b.server.start(b.root, kUser, kPassword, port));
        };
        b.yes(10);
        QCOMPARE(b.go(), serverBack ? BatchOutcome::Finished : BatchOutcome::Aborted);
        QTEST(b.host.count(QStringLiteral("Connection Closed")), "questions");
        QTEST(b.host.asked.last().text, "last");
        const QString refused = QStringLiteral("Re-opening the connection failed: Connection refused. (10061)");
        QVERIFY(!b.host.asked.at(0).text.contains(refused));
        for (int i = 1; i < b.host.count(QStringLiteral("Connection Closed")); ++i)
            QVERIFY2(b.host.asked.at(i).text.endsWith(QStringLiteral("\r\n\r\n") + refused), qPrintable(b.host.asked.at(i).text));
        QTEST(QDir(b.root + QStringLiteral("/base")).entryList(QDir::Files), "uploaded");
        QCOMPARE(b.staged(), QStringList());
    }

    // A name no FTP command can carry ends the run with a message, not an error report.
    void unsendableNames_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("basePath");
        QTest::addColumn<QString>("message");
        QTest::addRow("line feed in the prefix")
            << "a\nb_" << "/"
            << "The file name \"a\\nb_one.png\" contains a line break or a NUL character, which cannot be sent to an "
               "FTP server. Process Stopped.";
        QTest::addRow("CR LF in the folder")
            << "th_" << "/up\r\nload"
            << "The folder \"/up\\r\\nload\" contains a line break or a NUL character, which cannot be sent to an FTP "
               "server. Process Stopped.";
    }
    void unsendableNames()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, basePath);
        FtpBatch b(basePath);
        b.s.RenamePrefix = prefix;
        QVERIFY(b.addImage(QStringLiteral("one.png")));
        QCOMPARE(b.go(), BatchOutcome::FtpEnded);
        QCOMPARE(b.host.titles(), QStringList{QStringLiteral("FTP Upload Error")});
        QTEST(b.host.asked.last().text, "message");
        QVERIFY(b.host.errors.isEmpty());
        QCOMPARE(QDir(b.root).entryList(QDir::Files), QStringList());
        QCOMPARE(b.staged(), QStringList());
    }

    // An FTP run undone: uploads deleted on the server (one already gone there
    // reported), originals back from the trash.
    void undoesAnFtpRun()
    {
        FtpBatch b;
        b.s.DeleteOld = true;
        QVERIFY(b.addImage(QStringLiteral("a.png"), 40, 30, 1));
        QVERIFY(b.addImage(QStringLiteral("b.png"), 30, 20, 2));
        const QMap<QString, QByteArray> inBefore = checksums(b.in);
        QCOMPARE(b.go(), BatchOutcome::Finished);
        QCOMPARE(BatchFixture::filesBelow(b.root), (QStringList{"a.png", "b.png"}));
        QCOMPARE(b.inFiles(), QStringList());
        QVERIFY(QFile::remove(b.root + QStringLiteral("/b.png")));

        UndoBatch undo;
        QCOMPARE(undo.plan().filter(QStringLiteral("on the server of Local")).size(), 2);
        QCOMPARE(undo.run(Ftp().connections), false);
        QCOMPARE(BatchFixture::filesBelow(b.root), QStringList());
        QCOMPARE(checksums(b.in), inBefore);
        QCOMPARE(undo.results().filter(QStringLiteral("Deleted /a.png on the server of Local")).size(), 1);
        QCOMPARE(undo.results().filter(QStringLiteral("Not deleted on the server: /b.png")).size(), 1);
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
