// The FTP dialogs: editor rules, login prompt, test window and remote browser (pyftpdlib on 127.0.0.1).
#include "ftptesthelpers.h"
#include "mainwindowfixture.h"

#include "ftp/cftpclient.h"
#include "windows/frmftpconnections.h"
#include "windows/frmftplogin.h"
#include "windows/frmftpselectoutputdir.h"
#include "windows/frmftptest.h"
#include "settings/ftpconnections.h"

#include <QApplication>
#include <QTimer>
#include <QTextEdit>
#include <QTreeWidget>

using namespace vexl;
using namespace vexl::test;

namespace {
const QString kUser = QStringLiteral("vexl");
const QString kPassword = QStringLiteral("s3cret");

QLineEdit *field(QWidget *window, const char *name) { return ctl<QLineEdit>(window, name); }

FTPConnection localConnection(quint16 port, const QString &password = kPassword)
{
    return FTPConnection{"Local", "127.0.0.1", port, "/", false, kUser, password, true, 10};
}

// A remote folder browser.
struct Browser
{
    frmFTPSelectOutputDir window;
    QTreeWidget *list = ctl<QTreeWidget>(&window, "lvwFTPDir");

    // Listed `folder` and idle again.
    bool showing(const QString &folder)
    {
        return window.client() && !window.client()->Busy()
            && ctl<QLabel>(&window, "lblCurDir")->text() == "Current Directory: " + folder;
    }
    QStringList names() const
    {
        QStringList n;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            n << list->topLevelItem(i)->text(0);
        return n;
    }
    void select(const QString &name) const { list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0)); }
};
} // namespace

class TestFtpDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorld> m_world;
    QString serverRoot() const { return m_world->path("server"); }

private slots:
    void initTestCase() { m_world = std::make_unique<TestWorld>(); }

    // An empty store, server root and FTP state for every test.
    void init()
    {
        SettingsStore store;
        store.raw().clear();
        store.sync();
        QDir(serverRoot()).removeRecursively();
        QDir().mkpath(serverRoot());
        Ftp() = FtpState{};
    }

    void editorFieldRules_data()
    {
        QTest::addColumn<QStringList>("changes"); // "control=value" over a valid connection
        QTest::addColumn<QString>("refusal");      // empty: saved
        QTest::addColumn<QString>("savedHost");
        const QString badPort = "You must specify a valid port number! Default is 21.";
        const QString badTimeout = "Timeout must be between 5 and 500 seconds.";
        QTest::addRow("ftp:// and blank stripped") << QStringList{"txtHost=ftp://Example.org "} << "" << "Example.org";
        QTest::addRow("FTP:// in capitals") << QStringList{"txtHost=FTP://host-1.net"} << "" << "host-1.net";
        QTest::addRow("no name") << QStringList{"txtName="} << "You must specify a connection name!" << "";
        QTest::addRow("no host") << QStringList{"txtHost= ftp:// "} << "You must specify a server hostname/IP!" << "";
        QTest::addRow("underscore") << QStringList{"txtHost=my_host"}
                                    << "Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are "
                                       "allowed for server hostname/IP! (_)"
                                    << "";
        QTest::addRow("port 0") << QStringList{"txtPort=0"} << badPort << "";
        QTest::addRow("largest port and timeout") << QStringList{"txtPort=65535", "txtTimeout=500"} << "" << "h";
        QTest::addRow("port 65536") << QStringList{"txtPort=65536"} << badPort << "";
        QTest::addRow("no user") << QStringList{"txtUsername="}
                                 << "You must specify a username if annonymous not selected!" << "";
        QTest::addRow("anonymous needs no user, smallest timeout")
            << QStringList{"chkIsAnnonymous=1", "txtUsername=", "txtTimeout=5"} << "" << "h";
        QTest::addRow("timeout 4") << QStringList{"txtTimeout=4"} << badTimeout << "";
        QTest::addRow("timeout 501") << QStringList{"txtTimeout=501"} << badTimeout << "";
        // Control characters would break the stored list of names: refused in every field, by name.
        const QString control = "The field \"%1\" must not contain control characters such as line breaks or tabs.";
        QTest::addRow("CR LF in the name") << QStringList{"txtName=A\r\nB"} << control.arg("Connection Name") << "";
        QTest::addRow("LF in the folder") << QStringList{"txtDefaultPath=/up\nload"} << control.arg("Default Path") << "";
        QTest::addRow("tab in the user name") << QStringList{"txtUsername=u\tx"} << control.arg("Username") << "";
        QTest::addRow("CR in the password") << QStringList{"txtPassword=p\rw"} << control.arg("Password") << "";
        // The output list keeps a connection between "//" marks.
        QTest::addRow("name with //") << QStringList{"txtName=x//y"} << "The connection name \"x//y\" must not contain \"//\"."
                                      << "";
    }

    void editorFieldRules()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, refusal);
        QFETCH(QString, savedHost);
        ScriptedDialogService dialogs;
        frmFTPConnections editor;
        int announced = 0;
        connect(&editor, &frmFTPConnections::connectionsChanged, [&] { ++announced; });
        QStringList values{"txtName=A", "txtHost=h", "txtPort=21", "txtTimeout=30", "txtUsername=u"};
        for (const QString &change : values + changes) {
            const QString name = change.section('=', 0, 0), value = change.section('=', 1);
            if (name.startsWith("chk"))
                ctl<QCheckBox>(&editor, qPrintable(name))->setChecked(value == "1");
            else
                field(&editor, qPrintable(name))->setText(value);
        }
        editor.cmdSave_Click();
        SettingsStore store;
        const FTPConnectionList stored = LoadFTPConnections(store.raw());
        if (!refusal.isEmpty()) {
            QCOMPARE(dialogs.titles(), QStringList{"Field Error"});
            QCOMPARE(dialogs.shown.first().text, refusal);
            QVERIFY(stored.isEmpty() && announced == 0);
            return;
        }
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first().Server, savedHost);
        QCOMPARE(stored.first().Timeout, qint16(field(&editor, "txtTimeout")->text().toInt()));
        QCOMPARE(ctl<QListWidget>(&editor, "lstConnections")->currentItem()->text(), "A");
        QCOMPARE(announced, 1);
    }

    void editorNameClashUpdateAndRemove()
    {
        ScriptedDialogService dialogs;
        Ftp().connections = {localConnection(2121), FTPConnection{"Other", "h", 21, "/", true, {}, {}, true, 30}};
        Ftp().RefreshConnectionList = true;
        frmFTPConnections editor;
        editor.show();
        auto *list = ctl<QListWidget>(&editor, "lstConnections");
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(0);
        QCOMPARE(field(&editor, "txtHost")->text(), "127.0.0.1");

        field(&editor, "txtName")->setText("Other"); // another existing name: nothing saved
        editor.cmdSave_Click();
        QCOMPARE(dialogs.shown.last().title, "Name clash");
        QCOMPARE(dialogs.shown.last().text, "Connection name \"Other\" already exists! Please select another name.");
        field(&editor, "txtName")->setText("local"); // names differ by case: a new connection
        editor.cmdSave_Click();
        QCOMPARE(Ftp().connections.size(), 3);
        list->setCurrentRow(0); // the selected name again: an update
        field(&editor, "txtPort")->setText("2222");
        editor.cmdSave_Click();
        QCOMPARE(FindFTPConnection(Ftp().connections, "Local").first.Port, 2222);

        // removing every connection, the last one included, leaves an empty store
        for (int i = 0; i < 3; ++i) {
            list->setCurrentRow(0);
            dialogs.answer(MsgAnswer::Yes);
            editor.cmdRemove_Click();
        }
        QCOMPARE(list->count(), 0);
        SettingsStore store;
        QCOMPARE(store.text("FTPServers", "?"), QString());
        QVERIFY(!store.contains("FTPConnections", "Local.Server"));
        editor.cmdRemove_Click();
        QCOMPARE(dialogs.shown.last().text, "Please select the connection to remove from list above!");
    }

    // "Test" after adding a connection tests the new one, which stays selected (rows move, names do not).
    void editorTestFollowsTheNewConnection()
    {
        ScriptedDialogService dialogs;
        Ftp().connections = {FTPConnection{"Alpha", "alpha.example", 21, "/", true, {}, {}, true, 30},
                             FTPConnection{"Slow FTP", "slow.example", 21, "/", true, {}, {}, true, 30}};
        Ftp().RefreshConnectionList = true;
        frmFTPConnections editor;
        editor.show();
        auto *list = ctl<QListWidget>(&editor, "lstConnections");
        list->setCurrentRow(1); // "Slow FTP"
        field(&editor, "txtName")->setText("Zulu");
        field(&editor, "txtHost")->setText("127.0.0.1");
        field(&editor, "txtPort")->setText("1");
        QString tested;
        QTimer::singleShot(0, this, [&] {
            tested = Ftp().current.Name;
            QApplication::activeModalWidget()->close();
        });
        editor.cmdTest_Click();
        QCOMPARE(tested, "Zulu");
        QCOMPARE(list->currentItem()->text(), "Zulu");
        QCOMPARE(field(&editor, "txtHost")->text(), "127.0.0.1");
    }

    void editorPasswordAndAnonymousRules()
    {
        ScriptedDialogService dialogs;
        frmFTPConnections editor;
        QLineEdit *password = field(&editor, "txtPassword");
        auto *save = ctl<QCheckBox>(&editor, "chkSavePassword");
        password->setText("pw");
        QVERIFY(save->isChecked());
        password->clear();
        QVERIFY(!save->isChecked());
        password->setText("pw");
        save->setChecked(false);
        QCOMPARE(password->text(), QString());

        ctl<QCheckBox>(&editor, "chkIsAnnonymous")->setChecked(true);
        for (const char *name : {"txtUsername", "txtPassword", "chkSavePassword", "lblUsername"})
            QVERIFY2(!ctl<QWidget>(&editor, name)->isEnabled(), name);
        ctl<QCheckBox>(&editor, "chkIsAnnonymous")->setChecked(false);
        QVERIFY(field(&editor, "txtUsername")->isEnabled());

        // an emptied default path is "/"; the timeout keeps digits only
        field(&editor, "txtDefaultPath")->clear();
        QCOMPARE(field(&editor, "txtDefaultPath")->text(), "/");
        field(&editor, "txtTimeout")->setText("4x5");
        QCOMPARE(field(&editor, "txtTimeout")->text(), "45");
        QCOMPARE(dialogs.shown.last().text, "Only numbers are allowed into this field!");

        // without "Save Password:" the store holds empty text for the password
        field(&editor, "txtName")->setText("A");
        field(&editor, "txtHost")->setText("h");
        field(&editor, "txtUsername")->setText("u");
        editor.cmdSave_Click();
        SettingsStore store;
        QVERIFY(store.contains("FTPConnections", "A.Password"));
        QCOMPARE(store.groupText("FTPConnections", "A.Password", "?"), QString());
    }

    void loginPrompt()
    {
        frmFTPLogin prompt;
        auto *login = ctl<QPushButton>(&prompt, "cmdLogin");
        QLineEdit *user = field(&prompt, "txtUsername");
        QLineEdit *password = field(&prompt, "txtPassword");
        QTimer::singleShot(0, &prompt, [&] {
            QVERIFY(!login->isEnabled()); // no password yet
            QCOMPARE(ctl<QLabel>(&prompt, "lblServer")->text(), "ftp.example.org");
            password->setText("pw");
            QVERIFY(login->isEnabled());
            user->clear();
            QVERIFY(!login->isEnabled());
            user->setText("me");
            ctl<QCheckBox>(&prompt, "chkRemember")->setChecked(true);
            QTest::keyClick(password, Qt::Key_Return); // Enter logs in
        });
        const std::optional<LoginAnswer> given = prompt.prompt("ftp.example.org", "saved", QString());
        QVERIFY(given && given->username == "me" && given->password == "pw");
        QVERIFY(given->remember && Ftp().RememberLogin);

        QTimer::singleShot(0, &prompt, [&] { ctl<QPushButton>(&prompt, "cmdCancel")->click(); });
        QVERIFY(!prompt.prompt("h", "u", "p"));
        QVERIFY(Ftp().LoginUsername.isEmpty() && Ftp().LoginPassword.isEmpty() && !Ftp().RememberLogin);
    }

    void testWindow_data()
    {
        QTest::addColumn<QString>("storedPassword");
        QTest::addColumn<QString>("defaultPath");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addRow("success") << kPassword << "/photos" << "FTP Connection Success" << "FTP Connection \"Local\" OK.";
        QTest::addRow("three wrong passwords") << "wrong" << "/" << "Login Failed" << "Login failed for 3 attempts.";
        QTest::addRow("missing default path") << kPassword << "/missing" << "Directory Path Error"
                                              << "Error accessing path \"/missing\"!";
    }

    void testWindow()
    {
        QFETCH(QString, storedPassword);
        QFETCH(QString, defaultPath);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QDir().mkpath(serverRoot() + "/photos");
        PyFtpServer server;
        QVERIFY2(server.start(serverRoot(), kUser, kPassword), qPrintable(server.error()));
        ScriptedDialogService dialogs;
        dialogs.defaultAnswer = MsgAnswer::Yes; // retry a refused login
        dialogs.answerLogin(LoginAnswer{kUser, "bad1", false});
        dialogs.answerLogin(LoginAnswer{kUser, "bad2", false});
        Ftp().current = localConnection(server.port(), storedPassword);
        Ftp().current.DefaultPath = defaultPath;
        Ftp().ConnectPending = true;

        frmFTPTest window;
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.ended(), 20000);
        QCOMPARE(dialogs.shown.last().title, title);
        QVERIFY2(dialogs.shown.last().text.startsWith(text), qPrintable(dialogs.shown.last().text));
        QCOMPARE(window.client(), nullptr); // the session is closed
        const QString log = ctl<QTextEdit>(&window, "rtxtFTPLog")->toPlainText();
        QVERIFY(log.startsWith("Connecting to server (timeout in 10 seconds)..."));
        QVERIFY(log.contains("PASS ****") && !log.contains("PASS " + storedPassword));
        window.cmdClose_Click();
        QVERIFY(!window.isVisible());
    }

    // Folder commands in the starting folder, then up to the root and a choice.
    void browserWalksAndChooses()
    {
        QDir().mkpath(serverRoot() + "/photos/2024");
        QDir().mkpath(serverRoot() + "/docs");
        QVERIFY(writeFile(serverRoot() + "/file.txt", "x"));
        QVERIFY(QFile::link(serverRoot() + "/docs", serverRoot() + "/shortcut")); // a link to a folder is one
        ScriptedDialogService dialogs;
        PyFtpServer server;
        QVERIFY2(server.start(serverRoot(), kUser, kPassword), qPrintable(server.error()));
        Ftp().current = localConnection(server.port());
        Ftp().ConnectPending = true;
        Browser b;
        b.window.setSelectedOutputDir("/photos/2024");
        b.window.show();
        const QString up = "Go to parent directory";
        QTRY_VERIFY_WITH_TIMEOUT(b.showing("/photos/2024"), 15000);
        QCOMPARE(b.names(), QStringList{up});

        // a name with "*" is refused before any command goes out
        dialogs.answerInput("bad*name");
        b.window.cmdCreateDir_Click();
        QCOMPARE(dialogs.shown.last().title, "Create Directory Error");
        QCOMPARE(dialogs.shown.last().text, "Filename cannot contain the following characters: \\/|?\"><*:");
        QVERIFY(!ctl<QTextEdit>(&b.window, "rtxtFTPLog")->toPlainText().contains("MKD"));

        dialogs.answerInput("New Folder");
        b.window.cmdCreateDir_Click();
        QTRY_VERIFY_WITH_TIMEOUT(b.names() == (QStringList{up, "New Folder"}) && b.showing("/photos/2024"), 15000);
        QVERIFY(QFileInfo(serverRoot() + "/photos/2024/New Folder").isDir());

        b.select("New Folder");
        dialogs.answerInput("Renamed");
        b.window.mnuRename_Click();
        QCOMPARE(dialogs.shown.last().text, "Rename \"/photos/2024/New Folder\" To: ");
        QTRY_VERIFY_WITH_TIMEOUT(b.names() == (QStringList{up, "Renamed"}) && b.showing("/photos/2024"), 15000);
        QVERIFY(QFileInfo(serverRoot() + "/photos/2024/Renamed").isDir());

        b.select("Renamed");
        dialogs.answer(MsgAnswer::Yes);
        b.window.mnuDelete_Click();
        QCOMPARE(dialogs.shown.last().text, "Are you sure you want to delete the directory:\r\n\r\n/photos/2024/Renamed?"
                                            "\r\n\r\nDirectory must be empty.");
        QTRY_VERIFY_WITH_TIMEOUT(b.names() == QStringList{up} && b.showing("/photos/2024"), 15000);
        QVERIFY(!QFileInfo::exists(serverRoot() + "/photos/2024/Renamed"));

        // the parent item leads up one level; the root has none, and files are not listed
        emit b.list->itemDoubleClicked(b.list->topLevelItem(0), 0);
        QTRY_VERIFY_WITH_TIMEOUT(b.showing("/photos"), 15000);
        QCOMPARE(b.names(), (QStringList{up, "2024"}));
        emit b.list->itemDoubleClicked(b.list->topLevelItem(0), 0);
        QTRY_VERIFY_WITH_TIMEOUT(b.showing("/"), 15000);
        QStringList names = b.names();
        names.sort();
        QCOMPARE(names, (QStringList{"docs", "photos", "shortcut"}));

        b.select("photos");
        b.window.cmdOK_Click();
        QCOMPARE(b.window.selectedOutputDir(), "/photos");
        QVERIFY(!b.window.isVisible() && !b.window.client());
        QCOMPARE(dialogs.shown.size(), 5); // the three names, the refusal and the question: no error
    }

    // A LIST the server never answers: the browser says it timed out, where.
    void browserSilentListing()
    {
        ScriptedDialogService dialogs;
        ScriptedFtpServer server;
        frmFTPSelectOutputDir window;
        Ftp().current = localConnection(server.port());
        Ftp().current.Timeout = 1;
        Ftp().ConnectPending = true;
        window.setSelectedOutputDir("/");
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dialogs.shown.isEmpty(), 10000);
        QCOMPARE(dialogs.titles(), QStringList{"Enum Files Error"});
        QCOMPARE(dialogs.shown.first().text,
                 "Error listing files: \r\n\r\nConnection timed out.\r\n (10060:CFtpClient.m_objTimeOut_TimeOut)");
        QCOMPARE(ctl<QLabel>(&window, "lblCurDir")->text(), "Current Directory: /");
        QVERIFY(!window.client());
    }
};

QTEST_MAIN(TestFtpDialogs)
#include "tst_ftpdialogs.moc"
