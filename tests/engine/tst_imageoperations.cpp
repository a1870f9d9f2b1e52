// Image operations on real images: resize, the large-image warning, turning
// photos upright, failed steps, and the format change.

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
        QTest::addRow("shrink, fix: smaller image kept") << QSize(20, 60) << 4 << "30x70" << "shrink" << QSize(20, 60);
        QTest::addRow("shrink, per cent above 100 keeps the size")
            << QSize(20, 40) << 4 << "150x125" << "% shrink" << QSize(20, 40);
        QTest::addRow("shrink, JPEG smaller than a large box kept")
            << QSize(200, 150) << 1 << "300x300" << "shrink jpeg" << QSize(200, 150);
        QTest::addRow("shrink, per cent below 100") << QSize(20, 40) << 1 << "50x50" << "% shrink" << QSize(10, 20);
        // The large-image warning is about the size really produced.
        QTest::addRow("shrink, huge box, small image: nothing asked")
            << QSize(40, 30) << 1 << "9000x9000" << "shrink" << QSize(40, 30);
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
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        QCOMPARE(imageSize(f.outPath(file)), qMakePair(expected.width(), expected.height()));
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), expected);
    }

    // Phone photos, WebP and animations ("anim": 3 scenes) in, any format out
    // ("Don't Change" keeps theirs). Expected: name and "scenes format" of each output.
    void formatsInAndOut_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("allScenes");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("AVIF kept as it is") << "photo.avif" << 0 << false << QStringList{"photo.avif", "1 HEIC"};
        QTest::addRow("animated WebP to PNG: every scene")
            << "anim.webp" << 5 << true << QStringList{"anim1.png", "1 PNG", "anim2.png", "1 PNG", "anim3.png", "1 PNG"};
        QTest::addRow("animated GIF to WEBP kept whole") << "anim.gif" << 9 << true << QStringList{"anim.webp", "3 WEBP"};
    }
    void formatsInAndOut()
    {
        QFETCH(QString, source);
        const int scenes = source.startsWith("anim") ? 3 : 1;
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
        QTest::addColumn<int>("made"); // results, each 30 wide (a skipped image has none)
        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No), cancel = int(MsgAnswer::Cancel);
        // Width 30 by 300000: the product counts even where the height is not used.
        QTest::addRow("Yes: resized, no second warning") << "300000" << QList<int>{yes} << 2;
        QTest::addRow("No skips the image, the next asks again") << "300000" << QList<int>{no, yes} << 1;
        QTest::addRow("Cancel ends the run") << "300000" << QList<int>{cancel} << 0;
        QTest::addRow("exactly 6 megapixels: no warning") << "200000" << QList<int>{} << 2;
    }
    void largeImageWarning()
    {
        QFETCH(QString, height);
        QFETCH(QList<int>, answers);
        QFETCH(int, made);
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
        QCOMPARE(f.outFiles().size(), made);
        for (const QString &name : f.outFiles()) {
            const QImage img(f.outPath(name));
            QCOMPARE(img.width(), 30);
            QVERIFY(img.pixel(0, 0) != qRgb(255, 0, 0)); // the later steps ran: mirrored
        }
    }

    // A failed step asks whether to go on (Yes). A failed bevel or stamp (no
    // label can be written): the image gets its later steps; a failed rotation:
    // no later step, no meta data step, not published; an unreadable image ends
    // at the question.
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
        QTest::addRow("stamp whose label cannot be written")
            << "label" << "Overlay Image Error"
            << "Could not overlay text to on image \"OUT/a.bmp\"! Do you want to continue processing images?"
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
        f.s.TextOverlay = step == "label";
        f.s.TextOverlayText = "hi";
        if (step == "label")
            QVERIFY(QDir(f.world.programFolder() + "/Temp").removeRecursively());
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
        // ImageMagick's words name the caller's files, never the engine's own links and work files.
        QVERIFY2(!q.text.contains("vexl-work") && !q.text.contains("/proc/self") && !q.text.contains("/.vexl-"),
                 qPrintable(q.text));
        QCOMPARE(f.outFiles(), outputs);
        if (step == "bevel" || step == "label") {
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

    // Beside its untouched source, under a name that differs from it only in
    // letter case (every format against convert's own output: tst_batch_pixels).
    void formatChange()
    {
        BatchFixture f;
        f.s.OutputFormat = 3; // JPEG
        f.s.Case = 2;         // upper case, the extension too
        f.s.MiscGreyscale = true;
        f.s.OutputDir = f.in;
        QVERIFY(f.addImage("PHOTO.jpg", 30, 20));
        const QByteArray sum = checksum(f.inPath("PHOTO.jpg"));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        QCOMPARE(f.inFiles(), (QStringList{"PHOTO.JPG", "PHOTO.jpg"}));
        QCOMPARE(formatOf(f.inPath("PHOTO.JPG")), "JPEG");
        QCOMPARE(checksum(f.inPath("PHOTO.jpg")), sum);
        QVERIFY(QImage(f.inPath("PHOTO.JPG")).allGray() && !QImage(f.inPath("PHOTO.jpg")).allGray());
    }
};

VEXL_ENGINE_TEST_MAIN(TestImageOperations)
#include "tst_imageoperations.moc"
