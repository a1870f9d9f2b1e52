#pragma once

#include "cftpfile.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace vexl {

// The text of a LIST reply, UNIX long-listing or DOS layout, as entries. A
// leading "total" line is skipped and an empty line ends the listing. A date
// or size that does not convert, or a name listed twice, makes the whole text
// unreadable: no collection. An empty text gives an empty collection.
// `today` supplies the year of UNIX entries that show a time instead of one.
std::optional<CFtpFiles> ParseListing(const QString &text, const QDate &today = QDate::currentDate());

// 1-based position of the month name in a UNIX listing line, 0 when none: the
// first " mon " (months tried jan ... dec, first occurrence each) with a digit
// just before it and a digit as the second character of the time or year.
int GetDateStartPosition(const QString &line);

// The 12-character UNIX date field ("Jan 12 12:34", "Feb  1  2006") as a
// date-time; a time without a year belongs to `currentYear`. Invalid when the
// field does not convert.
QDateTime ConvertListingDate(const QString &field, int currentYear);

// A DOS-layout date and time, month first ("01-12-07 03:45PM", "12-31-2006 23:59").
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. Invalid when it
// does not convert.
QDateTime ConvertDosDate(const QString &text);

} // namespace vexl
