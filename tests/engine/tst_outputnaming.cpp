// Output names and folders: the name-building rules, numbering, the final
// renaming with meta variables, and the 16-bit limits of the numbers.

#include "batchfixture.h"

#include "support/fileprocs.h"

using namespace vexl;
using namespace vexl::test;

class TestOutputNaming : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("items"); // comma-separated, in list order
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("suffix");
        // caseN, spacesN (the rules), number, tiff, recurse [flat], fix (to 64x48), older (a file of the name),
        // taken (an empty img008.jpg: a number taken is passed over and left alone)
        QTest::addColumn<QString>("more");
        QTest::addColumn<QString>("expected"); // the outputs of the items
        QTest::addRow("lower case, spaces to underscores")
            << "My Photo.JPG" << "th_" << "" << "case1 spaces1" << "th_my_photo.jpg";
        QTest::addRow("first letter of each word, spaces removed")
            << "My Photo.JPG" << "th_" << "" << "case4 spaces4" << "Th_MyPhoto.JPG";
        QTest::addRow("first letter") << "My Photo.JPG" << "th_" << "" << "case3" << "Th_my photo.JPG";
        QTest::addRow("toggle case") << "abC1.png" << "" << "" << "case5" << "ABC1.png";
        QTest::addRow("words start after - and (") << "a-b(c d_e.png" << "" << "" << "case4" << "A-B(C D_E.png";
        QTest::addRow("underscores to spaces") << "a_b c.png" << "" << "" << "spaces2" << "a b c.png";
        QTest::addRow("underscores removed") << "a_b c.png" << "" << "" << "spaces3" << "ab c.png";
        QTest::addRow("underscores and spaces removed") << "a_b c.png" << "" << "" << "spaces5" << "abc.png";
        QTest::addRow("numbered from 7, zero fill 3")
            << "zeta.jpg,alpha.jpg" << "img" << "" << "number" << "img007.jpg,img008.jpg";
        QTest::addRow("numbered past a number taken")
            << "zeta.jpg,alpha.jpg" << "img" << "" << "number taken" << "img007.jpg,img009.jpg";
        QTest::addRow("TIFF, upper case: name and extension")
            << "My Photo.JPG" << "th_" << "" << "case2 tiff" << "TH_MY PHOTO.TIFF";
        QTest::addRow("replicated sub-folders")
            << "a/b/photo.jpg,top.jpg" << "" << "" << "recurse" << "a/b/photo.jpg,top.jpg";
        QTest::addRow("sub-folders not replicated") << "a/b/photo.jpg" << "" << "" << "recurse flat" << "photo.jpg";
        QTest::addRow("per cent sign kept as it is") << "photo.jpg" << "50%_" << "" << "" << "50%_photo.jpg";
        QTest::addRow("bad characters left out") << "photo.jpg" << "a/b?c_" << "_d:e*" << "" << "abc_photo_de.jpg";
        QTest::addRow("final name replaces an older file") << "a.jpg" << "[WIDTH]_" << "" << "older" << "40_a.jpg";
        QTest::addRow("size of the result, any case")
            << "photo.jpg" << "[WIDTH]x[height]_" << "" << "fix" << "64x48_photo.jpg";
        QTest::addRow("extension, count and number without numbering")
            << "a.JPG,b.jpg" << "" << "_[EXT]_[SELNUM]_[SEQNUM]" << "" << "a_JPG_2_7.JPG,b_jpg_2_8.jpg";
    }
    void names()
    {
        QFETCH(QString, items);
        QFETCH(QString, prefix);
        QFETCH(QString, suffix);
        QFETCH(QString, more);
        QFETCH(QString, expected);
        const auto rule = [&](const QString &word) {
            return QRegularExpression(word + "(\\d)").match(more).captured(1).toInt();
        };
        BatchFixture f;
        f.s.RenamePrefix = prefix;
        f.s.RenameSuffix = suffix;
        f.s.Case = rule("case");
        f.s.Spaces = rule("spaces");
        f.s.OutputFormat = more.contains("tiff") ? 6 : 0;
        f.s.SequentialNumber = more.contains("number");
        f.s.StartNumber = "7";
        f.s.ZeroFill = "3";
        f.input.recurse = more.contains("recurse");
        f.s.ReplicateSubDirs = !more.contains("flat");
        f.s.DimensionMethod = more.contains("fix") ? 4 : 0;
        f.s.DimensionWidth = "64";
        f.s.DimensionHeight = "48";
        const QStringList sources = items.split(',');
        for (const QString &item : sources)
            QVERIFY(f.addImage(item, 40, 30, unsigned(f.input.items.size())));
        if (more.contains("older"))
            QVERIFY(writeFile(f.outPath(expected), "older"));
        if (more.contains("taken"))
            QVERIFY(writeFile(f.outPath("img008.jpg"), QByteArray()));

        QCOMPARE(f.go(), BatchOutcome::Finished);
        QVERIFY2(f.host.errors.isEmpty(), qPrintable(f.host.errors.value(0).description));
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        QStringList outputs = expected.split(',');
        if (f.s.SequentialNumber || more.contains("older")) // the items' own bytes, in list order
            for (int i = 0; i < outputs.size(); ++i)
                QCOMPARE(checksum(f.outPath(outputs.at(i))), checksum(f.inPath(sources.at(i))));
        if (more.contains("taken")) {
            QCOMPARE(QFileInfo(f.outPath("img008.jpg")).size(), 0);
            outputs << "img008.jpg";
        }
        outputs.sort();
        QCOMPARE(f.outFiles(), outputs);
    }

    // Out of range: the run ends through the unexpected-error report, no question.
    void sixteenBitLimits_data()
    {
        QTest::addColumn<bool>("numbering");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("fill");
        QTest::addColumn<QStringList>("expectedOut"); // all three: the run did not fail
        QTest::addColumn<int>("ticked");              // images in the run
        QTest::addColumn<QString>("says");            // what the error report says
        QTest::addRow("start number above 32767") << false << "40000" << "0" << QStringList{} << 3 << "Overflow";
        QTest::addRow("empty zero fill while numbering") << true << "1" << "" << QStringList{} << 3 << "";
        QTest::addRow("number growing past 32767") << true << "32766" << "0" << QStringList{"32766.png"} << 3 << "Overflow";
        QTest::addRow("empty zero fill without numbering")
            << false << "1" << "" << QStringList{"a.png", "b.png", "c.png"} << 3 << "";
        QTest::addRow("more than 32767 images") << false << "0" << "0" << QStringList{} << 32768
                                                << "Overflow (count): at most 32767 images can be processed in one run";
    }
    void sixteenBitLimits()
    {
        QFETCH(bool, numbering);
        QFETCH(QString, start);
        QFETCH(QString, fill);
        QFETCH(QStringList, expectedOut);
        QFETCH(int, ticked);
        QFETCH(QString, says);
        const bool fails = expectedOut.size() < 3;
        BatchFixture f;
        f.s.SequentialNumber = numbering;
        f.s.StartNumber = start;
        f.s.ZeroFill = fill;
        for (const char *name : {"a.png", "b.png", "c.png"})
            QVERIFY(f.addImage(QLatin1String(name), 8, 8));
        for (int i = 3; i < ticked; ++i) // never reached: the count is checked first
            f.add(QString("n%1.png").arg(i));
        QCOMPARE(f.go(), fails ? BatchOutcome::Failed : BatchOutcome::Finished);
        QCOMPARE(f.outFiles(), expectedOut);
        QCOMPARE(f.host.errors.size(), fails ? 1 : 0);
        if (fails)
            QVERIFY2(f.host.errors.first().description.contains(says), qPrintable(f.host.errors.first().description));
        QCOMPARE(f.host.titles(), fails ? QStringList{} : QStringList{"Done"});
    }
};

VEXL_ENGINE_TEST_MAIN(TestOutputNaming)
#include "tst_outputnaming.moc"
