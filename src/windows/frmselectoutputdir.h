#pragma once

#include <QDialog>
#include <memory>
#include <optional>

class QMenu;
class QTreeWidgetItem;

namespace Ui {
class frmSelectOutputDir;
}

namespace vexl {

// The local folder chooser: a tree of folders that starts at the user's
// Desktop, home folder and the file system's root, with "Make New Folder...".
class frmSelectOutputDir final : public QDialog
{
    Q_OBJECT
public:
    explicit frmSelectOutputDir(QWidget *parent = nullptr);
    ~frmSelectOutputDir() override;

    // Shows the chooser modally with `title`, the tree opened at `start` when it
    // names a folder. The chosen folder on OK, nothing on Cancel.
    std::optional<QString> choose(const QString &start, const QString &title);

    // The folder OK would give; empty when nothing may be chosen.
    QString selectedPath() const { return m_selectedPath; }
    // Opens the tree down to `path` and selects it; false when it is not reachable.
    bool selectFolder(const QString &path);
    // Reads the selected folder's sub-folders again.
    void refreshSelected();

public slots:
    void cmdMakeFolder_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Kind { Folder, Desktop };
    void Form_Load();
    void ftvOutputFolder_FolderClick(QTreeWidgetItem *item);
    QTreeWidgetItem *addFolder(QTreeWidgetItem *parent, const QString &name, const QString &path, Kind kind);
    void loadChildren(QTreeWidgetItem *item, bool again = false);
    void reportError(int line, const QString &description, const QString &procedure, const QString &operation);

    std::unique_ptr<Ui::frmSelectOutputDir> m_ui;
    QMenu *m_mnuFolderClick = nullptr;
    QString m_selectedPath;
};

} // namespace vexl
