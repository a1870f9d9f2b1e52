#include "dirhandle.h"

#include "vexlerror.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <dirent.h>
#include <sys/stat.h>

namespace vexl {

// ---------------------------------------------------------------------------
// Wildcards

namespace {

// One element of a compiled pattern; each element but Star stands for exactly
// one character of the text.
struct LikeToken
{
    enum Kind { Literal, Any, Digit, Set, Star } kind = Literal;
    uint ch = 0; // code point
    bool negate = false;
    std::vector<std::pair<uint, uint>> ranges; // inclusive, for Set
};

std::vector<LikeToken> compileLike(const QList<uint> &p)
{
    std::vector<LikeToken> tokens;
    const qsizetype n = p.size();
    for (qsizetype i = 0; i < n; ++i) {
        LikeToken t;
        switch (p[i]) {
        case U'*':
            if (!tokens.empty() && tokens.back().kind == LikeToken::Star)
                continue; // "**" is "*"
            t.kind = LikeToken::Star;
            break;
        case U'?':
            t.kind = LikeToken::Any;
            break;
        case U'#':
            t.kind = LikeToken::Digit;
            break;
        case U'[': {
            const auto close = std::find(p.begin() + i + 1, p.end(), U']');
            if (close == p.end()) { // no list: a plain "["
                t.ch = p[i];
                break;
            }
            const qsizetype end = close - p.begin();
            qsizetype k = i + 1;
            if (k == end) { // "[]" matches zero characters
                i = end;
                continue;
            }
            t.kind = LikeToken::Set;
            if (p[k] == U'!') {
                t.negate = true;
                ++k;
            }
            while (k < end) {
                if (k + 2 < end && p[k + 1] == U'-') {
                    t.ranges.emplace_back(p[k], p[k + 2]);
                    k += 3;
                } else {
                    t.ranges.emplace_back(p[k], p[k]);
                    ++k;
                }
            }
            i = end;
            break;
        }
        default:
            t.ch = p[i];
            break;
        }
        tokens.push_back(std::move(t));
    }
    return tokens;
}

bool matchesOne(const LikeToken &t, uint c)
{
    switch (t.kind) {
    case LikeToken::Literal:
        return c == t.ch;
    case LikeToken::Any:
        return true;
    case LikeToken::Digit:
        return c >= U'0' && c <= U'9';
    case LikeToken::Set: {
        const bool in = std::any_of(t.ranges.begin(), t.ranges.end(),
                                    [c](const auto &r) { return c >= r.first && c <= r.second; });
        return in != t.negate;
    }
    case LikeToken::Star:
        break;
    }
    return false;
}

} // namespace

bool IsLike(const QString &text, const QString &pattern)
{
    const QList<uint> s = text.toUcs4();
    const std::vector<LikeToken> tokens = compileLike(pattern.toUcs4());

    // Every token but "*" takes exactly one character, so it is enough to
    // remember the last "*": on a mismatch let it take one character more and
    // try again from there. No deeper backtracking is ever needed.
    const std::size_t m = tokens.size();
    const qsizetype n = s.size();
    std::size_t p = 0;
    qsizetype t = 0;
    std::size_t starToken = m; // none yet
    qsizetype starText = 0;
    while (t < n) {
        if (p < m && tokens[p].kind == LikeToken::Star) {
            starToken = p++;
            starText = t;
        } else if (p < m && matchesOne(tokens[p], s[t])) {
            ++p;
            ++t;
        } else if (starToken < m) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < m && tokens[p].kind == LikeToken::Star)
        ++p;
    return p == m;
}

// ---------------------------------------------------------------------------
// DirHandle

namespace {

// Order of names within a folder: letter case ignored (compared upper-cased,
// one UTF-16 unit at a time), ties broken by the exact name, so "A.jpg" comes
// just before "a.jpg" and the order never depends on the file system.
bool nameLess(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t ua = QChar::toUpper(a[i].unicode());
        const char32_t ub = QChar::toUpper(b[i].unicode());
        if (ua != ub)
            return ua < ub;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

// A name the rest of the program can use: it survives the trip to and from
// the file system's bytes, and holds no control character (a line break in a
// list item, or a name cut short at one, would name another file).
bool usableName(const QByteArray &raw, const QString &name)
{
    if (QFile::encodeName(name) != raw)
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 32; });
}

// A name for people to read: as it is when it is good UTF-8 without control
// characters, else with each offending byte or character as \xNN.
QString shownName(const QByteArray &raw)
{
    const auto hex = [](uint code) { return QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0')); };
    QString out;
    const QString decoded = QString::fromUtf8(raw);
    if (decoded.toUtf8() == raw) {
        for (const QChar c : decoded)
            out += (c.unicode() < 32 || c.unicode() == 127) ? hex(c.unicode()) : QString(c);
        return out;
    }
    for (const char ch : raw) {
        const uchar b = uchar(ch);
        out += (b < 32 || b >= 127) ? hex(b) : QString(QLatin1Char(char(b)));
    }
    return out;
}

VexlError listingError(int err, const QString &path)
{
    VexlError e;
    e.source = QStringLiteral("DirHandle.Start");
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        e.number = 76;
        e.description = QStringLiteral("Path not found");
        break;
    case EACCES:
    case EPERM:
        e.number = 70;
        e.description = QStringLiteral("Permission denied");
        break;
    default:
        e.number = 75;
        e.description = QStringLiteral("Path/File access error");
        break;
    }
    e.description += QStringLiteral(": ") + path;
    return e;
}

} // namespace

QString DirHandle::AppSlash(const QString &path)
{
    if (path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString DirHandle::CurrentFile() const
{
    for (qsizetype i = 0; i < m_currentName.size(); ++i)
        if (m_currentName[i].unicode() < 32)
            return m_currentName.left(i);
    return m_currentName;
}

void DirHandle::Start(const QString &path, const QString &filter, bool invertMatch, bool recurse,
                      bool listDirectories)
{
    m_dirSize = 0;
    m_currentFileSize = 0;
    m_skipped.clear();
    m_currentName.clear();
    m_queue.clear();
    m_visited.clear();
    m_entries.clear();
    m_nextEntry = 0;
    m_started = false;
    m_ended = true;
    m_stopped = false;

    m_invertMatch = invertMatch;
    m_recurse = recurse;
    m_listDirectories = listDirectories;
    m_filter = filter.toLower();
    if (m_filter.contains(QLatin1Char('|')))
        m_patterns = m_filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    else
        m_patterns = QStringList{m_filter};

    // An empty path would become "/", the whole machine: refuse it.
    if (path.isEmpty())
        throw listingError(ENOENT, path);
    m_currentDir = AppSlash(path);
    int err = 0;
    if (!OpenDirectory(m_currentDir, &err))
        throw listingError(err, m_currentDir);
    m_queue.push_back(m_currentDir);
    m_started = true;
    m_ended = false;
}

// Reads the names of `dir` into m_entries, sorted. False (with errno) when the
// folder cannot be opened or was already read (a loop through a bind mount).
bool DirHandle::OpenDirectory(const QString &dir, int *errorNumber)
{
    m_entries.clear();
    m_nextEntry = 0;
    const QByteArray encoded = QFile::encodeName(dir);
    struct stat st {};
    if (::stat(encoded.constData(), &st) != 0) {
        *errorNumber = errno;
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        *errorNumber = ENOTDIR;
        return false;
    }
    const std::pair<quint64, quint64> id(quint64(st.st_dev), quint64(st.st_ino));
    if (m_visited.contains(id)) {
        *errorNumber = ELOOP;
        return false;
    }
    DIR *d = ::opendir(encoded.constData());
    if (!d) {
        *errorNumber = errno;
        return false;
    }
    m_visited.insert(id);
    const qsizetype skippedBefore = m_skipped.size();
    while (const dirent *e = ::readdir(d)) {
        const QByteArray raw(e->d_name);
        if (raw == "." || raw == "..")
            continue;
        const QString name = QFile::decodeName(raw);
        if (usableName(raw, name))
            m_entries.push_back(name);
        else
            NoteSkipped(dir, raw);
    }
    ::closedir(d);
    std::sort(m_entries.begin(), m_entries.end(), nameLess);
    std::sort(m_skipped.begin() + skippedBefore, m_skipped.end(), nameLess);
    return true;
}

void DirHandle::NoteSkipped(const QString &dir, const QByteArray &raw)
{
    if (raw.startsWith('.'))
        return; // hidden entries are never listed anyway
    bool counts = Matches(QString::fromUtf8(raw));
    if (!counts && m_recurse) {
        struct stat st {};
        const QByteArray path = QFile::encodeName(dir) + raw;
        counts = ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    if (counts)
        m_skipped << shownName(QFile::encodeName(dir) + raw);
}

bool DirHandle::Matches(const QString &name) const
{
    const QString lower = name.toLower();
    const bool like = std::any_of(m_patterns.begin(), m_patterns.end(),
                                  [&](const QString &p) { return IsLike(lower, p); });
    return like != m_invertMatch;
}

bool DirHandle::MoveNext()
{
    if (!m_started || m_ended)
        return false;
    for (;;) {
        if (m_stopped) {
            m_ended = true;
            return false;
        }
        // The current folder is done: go on with the next readable one.
        if (m_nextEntry >= m_entries.size()) {
            m_queue.pop_front();
            for (;;) {
                if (m_queue.empty()) {
                    m_entries.clear();
                    m_ended = true;
                    return false;
                }
                m_currentDir = m_queue.front();
                int err = 0;
                if (OpenDirectory(m_currentDir, &err))
                    break;
                if (err == ENAMETOOLONG)
                    m_skipped << m_currentDir;
                m_queue.pop_front(); // unreadable or already read: skip it
            }
            continue;
        }

        m_currentName = m_entries[m_nextEntry++];
        const QString fullPath = m_currentDir + m_currentName;
        const QByteArray encoded = QFile::encodeName(fullPath);
        struct stat lst {};
        struct stat st {};
        const bool present = ::lstat(encoded.constData(), &lst) == 0;
        const int lstatError = present ? 0 : errno;
        const bool resolved = present && ::stat(encoded.constData(), &st) == 0;
        if (m_doEvents)
            m_doEvents();
        if (m_stopped)
            continue;
        if (!present) {
            // Too long a path for the system, or gone since the folder was read.
            // (Such an entry may be a folder to descend into as well as a file.)
            if (lstatError == ENAMETOOLONG && !m_currentName.startsWith(QLatin1Char('.'))
                && (m_recurse || Matches(m_currentName)))
                m_skipped << fullPath;
            continue;
        }

        const bool hidden = m_currentName.startsWith(QLatin1Char('.'));
        const bool isDir = resolved && S_ISDIR(st.st_mode);
        if (isDir && m_recurse && !hidden && !S_ISLNK(lst.st_mode))
            m_queue.push_back(fullPath + QLatin1Char('/'));
        if (hidden || !Matches(m_currentName))
            continue;

        if (m_listDirectories) {
            if (isDir)
                return true;
        } else if (resolved && S_ISREG(st.st_mode)) {
            m_currentFileSize = qint64(st.st_size);
            m_dirSize += m_currentFileSize;
            return true;
        }
    }
}

} // namespace vexl
