#pragma once

#include "support/runsummary.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmRunSummary;
}

namespace vexl {

// The end of a run: "Process Finished!", the counts, and a row for each image
// that did not go as planned with the question asked and its answer, or the
// error. The output folder opens from here; the whole text copies to the clipboard.
class frmRunSummary final : public QDialog
{
    Q_OBJECT
public:
    explicit frmRunSummary(const RunSummary &summary, QWidget *parent = nullptr);
    ~frmRunSummary() override;

    const RunSummary &summary() const { return m_summary; }

public slots:
    void cmdOpenFolder_Click();
    void cmdCopy_Click();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();

    std::unique_ptr<Ui::frmRunSummary> m_ui;
    RunSummary m_summary;
};

} // namespace vexl
