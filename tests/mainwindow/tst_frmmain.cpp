// The main window and the processing window, driven through their controls.
#include "engine/imageengine.h"
#include "mainwindow/frmgo.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/settingsstore.h"
#include "support/apppaths.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace vexl;
using namespace vexl::test;

namespace {

template <class T>
T *ctl(const QObject *root, const char *name)
{
    T *c = root->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("control %s is missing", name);
    return c;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void makeFiles(const QString &folder, const QStringList &names)
{
    for (const QString &n : names)
        QVERIFY2(writeFile(folder + '/' + n, "image"), qPrintable(n));
}

void makeImages(const QString &folder, const QStringList &names, int size = 24)
{
    for (int i = 0; i < names.size(); ++i)
        QVERIFY2(makeImage(folder + '/' + names.at(i), size + i, size, unsigned(i + 1)), qPrintable(names.at(i)));
}

QStringList numberedNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("img%1.png").arg(i, 4, 10, QLatin1Char('0'));
    return names;
}

void storeValues(const QList<std::pair<QString, QString>> &values)
{
    SettingsStore store;
    for (const auto &[name, value] : values)
        store.setText(name, value);
    store.sync();
}

QString stored(const QString &name)
{
    return QSettings(SettingsStore::userFile(), QSettings::IniFormat).value("Settings/" + name).toString();
}

// One test's world: its own settings store and program folder, scripted
// dialogs, a picture folder and an output folder, and the main window.
struct Fixture
{
    TestWorld world;
    ScriptedDialogService dialogs;
    const QString pics = world.path("pics");
    const QString out = world.path("out");
    std::unique_ptr<frmMain> w;

    Fixture()
    {
        QDir().mkpath(pics);
        QDir().mkpath(out);
    }
    template <class T>
    T *c(const char *name) const { return ctl<T>(w.get(), name); }
    QLineEdit *edit(const char *name) const { return c<QLineEdit>(name); }
    QCheckBox *check(const char *name) const { return c<QCheckBox>(name); }
    QComboBox *combo(const char *name) const { return c<QComboBox>(name); }
    QAction *action(const char *name) const { return c<QAction>(name); }
    QListWidget *list() const { return c<QListWidget>("lstImages"); }

    void click(const char *button) const { QTest::mouseClick(c<QPushButton>(button), Qt::LeftButton); }
    // A user's choice in a combo box: the index changes and "activated" follows.
    void choose(const char *name, int index) const
    {
        combo(name)->setCurrentIndex(index);
        emit combo(name)->activated(index);
    }
    // Types `keys` over the field's whole text (nothing: clears it).
    void type(const char *name, const QString &keys) const
    {
        QLineEdit *field = edit(name);
        field->setFocus();
        field->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, keys);
    }
    void outputTo(const QString &folder)
    {
        choose("cmbOutput", 1);
        dialogs.answerFolder(folder);
        click("cmdBrowse");
    }

    QStringList items(bool onlyTicked = false) const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            if (!onlyTicked || list()->item(i)->checkState() == Qt::Checked)
                texts << list()->item(i)->text();
        return texts;
    }
    QStringList ticked() const { return items(true); }
    QListWidgetItem *item(const QString &text) const
    {
        const auto found = list()->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found.size() != 1)
            qFatal("no single item %s", qPrintable(text));
        return found.first();
    }
    void tick(const QString &text, bool on) const { item(text)->setCheckState(on ? Qt::Checked : Qt::Unchecked); }

    // The spinner label gets its first "[|] ..." text when a listing starts; a
    // listing runs to its end before control comes back to the test.
    bool listed() const
    {
        return c<QLabel>("lblLoadingList")->text().startsWith('[') && !w->listRefreshing() && list()->isVisible();
    }
    void create(const QString &folder = QString())
    {
        w = std::make_unique<frmMain>(folder);
        w->show();
        w->activateWindow();
    }
    QStringList texts(const QString &title) const
    {
        QStringList t;
        for (const ShownDialog &d : dialogs.shown)
            if (d.title == title)
                t << d.text;
        return t;
    }
};

// Shows the main window on a folder (as given on the command line; none: the
// stored or default folder) and waits for its first listing.
#define OPEN(f, folder)                                                                                       \
    do {                                                                                                      \
        (f).create(folder);                                                                                   \
        QVERIFY(QTest::qWaitForWindowExposed((f).w.get()));                                                   \
        QTRY_VERIFY((f).listed());                                                                            \
    } while (false)

// Runs `action` once while a listing is under way, when the hidden list holds
// `atCount` items: the listing serves events after every entry it reads.
class DuringListing final
{
public:
    DuringListing(const Fixture &f, int atCount, std::function<void()> action)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, &f, atCount, action] {
            if (f.w && f.c<QWidget>("fraLoadingList")->isVisible() && f.list()->count() >= atCount) {
                countAtAction = f.list()->count();
                m_timer.stop();
                action();
            }
        });
        m_timer.start();
    }
    int countAtAction = -1;

private:
    QTimer m_timer;
};

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

const QString kFieldError = QStringLiteral("Field Error");
const QString kNumbersOnly = QStringLiteral("Only numbers are allowed into this field!");
const QString kNotZero = QStringLiteral("Number not allowed to be 0!");
const QStringList kDone{QStringLiteral("Done")};

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageEngine::initialize(); }

    // ================================================= settings

    void firstRun_data()
    {
        QTest::addColumn<bool>("documentsHoldFiles");
        QTest::addRow("documents folder holds files") << true;
        QTest::addRow("documents folder empty") << false;
    }

    void firstRun()
    {
        QFETCH(bool, documentsHoldFiles);
        Fixture f;
        const QString docs = f.world.path("home/Documents");
        QVERIFY(QDir().mkpath(docs));
        if (documentsHoldFiles)
            makeFiles(docs, {"letter.txt"});
        QVERIFY(writeFile(f.world.path("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(docs) + "\"\n"));
        OPEN(f, QString());
        const QString folder = AddBackslash(documentsHoldFiles ? docs : AppPaths::programFolder());
        QCOMPARE(f.w->currentFolder(), folder);
        QCOMPARE(f.edit("txtPrefix")->text(), "th_");
        QVERIFY(f.check("chkAntialias")->isChecked());
        QVERIFY(f.check("chkReplicateSubDirs")->isChecked());
        QCOMPARE(f.edit("txtJPGQuality")->text(), "75");
        QCOMPARE(f.edit("txtWidth")->text(), "100");
        QCOMPARE(f.edit("txtHeight")->text(), "100");
        QVERIFY(!f.edit("txtWidth")->isEnabled()); // "Don't Resize"
        QCOMPARE(f.combo("cmbOutput")->currentText(), "Output in Same Folder");
        QCOMPARE(f.combo("cmbOutput")->itemText(f.combo("cmbOutput")->count() - 1), "Configure FTP Servers...");
        QCOMPARE(f.edit("txtOutputDir")->text(), folder);
        QVERIFY(!f.edit("txtOutputDir")->isEnabled());
        QVERIFY(!f.c<QPushButton>("cmdBrowse")->isEnabled());
        QVERIFY(f.action("mnuAniExtract1stScene")->isChecked());
        QVERIFY(!f.action("mnuAniExtractAllScenes")->isChecked());
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void resetAllSettings()
    {
        Fixture f;
        makeFiles(f.pics, {"a.png"});
        storeValues({{"TextOverlayFace", "DejaVu Serif"}, {"TextOverlaySize", "30"}});
        OPEN(f, f.pics);
        f.choose("cmbResizeMethod", 4);
        f.type("txtWidth", "640");
        f.check("chkBevel")->setChecked(true);
        f.check("chkDeleteOld")->setChecked(true);
        f.check("chkReplicateSubDirs")->setChecked(false);
        f.type("txtSuffix", "_x");
        f.outputTo(f.out);
        f.action("mnuAniExtractAllScenes")->trigger();

        f.action("mnuResetSettings")->trigger();

        const ProcessSettings s = f.w->processSettings();
        QCOMPARE(f.edit("txtPrefix")->text(), QString()); // "th_" on a first run
        QVERIFY(!f.check("chkAntialias")->isChecked());    // ticked on a first run
        QCOMPARE(s.DimensionMethod, 0);
        QCOMPARE(s.DimensionWidth, "100");
        QVERIFY(!s.MiscBevel && !s.DeleteOld && s.ReplicateSubDirs && s.RenameSuffix.isEmpty());
        QVERIFY(!f.edit("txtWidth")->isEnabled());
        QVERIFY(!f.edit("txtBevelWidth")->isEnabled());
        // kept: folder, destination, output folder, overlay font, scene choice
        QCOMPARE(f.w->currentFolder(), AddBackslash(f.pics));
        QCOMPARE(s.OutputDest, "//DIFFDIR//");
        QCOMPARE(s.OutputDir, AddBackslash(f.out));
        QCOMPARE(s.TextOverlayFace, "DejaVu Serif");
        QCOMPARE(s.TextOverlaySize, 30);
        QVERIFY(s.AniExtractAllScenes);
        QCOMPARE(f.dialogs.count(kFieldError), 0);
        // nothing is written until the window closes
        QVERIFY(!QSettings(SettingsStore::userFile(), QSettings::IniFormat).contains("Settings/RenamePrefix"));
    }

    void saveThenLoad()
    {
        Fixture f;
        makeFiles(f.pics, {"a.png"});
        storeValues({{"TextOverlayFace", "DejaVu Sans Mono"}, {"TextOverlaySize", "-7"},
                     {"TextOverlayColour", "16711680"}, {"TextOverlayBGColour", "65280"},
                     {"TextOverlayBGTrans", "false"}});
        OPEN(f, f.pics);
        f.choose("cmbResizeMethod", 2);
        f.type("txtWidth", "50");
        for (const char *box : {"chkDimensionPC", "chkTextOverlay", "chkSequentialNumber", "chkBevel", "chkRotate",
                                "chkFlipH", "chkFlipV", "chkInvert", "chkGreyscale", "chkDeleteOld"})
            f.check(box)->setChecked(true);
        f.check("chkAntialias")->setChecked(false);
        f.check("chkReplicateSubDirs")->setChecked(false);
        f.type("txtTextOverlay", "Holiday, [WIDTH] px = 100%");
        f.choose("cmbTextOverlayPosition", 7);
        f.choose("cmbCase", 4);
        f.choose("cmbSpaces", 3);
        f.choose("cmbOutputFormat", 6);
        const std::pair<const char *, const char *> typed[] = {{"txtStartNumber", "12"}, {"txtZeroFill", "4"},
                                                               {"txtPrefix", "pre "},    {"txtSuffix", " [SEQNUM]"},
                                                               {"txtBevelWidth", "3"},   {"txtRotate", "180"},
                                                               {"txtJPGQuality", "90"}};
        for (const auto &[field, keys] : typed)
            f.type(field, QLatin1String(keys));
        f.outputTo(f.out);
        f.action("mnuAniExtractAllScenes")->trigger();
        f.action("mnuTooltips")->trigger();
        const ProcessSettings saved = f.w->processSettings();
        QVERIFY(f.w->close());
        f.w.reset();

        const std::pair<const char *, const char *> texts[] = {
            {"DimensionMethod", "2"}, {"DimensionPC", "1"},   {"TextOverlaySize", "-7"},
            {"TextOverlayBGTrans", "False"}, {"RenamePrefix", "pre "}, {"MiscAntialias", "0"},
            {"OutputDest", "//DIFFDIR//"}, {"AniExtractAllScenes", "1"}, {"Tooltips", "False"},
            {"WindowState", "0"},
        };
        for (const auto &[name, text] : texts)
            QCOMPARE(stored(QLatin1String(name)), QLatin1String(text));
        QCOMPARE(stored("FileDir"), AddBackslash(f.pics));
        for (const char *name : {"ScreenSize", "WindowWidth", "WindowHeight", "WindowX", "WindowY", "DirFilesSep"})
            QVERIFY2(!stored(QLatin1String(name)).isEmpty(), name);

        OPEN(f, QString()); // a new window reads every value back, the folder included
        QCOMPARE(f.w->currentFolder(), AddBackslash(f.pics));
        QCOMPARE(f.w->processSettings(), saved);
        QVERIFY(!f.action("mnuTooltips")->isChecked());
        QVERIFY(!f.action("mnuAniExtract1stScene")->isChecked());
        QVERIFY(f.edit("txtWidth")->isEnabled() && !f.edit("txtHeight")->isEnabled());
        for (const char *field : {"txtBevelWidth", "txtRotate", "txtZeroFill", "txtOutputDir"})
            QVERIFY2(f.edit(field)->isEnabled(), field);
        QCOMPARE(f.dialogs.count(kFieldError), 0);
    }

    void destinationTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("index");
        QTest::addRow("same folder") << "//SAMEDIR//" << 0;
        QTest::addRow("different folder") << "//DIFFDIR//" << 1;
        QTest::addRow("a connection that was deleted") << "//FTP: Gone//" << 0;
        QTest::addRow("no surrounding slashes") << "DIFFDIR" << 0;
    }

    void destinationTokens()
    {
        QFETCH(QString, token);
        QFETCH(int, index);
        Fixture f;
        makeFiles(f.pics, {"a.png"});
        storeValues({{"OutputDest", token}, {"OutputDir", AddBackslash(f.out)}});
        OPEN(f, f.pics);
        QCOMPARE(f.combo("cmbOutput")->currentIndex(), index);
        // the same folder follows the listed folder; a different one is kept
        QCOMPARE(f.edit("txtOutputDir")->text(), AddBackslash(index == 0 ? f.pics : f.out));
        QCOMPARE(f.edit("txtOutputDir")->isEnabled(), index == 1);
        QCOMPARE(f.c<QPushButton>("cmdBrowse")->isEnabled(), index == 1);
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void destinationChoices()
    {
        Fixture f;
        makeFiles(f.pics, {"a.png"});
        OPEN(f, f.pics);
        QLineEdit *dir = f.edit("txtOutputDir");
        f.choose("cmbOutput", 1);
        QCOMPARE(dir->text(), AddBackslash(f.pics));
        QVERIFY(dir->isEnabled() && dir->isReadOnly());
        f.dialogs.answerFolder(f.out);
        f.click("cmdBrowse");
        QCOMPARE(dir->text(), AddBackslash(f.out));
        f.dialogs.answerFolder(std::nullopt); // cancelled: kept
        f.click("cmdBrowse");
        QCOMPARE(dir->text(), AddBackslash(f.out));

        // "Configure FTP Servers..." is a command: it opens the connections editor
        // (closed here at once) and the destination stays as it was
        QTimer::singleShot(0, this, [] {
            QWidget *editor = QApplication::activeModalWidget();
            QVERIFY(editor && editor->objectName() == QLatin1String("frmFTPConnections"));
            editor->close();
        });
        f.choose("cmbOutput", f.combo("cmbOutput")->count() - 1);
        QCOMPARE(f.combo("cmbOutput")->currentIndex(), 1);
        QCOMPARE(dir->text(), AddBackslash(f.out));

        f.choose("cmbOutput", 0);
        QCOMPARE(dir->text(), AddBackslash(f.pics));
        QVERIFY(!dir->isEnabled());
    }

    void unreadableStoredValues()
    {
        Fixture f;
        makeFiles(f.pics, {"a.png"});
        storeValues({{"DimensionMethod", "abc"}, {"DimensionWidth", "640"}, {"TextOverlaySize", "99999"},
                     {"TextOverlayColour", "255"}, {"Case", "9"}, {"Spaces", "2"}, {"RenamePrefix", "p_"},
                     {"Tooltips", "sometimes"}});
        OPEN(f, f.pics);
        QStringList failed;
        for (const ShownDialog &d : f.dialogs.shown) {
            QCOMPARE(d.kind, ShownDialog::ErrorReport);
            QCOMPARE(d.report.operation, "Loading Settings from Registry");
            QCOMPARE(d.report.procedureName, "GetSettings");
            QVERIFY(!d.report.fatal);
            failed << d.report.description;
        }
        QCOMPARE(failed.size(), 4);
        const char *values[] = {"sometimes", "abc", "99999", "\"9\""};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(failed.at(i).contains(QLatin1String(values[i])), qPrintable(failed.at(i)));
        // the failed values keep their controls' values; loading went on
        const ProcessSettings s = f.w->processSettings();
        QCOMPARE(s.DimensionMethod, 0);
        QCOMPARE(s.DimensionWidth, "640");
        QCOMPARE(s.TextOverlaySize, 12);
        QCOMPARE(s.TextOverlayColour, 255);
        QCOMPARE(s.Case, 0);
        QCOMPARE(s.Spaces, 2);
        QCOMPARE(s.RenamePrefix, "p_");
        QVERIFY(f.action("mnuTooltips")->isChecked());
    }

    void sceneChoice_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("allScenes");
        QTest::addRow("1") << "1" << true;
        QTest::addRow("0") << "0" << false;
        QTest::addRow("2") << "2" << false;
        QTest::addRow("text") << "yes" << false;
    }

    void sceneChoice()
    {
        QFETCH(QString, value);
        QFETCH(bool, allScenes);
        Fixture f;
        storeValues({{"AniExtractAllScenes", value}});
        OPEN(f, f.pics);
        QCOMPARE(f.action("mnuAniExtractAllScenes")->isChecked(), allScenes);
        QCOMPARE(f.action("mnuAniExtract1stScene")->isChecked(), !allScenes);
    }

    // ================================================= field rules

    void fieldRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("enabler"); // the control that enables the field
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("messages");
        const QString resize = QStringLiteral("cmbResizeMethod");
        const QStringList none, numbersOnly{kNumbersOnly}, notZero{kNotZero};
        QTest::addRow("1, 2, a, 5 into the width") << "txtWidth" << resize << "12a5" << false << "125" << numbersOnly;
        QTest::addRow("0 into the width") << "txtWidth" << resize << "0" << false << "1" << notZero;
        QTest::addRow("per cent into the height") << "txtHeight" << resize << "5%" << false << "5" << numbersOnly;
        QTest::addRow("pasted letters and per cent") << "txtWidth" << resize << "12a%" << true << "12" << numbersOnly;
        QTest::addRow("pasted minus and point") << "txtHeight" << resize << "-2.5" << true << "25" << numbersOnly;
        QTest::addRow("0 into the zero fill") << "txtZeroFill" << "chkSequentialNumber" << "0" << false << "0" << none;
        QTest::addRow("0 into the start number") << "txtStartNumber" << "chkSequentialNumber" << "0" << false << "0"
                                                 << none;
        QTest::addRow("150 into the JPEG quality") << "txtJPGQuality" << "" << "150" << false << "100" << none;
        QTest::addRow("0 into the JPEG quality") << "txtJPGQuality" << "" << "0" << false << "1" << notZero;
        QTest::addRow("0 into the rotation") << "txtRotate" << "chkRotate" << "0" << false << "1" << notZero;
        QTest::addRow("x into the bevel width") << "txtBevelWidth" << "chkBevel" << "3x" << false << "3" << numbersOnly;
        QTest::addRow("a/b:c into the prefix") << "txtPrefix" << "" << "a/b:c" << false << "abc" << none;
        QTest::addRow("all nine into the suffix") << "txtSuffix" << "" << "x\\/|?\"><*:y" << false << "xy" << none;
        QTest::addRow("pasted into the prefix") << "txtPrefix" << "" << "c:\\tmp\\*.jpg" << true << "ctmp.jpg" << none;
    }

    void fieldRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, enabler);
        QFETCH(QString, keys);
        QFETCH(bool, paste);
        QFETCH(QString, result);
        QFETCH(QStringList, messages);
        Fixture f;
        OPEN(f, f.pics);
        if (enabler == QLatin1String("cmbResizeMethod"))
            f.choose("cmbResizeMethod", 1);
        else if (!enabler.isEmpty())
            f.check(qPrintable(enabler))->setChecked(true);
        QLineEdit *edit = f.edit(qPrintable(field));
        QVERIFY(edit->isEnabled());
        if (paste) {
            edit->selectAll();
            edit->insert(keys);
        } else {
            f.type(qPrintable(field), keys);
        }
        QCOMPARE(edit->text(), result);
        QCOMPARE(f.texts(kFieldError), messages);
        for (const ShownDialog &d : f.dialogs.shown)
            QVERIFY(d.icon == MsgIcon::Exclamation && d.buttons == MsgButtons::Ok);
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("enabler");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        QTest::addRow("rotation left empty") << "txtRotate" << "chkRotate" << "" << "90";
        QTest::addRow("bevel width left empty") << "txtBevelWidth" << "chkBevel" << "" << "5";
        QTest::addRow("width left empty") << "txtWidth" << "cmbResizeMethod" << "" << "100";
        QTest::addRow("height left empty") << "txtHeight" << "cmbResizeMethod" << "" << "100";
        QTest::addRow("rotation left with a value") << "txtRotate" << "chkRotate" << "45" << "45";
        QTest::addRow("start number may be empty") << "txtStartNumber" << "chkSequentialNumber" << "" << "";
    }

    void requiredFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, enabler);
        QFETCH(QString, keys);
        QFETCH(QString, result);
        Fixture f;
        OPEN(f, f.pics);
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        if (enabler == QLatin1String("cmbResizeMethod"))
            f.choose("cmbResizeMethod", 4);
        else
            f.check(qPrintable(enabler))->setChecked(true);
        QLineEdit *edit = f.edit(qPrintable(field));
        f.type(qPrintable(field), keys);
        QTRY_VERIFY(edit->hasFocus());
        // another window or a menu taking the focus is not leaving the field
        for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent away(QEvent::FocusOut, reason);
            QApplication::sendEvent(edit, &away);
        }
        QCOMPARE(edit->text(), keys);
        QVERIFY(f.dialogs.shown.isEmpty());
        f.edit("txtPrefix")->setFocus();
        QTRY_VERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), result);
        const bool required = keys.isEmpty() && !result.isEmpty();
        QCOMPARE(f.texts(kFieldError), required ? QStringList{"A value is required in this field!"} : QStringList{});
    }

    // ================================================= image list

    void listOrderLetterCaseAndDelete()
    {
        Fixture f;
        makeFiles(f.pics, {"b.png", "a.jpg", "C.gif", "A.jpg", "a2.png", "notes.txt", ".hidden.png", "D.TIFF", "e.Pcx"});
        QVERIFY(QDir().mkpath(f.pics + "/folder.png"));
        OPEN(f, f.pics);
        QCOMPARE(f.items(), (QStringList{"A.jpg", "a.jpg", "a2.png", "b.png", "C.gif", "D.TIFF", "e.Pcx"}));
        QCOMPARE(f.ticked(), f.items());

        // the Delete key on a.jpg leaves A.jpg alone
        f.list()->setCurrentItem(f.item("a.jpg"));
        f.dialogs.answer(MsgAnswer::Yes);
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QCOMPARE(f.texts("Delete Confirmation"),
                 QStringList{"Are you sure you want to delete \"" + AddBackslash(f.pics) + "a.jpg\""});
        QCOMPARE(f.dialogs.shown.first().buttons, MsgButtons::YesNo);
        QCOMPARE(filesIn(f.pics), (QStringList{"A.jpg", "C.gif", "D.TIFF", "a2.png", "b.png", "e.Pcx", "notes.txt"}));
        QCOMPARE(f.items(), (QStringList{"A.jpg", "a2.png", "b.png", "C.gif", "D.TIFF", "e.Pcx"}));

        f.list()->setCurrentItem(f.item("b.png")); // No keeps the file
        f.dialogs.answer(MsgAnswer::No);
        f.action("mnuDeleteImage")->trigger();
        QVERIFY(QFile::exists(f.pics + "/b.png"));

        // a file that cannot be deleted (gone already) is reported; the list follows the folder
        QVERIFY(QFile::remove(f.pics + "/C.gif"));
        f.list()->setCurrentItem(f.item("C.gif"));
        f.dialogs.clear();
        f.dialogs.answer(MsgAnswer::Yes);
        f.action("mnuDeleteImage")->trigger();
        QCOMPARE(f.dialogs.titles(), (QStringList{"Delete Confirmation", "Delete Error"}));
        QVERIFY(f.dialogs.shown.at(1).text.startsWith("Could not delete file \"" + AddBackslash(f.pics)
                                                        + "C.gif\" because:\r\n("));
        QCOMPARE(f.items(), (QStringList{"A.jpg", "a2.png", "b.png", "D.TIFF", "e.Pcx"}));
    }

    void refreshKeepsTicks()
    {
        Fixture f;
        makeFiles(f.pics, {"b.png", "c.jpg", "d.gif", "e.bmp"});
        OPEN(f, f.pics);
        f.tick("c.jpg", false);
        f.tick("e.bmp", false);
        makeFiles(f.pics, {"a.png", ".new.png"});
        QVERIFY(QFile::remove(f.pics + "/d.gif"));
        f.w->RefreshFileList();
        // the new file comes at the end, ticked; the gone one is gone; ticks are kept
        QCOMPARE(f.items(), (QStringList{"b.png", "c.jpg", "e.bmp", "a.png"}));
        QCOMPARE(f.ticked(), (QStringList{"b.png", "a.png"}));
        QVERIFY(!f.c<QWidget>("fraLoadingList")->isVisible());
    }

    void treeShowsTheListedFolder()
    {
        Fixture f;
        const QString deep = f.world.path("zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/pics");
        makeFiles(deep, {"a.png"});
        OPEN(f, deep);
        auto *tree = f.c<QTreeView>("tvwFolders");
        QCOMPARE(qobject_cast<QFileSystemModel *>(tree->model())->filePath(tree->currentIndex()), deep);
        const auto rowInSight = [&] {
            const QRect row = tree->visualRect(tree->currentIndex());
            return row.top() >= 0 && row.bottom() < tree->viewport()->height();
        };
        QTRY_VERIFY(rowInSight());
    }

    void recursionPatternsAndInvert()
    {
        Fixture f;
        makeFiles(f.pics, {"b.png", "Apple.png", "sub/apple.gif", "sub/b.gif", "sub/deeper/c.jpg", "a-sub/z.png",
                           ".cache/x.png", "sub/.hidden.jpg"});
        OPEN(f, f.pics);
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
        f.dialogs.answerInput(QStringLiteral("a*"));
        f.action("mnuSelectPattern")->trigger();
        QCOMPARE(f.ticked(), (QStringList{"Apple.png", "sub/apple.gif"}));
        QCOMPARE(f.dialogs.shown.last().title, "Select Images By Pattern");
        QVERIFY(f.dialogs.shown.last().text.startsWith("Enter Pattern: \r\n"));
        QVERIFY(f.dialogs.shown.last().text.contains("\r\n# - Any single digit (0 to 9).\r\n"));
        f.dialogs.answerInput(QStringLiteral("[!a]*.GIF"));
        f.action("mnuSelectPattern")->trigger();
        QCOMPARE(f.ticked(), (QStringList{"Apple.png", "sub/apple.gif", "sub/b.gif"}));
        f.dialogs.answerInput(QStringLiteral("*.gif"));
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

    void selectByType_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("changed");
        QTest::addRow("JPG") << "mnuSelectJPG" << QStringList{"a.jpg", "b.JPEG", "c.Jpg"};
        QTest::addRow("TIFF") << "mnuSelectTIFF" << QStringList{"d.tif", "e.TIFF"};
        QTest::addRow("GIF") << "mnuSelectGIF" << QStringList{"g.gif", "sub.jpg/h.gif"};
        QTest::addRow("PCX") << "mnuSelectPCX" << QStringList{"l.pcx"};
        QTest::addRow("de-select JPG") << "mnuDeSelectJPG" << QStringList{"a.jpg", "b.JPEG", "c.Jpg"};
        QTest::addRow("de-select TIFF") << "mnuDeSelectTIFF" << QStringList{"d.tif", "e.TIFF"};
    }

    void selectByType()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, changed);
        const bool select = !action.contains(QLatin1String("DeSelect"));
        Fixture f;
        makeFiles(f.pics, {"a.jpg", "b.JPEG", "c.Jpg", "d.tif", "e.TIFF", "f.png", "g.gif", "l.pcx", "sub.jpg/h.gif"});
        OPEN(f, f.pics);
        f.action("mnuRecurse")->trigger();
        QCOMPARE(f.items().size(), 9);
        f.action(select ? "mnuDeSelectAll" : "mnuSelectAll")->trigger();
        f.action(qPrintable(action))->trigger();
        QStringList expected;
        for (const QString &item : f.items())
            if (changed.contains(item) == select)
                expected << item;
        QCOMPARE(f.ticked(), expected);
    }

    void deleteChecked()
    {
        Fixture f;
        makeFiles(f.pics, {"a.png", "b.png", "c.png", "d.png"});
        OPEN(f, f.pics);
        f.action("mnuDeSelectAll")->trigger();
        f.action("mnuDeleteCheckedImages")->trigger(); // nothing ticked: nothing asked
        QVERIFY(f.dialogs.shown.isEmpty());

        f.tick("a.png", true);
        f.tick("c.png", true);
        f.list()->setCurrentItem(f.item("d.png"));
        f.dialogs.answer(MsgAnswer::No);
        f.action("mnuDeleteCheckedImages")->trigger();
        QCOMPARE(filesIn(f.pics).size(), 4);
        f.dialogs.answer(MsgAnswer::Yes);
        f.action("mnuDeleteCheckedImages")->trigger();
        QCOMPARE(f.texts("Delete Confirmation"),
                 QStringList(2, "Are you sure you want to delete these 2 images?"));
        QCOMPARE(filesIn(f.pics), (QStringList{"b.png", "d.png"}));
        QCOMPARE(f.items(), (QStringList{"b.png", "d.png"}));
        QCOMPARE(f.list()->currentItem(), f.item("d.png"));

        f.dialogs.clear();
        f.tick("b.png", true);
        f.dialogs.answer(MsgAnswer::Yes);
        f.action("mnuDeleteCheckedImages")->trigger();
        QCOMPARE(f.texts("Delete Confirmation"), QStringList{"Are you sure you want to delete the checked image?"});
        QCOMPARE(f.items(), QStringList{"d.png"});
    }

    void folderGone()
    {
        Fixture f;
        makeFiles(f.pics, {"a.png"});
        OPEN(f, f.pics);
        QVERIFY(QDir(f.pics).removeRecursively());
        f.action("mnuRecurse")->trigger();
        QCOMPARE(f.dialogs.titles(), QStringList{"Drive Error"});
        QVERIFY(f.dialogs.shown.first().text.startsWith("(76) "));
        QVERIFY(f.list()->isVisible() && !f.c<QWidget>("fraLoadingList")->isVisible());
        QVERIFY(!f.w->listRefreshing());
        QVERIFY(f.items().isEmpty());
    }

    // ================================================= while a listing runs

    void stopDuringListing()
    {
        Fixture f;
        const QStringList names = numberedNames(400);
        makeFiles(f.pics, names);
        DuringListing stop(f, 25, [&] { f.click("cmdStopLoadingList"); });
        OPEN(f, f.pics);
        QVERIFY(stop.countAtAction > 0);
        QCOMPARE(f.items(), names.mid(0, stop.countAtAction)); // only the files found so far
        f.tick(names.at(3), false);
        f.w->RefreshFileList(); // the next listing runs to its end, ticks kept
        QCOMPARE(f.items(), names);
        QCOMPARE(f.ticked().size(), 399);
    }

    void folderChosenDuringListing()
    {
        Fixture f;
        const QString small = f.world.path("small");
        makeFiles(f.pics, numberedNames(400));
        makeFiles(small, {"x.png", "y.png"});
        DuringListing choose(f, 25, [&] {
            auto *tree = f.c<QTreeView>("tvwFolders");
            tree->setCurrentIndex(qobject_cast<QFileSystemModel *>(tree->model())->index(small));
        });
        OPEN(f, f.pics);
        QVERIFY(choose.countAtAction > 0);
        // the list shows the current folder, nothing of the other one
        QCOMPARE(f.w->currentFolder(), AddBackslash(small));
        QCOMPARE(f.items(), (QStringList{"x.png", "y.png"}));
        QCOMPARE(f.edit("txtOutputDir")->text(), AddBackslash(small));
    }

    void recursionDuringListing()
    {
        Fixture f;
        const QStringList names = numberedNames(300);
        makeFiles(f.pics, names + QStringList{"sub/z.png"});
        DuringListing recurse(f, 25, [&] { f.action("mnuRecurse")->trigger(); });
        OPEN(f, f.pics);
        QVERIFY(recurse.countAtAction > 0);
        QVERIFY(f.action("mnuRecurse")->isChecked());
        QCOMPARE(f.items(), names + QStringList{"sub/z.png"});
    }

    void startDuringListing()
    {
        Fixture f;
        const QStringList names = numberedNames(300);
        makeFiles(f.pics, names);
        bool enabledDuring = true;
        DuringListing start(f, 25, [&] {
            enabledDuring = f.c<QPushButton>("cmdGo")->isEnabled();
            f.click("cmdGo");
        });
        OPEN(f, f.pics);
        QVERIFY(start.countAtAction > 0);
        QVERIFY(!enabledDuring);
        QVERIFY(f.dialogs.shown.isEmpty());
        QVERIFY(!f.w->processingWindow());
        QCOMPARE(f.items(), names);
        QVERIFY(f.c<QPushButton>("cmdGo")->isEnabled());
    }

    // ================================================= batch through the windows

    void noTickedImage()
    {
        Fixture f;
        makeImages(f.pics, {"a.png", "b.png"});
        OPEN(f, f.pics);
        f.click("cmdDeselectAll");
        f.click("cmdGo");
        QCOMPARE(f.texts("No Images"), QStringList{"Please Select at least 1 Image to Process!"});
        QCOMPARE(f.dialogs.titles(), QStringList{"No Images"}); // and no "Process Finished!"
        QVERIFY(!f.w->processingWindow()->isVisible());
        QCOMPARE(filesIn(f.pics), (QStringList{"a.png", "b.png"}));
    }

    void startWarnings_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QString>("title"); // empty: no question
        QTest::addColumn<QString>("textStart");
        QTest::addColumn<bool>("runs");
        const QString del = QStringLiteral("You have selected to delete orignal images.");
        const QString imminent = QStringLiteral("There is an IMMINENT possibility");
        const QString medium = QStringLiteral("There is a MEDIUM possibility");
        QTest::addRow("delete old, No") << "delete" << MsgAnswer::No << "Delete Warning" << del << false;
        QTest::addRow("delete old, Yes") << "delete" << MsgAnswer::Yes << "Delete Warning" << del << true;
        QTest::addRow("same names, No") << "noprefix" << MsgAnswer::No << "Overwrite Warning" << imminent << false;
        QTest::addRow("same names, Yes") << "noprefix" << MsgAnswer::Yes << "Overwrite Warning" << imminent << true;
        QTest::addRow("spaces rule") << "noprefix,spaces" << MsgAnswer::No << "Overwrite Warning" << medium << false;
        QTest::addRow("format change") << "noprefix,format" << MsgAnswer::No << "Overwrite Warning" << medium << false;
        QTest::addRow("prefix") << "" << MsgAnswer::No << "" << "" << true;
        QTest::addRow("suffix") << "noprefix,suffix" << MsgAnswer::No << "" << "" << true;
        QTest::addRow("other folder") << "noprefix,otherfolder" << MsgAnswer::No << "" << "" << true;
        QTest::addRow("content unchanged") << "noprefix,plain" << MsgAnswer::No << "" << "" << true;
    }

    void startWarnings()
    {
        QFETCH(QString, setup);
        QFETCH(MsgAnswer, answer);
        QFETCH(QString, title);
        QFETCH(QString, textStart);
        QFETCH(bool, runs);
        Fixture f;
        makeImages(f.pics, {"a.png", "b.jpg"});
        const QByteArray before = checksum(f.pics + "/a.png");
        OPEN(f, f.pics);
        const QStringList steps = setup.split(',');
        if (steps.contains("noprefix"))
            f.type("txtPrefix", QString());
        if (steps.contains("delete"))
            f.check("chkDeleteOld")->setChecked(true);
        if (steps.contains("spaces") || steps.contains("format")) {
            f.check("chkAntialias")->setChecked(false);
            f.check("chkGreyscale")->setChecked(steps.contains("spaces"));
            f.choose(steps.contains("spaces") ? "cmbSpaces" : "cmbOutputFormat", 5);
        }
        if (steps.contains("suffix"))
            f.type("txtSuffix", "_s");
        if (steps.contains("otherfolder"))
            f.outputTo(f.out);
        if (steps.contains("plain"))
            f.check("chkAntialias")->setChecked(false);
        f.dialogs.clear();
        f.dialogs.answer(answer);

        f.click("cmdGo");

        if (title.isEmpty()) {
            QCOMPARE(f.dialogs.titles(), kDone);
        } else {
            const ShownDialog q = f.dialogs.shown.value(0);
            QCOMPARE(q.title, title);
            QVERIFY2(q.text.startsWith(textStart), qPrintable(q.text));
            QVERIFY(q.text.endsWith("\r\n\r\nPress 'Cancel' to never see this message again, and continue."));
            QVERIFY(q.buttons == MsgButtons::YesNoCancel && q.icon == MsgIcon::Question);
            QCOMPARE(f.dialogs.titles(), runs ? QStringList{title} + kDone : QStringList{title});
        }
        if (!runs) {
            QVERIFY2(!f.w->processingWindow(), "the processing window never opens");
            QCOMPARE(filesIn(f.pics), (QStringList{"a.png", "b.jpg"}));
            QCOMPARE(checksum(f.pics + "/a.png"), before);
        }
        QCOMPARE(stored("IgnoreOverwriteWarnings"), QString());
    }

    void cancelSilencesWarnings()
    {
        Fixture f;
        makeImages(f.pics, {"a.png"});
        OPEN(f, f.pics);
        f.type("txtPrefix", QString());
        f.dialogs.answer(MsgAnswer::Cancel);
        f.click("cmdGo");
        QCOMPARE(f.dialogs.titles(), QStringList{"Overwrite Warning"} + kDone);
        QCOMPARE(stored("IgnoreOverwriteWarnings"), "1");

        // later runs ask nothing, not even about deleting the originals
        f.check("chkDeleteOld")->setChecked(true);
        f.type("txtPrefix", "new_");
        f.dialogs.clear();
        f.click("cmdGo");
        QCOMPARE(f.dialogs.titles(), kDone);
        QCOMPARE(filesIn(f.pics), QStringList{"new_a.png"});
        QVERIFY(f.w->close()); // saving the settings keeps the value
        QCOMPARE(stored("IgnoreOverwriteWarnings"), "1");
    }

    void captionAndStop()
    {
        Fixture f;
        makeImages(f.pics, {"p1.png", "p2.png", "p3.png", "p4.png", "p5.png"}, 40);
        OPEN(f, f.pics);
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
        f.dialogs.clear();
        f.click("cmdGo");

        QCOMPARE(watch.captions, (QStringList{"Processing Images (0/5)", "Processing Images (1/5)",
                                              "Processing Images (2/5)"}));
        QCOMPARE(outputsAtStop, (QStringList{"th_p1.png", "th_p2.png"}));
        QCOMPARE(stopText, "Stopping Process...");
        // the third image is finished, the fourth never started
        QCOMPARE(filesIn(f.out), (QStringList{"th_p1.png", "th_p2.png", "th_p3.png"}));
        QCOMPARE(imageSize(f.out + "/th_p3.png"), imageSize(f.pics + "/p3.png"));
        QCOMPARE(f.texts("Done"), QStringList{"Process Finished!"});
        QCOMPARE(f.dialogs.titles(), kDone);
        frmGo *go = f.w->processingWindow();
        QVERIFY(!go->isVisible());
        QCOMPARE(ctl<QProgressBar>(go, "proProcess")->value(), 3);
        QCOMPARE(ctl<QProgressBar>(go, "proProcess")->maximum(), 5);

        // the window is reused with a working Stop button; Escape and closing do not end a run
        watch.captions.clear();
        bool stillShown = false;
        watch.onCaption = [&](QWidget *window, const QString &caption) {
            if (caption != QLatin1String("Processing Images (1/5)"))
                return;
            QTest::keyClick(window, Qt::Key_Escape);
            window->close();
            stillShown = window->isVisible();
        };
        f.dialogs.clear();
        f.click("cmdGo");
        QCOMPARE(f.w->processingWindow(), go);
        QVERIFY(stillShown);
        QCOMPARE(watch.captions.size(), 5);
        QCOMPARE(ctl<QPushButton>(go, "cmdStopProcess")->text(), "Stop Processing Images");
        QCOMPARE(filesIn(f.out).size(), 5);
        QCOMPARE(f.dialogs.titles(), kDone);
    }

    void longNamesStayInsideTheProcessingWindow()
    {
        Fixture f;
        const QString name = QStringLiteral("a photo with a very long name ").repeated(5) + "end.png";
        makeImages(f.pics, {name});
        OPEN(f, f.pics);
        f.click("cmdGo");
        QCOMPARE(f.dialogs.titles(), kDone);
        frmGo *go = f.w->processingWindow();
        QCOMPARE(go->height(), 135); // the small window: no FTP panel
        QVERIFY(!ctl<QWidget>(go, "fraFTPStatus")->isVisibleTo(go));
        QCOMPARE(go->imageText(), name);
        QVERIFY(go->statusText().contains("th_" + name));
        for (const char *name : {"lblImage", "lblStatus"}) {
            auto *label = ctl<QLabel>(go, name);
            QVERIFY(label->geometry().right() < go->width());
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
        }
        QVERIFY(ctl<QLabel>(go, "lblImage")->text().endsWith("end.png"));
        QCOMPARE(ctl<QLabel>(go, "lblImage")->toolTip(), name);
    }

    void copyToOtherFolder()
    {
        Fixture f;
        const QStringList names{"a.png", "B.jpg", "c.bmp", "sub/d.png"};
        makeImages(f.pics, names);
        QList<QByteArray> sums;
        for (const QString &n : names)
            sums << checksum(f.pics + '/' + n);
        OPEN(f, f.pics); // with the first-run settings: prefix "th_", antialias
        f.action("mnuRecurse")->trigger();
        QCOMPARE(f.items(), names);
        f.outputTo(f.out);
        f.tick("c.bmp", false);
        f.dialogs.clear();

        f.click("cmdGo");

        QCOMPARE(f.dialogs.titles(), kDone);
        QCOMPARE(filesIn(f.out), (QStringList{"th_B.jpg", "th_a.png"}));
        QCOMPARE(filesIn(f.out + "/sub"), QStringList{"th_d.png"});
        QCOMPARE(imageSize(f.out + "/th_a.png"), imageSize(f.pics + "/a.png"));
        QCOMPARE(imageSize(f.out + "/th_B.jpg"), imageSize(f.pics + "/B.jpg"));
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(checksum(f.pics + '/' + names.at(i)), sums.at(i));
        // the list was emptied and listed again: every item ticked
        QCOMPARE(f.items(), names);
        QCOMPARE(f.ticked(), names);
    }

    void runInSameFolderListsOutputs()
    {
        Fixture f;
        makeImages(f.pics, {"a.png", "b.png"});
        OPEN(f, f.pics);
        f.tick("b.png", false);
        f.click("cmdGo");
        QCOMPARE(f.dialogs.titles(), kDone);
        QCOMPARE(f.items(), (QStringList{"a.png", "b.png", "th_a.png"}));
        QCOMPARE(f.ticked(), f.items());
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
