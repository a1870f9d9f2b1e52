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

QListWidget *list(const frmMain *w)
{
    return ctl<QListWidget>(w, "lstImages");
}

QStringList items(const frmMain *w)
{
    QStringList texts;
    for (int i = 0; i < list(w)->count(); ++i)
        texts << list(w)->item(i)->text();
    return texts;
}

QStringList ticked(const frmMain *w)
{
    QStringList texts;
    for (int i = 0; i < list(w)->count(); ++i)
        if (list(w)->item(i)->checkState() == Qt::Checked)
            texts << list(w)->item(i)->text();
    return texts;
}

void setTick(const frmMain *w, const QString &item, bool on)
{
    const auto found = list(w)->findItems(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QCOMPARE(found.size(), 1);
    found.first()->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void selectItem(const frmMain *w, const QString &item)
{
    const auto found = list(w)->findItems(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QCOMPARE(found.size(), 1);
    list(w)->setCurrentItem(found.first());
}

// A user's choice in a combo box: the index changes and "activated" follows.
void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Replaces the field's text by typing `keys` over the selected text.
void retype(QLineEdit *field, const QString &keys)
{
    field->setFocus();
    field->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, keys);
}

void makeFiles(const QString &folder, const QStringList &names)
{
    for (const QString &n : names)
        QVERIFY2(writeFile(folder + QLatin1Char('/') + n, "image"), qPrintable(n));
}

void makeImages(const QString &folder, const QStringList &names, int size = 24)
{
    unsigned seed = 0;
    for (const QString &n : names) {
        ++seed;
        QVERIFY2(makeImage(folder + QLatin1Char('/') + n, size + int(seed), size, seed), qPrintable(n));
    }
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QStringList messageTexts(const ScriptedDialogService &dialogs, const QString &title)
{
    QStringList texts;
    for (const ShownDialog &d : dialogs.shown)
        if (d.title == title)
            texts << d.text;
    return texts;
}

QString storedValue(const TestWorld &world, const QString &name)
{
    QSettings ini(world.configFile(), QSettings::IniFormat);
    return ini.value(QStringLiteral("Settings/") + name).toString();
}

void storeValues(const QList<std::pair<QString, QString>> &values)
{
    SettingsStore store;
    for (const auto &[name, value] : values)
        store.setText(name, value);
    store.sync();
}

// Shows the main window on `folder` (as given on the command line; none: the
// stored or default folder) and waits for its first listing.
std::unique_ptr<frmMain> openMain(const QString &folder = QString())
{
    auto w = std::make_unique<frmMain>(folder);
    w->show();
    w->activateWindow();
    return w;
}

bool firstListingDone(const frmMain *w)
{
    // The spinner label gets its first "[|] ..." text when a listing starts; the
    // listing runs to its end before control comes back here.
    return ctl<QLabel>(w, "lblLoadingList")->text().startsWith(QLatin1Char('['))
        && !w->listRefreshing() && list(w)->isVisible();
}

#define OPEN_MAIN(w, folder)                                                                                  \
    auto w = openMain(folder);                                                                                \
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));                                                           \
    QTRY_VERIFY(firstListingDone(w.get()));                                                                   \
    if (!QString(folder).isEmpty())                                                                           \
        QCOMPARE(w->currentFolder(), AddBackslash(QString(folder)));

// Watches the processing window's caption as it changes; `onCaption` may press
// its buttons.
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
        if (event->type() == QEvent::WindowTitleChange && watched->objectName() == QLatin1String("frmGo")
            && static_cast<QWidget *>(watched)->isVisible()) {
            auto *go = static_cast<QWidget *>(watched);
            captions << go->windowTitle();
            if (onCaption)
                onCaption(go, go->windowTitle());
        }
        return false;
    }
};

// Runs `action` once while the window's listing is under way, when its hidden
// list holds `atCount` items: the listing serves events after every entry.
class DuringListing final
{
public:
    DuringListing(frmMain *w, int atCount, std::function<void()> action)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, w, atCount, action] {
            if (countAtAction < 0 && ctl<QWidget>(w, "fraLoadingList")->isVisible() && list(w)->count() >= atCount) {
                countAtAction = list(w)->count();
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

QStringList numberedNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("img%1.png").arg(i, 4, 10, QLatin1Char('0'));
    return names;
}

const QString kFieldError = QStringLiteral("Field Error");
const QString kNumbersOnly = QStringLiteral("Only numbers are allowed into this field!");
const QString kNotZero = QStringLiteral("Number not allowed to be 0!");
const QString kRequired = QStringLiteral("A value is required in this field!");
const QString kFinished = QStringLiteral("Process Finished!");

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ImageEngine::initialize();
    }

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
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString docs = world.path(QStringLiteral("home/Documents"));
        QVERIFY(QDir().mkpath(docs));
        if (documentsHoldFiles)
            makeFiles(docs, {QStringLiteral("letter.txt")});
        QVERIFY(writeFile(world.path(QStringLiteral("config/user-dirs.dirs")),
                          "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(docs) + "\"\n"));

        OPEN_MAIN(w, QString());
        const QString expectedFolder = AddBackslash(documentsHoldFiles ? docs : AppPaths::programFolder());
        QCOMPARE(w->currentFolder(), expectedFolder);
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtPrefix")->text(), QStringLiteral("th_"));
        QVERIFY(ctl<QCheckBox>(w.get(), "chkAntialias")->isChecked());
        QVERIFY(ctl<QCheckBox>(w.get(), "chkReplicateSubDirs")->isChecked());
        QVERIFY(!ctl<QCheckBox>(w.get(), "chkDeleteOld")->isChecked());
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtJPGQuality")->text(), QStringLiteral("75"));
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtWidth")->text(), QStringLiteral("100"));
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtHeight")->text(), QStringLiteral("100"));
        QCOMPARE(ctl<QComboBox>(w.get(), "cmbResizeMethod")->currentIndex(), 0);
        QVERIFY(!ctl<QLineEdit>(w.get(), "txtWidth")->isEnabled());
        auto *dest = ctl<QComboBox>(w.get(), "cmbOutput");
        QCOMPARE(dest->currentIndex(), 0);
        QCOMPARE(dest->currentText(), QStringLiteral("Output in Same Folder"));
        QCOMPARE(dest->itemText(dest->count() - 1), QStringLiteral("Configure FTP Servers..."));
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtOutputDir")->text(), expectedFolder);
        QVERIFY(!ctl<QLineEdit>(w.get(), "txtOutputDir")->isEnabled());
        QVERIFY(!ctl<QPushButton>(w.get(), "cmdBrowse")->isEnabled());
        QVERIFY(ctl<QAction>(w.get(), "mnuAniExtract1stScene")->isChecked());
        QVERIFY(!ctl<QAction>(w.get(), "mnuAniExtractAllScenes")->isChecked());
        QVERIFY(dialogs.shown.isEmpty());
    }

    void resetAllSettings()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString out = world.path(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        makeFiles(pics, {QStringLiteral("a.png")});
        storeValues({{QStringLiteral("TextOverlayFace"), QStringLiteral("DejaVu Serif")},
                     {QStringLiteral("TextOverlaySize"), QStringLiteral("30")},
                     {QStringLiteral("TextOverlayColour"), QStringLiteral("255")},
                     {QStringLiteral("TextOverlayBGTrans"), QStringLiteral("False")}});
        OPEN_MAIN(w, pics);

        choose(ctl<QComboBox>(w.get(), "cmbResizeMethod"), 4);
        retype(ctl<QLineEdit>(w.get(), "txtWidth"), QStringLiteral("640"));
        ctl<QCheckBox>(w.get(), "chkDimensionPC")->setChecked(true);
        ctl<QCheckBox>(w.get(), "chkBevel")->setChecked(true);
        retype(ctl<QLineEdit>(w.get(), "txtBevelWidth"), QStringLiteral("8"));
        ctl<QCheckBox>(w.get(), "chkDeleteOld")->setChecked(true);
        ctl<QCheckBox>(w.get(), "chkReplicateSubDirs")->setChecked(false);
        retype(ctl<QLineEdit>(w.get(), "txtSuffix"), QStringLiteral("_x"));
        choose(ctl<QComboBox>(w.get(), "cmbOutputFormat"), 3);
        choose(ctl<QComboBox>(w.get(), "cmbCase"), 2);
        choose(ctl<QComboBox>(w.get(), "cmbOutput"), 1);
        dialogs.answerFolder(out);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdBrowse"), Qt::LeftButton);
        ctl<QAction>(w.get(), "mnuAniExtractAllScenes")->trigger();
        QVERIFY(ctl<QAction>(w.get(), "mnuAniExtractAllScenes")->isChecked());
        const ProcessSettings before = w->processSettings();

        ctl<QAction>(w.get(), "mnuResetSettings")->trigger();

        const ProcessSettings after = w->processSettings();
        QCOMPARE(after.RenamePrefix, QString());
        QCOMPARE(after.MiscAntialias, false);
        QVERIFY(!ctl<QCheckBox>(w.get(), "chkAntialias")->isChecked());
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtPrefix")->text(), QString());
        QCOMPARE(after.DimensionMethod, 0);
        QCOMPARE(after.DimensionWidth, QStringLiteral("100"));
        QCOMPARE(after.DimensionPC, false);
        QCOMPARE(after.MiscBevel, false);
        QCOMPARE(after.MiscBevelWidth, QStringLiteral("5"));
        QCOMPARE(after.DeleteOld, false);
        QCOMPARE(after.ReplicateSubDirs, true);
        QCOMPARE(after.RenameSuffix, QString());
        QCOMPARE(after.OutputFormat, 0);
        QCOMPARE(after.Case, 0);
        QCOMPARE(after.JpgQuality, QStringLiteral("75"));
        // the enabling rules follow the reset values
        QVERIFY(!ctl<QLineEdit>(w.get(), "txtWidth")->isEnabled());
        QVERIFY(!ctl<QLineEdit>(w.get(), "txtBevelWidth")->isEnabled());
        // kept: folder, destination, output folder, overlay font and colours, scenes
        QCOMPARE(w->currentFolder(), AddBackslash(pics));
        QCOMPARE(ctl<QComboBox>(w.get(), "cmbOutput")->currentIndex(), 1);
        QCOMPARE(after.OutputDest, QStringLiteral("//DIFFDIR//"));
        QCOMPARE(after.OutputDir, before.OutputDir);
        QCOMPARE(after.OutputDir, AddBackslash(out));
        QCOMPARE(after.TextOverlayFace, QStringLiteral("DejaVu Serif"));
        QCOMPARE(after.TextOverlaySize, 30);
        QCOMPARE(after.TextOverlayColour, 255);
        QCOMPARE(after.TextOverlayBGTrans, false);
        QCOMPARE(after.AniExtractAllScenes, true);
        QVERIFY(dialogs.count(kFieldError) == 0);
        // nothing is written until the window closes
        QCOMPARE(storedValue(world, QStringLiteral("RenamePrefix")), QString());
        QVERIFY(!QSettings(world.configFile(), QSettings::IniFormat).contains(QStringLiteral("Settings/RenamePrefix")));
    }

    void saveThenLoad()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString out = world.path(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        makeFiles(pics, {QStringLiteral("a.png")});
        storeValues({{QStringLiteral("TextOverlayFace"), QStringLiteral("DejaVu Sans Mono")},
                     {QStringLiteral("TextOverlaySize"), QStringLiteral("-7")},
                     {QStringLiteral("TextOverlayColour"), QStringLiteral("16711680")},
                     {QStringLiteral("TextOverlayBGColour"), QStringLiteral("65280")},
                     {QStringLiteral("TextOverlayBGTrans"), QStringLiteral("false")}});

        ProcessSettings saved;
        {
            OPEN_MAIN(w, pics);
            choose(ctl<QComboBox>(w.get(), "cmbResizeMethod"), 2);
            retype(ctl<QLineEdit>(w.get(), "txtWidth"), QStringLiteral("50"));
            ctl<QCheckBox>(w.get(), "chkDimensionPC")->setChecked(true);
            ctl<QCheckBox>(w.get(), "chkTextOverlay")->setChecked(true);
            retype(ctl<QLineEdit>(w.get(), "txtTextOverlay"), QStringLiteral("Holiday, [WIDTH] px = 100%"));
            choose(ctl<QComboBox>(w.get(), "cmbTextOverlayPosition"), 7);
            choose(ctl<QComboBox>(w.get(), "cmbCase"), 4);
            choose(ctl<QComboBox>(w.get(), "cmbSpaces"), 3);
            ctl<QCheckBox>(w.get(), "chkSequentialNumber")->setChecked(true);
            retype(ctl<QLineEdit>(w.get(), "txtStartNumber"), QStringLiteral("12"));
            retype(ctl<QLineEdit>(w.get(), "txtZeroFill"), QStringLiteral("4"));
            retype(ctl<QLineEdit>(w.get(), "txtPrefix"), QStringLiteral("pre "));
            retype(ctl<QLineEdit>(w.get(), "txtSuffix"), QStringLiteral(" [SEQNUM]"));
            ctl<QCheckBox>(w.get(), "chkAntialias")->setChecked(false);
            ctl<QCheckBox>(w.get(), "chkBevel")->setChecked(true);
            retype(ctl<QLineEdit>(w.get(), "txtBevelWidth"), QStringLiteral("3"));
            ctl<QCheckBox>(w.get(), "chkRotate")->setChecked(true);
            retype(ctl<QLineEdit>(w.get(), "txtRotate"), QStringLiteral("180"));
            ctl<QCheckBox>(w.get(), "chkFlipH")->setChecked(true);
            ctl<QCheckBox>(w.get(), "chkFlipV")->setChecked(true);
            ctl<QCheckBox>(w.get(), "chkInvert")->setChecked(true);
            ctl<QCheckBox>(w.get(), "chkGreyscale")->setChecked(true);
            choose(ctl<QComboBox>(w.get(), "cmbOutputFormat"), 6);
            retype(ctl<QLineEdit>(w.get(), "txtJPGQuality"), QStringLiteral("90"));
            ctl<QCheckBox>(w.get(), "chkDeleteOld")->setChecked(true);
            ctl<QCheckBox>(w.get(), "chkReplicateSubDirs")->setChecked(false);
            choose(ctl<QComboBox>(w.get(), "cmbOutput"), 1);
            dialogs.answerFolder(out);
            QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdBrowse"), Qt::LeftButton);
            ctl<QAction>(w.get(), "mnuAniExtractAllScenes")->trigger();
            ctl<QAction>(w.get(), "mnuTooltips")->trigger();
            saved = w->processSettings();
            QVERIFY(w->close());
        }
        QCOMPARE(dialogs.count(kFieldError), 0);
        // every value is in the store, as text
        const std::pair<const char *, const char *> stored[] = {
            {"DimensionMethod", "2"}, {"DimensionWidth", "50"}, {"DimensionPC", "1"}, {"TextOverlayPosition", "7"},
            {"TextOverlaySize", "-7"}, {"TextOverlayBGTrans", "False"}, {"Case", "4"}, {"RenamePrefix", "pre "},
            {"MiscAntialias", "0"}, {"OutputFormat", "6"}, {"ReplicateSubDirs", "0"}, {"OutputDest", "//DIFFDIR//"},
            {"AniExtractAllScenes", "1"}, {"Tooltips", "False"}, {"PreviewImages", "True"}, {"WindowState", "0"},
        };
        for (const auto &[name, text] : stored)
            QCOMPARE(storedValue(world, QLatin1String(name)), QLatin1String(text));
        QCOMPARE(storedValue(world, QStringLiteral("FileDir")), AddBackslash(pics));
        QCOMPARE(storedValue(world, QStringLiteral("OutputDir")), AddBackslash(out));
        for (const char *name : {"ScreenSize", "WindowWidth", "WindowHeight", "WindowX", "WindowY", "DirFilesSep"})
            QVERIFY2(!storedValue(world, QLatin1String(name)).isEmpty(), name);

        // a new window reads everything back, the folder included
        OPEN_MAIN(again, QString());
        QCOMPARE(again->currentFolder(), AddBackslash(pics));
        QCOMPARE(again->processSettings(), saved);
        QVERIFY(!ctl<QAction>(again.get(), "mnuTooltips")->isChecked());
        QVERIFY(ctl<QAction>(again.get(), "mnuAniExtractAllScenes")->isChecked());
        QVERIFY(!ctl<QAction>(again.get(), "mnuAniExtract1stScene")->isChecked());
        // the enabling rules follow the loaded values
        QVERIFY(ctl<QLineEdit>(again.get(), "txtWidth")->isEnabled());
        QVERIFY(!ctl<QLineEdit>(again.get(), "txtHeight")->isEnabled());
        QVERIFY(ctl<QLineEdit>(again.get(), "txtBevelWidth")->isEnabled());
        QVERIFY(ctl<QLineEdit>(again.get(), "txtRotate")->isEnabled());
        QVERIFY(ctl<QLineEdit>(again.get(), "txtZeroFill")->isEnabled());
        QVERIFY(ctl<QComboBox>(again.get(), "cmbTextOverlayPosition")->isEnabled());
        QVERIFY(ctl<QPushButton>(again.get(), "cmdBrowse")->isEnabled());
        QCOMPARE(ctl<QLineEdit>(again.get(), "txtOutputDir")->text(), AddBackslash(out));
        QCOMPARE(dialogs.count(kFieldError), 0);
    }

    void destinationTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("index");
        QTest::addRow("same folder") << "//SAMEDIR//" << 0;
        QTest::addRow("different folder") << "//DIFFDIR//" << 1;
        QTest::addRow("a connection that was deleted") << "//FTP: Gone//" << 0;
        QTest::addRow("no surrounding slashes") << "DIFFDIR" << 0;
        QTest::addRow("the configure command") << "//Configure FTP Servers...//" << 0;
    }

    void destinationTokens()
    {
        QFETCH(QString, token);
        QFETCH(int, index);
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString out = world.path(QStringLiteral("out"));
        makeFiles(pics, {QStringLiteral("a.png")});
        QVERIFY(QDir().mkpath(out));
        storeValues({{QStringLiteral("OutputDest"), token}, {QStringLiteral("OutputDir"), AddBackslash(out)}});
        OPEN_MAIN(w, pics);
        QCOMPARE(ctl<QComboBox>(w.get(), "cmbOutput")->currentIndex(), index);
        // the same folder follows the listed folder; a different one is kept
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtOutputDir")->text(), index == 0 ? AddBackslash(pics) : AddBackslash(out));
        QCOMPARE(ctl<QPushButton>(w.get(), "cmdBrowse")->isEnabled(), index == 1);
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtOutputDir")->isEnabled(), index == 1);
        QVERIFY(ctl<QLineEdit>(w.get(), "txtOutputDir")->isReadOnly());
        QVERIFY(dialogs.shown.isEmpty());
    }

    void destinationChoices()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString out = world.path(QStringLiteral("out"));
        makeFiles(pics, {QStringLiteral("a.png")});
        QVERIFY(QDir().mkpath(out));
        OPEN_MAIN(w, pics);
        auto *dest = ctl<QComboBox>(w.get(), "cmbOutput");
        auto *dir = ctl<QLineEdit>(w.get(), "txtOutputDir");

        choose(dest, 1);
        QCOMPARE(dir->text(), AddBackslash(pics));
        QVERIFY(dir->isEnabled());
        QVERIFY(dir->isReadOnly());
        dialogs.answerFolder(out);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdBrowse"), Qt::LeftButton);
        QCOMPARE(dir->text(), AddBackslash(out));
        // a cancelled chooser keeps the folder
        dialogs.answerFolder(std::nullopt);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdBrowse"), Qt::LeftButton);
        QCOMPARE(dir->text(), AddBackslash(out));

        // "Configure FTP Servers..." is a command: the destination stays as it was
        choose(dest, dest->count() - 1);
        QCOMPARE(dest->currentIndex(), 1);
        QCOMPARE(dir->text(), AddBackslash(out));
        QCOMPARE(w->processSettings().OutputDest, QStringLiteral("//DIFFDIR//"));

        choose(dest, 0);
        QCOMPARE(dir->text(), AddBackslash(pics));
        QVERIFY(!dir->isEnabled());
        QVERIFY(!ctl<QPushButton>(w.get(), "cmdBrowse")->isEnabled());
    }

    void unreadableStoredValues()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("a.png")});
        storeValues({{QStringLiteral("DimensionMethod"), QStringLiteral("abc")},
                     {QStringLiteral("DimensionWidth"), QStringLiteral("640")},
                     {QStringLiteral("TextOverlaySize"), QStringLiteral("99999")},
                     {QStringLiteral("TextOverlayColour"), QStringLiteral("255")},
                     {QStringLiteral("Case"), QStringLiteral("9")},
                     {QStringLiteral("Spaces"), QStringLiteral("2")},
                     {QStringLiteral("RenamePrefix"), QStringLiteral("p_")},
                     {QStringLiteral("Tooltips"), QStringLiteral("sometimes")},
                     {QStringLiteral("OutputFormat"), QStringLiteral("3")}});
        OPEN_MAIN(w, pics);
        QStringList failed;
        for (const ShownDialog &d : dialogs.shown) {
            QCOMPARE(d.kind, ShownDialog::ErrorReport);
            QCOMPARE(d.report.operation, QStringLiteral("Loading Settings from Registry"));
            QCOMPARE(d.report.procedureName, QStringLiteral("GetSettings"));
            QCOMPARE(d.report.windowName, QStringLiteral("frmMain"));
            QVERIFY(!d.report.fatal);
            failed << d.report.description;
        }
        QCOMPARE(failed.size(), 4);
        QVERIFY2(failed.at(0).contains(QLatin1String("sometimes")), qPrintable(failed.at(0)));
        QVERIFY2(failed.at(1).contains(QLatin1String("abc")), qPrintable(failed.at(1)));
        QVERIFY2(failed.at(2).contains(QLatin1String("99999")), qPrintable(failed.at(2)));
        QVERIFY2(failed.at(3).contains(QLatin1String("9")), qPrintable(failed.at(3)));
        // the failed values keep their controls' values, the others are read
        const ProcessSettings s = w->processSettings();
        QCOMPARE(s.DimensionMethod, 0);
        QCOMPARE(s.DimensionWidth, QStringLiteral("640"));
        QCOMPARE(s.TextOverlaySize, 12);
        QCOMPARE(s.TextOverlayColour, 255);
        QCOMPARE(s.Case, 0);
        QCOMPARE(s.Spaces, 2);
        QCOMPARE(s.RenamePrefix, QStringLiteral("p_"));
        QCOMPARE(s.OutputFormat, 3);
        QVERIFY(ctl<QAction>(w.get(), "mnuTooltips")->isChecked());
    }

    void sceneChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("allScenes");
        QTest::addRow("1") << "1" << true;
        QTest::addRow("0") << "0" << false;
        QTest::addRow("2") << "2" << false;
        QTest::addRow("text") << "yes" << false;
    }

    void sceneChoice()
    {
        QFETCH(QString, stored);
        QFETCH(bool, allScenes);
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("a.gif")});
        storeValues({{QStringLiteral("AniExtractAllScenes"), stored}});
        OPEN_MAIN(w, pics);
        QCOMPARE(ctl<QAction>(w.get(), "mnuAniExtractAllScenes")->isChecked(), allScenes);
        QCOMPARE(ctl<QAction>(w.get(), "mnuAniExtract1stScene")->isChecked(), !allScenes);
        QCOMPARE(w->processSettings().AniExtractAllScenes, allScenes);
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

        const QStringList none;
        QTest::addRow("1, 2, a, 5 into the width") << "txtWidth" << "cmbResizeMethod" << "12a5" << false << "125"
                                                   << QStringList{kNumbersOnly};
        QTest::addRow("0 into the width") << "txtWidth" << "cmbResizeMethod" << "0" << false << "1"
                                          << QStringList{kNotZero};
        QTest::addRow("0 into the height") << "txtHeight" << "cmbResizeMethod" << "0" << false << "1"
                                           << QStringList{kNotZero};
        QTest::addRow("per cent into the height") << "txtHeight" << "cmbResizeMethod" << "5%" << false << "5"
                                                  << QStringList{kNumbersOnly};
        QTest::addRow("pasted letters and per cent") << "txtWidth" << "cmbResizeMethod" << "12a%" << true << "12"
                                                     << QStringList{kNumbersOnly};
        QTest::addRow("pasted minus and point") << "txtHeight" << "cmbResizeMethod" << "-2.5" << true << "25"
                                                << QStringList{kNumbersOnly};
        QTest::addRow("0 into the zero fill") << "txtZeroFill" << "chkSequentialNumber" << "0" << false << "0" << none;
        QTest::addRow("0 into the start number") << "txtStartNumber" << "chkSequentialNumber" << "0" << false << "0"
                                                 << none;
        QTest::addRow("150 into the JPEG quality") << "txtJPGQuality" << "" << "150" << false << "100" << none;
        QTest::addRow("100 into the JPEG quality") << "txtJPGQuality" << "" << "100" << false << "100" << none;
        QTest::addRow("0 into the JPEG quality") << "txtJPGQuality" << "" << "0" << false << "1" << QStringList{kNotZero};
        QTest::addRow("0 into the rotation") << "txtRotate" << "chkRotate" << "0" << false << "1" << QStringList{kNotZero};
        QTest::addRow("x into the bevel width") << "txtBevelWidth" << "chkBevel" << "3x" << false << "3"
                                                << QStringList{kNumbersOnly};
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
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("a.png")});
        OPEN_MAIN(w, pics);
        if (enabler == QLatin1String("cmbResizeMethod"))
            choose(ctl<QComboBox>(w.get(), "cmbResizeMethod"), 1);
        else if (!enabler.isEmpty())
            ctl<QCheckBox>(w.get(), enabler.toLatin1().constData())->setChecked(true);
        auto *edit = ctl<QLineEdit>(w.get(), field.toLatin1().constData());
        QVERIFY(edit->isEnabled());
        if (paste) {
            edit->selectAll();
            edit->insert(keys);
        } else {
            retype(edit, keys);
        }
        QCOMPARE(edit->text(), result);
        QCOMPARE(messageTexts(dialogs, kFieldError), messages);
        for (const ShownDialog &d : dialogs.shown) {
            QCOMPARE(d.icon, MsgIcon::Exclamation);
            QCOMPARE(d.buttons, MsgButtons::Ok);
        }
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("enabler");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("message");
        QTest::addRow("rotation left empty") << "txtRotate" << "chkRotate" << "" << "90" << true;
        QTest::addRow("bevel width left empty") << "txtBevelWidth" << "chkBevel" << "" << "5" << true;
        QTest::addRow("width left empty") << "txtWidth" << "cmbResizeMethod" << "" << "100" << true;
        QTest::addRow("height left empty") << "txtHeight" << "cmbResizeMethod" << "" << "100" << true;
        QTest::addRow("rotation left with a value") << "txtRotate" << "chkRotate" << "45" << "45" << false;
        QTest::addRow("start number may be empty") << "txtStartNumber" << "chkSequentialNumber" << "" << "" << false;
    }

    void requiredFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, enabler);
        QFETCH(QString, keys);
        QFETCH(QString, result);
        QFETCH(bool, message);
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("a.png")});
        OPEN_MAIN(w, pics);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        if (enabler == QLatin1String("cmbResizeMethod"))
            choose(ctl<QComboBox>(w.get(), "cmbResizeMethod"), 4);
        else
            ctl<QCheckBox>(w.get(), enabler.toLatin1().constData())->setChecked(true);
        auto *edit = ctl<QLineEdit>(w.get(), field.toLatin1().constData());
        retype(edit, keys);
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(edit->text(), keys);
        QVERIFY(dialogs.shown.isEmpty());
        ctl<QLineEdit>(w.get(), "txtPrefix")->setFocus();
        QTRY_VERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), result);
        QCOMPARE(messageTexts(dialogs, kFieldError), message ? QStringList{kRequired} : QStringList{});
    }

    // ================================================= image list

    void listOrderAndLetterCase()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("b.png"), QStringLiteral("a.jpg"), QStringLiteral("C.gif"), QStringLiteral("A.jpg"),
                         QStringLiteral("a2.png"), QStringLiteral("notes.txt"), QStringLiteral(".hidden.png"),
                         QStringLiteral("D.TIFF"), QStringLiteral("e.Pcx")});
        QVERIFY(QDir().mkpath(pics + QStringLiteral("/folder.png")));
        OPEN_MAIN(w, pics);
        QCOMPARE(items(w.get()), (QStringList{"A.jpg", "a.jpg", "a2.png", "b.png", "C.gif", "D.TIFF", "e.Pcx"}));
        QCOMPARE(ticked(w.get()), items(w.get()));

        // deleting a.jpg leaves A.jpg alone
        selectItem(w.get(), QStringLiteral("a.jpg"));
        dialogs.answer(MsgAnswer::Yes);
        QTest::keyClick(list(w.get()), Qt::Key_Delete);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Delete Confirmation"));
        QCOMPARE(dialogs.shown.first().text,
                 QStringLiteral("Are you sure you want to delete \"%1\"").arg(AddBackslash(pics) + QStringLiteral("a.jpg")));
        QCOMPARE(dialogs.shown.first().buttons, MsgButtons::YesNo);
        QVERIFY(!QFile::exists(pics + QStringLiteral("/a.jpg")));
        QVERIFY(QFile::exists(pics + QStringLiteral("/A.jpg")));
        QCOMPARE(items(w.get()), (QStringList{"A.jpg", "a2.png", "b.png", "C.gif", "D.TIFF", "e.Pcx"}));

        // No keeps the file
        selectItem(w.get(), QStringLiteral("b.png"));
        dialogs.answer(MsgAnswer::No);
        ctl<QAction>(w.get(), "mnuDeleteImage")->trigger();
        QVERIFY(QFile::exists(pics + QStringLiteral("/b.png")));
        QCOMPARE(items(w.get()).size(), 6);
    }

    void treeShowsTheListedFolder()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        // a folder deep enough that its tree row starts out of sight
        const QString pics = world.path(QStringLiteral("zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/zz/pics"));
        makeFiles(pics, {QStringLiteral("a.png")});
        OPEN_MAIN(w, pics);
        auto *tree = ctl<QTreeView>(w.get(), "tvwFolders");
        auto *model = qobject_cast<QFileSystemModel *>(tree->model());
        QCOMPARE(model->filePath(tree->currentIndex()), pics);
        const auto rowInSight = [&] {
            const QRect row = tree->visualRect(tree->currentIndex());
            return row.top() >= 0 && row.bottom() < tree->viewport()->height();
        };
        QTRY_VERIFY(rowInSight());
    }

    void refreshKeepsTicks()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("b.png"), QStringLiteral("c.jpg"), QStringLiteral("d.gif"), QStringLiteral("e.bmp")});
        OPEN_MAIN(w, pics);
        setTick(w.get(), QStringLiteral("c.jpg"), false);
        setTick(w.get(), QStringLiteral("e.bmp"), false);
        makeFiles(pics, {QStringLiteral("a.png"), QStringLiteral(".new.png")});
        QVERIFY(QFile::remove(pics + QStringLiteral("/d.gif")));

        w->RefreshFileList();
        // the new file comes at the end, ticked; the gone one is gone; ticks are kept
        QCOMPARE(items(w.get()), (QStringList{"b.png", "c.jpg", "e.bmp", "a.png"}));
        QCOMPARE(ticked(w.get()), (QStringList{"b.png", "a.png"}));
        QVERIFY(list(w.get())->isVisible());
        QVERIFY(!ctl<QWidget>(w.get(), "fraLoadingList")->isVisible());
        QVERIFY(dialogs.shown.isEmpty());
    }

    void recursion()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("b.png"), QStringLiteral("Apple.png"), QStringLiteral("sub/apple.gif"),
                         QStringLiteral("sub/b.gif"), QStringLiteral("sub/deeper/c.jpg"), QStringLiteral("a-sub/z.png"),
                         QStringLiteral(".cache/x.png"), QStringLiteral("sub/.hidden.jpg")});
        OPEN_MAIN(w, pics);
        QCOMPARE(items(w.get()), (QStringList{"Apple.png", "b.png"}));
        setTick(w.get(), QStringLiteral("b.png"), false);

        auto *recurse = ctl<QAction>(w.get(), "mnuRecurse");
        recurse->trigger();
        QVERIFY(recurse->isChecked());
        // breadth first: the folder, then its sub-folders in name order, then theirs
        QCOMPARE(items(w.get()),
                 (QStringList{"Apple.png", "b.png", "a-sub/z.png", "sub/apple.gif", "sub/b.gif", "sub/deeper/c.jpg"}));
        QCOMPARE(ticked(w.get()), (QStringList{"Apple.png", "a-sub/z.png", "sub/apple.gif", "sub/b.gif", "sub/deeper/c.jpg"}));

        // pattern a*: the file name counts, not the folder, and letter case does not
        ctl<QPushButton>(w.get(), "cmdDeselectAll")->click();
        QVERIFY(ticked(w.get()).isEmpty());
        dialogs.answerInput(QStringLiteral("a*"));
        ctl<QAction>(w.get(), "mnuSelectPattern")->trigger();
        QCOMPARE(ticked(w.get()), (QStringList{"Apple.png", "sub/apple.gif"}));
        QCOMPARE(dialogs.shown.last().title, QStringLiteral("Select Images By Pattern"));
        QVERIFY(dialogs.shown.last().text.startsWith(QLatin1String("Enter Pattern: ")));
        QVERIFY(dialogs.shown.last().text.contains(QLatin1String("# - Any single digit (0 to 9).")));

        dialogs.answerInput(QStringLiteral("[!a]*.GIF"));
        ctl<QAction>(w.get(), "mnuSelectPattern")->trigger();
        QCOMPARE(ticked(w.get()), (QStringList{"Apple.png", "sub/apple.gif", "sub/b.gif"}));
        dialogs.answerInput(QStringLiteral("*.gif"));
        ctl<QAction>(w.get(), "mnuDeSelectPattern")->trigger();
        QCOMPARE(dialogs.shown.last().title, QStringLiteral("De-Select Images By Pattern"));
        QCOMPARE(ticked(w.get()), QStringList{"Apple.png"});
        // an empty or cancelled answer changes nothing
        dialogs.answerInput(QString());
        ctl<QAction>(w.get(), "mnuDeSelectPattern")->trigger();
        dialogs.answerInput(std::nullopt);
        ctl<QAction>(w.get(), "mnuSelectPattern")->trigger();
        QCOMPARE(ticked(w.get()), QStringList{"Apple.png"});

        ctl<QAction>(w.get(), "mnuInvertSelection")->trigger();
        QCOMPARE(ticked(w.get()), (QStringList{"b.png", "a-sub/z.png", "sub/apple.gif", "sub/b.gif", "sub/deeper/c.jpg"}));

        // off again: a fresh listing, every item ticked
        recurse->trigger();
        QVERIFY(!recurse->isChecked());
        QCOMPARE(items(w.get()), (QStringList{"Apple.png", "b.png"}));
        QCOMPARE(ticked(w.get()), items(w.get()));
    }

    void selectByType_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QStringList>("changed");
        QTest::addRow("JPG") << "mnuSelectJPG" << true << QStringList{"a.jpg", "b.JPEG", "c.Jpg"};
        QTest::addRow("TIFF") << "mnuSelectTIFF" << true << QStringList{"d.tif", "e.TIFF"};
        QTest::addRow("PNG") << "mnuSelectPNG" << true << QStringList{"f.png"};
        QTest::addRow("GIF") << "mnuSelectGIF" << true << QStringList{"g.gif", "sub.jpg/h.gif"};
        QTest::addRow("BMP") << "mnuSelectBMP" << true << QStringList{"i.bmp"};
        QTest::addRow("TGA") << "mnuSelectTGA" << true << QStringList{"j.tga"};
        QTest::addRow("MIFF") << "mnuSelectMIFF" << true << QStringList{"k.miff"};
        QTest::addRow("PCX") << "mnuSelectPCX" << true << QStringList{"l.pcx"};
        QTest::addRow("de-select JPG") << "mnuDeSelectJPG" << false << QStringList{"a.jpg", "b.JPEG", "c.Jpg"};
        QTest::addRow("de-select TIFF") << "mnuDeSelectTIFF" << false << QStringList{"d.tif", "e.TIFF"};
    }

    void selectByType()
    {
        QFETCH(QString, action);
        QFETCH(bool, select);
        QFETCH(QStringList, changed);
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("a.jpg"), QStringLiteral("b.JPEG"), QStringLiteral("c.Jpg"), QStringLiteral("d.tif"),
                         QStringLiteral("e.TIFF"), QStringLiteral("f.png"), QStringLiteral("g.gif"), QStringLiteral("i.bmp"),
                         QStringLiteral("j.tga"), QStringLiteral("k.miff"), QStringLiteral("l.pcx"),
                         QStringLiteral("sub.jpg/h.gif")});
        OPEN_MAIN(w, pics);
        ctl<QAction>(w.get(), "mnuRecurse")->trigger();
        QCOMPARE(items(w.get()).size(), 12);
        ctl<QAction>(w.get(), select ? "mnuDeSelectAll" : "mnuSelectAll")->trigger();
        ctl<QAction>(w.get(), action.toLatin1().constData())->trigger();
        QStringList expected;
        for (const QString &item : items(w.get()))
            if (changed.contains(item) == select)
                expected << item;
        QCOMPARE(ticked(w.get()), expected);
        QVERIFY(dialogs.shown.isEmpty());
    }

    void stopDuringListing()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QStringList names = numberedNames(400);
        makeFiles(pics, names);

        auto w = std::make_unique<frmMain>(pics);
        DuringListing stop(w.get(), 25, [&] {
            QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdStopLoadingList"), Qt::LeftButton);
        });
        w->show();
        QTRY_VERIFY(stop.countAtAction > 0 && firstListingDone(w.get()));
        QCOMPARE(w->currentFolder(), AddBackslash(pics));
        QCOMPARE(items(w.get()), names.mid(0, stop.countAtAction));
        QVERIFY(!ctl<QWidget>(w.get(), "fraLoadingList")->isVisible());

        // the next listing runs to its end and keeps the ticks of the items found
        setTick(w.get(), names.at(3), false);
        w->RefreshFileList();
        QCOMPARE(items(w.get()), names);
        QCOMPARE(ticked(w.get()).size(), 399);
    }

    void folderChosenDuringListing()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString big = world.path(QStringLiteral("big"));
        const QString small = world.path(QStringLiteral("small"));
        makeFiles(big, numberedNames(400));
        makeFiles(small, {QStringLiteral("x.png"), QStringLiteral("y.png")});

        auto w = std::make_unique<frmMain>(big);
        DuringListing choose(w.get(), 25, [&] {
            auto *tree = ctl<QTreeView>(w.get(), "tvwFolders");
            auto *model = qobject_cast<QFileSystemModel *>(tree->model());
            QVERIFY(model);
            tree->setCurrentIndex(model->index(small));
        });
        w->show();
        QTRY_VERIFY(choose.countAtAction > 0 && firstListingDone(w.get()));
        // the list shows the folder that is current, nothing of the other one
        QCOMPARE(w->currentFolder(), AddBackslash(small));
        QCOMPARE(items(w.get()), (QStringList{"x.png", "y.png"}));
        QCOMPARE(ctl<QLineEdit>(w.get(), "txtOutputDir")->text(), AddBackslash(small));
        QVERIFY(dialogs.shown.isEmpty());
    }

    void recursionDuringListing()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QStringList names = numberedNames(300);
        makeFiles(pics, names);
        makeFiles(pics, {QStringLiteral("sub/z.png")});

        auto w = std::make_unique<frmMain>(pics);
        DuringListing recurse(w.get(), 25, [&] { ctl<QAction>(w.get(), "mnuRecurse")->trigger(); });
        w->show();
        QTRY_VERIFY(recurse.countAtAction > 0 && firstListingDone(w.get()));
        QVERIFY(ctl<QAction>(w.get(), "mnuRecurse")->isChecked());
        QCOMPARE(items(w.get()), names + QStringList{QStringLiteral("sub/z.png")});
    }

    void startDuringListing()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QStringList names = numberedNames(300);
        makeFiles(pics, names);

        auto w = std::make_unique<frmMain>(pics);
        bool enabledDuring = true;
        DuringListing start(w.get(), 25, [&] {
            auto *go = ctl<QPushButton>(w.get(), "cmdGo");
            enabledDuring = go->isEnabled();
            QTest::mouseClick(go, Qt::LeftButton);
        });
        w->show();
        QTRY_VERIFY(start.countAtAction > 0 && firstListingDone(w.get()));
        QVERIFY(!enabledDuring);
        QVERIFY(dialogs.shown.isEmpty());
        QVERIFY(!w->processingWindow());
        QCOMPARE(items(w.get()), names);
        QVERIFY(ctl<QPushButton>(w.get(), "cmdGo")->isEnabled());
    }

    void deleteChecked()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("c.png"), QStringLiteral("d.png")});
        OPEN_MAIN(w, pics);

        // nothing ticked: nothing asked, nothing deleted
        ctl<QAction>(w.get(), "mnuDeSelectAll")->trigger();
        ctl<QAction>(w.get(), "mnuDeleteCheckedImages")->trigger();
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(filesIn(pics).size(), 4);

        // two ticked, No: nothing deleted
        setTick(w.get(), QStringLiteral("a.png"), true);
        setTick(w.get(), QStringLiteral("c.png"), true);
        selectItem(w.get(), QStringLiteral("d.png"));
        dialogs.answer(MsgAnswer::No);
        ctl<QAction>(w.get(), "mnuDeleteCheckedImages")->trigger();
        QCOMPARE(messageTexts(dialogs, QStringLiteral("Delete Confirmation")),
                 QStringList{QStringLiteral("Are you sure you want to delete these 2 images?")});
        QCOMPARE(filesIn(pics).size(), 4);

        // Yes: both go, the selected item stays selected
        dialogs.answer(MsgAnswer::Yes);
        ctl<QAction>(w.get(), "mnuDeleteCheckedImages")->trigger();
        QCOMPARE(filesIn(pics), (QStringList{"b.png", "d.png"}));
        QCOMPARE(items(w.get()), (QStringList{"b.png", "d.png"}));
        QVERIFY(list(w.get())->currentItem());
        QCOMPARE(list(w.get())->currentItem()->text(), QStringLiteral("d.png"));

        // one ticked: the singular question
        dialogs.clear();
        setTick(w.get(), QStringLiteral("b.png"), true);
        dialogs.answer(MsgAnswer::Yes);
        ctl<QAction>(w.get(), "mnuDeleteCheckedImages")->trigger();
        QCOMPARE(messageTexts(dialogs, QStringLiteral("Delete Confirmation")),
                 QStringList{QStringLiteral("Are you sure you want to delete the checked image?")});
        QCOMPARE(filesIn(pics), QStringList{"d.png"});
        QCOMPARE(items(w.get()), QStringList{"d.png"});
    }

    void folderGone()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeFiles(pics, {QStringLiteral("a.png")});
        OPEN_MAIN(w, pics);
        QVERIFY(QDir(pics).removeRecursively());
        ctl<QAction>(w.get(), "mnuRecurse")->trigger();
        QCOMPARE(dialogs.titles(), QStringList{QStringLiteral("Drive Error")});
        QVERIFY(dialogs.shown.first().text.startsWith(QLatin1String("(76) ")));
        QCOMPARE(dialogs.shown.first().icon, MsgIcon::Exclamation);
        QVERIFY(list(w.get())->isVisible());
        QVERIFY(!ctl<QWidget>(w.get(), "fraLoadingList")->isVisible());
        QVERIFY(!w->listRefreshing());
        QVERIFY(items(w.get()).isEmpty());
    }

    // ================================================= batch through the windows

    void noTickedImage()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeImages(pics, {QStringLiteral("a.png"), QStringLiteral("b.png")});
        OPEN_MAIN(w, pics);
        ctl<QPushButton>(w.get(), "cmdDeselectAll")->click();
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);
        QCOMPARE(dialogs.titles(), QStringList{QStringLiteral("No Images")});
        QCOMPARE(dialogs.shown.first().text, QStringLiteral("Please Select at least 1 Image to Process!"));
        QCOMPARE(dialogs.shown.first().icon, MsgIcon::Exclamation);
        QVERIFY(w->processingWindow());
        QVERIFY(!w->processingWindow()->isVisible());
        QCOMPARE(filesIn(pics), (QStringList{"a.png", "b.png"}));
    }

    void startWarnings_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<QString>("title"); // empty: no question
        QTest::addColumn<QString>("textStart");
        QTest::addColumn<bool>("runs");

        QTest::addRow("delete old, No") << "delete" << MsgAnswer::No << "Delete Warning"
                                        << "You have selected to delete orignal images." << false;
        QTest::addRow("delete old with a prefix, Yes") << "delete" << MsgAnswer::Yes << "Delete Warning"
                                                       << "You have selected to delete orignal images." << true;
        QTest::addRow("same names, content changed, No") << "noprefix" << MsgAnswer::No << "Overwrite Warning"
                                                         << "There is an IMMINENT possibility" << false;
        QTest::addRow("same names, content changed, Yes") << "noprefix" << MsgAnswer::Yes << "Overwrite Warning"
                                                          << "There is an IMMINENT possibility" << true;
        QTest::addRow("spaces rule only") << "spaces" << MsgAnswer::No << "Overwrite Warning"
                                          << "There is a MEDIUM possibility" << false;
        QTest::addRow("format change only") << "format" << MsgAnswer::No << "Overwrite Warning"
                                            << "There is a MEDIUM possibility" << false;
        QTest::addRow("prefix: no question") << "" << MsgAnswer::No << "" << "" << true;
        QTest::addRow("suffix: no question") << "suffix" << MsgAnswer::No << "" << "" << true;
        QTest::addRow("other folder: no question") << "otherfolder" << MsgAnswer::No << "" << "" << true;
        QTest::addRow("nothing changes the content: no question") << "renameonly" << MsgAnswer::No << "" << "" << true;
    }

    void startWarnings()
    {
        QFETCH(QString, setup);
        QFETCH(MsgAnswer, answer);
        QFETCH(QString, title);
        QFETCH(QString, textStart);
        QFETCH(bool, runs);
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString out = world.path(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        makeImages(pics, {QStringLiteral("a.png"), QStringLiteral("b.jpg")});
        const QByteArray before = checksum(pics + QStringLiteral("/a.png"));
        OPEN_MAIN(w, pics);
        if (setup != QLatin1String("delete") && !setup.isEmpty() && setup != QLatin1String("suffix"))
            retype(ctl<QLineEdit>(w.get(), "txtPrefix"), QString());
        if (setup == QLatin1String("delete"))
            ctl<QCheckBox>(w.get(), "chkDeleteOld")->setChecked(true);
        if (setup == QLatin1String("spaces") || setup == QLatin1String("format")) {
            ctl<QCheckBox>(w.get(), "chkAntialias")->setChecked(false);
            choose(ctl<QComboBox>(w.get(), setup == QLatin1String("spaces") ? "cmbSpaces" : "cmbOutputFormat"),
                   setup == QLatin1String("spaces") ? 1 : 5);
            if (setup == QLatin1String("spaces"))
                ctl<QCheckBox>(w.get(), "chkGreyscale")->setChecked(true);
        }
        if (setup == QLatin1String("suffix")) {
            retype(ctl<QLineEdit>(w.get(), "txtPrefix"), QString());
            retype(ctl<QLineEdit>(w.get(), "txtSuffix"), QStringLiteral("_s"));
        }
        if (setup == QLatin1String("otherfolder")) {
            choose(ctl<QComboBox>(w.get(), "cmbOutput"), 1);
            dialogs.answerFolder(out);
            QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdBrowse"), Qt::LeftButton);
        }
        if (setup == QLatin1String("renameonly"))
            ctl<QCheckBox>(w.get(), "chkAntialias")->setChecked(false);
        dialogs.clear();
        dialogs.answer(answer);

        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);

        if (title.isEmpty()) {
            QCOMPARE(dialogs.titles(), QStringList{QStringLiteral("Done")});
        } else {
            QVERIFY(!dialogs.shown.isEmpty());
            const ShownDialog &q = dialogs.shown.first();
            QCOMPARE(q.title, title);
            QVERIFY2(q.text.startsWith(textStart), qPrintable(q.text));
            QVERIFY(q.text.contains(QLatin1String("Press 'Cancel' to never see this message again, and continue.")));
            QCOMPARE(q.buttons, MsgButtons::YesNoCancel);
            QCOMPARE(q.icon, MsgIcon::Question);
            QCOMPARE(dialogs.titles(), runs ? (QStringList{title, QStringLiteral("Done")}) : QStringList{title});
        }
        if (!runs) {
            QCOMPARE(filesIn(pics), (QStringList{"a.png", "b.jpg"}));
            QCOMPARE(checksum(pics + QStringLiteral("/a.png")), before);
            QVERIFY2(!w->processingWindow(), "the processing window is never opened");
        }
        QCOMPARE(storedValue(world, QStringLiteral("IgnoreOverwriteWarnings")), QString());
    }

    void cancelSilencesWarnings()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeImages(pics, {QStringLiteral("a.png")});
        OPEN_MAIN(w, pics);
        retype(ctl<QLineEdit>(w.get(), "txtPrefix"), QString());
        dialogs.clear();
        dialogs.answer(MsgAnswer::Cancel);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);
        QCOMPARE(dialogs.titles(), (QStringList{"Overwrite Warning", "Done"}));
        QCOMPARE(storedValue(world, QStringLiteral("IgnoreOverwriteWarnings")), QStringLiteral("1"));

        // later runs ask nothing, not even about deleting the originals
        ctl<QCheckBox>(w.get(), "chkDeleteOld")->setChecked(true);
        retype(ctl<QLineEdit>(w.get(), "txtPrefix"), QStringLiteral("new_"));
        dialogs.clear();
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);
        QCOMPARE(dialogs.titles(), QStringList{"Done"});
        QCOMPARE(filesIn(pics), QStringList{"new_a.png"});
        // closing the window keeps the value
        QVERIFY(w->close());
        QCOMPARE(storedValue(world, QStringLiteral("IgnoreOverwriteWarnings")), QStringLiteral("1"));
    }

    void captionAndStop()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString out = world.path(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        const QStringList names{"p1.png", "p2.png", "p3.png", "p4.png", "p5.png"};
        makeImages(pics, names, 40);
        OPEN_MAIN(w, pics);
        choose(ctl<QComboBox>(w.get(), "cmbOutput"), 1);
        dialogs.answerFolder(out);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdBrowse"), Qt::LeftButton);

        CaptionWatch watch;
        QStringList outputsAtStop;
        QString stopCaption;
        bool stopEnabledAfter = true;
        watch.onCaption = [&](QWidget *go, const QString &caption) {
            if (caption != QLatin1String("Processing Images (2/5)"))
                return;
            // Stop is pressed while the third image is under way.
            outputsAtStop = filesIn(out);
            auto *stop = ctl<QPushButton>(go, "cmdStopProcess");
            QVERIFY(stop->isVisible());
            QTest::mouseClick(stop, Qt::LeftButton);
            stopCaption = stop->text();
            stopEnabledAfter = stop->isEnabled();
        };
        dialogs.clear();
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);

        QCOMPARE(watch.captions.value(0), QStringLiteral("Processing Images (0/5)"));
        QCOMPARE(watch.captions,
                 (QStringList{"Processing Images (0/5)", "Processing Images (1/5)", "Processing Images (2/5)"}));
        QCOMPARE(outputsAtStop, (QStringList{"th_p1.png", "th_p2.png"}));
        QCOMPARE(stopCaption, QStringLiteral("Stopping Process..."));
        QVERIFY(!stopEnabledAfter);
        // the third image is finished, the fourth never started
        QCOMPARE(filesIn(out), (QStringList{"th_p1.png", "th_p2.png", "th_p3.png"}));
        QCOMPARE(imageSize(out + QStringLiteral("/th_p3.png")), imageSize(pics + QStringLiteral("/p3.png")));
        QCOMPARE(dialogs.titles(), QStringList{"Done"});
        QCOMPARE(dialogs.shown.first().text, kFinished);
        QCOMPARE(dialogs.shown.first().icon, MsgIcon::Information);
        frmGo *go = w->processingWindow();
        QVERIFY(go && !go->isVisible());
        QCOMPARE(ctl<QProgressBar>(go, "proProcess")->value(), 3);
        QCOMPARE(ctl<QProgressBar>(go, "proProcess")->maximum(), 5);

        // the window is reused: the next run starts with a working Stop button
        watch.captions.clear();
        watch.onCaption = nullptr;
        dialogs.clear();
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);
        QCOMPARE(w->processingWindow(), go);
        QCOMPARE(watch.captions.size(), 5);
        QCOMPARE(watch.captions.last(), QStringLiteral("Processing Images (4/5)"));
        QCOMPARE(ctl<QPushButton>(go, "cmdStopProcess")->text(), QStringLiteral("Stop Processing Images"));
        QVERIFY(ctl<QPushButton>(go, "cmdStopProcess")->isEnabled());
        QCOMPARE(filesIn(out).size(), 5);
        QCOMPARE(dialogs.titles(), QStringList{"Done"});
    }

    void longNamesStayInsideTheProcessingWindow()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString name = QStringLiteral("a photo with a very long name ").repeated(5) + QStringLiteral("end.png");
        makeImages(pics, {name});
        OPEN_MAIN(w, pics);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);
        QCOMPARE(dialogs.titles(), QStringList{"Done"});
        frmGo *go = w->processingWindow();
        QVERIFY(go);
        // the small window without the FTP panel
        QCOMPARE(go->height(), 135);
        QVERIFY(!ctl<QWidget>(go, "fraFTPStatus")->isVisibleTo(go));
        QCOMPARE(go->imageText(), name);
        auto *image = ctl<QLabel>(go, "lblImage");
        auto *status = ctl<QLabel>(go, "lblStatus");
        for (QLabel *label : {image, status}) {
            QVERIFY(label->geometry().right() < go->width());
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
        }
        QVERIFY(image->text().endsWith(QLatin1String("end.png")));
        QCOMPARE(image->toolTip(), name);
        QVERIFY(go->statusText().contains(QStringLiteral("th_") + name));
    }

    void copyToOtherFolder()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        const QString out = world.path(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        makeImages(pics, {QStringLiteral("a.png"), QStringLiteral("B.jpg"), QStringLiteral("c.bmp"),
                          QStringLiteral("sub/d.png")});
        QMap<QString, QByteArray> sums;
        for (const char *n : {"a.png", "B.jpg", "c.bmp", "sub/d.png"})
            sums.insert(QLatin1String(n), checksum(pics + QLatin1Char('/') + QLatin1String(n)));
        OPEN_MAIN(w, pics);
        ctl<QAction>(w.get(), "mnuRecurse")->trigger();
        QCOMPARE(items(w.get()), (QStringList{"a.png", "B.jpg", "c.bmp", "sub/d.png"}));
        choose(ctl<QComboBox>(w.get(), "cmbOutput"), 1);
        dialogs.answerFolder(out);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdBrowse"), Qt::LeftButton);
        setTick(w.get(), QStringLiteral("c.bmp"), false);
        dialogs.clear();

        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);

        QCOMPARE(dialogs.titles(), QStringList{"Done"});
        QCOMPARE(filesIn(out), (QStringList{"th_B.jpg", "th_a.png"}));
        QCOMPARE(filesIn(out + QStringLiteral("/sub")), QStringList{"th_d.png"});
        QCOMPARE(imageSize(out + QStringLiteral("/th_a.png")), imageSize(pics + QStringLiteral("/a.png")));
        QCOMPARE(imageSize(out + QStringLiteral("/th_B.jpg")), imageSize(pics + QStringLiteral("/B.jpg")));
        for (auto it = sums.cbegin(); it != sums.cend(); ++it)
            QCOMPARE(checksum(pics + QLatin1Char('/') + it.key()), it.value());
        // the list was emptied and listed again: every item ticked
        QCOMPARE(items(w.get()), (QStringList{"a.png", "B.jpg", "c.bmp", "sub/d.png"}));
        QCOMPARE(ticked(w.get()), items(w.get()));
        QVERIFY(list(w.get())->isVisible());
    }

    void runInSameFolderListsOutputs()
    {
        TestWorld world;
        ScriptedDialogService dialogs;
        const QString pics = world.path(QStringLiteral("pics"));
        makeImages(pics, {QStringLiteral("a.png"), QStringLiteral("b.png")});
        OPEN_MAIN(w, pics);
        setTick(w.get(), QStringLiteral("b.png"), false);
        QTest::mouseClick(ctl<QPushButton>(w.get(), "cmdGo"), Qt::LeftButton);
        QCOMPARE(dialogs.titles(), QStringList{"Done"});
        QCOMPARE(items(w.get()), (QStringList{"a.png", "b.png", "th_a.png"}));
        QCOMPARE(ticked(w.get()), items(w.get()));
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
