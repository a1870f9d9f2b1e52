#pragma once

// A batch run on real files: an input folder, an output folder, quiet settings
// and the scripted host, inside one private test world.

#include "engine/batchrun.h"
#include "engine/imageengine.h"
#include "mainwindow/processsettings.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace vexl::test {

struct BatchFixture
{
    TestWorld world;
    QString in = world.path(QStringLiteral("in"));
    QString out = world.path(QStringLiteral("out"));
    ProcessSettings s;
    BatchInput input;
    ScriptedBatchHost host;
    BatchRun run;

    BatchFixture()
    {
        QDir().mkpath(in);
        QDir().mkpath(out);
        // The "Reset All Settings" values: no prefix, no antialias, nothing ticked.
        ResetProcessSettings(s);
        s.OutputDir = out;
        input.currentFolder = in + QLatin1Char('/');
    }

    QString inPath(const QString &item) const { return in + QLatin1Char('/') + item; }
    QString outPath(const QString &name) const { return out + QLatin1Char('/') + name; }

    // Lists `item` (a path relative to the input folder), ticked or not.
    void add(const QString &item, bool checked = true)
    {
        input.items << item;
        input.checked << checked;
    }
    // Makes a WxH image at the item's place and lists it.
    bool addImage(const QString &item, int width = 40, int height = 30, unsigned seed = 1)
    {
        add(item);
        return makeImage(inPath(item), width, height, seed);
    }

    BatchOutcome go()
    {
        run.setStartRequest();
        return run.Run(s, input, host);
    }
    void yes(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            host.answers.push_back(MsgAnswer::Yes);
    }

    // Every file below `folder`, relative to it, sorted.
    static QStringList filesBelow(const QString &folder)
    {
        QStringList names;
        const QDir root(folder);
        QList<QString> pending{folder};
        while (!pending.isEmpty()) {
            const QDir dir(pending.takeFirst());
            const QFileInfoList entries =
                dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            for (const QFileInfo &e : entries) {
                if (e.isDir() && !e.isSymLink())
                    pending << e.filePath();
                else
                    names << root.relativeFilePath(e.filePath());
            }
        }
        names.sort();
        return names;
    }
    QStringList outFiles() const { return filesBelow(out); }
    QStringList inFiles() const { return filesBelow(in); }

    // The run ended with "Process Finished!" as its last message.
    bool finished() const
    {
        return !host.asked.isEmpty() && host.asked.last().title == QLatin1String("Done")
            && host.asked.last().text == QLatin1String("Process Finished!");
    }
};

inline quint64 inode(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return quint64(st.st_ino);
}

// ImageMagick's name for the format a file really holds ("PNG", "JPEG", ...),
// asked of the command-line identify so that it does not depend on our engine.
inline QString formatOf(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%m"), path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// A PNG of four solid quadrants: top left red, top right green, bottom left
// blue, bottom right white.
inline bool makeQuadrants(const QString &path, int width = 20, int height = 20)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            img.setPixel(x, y, !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0))
                                       : (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255)));
        }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return img.save(path, "PNG");
}

// A solid PNG of one colour.
inline bool makeSolid(const QString &path, int width, int height, QRgb colour)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(colour);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return img.save(path, "PNG");
}

// Meta-variable tokens stay in the working file's name until the final renaming,
// so every operation before it reads and writes a name holding brackets. That
// works only once the image engine takes file names as data, not as patterns;
// the tests that need it say so instead of failing for the engine's reason.
inline bool engineTakesBracketNamesLiterally()
{
    static const bool literal = [] {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/[W]_probe.png");
        if (!makeSolid(path, 4, 2, qRgb(10, 20, 30)))
            return false;
        try {
            ImageEngine engine;
            engine.Mogrify({QStringLiteral("-flop"), path});
            return engine.Identify({QStringLiteral("-format"), QStringLiteral("%w %h"), path}) == QLatin1String("4 2");
        } catch (const VexlError &) {
            return false;
        }
    }();
    return literal;
}

} // namespace vexl::test

#define SKIP_UNLESS_ENGINE_TAKES_BRACKET_NAMES()                                                                     \
    do {                                                                                                             \
        if (!vexl::test::engineTakesBracketNamesLiterally())                                                         \
            QSKIP("the image engine still reads a name holding [ ] as a pattern");                                   \
    } while (false)

// Engine tests run in the C locale so that numbers print with a decimal point,
// unless a test starts itself again in another locale (VEXL_KEEP_LOCALE).
#define VEXL_ENGINE_TEST_MAIN(TestClass)                                                                             \
    int main(int argc, char **argv)                                                                                  \
    {                                                                                                                \
        if (qEnvironmentVariableIsEmpty("VEXL_KEEP_LOCALE")) {                                                       \
            qputenv("LC_ALL", "C");                                                                                  \
            qputenv("LANG", "C");                                                                                    \
        }                                                                                                            \
        QCoreApplication app(argc, argv);                                                                            \
        TestClass tc;                                                                                                \
        return QTest::qExec(&tc, argc, argv);                                                                        \
    }
