#include "frmftpconnections.h"

#include "ui_frmftpconnections.h"

#include "dialogfailure.h"
#include "support/dialogservice.h"
#include "frmftpselectoutputdir.h"
#include "frmftptest.h"
#include "settings/fieldrules.h"
#include "settings/processsettings.h"
#include "settings/settingsstore.h"
#include "support/messages.h"

#include <QSignalBlocker>
#include <QStyle>

namespace vexl {

namespace {
const QString kFieldError = QStringLiteral("Field Error");

// The number a text starts with (blanks first are skipped); 0 when none.
qint64 leadingNumber(const QString &text)
{
    const QString t = text.trimmed();
    int i = 0;
    const bool negative = i < t.size() && t.at(i) == QLatin1Char('-');
    if (negative || (i < t.size() && t.at(i) == QLatin1Char('+')))
        ++i;
    qint64 n = 0;
    for (; i < t.size() && t.at(i).isDigit() && n < 1000000000; ++i)
        n = n * 10 + t.at(i).digitValue();
    return negative ? -n : n;
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// A caption as a message names its field: "&Default Path" -> "Default Path".
QString fieldName(const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

bool isHostCharacter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || c == QLatin1Char('-') || c == QLatin1Char('.');
}
} // namespace

frmFTPConnections::frmFTPConnections(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmFTPConnections>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->cmdBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    connect(m_ui->lstConnections, &QListWidget::currentRowChanged, this, &frmFTPConnections::lstConnections_Click);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &frmFTPConnections::cmdSave_Click);
    connect(m_ui->cmdRemove, &QPushButton::clicked, this, &frmFTPConnections::cmdRemove_Click);
    connect(m_ui->cmdTest, &QPushButton::clicked, this, &frmFTPConnections::cmdTest_Click);
    connect(m_ui->cmdBrowse, &QPushButton::clicked, this, &frmFTPConnections::cmdBrowse_Click);
    connect(m_ui->chkIsAnnonymous, &QCheckBox::toggled, this, &frmFTPConnections::chkIsAnnonymous_Click);
    connect(m_ui->chkSavePassword, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            m_ui->txtPassword->clear();
    });
    connect(m_ui->txtPassword, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_ui->chkSavePassword->setChecked(!text.isEmpty()); });
    connect(m_ui->txtDefaultPath, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty()) {
            m_ui->txtDefaultPath->setText(QStringLiteral("/"));
            m_ui->txtDefaultPath->setCursorPosition(1);
        }
    });
    connect(m_ui->txtTimeout, &QLineEdit::textChanged, this, &frmFTPConnections::txtTimeout_Change);
}

frmFTPConnections::~frmFTPConnections() = default;

frmFTPTest *frmFTPConnections::testWindow()
{
    if (!m_test)
        m_test = new frmFTPTest(this);
    return m_test;
}

frmFTPSelectOutputDir *frmFTPConnections::browser()
{
    if (!m_browser)
        m_browser = new frmFTPSelectOutputDir(this);
    return m_browser;
}

void frmFTPConnections::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmFTPConnections::Form_Activate()
{
    if (Ftp().RefreshConnectionList)
        RefreshFTPConnList();
    Ftp().RefreshConnectionList = false;
}

void frmFTPConnections::RefreshFTPConnList(const QString &select)
{
    // The list is sorted: the selection follows the connection's name, never its row.
    const QString name = select.isNull() ? selectedName() : select;
    {
        const QSignalBlocker block(m_ui->lstConnections);
        m_ui->lstConnections->clear();
        for (const FTPConnection &c : std::as_const(Ftp().connections))
            m_ui->lstConnections->addItem(c.Name);
    }
    const QList<QListWidgetItem *> found = m_ui->lstConnections->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!name.isEmpty() && !found.isEmpty())
        m_ui->lstConnections->setCurrentItem(found.first());
}

QString frmFTPConnections::selectedName() const
{
    const QListWidgetItem *item = m_ui->lstConnections->currentItem();
    return item ? item->text() : QString();
}

void frmFTPConnections::lstConnections_Click()
{
    QListWidgetItem *item = m_ui->lstConnections->currentItem();
    if (!item)
        return;
    const QString text = item->text();
    m_edited = FindFTPConnection(Ftp().connections, text).first;
    if (m_edited.Name != text) {
        const QSignalBlocker block(m_ui->lstConnections);
        delete m_ui->lstConnections->takeItem(m_ui->lstConnections->row(item));
    }
    m_ui->txtName->setText(m_edited.Name);
    m_ui->txtHost->setText(m_edited.Server);
    m_ui->txtPort->setText(QString::number(m_edited.Port));
    m_ui->txtDefaultPath->setText(m_edited.DefaultPath);
    m_ui->chkIsAnnonymous->setChecked(m_edited.IsAnnonymous);
    m_ui->txtUsername->setText(m_edited.Username);
    m_ui->txtTimeout->setText(QString::number(m_edited.Timeout));
    m_ui->chkUsePassiveMode->setChecked(m_edited.IsPassive);
    m_ui->chkSavePassword->setChecked(!m_edited.Password.isEmpty());
    m_ui->txtPassword->setText(m_edited.Password);
}

void frmFTPConnections::chkIsAnnonymous_Click()
{
    const bool named = !m_ui->chkIsAnnonymous->isChecked();
    m_ui->txtUsername->setEnabled(named);
    m_ui->txtPassword->setEnabled(named);
    m_ui->chkSavePassword->setEnabled(named);
    m_ui->lblUsername->setEnabled(named);
}

void frmFTPConnections::txtTimeout_Change()
{
    QLineEdit *field = m_ui->txtTimeout;
    const NumberCheck r = CheckRemoveNonNumbers(field->text(), true, false, 0, m_previousTimeout, field->cursorPosition());
    if (r.text != field->text()) {
        const int caret = qMax(0, field->cursorPosition() - r.removedBeforeCaret);
        const QSignalBlocker block(field);
        field->setText(r.text);
        field->setCursorPosition(qMin(caret, int(r.text.size())));
    }
    m_previousTimeout = r.text;
    if (r.numbersOnlyError)
        MsgBox(MsgX("msgNumbersOnly"), MsgButtons::Ok, MsgIcon::Exclamation, kFieldError);
}

bool frmFTPConnections::fieldError(const char *key, QLineEdit *field, const QString &extra)
{
    MsgBox(MsgX(key) + extra, MsgButtons::Ok, MsgIcon::Exclamation, kFieldError);
    field->setFocus();
    return false;
}

void frmFTPConnections::saveAndAnnounce()
{
    SettingsStore store;
    SaveFTPConnections(store.raw(), Ftp().connections);
    emit connectionsChanged();
}

void frmFTPConnections::cmdSave_Click()
{
    m_edited.Name.clear();
    try {
        if (m_ui->txtName->text().isEmpty()) {
            fieldError("msgConnectionNameRequired", m_ui->txtName);
            return;
        }
        // A line break would split the stored list of names (and the record
        // with it); no field of a connection has a use for control characters.
        const std::pair<QLineEdit *, QString> fields[] = {
            {m_ui->txtName, fieldName(m_ui->lblName->text())},
            {m_ui->txtHost, fieldName(m_ui->lblHost->text())},
            {m_ui->txtPort, fieldName(m_ui->lblPort->text())},
            {m_ui->txtTimeout, fieldName(m_ui->lblTimeout->text())},
            {m_ui->txtDefaultPath, fieldName(m_ui->fraDefaultPath->title())},
            {m_ui->txtUsername, fieldName(m_ui->lblUsername->text())},
            {m_ui->txtPassword, tr("Password")},
        };
        for (const auto &[edit, name] : fields) {
            if (hasControlCharacter(edit->text())) {
                MsgBox(tr("The field \"%1\" must not contain control characters such as line breaks or tabs.").arg(name),
                       MsgButtons::Ok, MsgIcon::Exclamation, kFieldError);
                edit->setFocus();
                return;
            }
        }
        // The output list stores the chosen connection by name between "//"
        // marks: a name that would not come back from there is refused.
        const QString item = QStringLiteral("FTP: ") + m_ui->txtName->text();
        if (DestinationIndexForToken(DestinationToken(2, item), {QString(), QString(), item, QString()}) != 2) {
            MsgBox(tr("The connection name \"%1\" must not contain \"//\".").arg(m_ui->txtName->text()), MsgButtons::Ok,
                   MsgIcon::Exclamation, kFieldError);
            m_ui->txtName->setFocus();
            return;
        }
        QString host = m_ui->txtHost->text();
        host.remove(QStringLiteral("ftp://"), Qt::CaseInsensitive);
        host = host.trimmed();
        m_ui->txtHost->setText(host);
        if (host.isEmpty()) {
            fieldError("msgServerRequired", m_ui->txtHost);
            return;
        }
        for (const QChar c : host) {
            if (!isHostCharacter(c.toLower())) {
                fieldError("msgServerBadCharacter", m_ui->txtHost, QStringLiteral(" (") + c + QLatin1Char(')'));
                return;
            }
        }
        // Ports go up to 65535 (the record holds 32 bits).
        const qint64 port = leadingNumber(m_ui->txtPort->text());
        if (port <= 0 || port > 65535) {
            fieldError("msgPortRequired", m_ui->txtPort);
            return;
        }
        if (!m_ui->chkIsAnnonymous->isChecked() && m_ui->txtUsername->text().isEmpty()) {
            fieldError("msgUsernameRequired", m_ui->txtUsername);
            return;
        }
        const qint64 timeout = leadingNumber(m_ui->txtTimeout->text());
        if (timeout < 5 || timeout > 500) {
            MsgBox(QStringLiteral("Timeout must be between 5 and 500 seconds."), MsgButtons::Ok, MsgIcon::Exclamation,
                   kFieldError);
            m_ui->txtTimeout->setFocus();
            return;
        }

        FTPConnection record;
        record.Name = m_ui->txtName->text();
        record.Server = host;
        record.Port = qint32(port);
        record.DefaultPath = m_ui->txtDefaultPath->text();
        record.IsAnnonymous = m_ui->chkIsAnnonymous->isChecked();
        record.Username = m_ui->txtUsername->text();
        record.Password = m_ui->txtPassword->text();
        record.IsPassive = m_ui->chkUsePassiveMode->isChecked();
        record.Timeout = qint16(timeout);

        FTPConnectionList &list = Ftp().connections;
        if (selectedName() == record.Name) {
            if (!UpdateFTPConnection(list, record)) {
                MsgBox(MsgX("msgNoConnectionForName").replace(QStringLiteral("[NAME]"), record.Name), MsgButtons::Ok,
                       MsgIcon::Exclamation, QStringLiteral("Name clash"));
                return;
            }
            m_edited = record;
            RefreshFTPConnList(record.Name);
            saveAndAnnounce();
        } else {
            if (!AddFTPConnection(list, record)) {
                MsgBox(MsgX("msgConnectionNameExists").replace(QStringLiteral("[NAME]"), record.Name), MsgButtons::Ok,
                       MsgIcon::Exclamation, QStringLiteral("Name clash"));
                return;
            }
            m_edited = record;
            RefreshFTPConnList(record.Name);
            saveAndAnnounce();
        }
    } catch (const VexlError &e) {
        m_edited.Name.clear();
        ReportDialogFailure(e, this, QStringLiteral("cmdSave_Click"), QStringLiteral("Saving Connection"));
    }
}

void frmFTPConnections::cmdRemove_Click()
{
    try {
        const QString name = selectedName();
        if (name.isEmpty()) {
            MsgBox(MsgX("msgSelectConnectionToRemove"), MsgButtons::Ok, MsgIcon::Exclamation, kFieldError);
            m_ui->lstConnections->setFocus();
            return;
        }
        if (MsgBox(MsgX("msgConfirmRemoveConnection").replace(QStringLiteral("[NAME]"), name), MsgButtons::YesNo,
                   MsgIcon::Question, QStringLiteral("Connection Remove Confirmation"))
            != MsgAnswer::Yes)
            return;
        SettingsStore store;
        if (!RemoveFTPConnection(Ftp().connections, store.raw(), name))
            MsgBox(MsgX("msgRemoveNameNotFound"), MsgButtons::Ok, MsgIcon::Exclamation,
                   QStringLiteral("Connection Remove Error"));
        RefreshFTPConnList();
        saveAndAnnounce();
    } catch (const VexlError &e) {
        ReportDialogFailure(e, this, QStringLiteral("cmdRemove_Click"), QStringLiteral("Removing Connection"));
    }
}

void frmFTPConnections::cmdTest_Click()
{
    try {
        if (m_ui->lstConnections->currentRow() < 0) {
            MsgBox(MsgX("msgSelectConnectionToTest"), MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("FTP Test"));
            return;
        }
        cmdSave_Click();
        if (!m_edited.Name.isEmpty()) {
            FtpState &ftp = Ftp();
            ftp.LoginAttempts = 0;
            ftp.current = m_edited;
            ftp.ConnectPending = true;
            testWindow()->exec();
        }
        const QString tested = m_edited.Name.isEmpty() ? selectedName() : m_edited.Name;
        RefreshFTPConnList(tested);
        lstConnections_Click();
    } catch (const VexlError &e) {
        ReportDialogFailure(e, this, QStringLiteral("cmdTest_Click"), QStringLiteral("Testing Connection"));
    }
}

void frmFTPConnections::cmdBrowse_Click()
{
    try {
        cmdSave_Click();
        if (m_edited.Name.isEmpty())
            return;
        FtpState &ftp = Ftp();
        ftp.current = m_edited;
        ftp.ConnectPending = true;
        ftp.LoginAttempts = 0;
        browser()->setSelectedOutputDir(m_ui->txtDefaultPath->text());
        browser()->exec();
        RefreshFTPConnList();
        const QString chosen = browser()->selectedOutputDir();
        if (chosen != m_ui->txtDefaultPath->text())
            m_ui->txtDefaultPath->setText(chosen);
    } catch (const VexlError &e) {
        ReportDialogFailure(e, this, QStringLiteral("cmdBrowse_Click"), QStringLiteral("Showing Browse Window"));
    }
}

void frmFTPConnections::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

} // namespace vexl
