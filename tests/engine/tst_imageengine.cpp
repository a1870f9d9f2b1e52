#include "engine/imageengine.h"
#include "support/vexlerror.h"
#include "hostilefiles.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>

using namespace vexl;
using namespace vexl::test;

namespace {

const QString kFont = QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf");

QString identify(const QString &format, const QString &file)
{
    ImageEngine engine;
    return engine.Identify({QStringLiteral("-format"), format, file});
}

// Runs one operation; returns ImageMagick's error text, or "" when it worked.
QString failureOf(const std::function<void()> &op)
{
    try {
        op();
    } catch (const VexlError &e) {
        return e.description.isEmpty() ? QStringLiteral("(empty error)") : e.description;
    }
    return QString();
}

QStringList listing(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

qint64 peakRssKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    static const QRegularExpression hwm(QStringLiteral("VmHWM:\\s+(\\d+)"));
    return hwm.match(QString::fromLatin1(f.readAll())).captured(1).toLongLong();
}


} // namespace

class TestImageEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readsEveryListedType_data();
    void readsEveryListedType();
    void identifyTexts_data();
    void identifyTexts();
    void mogrifyOperations_data();
    void mogrifyOperations();
    void failuresCarryImageMagickText_data();
    void failuresCarryImageMagickText();
    void hostileFilesFailFast_data();
    void hostileFilesFailFast();
    void fileNamesAreData_data();
    void fileNamesAreData();
    void sceneExtraction_data();
    void sceneExtraction();
    void labelAndComposite_data();
    void labelAndComposite();
    void servesEventsWhileWorking();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_cwd;
    QString p(const QString &name) const { return m_dir->filePath(name); }
};

void TestImageEngine::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_cwd = QDir::currentPath();
}

void TestImageEngine::cleanup()
{
    QDir::setCurrent(m_cwd);
    m_dir.reset();
}

void TestImageEngine::readsEveryListedType_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("magick");
    for (const auto &[ext, magick] : {std::pair{"png", "PNG"}, {"jpg", "JPEG"}, {"jpeg", "JPEG"}, {"JPG", "JPEG"},
                                      {"gif", "GIF"}, {"bmp", "BMP"}, {"tif", "TIFF"}, {"tiff", "TIFF"},
                                      {"tga", "TGA"}, {"miff", "MIFF"}, {"pcx", "PCX"}})
        QTest::addRow("%s", ext) << QString::fromLatin1(ext) << QString::fromLatin1(magick);
}

// Written by the engine, read back by the engine: the allow-list lets every type
// of the program through, and -geometry resizes.
void TestImageEngine::readsEveryListedType()
{
    try {
        QFETCH(QString, ext);
        QFETCH(QString, magick);
        QVERIFY(makeImage(p("src.png"), 40, 30));
        ImageEngine engine;
        engine.Convert({"-geometry", "20x15", p("src.png"), p("out." + ext)});
        QCOMPARE(identify("%w %h %m", p("out." + ext)), QString("20 15 " + magick));
        engine.Convert({"-geometry", "10x8", p("out." + ext), p("back.png")});
        QCOMPARE(identify("%wx%h", p("back.png")), QString("10x8"));
    } catch (const VexlError &e) {
        QFAIL(qPrintable("unexpected engine error: " + e.description));
    }
}

void TestImageEngine::identifyTexts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("pattern");
    QTest::addRow("size and bleh") << "a.png" << "%w %h bleh" << "^40 30 bleh$";
    QTest::addRow("meta fields") << "a.jpg" << "%w %h %k %b bleh" << "^40 30 \\d+ [\\d.]+[KM]?i?B bleh$";
    QTest::addRow("preview size") << "a.png" << "%wx%h" << "^40x30$";
    QTest::addRow("scene count of 12") << "anim.gif" << "%n" << "^12(12)*$";
    QTest::addRow("one scene") << "a.png" << "%n" << "^1$";
}

void TestImageEngine::identifyTexts()
{
    try {
        QFETCH(QString, file);
        QFETCH(QString, format);
        QFETCH(QString, pattern);
        QVERIFY(makeImage(p("a.png"), 40, 30));
        QVERIFY(makeImage(p("a.jpg"), 40, 30));
        QVERIFY(makeAnimatedGif(p("anim.gif"), 12));
        const quint64 before = ImageEngine::callCount();
        const QString text = identify(format, p(file));
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(), qPrintable(text));
        QCOMPARE(ImageEngine::callCount(), before + 1);
    } catch (const VexlError &e) {
        QFAIL(qPrintable("unexpected engine error: " + e.description));
    }
}

void TestImageEngine::mogrifyOperations_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected"); // identify "%w %h %m %[colorspace]"
    QTest::addRow("geometry") << "m.png" << QStringList{"-quality", "90", "-geometry", "20x15"} << "20 15 PNG sRGB";
    QTest::addRow("rotate") << "m.jpg" << QStringList{"-quality", "90", "-rotate", "90"} << "30 40 JPEG sRGB";
    QTest::addRow("raise") << "m.png" << QStringList{"-quality", "90", "-raise", "4x4"} << "40 30 PNG sRGB";
    QTest::addRow("grayscale") << "m.png" << QStringList{"-type", "grayscale"} << "40 30 PNG Gray";
    QTest::addRow("negate") << "m.bmp" << QStringList{"-negate"} << "40 30 BMP sRGB";
    QTest::addRow("flip flop") << "m.png" << QStringList{"-flip", "-flop"} << "40 30 PNG sRGB";
    // The batch copies a JPEG to name.png first, then changes its format.
    QTest::addRow("format png") << "jpegdata.png" << QStringList{"-quality", "90", "-format", "png"} << "40 30 PNG sRGB";
    QTest::addRow("format, upper-case name") << "JPEGDATA.PNG" << QStringList{"-format", "png"} << "40 30 PNG sRGB";
}

void TestImageEngine::mogrifyOperations()
{
    try {
        QFETCH(QString, file);
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        QVERIFY(makeImage(p("src.jpg"), 40, 30));
        if (file.startsWith("m."))
            QVERIFY(makeImage(p(file), 40, 30));
        else
            QVERIFY(QFile::copy(p("src.jpg"), p(file)));
        const QByteArray before = checksum(p(file));
        const QStringList files = listing(m_dir->path());
        ImageEngine().Mogrify(args << p(file));
        QCOMPARE(identify("%w %h %m %[colorspace]", p(file)), expected);
        QVERIFY(checksum(p(file)) != before);
        QCOMPARE(listing(m_dir->path()), files); // in place: no new file, no work file left
    } catch (const VexlError &e) {
        QFAIL(qPrintable("unexpected engine error: " + e.description));
    }
}

void TestImageEngine::failuresCarryImageMagickText_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("text");
    QTest::addRow("bevel too wide") << "mogrify" << QStringList{"-raise", "30x30", "small.png"}
                                    << "size must exceed bevel width";
    QTest::addRow("unknown format") << "convert" << QStringList{"junk.xyz", "out.png"}
                                    << "no decode delegate for this image format";
    QTest::addRow("missing input") << "convert" << QStringList{"nothere.png", "out.png"} << "unable to open image";
    QTest::addRow("missing folder") << "convert" << QStringList{"small.png", "no/such/out.png"} << "unable to open image";
    QTest::addRow("scene out of range") << "identify" << QStringList{"-format", "%n", "anim.gif[5]"}
                                        << "InvalidImageIndex";
    QTest::addRow("text named jpg") << "identify" << QStringList{"-format", "%w", "text.jpg"} << "text.jpg";
    QTest::addRow("empty png") << "mogrify" << QStringList{"-negate", "empty.png"} << "improper image header";
    QTest::addRow("truncated jpeg") << "convert" << QStringList{"cut.jpg", "out.png"} << "Premature end of JPEG file";
    QTest::addRow("svg named gif") << "identify" << QStringList{"-format", "%w", "svg.gif"} << "security policy";
    QTest::addRow("svg into composite") << "composite" << QStringList{"svg.gif", "small.png", "out.png"}
                                        << "security policy";
    QTest::addRow("output is a folder") << "convert" << QStringList{"small.png", "folder.png"} << "folder.png";
}

// A failure throws ImageMagick's reason under the caller's names, and leaves
// every file as it was (outputs are replaced only on success).
void TestImageEngine::failuresCarryImageMagickText()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    QFETCH(QString, text);
    QDir::setCurrent(m_dir->path());
    QVERIFY(makeImage("small.png", 20, 20));
    QVERIFY(makeImage("out.png", 8, 8));
    QVERIFY(makeAnimatedGif("anim.gif", 3));
    QVERIFY(makeImage("big.jpg", 400, 300));
    QVERIFY(writeFile("cut.jpg", fileBytes("big.jpg").left(int(fileBytes("big.jpg").size() / 2))));
    QVERIFY(writeFile("junk.xyz", QByteArray(300, '\x01')));
    QVERIFY(writeFile("text.jpg", "just some words, no picture\n"));
    QVERIFY(writeFile("empty.png", QByteArray()));
    QVERIFY(writeFile("svg.gif", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>"));
    QVERIFY(QDir().mkdir("folder.png"));
    const QStringList files = listing(".");
    QMap<QString, QByteArray> sums;
    for (const QString &f : files)
        sums[f] = checksum(f);
    ImageEngine engine;
    VexlError error;
    try {
        if (tool == "convert")
            engine.Convert(args);
        else if (tool == "mogrify")
            engine.Mogrify(args);
        else if (tool == "composite")
            engine.Composite(args);
        else
            engine.Identify(args);
        QFAIL("no error");
    } catch (const VexlError &e) {
        error = e;
    }
    QVERIFY2(error.description.contains(text), qPrintable(error.description));
    QVERIFY2(!error.description.contains("vexl-work") && !error.description.contains("/proc/self"),
             qPrintable(error.description));
    QCOMPARE(error.source, "ImageEngine." + tool);
    QCOMPARE(listing("."), files);
    for (const QString &f : files)
        QCOMPARE(checksum(f), sums[f]);
}

void TestImageEngine::hostileFilesFailFast_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("png 65000x65000") << "bomb.png" << pngBomb(65000, 65000);
    QTest::addRow("png 16000x16000") << "bomb16k.png" << pngBomb(16000, 16000);
    QTest::addRow("jpeg 65000x65000") << "bomb.jpg" << jpegBomb();
    QTest::addRow("gif frame 65000x65000") << "frame.gif" << gifOf(1, 65000, 65000);
    QTest::addRow("gif of 100000 frames") << "frames.gif" << gifOf(100000, 1, 1);
    QTest::addRow("svg named gif") << "svg.gif"
                                   << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60000\" "
                                                 "height=\"60000\"><rect width=\"60000\" height=\"60000\"/></svg>");
    QTest::addRow("mvg named png") << "mvg.png" << QByteArray("push graphic-context\nviewbox 0 0 60000 60000\n");
}

// Every call the batch makes on such a file ends in an error within a second or
// two, with memory to spare.
void TestImageEngine::hostileFilesFailFast()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QVERIFY(writeFile(p(name), bytes));
    const QList<QStringList> calls{{"identify", "-format", "%w %h bleh"},
                                   {"identify", "-format", "%w %h %k %b bleh"},
                                   {"identify", "-format", "%n"},
                                   {"mogrify", "-quality", "90", "-geometry", "100x100"},
                                   {"convert", "-geometry", "100x100"}};
    ImageEngine engine;
    for (QStringList call : calls) {
        const QString tool = call.takeFirst();
        call << p(name);
        const qint64 rssBefore = peakRssKiB();
        QElapsedTimer clock;
        clock.start();
        const QString error = failureOf([&] {
            if (tool == "identify")
                engine.Identify(call);
            else if (tool == "mogrify")
                engine.Mogrify(call);
            else
                engine.Convert(call << p("out.png"));
        });
        const qint64 ms = clock.elapsed();
        qDebug("%s %s: %lld ms, peak RSS %lld KiB (+%lld): %s", qPrintable(tool), qPrintable(name), ms,
               peakRssKiB(), peakRssKiB() - rssBefore, qPrintable(error));
        QVERIFY2(!error.isEmpty(), qPrintable(tool));
        QVERIFY2(ms < 3000, qPrintable(tool));
        QVERIFY2(peakRssKiB() - rssBefore < 100 * 1024, qPrintable(tool));
        QVERIFY2(peakRssKiB() < 300 * 1024, qPrintable(tool));
    }
    QCOMPARE(fileBytes(p(name)), bytes);
}

void TestImageEngine::fileNamesAreData_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("neighbours"); // what a pattern reading of the name would hit
    QTest::newRow("question mark") << "c?.jpg" << QStringList{"c1.jpg", "c2.jpg"};
    QTest::newRow("star") << "a*.png" << QStringList{"ab.png", "a.png"};
    QTest::newRow("bracket [1]") << "photo[1].jpg" << QStringList{"photo1.jpg", "photo.jpg"};
    QTest::newRow("scene-like end") << "x.gif[1]" << QStringList{"x.gif"};
    QTest::newRow("%d") << "d%d.png" << QStringList{"d0.png", "d1.png"};
    QTest::newRow("50%") << "50%.png" << QStringList{"50.png"};
    QTest::newRow("blank") << "my photo.png" << QStringList{"photo.png", "my.png"};
    QTest::newRow("leading dash") << "-dash.png" << QStringList{"dash.png"};
    QTest::newRow("leading @") << "@list.png" << QStringList{"list.png"};
    QTest::newRow("leading ~") << "~home.png" << QStringList{"home.png"};
    QTest::newRow("coder prefix") << "png:c.png" << QStringList{"c.png"};
    QTest::newRow("braces") << "b{1,2}.png" << QStringList{"b1.png", "b2.png"};
    QTest::newRow("non-ASCII") << QString::fromUtf8("été.png") << QStringList{"ete.png"};
    QTest::newRow("odd folder") << "we[i]rd %d dir/in.png" << QStringList{"weird %d dir/in.png", "we[i]rd 0 dir/in.png"};
}

// Every operation on a file of that name reads and writes exactly that file.
// Names are given relative to the working folder, where a leading "-", "@" or
// "~" means most; the odd-folder row also runs with absolute names.
void TestImageEngine::fileNamesAreData()
{
    try {
        QFETCH(QString, name);
        QFETCH(QStringList, neighbours);
        QDir::setCurrent(m_dir->path());
        QDir().mkpath(QFileInfo(name).path());
        QVERIFY(makeImage("seed.png", 60, 40));
        QVERIFY(makeImage("overlay.png", 6, 6, 5));
        for (const QString &n : neighbours) {
            QDir().mkpath(QFileInfo(n).path());
            QVERIFY(n.endsWith(".gif") ? makeAnimatedGif(n, 2) : makeImage(n, 50, 50, 3));
        }
        QMap<QString, QByteArray> sums;
        for (const QString &n : neighbours)
            sums[n] = checksum(n);

        for (const QString &f : {name, m_dir->filePath(name)}) {
            ImageEngine engine;
            engine.Convert({"-geometry", "30x20", "seed.png", f});
            QCOMPARE(imageSize(f), qMakePair(30, 20));
            QCOMPARE(identify("%w %h", f), QString("30 20"));
            engine.Mogrify({"-quality", "90", "-geometry", "15x10", f});
            QCOMPARE(identify("%wx%h", f), QString("15x10"));
            const QByteArray beforeOverlay = checksum(f);
            engine.Composite({"-gravity", "center", "overlay.png", f, f});
            QVERIFY(checksum(f) != beforeOverlay);
            engine.Convert({f + "[0]", "scene0.png"});
            engine.Convert({f, "copy.png"});
            QCOMPARE(imageSize("copy.png"), qMakePair(15, 10));
            QCOMPARE(imageSize("scene0.png"), qMakePair(15, 10));
            const QString suffix = QFileInfo(f).suffix().toLower();
            if (QRegularExpression("^[a-z]+$").match(suffix).hasMatch()) {
                engine.Mogrify({"-format", suffix, f});
                QCOMPARE(imageSize(f), qMakePair(15, 10));
            }
            for (const QString &n : neighbours)
                QVERIFY2(checksum(n) == sums[n], qPrintable(n));
            QVERIFY(QFile::remove(f));
        }
        QStringList expected = QStringList{"copy.png", "overlay.png", "scene0.png", "seed.png"} + neighbours;
        for (QString &e : expected)
            e = e.section('/', 0, 0);
        if (name.contains('/'))
            expected << name.section('/', 0, 0);
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(listing("."), expected); // nothing else written, no work file left
    } catch (const VexlError &e) {
        QFAIL(qPrintable("unexpected engine error: " + e.description));
    }
}

void TestImageEngine::sceneExtraction_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scene");
    QTest::addRow("plain name") << "anim.gif" << 3;
    QTest::addRow("first scene") << "anim.gif" << 0;
    QTest::addRow("last scene") << "anim.gif" << 11;
    QTest::addRow("odd name") << "my anim[1].gif" << 7;
}

void TestImageEngine::sceneExtraction()
{
    try {
        QFETCH(QString, name);
        QFETCH(int, scene);
        QVERIFY(makeAnimatedGif(p(name), 12));
        QCOMPARE(identify("%n", p(name)), QString("12").repeated(12)); // once per scene
        ImageEngine().Convert({p(name) + QString("[%1]").arg(scene), p("scene.png")});
        QCOMPARE(identify("%n", p("scene.png")), QString("1"));
        const QImage img(p("scene.png"));
        QCOMPARE(img.pixel(0, 0), qRgb((scene * 20) % 256, (scene * 50) % 256, 255 - (scene * 20) % 256));
        // A file whose name ends in "[n]" is read as itself.
        QVERIFY(makeImage(p("small.png"), 5, 4));
        QVERIFY(QFile::rename(p("small.png"), p(name) + "[2]"));
        QCOMPARE(identify("%wx%h", p(name) + "[2]"), QString("5x4"));
        // All scenes into a one-scene format: name-0.png ... under the caller's name.
        ImageEngine().Convert({p(name), p("all ?.png")});
        for (int i = 0; i < 12; ++i)
            QVERIFY(QFile::exists(p(QString("all ?-%1.png").arg(i))));
        QCOMPARE(listing(m_dir->path()).filter("vexl").size(), 0);
    } catch (const VexlError &e) {
        QFAIL(qPrintable("unexpected engine error: " + e.description));
    }
}

void TestImageEngine::labelAndComposite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gravity");
    QTest::addRow("south-east") << "Hello" << "SouthEast";
    QTest::addRow("north-west") << "Hello" << "NorthWest";
    QTest::addRow("closing bracket kept") << "Copyright [2020]" << "Center";
    QTest::addRow("pattern characters") << "a*.png ~x" << "North";
}

void TestImageEngine::labelAndComposite()
{
    try {
        QFETCH(QString, text);
        QFETCH(QString, gravity);
        QDir::setCurrent(m_dir->path());
        QVERIFY(makeImage("a.png", 1, 1)); // a label "a*.png" must not become this file's name
        ImageEngine engine;
        auto label = [&](const QString &t, const QString &out) {
            engine.Convert({"-quality", "100", "-background", "white", "-fill", "black", "-font", kFont, "-pointsize",
                            "20", "label:" + t, out});
            return imageSize(out);
        };
        const QPair<int, int> half = label(text.left(text.size() / 2), "half.png");
        const QPair<int, int> size = label(text, "label.png");
        QVERIFY(size.second >= 15 && size.second < 40);
        QVERIFY2(size.first > half.first + 15, qPrintable(QString::number(size.first))); // the whole text
        QVERIFY(makeImage("base.png", 300, 100));
        const QImage base("base.png");
        engine.Composite({"-background", "none", "-compose", "Over", "-gravity", gravity, "label.png", "base.png",
                          "out.png"});
        const QImage out("out.png");
        QCOMPARE(out.size(), base.size());
        const bool east = gravity == "SouthEast";
        const QPoint stamped = east                    ? QPoint(299, 99)
                               : gravity == "NorthWest" ? QPoint(0, 0)
                               : gravity == "North"     ? QPoint(150, 3)
                                                        : QPoint(150, 50);
        const QPoint untouched = east ? QPoint(0, 0) : QPoint(299, 99);
        QVERIFY(out.pixel(stamped) != base.pixel(stamped));
        QCOMPARE(out.pixel(untouched), base.pixel(untouched));
    } catch (const VexlError &e) {
        QFAIL(qPrintable("unexpected engine error: " + e.description));
    }
}

// While a long call runs with events served, timers fire on the calling thread
// (which sleeps rather than spins), other calls can be made from them, and a
// failure still arrives as an exception.
void TestImageEngine::servesEventsWhileWorking()
{
    try {
        QVERIFY(makeImage(p("big.png"), 1600, 1600));
        QVERIFY(makeImage(p("small.png"), 20, 20));
        QVERIFY(writeFile(p("secret.txt"), "the label must not show this file's text"));
        ImageEngine engine;
        int ticks = 0;
        QString nested;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == 2)
                nested = ImageEngine().Identify({"-format", "%wx%h", p("small.png")});
        });
        timer.start();

        engine.Mogrify({"-rotate", "33", p("big.png")}); // not serving: the timer cannot fire
        QCOMPARE(ticks, 0);

        engine.setServeEventsWhileWorking(true);
        timespec cpu0, cpu1;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
        QElapsedTimer wall;
        wall.start();
        engine.Mogrify({"-rotate", "33", p("big.png")});
        const double wallMs = double(wall.elapsed());
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
        const double cpuMs = (cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6;
        qDebug("served call: %.0f ms wall, %.0f ms on the calling thread, %d ticks", wallMs, cpuMs, ticks);
        QVERIFY(ticks >= 2);
        QCOMPARE(nested, QString("20x20"));
        QVERIFY(cpuMs < wallMs / 2);

        timer.stop();
        const QString error = failureOf([&] { engine.Mogrify({"-raise", "50x50", p("small.png")}); });
        QVERIFY2(error.contains("size must exceed bevel width"), qPrintable(error));
        // "@file" in a label would read the file: refused.
        const QString at = failureOf([&] { engine.Convert({"-font", kFont, "label:@" + p("secret.txt"), p("l.png")}); });
        QVERIFY2(at.contains("security policy"), qPrintable(at));
        QVERIFY(!QFile::exists(p("l.png")));
    } catch (const VexlError &e) {
        QFAIL(qPrintable("unexpected engine error: " + e.description));
    }
}

QTEST_MAIN(TestImageEngine)
#include "tst_imageengine.moc"
