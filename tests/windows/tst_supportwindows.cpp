// The local folder chooser, the About box and the desktop entry of the folder verb.
#include "support/appversion.h"
#include "support/desktopintegration.h"
#include "windows/frmabout.h"
#include "windows/frmselectoutputdir.h"
#include "testsupport.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
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
        QTest::addRow("empty answer") << std::optional<QString>("") << QString() << QStringList();
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
        QVERIFY(chooser.selectFolder(base));
        dialogs.answerInput(answer);
        QTest::mouseClick(chooser.findChild<QPushButton *>("cmdMakeFolder"), Qt::LeftButton);

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

    void chooserGivesTheFolder()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString deep = world.path("a/b/c");
        QVERIFY(QDir().mkpath(deep));
        frmSelectOutputDir chooser;
        // OK gives the folder the tree was opened at; Cancel gives nothing.
        QTimer::singleShot(0, &chooser, [&] { chooser.findChild<QPushButton *>("cmdOK")->click(); });
        QCOMPARE(chooser.choose(deep, "Select Output Directory:"), std::optional<QString>(deep));
        QCOMPARE(chooser.windowTitle(), "Select Output Directory:");
        QTimer::singleShot(0, &chooser, [&] { chooser.findChild<QPushButton *>("cmdCancel")->click(); });
        QCOMPARE(chooser.choose(deep, "x"), std::nullopt);
        QVERIFY(!chooser.selectFolder(world.path("missing")));
    }

    void aboutBox_data()
    {
        QTest::addColumn<QString>("licencePlace");
        QTest::addRow("licence beside the program") << "program/ImageMagickLicense.txt";
        QTest::addRow("licence in the installed share folder") << "share/vexl-dovo/ImageMagickLicense.txt";
        QTest::addRow("licence missing") << "";
    }

    void aboutBox()
    {
        QFETCH(QString, licencePlace);
        const bool licencePresent = !licencePlace.isEmpty();
        TestWorld world;
        ScriptedDialogService dialogs;
        // The build puts the licence beside the executables; an installation
        // puts it in ../share/vexl-dovo.
        if (licencePresent) {
            QVERIFY(QDir().mkpath(QFileInfo(world.path(licencePlace)).path()));
            QVERIFY(QFile::copy(QStringLiteral(VEXL_BUILT_LICENSE), world.path(licencePlace)));
            QCOMPARE(frmAbout::LicenseFile(), world.path(licencePlace));
        }
        frmAbout about;
        about.show();
        auto *licence = about.findChild<QPlainTextEdit *>("txtImageMagick");
        QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(), GetAppVersion());
        if (licencePresent) {
            QVERIFY(licence->toPlainText().contains("Licensed under the ImageMagick License"));
            QVERIFY(dialogs.shown.isEmpty());
        } else {
            QVERIFY(licence->toPlainText().isEmpty());
            QCOMPARE(dialogs.titles(), QStringList{"About Error"});
            const ErrorReport r = dialogs.shown.first().report;
            QCOMPARE(r.operation, "Path: " + frmAbout::LicenseFile());
            QCOMPARE(r.procedureName, "Form_Activate");
            QCOMPARE(r.description, "(2) File not found");
        }
        about.hide();
        QVERIFY(licence->toPlainText().isEmpty());
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
};

QTEST_MAIN(TestSupportWindows)
#include "tst_supportwindows.moc"
