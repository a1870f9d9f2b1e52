#pragma once

#include "support/vexlerror.h"

#include <QDialog>
#include <memory>

class QMenu;
class QTreeWidgetItem;

namespace Ui {
class frmFTPSelectOutputDir;
}

namespace vexl {

class CFtpClient;

// The remote folder browser: connects to the current connection's server on
// its first activation, lists the folders of the current remote folder, lets
// the user walk, create, rename and delete folders and pick one. The opener
// sets Ftp().current, ConnectPending and LoginAttempts and the starting folder,
// and reads the chosen folder after the window has closed.
class frmFTPSelectOutputDir final : public QDialog
{
    Q_OBJECT
public:
    explicit frmFTPSelectOutputDir(QWidget *parent = nullptr);
    ~frmFTPSelectOutputDir() override;

    // The hidden label SelectedOutputDir: the starting folder in, the chosen one out.
    void setSelectedOutputDir(const QString &folder);
    QString selectedOutputDir() const;
    CFtpClient *client() const { return m_client; }

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdCreateDir_Click();
    void mnuOpen_Click();
    void mnuRename_Click();
    void mnuDelete_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    void Form_Activate();
    void connectToServer();
    void closeSession();
    bool idle() const;
    void setCommandsEnabled(bool enabled);
    void openItem(QTreeWidgetItem *item);
    void renameTo(QTreeWidgetItem *item, const QString &newName, const QString &errorTitle);
    QString folderPath(const QString &name) const;
    // A method that timed out is still pending: end it (the cancel is not reported).
    void settle(int result);
    void report(const VexlError &e, const char *procedure, const QString &operation);

    void m_objFtpClient_OnConnect(int result);
    void m_objFtpClient_OnSetCurrentDirectory(int result);
    void m_objFtpClient_OnGetCurrentDirectory(int result);
    void m_objFtpClient_OnEnumFiles(int result);
    void m_objFtpClient_OnFolderCommand(int result, const char *messageKey, const QString &title);
    void m_objFtpClient_OnStateChange(int state);
    void m_objFtpClient_SessionProtocolMessage(const QString &message, int kind);
    void lvwFTPDir_AfterLabelEdit(QTreeWidgetItem *item, int column);

    std::unique_ptr<Ui::frmFTPSelectOutputDir> m_ui;
    QMenu *m_mnuDirCmds = nullptr;
    CFtpClient *m_client = nullptr;
    bool m_closing = false;
    bool m_connecting = false;
    bool m_ended = false;
    bool m_filling = false;   // the list is being filled: label changes are not renames
    bool m_settling = false;  // a timed-out method is being cancelled
    QString m_lastSetDirectory;
};

} // namespace vexl
