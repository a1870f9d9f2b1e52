#pragma once

#include "runjournal.h"
#include "settings/ftpconnections.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace vexl {

// "Undo Last Batch": takes back what the last run's journal records, newest
// step first. Rename-only results go back to their old names; other results
// unchanged since the run (same size and modification time) are removed and
// whatever they replaced comes back from the trash; originals come back from
// the trash to their places; uploaded files are deleted on the server (best
// effort). Nothing is put over a file that is there now, and a result is never
// removed unless what it replaced is restored in the same step: such cases are
// listed and kept. The journal is retired after the undo, so a run is undone
// once.
class UndoBatch
{
    Q_DECLARE_TR_FUNCTIONS(UndoBatch)

public:
    explicit UndoBatch(const QString &journalFile = RunJournal::defaultFile());

    bool nothingToDo() const { return m_steps.isEmpty(); }
    // What the undo will do, one line per step (translated).
    QStringList plan() const;
    // Does it. `connections` are where the journal's connection names are
    // looked up. True when every step was undone; results() lists each step.
    bool run(const FTPConnectionList &connections);
    const QStringList &results() const { return m_results; }

    // Texts of the undo shared by the window and the command line.
    static QString nothingText();   // "There is no batch to undo."
    static QString questionText();  // "Undo the last batch? This will:"
    static QString doneText(bool allUndone);

private:
    enum class Kind { MoveBack, RemoveOutput, RestoreOriginal, DeleteRemote };
    struct Step
    {
        Kind kind = Kind::RemoveOutput;
        QString path;      // the file as the run left it; the remote path for DeleteRemote
        QString other;     // MoveBack: the old name; RestoreOriginal: the trash path; DeleteRemote: the connection
        qint64 size = -1;
        qint64 mtimeNs = -1;
        bool replaced = false;     // a publish put this result over a file ...
        QString replacedTrash;     // ... now here in the trash ("" when it could not go there)
    };

    static Step restoreStep(const QString &place, const QString &trashPath);
    bool moveBack(const Step &s);
    bool removeOutput(const Step &s);
    bool restoreOriginal(const Step &s);
    bool deleteRemote(const QList<Step> &steps, const FTPConnectionList &connections);
    bool unchanged(const Step &s) const;

    QString m_journal;
    QList<Step> m_steps; // newest first
    QStringList m_results;
};

} // namespace vexl
