#include "runjournal.h"

#include "support/safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexl {

namespace {

const char kHeader[] = "vexl-dovo batch journal 1";

QString escaped(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

QString unescaped(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c != QLatin1Char('\\') || i + 1 == field.size()) {
            out += c;
            continue;
        }
        const QChar n = field.at(++i);
        out += n == QLatin1Char('t') ? QChar('\t') : n == QLatin1Char('n') ? QChar('\n')
             : n == QLatin1Char('r') ? QChar('\r') : n;
    }
    return out;
}

// Written, and with `durable` on the disk before this returns. A record that
// only lets an undo remove a result (a published output, an upload) needs no
// flush of its own: a killed process loses nothing it wrote, and the next
// durable record, or the end of the run, flushes it too.
bool writeAll(int fd, const QByteArray &bytes, bool durable = true)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return !durable || ::fdatasync(fd) == 0;
}

} // namespace

QString RunJournal::defaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/vexl-dovo/last-batch.journal");
}

RunJournal::RunJournal(const QString &file)
    : m_file(file)
{
}

RunJournal::~RunJournal()
{
    if (m_fd >= 0) {
        ::fdatasync(m_fd);
        ::close(m_fd);
    }
}

std::pair<qint64, qint64> RunJournal::stamp(const QString &path)
{
    struct stat st = {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {-1, -1};
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

// The journal is written whole under a work name and published by one rename,
// then kept open for appending.
bool RunJournal::begin()
{
    if (m_fd >= 0)
        return true;
    if (!m_failure.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(m_file).path());
    const QString work = WorkPathFor(m_file);
    QFile::remove(work);
    const int fd = ::open(QFile::encodeName(work).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_failure = SystemErrorText(errno);
        return false;
    }
    const QByteArray head = QByteArray(kHeader) + '\t' + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8()
        + '\t' + QByteArray::number(RunProcessId()) + '\n';
    if (!writeAll(fd, head)) {
        m_failure = SystemErrorText(errno);
        ::close(fd);
        QFile::remove(work);
        return false;
    }
    const QString error = RenameReplacing(work, m_file);
    if (!error.isEmpty()) {
        m_failure = error;
        ::close(fd);
        QFile::remove(work);
        return false;
    }
    // The descriptor still writes the published file: the rename kept the inode.
    m_fd = fd;
    if (::lseek(m_fd, 0, SEEK_END) < 0)
        m_failure = SystemErrorText(errno);
    return true;
}

void RunJournal::append(const QStringList &fields, bool durable)
{
    if (!begin())
        return;
    QStringList line;
    for (const QString &f : fields)
        line << escaped(f);
    if (!writeAll(m_fd, (line.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8(), durable) && m_failure.isEmpty())
        m_failure = SystemErrorText(errno);
}

void RunJournal::published(const QString &path)
{
    const auto [size, mtime] = stamp(path);
    append({QStringLiteral("out"), path, QString::number(size), QString::number(mtime)}, false);
}

void RunJournal::trashing(const QString &path)
{
    append({QStringLiteral("trashing"), path});
}

void RunJournal::replaced(const QString &path, const QString &trashPath)
{
    append({QStringLiteral("replaced"), path, trashPath});
}

void RunJournal::originalTrashed(const QString &path, const QString &trashPath)
{
    append({QStringLiteral("original"), path, trashPath});
}

void RunJournal::moved(const QString &from, const QString &to)
{
    const auto [size, mtime] = stamp(to);
    append({QStringLiteral("moved"), from, to, QString::number(size), QString::number(mtime)});
}

void RunJournal::uploaded(const QString &connection, const QString &remotePath)
{
    append({QStringLiteral("upload"), connection, remotePath}, false);
}

QList<RunJournal::Record> RunJournal::read(const QString &file, QDateTime *started)
{
    QList<Record> records;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return records;
    const QByteArray all = f.readAll();
    const QList<QByteArray> lines = all.split('\n');
    if (lines.isEmpty() || !lines.first().startsWith(kHeader))
        return records;
    if (started)
        *started = QDateTime::fromString(QString::fromUtf8(lines.first().split('\t').value(1)), Qt::ISODate);
    // The last piece follows the last line end: empty, or a line cut off.
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QStringList fields = QString::fromUtf8(lines.at(i)).split(QLatin1Char('\t'));
        Record r;
        r.kind = fields.value(0);
        r.path = unescaped(fields.value(1));
        if (r.kind == QLatin1String("out")) {
            r.size = fields.value(2).toLongLong();
            r.mtimeNs = fields.value(3).toLongLong();
        } else if (r.kind == QLatin1String("moved")) {
            r.other = unescaped(fields.value(2));
            r.size = fields.value(3).toLongLong();
            r.mtimeNs = fields.value(4).toLongLong();
        } else if (r.kind == QLatin1String("trashing")) {
        } else if (r.kind == QLatin1String("replaced") || r.kind == QLatin1String("original")
                   || r.kind == QLatin1String("upload")) {
            r.other = unescaped(fields.value(2));
        } else {
            continue;
        }
        if (r.path.isEmpty())
            continue;
        records << r;
    }
    return records;
}

} // namespace vexl
