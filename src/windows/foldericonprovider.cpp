#include "foldericonprovider.h"

#include <QFileInfo>

namespace vexl {

FolderIconProvider::FolderIconProvider()
    : m_folder(QFileIconProvider::icon(QFileIconProvider::Folder))
    , m_file(QFileIconProvider::icon(QFileIconProvider::File))
{
}

QIcon FolderIconProvider::icon(IconType type) const
{
    return QFileIconProvider::icon(type);
}

QIcon FolderIconProvider::icon(const QFileInfo &info) const
{
    return info.isDir() ? m_folder : m_file;
}

QString FolderIconProvider::type(const QFileInfo &info) const
{
    // Only the tree's hidden columns would show it.
    return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
}

} // namespace vexl
