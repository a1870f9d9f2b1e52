// Image operations on real images: resize by each method and by per cent, the
// large-image warning, the miscellaneous effects and their failures, and the
// format change.

#include "batchfixture.h"
#include "engine/captureinfo.h"

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
        QTest::addColumn<bool>("shrinkOnly");
        QTest::addColumn<QString>("file");
        QTest::addRow("don't resize, per cent ticked")
            << QSize(200, 100) << 0 << "50" << "50" << true << QSize(200, 100) << false << "a.png";
        QTest::addRow("restrict width and height")
            << QSize(200, 100) << 1 << "80" << "80" << false << QSize(80, 40) << false << "a.png";
        QTest::addRow("restrict width")
            << QSize(200, 100) << 2 << "50" << "1" << false << QSize(50, 25) << false << "a.png";
        QTest::addRow("restrict height")
            << QSize(200, 100) << 3 << "1" << "20" << false << QSize(40, 20) << false << "a.png";
        QTest::addRow("fix to size")
            << QSize(200, 100) << 4 << "30" << "70" << false << QSize(30, 70) << false << "a.png";
        QTest::addRow("per cent 50 of 1001x600: halves to even")
            << QSize(1001, 600) << 1 << "50" << "50" << true << QSize(500, 300) << false << "a.png";
        QTest::addRow("per cent 150 and 25, fix")
            << QSize(20, 40) << 4 << "150" << "25" << true << QSize(30, 10) << false << "a.png";
        // Only Shrink: resized only when larger than the box in a dimension the method uses.
        QTest::addRow("shrink, box: larger in height only")
            << QSize(60, 100) << 1 << "80" << "80" << false << QSize(48, 80) << true << "a.png";
        QTest::addRow("shrink, width: narrower image kept")
            << QSize(40, 300) << 2 << "50" << "1" << false << QSize(40, 300) << true << "a.png";
        QTest::addRow("shrink, height: lower image kept")
            << QSize(300, 10) << 3 << "1" << "20" << false << QSize(300, 10) << true << "a.png";
        QTest::addRow("shrink, fix: smaller image kept")
            << QSize(20, 60) << 4 << "30" << "70" << false << QSize(20, 60) << true << "a.png";
        QTest::addRow("shrink, per cent above 100 keeps the size")
            << QSize(20, 40) << 4 << "150" << "125" << true << QSize(20, 40) << true << "a.png";
        QTest::addRow("shrink, JPEG smaller than a large box kept")
            << QSize(200, 150) << 1 << "300" << "300" << false << QSize(200, 150) << true << "a.jpg";
        QTest::addRow("shrink, per cent below 100")
            << QSize(20, 40) << 1 << "50" << "50" << true << QSize(10, 20) << true << "a.png";
    }
    void resize()
    {
        QFETCH(QSize, source);
        QFETCH(int, method);
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(bool, percent);
        QFETCH(QSize, expected);
        QFETCH(bool, shrinkOnly);
        QFETCH(QString, file);
        BatchFixture f;
        f.s.DimensionMethod = method;
        f.s.DimensionWidth = width;
        f.s.DimensionHeight = height;
        f.s.DimensionPC = percent;
        f.s.DimensionShrinkOnly = shrinkOnly;
        QVERIFY(f.addImage(file, source.width(), source.height()));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
        QCOMPARE(imageSize(f.outPath(file)), qMakePair(expected.width(), expected.height()));
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), expected);
    }

    // Only Shrink: the warning is about the size really produced.
    void largeImageWarningWithShrinkOnly_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QString>("warned"); // the size named, empty: no warning
        QTest::addColumn<QSize>("expected");
        QTest::addRow("huge box, small image: nothing asked") << 1 << "9000x9000"
            << QSize(40, 30) << "" << QSize(40, 30);
        QTest::addRow("larger than a large box in width, small result: nothing asked")
            << 1 << "9000x700" << QSize(9001, 10) << "" << QSize(9000, 10);
        QTest::addRow("larger than a large box: asked with the size produced, No skips, nothing published")
            << 4 << "3000x2001" << QSize(3001, 20) << "3000x2001" << QSize(-1, -1);
    }
    void largeImageWarningWithShrinkOnly()
    {
        QFETCH(int, method);
        QFETCH(QString, box);
        QFETCH(QSize, source);
        QFETCH(QString, warned);
        QFETCH(QSize, expected);
        BatchFixture f;
        f.s.DimensionMethod = method;
        f.s.DimensionWidth = box.section(QLatin1Char('x'), 0, 0);
        f.s.DimensionHeight = box.section(QLatin1Char('x'), 1, 1);
        f.s.DimensionShrinkOnly = true;
        QVERIFY(f.addImage(QStringLiteral("a.png"), source.width(), source.height()));
        f.host.answers.push_back(MsgAnswer::No);
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.count(QStringLiteral("VEXL Dovo")), warned.isEmpty() ? 0 : 1);
        if (!warned.isEmpty())
            QVERIFY2(f.host.asked.first().text.contains(QLatin1Char('(') + warned + QLatin1Char(')')),
                     qPrintable(f.host.asked.first().text));
        QCOMPARE(imageSize(f.outPath(QStringLiteral("a.png"))), qMakePair(expected.width(), expected.height()));
    }

    // Phone photos, WebP and animations in, any format out, flipped and resized
    // on the way; "Don't Change" keeps theirs. Expected: name and "scenes format"
    // of each output.
    void formatsInAndOut_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("scenes");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("allScenes");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("HEIF to JPG") << "IMG_0002.HEIF" << 1 << 3 << false << QStringList{"IMG_0002.jpg", "1 JPEG"};
        QTest::addRow("AVIF kept as it is") << "photo.avif" << 1 << 0 << false << QStringList{"photo.avif", "1 HEIC"};
        QTest::addRow("animated WebP to PNG: first scene")
            << "anim.webp" << 3 << 5 << false << QStringList{"anim.png", "1 PNG"};
        QTest::addRow("animated WebP to PNG: every scene")
            << "anim.webp" << 3 << 5 << true << QStringList{"anim1.png", "1 PNG", "anim2.png", "1 PNG", "anim3.png", "1 PNG"};
        QTest::addRow("animated WebP kept whole") << "anim.webp" << 3 << 0 << true << QStringList{"anim.webp", "3 WEBP"};
        QTest::addRow("animated GIF to WEBP kept whole") << "anim.gif" << 3 << 9 << true << QStringList{"anim.webp", "3 WEBP"};
    }
    void formatsInAndOut()
    {
        QFETCH(QString, source);
        QFETCH(int, scenes);
        QFETCH(int, format);
        QFETCH(bool, allScenes);
        QFETCH(QStringList, expected);
        BatchFixture f;
        f.s.OutputFormat = format;
        f.s.AniExtractAllScenes = allScenes;
        f.s.DimensionMethod = 1;
        f.s.DimensionWidth = f.s.DimensionHeight = QStringLiteral("32");
        f.s.MiscFlipHoriz = true;
        f.add(source);
        QVERIFY(source.endsWith(QLatin1String(".gif")) ? makeAnimatedGif(f.inPath(source), scenes, 48, 32)
                                                        : makeMagickImage(f.inPath(source), 48, 32, scenes));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
        QStringList names;
        for (int i = 0; i < expected.size(); i += 2) {
            names << expected.at(i);
            QCOMPARE(scenesOf(f.outPath(expected.at(i))), expected.at(i + 1));
        }
        QCOMPARE(f.outFiles(), names);
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), QSize(32, 21));
    }

    void webpQuality()
    {
        qint64 sizes[2] = {0, 0};
        const char *qualities[2] = {"10", "95"};
        for (int i = 0; i < 2; ++i) {
            BatchFixture f;
            f.s.OutputFormat = 9;
            f.s.JpgQuality = QLatin1String(qualities[i]);
            QVERIFY(f.addImage(QStringLiteral("photo.png"), 160, 120, 3));
            QCOMPARE(f.go(), BatchOutcome::Finished);
            QCOMPARE(formatOf(f.outPath(QStringLiteral("photo.webp"))), QStringLiteral("WEBP"));
            sizes[i] = QFileInfo(f.outPath(QStringLiteral("photo.webp"))).size();
        }
        QVERIFY2(sizes[0] > 0 && sizes[0] * 2 < sizes[1], qPrintable(QStringLiteral("%1 %2").arg(sizes[0]).arg(sizes[1])));
    }

    // A photo of four quadrants (red, green / blue, white) recorded as the
    // camera held it: upright, upside down, turned right, turned left.
    void autoOrient_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("autoOrient");
        QTest::addColumn<QSize>("expectedSize");
        QTest::addColumn<QRgb>("expectedTopLeft");
        QTest::addColumn<bool>("alone"); // the only operation, originals deleted: no rename-only run (no resize)
        QTest::addRow("1: upright, left alone") << 1 << true << QSize(40, 20) << qRgb(255, 0, 0) << false;
        QTest::addRow("3: upside down") << 3 << true << QSize(40, 20) << qRgb(255, 255, 255) << false;
        QTest::addRow("6: turned right") << 6 << true << QSize(20, 40) << qRgb(0, 0, 255) << false;
        QTest::addRow("8: turned left") << 8 << true << QSize(20, 40) << qRgb(0, 255, 0) << false;
        QTest::addRow("6, option off: as stored") << 6 << false << QSize(40, 20) << qRgb(255, 0, 0) << false;
        QTest::addRow("8, the only operation, originals deleted") << 8 << true
            << QSize(10, 20) << qRgb(0, 255, 0) << true;
    }
    void autoOrient()
    {
        QFETCH(int, orientation);
        QFETCH(bool, autoOrient);
        QFETCH(QSize, expectedSize);
        QFETCH(QRgb, expectedTopLeft);
        QFETCH(bool, alone);
        BatchFixture f;
        f.s.MiscAutoOrient = autoOrient;
        f.s.MiscAntialias = false;
        f.s.DeleteOld = alone;
        // Orientation first: the fixed size applies to the upright picture.
        f.s.DimensionMethod = alone ? 0 : 4;
        f.s.DimensionWidth = QString::number(expectedSize.width() * 2);
        f.s.DimensionHeight = QString::number(expectedSize.height() * 2);
        QVERIFY(makeQuadrants(f.inPath(QStringLiteral("q.png")), 40, 20));
        ExifFields exif;
        exif.orientation = orientation;
        exif.make = "Phone";
        QVERIFY(makeJpegWithExif(f.inPath(QStringLiteral("q.jpg")), QImage(f.inPath(QStringLiteral("q.png"))),
                                 exifBlock(exif)));
        QFile::remove(f.inPath(QStringLiteral("q.png")));
        f.add(QStringLiteral("q.jpg"));
        const quint64 engineCalls = ImageEngine::callCount();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        const QImage out(f.outPath(QStringLiteral("q.jpg")));
        QCOMPARE(out.size(), expectedSize * 2);
        const QRgb got = out.pixel(2, 2);
        QVERIFY2(qAbs(qRed(got) - qRed(expectedTopLeft)) < 40 && qAbs(qGreen(got) - qGreen(expectedTopLeft)) < 40
                     && qAbs(qBlue(got) - qBlue(expectedTopLeft)) < 40,
                 qPrintable(QString::number(got, 16)));
        // The tag is reset, so no viewer turns it again; an upright photo is
        // not rewritten for nothing (resize, identify: two calls).
        if (autoOrient && orientation > 1)
            QCOMPARE(ReadExifFacts(f.outPath(QStringLiteral("q.jpg"))).orientation, 1);
        if (orientation <= 1)
            QCOMPARE(ImageEngine::callCount() - engineCalls, quint64(2));
        QCOMPARE(f.inFiles().isEmpty(), alone);
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
        const QString text = f.host.asked.first().text;
        QVERIFY2(text.startsWith(QStringLiteral("Could not retrive information on \"%1\" because:\r\n(0) ")
                                     .arg(f.outPath(QStringLiteral("a.png")))),
                 qPrintable(text));
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

    // The format of the file's content, beside its untouched source (every
    // format against convert's own output: tst_batch_pixels).
    void formatChange_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("caseRule");
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<QString>("expectedFormat");
        QTest::addRow("PNG, greyscale") << "photo.jpg" << 5 << 0 << "photo.png" << "PNG";
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
