// Image operations on real images: resize by each method and by per cent, the
// large-image warning, the miscellaneous effects and their failures, and the
// format change.

#include "batchfixture.h"

#include <QFile>

using namespace vexl;
using namespace vexl::test;

Q_DECLARE_METATYPE(vexl::BatchOutcome)

class TestImageOperations : public QObject
{
    Q_OBJECT

private slots:
    void resize_data();
    void resize();
    void percentOfUnreadableImage();
    void sizeOverflowEndsTheRun();
    void largeImageWarning_data();
    void largeImageWarning();
    void effects_data();
    void effects();
    void rotateRunsBeforeBevel();
    void bevelTooLarge_data();
    void bevelTooLarge();
    void failureInsideEffectsGroup_data();
    void failureInsideEffectsGroup();
    void formatChange_data();
    void formatChange();
    void jpgToPngWithGreyscale();
};

void TestImageOperations::resize_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QSize>("expected");
    QTest::addRow("don't resize") << QSize(200, 100) << 0 << "80" << "80" << false << QSize(200, 100);
    QTest::addRow("restrict width and height") << QSize(200, 100) << 1 << "80" << "80" << false << QSize(80, 40);
    QTest::addRow("restrict width") << QSize(200, 100) << 2 << "50" << "1" << false << QSize(50, 25);
    QTest::addRow("restrict height") << QSize(200, 100) << 3 << "1" << "20" << false << QSize(40, 20);
    QTest::addRow("fix to size") << QSize(200, 100) << 4 << "30" << "70" << false << QSize(30, 70);
    QTest::addRow("per cent 50 of 1001x600, restrict") << QSize(1001, 600) << 1 << "50" << "50" << true << QSize(500, 300);
    QTest::addRow("per cent 50 of 1001x600, fix") << QSize(1001, 600) << 4 << "50" << "50" << true << QSize(500, 300);
    QTest::addRow("per cent 50 of 1003x601, fix: halves to even") << QSize(1003, 601) << 4 << "50" << "50" << true
                                                                  << QSize(502, 300);
    QTest::addRow("per cent 150 and 25, fix") << QSize(20, 40) << 4 << "150" << "25" << true << QSize(30, 10);
    QTest::addRow("per cent without a method") << QSize(20, 40) << 0 << "50" << "50" << true << QSize(20, 40);
}

void TestImageOperations::resize()
{
    QFETCH(QSize, source);
    QFETCH(int, method);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(bool, percent);
    QFETCH(QSize, expected);

    BatchFixture f;
    f.s.DimensionMethod = method;
    f.s.DimensionWidth = width;
    f.s.DimensionHeight = height;
    f.s.DimensionPC = percent;
    QVERIFY(f.addImage(QStringLiteral("a.png"), source.width(), source.height()));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    const auto size = imageSize(f.outPath(QStringLiteral("a.png")));
    QCOMPARE(QSize(size.first, size.second), expected);
    QCOMPARE(f.run.meta().width, expected.width());
    QCOMPARE(f.run.meta().height, expected.height());
}

void TestImageOperations::percentOfUnreadableImage()
{
    BatchFixture f;
    f.s.DimensionMethod = 4;
    f.s.DimensionPC = true;
    f.s.DimensionWidth = QStringLiteral("50");
    f.s.DimensionHeight = QStringLiteral("50");
    f.add(QStringLiteral("a.png"));
    QVERIFY(writeFile(f.inPath(QStringLiteral("a.png")), "not a picture"));
    QVERIFY(f.addImage(QStringLiteral("b.png"), 20, 10));
    f.yes();

    QCOMPARE(f.go(), BatchOutcome::Finished);
    // The image ends at the question: no resize, no meta data step asking again.
    QCOMPARE(f.host.titles(), (QStringList{QStringLiteral("Identify Error"), QStringLiteral("Done")}));
    QVERIFY(f.host.asked.first().text.startsWith(
        QStringLiteral("Could not retrive information on \"%1\" because:\r\n(").arg(f.outPath(QStringLiteral("a.png")))));
    QCOMPARE(imageSize(f.outPath(QStringLiteral("b.png"))), qMakePair(10, 5));
}

void TestImageOperations::sizeOverflowEndsTheRun()
{
    // 100000 x 100000 does not fit 32 bits: an unexpected error, reported.
    BatchFixture f;
    f.s.DimensionMethod = 4;
    f.s.DimensionWidth = QStringLiteral("100000");
    f.s.DimensionHeight = QStringLiteral("100000");
    QVERIFY(f.addImage(QStringLiteral("a.png"), 20, 10));
    QVERIFY(f.addImage(QStringLiteral("b.png"), 20, 10));
    QCOMPARE(f.go(), BatchOutcome::Failed);
    QCOMPARE(f.host.errors.size(), 1);
    QVERIFY(f.host.asked.isEmpty());
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("a.png")});
    QCOMPARE(imageSize(f.outPath(QStringLiteral("a.png"))), qMakePair(20, 10));
}

void TestImageOperations::largeImageWarning_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("dimensions");
    QTest::addColumn<QStringList>("expectedOut");
    QTest::addColumn<QList<int>>("expectedWidths");
    QTest::addColumn<BatchOutcome>("outcome");

    const int yes = int(MsgAnswer::Yes);
    const int no = int(MsgAnswer::No);
    const int cancel = int(MsgAnswer::Cancel);
    const QStringList both{QStringLiteral("a.png"), QStringLiteral("b.png")};
    // Width 30 by 300000: the product counts even where the height is not used.
    QTest::addRow("Yes: resized, no second warning") << 2 << "30" << "300000" << QList<int>{yes} << 1 << "30x" << both
                                                     << QList<int>{30, 30} << BatchOutcome::Finished;
    QTest::addRow("No skips the image, the next one asks again")
        << 2 << "30" << "300000" << QList<int>{no, yes} << 2 << "30x" << both << QList<int>{20, 30}
        << BatchOutcome::Finished;
    QTest::addRow("Cancel ends the run") << 2 << "30" << "300000" << QList<int>{cancel} << 1 << "30x"
                                         << QStringList{QStringLiteral("a.png")} << QList<int>{20}
                                         << BatchOutcome::EndedByNo;
    QTest::addRow("4000x2000 answered No twice") << 1 << "4000" << "2000" << QList<int>{no, no} << 2 << "4000x2000"
                                                 << both << QList<int>{20, 20} << BatchOutcome::Finished;
    QTest::addRow("exactly 6 megapixels: no warning") << 2 << "30" << "200000" << QList<int>{} << 0 << "" << both
                                                      << QList<int>{30, 30} << BatchOutcome::Finished;
}

void TestImageOperations::largeImageWarning()
{
    QFETCH(int, method);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QList<int>, answers);
    QFETCH(int, warnings);
    QFETCH(QString, dimensions);
    QFETCH(QStringList, expectedOut);
    QFETCH(QList<int>, expectedWidths);
    QFETCH(BatchOutcome, outcome);

    BatchFixture f;
    f.s.DimensionMethod = method;
    f.s.DimensionWidth = width;
    f.s.DimensionHeight = height;
    f.s.MiscFlipHoriz = true;
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("a.png")), 20, 10));
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("b.png")), 20, 10));
    f.add(QStringLiteral("a.png"));
    f.add(QStringLiteral("b.png"));
    for (int a : answers)
        f.host.answers.push_back(MsgAnswer(a));

    QCOMPARE(f.go(), outcome);
    QVERIFY(f.finished());
    QCOMPARE(f.host.count(QStringLiteral("VEXL Dovo")), warnings);
    if (warnings > 0) {
        const ShownDialog &w = f.host.asked.first();
        QVERIFY2(w.text.startsWith(QStringLiteral("The current image is about to be resized to over 6 megapixels (%1).")
                                       .arg(dimensions)),
                 qPrintable(w.text));
        QVERIFY(w.text.endsWith(QLatin1String("Press cancel to end process.")));
        QCOMPARE(w.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(w.icon, MsgIcon::Question);
    }
    QCOMPARE(f.outFiles(), expectedOut);
    for (int i = 0; i < expectedOut.size(); ++i) {
        const QString path = f.outPath(expectedOut.at(i));
        QCOMPARE(imageSize(path).first, expectedWidths.at(i));
        // A skipped image gets no further steps: it stays unmirrored.
        const QRgb topLeft = QImage(path).pixel(0, 0);
        QCOMPARE(topLeft == qRgb(255, 0, 0), expectedWidths.at(i) == 20);
    }
}

void TestImageOperations::effects_data()
{
    QTest::addColumn<bool>("flop");
    QTest::addColumn<bool>("flip");
    QTest::addColumn<bool>("negate");
    QTest::addColumn<bool>("antialias");
    QTest::addColumn<QRgb>("topLeft");
    QTest::addColumn<QRgb>("bottomRight");
    QTest::addRow("nothing") << false << false << false << false << qRgb(255, 0, 0) << qRgb(255, 255, 255);
    QTest::addRow("antialias alone changes no pixel") << false << false << false << true << qRgb(255, 0, 0)
                                                      << qRgb(255, 255, 255);
    QTest::addRow("flop mirrors left and right") << true << false << false << false << qRgb(0, 255, 0)
                                                 << qRgb(0, 0, 255);
    QTest::addRow("flip mirrors top and bottom") << false << true << false << false << qRgb(0, 0, 255)
                                                 << qRgb(0, 255, 0);
    QTest::addRow("flop and flip") << true << true << false << false << qRgb(255, 255, 255) << qRgb(255, 0, 0);
    QTest::addRow("negate") << false << false << true << false << qRgb(0, 255, 255) << qRgb(0, 0, 0);
    QTest::addRow("flop then negate") << true << false << true << false << qRgb(255, 0, 255)
                                      << qRgb(255, 255, 0);
}

void TestImageOperations::effects()
{
    QFETCH(bool, flop);
    QFETCH(bool, flip);
    QFETCH(bool, negate);
    QFETCH(bool, antialias);
    QFETCH(QRgb, topLeft);
    QFETCH(QRgb, bottomRight);

    BatchFixture f;
    f.s.MiscFlipHoriz = flop;
    f.s.MiscFlipVert = flip;
    f.s.MiscInvert = negate;
    f.s.MiscAntialias = antialias;
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("q.png")), 20, 10));
    f.add(QStringLiteral("q.png"));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    const QImage img(f.outPath(QStringLiteral("q.png")));
    QCOMPARE(img.size(), QSize(20, 10));
    QCOMPARE(QColor(img.pixel(1, 1)), QColor(topLeft));
    QCOMPARE(QColor(img.pixel(18, 8)), QColor(bottomRight));
}

void TestImageOperations::rotateRunsBeforeBevel()
{
    // A bevel lights the top and left edges and darkens the bottom and right
    // ones. Rotated afterwards, the light edges would be top and right.
    BatchFixture f;
    f.s.MiscRotate = true;
    f.s.MiscRotateAngle = QStringLiteral("90");
    f.s.MiscBevel = true;
    f.s.MiscBevelWidth = QStringLiteral("5");
    QVERIFY(makeSolid(f.inPath(QStringLiteral("g.png")), 40, 20, qRgb(128, 128, 128)));
    f.add(QStringLiteral("g.png"));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    const QImage img(f.outPath(QStringLiteral("g.png")));
    QCOMPARE(img.size(), QSize(20, 40));
    const int centre = qGray(img.pixel(10, 20));
    QVERIFY(qGray(img.pixel(10, 1)) > centre);  // top lit
    QVERIFY(qGray(img.pixel(1, 20)) > centre);  // left lit
    QVERIFY(qGray(img.pixel(10, 38)) < centre); // bottom dark
    QVERIFY(qGray(img.pixel(18, 20)) < centre); // right dark
    QVERIFY(qGray(img.pixel(10, 7)) == centre);  // 5 pixels wide
}

void TestImageOperations::bevelTooLarge_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("expectedOut");
    QTest::addColumn<BatchOutcome>("outcome");
    QTest::addRow("Yes goes on without skipping") << int(MsgAnswer::Yes)
                                                  << QStringList{QStringLiteral("a.png"), QStringLiteral("b.png")}
                                                  << BatchOutcome::Finished;
    QTest::addRow("No ends the run") << int(MsgAnswer::No) << QStringList{QStringLiteral("a.png")}
                                     << BatchOutcome::EndedByNo;
}

void TestImageOperations::bevelTooLarge()
{
    QFETCH(int, answer);
    QFETCH(QStringList, expectedOut);
    QFETCH(BatchOutcome, outcome);

    BatchFixture f;
    f.s.MiscBevel = true;
    f.s.MiscBevelWidth = QStringLiteral("50");
    f.s.MiscFlipHoriz = true;
    f.s.OutputFormat = 1; // BMP: the format change after the bevel runs too
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("a.png")), 20, 20));
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("b.png")), 20, 20));
    f.add(QStringLiteral("a.png"));
    f.add(QStringLiteral("b.png"));
    f.host.answers = {MsgAnswer(answer), MsgAnswer(answer)};

    QCOMPARE(f.go(), outcome);
    const ShownDialog &q = f.host.asked.first();
    QCOMPARE(q.title, QStringLiteral("Bevel Error"));
    QCOMPARE(q.text, QStringLiteral("Could not bevel image with a width of 50 pixels\r\nThe image may be too small for "
                                    "this bevel width.\r\n\r\nDo you want to continue processing images?"));
    QCOMPARE(q.buttons, MsgButtons::YesNo);
    QVERIFY(f.finished());
    QCOMPARE(f.host.count(QStringLiteral("Bevel Error")), expectedOut.size());
    for (const QString &name : expectedOut) {
        const QString bmp = f.outPath(QFileInfo(name).completeBaseName() + QStringLiteral(".bmp"));
        if (outcome == BatchOutcome::Finished) {
            // The later steps ran: mirrored and turned into a BMP.
            QCOMPARE(formatOf(bmp), QStringLiteral("BMP"));
            QCOMPARE(QImage(bmp).pixel(1, 1), qRgb(0, 255, 0));
        } else {
            QVERIFY(!QFile::exists(f.outPath(QStringLiteral("b.bmp"))));
        }
    }
}

void TestImageOperations::failureInsideEffectsGroup_data()
{
    QTest::addColumn<QString>("quality");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<BatchOutcome>("outcome");
    const int yes = int(MsgAnswer::Yes);
    const int no = int(MsgAnswer::No);
    QTest::addRow("bad angle: the rest of the group still runs")
        << "75" << "abc" << QList<int>{yes, yes} << 2 << true << "-rotate" << BatchOutcome::Finished;
    QTest::addRow("bad quality: every operation asks") << "abc" << "90" << QList<int>{yes, yes, yes, yes, yes, yes} << 6
                                                       << false << "-quality" << BatchOutcome::Finished;
    QTest::addRow("No ends the run at once") << "75" << "abc" << QList<int>{no} << 1 << false << "-rotate"
                                             << BatchOutcome::EndedByNo;
}

void TestImageOperations::failureInsideEffectsGroup()
{
    QFETCH(QString, quality);
    QFETCH(QString, angle);
    QFETCH(QList<int>, answers);
    QFETCH(int, questions);
    QFETCH(bool, mirrored);
    QFETCH(QString, reason);
    QFETCH(BatchOutcome, outcome);

    BatchFixture f;
    f.s.JpgQuality = quality;
    f.s.MiscRotate = true;
    f.s.MiscRotateAngle = angle;
    f.s.MiscFlipHoriz = true;
    f.s.MiscInvert = true;
    f.s.OutputFormat = 1;
    f.run.meta().width = 7;
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("a.png")), 20, 10));
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("b.png")), 20, 10));
    f.add(QStringLiteral("a.png"));
    f.add(QStringLiteral("b.png"));
    for (int a : answers)
        f.host.answers.push_back(MsgAnswer(a));

    QCOMPARE(f.go(), outcome);
    QCOMPARE(f.host.count(QStringLiteral("ImageMagick Error")), questions);
    QVERIFY(f.finished());
    const ShownDialog &q = f.host.asked.first();
    QVERIFY2(q.text.startsWith(QStringLiteral("ImageMagick Encountered and Error When Doing this:\r\n")), qPrintable(q.text));
    QVERIFY2(q.text.contains(QStringLiteral("Process Started\r\nDescription: (0) ")), qPrintable(q.text));
    QVERIFY2(q.text.contains(reason), qPrintable(q.text));
    QVERIFY(q.text.endsWith(QLatin1String("\r\n\r\nDo you want to continue processing images?")));
    // The steps after the group were skipped: no meta data was read.
    QCOMPARE(f.run.meta().width, 7);
    const QString a = f.outPath(QStringLiteral("a.bmp"));
    // Flop and negate after the failed rotation: green becomes magenta top left.
    QCOMPARE(QImage(a).pixel(1, 1), mirrored ? qRgb(255, 0, 255) : qRgb(255, 0, 0));
    QCOMPARE(QFile::exists(f.outPath(QStringLiteral("b.bmp"))), outcome == BatchOutcome::Finished);
}

void TestImageOperations::formatChange_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("caseRule");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedFormat");
    QTest::addRow("BMP") << "photo.jpg" << 1 << 0 << "photo.bmp" << "BMP";
    QTest::addRow("GIF") << "photo.jpg" << 2 << 0 << "photo.gif" << "GIF";
    QTest::addRow("JPG") << "photo.png" << 3 << 0 << "photo.jpg" << "JPEG";
    QTest::addRow("PCX") << "photo.jpg" << 4 << 0 << "photo.pcx" << "PCX";
    QTest::addRow("PNG") << "photo.jpg" << 5 << 0 << "photo.png" << "PNG";
    QTest::addRow("TIFF") << "photo.jpg" << 6 << 0 << "photo.tiff" << "TIFF";
    QTest::addRow("MIFF") << "photo.jpg" << 7 << 0 << "photo.miff" << "MIFF";
    QTest::addRow("TGA") << "photo.jpg" << 8 << 0 << "photo.tga" << "TGA";
    QTest::addRow("TIFF under an upper-case name") << "photo.jpg" << 6 << 2 << "PHOTO.TIFF" << "TIFF";
    QTest::addRow("JPG under an upper-case name") << "Photo.png" << 3 << 2 << "PHOTO.JPG" << "JPEG";
    QTest::addRow("upper-case name beside its source") << "PHOTO.jpg" << 3 << 2 << "PHOTO.JPG" << "JPEG";
    QTest::addRow("PNG from an upper-case source, lower case") << "PHOTO.JPG" << 5 << 1 << "photo.png" << "PNG";
    QTest::addRow("same format, upper case") << "photo.png" << 5 << 2 << "PHOTO.PNG" << "PNG";
}

void TestImageOperations::formatChange()
{
    QFETCH(QString, source);
    QFETCH(int, format);
    QFETCH(int, caseRule);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedFormat);

    BatchFixture f;
    f.s.OutputFormat = format;
    f.s.Case = caseRule;
    f.s.OutputDir = f.in; // beside the source, whose name must not be touched
    QVERIFY(f.addImage(source, 30, 20));
    const QByteArray sum = checksum(f.inPath(source));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QStringList expected{source, expectedName};
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(f.inFiles(), expected);
    QCOMPARE(formatOf(f.inPath(expectedName)), expectedFormat);
    if (source != expectedName)
        QCOMPARE(checksum(f.inPath(source)), sum);
}

void TestImageOperations::jpgToPngWithGreyscale()
{
    BatchFixture f;
    f.s.OutputFormat = 5;
    f.s.MiscGreyscale = true;
    f.s.RenamePrefix = QStringLiteral("g_");
    QVERIFY(f.addImage(QStringLiteral("photo.jpg"), 30, 20));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("g_photo.png")});
    const QString out = f.outPath(QStringLiteral("g_photo.png"));
    QCOMPARE(fileBytes(out).left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    const QImage img(out);
    QCOMPARE(img.size(), QSize(30, 20));
    QVERIFY(img.allGray());
    QVERIFY(!QImage(f.inPath(QStringLiteral("photo.jpg"))).allGray());
}

VEXL_ENGINE_TEST_MAIN(TestImageOperations)
#include "tst_imageoperations.moc"
