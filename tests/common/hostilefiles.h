#pragma once

// Small hostile image files made in memory: headers that promise enormous
// images or frame counts, for the tests that check they fail fast.

#include <QByteArray>
#include <QtGlobal>

namespace vexl::test {

inline quint32 crc32(const QByteArray &data)
{
    quint32 c = 0xffffffffu;
    for (const char ch : data) {
        c ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

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
    return be32(quint32(data.size())) + type + data + be32(crc32(type + data));
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

inline QByteArray jpegBomb()
{
    return QByteArray("\xff\xd8\xff\xc0\x00\x0b\x08\xfd\xe8\xfd\xe8\x01\x01\x11\x00\xff\xd9", 17);
}

} // namespace vexl::test
