// The name preview from the main window's button to the run, and the run summary window.

#include "mainwindowfixture.h"
#include "windows/frmnamepreview.h"
#include "windows/frmrunsummary.h"
#include "windows/widgetdialogservice.h"
#include "support/languages.h"

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <QTreeWidget>

using namespace vexl;
using namespace vexl::test;

class TestRunWindows : public QObject
{
    Q_OBJECT
private slots:
    void previewStartsTheRun();
    void summaryWindow();
    void collisionQuestionInGerman();
};

void TestRunWindows::previewStartsTheRun()
{
    Fixture f;
    makeImages(f.pics, {"a.jpg", "a.png", "c.png"});
    QVERIFY(f.open(f.pics));
    f.outputTo(f.out);
    f.type("txtPrefix", "th_");
    f.choose("cmbOutputFormat", 5); // PNG: a.jpg and a.png both want th_a.png
    f.tick("c.png", false);

    QStringList rows;
    QString summary;
    QTimer::singleShot(0, [&] {
        auto *preview = qobject_cast<frmNamePreview *>(QApplication::activeModalWidget());
        QVERIFY(preview);
        auto *list = ctl<QTreeWidget>(preview, "tvwNames");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + " -> " + list->topLevelItem(i)->text(2)
                    + (list->topLevelItem(i)->text(3).startsWith("Name collision") ? " !" : "");
        summary = ctl<QLabel>(preview, "lblSummary")->text();
        f.dialogs.answer(MsgAnswer::Yes); // go on without the colliding image
        QTest::mouseClick(ctl<QPushButton>(preview, "cmdGo"), Qt::LeftButton);
    });
    f.dialogs.clear();
    f.click("cmdPreviewNames");

    QCOMPARE(rows, (QStringList{"a.jpg -> th_a.png", "a.png -> th_a.png !"}));
    QVERIFY2(summary.contains("Name collisions (the run asks before it starts): 1"), qPrintable(summary));
    // "Start >>>" there is the main window's: the run asked and ran.
    QCOMPARE(f.dialogs.titles(), (QStringList{"Name Collision", "Done"}));
    QCOMPARE(filesIn(f.out), QStringList{"th_a.png"});
}

void TestRunWindows::summaryWindow()
{
    TestWorld world;
    RunSummary s;
    s.done = 2;
    s.skipped = 1;
    s.failed = 1;
    s.trashed = 2;
    s.outputFolder = world.path();
    s.rows << RunSummaryRow{RunSummaryRow::Kind::Failed, "b.png", "Copy Error: Is a directory", "Yes"}
           << RunSummaryRow{RunSummaryRow::Kind::Skipped, "b.jpg", "Skipped b.jpg", QString()};
    for (bool ftp : {false, true}) {
        s.ftp = ftp;
        bool seen = false;
        // The program's own dialog service shows the window, modal, over the main window.
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<frmRunSummary *>(QApplication::activeModalWidget());
            QVERIFY(w);
            QCOMPARE(w->windowTitle(), "Done");
            QCOMPARE(ctl<QLabel>(w, "lblHeading")->text(), "Process Finished!");
            QCOMPARE(ctl<QLabel>(w, "lblCounts")->text().split("    "),
                     (QStringList{"Done: 2", "Skipped: 1", "Failed: 1", "Deleted to trash: 2", "Uploaded: 0"}));
            auto *rows = ctl<QTreeWidget>(w, "tvwRows");
            QCOMPARE(rows->topLevelItemCount(), 2);
            QCOMPARE(rows->topLevelItem(0)->text(3), "Yes");
            QCOMPARE(ctl<QPushButton>(w, "cmdOpenFolder")->isEnabled(), !ftp);
            QTest::mouseClick(ctl<QPushButton>(w, "cmdCopy"), Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), s.text());
            seen = true;
            w->accept();
        });
        WidgetDialogService().showRunSummary(s);
        QVERIFY(seen);
    }
    QVERIFY(s.text().contains("b.png - Failed: Copy Error: Is a directory -> Answer: Yes"));
}

// The question is looked up under the name its translations are filed under.
void TestRunWindows::collisionQuestionInGerman()
{
    PlannedImage a;
    a.item = "a.jpg";
    a.input = "/in/a.jpg";
    a.outputs = QStringList{"/out/a.png"};
    PlannedImage b = a;
    b.index = 1;
    b.item = "a.png";
    b.input = "/in/a.png";
    b.collision = CollisionKind::SharedOutput;
    b.contested = "/out/a.png";
    QVERIFY(InstallLanguage("de"));
    const QString question = OutputPlanner::collisionQuestion({a, b}, "/out");
    InstallLanguage(QString());
    QVERIFY2(question.startsWith("Diese Bilder"), qPrintable(question));
}

QTEST_MAIN(TestRunWindows)
#include "tst_runwindows.moc"
