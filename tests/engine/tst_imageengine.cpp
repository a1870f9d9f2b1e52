// The image engine: failure texts, hostile files (the coder allow-list), file
// names taken literally, and events served during a call. (Every listed type
// written and read: tst_batch_pixels' scene rows; label texts taken literally:
// its overlay rows.)
#include "batchfixture.h"
#include "hostilefiles.h"

#include "support/vexlerror.h"

#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

using namespace vexl;
using namespace vexl::test;

namespace {

QString identify(const QString &format, const QString &file)
{
    return ImageEngine().Identify({QStringLiteral("-format"), format, file});
}

void runTool(const QString &tool, const QStringList &args)
{
    ImageEngine engine;
    if (tool == "convert")
        engine.Convert(args);
    else if (tool == "mogrify")
        engine.Mogrify(args);
    else if (tool == "composite")
        engine.Composite(args);
    else
        engine.Identify(args);
}

// Runs one engine call; ImageMagick's error text, or "" when it worked.
QString failureOf(const std::function<void()> &op)
{
    try {
        op();
    } catch (const VexlError &e) {
        return e.description.isEmpty() ? QStringLiteral("(empty error)") : e.description;
    }
    return QString();
}
} // namespace

class TestImageEngine : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_cwd;
    QString p(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_cwd);
        m_dir.reset();
    }

    void failuresCarryImageMagickText_data()
    {
        QTest::addColumn<QStringList>("call"); // the tool, then its arguments
        QTest::addColumn<QString>("text");
        QTest::addRow("bevel too wide")
            << QStringList{"mogrify", "-raise", "30x30", "small.png"} << "exceed bevel width";
        QTest::addRow("no folder") << QStringList{"convert", "small.png", "no/such/out.png"} << "unable to open image";
        QTest::addRow("text named jpg") << QStringList{"identify", "-format", "%w", "text.jpg"} << "text.jpg";
        QTest::addRow("truncated jpeg") << QStringList{"convert", "cut.jpg", "out.png"} << "Premature end of JPEG file";
        QTest::addRow("svg overlay") << QStringList{"composite", "svg.gif", "small.png", "out.png"} << "security policy";
        QTest::addRow("output is a folder") << QStringList{"convert", "small.png", "folder.png"} << "folder.png";
    }
    // A failure throws ImageMagick's reason under the caller's names and leaves
    // every file as it was (outputs are replaced only on success).
    void failuresCarryImageMagickText()
    {
        QFETCH(QStringList, call);
        QFETCH(QString, text);
        const QString tool = call.takeFirst();
        QVERIFY(makeImage("small.png", 20, 20));
        QVERIFY(makeImage("out.png", 8, 8));
        QVERIFY(makeImage("big.jpg", 400, 300));
        QVERIFY(writeFile("cut.jpg", fileBytes("big.jpg").left(int(fileBytes("big.jpg").size() / 2))));
        QVERIFY(writeFile("text.jpg", "just some words, no picture\n"));
        QVERIFY(writeFile("svg.gif", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>"));
        QVERIFY(QDir().mkdir("folder.png"));
        const auto before = checksums(".");
        VexlError error;
        try {
            runTool(tool, call);
            QFAIL("no error");
        } catch (const VexlError &e) {
            error = e;
        }
        QVERIFY2(error.description.contains(text), qPrintable(error.description));
        QVERIFY2(!error.description.contains("vexl-work") && !error.description.contains("/proc/self"),
                 qPrintable(error.description));
        QCOMPARE(error.source, "ImageEngine." + tool);
        QCOMPARE(checksums("."), before);
        QVERIFY(QFileInfo("folder.png").isDir());
    }

    void hostileFilesFailFast_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable"); // read without the hostile part
        QTest::addRow("png 65000x65000") << "bomb.png" << pngBomb(65000, 65000) << false;
        QTest::addRow("png 16000x16000") << "bomb16k.png" << pngBomb(16000, 16000) << false;
        QTest::addRow("jpeg 65000x65000") << "bomb.jpg" << jpegBomb() << false;
        // Scaled by the decode-size hint a resize gives, it would pass the size limit.
        QTest::addRow("jpeg with tables declaring 60000x60000") << "tables.jpg" << jpegDeclaring(60000, 60000) << false;
        QTest::addRow("gif frame 65000x65000") << "frame.gif" << gifOf(1, 65000, 65000) << false;
        QTest::addRow("gif of 100000 frames") << "frames.gif" << gifOf(100000, 1, 1) << false;
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60000\" height=\"60000\">"
                               "<rect width=\"60000\" height=\"60000\"/></svg>";
        QTest::addRow("svg named gif") << "svg.gif" << svg << false;
        QTest::addRow("mvg named png") << "mvg.png" << QByteArray("push graphic-context\nviewbox 0 0 60000 60000\n") << false;
        // A text chunk of 100 KiB that inflates to 96 MiB: read without it.
        QTest::addRow("png text bomb") << "text.png" << pngTextBomb(96) << true;
    }
    // Every call the batch makes on such a file fails within a second or two,
    // with memory to spare, or works as fast on the file without its hostile
    // part, which no output carries on.
    void hostileFilesFailFast()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        QVERIFY(writeFile(p(name), bytes));
        const QList<QStringList> calls{{"identify", "-format", "%w %h bleh"},
                                       {"identify", "-format", "%w %h %k %b bleh"},
                                       {"identify", "-format", "%n"},
                                       {"mogrify", "-quality", "90", "-geometry", "100x100"},
                                       {"convert", "-geometry", "100x100"}};
        for (QStringList call : calls) {
            const QString tool = call.takeFirst();
            call << p(name);
            if (tool == "convert")
                call << p("out.png");
            const qint64 rssBefore = peakRssKiB();
            QElapsedTimer clock;
            clock.start();
            const QString error = failureOf([&] { runTool(tool, call); });
            QVERIFY2(error.isEmpty() == readable, qPrintable(tool + ": " + error));
            QVERIFY2(clock.elapsed() < 3000, qPrintable(tool));
            QVERIFY2(peakRssKiB() - rssBefore < 100 * 1024 && peakRssKiB() < 300 * 1024, qPrintable(tool));
        }
        if (!readable) {
            QCOMPARE(fileBytes(p(name)), bytes);
        } else { // no output carries the text on (the file itself was changed in place)
            QVERIFY(QFileInfo(p("out.png")).size() < 64 * 1024);
            QVERIFY(QFileInfo(p(name)).size() < 64 * 1024);
        }
    }

    void fileNamesAreData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("neighbours"); // what a pattern reading of the name would hit
        QTest::newRow("scene-like end") << "x.gif[1]" << QStringList{"x.gif"};
        QTest::newRow("leading @") << "@list.png" << QStringList{"list.png"};
        QTest::newRow("leading ~") << "~home.png" << QStringList{"home.png"};
        QTest::newRow("coder prefix") << "png:c.png" << QStringList{"c.png"};
        QTest::newRow("braces") << "b{1,2}.png" << QStringList{"b1.png", "b2.png"};
        QTest::newRow("non-ASCII") << QString::fromUtf8("été.png") << QStringList{"ete.png"};
        QTest::newRow("odd folder")
            << "we[i]rd %d dir/in.png" << QStringList{"weird %d dir/in.png", "we[i]rd 0 dir/in.png"};
    }
    // Every call on a file of that name reads and writes exactly that file, named
    // relative to the working folder (where a leading "-", "@" or "~" means most)
    // and absolutely.
    void fileNamesAreData()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, neighbours);
        QDir().mkpath(QFileInfo(name).path());
        QVERIFY(makeImage("seed.png", 60, 40));
        QVERIFY(makeImage("overlay.png", 6, 6, 5));
        for (const QString &n : neighbours)
            QVERIFY(n.endsWith(".gif") ? makeAnimatedGif(n, 2) : makeImage(n, 50, 50, 3));
        const auto before = checksums(".");
        for (const QString &f : {name, m_dir->filePath(name)}) {
            try {
                ImageEngine engine;
                engine.Convert({"-geometry", "30x20", "seed.png", f});
                QCOMPARE(identify("%w %h", f), QString("30 20"));
                engine.Mogrify({"-quality", "90", "-geometry", "15x10", f});
                const QByteArray beforeOverlay = checksum(f);
                engine.Composite({"-gravity", "center", "overlay.png", f, f});
                QVERIFY(checksum(f) != beforeOverlay);
                engine.Convert({f + "[0]", "scene0.png"});
                engine.Convert({f, "copy.png"});
                const QString suffix = QFileInfo(f).suffix().toLower();
                if (QRegularExpression("^[a-z]+$").match(suffix).hasMatch())
                    engine.Mogrify({"-format", suffix, f});
            } catch (const VexlError &e) {
                QFAIL(qPrintable(e.description));
            }
            QCOMPARE(imageSize(f), qMakePair(15, 10));
            QCOMPARE(imageSize("copy.png"), qMakePair(15, 10));
            QCOMPARE(imageSize("scene0.png"), qMakePair(15, 10));
            QVERIFY(QFile::remove(f) && QFile::remove("copy.png") && QFile::remove("scene0.png"));
        }
        QCOMPARE(checksums("."), before); // nothing else written or changed, no work file left
    }

    // While a long call runs with events served, timers fire on the calling
    // thread (which sleeps rather than spins), other calls can be made from
    // them, and a failure still arrives as an exception.
    void servesEventsWhileWorking()
    {
        QVERIFY(makeImage(p("big.png"), 800, 800));
        QVERIFY(makeImage(p("small.png"), 20, 20));
        ImageEngine engine;
        int ticks = 0;
        QString nested;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == 2)
                nested = identify("%wx%h", p("small.png"));
        });
        timer.start();
        QCOMPARE(failureOf([&] { engine.Mogrify({"-rotate", "33", p("big.png")}); }), QString());
        QCOMPARE(ticks, 0); // not serving by default

        engine.setServeEventsWhileWorking(true);
        timespec cpu0, cpu1;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
        QElapsedTimer wall;
        wall.start();
        QCOMPARE(failureOf([&] { engine.Mogrify({"-rotate", "33", p("big.png")}); }), QString());
        const double wallMs = double(wall.elapsed());
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
        const double cpuMs = (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6;
        QVERIFY(ticks >= 2);
        QCOMPARE(nested, QString("20x20"));
        QVERIFY2(cpuMs < wallMs / 2, qPrintable(QStringLiteral("%1 of %2 ms").arg(cpuMs).arg(wallMs)));
        timer.stop();
        const QString error = failureOf([&] { engine.Mogrify({"-raise", "50x50", p("small.png")}); });
        QVERIFY2(error.contains("size must exceed bevel width"), qPrintable(error));
    }
};

VEXL_ENGINE_TEST_MAIN(TestImageEngine)
#include "tst_imageengine.moc"
