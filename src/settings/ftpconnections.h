#pragma once

#include <QList>
#include <QString>

class QSettings;

namespace vexl {

// One saved FTP destination.
struct FTPConnection
{
    QString Name;          // compared exactly (case-sensitive)
    QString Server;        // host name or address, no "ftp://"
    qint32 Port = 21;
    QString DefaultPath;   // remote folder uploads go to
    bool IsAnnonymous = false;
    QString Username;
    QString Password;      // plain text, in memory only
    bool IsPassive = true;
    qint16 Timeout = 30;   // seconds

    bool operator==(const FTPConnection &) const = default;
};

using FTPConnectionList = QList<FTPConnection>;

// The process-wide connection list and the state the connection dialogs, the
// remote folder browser and a batch run share.
struct FtpState
{
    FTPConnectionList connections;
    FTPConnection current;          // the connection a test, a browse or a run works with
    QString LoginUsername;          // the login prompt's answer; empty when cancelled
    QString LoginPassword;
    bool RememberLogin = false;
    qint16 LoginAttempts = 0;
    bool ConnectPending = false;
    bool RefreshConnectionList = false;
};
FtpState &Ftp();

// Reads the list from the store (group "FTPConnections", names in "Settings/FTPServers").
// Records without server, with port <= 0, or without user name while not
// anonymous are dropped. A value that cannot be converted throws VexlError.
FTPConnectionList LoadFTPConnections(QSettings &store);
void SaveFTPConnections(QSettings &store, const FTPConnectionList &list);
// Deletes the eight values of `name`; missing ones are ignored.
void DeleteFTPConnectionValues(QSettings &store, const QString &name);

// The record named exactly `name` and its index; an empty record and -1 when none.
std::pair<FTPConnection, int> FindFTPConnection(const FTPConnectionList &list, const QString &name);
bool AddFTPConnection(FTPConnectionList &list, const FTPConnection &record);
bool UpdateFTPConnection(FTPConnectionList &list, const FTPConnection &record);
// Removes the record and deletes its stored values; false when there is none.
bool RemoveFTPConnection(FTPConnectionList &list, QSettings &store, const QString &name);
// Ascending by name, ignoring letter case.
void SortFTPConnections(FTPConnectionList &list);

// The scrambled form of a password and back: a password of characters up to
// U+00FF keeps the form earlier versions stored (10 + 2 x length characters,
// upper-case hex); any other is "U" followed by the same scramble of its UTF-8
// bytes. A stored value that does not unscramble gives "".
QString EncryptPassword(const QString &password);
QString DecryptPassword(const QString &scrambled);

// Shows the login prompt through the dialog service and keeps its answer in
// Ftp()'s LoginUsername, LoginPassword and RememberLogin (all cleared when it
// is cancelled). True when both a user name and a password were given.
bool AskFtpLogin(const QString &server, const QString &username, const QString &password);

// The eight-line FTP settings dump; never a user name or a password.
QString GetFTPSettingsReport(const FTPConnection &connection, const QString &path);

} // namespace vexl
