// The command-line batch run as the user runs it: arguments, exit codes, what
// it prints, and the settings it reads.
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <unistd.h>

using namespace vexl::test;

namespace {
struct Result
{
    int code = -1;
    QString out;
    QString err;
};

// The program's environment: the world's settings, and its data folder, so the
// trash is the test's own.
void setUp(QProcess &p, const TestWorld &world)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), world.path(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), world.path(QStringLiteral("data")));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // needs no display at all
    p.setProcessEnvironment(env);
}

Result runBatch(const TestWorld &world, const QStringList &args)
{
    QProcess p;
    setUp(p, world);
    p.start(QStringLiteral(VEXL_EXE), args);
    Result r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QString writeSettings(const TestWorld &world, const QString &body)
{
    const QString path = world.path(QStringLiteral("settings.ini"));
    writeFile(path, QByteArray("[Settings]\n") + body.toUtf8());
    return path;
}

QStringList filesIn(const QString &folder, QDir::Filters extra = {})
{
    return QDir(folder).entryList(QDir::Files | extra, QDir::Name);
}

// Checksums of the files of `folder`, to find them again in place or in the trash.
QList<QByteArray> sums(const QString &folder)
{
    QList<QByteArray> list;
    for (const QString &name : filesIn(folder))
        list << checksum(folder + QLatin1Char('/') + name);
    return list;
}
} // namespace

class TestCliBatch : public QObject
{
    Q_OBJECT
private slots:
    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addRow("answer maybe") << QStringList{"--batch", "FOLDER", "--answer", "maybe"};
        QTest::addRow("no such folder") << QStringList{"--batch", "/no/such/folder"};
        QTest::addRow("two folders") << QStringList{"--batch", "FOLDER", "FOLDER"};
        QTest::addRow("unknown option") << QStringList{"--batch", "--frobnicate", "FOLDER"};
        QTest::addRow("missing settings file") << QStringList{"--batch", "FOLDER", "--settings", "/no/file.ini"};
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        TestWorld world;
        args.replaceInStrings(QStringLiteral("FOLDER"), world.path());
        const Result r = runBatch(world, args);
        QCOMPARE(r.code, 2);
        QVERIFY(!r.err.isEmpty());
    }

    void helpExplainsTheOptions()
    {
        TestWorld world;
        const Result r = runBatch(world, {QStringLiteral("--help")});
        QCOMPARE(r.code, 0);
        for (const char *option : {"--batch", "--recurse", "--settings", "--answer"})
            QVERIFY2(r.out.contains(QLatin1String(option)), option);
    }

    void settingsFileAndRecursionAreHonoured()
    {
        TestWorld world;
        const QString in = world.path(QStringLiteral("in"));
        const QString out = world.path(QStringLiteral("out"));
        QDir().mkpath(out);
        QVERIFY(makeImage(in + QStringLiteral("/a.png"), 40, 30));
        QVERIFY(makeImage(in + QStringLiteral("/sub/b.jpg"), 40, 30));
        const QString ini = writeSettings(world, QStringLiteral("DimensionMethod=4\nDimensionWidth=10\nDimensionHeight=12\n"
                                                                "RenamePrefix=p_\nMiscAntialias=0\nOutputDest=//DIFFDIR//\n"
                                                                "OutputDir=%1\n").arg(out));
        const Result r = runBatch(world, {QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini,
                                          QStringLiteral("--recurse")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(QStringLiteral("[1/2] a.png\n[2/2] sub/b.jpg\n")), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("Done: Process Finished!")));
        QCOMPARE(imageSize(out + QStringLiteral("/p_a.png")), qMakePair(10, 12));
        QCOMPARE(imageSize(out + QStringLiteral("/sub/p_b.jpg")), qMakePair(10, 12));
        // Without --recurse only the folder itself is listed.
        const Result flat = runBatch(world, {QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini});
        QVERIFY(flat.out.contains(QStringLiteral("[1/1] a.png\n")));
    }

    // The answer given to every question decides how far the run goes.
    void answers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("secondDone");
        QTest::addRow("no ends at the first question") << "no" << 1 << false;
        QTest::addRow("yes goes on") << "yes" << 0 << true;
    }
    void answers()
    {
        QFETCH(QString, answer);
        QFETCH(int, code);
        QFETCH(bool, secondDone);
        TestWorld world;
        const QString in = world.path(QStringLiteral("in"));
        QVERIFY(writeFile(in + QStringLiteral("/a_broken.png"), "not an image"));
        QVERIFY(makeImage(in + QStringLiteral("/b_good.png"), 20, 20));
        const QString ini = writeSettings(world, QStringLiteral("RenamePrefix=t_\nMiscAntialias=1\n"));
        const Result r = runBatch(world, {QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini,
                                          QStringLiteral("--answer"), answer});
        QCOMPARE(r.code, code);
        QVERIFY2(r.out.contains(QStringLiteral("ImageMagick Error: ")), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("[Yes/No] -> ") + (answer == QLatin1String("yes") ? "Yes" : "No")));
        QCOMPARE(QFile::exists(in + QStringLiteral("/t_b_good.png")), secondDone);
    }

    void noAnswerRefusesTheDeleteWarning()
    {
        TestWorld world;
        const QString in = world.path(QStringLiteral("in"));
        QVERIFY(makeImage(in + QStringLiteral("/a.png"), 20, 20));
        const QString ini = writeSettings(world, QStringLiteral("DeleteOld=1\nMiscAntialias=0\n"));
        const Result r = runBatch(world, {QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.startsWith(QStringLiteral("Delete Warning: ")));
        QCOMPARE(QDir(in).entryList(QDir::Files), QStringList{QStringLiteral("a.png")});
    }

    // Two runs at once into one folder, numbering and deleting: every original
    // that went to the trash has its own numbered result.
    void concurrentNumberedRuns()
    {
        TestWorld world;
        const QString out = world.path(QStringLiteral("out"));
        QDir().mkpath(out);
        const QString ini = writeSettings(world, QStringLiteral("SequentialNumber=1\nZeroFill=4\nStartNumber=1\nDeleteOld=1\nRenamePrefix=\n"
                                                                "MiscFlipHoriz=1\nMiscAntialias=0\nOutputDest=//DIFFDIR//\n"
                                                                "OutputDir=%1\n").arg(out));
        QProcess runs[2];
        for (int r = 0; r < 2; ++r) {
            const QString in = world.path(QStringLiteral("in%1").arg(r));
            for (int i = 0; i < 40; ++i)
                QVERIFY(makeImage(in + QStringLiteral("/img%1.png").arg(i, 2, 10, QLatin1Char('0')), 8, 6, unsigned(r * 40 + i)));
        }
        for (int r = 0; r < 2; ++r) {
            setUp(runs[r], world);
            runs[r].start(QStringLiteral(VEXL_EXE), {QStringLiteral("--batch"), world.path(QStringLiteral("in%1").arg(r)),
                                                     QStringLiteral("--settings"), ini, QStringLiteral("--answer"),
                                                     QStringLiteral("yes")});
        }
        for (QProcess &p : runs) {
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
        }
        const QString trash = world.path(QStringLiteral("data/Trash/files"));
        QCOMPARE(filesIn(world.path(QStringLiteral("in0"))).size() + filesIn(world.path(QStringLiteral("in1"))).size(), 0);
        QCOMPARE(filesIn(trash).size(), 80);
        QCOMPARE(filesIn(out, QDir::Hidden).size(), 80); // no work or lock file left either
        QCOMPARE(filesIn(out).first(), QStringLiteral("0001.png"));
        QCOMPARE(filesIn(out).last(), QStringLiteral("0080.png"));
    }

    // A run killed mid-image leaves nothing under a final name that is not a
    // finished result; the next run removes its work files and goes on.
    void killedRun()
    {
        TestWorld world;
        const QString in = world.path(QStringLiteral("in"));
        const QString out = world.path(QStringLiteral("out"));
        QDir().mkpath(out);
        for (int i = 0; i < 12; ++i)
            QVERIFY(makeImage(in + QStringLiteral("/b%1.jpg").arg(i, 2, 10, QLatin1Char('0')), 1600, 1200, unsigned(i)));
        const QList<QByteArray> originals = sums(in);
        const QString ini = writeSettings(world, QStringLiteral("RenamePrefix=th_\nDimensionMethod=4\nDimensionWidth=50\n"
                                                                "DimensionHeight=40\nMiscAntialias=0\nDeleteOld=1\n"
                                                                "OutputDest=//DIFFDIR//\nOutputDir=%1\n").arg(out));
        const QStringList args{QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini, QStringLiteral("--answer"),
                               QStringLiteral("yes")};
        QProcess p;
        setUp(p, world);
        p.start(QStringLiteral(VEXL_EXE), args);
        QVERIFY(p.waitForStarted(10000));
        // Killed while an image is being made (its work file is there), after a few are done.
        const auto working = [&] {
            return filesIn(out).size() >= 3 && !filesIn(out, QDir::Hidden).filter(QStringLiteral(".work.")).isEmpty();
        };
        for (int i = 0; i < 20000 && !working() && p.state() == QProcess::Running; ++i)
            QTest::qWait(1);
        QVERIFY(working());
        p.kill(); // SIGKILL
        QVERIFY(p.waitForFinished(10000));

        const QString trash = world.path(QStringLiteral("data/Trash/files"));
        const QList<QByteArray> kept = sums(in) + sums(trash);
        for (const QByteArray &sum : originals)
            QVERIFY(kept.contains(sum));
        for (const QString &name : filesIn(out))
            QCOMPARE(imageSize(out + QLatin1Char('/') + name), qMakePair(50, 40));

        const Result again = runBatch(world, args);
        QCOMPARE(again.code, 0);
        // the dead run's work files are gone
        QVERIFY2(filesIn(out, QDir::Hidden).size() == 12, qPrintable(filesIn(out, QDir::Hidden).join(' ')));
        QVERIFY(filesIn(in).isEmpty());
    }

    // An output folder the user may not write to, holding an older result: the
    // run says why in words and leaves the older result and the original alone.
    void unwritableOutputFolder()
    {
        TestWorld world;
        const bool root = ::geteuid() == 0;
        QFile::setPermissions(world.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                                | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        const QString in = world.path(QStringLiteral("in"));
        const QString out = world.path(QStringLiteral("out"));
        const QString home = world.path(QStringLiteral("home"));
        QVERIFY(makeImage(in + QStringLiteral("/a.png"), 20, 10));
        QVERIFY(makeImage(out + QStringLiteral("/th_a.png"), 5, 5));
        QDir().mkpath(home + QStringLiteral("/config"));
        const QString ini = writeSettings(world, QStringLiteral("RenamePrefix=th_\nMiscFlipVert=1\nMiscAntialias=0\nDeleteOld=1\n"
                                                                "OutputDest=//DIFFDIR//\nOutputDir=%1\n").arg(out));
        const QByteArray before = checksum(in + QStringLiteral("/a.png"));
        const QByteArray older = checksum(out + QStringLiteral("/th_a.png"));
        QString exe = QStringLiteral(VEXL_EXE);
        QStringList args{QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini, QStringLiteral("--answer"),
                         QStringLiteral("yes")};
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (root) {
            // The program runs as nobody, copied into a folder of its own (0755), with a home of its own.
            const QString bin = world.path(QStringLiteral("bin"));
            QDir().mkpath(bin);
            QVERIFY(QFile::copy(exe, bin + QStringLiteral("/vexl-dovo")));
            for (const QString &d : {home, home + QStringLiteral("/config"), in})
                QVERIFY(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("nobody"), d}) == 0);
            args.prepend(bin + QStringLiteral("/vexl-dovo"));
            args = QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                               QStringLiteral("--clear-groups"), QStringLiteral("--")}
                + args;
            exe = QStringLiteral("setpriv");
        } else {
            QVERIFY(QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner));
        }
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home);
        p.setProcessEnvironment(env);
        p.start(exe, args);
        QVERIFY(p.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(p.readAllStandardOutput());
        QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(said.contains(QStringLiteral("Copy Error: ")) && said.contains(QStringLiteral("Permission denied")),
                 qPrintable(said + QString::fromLocal8Bit(p.readAllStandardError())));
        QCOMPARE(checksum(in + QStringLiteral("/a.png")), before);
        QCOMPARE(checksum(out + QStringLiteral("/th_a.png")), older);
        QCOMPARE(filesIn(out, QDir::Hidden), QStringList{QStringLiteral("th_a.png")});
    }
};

QTEST_GUILESS_MAIN(TestCliBatch)
#include "tst_clibatch.moc"
