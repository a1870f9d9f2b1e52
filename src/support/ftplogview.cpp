#include "ftplogview.h"

#include "ftp/ftptypes.h"

#include <QTextCursor>
#include <QTextEdit>

namespace vexl {

void AppendFtpLogLine(QTextEdit *log, const QString &text, int kind)
{
    QColor colour;
    switch (kind) {
    case FTP_USER_COMMAND: colour = QColor(0, 0, 64); break;
    case FTP_SERVER_RESPONSE: colour = QColor(0, 64, 0); break;
    case FTP_SERVER_BAD_RESPONSE: colour = QColor(255, 0, 0); break;
    default: colour = log->palette().color(QPalette::WindowText); break;
    }
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.insertText(text + QLatin1Char('\n'), format);
    log->setTextCursor(cursor);
    log->ensureCursorVisible();
}

} // namespace vexl
