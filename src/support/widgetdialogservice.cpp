#include "widgetdialogservice.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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
    QMessageBox box(QMessageBox::Critical, r.title,
                    QStringLiteral("An Error Has Occured!\n\nID: %1\nDescription: %2").arg(r.errNumber).arg(r.description),
                    QMessageBox::Ok, owner());
    box.setDetailedText(QStringLiteral("SOURCE: %1/%2\r\nNUMBER: %3\r\nOPERATION: %4\r\nFATAL: %5\r\nDESCRIPTION: %6\r\nSETTINGS: \r\n%7")
                            .arg(r.errSource, r.procedureName)
                            .arg(r.errNumber)
                            .arg(r.operation, r.fatal ? QStringLiteral("True") : QStringLiteral("False"), r.errDescription,
                                 r.settings));
    box.exec();
}

} // namespace vexl
