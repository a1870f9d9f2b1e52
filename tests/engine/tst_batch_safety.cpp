// Faults through the batch: every original stays, in place or in the trash; every output decodes.

#include "batchfixture.h"
#include "engine/engineworker.h"
#include "support/apppaths.h"
#include "support/safefile.h"

#include <atomic>
#include <csignal>
#include <thread>

using namespace vexl;
using namespace vexl::test;

namespace {
// A small tmpfs mounted at `path` while it lives (root only; otherwise not mounted).
struct SmallMount
{
    QString path;
    bool mounted = false;
    SmallMount(const QString &where, const QString &size)
        : path(where)
    {
        QDir().mkpath(where);
        mounted = QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                               QStringLiteral("size=") + size, QStringLiteral("tmpfs"), where}) == 0;
    }
    void fill() const // more than the mount holds: written until it is full
    {
        QFile f(path + QStringLiteral("/filler.bin"));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(1 << 20, 'x'));
    }
    ~SmallMount()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), path});
    }
};

bool decodesCompletely(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("convert"), {QStringLiteral("-regard-warnings"), path, QStringLiteral("null:")});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A process at work (running, not waiting for its next call).
bool atWork(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray text = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) == "R";
}
} // namespace

class TestBatchSafety : public QObject
{
    Q_OBJECT

    std::unique_ptr<EngineWorkerPool> m_pool;

private slots:
    // Every case runs with one image worker, and with two (working ahead).
    void initTestCase_data()
    {
        QTest::addColumn<int>("workers");
        QTest::addRow("1 worker") << 1;
        QTest::addRow("2 workers") << 2;
    }
    void initTestCase() { qputenv("VEXL_WORKER_EXE", VEXL_EXE); }
    void init()
    {
        QFETCH_GLOBAL(int, workers);
        m_pool = std::make_unique<EngineWorkerPool>(workers);
        ImageEngine::setDefaultWorkerPool(m_pool.get());
    }
    void cleanup()
    {
        ImageEngine::setDefaultWorkerPool(nullptr);
        m_pool.reset();
    }

    void faultCases_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("images");
        QTest::addColumn<QStringList>("titles");  // the questions and messages, in order
        QTest::addColumn<QString>("said");        // a text the first question holds
        QTest::addColumn<QStringList>("inAfter"); // files left in the input folder
        QTest::addColumn<QStringList>("outAfter"); // files under final names in the output folder
        const QStringList done{"Done"};
        QTest::addRow("gif: extraction into a full folder keeps the GIF and the older output")
            << "png delete full older" << "anim.gif" << QStringList{"ImageMagick Error", "Done"} << ""
            << QStringList{"anim.gif"} << QStringList{"anim.png", "filler.bin"};
        QTest::addRow("gif: a folder in the way of scene 2, answered No: scene 1 kept, no scene written ahead left")
            << "png all dir2 no" << "anim.gif" << QStringList{"Copy Error", "Done"} << "Is a directory"
            << QStringList{"anim.gif"} << QStringList{"anim1.png"};
        QTest::addRow("case-only rename onto a pending input: skipped after asking")
            << "case same delete" << "Photo.png photo.png" << QStringList{"Name Collision", "Done"}
            << "These images would overwrite another image or its result:\r\nPhoto.png, photo.png -> photo.png\r\n\r\n"
               "Do you want to skip them and process the others?"
            << QStringList{"Photo.png", "photo.png"} << QStringList{};
        QTest::addRow("a moved original, then one that keeps its name: both kept")
            << "case same delete" << "A.jpg b.jpg" << done << "" << QStringList{"a.jpg", "b.jpg"} << QStringList{};
        QTest::addRow("a name known only during the run collides: asked like a copy failure")
            << "png delete meta" << "a.jpg a.png" << QStringList{"Copy Error", "Done"}
            << "The name is taken by another image of this run or by its result." << QStringList{"a.png"}
            << QStringList{"20_a.png"};
        QTest::addRow("collision answered No: nothing written")
            << "png delete no" << "a.jpg a.png" << QStringList{"Name Collision", "Done"} << "a.jpg, a.png -> a.png"
            << QStringList{"a.jpg", "a.png"} << QStringList{};
        QTest::addRow("prefixed output is another input: that image is skipped")
            << "same delete flop prefix" << "a.jpg th_a.jpg" << QStringList{"Name Collision", "Done"}
            << "a.jpg, th_a.jpg -> th_a.jpg" << QStringList{"a.jpg", "th_th_a.jpg"} << QStringList{};
        QTest::addRow("rename-only onto a full file system: no broken file, words for the failure")
            << "full delete prefix" << "big.bmp" << QStringList{"Copy Error", "Done"} << "No space left on device"
            << QStringList{"big.bmp"} << QStringList{"filler.bin"};
        QTest::addRow("operation into a full folder: original kept")
            << "full delete flop" << "big.bmp" << QStringList{"Copy Error", "Done"} << "No space left on device"
            << QStringList{"big.bmp"} << QStringList{"filler.bin"};
        QTest::addRow("work in place: the original goes to the trash")
            << "same flop" << "a.png" << done << "" << QStringList{"a.png"} << QStringList{};
        // Delete Old: the result is the source's own file, which stays.
        QTest::addRow("work in place with Delete Old: the result stays")
            << "same flop delete" << "a.png" << done << "" << QStringList{"a.png"} << QStringList{};
        QTest::addRow("older output replaced: it goes to the trash")
            << "older flop delete" << "a.png" << done << "" << QStringList{} << QStringList{"a.png"};
        QTest::addRow("same folder overrides a stale output folder")
            << "samedest prefix" << "a.png" << done << "" << QStringList{"a.png", "th_a.png"} << QStringList{};
    }
    void faultCases()
    {
        QFETCH(QString, setup);
        QFETCH(QString, images);
        QFETCH(QString, said);
        const QStringList w = setup.split(QLatin1Char(' '));
        const auto has = [&](const char *word) { return w.contains(QLatin1String(word)); };
        BatchFixture f;
        std::unique_ptr<SmallMount> mount;
        if (has("full")) {
            mount = std::make_unique<SmallMount>(f.out, QStringLiteral("256k"));
            if (!mount->mounted)
                QSKIP("mounting a small tmpfs is not allowed here");
        }
        f.s.DeleteOld = has("delete");
        f.s.OutputFormat = has("png") ? 5 : 0;
        f.s.MiscFlipHoriz = has("flop");
        f.s.AniExtractAllScenes = has("all");
        f.s.Case = has("case") ? 1 : 0;
        f.s.RenamePrefix = has("prefix") ? QStringLiteral("th_") : has("meta") ? QStringLiteral("[WIDTH]_") : QString();
        if (has("same"))
            f.s.OutputDir = f.in;
        if (has("samedest"))
            f.input.outputDestIndex = 0; // OutputDir still names `out`
        unsigned seed = 0;
        for (const QString &name : images.split(QLatin1Char(' '))) {
            f.add(name);
            if (name.endsWith(QLatin1String(".gif")))
                QVERIFY(makeAnimatedGif(f.inPath(name), 3));
            else if (name == QLatin1String("big.bmp")) // 270 KB, more than the mount holds
                QVERIFY(makeImage(f.inPath(name), 300, 300));
            else
                QVERIFY(makeImage(f.inPath(name), 20, 10, ++seed));
        }
        QMap<QString, QByteArray> originals; // path -> checksum: every file that must survive
        for (const QString &name : f.inFiles())
            originals.insert(f.inPath(name), checksum(f.inPath(name)));
        if (images.startsWith(QLatin1String("A.jpg"))) // moved to its new name, the same file
            originals.insert(f.inPath(QStringLiteral("a.jpg")), originals.take(f.inPath(QStringLiteral("A.jpg"))));
        if (has("older")) {
            const QString older = f.outPath(images == QLatin1String("anim.gif") ? QStringLiteral("anim.png") : QStringLiteral("a.png"));
            QVERIFY(makeImage(older, 12, 12, 7));
            originals.insert(older, checksum(older));
        }
        if (has("dir2"))
            QVERIFY(QDir().mkpath(f.outPath(QStringLiteral("anim2.png"))));
        if (has("full"))
            mount->fill();
        f.host.answers.push_back(has("no") ? MsgAnswer::No : MsgAnswer::Yes);
        f.host.answers.push_back(MsgAnswer::Yes);

        f.go();
        QTEST(f.host.titles(), "titles");
        if (!said.isEmpty())
            QVERIFY2(f.host.asked.first().text.contains(said), qPrintable(f.host.asked.first().text));
        if (f.host.asked.first().title == QLatin1String("Name Collision"))
            QVERIFY(f.host.asked.first().buttons == MsgButtons::YesNo && f.host.asked.first().icon == MsgIcon::Exclamation);
        QVERIFY(f.host.errors.isEmpty());

        // Files under final names, and no work or lock file left anywhere.
        QTEST(f.inFiles(), "inAfter");
        QTEST(f.outFiles(), "outAfter");

        // Every original or replaced file is in place or in the trash, unchanged.
        QMap<QByteArray, int> trashed;
        const QString trash = f.world.path(QStringLiteral("data/Trash/files"));
        for (const QString &name : BatchFixture::filesBelow(trash))
            ++trashed[checksum(trash + QLatin1Char('/') + name)];
        for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
            const bool inPlace = QFileInfo::exists(it.key()) && checksum(it.key()) == it.value();
            QVERIFY2(inPlace || trashed.value(it.value()) > 0, qPrintable(it.key()));
        }
        for (const QString &name : f.outFiles())
            if (name != QLatin1String("filler.bin"))
                QVERIFY2(decodesCompletely(f.outPath(name)), qPrintable(name));
        for (const QString &name : f.inFiles())
            QVERIFY2(decodesCompletely(f.inPath(name)), qPrintable(name));
    }

    // A worker killed mid-image fails that image alone; the run goes on with a new worker.
    void killedWorkerFailsOneImage()
    {
        BatchFixture f;
        f.s.DimensionMethod = 1;
        f.s.DimensionWidth = f.s.DimensionHeight = QStringLiteral("60");
        f.s.MiscAntialias = false;
        QVERIFY(f.addImage(QStringLiteral("a.jpg"), 80, 60, 1));
        QVERIFY(f.addImage(QStringLiteral("b.png"), 2400, 1800, 2)); // long enough to be caught at work
        QVERIFY(f.addImage(QStringLiteral("c.jpg"), 80, 60, 3));
        std::atomic<int> position{0};
        std::atomic<bool> over{false};
        std::atomic<int> kills{0};
        f.host.onImage = [&](int p, int, const QString &) { position = p; };
        f.yes();
        std::thread killer([&] {
            // Every worker at work during image 2 is killed (one ahead on image 3 too).
            for (int i = 0; i < 30000 && !over; ++i) {
                if (position == 2)
                    for (pid_t pid : m_pool->pids())
                        if (atWork(pid) && ::kill(pid, SIGKILL) == 0)
                            ++kills;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        f.go();
        over = true;
        killer.join();
        QVERIFY(kills > 0);
        QCOMPARE(f.host.titles(), (QStringList{"ImageMagick Error", "Done"}));
        QVERIFY2(f.host.asked.first().text.contains(QStringLiteral("the image worker stopped unexpectedly (signal 9")),
                 qPrintable(f.host.asked.first().text));
        QCOMPARE(f.outFiles(), (QStringList{"a.jpg", "c.jpg"}));
        QCOMPARE(imageSize(f.outPath(QStringLiteral("c.jpg"))), qMakePair(60, 45));
    }

    // Ended early while later images were worked on ahead: what a serial run leaves.
    void endedRunLeavesWhatASerialRunLeaves_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QStringList>("outAfter");
        QTest::addRow("No to the question of image 3") << false << QStringList{"a.jpg", "b.jpg"};
        QTest::addRow("Stop during image 3") << true << QStringList{"a.jpg", "b.jpg", "c.jpg"};
    }
    void endedRunLeavesWhatASerialRunLeaves()
    {
        QFETCH_GLOBAL(int, workers);
        QFETCH(bool, stop);
        BatchFixture f;
        f.s.DimensionMethod = 1;
        f.s.DimensionWidth = f.s.DimensionHeight = QStringLiteral("50");
        f.s.MiscAntialias = false;
        unsigned seed = 0;
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg"})
            QVERIFY(f.addImage(QLatin1String(name), 120, 90, ++seed));
        if (!stop)
            QVERIFY(writeFile(f.inPath(QStringLiteral("c.jpg")), "not an image"));
        const QMap<QString, QByteArray> originals = checksums(f.in);
        // What the workers of a killed run left in Temp goes too.
        QProcess dead;
        dead.start(QStringLiteral("true"));
        QVERIFY(dead.waitForFinished());
        const QString killedRun = QString::number(dead.processId());
        QVERIFY(writeFile(AppPaths::tempFolder() + "/.vexl-x1-" + killedRun + "." + killedRun + ".work.jpg~", "x"));
        QVERIFY(writeFile(AppPaths::tempFolder() + "/.ahead-" + killedRun + "-4-7.jpg", "x"));
        f.host.onImage = [&](int position, int, const QString &) {
            if (position != 3)
                return;
            // Image 4 is worked on ahead before image 3 is committed.
            if (workers > 1)
                QTRY_VERIFY_WITH_TIMEOUT(f.run.lookAhead() && f.run.lookAhead()->holds(3), 10000);
            if (stop)
                f.run.requestStop();
        };
        f.host.answers.push_back(MsgAnswer::No);
        f.go();
        QCOMPARE(f.host.titles(), stop ? QStringList{"Done"} : (QStringList{"ImageMagick Error", "Done"}));
        QTEST(f.outFiles(), "outAfter");
        QCOMPARE(checksums(f.in), originals);
        QCOMPARE(BatchFixture::filesBelow(AppPaths::tempFolder()), QStringList());
    }

    // Where no trash can take a file (here a file stands where the trash would
    // be), it is removed for good, and said so.
    void noTrash()
    {
        BatchFixture f;
        QVERIFY(writeFile(f.world.path(QStringLiteral("data/Trash")), "a file where the trash would be"));
        f.s.DeleteOld = f.s.MiscFlipHoriz = true;
        QVERIFY(f.addImage(QStringLiteral("a.png"), 20, 10));
        QVERIFY(makeImage(f.outPath(QStringLiteral("a.png")), 5, 5));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.reports.size(), 2);
        QVERIFY2(f.host.reports.at(0).startsWith(f.outPath(QStringLiteral("a.png")) + QStringLiteral(" was replaced for good")),
                 qPrintable(f.host.reports.at(0)));
        QVERIFY2(f.host.reports.at(1).startsWith(f.inPath(QStringLiteral("a.png")) + QStringLiteral(" was deleted for good")),
                 qPrintable(f.host.reports.at(1)));
        QCOMPARE(imageSize(f.outPath(QStringLiteral("a.png"))), qMakePair(20, 10));
        QVERIFY(f.inFiles().isEmpty());
    }

    // A dead run's work and lock files are cleaned up; a live run's stay, its names taken.
    void debris()
    {
        TestWorld world;
        const QString dir = world.path(QStringLiteral("out/"));
        QProcess live; // a process that is not this one
        live.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QProcess dead;
        dead.start(QStringLiteral("true"));
        QVERIFY(live.waitForStarted() && dead.waitForFinished());
        const QString l = QString::number(live.processId()), d = QString::number(dead.processId());
        const QStringList kept{".0002.jpg." + l + ".lock", ".b.png." + l + ".work.png", ".hidden." + d, "c." + d + ".work.png"};
        for (const QString &n : kept + QStringList{".a.png." + d + ".work.png", ".0001.jpg." + d + ".lock"})
            QVERIFY(writeFile(dir + n, "x"));
        QCOMPARE(RemoveDebris(dir), 2);
        QCOMPARE(BatchFixture::filesBelow(dir), kept);
        QCOMPARE(ReserveName(dir + QStringLiteral("0002.jpg")), NameReservation::Taken);
        live.kill();
        live.waitForFinished();
    }

};

VEXL_ENGINE_TEST_MAIN(TestBatchSafety)
#include "tst_batch_safety.moc"
