#pragma once

#include "batchhost.h"
#include "ftp/ftpbatchupload.h"
#include "imageengine.h"
#include "lookahead.h"
#include "textoverlay.h"
#include "settings/processsettings.h"
#include "settings/settingsreport.h"
#include "support/processlog.h"
#include "support/vexlerror.h"

#include "support/safefile.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace vexl {

class RunJournal;

// What the batch takes from the main window besides the options.
struct BatchInput
{
    QString currentFolder;        // the listed folder
    QStringList items;            // the image list's items in list order
    QList<bool> checked;          // their ticks (same length as items)
    bool recurse = false;         // "Recurse Sub Directories" ticked
    int outputDestIndex = 0;      // cmbOutput's index (2 or more: an FTP connection)
    QString outputDestText;       // cmbOutput's item text
    ReportExtras reportExtras;    // for the settings dump of an error report
};

// The values substituted for meta variables. It lives as long as the processing
// window and is cleared neither between images nor between runs, so a value
// that could not be read for an image keeps the previous image's value.
struct MetaRecord
{
    QString fname;      // [FNAME], overlay only
    QString ext;        // [EXT]
    qint16 seqNum = 0;  // [SEQNUM]
    qint16 selNum = 0;  // [SELNUM]
    qint32 width = 0;   // [WIDTH]
    qint32 height = 0;  // [HEIGHT]
    qint32 numCol = 0;  // [NUMCOL]
    QString fsize;      // [FSIZE]
    QString origName;   // [ORIGNAME], the source's base name
    QString date;       // [DATE], YYYY-MM-DD of the capture
    QString time;       // [TIME], HH-MM-SS of the capture
    QString camera;     // [CAMERA], make and model
};

// How a run ended.
enum class BatchOutcome {
    Finished,   // every image done (or Stop seen at the head of an image): "Process Finished!"
    NoImages,   // nothing ticked
    EndedByNo,  // a question answered No (or Cancel on the large-image warning)
    Aborted,    // Stop during the FTP steps: "Process Aborted."
    FtpEnded,   // an FTP step failed and ended the run after its message
    Failed,     // an unexpected error, reported through the error report
    NotStarted, // the start request was not set
};

// The batch: from the processing window's activation to its clean-up. One object
// per processing window, reused by later runs; its meta record and log counter
// survive between runs like the window's own values.
class BatchRun
{
public:
    BatchRun();
    ~BatchRun();

    // The start checks of "Start >>>": the delete and overwrite warnings.
    // Returns true when the run should start (Yes, Cancel or no question);
    // Cancel stores IgnoreOverwriteWarnings = "1" through `storeIgnore`.
    static bool StartChecks(const ProcessSettings &s, const QString &currentFolder, int ignoreOverwriteWarnings,
                            const std::function<MsgAnswer(const QString &, MsgButtons, MsgIcon, const QString &)> &ask,
                            const std::function<void()> &storeIgnore);

    void setStartRequest() { m_startRequest = true; }
    // Runs the whole batch (the processing window's activation).
    BatchOutcome Run(const ProcessSettings &settings, const BatchInput &input, BatchHost &host);
    // The stop button: finishes the image in progress, then ends the run; an
    // FTP wait ends at once (a busy client method is cancelled).
    void requestStop();
    bool stopRequested() const { return m_stopProcess; }
    bool running() const { return m_host != nullptr; }

    const MetaRecord &meta() const { return m_meta; }
    MetaRecord &meta() { return m_meta; }
    const ProcessLog &log() const { return m_log; }
    // The work done ahead of the run in progress (none: one worker, or not running).
    const LookAhead *lookAhead() const { return m_lookAhead.get(); }
    // What the last run did (filled while it runs).
    const RunSummary &summary() const { return m_summary; }

    // Meta-variable substitution. ReplaceMeta escapes "%" as "\%" for the image
    // engine (overlay text); ReplaceMetaForName resolves the same tokens for a
    // file name, without the engine escape.
    QString ReplaceMeta(const QString &text);
    QString ReplaceMetaForName(const QString &text);

    // The scene count of a multi-scene file from "%n" (0 on any failure).
    static qint16 GetNumScenes(const QString &path);

private:
    struct EndRun
    {
        BatchOutcome outcome;
    };

    // Spine
    void op(const QString &text);
    void status(const QString &text);
    void CleanUpAndClose();
    MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title);
    // A Yes/No question of a failing step: Yes returns, No ends the run.
    void askContinue(const QString &title, const QString &text);
    // "Process Finished!" after a No: the image in progress counts as `kind`.
    [[noreturn]] void endFinished(RunSummaryRow::Kind kind = RunSummaryRow::Kind::Failed);
    void processImage(const QString &item);
    // Work ahead on the images after the current one while it is committed.
    void startLookAhead();
    // The run works on later images while it commits earlier ones.
    bool worksAhead() const;
    void lookAheadPast(int index);
    void produceWorkingFile();
    void askCopyFailed(const QString &reason);
    // The output name taken by another image of this run: asked like a copy failure.
    void askNameTaken();
    // Puts the finished work file under its final name; false when it was not published.
    bool publishResult();
    // The image engine's or the copy's failure to make the work file.
    void dropWorkFile();
    void reserveNumberedName();
    void cleanDebris(const QString &folder);
    void planCollisions();
    void report(const QString &line);
    // The summary: a question or a line about the image in progress, the
    // image's outcome once it ends, and the end of the run.
    void noteForImage(const QString &detail, const QString &answer);
    void accountImage(RunSummaryRow::Kind kind, bool done);
    void finishRun();
    void deleteSource();
    void reportUnexpected(const VexlError &e);
    // FTP: the set-up of a run to a saved connection, and the end of the run an
    // FTP step asks for.
    void beginFtp();
    void ftpStep(FtpStepResult result);

    // Output naming
    void BuildOutputName();
    void FinalRename();
    static QString ZeroPad(qint16 number, qint16 width);
    void incrementSequentialNumber();

    // Image operations
    void AutoOrient();
    void Resize();
    void MiscOperations();
    void ChangeFormat();
    void mogrifyStep(const QStringList &args);
    // "-quality" q, and for an animation kept as one "-coalesce", so that an
    // operation sees (and writes) whole frames, never an optimised GIF's parts.
    QStringList writeOptions() const;
    // Which scenes of the working file the stamp goes on.
    OverlayScenes sceneKind() const;
    // Writes scene `scene` (0-based) of the input to the output path, decoding
    // the input once per image.
    QString extractScene(int scene);
    // Identify's text for the scene just extracted, while its work file is as
    // it was written (no step changed it since) and `format` is the one the
    // scene was described in; false otherwise.
    bool writtenSceneMeta(const QString &format, QString *text) const;

    // Meta variables and overlay
    void GetMetaData();
    void OverlayStep();

    const ProcessSettings *m_s = nullptr;
    const BatchInput *m_in = nullptr;
    BatchHost *m_host = nullptr;
    std::unique_ptr<ImageEngine> m_engine;
    std::unique_ptr<LookAhead> m_lookAhead;
    ProcessLog m_log;
    MetaRecord m_meta;

    bool m_startRequest = false;
    bool m_stopProcess = false;
    bool m_isFTP = false;
    bool m_isOnlyRename = false;
    bool m_extractAllScenes = false;
    bool m_ignoreMegapixelWarning = false;
    QString m_outputBase;
    QString m_ftpBasePath;
    QString m_jpgQuality;
    qint16 m_seqNumber = 0;
    qint16 m_index = 0;
    qint16 m_count = 0;
    int m_progress = 0;
    QStringList m_images;
    QSet<int> m_planSkips;            // images skipped after the "Name Collision" question
    QList<FileIdentity> m_publishedIds; // files this run published
    QList<FileIdentity> m_inputIds;     // the ticked inputs
    QSet<QString> m_cleanedFolders;
    std::unique_ptr<FtpUploadHost> m_ftpHost;
    std::unique_ptr<FtpBatchUpload> m_ftp;
    std::unique_ptr<RunJournal> m_journal; // what this run did, for "Undo Last Batch"

    // Per image
    QString m_subFolder;
    QString m_fileName;
    QString m_fullInput;
    QString m_baseName;
    QString m_ext;
    QString m_newBase;
    QString m_newExt;
    QString m_finalNewBase;
    QString m_finalNewExt;
    QString m_outputFolder;
    QString m_outputImageFName;
    QString m_outputPath;
    QString m_tmpOutputImage;
    QString m_workPath;       // the hidden file the image is made in
    QString m_reservedPath;   // a numbered name held by this run's lock file
    bool m_moveOriginal = false; // a rename-only move: the original itself is published
    bool m_published = false;
    FileIdentity m_resultId;  // the image's published result
    int m_scenesPublished = 0;
    bool m_aniToNonAni = false;
    bool m_multiScene = false;      // kept whole with several scenes (frames or pages)
    std::unique_ptr<SceneSource> m_scenes; // the input's scenes while they are extracted
    struct WrittenScene
    {
        QString path;
        QByteArray stat; // device, inode, size and change time when written
        QString text;    // identify's "%w %h - %b bleh" of it
    } m_writtenScene;
    // Extract All Scenes: the work files of the next scenes, written and
    // flushed to disk together with the current one (one flush of the file
    // system's journal for many small files instead of one each). By work path.
    QHash<QString, WrittenScene> m_scenesAhead;
    WrittenScene m_syncedWork; // the work file as it was when flushed to disk
    static constexpr int kScenesAhead = 16;
    QString sceneOutputName(int sceneNumber) const;
    void writeScenesAhead(int scene);
    void dropScenesAhead();
    bool workFileSynced() const;
    qint16 m_sceneCount = 1;
    qint16 m_sceneNumber = 1;
    QString m_sceneNumberFormat;
    bool m_skipRest = false;
    bool m_metaFailed = false;
    bool m_workingFileMade = false;
    // The working file's state right after a step of this run wrote it.
    QByteArray m_stepWroteState;

    // The summary of the run
    RunSummary m_summary;
    int m_accounted = 0;        // images counted as done, skipped or failed
    bool m_inImage = false;     // an image is in progress and not yet counted
    QStringList m_imageNotes;   // the questions and lines of the image in progress
    QString m_imageAnswer;      // the last answer given for it
    RunSummaryRow::Kind m_imageKind = RunSummaryRow::Kind::Failed; // how it counts when it has no result
};

} // namespace vexl
