// The pure readers of the FTP client: directory listings, replies, 227 addresses.

#include "ftp/ftplisting.h"
#include "ftp/ftpreply.h"
#include "ftp/ftpsession.h"

#include <QTest>

using namespace vexl;

class TestFtpParsers : public QObject
{
    Q_OBJECT

private slots:
    void listing_data()
    {
        QTest::addColumn<QString>("text");
        // Each entry as "name|size|d or -|time|permissions|owner|group|link
        // target"; "unreadable" when the text gives no collection.
        QTest::addColumn<QStringList>("entries");
        const QString a1 = QStringLiteral("-rw-r--r-- 1 u g 1 Jan 12 12:34 ");
        const QString a2 = QStringLiteral("-rw-r--r-- 1 u g 2 Jan 12 12:34 ");
        QTest::addRow("total line skipped, unix directory, time of this year")
            << "total 24\r\ndrwxr-xr-x 2 user group 4096 Jan 12 12:34 docs\r\n"
            << QStringList{"docs|4096|d|2024-01-12 12:34|drwxr-xr-x|user|group|"};
        QTest::addRow("unix line without group column")
            << "-rw-r--r-- 1 user 1234 Mar  3  2020 notes.txt\r\n"
            << QStringList{"notes.txt|1234|-|2020-03-03 00:00|-rw-r--r--|user||"};
        QTest::addRow("symbolic link with a blank in its name")
            << "lrwxrwxrwx 1 u g 9 Feb  1  2006 my pics -> /srv/pics\r\n"
            << QStringList{"my pics|9|-|2006-02-01 00:00|lrwxrwxrwx|u|g|/srv/pics"};
        QTest::addRow("bare line feeds, size above 2 GiB")
            << "-rw-r--r-- 1 u g 3221225472 Jan 12  2023 disk.iso\n" + a2 + "b\n"
            << QStringList{"disk.iso|3221225472|-|2023-01-12 00:00|-rw-r--r--|u|g|",
                           "b|2|-|2024-01-12 12:34|-rw-r--r--|u|g|"};
        QTest::addRow("impossible unix date keeps the entry without a time")
            << "-rw-r--r-- 1 u g 5 Feb 30 12:34 odd\r\n" << QStringList{"odd|5|-||-rw-r--r--|u|g|"};
        QTest::addRow("dos and iis lines, two- and four-digit years")
            << "01-12-07  03:45PM       <DIR>          docs\r\n11-30-98  12:05AM                 1234 readme.txt\r\n"
               "12-31-2006  11:59PM       <DIR>          new folder\r\n"
            << QStringList{"docs|0|d|2007-01-12 15:45||||", "readme.txt|1234|-|1998-11-30 00:05||||",
                           "new folder|0|d|2006-12-31 23:59||||"};
        QTest::addRow("names differing only in case are two entries")
            << a1 + "Docs\r\n" + a2 + "docs\r\n"
            << QStringList{"Docs|1|-|2024-01-12 12:34|-rw-r--r--|u|g|", "docs|2|-|2024-01-12 12:34|-rw-r--r--|u|g|"};
        QTest::addRow("blank line ends the listing") << a1 + "a\r\n\r\n" + a2 + "b\r\n"
                                                     << QStringList{"a|1|-|2024-01-12 12:34|-rw-r--r--|u|g|"};
        QTest::addRow("empty listing") << "" << QStringList{};
        // Names are taken by the columns of the date found: blanks and dates inside stay.
        QTest::addRow("date inside a folder name")
            << "drwxr-xr-x 2 u g 4096 Mar  3 10:00 x 1 jan 12 2020 y\r\n"
            << QStringList{"x 1 jan 12 2020 y|4096|d|2024-03-03 10:00|drwxr-xr-x|u|g|"};
        QTest::addRow("single-space day, blanks in the name")
            << "-rw-r--r-- 1 u g 7 Mar 3 2023 my  notes .txt\r\n"
            << QStringList{"my  notes .txt|7|-|2023-03-03 00:00|-rw-r--r--|u|g|"};
        QTest::addRow("iso dates, long and full")
            << "-rw-r--r-- 1 u g 1234 2023-03-05 14:22 iso name.txt\r\n"
               "drwxr-xr-x 2 u g 4096 2023-03-06 08:01:59.123456789 +0100 dir\r\n"
            << QStringList{"iso name.txt|1234|-|2023-03-05 14:22|-rw-r--r--|u|g|",
                           "dir|4096|d|2023-03-06 08:01|drwxr-xr-x|u|g|"};
        QTest::addRow("dot entries skipped")
            << "drwxr-xr-x 2 u g 4096 Jan 12 12:34 .\r\ndrwxr-xr-x 9 u g 4096 Jan 12 12:34 ..\r\n" + a1 + "a\r\n"
            << QStringList{"a|1|-|2024-01-12 12:34|-rw-r--r--|u|g|"};
        QTest::addRow("one unreadable line is skipped")
            << a1 + "a\r\n-rw-r--r-- 1 u g 1x4 Jan 12 12:34 broken\r\n" + a2 + "b\r\n"
            << QStringList{"a|1|-|2024-01-12 12:34|-rw-r--r--|u|g|", "b|2|-|2024-01-12 12:34|-rw-r--r--|u|g|"};
        QTest::addRow("same name twice") << a1 + "a\r\n" + a2 + "a\r\n" << QStringList{"unreadable"};
        // Any of these lines read by mistake would make the listing readable.
        QTest::addRow("no line readable: bad size, dos date and dos size, free text")
            << "-rw-r--r-- 1 u g 1x4 Jan 12 12:34 a\r\n13-45-07  03:45PM       <DIR>          docs\r\n"
               "01-12-07  03:45PM             12ab34 a.txt\r\nWelcome to the archive\r\n"
            << QStringList{"unreadable"};
    }

    void listing()
    {
        QFETCH(QString, text);
        const std::optional<CFtpFiles> files = ParseListing(text, QDate(2024, 6, 15));
        QStringList got{"unreadable"};
        if (files) {
            got.clear();
            for (int i = 1; i <= files->Count(); ++i) {
                const CFtpFile &f = files->Item(i);
                QCOMPARE(&files->Item(f.FileName()), &f); // keyed by name
                got << QStringList{f.FileName(), QString::number(f.FileSize()), f.IsDirectory() ? "d" : "-",
                                   f.LastWriteTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")), f.Permissions(),
                                   f.Owner(), f.Group(), f.FilePath()}
                           .join(QLatin1Char('|'));
            }
        }
        QTEST(got, "entries");
    }

    // The reply forms the scripted client's session table does not send.
    void reply_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("length"); // -1: the whole buffer
        QTest::addColumn<QString>("message");
        QTest::addRow("continuation without a code") << QByteArray("230-Hello\r\n  plain text\r\n230 OK\r\n") << 230 << -1
                                                     << "Hello\r\n  plain text";
        QTest::addRow("noise before the reply") << QByteArray("junk\r\n200 OK\r\n") << 200 << 14 << "";
        QTest::addRow("bare line feed") << QByteArray("331 Password\n") << 331 << 13 << "";
        QTest::addRow("goodbye reply is complete with the lines that came") << QByteArray("221-Bye\r\n221-See you\r\n")
                                                                            << 221 << -1 << "Bye\r\nSee you";
    }

    void reply()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(int, length);
        const FtpReply r = TakeReply(buffer);
        QTEST(r.code, "code");
        QCOMPARE(int(r.length), length < 0 ? int(buffer.size()) : length);
        QTEST(r.message, "message");
        if (r.code != 0)
            QCOMPARE(r.text, buffer.left(r.length));
    }

    void pasv_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("address"); // "host:port", or "" for none
        QTest::addRow("spaces in the list") << "227 Entering Passive Mode (10, 1, 2, 3, 0, 21)" << "10.1.2.3:21";
        QTest::addRow("without parentheses") << "227 Entering Passive Mode 192,168,0,9,4,1" << "192.168.0.9:1025";
        QTest::addRow("too few numbers") << "227 Entering Passive Mode (127,0,0,1,19)." << "";
        QTest::addRow("negative number") << "227 Entering Passive Mode (127,0,0,1,-1,5)." << "";
        QTest::addRow("port zero") << "227 Entering Passive Mode (127,0,0,1,0,0)." << "";
    }

    void pasv()
    {
        QFETCH(QString, reply);
        const std::optional<PasvAddress> a = ParsePasvReply(reply);
        QTEST(a ? QStringLiteral("%1:%2").arg(a->host).arg(a->port) : QString(), "address");
    }

    // An FTP destination's folder as the uploads use it: "/" only, none doubled, absolute.
    void remotePath_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addRow("relative") << "pics" << "/pics";
        QTest::addRow("backslashes") << "\\web\\pics\\" << "/web/pics/";
        QTest::addRow("doubled slashes") << "//web///pics//" << "/web/pics/";
        QTest::addRow("root") << "/" << "/";
        QTest::addRow("empty") << "" << "/";
    }

    void remotePath()
    {
        QFETCH(QString, in);
        QTEST(NormaliseRemotePath(in), "out");
    }
};

QTEST_GUILESS_MAIN(TestFtpParsers)
#include "tst_ftpparsers.moc"
