#pragma once

#include "engine/batchhost.h"
#include "engine/batchrun.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <memory>

namespace Ui {
class frmGo;
}

namespace vexl {

// The processing window: shown modally over the main window while a batch runs,
// hidden (not destroyed) afterwards so its values survive into the next run.
class frmGo final : public QDialog, public BatchHost
{
    Q_OBJECT
public:
    explicit frmGo(QWidget *parent = nullptr);
    ~frmGo() override;

    // Shows the window modally and runs the batch in its activation; returns
    // when the window has closed.
    BatchOutcome runBatch(const ProcessSettings &settings, const BatchInput &input);
    BatchRun &batch() { return m_run; }
    // The status line and image texts as the run gave them (the labels may
    // show them shortened).
    QString statusText() const;
    QString imageText() const;

    // BatchHost
    MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) override;
    void reportError(const ErrorReport &report) override;
    void setCaption(const QString &caption) override;
    QString caption() const override;
    void setStatus(const QString &text) override;
    void setImageText(const QString &text) override;
    void setSceneText(const QString &text) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;
    void setFtpMode(bool ftp) override;
    void doEvents() override;
    void runClosing() override;
    void runFinished(const RunSummary &summary) override;
    void clearFtpLog() override;
    void ftpLogLine(const QString &text, int kind) override;
    void setFtpStatus(const QString &text) override;
    void setFtpTransfer(const QString &text) override;
    void setFtpProgress(int percent) override;
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                           const QString &password) override;

public slots:
    void cmdStopProcess_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Activate();
    static void showElided(QLabel *label, const QString &text, Qt::TextElideMode mode);

    std::unique_ptr<Ui::frmGo> m_ui;
    BatchRun m_run;
    QTimer m_timDoEvents;
    const ProcessSettings *m_settings = nullptr;
    const BatchInput *m_input = nullptr;
    BatchOutcome m_outcome = BatchOutcome::NotStarted;
    QString m_statusText;
    QString m_imageText;
};

} // namespace vexl
