// The plan a preview shows against what the run then does, and the summary a
// run gives at its end.

#include "batchfixture.h"
#include "engine/outputplan.h"

using namespace vexl;
using namespace vexl::test;

namespace {
// A planned name as a pattern for the file(s) the run makes: a meta value or a
// scene number is any text.
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
    void previewIsTheRun_data();
    void previewIsTheRun();
    void tenThousandNamesOpenNoImage();
    void summaryCounts_data();
    void summaryCounts();
};

void TestPlanSummary::previewIsTheRun_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("numbered");
    QTest::addColumn<QStringList>("existing"); // files already in the output folder
    // Per ticked image: its planned name, then "!" for a collision, "skip 2-4" for
    // numbers passed over, "?" for a name completed from the result.
    QTest::addColumn<QStringList>("planned");

    QTest::addRow("prefix and format") << QStringList{"a.jpg", "sub b.png"} << "th_" << false << QStringList{}
                                       << QStringList{"th_a.png", "th_sub b.png"};
    QTest::addRow("two images, one name") << QStringList{"a.jpg", "a.png", "c.png"} << "th_" << false
                                          << QStringList{} << QStringList{"th_a.png", "th_a.png !", "th_c.png"};
    QTest::addRow("taken numbers skipped") << QStringList{"x.png", "y.png", "z.png"} << "" << true
                                           << QStringList{"2.png", "3.png", "4.png", "6.png"}
                                           << QStringList{"1.png", "5.png skip 2-4", "7.png skip 6"};
    QTest::addRow("meta values as tokens") << QStringList{"a.png", "b.png"} << "[WIDTH]x[HEIGHT]_" << false
                                           << QStringList{} << QStringList{"[WIDTH]x[HEIGHT]_a.png ?", "[WIDTH]x[HEIGHT]_b.png ?"};
    QTest::addRow("name from the file") << QStringList{"a.png"} << "[ORIGNAME]_" << false << QStringList{}
                                        << QStringList{"[ORIGNAME]_a.png ?"};
    QTest::addRow("animation, one row") << QStringList{"anim.gif", "b.png"} << "th_" << false << QStringList{}
                                        << QStringList{"th_anim#.png", "th_b.png"};
}

void TestPlanSummary::previewIsTheRun()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, prefix);
    QFETCH(bool, numbered);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, planned);
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
    QCOMPARE(shown, planned);

    // The run makes exactly the planned files (the images in collision are skipped).
    const QStringList before = f.outFiles();
    f.yes();
    QCOMPARE(f.go(), BatchOutcome::Finished);
    QStringList made = f.outFiles();
    made.removeIf([&](const QString &file) { return before.contains(file); });
    qsizetype expected = 0;
    for (const QString &name : shown) {
        if (name.contains(" !"))
            continue;
        const QString file = QString(name).remove(QRegularExpression(" (!|\\?|skip \\S+).*$"));
        const qsizetype matching = made.filter(namePattern(file)).size();
        QVERIFY2(matching == (name.contains('#') ? 3 : 1), qPrintable(name + " -> " + made.join(", ")));
        expected += matching;
    }
    QCOMPARE(made.size(), expected);
}

void TestPlanSummary::tenThousandNamesOpenNoImage()
{
    // Empty files: an image read would find nothing to count, so every row
    // marked "one file per scene" shows that none was opened.
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

void TestPlanSummary::summaryCounts_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<int>>("counts"); // done, skipped, failed, trashed
    QTest::addColumn<QStringList>("rows");  // item: kind -> answer

    QTest::addRow("copy failure, Yes") << "folder in the way" << QList<int>{2, 0, 1, 0}
                                       << QStringList{"b.png: Failed -> Yes"};
    QTest::addRow("copy failure, No") << "folder in the way, No" << QList<int>{1, 1, 1, 0}
                                      << QStringList{"b.png: Failed -> No", ": Not processed"};
    QTest::addRow("skipped collision") << "collision" << QList<int>{3, 1, 0, 0}
                                       << QStringList{"b.jpg: Skipped"};
    QTest::addRow("stopped run") << "stop" << QList<int>{2, 1, 0, 0} << QStringList{": Not processed"};
    QTest::addRow("originals to the trash") << "delete originals" << QList<int>{3, 0, 0, 3} << QStringList{};
}

void TestPlanSummary::summaryCounts()
{
    QFETCH(QString, fault);
    QFETCH(QList<int>, counts);
    QFETCH(QStringList, rows);
    BatchFixture f;
    for (const char *name : {"a.png", "b.png", "c.png"})
        QVERIFY(f.addImage(name));
    f.s.RenamePrefix = QStringLiteral("th_");
    f.s.OutputFormat = 5;
    if (fault.startsWith(QLatin1String("folder in the way"))) {
        QVERIFY(QDir().mkpath(f.outPath("th_b.png")));
        f.host.answers.push_back(fault.endsWith(QLatin1String("No")) ? MsgAnswer::No : MsgAnswer::Yes);
    } else if (fault == QLatin1String("collision")) {
        QVERIFY(f.addImage("b.jpg")); // th_b.png again
        f.yes();
    } else if (fault == QLatin1String("stop")) {
        f.host.onImage = [&](int position, int, const QString &) {
            if (position == 2)
                f.run.requestStop();
        };
    } else if (fault == QLatin1String("delete originals")) {
        f.s.DeleteOld = true;
    }
    f.go();

    QVERIFY(f.host.summary.has_value());
    const RunSummary &s = *f.host.summary;
    QCOMPARE((QList<int>{s.done, s.skipped, s.failed, s.trashed}), counts);
    QCOMPARE(s.uploaded, 0);
    QCOMPARE(s.outputFolder, f.out);
    QStringList shown;
    for (const RunSummaryRow &r : s.rows) {
        shown << r.item + QStringLiteral(": ") + RunSummary::kindText(r.kind)
                + (r.answer.isEmpty() ? QString() : QStringLiteral(" -> ") + r.answer);
        QVERIFY(!r.detail.isEmpty());
    }
    QCOMPARE(shown, rows);
    // The message of old stays the heading.
    QVERIFY(f.finished());
}

QTEST_GUILESS_MAIN(TestPlanSummary)
#include "tst_batch_plansummary.moc"
