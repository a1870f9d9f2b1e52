// "Undo Last Batch" on real runs, their journal and the test world's trash (FTP: tst_batch_ftpupload).

#include "batchfixture.h"

#include "engine/runjournal.h"
#include "engine/undobatch.h"

using namespace vexl;
using namespace vexl::test;

class TestUndoBatch : public QObject
{
    Q_OBJECT

private slots:
    // Each kind of run, what happens to its files after it, then one undo (a second finds nothing).
    void undoesTheLastRun_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("allUndone");
        QTest::addColumn<QStringList>("inLeft");  // empty: the input folder as before the run
        QTest::addColumn<QStringList>("outLeft"); // empty: the output folder as before the run
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
        const auto is = [&run](const char *kind) { return run == QLatin1String(kind); };
        BatchFixture b;
        b.s.MiscGreyscale = !is("renameOnly");
        b.s.MiscAntialias = false;
        b.s.RenamePrefix = is("inPlace") ? QString() : QStringLiteral("th_");
        b.s.DeleteOld = is("deleteOld") || is("renameOnly");
        if (is("renameOnly") || is("inPlace")) {
            b.input.outputDestIndex = 0;
            b.out = b.in;
        }
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
        QFile journal(RunJournal::defaultFile());
        if (after == QLatin1String("dropLastRecord")) { // the original went to the trash, its record did not follow
            QVERIFY(journal.open(QIODevice::ReadWrite));
            QByteArray all = journal.readAll();
            QVERIFY(all.endsWith('\n') && all.contains("\noriginal\t"));
            QVERIFY(journal.resize(all.lastIndexOf("\noriginal\t") + 1));
        }
        if (after == QLatin1String("cutJournal"))
            QVERIFY(journal.resize(journal.size() - 3));

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
};

VEXL_ENGINE_TEST_MAIN(TestUndoBatch)
#include "tst_undobatch.moc"
