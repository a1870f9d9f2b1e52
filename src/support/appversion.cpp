#include "appversion.h"

#include "version.h"

namespace vexl {

QString FormatAppVersion(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2%3").arg(major).arg(minor).arg(revision);
}

QString GetAppVersion()
{
    return FormatAppVersion(version::Major, version::Minor, version::Revision);
}

QString WebBaseAddress()
{
    return QStringLiteral("https://www.quillmere.example/");
}

QString UrlEncode(const QString &text)
{
    QString out = text;
    const auto encode = [&out](int from, int to) {
        for (int c = from; c <= to; ++c) {
            if (c == 37)
                continue; // "%" stays, so the codes made so far survive
            out.replace(QChar(c), QStringLiteral("%") + QStringLiteral("%1").arg(c, 2, 16, QLatin1Char('0')).toUpper());
        }
    };
    encode(32, 47);
    encode(58, 64);
    encode(91, 96);
    encode(123, 127);
    out.replace(QLatin1String("\r\n"), QLatin1String("%0D"));
    return out;
}

} // namespace vexl
