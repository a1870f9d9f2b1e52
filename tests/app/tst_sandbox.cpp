// Image workers confined by Landlock, seen from outside: what --sandbox-check
// reports, and batches that give the same results confined as unconfined.
#include "engine/workersandbox.h"
#include "programrun.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <sys/mount.h>
#include <unistd.h>

using namespace vexl;
using namespace vexl::test;

class TestSandbox : public QObject
{
    Q_OBJECT
private slots:
    // From inside the worker: a file beside the run's folder cannot be read,
    // nothing can be written there, no TCP connection opens. Unconfined, the
    // same probes get through (so "denied" is the rules, not a broken probe).
    void check_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("confined");
        QTest::addRow("a new temporary folder") << QString() << true;
        QTest::addRow("a given folder") << "in" << true;
        QTest::addRow("unconfined (VEXL_NO_SANDBOX)") << "in" << false;
    }
    void check()
    {
        QFETCH(QString, folder);
        QFETCH(bool, confined);
        const int abi = LandlockAbi();
        if (abi == 0 && confined)
            QSKIP("this kernel offers no Landlock: workers run unconfined here");
        TestWorld world;
        QStringList args{"--sandbox-check"};
        if (!folder.isEmpty()) {
            QDir().mkpath(world.path(folder));
            args << world.path(folder);
        }
        const ProgramRun r = runProgram(world, args, VEXL_EXE, confined);
        const QString said = r.out + r.err;
        const QString verdict = confined ? "denied" : "allowed";
        for (const QString &line : {QString("Landlock ABI: %1").arg(abi),
                                    QString("Confinement active: ") + (confined ? "yes" : "no"), "Read outside: " + verdict,
                                    "Write outside: " + verdict})
            QVERIFY2(said.contains(line), qPrintable(said));
        QCOMPARE(QDir(world.path()).entryList({"vexl-outside-*"}, QDir::Dirs), QStringList()); // cleaned up
        if (confined && abi < 4) {
            QVERIFY(said.contains("TCP connect: not confinable"));
            QSKIP("Landlock below ABI 4 has no network rights: the TCP row cannot be denied here");
        }
        QVERIFY2(said.contains("TCP connect: " + verdict), qPrintable(said));
        QCOMPARE(r.code, confined ? 0 : 1);
    }

    // Batches give the same outputs confined and unconfined: the overlay's font
    // is found from inside, and an output folder on another mount is written.
    void batchResultsAsUnconfined_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("otherMount");
        QTest::addRow("text overlay") << "TextOverlay=1\nTextOverlayText=[FNAME] 2026\nTextOverlaySize=14\n" << false;
        QTest::addRow("output on another mount")
            << "DimensionMethod=1\nDimensionWidth=30\nDimensionHeight=30\nOutputFormat=3\n" << true;
    }
    void batchResultsAsUnconfined()
    {
        QFETCH(QString, settings);
        QFETCH(bool, otherMount);
        TestWorld world;
        QVERIFY(makeImage(world.path("in/a.png"), 120, 60));
        QVERIFY(makeAnimatedGif(world.path("in/b.gif"), 3, 80, 40));
        QImage results[2];
        QStringList names[2];
        for (int confined = 0; confined < 2; ++confined) {
            const QString out = world.path(QStringLiteral("out%1").arg(confined));
            QDir().mkpath(out);
            if (otherMount && ::mount("tmpfs", QFile::encodeName(out).constData(), "tmpfs", 0, "size=16m") != 0)
                QSKIP("no tmpfs can be mounted here (needs root)");
            const auto unmount = qScopeGuard([&] {
                if (otherMount)
                    ::umount(QFile::encodeName(out).constData());
            });
            QVERIFY(writeFile(world.path("settings.ini"),
                              ("[Settings]\nOutputDest=//DIFFDIR//\nOutputDir=" + out + "\nRenamePrefix=r_\n" + settings)
                                  .toUtf8()));
            const ProgramRun r = runProgram(world, {"--batch", world.path("in"), "--settings", world.path("settings.ini")},
                                            VEXL_EXE, confined);
            QVERIFY2(r.code == 0 && r.out.contains("Done: Process Finished!"), qPrintable(r.out + r.err));
            names[confined] = QDir(out).entryList(QDir::Files);
            results[confined] = QImage(out + '/' + names[confined].value(0)).convertToFormat(QImage::Format_ARGB32);
        }
        QCOMPARE(names[1], names[0]);
        QCOMPARE(names[1].size(), 2);
        QVERIFY(!results[1].isNull());
        QVERIFY(results[1] == results[0]);
    }
};

QTEST_MAIN(TestSandbox)
#include "tst_sandbox.moc"
