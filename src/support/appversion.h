#pragma once

#include <QString>

namespace vexl {

// Major version, ".", minor version, then the revision with no separator
// (version 1.6 revision 2 gives "1.62").
QString GetAppVersion();
QString FormatAppVersion(int major, int minor, int revision);

// The maker's web site: every web link of the program starts here.
QString WebBaseAddress();

// The reporting form of a text: the characters 32-47 (but "%"), 58-64, 91-96
// and 123-127 as "%" plus two upper-case hex digits, then every CR LF as "%0D".
QString UrlEncode(const QString &text);

} // namespace vexl
