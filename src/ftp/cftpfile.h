#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

namespace vexl {

// One entry of a remote directory listing.
class CFtpFile
{
public:
    // Entry name; for a symbolic link the part before " -> ".
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    // Modification time as read from the listing; invalid when it did not convert.
    QDateTime LastWriteTime() const { return m_lastWriteTime; }
    void setLastWriteTime(const QDateTime &time) { m_lastWriteTime = time; }
    // Size in bytes (0 for DOS-layout directories).
    qint64 FileSize() const { return m_fileSize; }
    void setFileSize(qint64 size) { m_fileSize = size; }
    bool IsDirectory() const { return m_isDirectory; }
    void setIsDirectory(bool isDirectory) { m_isDirectory = isDirectory; }
    // Target of a symbolic link; otherwise empty.
    QString FilePath() const { return m_filePath; }
    void setFilePath(const QString &path) { m_filePath = path; }
    // UNIX permission column ("drwxr-xr-x"), owner and group columns; the group
    // stays empty for a line without one.
    QString Permissions() const { return m_permissions; }
    void setPermissions(const QString &permissions) { m_permissions = permissions; }
    QString Owner() const { return m_owner; }
    void setOwner(const QString &owner) { m_owner = owner; }
    QString Group() const { return m_group; }
    void setGroup(const QString &group) { m_group = group; }

private:
    QString m_fileName;
    QDateTime m_lastWriteTime;
    qint64 m_fileSize = 0;
    bool m_isDirectory = false;
    QString m_filePath;
    QString m_permissions;
    QString m_owner;
    QString m_group;
};

// An ordered collection of entries keyed by name (keys compare exactly: a
// remote file system may hold both "Docs" and "docs"). Positions are 1-based.
class CFtpFiles
{
public:
    // Appends `entry` under `key`; a key already present throws 457.
    const CFtpFile &Add(const CFtpFile &entry, const QString &key);
    // By 1-based position (out of range throws 9) or by key (unknown throws 5).
    const CFtpFile &Item(int index) const;
    const CFtpFile &Item(const QString &key) const;
    int Count() const { return int(m_items.size()); }
    void Remove(int index);
    void Remove(const QString &key);
    bool Contains(const QString &key) const { return m_index.contains(key); }

    // NewEnum: the entries in insertion order.
    QList<CFtpFile>::const_iterator begin() const { return m_items.cbegin(); }
    QList<CFtpFile>::const_iterator end() const { return m_items.cend(); }

private:
    void reindex();

    QList<CFtpFile> m_items;
    QList<QString> m_keys;
    QHash<QString, int> m_index; // key -> 0-based position
};

} // namespace vexl
