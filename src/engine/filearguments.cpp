#include "filearguments.h"

#include "support/safefile.h"

#include "support/vexlerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <zlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexl {

namespace {

VexlError failure(const QString &text)
{
    return VexlError{0, text, QString(), 0};
}

QString errnoText(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// The extension ImageMagick would see (after the last dot of the file name,
// not a leading one), when it is letters and digits only.
QString plainExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == fileName.size() - 1)
        return QString();
    const QString ext = fileName.mid(dot + 1);
    for (const QChar c : ext)
        if (c.unicode() >= 0x80 || !c.isLetterOrNumber())
            return QString();
    return ext;
}

// Work files are hidden when they have an extension. Without one they must not
// start with a dot: "mogrify -format" cuts a name at its last dot. Hidden ones
// carry the id of the process that makes them and of the run
// (".vexl-<random>-<maker>.<run>.work.<ext>"), so a later run removes those a
// killed run left, and the run those of a worker that died.
QString workStem(bool hidden)
{
    const QString random = QString::number(QRandomGenerator::system()->generate64(), 36);
    return hidden ? QStringLiteral(".vexl-") + random + QLatin1Char('-') + QString::number(qint64(::getpid())) + QLatin1Char('.')
            + QString::number(RunProcessId())
            + QStringLiteral(".work")
                  : QStringLiteral("vexl-work-") + random;
}

// A file that exists but may not be written stays as it is, as it would if
// ImageMagick wrote it directly (the work file would be renamed over it).
bool writableOrAbsent(const QString &path)
{
    const QByteArray name = native(path);
    return ::access(name.constData(), F_OK) != 0 || ::access(name.constData(), W_OK) == 0;
}

QString withExtension(const QString &stem, const QString &ext)
{
    return ext.isEmpty() ? stem : stem + QLatin1Char('.') + ext;
}

// PNG text chunks whose text is larger than this are left out when the file is
// read: a chunk of a few hundred KiB can inflate to hundreds of MiB, which
// ImageMagick would read whole (its limits cover pixels, not text) and copy
// into every output.
constexpr qint64 kMaxPngText = 64 * 1024;

quint32 bigEndian32(const QByteArray &b, int at)
{
    return (quint32(quint8(b[at])) << 24) | (quint32(quint8(b[at + 1])) << 16) | (quint32(quint8(b[at + 2])) << 8)
         | quint32(quint8(b[at + 3]));
}

// True when the zlib stream `data` inflates to more than `limit` bytes (or is broken).
bool inflatesBeyond(const QByteArray &data, qint64 limit)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return true;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    char buffer[16384];
    qint64 total = 0;
    int status = Z_OK;
    while (status == Z_OK && total <= limit) {
        z.next_out = reinterpret_cast<Bytef *>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        total += qint64(sizeof buffer - z.avail_out);
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            break;
    }
    inflateEnd(&z);
    return total > limit || (status != Z_STREAM_END && status != Z_OK && status != Z_BUF_ERROR);
}

// The byte ranges (offset, length) of a PNG's text chunks that hold more than
// kMaxPngText of text; none for other files.
QList<QPair<qint64, qint64>> oversizedPngText(const QString &path)
{
    QList<QPair<qint64, qint64>> ranges;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8))
        return ranges;
    const qint64 size = file.size();
    qint64 pos = 8;
    while (pos + 12 <= size && file.seek(pos)) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            break;
        const qint64 length = bigEndian32(head, 0);
        const QByteArray type = head.mid(4, 4);
        const qint64 total = 12 + length;
        bool oversized = false;
        if (type == "tEXt") {
            oversized = length > kMaxPngText;
        } else if (type == "zTXt" || type == "iTXt") {
            if (length > kMaxPngText) {
                oversized = true;
            } else {
                const QByteArray data = file.read(length);
                int at = int(data.indexOf('\0')) + 1; // after the keyword
                bool compressed = type == "zTXt";
                if (at > 0 && type == "iTXt" && at + 2 <= data.size()) {
                    compressed = data[at] != 0;
                    at += 2; // flag and method
                    at = int(data.indexOf('\0', at)) + 1; // language
                    at = at > 0 ? int(data.indexOf('\0', at)) + 1 : 0; // translated keyword
                } else if (at > 0) {
                    at += 1; // method
                }
                if (at > 0 && compressed)
                    oversized = inflatesBeyond(data.mid(at), kMaxPngText);
            }
        }
        if (oversized)
            ranges.append({pos, total});
        if (type == "IEND")
            break;
        pos += total;
    }
    return ranges;
}

// Writes `source` without the byte ranges `drop` to `target`.
bool copyWithout(const QString &source, const QString &target, const QList<QPair<qint64, qint64>> &drop)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    qint64 pos = 0;
    const auto copyUpTo = [&](qint64 end) {
        while (pos < end) {
            const QByteArray block = in.read(qMin<qint64>(end - pos, 1 << 20));
            if (block.isEmpty() || out.write(block) != block.size())
                return false;
            pos += block.size();
        }
        return true;
    };
    for (const auto &[offset, length] : drop) {
        if (!copyUpTo(offset) || !in.seek(offset + length))
            return false;
        pos = offset + length;
    }
    return copyUpTo(in.size()) && out.flush();
}

// A plain path naming a folder: the path itself, or /proc/self/fd/N of a
// descriptor held open on it.
struct PlainFolder
{
    QString plain;
    int fd = -1;

    bool open(const QString &dir)
    {
        if (FileArguments::isPlainName(dir)) {
            plain = dir;
            if (QFileInfo(dir).isDir())
                return true;
            errno = ENOENT;
            return false;
        }
        fd = ::open(native(dir).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        plain = QStringLiteral("/proc/self/fd/%1").arg(fd);
        return true;
    }
    ~PlainFolder()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// The process's private folder for the links to inputs.
struct LinkFolder
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/vexl-engine-XXXXXX")};
    PlainFolder folder;
    bool ok = false;

    LinkFolder() { ok = dir.isValid() && folder.open(dir.path()); }
};

LinkFolder &privateLinkFolder()
{
    static LinkFolder folder;
    return folder;
}

} // namespace

QString FileArguments::linkFolder()
{
    LinkFolder &links = privateLinkFolder();
    return links.ok ? links.dir.path() : QString();
}

class FileArguments::Folder : public PlainFolder
{
public:
    QString real;
};

bool FileArguments::isPlainName(const QString &arg)
{
    if (arg.isEmpty() || arg.front() == QLatin1Char('-'))
        return false;
    for (const QChar c : arg) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            continue; // letters of other scripts mean nothing to ImageMagick
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '/' || u == '.'
            || u == '_' || u == '-')
            continue;
        return false;
    }
    return true;
}

FileArguments::FileArguments(MagickTool tool, const QStringList &args)
    : m_args(args)
{
    const qsizetype n = args.size();
    try {
        switch (tool) {
        case MagickTool::Convert:
            if (n >= 2) {
                QString &in = m_args[n - 2];
                if (in.startsWith(QLatin1String("label:"), Qt::CaseInsensitive)) {
                    // The label coder reads its text like a file name (a closing
                    // "[1]" or "[draft]" may go as a scene or stay with a "[0]"
                    // added) and expands "%" and "\" escapes. The text goes in as
                    // an option instead, drawn exactly as it stands; only "\%",
                    // the meta texts' escape, stands for "%".
                    QString text = in.mid(6);
                    text.replace(QLatin1String("\\%"), QLatin1String("%"));
                    m_options.append({QByteArrayLiteral("vexl:label-text"), text.toUtf8()});
                    in = QStringLiteral("label:%[vexl:label-text]");
                } else {
                    in = input(in, true);
                }
                m_args[n - 1] = output(args[n - 1]);
            }
            break;
        case MagickTool::Composite:
            if (n >= 3) {
                m_args[n - 3] = input(args[n - 3], true);
                m_args[n - 2] = input(args[n - 2], true);
                m_args[n - 1] = output(args[n - 1]);
            }
            break;
        case MagickTool::Mogrify:
            if (n >= 1) {
                QString format;
                for (qsizetype i = 0; i + 1 < n - 1; ++i)
                    if (args[i] == QLatin1String("-format"))
                        format = args[i + 1];
                m_args[n - 1] = inPlace(args[n - 1], format);
            }
            break;
        case MagickTool::Identify:
            if (n >= 1)
                m_args[n - 1] = input(args[n - 1], true);
            break;
        case MagickTool::Write:
            if (n >= 1)
                m_args[n - 1] = output(args[n - 1]);
            break;
        }
    } catch (...) {
        removeWorkFiles();
        throw;
    }
}

FileArguments::~FileArguments()
{
    removeWorkFiles();
}

void FileArguments::removeWorkFiles()
{
    for (const QString &link : std::as_const(m_links))
        ::unlink(native(link).constData());
    m_links.clear();
    if (m_written) {
        ::unlink(native(m_written->work).constData());
        ::unlink(native(m_written->produced).constData());
        if (!m_committed) {
            // Whatever else ImageMagick began under the work name.
            const QDir dir(m_written->folder->plain);
            const QStringList strays =
                dir.entryList({m_written->stem + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
            for (const QString &name : strays)
                ::unlink(native(dir.filePath(name)).constData());
        }
        m_written.reset();
    }
    m_folders.clear();
}

FileArguments::Folder *FileArguments::folderFor(const QString &dir, const QString &shownAs)
{
    for (const auto &f : m_folders)
        if (f->real == dir)
            return f.get();
    auto folder = std::make_unique<Folder>();
    folder->real = dir;
    if (!folder->open(dir))
        throw failure(QStringLiteral("unable to open image `%1': %2").arg(shownAs, errnoText(errno)));
    m_folders.push_back(std::move(folder));
    return m_folders.back().get();
}

QString FileArguments::input(const QString &arg, bool sceneAllowed)
{
    if (arg.isEmpty())
        return arg;
    if (isPlainName(arg) && oversizedPngText(arg).isEmpty()) {
        m_inputs << arg;
        return arg;
    }
    QString file = arg;
    QString scene;
    if (sceneAllowed && !QFileInfo::exists(arg)) {
        static const QRegularExpression sceneSuffix(QStringLiteral("^(.+)(\\[\\d+\\])$"));
        const QRegularExpressionMatch m = sceneSuffix.match(arg);
        if (m.hasMatch() && QFileInfo::exists(m.captured(1))) {
            file = m.captured(1);
            scene = m.captured(2);
        }
    }
    m_inputs << file;
    const QList<QPair<qint64, qint64>> oversized = oversizedPngText(file);
    if (isPlainName(file) && oversized.isEmpty())
        return file + scene;

    LinkFolder &links = privateLinkFolder();
    if (!links.ok)
        throw failure(QStringLiteral("unable to open image `%1': no private work folder in %2")
                          .arg(file, QDir::tempPath()));
    const QString link = links.folder.plain + QLatin1Char('/')
                         + withExtension(workStem(false), plainExtension(QFileInfo(file).fileName()));
    if (!oversized.isEmpty()) {
        // A copy without the oversized text is read instead.
        m_links << link;
        if (!copyWithout(file, link, oversized))
            throw failure(QStringLiteral("unable to open image `%1': %2").arg(file, errnoText(errno)));
    } else if (::symlink(native(QFileInfo(file).absoluteFilePath()).constData(), native(link).constData()) != 0) {
        throw failure(QStringLiteral("unable to open image `%1': %2").arg(file, errnoText(errno)));
    } else {
        m_links << link;
    }
    m_names.append({link, file});
    m_names.append({QFileInfo(link).fileName(), QFileInfo(file).fileName()});
    return link + scene;
}

QString FileArguments::output(const QString &arg)
{
    if (arg.isEmpty())
        return arg;
    const QFileInfo info(arg);
    QString target = info.absoluteFilePath();
    if (info.isSymLink()) { // write through the link, as ImageMagick would
        const QString resolved = info.canonicalFilePath();
        target = resolved.isEmpty() ? info.symLinkTarget() : resolved;
    }
    const QFileInfo targetInfo(target);
    if (!writableOrAbsent(target))
        throw failure(QStringLiteral("unable to open image `%1': %2").arg(arg, errnoText(errno)));
    Folder *folder = folderFor(targetInfo.absolutePath(), arg);
    const QString ext = plainExtension(targetInfo.fileName());
    const QString stem = workStem(!ext.isEmpty());
    const QString work = folder->plain + QLatin1Char('/') + withExtension(stem, ext);
    // Reserve the name; ImageMagick writes over it.
    const int fd = ::open(native(work).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throw failure(QStringLiteral("unable to open image `%1': %2").arg(arg, errnoText(errno)));
    ::close(fd);
    m_written = Written{folder, stem, work, work, targetInfo.absoluteFilePath(), arg, true};
    m_names.append({work, arg});
    m_names.append({QFileInfo(work).fileName(), info.fileName()});
    return work;
}

QString FileArguments::inPlace(const QString &arg, const QString &format)
{
    if (arg.isEmpty())
        return arg;
    const QFileInfo info(arg);
    if (!info.isFile())
        throw failure(QStringLiteral("unable to open image `%1': %2")
                          .arg(arg, errnoText(info.exists() ? EISDIR : ENOENT)));
    m_inputs << arg;
    const QFileInfo targetInfo(info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath());
    if (!writableOrAbsent(targetInfo.absoluteFilePath()))
        throw failure(QStringLiteral("unable to open image `%1': %2").arg(arg, errnoText(errno)));
    Folder *folder = folderFor(targetInfo.absolutePath(), arg);
    const QString ext = plainExtension(targetInfo.fileName());
    const QString stem = workStem(!ext.isEmpty());
    const QString work = folder->plain + QLatin1Char('/') + withExtension(stem, ext);
    std::error_code ec;
    const QList<QPair<qint64, qint64>> oversized = oversizedPngText(targetInfo.absoluteFilePath());
    if (!oversized.isEmpty()) {
        // The work copy leaves the oversized text out.
        if (!copyWithout(targetInfo.absoluteFilePath(), work, oversized))
            ec = std::error_code(errno ? errno : EIO, std::generic_category());
    } else {
        std::filesystem::copy_file(std::filesystem::path(native(targetInfo.absoluteFilePath()).toStdString()),
                                   std::filesystem::path(native(work).toStdString()), ec);
    }
    if (ec) {
        ::unlink(native(work).constData());
        throw failure(QStringLiteral("unable to open image `%1': %2").arg(arg, QString::fromStdString(ec.message())));
    }
    // "-format x" makes mogrify write <name without extension>.x beside it.
    const QString produced =
        format.isEmpty() ? work : folder->plain + QLatin1Char('/') + stem + QLatin1Char('.') + format;
    m_written = Written{folder, stem, work, produced, targetInfo.absoluteFilePath(), arg, false};
    m_names.append({work, arg});
    m_names.append({produced, arg});
    m_names.append({QFileInfo(work).fileName(), info.fileName()});
    m_names.append({QFileInfo(produced).fileName(), info.fileName()});
    return work;
}

void FileArguments::commit()
{
    if (!m_written) {
        m_committed = true;
        return;
    }
    const Written &w = *m_written;
    const QFileInfo produced(w.produced);
    if (w.allowParts && produced.exists() && produced.size() == 0) {
        commitParts();
        if (m_committed)
            return;
    }
    if (!produced.exists())
        throw failure(QStringLiteral("no image was written to `%1'").arg(w.shownAs));
    const QByteArray from = native(w.produced);
    const QByteArray to = native(w.target);
    struct stat old;
    if (::stat(to.constData(), &old) == 0)
        ::chmod(from.constData(), old.st_mode & 07777);
    if (::rename(from.constData(), to.constData()) != 0)
        throw failure(QStringLiteral("unable to write image `%1': %2").arg(w.shownAs, errnoText(errno)));
    m_committed = true;
}

// Several scenes written to a format of one scene per file come out as
// <work>-0.ext, <work>-1.ext, ...; they become <target>-0.ext, ...
void FileArguments::commitParts()
{
    const Written &w = *m_written;
    const QDir dir(w.folder->plain);
    const QString ext = plainExtension(QFileInfo(w.work).fileName());
    const QRegularExpression part(QStringLiteral("^%1-(\\d+)%2$")
                                      .arg(QRegularExpression::escape(w.stem),
                                           QRegularExpression::escape(ext.isEmpty() ? QString() : QLatin1Char('.') + ext)));
    const QFileInfo target(w.target);
    const QString targetName = target.fileName();
    const QString targetExt = plainExtension(targetName);
    const QString targetStem = targetExt.isEmpty() ? targetName : targetName.left(targetName.size() - targetExt.size() - 1);
    bool any = false;
    const QStringList names = dir.entryList({w.stem + QLatin1String("-*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QRegularExpressionMatch m = part.match(name);
        if (!m.hasMatch())
            continue;
        const QString to = target.absolutePath() + QLatin1Char('/')
                           + withExtension(targetStem + QLatin1Char('-') + m.captured(1), targetExt);
        if (::rename(native(dir.filePath(name)).constData(), native(to).constData()) != 0)
            throw failure(QStringLiteral("unable to write image `%1': %2").arg(to, errnoText(errno)));
        any = true;
    }
    m_committed = any;
}

QString FileArguments::restoreNames(QString text) const
{
    QList<QPair<QString, QString>> names = m_names;
    std::stable_sort(names.begin(), names.end(),
                     [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    for (const auto &[work, shown] : std::as_const(names))
        text.replace(work, shown);
    return text;
}

} // namespace vexl
