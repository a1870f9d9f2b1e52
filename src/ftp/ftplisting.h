#pragma once

#include "cftpfile.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace vexl {

// The text of a LIST reply as entries. Lines in UNIX long-listing form (month
// names or ISO dates) and in DOS/IIS form (two- or four-digit years) are read;
// names are taken by the columns of the date found, so blanks and dates inside
// a name stay in it. A leading "total" line, "." and ".." and any line of
// another form are skipped, and an empty line ends the listing. Nothing when
// no line at all could be read, or a name is listed twice. An empty text gives
// an empty collection. `today` supplies the year of UNIX entries that show a
// time instead of one.
std::optional<CFtpFiles> ParseListing(const QString &text, const QDate &today = QDate::currentDate());

// The 12-character UNIX date field ("Jan 12 12:34", "Feb  1  2006") as a
// date-time; a time without a year belongs to `currentYear`. Invalid when the
// field does not convert.
QDateTime ConvertListingDate(const QString &field, int currentYear);

// A DOS-layout date and time, month first ("01-12-07 03:45PM", "12-31-2006 23:59").
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. Invalid when it
// does not convert.
QDateTime ConvertDosDate(const QString &text);

} // namespace vexl
