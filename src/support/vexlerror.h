#pragma once

#include <QString>

namespace vexl {

// The one error type of the program: thrown at the failing call, caught by the
// procedure's trap, which turns it into the question, message or error report
// that the failing step calls for.
struct VexlError
{
    int number = 0;          // error number (Winsock / FTP numbers, or a step-local code)
    QString description;     // human text, e.g. ImageMagick's reason
    QString source;          // "CSocket.Connect", "ImageEngine.Mogrify", ...
    int line = 0;            // step number inside the failing procedure (0 when unknown)

    // "(" line ") " description, the form every question and report shows.
    QString withLine() const { return QStringLiteral("(%1) %2").arg(line).arg(description); }
};

} // namespace vexl
