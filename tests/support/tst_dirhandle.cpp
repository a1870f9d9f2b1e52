#include "support/dirhandle.h"
#include "support/vexlerror.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using vexl::DirHandle;
using vexl::test::writeFile;

namespace {

// Every entry of a listing as a path relative to `root`.
QStringList listAll(DirHandle &dir, const QString &root)
{
    QStringList found;
    while (dir.MoveNext())
        found << dir.CurrentDir().mid(DirHandle::AppSlash(root).size()) + dir.CurrentFile();
    return found;
}

QStringList list(const QString &root, const QString &filter, bool invert, bool recurse, bool dirs)
{
    DirHandle dir;
    dir.Start(root, filter, invert, recurse, dirs);
    return listAll(dir, root);
}

void makeFiles(const QString &root, const QStringList &names)
{
    for (const QString &n : names)
        QVERIFY2(writeFile(root + QLatin1Char('/') + n, "x"), qPrintable(n));
}

} // namespace

class TestDirHandle : public QObject
{
    Q_OBJECT

private slots:
    void isLike_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("like");

        QTest::addRow("star matches nothing") << "" << "*" << true;
        QTest::addRow("star is whole-string") << "photo.jpg.bak" << "*.jpg" << false;
        QTest::addRow("star in the middle") << "a-long-name.png" << "a*name.png" << true;
        QTest::addRow("star needs the tail twice") << "abcbc" << "*bc" << true;
        QTest::addRow("question is one code point")
            << QString::fromUtf8("a\xF0\x9F\x98\x80.png") << "a?.png" << true;
        QTest::addRow("hash not a letter") << "imgx.png" << "img#.png" << false;
        QTest::addRow("hash not a superscript")
            << QString::fromUtf8("img\xC2\xB2.png") << "img#.png" << false;
        QTest::addRow("range miss") << "M.jpg" << "[a-z].jpg" << false;
        QTest::addRow("negated list miss") << "a.jpg" << "[!abc].jpg" << false;
        QTest::addRow("negated range") << "5x" << "[!a-z]x" << true;
        QTest::addRow("hyphen first is literal") << "-" << "[-a]" << true;
        QTest::addRow("bracketed star is literal") << "a*b" << "a[*]b" << true;
        QTest::addRow("empty brackets match nothing") << "ab" << "a[]b" << true;
        QTest::addRow("unclosed bracket is literal") << "[ab" << "[ab" << true;
        QTest::addRow("case counts") << "Photo.JPG" << "*.jpg" << false;
        QTest::addRow("empty pattern") << "a" << "" << false;
        QTest::addRow("many stars, long miss (no blow-up)")
            << QString(20000, QLatin1Char('a')) << "*a*a*a*a*a*a*a*a*a*a*a*a*b" << false;
        QTest::addRow("many stars, long hit")
            << QString(20000, QLatin1Char('a')) + QLatin1Char('b') << "*a*a*a*a*a*a*a*a*a*a*a*a*b" << true;
    }

    void isLike()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, like);
        QCOMPARE(vexl::IsLike(text, pattern), like);
    }

    // Only regular, non-hidden files; a fifo, a dangling link and a folder named
    // like an image are not files.
    void listing_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("invert");
        QTest::addColumn<bool>("recurse");
        QTest::addColumn<bool>("dirs");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("one pattern") << "*.jpg" << false << false << false << QStringList{"a.jpg", "m.jpg", "z.jpg"};
        QTest::addRow("list, names compared lower-cased")
            << "*.png|*.jpg|*.jpeg" << false << false << false << QStringList{"a.jpg", "b.png", "d.JPEG", "m.jpg", "z.jpg"};
        QTest::addRow("filter lower-cased") << "*.PNG" << false << false << false << QStringList{"b.png"};
        QTest::addRow("empty pieces ignored") << "|*.txt||" << false << false << false << QStringList{"c.txt", "notes.txt"};
        QTest::addRow("inverted list") << "*.jpg|*.jpeg" << true << false << false
                                       << QStringList{"b.png", "c.txt", "e.tiff", "noext", "notes.txt"};
        QTest::addRow("only separators match nothing") << "|" << false << false << false << QStringList{};
        QTest::addRow("empty filter matches nothing") << "" << false << false << false << QStringList{};
        QTest::addRow("files, breadth-first")
            << "*.jpg" << false << true << false
            << QStringList{"a.jpg", "m.jpg", "z.jpg", "a/a1.jpg", "B/b1.jpg", "a/deep/d.jpg"};
        QTest::addRow("folders") << "*" << false << false << true << QStringList{"a", "B", "fake.jpg", "link"};
        QTest::addRow("folders, linked folder not descended")
            << "*" << false << true << true << QStringList{"a", "B", "fake.jpg", "link", "a/deep"};
        QTest::addRow("non-matching folders still descended")
            << "[!a]*" << false << true << true << QStringList{"B", "fake.jpg", "link", "a/deep"};
    }
    void listing()
    {
        QFETCH(QString, filter);
        QFETCH(bool, invert);
        QFETCH(bool, recurse);
        QFETCH(bool, dirs);
        QFETCH(QStringList, expected);
        QTemporaryDir tmp;
        const QString root = tmp.path();
        makeFiles(root, {"a.jpg", "b.png", "c.txt", "d.JPEG", "e.tiff", "noext", "z.jpg", "m.jpg", ".hidden.jpg",
                         "notes.txt", "B/b1.jpg", "a/a1.jpg", "a/deep/d.jpg", "a/.cache/c.jpg", ".thumbs/t.jpg",
                         "fake.jpg/inner.png"});
        QVERIFY(QFile::link(root + "/a", root + "/link"));
        QVERIFY(QFile::link(root + "/nowhere.jpg", root + "/dangling.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(root + "/fifo.jpg").constData(), 0644), 0);
        QCOMPARE(list(root, filter, invert, recurse, dirs), expected);
    }

    void sortedIgnoringCase()
    {
        QTemporaryDir tmp;
        makeFiles(tmp.path(), {"b.JPG", "a.jpg", "A.jpg", "a_b.jpg", "ab.jpg", "9.jpg", "10.jpg"});
        // Upper-cased comparison: "_" sorts after the letters; "A" before "a" on a tie.
        const QStringList expected{"10.jpg", "9.jpg", "A.jpg", "a.jpg", "ab.jpg", "a_b.jpg", "b.JPG"};
        QCOMPARE(list(tmp.path(), "*.jpg", false, false, false), expected);
    }

    // A missing folder, a file, or no path at all (not the whole machine).
    void badStart()
    {
        QTemporaryDir tmp;
        QVERIFY(writeFile(tmp.path() + "/file.jpg", "x"));
        for (const QString &path : {tmp.path() + "/missing", tmp.path() + "/file.jpg", QString()}) {
            DirHandle dir;
            try {
                dir.Start(path, "*", false, false, false);
                QFAIL("no error raised");
            } catch (const vexl::VexlError &e) {
                QCOMPARE(e.number, 76);
                QVERIFY(e.description.startsWith(QLatin1String("Path not found")));
            }
            QVERIFY(!dir.MoveNext());
        }
    }

    void vanishedFolderSkipped()
    {
        QTemporaryDir tmp;
        const QString root = tmp.path();
        makeFiles(root, {"a/1.jpg", "b/2.jpg", "c/3.jpg"});
        DirHandle dir;
        dir.SetDoEvents([&] {
            if (dir.CurrentDir() == root + "/a/") // b is already queued
                QDir(root + "/b").removeRecursively();
        });
        dir.Start(root, "*.jpg", false, true, false);
        QCOMPARE(listAll(dir, root), (QStringList{"a/1.jpg", "c/3.jpg"}));
    }

    void unusableNamesSkipped()
    {
        QTemporaryDir tmp;
        makeFiles(tmp.path(), {"ok.jpg", "ok", QStringLiteral("bad\nname.jpg")});
        const QByteArray latin1 = QFile::encodeName(tmp.path()) + "/caf\xe9.jpg"; // not UTF-8
        const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        // A name cut at its line break would be "bad", i.e. another file.
        makeFiles(tmp.path(), {"bad", QStringLiteral("bad\nnotes.txt")});
        QCOMPARE(list(tmp.path(), "*", false, false, false), (QStringList{"bad", "ok", "ok.jpg"}));
        // Those that would have counted are reported, their bad parts as \xNN.
        DirHandle dir;
        dir.Start(tmp.path(), "*.jpg", false, false, false);
        QCOMPARE(listAll(dir, tmp.path()), QStringList{"ok.jpg"});
        QCOMPARE(dir.Skipped(), (QStringList{tmp.path() + "/bad\\x0aname.jpg", tmp.path() + "/caf\\xe9.jpg"}));
    }

    // Paths longer than the system allows: a file, and a folder to descend into.
    void tooLongPathsReported()
    {
        QTemporaryDir tmp;
        int fd = ::open(QFile::encodeName(tmp.path()).constData(), O_DIRECTORY | O_RDONLY);
        QString deepest = tmp.path();
        const auto down = [&](const QByteArray &name) {
            QCOMPARE(::mkdirat(fd, name.constData(), 0755), 0);
            const int next = ::openat(fd, name.constData(), O_DIRECTORY | O_RDONLY);
            ::close(fd);
            fd = next;
            deepest += "/" + QString::fromLatin1(name);
        };
        while (deepest.size() + 201 < PATH_MAX - 110)
            down(QByteArray(200, 'd'));
        down(QByteArray(PATH_MAX - 101 - deepest.size(), 'e')); // the folder's path: PATH_MAX - 100 characters
        const QByteArray longFile = QByteArray(120, 'f') + ".jpg";
        const QByteArray part(200, 'd');
        for (const QByteArray &file : {longFile, QByteArray("near.jpg")})
            QCOMPARE(::close(::openat(fd, file.constData(), O_CREAT | O_WRONLY, 0644)), 0);
        QCOMPARE(::mkdirat(fd, part.constData(), 0755), 0);
        ::close(fd);
        DirHandle dir;
        dir.Start(tmp.path(), "*.jpg", false, true, false);
        QCOMPARE(listAll(dir, tmp.path()).size(), 1); // near.jpg
        QCOMPARE(dir.Skipped(), (QStringList{deepest + "/" + QString::fromLatin1(part),
                                              deepest + "/" + QString::fromLatin1(longFile)}));
        QProcess::execute("rm", {"-rf", tmp.path()}); // too deep for QTemporaryDir
    }
};

QTEST_GUILESS_MAIN(TestDirHandle)
#include "tst_dirhandle.moc"
