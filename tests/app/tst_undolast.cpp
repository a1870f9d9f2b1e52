// --undo-last on the command line: the steps shown, the question answered by
// --answer, the exit status, and the run undone only once.
#include "programrun.h"

#include <QDir>
#include <QTest>

using namespace vexl::test;

namespace {
QMap<QString, QByteArray> sums(const QString &folder)
{
    QMap<QString, QByteArray> map;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        map.insert(name, checksum(folder + '/' + name));
    return map;
}
} // namespace

class TestUndoLast : public QObject
{
    Q_OBJECT

private slots:
    void undoLast_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("changeOutput");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("last"); // the last line printed
        QTest::addRow("answered no") << "no" << false << 1 << QStringList{"a.png", "th_a.png"} << "[Yes/No] -> No";
        QTest::addRow("everything undone") << "yes" << false << 0 << QStringList{"a.png"}
                                           << "The last batch was undone.";
        QTest::addRow("changed output kept") << "yes" << true << 1 << QStringList{"a.png", "th_a.png"}
                                             << "The last batch was undone, except what is listed as kept.";
    }
    void undoLast()
    {
        QFETCH(QString, answer);
        QFETCH(bool, changeOutput);
        QFETCH(int, code);
        QFETCH(QStringList, left);
        QFETCH(QString, last);
        TestWorld world;
        const QString pics = world.path("pics");
        QVERIFY(makeImage(pics + "/a.png", 30, 20));
        ProgramRun r = runProgram(world, {"--undo-last"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, "Undo Last Batch: There is no batch to undo.\n");
        QCOMPARE(runProgram(world, {"--batch", "--answer", "yes", pics}).code, 0);
        if (changeOutput)
            QVERIFY(writeFile(pics + "/th_a.png", "edited"));

        r = runProgram(world, {"--undo-last", "--answer", answer});
        QCOMPARE(r.code, code);
        QVERIFY2(r.out.startsWith("Undo Last Batch: Undo the last batch? This will:\n  Remove " + pics
                                  + "/th_a.png\n[Yes/No] -> "),
                 qPrintable(r.out));
        QCOMPARE(r.out.trimmed().split('\n').last(), last);
        QCOMPARE(QDir(pics).entryList(QDir::Files | QDir::Hidden), left);
        // Undone once: a second undo has nothing to do.
        r = runProgram(world, {"--undo-last", "--answer", "yes"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.endsWith("There is no batch to undo.\n"), answer == "yes");
    }

    // A run killed half-way (SIGKILL: no clean-up at all) is undone from what
    // its journal holds: every original is back as it was.
    void killedRunIsUndone()
    {
        TestWorld world;
        const QString pics = world.path("pics");
        for (int i = 0; i < 12; ++i)
            QVERIFY(makeImage(pics + QString("/p%1.png").arg(i), 400, 300, unsigned(i + 1)));
        const QMap<QString, QByteArray> before = sums(pics);
        QVERIFY(writeFile(world.path("config/VEXLLite/VEXLLite.conf"),
                          "[Settings]\nDeleteOld=1\nMiscGreyscale=1\nIgnoreOverwriteWarnings=1\n"));
        QProcess p;
        useWorld(p, world);
        p.start(VEXL_EXE, {"--batch", "--answer", "yes", pics});
        const QString journal = world.path("data/vexl-dovo/last-batch.journal");
        QTRY_VERIFY_WITH_TIMEOUT(fileBytes(journal).count("\noriginal\t") >= 2 || p.state() == QProcess::NotRunning, 30000);
        p.kill();
        QVERIFY(p.waitForFinished(10000));

        QCOMPARE(runProgram(world, {"--undo-last", "--answer", "yes"}).code, 0);
        QCOMPARE(sums(pics), before);
    }
};

QTEST_GUILESS_MAIN(TestUndoLast)
#include "tst_undolast.moc"
