#pragma once

// A batch run on real files: input and output folders, the "Reset All Settings"
// values and the scripted host, inside one private test world.

#include "engine/batchrun.h"
#include "engine/imageengine.h"
#include "settings/processsettings.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(vexl::BatchOutcome)

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
        ResetProcessSettings(s);
        s.OutputDir = out;
        input.outputDestIndex = 1; // "Output in Different Folder"
        input.currentFolder = in + QLatin1Char('/');
    }

    QString inPath(const QString &item) const { return in + QLatin1Char('/') + item; }
    QString outPath(const QString &name) const { return out + QLatin1Char('/') + name; }

    void add(const QString &item, bool checked = true)
    {
        input.items << item;
        input.checked << checked;
    }
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
    void yes(int times = 1) { host.answers.insert(host.answers.end(), times, MsgAnswer::Yes); }

    // Every file below `folder` (hidden ones too), relative to it, sorted.
    static QStringList filesBelow(const QString &folder)
    {
        QStringList names;
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            names << QDir(folder).relativeFilePath(it.next());
        names.sort();
        return names;
    }
    QStringList outFiles() const { return filesBelow(out); }
    QStringList inFiles() const { return filesBelow(in); }

    // The run's last message was "Process Finished!".
    bool finished() const
    {
        return !host.asked.isEmpty() && host.asked.last().title == QLatin1String("Done")
            && host.asked.last().text == QLatin1String("Process Finished!");
    }
};

// Every file below `folder` with its checksum.
inline QMap<QString, QByteArray> checksums(const QString &folder)
{
    QMap<QString, QByteArray> sums;
    for (const QString &name : BatchFixture::filesBelow(folder))
        sums.insert(name, checksum(folder + QLatin1Char('/') + name));
    return sums;
}

inline quint64 inode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

// The format a file really holds ("PNG", "JPEG", ...), asked of the command-line identify.
inline QString formatOf(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%m"), path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// A PNG of four solid quadrants: red top left, green top right, blue bottom left, white bottom right.
inline bool makeQuadrants(const QString &path, int width = 20, int height = 20)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            img.setPixel(x, y, y < height / 2 ? (x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
                                              : (x < width / 2 ? qRgb(0, 0, 255) : qRgb(255, 255, 255)));
    QDir().mkpath(QFileInfo(path).absolutePath());
    return img.save(path, "PNG");
}

inline qint64 peakRssKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression hwm(QStringLiteral("VmHWM:\\s+(\\d+)"));
    return hwm.match(QString::fromLatin1(f.readAll())).captured(1).toLongLong();
}

} // namespace vexl::test

// Engine tests run in the C locale (a decimal point in numbers) unless a test
// starts itself again in another locale (VEXL_KEEP_LOCALE).
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
