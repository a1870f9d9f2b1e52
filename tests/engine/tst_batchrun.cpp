// The batch spine: start checks, the loop, copy / rename / scene extraction and Stop.

#include "batchfixture.h"

using namespace vexl;
using namespace vexl::test;

namespace {
QColor sceneColour(int i) // the colour of scene i of makeAnimatedGif
{
    return QColor((i * 20) % 256, (i * 50) % 256, 255 - (i * 20) % 256);
}
} // namespace

class TestBatchRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_gifs; // 3 and 12 scenes, made once: GIFs are slow to write

    void addGif(BatchFixture &f, int scenes)
    {
        const QString gif = m_gifs.filePath(QStringLiteral("%1.gif").arg(scenes));
        QVERIFY(QFile::copy(gif, f.inPath(QStringLiteral("anim.gif"))));
        f.add(QStringLiteral("anim.gif"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(makeAnimatedGif(m_gifs.filePath(QStringLiteral("3.gif")), 3));
        QVERIFY(makeAnimatedGif(m_gifs.filePath(QStringLiteral("12.gif")), 12));
    }

    void startChecks_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("expected"); // "title:a word of the text"; "" = no question
        // Answered No: the main window's startWarnings table.
        const int yes = int(MsgAnswer::Yes), cancel = int(MsgAnswer::Cancel);
        QTest::addRow("delete old answered Cancel: stores, starts")
            << "delete same resize" << cancel << "Delete Warning:";
        QTest::addRow("same folder greyscale only: IMMINENT") << "same grey" << yes << "Overwrite Warning:IMMINENT";
        QTest::addRow("same folder through a link: IMMINENT") << "linked resize" << yes << "Overwrite Warning:IMMINENT";
        QTest::addRow("same folder format change only: MEDIUM") << "same format" << yes << "Overwrite Warning:MEDIUM";
        QTest::addRow("same folder with a prefix: none") << "same resize prefix" << yes << "";
        QTest::addRow("same folder renaming only: none") << "same spaces" << yes << "";
    }
    void startChecks()
    {
        QFETCH(QString, setup);
        QFETCH(int, answer);
        QFETCH(QString, expected);
        BatchFixture f;
        const QString link = f.world.path(QStringLiteral("link"));
        QVERIFY(QFile::link(f.in, link));
        const QStringList w = setup.split(QLatin1Char(' '));
        const auto has = [&](const char *word) { return w.contains(QLatin1String(word)); };
        f.s.DeleteOld = has("delete");
        f.s.DimensionMethod = has("resize") ? 1 : 0;
        f.s.MiscGreyscale = has("grey");
        f.s.OutputFormat = has("format") ? 3 : 0;
        f.s.Spaces = has("spaces") ? 1 : 0;
        f.s.RenamePrefix = has("prefix") ? QStringLiteral("th_") : QString();
        f.s.OutputDir = has("same") ? f.in : has("linked") ? link : f.out;

        QStringList asked;
        int stored = 0;
        const bool started = BatchRun::StartChecks(
            f.s, f.input.currentFolder, 0,
            [&](const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) {
                const bool yesNoCancel = buttons == MsgButtons::YesNoCancel && icon == MsgIcon::Question;
                asked << (yesNoCancel ? title : QStringLiteral("?")) + QLatin1Char(':') + text;
                return MsgAnswer(answer);
            },
            [&] { ++stored; });
        // No does not start; Cancel starts and stores "ignore" for later runs.
        QCOMPARE(started, asked.isEmpty() || answer != int(MsgAnswer::No));
        QCOMPARE(stored, !asked.isEmpty() && answer == int(MsgAnswer::Cancel) ? 1 : 0);
        QCOMPARE(asked.size(), expected.isEmpty() ? 0 : 1);
        if (!expected.isEmpty()) {
            const QStringList want = expected.split(QLatin1Char(':'));
            QVERIFY2(asked.first().startsWith(want.at(0) + QLatin1Char(':')) && asked.first().contains(want.at(1)),
                     qPrintable(asked.first()));
        }
    }

    // Delete Old without image operations moves the file, never onto itself.
    void renameOnly_data()
    {
        QTest::addColumn<QString>("outputDir"); // below the test world
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("result");
        QTest::addRow("same folder, same name: untouched") << "in" << "" << "in/a.jpg";
        QTest::addRow("same folder through a link: untouched") << "link" << "" << "in/a.jpg";
        QTest::addRow("moved over an older output") << "out" << "new_" << "out/new_a.jpg";
    }
    void renameOnly()
    {
        QFETCH(QString, outputDir);
        QFETCH(QString, prefix);
        QFETCH(QString, result);
        BatchFixture f;
        QVERIFY(QFile::link(f.in, f.world.path(QStringLiteral("link"))));
        f.s.DeleteOld = true;
        f.s.RenamePrefix = prefix;
        f.s.OutputDir = f.world.path(outputDir);
        QVERIFY(f.addImage(QStringLiteral("a.jpg")));
        QVERIFY(writeFile(f.outPath(QStringLiteral("new_a.jpg")), "older"));
        const QString source = f.inPath(QStringLiteral("a.jpg"));
        const QDateTime stamp(QDate(2001, 2, 3), QTime(4, 5, 6));
        {
            QFile file(source);
            QVERIFY(file.open(QIODevice::Append) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        const QByteArray sum = checksum(source);
        const quint64 node = inode(source);
        QCOMPARE(f.run.Run(f.s, f.input, f.host), BatchOutcome::NotStarted); // no start request

        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.run.Run(f.s, f.input, f.host), BatchOutcome::NotStarted); // one run per request
        QVERIFY2(f.host.errors.isEmpty(), qPrintable(f.host.errors.value(0).description));
        QCOMPARE(f.host.titles(), QStringList{"Done"});
        const QString path = f.world.path(result);
        QCOMPARE(inode(path), node);
        QCOMPARE(checksum(path), sum);
        QCOMPARE(QFileInfo(path).lastModified(), stamp);
        QCOMPARE(f.inFiles(), result.startsWith(QLatin1String("in/")) ? QStringList{"a.jpg"} : QStringList{});
    }

    // Every scene worked on, named by the meta values of its published file.
    void animatedGifExtractAllScenes()
    {
        BatchFixture f;
        f.s.OutputFormat = 5; // PNG
        f.s.AniExtractAllScenes = f.s.DeleteOld = f.s.MiscInvert = true;
        f.s.RenameSuffix = QStringLiteral("_[WIDTH]x[HEIGHT]_[FSIZE]");
        f.s.DimensionMethod = 4; // the scenes change after they are written
        f.s.DimensionWidth = QStringLiteral("12");
        f.s.DimensionHeight = QStringLiteral("9");
        addGif(f, 12);
        QVERIFY(f.addImage(QStringLiteral("next.png"), 10, 10));

        QCOMPARE(f.go(), BatchOutcome::Finished);
        QCOMPARE(f.host.titles(), QStringList{QStringLiteral("Done")});
        const QStringList out = f.outFiles();
        QCOMPARE(out.size(), 13);
        QVERIFY2(out.last().startsWith(QLatin1String("next_12x9_")), qPrintable(out.last()));
        QStringList scenes; // the scene number ends the name
        for (const QString &name : out.mid(0, 12)) { // every scene negated
            const QString path = f.outPath(name);
            scenes << name.right(6).left(2);
            QCOMPARE(formatOf(path), QStringLiteral("PNG"));
            QCOMPARE(name, identifyText(path, "anim_%wx%h_%b" + scenes.last() + ".png"));
            const QColor c = sceneColour(scenes.last().toInt() - 1);
            QCOMPARE(QColor(QImage(path).pixel(3, 3)), QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()));
        }
        scenes.sort();
        QCOMPARE(scenes, (QStringList{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"}));
        // The GIF went once its last scene was out; the progress moved once for it.
        QVERIFY(f.inFiles().isEmpty());
        QCOMPARE(f.host.progressValues, (QList<int>{0, 1, 2}));
    }

};

VEXL_ENGINE_TEST_MAIN(TestBatchRun)
#include "tst_batchrun.moc"
