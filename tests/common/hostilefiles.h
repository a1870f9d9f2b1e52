#pragma once

// Small hostile image files made in memory: headers that promise enormous
// images or frame counts, for the tests that check they fail fast.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtGlobal>

#include <zlib.h>

namespace vexl::test {

inline QByteArray be32(quint32 v)
{
    const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(b, 4);
}

inline QByteArray le16(quint16 v)
{
    const char b[2] = {char(v & 0xff), char(v >> 8)};
    return QByteArray(b, 2);
}

inline QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    const QByteArray checked = type + data;
    return be32(quint32(data.size())) + checked
           + be32(quint32(::crc32(0, reinterpret_cast<const Bytef *>(checked.constData()), uInt(checked.size()))));
}

// A PNG of a few KiB whose header claims a grey image of w x h.
inline QByteArray pngBomb(quint32 w, quint32 h)
{
    const QByteArray rows = qCompress(QByteArray(int(w + 1) * 40, '\0'), 9).mid(4); // zlib stream
    return QByteArray("\x89PNG\r\n\x1a\n", 8)
           + pngChunk("IHDR", be32(w) + be32(h) + QByteArray("\x08\x00\x00\x00\x00", 5))
           + pngChunk("IDAT", rows) + pngChunk("IEND", QByteArray());
}

// A GIF of `frames` frames of w x h (1-pixel LZW data each).
inline QByteArray gifOf(int frames, quint16 w, quint16 h)
{
    QByteArray out = QByteArray("GIF89a") + le16(w) + le16(h) + QByteArray("\x80\x00\x00", 3)
                     + QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    const QByteArray frame = QByteArray("\x2c\x00\x00\x00\x00", 5) + le16(w) + le16(h)
                             + QByteArray("\x00\x02\x02\x44\x01\x00", 6);
    for (int i = 0; i < frames; ++i)
        out += frame;
    return out + QByteArray("\x3b");
}

// A PNG of 8x8 grey pixels whose zTXt chunk inflates to `mebibytes` MiB of text.
inline QByteArray pngTextBomb(int mebibytes)
{
    z_stream z{};
    deflateInit(&z, 9);
    QByteArray text;
    QByteArray block(1 << 20, 'A');
    char buffer[1 << 16];
    for (int i = 0; i < mebibytes; ++i) {
        z.next_in = reinterpret_cast<Bytef *>(block.data());
        z.avail_in = uInt(block.size());
        const int flush = i + 1 == mebibytes ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef *>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, flush);
            text.append(buffer, int(sizeof buffer - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    const QByteArray rows = qCompress((QByteArray(1, '\0') + QByteArray(8, '\x40')).repeated(8), 9).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8)
           + pngChunk("IHDR", be32(8) + be32(8) + QByteArray("\x08\x00\x00\x00\x00", 5))
           + pngChunk("zTXt", QByteArray("Comment\0\0", 9) + text) + pngChunk("IDAT", rows)
           + pngChunk("IEND", QByteArray());
}

// A real small JPEG (tables, scan data) whose frame header declares w x h.
inline QByteArray jpegDeclaring(quint16 w, quint16 h)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(0x336699);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG", 50);
    const qsizetype sof = bytes.indexOf(QByteArray("\xff\xc0", 2));
    if (sof < 0)
        return {};
    bytes[sof + 5] = char(h >> 8);
    bytes[sof + 6] = char(h & 0xff);
    bytes[sof + 7] = char(w >> 8);
    bytes[sof + 8] = char(w & 0xff);
    return bytes;
}

inline QByteArray jpegBomb()
{
    return QByteArray("\xff\xd8\xff\xc0\x00\x0b\x08\xfd\xe8\xfd\xe8\x01\x01\x11\x00\xff\xd9", 17);
}

} // namespace vexl::test
