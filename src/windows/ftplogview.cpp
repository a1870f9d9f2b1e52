#include "ftplogview.h"

#include "ftp/cftpclient.h"
#include "settings/ftpconnections.h"

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

bool PrepareFtpClient(CFtpClient &client, const FTPConnection &c)
{
    client.setFtpServer(c.Server);
    client.setRemotePort(c.Port);
    client.setTimeOut(c.Timeout);
    client.setPassiveMode(c.IsPassive);

    // Only this connection's prompt may decide what is remembered.
    FtpState &ftp = Ftp();
    ftp.LoginUsername.clear();
    ftp.LoginPassword.clear();
    ftp.RememberLogin = false;
    if (c.IsAnnonymous)
        return true; // the client logs in as "anonymous"
    if (!c.Password.isEmpty()) {
        client.setUserName(c.Username);
        client.setPassword(c.Password);
        return true;
    }
    if (!AskFtpLogin(c.Server, c.Username, c.Password))
        return false;
    client.setUserName(ftp.LoginUsername);
    client.setPassword(ftp.LoginPassword);
    return true;
}

} // namespace vexl
