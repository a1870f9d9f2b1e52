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

bool isDigitAt(const QString &s, int index0)
{
    return index0 >= 0 && index0 < s.size() && s.at(index0).isDigit() && s.at(index0).unicode() < 128;
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

int GetDateStartPosition(const QString &line)
{
    const QString lower = line.toLower();
    for (const char *month : kMonths) {
        const int idx = lower.indexOf(QStringLiteral(" %1 ").arg(QLatin1String(month)));
        if (idx < 0)
            continue;
        // idx is the 0-based position of the space before the month: the
        // character before it ends the size column, the one 9 further on is
        // the second character of the time or year.
        if (isDigitAt(lower, idx - 1) && isDigitAt(lower, idx + 9))
            return idx + 2;
    }
    return 0;
}

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

std::optional<CFtpFiles> ParseListing(const QString &text, const QDate &today)
{
    QString rest = text;
    if (rest.left(5).toLower() == QLatin1String("total"))
        rest = rest.mid(rest.indexOf(QLatin1Char('\n')) + 1);

    std::optional<CFtpFiles> result;
    const QStringList lines = rest.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.isEmpty() || line == QLatin1String("\r"))
            break; // an empty line ends the listing, whatever its line end
        const int p = GetDateStartPosition(line);
        const int nameStart = p + 13;
        line.remove(QLatin1Char('\r'));
        CFtpFile entry;
        if (p < 11) {
            // DOS layout: date and time in columns 1-17, "<DIR>" or the size
            // up to column 38, the name from column 40.
            if (!line.isEmpty()) {
                entry.setFileName(mid1(line, 40));
                line = line.left(38);
                QString when = line.left(17);
                when.replace(QLatin1String("  "), QLatin1String(" "));
                const QDateTime time = ConvertDosDate(rtrimSpaces(when));
                if (!time.isValid())
                    return std::nullopt;
                entry.setLastWriteTime(time);
                if (!line.contains(QLatin1String("<DIR>"))) {
                    const auto size = toNumber(mid1(line, 18, 21).trimmed());
                    if (!size)
                        return std::nullopt;
                    entry.setFileSize(*size);
                } else {
                    entry.setIsDirectory(true);
                }
            }
        } else {
            // UNIX layout: permissions, links, owner, [group], size, date, name.
            entry.setIsDirectory(line.startsWith(QLatin1Char('d')));
            entry.setLastWriteTime(ConvertListingDate(mid1(line, p, 12), today.year()));
            if (!line.startsWith(QLatin1Char('l'))) {
                entry.setFileName(mid1(line, nameStart));
            } else {
                const int arrow = line.indexOf(QLatin1String(" -> "), nameStart - 1) + 1;
                if (arrow > 0) {
                    entry.setFileName(mid1(line, nameStart, arrow - nameStart));
                    entry.setFilePath(mid1(line, arrow + 4));
                } else {
                    entry.setFileName(mid1(line, nameStart));
                }
            }
            // The size column ends just before the space in front of the month.
            const int sizeStart = line.lastIndexOf(QLatin1Char(' '), p - 3) + 2;
            const auto size = toNumber(mid1(line, sizeStart, p - 1 - sizeStart));
            if (!size)
                return std::nullopt;
            entry.setFileSize(*size);
            line = line.left(sizeStart - 1);
            for (int run = 15; run >= 2; --run)
                line.replace(QString(run, QLatin1Char(' ')), QLatin1String(" "));
            const QStringList fields = line.split(QLatin1Char(' '));
            if (fields.size() < 3)
                return std::nullopt;
            entry.setPermissions(fields.at(0));
            entry.setOwner(fields.at(2));
            if (fields.size() == 5)
                entry.setGroup(fields.at(3));
        }
        if (!line.isEmpty()) {
            if (!result)
                result.emplace();
            if (result->Contains(entry.FileName()))
                return std::nullopt; // the same name twice
            result->Add(entry, entry.FileName());
        }
    }
    if (!result)
        result.emplace();
    return result;
}

} // namespace vexl
