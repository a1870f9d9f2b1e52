#pragma once

#include <QString>

class QTextEdit;

namespace vexl {

// Appends one line to an FTP protocol log pane in the colour of its kind (an
// FtpMessageKind): commands dark blue, replies dark green, refusals red, the
// program's own lines in the window-text colour. The newest line is kept in view.
void AppendFtpLogLine(QTextEdit *log, const QString &text, int kind);

} // namespace vexl
