#include "frmrunsummary.h"

#include "ui_frmrunsummary.h"

#include "support/dialogservice.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHeaderView>
#include <QStyle>
#include <QUrl>

namespace vexl {

frmRunSummary::frmRunSummary(const RunSummary &summary, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmRunSummary>())
    , m_summary(summary)
{
    m_ui->setupUi(this);
    if (parent)
        setFont(parent->font());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The title of the message this window stands in for.
    setWindowTitle(QStringLiteral("Done"));
    QFont heading = m_ui->lblHeading->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    m_ui->lblHeading->setFont(heading);
    m_ui->tvwRows->header()->setStretchLastSection(false);
    m_ui->tvwRows->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdOpenFolder, &QPushButton::clicked, this, &frmRunSummary::cmdOpenFolder_Click);
    connect(m_ui->cmdCopy, &QPushButton::clicked, this, &frmRunSummary::cmdCopy_Click);
    fill();
}

frmRunSummary::~frmRunSummary() = default;

void frmRunSummary::fill()
{
    m_ui->lblHeading->setText(RunSummary::heading());
    m_ui->lblCounts->setText(m_summary.countLines().join(QStringLiteral("    ")));
    // Files on a server are not opened from here.
    m_ui->cmdOpenFolder->setEnabled(!m_summary.ftp && !m_summary.outputFolder.isEmpty());
    m_ui->tvwRows->setVisible(!m_summary.rows.isEmpty());
    m_ui->tvwRows->clear();
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const RunSummaryRow &r : std::as_const(m_summary.rows)) {
        auto *row = new QTreeWidgetItem(m_ui->tvwRows);
        row->setText(0, r.item);
        row->setText(1, RunSummary::kindText(r.kind));
        if (r.kind == RunSummaryRow::Kind::Failed)
            row->setIcon(1, warning);
        row->setText(2, r.detail);
        row->setToolTip(2, r.detail);
        row->setText(3, r.answer);
    }
    for (int c : {0, 1, 3})
        m_ui->tvwRows->resizeColumnToContents(c);
    m_ui->tvwRows->setColumnWidth(0, qMin(m_ui->tvwRows->columnWidth(0), 200));
}

void frmRunSummary::cmdOpenFolder_Click()
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_summary.outputFolder)))
        MsgBox(tr("No program is set up to open the folder %1.").arg(m_summary.outputFolder), MsgButtons::Ok,
               MsgIcon::Exclamation, tr("Open Output Folder"));
}

void frmRunSummary::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(m_summary.text());
}

void frmRunSummary::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fill();
    }
    QDialog::changeEvent(event);
}

} // namespace vexl
