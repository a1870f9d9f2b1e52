// Output naming: the name and folder of each output file, and its final name
// once the meta variables can be resolved.
#include "batchrun.h"

#include "support/apppaths.h"
#include "support/fileprocs.h"

#include <QFile>
#include <QFileInfo>

namespace vexl {

namespace {
QString applyCase(const QString &name, int rule)
{
    switch (rule) {
    case 1:
        return name.toLower();
    case 2:
        return name.toUpper();
    case 3:
        return name.left(1).toUpper() + name.mid(1).toLower();
    case 4: {
        QString out;
        out.reserve(name.size());
        for (int i = 0; i < name.size(); ++i) {
            const QChar before = i > 0 ? name.at(i - 1) : QChar();
            const bool wordStart = i == 0 || before == QLatin1Char(' ') || before == QLatin1Char('_')
                || before == QLatin1Char('-') || before == QLatin1Char('(') || before == QLatin1Char('[');
            out += wordStart ? name.at(i).toUpper() : name.at(i).toLower();
        }
        return out;
    }
    case 5: {
        QString out;
        out.reserve(name.size());
        for (const QChar c : name)
            out += c.unicode() >= 61 ? c.toUpper() : c.toLower();
        return out;
    }
    default:
        return name;
    }
}

QString applySpaces(QString name, int rule)
{
    switch (rule) {
    case 1:
        return name.replace(QLatin1Char(' '), QLatin1Char('_'));
    case 2:
        return name.replace(QLatin1Char('_'), QLatin1Char(' '));
    case 3:
        return name.remove(QLatin1Char('_'));
    case 4:
        return name.remove(QLatin1Char(' '));
    case 5:
        return name.remove(QLatin1Char('_')).remove(QLatin1Char(' '));
    default:
        return name;
    }
}

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
    if (s.OutputFormat > 0) {
        op(QStringLiteral("Making Extenstion"));
        m_newExt = OutputFormatExtension(s.OutputFormat);
    }

    op(QStringLiteral("Check Sequential Number..."));
    if (s.SequentialNumber) {
        op(QStringLiteral("Sequential Number Selected"));
        const QString fill = s.ZeroFill.trimmed();
        bool ok = false;
        const qint64 width = fill.toLongLong(&ok);
        if (!ok)
            throw VexlError{13, QStringLiteral("Type mismatch (Zero Fill \"%1\")").arg(s.ZeroFill),
                            QStringLiteral("frmGo"), 4};
        if (width < -32768 || width > 32767)
            throw VexlError{6, QStringLiteral("Overflow (Zero Fill)"), QStringLiteral("frmGo"), 4};
        m_newBase = ZeroPad(m_seqNumber, static_cast<qint16>(width));
    }

    // A stored prefix or suffix may come from an edited settings file: it never
    // gets to name another folder.
    const QString prefix = StripBadFilenameChars(s.RenamePrefix);
    const QString suffix = StripBadFilenameChars(s.RenameSuffix);
    op(QStringLiteral("Doing Prefix and Suffix (") + prefix + QStringLiteral(", ") + suffix + QLatin1Char(')'));
    m_newBase = prefix + m_newBase + suffix;

    op(QStringLiteral("Changing Case..."));
    if (s.Case >= 1 && s.Case <= 5) {
        op(QLatin1String(kCaseLog[s.Case]));
        m_newBase = applyCase(m_newBase, s.Case);
    }

    op(QStringLiteral("Removing Spaces..."));
    if (s.Spaces >= 1 && s.Spaces <= 5) {
        op(QLatin1String(kSpacesLog[s.Spaces]));
        m_newBase = applySpaces(m_newBase, s.Spaces);
    }

    op(QStringLiteral("Case Extension..."));
    if (s.Case == 1)
        m_newExt = m_newExt.toLower();
    else if (s.Case == 2)
        m_newExt = m_newExt.toUpper();

    op(QStringLiteral("Set Image Names..."));
    if (s.ReplicateSubDirs) {
        op(QStringLiteral("Replicate Dirs"));
        if (!m_isFTP) {
            op(QStringLiteral("Not FTP"));
            QString folder = m_outputBase + QLatin1Char('/') + m_subFolder + QLatin1Char('/');
            while (folder.contains(QLatin1String("//")))
                folder.replace(QLatin1String("//"), QLatin1String("/"));
            m_outputFolder = folder;
        } else {
            m_outputFolder = m_outputBase;
        }
    } else {
        op(QStringLiteral("Not Replicate Dirs"));
        m_outputFolder = m_outputBase;
    }
    m_outputPath = AddBackslash(m_outputFolder) + m_newBase + QLatin1Char('.') + m_newExt;

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

void BatchRun::FinalRename()
{
    const QString resolved = ReplaceMetaForName(m_newBase);
    const QString finalPath = AddBackslash(m_outputFolder) + resolved + QLatin1Char('.') + m_newExt;
    if (finalPath != m_outputPath && !SameFile(finalPath, m_outputPath)) {
        status(QStringLiteral("Renaming Image with Meta ") + m_outputImageFName + QStringLiteral("..."));
        if (QFileInfo::exists(finalPath) && !QFile::remove(finalPath))
            throw VexlError{75, QStringLiteral("Path/File access error: could not remove %1").arg(finalPath),
                            QStringLiteral("frmGo"), 19};
        QFile output(m_outputPath);
        if (!output.rename(finalPath))
            throw VexlError{75, QStringLiteral("Could not rename %1 to %2: %3")
                                    .arg(m_outputPath, finalPath, output.errorString()),
                            QStringLiteral("frmGo"), 19};
        m_outputPath = finalPath;
        m_outputImageFName = resolved + QLatin1Char('.') + m_newExt;
    } else {
        op(QStringLiteral("Filenames Match"));
    }
}

} // namespace vexl
