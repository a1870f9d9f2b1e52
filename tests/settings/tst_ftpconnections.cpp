// Saved FTP connections: the scrambled password form and the store layout.
#include "settings/ftpconnections.h"
#include "support/vexlerror.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

using namespace vexl;

class TestFtpConnections : public QObject
{
    Q_OBJECT
private slots:
    // As earlier versions (Latin-1 form) and this one ("U" + UTF-8 bytes) stored them.
    void knownAnswers_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("password");
        QTest::addRow("latin-1 form") << "962208ABF197429B42A463" << "s3cret";
        QTest::addRow("latin-1 form, accents and y-diaeresis") << "BAF92A5A5B4B441B0BDB83455CF090"
                                                              << QStringLiteral("pässwörd ÿ");
        QTest::addRow("utf-8 form, cyrillic") << "U3A9D13068D047F163E0A790689055B52BE" << QStringLiteral("пароль");
        QTest::addRow("utf-8 form, euro sign") << "U4A2A976F6173DEDE4E8D" << QStringLiteral("10€");
        QTest::addRow("not a scramble") << "ZZ" << "";
    }
    void knownAnswers()
    {
        QFETCH(QString, stored);
        QFETCH(QString, password);
        QCOMPARE(DecryptPassword(stored), password);
        if (password.isEmpty())
            return;
        // The "U" form is the Latin-1 scramble of the UTF-8 bytes.
        if (stored.startsWith(QLatin1Char('U')))
            QCOMPARE(DecryptPassword(stored.mid(1)), QString::fromLatin1(password.toUtf8()));
        // A fresh scramble has the same form (its key is random).
        const QString fresh = EncryptPassword(password);
        QCOMPARE(fresh.size(), stored.size());
        QCOMPARE(fresh.startsWith(QLatin1Char('U')), stored.startsWith(QLatin1Char('U')));
        QCOMPARE(DecryptPassword(fresh), password);
    }

    void storeRoundTripAndDroppedRecords()
    {
        test::TestWorld world;
        QSettings store(world.path(QStringLiteral("s.ini")), QSettings::IniFormat);
        // Names that differ in case only are two connections.
        const FTPConnectionList list{{"home", "127.0.0.1", 2121, "/up", false, "me", "s3cr,et", false, 45},
                                     {"Home", "ftp.example.org", 21, QString(), true, QString(), QString(), true, 30}};
        SaveFTPConnections(store, list);
        QCOMPARE(store.value(QStringLiteral("Settings/FTPServers")).toString(), QStringLiteral("home\r\nHome\r\n"));
        QVERIFY(store.value(QStringLiteral("FTPConnections/home.Password")).toString() != list.first().Password);
        QCOMPARE(LoadFTPConnections(store), list);

        // A port of 0, no server, or no user name while not anonymous: not loaded.
        store.setValue(QStringLiteral("FTPConnections/home.Port"), QStringLiteral("0"));
        QCOMPARE(LoadFTPConnections(store).size(), 1);
        store.setValue(QStringLiteral("FTPConnections/home.Port"), QStringLiteral("21"));
        store.setValue(QStringLiteral("FTPConnections/home.Username"), QString());
        QCOMPARE(LoadFTPConnections(store).size(), 1);
        store.setValue(QStringLiteral("FTPConnections/home.Port"), QStringLiteral("twenty"));
        QVERIFY_THROWS_EXCEPTION(VexlError, LoadFTPConnections(store));
    }

    void settingsReport()
    {
        const FTPConnection secret{"x", "h", 21, "/d", false, "someuser", "hunter2", true, 30};
        const QString report = GetFTPSettingsReport(secret, QStringLiteral("/p"));
        QCOMPARE(report.count(QStringLiteral("\r\n")), 8);
        QVERIFY(!report.contains(QStringLiteral("someuser")) && !report.contains(QStringLiteral("hunter2")));
        QVERIFY(report.startsWith(QStringLiteral("FTPName = \"x\"\r\nFTPServer = \"h\"\r\nFTPPort = \"21\"\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestFtpConnections)
#include "tst_ftpconnections.moc"
