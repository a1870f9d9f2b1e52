#include "runsummary.h"

#include "messages.h"

#include <QCoreApplication>

namespace vexl {

QString RunSummary::heading()
{
    return Msg("msgProcessFinished");
}

QStringList RunSummary::countLines() const
{
    return {QCoreApplication::translate("RunSummary", "Done: %1").arg(done),
            QCoreApplication::translate("RunSummary", "Skipped: %1").arg(skipped),
            QCoreApplication::translate("RunSummary", "Failed: %1").arg(failed),
            QCoreApplication::translate("RunSummary", "Deleted to trash: %1").arg(trashed),
            QCoreApplication::translate("RunSummary", "Uploaded: %1").arg(uploaded)};
}

QString RunSummary::kindText(RunSummaryRow::Kind kind)
{
    switch (kind) {
    case RunSummaryRow::Kind::Failed: return QCoreApplication::translate("RunSummary", "Failed");
    case RunSummaryRow::Kind::Skipped: return QCoreApplication::translate("RunSummary", "Skipped");
    case RunSummaryRow::Kind::Note: return QCoreApplication::translate("RunSummary", "Note");
    case RunSummaryRow::Kind::Stopped: return QCoreApplication::translate("RunSummary", "Not processed");
    }
    return QString();
}

QString RunSummary::answerText(const QString &answer)
{
    if (answer.isEmpty())
        return QString();
    return QCoreApplication::translate("RunSummary", "Answer: %1").arg(answer);
}

QString RunSummary::answerName(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QCoreApplication::translate("RunSummary", "OK");
    case MsgAnswer::Cancel: return QCoreApplication::translate("RunSummary", "Cancel");
    case MsgAnswer::Yes: return QCoreApplication::translate("RunSummary", "Yes");
    case MsgAnswer::No: return QCoreApplication::translate("RunSummary", "No");
    }
    return QString();
}

QString RunSummary::oneLine(const QString &text)
{
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat.simplified();
}

QString RunSummary::rowLine(const RunSummaryRow &row) const
{
    QString line = row.item.isEmpty() ? kindText(row.kind) : row.item + QStringLiteral(" - ") + kindText(row.kind);
    line += QStringLiteral(": ") + row.detail;
    if (!row.answer.isEmpty())
        line += QStringLiteral(" -> ") + answerText(row.answer);
    return line;
}

QString RunSummary::text() const
{
    QStringList lines{heading(), countLines().join(QStringLiteral(", "))};
    for (const RunSummaryRow &row : rows)
        lines << rowLine(row);
    return lines.join(QLatin1Char('\n'));
}

} // namespace vexl
