// "Undo Last Batch" on real runs: the run's journal, real files, the real
// trash of the test's data folder, and a pyftpdlib server for uploads.

#include "batchfixture.h"
#include "ftptesthelpers.h"

#include "engine/runjournal.h"
#include "engine/undobatch.h"

using namespace vexl;
using namespace vexl::test;

class TestUndoBatch : public QObject
{
    Q_OBJECT

private slots:
    // Each kind of run, and what happens to its files after it, then one undo:
    // what is left and whether everything was undone; a second undo finds nothing.
    void undoesTheLastRun_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("allUndone");
        QTest::addColumn<QStringList>("inLeft");  // empty: the input folder as before the run
        QTest::addColumn<QStringList>("outLeft"); // empty: the output folder as before the run
        QTest::addRow("plain run") << "plain" << "" << true << QStringList() << QStringList();
        QTest::addRow("replaced file comes back") << "replacing" << "" << true << QStringList() << QStringList();
        QTest::addRow("delete-originals run") << "deleteOld" << "" << true << QStringList() << QStringList();
        QTest::addRow("rename-only run") << "renameOnly" << "" << true << QStringList() << QStringList();
        QTest::addRow("in-place run") << "inPlace" << "" << true << QStringList() << QStringList();
        QTest::addRow("output changed after the run")
            << "plain" << "changeOutput" << false << QStringList() << QStringList{"th_a.png"};
        QTest::addRow("renamed file changed after the run")
            << "renameOnly" << "changeOutput" << false << QStringList{"b.png", "th_a.png"}
            << QStringList{"b.png", "th_a.png"}; // one folder
        QTest::addRow("original's place taken after the run")
            << "deleteOld" << "takePlace" << false << QStringList{"a.png", "b.png"} << QStringList();
        QTest::addRow("killed after trashing an original") << "deleteOld" << "dropLastRecord" << true << QStringList()
                                                           << QStringList();
        QTest::addRow("journal cut off by a crash")
            << "plain" << "cutJournal" << true << QStringList() << QStringList{"th_b.png"};
    }
    void undoesTheLastRun()
    {
        QFETCH(QString, run);
        QFETCH(QString, after);
        QFETCH(bool, allUndone);
        QFETCH(QStringList, inLeft);
        QFETCH(QStringList, outLeft);
        BatchFixture b;
        b.s.MiscGreyscale = run != QLatin1String("renameOnly");
        b.s.MiscAntialias = false;
        b.s.RenamePrefix = QStringLiteral("th_");
        b.s.DeleteOld = run == QLatin1String("deleteOld") || run == QLatin1String("renameOnly");
        if (run == QLatin1String("renameOnly") || run == QLatin1String("inPlace")) {
            b.input.outputDestIndex = 0;
            b.out = b.in;
        }
        if (run == QLatin1String("inPlace"))
            b.s.RenamePrefix.clear();
        QVERIFY(b.addImage(QStringLiteral("a.png"), 40, 30, 1));
        QVERIFY(b.addImage(QStringLiteral("b.png"), 30, 20, 2));
        if (run == QLatin1String("replacing"))
            QVERIFY(writeFile(b.outPath(QStringLiteral("th_a.png")), "an older result"));
        const QMap<QString, QByteArray> inBefore = checksums(b.in), outBefore = checksums(b.out);
        b.yes(4); // any question about names taken
        QCOMPARE(b.go(), BatchOutcome::Finished);
        QVERIFY(checksums(b.out) != outBefore || checksums(b.in) != inBefore);

        const QString renamed = b.outPath(QStringLiteral("th_a.png"));
        if (after == QLatin1String("changeOutput"))
            QVERIFY(writeFile(renamed, "edited since"));
        if (after == QLatin1String("takePlace"))
            QVERIFY(writeFile(b.inPath(QStringLiteral("a.png")), "a new file under the old name"));
        if (after == QLatin1String("dropLastRecord")) { // the original went to the trash, its record did not follow
            QFile journal(RunJournal::defaultFile());
            QVERIFY(journal.open(QIODevice::ReadWrite));
            QByteArray all = journal.readAll();
            QVERIFY(all.endsWith('\n') && all.contains("\noriginal\t"));
            QVERIFY(journal.resize(all.lastIndexOf("\noriginal\t") + 1));
        }
        if (after == QLatin1String("cutJournal")) {
            QFile journal(RunJournal::defaultFile());
            QVERIFY(journal.resize(journal.size() - 3));
        }

        UndoBatch undo;
        QVERIFY(!undo.nothingToDo());
        QCOMPARE(undo.plan().size() > 0, true);
        QCOMPARE(undo.run({}), allUndone);
        const QString results = undo.results().join(QLatin1Char('\n'));
        if (inLeft.isEmpty())
            QCOMPARE(checksums(b.in), inBefore);
        else
            QCOMPARE(b.inFiles(), inLeft);
        if (outLeft.isEmpty())
            QCOMPARE(checksums(b.out), outBefore);
        else
            QCOMPARE(b.outFiles(), outLeft);
        if (after == QLatin1String("changeOutput"))
            QCOMPARE(fileBytes(renamed), QByteArray("edited since"));
        if (after == QLatin1String("takePlace")) { // the original stays in the trash, the new file stays
            QCOMPARE(fileBytes(b.inPath(QStringLiteral("a.png"))), QByteArray("a new file under the old name"));
            QVERIFY2(results.contains(QStringLiteral("Left ") + b.inPath(QStringLiteral("a.png")) + QStringLiteral(" in the trash")),
                     qPrintable(results));
            QVERIFY(QFileInfo::exists(b.world.path(QStringLiteral("data/Trash/files/a.png"))));
        }
        QCOMPARE(results.contains(QStringLiteral("Kept")) || results.contains(QStringLiteral("Left")), !allUndone);
        QVERIFY(UndoBatch().nothingToDo()); // once only
    }

    // An FTP run: uploads deleted on the server (each listed, a file already
    // gone there reported), originals back from the trash.
    void undoesAnFtpRun()
    {
        BatchFixture b;
        const QString root = b.world.path(QStringLiteral("server"));
        QDir().mkpath(root);
        PyFtpServer server;
        QVERIFY2(server.start(root, QStringLiteral("vexl"), QStringLiteral("pw")), qPrintable(server.error()));
        Ftp() = FtpState{};
        Ftp().connections = {FTPConnection{QStringLiteral("Local"), QStringLiteral("127.0.0.1"), server.port(), QString(),
                                           false, QStringLiteral("vexl"), QStringLiteral("pw"), true, 10}};
        b.s.OutputDir = QStringLiteral("/");
        b.input.outputDestIndex = 2;
        b.input.outputDestText = QStringLiteral("FTP: Local");
        b.s.DeleteOld = true;
        b.s.RenamePrefix = QStringLiteral("th_");
        QVERIFY(b.addImage(QStringLiteral("a.png"), 40, 30, 1));
        QVERIFY(b.addImage(QStringLiteral("b.png"), 30, 20, 2));
        const QMap<QString, QByteArray> inBefore = checksums(b.in);
        QCOMPARE(b.go(), BatchOutcome::Finished);
        QCOMPARE(BatchFixture::filesBelow(root), (QStringList{"th_a.png", "th_b.png"}));
        QCOMPARE(b.inFiles(), QStringList());
        QVERIFY(QFile::remove(root + QStringLiteral("/th_b.png"))); // gone on the server meanwhile

        UndoBatch undo;
        QCOMPARE(undo.plan().filter(QStringLiteral("on the server of Local")).size(), 2);
        QCOMPARE(undo.run(Ftp().connections), false);
        QCOMPARE(BatchFixture::filesBelow(root), QStringList());
        QCOMPARE(checksums(b.in), inBefore);
        QCOMPARE(undo.results().filter(QStringLiteral("Deleted /th_a.png on the server of Local")).size(), 1);
        QCOMPARE(undo.results().filter(QStringLiteral("Not deleted on the server: /th_b.png")).size(), 1);
    }
};

VEXL_ENGINE_TEST_MAIN(TestUndoBatch)
#include "tst_undobatch.moc"
