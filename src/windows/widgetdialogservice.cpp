#include "widgetdialogservice.h"

#include "colourscheme.h"
#include "frmerror.h"
#include "frmftplogin.h"
#include "frmrunsummary.h"
#include "frmselectoutputdir.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace vexl {

namespace {
QWidget *owner()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    if (QWidget *w = QApplication::activeWindow())
        return w;
    // No window has the focus (another program has it): the program's main window.
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w->isVisible() && qobject_cast<QMainWindow *>(w))
            return w;
    return nullptr;
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
    // Made on first use, hidden when closed and reused.
    static QPointer<frmSelectOutputDir> chooser;
    if (!chooser)
        chooser = new frmSelectOutputDir(owner());
    return chooser->choose(start, title);
}

std::optional<QString> WidgetDialogService::chooseFile(bool save, const QString &title, const QString &start,
                                                      const QString &filter)
{
    const QString file = save ? QFileDialog::getSaveFileName(owner(), title, start, filter)
                              : QFileDialog::getOpenFileName(owner(), title, start, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<FontChoice> WidgetDialogService::chooseFont(const QString &face, int size)
{
    QFont preset(face);
    if (size > 0)
        preset.setPointSize(size);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, preset, owner());
    if (!ok)
        return std::nullopt;
    FontChoice choice;
    choice.face = font.family();
    choice.size = font.pointSize();
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeout = font.strikeOut();
    return choice;
}

std::optional<qint32> WidgetDialogService::chooseColour(qint32 colour)
{
    const QColor chosen = QColorDialog::getColor(WinColour(colour), owner());
    if (!chosen.isValid())
        return std::nullopt;
    return ToWinColour(chosen);
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

void WidgetDialogService::showRunSummary(const RunSummary &summary)
{
    frmRunSummary dialog(summary, owner());
    dialog.exec();
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
