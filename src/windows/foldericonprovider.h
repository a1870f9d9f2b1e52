#pragma once

#include <QFileIconProvider>

namespace vexl {

// Icons and type names for the folder tree that cost nothing per file. The
// default provider looks every file up in the MIME database (for the icon and
// the type text), on the window's thread, each time the tree's watcher sees a
// folder change: during a run into a folder the tree has loaded, that was
// tens of milliseconds at a time. The tree shows folders only, one column.
class FolderIconProvider final : public QFileIconProvider
{
public:
    FolderIconProvider();
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QIcon m_folder;
    QIcon m_file;
};

} // namespace vexl
