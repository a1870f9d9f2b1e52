#include "frmerror.h"

#include "ui_frmerror.h"

#include "shellopen.h"
#include "support/appversion.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QStyle>
#include <QUrl>

namespace vexl {

frmError::frmError(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmError>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->imgError->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    resize(520, 380);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdSendToQuillmere, &QPushButton::clicked, this, &frmError::cmdSendToQuillmere_Click);
}

frmError::~frmError() = default;

QString frmError::DetailsText(const ErrorReport &r)
{
    const QStringList lines = {
        QStringLiteral("SOURCE: ") + r.errSource + QLatin1Char('/') + r.procedureName,
        QStringLiteral("NUMBER: ") + QString::number(r.errNumber),
        QStringLiteral("OPERATION: ") + r.operation,
        QStringLiteral("FATAL: ") + (r.fatal ? QStringLiteral("True") : QStringLiteral("False")),
        QStringLiteral("DESCRIPTION: ") + r.errDescription,
        QStringLiteral("SETTINGS: ") + QStringLiteral("\r\n") + r.settings,
    };
    return lines.join(QStringLiteral("\r\n"));
}

void frmError::setReport(const ErrorReport &r)
{
    setWindowTitle(r.title);
    m_ui->lblID->setText(QString::number(r.errNumber));
    m_description = r.description;
    m_ui->lblDescription->setText(QCoreApplication::translate("frmError", "Description: ") + r.description);
    m_encodedProgramId = UrlEncode(r.programId);
    m_encodedWindow = UrlEncode(r.windowName);
    m_version = GetAppVersion();
    const QString details = DetailsText(r);
    m_ui->txtDetails->setPlainText(QString(details).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    m_encodedDetails = UrlEncode(details);
}

QString frmError::bugReportUrl() const
{
    return WebBaseAddress() + QStringLiteral("feedback.php?type=bug") + QStringLiteral("&progid=") + m_encodedProgramId
        + QStringLiteral("&progver=") + m_version + QStringLiteral("&window=") + m_encodedWindow
        + QStringLiteral("&desc=") + m_encodedDetails;
}

void frmError::cmdSendToQuillmere_Click()
{
    ShellOpen(QUrl::fromEncoded(bugReportUrl().toUtf8(), QUrl::TolerantMode));
}

void frmError::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_ui->lblDescription->setText(QCoreApplication::translate("frmError", "Description: ") + m_description);
    }
    QDialog::changeEvent(event);
}

} // namespace vexl
