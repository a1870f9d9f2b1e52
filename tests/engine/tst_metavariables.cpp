// Meta variables: the number formatters, the token substitution, the meta data
// step and the meta record's life across images and runs.

#include "batchfixture.h"

#include "engine/metavariables.h"

#include <QFile>
#include <QLocale>

using namespace vexl;
using namespace vexl::test;

class TestMetaVariables : public QObject
{
    Q_OBJECT

private slots:
    void formatMegaPixels_data();
    void formatMegaPixels();
    void megaPixelsOverflow();
    void megaPixelsFollowUserLocale();
    void formatBytes_data();
    void formatBytes();
    void replaceMeta_data();
    void replaceMeta();
    void megaPixelsInNames();
    void failedOrSkippedMetaStepKeepsPreviousValues();
    void colourCountReadOnlyWhenAskedFor_data();
    void colourCountReadOnlyWhenAskedFor();
};

void TestMetaVariables::formatMegaPixels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("expected");
    QTest::addRow("1200 x 900") << 1200 << 900 << "1.1";
    QTest::addRow("200 x 150 falls back to two places") << 200 << 150 << "0.03";
    QTest::addRow("1000 x 1000") << 1000 << 1000 << "1.0";
    QTest::addRow("just under 0.05") << 700 << 70 << "0.05";
    QTest::addRow("0.05 shows one place") << 1000 << 50 << "0.1";
    QTest::addRow("nothing") << 0 << 0 << "0.00";
    QTest::addRow("6000 x 4000") << 6000 << 4000 << "24.0";
}

void TestMetaVariables::formatMegaPixels()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, expected);
    QCOMPARE(FormatMegaPixels(width, height), expected);
}

void TestMetaVariables::megaPixelsOverflow()
{
    QVERIFY_THROWS_EXCEPTION(VexlError, FormatMegaPixels(100000, 100000));
    QCOMPARE(FormatMegaPixels(46340, 46340), QStringLiteral("2147.4"));
}

void TestMetaVariables::megaPixelsFollowUserLocale()
{
    // The system locale is read once per process: look at a German user from a
    // second run of this test.
    if (qEnvironmentVariableIsSet("VEXL_KEEP_LOCALE")) {
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
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

void TestMetaVariables::formatBytes_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addRow("512") << 512 << "512.00 b";
    QTest::addRow("1536") << 1536 << "1.50 Kb";
    QTest::addRow("2097152") << 2097152 << "2.00 Mb";
    QTest::addRow("0") << 0 << "0.00 b";
    QTest::addRow("1023") << 1023 << "1023.00 b";
    QTest::addRow("1024") << 1024 << "1.00 Kb";
    QTest::addRow("just under a megabyte") << 1048575 << "1024.00 Kb";
    QTest::addRow("1073741824") << 1073741824 << "1.00 Gb";
}

void TestMetaVariables::formatBytes()
{
    QFETCH(int, bytes);
    QFETCH(QString, expected);
    QCOMPARE(FormatBytes(bytes), expected);
}

void TestMetaVariables::replaceMeta_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("forEngine");
    QTest::addColumn<QString>("forName");
    QTest::addRow("size tokens") << "[WIDTH]x[HEIGHT]_" << "640x480_" << "640x480_";
    QTest::addRow("lower and mixed case") << "[width]x[Height]" << "640x480" << "640x480";
    QTest::addRow("every token")
        << "[EXT] [SELNUM] [SEQNUM] [FSIZE] [NUMCOL] [MEGAPIX]" << "JPG 12 7 25.3KB 256 0.3" << "JPG 12 7 25.3KB 256 0.3";
    QTest::addRow("repeated token") << "[SEQNUM]-[seqnum]" << "7-7" << "7-7";
    QTest::addRow("file name is left to the overlay") << "[FNAME]" << "[FNAME]" << "[FNAME]";
    QTest::addRow("per cent sign") << "50% off" << "50\\% off" << "50% off";
    QTest::addRow("line escapes removed") << "a\\nb\\rc" << "abc" << "abc";
    QTest::addRow("unknown token kept") << "[DATE]" << "[DATE]" << "[DATE]";
}

void TestMetaVariables::replaceMeta()
{
    QFETCH(QString, text);
    QFETCH(QString, forEngine);
    QFETCH(QString, forName);
    BatchRun run;
    MetaRecord &m = run.meta();
    m.ext = QStringLiteral("JPG");
    m.selNum = 12;
    m.seqNum = 7;
    m.fsize = QStringLiteral("25.3KB");
    m.width = 640;
    m.height = 480;
    m.numCol = 256;
    QCOMPARE(run.ReplaceMeta(text), forEngine);
    QCOMPARE(run.ReplaceMetaForName(text), forName);
}

void TestMetaVariables::megaPixelsInNames()
{
    SKIP_UNLESS_ENGINE_TAKES_BRACKET_NAMES();
    BatchFixture f;
    f.s.RenamePrefix = QStringLiteral("[MEGAPIX]_");
    QVERIFY(f.addImage(QStringLiteral("big.jpg"), 1200, 900));
    QVERIFY(f.addImage(QStringLiteral("small.jpg"), 200, 150));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.outFiles(), (QStringList{QStringLiteral("0.03_small.jpg"), QStringLiteral("1.1_big.jpg")}));
}

void TestMetaVariables::failedOrSkippedMetaStepKeepsPreviousValues()
{
    BatchFixture f;
    QVERIFY(f.addImage(QStringLiteral("a.png"), 40, 30));
    f.add(QStringLiteral("b.png"));
    QVERIFY(writeFile(f.inPath(QStringLiteral("b.png")), "not a picture"));
    f.yes();

    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), (QStringList{QStringLiteral("Identify Error"), QStringLiteral("Done")}));
    const QString text = f.host.asked.first().text;
    QVERIFY2(text.startsWith(QStringLiteral("Could not retrive information on \"%1\" because:\r\n(0) ")
                                 .arg(f.outPath(QStringLiteral("b.png")))),
             qPrintable(text));
    QVERIFY(text.endsWith(QLatin1String("\r\n\r\nDo you want to continue processing images?")));
    QCOMPARE(f.run.meta().width, 40);
    QCOMPARE(f.run.meta().height, 30);
    const QString sizeOfA = f.run.meta().fsize;
    QVERIFY(!sizeOfA.isEmpty());

    // The record outlives the run. A copy failure skips the next run's meta step.
    QVERIFY(f.addImage(QStringLiteral("c.png"), 10, 10));
    f.input.checked = {false, false, true};
    QVERIFY(QDir().mkpath(f.outPath(QStringLiteral("c.png"))));
    f.yes();
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.count(QStringLiteral("Copy Error")), 1);
    QCOMPARE(f.run.meta().width, 40);
    QCOMPARE(f.run.meta().height, 30);
    QCOMPARE(f.run.meta().fsize, sizeOfA);
    QCOMPARE(f.run.meta().selNum, qint16(1));
}

void TestMetaVariables::colourCountReadOnlyWhenAskedFor_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("overlay");
    QTest::addColumn<QString>("overlayText");
    QTest::addColumn<int>("numCol");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<bool>("tokens");
    QTest::addRow("in the prefix") << "[NUMCOL]_" << "" << false << "" << 4 << "4_q.png" << true;
    QTest::addRow("in the suffix, lower case") << "" << "_[numcol]" << false << "" << 4 << "q_4.png" << true;
    QTest::addRow("in the overlay text") << "" << "" << true << "[NUMCOL] colours" << 4 << "q.png" << false;
    QTest::addRow("in the text of an overlay switched off") << "" << "" << false << "[NUMCOL] colours" << 77 << "q.png"
                                                            << false;
    QTest::addRow("nowhere") << "" << "" << false << "" << 77 << "q.png" << false;
    QTest::addRow("other tokens only") << "[WIDTH]_" << "" << false << "" << 77 << "20_q.png" << true;
}

void TestMetaVariables::colourCountReadOnlyWhenAskedFor()
{
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    QFETCH(bool, overlay);
    QFETCH(QString, overlayText);
    QFETCH(int, numCol);
    QFETCH(QString, expectedName);
    QFETCH(bool, tokens);
    if (tokens)
        SKIP_UNLESS_ENGINE_TAKES_BRACKET_NAMES();

    BatchFixture f;
    f.s.RenamePrefix = prefix;
    f.s.RenameSuffix = suffix;
    f.s.TextOverlay = overlay;
    f.s.TextOverlayText = overlayText;
    f.run.meta().numCol = 77; // left from an earlier image
    QVERIFY(makeQuadrants(f.inPath(QStringLiteral("q.png")), 20, 20));
    f.add(QStringLiteral("q.png"));
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
    QCOMPARE(f.outFiles(), QStringList{expectedName});
    QCOMPARE(f.run.meta().numCol, numCol);
    // Width, height and size are read either way.
    QCOMPARE(f.run.meta().width, 20);
    QCOMPARE(f.run.meta().height, 20);
    if (!overlay)
        QCOMPARE(f.run.meta().fsize, QString::number(QFileInfo(f.outPath(expectedName)).size()) + QLatin1Char('B'));
}

VEXL_ENGINE_TEST_MAIN(TestMetaVariables)
#include "tst_metavariables.moc"
