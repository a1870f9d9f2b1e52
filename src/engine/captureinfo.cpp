// Capture date, camera and orientation from a photo's EXIF data, read from the
// file's header only.
#include "captureinfo.h"

#include "support/fileprocs.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <functional>

namespace vexl {

namespace {

// Bounds of what is read: EXIF data lives in one block of at most 64 KiB; the
// block is looked for among at most so many segments or chunks.
constexpr qint64 kMaxBlock = 256 * 1024;
constexpr int kMaxSegments = 256;
constexpr int kMaxEntries = 512;

// Reads `length` bytes at `offset`, or fewer at the end of the file.
QByteArray readAt(QFile &file, qint64 offset, qint64 length)
{
    if (offset < 0 || length <= 0 || !file.seek(offset))
        return QByteArray();
    return file.read(qMin(length, kMaxBlock));
}

// A TIFF structure (the body of every EXIF block): in memory, or a whole TIFF
// file read piece by piece (its directories may lie anywhere in it).
class TiffBlock
{
public:
    using Reader = std::function<QByteArray(qint64 offset, qint64 length)>;

    TiffBlock(Reader read, qint64 size)
        : m_read(std::move(read))
        , m_size(size)
    {
        const QByteArray head = m_read(0, 8);
        if (head.size() == 8 && head.startsWith("II*\0"))
            m_little = true;
        else if (head.size() == 8 && head.startsWith(QByteArray("MM\0*", 4)))
            m_little = false;
        else
            return;
        m_valid = true;
    }
    static TiffBlock inMemory(const QByteArray &data)
    {
        return TiffBlock([data](qint64 offset, qint64 length) { return data.mid(offset, length); }, data.size());
    }

    void read(ExifFacts &facts) const
    {
        if (!m_valid)
            return;
        const quint32 ifd0 = u32(4);
        quint32 exifIfd = 0;
        walk(ifd0, [&](quint16 tag, quint16 type, quint32 count, qint64 entry) {
            switch (tag) {
            case 0x010F: facts.make = text(type, count, entry); break;
            case 0x0110: facts.model = text(type, count, entry); break;
            case 0x0132: facts.dateTime = text(type, count, entry); break;
            case 0x0112:
                if (type == 3 && count >= 1) {
                    const int o = u16(entry + 8);
                    facts.orientation = o >= 1 && o <= 8 ? o : 0;
                }
                break;
            case 0x8769:
                if ((type == 4 || type == 13) && count == 1)
                    exifIfd = u32(entry + 8);
                break;
            default: break;
            }
        });
        if (exifIfd != 0 && exifIfd != ifd0)
            walk(exifIfd, [&](quint16 tag, quint16 type, quint32 count, qint64 entry) {
                if (tag == 0x9003)
                    facts.dateTimeOriginal = text(type, count, entry);
            });
    }

private:
    bool inside(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset + length <= m_size;
    }
    quint16 u16(qint64 at) const
    {
        const QByteArray b = inside(at, 2) ? m_read(at, 2) : QByteArray();
        if (b.size() != 2)
            return 0;
        const auto *p = reinterpret_cast<const uchar *>(b.constData());
        return m_little ? quint16(p[0] | p[1] << 8) : quint16(p[0] << 8 | p[1]);
    }
    quint32 u32(qint64 at) const
    {
        const QByteArray b = inside(at, 4) ? m_read(at, 4) : QByteArray();
        if (b.size() != 4)
            return 0;
        const auto *p = reinterpret_cast<const uchar *>(b.constData());
        return m_little ? quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24
                        : quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
    }
    template <typename Fn>
    void walk(quint32 ifd, Fn fn) const
    {
        if (ifd < 8 || !inside(ifd, 2))
            return;
        const int n = qMin<int>(u16(ifd), kMaxEntries);
        for (int i = 0; i < n; ++i) {
            const qint64 entry = qint64(ifd) + 2 + 12 * qint64(i);
            if (!inside(entry, 12))
                return;
            fn(u16(entry), u16(entry + 2), u32(entry + 4), entry);
        }
    }
    // An ASCII value up to its first NUL (inline when at most 4 bytes).
    QString text(quint16 type, quint32 count, qint64 entry) const
    {
        if ((type != 2 && type != 7) || count == 0 || count > 65535)
            return QString();
        const qint64 at = count <= 4 ? entry + 8 : qint64(u32(entry + 8));
        if (!inside(at, count))
            return QString();
        QByteArray bytes = m_read(at, count);
        const qsizetype nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes.truncate(nul);
        return QString::fromLatin1(bytes);
    }

    Reader m_read;
    qint64 m_size = 0;
    bool m_little = true;
    bool m_valid = false;
};

// JPEG: the APP1 segment that starts with "Exif\0\0", among the segments
// before the image data.
QByteArray jpegExif(QFile &file)
{
    qint64 at = 2;
    for (int i = 0; i < kMaxSegments; ++i) {
        const QByteArray head = readAt(file, at, 4);
        if (head.size() < 4 || uchar(head[0]) != 0xFF)
            return QByteArray();
        const uchar marker = uchar(head[1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // image data or end: no EXIF before it
            return QByteArray();
        const int length = uchar(head[2]) << 8 | uchar(head[3]);
        if (length < 2)
            return QByteArray();
        if (marker == 0xE1 && length >= 8) {
            const QByteArray body = readAt(file, at + 4, length - 2);
            if (body.startsWith(QByteArray("Exif\0\0", 6)))
                return body.mid(6);
        }
        at += 2 + length;
    }
    return QByteArray();
}

// WebP: the "EXIF" chunk of the RIFF container (some writers keep the
// "Exif\0\0" prefix of JPEG in it).
QByteArray webpExif(QFile &file)
{
    qint64 at = 12;
    for (int i = 0; i < kMaxSegments; ++i) {
        const QByteArray head = readAt(file, at, 8);
        if (head.size() < 8)
            return QByteArray();
        const auto *p = reinterpret_cast<const uchar *>(head.constData() + 4);
        const qint64 size = qint64(p[0]) | qint64(p[1]) << 8 | qint64(p[2]) << 16 | qint64(p[3]) << 24;
        if (head.startsWith("EXIF")) {
            QByteArray body = readAt(file, at + 8, size);
            if (body.startsWith(QByteArray("Exif\0\0", 6)))
                body.remove(0, 6);
            return body;
        }
        at += 8 + size + (size & 1);
    }
    return QByteArray();
}

// Big-endian numbers of 1 to 8 bytes at `at` in `data`; 0 past its end.
quint64 be(const QByteArray &data, qint64 at, int bytes, bool *ok)
{
    if (at < 0 || bytes < 0 || at + bytes > data.size()) {
        *ok = false;
        return 0;
    }
    quint64 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | uchar(data[at + i]);
    return v;
}

// The boxes of an ISO media file (HEIC, HEIF, AVIF) inside `data` from `at`
// to `end`: calls fn(type, payload start, payload end) for each, up to a
// bound; stops at a box that does not fit.
template <typename Fn>
void boxes(const QByteArray &data, qint64 at, qint64 end, Fn fn)
{
    bool ok = true;
    for (int i = 0; i < kMaxSegments && at + 8 <= end; ++i) {
        qint64 size = qint64(be(data, at, 4, &ok));
        const QByteArray type = data.mid(at + 4, 4);
        qint64 header = 8;
        if (size == 1) {
            size = qint64(be(data, at + 8, 8, &ok));
            header = 16;
        } else if (size == 0) {
            size = end - at;
        }
        if (!ok || size < header || size > end - at)
            return;
        if (!fn(type, at + header, at + size))
            return;
        at += size;
    }
}

// HEIC/HEIF/AVIF: the item of type "Exif" that the "meta" box lists (in
// "iinf") and locates (in "iloc"); its data is a 4-byte offset to the TIFF
// header, then the EXIF block.
QByteArray heifExif(QFile &file)
{
    // The "meta" box among the first top-level boxes (after "ftyp").
    QByteArray meta;
    qint64 at = 0;
    for (int i = 0; i < 16 && meta.isEmpty(); ++i) {
        const QByteArray head = readAt(file, at, 16);
        bool ok = true;
        qint64 size = qint64(be(head, 0, 4, &ok));
        qint64 header = 8;
        if (size == 1) {
            size = qint64(be(head, 8, 8, &ok));
            header = 16;
        }
        if (!ok || size < header)
            return QByteArray();
        if (head.mid(4, 4) == "meta") {
            if (size > kMaxBlock)
                return QByteArray();
            meta = readAt(file, at + header, size - header);
            if (meta.size() != size - header)
                return QByteArray();
        }
        at += size;
    }
    if (meta.size() < 4)
        return QByteArray();

    quint64 exifItem = 0;
    bool found = false;
    quint64 offset = 0;
    quint64 length = 0;
    bool located = false;
    // "meta" is a full box: version and flags come first. The item is found in
    // "iinf", then located in "iloc" (in whichever order they come).
    boxes(meta, 4, meta.size(), [&](const QByteArray &type, qint64 from, qint64 to) {
        bool ok = true;
        if (type == "iinf") {
            const int version = int(be(meta, from, 1, &ok));
            const qint64 first = from + 4 + (version == 0 ? 2 : 4);
            boxes(meta, first, to, [&](const QByteArray &entryType, qint64 f, qint64 t) {
                if (entryType != "infe")
                    return true;
                bool fine = true;
                const int v = int(be(meta, f, 1, &fine));
                if (v < 2)
                    return true;
                const int idBytes = v == 2 ? 2 : 4;
                const quint64 id = be(meta, f + 4, idBytes, &fine);
                if (fine && f + 4 + idBytes + 2 + 4 <= t && meta.mid(f + 4 + idBytes + 2, 4) == "Exif") {
                    exifItem = id;
                    found = true;
                    return false;
                }
                return true;
            });
        }
        return !found;
    });
    if (!found)
        return QByteArray();
    boxes(meta, 4, meta.size(), [&](const QByteArray &type, qint64 from, qint64 to) {
        bool ok = true;
        if (type == "iloc") {
            qint64 p = from;
            const int version = int(be(meta, p, 1, &ok));
            p += 4;
            const int sizes = int(be(meta, p, 1, &ok));
            const int sizes2 = int(be(meta, p + 1, 1, &ok));
            p += 2;
            const int offsetSize = sizes >> 4, lengthSize = sizes & 15, baseSize = sizes2 >> 4;
            const int indexSize = version >= 1 ? (sizes2 & 15) : 0;
            const quint64 count = be(meta, p, version < 2 ? 2 : 4, &ok);
            p += version < 2 ? 2 : 4;
            for (quint64 i = 0; ok && i < count && i < quint64(kMaxEntries) && p < to; ++i) {
                const quint64 id = be(meta, p, version < 2 ? 2 : 4, &ok);
                p += version < 2 ? 2 : 4;
                int method = 0;
                if (version >= 1) {
                    method = int(be(meta, p, 2, &ok) & 15);
                    p += 2;
                }
                p += 2; // data reference index
                const quint64 base = be(meta, p, baseSize, &ok);
                p += baseSize;
                const quint64 extents = be(meta, p, 2, &ok);
                p += 2;
                for (quint64 e = 0; ok && e < extents && e < quint64(kMaxEntries); ++e) {
                    p += indexSize;
                    const quint64 extentOffset = be(meta, p, offsetSize, &ok);
                    p += offsetSize;
                    const quint64 extentLength = be(meta, p, lengthSize, &ok);
                    p += lengthSize;
                    // The EXIF item of a photo is one extent in the file itself.
                    if (ok && id == exifItem && e == 0 && method == 0) {
                        offset = base + extentOffset;
                        length = extentLength;
                        located = true;
                    }
                }
            }
        }
        return !located;
    });
    if (!located || offset > quint64(file.size()) || length < 4)
        return QByteArray();
    const QByteArray item = readAt(file, qint64(offset), qint64(qMin<quint64>(length, kMaxBlock)));
    bool ok = true;
    const quint64 skip = be(item, 0, 4, &ok);
    if (!ok || skip > quint64(item.size()))
        return QByteArray();
    return item.mid(4 + qint64(skip));
}

bool validStamp(const QString &stamp, QString *date, QString *time)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4}):(\\d{2}):(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})"));
    const QRegularExpressionMatch m = form.match(stamp);
    if (!m.hasMatch() || m.captured(1) == QLatin1String("0000"))
        return false;
    *date = m.captured(1) + QLatin1Char('-') + m.captured(2) + QLatin1Char('-') + m.captured(3);
    *time = m.captured(4) + QLatin1Char('-') + m.captured(5) + QLatin1Char('-') + m.captured(6);
    return true;
}

} // namespace

ExifFacts ReadExifFacts(const QString &path)
{
    ExifFacts facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    const QByteArray magic = file.read(12);
    if (magic.startsWith("\xFF\xD8"))
        TiffBlock::inMemory(jpegExif(file)).read(facts);
    else if (magic.startsWith("RIFF") && magic.mid(8, 4) == "WEBP")
        TiffBlock::inMemory(webpExif(file)).read(facts);
    else if (magic.mid(4, 4) == "ftyp") {
        TiffBlock::inMemory(heifExif(file)).read(facts);
        // The container's own rotation is applied by the decoder; the EXIF
        // tag only repeats it and must not turn the picture a second time.
        facts.orientation = 0;
    }
    else if (magic.startsWith("II*\0") || magic.startsWith(QByteArray("MM\0*", 4)))
        TiffBlock([&file](qint64 offset, qint64 length) { return readAt(file, offset, length); }, file.size())
            .read(facts);
    return facts;
}

CaptureInfo ReadCaptureInfo(const QString &path)
{
    const ExifFacts facts = ReadExifFacts(path);
    CaptureInfo info;
    if (!validStamp(facts.dateTimeOriginal, &info.date, &info.time)
        && !validStamp(facts.dateTime, &info.date, &info.time)) {
        const QDateTime modified = QFileInfo(path).lastModified().toLocalTime();
        info.date = modified.toString(QStringLiteral("yyyy-MM-dd"));
        info.time = modified.toString(QStringLiteral("HH-mm-ss"));
    }
    // The camera goes into file names: no separators, no control characters,
    // no leading dots (a hidden file, or "..").
    QString make = facts.make.simplified();
    QString model = facts.model.simplified();
    // Most cameras repeat the maker in the model ("Canon" "Canon EOS 5D").
    QString camera = model.startsWith(make, Qt::CaseInsensitive) ? model : (make + QLatin1Char(' ') + model);
    camera = StripBadFilenameChars(camera);
    camera.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    camera = camera.simplified();
    while (camera.startsWith(QLatin1Char('.')))
        camera = camera.mid(1).trimmed();
    camera = camera.left(64).trimmed();
    info.camera = camera.isEmpty() ? QStringLiteral("unknown") : camera;
    return info;
}

} // namespace vexl
