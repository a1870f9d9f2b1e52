// The pure readers of the FTP client: directory listings, replies and 227
// addresses.

#include "ftp/ftplisting.h"
#include "ftp/ftpreply.h"
#include "support/vexlerror.h"

#include <QTest>

using namespace vexl;

namespace {

const QDate kToday(2024, 6, 15);

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi));
}

} // namespace

class TestFtpParsers : public QObject
{
    Q_OBJECT

private slots:
    void listing_data();
    void listing();
    void capturedPyftpdlibListing();
    void collectionKeys();
    void unreadableListing_data();
    void unreadableListing();

    void reply_data();
    void reply();
    void pasv_data();
    void pasv();
};

void TestFtpParsers::listing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    // Checks on the first entry: size, directory, time, permissions, owner,
    // group, link target.
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("isDirectory");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("permissions");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("linkTarget");

    const QString docs = QStringLiteral("drwxr-xr-x 2 user group 4096 Jan 12 12:34 docs\r\n");
    QTest::addRow("unix directory, time of this year")
        << docs << QStringList{"docs"} << qint64(4096) << true << at(2024, 1, 12, 12, 34)
        << "drwxr-xr-x" << "user" << "group" << "";
    QTest::addRow("total line skipped")
        << ("total 24\r\n" + docs) << QStringList{"docs"} << qint64(4096) << true << at(2024, 1, 12, 12, 34)
        << "drwxr-xr-x" << "user" << "group" << "";
    QTest::addRow("unix line without group column")
        << "-rw-r--r-- 1 user 1234 Mar  3  2020 notes.txt\r\n" << QStringList{"notes.txt"} << qint64(1234) << false
        << at(2020, 3, 3) << "-rw-r--r--" << "user" << "" << "";
    QTest::addRow("symbolic link")
        << "lrwxrwxrwx 1 user group 6 Feb  1  2006 www -> public\r\n" << QStringList{"www"} << qint64(6) << false
        << at(2006, 2, 1) << "lrwxrwxrwx" << "user" << "group" << "public";
    QTest::addRow("month name inside the file name")
        << "-rw-r--r-- 1 u g 5 Mar  3 10:00 my jan 2 x\r\n" << QStringList{"my jan 2 x"} << qint64(5) << false
        << at(2024, 3, 3, 10, 0) << "-rw-r--r--" << "u" << "g" << "";
    QTest::addRow("size above 2 GiB")
        << "-rw-r--r-- 1 u g 3221225472 Jan 12  2023 disk.iso\n" << QStringList{"disk.iso"} << qint64(3221225472LL)
        << false << at(2023, 1, 12) << "-rw-r--r--" << "u" << "g" << "";
    QTest::addRow("impossible unix date keeps the entry without a time")
        << "-rw-r--r-- 1 u g 5 Feb 30 12:34 odd\r\n" << QStringList{"odd"} << qint64(5) << false << QDateTime()
        << "-rw-r--r--" << "u" << "g" << "";
    QTest::addRow("dos directory")
        << "01-12-07  03:45PM       <DIR>          docs\r\n" << QStringList{"docs"} << qint64(0) << true
        << at(2007, 1, 12, 15, 45) << "" << "" << "" << "";
    QTest::addRow("dos file, size from the columns")
        << "11-30-98  12:05AM                 1234 readme.txt\r\n" << QStringList{"readme.txt"} << qint64(1234) << false
        << at(1998, 11, 30, 0, 5) << "" << "" << "" << "";
    QTest::addRow("names differing only in case are two entries")
        << "-rw-r--r-- 1 u g 1 Jan 12 12:34 Docs\r\n-rw-r--r-- 1 u g 2 Jan 12 12:34 docs\r\n"
        << QStringList{"Docs", "docs"} << qint64(1) << false << at(2024, 1, 12, 12, 34) << "-rw-r--r--" << "u" << "g" << "";
    QTest::addRow("blank line ends the listing")
        << "-rw-r--r-- 1 u g 1 Jan 12 12:34 a\r\n\r\n-rw-r--r-- 1 u g 2 Jan 12 12:34 b\r\n"
        << QStringList{"a"} << qint64(1) << false << at(2024, 1, 12, 12, 34) << "-rw-r--r--" << "u" << "g" << "";
    QTest::addRow("bare line feeds")
        << "-rw-r--r-- 1 u g 1 Jan 12 12:34 a\n-rw-r--r-- 1 u g 2 Jan 12 12:34 b\n"
        << QStringList{"a", "b"} << qint64(1) << false << at(2024, 1, 12, 12, 34) << "-rw-r--r--" << "u" << "g" << "";
    QTest::addRow("empty listing") << "" << QStringList{} << qint64(0) << false << QDateTime() << "" << "" << "" << "";
    QTest::addRow("total line only") << "total 0\r\n" << QStringList{} << qint64(0) << false << QDateTime() << "" << ""
                                     << "" << "";
}

void TestFtpParsers::listing()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    const std::optional<CFtpFiles> files = ParseListing(text, kToday);
    QVERIFY(files.has_value());
    QStringList got;
    for (const CFtpFile &f : *files)
        got << f.FileName();
    QCOMPARE(got, names);
    QCOMPARE(files->Count(), names.size());
    if (names.isEmpty())
        return;
    const CFtpFile &first = files->Item(1);
    QCOMPARE(&files->Item(names.first()), &first);
    QTEST(first.FileSize(), "size");
    QTEST(first.IsDirectory(), "isDirectory");
    QTEST(first.LastWriteTime(), "time");
    QTEST(first.Permissions(), "permissions");
    QTEST(first.Owner(), "owner");
    QTEST(first.Group(), "group");
    QTEST(first.FilePath(), "linkTarget");
}

void TestFtpParsers::capturedPyftpdlibListing()
{
    // As pyftpdlib 1.5.7 sent it for a folder with a link, a name with a
    // space, an old file and a sub-folder.
    const QString text = QStringLiteral(
        "-rw-r--r--   1 root     root           10 Dec 06 17:52 a.jpg\r\n"
        "lrwxrwxrwx   1 root     root            5 Dec 06 17:52 link.jpg -> a.jpg\r\n"
        "-rw-r--r--   1 root     root         1234 Dec 06 17:52 my photo.png\r\n"
        "-rw-r--r--   1 root     root            0 Jul 04  2019 old.txt\r\n"
        "drwxr-xr-x   2 root     root         4096 Dec 06 17:52 sub\r\n");
    const std::optional<CFtpFiles> files = ParseListing(text, kToday);
    QVERIFY(files.has_value());
    QCOMPARE(files->Count(), 5);
    QCOMPARE(files->Item(QStringLiteral("my photo.png")).FileSize(), qint64(1234));
    QCOMPARE(files->Item(QStringLiteral("my photo.png")).LastWriteTime(), at(2024, 12, 6, 17, 52));
    QCOMPARE(files->Item(QStringLiteral("link.jpg")).FilePath(), QStringLiteral("a.jpg"));
    QCOMPARE(files->Item(QStringLiteral("old.txt")).LastWriteTime(), at(2019, 7, 4));
    QCOMPARE(files->Item(QStringLiteral("old.txt")).FileSize(), qint64(0));
    QVERIFY(files->Item(QStringLiteral("sub")).IsDirectory());
    QVERIFY(!files->Item(QStringLiteral("a.jpg")).IsDirectory());
    QCOMPARE(files->Item(5).FileName(), QStringLiteral("sub"));
    QCOMPARE(files->Item(QStringLiteral("sub")).Owner(), QStringLiteral("root"));
    QCOMPARE(files->Item(QStringLiteral("sub")).Group(), QStringLiteral("root"));
}

void TestFtpParsers::collectionKeys()
{
    CFtpFiles files;
    for (const char *name : {"a", "b", "c"}) {
        CFtpFile f;
        f.setFileName(QString::fromLatin1(name));
        files.Add(f, f.FileName());
    }
    try {
        files.Add(CFtpFile(), QStringLiteral("b"));
        QFAIL("a second entry under one key");
    } catch (const VexlError &e) {
        QCOMPARE(e.number, 457);
    }
    files.Remove(QStringLiteral("a"));
    QCOMPARE(files.Count(), 2);
    QCOMPARE(files.Item(1).FileName(), QStringLiteral("b"));
    QCOMPARE(files.Item(QStringLiteral("c")).FileName(), QStringLiteral("c")); // keys follow the removal
}

void TestFtpParsers::unreadableListing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("same name twice") << "-rw-r--r-- 1 u g 1 Jan 12 12:34 a\r\n-rw-r--r-- 1 u g 2 Jan 12 12:34 a\r\n";
    QTest::addRow("size that is not a number") << "-rw-r--r-- 1 u g 1x4 Jan 12 12:34 a\r\n";
    QTest::addRow("dos date that does not convert") << "13-45-07  03:45PM       <DIR>          docs\r\n";
    QTest::addRow("dos size that is not a number") << "01-12-07  03:45PM             12ab34 a.txt\r\n";
    QTest::addRow("free text") << "Welcome to the archive\r\n";
}

void TestFtpParsers::unreadableListing()
{
    QFETCH(QString, text);
    QVERIFY(!ParseListing(text, kToday).has_value());
}





void TestFtpParsers::reply_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("length"); // -1: the whole buffer
    QTest::addColumn<QString>("message");

    QTest::addRow("single line") << QByteArray("220 Ready\r\n") << 220 << 11 << "";
    QTest::addRow("line without its end is not a reply yet") << QByteArray("220 Rea") << 0 << 0 << "";
    QTest::addRow("first reply of two") << QByteArray("150 Opening\r\n226 Done\r\n") << 150 << 13 << "";
    QTest::addRow("multi-line reply") << QByteArray("220-Welcome\r\n220-to the host\r\n220 Ready\r\n") << 220 << -1
                                      << "Welcome\r\nto the host";
    QTest::addRow("multi-line reply still open") << QByteArray("220-Welcome\r\n220-more\r\n") << 0 << 0 << "";
    QTest::addRow("other code with a space inside a multi-line reply does not end it")
        << QByteArray("220-Welcome\r\n230 users online\r\n220 Ready\r\n") << 220 << -1 << "Welcome\r\n230 users online";
    QTest::addRow("continuation without a code") << QByteArray("230-Hello\r\n  plain text\r\n230 OK\r\n") << 230 << -1
                                                 << "Hello\r\n  plain text";
    QTest::addRow("noise before the reply") << QByteArray("junk\r\n200 OK\r\n") << 200 << 14 << "";
    QTest::addRow("bare line feed") << QByteArray("331 Password\n") << 331 << 13 << "";
    QTest::addRow("goodbye reply is complete with the lines that came") << QByteArray("221-Bye\r\n221-See you\r\n")
                                                                        << 221 << -1 << "Bye\r\nSee you";
}

void TestFtpParsers::reply()
{
    QFETCH(QByteArray, buffer);
    const FtpReply r = TakeReply(buffer);
    QFETCH(int, length);
    QTEST(r.code, "code");
    QCOMPARE(int(r.length), length < 0 ? int(buffer.size()) : length);
    QTEST(r.message, "message");
    if (r.code != 0)
        QCOMPARE(r.text, buffer.left(r.length));
}

void TestFtpParsers::pasv_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addRow("usual form") << "227 Entering Passive Mode (127,0,0,1,19,137)." << true << "127.0.0.1" << 5001;
    QTest::addRow("spaces in the list") << "227 Entering Passive Mode (10, 1, 2, 3, 0, 21)" << true << "10.1.2.3" << 21;
    QTest::addRow("without parentheses") << "227 Entering Passive Mode 192,168,0,9,4,1" << true << "192.168.0.9" << 1025;
    QTest::addRow("field above 255") << "227 Entering Passive Mode (127,0,0,1,300,1)." << false << "" << 0;
    QTest::addRow("address field above 255") << "227 Entering Passive Mode (127,0,0,999,1,1)." << false << "" << 0;
    QTest::addRow("too few numbers") << "227 Entering Passive Mode (127,0,0,1,19)." << false << "" << 0;
    QTest::addRow("no port") << "227 Entering Passive Mode (127,0,0,1)." << false << "" << 0;
    QTest::addRow("not numbers") << "227 Entering Passive Mode (a,b,c,d,e,f)." << false << "" << 0;
    QTest::addRow("negative number") << "227 Entering Passive Mode (127,0,0,1,-1,5)." << false << "" << 0;
    QTest::addRow("port zero") << "227 Entering Passive Mode (127,0,0,1,0,0)." << false << "" << 0;
    QTest::addRow("nothing") << "227 Entering Passive Mode." << false << "" << 0;
}

void TestFtpParsers::pasv()
{
    QFETCH(QString, reply);
    QFETCH(bool, valid);
    const std::optional<PasvAddress> a = ParsePasvReply(reply);
    QCOMPARE(a.has_value(), valid);
    if (!valid)
        return;
    QTEST(a->host, "host");
    QTEST(a->port, "port");
}




QTEST_GUILESS_MAIN(TestFtpParsers)
#include "tst_ftpparsers.moc"
