// The image engine: events served during a call (failures: tst_imageoperations'
// failedStepAsks; formats, labels and hostile files: tst_batch_pixels and
// tst_batch_badinput).
#include "batchfixture.h"

#include "support/vexlerror.h"

#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

using namespace vexl;
using namespace vexl::test;

namespace {
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

private slots:
    // While a long call runs with events served, timers fire on the calling
    // thread (which sleeps rather than spins), other calls can be made from
    // them, and a failure still arrives as an exception.
    void servesEventsWhileWorking()
    {
        QTemporaryDir dir;
        const QString big = dir.filePath("big.png"), small = dir.filePath("small.png");
        QVERIFY(makeImage(big, 800, 800));
        QVERIFY(makeImage(small, 20, 20));
        ImageEngine engine;
        int ticks = 0;
        QString nested;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == 2)
                nested = ImageEngine().Identify({"-format", "%wx%h", small});
        });
        timer.start();
        QCOMPARE(failureOf([&] { engine.Mogrify({"-rotate", "33", big}); }), QString());
        QCOMPARE(ticks, 0); // not serving by default

        engine.setServeEventsWhileWorking(true);
        timespec cpu0, cpu1;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
        QElapsedTimer wall;
        wall.start();
        QCOMPARE(failureOf([&] { engine.Mogrify({"-rotate", "33", big}); }), QString());
        const double wallMs = double(wall.elapsed());
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
        const double cpuMs = (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6;
        QVERIFY(ticks >= 2);
        QCOMPARE(nested, QString("20x20"));
        QVERIFY2(cpuMs < wallMs / 2, qPrintable(QStringLiteral("%1 of %2 ms").arg(cpuMs).arg(wallMs)));
        timer.stop();
        const QString error = failureOf([&] { engine.Mogrify({"-raise", "50x50", small}); });
        QVERIFY2(error.contains("size must exceed bevel width"), qPrintable(error));
    }
};

VEXL_ENGINE_TEST_MAIN(TestImageEngine)
#include "tst_imageengine.moc"
