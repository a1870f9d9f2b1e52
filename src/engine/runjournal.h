#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace vexl {

// What a batch run did to the user's files, so that its last run can be taken
// back. The journal is a text file in the per-user data folder, one record per
// line, appended and flushed to disk as each step happens: a run that is
// killed half-way still leaves every step before the kill on record. It is
// begun (published under its name, replacing the previous run's journal) at
// the run's first step that touches a file, so a run that changed nothing
// leaves the last journal as it was.
class RunJournal
{
public:
    // <data folder>/vexl-dovo/last-batch.journal ($XDG_DATA_HOME or ~/.local/share).
    static QString defaultFile();

    explicit RunJournal(const QString &file = defaultFile());
    ~RunJournal();
    RunJournal(const RunJournal &) = delete;
    RunJournal &operator=(const RunJournal &) = delete;

    // A result published under `path` (its size and modification time are taken now).
    void published(const QString &path);
    // `path` is about to go to the trash: a run killed before the step's own
    // record still leaves the file findable there.
    void trashing(const QString &path);
    // A file at `path` that a publish replaced, now at `trashPath`.
    void replaced(const QString &path, const QString &trashPath);
    // An original the run moved to the trash.
    void originalTrashed(const QString &path, const QString &trashPath);
    // A rename-only result: the original itself moved from `from` to `to`.
    void moved(const QString &from, const QString &to);
    // A file uploaded to `remotePath` on the saved connection `connection`.
    void uploaded(const QString &connection, const QString &remotePath);

    // Whether every record so far reached the disk; the reason when not.
    const QString &failure() const { return m_failure; }

    // One record read back.
    struct Record
    {
        QString kind;          // "out", "trashing", "replaced", "original", "moved", "upload"
        QString path;          // out/replaced/original: the place; moved: the old name; upload: the connection
        QString other;         // replaced/original: the trash path; moved: the new name; upload: the remote path
        qint64 size = -1;      // out/moved: the file as the run left it
        qint64 mtimeNs = -1;
    };
    // The records of `file`, in the order they were written; a last line cut
    // off by a crash is left out. Empty when there is no journal.
    // `started` (when given) gets the run's start time.
    static QList<Record> read(const QString &file, QDateTime *started = nullptr);
    // The size and modification time (ns) of `path`; -1 when it is not there.
    static std::pair<qint64, qint64> stamp(const QString &path);

private:
    void append(const QStringList &fields, bool durable = true);
    bool begin();

    QString m_file;
    int m_fd = -1;
    QString m_failure;
};

} // namespace vexl
