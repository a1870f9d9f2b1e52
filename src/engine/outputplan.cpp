#include "outputplan.h"

#include "batchrun.h"
#include "support/apppaths.h"
#include "support/fileprocs.h"
#include "support/safefile.h"
#include "support/vexlerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

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

QString zeroPad(qint16 number, qint16 width)
{
    QString text = QString::number(number);
    while (text.size() < width)
        text.prepend(QLatin1Char('0'));
    return text;
}

// A path as a comparable key: the folder as the file system resolves it, the name as given.
QString pathKey(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = QFileInfo(info.path()).canonicalFilePath();
    return (canonical.isEmpty() ? QDir::cleanPath(QFileInfo(info.path()).absoluteFilePath()) : canonical)
        + QLatin1Char('/') + info.fileName();
}

// The texts of the collision question, under the name the translations file
// gives them.
QString tr(const char *text)
{
    return QCoreApplication::translate("vexl::OutputPlanner", text);
}
} // namespace

bool NameHoldsMeta(const QString &name)
{
    static const char *const tokens[] = {"[EXT]",    "[SELNUM]", "[SEQNUM]", "[FSIZE]", "[WIDTH]",  "[HEIGHT]",
                                         "[NUMCOL]", "[MEGAPIX]", "[DATE]",  "[TIME]",  "[CAMERA]", "[ORIGNAME]"};
    for (const char *t : tokens)
        if (name.contains(QLatin1String(t), Qt::CaseInsensitive))
            return true;
    return false;
}

std::optional<QString> MultiSceneType(const QString &extension)
{
    const QString ext = extension.toLower();
    // Both animate: an animation kept as either stays whole.
    if (ext == QLatin1String("gif") || ext == QLatin1String("webp"))
        return QStringLiteral("gif");
    if (ext == QLatin1String("miff"))
        return ext;
    if (ext == QLatin1String("tif") || ext == QLatin1String("tiff"))
        return QStringLiteral("tiff");
    return std::nullopt;
}

QString NumberList(const QList<int> &numbers)
{
    QStringList parts;
    for (int i = 0; i < numbers.size();) {
        int j = i;
        while (j + 1 < numbers.size() && numbers.at(j + 1) == numbers.at(j) + 1)
            ++j;
        if (j - i >= 2) {
            parts << QStringLiteral("%1-%2").arg(numbers.at(i)).arg(numbers.at(j));
        } else {
            for (int k = i; k <= j; ++k)
                parts << QString::number(numbers.at(k));
        }
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QString OutputPlanner::runOutputBase(const ProcessSettings &s, const BatchInput &input)
{
    if (input.outputDestIndex >= 2)
        return AddBackslash(AppPaths::programFolder()) + QStringLiteral("Temp");
    return input.outputDestIndex == 0 && !input.currentFolder.isEmpty() ? input.currentFolder : s.OutputDir;
}

PlannedName PlanOutputName(const ProcessSettings &s, const QString &outputBase, bool isFTP,
                           const QString &subFolder, const QString &fileName, qint16 seqNumber)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    PlannedName n;
    n.base = dot >= 0 ? fileName.left(dot) : fileName;
    n.ext = dot >= 0 ? fileName.mid(dot + 1) : QString();
    if (s.OutputFormat > 0)
        n.ext = OutputFormatExtension(s.OutputFormat);
    if (s.SequentialNumber) {
        bool ok = false;
        const qint64 width = s.ZeroFill.trimmed().toLongLong(&ok);
        if (!ok)
            throw VexlError{13, QStringLiteral("Type mismatch (Zero Fill \"%1\")").arg(s.ZeroFill),
                            QStringLiteral("frmGo"), 4};
        if (width < -32768 || width > 32767)
            throw VexlError{6, QStringLiteral("Overflow (Zero Fill)"), QStringLiteral("frmGo"), 4};
        n.base = zeroPad(seqNumber, static_cast<qint16>(width));
    }
    // A stored prefix or suffix may come from an edited settings file: it never
    // gets to name another folder.
    n.base = StripBadFilenameChars(s.RenamePrefix) + n.base + StripBadFilenameChars(s.RenameSuffix);
    if (s.Case >= 1 && s.Case <= 5)
        n.base = applyCase(n.base, s.Case);
    if (s.Spaces >= 1 && s.Spaces <= 5)
        n.base = applySpaces(n.base, s.Spaces);
    if (s.Case == 1)
        n.ext = n.ext.toLower();
    else if (s.Case == 2)
        n.ext = n.ext.toUpper();
    if (s.ReplicateSubDirs && !isFTP) {
        QString folder = outputBase + QLatin1Char('/') + subFolder + QLatin1Char('/');
        while (folder.contains(QLatin1String("//")))
            folder.replace(QLatin1String("//"), QLatin1String("/"));
        n.folder = folder;
    } else {
        n.folder = AddBackslash(outputBase);
    }
    n.path = AddBackslash(n.folder) + n.base + QLatin1Char('.') + n.ext;
    return n;
}

OutputPlanner::OutputPlanner(const ProcessSettings &s, const BatchInput &input, const QString &outputBase, bool isFTP)
    : m_s(s)
    , m_in(input)
    , m_outputBase(outputBase)
    , m_isFTP(isFTP)
{
}

QList<PlannedImage> OutputPlanner::plan(ScenePlanning scenePlanning) const
{
    QList<PlannedImage> images;
    bool ok = false;
    const double start = m_s.StartNumber.trimmed().toDouble(&ok);
    qint64 seq = ok ? qRound64(start) : 0;
    for (int i = 0; i < m_in.items.size(); ++i) {
        if (i >= m_in.checked.size() || !m_in.checked.at(i))
            continue;
        PlannedImage p;
        p.index = int(images.size());
        p.item = m_in.items.at(i);
        const int slash = p.item.lastIndexOf(QLatin1Char('/'));
        const QString sub = slash > 0 ? p.item.left(slash) : QString();
        const QString fileName = slash >= 0 ? p.item.mid(slash + 1) : p.item;
        p.input = AddBackslash(m_in.currentFolder) + (sub.isEmpty() ? QString() : sub + QLatin1Char('/')) + fileName;
        PlannedName n;
        do {
            if (seq < -32768 || seq > 32767) { // the run ends here with its overflow error
                p.nameKnown = false;
                break;
            }
            n = PlanOutputName(m_s, m_outputBase, m_isFTP, sub, fileName, qint16(seq));
            ++seq;
            if (m_s.SequentialNumber && QFileInfo::exists(n.path))
                p.skippedNumbers << int(seq - 1);
            else
                break;
        } while (true);
        if (!p.nameKnown) {
            images << p;
            continue;
        }
        if (m_isFTP && m_s.ReplicateSubDirs && m_in.recurse && !sub.isEmpty()) {
            // Staged one at a time, uploaded into the image's sub-folder: named by where it lands.
            n.folder = AddBackslash(m_outputBase) + sub + QLatin1Char('/');
            n.path = n.folder + n.base + QLatin1Char('.') + n.ext;
        }
        p.nameKnown = !NameHoldsMeta(n.base);
        // Changed to a type that holds one scene, each scene becomes a file.
        const std::optional<QString> type = MultiSceneType(QFileInfo(fileName).suffix());
        const bool split = type.has_value() && MultiSceneType(n.ext) != type && m_s.AniExtractAllScenes;
        p.perScene = split && scenePlanning == ScenePlanning::OneRow;
        const int scenes = split && !p.perScene ? BatchRun::GetNumScenes(p.input) : 1;
        if (scenes > 1) {
            const int width = int(QString::number(scenes).size());
            for (int scene = 1; scene <= scenes; ++scene)
                p.outputs << n.folder + n.base + QStringLiteral("%1").arg(scene, width, 10, QLatin1Char('0'))
                        + QLatin1Char('.') + n.ext;
        } else {
            p.outputs << n.path;
        }
        images << p;
    }

    // The ticked inputs, by path and by identity.
    QHash<QString, int> inputByKey;
    QList<FileIdentity> inputIds;
    for (const PlannedImage &p : images) {
        inputByKey.insert(pathKey(p.input), p.index);
        inputIds << IdentityOf(p.input);
    }
    const auto inputAt = [&](const QString &path) -> int {
        const auto it = inputByKey.constFind(pathKey(path));
        if (it != inputByKey.constEnd())
            return it.value();
        const FileIdentity id = IdentityOf(path);
        for (int j = 0; id.valid && j < inputIds.size(); ++j)
            if (inputIds.at(j) == id)
                return j;
        return -1;
    };

    // An output onto another ticked image, or a rename in letter case onto another file.
    for (PlannedImage &p : images) {
        if (!p.nameKnown || p.perScene)
            continue;
        for (const QString &out : p.outputs) {
            const int other = m_isFTP ? -1 : inputAt(out);
            if (other >= 0 && other != p.index) {
                p.collision = CollisionKind::OverwritesInput;
                p.contested = out;
                break;
            }
            const QFileInfo from(p.input);
            const QFileInfo to(out);
            if (!m_isFTP && other < 0 && from.fileName() != to.fileName()
                && from.fileName().compare(to.fileName(), Qt::CaseInsensitive) == 0 && pathKey(from.path() + QStringLiteral("/x")) == pathKey(to.path() + QStringLiteral("/x"))
                && to.exists() && !(IdentityOf(out) == IdentityOf(p.input))) {
                p.collision = CollisionKind::CaseRenameOntoOther;
                p.contested = out;
                break;
            }
        }
    }
    // Two images onto one output: the first in the list keeps it.
    QHash<QString, int> claimed;
    for (PlannedImage &p : images) {
        if (!p.nameKnown || p.perScene || p.collision != CollisionKind::None)
            continue;
        for (const QString &out : p.outputs) {
            const QString key = pathKey(out);
            if (claimed.contains(key)) {
                p.collision = CollisionKind::SharedOutput;
                p.contested = out;
                break;
            }
        }
        if (p.collision == CollisionKind::None)
            for (const QString &out : p.outputs)
                claimed.insert(pathKey(out), p.index);
    }
    return images;
}

QStringList OutputPlanner::collisionLines(const QList<PlannedImage> &plan, const QString &outputBase, int limit)
{
    // Grouped by contested name, in the order the names first come up.
    QStringList order;
    QHash<QString, QStringList> involved;
    QHash<QString, QString> shown;
    for (const PlannedImage &p : plan) {
        if (p.collision == CollisionKind::None)
            continue;
        const QString key = pathKey(p.contested);
        if (!involved.contains(key)) {
            order << key;
            shown.insert(key, QDir(outputBase).relativeFilePath(p.contested));
            // Who else holds the name: the image whose file it is, or whose output it is.
            for (const PlannedImage &q : plan) {
                if (&q == &p)
                    continue;
                const bool holds = pathKey(q.input) == key || IdentityOf(q.input) == IdentityOf(p.contested)
                    || (q.collision == CollisionKind::None && q.nameKnown
                        && std::any_of(q.outputs.begin(), q.outputs.end(),
                                       [&](const QString &o) { return pathKey(o) == key; }));
                if (holds)
                    involved[key] << q.item;
            }
        }
        if (!involved[key].contains(p.item))
            involved[key] << p.item;
    }
    QHash<QString, int> position;
    for (const PlannedImage &p : plan)
        position.insert(p.item, p.index);
    QStringList lines;
    for (const QString &key : order) {
        QStringList &items = involved[key];
        std::sort(items.begin(), items.end(),
                  [&](const QString &a, const QString &b) { return position.value(a) < position.value(b); });
        if (lines.size() == limit) {
            lines << tr("and %1 more").arg(order.size() - limit);
            break;
        }
        lines << involved.value(key).join(QStringLiteral(", ")) + QStringLiteral(" -> ") + shown.value(key);
    }
    return lines;
}

QString OutputPlanner::collisionQuestion(const QList<PlannedImage> &plan, const QString &outputBase)
{
    const QStringList lines = collisionLines(plan, outputBase);
    if (lines.isEmpty())
        return QString();
    return tr("These images would overwrite another image or its result:") + QStringLiteral("\r\n")
        + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n")
        + tr("Do you want to skip them and process the others?");
}

} // namespace vexl
