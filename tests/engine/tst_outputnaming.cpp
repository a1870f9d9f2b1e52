// Output names and folders: the name-building rules, numbering, the final
// renaming with meta variables, and the 16-bit limits of the numbers.

#include "batchfixture.h"

#include "support/fileprocs.h"

#include <QFile>

using namespace vexl;
using namespace vexl::test;

namespace {
struct Naming
{
    QString prefix;
    QString suffix;
    int caseRule = 0;
    int spaces = 0;
    int format = 0;
    bool numbering = false;
    QString start = QStringLiteral("0");
    QString fill = QStringLiteral("0");
    bool replicate = true;
    bool recurse = false;
    int method = 0;
    QString width = QStringLiteral("100");
    QString height = QStringLiteral("100");
    bool tokens = false; // the name holds meta-variable tokens during the operations
};
} // namespace

Q_DECLARE_METATYPE(Naming)

class TestOutputNaming : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void numberingSkipsExistingOutputs();
    void finalRenameReplacesExistingFile();
    void sixteenBitLimits_data();
    void sixteenBitLimits();
    void filenameChecks_data();
    void filenameChecks();
};

void TestOutputNaming::names_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<Naming>("n");
    QTest::addColumn<QStringList>("expected");

    const QStringList myPhoto{QStringLiteral("My Photo.JPG")};
    const QStringList photo{QStringLiteral("photo.jpg")};
    Naming n;

    n = {};
    n.prefix = QStringLiteral("th_");
    n.caseRule = 1;
    n.spaces = 1;
    QTest::addRow("lower case, spaces to underscores") << myPhoto << n << QStringList{QStringLiteral("th_my_photo.jpg")};
    n = {};
    n.prefix = QStringLiteral("th_");
    n.caseRule = 4;
    QTest::addRow("first letter of each word") << myPhoto << n << QStringList{QStringLiteral("Th_My Photo.JPG")};
    n.spaces = 4;
    QTest::addRow("first letter of each word, spaces removed") << myPhoto << n << QStringList{QStringLiteral("Th_MyPhoto.JPG")};
    n = {};
    n.prefix = QStringLiteral("th_");
    n.caseRule = 3;
    QTest::addRow("first letter") << myPhoto << n << QStringList{QStringLiteral("Th_my photo.JPG")};
    n.caseRule = 2;
    QTest::addRow("upper case, extension too") << myPhoto << n << QStringList{QStringLiteral("TH_MY PHOTO.JPG")};
    n = {};
    n.caseRule = 5;
    QTest::addRow("toggle case") << QStringList{QStringLiteral("abC1.png")} << n << QStringList{QStringLiteral("ABC1.png")};
    n = {};
    n.caseRule = 4;
    QTest::addRow("word starts after - and (") << QStringList{QStringLiteral("a-b(c d_e.png")} << n
                                              << QStringList{QStringLiteral("A-B(C D_E.png")};
    n = {};
    n.spaces = 2;
    QTest::addRow("underscores to spaces") << QStringList{QStringLiteral("a_b c.png")} << n
                                           << QStringList{QStringLiteral("a b c.png")};
    n.spaces = 3;
    QTest::addRow("underscores removed") << QStringList{QStringLiteral("a_b c.png")} << n
                                         << QStringList{QStringLiteral("ab c.png")};
    n.spaces = 5;
    QTest::addRow("underscores and spaces removed") << QStringList{QStringLiteral("a_b c.png")} << n
                                                    << QStringList{QStringLiteral("abc.png")};

    n = {};
    n.prefix = QStringLiteral("img");
    n.numbering = true;
    n.start = QStringLiteral("7");
    n.fill = QStringLiteral("3");
    QTest::addRow("numbered from 7, zero fill 3, prefix img")
        << QStringList{QStringLiteral("zeta.jpg"), QStringLiteral("alpha.jpg")} << n
        << QStringList{QStringLiteral("img007.jpg"), QStringLiteral("img008.jpg")};
    n = {};
    n.numbering = true;
    n.start = QStringLiteral("123");
    n.fill = QStringLiteral("2");
    QTest::addRow("zero fill narrower than the number") << photo << n << QStringList{QStringLiteral("123.jpg")};

    n = {};
    n.prefix = QStringLiteral("th_");
    n.format = 6;
    n.caseRule = 2;
    QTest::addRow("TIFF, upper case: name and extension") << myPhoto << n << QStringList{QStringLiteral("TH_MY PHOTO.TIFF")};
    n.caseRule = 1;
    QTest::addRow("TIFF, lower case") << myPhoto << n << QStringList{QStringLiteral("th_my photo.tiff")};
    n.caseRule = 0;
    QTest::addRow("TIFF, case unchanged") << myPhoto << n << QStringList{QStringLiteral("th_My Photo.tiff")};

    n = {};
    n.recurse = true;
    QTest::addRow("replicated sub-folders") << QStringList{QStringLiteral("a/b/photo.jpg"), QStringLiteral("top.jpg")} << n
                                            << QStringList{QStringLiteral("a/b/photo.jpg"), QStringLiteral("top.jpg")};
    n.replicate = false;
    QTest::addRow("sub-folders not replicated") << QStringList{QStringLiteral("a/b/photo.jpg")} << n
                                                << QStringList{QStringLiteral("photo.jpg")};

    n = {};
    n.prefix = QStringLiteral("50%_");
    QTest::addRow("per cent sign kept as it is") << photo << n << QStringList{QStringLiteral("50%_photo.jpg")};
    n.prefix = QStringLiteral("a/b?c_");
    n.suffix = QStringLiteral("_d:e*");
    QTest::addRow("bad characters left out") << photo << n << QStringList{QStringLiteral("abc_photo_de.jpg")};

    n = {};
    n.prefix = QStringLiteral("[WIDTH]x[HEIGHT]_");
    n.method = 4;
    n.width = QStringLiteral("64");
    n.height = QStringLiteral("48");
    n.tokens = true;
    QTest::addRow("size of the result in the name") << photo << n << QStringList{QStringLiteral("64x48_photo.jpg")};
    n = {};
    n.prefix = QStringLiteral("[width]-[Height]_");
    n.tokens = true;
    QTest::addRow("tokens in any letter case") << photo << n << QStringList{QStringLiteral("40-30_photo.jpg")};
    n = {};
    n.suffix = QStringLiteral("_[EXT]_[SELNUM]_[SEQNUM]");
    n.start = QStringLiteral("5");
    n.tokens = true;
    QTest::addRow("extension, count and number without numbering")
        << QStringList{QStringLiteral("a.JPG"), QStringLiteral("b.jpg")} << n
        << QStringList{QStringLiteral("a_JPG_2_5.JPG"), QStringLiteral("b_jpg_2_6.jpg")};
    n = {};
    n.prefix = QStringLiteral("[WIDTH]%_");
    n.tokens = true;
    QTest::addRow("per cent sign beside a token") << photo << n << QStringList{QStringLiteral("40%_photo.jpg")};
}

void TestOutputNaming::names()
{
    QFETCH(QStringList, items);
    QFETCH(Naming, n);
    QFETCH(QStringList, expected);
    if (n.tokens)
        SKIP_UNLESS_ENGINE_TAKES_BRACKET_NAMES();

    BatchFixture f;
    ProcessSettings &s = f.s;
    s.RenamePrefix = n.prefix;
    s.RenameSuffix = n.suffix;
    s.Case = n.caseRule;
    s.Spaces = n.spaces;
    s.OutputFormat = n.format;
    s.SequentialNumber = n.numbering;
    s.StartNumber = n.start;
    s.ZeroFill = n.fill;
    s.ReplicateSubDirs = n.replicate;
    s.DimensionMethod = n.method;
    s.DimensionWidth = n.width;
    s.DimensionHeight = n.height;
    f.input.recurse = n.recurse;
    for (const QString &item : items)
        QVERIFY(f.addImage(item, 40, 30));

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QVERIFY2(f.host.errors.isEmpty(), qPrintable(f.host.errors.value(0).description));
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QStringList sorted = expected;
    sorted.sort();
    QCOMPARE(f.outFiles(), sorted);
    // Every output is a readable image of the format its extension names.
    for (const QString &name : expected) {
        const QString path = f.outPath(name);
        const QString ext = QFileInfo(name).suffix().toUpper();
        QCOMPARE(formatOf(path), ext == QLatin1String("JPG") ? QStringLiteral("JPEG") : ext);
    }
    if (n.numbering) {
        // In list order: the first item got the first number.
        QCOMPARE(checksum(f.outPath(expected.first())), checksum(f.inPath(items.first())));
    }
}

void TestOutputNaming::numberingSkipsExistingOutputs()
{
    BatchFixture f;
    f.s.SequentialNumber = true;
    f.s.StartNumber = QStringLiteral("1");
    QVERIFY(makeImage(f.outPath(QStringLiteral("1.jpg")), 8, 8, 7));
    QVERIFY(makeImage(f.outPath(QStringLiteral("2.jpg")), 8, 8, 8));
    QVERIFY(writeFile(f.outPath(QStringLiteral("4.jpg")), QByteArray())); // empty: not an output
    const QByteArray one = checksum(f.outPath(QStringLiteral("1.jpg")));
    const QByteArray two = checksum(f.outPath(QStringLiteral("2.jpg")));
    for (const char *name : {"c.jpg", "a.jpg", "b.jpg"})
        QVERIFY(f.addImage(QLatin1String(name), 20, 10, unsigned(name[0])));
    QList<qint16> seqNums;
    f.host.onImage = [&](int position, int, const QString &) {
        if (position > 1)
            seqNums << f.run.meta().seqNum; // the number the image before used
    };

    QCOMPARE(f.go(), BatchOutcome::Finished);
    seqNums << f.run.meta().seqNum;
    QCOMPARE(seqNums, (QList<qint16>{3, 4, 5}));
    QCOMPARE(f.outFiles(), (QStringList{QStringLiteral("1.jpg"), QStringLiteral("2.jpg"), QStringLiteral("3.jpg"),
                                        QStringLiteral("4.jpg"), QStringLiteral("5.jpg")}));
    QCOMPARE(checksum(f.outPath(QStringLiteral("1.jpg"))), one);
    QCOMPARE(checksum(f.outPath(QStringLiteral("2.jpg"))), two);
    QCOMPARE(checksum(f.outPath(QStringLiteral("3.jpg"))), checksum(f.inPath(QStringLiteral("c.jpg"))));
    QCOMPARE(checksum(f.outPath(QStringLiteral("4.jpg"))), checksum(f.inPath(QStringLiteral("a.jpg"))));
}

void TestOutputNaming::finalRenameReplacesExistingFile()
{
    SKIP_UNLESS_ENGINE_TAKES_BRACKET_NAMES();
    BatchFixture f;
    f.s.RenamePrefix = QStringLiteral("[WIDTH]_");
    QVERIFY(writeFile(f.outPath(QStringLiteral("40_a.jpg")), "an older file"));
    QVERIFY(f.addImage(QStringLiteral("a.jpg"), 40, 30));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.outFiles(), QStringList{QStringLiteral("40_a.jpg")});
    QCOMPARE(checksum(f.outPath(QStringLiteral("40_a.jpg"))), checksum(f.inPath(QStringLiteral("a.jpg"))));
}

void TestOutputNaming::sixteenBitLimits_data()
{
    QTest::addColumn<bool>("numbering");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("fill");
    QTest::addColumn<QStringList>("expectedOut");
    QTest::addColumn<bool>("fails");
    QTest::addRow("start number above 32767") << false << "40000" << "0" << QStringList{} << true;
    QTest::addRow("empty zero fill while numbering") << true << "1" << "" << QStringList{} << true;
    QTest::addRow("number growing past 32767") << true << "32766" << "0" << QStringList{QStringLiteral("32766.png")}
                                               << true;
    QTest::addRow("empty zero fill without numbering") << false << "1" << ""
                                                       << QStringList{QStringLiteral("a.png"), QStringLiteral("b.png"),
                                                                      QStringLiteral("c.png")}
                                                       << false;
}

void TestOutputNaming::sixteenBitLimits()
{
    QFETCH(bool, numbering);
    QFETCH(QString, start);
    QFETCH(QString, fill);
    QFETCH(QStringList, expectedOut);
    QFETCH(bool, fails);

    BatchFixture f;
    f.s.SequentialNumber = numbering;
    f.s.StartNumber = start;
    f.s.ZeroFill = fill;
    for (const char *name : {"a.png", "b.png", "c.png"})
        QVERIFY(f.addImage(QLatin1String(name), 8, 8));

    QCOMPARE(f.go(), fails ? BatchOutcome::Failed : BatchOutcome::Finished);
    QCOMPARE(f.outFiles(), expectedOut);
    QCOMPARE(f.finished(), !fails);
    QCOMPARE(f.host.errors.size(), fails ? 1 : 0);
    if (fails) {
        const ErrorReport &r = f.host.errors.first();
        QCOMPARE(r.windowName, QStringLiteral("frmGo"));
        QCOMPARE(r.procedureName, QStringLiteral("Form_Activate"));
        QVERIFY(r.settings.contains(QLatin1String("StartNumber")));
        QCOMPARE(f.host.asked.size(), 0);
    }
}

void TestOutputNaming::filenameChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("good");
    QTest::addColumn<QString>("stripped");
    QTest::addRow("colon") << "a:b" << false << "ab";
    QTest::addRow("blank") << "a b" << true << "a b";
    QTest::addRow("slash and question mark") << "a/b?c" << false << "abc";
    QTest::addRow("all nine") << "\\/|?\"><*:x" << false << "x";
    QTest::addRow("per cent and brackets are allowed") << "50%[1]" << true << "50%[1]";
}

void TestOutputNaming::filenameChecks()
{
    QFETCH(QString, name);
    QFETCH(bool, good);
    QFETCH(QString, stripped);
    QCOMPARE(IsFilenameGood(name), good);
    QCOMPARE(StripBadFilenameChars(name), stripped);
}

VEXL_ENGINE_TEST_MAIN(TestOutputNaming)
#include "tst_outputnaming.moc"
