#include "runsummary.h"

#include "messages.h"

#include <QCoreApplication>

namespace vexl {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("RunSummary", text);
}
} // namespace

QString RunSummary::heading()
{
    return Msg("msgProcessFinished");
}

QStringList RunSummary::countLines() const
{
    return {tr("Done: %1").arg(done), tr("Skipped: %1").arg(skipped), tr("Failed: %1").arg(failed),
            tr("Deleted to trash: %1").arg(trashed), tr("Uploaded: %1").arg(uploaded)};
}

QString RunSummary::kindText(RunSummaryRow::Kind kind)
{
    switch (kind) {
    case RunSummaryRow::Kind::Failed: return tr("Failed");
    case RunSummaryRow::Kind::Skipped: return tr("Skipped");
    case RunSummaryRow::Kind::Note: return tr("Note");
    case RunSummaryRow::Kind::Stopped: return tr("Not processed");
    }
    return QString();
}

QString RunSummary::answerText(const QString &answer)
{
    if (answer.isEmpty())
        return QString();
    return tr("Answer: %1").arg(answer);
}

QString RunSummary::answerName(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return tr("OK");
    case MsgAnswer::Cancel: return tr("Cancel");
    case MsgAnswer::Yes: return tr("Yes");
    case MsgAnswer::No: return tr("No");
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
