// The command-line batch run as the user runs it: arguments, exit codes, what
// it prints, and the settings it reads.
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace vexl::test;

namespace {
struct Result
{
    int code = -1;
    QString out;
    QString err;
};

Result runBatch(const TestWorld &world, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), world.path(QStringLiteral("config")));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // needs no display at all
    p.setProcessEnvironment(env);
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

    // An iPhone folder to JPEG from the command line: HEIC and WebP listed,
    // the new options and tokens read from the settings file.
    void phonePhotosAndNewOptions()
    {
        TestWorld world;
        const QString in = world.path(QStringLiteral("in"));
        const QString out = world.path(QStringLiteral("out"));
        QDir().mkpath(out);
        QDir().mkpath(in);
        QVERIFY(runConvert({QStringLiteral("-size"), QStringLiteral("60x40"), QStringLiteral("gradient:red-blue"),
                            in + QStringLiteral("/IMG_0001.heic")}));
        QVERIFY(runConvert({QStringLiteral("-size"), QStringLiteral("20x10"), QStringLiteral("xc:green"),
                            in + QStringLiteral("/small.webp")}));
        const QString ini = writeSettings(
            world, QStringLiteral("DimensionMethod=1\nDimensionWidth=30\nDimensionHeight=30\nDimensionShrinkOnly=1\n"
                                  "MiscAutoOrient=1\nMiscAntialias=0\nOutputFormat=3\nSequentialNumber=1\n"
                                  "RenamePrefix=[ORIGNAME]_\nOutputDest=//DIFFDIR//\nOutputDir=%1\n").arg(out));
        const Result r = runBatch(world, {QStringLiteral("--batch"), in, QStringLiteral("--settings"), ini});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(QStringLiteral("[1/2] IMG_0001.heic\n[2/2] small.webp\n")), qPrintable(r.out));
        QCOMPARE(QDir(out).entryList(QDir::Files), (QStringList{"IMG_0001_0.jpg", "small_1.jpg"}));
        QCOMPARE(imageSize(out + QStringLiteral("/IMG_0001_0.jpg")), qMakePair(30, 20));
        QCOMPARE(imageSize(out + QStringLiteral("/small_1.jpg")), qMakePair(20, 10));
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
};

QTEST_GUILESS_MAIN(TestCliBatch)
#include "tst_clibatch.moc"
