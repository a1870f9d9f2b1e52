#pragma once

#include "engine/batchrun.h"
#include "settings/processsettings.h"
#include "settings/settingsstore.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <memory>

class QFileSystemModel;
class QLineEdit;
class QListWidgetItem;
class QAction;
class QMenu;
class QUrl;

namespace Ui {
class frmMain;
}

namespace vexl {

class DirHandle;
class frmFTPConnections;
class frmFTPSelectOutputDir;
class frmAbout;
class frmGo;
class SettingsStore;

// The main window: folder tree, image list, preview and the option panels whose
// controls are the live batch settings.
class frmMain final : public QMainWindow
{
    Q_OBJECT
public:
    // `commandLine`: the folder given on the command line, quoted or not.
    explicit frmMain(const QString &commandLine = QString(), QWidget *parent = nullptr);
    // The program's arguments: a folder to list, or image files, whose folder is
    // listed with only those images ticked and the first one selected.
    explicit frmMain(const QStringList &arguments, QWidget *parent = nullptr);
    ~frmMain() override;

    // The batch settings as the controls hold them now.
    ProcessSettings processSettings() const;
    // The images and destination a run started now would take.
    BatchInput batchInput() const;
    // The folder whose images are listed, with a trailing "/" once listed.
    QString currentFolder() const { return m_currentFolder; }
    // Selects `folder` in the folder tree, which lists it.
    void selectFolder(const QString &folder);
    frmGo *processingWindow() const { return m_go; }
    bool settingsLoading() const { return m_settingsLoading; }
    bool listRefreshing() const { return m_refreshGuard; }

    // Image list
    void RefreshFileList();
    // The status line's count of entries the last listing passed over (none: no status line).
    void showSkippedEntries(int count);
    void SelectImagesByExt(const QString &extension, bool select);
    void SelectImagesByPattern(const QString &pattern, bool select);
    void UpdatePreview(bool force);

    // Applies a language (English first, then the chosen one over it), ticks
    // its menu item and stores the key as given.
    void LoadLanguage(const QString &key);

    // Preview
    // The box the preview is scaled into, "WxH" in pixels.
    QString previewBox() const { return m_previewBox; }
    // The image whose preview is shown (emptied to force a new one).
    QString previewedFile() const { return m_previewedFile; }

    // Colour schemes: applies `scheme` ("Grey", "Quillmere", "Mozilla", "Light",
    // "Beige", "BlueGrey", "Yellow"; anything else is "Grey") to `target`, ticks
    // its menu item and stores it at once. `font` is the face asked for by the
    // caller; each scheme brings its own.
    void LoadColour(const QString &scheme, const QString &font, QWidget *target);
    QString colourScheme() const { return m_colourScheme; }

    // Writes (enable) or deletes the style manifest beside the program.
    void StyleForm(bool enable);
    // Adds or removes the folder verb as "Explorer Context Menu" is ticked.
    void EnableContextMenu();
    // The overlay text field in the overlay's face and colours.
    void UpdateTextOverlay();

public slots:
    void cmdGo_Click();
    // "Preview Names...": the names of the run to come; its "Start >>>" is cmdGo's.
    void mnuPreviewNames_Click();
    void mnuRecurse_Click();
    void mnuResetSettings_Click();
    void mnuDeleteImage_Click();
    void mnuDeleteCheckedImages_Click();
    void mnuInvertSelection_Click();
    void cmdStopLoadingList_Click();
    void cmbOutput_Click(int index);
    void cmdBrowse_Click();

    // Single-image commands
    void mnuOpenImage_Click();
    void mnuFlipH_Click();
    void mnuFlipV_Click();
    void mnuInvert_Click();
    void mnuGreyscale_Click();
    void mnuRotate_Click(int degrees);
    void cmdTextOverlayFont_Click();
    void mnuFGCol_Click();
    void mnuSetBGCol_Click();
    void mnuSetBGTrans_Click();

    // Window chrome
    void mnuPreviewImages_Click();
    void mnuTooltips_Click();
    void mnuXPStyle_Click();
    void mnuEnableContextMenu_Click();
    void mnuAbout_Click();
    void mnuSaveSettingsAs_Click();
    void mnuLoadSettings_Click();
    void mnuUndoLastBatch_Click();
    // Applies the preset `file` to the options and the destination.
    void loadPreset(const QString &file);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // A folder dropped on the window is listed; dropped image files list their
    // folder with only them ticked.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Form_Load(const QStringList &arguments);
    void Form_Unload();
    void GetSettings();
    void SaveSettings();
    void applyOptions(const ProcessSettings &s);
    void reportError(const VexlError &e, const QString &procedure, const QString &operation);
    void RebuildOutputList();
    void applyDestinationState(int index);

    // Saved FTP connections (frmmain_ftp.cpp)
    void connectFtpUi();
    void loadFTPConnections(SettingsStore &store);
    void addFtpDestinations();
    void applyFtpDestination(int index);
    void showFTPConnections();
    void browseFtpFolder(int index);

    // Enabling rules
    void cmbResizeMethod_Click();
    void chkBevel_Click();
    void chkRotate_Click();
    void chkSequentialNumber_Click();
    void chkTextOverlay_Click();
    void runEnablingRules();

    // Field validation
    void numericFieldChanged(QLineEdit *field, bool zeroAllowed, qint32 maximum);
    void fileNameFieldChanged(QLineEdit *field);
    void txtOutputDir_Change();

    // Image list helpers
    void tvwFolders_Change(const QString &path);
    void revealFolderLater();
    void setListBusy(bool busy);
    void timUpdateSpinner_Timer();
    void selectPattern(bool select);
    void setAllTicks(int mode); // 0 untick, 1 tick, 2 invert
    QString selectedImagePath() const;
    void deleteFile(const QString &path);
    void showImagesMenu(const QPoint &globalPos);
    void applyDropTicks();

    // Preview (frmmain_preview.cpp)
    void makePreview(bool force);
    void previewFailed(int line, const QString &itemText, const QString &description);
    void layoutPreview();

    // Single-image commands (frmmain_commands.cpp)
    void wireCommands();
    void runImageCommand(const QStringList &options, const char *failMessage, const QString &title);

    // Window chrome (frmmain_chrome.cpp)
    void wireChrome();
    void wirePresets();
    void retranslatePresets();
    void rebuildRecentPresets();
    void restoreWindowGeometry(SettingsStore &store);
    void placeSplitter();
    void applyMinimumSize();
    void rebuildComposedTexts();
    void clearTooltips();
    void openWebPage(const QUrl &url, const QString &procedure);
    void fraOutput_DblClick();
    // Double clicks and pop-ups of the preview and the output frame.
    bool chromeEventFilter(QObject *watched, QEvent *event);

    // Scene pair and meta menu
    void mnuAniScene_Click(bool allScenes);
    void showMetaMenu(QLineEdit *target, bool withFilename);
    void InsertMeta(const QString &token);
    void rememberMetaSelection(QLineEdit *target);

    std::unique_ptr<Ui::frmMain> m_ui;
    QAction *m_mnuSaveSettingsAs = nullptr;
    QAction *m_mnuLoadSettings = nullptr;
    QMenu *m_mnuRecentPresets = nullptr;
    QAction *m_mnuUndoLastBatch = nullptr;
    QFileSystemModel *m_fsModel = nullptr;
    frmGo *m_go = nullptr;
    frmFTPConnections *m_frmFTPConnections = nullptr;
    frmFTPSelectOutputDir *m_frmFTPSelectOutputDir = nullptr;
    frmAbout *m_about = nullptr;
    QMenu *m_mnuMeta = nullptr;
    QMenu *m_mnuTextOverlayCol = nullptr;
    QLineEdit *m_metaTarget = nullptr;
    int m_metaSelStart = -1;         // the target's selection when the meta menu opened
    int m_metaSelLength = 0;

    QString m_currentFolder;
    QString m_commandLineFolder;
    QStringList m_commandLineFiles;  // images given on the command line, ticked and selected once listed
    void showOverlayTextMenu(const QPoint &pos);
    void applyCommandLineFiles();
    QString m_folderToReveal;        // chosen in the tree, kept in sight while the tree loads
    bool m_revealQueued = false;
    bool m_settingsLoading = false;
    bool m_refreshGuard = false;
    bool m_treeRefreshRunning = false;
    bool m_listing = false;          // RefreshFileList is under way (it serves events)
    bool m_relistRequested = false;  // the folder changed during a listing
    bool m_stopListing = false;
    bool m_recursionToggled = false;
    int m_skippedEntries = 0;        // entries the last listing passed over
    bool m_firstListing = false;
    DirHandle *m_dirHandle = nullptr;
    int m_lastDestIndex = 0;
    QString m_dropFolder;            // dropped files: their folder and names, ticked once it is listed
    QStringList m_dropFiles;
    QString m_outputDirCopy;
    QHash<QLineEdit *, QString> m_previousText;
    QTimer m_timUpdateSpinner;
    int m_spinnerIndex = 0;

    // The overlay font record: held by the window, no control of its own.
    QString m_overlayFace = QStringLiteral("Arial");
    int m_overlaySize = 12;
    qint32 m_overlayColour = 0;
    qint32 m_overlayBGColour = -2147483643;
    bool m_overlayBGTrans = true;

    // Preview
    QString m_previewBox;          // "WxH", fixed at start-up
    QString m_previewedFile;       // full path of the image shown
    QString m_currentDimensions;   // its "WxH"
    QString m_baseCaption;         // the preview frame's caption in the current language
    QString m_sceneCaption;        // "1/" + scene count for an animated GIF, else empty
    bool m_previewBusy = false;    // a preview is being made (it serves events)
    bool m_previewAgain = false;   // asked for again meanwhile
    bool m_previewAgainForced = false;
    bool m_imageCommandBusy = false;

    // Window chrome
    QString m_colourScheme = QStringLiteral("Grey");
    QSize m_defaultClient;         // the client size of a first start
    QSize m_restoredOuter;         // outer size to restore once the frame is known
    bool m_splitterPlaced = false;
    bool m_outputCollapsed = false;
};

} // namespace vexl
