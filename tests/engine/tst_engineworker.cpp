// Engine calls in worker processes: the same results as in process, and a
// worker that dies or is killed costs one call, never the caller.
#include "engine/engineworker.h"
#include "engine/imageengine.h"
#include "engine/lookahead.h"
#include "engine/textoverlay.h"
#include "support/safefile.h"
#include "support/vexlerror.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

using namespace vexl;
using namespace vexl::test;

namespace {
bool alive(pid_t pid)
{
    // A zombie counts as gone: read its state.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

// An engine whose calls run in a pool of workers allowed `folders`.
struct PooledEngine
{
    EngineWorkerPool pool;
    ImageEngine engine;
    explicit PooledEngine(const WorkerFolders &folders, int workers = 1) : pool(workers)
    {
        pool.setFolders(folders);
        engine.setWorkerPool(&pool);
    }
};
// Two images, a.jpg and b.jpg, two workers allowed their folder, and work done
// ahead (one thread) into its "temp" folder for `engine`.
struct AheadSetup
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.jpg"), b = dir.filePath("b.jpg");
    const bool made = makeImage(a, 60, 40, 1) && makeImage(b, 60, 40, 2) && QDir().mkpath(dir.filePath("temp"));
    PooledEngine pooled{RunFolders(QString(), dir.path()), 2};
    LookAhead ahead{&pooled.pool, 1, dir.filePath("temp")};
    ImageEngine &engine = pooled.engine;
    AheadSetup() { engine.setLookAhead(&ahead); }
};
} // namespace

class TestEngineWorker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("VEXL_WORKER_EXE", VEXL_EXE);
        ImageEngine::initialize();
    }

    // Work made ahead is taken only for the same bytes and the same arguments;
    // what the run then holds is exactly what it would have made itself.
    void lookAheadTakesOnlyExactMatches_data()
    {
        QTest::addColumn<QStringList>("runOptions");
        QTest::addColumn<QString>("format"); // of the identify after the step
        QTest::addColumn<QString>("changed"); // "source" meanwhile, "work" after its copy, "kept" result
        QTest::addColumn<int>("taken");
        QTest::addColumn<bool>("follow"); // image 1 follows image 0 step by step
        const QString meta = "%w %h %k %b bleh";
        QTest::addRow("same steps") << QStringList{"-geometry", "30x30"} << meta << "" << 2 << false;
        QTest::addRow("same steps, followed while recorded") << QStringList{"-geometry", "30x30"} << meta << "" << 2 << true;
        QTest::addRow("other arguments") << QStringList{"-geometry", "31x31"} << meta << "" << 0 << false;
        QTest::addRow("source changed meanwhile") << QStringList{"-geometry", "30x30"} << meta << "source" << 0 << false;
        QTest::addRow("working file changed after its copy")
            << QStringList{"-geometry", "30x30"} << meta << "work" << 0 << false;
        QTest::addRow("result changed after it was made")
            << QStringList{"-geometry", "30x30"} << meta << "kept" << 0 << false;
        QTest::addRow("identify asks for the file's name")
            << QStringList{"-geometry", "30x30"} << "%w %f" << "" << 1 << true;
    }
    void lookAheadTakesOnlyExactMatches()
    {
        QFETCH(QStringList, runOptions);
        QFETCH(QString, format);
        QFETCH(QString, changed);
        QFETCH(int, taken);
        QFETCH(bool, follow);
        AheadSetup s;
        QVERIFY(s.made);
        QTemporaryDir &dir = s.dir;
        const QString &a = s.a, &b = s.b;
        LookAhead &ahead = s.ahead;
        ImageEngine &engine = s.engine;
        // Image 0 teaches the recipe; image 1 is worked on ahead meanwhile.
        ahead.beginImage(0, follow ? b : QString());
        QVERIFY(QFile::copy(a, dir.filePath("th_a.jpg")));
        engine.Mogrify({"-geometry", "30x30", dir.filePath("th_a.jpg")});
        engine.Identify({"-format", format, dir.filePath("th_a.jpg")});
        if (follow) // made before image 0's recipe is complete
            QTRY_VERIFY_WITH_TIMEOUT(ahead.holds(1), 20000);
        ahead.endImage(0, {b});
        QTRY_COMPARE_WITH_TIMEOUT(ahead.madeAhead(), format.contains("%f") ? 1 : 2, 20000);
        if (changed == "source")
            QVERIFY(makeImage(b, 60, 40, 3));
        if (changed == "kept") { // written over in place, as no step may do
            const QStringList kept = QDir(dir.filePath("temp")).entryList({".ahead-*"}, QDir::Files | QDir::Hidden);
            QCOMPARE(kept.size(), 1);
            QFile f(dir.filePath("temp/" + kept.first()));
            QVERIFY(f.open(QIODevice::ReadWrite) && f.write("not what was made") > 0);
        }
        ahead.beginImage(1);
        const QString work = dir.filePath("th_b [1].jpg"); // a name ImageMagick would read as a scene
        const QByteArray sourceState = FileState(b);
        QVERIFY(QFile::copy(b, work));
        ahead.noteCopy(b, sourceState, work); // as the run does after making its working file
        if (changed == "work")
            QVERIFY(makeImage(work, 60, 40, 3));
        const QString serial = dir.filePath("serial.jpg");
        QVERIFY(QFile::copy(work, serial));
        engine.Mogrify(runOptions + QStringList{work});
        const QString text = engine.Identify({"-format", format, work});
        QCOMPARE(ahead.taken(), taken);

        ImageEngine plain;
        plain.Mogrify(runOptions + QStringList{serial});
        QCOMPARE(fileBytes(work), fileBytes(serial));
        QCOMPARE(text, plain.Identify({"-format", format, serial}).replace("serial.jpg", "th_b [1].jpg"));
        // Results not taken are dropped with their image.
        ahead.endImage(1, {});
        QCOMPARE(QDir(dir.filePath("temp")).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(dir.path()).entryList({".*ahead*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // A stamp (a label composited over the file in place) is made ahead too,
    // and taken only for the same label.
    void stampTakenOnlyForTheSameLabel_data()
    {
        QTest::addColumn<QString>("label"); // of image 1; image 0's reads "Hi"
        QTest::addColumn<int>("taken");
        QTest::addRow("same label") << "Hi" << 1;
        QTest::addRow("other label") << "Ho" << 0;
    }
    void stampTakenOnlyForTheSameLabel()
    {
        QFETCH(QString, label);
        QFETCH(int, taken);
        AheadSetup s; // JPEG: a PNG would carry the second it was written in
        QVERIFY(s.made);
        QTemporaryDir &dir = s.dir;
        const QString &a = s.a, &b = s.b, mark = dir.filePath("mark.png");
        LookAhead &ahead = s.ahead;
        ImageEngine &engine = s.engine;
        const QStringList options{"-background", "none", "-gravity", "SouthEast"};
        auto stamp = [&](const QString &text, const QString &file) {
            QVERIFY(MakeTextLabel(mark, text, OverlayFont{})); // made each time, as the run does
            engine.Composite(options + QStringList{mark, file, file});
        };
        ahead.beginImage(0);
        QVERIFY(QFile::copy(a, dir.filePath("th_a.jpg")));
        stamp("Hi", dir.filePath("th_a.jpg"));
        ahead.endImage(0, {b});
        QTRY_COMPARE_WITH_TIMEOUT(ahead.madeAhead(), 1, 20000);
        ahead.beginImage(1);
        const QString work = dir.filePath("th_b.jpg"), serial = dir.filePath("serial.jpg");
        const QByteArray sourceState = FileState(b);
        QVERIFY(QFile::copy(b, work) && QFile::copy(b, serial));
        ahead.noteCopy(b, sourceState, work);
        stamp(label, work);
        QCOMPARE(ahead.taken(), taken);
        ImageEngine().Composite(options + QStringList{mark, serial, serial});
        QCOMPARE(fileBytes(work), fileBytes(serial));
        ahead.endImage(1, {});
        QCOMPARE(QDir(dir.filePath("temp")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A worker keeps an image's memory for the next call, and gives it back
    // once no call has come for a while.
    void idleWorkerGivesMemoryBack()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("big.jpg");
        QVERIFY(makeImage(src, 2400, 1800));
        PooledEngine pooled(RunFolders(QString(), dir.path()));
        auto residentMiB = [&] {
            QFile status(QStringLiteral("/proc/%1/status").arg(pooled.pool.pids().front()));
            if (!status.open(QIODevice::ReadOnly))
                return -1LL;
            const QByteArray text = status.readAll();
            const qsizetype at = text.indexOf("VmRSS:");
            return text.mid(at + 6, text.indexOf('\n', at) - at - 6).trimmed().split(' ').front().toLongLong() / 1024;
        };
        pooled.engine.Convert({"-negate", src, dir.filePath("out.png")});
        const qint64 busy = residentMiB();
        QVERIFY2(busy > 45, qPrintable(QString::number(busy))); // the pixels kept: 2400x1800x8 bytes
        QTRY_VERIFY_WITH_TIMEOUT(residentMiB() < busy - 25, 5000);
    }

    // A GIF's scenes decoded and written in the workers: the same files, sizes
    // and failures as in this process, and written under the workers' folders.
    void scenesAreWrittenInWorkers()
    {
        QTemporaryDir dir;
        const QString gif = dir.filePath("anim.gif"), cut = dir.filePath("cut.gif");
        QVERIFY(makeAnimatedGif(gif, 3, 30, 20));
        QFile::copy(gif, cut);
        QVERIFY(QFile::resize(cut, 120));
        QDir().mkpath(dir.filePath("out"));
        EngineWorkerPool pool(2);
        pool.setFolders(RunFolders(dir.path(), dir.filePath("out")));
        SceneSource here(gif, true, false, false);
        SceneSource there(gif, true, false, false, &pool);
        QCOMPARE(there.count(), 3);
        const QStringList outs{dir.filePath("out/a.png"), dir.filePath("out/b.png"), dir.filePath("out/c.png")};
        QCOMPARE(there.writeSeveral({0, 1, 2}, outs), QList<bool>({true, true, true}));
        for (int i = 0; i < 3; ++i) {
            here.write(i, dir.filePath("here.png"));
            QCOMPARE(fileBytes(outs.at(i)), fileBytes(dir.filePath("here.png")));
            QCOMPARE(there.describe(i, 99), here.describe(i, 99));
        }
        QVERIFY_THROWS_EXCEPTION(VexlError, there.write(5, dir.filePath("out/d.png")));
        QString failed[2];
        for (EngineWorkerPool *p : {static_cast<EngineWorkerPool *>(nullptr), &pool}) {
            try {
                SceneSource damaged(cut, true, false, false, p);
            } catch (const VexlError &e) {
                failed[p ? 1 : 0] = e.description;
            }
        }
        QVERIFY(!failed[0].isEmpty());
        QCOMPARE(failed[1], failed[0]);
        if (LandlockAbi() != 0) // confined: a folder the run does not name is out of reach
            QCOMPARE(there.writeSeveral({0}, {dir.filePath("elsewhere.png")}), QList<bool>({false}));
    }

    // A worker may use only the folders its run names; naming others replaces it.
    void workersUseOnlyTheirRunsFolders()
    {
        if (LandlockAbi() == 0)
            QSKIP("this kernel offers no Landlock: workers run unconfined here");
        QTemporaryDir in, out;
        const QString src = in.filePath("in.png");
        QVERIFY(makeImage(src, 40, 30));
        PooledEngine p(RunFolders(in.path(), QString()));
        QCOMPARE(p.engine.Identify({"-format", "%w", src}), "40");
        const std::vector<pid_t> first = p.pool.pids();
        QVERIFY_THROWS_EXCEPTION(VexlError, p.engine.Convert({src, out.filePath("a.png")}));
        QVERIFY_THROWS_EXCEPTION(VexlError, p.engine.Mogrify({"-negate", src}));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        p.pool.setFolders(RunFolders(in.path(), out.path()));
        p.engine.Convert({src, out.filePath("a.png")});
        QCOMPARE(imageSize(out.filePath("a.png")), qMakePair(40, 30));
        QVERIFY(p.pool.pids() != first);
    }

    // SIGTERM and SIGINT are the main process's business: a worker ignores
    // them. One killed between calls is replaced by the next call (killed in a
    // call: tst_batch_safety). No worker outlives its run: not when the pool
    // ends, not when the main process is killed.
    void noWorkerOutlivesItsRun()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath("in.png");
        QVERIFY(makeImage(src, 40, 30));
        pid_t pid = -1;
        std::vector<pid_t> started;
        {
            // Started ahead of the first call, under the run's folders: the
            // call takes one of them instead of replacing it.
            PooledEngine p(RunFolders(QString(), dir.path()), 2);
            p.pool.warmUp(2);
            started = p.pool.pids();
            QCOMPARE(started.size(), size_t(2));
            QCOMPARE(p.engine.Identify({"-format", "%w", src}), "40");
            QCOMPARE(p.pool.pids(), started);
        }
        for (pid_t w : started)
            QVERIFY(!alive(w));
        {
            PooledEngine p(RunFolders(QString(), dir.path()));
            QCOMPARE(p.engine.Identify({"-format", "%w", src}), "40");
            const pid_t first = p.pool.pids().at(0);
            ::kill(first, SIGTERM);
            ::kill(first, SIGINT);
            QCOMPARE(p.engine.Identify({"-format", "%w", src}), "40");
            QCOMPARE(p.pool.pids().at(0), first);
            // Writing to the dead worker does not end this process with SIGPIPE.
            ::kill(first, SIGKILL);
            QTRY_VERIFY(!alive(first));
            QCOMPARE(p.engine.Identify({"-format", "%w", src}), "40");
            pid = p.pool.pids().at(0);
            QVERIFY(pid != first && alive(pid));
        }
        QVERIFY(!alive(pid));

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--hold-a-worker", src});
        QVERIFY(child.waitForReadyRead(20000));
        const pid_t orphan = pid_t(child.readLine().trimmed().toInt());
        QVERIFY(orphan > 0 && alive(orphan));
        child.kill();
        child.waitForFinished(5000);
        QTRY_VERIFY_WITH_TIMEOUT(!alive(orphan), 5000);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-a-worker") == 0) {
        // A main process that starts a worker, says its id, and waits to be killed.
        QCoreApplication app(argc, argv);
        qputenv("VEXL_WORKER_EXE", VEXL_EXE);
        PooledEngine p(RunFolders(QFileInfo(QString::fromLocal8Bit(argv[2])).absolutePath(), QString()));
        p.engine.Identify({"-format", "%w", QString::fromLocal8Bit(argv[2])});
        printf("%d\n", int(p.pool.pids().at(0)));
        fflush(stdout);
        ::pause();
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestEngineWorker t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_engineworker.moc"
