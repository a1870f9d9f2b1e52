#include "support/dirhandle.h"
#include "support/vexlerror.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::addRow("star needs the tail twice") << "abcbc" << "*bc" << true;
        QTest::addRow("question is one code point")
            << QString::fromUtf8("a\xF0\x9F\x98\x80.png") << "a?.png" << true;
        QTest::addRow("hash not a superscript")
            << QString::fromUtf8("img\xC2\xB2.png") << "img#.png" << false;
        QTest::addRow("range miss") << "M.jpg" << "[a-z].jpg" << false;
        QTest::addRow("negated range") << "5x" << "[!a-z]x" << true;
        QTest::addRow("unclosed bracket is literal") << "[ab" << "[ab" << true;
        QTest::addRow("case counts") << "Photo.JPG" << "*.jpg" << false;
        QTest::addRow("empty pattern") << "a" << "" << false;
        QTest::addRow("many stars, long miss (no blow-up)")
            << QString(20000, QLatin1Char('a')) << "*a*a*a*a*a*a*a*a*a*a*a*a*b" << false;
    }

    void isLike()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QTEST(vexl::IsLike(text, pattern), "like");
    }

    // Regular, non-hidden files only: no fifo, dangling link or folder named like an image.
    void listing_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("invert");
        QTest::addColumn<bool>("recurse");
        QTest::addColumn<bool>("dirs");
        QTest::addColumn<QStringList>("expected");
        // Upper-cased comparison: "_" sorts after the letters; "A" before "a" on a tie.
        QTest::addRow("one pattern, sorted ignoring case")
            << "*.jpg" << false << false << false << QStringList{"A.jpg", "a.jpg", "ab.jpg", "a_b.jpg", "m.jpg", "z.jpg"};
        QTest::addRow("list, names compared lower-cased")
            << "*.png|*.jpeg|z*" << false << false << false << QStringList{"b.png", "d.JPEG", "z.jpg"};
        QTest::addRow("filter lower-cased") << "*.PNG" << false << false << false << QStringList{"b.png"};
        QTest::addRow("empty pieces ignored") << "|*.txt||" << false << false << false << QStringList{"c.txt", "notes.txt"};
        QTest::addRow("inverted list") << "*.jpg|*.jpeg" << true << false << false
                                       << QStringList{"b.png", "c.txt", "e.tiff", "noext", "notes.txt"};
        QTest::addRow("empty filter matches nothing") << "" << false << false << false << QStringList{};
        QTest::addRow("files, breadth-first")
            << "*.jpg" << false << true << false
            << QStringList{"A.jpg", "a.jpg", "ab.jpg", "a_b.jpg", "m.jpg", "z.jpg", "a/a1.jpg", "B/b1.jpg",
                           "a/deep/d.jpg"};
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
        QTemporaryDir tmp;
        const QString root = tmp.path();
        makeFiles(root, {"a.jpg", "A.jpg", "ab.jpg", "a_b.jpg", "b.png", "c.txt", "d.JPEG", "e.tiff", "noext", "z.jpg",
                         "m.jpg", ".hidden.jpg", "notes.txt", "B/b1.jpg", "a/a1.jpg", "a/deep/d.jpg", "a/.cache/c.jpg",
                         ".thumbs/t.jpg", "fake.jpg/inner.png"});
        QVERIFY(QFile::link(root + "/a", root + "/link"));
        QVERIFY(QFile::link(root + "/nowhere.jpg", root + "/dangling.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(root + "/fifo.jpg").constData(), 0644), 0);
        QTEST(list(root, filter, invert, recurse, dirs), "expected");
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

    // Names the program cannot use are skipped and reported (bad parts as \xNN),
    // and a folder gone before it is read is passed over.
    void awkwardEntriesSkipped()
    {
        QTemporaryDir tmp;
        const QString root = tmp.path();
        makeFiles(root, {"ok.jpg", "ok", QStringLiteral("bad\nname.jpg"), "a/1.jpg", "b/2.jpg", "c/3.jpg"});
        const int fd = ::open((QFile::encodeName(root) + "/caf\xe9.jpg").constData(), O_CREAT | O_WRONLY, 0644); // not UTF-8
        QVERIFY(fd >= 0);
        ::close(fd);
        // A name cut at its line break would be "bad", i.e. another file.
        makeFiles(root, {"bad", QStringLiteral("bad\nnotes.txt")});
        QCOMPARE(list(root, "*", false, false, false), (QStringList{"bad", "ok", "ok.jpg"}));
        DirHandle dir;
        dir.SetDoEvents([&] {
            if (dir.CurrentDir() == root + "/a/") // b is already queued
                QDir(root + "/b").removeRecursively();
        });
        dir.Start(root, "*.jpg", false, true, false);
        QCOMPARE(listAll(dir, root), (QStringList{"ok.jpg", "a/1.jpg", "c/3.jpg"}));
        QCOMPARE(dir.Skipped(), (QStringList{root + "/bad\\x0aname.jpg", root + "/caf\\xe9.jpg"}));
    }
};

QTEST_GUILESS_MAIN(TestDirHandle)
#include "tst_dirhandle.moc"
