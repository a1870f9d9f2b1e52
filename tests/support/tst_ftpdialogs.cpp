// The FTP dialogs as real widgets under the offscreen platform: the connection
// editor's field rules, the login prompt, and the test window and the remote
// folder browser against a pyftpdlib server on 127.0.0.1. Message boxes and the
// login prompt are answered through the scripted dialog service.

#include "ftptesthelpers.h"
#include "testsupport.h"

#include "ftp/cftpclient.h"
#include "mainwindow/settingsstore.h"
#include "support/frmftpconnections.h"
#include "support/frmftplogin.h"
#include "support/frmftpselectoutputdir.h"
#include "support/frmftptest.h"
#include "support/ftpconnections.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

using namespace vexl;
using namespace vexl::test;

namespace {
const QString kUser = QStringLiteral("vexl");
const QString kPassword = QStringLiteral("s3cret");

template<typename T>
T *child(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

FTPConnection localConnection(quint16 port, const QString &password = kPassword)
{
    return FTPConnection{QStringLiteral("Local"), QStringLiteral("127.0.0.1"), port, QStringLiteral("/"), false, kUser,
                         password, true, 10};
}

void fillEditor(frmFTPConnections &e, const QString &name, const QString &host, const QString &port,
                const QString &timeout, bool anonymous, const QString &user)
{
    child<QLineEdit>(&e, "txtName")->setText(name);
    child<QLineEdit>(&e, "txtHost")->setText(host);
    child<QLineEdit>(&e, "txtPort")->setText(port);
    child<QLineEdit>(&e, "txtTimeout")->setText(timeout);
    child<QCheckBox>(&e, "chkIsAnnonymous")->setChecked(anonymous);
    child<QLineEdit>(&e, "txtUsername")->setText(user);
}
} // namespace

class TestFtpDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void editorFieldRules_data();
    void editorFieldRules();
    void editorNameClashUpdateAndRemove();
    void editorPasswordAndAnonymousRules();
    void loginPrompt();
    void testWindow_data();
    void testWindow();
    void browserWalksAndChooses();
    void browserFolderCommands();

private:
    std::unique_ptr<TestWorld> m_world;
};

void TestFtpDialogs::initTestCase()
{
    m_world = std::make_unique<TestWorld>();
}

void TestFtpDialogs::init()
{
    // One world for the run (the settings store's place is fixed once used); an
    // empty store and server root for every test.
    SettingsStore store;
    store.raw().clear();
    store.sync();
    QDir(m_world->path(QStringLiteral("server"))).removeRecursively();
    Ftp() = FtpState{};
}

// ---------------------------------------------------------------- editor

void TestFtpDialogs::editorFieldRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("timeout");
    QTest::addColumn<bool>("anonymous");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("refusal"); // "" = saved
    QTest::addColumn<QString>("savedHost");

    const QString ok;
    QTest::addRow("ftp:// and blank stripped") << "A" << "ftp://Example.org " << "21" << "30" << false << "u" << ok << "Example.org";
    QTest::addRow("FTP:// in capitals") << "A" << "FTP://host-1.net" << "21" << "30" << false << "u" << ok << "host-1.net";
    QTest::addRow("no name") << "" << "h" << "21" << "30" << false << "u" << "You must specify a connection name!" << "";
    QTest::addRow("no host") << "A" << " ftp:// " << "21" << "30" << false << "u"
                             << "You must specify a server hostname/IP!" << "";
    QTest::addRow("underscore") << "A" << "my_host" << "21" << "30" << false << "u"
                                << "Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed "
                                   "for server hostname/IP! (_)"
                                << "";
    QTest::addRow("port 0") << "A" << "h" << "0" << "30" << false << "u"
                            << "You must specify a valid port number! Default is 21." << "";
    QTest::addRow("port 65535") << "A" << "h" << "65535" << "30" << false << "u" << ok << "h";
    QTest::addRow("port 65536") << "A" << "h" << "65536" << "30" << false << "u"
                                << "You must specify a valid port number! Default is 21." << "";
    QTest::addRow("no user") << "A" << "h" << "21" << "30" << false << ""
                             << "You must specify a username if annonymous not selected!" << "";
    QTest::addRow("anonymous needs no user") << "A" << "h" << "21" << "30" << true << "" << ok << "h";
    QTest::addRow("timeout 4") << "A" << "h" << "21" << "4" << false << "u" << "Timeout must be between 5 and 500 seconds." << "";
    QTest::addRow("timeout 5") << "A" << "h" << "21" << "5" << false << "u" << ok << "h";
    QTest::addRow("timeout 500") << "A" << "h" << "21" << "500" << false << "u" << ok << "h";
    QTest::addRow("timeout 501") << "A" << "h" << "21" << "501" << false << "u" << "Timeout must be between 5 and 500 seconds." << "";
}

void TestFtpDialogs::editorFieldRules()
{
    QFETCH(QString, name);
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, timeout);
    QFETCH(bool, anonymous);
    QFETCH(QString, user);
    QFETCH(QString, refusal);
    QFETCH(QString, savedHost);
    ScriptedDialogService dialogs;
    frmFTPConnections editor;
    int announced = 0;
    connect(&editor, &frmFTPConnections::connectionsChanged, [&] { ++announced; });
    fillEditor(editor, name, host, port, timeout, anonymous, user);

    editor.cmdSave_Click();
    SettingsStore store;
    const FTPConnectionList stored = LoadFTPConnections(store.raw());
    if (!refusal.isEmpty()) {
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Field Error"));
        QCOMPARE(dialogs.shown.first().text, refusal);
        QVERIFY(editor.editedRecord().Name.isEmpty());
        QVERIFY(stored.isEmpty());
        QCOMPARE(announced, 0);
        return;
    }
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().Server, savedHost);
    QCOMPARE(stored.first().Timeout, qint16(timeout.toInt()));
    QCOMPARE(child<QListWidget>(&editor, "lstConnections")->currentItem()->text(), name);
    QCOMPARE(announced, 1);
}

void TestFtpDialogs::editorNameClashUpdateAndRemove()
{
    ScriptedDialogService dialogs;
    Ftp().connections = {localConnection(2121), FTPConnection{QStringLiteral("Other"), QStringLiteral("h"), 21,
                                                               QStringLiteral("/"), true, {}, {}, true, 30}};
    Ftp().RefreshConnectionList = true;
    frmFTPConnections editor;
    editor.show();
    auto *list = child<QListWidget>(&editor, "lstConnections");
    QCOMPARE(list->count(), 2);
    list->setCurrentRow(0);
    QCOMPARE(child<QLineEdit>(&editor, "txtHost")->text(), QStringLiteral("127.0.0.1"));

    // Another name that exists already: a clash, nothing saved.
    child<QLineEdit>(&editor, "txtName")->setText(QStringLiteral("Other"));
    editor.cmdSave_Click();
    QCOMPARE(dialogs.shown.last().title, QStringLiteral("Name clash"));
    QCOMPARE(dialogs.shown.last().text,
             QStringLiteral("Connection name \"Other\" already exists! Please select another name."));
    // Names differ by case: "local" is a new connection.
    child<QLineEdit>(&editor, "txtName")->setText(QStringLiteral("local"));
    editor.cmdSave_Click();
    QCOMPARE(Ftp().connections.size(), 3);
    // The selected name again: an update.
    list->setCurrentRow(0);
    child<QLineEdit>(&editor, "txtPort")->setText(QStringLiteral("2222"));
    editor.cmdSave_Click();
    QCOMPARE(FindFTPConnection(Ftp().connections, QStringLiteral("Local")).first.Port, 2222);

    // Removing every connection, the last one included, leaves an empty store.
    for (int i = 0; i < 3; ++i) {
        list->setCurrentRow(0);
        dialogs.answer(MsgAnswer::Yes);
        editor.cmdRemove_Click();
    }
    QCOMPARE(list->count(), 0);
    SettingsStore store;
    QCOMPARE(store.text(QStringLiteral("FTPServers"), QStringLiteral("?")), QString());
    QVERIFY(!store.contains(QStringLiteral("FTPConnections"), QStringLiteral("Local.Server")));
    editor.cmdRemove_Click();
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Please select the connection to remove from list above!"));
}

void TestFtpDialogs::editorPasswordAndAnonymousRules()
{
    ScriptedDialogService dialogs;
    frmFTPConnections editor;
    auto *password = child<QLineEdit>(&editor, "txtPassword");
    auto *save = child<QCheckBox>(&editor, "chkSavePassword");
    password->setText(QStringLiteral("pw"));
    QVERIFY(save->isChecked());
    password->clear();
    QVERIFY(!save->isChecked());
    password->setText(QStringLiteral("pw"));
    save->setChecked(false);
    QCOMPARE(password->text(), QString());

    child<QCheckBox>(&editor, "chkIsAnnonymous")->setChecked(true);
    for (const char *name : {"txtUsername", "txtPassword", "chkSavePassword", "lblUsername"})
        QVERIFY2(!child<QWidget>(&editor, name)->isEnabled(), name);
    child<QCheckBox>(&editor, "chkIsAnnonymous")->setChecked(false);
    QVERIFY(child<QWidget>(&editor, "txtUsername")->isEnabled());

    // An emptied default path is "/"; the timeout keeps digits only.
    child<QLineEdit>(&editor, "txtDefaultPath")->clear();
    QCOMPARE(child<QLineEdit>(&editor, "txtDefaultPath")->text(), QStringLiteral("/"));
    child<QLineEdit>(&editor, "txtTimeout")->setText(QStringLiteral("4x5"));
    QCOMPARE(child<QLineEdit>(&editor, "txtTimeout")->text(), QStringLiteral("45"));
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Only numbers are allowed into this field!"));

    // Without "Save Password:" the store holds empty text for the password.
    fillEditor(editor, QStringLiteral("A"), QStringLiteral("h"), QStringLiteral("21"), QStringLiteral("30"), false,
               QStringLiteral("u"));
    editor.cmdSave_Click();
    SettingsStore store;
    QVERIFY(store.contains(QStringLiteral("FTPConnections"), QStringLiteral("A.Password")));
    QCOMPARE(store.groupText(QStringLiteral("FTPConnections"), QStringLiteral("A.Password"), QStringLiteral("?")), QString());
}

// ---------------------------------------------------------------- login prompt

void TestFtpDialogs::loginPrompt()
{
    frmFTPLogin prompt;
    auto *login = child<QPushButton>(&prompt, "cmdLogin");
    auto *user = child<QLineEdit>(&prompt, "txtUsername");
    auto *password = child<QLineEdit>(&prompt, "txtPassword");
    // Enter in the password field logs in; the prompt shows the server and the saved user.
    QTimer::singleShot(0, &prompt, [&] {
        QVERIFY(!login->isEnabled()); // no password yet
        QCOMPARE(child<QLabel>(&prompt, "lblServer")->text(), QStringLiteral("ftp.example.org"));
        password->setText(QStringLiteral("pw"));
        QVERIFY(login->isEnabled());
        user->clear();
        QVERIFY(!login->isEnabled());
        user->setText(QStringLiteral("me"));
        child<QCheckBox>(&prompt, "chkRemember")->setChecked(true);
        QTest::keyClick(password, Qt::Key_Return);
    });
    const std::optional<LoginAnswer> given = prompt.prompt(QStringLiteral("ftp.example.org"), QStringLiteral("saved"), QString());
    QVERIFY(given);
    QCOMPARE(given->username, QStringLiteral("me"));
    QCOMPARE(given->password, QStringLiteral("pw"));
    QVERIFY(given->remember && Ftp().RememberLogin);

    QTimer::singleShot(0, &prompt, [&] { child<QPushButton>(&prompt, "cmdCancel")->click(); });
    QVERIFY(!prompt.prompt(QStringLiteral("h"), QStringLiteral("u"), QStringLiteral("p")));
    QVERIFY(Ftp().LoginUsername.isEmpty() && Ftp().LoginPassword.isEmpty() && !Ftp().RememberLogin);
}

// ---------------------------------------------------------------- test window

void TestFtpDialogs::testWindow_data()
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

void TestFtpDialogs::testWindow()
{
    QFETCH(QString, storedPassword);
    QFETCH(QString, defaultPath);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const QString root = m_world->path(QStringLiteral("server"));
    QDir().mkpath(root + QStringLiteral("/photos"));
    PyFtpServer server;
    QVERIFY2(server.start(root, kUser, kPassword), qPrintable(server.error()));
    ScriptedDialogService dialogs;
    dialogs.defaultAnswer = MsgAnswer::Yes; // retry a refused login
    dialogs.answerLogin(LoginAnswer{kUser, QStringLiteral("bad1"), false});
    dialogs.answerLogin(LoginAnswer{kUser, QStringLiteral("bad2"), false});
    FtpState &ftp = Ftp();
    ftp.current = localConnection(server.port(), storedPassword);
    ftp.current.DefaultPath = defaultPath;
    ftp.ConnectPending = true;

    frmFTPTest window;
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.ended(), 20000);
    QCOMPARE(dialogs.shown.last().title, title);
    QVERIFY2(dialogs.shown.last().text.startsWith(text), qPrintable(dialogs.shown.last().text));
    QCOMPARE(window.client(), nullptr); // the session is closed
    const QString log = child<QTextEdit>(&window, "rtxtFTPLog")->toPlainText();
    QVERIFY(log.contains(QStringLiteral("PASS ****")));
    QVERIFY(!log.contains(QStringLiteral("PASS ") + storedPassword));
    QVERIFY(log.startsWith(QStringLiteral("Connecting to server (timeout in 10 seconds)...")));
    window.cmdClose_Click();
    QVERIFY(!window.isVisible());
}

// ---------------------------------------------------------------- remote folder browser

namespace {
struct Browser
{
    PyFtpServer server;
    frmFTPSelectOutputDir window;
    QTreeWidget *list = child<QTreeWidget>(&window, "lvwFTPDir");

    bool start(const QString &root, const QString &startFolder)
    {
        if (!server.start(root, kUser, kPassword))
            return false;
        Ftp().current = localConnection(server.port());
        Ftp().ConnectPending = true;
        Ftp().LoginAttempts = 0;
        window.setSelectedOutputDir(startFolder);
        window.show();
        return true;
    }
    // Listed `folder` and idle again.
    bool showing(const QString &folder) const
    {
        return window.client() && !window.client()->Busy()
            && child<QLabel>(const_cast<frmFTPSelectOutputDir *>(&window), "lblCurDir")->text()
            == QStringLiteral("Current Directory: ") + folder;
    }
    QStringList names() const
    {
        QStringList n;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            n << list->topLevelItem(i)->text(0);
        return n;
    }
    void select(const QString &name) const
    {
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
    }
};
} // namespace

void TestFtpDialogs::browserWalksAndChooses()
{
    const QString root = m_world->path(QStringLiteral("server"));
    QDir().mkpath(root + QStringLiteral("/photos/2024"));
    QDir().mkpath(root + QStringLiteral("/docs"));
    QVERIFY(writeFile(root + QStringLiteral("/file.txt"), "x"));
    ScriptedDialogService dialogs;
    Browser b;
    QVERIFY(b.start(root, QStringLiteral("/photos/2024")));

    // Another starting folder is entered first; its parent item leads up one level.
    QTRY_VERIFY_WITH_TIMEOUT(b.showing(QStringLiteral("/photos/2024")), 15000);
    QCOMPARE(b.names(), QStringList{"Go to parent directory"});
    emit b.list->itemDoubleClicked(b.list->topLevelItem(0), 0);
    QTRY_VERIFY_WITH_TIMEOUT(b.showing(QStringLiteral("/photos")), 15000);
    QCOMPARE(b.names(), (QStringList{"Go to parent directory", "2024"}));
    emit b.list->itemDoubleClicked(b.list->topLevelItem(0), 0);
    // The root has no parent item, and files are not listed.
    QTRY_VERIFY_WITH_TIMEOUT(b.showing(QStringLiteral("/")), 15000);
    QStringList names = b.names();
    names.sort();
    QCOMPARE(names, (QStringList{"docs", "photos"}));

    b.select(QStringLiteral("photos"));
    b.window.cmdOK_Click();
    QCOMPARE(b.window.selectedOutputDir(), QStringLiteral("/photos"));
    QVERIFY(!b.window.isVisible());
    QCOMPARE(b.window.client(), nullptr);
    QVERIFY(dialogs.shown.isEmpty());
}

void TestFtpDialogs::browserFolderCommands()
{
    const QString root = m_world->path(QStringLiteral("server"));
    QDir().mkpath(root);
    ScriptedDialogService dialogs;
    Browser b;
    QVERIFY(b.start(root, QStringLiteral("/")));
    QTRY_VERIFY_WITH_TIMEOUT(b.showing(QStringLiteral("/")), 15000);
    auto *log = child<QTextEdit>(&b.window, "rtxtFTPLog");

    // A name with "*" is refused before any command goes out.
    dialogs.answerInput(QStringLiteral("bad*name"));
    b.window.cmdCreateDir_Click();
    QCOMPARE(dialogs.shown.last().title, QStringLiteral("Create Directory Error"));
    QCOMPARE(dialogs.shown.last().text,
             QStringLiteral("Filename cannot contain the following characters: \\/|?\"><*:"));
    QVERIFY(!log->toPlainText().contains(QStringLiteral("MKD")));

    dialogs.answerInput(QStringLiteral("New Folder"));
    b.window.cmdCreateDir_Click();
    QTRY_VERIFY_WITH_TIMEOUT(b.names().contains(QStringLiteral("New Folder")) && b.showing(QStringLiteral("/")), 15000);
    QVERIFY(QFileInfo(root + QStringLiteral("/New Folder")).isDir());

    b.select(QStringLiteral("New Folder"));
    dialogs.answerInput(QStringLiteral("Renamed"));
    b.window.mnuRename_Click();
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Rename \"/New Folder\" To: "));
    QTRY_VERIFY_WITH_TIMEOUT(b.names() == QStringList{"Renamed"} && b.showing(QStringLiteral("/")), 15000);
    QVERIFY(QFileInfo(root + QStringLiteral("/Renamed")).isDir());

    b.select(QStringLiteral("Renamed"));
    dialogs.answer(MsgAnswer::Yes);
    b.window.mnuDelete_Click();
    QCOMPARE(dialogs.shown.last().title, QStringLiteral("Directory delete confirmation"));
    QCOMPARE(dialogs.shown.last().text,
             QStringLiteral("Are you sure you want to delete the directory:\r\n\r\n/Renamed?\r\n\r\nDirectory must be empty."));
    QTRY_VERIFY_WITH_TIMEOUT(b.names().isEmpty() && b.showing(QStringLiteral("/")), 15000);
    QVERIFY(!QFileInfo::exists(root + QStringLiteral("/Renamed")));

    // OK in an empty list returns the current folder; Cancel keeps the starting one.
    b.window.cmdOK_Click();
    QCOMPARE(b.window.selectedOutputDir(), QStringLiteral("/"));
}

QTEST_MAIN(TestFtpDialogs)
#include "tst_ftpdialogs.moc"
