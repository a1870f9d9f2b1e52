#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmFTPTest;
}

namespace vexl {

class CFtpClient;

// The connection test: logs in to the current connection, enters its default
// folder and lists it, showing the protocol log and the session status.
// Opened after Ftp().current, ConnectPending and LoginAttempts have been set;
// the first activation starts the test.
class frmFTPTest final : public QDialog
{
    Q_OBJECT
public:
    explicit frmFTPTest(QWidget *parent = nullptr);
    ~frmFTPTest() override;

    // The client of the test in progress (none once the session is closed).
    CFtpClient *client() const { return m_client; }
    // The test has reached its final result.
    bool ended() const { return m_ended; }

public slots:
    void cmdClose_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void reject() override;

private:
    void Form_Activate();
    void startTest();
    void closeSession();

    void m_objFtpClient_OnConnect(int result);
    void m_objFtpClient_OnSetCurrentDirectory(int result);
    void m_objFtpClient_OnEnumFiles(int result);
    void m_objFtpClient_OnStateChange(int state);
    void m_objFtpClient_SessionProtocolMessage(const QString &message, int kind);

    std::unique_ptr<Ui::frmFTPTest> m_ui;
    CFtpClient *m_client = nullptr;
    bool m_ended = false;
};

} // namespace vexl
