// Image operations on real images: resize by each method and by per cent, the
// large-image warning, the miscellaneous effects and their failures, and the
// format change.

#include "batchfixture.h"

using namespace vexl;
using namespace vexl::test;

class TestImageOperations : public QObject
{
    Q_OBJECT

private slots:
    void resize_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<QSize>("expected");
        QTest::addRow("don't resize, per cent ticked")
            << QSize(200, 100) << 0 << "50" << "50" << true << QSize(200, 100);
        QTest::addRow("restrict width and height") << QSize(200, 100) << 1 << "80" << "80" << false << QSize(80, 40);
        QTest::addRow("restrict width") << QSize(200, 100) << 2 << "50" << "1" << false << QSize(50, 25);
        QTest::addRow("restrict height") << QSize(200, 100) << 3 << "1" << "20" << false << QSize(40, 20);
        QTest::addRow("fix to size") << QSize(200, 100) << 4 << "30" << "70" << false << QSize(30, 70);
        QTest::addRow("per cent 50 of 1001x600: halves to even")
            << QSize(1001, 600) << 1 << "50" << "50" << true << QSize(500, 300);
        QTest::addRow("per cent 50 of 1003x601, fix: halves to even")
            << QSize(1003, 601) << 4 << "50" << "50" << true << QSize(502, 300);
        QTest::addRow("per cent 150 and 25, fix") << QSize(20, 40) << 4 << "150" << "25" << true << QSize(30, 10);
    }
    void resize()
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
        QCOMPARE(imageSize(f.outPath(QStringLiteral("a.png"))), qMakePair(expected.width(), expected.height()));
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), expected);
    }

    void percentOfUnreadableImage()
    {
        BatchFixture f;
        f.s.DimensionMethod = 4;
        f.s.DimensionPC = true;
        f.s.DimensionWidth = f.s.DimensionHeight = QStringLiteral("50");
        f.add(QStringLiteral("a.png"));
        QVERIFY(writeFile(f.inPath(QStringLiteral("a.png")), "not a picture"));
        QVERIFY(f.addImage(QStringLiteral("b.png"), 20, 10));
        f.yes();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        // The image ends at the question: no meta data step asking again.
        QCOMPARE(f.host.titles(), (QStringList{"Identify Error", "Done"}));
        QCOMPARE(imageSize(f.outPath(QStringLiteral("b.png"))), qMakePair(10, 5));
    }

    void largeImageWarning_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QList<int>>("answers"); // one per warning
        QTest::addColumn<QList<int>>("expectedWidths"); // of the results (a skipped image has none)
        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No), cancel = int(MsgAnswer::Cancel);
        // Width 30 by 300000: the product counts even where the height is not used.
        QTest::addRow("Yes: resized, no second warning") << "300000" << QList<int>{yes} << QList<int>{30, 30};
        QTest::addRow("No skips the image, the next asks again") << "300000" << QList<int>{no, yes} << QList<int>{30};
        QTest::addRow("Cancel ends the run") << "300000" << QList<int>{cancel} << QList<int>{};
        QTest::addRow("exactly 6 megapixels: no warning") << "200000" << QList<int>{} << QList<int>{30, 30};
    }
    void largeImageWarning()
    {
        QFETCH(QString, height);
        QFETCH(QList<int>, answers);
        QFETCH(QList<int>, expectedWidths);
        BatchFixture f;
        f.s.DimensionMethod = 2;
        f.s.DimensionWidth = QStringLiteral("30");
        f.s.DimensionHeight = height;
        f.s.MiscFlipHoriz = true;
        for (const char *name : {"a.png", "b.png"}) {
            QVERIFY(makeQuadrants(f.inPath(QLatin1String(name)), 20, 10));
            f.add(QLatin1String(name));
        }
        for (int a : answers)
            f.host.answers.push_back(MsgAnswer(a));

        QCOMPARE(f.go(), answers.contains(int(MsgAnswer::Cancel)) ? BatchOutcome::EndedByNo : BatchOutcome::Finished);
        QVERIFY(f.finished());
        QCOMPARE(f.host.count(QStringLiteral("VEXL Dovo")), answers.size());
        if (!answers.isEmpty()) {
            const ShownDialog &w = f.host.asked.first();
            const QString head = QStringLiteral("The current image is about to be resized to over 6 megapixels (30x).");
            QVERIFY2(w.text.startsWith(head), qPrintable(w.text));
            QCOMPARE(w.buttons, MsgButtons::YesNoCancel);
        }
        QCOMPARE(f.outFiles().size(), expectedWidths.size());
        for (int i = 0; i < expectedWidths.size(); ++i) {
            const QImage img(f.outPath(f.outFiles().at(i)));
            QCOMPARE(img.width(), expectedWidths.at(i));
            // A skipped image gets no further steps: it stays unmirrored.
            QCOMPARE(img.pixel(0, 0) == qRgb(255, 0, 0), expectedWidths.at(i) == 20);
        }
    }

    // A bevel lights the top and left edges and darkens the others; rotated
    // afterwards, the top and right edges would be lit.
    void rotateRunsBeforeBevel()
    {
        BatchFixture f;
        f.s.MiscRotate = f.s.MiscBevel = true;
        f.s.MiscRotateAngle = QStringLiteral("90");
        f.s.MiscBevelWidth = QStringLiteral("5");
        QImage grey(40, 20, QImage::Format_RGB32);
        grey.fill(qRgb(128, 128, 128));
        QVERIFY(grey.save(f.inPath(QStringLiteral("g.png"))));
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
        QCOMPARE(qGray(img.pixel(10, 7)), centre);  // 5 pixels wide
    }

    // The bevel's own question; Yes goes on with the later steps of the image.
    void bevelTooLarge()
    {
        BatchFixture f;
        f.s.MiscBevel = true;
        f.s.MiscBevelWidth = QStringLiteral("50");
        f.s.MiscFlipHoriz = true;
        f.s.OutputFormat = 1; // BMP
        QVERIFY(makeQuadrants(f.inPath(QStringLiteral("a.png"))));
        f.add(QStringLiteral("a.png"));
        f.yes();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), (QStringList{"Bevel Error", "Done"}));
        QCOMPARE(f.host.asked.first().text,
                 QStringLiteral("Could not bevel image with a width of 50 pixels\r\nThe image may be too small for this "
                                "bevel width.\r\n\r\nDo you want to continue processing images?"));
        QCOMPARE(f.host.asked.first().buttons, MsgButtons::YesNo);
        QCOMPARE(formatOf(f.outPath(QStringLiteral("a.bmp"))), QStringLiteral("BMP"));
        QCOMPARE(QImage(f.outPath(QStringLiteral("a.bmp"))).pixel(1, 1), qRgb(0, 255, 0)); // mirrored
    }

    // A failed rotation: the steps after the group do not run, and the image,
    // having failed, is not published.
    void failureInsideEffectsGroup()
    {
        BatchFixture f;
        f.s.MiscRotate = f.s.MiscFlipHoriz = f.s.MiscInvert = true;
        f.s.MiscRotateAngle = QStringLiteral("abc");
        f.s.OutputFormat = 1;
        f.run.meta().width = 7;
        QVERIFY(makeQuadrants(f.inPath(QStringLiteral("a.png")), 20, 10));
        f.add(QStringLiteral("a.png"));
        f.yes();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), (QStringList{"ImageMagick Error", "Done"}));
        const QString q = f.host.asked.first().text;
        QVERIFY2(q.startsWith(QLatin1String("ImageMagick Encountered and Error When Doing this:\r\n"))
                     && q.contains(QLatin1String("-rotate"))
                     && q.endsWith(QLatin1String("\r\n\r\nDo you want to continue processing images?")),
                 qPrintable(q));
        QCOMPARE(f.run.meta().width, 7); // no meta data step
        QCOMPARE(f.outFiles(), QStringList{});
    }

    // The format of the file's content; the source beside it untouched.
    void formatChange_data()
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
        QTest::addRow("PNG, greyscale") << "photo.jpg" << 5 << 0 << "photo.png" << "PNG";
        QTest::addRow("TIFF") << "photo.jpg" << 6 << 0 << "photo.tiff" << "TIFF";
        QTest::addRow("MIFF") << "photo.jpg" << 7 << 0 << "photo.miff" << "MIFF";
        QTest::addRow("TGA") << "photo.jpg" << 8 << 0 << "photo.tga" << "TGA";
        QTest::addRow("TIFF under an upper-case name") << "photo.jpg" << 6 << 2 << "PHOTO.TIFF" << "TIFF";
        QTest::addRow("upper-case name beside its source") << "PHOTO.jpg" << 3 << 2 << "PHOTO.JPG" << "JPEG";
    }
    void formatChange()
    {
        QFETCH(QString, source);
        QFETCH(int, format);
        QFETCH(int, caseRule);
        QFETCH(QString, expectedName);
        QFETCH(QString, expectedFormat);
        BatchFixture f;
        f.s.OutputFormat = format;
        f.s.Case = caseRule;
        f.s.MiscGreyscale = format == 5;
        f.s.OutputDir = f.in;
        QVERIFY(f.addImage(source, 30, 20));
        const QByteArray sum = checksum(f.inPath(source));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
        QStringList expected{source, expectedName};
        expected.sort();
        QCOMPARE(f.inFiles(), expected);
        QCOMPARE(formatOf(f.inPath(expectedName)), expectedFormat);
        QCOMPARE(checksum(f.inPath(source)), sum);
        if (f.s.MiscGreyscale)
            QVERIFY(QImage(f.inPath(expectedName)).allGray() && !QImage(f.inPath(source)).allGray());
    }
};

VEXL_ENGINE_TEST_MAIN(TestImageOperations)
#include "tst_imageoperations.moc"
