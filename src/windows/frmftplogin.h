#pragma once

#include "support/dialogservice.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmFTPLogin;
}

namespace vexl {

// The login prompt for a connection without a saved password. Its answer goes
// to Ftp()'s LoginUsername, LoginPassword and RememberLogin.
class frmFTPLogin final : public QDialog
{
    Q_OBJECT
public:
    explicit frmFTPLogin(QWidget *parent = nullptr);
    ~frmFTPLogin() override;

    // Shows the prompt modally for `server` with the fields preset; the answer,
    // or no value when it was cancelled.
    std::optional<LoginAnswer> prompt(const QString &server, const QString &username, const QString &password);

public slots:
    void cmdLogin_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    void Form_Activate();
    void refreshLoginButton();

    std::unique_ptr<Ui::frmFTPLogin> m_ui;
};

} // namespace vexl
