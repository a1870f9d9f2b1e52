// Broken, hostile and oddly named files: one question each, nothing else touched.
#include "batchfixture.h"
#include "hostilefiles.h"

#include <QElapsedTimer>

using namespace vexl;
using namespace vexl::test;

class TestBatchBadInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageEngine::initialize(); } // not counted in the memory of the run

    void brokenAndHostileFilesAskOnceEach()
    {
        BatchFixture f;
        f.s.MiscAntialias = true;
        f.s.RenamePrefix = QStringLiteral("t_");
        // A shrinking resize: its decode-size hint must not let a declared giant through.
        f.s.DimensionMethod = 1;
        f.s.DimensionWidth = f.s.DimensionHeight = QStringLiteral("100");
        f.s.DimensionShrinkOnly = true;
        QVERIFY(f.addImage(QStringLiteral("a_good.jpg"), 64, 48));
        const std::pair<const char *, QByteArray> bad[] = {
            {"b_text.jpg", "this is not an image\n"},
            {"c_zero.png", QByteArray()},
            {"d_truncated.jpg", fileBytes(f.inPath(QStringLiteral("a_good.jpg"))).left(300)},
            {"e_bomb.png", pngBomb(65000, 65000)},
            {"e_bomb16k.png", pngBomb(16000, 16000)},
            {"e_bomb.jpg", jpegBomb()},
            {"e_tables.jpg", jpegDeclaring(60000, 60000)},
            {"f_frames.gif", gifOf(100000, 4, 4)},
            {"f_frame.gif", gifOf(1, 65000, 65000)},
            {"g_svg.gif", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60000\" height=\"60000\"/>"},
            {"g_mvg.png", "push graphic-context\nviewbox 0 0 60000 60000\n"},
        };
        for (const auto &[name, bytes] : bad) {
            QVERIFY(writeFile(f.inPath(QLatin1String(name)), bytes));
            f.add(QLatin1String(name));
        }
        // 100 KiB of text chunk inflating to 96 MiB: read without it.
        QVERIFY(writeFile(f.inPath(QStringLiteral("y_text.png")), pngTextBomb(96)));
        f.add(QStringLiteral("y_text.png"));
        QVERIFY(f.addImage(QStringLiteral("z_good.png"), 50, 40));
        const auto before = checksums(f.in);
        f.host.defaultAnswer = MsgAnswer::Yes;

        const qint64 memoryBefore = peakRssKiB();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(peakRssKiB() - memoryBefore < 300 * 1024);

        QStringList expected(int(std::size(bad)), QStringLiteral("ImageMagick Error"));
        QCOMPARE(f.host.titles(), expected << QStringLiteral("Done"));
        QCOMPARE(imageSize(f.outPath(QStringLiteral("t_a_good.jpg"))), qMakePair(64, 48));
        QCOMPARE(imageSize(f.outPath(QStringLiteral("t_z_good.png"))), qMakePair(50, 40));
        QVERIFY(QFileInfo(f.outPath(QStringLiteral("t_y_text.png"))).size() < 64 * 1024);
        QCOMPARE(checksums(f.in), before);
    }

    void oddNamesAreReadAndWrittenAsThemselves()
    {
        BatchFixture f;
        f.s.MiscFlipHoriz = true;
        f.s.TextOverlay = true; // a composite on the file as well
        f.s.TextOverlayText = QStringLiteral("x");
        f.s.RenameSuffix = QStringLiteral("_x");
        f.s.OutputDir = f.in;
        f.input.recurse = f.s.ReplicateSubDirs = true;
        const QStringList odd = {"c?.png", "c*.png", "photo[1].png", "s%d.png", "50%.png", "two words.png", "-dash.png",
                                 "@list.png", "~home.png", "png:c.png", "b{1,2}.png", QString::fromUtf8("été.png"),
                                 "we[i]rd %d dir/in.png"};
        for (int i = 0; i < odd.size(); ++i)
            QVERIFY(f.addImage(odd.at(i), 31 + i, 20, unsigned(i + 1)));
        // Neighbours a pattern, list file, home folder, coder prefix or braces would reach.
        QMap<QString, QByteArray> neighbours;
        for (const char *name : {"c1.png", "photo.png", "s1.png", "c1_x.png", "photo_x.png", "list.png", "home.png",
                                 "c.png", "b1.png", "b2.png", "ete.png", "weird %d dir/in.png", "we[i]rd 0 dir/in.png"}) {
            QVERIFY(makeImage(f.inPath(QLatin1String(name)), 10, 10, 9));
            neighbours.insert(QLatin1String(name), checksum(f.inPath(QLatin1String(name))));
        }

        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
        for (int i = 0; i < odd.size(); ++i) {
            const QString out = QString(odd.at(i)).replace(QLatin1String(".png"), QLatin1String("_x.png"));
            QCOMPARE(imageSize(f.inPath(out)), qMakePair(31 + i, 20));
        }
        for (auto it = neighbours.cbegin(); it != neighbours.cend(); ++it)
            QCOMPARE(checksum(f.inPath(it.key())), it.value());
        QCOMPARE(f.inFiles().size(), 2 * odd.size() + neighbours.size());
    }
};

QTEST_GUILESS_MAIN(TestBatchBadInput)
#include "tst_batch_badinput.moc"
