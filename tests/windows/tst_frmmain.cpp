// The main window's settings and presets, fields, image list and batch runs, through its controls.
#include "changedsettings.h"
#include "ftptesthelpers.h"
#include "mainwindowfixture.h"
#include "programrun.h"
#include "settings/ftpconnections.h"
#include "windows/frmgo.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>

using namespace vexl;
using namespace vexl::test;

namespace {

// Watches the processing window's caption; `onCaption` may press its buttons.
class CaptionWatch final : public QObject
{
public:
    CaptionWatch() { qApp->installEventFilter(this); }
    ~CaptionWatch() override { qApp->removeEventFilter(this); }
    QStringList captions;
    std::function<void(QWidget *go, const QString &caption)> onCaption;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *go = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::WindowTitleChange && watched->objectName() == QLatin1String("frmGo") && go
            && go->isVisible()) {
            captions << go->windowTitle();
            if (onCaption)
                onCaption(go, go->windowTitle());
        }
        return false;
    }
};

const QStringList kDone{QStringLiteral("Done")};

QMap<QString, QByteArray> sums(const QString &folder)
{
    QMap<QString, QByteArray> m;
    for (const QString &name : filesIn(folder))
        m.insert(name, checksum(folder + '/' + name));
    return m;
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageEngine::initialize(); }

    // Every option goes from the store to the controls and back; "Reset All Settings" writes nothing.
    void saveLoadAndReset()
    {
        Fixture f;
        ProcessSettings r = everythingChanged(AddBackslash(f.pics), AddBackslash(f.out));
        r.MiscFlipVert = r.MiscGreyscale = false; // neighbours apart, so that swapped controls show
        r.OutputFormat = 9; // WEBP, the last format
        {
            SettingsStore store;
            SaveProcessSettings(store, r);
            store.setText("Tooltips", "False");
        }
        QVERIFY(f.open(QString()));
        QCOMPARE(f.w->processSettings(), r);
        QVERIFY(f.check("chkFlipH")->isChecked() && !f.check("chkFlipV")->isChecked());
        QVERIFY(f.check("chkInvert")->isChecked() && !f.check("chkGreyscale")->isChecked());
        QVERIFY(!f.action("mnuTooltips")->isChecked());
        QVERIFY(f.action("mnuAniExtractAllScenes")->isChecked() && !f.action("mnuAniExtract1stScene")->isChecked());
        for (const char *field : {"txtWidth", "txtHeight", "txtBevelWidth", "txtRotate", "txtZeroFill", "txtOutputDir"})
            QVERIFY2(f.edit(field)->isEnabled(), field);
        QVERIFY(f.dialogs.shown.isEmpty());

        f.type("txtSuffix", "_t");
        r.RenameSuffix = "_t";
        QVERIFY(f.w->close());
        QCOMPARE(stored("RenameSuffix"), "_t");
        QCOMPARE(stored("Tooltips"), "False");
        QCOMPARE(stored("WindowState"), "0");
        for (const char *name : {"ScreenSize", "WindowWidth", "WindowHeight", "WindowX", "WindowY", "DirFilesSep"})
            QVERIFY2(!stored(name).isEmpty(), name);
        QVERIFY(f.open(QString()));
        QCOMPARE(f.w->processSettings(), r);

        f.action("mnuResetSettings")->trigger();
        ResetProcessSettings(r); // folder, destination, font and scene choice kept
        QCOMPARE(f.w->processSettings(), r);
        QVERIFY(!f.edit("txtWidth")->isEnabled() && !f.edit("txtBevelWidth")->isEnabled());
        QVERIFY(!f.check("chkShrinkOnly")->isEnabled()); // no resize, nothing to shrink
        QCOMPARE(stored("RenamePrefix"), "p_");
    }

    void destinations()
    {
        Fixture f;
        {
            SettingsStore store;
            FTPConnectionList list;
            for (const QString name : {"gamma", "beta", "Alpha"})
                list << FTPConnection{name, "h", 21, "/" + name, true, {}, {}, true, 30};
            SaveFTPConnections(store.raw(), list);
            store.setText("OutputDest", "//FTP: beta//");
        }
        QVERIFY(f.open(f.pics));
        QComboBox *dest = f.combo("cmbOutput");
        QStringList items;
        for (int i = 0; i < dest->count(); ++i)
            items << dest->itemText(i);
        QCOMPARE(items, (QStringList{"Output in Same Folder", "Output in Different Folder", "FTP: Alpha", "FTP: beta",
                                     "FTP: gamma", "Configure FTP Servers..."}));
        QCOMPARE(dest->currentIndex(), 3);
        QLineEdit *dir = f.edit("txtOutputDir");
        f.choose("cmbOutput", 4); // a connection brings its default folder
        QCOMPARE(dir->text(), "/gamma");
        QVERIFY(f.dialogs.shown.isEmpty());

        f.choose("cmbOutput", 1);
        QCOMPARE(dir->text(), AddBackslash(f.pics));
        QVERIFY(dir->isEnabled() && dir->isReadOnly());
        f.dialogs.answerFolder(f.out);
        f.click("cmdBrowse");
        QCOMPARE(dir->text(), AddBackslash(f.out));
        f.dialogs.answerFolder(std::nullopt); // cancelled: kept
        f.click("cmdBrowse");
        QCOMPARE(dir->text(), AddBackslash(f.out));

        f.choose("cmbOutput", 0);
        QCOMPARE(dir->text(), AddBackslash(f.pics));
        QVERIFY(!dir->isEnabled());

        // the connections editor keeps the chosen connection by name, with its folder; when it
        // is gone the same folder is chosen in full, not whatever took its place
        const auto removeInEditor = [&](const QString &name) {
            QTimer::singleShot(0, this, [&f, name] {
                QWidget *editor = QApplication::activeModalWidget();
                QVERIFY(editor && editor->objectName() == QLatin1String("frmFTPConnections"));
                auto *list = editor->findChild<QListWidget *>("lstConnections");
                list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
                f.dialogs.answer(MsgAnswer::Yes);
                QMetaObject::invokeMethod(editor, "cmdRemove_Click");
                editor->close();
            });
        };
        f.choose("cmbOutput", 3);
        dir->setText("/remote");
        removeInEditor("Alpha");
        f.choose("cmbOutput", 5);
        QCOMPARE(dest->currentText(), "FTP: beta");
        QCOMPARE(dir->text(), "/remote");
        removeInEditor("beta");
        f.choose("cmbOutput", 4);
        QCOMPARE(dest->currentIndex(), 0);
        QCOMPARE(dir->text(), AddBackslash(f.pics));
        QVERIFY(!dir->isEnabled() && !f.c<QPushButton>("cmdBrowse")->isEnabled());
    }

    // Saved from the window, the file holds the options and the destination
    // with its connection, and a run of it alone gives what the window's own
    // settings give.
    void savedPresetRunsOnItsOwn()
    {
        Fixture f;
        makeImages(f.pics, {"a.png", "b.jpg"});
        const QString root = f.world.path("server");
        QDir().mkpath(root);
        PyFtpServer server;
        QVERIFY2(server.start(root, "vexl", "pw"), qPrintable(server.error()));
        {
            SettingsStore store;
            SaveFTPConnections(store.raw(), {FTPConnection{"Local", "127.0.0.1", server.port(), "/", false, "vexl", "pw", true, 10}});
        }
        storeValues({{"IgnoreOverwriteWarnings", "1"}, {"Workers", "1"}});
        QVERIFY(f.open(f.pics));
        f.check("chkGreyscale")->setChecked(true);
        f.type("txtPrefix", "p_");
        f.choose("cmbOutputFormat", 3);
        f.choose("cmbOutput", 2);
        const QString preset = f.world.path("presets/web");
        QDir().mkpath(f.world.path("presets"));
        f.dialogs.answerFile(preset);
        f.action("mnuSaveSettingsAs")->trigger();
        QSettings file(preset + ".ini", QSettings::IniFormat);
        file.beginGroup("Settings");
        QStringList keys = file.childKeys();
        QVERIFY(!keys.contains("FileDir") && !keys.contains("Workers") && !keys.contains("IgnoreOverwriteWarnings"));
        QCOMPARE(keys.filter(QRegularExpression("^(Window|Screen|Tooltips|Recent|Language)")), QStringList());
        QCOMPARE(keys.size(), 38); // the options, OutputDest, OutputDir and FTPServers
        QCOMPARE(file.value("OutputDest").toString(), "//FTP: Local//");
        QCOMPARE(stored("RecentPreset1"), preset + ".ini");
        QVERIFY(f.w->close()); // the window's settings to the store

        QCOMPARE(runProgram(f.world, {"--batch", f.pics}).code, 0);
        const QMap<QString, QByteArray> windowRun = sums(root);
        QCOMPARE(windowRun.keys(), (QStringList{"p_a.jpg", "p_b.jpg"}));
        for (const QString &name : windowRun.keys())
            QVERIFY(QFile::remove(root + '/' + name));
        // No store at all: the file alone.
        QVERIFY(QFile::remove(SettingsStore::userFile()));
        QCOMPARE(runProgram(f.world, {"--batch", "--settings", preset + ".ini", f.pics}).code, 0);
        QCOMPARE(sums(root), windowRun);
    }

    // Loading: good values go to the controls, refused ones are listed; the file becomes the first recent one.
    void loadListsRefusedValues()
    {
        Fixture f;
        const QString preset = f.world.path("mixed.ini");
        QVERIFY(writeFile(preset, "[Settings]\nRenamePrefix=pre_\nMiscGreyscale=1\nJpgQuality=0\nDimensionMethod=7\n"
                                  "Workers=9\nOutputDest=//FTP: Nowhere//\n"));
        QVERIFY(f.open(f.pics));
        const ProcessSettings before = f.w->processSettings();
        f.dialogs.answerFile(preset);
        f.action("mnuLoadSettings")->trigger();
        ProcessSettings expected = before;
        expected.RenamePrefix = "pre_";
        expected.MiscGreyscale = true;
        QCOMPARE(f.w->processSettings(), expected);
        const QStringList shown = f.texts("Load Settings"); // the file chooser, then the refused values
        QCOMPARE(shown.size(), 2);
        for (const char *key : {"JpgQuality = \"0\"", "DimensionMethod = \"7\"", "OutputDest = \"//FTP: Nowhere//\""})
            QVERIFY2(shown.last().contains(key), key);
        QCOMPARE(stored("RecentPreset1"), preset);
        auto *recent = f.w->findChild<QMenu *>("mnuRecentPresets");
        QCOMPARE(recent->actions().size(), 1);
        // Picked again from the recent list after a change, it comes back.
        f.type("txtPrefix", "x_");
        recent->actions().first()->trigger();
        QCOMPARE(f.edit("txtPrefix")->text(), "pre_");
    }

    // The menu asks with the list of steps; "No" changes nothing, "Yes" undoes; then nothing is left.
    void undoFromTheMenu()
    {
        Fixture f;
        makeImages(f.pics, {"a.png", "b.png"});
        const QMap<QString, QByteArray> before = sums(f.pics);
        storeValues({{"FileDir", f.pics}, {"OutputDest", "//SAMEDIR//"}, {"RenamePrefix", "u_"}, {"DeleteOld", "1"},
                     {"MiscGreyscale", "1"}, {"IgnoreOverwriteWarnings", "1"}});
        QCOMPARE(runProgram(f.world, {"--batch", "--answer", "yes", f.pics}).code, 0);
        QCOMPARE(filesIn(f.pics), (QStringList{"u_a.png", "u_b.png"}));
        QVERIFY(f.open(f.pics));
        f.dialogs.answer(MsgAnswer::No);
        f.action("mnuUndoLastBatch")->trigger();
        QCOMPARE(filesIn(f.pics), (QStringList{"u_a.png", "u_b.png"}));
        const QString question = f.texts("Undo Last Batch").value(0);
        QVERIFY2(question.startsWith("Undo the last batch? This will:") && question.contains("Restore " + f.path("a.png"))
                     && question.contains("Remove " + f.path("u_b.png")),
                 qPrintable(question));
        f.dialogs.answer(MsgAnswer::Yes);
        f.action("mnuUndoLastBatch")->trigger();
        QCOMPARE(sums(f.pics), before);
        QTRY_COMPARE(f.items(), (QStringList{"a.png", "b.png"}));
        QVERIFY(f.texts("Undo Last Batch").value(2).startsWith("The last batch was undone."));
        f.action("mnuUndoLastBatch")->trigger();
        QCOMPARE(f.texts("Undo Last Batch").value(3), "There is no batch to undo.");
    }

    void fieldRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("result"); // after leaving the field
        QTest::addColumn<QString>("message"); // the "Field Error" shown, if any
        const QString numbersOnly = "Only numbers are allowed into this field!";
        const QString notZero = "Number not allowed to be 0!";
        const QString required = "A value is required in this field!";
        QTest::addRow("pasted letters and per cent") << "txtWidth" << "12a%" << true << "12" << numbersOnly;
        QTest::addRow("150 into the JPEG quality") << "txtJPGQuality" << "150" << false << "100" << "";
        QTest::addRow("0 into the JPEG quality") << "txtJPGQuality" << "0" << false << "1" << notZero;
        QTest::addRow("0 into the zero fill") << "txtZeroFill" << "0" << false << "0" << "";
        QTest::addRow("all nine into the suffix") << "txtSuffix" << "x\\/|?\"><*:y" << false << "xy" << "";
        QTest::addRow("pasted into the prefix") << "txtPrefix" << "c:\\tmp\\*.jpg" << true << "ctmp.jpg" << "";
        QTest::addRow("rotation left empty") << "txtRotate" << "" << false << "90" << required;
        QTest::addRow("start number may be empty") << "txtStartNumber" << "" << false << "" << "";
    }

    void fieldRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(bool, paste);
        QFETCH(QString, result);
        QFETCH(QString, message);
        Fixture f;
        QVERIFY(f.open(f.pics));
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        f.choose("cmbResizeMethod", 4);
        for (const char *box : {"chkRotate", "chkBevel", "chkSequentialNumber"})
            f.check(box)->setChecked(true);
        QLineEdit *edit = f.edit(qPrintable(field));
        if (paste) {
            edit->setFocus();
            edit->selectAll();
            edit->insert(keys);
        } else {
            f.type(qPrintable(field), keys);
        }
        QTRY_VERIFY(edit->hasFocus());
        // another window or a menu taking the focus is not leaving the field
        const qsizetype shown = f.dialogs.shown.size();
        for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent away(QEvent::FocusOut, reason);
            QApplication::sendEvent(edit, &away);
        }
        QCOMPARE(f.dialogs.shown.size(), shown);
        f.list()->setFocus();
        QTRY_VERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), result);
        QCOMPARE(f.texts("Field Error"), message.isEmpty() ? QStringList() : QStringList{message});
        for (const ShownDialog &d : f.dialogs.shown)
            QVERIFY(d.icon == MsgIcon::Exclamation && d.buttons == MsgButtons::Ok);
    }

    void listOrderLetterCaseAndDeleting()
    {
        Fixture f;
        makeFiles(f.pics, {"b.png", "a.jpg", "C.gif", "A.jpg", "a2.png", "notes.txt", ".hidden.png", "D.TIFF", "e.Pcx",
                           "bad\nname.png"});
        QVERIFY(QDir().mkpath(f.pics + "/folder.png"));
        QVERIFY(f.open(f.pics));
        QCOMPARE(f.items(), (QStringList{"A.jpg", "a.jpg", "a2.png", "b.png", "C.gif", "D.TIFF", "e.Pcx"}));
        // the name the listing passed over is counted on the status line
        QVERIFY(f.w->statusBar()->currentMessage().startsWith("1 entries skipped"));
        QFile::remove(f.path("bad\nname.png"));
        QCOMPARE(f.ticked(), f.items());

        // the Delete key on a.jpg leaves A.jpg alone
        f.select("a.jpg");
        f.dialogs.answer(MsgAnswer::Yes);
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QCOMPARE(f.texts("Delete Confirmation"),
                 QStringList{"Are you sure you want to delete \"" + AddBackslash(f.pics) + "a.jpg\""});
        QCOMPARE(f.dialogs.shown.first().buttons, MsgButtons::YesNo);
        QCOMPARE(filesIn(f.pics), (QStringList{"A.jpg", "C.gif", "D.TIFF", "a2.png", "b.png", "e.Pcx", "notes.txt"}));
        QCOMPARE(f.items(), (QStringList{"A.jpg", "a2.png", "b.png", "C.gif", "D.TIFF", "e.Pcx"}));

        f.select("b.png"); // No keeps the file
        f.dialogs.answer(MsgAnswer::No);
        f.action("mnuDeleteImage")->trigger();
        QVERIFY(QFile::exists(f.path("b.png")));

        // a file that cannot be deleted (gone already) is reported; the list follows the folder
        QVERIFY(QFile::remove(f.path("C.gif")));
        f.select("C.gif");
        f.dialogs.clear();
        f.dialogs.answer(MsgAnswer::Yes);
        f.action("mnuDeleteImage")->trigger();
        QCOMPARE(f.dialogs.titles(), (QStringList{"Delete Confirmation", "Delete Error"}));
        QVERIFY(f.dialogs.shown.at(1).text.startsWith("Could not delete file \"" + AddBackslash(f.pics)
                                                        + "C.gif\" because:\r\n("));
        QCOMPARE(f.items(), (QStringList{"A.jpg", "a2.png", "b.png", "D.TIFF", "e.Pcx"}));

        // "Delete Checked Images": nothing ticked, nothing asked; No keeps the files
        f.action("mnuDeSelectAll")->trigger();
        f.dialogs.clear();
        f.action("mnuDeleteCheckedImages")->trigger();
        QVERIFY(f.dialogs.shown.isEmpty());
        f.tick("A.jpg", true);
        f.tick("b.png", true);
        f.select("e.Pcx");
        f.dialogs.answer(MsgAnswer::No);
        f.action("mnuDeleteCheckedImages")->trigger();
        QCOMPARE(filesIn(f.pics).size(), 6);
        f.dialogs.answer(MsgAnswer::Yes);
        f.action("mnuDeleteCheckedImages")->trigger();
        QCOMPARE(f.texts("Delete Confirmation"), QStringList(2, "Are you sure you want to delete these 2 images?"));
        QCOMPARE(filesIn(f.pics), (QStringList{"D.TIFF", "a2.png", "e.Pcx", "notes.txt"}));
        QCOMPARE(f.items(), (QStringList{"a2.png", "D.TIFF", "e.Pcx"}));
        QCOMPARE(f.list()->currentItem(), f.item("e.Pcx"));
    }

    void recursionPatternsAndInvert()
    {
        Fixture f;
        makeFiles(f.pics, {"b.png", "Apple.png", "sub/apple.gif", "sub/b.gif", "sub/deeper/c.jpg", "a-sub/z.png",
                           ".cache/x.png", "sub/.hidden.jpg"});
        QVERIFY(f.open(f.pics));
        QCOMPARE(f.items(), (QStringList{"Apple.png", "b.png"}));
        f.tick("b.png", false);
        f.action("mnuRecurse")->trigger();
        QVERIFY(f.action("mnuRecurse")->isChecked());
        // breadth first: the folder, its sub-folders in name order, then theirs; ticks kept
        const QStringList all{"Apple.png", "b.png", "a-sub/z.png", "sub/apple.gif", "sub/b.gif", "sub/deeper/c.jpg"};
        QCOMPARE(f.items(), all);
        QStringList allButB = all;
        allButB.removeOne("b.png");
        QCOMPARE(f.ticked(), allButB);

        // pattern a*: the file name counts, not the folder, and letter case does not
        f.click("cmdDeselectAll");
        QVERIFY(f.ticked().isEmpty());
        f.dialogs.answerInput("a*");
        f.action("mnuSelectPattern")->trigger();
        QCOMPARE(f.ticked(), (QStringList{"Apple.png", "sub/apple.gif"}));
        QCOMPARE(f.dialogs.shown.last().title, "Select Images By Pattern");
        f.dialogs.answerInput("*.gif");
        f.action("mnuDeSelectPattern")->trigger();
        QCOMPARE(f.dialogs.shown.last().title, "De-Select Images By Pattern");
        QCOMPARE(f.ticked(), QStringList{"Apple.png"});
        f.dialogs.answerInput(QString()); // empty or cancelled: no change
        f.action("mnuDeSelectPattern")->trigger();
        f.dialogs.answerInput(std::nullopt);
        f.action("mnuSelectPattern")->trigger();
        QCOMPARE(f.ticked(), QStringList{"Apple.png"});

        f.action("mnuInvertSelection")->trigger();
        QCOMPARE(f.ticked(), all.mid(1));

        // off again: a fresh listing, every item ticked
        f.action("mnuRecurse")->trigger();
        QCOMPARE(f.items(), (QStringList{"Apple.png", "b.png"}));
        QCOMPARE(f.ticked(), f.items());
    }

    void selectByType()
    {
        Fixture f;
        makeFiles(f.pics, {"a.jpg", "b.JPEG", "c.Jpg", "d.tif", "e.TIFF", "f.png", "g.gif", "sub.jpg/h.gif"});
        QVERIFY(f.open(f.pics));
        // a refresh keeps the ticks and drops a gone file; a new one comes at the end, ticked
        f.tick("c.Jpg", false);
        f.tick("e.TIFF", false);
        makeFiles(f.pics, {"0.png", ".new.png"});
        QVERIFY(QFile::remove(f.path("d.tif")));
        f.w->RefreshFileList();
        QCOMPARE(f.items(), (QStringList{"a.jpg", "b.JPEG", "c.Jpg", "e.TIFF", "f.png", "g.gif", "0.png"}));
        QCOMPARE(f.ticked(), (QStringList{"a.jpg", "b.JPEG", "f.png", "g.gif", "0.png"}));
        QVERIFY(!f.c<QWidget>("fraLoadingList")->isVisible());
        QVERIFY(QFile::remove(f.path("0.png")));

        f.action("mnuRecurse")->trigger();
        f.action("mnuDeSelectAll")->trigger();
        f.action("mnuSelectJPG")->trigger(); // every spelling; the file's type, not its folder's
        QCOMPARE(f.ticked(), (QStringList{"a.jpg", "b.JPEG", "c.Jpg"}));
        f.action("mnuSelectGIF")->trigger();
        QCOMPARE(f.ticked(), (QStringList{"a.jpg", "b.JPEG", "c.Jpg", "g.gif", "sub.jpg/h.gif"}));
        f.action("mnuSelectAll")->trigger();
        f.action("mnuDeSelectTIFF")->trigger();
        QCOMPARE(f.ticked(), (QStringList{"a.jpg", "b.JPEG", "c.Jpg", "f.png", "g.gif", "sub.jpg/h.gif"}));
    }

    // A control used while a listing runs (the listing serves events).
    void duringListing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addRow("Stop pressed") << "stop";
        QTest::addRow("another folder chosen") << "folder";
        QTest::addRow("recursion switched on") << "recurse";
        QTest::addRow("Start pressed") << "start";
    }

    void duringListing()
    {
        QFETCH(QString, action);
        Fixture f;
        QStringList names;
        for (int i = 0; i < 400; ++i)
            names << QStringLiteral("img%1.png").arg(i, 4, 10, QLatin1Char('0'));
        makeFiles(f.pics, names + QStringList{"sub/z.png"});
        const QString other = f.world.path("other");
        makeFiles(other, {"x.png"});
        // once 25 items are listed (the listing serves events after every entry)
        bool startEnabled = true;
        int countAtAction = -1;
        QTimer during;
        QObject::connect(&during, &QTimer::timeout, &during, [&] {
            if (!f.w || !f.c<QWidget>("fraLoadingList")->isVisible() || f.list()->count() < 25)
                return;
            countAtAction = f.list()->count();
            during.stop();
            if (action == "stop") {
                f.click("cmdStopLoadingList");
            } else if (action == "folder") {
                auto *tree = f.c<QTreeView>("tvwFolders");
                tree->setCurrentIndex(qobject_cast<QFileSystemModel *>(tree->model())->index(other));
            } else if (action == "recurse") {
                f.action("mnuRecurse")->trigger();
            } else {
                startEnabled = f.c<QPushButton>("cmdGo")->isEnabled();
                f.click("cmdGo");
            }
        });
        during.start(0);
        QVERIFY(f.open(f.pics));
        QVERIFY(countAtAction > 0);
        if (action == "stop") {
            QCOMPARE(f.items(), names.mid(0, countAtAction)); // only the files found so far
            f.tick(names.at(3), false);
            f.w->RefreshFileList(); // the next listing runs to its end, ticks kept
            QCOMPARE(f.items(), names);
            QCOMPARE(f.ticked().size(), 399);
        } else if (action == "folder") { // the chosen folder only, nothing of the other one
            QCOMPARE(f.w->currentFolder(), AddBackslash(other));
            QCOMPARE(f.items(), QStringList{"x.png"});
            QCOMPARE(f.edit("txtOutputDir")->text(), AddBackslash(other));
        } else if (action == "recurse") {
            QCOMPARE(f.items(), names + QStringList{"sub/z.png"});
        } else { // Start is disabled while listing: nothing asked, no run
            QVERIFY(!startEnabled && f.dialogs.shown.isEmpty() && !f.w->processingWindow());
            QCOMPARE(f.items(), names);
            QVERIFY(f.c<QPushButton>("cmdGo")->isEnabled());
        }
    }

    // A folder dropped on the window is listed; dropped image files list their
    // folder with only them ticked. Phone photos and WebP are listed and previewed.
    void dropFolderAndFiles_data()
    {
        QTest::addColumn<QStringList>("dropped"); // relative to the world; "http:" a remote address
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("ticked");
        const QStringList all{"a.png", "b.heic", "c.webp", "d.avif", "e.HEIF"};
        QTest::addRow("folder") << QStringList{"pics"} << true << "pics" << all;
        QTest::addRow("image files: only they are ticked")
            << QStringList{"pics/b.heic", "pics/c.webp"} << true << "pics" << QStringList{"b.heic", "c.webp"};
        QTest::addRow("files of two folders: the first one's")
            << QStringList{"other/x.png", "pics/a.png", "other/y.png"} << true << "other" << QStringList{"x.png", "y.png"};
        QTest::addRow("a text file with an image") << QStringList{"pics/notes.txt", "pics/d.avif"} << true << "pics"
                                                   << QStringList{"d.avif"};
        QTest::addRow("only a text file: refused") << QStringList{"pics/notes.txt"} << false << "other"
                                                   << QStringList{"a.png", "x.png", "y.png"};
        QTest::addRow("remote address: refused") << QStringList{"http://127.0.0.1/a.png"} << false << "other"
                                                 << QStringList{"a.png", "x.png", "y.png"};
    }
    void dropFolderAndFiles()
    {
        QFETCH(QStringList, dropped);
        QFETCH(bool, accepted);
        QFETCH(QString, folder);
        QFETCH(QStringList, ticked);
        Fixture f;
        makeImages(f.pics, {"a.png"});
        QVERIFY(makeMagickPicture(f.path("b.heic"), 48, 32));
        QVERIFY(makeMagickPicture(f.path("c.webp"), 24, 16, 3));
        QVERIFY(makeMagickPicture(f.path("d.avif"), 20, 20));
        QVERIFY(makeMagickPicture(f.path("e.HEIF"), 20, 20));
        makeFiles(f.pics, {"notes.txt"});
        const QString other = f.world.path("other");
        makeImages(other, {"a.png", "x.png", "y.png"}); // a.png in both folders
        QVERIFY(f.open(other));

        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &d : dropped)
            urls << (d.startsWith("http:") ? QUrl(d) : QUrl::fromLocalFile(f.world.path(d)));
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.w.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (accepted) {
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f.w.get(), &drop);
            QVERIFY(drop.isAccepted());
        }
        QVERIFY(f.listed());
        QCOMPARE(f.w->currentFolder(), AddBackslash(f.world.path(folder)));
        QCOMPARE(f.ticked(), ticked);
        if (folder != QLatin1String("pics"))
            return;
        QCOMPARE(f.items(), (QStringList{"a.png", "b.heic", "c.webp", "d.avif", "e.HEIF"}));
        f.select("b.heic");
        QTRY_COMPARE(f.label("lblImageDimensions")->text(), QStringLiteral("Orig. Size: 48x32"));
        f.select("c.webp");
        QTRY_VERIFY(f.c<QGroupBox>("fraViewPictureOuter")->title().endsWith("(Scene 1/3)"));
    }

    // Answered No, a question ends the run unstarted (which settings ask, Yes and Cancel:
    // the engine's startChecks table and cancelSilencesWarnings).
    void startWarnings_data()
    {
        QTest::addColumn<bool>("deleteOld");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("textStart");
        QTest::addRow("delete old") << true << "Delete Warning" << "You have selected to delete orignal images.";
        QTest::addRow("auto-rotate alone alters the images")
            << false << "Overwrite Warning" << "There is an IMMINENT possibility";
    }

    void startWarnings()
    {
        QFETCH(bool, deleteOld);
        QFETCH(QString, title);
        QFETCH(QString, textStart);
        Fixture f;
        makeImages(f.pics, {"a.png", "b.jpg"});
        const QByteArray before = checksum(f.path("a.png"));
        QVERIFY(f.open(f.pics));
        f.check("chkDeleteOld")->setChecked(deleteOld);
        if (!deleteOld) {
            f.type("txtPrefix", QString());
            f.check("chkAntialias")->setChecked(false);
            f.check("chkAutoOrient")->setChecked(true);
        }
        QCOMPARE(f.start(), QStringList{title});
        const ShownDialog q = f.dialogs.shown.value(0);
        QVERIFY2(q.text.startsWith(textStart), qPrintable(q.text));
        QVERIFY(q.text.endsWith("\r\n\r\nPress 'Cancel' to never see this message again, and continue."));
        QVERIFY(q.buttons == MsgButtons::YesNoCancel && q.icon == MsgIcon::Question);
        QVERIFY2(!f.w->processingWindow(), "the processing window never opens");
        QCOMPARE(filesIn(f.pics), (QStringList{"a.png", "b.jpg"}));
        QCOMPARE(checksum(f.path("a.png")), before);
        QCOMPARE(stored("IgnoreOverwriteWarnings"), QString());
    }

    void cancelSilencesWarnings()
    {
        Fixture f;
        const QString name = "a.png";
        makeImages(f.pics, {name});
        QVERIFY(f.open(f.pics));
        f.type("txtPrefix", QString());
        f.dialogs.answer(MsgAnswer::Cancel);
        QCOMPARE(f.start(), QStringList{"Overwrite Warning"} + kDone);
        QCOMPARE(stored("IgnoreOverwriteWarnings"), "1");

        // later runs ask nothing, not even about deleting the originals
        f.check("chkDeleteOld")->setChecked(true);
        f.type("txtPrefix", "new_");
        QCOMPARE(f.start(), kDone);
        QCOMPARE(filesIn(f.pics), QStringList{"new_" + name});

        QVERIFY(f.w->close()); // saving the settings keeps the value
        QCOMPARE(stored("IgnoreOverwriteWarnings"), "1");
    }

    void captionAndStop()
    {
        Fixture f;
        makeImages(f.pics, {"p1.png", "p2.png", "p3.png", "p4.png", "p5.png"}, 40);
        QVERIFY(f.open(f.pics));
        f.outputTo(f.out);
        CaptionWatch watch;
        QStringList outputsAtStop;
        QString stopText;
        watch.onCaption = [&](QWidget *go, const QString &caption) {
            if (caption != QLatin1String("Processing Images (2/5)"))
                return;
            outputsAtStop = filesIn(f.out); // the third image is starting
            auto *stop = ctl<QPushButton>(go, "cmdStopProcess");
            QTest::mouseClick(stop, Qt::LeftButton);
            stopText = stop->isEnabled() ? QString() : stop->text();
        };
        QCOMPARE(f.start(), kDone);
        QCOMPARE(watch.captions, (QStringList{"Processing Images (0/5)", "Processing Images (1/5)",
                                              "Processing Images (2/5)"}));
        QCOMPARE(outputsAtStop, (QStringList{"th_p1.png", "th_p2.png"}));
        QCOMPARE(stopText, "Stopping Process...");
        // the third image is finished, the fourth never started
        QCOMPARE(filesIn(f.out), (QStringList{"th_p1.png", "th_p2.png", "th_p3.png"}));
        QCOMPARE(imageSize(f.out + "/th_p3.png"), imageSize(f.path("p3.png")));
        QCOMPARE(f.texts("Done"), QStringList{"Process Finished!"});
        frmGo *go = f.w->processingWindow();
        QVERIFY(!go->isVisible());
        QCOMPARE(ctl<QProgressBar>(go, "proProcess")->value(), 3);
        QCOMPARE(ctl<QProgressBar>(go, "proProcess")->maximum(), 5);

        // the window is reused with a working Stop button; Escape and closing do not
        // end a run; an unticked image is left out; an empty quality becomes 75
        watch.captions.clear();
        f.tick("p5.png", false);
        f.edit("txtJPGQuality")->clear();
        bool stillShown = false;
        watch.onCaption = [&](QWidget *window, const QString &caption) {
            if (caption != QLatin1String("Processing Images (1/4)"))
                return;
            QTest::keyClick(window, Qt::Key_Escape);
            window->close();
            stillShown = window->isVisible();
        };
        QCOMPARE(f.start(), kDone);
        QCOMPARE(f.w->processingWindow(), go);
        QVERIFY(stillShown);
        QCOMPARE(watch.captions.size(), 4);
        QCOMPARE(ctl<QPushButton>(go, "cmdStopProcess")->text(), "Stop Processing Images");
        QCOMPARE(filesIn(f.out), (QStringList{"th_p1.png", "th_p2.png", "th_p3.png", "th_p4.png"}));
        QCOMPARE(f.edit("txtJPGQuality")->text(), "75");
        QCOMPARE(f.ticked(), f.items()); // listed again after the run: every item ticked

        // a start with nothing ticked shows nothing of the last run
        f.click("cmdDeselectAll");
        QCOMPARE(f.start(), QStringList{"No Images"});
        QCOMPARE(go->imageText(), QString());
        QCOMPARE(go->statusText(), QString());
        QCOMPARE(ctl<QLabel>(go, "lblScene")->text(), QString());
        QCOMPARE(ctl<QProgressBar>(go, "proProcess")->value(), ctl<QProgressBar>(go, "proProcess")->minimum());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
