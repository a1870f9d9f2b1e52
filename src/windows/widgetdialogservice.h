#pragma once

#include "support/dialogservice.h"

namespace vexl {

// The dialog service of the running program: Qt's message, input, font and
// colour dialogs and the program's folder chooser, over the active window.
class WidgetDialogService final : public DialogService
{
public:
    MsgAnswer message(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> chooseFolder(const QString &start, const QString &title) override;
    std::optional<QString> chooseFile(bool save, const QString &title, const QString &start,
                                      const QString &filter) override;
    std::optional<FontChoice> chooseFont(const QString &face, int size) override;
    std::optional<qint32> chooseColour(qint32 colour) override;
    void showErrorReport(const ErrorReport &report) override;
    // frmRunSummary over the active window.
    void showRunSummary(const RunSummary &summary) override;
    // frmFTPLogin, made on first use and reused.
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                           const QString &password) override;
};

} // namespace vexl
