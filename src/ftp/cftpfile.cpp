#include "cftpfile.h"

#include "support/vexlerror.h"

namespace vexl {

namespace {

[[noreturn]] void collectionError(int number, const char *operation)
{
    const char *text = number == 457 ? "This key is already associated with an element of this collection"
                     : number == 9   ? "Subscript out of range"
                                     : "Invalid procedure call or argument";
    throw VexlError{number, QString::fromLatin1(text), QStringLiteral("CFtpFiles.%1").arg(QLatin1String(operation)), 0};
}

} // namespace

const CFtpFile &CFtpFiles::Add(const CFtpFile &entry, const QString &key)
{
    if (m_index.contains(key))
        collectionError(457, "Add");
    m_index.insert(key, int(m_items.size()));
    m_items.append(entry);
    m_keys.append(key);
    return m_items.constLast();
}

const CFtpFile &CFtpFiles::Item(int index) const
{
    if (index < 1 || index > m_items.size())
        collectionError(9, "Item");
    return m_items.at(index - 1);
}

const CFtpFile &CFtpFiles::Item(const QString &key) const
{
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd())
        collectionError(5, "Item");
    return m_items.at(*it);
}

void CFtpFiles::Remove(int index)
{
    if (index < 1 || index > m_items.size())
        collectionError(9, "Remove");
    m_items.removeAt(index - 1);
    m_keys.removeAt(index - 1);
    reindex();
}

void CFtpFiles::Remove(const QString &key)
{
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd())
        collectionError(5, "Remove");
    Remove(*it + 1);
}

void CFtpFiles::reindex()
{
    m_index.clear();
    for (int i = 0; i < m_keys.size(); ++i)
        m_index.insert(m_keys.at(i), i);
}

} // namespace vexl
