#pragma once

#include <QString>

namespace vexl {

class CFtpClient;

// Helpers shared by everything that drives a CFtpClient for the user: the batch
// upload, the connection test window and the remote folder browser.

// "arStatusOk", "arStatusError", "arStatusTimeOut", "arStatusCancel"; the number
// as text for any other value.
QString AsyncResultName(int result);
// "ftpFreeState" ... "ftpUploadCompleted"; the number as text for any other value.
QString SessionStateName(int state);
// "FTP_USER_COMMAND" ... "FTP_APPLICATION_MESSAGE".
QString MessageKindName(int kind);
// A protocol line as the logs show it: the password line becomes "PASS ****".
QString MaskedProtocolMessage(const QString &message);
// The status text of a session state from the message table, with [SERVER]
// replaced by `server`; empty for a state without a text.
QString SessionStatusText(int state, const QString &server);
// A remote path with every "\" turned into "/", every "//" reduced to "/" and
// a leading "/".
QString NormaliseRemotePath(const QString &path);
// "[description]" of the client's last failure as the FTP messages show it:
// CR LF CR LF, the last server reply, the description, CR LF CR LF and
// "(" number ":" source ")".
QString FtpFailureDetails(const CFtpClient &client);

// Ends the session of `client` and releases it, ignoring any error: a pending
// method is cancelled, then a free session says QUIT and any other closes its
// control connection. The caller's connections to the client are dropped first,
// so the caller hears nothing more from it. The client deletes itself once the
// server has answered QUIT (or shortly after), so the QUIT really goes out.
void CloseFtpSession(CFtpClient *client);
// Serves events until every session handed to CloseFtpSession has ended, at
// most `timeoutMs`: a process about to exit calls it so that its QUIT really
// reaches the server. True when none is left.
bool WaitForClosingSessions(int timeoutMs);

} // namespace vexl
