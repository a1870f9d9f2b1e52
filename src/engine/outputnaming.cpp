// Output naming: the name and folder of each output file, and its final name
// once the meta variables can be resolved.
#include "batchrun.h"

#include "outputplan.h"
#include "support/apppaths.h"
#include "support/fileprocs.h"

#include <QFile>
#include <QFileInfo>

namespace vexl {

namespace {
const char *const kCaseLog[] = {"", "To Lower", "To Upper", "First Letter", "Word First Letter", "Toggle Case"};
const char *const kSpacesLog[] = {"", "Replace Spaces with Underscores", "Replace Underscores with Spaces",
                                  "Remove Underscores", "Remove Spaces", "Remove Spaces And Undercores"};
} // namespace

QString BatchRun::ZeroPad(qint16 number, qint16 width)
{
    QString text = QString::number(number);
    while (text.size() < width)
        text.prepend(QLatin1Char('0'));
    return text;
}

void BatchRun::BuildOutputName()
{
    const ProcessSettings &s = *m_s;
    op(QStringLiteral("Check Output Format Extension..."));
    if (s.OutputFormat > 0)
        op(QStringLiteral("Making Extenstion"));
    op(QStringLiteral("Check Sequential Number..."));
    if (s.SequentialNumber)
        op(QStringLiteral("Sequential Number Selected"));
    const PlannedName n = PlanOutputName(s, m_outputBase, m_isFTP, m_subFolder, m_fileName, m_seqNumber);
    op(QStringLiteral("Doing Prefix and Suffix (") + StripBadFilenameChars(s.RenamePrefix) + QStringLiteral(", ")
       + StripBadFilenameChars(s.RenameSuffix) + QLatin1Char(')'));
    op(QStringLiteral("Changing Case..."));
    if (s.Case >= 1 && s.Case <= 5)
        op(QLatin1String(kCaseLog[s.Case]));
    op(QStringLiteral("Removing Spaces..."));
    if (s.Spaces >= 1 && s.Spaces <= 5)
        op(QLatin1String(kSpacesLog[s.Spaces]));
    op(QStringLiteral("Case Extension..."));
    op(QStringLiteral("Set Image Names..."));
    if (s.ReplicateSubDirs) {
        op(QStringLiteral("Replicate Dirs"));
        if (!m_isFTP)
            op(QStringLiteral("Not FTP"));
    } else {
        op(QStringLiteral("Not Replicate Dirs"));
    }
    m_newBase = n.base;
    m_newExt = n.ext;
    m_outputFolder = n.folder;
    m_outputPath = n.path;
    op(QStringLiteral("Setting OutputImageFName/TmpOutputImage..."));
    m_outputImageFName = m_newBase + QLatin1Char('.') + m_newExt;
    m_tmpOutputImage = m_outputPath;
    m_finalNewBase = m_newBase;
    m_finalNewExt = m_newExt;
}

void BatchRun::incrementSequentialNumber()
{
    op(QStringLiteral("Increment Sequential Number"));
    if (m_seqNumber == 32767)
        throw VexlError{6, QStringLiteral("Overflow (sequential number)"), QStringLiteral("frmGo"), 5};
    ++m_seqNumber;
}

// The final name with meta values resolved. The result is still under its work
// name: publishing puts it under this name.
void BatchRun::FinalRename()
{
    const QString resolved = ReplaceMetaForName(m_newBase);
    const QString finalPath = AddBackslash(m_outputFolder) + resolved + QLatin1Char('.') + m_newExt;
    if (finalPath != m_outputPath) {
        status(QStringLiteral("Renaming Image with Meta ") + m_outputImageFName + QStringLiteral("..."));
        m_outputPath = finalPath;
        m_outputImageFName = resolved + QLatin1Char('.') + m_newExt;
    } else {
        op(QStringLiteral("Filenames Match"));
    }
}

} // namespace vexl
