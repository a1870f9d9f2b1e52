#include "frmgo.h"

#include "ui_frmgo.h"

#include "support/dialogservice.h"
#include "settings/ftpconnections.h"
#include "ftplogview.h"
#include "support/messages.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace vexl {

namespace {
// The window is 2475 twips high (5355 with the FTP panel) at 15 twips per
// pixel, caption and frame included: 165 and 357 pixels less the 30 pixels of
// a classic caption and frame give the client heights. The stop button then
// sits at about 102 pixels (1530 twips) from the top of the small window.
constexpr int kSmallHeight = 135;
constexpr int kLargeHeight = 327;
} // namespace

frmGo::frmGo(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmGo>())
{
    m_ui->setupUi(this);
    // A dialog does not take its owner's font by itself; it should match the
    // main window's.
    if (parent)
        setFont(parent->font());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedWidth(440);
    m_timDoEvents.setObjectName(QStringLiteral("timDoEvents"));
    m_timDoEvents.setInterval(250);
    connect(m_ui->cmdStopProcess, &QPushButton::clicked, this, &frmGo::cmdStopProcess_Click);
    setFtpMode(false);
}

frmGo::~frmGo() = default;

BatchOutcome frmGo::runBatch(const ProcessSettings &settings, const BatchInput &input)
{
    m_settings = &settings;
    m_input = &input;
    m_outcome = BatchOutcome::NotStarted;
    m_run.setStartRequest();
    exec();
    m_settings = nullptr;
    m_input = nullptr;
    return m_outcome;
}

void frmGo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &frmGo::Form_Activate);
}

void frmGo::Form_Activate()
{
    if (!m_settings || !m_input)
        return;
    m_ui->cmdStopProcess->setEnabled(true);
    m_ui->cmdStopProcess->setText(Msg("msgStopProcessingImages"));
    m_ui->lblFTPTransfer->clear();
    // Nothing of the last run stays on show: a run that ends at once ("Please
    // Select at least 1 Image") must not look as if it had processed an image.
    setImageText(QString());
    setStatus(QString());
    m_ui->lblScene->clear();
    m_ui->proProcess->setValue(m_ui->proProcess->minimum());
    m_timDoEvents.start();
    const BatchOutcome outcome = m_run.Run(*m_settings, *m_input, *this);
    if (outcome != BatchOutcome::NotStarted)
        m_outcome = outcome;
    if (isVisible())
        hide();
}

void frmGo::cmdStopProcess_Click()
{
    m_ui->cmdStopProcess->setEnabled(false);
    m_ui->cmdStopProcess->setText(Msg("msgStoppingProcess"));
    m_run.requestStop();
}

void frmGo::closeEvent(QCloseEvent *event)
{
    // While a run is in progress the window cannot be closed: Stop is the way out.
    if (m_run.running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmGo::reject()
{
    if (m_run.running())
        return;
    QDialog::reject();
}

void frmGo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

MsgAnswer frmGo::ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    return DialogService::current().message(text, buttons, icon, title);
}

void frmGo::reportError(const ErrorReport &report)
{
    DisplayError(report);
}

void frmGo::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

QString frmGo::caption() const
{
    return windowTitle();
}

void frmGo::setStatus(const QString &text)
{
    m_statusText = text;
    showElided(m_ui->lblStatus, text, Qt::ElideRight);
}

void frmGo::setImageText(const QString &text)
{
    m_imageText = text;
    showElided(m_ui->lblImage, text, Qt::ElideMiddle);
}

QString frmGo::statusText() const
{
    return m_statusText;
}

QString frmGo::imageText() const
{
    return m_imageText;
}

// Long names and paths are cut to the label's width (the whole text in the
// tool tip) instead of running past the window's edge.
void frmGo::showElided(QLabel *label, const QString &text, Qt::TextElideMode mode)
{
    const int width = label->contentsRect().width();
    const QString shown = width > 0 ? label->fontMetrics().elidedText(text, mode, width) : text;
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void frmGo::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showElided(m_ui->lblStatus, m_statusText, Qt::ElideRight);
    showElided(m_ui->lblImage, m_imageText, Qt::ElideMiddle);
}

void frmGo::setSceneText(const QString &text)
{
    m_ui->lblScene->setText(text);
}

void frmGo::setProgressRange(int minimum, int maximum)
{
    m_ui->proProcess->setRange(minimum, maximum);
}

void frmGo::setProgressValue(int value)
{
    m_ui->proProcess->setValue(value);
}

void frmGo::setFtpMode(bool ftp)
{
    m_ui->fraFTPStatus->setVisible(ftp);
    setFixedHeight(ftp ? kLargeHeight : kSmallHeight);
}

void frmGo::doEvents()
{
    QCoreApplication::processEvents();
}

void frmGo::runClosing()
{
    m_timDoEvents.stop();
    hide();
}

void frmGo::runFinished(const RunSummary &summary)
{
    DialogService::current().showRunSummary(summary);
}

// ---------------------------------------------------------------- FTP panel

void frmGo::clearFtpLog()
{
    m_ui->rtxtFTPLog->clear();
}

void frmGo::ftpLogLine(const QString &text, int kind)
{
    AppendFtpLogLine(m_ui->rtxtFTPLog, text, kind);
}

void frmGo::setFtpStatus(const QString &text)
{
    m_ui->staFTPStatus->setText(text);
}

void frmGo::setFtpTransfer(const QString &text)
{
    m_ui->lblFTPTransfer->setText(text);
}

void frmGo::setFtpProgress(int percent)
{
    m_ui->proFTP->setRange(0, 100);
    m_ui->proFTP->setValue(percent);
}

std::optional<LoginAnswer> frmGo::promptLogin(const QString &server, const QString &username, const QString &password)
{
    if (!AskFtpLogin(server, username, password))
        return std::nullopt;
    const FtpState &ftp = Ftp();
    return LoginAnswer{ftp.LoginUsername, ftp.LoginPassword, ftp.RememberLogin};
}

} // namespace vexl
