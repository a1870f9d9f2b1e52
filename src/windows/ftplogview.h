#pragma once

#include <QString>

class QTextEdit;

namespace vexl {

class CFtpClient;
struct FTPConnection;

// Sets `client` up for connection `c` (server, port, time-out, passive mode)
// with its login: the stored password, else the login prompt's answer. False
// when the prompt was cancelled, leaving nothing to connect with.
bool PrepareFtpClient(CFtpClient &client, const FTPConnection &c);

// Appends one line to an FTP protocol log pane in the colour of its kind (an
// FtpMessageKind): commands dark blue, replies dark green, refusals red, the
// program's own lines in the window-text colour. The newest line is kept in view.
void AppendFtpLogLine(QTextEdit *log, const QString &text, int kind);

} // namespace vexl
