// The plan a preview shows against what the run does, and the run's summary.

#include "batchfixture.h"
#include "engine/outputplan.h"

using namespace vexl;
using namespace vexl::test;

namespace {
// A planned name as a pattern: a meta value or a scene number is any text.
QRegularExpression namePattern(const QString &name)
{
    QString re = QRegularExpression::escape(name);
    re.replace(QRegularExpression(QStringLiteral("\\\\\\[[A-Z]+\\\\\\]")), QStringLiteral(".*"));
    re.replace(QStringLiteral("\\#"), QStringLiteral("\\d+"));
    return QRegularExpression(QRegularExpression::anchoredPattern(re));
}
} // namespace

class TestPlanSummary : public QObject
{
    Q_OBJECT
private slots:
    void previewIsTheRun_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("numbered");
        QTest::addColumn<QStringList>("existing"); // files already in the output folder
        // Per image: its planned name, "!" a collision, "skip 2" numbers passed over, "?" known from the result.
        QTest::addColumn<QStringList>("planned");

        QTest::addRow("two images, one name") << QStringList{"a.jpg", "a.png", "c.png"} << "th_" << false
                                              << QStringList{} << QStringList{"th_a.png", "th_a.png !", "th_c.png"};
        QTest::addRow("meta values as tokens") << QStringList{"a.png", "b.png"} << "[WIDTH]x[HEIGHT]_" << false
                                               << QStringList{} << QStringList{"[WIDTH]x[HEIGHT]_a.png ?", "[WIDTH]x[HEIGHT]_b.png ?"};
        QTest::addRow("numbered animation, a number taken") << QStringList{"anim.gif", "b.jpg"} << "" << true
                                                        << QStringList{"2.png"} << QStringList{"1#.png", "3.png skip 2"};
    }

    void previewIsTheRun()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, prefix);
        QFETCH(bool, numbered);
        QFETCH(QStringList, existing);
        BatchFixture f;
        for (const QString &name : inputs) {
            if (name.endsWith(QLatin1String(".gif"))) {
                f.add(name);
                QVERIFY(makeAnimatedGif(f.inPath(name), 3));
            } else {
                QVERIFY(f.addImage(name));
            }
        }
        for (const QString &name : existing)
            QVERIFY(makeImage(f.outPath(name), 8, 8));
        f.s.OutputFormat = 5; // PNG
        f.s.AniExtractAllScenes = true;
        f.s.RenamePrefix = prefix;
        f.s.SequentialNumber = numbered;
        f.s.StartNumber = QStringLiteral("1");

        const QList<PlannedImage> plan = OutputPlanner(f.s, f.input, OutputPlanner::runOutputBase(f.s, f.input), false)
                                             .plan(ScenePlanning::OneRow);
        QStringList shown;
        for (const PlannedImage &p : plan) {
            QString name = QFileInfo(p.outputs.value(0)).fileName();
            if (p.perScene)
                name.insert(name.lastIndexOf(QLatin1Char('.')), QLatin1Char('#'));
            shown << name + (p.collision != CollisionKind::None ? " !" : "")
                    + (p.skippedNumbers.isEmpty() ? QString() : " skip " + NumberList(p.skippedNumbers))
                    + (p.nameKnown ? "" : " ?");
        }
        QTEST(shown, "planned");

        // The run makes exactly the files of the full plan it reads (collisions skipped).
        const QList<PlannedImage> full = OutputPlanner(f.s, f.input, OutputPlanner::runOutputBase(f.s, f.input), false).plan();
        const QStringList before = f.outFiles();
        f.yes();
        QCOMPARE(f.go(), BatchOutcome::Finished);
        QStringList made = f.outFiles();
        made.removeIf([&](const QString &file) { return before.contains(file); });
        qsizetype planned = 0;
        for (const PlannedImage &p : full)
            for (const QString &out : p.collision == CollisionKind::None ? p.outputs : QStringList()) {
                QVERIFY2(made.filter(namePattern(QFileInfo(out).fileName())).size() == 1, qPrintable(out));
                ++planned;
            }
        QCOMPARE(made.size(), planned);
    }

    void tenThousandNamesOpenNoImage()
    {
        // Empty files: a row marked "one file per scene" shows none was opened.
        BatchFixture f;
        for (int i = 0; i < 10000; ++i) {
            const QString name = QStringLiteral("img%1.gif").arg(i, 5, 10, QLatin1Char('0'));
            QFile file(f.inPath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            f.add(name);
        }
        f.s.OutputFormat = 5;
        f.s.AniExtractAllScenes = true;
        f.s.RenamePrefix = QStringLiteral("th_");
        const QList<PlannedImage> plan = OutputPlanner(f.s, f.input, f.out, false).plan(ScenePlanning::OneRow);
        QCOMPARE(plan.size(), 10000);
        QVERIFY(std::all_of(plan.begin(), plan.end(), [](const PlannedImage &p) { return p.perScene; }));
        QCOMPARE(plan.last().outputs, QStringList{f.outPath("th_img09999.png")});
    }

    // Something in the way of an output asks; Yes skips the image (source kept), No ends the run.
    void summaryCounts_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QList<int>>("counts"); // done, skipped, failed, trashed
        QTest::addColumn<QStringList>("rows");  // item: kind -> answer
        QTest::addColumn<QString>("question");  // "<title>: <text>" the first starts with, IN and OUT for the folders
        QTest::addColumn<QStringList>("outAfter");
        QTest::addColumn<QStringList>("inAfter");
        const QString copy = "Copy Error: Could not copy \"IN/sub/b.png\" to \"OUT/sub/th_b.png\"!\r\n"
                             "Do you want to continue processing images?\r\n\r\n";
        const QStringList all{"sub/th_b.png", "th_a.png", "th_c.png"};
        QTest::addRow("copy failure, No") << "folder in the way, No" << QList<int>{1, 1, 1, 1}
                                          << QStringList{"sub/b.png: Failed -> No", ": Not processed"} << copy
                                          << QStringList{"th_a.png"} << QStringList{"c.png", "sub/b.png"};
        QTest::addRow("sub-folder not made, Yes")
            << "file in the way" << QList<int>{2, 0, 1, 2} << QStringList{"sub/b.png: Failed -> Yes"}
            << "Dir Create Error: Error creating directory:\r\nOUT/sub\r\n\r\nDo you want to continue?"
            << QStringList{"sub", "th_a.png", "th_c.png"} << QStringList{"sub/b.png"};
        QTest::addRow("skipped collision") << "collision" << QList<int>{3, 1, 0, 3} << QStringList{"sub/b.jpg: Skipped"}
                                           << "Name Collision: " << all << QStringList{"sub/b.jpg"};
        QTest::addRow("stopped run") << "stop" << QList<int>{2, 1, 0, 2} << QStringList{": Not processed"} << ""
                                     << QStringList{"sub/th_b.png", "th_a.png"} << QStringList{"c.png"};
        QTest::addRow("originals to the trash") << "" << QList<int>{3, 0, 0, 3} << QStringList{} << "" << all << QStringList{};
    }
    void summaryCounts()
    {
        QFETCH(QString, fault);
        QFETCH(QString, question);
        BatchFixture f;
        for (const char *name : {"a.png", "sub/b.png", "c.png"})
            QVERIFY(f.addImage(name));
        f.s.RenamePrefix = QStringLiteral("th_");
        f.s.OutputFormat = 5;
        f.s.MiscFlipHoriz = true; // would fail on the obstacle if the skipped steps ran
        f.s.DeleteOld = f.s.ReplicateSubDirs = f.input.recurse = true;
        if (fault.startsWith(QLatin1String("folder in the way"))) {
            QVERIFY(QDir().mkpath(f.outPath("sub/th_b.png")));
            f.host.answers.push_back(fault.endsWith(QLatin1String("No")) ? MsgAnswer::No : MsgAnswer::Yes);
        } else if (fault == QLatin1String("file in the way")) {
            QVERIFY(writeFile(f.outPath("sub"), "file"));
            f.yes();
        } else if (fault == QLatin1String("collision")) {
            QVERIFY(f.addImage("sub/b.jpg")); // sub/th_b.png again
            f.yes();
        } else if (fault == QLatin1String("stop")) {
            f.host.onImage = [&](int position, int, const QString &) {
                if (position == 2)
                    f.run.requestStop();
            };
        }
        f.go();

        QCOMPARE(f.host.asked.size(), question.isEmpty() ? 1 : 2);
        const ShownDialog &q = f.host.asked.first();
        question.replace(QLatin1String("IN"), f.in).replace(QLatin1String("OUT"), f.out);
        QVERIFY2((q.title + QStringLiteral(": ") + q.text).startsWith(question), qPrintable(q.text));
        QCOMPARE(q.buttons, question.isEmpty() ? MsgButtons::Ok : MsgButtons::YesNo);
        QTEST(f.outFiles(), "outAfter");
        QTEST(f.inFiles(), "inAfter");
        QVERIFY(f.host.errors.isEmpty());
        QVERIFY(f.host.summary.has_value());
        const RunSummary &s = *f.host.summary;
        QTEST((QList<int>{s.done, s.skipped, s.failed, s.trashed}), "counts");
        QCOMPARE(s.uploaded, 0);
        QCOMPARE(s.outputFolder, f.out);
        QStringList shown;
        for (const RunSummaryRow &r : s.rows) {
            shown << r.item + QStringLiteral(": ") + RunSummary::kindText(r.kind)
                    + (r.answer.isEmpty() ? QString() : QStringLiteral(" -> ") + r.answer);
            QVERIFY(!r.detail.isEmpty());
        }
        QTEST(shown, "rows");
        // The message of old stays the heading.
        QVERIFY(f.finished());
    }
};

QTEST_GUILESS_MAIN(TestPlanSummary)
#include "tst_batch_plansummary.moc"
