// --undo-last on the command line: the steps shown, the question answered by
// --answer, the exit status, and the run undone only once.
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace vexl::test;

namespace {
int run(const TestWorld &world, const QStringList &args, QString *out)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), world.path(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), world.path(QStringLiteral("data")));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXL_EXE), args);
    if (!p.waitForFinished(60000))
        return -1;
    *out = QString::fromLocal8Bit(p.readAllStandardOutput());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
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
        const QString pics = world.path(QStringLiteral("pics"));
        QVERIFY(makeImage(pics + QStringLiteral("/a.png"), 30, 20));
        QString out;
        QCOMPARE(run(world, {QStringLiteral("--undo-last")}, &out), 0);
        QCOMPARE(out, QStringLiteral("Undo Last Batch: There is no batch to undo.\n"));
        QCOMPARE(run(world, {QStringLiteral("--batch"), QStringLiteral("--answer"), QStringLiteral("yes"), pics}, &out), 0);
        if (changeOutput)
            QVERIFY(writeFile(pics + QStringLiteral("/th_a.png"), "edited"));

        QCOMPARE(run(world, {QStringLiteral("--undo-last"), QStringLiteral("--answer"), answer}, &out), code);
        QVERIFY2(out.startsWith(QStringLiteral("Undo Last Batch: Undo the last batch? This will:\n  Remove ") + pics
                                + QStringLiteral("/th_a.png\n[Yes/No] -> ")),
                 qPrintable(out));
        QCOMPARE(out.trimmed().split(QLatin1Char('\n')).last(), last);
        QCOMPARE(QDir(pics).entryList(QDir::Files | QDir::Hidden), left);
        // Undone once: a second undo has nothing to do.
        QCOMPARE(run(world, {QStringLiteral("--undo-last"), QStringLiteral("--answer"), QStringLiteral("yes")}, &out), 0);
        QCOMPARE(out.endsWith(QStringLiteral("There is no batch to undo.\n")), answer == QLatin1String("yes"));
    }

    // A run killed half-way (SIGKILL: no clean-up at all) is undone from what
    // its journal holds: every original is back as it was.
    void killedRunIsUndone()
    {
        TestWorld world;
        const QString pics = world.path(QStringLiteral("pics"));
        for (int i = 0; i < 12; ++i)
            QVERIFY(makeImage(pics + QStringLiteral("/p%1.png").arg(i), 400, 300, unsigned(i + 1)));
        QMap<QString, QByteArray> before;
        for (const QString &name : QDir(pics).entryList(QDir::Files))
            before.insert(name, checksum(pics + QLatin1Char('/') + name));
        QVERIFY(writeFile(world.path(QStringLiteral("config/VEXLLite/VEXLLite.conf")),
                          "[Settings]\nDeleteOld=1\nMiscGreyscale=1\nIgnoreOverwriteWarnings=1\n"));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), world.path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), world.path(QStringLiteral("data")));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VEXL_EXE), {QStringLiteral("--batch"), QStringLiteral("--answer"), QStringLiteral("yes"), pics});
        const QString journal = world.path(QStringLiteral("data/vexl-dovo/last-batch.journal"));
        QTRY_VERIFY_WITH_TIMEOUT(fileBytes(journal).count("\noriginal\t") >= 2 || p.state() == QProcess::NotRunning, 30000);
        p.kill();
        QVERIFY(p.waitForFinished(10000));

        QString out;
        QCOMPARE(run(world, {QStringLiteral("--undo-last"), QStringLiteral("--answer"), QStringLiteral("yes")}, &out), 0);
        QMap<QString, QByteArray> after;
        for (const QString &name : QDir(pics).entryList(QDir::Files))
            after.insert(name, checksum(pics + QLatin1Char('/') + name));
        QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(TestUndoLast)
#include "tst_undolast.moc"
