#pragma once

#include "support/dialogservice.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmError;
}

namespace vexl {

// The error report: what failed, where and during which step, with the details
// a user can send to the bug reporter.
class frmError final : public QDialog
{
    Q_OBJECT
public:
    explicit frmError(QWidget *parent = nullptr);
    ~frmError() override;

    // Fills the dialog from the report (it does not show it).
    void setReport(const ErrorReport &report);
    // The address "Send Error Infomation to Bug Reporter" opens.
    QString bugReportUrl() const;

    // The details text: SOURCE, NUMBER, OPERATION, FATAL, DESCRIPTION and SETTINGS lines.
    static QString DetailsText(const ErrorReport &report);

public slots:
    void cmdSendToQuillmere_Click();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::frmError> m_ui;
    QString m_description;
    QString m_encodedProgramId;
    QString m_encodedWindow;
    QString m_encodedDetails;
    QString m_version;
};

} // namespace vexl
