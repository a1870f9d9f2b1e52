#include "ftplisting.h"

#include <QRegularExpression>
#include <QStringList>

namespace vexl {

namespace {

const char *const kMonths[12] = {"jan", "feb", "mar", "apr", "may", "jun",
                                 "jul", "aug", "sep", "oct", "nov", "dec"};

// Listing lines are measured in 1-based columns; these keep the arithmetic
// readable. Out-of-range requests give what fits, like the columns they model.
QString mid1(const QString &s, int start, int length = -1)
{
    if (start < 1)
        start = 1;
    if (start > s.size())
        return QString();
    return s.mid(start - 1, length);
}

QString rtrimSpaces(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

QString ltrimSpaces(QString s)
{
    int i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

std::optional<qint64> toNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

std::optional<QTime> toTime(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return std::nullopt;
    const auto h = toNumber(parts.at(0));
    const auto m = toNumber(parts.at(1));
    if (!h || !m)
        return std::nullopt;
    const QTime t{int(*h), int(*m)};
    if (!t.isValid())
        return std::nullopt;
    return t;
}

} // namespace

QDateTime ConvertListingDate(const QString &field, int currentYear)
{
    QString f = field;
    f.replace(QLatin1String("  "), QLatin1String(" "));
    int month = 0;
    const QString name = f.left(3).toLower();
    for (int i = 0; i < 12; ++i)
        if (name == QLatin1String(kMonths[i]))
            month = i + 1;
    const QString dayText = rtrimSpaces(mid1(f, 5, 2));
    const QString last = ltrimSpaces(f.right(5));
    QString yearText;
    QString timeText;
    if (last.contains(QLatin1Char(':'))) {
        timeText = last;
        yearText = QString::number(currentYear);
    } else {
        yearText = last;
        timeText = QStringLiteral("00:00");
    }
    const auto day = toNumber(dayText);
    const auto year = toNumber(yearText);
    const auto time = toTime(timeText);
    if (month == 0 || !day || !year || !time)
        return QDateTime();
    const QDate date(int(*year), month, int(*day));
    if (!date.isValid())
        return QDateTime();
    return QDateTime(date, *time);
}

QDateTime ConvertDosDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral(
        "^\\s*(\\d{1,2})[-/](\\d{1,2})[-/](\\d{2}|\\d{4})"
        "(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*([AaPp][Mm])?)?\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return QDateTime();
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year < 30 ? 2000 : 1900;
    const QDate date(year, m.captured(1).toInt(), m.captured(2).toInt());
    if (!date.isValid())
        return QDateTime();
    QTime time(0, 0);
    if (m.hasCaptured(4) && !m.captured(4).isEmpty()) {
        int hour = m.captured(4).toInt();
        const QString half = m.captured(7).toUpper();
        if (!half.isEmpty()) {
            if (hour < 1 || hour > 12)
                return QDateTime();
            hour = hour % 12 + (half == QLatin1String("PM") ? 12 : 0);
        }
        time = QTime(hour, m.captured(5).toInt(), m.captured(6).isEmpty() ? 0 : m.captured(6).toInt());
        if (!time.isValid())
            return QDateTime();
    }
    return QDateTime(date, time);
}

namespace {

// One line of a listing as an entry; nothing when the line is not one.
std::optional<CFtpFile> parseUnixLine(const QString &line, const QDate &today)
{
    // Permissions, links, owner, [group], size, then the date: the leftmost
    // size + date that fits, so a date inside the name is never taken for it.
    // The name is what follows the date's last column and one blank.
    static const QRegularExpression re(QStringLiteral(
        "^([-dlbcpsDw][-rwxsStTlL]{9}[+@.]?)\\s+(\\S.*?)\\s(\\d+)\\s+"
        "(?:((?:jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)\\s+\\d{1,2}\\s+(?:\\d{1,2}:\\d{2}|\\d{4}))"
        "|(\\d{4}-\\d{2}-\\d{2}\\s+\\d{2}:\\d{2}(?::\\d{2}(?:\\.\\d+)?)?(?:\\s+[-+]\\d{4})?)) (.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    const QStringList fields = m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() < 2 || fields.size() > 3)
        return std::nullopt; // links, owner and at most a group before the size
    bool ok = false;
    const qint64 size = m.captured(3).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    CFtpFile entry;
    const QString permissions = m.captured(1);
    entry.setPermissions(permissions);
    entry.setOwner(fields.at(1));
    if (fields.size() == 3)
        entry.setGroup(fields.at(2));
    entry.setFileSize(size);
    if (!m.captured(4).isEmpty()) {
        // "mon d hh:mm" / "mon dd yyyy" in the 12-column form the converter reads.
        const QStringList parts = m.captured(4).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        entry.setLastWriteTime(ConvertListingDate(
            QStringLiteral("%1 %2 %3").arg(parts.at(0)).arg(parts.at(1), 2).arg(parts.at(2), 5), today.year()));
    } else {
        const QString iso = m.captured(5).simplified();
        entry.setLastWriteTime(QDateTime::fromString(iso.left(16), QStringLiteral("yyyy-MM-dd HH:mm")));
    }
    QString name = m.captured(6);
    if (permissions.startsWith(QLatin1Char('l'))) {
        const int arrow = name.indexOf(QLatin1String(" -> "));
        if (arrow >= 0) {
            entry.setFilePath(name.mid(arrow + 4));
            name.truncate(arrow);
        }
    }
    entry.setIsDirectory(permissions.startsWith(QLatin1Char('d')) || permissions.startsWith(QLatin1Char('D')));
    entry.setFileName(name);
    return entry;
}

std::optional<CFtpFile> parseDosLine(const QString &line)
{
    // IIS / DOS: "12-31-06  11:59PM  <DIR>  name", "2006-12-31  23:59  1234 name".
    static const QRegularExpression re(QStringLiteral(
        "^\\s*(\\d{1,2}[-/]\\d{1,2}[-/](?:\\d{4}|\\d{2})|\\d{4}-\\d{2}-\\d{2})\\s+(\\d{1,2}:\\d{2}(?::\\d{2})?\\s*(?:[AaPp][Mm])?)"
        "\\s+(?:(<DIR>)\\s+|(\\d+) )(.*)$"));
    const QRegularExpressionMatch m = re.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    QString date = m.captured(1);
    if (date.size() == 10 && date.at(4) == QLatin1Char('-')) // ISO: year first
        date = date.mid(5, 2) + QLatin1Char('-') + date.mid(8, 2) + QLatin1Char('-') + date.left(4);
    const QDateTime when = ConvertDosDate(date + QLatin1Char(' ') + m.captured(2));
    if (!when.isValid())
        return std::nullopt;
    CFtpFile entry;
    entry.setLastWriteTime(when);
    if (!m.captured(3).isEmpty()) {
        entry.setIsDirectory(true);
    } else {
        bool ok = false;
        entry.setFileSize(m.captured(4).toLongLong(&ok));
        if (!ok)
            return std::nullopt;
    }
    entry.setFileName(m.captured(5));
    return entry;
}

} // namespace

std::optional<CFtpFiles> ParseListing(const QString &text, const QDate &today)
{
    CFtpFiles files;
    int unreadable = 0;
    int lines = 0;
    const QStringList all = text.split(QLatin1Char('\n'));
    for (int i = 0; i < all.size(); ++i) {
        QString line = all.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            break; // an empty line ends the listing, whatever its line end
        if (i == 0 && line.left(5).compare(QLatin1String("total"), Qt::CaseInsensitive) == 0)
            continue;
        ++lines;
        std::optional<CFtpFile> entry = parseUnixLine(line, today);
        if (!entry)
            entry = parseDosLine(line);
        if (!entry || entry->FileName().isEmpty()) {
            ++unreadable; // one odd line does not sink the listing
            continue;
        }
        const QString name = entry->FileName();
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (files.Contains(name))
            return std::nullopt; // the same name twice
        files.Add(*entry, name);
    }
    if (lines > 0 && unreadable == lines)
        return std::nullopt; // not a listing this reader knows
    return files;
}

} // namespace vexl
