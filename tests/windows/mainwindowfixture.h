// One main-window test's world: settings, scripted dialogs, picture and output folders, the window.
#pragma once

#include "engine/imageengine.h"
#include "windows/frmmain.h"
#include "settings/settingsstore.h"
#include "support/apppaths.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

namespace vexl::test {

template <class T>
T *ctl(const QObject *root, const char *name)
{
    T *c = root->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("control %s is missing", name);
    return c;
}

inline QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

inline void makeFiles(const QString &folder, const QStringList &names)
{
    for (const QString &n : names)
        QVERIFY2(writeFile(folder + '/' + n, "image"), qPrintable(n));
}

inline void makeImages(const QString &folder, const QStringList &names, int size = 24)
{
    for (int i = 0; i < names.size(); ++i)
        QVERIFY2(makeImage(folder + '/' + names.at(i), size + i, size, unsigned(i + 1)), qPrintable(names.at(i)));
}

// An image in a format only ImageMagick writes here (HEIC, AVIF, WebP);
// `scenes` above 1 makes an animation. ".heif" is HEIC inside.
inline bool makeMagickPicture(const QString &path, int width, int height, int scenes = 1)
{
    QStringList args;
    for (int i = 0; i < scenes; ++i)
        args << QStringLiteral("-size") << QStringLiteral("%1x%2").arg(width).arg(height)
             << QStringLiteral("gradient:rgb(%1,0,0)-blue").arg(255 - i * 60);
    if (scenes > 1)
        args << QStringLiteral("-loop") << QStringLiteral("0");
    QDir().mkpath(QFileInfo(path).absolutePath());
    return runConvert(args << (path.endsWith(QLatin1String(".HEIF")) ? QStringLiteral("heic:") + path : path));
}

inline void storeValues(const QList<std::pair<QString, QString>> &values)
{
    SettingsStore store;
    for (const auto &[name, value] : values)
        store.setText(name, value);
    store.sync();
}

inline QString stored(const QString &name)
{
    return QSettings(SettingsStore::userFile(), QSettings::IniFormat).value("Settings/" + name).toString();
}

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
    QLabel *label(const char *name) const { return c<QLabel>(name); }
    QListWidget *list() const { return c<QListWidget>("lstImages"); }
    QString path(const QString &name) const { return pics + '/' + name; }

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
    // Presses Start; the titles of what the run showed.
    QStringList start()
    {
        dialogs.clear();
        click("cmdGo");
        return dialogs.titles();
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
    // Selects an item; its preview is made before this returns.
    void select(const QString &text) const { list()->setCurrentItem(item(text)); }

    // The spinner label gets its first "[|] ..." text when a listing starts; a
    // listing runs to its end before control comes back to the test.
    bool listed() const
    {
        return label("lblLoadingList")->text().startsWith('[') && !w->listRefreshing() && list()->isVisible();
    }
    // Shows the window on a folder given as on the command line (none: the
    // stored or default one) and waits for its first listing.
    [[nodiscard]] bool open(const QString &commandLine)
    {
        w = std::make_unique<frmMain>(commandLine);
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowExposed(w.get()) && QTest::qWaitFor([this] { return listed(); });
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

} // namespace vexl::test
