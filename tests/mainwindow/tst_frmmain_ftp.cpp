// The saved connections in the main window's output destination list.

#include "testsupport.h"

#include "engine/imageengine.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/settingsstore.h"
#include "support/ftpconnections.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace vexl;
using namespace vexl::test;

class TestFrmMainFtp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ImageEngine::initialize();
        m_world = std::make_unique<TestWorld>(); // one settings store for the run
    }
    void destinations_data();
    void destinations();

private:
    std::unique_ptr<TestWorld> m_world;
};

void TestFrmMainFtp::destinations_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<int>("index");
    QTest::addRow("a saved connection") << "//FTP: beta//" << 3;
    QTest::addRow("a deleted connection") << "//FTP: gone//" << 0;
}

void TestFrmMainFtp::destinations()
{
    QFETCH(QString, token);
    QFETCH(int, index);
    ScriptedDialogService dialogs;
    {
        SettingsStore store;
        store.raw().clear();
        FTPConnectionList list;
        for (const char *name : {"gamma", "beta", "Alpha"})
            list << FTPConnection{QLatin1String(name), QStringLiteral("h"), 21, QStringLiteral("/d"), true, {}, {}, true, 30};
        SaveFTPConnections(store.raw(), list);
        store.setText(QStringLiteral("OutputDest"), token);
        store.setText(QStringLiteral("OutputDir"), QStringLiteral("/remote"));
        store.sync();
    }
    frmMain window;
    auto *output = window.findChild<QComboBox *>(QStringLiteral("cmbOutput"));
    QStringList items;
    for (int i = 0; i < output->count(); ++i)
        items << output->itemText(i);
    QCOMPARE(items, (QStringList{"Output in Same Folder", "Output in Different Folder", "FTP: Alpha", "FTP: beta",
                                 "FTP: gamma", "Configure FTP Servers..."}));
    QCOMPARE(output->currentIndex(), index);

    // Choosing a connection puts its default folder into the field.
    output->setCurrentIndex(4);
    window.cmbOutput_Click(4);
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("txtOutputDir"))->text(), QStringLiteral("/d"));
    QVERIFY(dialogs.shown.isEmpty());
}

QTEST_MAIN(TestFrmMainFtp)
#include "tst_frmmain_ftp.moc"
