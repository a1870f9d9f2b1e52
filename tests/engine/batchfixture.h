#pragma once

// A batch run on real files with the "Reset All Settings" values, in one private test world.

#include "engine/batchrun.h"
#include "engine/imageengine.h"
#include "settings/processsettings.h"
#include "testsupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <sys/resource.h>
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

// What the command-line identify prints for `path` with `format` ("" when it fails).
inline QString identifyText(const QString &path, const QString &format = QStringLiteral("%m"))
{
    QProcess p;
    p.start(QStringLiteral("identify"), {QStringLiteral("-format"), format, path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}
inline QString formatOf(const QString &path) { return identifyText(path); }

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

// EXIF data as a camera writes it; an empty text or a zero orientation leaves the tag out.
struct ExifFields
{
    QByteArray make;
    QByteArray model;
    QByteArray dateTime;
    QByteArray dateTimeOriginal;
    int orientation = 0;
    bool bigEndian = false;
};

// Four bytes, least significant first.
inline QByteArray le32(quint32 v)
{
    const char b[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return QByteArray(b, 4);
}

inline QByteArray exifBlock(const ExifFields &e)
{
    // `size` bytes of `v` in the block's byte order.
    const auto put = [&e](QByteArray &b, quint32 v, int size) {
        for (int i = 0; i < size; ++i)
            b += char(v >> 8 * (e.bigEndian ? size - 1 - i : i));
    };
    struct Entry { quint16 tag; quint16 type; QByteArray value; };
    // One directory at `at`, its out-of-line values after it; `next`: where the next may go.
    const auto directory = [&](const QList<Entry> &entries, quint32 at, quint32 *next) {
        QByteArray dir;
        QByteArray extra;
        const quint32 dataAt = at + 2 + 12 * entries.size() + 4;
        put(dir, quint16(entries.size()), 2);
        for (const Entry &en : entries) {
            put(dir, en.tag, 2);
            put(dir, en.type, 2);
            if (en.type == 2) {
                const QByteArray text = en.value + '\0';
                put(dir, quint32(text.size()), 4);
                if (text.size() <= 4) {
                    dir += text.leftJustified(4, '\0');
                } else {
                    put(dir, dataAt + quint32(extra.size()), 4);
                    extra += text;
                    if (extra.size() % 2)
                        extra += '\0';
                }
            } else { // one SHORT (left in the four value bytes) or LONG
                put(dir, 1, 4);
                put(dir, en.value.toUInt(), en.type == 3 ? 2 : 4);
                if (en.type == 3)
                    put(dir, 0, 2);
            }
        }
        put(dir, 0, 4);
        *next = at + quint32(dir.size() + extra.size());
        return dir + extra;
    };
    QList<Entry> ifd0;
    if (!e.make.isEmpty())
        ifd0 << Entry{0x010F, 2, e.make};
    if (!e.model.isEmpty())
        ifd0 << Entry{0x0110, 2, e.model};
    if (e.orientation)
        ifd0 << Entry{0x0112, 3, QByteArray::number(e.orientation)};
    if (!e.dateTime.isEmpty())
        ifd0 << Entry{0x0132, 2, e.dateTime};
    QByteArray block = e.bigEndian ? QByteArray("MM\0*", 4) : QByteArray("II*\0", 4);
    put(block, 8, 4);
    quint32 next = 0;
    if (!e.dateTimeOriginal.isEmpty()) {
        // The EXIF directory's offset is known once the first is laid out: lay it out twice.
        QList<Entry> withPointer = ifd0;
        withPointer << Entry{0x8769, 4, "0"};
        directory(withPointer, 8, &next);
        withPointer.last().value = QByteArray::number(next);
        block += directory(withPointer, 8, &next);
        block += directory({Entry{0x9003, 2, e.dateTimeOriginal}}, next, &next);
    } else {
        block += directory(ifd0, 8, &next);
    }
    return block;
}

// A JPEG with `exif` in an APP1 segment right after its start marker.
inline bool makeJpegWithExif(const QString &path, const QImage &image, const QByteArray &exif)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 95) || !jpeg.startsWith("\xFF\xD8"))
        return false;
    const QByteArray body = QByteArray("Exif\0\0", 6) + exif;
    QByteArray app1("\xFF\xE1");
    app1 += char((body.size() + 2) >> 8);
    app1 += char((body.size() + 2) & 0xFF);
    jpeg.insert(2, app1 + body);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(jpeg) == jpeg.size();
}

// An image only ImageMagick writes here (HEIC, AVIF, WebP); `scenes` above 1: an animation.
inline bool makeMagickImage(const QString &path, int width, int height, int scenes = 1)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QStringList args;
    if (scenes > 1)
        args << QStringLiteral("-delay") << QStringLiteral("10");
    for (int i = 0; i < scenes; ++i)
        args << QStringLiteral("-size") << QStringLiteral("%1x%2").arg(width).arg(height)
             << QStringLiteral("gradient:rgb(%1,0,0)-rgb(0,0,%2)").arg(255 - i * 60).arg(255 - i * 40);
    if (scenes > 1)
        args << QStringLiteral("-loop") << QStringLiteral("0");
    // ".heif" is no name ImageMagick writes by: it is HEIC inside.
    const QString target = path.endsWith(QLatin1String(".heif"), Qt::CaseInsensitive)
        ? QStringLiteral("heic:") + path : path;
    return runConvert(args << target);
}

// Scenes and format as the command-line identify sees them ("3 WEBP").
inline QString scenesOf(const QString &path)
{
    const QStringList lines = identifyText(path, QStringLiteral("%m\n")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : QStringLiteral("%1 %2").arg(lines.size()).arg(lines.first());
}

inline qint64 peakRssKiB()
{
    struct rusage usage {};
    return ::getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}

} // namespace vexl::test

// Engine tests run in the C locale unless a test restarts itself in another (VEXL_KEEP_LOCALE).
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
