// The window's image work in confined workers: each kind of work gives them its own folders.
#include "engine/engineworker.h"
#include "mainwindowfixture.h"

#include <QGroupBox>

using namespace vexl;
using namespace vexl::test;

class TestConfinedWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("VEXL_WORKER_EXE", VEXL_EXE); }

    void previewCommandAndBatch()
    {
        Fixture f;
        EngineWorkerPool pool(1);
        ImageEngine::setDefaultWorkerPool(&pool);
        const auto reset = qScopeGuard([] { ImageEngine::setDefaultWorkerPool(nullptr); });
        makeImages(f.pics, {"a.png"});
        QVERIFY(makeAnimatedGif(f.path("b.gif"), 3, 30, 20));
        QVERIFY(f.open(f.pics));
        const QString pics = QDir::cleanPath(f.pics);

        // The preview reads the listed folder (and writes only Temp).
        f.select("b.gif");
        QTRY_VERIFY(f.c<QGroupBox>("fraViewPictureOuter")->title().endsWith("(Scene 1/3)"));
        QCOMPARE(f.label("lblImageDimensions")->text(), QStringLiteral("Orig. Size: 30x20"));
        QCOMPARE(pool.folders().read, QStringList{pics});
        QVERIFY(pool.folders().write.isEmpty());

        // A command changes the image in its folder; the preview follows.
        f.select("a.png");
        QTRY_COMPARE(f.label("lblImageDimensions")->text(), QStringLiteral("Orig. Size: 24x24"));
        const QByteArray before = checksum(f.path("a.png"));
        f.action("mnuRotate90")->trigger();
        QTRY_VERIFY(checksum(f.path("a.png")) != before);
        QVERIFY(f.dialogs.shown.isEmpty());

        // A batch into another folder writes there.
        f.outputTo(f.out);
        QCOMPARE(f.start(), QStringList{"Done"});
        QCOMPARE(filesIn(f.out).size(), 2);
        QCOMPARE(pool.folders().write, QStringList{QDir::cleanPath(f.out)});
    }
};

QTEST_MAIN(TestConfinedWindow)
#include "tst_confinedwindow.moc"
