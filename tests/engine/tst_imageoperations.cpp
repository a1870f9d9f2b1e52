// Image operations on real images: resize, the large-image warning, the effects
// and their failures, and the format change.

#include "batchfixture.h"
#include "engine/captureinfo.h"

using namespace vexl;
using namespace vexl::test;

class TestImageOperations : public QObject
{
    Q_OBJECT

private slots:
    // Options: "%" per cent, "shrink" Only Shrink, "jpeg" a JPEG source.
    void resize_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QSize>("expected");
        QTest::addRow("don't resize, per cent ticked") << QSize(200, 100) << 0 << "50x50" << "%" << QSize(200, 100);
        QTest::addRow("restrict width and height") << QSize(200, 100) << 1 << "80x80" << "" << QSize(80, 40);
        QTest::addRow("restrict width") << QSize(200, 100) << 2 << "50x1" << "" << QSize(50, 25);
        QTest::addRow("restrict height") << QSize(200, 100) << 3 << "1x20" << "" << QSize(40, 20);
        QTest::addRow("fix to size") << QSize(200, 100) << 4 << "30x70" << "" << QSize(30, 70);
        QTest::addRow("per cent 50 of 1001x600: halves to even")
            << QSize(1001, 600) << 1 << "50x50" << "%" << QSize(500, 300);
        QTest::addRow("per cent 150 and 25, fix") << QSize(20, 40) << 4 << "150x25" << "%" << QSize(30, 10);
        // Only Shrink: resized only when larger than the box in a dimension the method uses.
        QTest::addRow("shrink, box: larger in height only") << QSize(60, 100) << 1 << "80x80" << "shrink" << QSize(48, 80);
        QTest::addRow("shrink, width: narrower image kept") << QSize(40, 300) << 2 << "50x1" << "shrink" << QSize(40, 300);
        QTest::addRow("shrink, height: lower image kept") << QSize(300, 10) << 3 << "1x20" << "shrink" << QSize(300, 10);
        QTest::addRow("shrink, fix: smaller image kept") << QSize(20, 60) << 4 << "30x70" << "shrink" << QSize(20, 60);
        QTest::addRow("shrink, per cent above 100 keeps the size")
            << QSize(20, 40) << 4 << "150x125" << "% shrink" << QSize(20, 40);
        QTest::addRow("shrink, JPEG smaller than a large box kept")
            << QSize(200, 150) << 1 << "300x300" << "shrink jpeg" << QSize(200, 150);
        QTest::addRow("shrink, per cent below 100") << QSize(20, 40) << 1 << "50x50" << "% shrink" << QSize(10, 20);
        // The large-image warning is about the size really produced (no size: warned, No, nothing published).
        QTest::addRow("shrink, huge box, small image: nothing asked")
            << QSize(40, 30) << 1 << "9000x9000" << "shrink" << QSize(40, 30);
        QTest::addRow("shrink, larger than a large box in width, small result: nothing asked")
            << QSize(9001, 10) << 1 << "9000x700" << "shrink" << QSize(9000, 10);
        QTest::addRow("shrink, larger than a large box: asked with the size produced")
            << QSize(3001, 20) << 4 << "3000x2001" << "shrink" << QSize();
    }
    void resize()
    {
        QFETCH(QSize, source);
        QFETCH(int, method);
        QFETCH(QString, box);
        QFETCH(QString, options);
        QFETCH(QSize, expected);
        BatchFixture f;
        f.s.DimensionMethod = method;
        f.s.DimensionWidth = box.section('x', 0, 0);
        f.s.DimensionHeight = box.section('x', 1);
        f.s.DimensionPC = options.contains('%');
        f.s.DimensionShrinkOnly = options.contains("shrink");
        const QString file = options.contains("jpeg") ? "a.jpg" : "a.png";
        QVERIFY(f.addImage(file, source.width(), source.height()));
        f.host.answers.push_back(MsgAnswer::No);
        QCOMPARE(f.go(), BatchOutcome::Finished);
        if (!expected.isValid()) {
            QCOMPARE(f.host.titles(), (QStringList{"VEXL Dovo", "Done"}));
            QVERIFY2(f.host.asked.first().text.contains('(' + box + ')'), qPrintable(f.host.asked.first().text));
            QCOMPARE(f.outFiles(), QStringList());
            return;
        }
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        QCOMPARE(imageSize(f.outPath(file)), qMakePair(expected.width(), expected.height()));
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), expected);
    }

    // Phone photos, WebP and animations in, any format out ("Don't Change" keeps
    // theirs). Expected: name and "scenes format" of each output.
    void formatsInAndOut_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("scenes");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("allScenes");
        QTest::addColumn<QStringList>("expected");
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
        f.s.DimensionWidth = f.s.DimensionHeight = "32";
        f.s.MiscFlipHoriz = true;
        f.add(source);
        QVERIFY(source.endsWith(".gif") ? makeAnimatedGif(f.inPath(source), scenes, 48, 32)
                                        : makeMagickImage(f.inPath(source), 48, 32, scenes));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
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
            QVERIFY(f.addImage("photo.png", 160, 120, 3));
            QCOMPARE(f.go(), BatchOutcome::Finished);
            QCOMPARE(formatOf(f.outPath("photo.webp")), "WEBP");
            sizes[i] = QFileInfo(f.outPath("photo.webp")).size();
        }
        QVERIFY2(sizes[0] > 0 && sizes[0] * 2 < sizes[1], qPrintable(QString("%1 %2").arg(sizes[0]).arg(sizes[1])));
    }

    // A photo of four quadrants (red, green / blue, white) recorded as the
    // camera held it.
    void autoOrient_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("autoOrient");
        QTest::addColumn<QSize>("expectedSize");
        QTest::addColumn<QRgb>("expectedTopLeft");
        QTest::addColumn<bool>("alone"); // the only operation, originals deleted: no rename-only run (no resize)
        QTest::addRow("1: upright, left alone") << 1 << true << QSize(40, 20) << qRgb(255, 0, 0) << false;
        // Any other value is turned by ImageMagick's -auto-orient, the same call for each.
        QTest::addRow("6: turned right") << 6 << true << QSize(20, 40) << qRgb(0, 0, 255) << false;
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
        QVERIFY(makeQuadrants(f.inPath("q.png"), 40, 20));
        ExifFields exif;
        exif.orientation = orientation;
        exif.make = "Phone";
        QVERIFY(makeJpegWithExif(f.inPath("q.jpg"), QImage(f.inPath("q.png")), exifBlock(exif)));
        QFile::remove(f.inPath("q.png"));
        f.add("q.jpg");
        const quint64 engineCalls = ImageEngine::callCount();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        const QImage out(f.outPath("q.jpg"));
        QCOMPARE(out.size(), expectedSize * 2);
        const QRgb got = out.pixel(2, 2);
        QVERIFY2(qAbs(qRed(got) - qRed(expectedTopLeft)) < 40 && qAbs(qGreen(got) - qGreen(expectedTopLeft)) < 40
                     && qAbs(qBlue(got) - qBlue(expectedTopLeft)) < 40,
                 qPrintable(QString::number(got, 16)));
        // The tag is reset, so no viewer turns it again; an upright photo is
        // not rewritten for nothing (resize, identify: two calls).
        if (autoOrient && orientation > 1)
            QCOMPARE(ReadExifFacts(f.outPath("q.jpg")).orientation, 1);
        if (orientation <= 1)
            QCOMPARE(ImageEngine::callCount() - engineCalls, quint64(2));
        QCOMPARE(f.inFiles().isEmpty(), alone);
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
        f.s.DimensionWidth = "30";
        f.s.DimensionHeight = height;
        f.s.MiscFlipHoriz = true;
        for (const QString name : {"a.png", "b.png"}) {
            QVERIFY(makeQuadrants(f.inPath(name), 20, 10));
            f.add(name);
        }
        for (int a : answers)
            f.host.answers.push_back(MsgAnswer(a));

        QCOMPARE(f.go(), answers.contains(int(MsgAnswer::Cancel)) ? BatchOutcome::EndedByNo : BatchOutcome::Finished);
        QVERIFY(f.finished());
        QCOMPARE(f.host.count("VEXL Dovo"), answers.size());
        if (!answers.isEmpty()) {
            const ShownDialog &w = f.host.asked.first();
            const QString head = "The current image is about to be resized to over 6 megapixels (30x).";
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
        f.s.MiscRotateAngle = "90";
        f.s.MiscBevelWidth = "5";
        QImage grey(40, 20, QImage::Format_RGB32);
        grey.fill(qRgb(128, 128, 128));
        QVERIFY(grey.save(f.inPath("g.png")));
        f.add("g.png");
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        const QImage img(f.outPath("g.png"));
        QCOMPARE(img.size(), QSize(20, 40));
        const int centre = qGray(img.pixel(10, 20));
        QVERIFY(qGray(img.pixel(10, 1)) > centre);  // top lit
        QVERIFY(qGray(img.pixel(1, 20)) > centre);  // left lit
        QVERIFY(qGray(img.pixel(10, 38)) < centre); // bottom dark
        QVERIFY(qGray(img.pixel(18, 20)) < centre); // right dark
        QCOMPARE(qGray(img.pixel(10, 7)), centre);  // 5 pixels wide
    }

    // A failed step asks whether to go on (Yes). A failed bevel: the image gets
    // its later steps; a failed rotation: no later step, no meta data step, not
    // published; an unreadable image ends at the question.
    void failedStepAsks_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text"); // how the question starts
        QTest::addColumn<QStringList>("outputs");
        QTest::addRow("bevel wider than the image")
            << "bevel" << "Bevel Error"
            << "Could not bevel image with a width of 50 pixels\r\nThe image may be too small for this bevel width.\r\n\r\n"
               "Do you want to continue processing images?"
            << QStringList{"a.bmp"};
        QTest::addRow("rotation by abc") << "rotate" << "ImageMagick Error"
                                         << "ImageMagick Encountered and Error When Doing this:\r\n" << QStringList{};
        QTest::addRow("per cent of an unreadable image") << "percent" << "Identify Error"
            << "Could not retrive information on \"OUT/a.png\" because:\r\n(0) " << QStringList{"b.png"};
    }
    void failedStepAsks()
    {
        QFETCH(QString, step);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QStringList, outputs);
        BatchFixture f;
        f.s.MiscBevel = step == "bevel";
        f.s.MiscBevelWidth = "50";
        f.s.MiscRotate = f.s.MiscInvert = step == "rotate";
        f.s.MiscRotateAngle = "abc";
        f.s.MiscFlipHoriz = step != "percent";
        f.s.OutputFormat = step == "percent" ? 0 : 1; // BMP
        f.s.DimensionMethod = step == "percent" ? 4 : 0;
        f.s.DimensionPC = step == "percent";
        f.s.DimensionWidth = f.s.DimensionHeight = "50";
        f.run.meta().width = 7;
        QVERIFY(step == "percent" ? writeFile(f.inPath("a.png"), "not a picture")
                                  : makeQuadrants(f.inPath("a.png"), 20, 10));
        f.add("a.png");
        if (step == "percent")
            QVERIFY(f.addImage("b.png", 20, 10));
        f.yes();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), (QStringList{title, "Done"}));
        const ShownDialog &q = f.host.asked.first();
        QVERIFY2(q.text.startsWith(QString(text).replace("OUT", f.out)), qPrintable(q.text));
        QCOMPARE(f.outFiles(), outputs);
        if (step == "bevel") {
            QCOMPARE(q.buttons, MsgButtons::YesNo);
            QCOMPARE(formatOf(f.outPath("a.bmp")), "BMP");
            QCOMPARE(QImage(f.outPath("a.bmp")).pixel(1, 1), qRgb(0, 255, 0)); // mirrored
        } else if (step == "rotate") {
            QVERIFY2(q.text.contains("-rotate") && q.text.endsWith("\r\n\r\nDo you want to continue processing images?"),
                     qPrintable(q.text));
            QCOMPARE(f.run.meta().width, 7);
        } else {
            QCOMPARE(imageSize(f.outPath("b.png")), qMakePair(10, 5));
        }
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
        QCOMPARE(f.host.titles(), QStringList{"Done"});
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
