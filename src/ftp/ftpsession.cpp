#include "ftpsession.h"

#include "cftpclient.h"
#include "support/messages.h"
#include "support/vexlerror.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <iterator>

namespace vexl {

namespace {
// How long a client that said QUIT waits for the server's answer before it goes anyway.
constexpr int kQuitGraceMs = 3000;

// Clients that said QUIT and wait for the answer.
QList<QPointer<CFtpClient>> &closingSessions()
{
    static QList<QPointer<CFtpClient>> list;
    return list;
}
} // namespace

QString AsyncResultName(int result)
{
    switch (result) {
    case arStatusOk: return QStringLiteral("arStatusOk");
    case arStatusError: return QStringLiteral("arStatusError");
    case arStatusTimeOut: return QStringLiteral("arStatusTimeOut");
    case arStatusCancel: return QStringLiteral("arStatusCancel");
    default: return QString::number(result);
    }
}

QString SessionStateName(int state)
{
    static const char *const names[] = {
        "ftpFreeState", "ftpClosed", "ftpConnecting", "ftpConnected", "ftpAuthentication", "ftpUserLoggedIn",
        "ftpChangingCurrentDirectory", "ftpDeletingFile", "ftpRemovingDirectory", "ftpCreatingDirectory",
        "ftpRenamingFile", "ftpEstablishingDataConnection", "ftpDataConnectionEstablished",
        "ftpRetrievingDirectoryInfo", "ftpDirectoryInfoRetrieved", "ftpDownloadInProgress",
        "ftpDownloadCompleted", "ftpUploadInProgress", "ftpUploadCompleted",
    };
    if (state >= 0 && state < int(std::size(names)))
        return QLatin1String(names[state]);
    return QString::number(state);
}

QString MessageKindName(int kind)
{
    switch (kind) {
    case FTP_USER_COMMAND: return QStringLiteral("FTP_USER_COMMAND");
    case FTP_SERVER_RESPONSE: return QStringLiteral("FTP_SERVER_RESPONSE");
    case FTP_SERVER_BAD_RESPONSE: return QStringLiteral("FTP_SERVER_BAD_RESPONSE");
    case FTP_APPLICATION_MESSAGE: return QStringLiteral("FTP_APPLICATION_MESSAGE");
    default: return QString::number(kind);
    }
}

QString MaskedProtocolMessage(const QString &message)
{
    if (message.startsWith(QLatin1String("PASS")))
        return QStringLiteral("PASS ****");
    return message;
}

QString SessionStatusText(int state, const QString &server)
{
    const char *key = SessionStatusKey(state);
    if (!key)
        return QString();
    QString text = Msg(key);
    if (state == ftpConnecting)
        text.replace(QStringLiteral("[SERVER]"), server);
    return text;
}

QString NormaliseRemotePath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (p.contains(QLatin1String("//")))
        p.replace(QLatin1String("//"), QLatin1String("/"));
    if (!p.startsWith(QLatin1Char('/')))
        p.prepend(QLatin1Char('/'));
    return p;
}

QString FtpFailureDetails(const CFtpClient &client)
{
    const CFtpError &e = client.LastFtpError();
    return QStringLiteral("\r\n\r\n") + client.LastServerResponse() + e.Description() + QStringLiteral("\r\n\r\n(")
        + QString::number(e.Number()) + QLatin1Char(':') + e.Source() + QLatin1Char(')');
}

void CloseFtpSession(CFtpClient *client)
{
    if (!client)
        return;
    client->disconnect();
    client->setParent(nullptr);
    bool quitting = false;
    try {
        if (client->FtpSessionState() != ftpClosed) {
            if (client->Busy())
                client->CancelAsyncMethod();
            if (client->FtpSessionState() == ftpFreeState) {
                client->QuitSession();
                quitting = true;
            } else {
                client->CloseControlConnection();
            }
        }
    } catch (const VexlError &) {
        quitting = false;
    }
    if (!quitting) {
        client->deleteLater();
        return;
    }
    QObject::connect(client, &CFtpClient::OnQuitSession, client, &QObject::deleteLater);
    QTimer::singleShot(kQuitGraceMs, client, &QObject::deleteLater);
    closingSessions().removeAll(nullptr);
    closingSessions().append(client);
}

bool WaitForClosingSessions(int timeoutMs)
{
    QList<QPointer<CFtpClient>> &sessions = closingSessions();
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // deleteLater runs only from an event loop: let it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        sessions.removeAll(nullptr);
        if (sessions.isEmpty())
            return true;
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(qMin<qint64>(20, qMax<qint64>(1, deadline.remainingTime())), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace vexl
