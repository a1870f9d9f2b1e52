#include "frmftplogin.h"

#include "ui_frmftplogin.h"

#include "settings/ftpconnections.h"

#include <QEvent>
#include <QTimer>

namespace vexl {

frmFTPLogin::frmFTPLogin(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmFTPLogin>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setMinimumWidth(320);
    connect(m_ui->cmdLogin, &QPushButton::clicked, this, &frmFTPLogin::cmdLogin_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &frmFTPLogin::cmdCancel_Click);
    connect(m_ui->txtUsername, &QLineEdit::textChanged, this, &frmFTPLogin::refreshLoginButton);
    connect(m_ui->txtPassword, &QLineEdit::textChanged, this, &frmFTPLogin::refreshLoginButton);
    connect(m_ui->txtPassword, &QLineEdit::returnPressed, this, [this] {
        if (!m_ui->txtPassword->text().isEmpty())
            cmdLogin_Click();
    });
    m_ui->txtUsername->installEventFilter(this);
    m_ui->txtPassword->installEventFilter(this);
    refreshLoginButton();
}

frmFTPLogin::~frmFTPLogin()
{
    FtpState &ftp = Ftp();
    ftp.LoginUsername.clear();
    ftp.LoginPassword.clear();
    ftp.RememberLogin = false;
}

std::optional<LoginAnswer> frmFTPLogin::prompt(const QString &server, const QString &username, const QString &password)
{
    m_ui->lblServer->setText(server);
    m_ui->txtUsername->setText(username);
    m_ui->txtPassword->setText(password);
    exec();
    const FtpState &ftp = Ftp();
    if (ftp.LoginUsername.isEmpty() && ftp.LoginPassword.isEmpty())
        return std::nullopt;
    return LoginAnswer{ftp.LoginUsername, ftp.LoginPassword, ftp.RememberLogin};
}

void frmFTPLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmFTPLogin::Form_Activate()
{
    FtpState &ftp = Ftp();
    ftp.LoginUsername.clear();
    ftp.LoginPassword.clear();
    ftp.RememberLogin = false;
    m_ui->chkRemember->setChecked(false);
    m_ui->txtPassword->setFocus();
    refreshLoginButton();
}

void frmFTPLogin::refreshLoginButton()
{
    m_ui->cmdLogin->setEnabled(!m_ui->txtUsername->text().isEmpty() && !m_ui->txtPassword->text().isEmpty());
}

void frmFTPLogin::cmdLogin_Click()
{
    FtpState &ftp = Ftp();
    ftp.LoginUsername = m_ui->txtUsername->text();
    ftp.LoginPassword = m_ui->txtPassword->text();
    ftp.RememberLogin = m_ui->chkRemember->isChecked();
    accept();
}

void frmFTPLogin::cmdCancel_Click()
{
    m_ui->txtUsername->clear();
    m_ui->txtPassword->clear();
    m_ui->chkRemember->setChecked(false);
    FtpState &ftp = Ftp();
    ftp.LoginUsername.clear();
    ftp.LoginPassword.clear();
    ftp.RememberLogin = false;
    QDialog::reject();
}

void frmFTPLogin::reject()
{
    cmdCancel_Click();
}

bool frmFTPLogin::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a field selects its whole text.
    if (event->type() == QEvent::FocusIn) {
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void frmFTPLogin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

} // namespace vexl
