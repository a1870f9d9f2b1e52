#include "batchrun.h"

#include "settings/settingsstore.h"
#include "captureinfo.h"
#include "metavariables.h"
#include "outputplan.h"
#include "support/apppaths.h"
#include "support/fileprocs.h"
#include "support/messages.h"
#include "support/offthread.h"
#include "engineworker.h"
#include "workersandbox.h"
#include "runjournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace vexl {

namespace {
const QString kDone = QStringLiteral("Done");

// The run's side of the upload steps: the processing window's FTP panel, its
// questions and the step log.
class RunFtpHost final : public FtpUploadHost
{
public:
    RunFtpHost(BatchHost &host, ProcessLog &log)
        : m_host(host)
        , m_log(log)
    {
    }
    void ftpStep(const QString &procedure, const QString &text) override { m_log.AddCurrOp(procedure, QString(), text); }
    void ftpLogLine(const QString &text, int kind) override { m_host.ftpLogLine(text, kind); }
    void ftpStatus(const QString &text) override { m_host.setFtpStatus(text); }
    void ftpTransfer(qint64 bytes, qint64 fileSize) override
    {
        if (bytes < 0) {
            m_host.setFtpTransfer(QString());
            return;
        }
        const auto size32 = [](qint64 n) { return qint32(qBound(qint64(0), n, qint64(std::numeric_limits<qint32>::max()))); };
        m_host.setFtpTransfer(FormatBytes(size32(bytes)) + QLatin1Char('/') + FormatBytes(size32(fileSize)));
    }
    void ftpProgress(int percent) override { m_host.setFtpProgress(percent); }
    void statusLine(const QString &text) override
    {
        m_host.setStatus(text);
        m_host.doEvents();
    }
    void report(const QString &line) override
    {
        m_log.AddCurrOp(QStringLiteral("Form_Activate"), QString(), line);
        m_host.report(line);
        if (note)
            note(line, QString());
    }
    MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title) override
    {
        const MsgAnswer a = m_host.ask(text, buttons, icon, title);
        if (note)
            note(title + QStringLiteral(": ") + RunSummary::oneLine(text),
                 buttons == MsgButtons::Ok ? QString() : RunSummary::answerName(a));
        return a;
    }
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &username,
                                           const QString &password) override
    {
        return m_host.promptLogin(server, username, password);
    }
    void saveConnections() override
    {
        SettingsStore store;
        SaveFTPConnections(store.raw(), Ftp().connections);
    }

    // The run's summary takes every question and line of the upload steps.
    std::function<void(const QString &detail, const QString &answer)> note;

private:
    BatchHost &m_host;
    ProcessLog &m_log;
};

VexlError overflowError(const QString &what)
{
    return VexlError{6, QStringLiteral("Overflow (%1)").arg(what), QStringLiteral("frmGo"), 0};
}

// A 16-bit signed value, or the overflow error of the run.
qint16 toInt16(qint64 value, const QString &what)
{
    if (value < -32768 || value > 32767)
        throw overflowError(what);
    return static_cast<qint16>(value);
}
} // namespace

BatchRun::BatchRun() = default;
BatchRun::~BatchRun() = default;

bool BatchRun::StartChecks(const ProcessSettings &s, const QString &currentFolder, int ignoreOverwriteWarnings,
                           const std::function<MsgAnswer(const QString &, MsgButtons, MsgIcon, const QString &)> &ask,
                           const std::function<void()> &storeIgnore)
{
    MsgAnswer answer = MsgAnswer::Yes;
    if (ignoreOverwriteWarnings == 0) {
        if (s.DeleteOld) {
            answer = ask(MsgX("msgConfirmDeleteOriginals"), MsgButtons::YesNoCancel, MsgIcon::Question,
                         QStringLiteral("Delete Warning"));
        } else {
            const bool altersContent = s.DimensionMethod > 0 || s.TextOverlay || s.MiscAntialias || s.MiscRotate
                || s.MiscBevel || s.MiscFlipVert || s.MiscFlipHoriz || s.MiscInvert || s.MiscGreyscale
                || s.OutputFormat > 0 || s.MiscAutoOrient;
            const bool sameFolder = !currentFolder.isEmpty() && SameFile(s.OutputDir, currentFolder);
            const bool nameCanCoincide =
                !s.SequentialNumber && s.RenamePrefix.isEmpty() && s.RenameSuffix.isEmpty() && sameFolder;
            if (altersContent && nameCanCoincide) {
                const char *key = (s.Spaces > 0 || s.OutputFormat > 0) ? "msgOverwriteMedium" : "msgOverwriteImminent";
                answer = ask(MsgX(key), MsgButtons::YesNoCancel, MsgIcon::Question, QStringLiteral("Overwrite Warning"));
            }
        }
    }
    if (answer == MsgAnswer::No)
        return false;
    if (answer == MsgAnswer::Cancel && storeIgnore)
        storeIgnore();
    return true;
}

void BatchRun::op(const QString &text)
{
    m_log.AddCurrOp(QStringLiteral("Form_Activate"), QString(), text);
}

void BatchRun::status(const QString &text)
{
    m_host->setStatus(text);
    m_host->doEvents();
}

MsgAnswer BatchRun::ask(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    const MsgAnswer a = m_host->ask(text, buttons, icon, title);
    const QString answer = buttons == MsgButtons::Ok ? QString() : RunSummary::answerName(a);
    // Every message about an image goes into its row; of the run's own
    // questions, those that ended it.
    if (m_inImage || (a != MsgAnswer::Yes && a != MsgAnswer::Ok))
        noteForImage(title + QStringLiteral(": ") + RunSummary::oneLine(text), answer);
    return a;
}

void BatchRun::noteForImage(const QString &detail, const QString &answer)
{
    if (!m_inImage) {
        m_summary.rows << RunSummaryRow{RunSummaryRow::Kind::Note, QString(), detail, answer};
        return;
    }
    m_imageNotes << detail;
    if (!answer.isEmpty())
        m_imageAnswer = answer;
}

void BatchRun::accountImage(RunSummaryRow::Kind kind, bool done)
{
    if (!m_inImage)
        return;
    m_inImage = false;
    ++m_accounted;
    if (done)
        ++m_summary.done;
    else if (kind == RunSummaryRow::Kind::Skipped)
        ++m_summary.skipped;
    else
        ++m_summary.failed;
    if (done && m_imageNotes.isEmpty())
        return;
    if (m_imageNotes.isEmpty())
        m_imageNotes << QCoreApplication::translate("BatchRun", "No result was published.");
    m_summary.rows << RunSummaryRow{done ? RunSummaryRow::Kind::Note : kind, m_images.value(m_index),
                                    m_imageNotes.join(QStringLiteral(" / ")), m_imageAnswer};
}

void BatchRun::finishRun()
{
    const int remaining = m_count - m_accounted;
    if (remaining > 0) {
        m_summary.skipped += remaining;
        const QString text = m_stopProcess ? QCoreApplication::translate("BatchRun", "Stopped: %1 images were not processed.")
                                           : QCoreApplication::translate("BatchRun", "%1 images were not processed.");
        m_summary.rows << RunSummaryRow{RunSummaryRow::Kind::Stopped, QString(), text.arg(remaining), QString()};
    }
    m_host->runFinished(m_summary);
}

void BatchRun::endFinished(RunSummaryRow::Kind kind)
{
    accountImage(kind, false);
    finishRun();
    CleanUpAndClose();
    throw EndRun{BatchOutcome::EndedByNo};
}

void BatchRun::askContinue(const QString &title, const QString &text)
{
    if (ask(text, MsgButtons::YesNo, MsgIcon::Question, title) != MsgAnswer::Yes)
        endFinished();
}

void BatchRun::requestStop()
{
    m_stopProcess = true;
    if (m_ftp)
        m_ftp->RequestStop();
}

void BatchRun::CleanUpAndClose()
{
    m_log.AddCurrOp(QStringLiteral("CleanUpAndClose"), QString(), QString());
    if (m_ftp)
        m_ftp->CloseFTPConn();
    m_lookAhead.reset();
    m_engine.reset();
    m_host->runClosing();
    m_log.close();
}

void BatchRun::reportUnexpected(const VexlError &e)
{
    CleanUpAndClose();
    QString processLog;
    try {
        processLog = ProcessLog::ReadProcessLog();
    } catch (const VexlError &) {
    }
    ErrorReport r;
    r.title = m_host->caption() + QStringLiteral(" Error");
    r.description = e.withLine();
    r.windowName = QStringLiteral("frmGo");
    // A failure of the log writer itself is reported as its own.
    const bool logFailed = e.source == QLatin1String("ProcessLog.AddCurrOp");
    r.procedureName = logFailed ? QStringLiteral("AddCurrOp") : QStringLiteral("Form_Activate");
    r.operation = m_log.CurrentOperation();
    r.settings = QStringLiteral("Settings: \r\n") + GetSettingsReport(*m_s, m_in->reportExtras)
        + QStringLiteral("\r\nFTP Settings: \r\n")
        + (m_ftp ? GetFTPSettingsReport(m_ftp->connection(), QString()) : QString())
        + QStringLiteral("\r\nProcess Log: \r\n") + processLog;
    r.errNumber = e.number;
    r.errSource = e.source;
    r.errDescription = e.description;
    m_host->reportError(r);
}

BatchOutcome BatchRun::Run(const ProcessSettings &settings, const BatchInput &input, BatchHost &host)
{
    if (!m_startRequest)
        return BatchOutcome::NotStarted;
    m_startRequest = false;
    m_s = &settings;
    m_in = &input;
    m_host = &host;
    m_stopProcess = false;
    m_summary = RunSummary();
    m_accounted = 0;
    m_count = 0;
    m_inImage = false;
    struct Detach
    {
        BatchRun *run;
        ~Detach()
        {
            run->m_lookAhead.reset();
            run->m_ftp.reset();
            run->m_ftpHost.reset();
            run->m_host = nullptr;
            run->m_s = nullptr;
            run->m_in = nullptr;
        }
    } detach{this};

    BatchOutcome outcome = BatchOutcome::Finished;
    try {
        op(QStringLiteral("Declaring"));
        op(QStringLiteral("New ImageMagickObject"));
        m_engine = std::make_unique<ImageEngine>();
        m_engine->setServeEventsWhileWorking(true);
        m_log.OpenProcessLog();
        // Said once per run where image workers cannot be fully confined.
        if (const QString shortfall = SandboxShortfall(); m_engine->workerPool() && !shortfall.isEmpty())
            m_log.AddNotice(shortfall);

        op(QStringLiteral("Get IsOnlyRename"));
        m_isOnlyRename = IsOnlyRenameSettings(settings);

        op(QStringLiteral("Do Inital Stuff if FTP"));
        m_isFTP = input.outputDestIndex >= 2;
        m_host->setFtpMode(m_isFTP);
        if (m_isFTP) {
            op(QStringLiteral("Yes, FTP"));
            m_host->doEvents();
            m_outputBase = OutputPlanner::runOutputBase(settings, input);
            m_ftpBasePath = (settings.OutputDir.isEmpty() || settings.OutputDir == QLatin1String("/"))
                ? QStringLiteral("/") : settings.OutputDir;
            beginFtp();
        } else {
            op(QStringLiteral("No, Not FTP"));
            // "Output in Same Folder" means the listed folder, whatever an older
            // output folder field still holds.
            m_outputBase = OutputPlanner::runOutputBase(settings, input);
        }

        m_summary.ftp = m_isFTP;
        m_summary.outputFolder = m_isFTP ? QString() : m_outputBase;
        op(QStringLiteral("Building Image List"));
        m_images.clear();
        for (int i = 0; i < input.items.size(); ++i)
            if (i < input.checked.size() && input.checked.at(i))
                m_images << input.items.at(i);
        if (m_images.isEmpty()) {
            ask(MsgX("msgSelectAtLeastOneImage"), MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("No Images"));
            CleanUpAndClose();
            return BatchOutcome::NoImages;
        }
        // The count is a 16-bit number: more images end the run at once, saying why.
        if (m_images.size() > 32767)
            throw VexlError{6, QCoreApplication::translate("BatchRun", "Overflow (count): at most 32767 images can be "
                                                                       "processed in one run"),
                            QStringLiteral("frmGo"), 0};
        m_count = toInt16(m_images.size(), QStringLiteral("count"));
        // The image workers may use this run's folders and no other of the user's.
        if (EngineWorkerPool *pool = m_engine->workerPool()) {
            pool->setFolders(RunFolders(input.currentFolder, m_outputBase, m_images));
            // The workers the run will keep busy start while it plans and
            // connects, not at its first engine call.
            if (worksAhead())
                pool->warmUp(pool->size());
        }

        op(QStringLiteral("Setting Progress Bar to '%1'").arg(m_count));
        m_progress = 0;
        m_host->setProgressRange(0, m_count);
        m_host->setProgressValue(0);

        m_cleanedFolders.clear();
        // Work files of workers that died with a killed run, and its work
        // done ahead: those live in the program's Temp folder, not beside an
        // output.
        cleanDebris(AppPaths::tempFolder());
        LookAhead::removeLeftovers(AppPaths::tempFolder());
        m_publishedIds.clear();
        m_journal = std::make_unique<RunJournal>();
        planCollisions();

        if (m_isFTP)
            ftpStep(m_ftp->ConnectStep());

        op(QStringLiteral("Set Initial Stuff"));
        m_extractAllScenes = settings.AniExtractAllScenes;
        m_jpgQuality = settings.JpgQuality;
        {
            bool ok = false;
            const double start = settings.StartNumber.trimmed().toDouble(&ok);
            if (!ok && !settings.StartNumber.trimmed().isEmpty())
                throw VexlError{13, QStringLiteral("Type mismatch"), QStringLiteral("frmGo"), 8};
            m_seqNumber = toInt16(qRound64(ok ? start : 0.0), QStringLiteral("StartNumber"));
        }
        m_index = 0;
        m_meta.selNum = m_count;
        m_ignoreMegapixelWarning = false;
        if (m_ftp)
            m_ftp->ClearDirectoryCache();

        op(QStringLiteral("Start Process Loop"));
        startLookAhead();
        while (m_index < m_count && !m_stopProcess) {
            if (m_lookAhead)
                m_lookAhead->beginImage(m_index, m_index + 1 < m_count
                                                     ? AddBackslash(m_in->currentFolder) + m_images.at(m_index + 1)
                                                     : QString());
            processImage(m_images.at(m_index));
            lookAheadPast(m_index);
            op(QStringLiteral("Incrementing Progress Bar To %1").arg(m_progress + 1));
            ++m_progress;
            m_host->setProgressValue(m_progress);
            op(QStringLiteral("Incrementing Image Index To %1").arg(m_index + 1));
            m_index = toInt16(qint64(m_index) + 1, QStringLiteral("index"));
        }
        CleanUpAndClose();
        finishRun();
    } catch (const EndRun &end) {
        outcome = end.outcome;
    } catch (const VexlError &e) {
        reportUnexpected(e);
        outcome = BatchOutcome::Failed;
    } catch (const std::exception &e) {
        reportUnexpected(VexlError{51, QString::fromLocal8Bit(e.what()), QStringLiteral("frmGo"), 0});
        outcome = BatchOutcome::Failed;
    }
    return outcome;
}

void BatchRun::startLookAhead()
{
    m_lookAhead.reset();
    if (!worksAhead())
        return;
    EngineWorkerPool *pool = m_engine->workerPool();
    // One thread more than workers: while a worker makes a step, the spare
    // thread copies the next image and has its call ready, so the worker never
    // waits for its thread between calls.
    m_lookAhead = std::make_unique<LookAhead>(pool, pool->size() + 1, AppPaths::tempFolder());
    m_engine->setLookAhead(m_lookAhead.get());
}

bool BatchRun::worksAhead() const
{
    const EngineWorkerPool *pool = m_engine->workerPool();
    return !m_isOnlyRename && pool && pool->size() >= 2 && m_count >= 2;
}

void BatchRun::lookAheadPast(int index)
{
    if (!m_lookAhead)
        return;
    QStringList upcoming;
    const int until = qMin<int>(m_count, index + 1 + 2 * m_lookAhead->threads());
    for (int i = index + 1; i < until; ++i)
        upcoming << AddBackslash(m_in->currentFolder) + m_images.at(i);
    m_lookAhead->endImage(index, upcoming);
}

void BatchRun::beginFtp()
{
    QString name = m_in->outputDestText;
    const int prefix = name.indexOf(QLatin1String("FTP: "));
    if (prefix >= 0)
        name.remove(prefix, 5);
    const FTPConnection connection = FindFTPConnection(Ftp().connections, name).first;
    Ftp().LoginAttempts = 0;
    m_host->clearFtpLog();
    m_host->setFtpStatus(QString());
    m_host->setFtpTransfer(QString());
    m_host->setFtpProgress(0);
    m_ftp.reset();
    auto ftpHost = std::make_unique<RunFtpHost>(*m_host, m_log);
    ftpHost->note = [this](const QString &detail, const QString &answer) { noteForImage(detail, answer); };
    m_ftpHost = std::move(ftpHost);
    m_ftp = std::make_unique<FtpBatchUpload>(*m_ftpHost);
    m_ftp->Begin(connection, m_ftpBasePath);
}

void BatchRun::ftpStep(FtpStepResult result)
{
    if (result != FtpStepResult::Ok) // the image in progress did not reach the server
        accountImage(RunSummaryRow::Kind::Failed, false);
    switch (result) {
    case FtpStepResult::Ok:
        return;
    case FtpStepResult::EndRun:
        CleanUpAndClose();
        break;
    case FtpStepResult::Finish:
        CleanUpAndClose();
        finishRun();
        break;
    case FtpStepResult::Aborted:
        CleanUpAndClose();
        ask(MsgX("msgProcessAborted"), MsgButtons::Ok, MsgIcon::Exclamation, kDone);
        throw EndRun{BatchOutcome::Aborted};
    }
    throw EndRun{BatchOutcome::FtpEnded};
}

void BatchRun::processImage(const QString &item)
{
    const ProcessSettings &s = *m_s;
    // 1. caption and log separators
    m_host->setCaption(Msg("msgProcessingImages") + QStringLiteral(" (%1/%2)").arg(m_index).arg(m_count));
    m_host->imageStarted(m_index + 1, m_count, item);
    op(QStringLiteral("--------------------------------------------------"));
    op(QStringLiteral("IMAGE %1 of %2").arg(m_index + 1).arg(m_count));
    op(QStringLiteral("--------------------------------------------------"));
    m_inImage = true;
    m_imageNotes.clear();
    m_imageAnswer.clear();
    m_imageKind = RunSummaryRow::Kind::Failed;
    if (m_planSkips.contains(m_index)) {
        report(QCoreApplication::translate("BatchRun", "Skipped %1: its result would overwrite another image or its result.").arg(item));
        accountImage(RunSummaryRow::Kind::Skipped, false);
        return;
    }

    // 2. sub-folder and file name
    op(QStringLiteral("Finding subdir"));
    const int slash = item.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0) {
        m_subFolder.clear();
        m_fileName = slash == 0 ? item.mid(1) : item;
    } else {
        m_subFolder = item.left(slash);
        m_fileName = item.mid(slash + 1);
    }
    m_skipRest = false;
    m_metaFailed = false;
    {
        const int dot = m_fileName.lastIndexOf(QLatin1Char('.'));
        m_baseName = dot >= 0 ? m_fileName.left(dot) : m_fileName;
        m_ext = dot >= 0 ? m_fileName.mid(dot + 1) : QString();
    }

    // 3-5. the output name; a numbered name is reserved, numbers taken are skipped
    m_host->setSceneText(QStringLiteral("1"));
    m_host->setImageText(item);
    m_host->doEvents();
    reserveNumberedName();
    // The reservation ends with the image, however it ends.
    struct ReservationEnd
    {
        BatchRun *run;
        ~ReservationEnd()
        {
            if (!run->m_reservedPath.isEmpty()) {
                ReleaseName(run->m_reservedPath);
                run->m_reservedPath.clear();
            }
        }
    } reservationEnd{this};

    // 6. full input path
    m_fullInput = AddBackslash(m_in->currentFolder) + (m_subFolder.isEmpty() ? QString() : m_subFolder + QLatin1Char('/'))
        + m_fileName;

    // 7. animated GIF, or an image of several pages? Kept in its type it is
    // copied whole; changed to another, its scenes are extracted.
    op(QStringLiteral("Work out if Animated gif..."));
    m_sceneCount = 1;
    m_sceneNumber = 1;
    m_sceneNumberFormat = QStringLiteral("0");
    m_aniToNonAni = false;
    m_multiScene = false;
    m_scenes.reset();
    if (MultiSceneType(m_ext).has_value()) {
        op(QStringLiteral("Get Number of Scenes..."));
        m_sceneCount = GetNumScenes(m_fullInput);
        m_sceneNumberFormat = QString(QString::number(qMax<int>(m_sceneCount, 0)).size(), QLatin1Char('0'));
        op(QStringLiteral("Scene Number Format: ") + m_sceneNumberFormat);
        if (m_sceneCount > 1) {
            op(QStringLiteral("Number of Scenes: %1").arg(m_sceneCount));
            if (MultiSceneType(m_newExt) != MultiSceneType(m_ext)) {
                op(QStringLiteral("Yes, Image is an Animated Gif"));
                m_aniToNonAni = true;
            } else {
                m_multiScene = true;
            }
        }
    }

    // 8. the name part of the meta record
    op(QStringLiteral("Set Meta Data..."));
    m_meta.fname = m_baseName;
    m_meta.ext = m_ext;
    m_meta.seqNum = toInt16(qint64(m_seqNumber) - 1, QStringLiteral("SEQNUM"));
    m_meta.origName = m_baseName;
    // The capture date and camera come from the source's header, and only when
    // a name or the stamp asks for them.
    if (MentionsCaptureInfo(s)) {
        const CaptureInfo capture = ReadCaptureInfo(m_fullInput);
        m_meta.date = capture.date;
        m_meta.time = capture.time;
        m_meta.camera = capture.camera;
    }
    m_sceneNumber = 1;
    m_scenesPublished = 0;
    // Scenes written ahead and not reached do not outlast the image.
    struct ScenesAheadEnd
    {
        BatchRun *run;
        ~ScenesAheadEnd() { run->dropScenesAhead(); }
    } scenesAheadEnd{this};

    for (;;) {
        // 9. per scene
        m_host->setSceneText(QString::number(m_sceneNumber));
        m_host->doEvents();

        // A work file that was not published and a reserved name do not outlast
        // the scene, however it ends.
        struct SceneEnd
        {
            BatchRun *run;
            ~SceneEnd()
            {
                run->dropWorkFile();
                if (!run->m_reservedPath.isEmpty()) {
                    ReleaseName(run->m_reservedPath);
                    run->m_reservedPath.clear();
                }
            }
        } sceneEnd{this};

        // 10. replicated sub-folder
        bool folderMissing = false;
        op(QStringLiteral("Check Dubdir Exists..."));
        if (s.ReplicateSubDirs && !m_isFTP && m_in->recurse && !DirExists(m_outputFolder)) {
            op(QStringLiteral("Recursively Make Dir ") + m_outputFolder);
            if (!MakeDirRecursive(m_outputBase, m_subFolder)) {
                QString text = MsgX("msgCreateDirectoryFailedContinue");
                text.replace(QStringLiteral("[DIR]"), AddBackslash(m_outputBase) + m_subFolder);
                askContinue(QStringLiteral("Dir Create Error"), text);
                m_skipRest = true;
                folderMissing = true;
            }
        }

        // 11-12. the working file under its work name. Nothing is produced into
        // a folder that could not be made.
        m_workingFileMade = false;
        m_stepWroteState.clear();
        m_published = false;
        m_resultId = FileIdentity();
        m_moveOriginal = false;
        m_workPath.clear();
        if (!folderMissing)
            produceWorkingFile();

        // 13-19. operations, meta data, overlay, format, final name
        if (!m_skipRest && s.MiscAutoOrient)
            AutoOrient();
        if (!m_skipRest) {
            Resize();
            if (!m_skipRest) {
                MiscOperations();
                if (!m_skipRest) {
                    op(QStringLiteral("Get Rest Meta Data..."));
                    status(QStringLiteral("Getting Meta Data For ") + m_outputImageFName + QStringLiteral("..."));
                    GetMetaData();
                    op(QStringLiteral("Check Overlay Text..."));
                    if (s.TextOverlay && !s.TextOverlayText.isEmpty())
                        OverlayStep();
                    op(QStringLiteral("Checking Change Format..."));
                    if (s.OutputFormat != 0)
                        ChangeFormat();
                    if (!m_skipRest) {
                        op(QStringLiteral("Checking Rename With Meta..."));
                        FinalRename();
                        if (publishResult()) {
                            ++m_scenesPublished;
                            // 20. the upload of an FTP destination; a failed upload
                            // ends the run with the original in place.
                            if (m_isFTP) {
                                const FtpStepResult sent = m_ftp->UploadStep(m_outputPath, m_subFolder,
                                                                             s.ReplicateSubDirs && m_in->recurse);
                                if (sent == FtpStepResult::Ok) {
                                    m_journal->uploaded(m_ftp->connection().Name, m_ftp->lastUploadedPath());
                                    ++m_summary.uploaded;
                                }
                                ftpStep(sent);
                            }
                        }
                    }
                }
            }
        }
        // A skipped image is not uploaded: its staged copy does not stay behind
        // (a later run would take its name for a number already used).
        if (m_isFTP && !m_published)
            dropWorkFile();

        // 21-22. next scene
        op(QStringLiteral("Inc Seq Num To %1").arg(m_sceneNumber + 1));
        m_sceneNumber = toInt16(qint64(m_sceneNumber) + 1, QStringLiteral("scene"));
        op(QStringLiteral("Loop Done"));
        if (!(m_sceneNumber <= m_sceneCount && m_aniToNonAni && m_extractAllScenes && !m_skipRest))
            break;
    }
    m_scenes.reset();

    // The original goes once every result of it is published (and uploaded).
    const int wanted = m_aniToNonAni && m_extractAllScenes ? qMax<int>(m_sceneCount, 1) : 1;
    const bool done = m_scenesPublished == wanted && !m_skipRest;
    if (done)
        deleteSource();
    accountImage(m_imageKind, done);
}

QStringList BatchRun::writeOptions() const
{
    QStringList options{QStringLiteral("-quality"), m_jpgQuality};
    if (sceneKind() == OverlayScenes::EveryFrame)
        options << QStringLiteral("-coalesce");
    return options;
}

OverlayScenes BatchRun::sceneKind() const
{
    if (!m_multiScene)
        return OverlayScenes::First;
    return MultiSceneType(m_ext) == QLatin1String("gif") ? OverlayScenes::EveryFrame : OverlayScenes::EveryPage;
}

// Writes one scene to the work file; the reason it could not, or nothing.
QString BatchRun::extractScene(int scene)
{
    m_writtenScene = WrittenScene();
    m_syncedWork = WrittenScene();
    const auto ahead = m_scenesAhead.constFind(m_workPath);
    if (ahead != m_scenesAhead.cend()) {
        const WrittenScene written = ahead.value();
        m_scenesAhead.erase(ahead);
        if (FileState(m_workPath) == written.stat) { // written and flushed ahead, untouched since
            m_writtenScene = m_syncedWork = written;
            return QString();
        }
        QFile::remove(m_workPath);
    }
    try {
        if (!m_scenes)
            m_scenes = std::make_unique<SceneSource>(m_fullInput, MultiSceneType(m_ext) == QLatin1String("gif"),
                                                     !m_extractAllScenes, true, m_engine->workerPool());
        m_scenes->write(scene, m_workPath, m_jpgQuality);
        // What identify would read back from it, known now.
        const QByteArray state = FileState(m_workPath);
        if (!state.isEmpty())
            m_writtenScene = WrittenScene{m_workPath, state, m_scenes->describe(scene, QFileInfo(m_workPath).size())};
        if (m_extractAllScenes && !state.isEmpty())
            writeScenesAhead(scene);
        return QString();
    } catch (const VexlError &e) {
        return e.description;
    }
}

bool BatchRun::writtenSceneMeta(const QString &format, QString *text) const
{
    if (m_writtenScene.text.isEmpty() || format != QLatin1String("%w %h - %b bleh") || m_writtenScene.path != m_workPath
        || FileState(m_workPath) != m_writtenScene.stat)
        return false;
    *text = m_writtenScene.text;
    return true;
}

QString BatchRun::sceneOutputName(int sceneNumber) const
{
    return m_finalNewBase + QStringLiteral("%1").arg(sceneNumber, m_sceneNumberFormat.size(), 10, QLatin1Char('0'))
        + QLatin1Char('.') + m_newExt;
}

// After scene `scene` was written to the work file: the next scenes are
// written to theirs, and all of them are flushed to disk at once (the flushes
// run side by side, so the file system commits them together). Each file is
// still on disk before its name is published; a scene that cannot be written
// ahead is simply left to its own turn, which meets the failure and asks.
void BatchRun::writeScenesAhead(int scene)
{
    if (!m_scenes || !m_scenesAhead.isEmpty())
        return;
    QList<int> ahead;
    QStringList works;
    for (int j = scene + 1; j < qMin(m_scenes->count(), scene + kScenesAhead); ++j) {
        const QString work = WorkPathFor(AddBackslash(m_outputFolder) + sceneOutputName(j + 1));
        if (QFileInfo::exists(work) || QFileInfo(work).isSymLink())
            break;
        ahead << j;
        works << work;
    }
    const QList<bool> written = m_scenes->writeSeveral(ahead, works, m_jpgQuality);
    QStringList batch{m_workPath};
    for (qsizetype i = 0; i < ahead.size(); ++i) {
        // Ahead scenes are kept up to the first that could not be written.
        const QByteArray state = written.at(i) ? FileState(works.at(i)) : QByteArray();
        if (state.isEmpty()) {
            for (qsizetype k = i; k < ahead.size(); ++k)
                QFile::remove(works.at(k));
            break;
        }
        m_scenesAhead.insert(works.at(i), WrittenScene{works.at(i), state,
                                                       m_scenes->describe(ahead.at(i), QFileInfo(works.at(i)).size())});
        batch << works.at(i);
    }
    const QList<bool> synced = RunServingEvents([batch] {
        std::vector<std::thread> threads;
        QList<bool> ok(batch.size(), false);
        for (qsizetype i = 0; i < batch.size(); ++i)
            threads.emplace_back([&, i] { ok[i] = SyncFile(batch.at(i)).isEmpty(); });
        for (std::thread &t : threads)
            t.join();
        return ok;
    });
    for (qsizetype i = 0; i < batch.size(); ++i) {
        if (i == 0) {
            if (synced.at(0))
                m_syncedWork = m_writtenScene;
        } else if (!synced.at(i)) { // its own turn writes it again and reports what fails
            m_scenesAhead.remove(batch.at(i));
            QFile::remove(batch.at(i));
        }
    }
}

void BatchRun::dropScenesAhead()
{
    for (const WrittenScene &w : std::as_const(m_scenesAhead))
        QFile::remove(w.path);
    m_scenesAhead.clear();
}

bool BatchRun::workFileSynced() const
{
    return !m_syncedWork.path.isEmpty() && m_syncedWork.path == m_workPath && FileState(m_workPath) == m_syncedWork.stat;
}

void BatchRun::reserveNumberedName()
{
    const ProcessSettings &s = *m_s;
    for (;;) {
        op(QStringLiteral("Making Filename..."));
        m_outputFolder = m_outputBase;
        BuildOutputName();
        incrementSequentialNumber();
        cleanDebris(m_outputFolder);
        if (!s.SequentialNumber)
            return;
        if (m_isFTP) { // the staging folder is this program's own
            if (!FileExists(m_outputPath))
                return;
            continue;
        }
        switch (ReserveName(m_outputPath)) {
        case NameReservation::Reserved:
            m_reservedPath = m_outputPath;
            return;
        case NameReservation::Unavailable: // no folder yet, or not writable: the publish decides
            return;
        case NameReservation::Taken:
            break;
        }
    }
}

void BatchRun::cleanDebris(const QString &folder)
{
    const QString key = QDir::cleanPath(folder);
    if (m_cleanedFolders.contains(key) || !DirExists(folder))
        return;
    m_cleanedFolders.insert(key);
    const int removed = RemoveDebris(folder);
    if (removed > 0)
        op(QStringLiteral("Removed %1 work files left by runs that ended").arg(removed));
}

void BatchRun::report(const QString &line)
{
    op(line);
    m_host->report(line);
    noteForImage(line, QString());
}

void BatchRun::dropWorkFile()
{
    if (!m_published && !m_moveOriginal && !m_workPath.isEmpty())
        QFile::remove(m_workPath);
}

void BatchRun::produceWorkingFile()
{
    const ProcessSettings &s = *m_s;
    if (m_aniToNonAni && m_extractAllScenes) {
        op(QStringLiteral("Extract All Scenes"));
        m_outputImageFName = sceneOutputName(m_sceneNumber);
        m_newBase = m_outputImageFName.left(m_outputImageFName.size() - m_newExt.size() - 1);
        m_outputPath = AddBackslash(m_outputFolder) + m_outputImageFName;
        m_tmpOutputImage = m_outputPath;
    }
    m_workPath = WorkPathFor(m_outputPath);
    if (!m_scenesAhead.contains(m_workPath))
        QFile::remove(m_workPath);
    {
        const QFileInfo target(m_outputPath);
        if (target.isDir() && !target.isSymLink()) { // a folder in the way: nothing to make
            askCopyFailed(SystemErrorText(EISDIR));
            return;
        }
    }

    const bool sameFile = SameFile(m_outputPath, m_fullInput);
    if (m_isOnlyRename && !m_aniToNonAni && !m_isFTP && (s.DeleteOld || sameFile)) {
        // Nothing changes in the picture: the original itself is moved to its
        // new name. "The same path" is the same file on disk: the output folder
        // may name the input folder another way (a link, "./").
        if (s.DeleteOld)
            status(QStringLiteral("Renaming Image ") + m_fullInput + QStringLiteral("..."));
        const FileIdentity input = IdentityOf(m_fullInput);
        const FileIdentity folder = IdentityOf(m_outputFolder);
        if (sameFile || (input.valid && folder.valid && input.device == folder.device)) {
            m_workPath = m_fullInput;
            m_moveOriginal = true;
            m_workingFileMade = true;
            return;
        }
        // Onto another file system: copied, published, then the original goes.
    }

    if (m_aniToNonAni) {
        status(QStringLiteral("Extracting Scene #%1 Image: ").arg(m_sceneNumber) + m_outputImageFName
               + QStringLiteral("..."));
        op(QStringLiteral("Extract Scene #%1").arg(m_sceneNumber));
        QString error = extractScene(m_sceneNumber - 1);
        m_workingFileMade = error.isEmpty() && FileExists(m_workPath);
        if (!m_workingFileMade) {
            if (error.isEmpty())
                error = QCoreApplication::translate("BatchRun", "No image was written.");
            QString text = MsgX("msgImageEngineFailed");
            text.replace(QStringLiteral("[CURROP]"), m_log.CurrentOperation()).replace(QStringLiteral("[ERROR]"), error);
            askContinue(QStringLiteral("ImageMagick Error"), text);
            m_skipRest = true;
        }
        return;
    }

    status(QStringLiteral("Making ") + m_outputImageFName + QStringLiteral("..."));
    op(QStringLiteral("Copying '%1' to '%2'").arg(m_fullInput, m_outputPath));
    const QByteArray sourceState = m_lookAhead ? FileState(m_fullInput) : QByteArray();
    // Not flushed to disk yet: the steps replace it, and what is published is
    // flushed then (see publishResult).
    const QString error =
        RunServingEvents([src = m_fullInput, dst = m_workPath]() { return CopyToNewFile(src, dst, false); });
    if (!error.isEmpty()) {
        askCopyFailed(error);
        return;
    }
    m_workingFileMade = true;
    if (m_lookAhead)
        m_lookAhead->noteCopy(m_fullInput, sourceState, m_workPath);
}

bool BatchRun::publishResult()
{
    const ProcessSettings &s = *m_s;
    if (m_moveOriginal && SameFile(m_workPath, m_outputPath)
        && QFileInfo(m_workPath).fileName() == QFileInfo(m_outputPath).fileName()) {
        op(QStringLiteral("Filenames Match"));
        m_published = true; // nothing to move: the original is its own result
        m_resultId = IdentityOf(m_outputPath);
        m_publishedIds << m_resultId;
        return true;
    }
    if (!m_moveOriginal && !workFileSynced()) {
        const QString error = SyncFile(m_workPath);
        if (!error.isEmpty()) {
            askCopyFailed(error);
            return false;
        }
    }
    op(QStringLiteral("Publishing ") + m_outputPath);
    const auto published = [this] {
        if (m_moveOriginal)
            m_journal->moved(m_workPath, m_outputPath);
        else if (!m_isFTP) // a staged copy is journalled once uploaded
            m_journal->published(m_outputPath);
        m_published = true;
        m_resultId = IdentityOf(m_outputPath);
        m_publishedIds << m_resultId;
        return true;
    };
    if (m_isFTP) { // the staging folder is this program's own
        const QString error = RenameReplacing(m_workPath, m_outputPath);
        if (!error.isEmpty()) {
            askCopyFailed(error);
            return false;
        }
        return published();
    }
    // A case-only rename of the original on a file system that ignores case.
    const bool caseOfItself = m_moveOriginal && SameFile(m_workPath, m_outputPath);
    for (int attempt = 0; attempt < 32768; ++attempt) {
        const QFileInfo target(m_outputPath);
        if ((target.exists() || target.isSymLink()) && !caseOfItself) {
            if (s.SequentialNumber && !m_aniToNonAni) {
                // Another run took this number meanwhile: the next free one.
                if (!m_reservedPath.isEmpty()) {
                    ReleaseName(m_reservedPath);
                    m_reservedPath.clear();
                }
                reserveNumberedName();
                m_meta.seqNum = toInt16(qint64(m_seqNumber) - 1, QStringLiteral("SEQNUM"));
                FinalRename();
                continue;
            }
            if (target.isDir() && !target.isSymLink()) { // a folder is never replaced
                askCopyFailed(SystemErrorText(EISDIR));
                return false;
            }
            const FileIdentity id = IdentityOf(m_outputPath);
            const bool ownOriginal = id == IdentityOf(m_fullInput);
            if (!ownOriginal && (m_publishedIds.contains(id) || m_inputIds.contains(id))) {
                askNameTaken();
                return false;
            }
            // What is replaced stays recoverable.
            QString trashPath;
            m_journal->trashing(m_outputPath);
            const QString trashError = MoveToTrash(m_outputPath, &trashPath);
            if (!trashError.isEmpty()) {
                const QString error = RenameReplacing(m_workPath, m_outputPath);
                if (!error.isEmpty()) {
                    askCopyFailed(error);
                    return false;
                }
                m_journal->replaced(m_outputPath, QString()); // gone: an undo keeps this result
                report(QCoreApplication::translate("BatchRun", "%1 was replaced for good (no trash could take it: %2).").arg(m_outputPath, trashError));
                return published();
            }
            m_journal->replaced(m_outputPath, trashPath);
            op(QStringLiteral("Moved to the trash: ") + m_outputPath);
            ++m_summary.trashed;
        }
        QString error;
        switch (RenameNoReplace(m_workPath, m_outputPath, &error)) {
        case PublishStatus::Published:
            return published();
        case PublishStatus::NameTaken:
            continue;
        case PublishStatus::Failed:
            if (caseOfItself && RenameReplacing(m_workPath, m_outputPath).isEmpty())
                return published();
            askCopyFailed(error);
            return false;
        }
    }
    askNameTaken();
    return false;
}

void BatchRun::askNameTaken()
{
    askCopyFailed(QCoreApplication::translate("BatchRun", "The name is taken by another image of this run or by its result."));
}

void BatchRun::askCopyFailed(const QString &reason)
{
    QString text = MsgX("msgCopyFailed");
    text.replace(QStringLiteral("[IMAGE1]"), m_fullInput).replace(QStringLiteral("[IMAGE2]"), m_outputPath);
    askContinue(QStringLiteral("Copy Error"), text + QStringLiteral("\r\n\r\n") + reason);
    m_skipRest = true;
}

void BatchRun::deleteSource()
{
    // The original goes only after its result was published by this run (and,
    // for an FTP destination, uploaded), and only when that result is another file.
    if (!m_s->DeleteOld || !m_published || !m_resultId.valid || !m_publishedIds.contains(m_resultId))
        return;
    const FileIdentity original = IdentityOf(m_fullInput);
    if (!original.valid || original == m_resultId)
        return; // moved to its new name, or worked on in place
    op(QStringLiteral("Delete Old (") + m_fullInput + QLatin1Char(')'));
    QString trashPath;
    m_journal->trashing(m_fullInput);
    const QString trashError = MoveToTrash(m_fullInput, &trashPath);
    if (trashError.isEmpty()) {
        m_journal->originalTrashed(m_fullInput, trashPath);
        ++m_summary.trashed;
        return;
    }
    QFile source(m_fullInput);
    if (source.remove()) {
        report(QCoreApplication::translate("BatchRun", "%1 was deleted for good (no trash could take it: %2).").arg(m_fullInput, trashError));
        return;
    }
    QString text = MsgX("msgRemoveOldImageFailed");
    text.replace(QStringLiteral("[IMAGE]"), m_fullInput)
        .replace(QStringLiteral("[ERROR]"), QStringLiteral("(12) ") + source.errorString());
    askContinue(QStringLiteral("Delete Error"), text);
}

void BatchRun::planCollisions()
{
    m_planSkips.clear();
    m_inputIds.clear();
    QList<PlannedImage> plan;
    try {
        plan = OutputPlanner(*m_s, *m_in, m_outputBase, m_isFTP).plan();
    } catch (const VexlError &) {
        return; // a bad zero fill: the run reports it at its own step
    }
    for (const PlannedImage &p : plan)
        m_inputIds << IdentityOf(p.input);
    const QString question = OutputPlanner::collisionQuestion(plan, m_outputBase);
    if (question.isEmpty())
        return;
    if (ask(question, MsgButtons::YesNo, MsgIcon::Exclamation, QStringLiteral("Name Collision")) != MsgAnswer::Yes)
        endFinished();
    for (const PlannedImage &p : plan)
        if (p.collision != CollisionKind::None)
            m_planSkips.insert(p.index);
}

qint16 BatchRun::GetNumScenes(const QString &path)
{
    try {
        ImageEngine engine;
        // Counting a long animation's frames walks all of them: the window
        // stays served meanwhile.
        QCoreApplication *app = QCoreApplication::instance();
        engine.setServeEventsWhileWorking(app && QThread::currentThread() == app->thread());
        // identify repeats the "%n" text once per scene ("333" for three scenes);
        // the line end keeps the first count apart from the next. Pinged, the
        // frames are counted without decoding their pixels (the same count: a
        // frame that cannot be read fails the ping as it fails the decode), so
        // an animation is decoded once, when its scenes are written.
        const QString text = engine.Identify({QStringLiteral("-ping"), QStringLiteral("-format"), QStringLiteral("%n\n"), path});
        int i = 0;
        while (i < text.size() && !text.at(i).isDigit())
            ++i;
        QString digits;
        while (i < text.size() && text.at(i).isDigit())
            digits += text.at(i++);
        bool ok = false;
        const int n = digits.toInt(&ok);
        // No digits, or a count that does not fit the 16-bit scene number: no animation.
        if (!ok || n > 32767)
            return 0;
        return static_cast<qint16>(n);
    } catch (const VexlError &) {
        return 0;
    }
}

} // namespace vexl
