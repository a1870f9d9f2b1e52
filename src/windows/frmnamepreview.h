#pragma once

#include "engine/outputplan.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmNamePreview;
}

namespace vexl {

struct BatchInput;

// The names a run will give: for every ticked image in list order, where its
// result goes and under which name, with the name collisions the run will ask
// about and the numbers it passes over. Made by the run's own planning, without
// opening an image. "Start >>>" closes the window and starts the run.
class frmNamePreview final : public QDialog
{
    Q_OBJECT
public:
    explicit frmNamePreview(QWidget *parent = nullptr);
    ~frmNamePreview() override;

    // Plans the run and fills the list.
    void showPlan(const ProcessSettings &settings, const BatchInput &input);
    // Whether the window was closed with "Start >>>".
    bool startChosen() const { return m_start; }
    const QList<PlannedImage> &plan() const { return m_plan; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();

    std::unique_ptr<Ui::frmNamePreview> m_ui;
    QList<PlannedImage> m_plan;
    QString m_outputBase;
    QString m_shownBase; // how the output folder is named in the list
    QString m_planError;
    bool m_start = false;
};

} // namespace vexl
