// Meta variables: the number formatters, the token substitution and the facts
// read from the source. (The record kept when an image fails before its meta
// step: tst_imageoperations' failure rows.)

#include "batchfixture.h"

#include "engine/captureinfo.h"
#include "engine/metavariables.h"

using namespace vexl;
using namespace vexl::test;

class TestMetaVariables : public QObject
{
    Q_OBJECT

private slots:
    void numberTexts_data()
    {
        QTest::addColumn<int>("a"); // width, or a byte count
        QTest::addColumn<int>("b"); // height, or -1 for a byte count
        QTest::addColumn<QString>("expected");
        QTest::addRow("megapixels of 1200 x 900") << 1200 << 900 << "1.1";
        QTest::addRow("megapixels of 200 x 150: two places") << 200 << 150 << "0.03";
        QTest::addRow("megapixels just under 0.05") << 700 << 70 << "0.05";
        QTest::addRow("megapixels 0.05: one place") << 1000 << 50 << "0.1";
        QTest::addRow("no megapixels") << 0 << 0 << "0.00";
        QTest::addRow("megapixels of the largest square") << 46340 << 46340 << "2147.4";
        QTest::addRow("512 bytes") << 512 << -1 << "512.00 b";
        QTest::addRow("1024 bytes") << 1024 << -1 << "1.00 Kb";
        QTest::addRow("1536 bytes") << 1536 << -1 << "1.50 Kb";
        QTest::addRow("just under a megabyte") << 1048575 << -1 << "1024.00 Kb";
        QTest::addRow("2097152 bytes") << 2097152 << -1 << "2.00 Mb";
        QTest::addRow("1073741824 bytes") << 1073741824 << -1 << "1.00 Gb";
    }
    void numberTexts()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, expected);
        QCOMPARE(b < 0 ? FormatBytes(a) : FormatMegaPixels(a, b), expected);
        QVERIFY_THROWS_EXCEPTION(VexlError, FormatMegaPixels(100000, 100000));
    }

    // The system locale is read once per process: a German user is seen from a
    // second run of this test.
    void megaPixelsFollowUserLocale()
    {
        if (qEnvironmentVariableIsSet("VEXL_KEEP_LOCALE")) {
            QCOMPARE(FormatMegaPixels(1200, 900), QStringLiteral("1,1"));
            QCOMPARE(FormatMegaPixels(200, 150), QStringLiteral("0,03"));
            QCOMPARE(FormatBytes(1536), QStringLiteral("1,50 Kb"));
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VEXL_KEEP_LOCALE"), QStringLiteral("1"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("megaPixelsFollowUserLocale")});
        QVERIFY(child.waitForFinished(30000));
        QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().constData());
    }

    void replaceMeta_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("forEngine");
        QTest::addColumn<QString>("forName");
        QTest::addRow("every token, any letter case")
            << "[EXT] [selnum] [SeqNum] [FSIZE] [NUMCOL] [MEGAPIX] [width]x[HEIGHT]" << "JPG 12 7 25.3KB 256 0.3 640x480"
            << "JPG 12 7 25.3KB 256 0.3 640x480";
        QTest::addRow("file name is left to the overlay") << "[FNAME]" << "[FNAME]" << "[FNAME]";
        QTest::addRow("per cent sign") << "50% off" << "50\\% off" << "50% off";
        QTest::addRow("line escapes removed") << "a\\nb\\rc" << "abc" << "abc";
        QTest::addRow("capture and name tokens; a token in a name stays")
            << "[origname] [DATE] [Time] [CAMERA]" << "IMG_[WIDTH] 2021-07-14 09-30-05 Canon 50\\%"
            << "IMG_[WIDTH] 2021-07-14 09-30-05 Canon 50%";
    }
    void replaceMeta()
    {
        QFETCH(QString, text);
        QFETCH(QString, forEngine);
        QFETCH(QString, forName);
        BatchRun run;
        run.meta() = MetaRecord{QString(), QStringLiteral("JPG"), 7, 12, 640, 480, 256, QStringLiteral("25.3KB"),
                                QStringLiteral("IMG_[WIDTH]"), QStringLiteral("2021-07-14"), QStringLiteral("09-30-05"),
                                QStringLiteral("Canon 50%")};
        QCOMPARE(run.ReplaceMeta(text), forEngine);
        QCOMPARE(run.ReplaceMetaForName(text), forName);
    }

    // [DATE], [TIME], [CAMERA] from the source's EXIF data, [ORIGNAME] from its
    // name, on photos made here with known EXIF data.
    void captureTokens_data()
    {
        QTest::addColumn<QString>("container"); // jpeg, webp, or none (a JPEG without EXIF)
        QTest::addColumn<QByteArray>("make");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("dateTimeOriginal");
        QTest::addColumn<QByteArray>("dateTime");
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("expectedName");
        const QString when = QStringLiteral("[DATE]_[TIME]_");
        QTest::addRow("original date wins, camera joined")
            << "jpeg" << QByteArray("Canon") << QByteArray("Canon EOS 5D") << QByteArray("2021:07:14 09:30:05")
            << QByteArray("2022:01:01 00:00:00") << false << when << "_[CAMERA]"
            << "2021-07-14_09-30-05_photo_Canon EOS 5D.jpg";
        QTest::addRow("DateTime without an original date")
            << "jpeg" << QByteArray("Apple") << QByteArray("iPhone 12") << QByteArray() << QByteArray("2020:02:29 23:59:58")
            << false << when << "_[camera]" << "2020-02-29_23-59-58_photo_Apple iPhone 12.jpg";
        QTest::addRow("no EXIF: file time, unknown camera")
            << "none" << QByteArray() << QByteArray() << QByteArray() << QByteArray() << false << when << "_[CAMERA]"
            << "2019-05-06_07-08-09_photo_unknown.jpg";
        QTest::addRow("model missing: make alone")
            << "jpeg" << QByteArray("  NIKON CORPORATION  ") << QByteArray() << QByteArray("2021:07:14 09:30:05")
            << QByteArray() << false << "" << "_[CAMERA]" << "photo_NIKON CORPORATION.jpg";
        QTest::addRow("malformed date: file time")
            << "jpeg" << QByteArray("Canon") << QByteArray() << QByteArray("2021-07-14 09:30:05") << QByteArray("soon")
            << false << when << "" << "2019-05-06_07-08-09_photo.jpg";
        QTest::addRow("hostile camera: no folders, no colons, not hidden")
            << "jpeg" << QByteArray("../../etc") << QByteArray("a:b|c\x01") << QByteArray() << QByteArray() << false << ""
            << "_[CAMERA]" << "photo_etc abc.jpg";
        QTest::addRow("500 characters of camera cut to 64")
            << "jpeg" << QByteArray(500, 'x') << QByteArray() << QByteArray() << QByteArray() << false << "[CAMERA]" << ""
            << QString(64, QLatin1Char('x')) + "photo.jpg";
        QTest::addRow("a token in the camera stays text")
            << "jpeg" << QByteArray("[ORIGNAME]") << QByteArray() << QByteArray() << QByteArray() << false << ""
            << "_[CAMERA]" << "photo_[ORIGNAME].jpg";
        QTest::addRow("big-endian EXIF")
            << "jpeg" << QByteArray("SONY") << QByteArray("ILCE-7M3") << QByteArray("2018:12:31 12:00:00") << QByteArray()
            << true << when << "_[CAMERA]" << "2018-12-31_12-00-00_photo_SONY ILCE-7M3.jpg";
        QTest::addRow("WebP EXIF chunk")
            << "webp" << QByteArray("Google") << QByteArray("Pixel 7") << QByteArray("2023:03:04 05:06:07") << QByteArray()
            << false << when << "_[CAMERA]" << "2023-03-04_05-06-07_photo_Google Pixel 7.webp";
    }
    void captureTokens()
    {
        QFETCH(QString, container);
        QFETCH(QByteArray, make);
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, dateTimeOriginal);
        QFETCH(QByteArray, dateTime);
        QFETCH(bool, bigEndian);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(QString, expectedName);
        BatchFixture f;
        f.s.RenamePrefix = prefix;
        f.s.RenameSuffix = suffix;
        ExifFields fields{make, model, dateTime, dateTimeOriginal, 0, bigEndian};
        const QString name = container == QLatin1String("webp") ? QStringLiteral("photo.webp") : QStringLiteral("photo.jpg");
        const QString path = f.inPath(name);
        if (container == QLatin1String("webp")) {
            // An EXIF chunk after the image data, as phones write it.
            QVERIFY(makeMagickImage(path, 16, 12));
            QByteArray webp = fileBytes(path);
            QByteArray body = QByteArray("Exif\0\0", 6) + exifBlock(fields);
            if (body.size() % 2)
                body += '\0';
            QByteArray chunk("EXIF");
            const quint32 n = quint32(body.size());
            chunk += le32(n);
            webp += chunk + body;
            const quint32 riff = quint32(webp.size() - 8);
            webp.replace(4, 4, le32(riff));
            QVERIFY(writeFile(path, webp));
        } else {
            QImage img(16, 12, QImage::Format_RGB32);
            img.fill(Qt::darkCyan);
            QVERIFY(container == QLatin1String("none") ? img.save(path, "JPG") : makeJpegWithExif(path, img, exifBlock(fields)));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9)), QFileDevice::FileModificationTime));
        file.close();
        f.add(name);
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
        QCOMPARE(f.outFiles(), QStringList{expectedName});
    }

    // The capture facts are read from the file only when a name or the stamp
    // asks for them; [ORIGNAME] is the source's name, also where the base name
    // is a sequential number.
    void captureFactsReadOnlyWhenAskedFor_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("overlay");
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<QString>("expectedCamera");
        QTest::addRow("in the stamp") << "[ORIGNAME]_" << true << "q_0.jpg" << "Phone";
        QTest::addRow("in the stamp switched off") << "" << false << "0.jpg" << "";
        QTest::addRow("in the prefix") << "[TIME]" << false << "12-00-000.jpg" << "Phone";
    }
    void captureFactsReadOnlyWhenAskedFor()
    {
        QFETCH(QString, prefix);
        QFETCH(bool, overlay);
        QFETCH(QString, expectedName);
        QFETCH(QString, expectedCamera);
        BatchFixture f;
        f.s.SequentialNumber = true;
        f.s.RenamePrefix = prefix;
        f.s.TextOverlay = overlay;
        f.s.TextOverlayText = QStringLiteral("[CAMERA] [DATE]");
        ExifFields fields;
        fields.make = "Phone";
        fields.dateTimeOriginal = "2020:01:01 12:00:00";
        QImage img(30, 20, QImage::Format_RGB32);
        img.fill(Qt::white);
        QVERIFY(makeJpegWithExif(f.inPath(QStringLiteral("q.jpg")), img, exifBlock(fields)));
        f.add(QStringLiteral("q.jpg"));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.outFiles(), QStringList{expectedName});
        QCOMPARE(f.run.meta().camera, expectedCamera);
        QCOMPARE(f.run.meta().origName, QStringLiteral("q"));
    }

    // Damaged and hostile EXIF data: what can be read is read, nothing else,
    // and nothing is read outside the block.
    void hostileExifData_data()
    {
        QTest::addColumn<QByteArray>("app1"); // the APP1 body after "Exif\0\0"; "-" cuts the file after the header
        QTest::addColumn<QString>("expectedMake");
        QTest::addColumn<int>("expectedOrientation");
        const QByteArray head("II*\0\x08\0\0\0", 8);
        const auto entry = [](quint16 tag, quint16 type, quint32 count, quint32 value) {
            return le32(quint32(tag) | quint32(type) << 16) + le32(count) + le32(value);
        };
        QTest::addRow("first directory past the end") << QByteArray("II*\0\0\xff\xff\x7f", 8) << "" << 0;
        QTest::addRow("more entries than the block holds")
            << head + QByteArray("\xff\xff", 2) + entry(0x0112, 3, 1, 6) << "" << 6;
        QTest::addRow("text past the end") << head + QByteArray("\x01\0", 2) + entry(0x010F, 2, 100, 0x7ffffff0) << "" << 0;
        QTest::addRow("text of 4 GiB") << head + QByteArray("\x01\0", 2) + entry(0x010F, 2, 0xffffffff, 8) << "" << 0;
        QTest::addRow("short text inline") << head + QByteArray("\x01\0", 2) + entry(0x010F, 2, 3, 0x00004248) << "HB" << 0;
        QTest::addRow("EXIF directory pointing at itself")
            << head + QByteArray("\x02\0", 2) + entry(0x8769, 4, 1, 8) + entry(0x0112, 3, 1, 3) << "" << 3;
        QTest::addRow("orientation out of range") << head + QByteArray("\x01\0", 2) + entry(0x0112, 3, 1, 9) << "" << 0;
        QTest::addRow("not a TIFF structure") << QByteArray("XX*\0\x08\0\0\0\x01\0", 10) + entry(0x0112, 3, 1, 6) << "" << 0;
        QTest::addRow("segment runs past the end of the file") << QByteArray("-") << "" << 0;
    }
    void hostileExifData()
    {
        QFETCH(QByteArray, app1);
        QFETCH(QString, expectedMake);
        QFETCH(int, expectedOrientation);
        TestWorld world;
        const QString path = world.path(QStringLiteral("hostile.jpg"));
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(Qt::red);
        if (app1 == "-") {
            QVERIFY(writeFile(path, QByteArray("\xFF\xD8\xFF\xE1\xFF\xF0" "Exif\0\0II*\0", 16)));
        } else {
            QVERIFY(makeJpegWithExif(path, img, app1));
        }
        const ExifFacts facts = ReadExifFacts(path);
        QCOMPARE(facts.make, expectedMake);
        QCOMPARE(facts.orientation, expectedOrientation);
        QVERIFY(facts.dateTime.isEmpty() && facts.dateTimeOriginal.isEmpty());
    }

    // HEIC, HEIF and AVIF keep EXIF data as an item of the "meta" box, listed
    // in "iinf" and located in "iloc"; a file laid out as phones write it.
    void heifExifItem_data()
    {
        QTest::addColumn<bool>("ilocFirst");
        QTest::addColumn<int>("ilocVersion");
        QTest::addColumn<QByteArray>("itemType");
        QTest::addColumn<qint64>("offsetShift"); // added to the item's true place
        QTest::addColumn<QString>("expectedMake");
        QTest::addRow("iinf then iloc, version 0") << false << 0 << QByteArray("Exif") << qint64(0) << "Apple";
        QTest::addRow("iloc first, version 1") << true << 1 << QByteArray("Exif") << qint64(0) << "Apple";
        QTest::addRow("no EXIF item") << false << 0 << QByteArray("mime") << qint64(0) << "";
        QTest::addRow("item placed past the end of the file") << false << 0 << QByteArray("Exif") << qint64(1 << 30) << "";
        QTest::addRow("item placed in the middle of nothing") << true << 1 << QByteArray("Exif") << qint64(-12) << "";
    }
    void heifExifItem()
    {
        QFETCH(bool, ilocFirst);
        QFETCH(int, ilocVersion);
        QFETCH(QByteArray, itemType);
        QFETCH(qint64, offsetShift);
        QFETCH(QString, expectedMake);
        const auto be16 = [](quint32 v) { return QByteArray(1, char(v >> 8)) + char(v); };
        const auto be32 = [&](quint32 v) { return be16(v >> 16) + be16(v & 0xFFFF); };
        const auto box = [&](const char *type, const QByteArray &payload) {
            return be32(quint32(8 + payload.size())) + QByteArray(type, 4) + payload;
        };
        ExifFields fields;
        fields.make = "Apple";
        fields.model = "iPhone 15";
        fields.dateTimeOriginal = "2024:06:01 10:11:12";
        fields.orientation = 6; // applied by the decoder already: not for auto-rotate
        const QByteArray item = be32(6) + QByteArray("Exif\0\0", 6) + exifBlock(fields);
        const QByteArray ftyp = box("ftyp", QByteArray("heic") + be32(0) + "mif1heic");
        const auto metaBox = [&](quint32 offset) {
            const QByteArray infe = box("infe", QByteArray("\x02\0\0\0", 4) + be16(1) + be16(0) + itemType + '\0');
            const QByteArray iinf = box("iinf", QByteArray(4, '\0') + be16(1) + infe);
            QByteArray iloc = QByteArray(1, char(ilocVersion)) + QByteArray(3, '\0') + char(0x44) + char(0x00) + be16(1)
                + be16(1);
            if (ilocVersion >= 1)
                iloc += be16(0); // construction method: the file itself
            iloc += be16(0) + be16(1) + be32(offset) + be32(quint32(item.size()));
            iloc = box("iloc", iloc);
            return box("meta", QByteArray(4, '\0') + (ilocFirst ? iloc + iinf : iinf + iloc));
        };
        const qint64 itemAt = ftyp.size() + metaBox(0).size() + 8;
        const QByteArray file = ftyp + metaBox(quint32(itemAt + offsetShift)) + box("mdat", item);
        TestWorld world;
        const QString path = world.path(QStringLiteral("photo.heic"));
        QVERIFY(writeFile(path, file));
        const ExifFacts facts = ReadExifFacts(path);
        QCOMPARE(facts.make, expectedMake);
        QCOMPARE(facts.dateTimeOriginal, expectedMake.isEmpty() ? QString() : QStringLiteral("2024:06:01 10:11:12"));
        QCOMPARE(facts.orientation, 0);
    }

    // The colour count is costly: it is read only when a [NUMCOL] token is used.
    void colourCountReadOnlyWhenAskedFor_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("overlay");
        QTest::addColumn<int>("numCol");
        QTest::addColumn<QString>("expectedName");
        QTest::addRow("in the prefix") << "[NUMCOL]_" << "" << false << 4 << "4_q.png";
        QTest::addRow("in the suffix, lower case") << "" << "_[numcol]" << false << 4 << "q_4.png";
        QTest::addRow("in the overlay text") << "" << "" << true << 4 << "q.png";
        QTest::addRow("in the text of an overlay switched off") << "" << "" << false << 77 << "q.png";
        QTest::addRow("other tokens only") << "[WIDTH]_" << "" << false << 77 << "20_q.png";
    }
    void colourCountReadOnlyWhenAskedFor()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(bool, overlay);
        QFETCH(int, numCol);
        QFETCH(QString, expectedName);
        BatchFixture f;
        f.s.RenamePrefix = prefix;
        f.s.RenameSuffix = suffix;
        f.s.TextOverlay = overlay;
        f.s.TextOverlayText = QStringLiteral("[NUMCOL] colours");
        f.run.meta().numCol = 77; // left from an earlier image
        QVERIFY(makeQuadrants(f.inPath(QStringLiteral("q.png"))));
        f.add(QStringLiteral("q.png"));
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
        QCOMPARE(f.outFiles(), QStringList{expectedName});
        QCOMPARE(f.run.meta().numCol, numCol);
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), QSize(20, 20)); // read either way
    }
};

VEXL_ENGINE_TEST_MAIN(TestMetaVariables)
#include "tst_metavariables.moc"
