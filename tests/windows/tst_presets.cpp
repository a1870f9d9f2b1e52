// Presets and "Undo Last Batch" in the main window.

#include "mainwindowfixture.h"
#include "ftptesthelpers.h"

#include "settings/ftpconnections.h"

#include <QMenu>
#include <QProcess>

using namespace vexl;
using namespace vexl::test;

namespace {
// The program run as the user runs it; `config` replaces the settings folder.
int runProgram(const QStringList &args, const QString &config = QString(), QString *out = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!config.isEmpty())
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXL_EXE), args);
    if (!p.waitForFinished(60000))
        return -1;
    if (out)
        *out = QString::fromLocal8Bit(p.readAllStandardOutput());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QMap<QString, QByteArray> sums(const QString &folder)
{
    QMap<QString, QByteArray> m;
    for (const QString &name : filesIn(folder))
        m.insert(name, checksum(folder + '/' + name));
    return m;
}
} // namespace

class TestPresets : public QObject
{
    Q_OBJECT

private slots:
    // Saved from the window, the file holds the options and the destination
    // (with its connection), and a run of it alone gives what the window's
    // own settings give.
    void savedPresetRunsOnItsOwn_data()
    {
        QTest::addColumn<bool>("ftp");
        QTest::addRow("another folder") << false;
        QTest::addRow("saved connection") << true;
    }
    void savedPresetRunsOnItsOwn()
    {
        QFETCH(bool, ftp);
        Fixture f;
        makeImages(f.pics, {"a.png", "b.jpg"});
        const QString root = f.world.path("server");
        QDir().mkpath(root);
        PyFtpServer server;
        if (ftp) {
            QVERIFY2(server.start(root, "vexl", "pw"), qPrintable(server.error()));
            SettingsStore store;
            SaveFTPConnections(store.raw(), {FTPConnection{"Local", "127.0.0.1", server.port(), "/", false, "vexl", "pw", true, 10}});
        }
        storeValues({{"IgnoreOverwriteWarnings", "1"}, {"Workers", "1"}});
        QVERIFY(f.open(f.pics));
        f.check("chkGreyscale")->setChecked(true);
        f.type("txtPrefix", "p_");
        f.choose("cmbOutputFormat", 3);
        if (ftp)
            f.choose("cmbOutput", 2);
        else
            f.outputTo(f.out);
        const QString preset = f.world.path("presets/web");
        QDir().mkpath(f.world.path("presets"));
        f.dialogs.answerFile(preset);
        f.action("mnuSaveSettingsAs")->trigger();
        QSettings file(preset + ".ini", QSettings::IniFormat);
        file.beginGroup("Settings");
        QStringList keys = file.childKeys();
        QVERIFY(!keys.contains("FileDir") && !keys.contains("Workers") && !keys.contains("IgnoreOverwriteWarnings"));
        QCOMPARE(keys.filter(QRegularExpression("^(Window|Screen|Tooltips|Recent|Language)")), QStringList());
        QCOMPARE(keys.size(), ftp ? 38 : 37); // the options, OutputDest, OutputDir (and FTPServers)
        QCOMPARE(file.value("OutputDest").toString(), ftp ? "//FTP: Local//" : "//DIFFDIR//");
        QCOMPARE(stored("RecentPreset1"), preset + ".ini");
        QVERIFY(f.w->close()); // the window's settings to the store

        const QString results = ftp ? root : f.out;
        QCOMPARE(runProgram({"--batch", f.pics}), 0);
        const QMap<QString, QByteArray> windowRun = sums(results);
        QCOMPARE(windowRun.keys(), (QStringList{"p_a.jpg", "p_b.jpg"}));
        for (const QString &name : windowRun.keys())
            QVERIFY(QFile::remove(results + '/' + name));
        // No store at all: the file alone.
        QCOMPARE(runProgram({"--batch", "--settings", preset + ".ini", f.pics}, f.world.path("noconfig")), 0);
        QCOMPARE(sums(results), windowRun);
    }

    // Loading: good values go to the controls, refused ones are listed and
    // keep their fields; the file becomes the first recent preset.
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

    // The menu asks with the list of steps; "No" changes nothing, "Yes" undoes;
    // then there is nothing to undo.
    void undoFromTheMenu()
    {
        Fixture f;
        makeImages(f.pics, {"a.png", "b.png"});
        const QMap<QString, QByteArray> before = sums(f.pics);
        storeValues({{"FileDir", f.pics}, {"OutputDest", "//SAMEDIR//"}, {"RenamePrefix", "u_"}, {"DeleteOld", "1"},
                     {"MiscGreyscale", "1"}, {"IgnoreOverwriteWarnings", "1"}});
        QCOMPARE(runProgram({"--batch", "--answer", "yes", f.pics}), 0);
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
};

QTEST_MAIN(TestPresets)
#include "tst_presets.moc"
