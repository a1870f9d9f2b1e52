// Text overlay: placement, meta tokens in the stamp, colours and font files.
#include "engine/batchrun.h"
#include "engine/imageengine.h"
#include "engine/textoverlay.h"
#include "support/apppaths.h"
#include "support/fontfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

using namespace vexl;

namespace {
// The bounding box of the dark pixels of an image.
QRect darkBox(const QString &path)
{
    QImage img(path);
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 100)
                box |= QRect(x, y, 1, 1);
    return box;
}

QSize labelSize(const QString &text)
{
    const QString label = AppPaths::tempFile(QStringLiteral("ref.png"));
    OverlayFont font;
    font.face = QStringLiteral("Liberation Sans");
    font.size = 20;
    if (!MakeTextLabel(label, text, font))
        return {};
    return QImage(label).size();
}
} // namespace

class TestTextOverlay : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageEngine::initialize(); }

    void labelLandsAtItsGravity_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("column"); // 0 left, 1 centre, 2 right
        QTest::addColumn<int>("row");    // 0 top, 1 middle, 2 bottom
        for (int p = 0; p < 9; ++p)
            QTest::addRow("%s", qPrintable(PlacementTable().at(p))) << p << p % 3 << p / 3;
    }
    void labelLandsAtItsGravity()
    {
        QFETCH(int, position);
        QFETCH(int, column);
        QFETCH(int, row);
        test::TestWorld world;
        const QString image = world.path(QStringLiteral("white.png"));
        QVERIFY(test::runConvert({QStringLiteral("-size"), QStringLiteral("300x150"), QStringLiteral("xc:white"), image}));
        OverlayFont font;
        font.size = 18;
        QVERIFY(OverlayText(image, image, QStringLiteral("XX"), PlacementTable().at(position), font));
        QVERIFY(QFileInfo::exists(AppPaths::tempFile(QStringLiteral("ottmpimg.png"))));
        const QRect box = darkBox(image);
        QVERIFY(!box.isEmpty());
        QCOMPARE(qMin(2, box.center().x() * 3 / 300), column);
        QCOMPARE(qMin(2, box.center().y() * 3 / 150), row);
    }

    void stampResolvesMetaAndKeepsThePercentSign()
    {
        test::TestWorld world;
        const QString folder = world.path(QStringLiteral("in"));
        QVERIFY(test::makeImage(folder + QStringLiteral("/photo.jpg"), 640, 480));
        ProcessSettings s;
        s.MiscAntialias = false;
        s.RenamePrefix.clear();
        s.TextOverlay = true;
        s.TextOverlayText = QStringLiteral("[FNAME] [width]x[HEIGHT] 50% off");
        s.TextOverlayFace = QStringLiteral("Liberation Sans");
        s.TextOverlaySize = 20;
        s.OutputDir = world.path(QStringLiteral("out"));
        QDir().mkpath(s.OutputDir);
        BatchInput in;
        in.currentFolder = folder;
        in.items = {QStringLiteral("photo.jpg")};
        in.checked = {true};
        in.outputDestIndex = 1;
        test::ScriptedBatchHost host;
        BatchRun run;
        run.setStartRequest();
        QCOMPARE(run.Run(s, in, host), BatchOutcome::Finished);
        QCOMPARE(host.count(QStringLiteral("Overlay Image Error")), 0);
        // The label of the run is the one for the resolved text, per-cent sign drawn.
        const QSize made = QImage(AppPaths::tempFile(QStringLiteral("ottmpimg.png"))).size();
        QCOMPARE(made, labelSize(QStringLiteral("photo 640x480 50\\% off")));
        QVERIFY(labelSize(QStringLiteral("50\\% off")).width() > labelSize(QStringLiteral("50 off")).width() + 5);
    }

    void unreadableLabelAsksAndGoesOn()
    {
        test::TestWorld world;
        const QString folder = world.path(QStringLiteral("in"));
        QVERIFY(test::makeImage(folder + QStringLiteral("/a.png"), 40, 30));
        QVERIFY(test::makeImage(folder + QStringLiteral("/b.png"), 40, 30));
        // No Temp folder: the label cannot be written, so the composite fails.
        QDir(world.programFolder() + QStringLiteral("/Temp")).removeRecursively();
        ProcessSettings s;
        s.RenamePrefix = QStringLiteral("t_");
        s.MiscAntialias = false;
        s.TextOverlay = true;
        s.TextOverlayText = QStringLiteral("hi");
        s.OutputFormat = 3; // the format change after the stamp still runs
        s.OutputDir = folder;
        BatchInput in;
        in.currentFolder = folder;
        in.items = {QStringLiteral("a.png"), QStringLiteral("b.png")};
        in.checked = {true, true};
        test::ScriptedBatchHost host;
        host.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        BatchRun run;
        run.setStartRequest();
        QCOMPARE(run.Run(s, in, host), BatchOutcome::Finished);
        QCOMPARE(host.count(QStringLiteral("Overlay Image Error")), 2);
        QVERIFY(host.asked.first().text.contains(folder + QStringLiteral("/t_a.jpg")));
        QCOMPARE(test::imageSize(folder + QStringLiteral("/t_b.jpg")), qMakePair(40, 30));
    }

    void colours_data()
    {
        QTest::addColumn<qint64>("colour");
        QTest::addColumn<QString>("rgb");
        QTest::addRow("red") << qint64(255) << "rgb(255,0,0)";
        QTest::addRow("blue") << qint64(0xFF0000) << "rgb(0,0,255)";
        QTest::addRow("mixed") << qint64(0x123456) << "rgb(86,52,18)";
        QTest::addRow("system colour keeps its low digits") << qint64(qint32(0x80000005)) << "rgb(5,0,0)";
        QTest::addRow("black") << qint64(0) << "rgb(0,0,0)";
    }
    void colours()
    {
        QFETCH(qint64, colour);
        QFETCH(QString, rgb);
        QCOMPARE(LongToRGB(qint32(colour)), rgb);
        QCOMPARE(HexToDec(QStringLiteral("#FF")), 255);
        QCOMPARE(HexToDec(QStringLiteral("1A")), 26);
    }

    void fontFiles_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addRow("Arial through its metric twin") << "Arial";
        QTest::addRow("a face no machine has") << "No Such Face 7q";
    }
    void fontFiles()
    {
        QFETCH(QString, face);
        const QString file = FontFileName(face);
        QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        QVERIFY(file.startsWith(QLatin1Char('/')));
    }
};

QTEST_GUILESS_MAIN(TestTextOverlay)
#include "tst_textoverlay.moc"
