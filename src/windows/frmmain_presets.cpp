// The main window's presets (save and load the batch options as a settings
// file, the recent ones) and "Undo Last Batch".

#include "frmmain.h"
#include "ui_frmmain.h"

#include "engine/undobatch.h"
#include "settings/ftpconnections.h"
#include "settings/presets.h"
#include "settings/settingsstore.h"
#include "support/dialogservice.h"
#include "support/vexlerror.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace vexl {

namespace {
// At most this many lines of a list are shown in a message box.
constexpr int kShownLines = 20;

QString listed(const QStringList &lines)
{
    QStringList shown = lines.mid(0, kShownLines);
    if (lines.size() > kShownLines)
        shown << QCoreApplication::translate("frmMain", "... and %1 more").arg(lines.size() - kShownLines);
    return QStringLiteral("\n\n") + shown.join(QLatin1Char('\n'));
}

QString presetFilter()
{
    return QCoreApplication::translate("frmMain", "Settings files (*.ini);;All files (*)");
}
} // namespace

void frmMain::wirePresets()
{
    QMenu *settings = m_ui->mnuSettings;
    QAction *first = settings->actions().value(0);
    m_mnuSaveSettingsAs = new QAction(this);
    m_mnuSaveSettingsAs->setObjectName(QStringLiteral("mnuSaveSettingsAs"));
    m_mnuLoadSettings = new QAction(this);
    m_mnuLoadSettings->setObjectName(QStringLiteral("mnuLoadSettings"));
    m_mnuRecentPresets = new QMenu(settings);
    m_mnuRecentPresets->setObjectName(QStringLiteral("mnuRecentPresets"));
    settings->insertAction(first, m_mnuSaveSettingsAs);
    settings->insertAction(first, m_mnuLoadSettings);
    settings->insertMenu(first, m_mnuRecentPresets);
    settings->insertSeparator(first);
    connect(m_mnuSaveSettingsAs, &QAction::triggered, this, &frmMain::mnuSaveSettingsAs_Click);
    connect(m_mnuLoadSettings, &QAction::triggered, this, &frmMain::mnuLoadSettings_Click);

    // In the program's menu after the FTP connections (the Images menu is also
    // the image list's context menu).
    QMenu *program = m_ui->mnuFile;
    const QList<QAction *> items = program->actions();
    const qsizetype at = items.indexOf(m_ui->mnuFTPConnections);
    m_mnuUndoLastBatch = new QAction(this);
    m_mnuUndoLastBatch->setObjectName(QStringLiteral("mnuUndoLastBatch"));
    program->insertAction(items.value(at + 1), m_mnuUndoLastBatch);
    connect(m_mnuUndoLastBatch, &QAction::triggered, this, &frmMain::mnuUndoLastBatch_Click);
    retranslatePresets();
}

void frmMain::retranslatePresets()
{
    if (!m_mnuSaveSettingsAs)
        return;
    m_mnuSaveSettingsAs->setText(tr("Save Settings As..."));
    m_mnuLoadSettings->setText(tr("Load Settings..."));
    m_mnuRecentPresets->setTitle(tr("Recent Presets"));
    m_mnuUndoLastBatch->setText(tr("Undo Last Batch..."));
    rebuildRecentPresets();
}

void frmMain::rebuildRecentPresets()
{
    m_mnuRecentPresets->clear();
    SettingsStore store;
    const QStringList files = RecentPresets(store);
    for (int i = 0; i < files.size(); ++i) {
        QAction *a = m_mnuRecentPresets->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files.at(i)));
        a->setObjectName(QStringLiteral("mnuRecentPreset%1").arg(i + 1));
        const QString file = files.at(i);
        connect(a, &QAction::triggered, this, [this, file] { loadPreset(file); });
    }
    m_mnuRecentPresets->setEnabled(!files.isEmpty());
}

void frmMain::mnuSaveSettingsAs_Click()
{
    SettingsStore store;
    const QString start = RecentPresets(store).value(0, QDir::homePath() + QStringLiteral("/preset.ini"));
    std::optional<QString> file = DialogService::current().chooseFile(true, tr("Save Settings As"), start, presetFilter());
    if (!file || file->isEmpty())
        return;
    if (QFileInfo(*file).suffix().isEmpty())
        *file += QStringLiteral(".ini");
    const QString error = SavePreset(*file, processSettings(), Ftp().connections);
    if (!error.isEmpty()) {
        MsgBox(tr("The settings could not be saved to %1:\n%2").arg(*file, error), MsgButtons::Ok, MsgIcon::Exclamation,
               tr("Save Settings As"));
        return;
    }
    AddRecentPreset(store, *file);
    rebuildRecentPresets();
}

void frmMain::mnuLoadSettings_Click()
{
    SettingsStore store;
    const QString start = RecentPresets(store).value(0, QDir::homePath());
    const std::optional<QString> file = DialogService::current().chooseFile(false, tr("Load Settings"), start, presetFilter());
    if (file && !file->isEmpty())
        loadPreset(*file);
}

void frmMain::loadPreset(const QString &file)
{
    const PresetLoad loaded = LoadPreset(file, processSettings(), SettingsStore::userFile());
    SettingsStore store;
    if (!loaded.error.isEmpty()) {
        MsgBox(tr("The settings could not be loaded:\n%1").arg(loaded.error), MsgButtons::Ok, MsgIcon::Exclamation,
               tr("Load Settings"));
        if (!QFileInfo::exists(file)) {
            RemoveRecentPreset(store, file);
            rebuildRecentPresets();
        }
        return;
    }
    const ProcessSettings &s = loaded.settings;
    applyOptions(s);
    // The preset's own connection joins the saved ones when none has its name.
    if (loaded.connection && FindFTPConnection(Ftp().connections, loaded.connection->Name).second < 0) {
        Ftp().connections << *loaded.connection;
        SortFTPConnections(Ftp().connections);
        try {
            SaveFTPConnections(store.raw(), Ftp().connections);
            store.sync();
        } catch (const VexlError &e) {
            reportError(e, QStringLiteral("loadPreset"), QStringLiteral("Saving FTP Connections"));
        }
    }
    RebuildOutputList();
    QStringList items;
    for (int i = 0; i < m_ui->cmbOutput->count(); ++i)
        items << m_ui->cmbOutput->itemText(i);
    const int dest = DestinationIndexForToken(s.OutputDest, items);
    const bool wasLoading = m_settingsLoading;
    m_settingsLoading = true;
    m_ui->cmbOutput->setCurrentIndex(dest);
    m_lastDestIndex = dest;
    applyDestinationState(dest);
    m_ui->txtOutputDir->setText(dest == 0 ? m_currentFolder : s.OutputDir);
    m_outputDirCopy = m_ui->txtOutputDir->text();
    m_settingsLoading = wasLoading;
    m_ui->mnuAniExtractAllScenes->setChecked(s.AniExtractAllScenes);
    m_ui->mnuAniExtract1stScene->setChecked(!s.AniExtractAllScenes);
    AddRecentPreset(store, file);
    rebuildRecentPresets();
    if (!loaded.refused.isEmpty())
        MsgBox(tr("These values of %1 were refused; their fields keep what they held:").arg(file) + listed(loaded.refused),
               MsgButtons::Ok, MsgIcon::Exclamation, tr("Load Settings"));
}

void frmMain::mnuUndoLastBatch_Click()
{
    const QString title = tr("Undo Last Batch");
    UndoBatch undo;
    if (undo.nothingToDo()) {
        MsgBox(UndoBatch::nothingText(), MsgButtons::Ok, MsgIcon::Information, title);
        return;
    }
    if (MsgBox(UndoBatch::questionText() + listed(undo.plan()), MsgButtons::YesNo, MsgIcon::Question, title)
        != MsgAnswer::Yes)
        return;
    const bool all = undo.run(Ftp().connections);
    MsgBox(UndoBatch::doneText(all) + listed(undo.results()), MsgButtons::Ok,
           all ? MsgIcon::Information : MsgIcon::Exclamation, title);
    RefreshFileList();
}

} // namespace vexl
