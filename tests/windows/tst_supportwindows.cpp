// Folder chooser, About box, folder verb entry, process log and error report (fatal: in a child).
#include "support/appversion.h"
#include "support/desktopintegration.h"
#include "support/dialogservice.h"
#include "windows/frmabout.h"
#include "windows/frmerror.h"
#include "windows/frmselectoutputdir.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace vexl;
using namespace vexl::test;

class TestSupportWindows : public QObject
{
    Q_OBJECT
private slots:
    void makeNewFolder_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QStringList>("messages");
        QTest::addRow("good name") << std::optional<QString>("New Folder") << "New Folder" << QStringList();
        QTest::addRow("colon") << std::optional<QString>("a:b") << QString() << QStringList{"Make Folder Error"};
        QTest::addRow("cancelled") << std::optional<QString>() << QString() << QStringList();
    }

    void makeNewFolder()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, created);
        QFETCH(QStringList, messages);
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString base = world.path("out");
        QVERIFY(QDir().mkpath(base + "/sub"));
        frmSelectOutputDir chooser;
        dialogs.answerInput(answer);
        // OK gives the folder selected in the tree: the new one, or the one it was opened at
        QTimer::singleShot(0, &chooser, [&] {
            QTest::mouseClick(chooser.findChild<QPushButton *>("cmdMakeFolder"), Qt::LeftButton);
            chooser.findChild<QPushButton *>("cmdOK")->click();
        });
        QCOMPARE(chooser.choose(base, "Select Output Directory:"),
                 std::optional<QString>(created.isEmpty() ? base : base + '/' + created));

        QCOMPARE(dialogs.titles(), QStringList{"Make New Folder"} + messages);
        QVERIFY(dialogs.shown.first().text.endsWith("\r\n" + base));
        if (!messages.isEmpty())
            QCOMPARE(dialogs.shown.last().text, "Filename cannot contain the following characters: \\ / | ? \" > < * :");
        const QStringList expected = created.isEmpty() ? QStringList{"sub"} : QStringList{created, "sub"};
        QCOMPARE(QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot), expected);
        const QTreeWidgetItem *current = chooser.findChild<QTreeWidget *>("ftvOutputFolder")->currentItem();
        if (!created.isEmpty()) { // the tree shows the new folder, selected
            QCOMPARE(current->text(0), created);
            QCOMPARE(current->parent()->childCount(), 2);
        } else {
            QCOMPARE(current->text(0), "out");
        }
    }

    // The licence as installed, in ../share/vexl-dovo; when it is missing, a report.
    void aboutBox()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString installed = world.path("share/vexl-dovo/ImageMagickLicense.txt");
        QVERIFY(QDir().mkpath(QFileInfo(installed).path()));
        QVERIFY(QFile::copy(QStringLiteral(VEXL_BUILT_LICENSE), installed));
        QCOMPARE(frmAbout::LicenseFile(), installed);
        frmAbout about;
        about.show();
        auto *licence = about.findChild<QPlainTextEdit *>("txtImageMagick");
        QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(), GetAppVersion());
        QVERIFY(licence->toPlainText().contains("Licensed under the ImageMagick License"));
        QVERIFY(dialogs.shown.isEmpty());
        about.hide();
        QVERIFY(licence->toPlainText().isEmpty());

        QVERIFY(QFile::remove(installed));
        about.show();
        QVERIFY(licence->toPlainText().isEmpty());
        QCOMPARE(dialogs.titles(), QStringList{"About Error"});
        const ErrorReport r = dialogs.shown.first().report;
        QCOMPARE(r.operation, "Path: " + frmAbout::LicenseFile());
        QCOMPARE(r.procedureName, "Form_Activate");
        QCOMPARE(r.description, "(2) File not found");
    }

    void folderVerbExec_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::addRow("plain") << "/opt/vexl/vexl-dovo" << "/opt/vexl/vexl-dovo %f";
        QTest::addRow("blank") << "/opt/my apps/vexl-dovo" << "\"/opt/my apps/vexl-dovo\" %f";
        QTest::addRow("quote and dollar") << "/opt/a\"$b/vexl" << "\"/opt/a\\\"\\$b/vexl\" %f";
        QTest::addRow("per cent") << "/opt/100%/vexl" << "/opt/100%%/vexl %f";
    }

    void folderVerbExec()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(FolderVerbExec(program), exec);
    }

    void errorReportDetailsAndLink()
    {
        const ErrorReport r{.title = "Processing Images Error", .description = "(3) Disk full", .windowName = "frmGo",
                            .procedureName = "Form_Activate", .operation = "0> MAIN - Process Started",
                            .settings = "txtWidth.Text = \"100\"\r\n", .errNumber = 61,
                            .errSource = "ProcessLog.AddCurrOp", .errDescription = "Disk full"};
        frmError dialog;
        dialog.setReport(r);
        QCOMPARE(dialog.windowTitle(), r.title);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblID"))->text(), QStringLiteral("61"));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblDescription"))->text(),
                 QStringLiteral("Description: (3) Disk full"));
        const QString details = frmError::DetailsText(r);
        QCOMPARE(details, QStringLiteral("SOURCE: ProcessLog.AddCurrOp/Form_Activate\r\nNUMBER: 61\r\n"
                                         "OPERATION: 0> MAIN - Process Started\r\nFATAL: False\r\n"
                                         "DESCRIPTION: Disk full\r\nSETTINGS: \r\ntxtWidth.Text = \"100\"\r\n"));
        const QString url = dialog.bugReportUrl();
        QVERIFY(url.startsWith(WebBaseAddress() + QStringLiteral("feedback.php?type=bug&progid=52&progver=")));
        QVERIFY(url.contains(QStringLiteral("&window=frmGo&desc=SOURCE%3A%20ProcessLog%2EAddCurrOp%2FForm%5FActivate%0DNUMBER%3A%2061%0D")));
    }

    // A fatal report ends the program once it is closed; a non-fatal one returns.
    void fatalReportEndsTheProgram_data()
    {
        QTest::addColumn<bool>("fatal");
        QTest::addRow("not fatal") << false;
        QTest::addRow("fatal") << true;
    }
    void fatalReportEndsTheProgram()
    {
        QFETCH(bool, fatal);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--report"), fatal ? QStringLiteral("fatal") : QStringLiteral("plain")});
        QVERIFY(child.waitForFinished(20000));
        const QByteArray out = child.readAllStandardOutput();
        QVERIFY(child.readAllStandardError().contains("(7) Child failure"));
        QCOMPARE(out.contains("after the report"), !fatal);
        QCOMPARE(child.exitCode() != 0, fatal);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--report") == 0) {
        // The terminal dialog service shows the report on stderr.
        QCoreApplication app(argc, argv);
        ErrorReport r;
        r.description = QStringLiteral("(7) Child failure");
        r.fatal = qstrcmp(argv[2], "fatal") == 0;
        DisplayError(r);
        printf("after the report\n");
        return 0;
    }
    QApplication app(argc, argv);
    TestSupportWindows t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_supportwindows.moc"
