#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace vexl {

// Wildcard match of the whole text against a pattern:
//   *           zero or more characters
//   ?           any single character
//   #           any single digit (0 to 9)
//   [charlist]  any single character in the list; "a-z" is a range, a "-" first
//               or last in the list stands for itself
//   [!charlist] any single character not in the list
// "[]" matches nothing (zero characters); a "[" without a closing "]" stands for
// itself. Letter case counts: callers that want case-blind matching lower-case
// both sides. Runs in at most text length x pattern length steps.
bool IsLike(const QString &text, const QString &pattern);

// Directory enumerator for one listing. Reads a folder (and, when asked, its
// sub-folders breadth-first) and reports the entries that match a "|"-separated
// wildcard filter:
//
//     DirHandle dir;
//     dir.Start(folder, "*.png|*.jpg", false, true, false);
//     while (dir.MoveNext())
//         use(dir.CurrentDir() + dir.CurrentFile());
//
// Each folder's names are read once and sorted by name ignoring letter case
// (ties by the exact name), so the order does not depend on the file system.
// Hidden entries (names starting with ".") are never reported nor descended
// into; symbolic links to folders are reported in folder mode but not descended
// into. Only regular files count as files.
class DirHandle
{
public:
    DirHandle() = default;
    DirHandle(const DirHandle &) = delete;
    DirHandle &operator=(const DirHandle &) = delete;

    // Starts a listing of `path`. `filter` is one wildcard pattern or several
    // separated by "|", matched against the lower-cased entry name; with
    // `invertMatch` an entry counts as matching when it does not match.
    // `recurse` also reads the sub-folders; `listDirectories` reports folders
    // instead of files. Throws VexlError (76 "Path not found", 70 "Permission
    // denied", 75 "Path/File access error") when the folder cannot be read.
    void Start(const QString &path, const QString &filter, bool invertMatch, bool recurse,
               bool listDirectories);
    // Advances to the next qualifying entry; false once every folder is done.
    bool MoveNext();
    // `path` with "/" appended when it does not end with one.
    static QString AppSlash(const QString &path);
    // Name of the current entry, cut at its first character below code 32.
    QString CurrentFile() const;
    // Size in bytes of the last reported file (0 in folder mode).
    qint64 CurrentFileSize() const { return m_currentFileSize; }
    // The folder being read, with a trailing "/". It always begins with the
    // path given to Start, so the part after it is the entry's sub-folder.
    QString CurrentDir() const { return m_currentDir; }
    // Sum of the sizes of all files reported so far.
    qint64 DirSize() const { return m_dirSize; }

    // Entries the listing passed over although they would have counted (files
    // matching the filter, folders to descend into): names that do not survive
    // the trip through the file system's bytes or hold control characters, and
    // paths longer than the system allows. Each is its folder and name, with
    // such bytes and characters shown as \xNN.
    const QStringList &Skipped() const { return m_skipped; }

    // Called once after each directory entry is read, so that the owner can
    // serve its event loop (and press Stop) during a long listing.
    void SetDoEvents(std::function<void()> doEvents) { m_doEvents = std::move(doEvents); }
    // Ends the listing: the running or next MoveNext returns false.
    void Stop() { m_stopped = true; }

private:
    bool OpenDirectory(const QString &dir, int *errorNumber);
    bool Matches(const QString &name) const;
    // Records an entry passed over when it would have counted.
    void NoteSkipped(const QString &dir, const QByteArray &raw);

    QString m_currentDir;
    QString m_filter;
    QStringList m_patterns;     // the non-empty pieces of the filter
    bool m_invertMatch = false;
    bool m_recurse = false;
    bool m_listDirectories = false;

    std::vector<QString> m_entries; // names of the current folder, sorted
    std::size_t m_nextEntry = 0;
    QString m_currentName;
    std::deque<QString> m_queue;    // folders still to read; front = being read
    QSet<std::pair<quint64, quint64>> m_visited; // device and inode of folders read

    QStringList m_skipped;
    qint64 m_currentFileSize = 0;
    qint64 m_dirSize = 0;
    bool m_started = false;
    bool m_ended = false;
    bool m_stopped = false;
    std::function<void()> m_doEvents;
};

} // namespace vexl
