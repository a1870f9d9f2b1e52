#pragma once

#include "settings/ftpconnections.h"

#include <QDialog>
#include <memory>

class QLineEdit;

namespace Ui {
class frmFTPConnections;
}

namespace vexl {

class frmFTPSelectOutputDir;
class frmFTPTest;

// The saved-connections editor: add, change, remove, test a connection and
// browse for its default folder. Every change is stored at once and announced
// through connectionsChanged(), so the main window can rebuild its output list.
// Opened after Ftp().RefreshConnectionList has been set.
class frmFTPConnections final : public QDialog
{
    Q_OBJECT
public:
    explicit frmFTPConnections(QWidget *parent = nullptr);
    ~frmFTPConnections() override;

    // The connection last selected or saved (empty Name after a refused save).
    const FTPConnection &editedRecord() const { return m_edited; }
    // The test window and the folder browser, made on first use.
    frmFTPTest *testWindow();
    frmFTPSelectOutputDir *browser();

signals:
    void connectionsChanged();

public slots:
    void lstConnections_Click();
    void cmdSave_Click();
    void cmdRemove_Click();
    void cmdTest_Click();
    void cmdBrowse_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Form_Activate();
    void RefreshFTPConnList(const QString &select = QString());
    void saveAndAnnounce();
    bool fieldError(const char *key, QLineEdit *field, const QString &extra = QString());
    void chkIsAnnonymous_Click();
    void txtTimeout_Change();
    QString selectedName() const;

    std::unique_ptr<Ui::frmFTPConnections> m_ui;
    FTPConnection m_edited;
    frmFTPTest *m_test = nullptr;
    frmFTPSelectOutputDir *m_browser = nullptr;
    QString m_previousTimeout = QStringLiteral("30");
};

} // namespace vexl
