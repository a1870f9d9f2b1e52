// The image engine: failure texts and events served during a call (formats,
// labels and hostile files: tst_batch_pixels and tst_batch_badinput).
#include "batchfixture.h"

#include "support/vexlerror.h"

#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

using namespace vexl;
using namespace vexl::test;

namespace {

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
        QTest::addRow("bevel too wide") << QStringList{"mogrify", "-raise", "30x30", "small.png"} << "exceed bevel width";
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

    // While a long call runs with events served, timers fire on the calling
    // thread (which sleeps rather than spins), other calls can be made from
    // them, and a failure still arrives as an exception.
    void servesEventsWhileWorking()
    {
        QVERIFY(makeImage("big.png", 800, 800));
        QVERIFY(makeImage("small.png", 20, 20));
        ImageEngine engine;
        int ticks = 0;
        QString nested;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == 2)
                nested = ImageEngine().Identify({"-format", "%wx%h", "small.png"});
        });
        timer.start();
        QCOMPARE(failureOf([&] { engine.Mogrify({"-rotate", "33", "big.png"}); }), QString());
        QCOMPARE(ticks, 0); // not serving by default

        engine.setServeEventsWhileWorking(true);
        timespec cpu0, cpu1;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
        QElapsedTimer wall;
        wall.start();
        QCOMPARE(failureOf([&] { engine.Mogrify({"-rotate", "33", "big.png"}); }), QString());
        const double wallMs = double(wall.elapsed());
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
        const double cpuMs = (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6;
        QVERIFY(ticks >= 2);
        QCOMPARE(nested, QString("20x20"));
        QVERIFY2(cpuMs < wallMs / 2, qPrintable(QStringLiteral("%1 of %2 ms").arg(cpuMs).arg(wallMs)));
        timer.stop();
        const QString error = failureOf([&] { engine.Mogrify({"-raise", "50x50", "small.png"}); });
        QVERIFY2(error.contains("size must exceed bevel width"), qPrintable(error));
    }
};

VEXL_ENGINE_TEST_MAIN(TestImageEngine)
#include "tst_imageengine.moc"
