#include "frmnamepreview.h"

#include "ui_frmnamepreview.h"

#include "engine/batchrun.h"
#include "support/apppaths.h"
#include "support/vexlerror.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace vexl {

namespace {
enum Column { ColImage, ColFolder, ColName, ColNote };
} // namespace

frmNamePreview::frmNamePreview(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmNamePreview>())
{
    m_ui->setupUi(this);
    if (parent)
        setFont(parent->font());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->tvwNames->header()->setStretchLastSection(true);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->cmdGo, &QPushButton::clicked, this, [this] {
        m_start = true;
        accept();
    });
}

frmNamePreview::~frmNamePreview() = default;

void frmNamePreview::showPlan(const ProcessSettings &settings, const BatchInput &input)
{
    const bool isFTP = input.outputDestIndex >= 2;
    m_outputBase = OutputPlanner::runOutputBase(settings, input);
    // An FTP run stages its files here and uploads them to the connection's folder.
    m_shownBase = isFTP ? input.outputDestText + QLatin1Char(' ') + AddBackslash(settings.OutputDir)
                        : AddBackslash(m_outputBase);
    m_planError.clear();
    m_plan.clear();
    try {
        m_plan = OutputPlanner(settings, input, m_outputBase, isFTP).plan(ScenePlanning::OneRow);
    } catch (const VexlError &e) {
        m_planError = e.description;
    }
    m_start = false;
    fill();
}

void frmNamePreview::fill()
{
    QTreeWidget *list = m_ui->tvwNames;
    list->clear();
    const QString stage = AddBackslash(m_outputBase);
    int collisions = 0;
    int skippedNumbers = 0;
    int unknown = 0;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(m_plan.size());
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const PlannedImage &p : m_plan) {
        auto *row = new QTreeWidgetItem;
        row->setText(ColImage, p.item);
        QStringList notes;
        if (p.outputs.isEmpty()) {
            notes << tr("No number left: the run stops here.");
        } else {
            const QString out = p.outputs.first();
            const QFileInfo info(out);
            QString folder = info.path() + QLatin1Char('/');
            folder = folder.startsWith(stage) ? m_shownBase + folder.mid(stage.size()) : folder;
            row->setText(ColFolder, folder);
            QString name = info.fileName();
            if (p.perScene) {
                const int dot = name.lastIndexOf(QLatin1Char('.'));
                name.insert(dot >= 0 ? dot : name.size(), QLatin1Char('#'));
                notes << tr("One file per scene (# is the scene number).");
            } else if (p.outputs.size() > 1) {
                name = QFileInfo(p.outputs.first()).fileName() + QStringLiteral(" … ")
                    + QFileInfo(p.outputs.last()).fileName();
            }
            row->setText(ColName, name);
            row->setToolTip(ColFolder, folder);
        }
        if (!p.nameKnown && !p.outputs.isEmpty()) {
            notes << tr("Values in [ ] are filled in from the result.");
            ++unknown;
        }
        if (!p.skippedNumbers.isEmpty()) {
            notes << tr("Numbers skipped (name taken): %1").arg(NumberList(p.skippedNumbers));
            skippedNumbers += int(p.skippedNumbers.size());
        }
        if (p.collision != CollisionKind::None) {
            ++collisions;
            const QString contested = QDir(m_outputBase).relativeFilePath(p.contested);
            switch (p.collision) {
            case CollisionKind::SharedOutput:
                notes.prepend(tr("Name collision: an earlier image gets %1; this one is skipped if you go on.").arg(contested));
                break;
            case CollisionKind::OverwritesInput:
                notes.prepend(tr("Name collision: %1 is another ticked image; this one is skipped if you go on.").arg(contested));
                break;
            default:
                notes.prepend(tr("Name collision: %1 is another file; this one is skipped if you go on.").arg(contested));
                break;
            }
            row->setIcon(ColNote, warning);
            for (int c = ColImage; c <= ColNote; ++c)
                row->setForeground(c, QColor(0xb0, 0x00, 0x00));
        }
        row->setText(ColNote, notes.join(QLatin1Char(' ')));
        row->setToolTip(ColNote, notes.join(QLatin1Char('\n')));
        rows << row;
    }
    list->addTopLevelItems(rows);
    for (int c = ColImage; c < ColNote; ++c)
        list->resizeColumnToContents(c);
    for (int c = ColImage; c < ColNote; ++c)
        list->setColumnWidth(c, qMin(list->columnWidth(c), 260));

    if (!m_planError.isEmpty()) {
        m_ui->lblSummary->setText(tr("The settings give no output name: %1").arg(m_planError));
        return;
    }
    QStringList summary{tr("Images: %1, into %2").arg(m_plan.size()).arg(m_shownBase)};
    if (collisions > 0)
        summary << tr("Name collisions (the run asks before it starts): %1").arg(collisions);
    if (skippedNumbers > 0)
        summary << tr("Numbers skipped because a file has that name: %1").arg(skippedNumbers);
    if (unknown > 0)
        summary << tr("Names completed from the result during the run: %1").arg(unknown);
    m_ui->lblSummary->setText(summary.join(QStringLiteral("    ")));
}

void frmNamePreview::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fill();
    }
    QDialog::changeEvent(event);
}

} // namespace vexl
