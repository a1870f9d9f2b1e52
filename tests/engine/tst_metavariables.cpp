// Meta variables: the number formatters, the token substitution and the facts
// read from the source.

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
        QTest::addRow("megapixels of 200 x 150: two places") << 200 << 150 << "0.03";
        QTest::addRow("megapixels just under 0.05") << 700 << 70 << "0.05";
        QTest::addRow("megapixels 0.05: one place") << 1000 << 50 << "0.1";
        QTest::addRow("no megapixels") << 0 << 0 << "0.00";
        QTest::addRow("megapixels of the largest square") << 46340 << 46340 << "2147.4";
        QTest::addRow("512 bytes") << 512 << -1 << "512.00 b";
        QTest::addRow("1024 bytes") << 1024 << -1 << "1.00 Kb";
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
        run.meta() = MetaRecord{QString(), "JPG", 7, 12, 640, 480, 256, "25.3KB",
                                "IMG_[WIDTH]", "2021-07-14", "09-30-05",
                                "Canon 50%"};
        QCOMPARE(run.ReplaceMeta(text), forEngine);
        QCOMPARE(run.ReplaceMetaForName(text), forName);
    }

    // [DATE], [TIME], [CAMERA] from the source's EXIF data, [ORIGNAME] from its
    // name, on photos made here with known EXIF data (the file time: 2019-05-06
    // 07:08:09). These and the costly colour count are read only when a name or
    // the stamp asks for them (77: left from an earlier image; every row has
    // the tokens in a stamp that is switched off).
    void captureTokens_data()
    {
        QTest::addColumn<QString>("container"); // jpeg, jpeg-be (big-endian EXIF), webp, or none (a JPEG without EXIF)
        QTest::addColumn<QList<QByteArray>>("exif"); // make, model, original date, date
        QTest::addColumn<QString>("name"); // prefix*suffix; "#": numbered, "+": the stamp reads them
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<int>("expectedColours");
        const QString when = "[DATE]_[TIME]_*_[CAMERA]";
        using Exif = QList<QByteArray>;
        QTest::addRow("original date wins, camera joined")
            << "jpeg" << Exif{"Canon", "Canon EOS 5D", "2021:07:14 09:30:05", "2022:01:01 00:00:00"} << when
            << "2021-07-14_09-30-05_photo_Canon EOS 5D.jpg" << 77;
        QTest::addRow("big-endian, DateTime without an original date")
            << "jpeg-be" << Exif{"Apple", "iPhone 12", "", "2020:02:29 23:59:58"} << "[DATE]_[TIME]_*_[camera]"
            << "2020-02-29_23-59-58_photo_Apple iPhone 12.jpg" << 77;
        QTest::addRow("no EXIF: file time, unknown camera")
            << "none" << Exif{"", "", "", ""} << when << "2019-05-06_07-08-09_photo_unknown.jpg" << 77;
        QTest::addRow("malformed date: file time; model missing: make alone")
            << "jpeg" << Exif{"  NIKON CORPORATION  ", "", "2021-07-14 09:30:05", "soon"} << when
            << "2019-05-06_07-08-09_photo_NIKON CORPORATION.jpg" << 77;
        QTest::addRow("hostile camera: no folders, no colons, not hidden")
            << "jpeg" << Exif{"../../etc", "a:b|c\x01", "", ""} << "*_[CAMERA]" << "photo_etc abc.jpg" << 77;
        QTest::addRow("500 characters of camera cut to 64") << "jpeg" << Exif{QByteArray(500, 'x'), "", "", ""}
                                                            << "[CAMERA]*" << QString(64, 'x') + "photo.jpg" << 77;
        QTest::addRow("WebP EXIF chunk") << "webp" << Exif{"Google", "Pixel 7", "2023:03:04 05:06:07", ""} << when
                                         << "2023-03-04_05-06-07_photo_Google Pixel 7.webp" << 77;
        const Exif phone{"Phone", "", "2020:01:01 12:00:00", ""};
        QTest::addRow("in the stamp, numbered") << "jpeg" << phone << "[ORIGNAME]_*#+" << "photo_0.jpg" << 1;
        QTest::addRow("colours in the suffix, lower case") << "jpeg" << phone << "*_[numcol]" << "photo_1.jpg" << 1;
    }
    void captureTokens()
    {
        QFETCH(QString, container);
        QFETCH(QList<QByteArray>, exif);
        QFETCH(QString, name);
        QFETCH(QString, expectedName);
        QFETCH(int, expectedColours);
        BatchFixture f;
        f.s.SequentialNumber = name.contains('#');
        f.s.TextOverlay = name.contains('+');
        f.s.TextOverlayText = "[CAMERA] [DATE] [NUMCOL]";
        name.remove('#').remove('+');
        f.s.RenamePrefix = name.section('*', 0, 0);
        f.s.RenameSuffix = name.section('*', 1);
        f.run.meta().numCol = 77;
        const ExifFields fields{exif[0], exif[1], exif[3], exif[2], 0, container == "jpeg-be"};
        const QString file = container == "webp" ? "photo.webp" : "photo.jpg";
        const QString path = f.inPath(file);
        if (container == "webp") {
            // An EXIF chunk after the image data, as phones write it.
            QVERIFY(makeMagickImage(path, 16, 12));
            QByteArray webp = fileBytes(path);
            QByteArray body = QByteArray("Exif\0\0", 6) + exifBlock(fields);
            if (body.size() % 2)
                body += '\0';
            webp += "EXIF" + le32(quint32(body.size())) + body;
            webp.replace(4, 4, le32(quint32(webp.size() - 8)));
            QVERIFY(writeFile(path, webp));
        } else {
            QImage img(16, 12, QImage::Format_RGB32);
            img.fill(Qt::white);
            QVERIFY(container == "none" ? img.save(path, "JPG") : makeJpegWithExif(path, img, exifBlock(fields)));
        }
        QFile handle(path);
        QVERIFY(handle.open(QIODevice::ReadWrite));
        QVERIFY(handle.setFileTime(QDateTime(QDate(2019, 5, 6), QTime(7, 8, 9)), QFileDevice::FileModificationTime));
        handle.close();
        f.add(file);
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        QCOMPARE(f.outFiles(), QStringList{expectedName});
        QCOMPARE(f.run.meta().numCol, expectedColours);
        QCOMPARE(f.run.meta().origName, "photo");
        if (exif[0] == "Phone") // named by no rule: read for the stamp alone
            QCOMPARE(f.run.meta().camera, f.s.TextOverlay ? "Phone" : "");
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
        const QString path = world.path("hostile.jpg");
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
};

VEXL_ENGINE_TEST_MAIN(TestMetaVariables)
#include "tst_metavariables.moc"
