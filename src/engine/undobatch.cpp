#include "undobatch.h"

#include "ftp/cftpclient.h"
#include "ftp/cftperror.h"
#include "support/safefile.h"
#include "support/vexlerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace vexl {

namespace {

enum class Restored { Done, PlaceTaken, NotInTrash, Failed };

// Puts a trashed file back at `place`, never over a file that is there, and
// drops its trash record.
Restored restoreFromTrash(const QString &trashPath, const QString &place, QString *error)
{
    const QFileInfo trashed(trashPath);
    if (trashPath.isEmpty() || (!trashed.exists() && !trashed.isSymLink()))
        return Restored::NotInTrash;
    QDir().mkpath(QFileInfo(place).path());
    switch (RenameNoReplace(trashPath, place, error)) {
    case PublishStatus::NameTaken: return Restored::PlaceTaken;
    case PublishStatus::Failed: return Restored::Failed;
    case PublishStatus::Published: break;
    }
    QFile::remove(trashed.dir().filePath(QStringLiteral("../info/") + trashed.fileName() + QStringLiteral(".trashinfo")));
    return Restored::Done;
}

// Where the home trash keeps the file last trashed from `place` at or after
// `since`, as its trash record says; "" when it holds none.
QString findInTrash(const QString &place, const QDateTime &since)
{
    const QDir info(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/info"));
    QString best;
    QDateTime bestDate;
    for (const QString &name : info.entryList({QStringLiteral("*.trashinfo")}, QDir::Files | QDir::Hidden)) {
        QFile f(info.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QString path;
        QDateTime date;
        for (const QByteArray &line : f.readAll().split('\n')) {
            if (line.startsWith("Path="))
                path = QUrl::fromPercentEncoding(line.mid(5).trimmed());
            else if (line.startsWith("DeletionDate="))
                date = QDateTime::fromString(QString::fromUtf8(line.mid(13).trimmed()), Qt::ISODate);
        }
        // The record's time is local and whole seconds.
        if (path != place || !date.isValid() || (since.isValid() && date.addSecs(1) < since))
            continue;
        if (best.isEmpty() || date >= bestDate) {
            best = info.filePath(QStringLiteral("../files/") + name.chopped(10));
            bestDate = date;
        }
    }
    return best;
}

} // namespace

QString UndoBatch::nothingText()
{
    return tr("There is no batch to undo.");
}

QString UndoBatch::questionText()
{
    return tr("Undo the last batch? This will:");
}

QString UndoBatch::doneText(bool allUndone)
{
    return allUndone ? tr("The last batch was undone.") : tr("The last batch was undone, except what is listed as kept.");
}

UndoBatch::Step UndoBatch::restoreStep(const QString &place, const QString &trashPath)
{
    Step s;
    s.kind = Kind::RestoreOriginal;
    s.path = place;
    s.other = trashPath;
    return s;
}

UndoBatch::UndoBatch(const QString &journalFile)
    : m_journal(journalFile)
{
    QDateTime started;
    const QList<RunJournal::Record> records = RunJournal::read(journalFile, &started);
    QHash<QString, qsizetype> pendingReplaced; // place -> index into `records`
    QStringList pendingTrash;                  // places about to go to the trash
    QSet<qsizetype> consumed;
    QList<Step> steps;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const RunJournal::Record &r = records.at(i);
        Step s;
        if (r.kind == QLatin1String("trashing")) {
            pendingTrash << r.path;
            continue;
        }
        if (r.kind == QLatin1String("replaced") || r.kind == QLatin1String("original"))
            pendingTrash.removeOne(r.path);
        if (r.kind == QLatin1String("replaced")) {
            pendingReplaced.insert(r.path, i);
            continue;
        }
        if (r.kind == QLatin1String("out") || r.kind == QLatin1String("moved")) {
            s.kind = r.kind == QLatin1String("out") ? Kind::RemoveOutput : Kind::MoveBack;
            s.path = r.kind == QLatin1String("out") ? r.path : r.other;
            s.other = r.kind == QLatin1String("out") ? QString() : r.path;
            s.size = r.size;
            s.mtimeNs = r.mtimeNs;
            const auto it = pendingReplaced.constFind(s.path);
            if (it != pendingReplaced.constEnd()) {
                s.replaced = true;
                s.replacedTrash = records.at(*it).other;
                consumed.insert(*it);
                pendingReplaced.erase(it);
            }
        } else if (r.kind == QLatin1String("original")) {
            s.kind = Kind::RestoreOriginal;
            s.path = r.path;
            s.other = r.other;
        } else if (r.kind == QLatin1String("upload")) {
            s.kind = Kind::DeleteRemote;
            s.path = r.other;
            s.other = r.path;
        } else {
            continue;
        }
        steps << s;
    }
    // A file trashed for a publish that never happened (a failed rename, or a
    // run killed in between) goes back to its place like an original.
    for (auto it = pendingReplaced.constBegin(); it != pendingReplaced.constEnd(); ++it) {
        const RunJournal::Record &r = records.at(*it);
        if (r.other.isEmpty())
            continue;
        steps.insert(0, restoreStep(r.path, r.other));
    }
    // A run killed between a file's trip to the trash and its record: the
    // trash's own record of it is used.
    for (const QString &place : std::as_const(pendingTrash)) {
        const QString trashed = findInTrash(place, started.toLocalTime());
        if (!trashed.isEmpty())
            steps.insert(0, restoreStep(place, trashed));
    }
    for (qsizetype i = steps.size() - 1; i >= 0; --i)
        m_steps << steps.at(i);
}

QStringList UndoBatch::plan() const
{
    QStringList lines;
    for (const Step &s : m_steps) {
        switch (s.kind) {
        case Kind::MoveBack: lines << tr("Rename %1 back to %2").arg(s.path, s.other); break;
        case Kind::RemoveOutput:
            lines << (s.replaced ? tr("Remove %1 and restore from the trash the file it replaced").arg(s.path)
                                 : tr("Remove %1").arg(s.path));
            break;
        case Kind::RestoreOriginal: lines << tr("Restore %1 from the trash").arg(s.path); break;
        case Kind::DeleteRemote: lines << tr("Delete %1 on the server of %2").arg(s.path, s.other); break;
        }
    }
    return lines;
}

bool UndoBatch::unchanged(const Step &s) const
{
    const auto [size, mtime] = RunJournal::stamp(s.path);
    return size >= 0 && size == s.size && mtime == s.mtimeNs;
}

bool UndoBatch::moveBack(const Step &s)
{
    if (!unchanged(s)) {
        m_results << tr("Kept %1: it changed or went since the batch").arg(s.path);
        return false;
    }
    QString error;
    switch (RenameNoReplace(s.path, s.other, &error)) {
    case PublishStatus::NameTaken:
        m_results << tr("Kept %1: another file is at %2 now").arg(s.path, s.other);
        return false;
    case PublishStatus::Failed:
        m_results << tr("Kept %1: %2").arg(s.path, error);
        return false;
    case PublishStatus::Published: break;
    }
    m_results << tr("Renamed %1 back to %2").arg(s.path, s.other);
    if (!s.replaced)
        return true;
    return restoreOriginal(restoreStep(s.path, s.replacedTrash));
}

bool UndoBatch::removeOutput(const Step &s)
{
    const QFileInfo info(s.path);
    if (!info.exists() && !info.isSymLink()) {
        m_results << tr("Already gone: %1").arg(s.path);
        return !s.replaced || restoreOriginal(restoreStep(s.path, s.replacedTrash));
    }
    if (!unchanged(s)) {
        m_results << tr("Kept %1: it changed since the batch").arg(s.path);
        return false;
    }
    if (!s.replaced) {
        QFile file(s.path);
        if (!file.remove()) {
            m_results << tr("Kept %1: %2").arg(s.path, file.errorString());
            return false;
        }
        m_results << tr("Removed %1").arg(s.path);
        return true;
    }
    // The result leaves its name only for the file it replaced: it waits
    // under a work name until that one is back, and returns when it is not.
    const QFileInfo trashed(s.replacedTrash);
    if (s.replacedTrash.isEmpty() || (!trashed.exists() && !trashed.isSymLink())) {
        m_results << tr("Kept %1: the file it replaced is not in the trash").arg(s.path);
        return false;
    }
    const QString aside = WorkPathFor(s.path);
    QString error;
    if (RenameNoReplace(s.path, aside, &error) != PublishStatus::Published) {
        m_results << tr("Kept %1: %2").arg(s.path, error);
        return false;
    }
    const Restored restored = restoreFromTrash(s.replacedTrash, s.path, &error);
    if (restored != Restored::Done) {
        RenameNoReplace(aside, s.path, nullptr);
        m_results << tr("Kept %1: %2").arg(s.path, error);
        return false;
    }
    QFile::remove(aside);
    m_results << tr("Removed %1 and restored the file it replaced").arg(s.path);
    return true;
}

bool UndoBatch::restoreOriginal(const Step &s)
{
    QString error;
    switch (restoreFromTrash(s.other, s.path, &error)) {
    case Restored::Done: m_results << tr("Restored %1 from the trash").arg(s.path); return true;
    case Restored::PlaceTaken:
        m_results << tr("Left %1 in the trash: another file is in its place").arg(s.path);
        return false;
    case Restored::NotInTrash:
        m_results << tr("Could not restore %1: it is no longer in the trash").arg(s.path);
        return false;
    case Restored::Failed: break;
    }
    m_results << tr("Left %1 in the trash: %2").arg(s.path, error);
    return false;
}

// One session per connection; each file's deletion is tried and listed.
bool UndoBatch::deleteRemote(const QList<Step> &steps, const FTPConnectionList &connections)
{
    const FTPConnection conn = FindFTPConnection(connections, steps.first().other).first;
    const auto failAll = [&](const QString &reason) {
        for (const Step &s : steps)
            m_results << tr("Not deleted on the server: %1 (%2)").arg(s.path, reason);
        return false;
    };
    if (conn.Name.isEmpty())
        return failAll(tr("no saved connection \"%1\"").arg(steps.first().other));
    if (!conn.IsAnnonymous && conn.Password.isEmpty())
        return failAll(tr("the connection \"%1\" has no saved password").arg(conn.Name));

    CFtpClient client;
    client.setFtpServer(conn.Server);
    client.setRemotePort(conn.Port);
    client.setPassiveMode(conn.IsPassive);
    client.setTimeOut(conn.Timeout >= 5 && conn.Timeout <= 299 ? conn.Timeout : 30);
    if (!conn.IsAnnonymous) {
        client.setUserName(conn.Username);
        client.setPassword(conn.Password);
    }
    // One method at a time, each bounded by the client's own timeout and a
    // last-resort timer.
    const auto call = [&client](auto start, auto signal) {
        int result = arStatusTimeOut;
        bool done = false;
        QEventLoop loop;
        const QMetaObject::Connection c = QObject::connect(&client, signal, &loop, [&](int r) {
            result = r;
            done = true;
            loop.quit();
        });
        QTimer::singleShot(int(client.TimeOut()) * 1000 + 5000, &loop, &QEventLoop::quit);
        try {
            start();
            if (!done)
                loop.exec();
        } catch (const VexlError &) {
            result = arStatusError;
        }
        QObject::disconnect(c);
        return result;
    };
    const auto failure = [&client] {
        const QString server = client.LastServerResponse().trimmed();
        return server.isEmpty() ? client.LastFtpError().Description() : server;
    };
    if (call([&] { client.Connect(); }, &CFtpClient::OnConnect) != arStatusOk)
        return failAll(failure());
    bool all = true;
    for (const Step &s : steps) {
        if (call([&] { client.DeleteFile(s.path); }, &CFtpClient::OnDeleteFile) == arStatusOk) {
            m_results << tr("Deleted %1 on the server of %2").arg(s.path, conn.Name);
        } else {
            m_results << tr("Not deleted on the server: %1 (%2)").arg(s.path, failure());
            all = false;
        }
    }
    try {
        client.CloseControlConnection();
    } catch (const VexlError &) {
    }
    return all;
}

bool UndoBatch::run(const FTPConnectionList &connections)
{
    m_results.clear();
    bool all = true;
    // Server files first (they were made last for each image), one session per
    // connection.
    QList<QString> order;
    QHash<QString, QList<Step>> remote;
    for (const Step &s : std::as_const(m_steps)) {
        if (s.kind != Kind::DeleteRemote)
            continue;
        if (!remote.contains(s.other))
            order << s.other;
        remote[s.other] << s;
    }
    for (const QString &name : std::as_const(order))
        all = deleteRemote(remote.value(name), connections) && all;
    for (const Step &s : std::as_const(m_steps)) {
        switch (s.kind) {
        case Kind::MoveBack: all = moveBack(s) && all; break;
        case Kind::RemoveOutput: all = removeOutput(s) && all; break;
        case Kind::RestoreOriginal: all = restoreOriginal(s) && all; break;
        case Kind::DeleteRemote: break;
        }
    }
    // A run is undone once.
    QFile::remove(m_journal);
    m_steps.clear();
    return all;
}

} // namespace vexl
