#include "widgetdialogservice.h"

#include "frmerror.h"
#include "frmftplogin.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace vexl {

namespace {
QWidget *owner()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

QMessageBox::Icon toIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MsgAnswer WidgetDialogService::message(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    QMessageBox box(toIcon(icon), title, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    QMessageBox::NoButton, owner());
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    }
}

std::optional<QString> WidgetDialogService::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), title, QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                                               QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> WidgetDialogService::chooseFolder(const QString &start, const QString &title)
{
    const QString dir = QFileDialog::getExistingDirectory(owner(), title, start);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

void WidgetDialogService::showErrorReport(const ErrorReport &r)
{
    // The dialog is made on first use and reused.
    static QPointer<frmError> dialog;
    if (!dialog)
        dialog = new frmError(owner());
    dialog->setReport(r);
    dialog->exec();
}

std::optional<LoginAnswer> WidgetDialogService::promptLogin(const QString &server, const QString &username,
                                                             const QString &password)
{
    static QPointer<frmFTPLogin> dialog;
    if (!dialog)
        dialog = new frmFTPLogin(owner());
    return dialog->prompt(server, username, password);
}

} // namespace vexl
