#pragma once

// What a run did, told when it ends: the counts, and one row for each image
// that did not go as planned. The batch fills it; the summary window, the
// command line and the clipboard show it.

#include "dialogtypes.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vexl {

struct RunSummaryRow
{
    enum class Kind {
        Failed,  // a step failed: the error, the question asked and its answer
        Skipped, // skipped on purpose (a name collision, "No" to a question)
        Note,    // done, but with something the user must know (a file deleted for good)
        Stopped, // the images the run never reached
    };
    Kind kind = Kind::Failed;
    QString item;   // the list item; empty for a row about the run
    QString detail; // the question asked or the error, in words, on one line
    QString answer; // the answer given ("Yes", "No"), empty when nothing was asked
};

struct RunSummary
{
    int done = 0;
    int skipped = 0;
    int failed = 0;
    int trashed = 0;  // files moved to the trash (originals and replaced files)
    int uploaded = 0;
    QList<RunSummaryRow> rows;
    QString outputFolder; // the local output folder; empty for an FTP run
    bool ftp = false;

    // "Process Finished!"
    static QString heading();
    // "Done: 3", "Skipped: 1", ... in that order.
    QStringList countLines() const;
    static QString kindText(RunSummaryRow::Kind kind);
    static QString answerText(const QString &answer);
    // "Yes", "No", "Cancel", "OK" in the language of the program.
    static QString answerName(MsgAnswer answer);
    // A message's text on one line.
    static QString oneLine(const QString &text);
    // One line per row: "item - Failed: detail -> Yes".
    QString rowLine(const RunSummaryRow &row) const;
    // Heading, counts and rows as plain text (the clipboard, the command line).
    QString text() const;
};

} // namespace vexl
