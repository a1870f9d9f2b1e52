// Text overlay: placement, an unwritable label, colours and font files (what
// the stamp reads: tst_batch_pixels).
#include "batchfixture.h"

#include "engine/textoverlay.h"
#include "support/fontfile.h"

using namespace vexl;
using namespace vexl::test;

class TestTextOverlay : public QObject
{
    Q_OBJECT
private slots:
    void labelLandsAtItsGravity_data()
    {
        QTest::addColumn<int>("position");
        for (int p = 0; p < 9; ++p)
            QTest::addRow("%s", qPrintable(PlacementTable().at(p))) << p;
    }
    void labelLandsAtItsGravity()
    {
        QFETCH(int, position);
        TestWorld world;
        const QString image = world.path(QStringLiteral("white.png"));
        QImage white(300, 150, QImage::Format_RGB32);
        white.fill(Qt::white);
        QVERIFY(white.save(image));
        OverlayFont font;
        font.size = 18;
        QVERIFY(OverlayText(image, image, QStringLiteral("XX"), PlacementTable().at(position), font));
        QRect dark; // the bounding box of the dark pixels
        const QImage img(image);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 100)
                    dark |= QRect(x, y, 1, 1);
        QVERIFY(!dark.isEmpty());
        QCOMPARE(qMin(2, dark.center().x() * 3 / 300), position % 3); // left, centre, right
        QCOMPARE(qMin(2, dark.center().y() * 3 / 150), position / 3); // top, middle, bottom
    }

    void unreadableLabelAsksAndGoesOn()
    {
        BatchFixture f;
        QVERIFY(QDir(f.world.programFolder() + QStringLiteral("/Temp")).removeRecursively()); // no label can be written
        f.s.RenamePrefix = QStringLiteral("t_");
        f.s.TextOverlay = true;
        f.s.TextOverlayText = QStringLiteral("hi");
        f.s.OutputFormat = 3; // the format change after the stamp still runs
        QVERIFY(f.addImage(QStringLiteral("a.png")));
        QVERIFY(f.addImage(QStringLiteral("b.png")));
        f.yes(2);
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), (QStringList{"Overlay Image Error", "Overlay Image Error", "Done"}));
        QVERIFY(f.host.asked.first().text.contains(f.outPath(QStringLiteral("t_a.jpg"))));
        QCOMPARE(formatOf(f.outPath(QStringLiteral("t_b.jpg"))), QStringLiteral("JPEG"));
    }

    void colours()
    {
        QCOMPARE(LongToRGB(0x123456), QStringLiteral("rgb(86,52,18)")); // 0x00BBGGRR
        QCOMPARE(LongToRGB(qint32(0x80000005)), QStringLiteral("rgb(5,0,0)")); // a system colour keeps its low digits
        QCOMPARE(HexToDec(QStringLiteral("#FF")), 255);
    }

    // A file for Arial (through its metric twin) and for a face no machine has.
    void fontFiles()
    {
        for (const char *face : {"Arial", "No Such Face 7q"}) {
            const QString file = FontFileName(QLatin1String(face));
            QVERIFY2(QFileInfo(file).isFile() && file.startsWith(QLatin1Char('/')), face);
        }
    }
};

VEXL_ENGINE_TEST_MAIN(TestTextOverlay)
#include "tst_textoverlay.moc"
