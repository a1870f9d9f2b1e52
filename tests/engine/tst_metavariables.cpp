// Meta variables: the number formatters, the token substitution, the meta data
// step and the meta record's life across images and runs.

#include "batchfixture.h"

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
        QTest::addRow("repeated token") << "[SEQNUM]-[seqnum]" << "7-7" << "7-7";
        QTest::addRow("file name is left to the overlay") << "[FNAME]" << "[FNAME]" << "[FNAME]";
        QTest::addRow("per cent sign") << "50% off" << "50\\% off" << "50% off";
        QTest::addRow("line escapes removed") << "a\\nb\\rc" << "abc" << "abc";
    }
    void replaceMeta()
    {
        QFETCH(QString, text);
        QFETCH(QString, forEngine);
        QFETCH(QString, forName);
        BatchRun run;
        run.meta() = MetaRecord{QString(), QStringLiteral("JPG"), 7, 12, 640, 480, 256, QStringLiteral("25.3KB")};
        QCOMPARE(run.ReplaceMeta(text), forEngine);
        QCOMPARE(run.ReplaceMetaForName(text), forName);
    }

    // The record outlives images and runs: a failed or skipped meta step keeps
    // the previous values.
    void failedOrSkippedMetaStepKeepsPreviousValues()
    {
        BatchFixture f;
        QVERIFY(f.addImage(QStringLiteral("a.png"), 40, 30));
        f.add(QStringLiteral("b.png"));
        QVERIFY(writeFile(f.inPath(QStringLiteral("b.png")), "not a picture"));
        f.yes();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), (QStringList{"Identify Error", "Done"}));
        const QString text = f.host.asked.first().text;
        const QString b = f.outPath(QStringLiteral("b.png"));
        QVERIFY2(text.startsWith(QStringLiteral("Could not retrive information on \"%1\" because:\r\n(0) ").arg(b)),
                 qPrintable(text));
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), QSize(40, 30));
        const QString sizeOfA = f.run.meta().fsize;
        QCOMPARE(sizeOfA, QString::number(QFileInfo(f.outPath(QStringLiteral("a.png"))).size()) + QLatin1Char('B'));

        // A copy failure skips the next run's meta step.
        QVERIFY(f.addImage(QStringLiteral("c.png"), 10, 10));
        f.input.checked = {false, false, true};
        QVERIFY(QDir().mkpath(f.outPath(QStringLiteral("c.png"))));
        f.yes();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.count(QStringLiteral("Copy Error")), 1);
        QCOMPARE(QSize(f.run.meta().width, f.run.meta().height), QSize(40, 30));
        QCOMPARE(f.run.meta().fsize, sizeOfA);
        QCOMPARE(f.run.meta().selNum, qint16(1));
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
