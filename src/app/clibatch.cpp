#include "clibatch.h"
#include "sandboxcheck.h"

#include "engine/batchrun.h"
#include "engine/outputplan.h"
#include "engine/undobatch.h"
#include "ftp/ftpsession.h"
#include "support/dirhandle.h"
#include "support/fileprocs.h"
#include "settings/settingsstore.h"
#include "support/apppaths.h"
#include "settings/ftpconnections.h"
#include "settings/settingsvalidation.h"
#include "support/messages.h"
#include "support/vexlerror.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace vexl {

namespace {

QString buttonsText(MsgButtons b)
{
    switch (b) {
    case MsgButtons::Ok: return QStringLiteral("OK");
    case MsgButtons::OkCancel: return QStringLiteral("OK/Cancel");
    case MsgButtons::YesNo: return QStringLiteral("Yes/No");
    case MsgButtons::YesNoCancel: return QStringLiteral("Yes/No/Cancel");
    }
    return QString();
}

QString answerText(MsgAnswer a)
{
    switch (a) {
    case MsgAnswer::Ok: return QStringLiteral("OK");
    case MsgAnswer::Cancel: return QStringLiteral("Cancel");
    case MsgAnswer::Yes: return QStringLiteral("Yes");
    case MsgAnswer::No: return QStringLiteral("No");
    }
    return QString();
}

// The batch on a terminal: one line per image, every message and question with
// the answer given, error reports on stderr.
class TerminalBatchHost final : public BatchHost
{
public:
    explicit TerminalBatchHost(bool answerYes)
        : m_answerYes(answerYes)
        , m_out(stdout)
        , m_err(stderr)
        , m_progressLine(::isatty(STDOUT_FILENO) == 1)
    {
    }
    ~TerminalBatchHost() override { endProgressLine(); }

    MsgAnswer answer(const QString &text, MsgButtons buttons, const QString &title)
    {
        endProgressLine();
        MsgAnswer a = MsgAnswer::Ok;
        if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel)
            a = m_answerYes ? MsgAnswer::Yes : MsgAnswer::No;
        else if (buttons == MsgButtons::OkCancel)
            a = m_answerYes ? MsgAnswer::Ok : MsgAnswer::Cancel;
        QString flat = text;
        flat.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        m_out << title << ": " << flat;
        if (buttons != MsgButtons::Ok)
            m_out << " [" << buttonsText(buttons) << "] -> " << answerText(a);
        m_out << Qt::endl;
        return a;
    }

    MsgAnswer ask(const QString &text, MsgButtons buttons, MsgIcon, const QString &title) override
    {
        return answer(text, buttons, title);
    }
    void reportError(const ErrorReport &r) override
    {
        endProgressLine();
        m_err << r.title << ": " << r.description << " (" << r.windowName << "." << r.procedureName << ")"
              << Qt::endl;
        m_err << "OPERATION: " << r.operation << Qt::endl;
    }
    void setCaption(const QString &caption) override { m_caption = caption; }
    QString caption() const override { return m_caption; }
    void setStatus(const QString &) override {}
    void report(const QString &line) override { m_err << line << Qt::endl; }
    // "Done: Process Finished!", then what the run did.
    void runFinished(const RunSummary &summary) override
    {
        answer(RunSummary::heading(), MsgButtons::Ok, QStringLiteral("Done"));
        const QStringList lines = summary.text().split(QLatin1Char('\n')).mid(1);
        for (const QString &line : lines)
            m_out << "  " << line << '\n';
        m_out << Qt::flush;
    }
    void setImageText(const QString &) override {}
    void setSceneText(const QString &) override {}
    void setProgressRange(int, int) override {}
    void setProgressValue(int) override {}
    void setFtpMode(bool) override {}
    void doEvents() override { QCoreApplication::processEvents(); }
    void imageStarted(int position, int count, const QString &item) override
    {
        if (!m_progressLine) {
            m_out << '[' << position << '/' << count << "] " << item << Qt::endl;
            return;
        }
        // On a terminal one line rewrites itself: done share, speed, the image.
        if (!m_clock.isValid())
            m_clock.start();
        m_out << '\r' << ProgressLine(position, count, m_clock.elapsed(), item) << "\x1b[K" << Qt::flush;
        m_lineOpen = true;
    }
    void ftpLogLine(const QString &text, int) override
    {
        endProgressLine();
        m_out << "[FTP] " << text << Qt::endl;
    }
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &, const QString &) override
    {
        endProgressLine();
        // There is nobody to type a password: the prompt counts as cancelled.
        m_out << "Server Login: " << server << " -> Cancel" << Qt::endl;
        return std::nullopt;
    }

private:
    // Anything else printed starts on a line of its own.
    void endProgressLine()
    {
        if (!m_lineOpen)
            return;
        m_out << Qt::endl;
        m_lineOpen = false;
    }

    bool m_answerYes;
    QTextStream m_out;
    QTextStream m_err;
    const bool m_progressLine;
    bool m_lineOpen = false;
    QElapsedTimer m_clock;
    QString m_caption = QStringLiteral("Processing Images");
};

// Every option of the command line, one row each; --help lists them in this
// order. An option is added here and handled in RunCommandLine below.
struct CliOption
{
    const char *name;
    const char *valueName;    // nullptr: a switch
    const char *defaultValue; // nullptr: none
    const char *help;
};

const CliOption kOptions[] = {
    {"batch", nullptr, nullptr, "Run a batch without a window."},
    {"recurse", nullptr, nullptr, "List the images of sub-folders too."},
    {"settings", "FILE", nullptr,
     "Read the settings from FILE (an INI file with the same groups and names) instead of the user's settings."},
    {"answer", "yes|no", "no",
     "The answer to every question: yes or no (default no, so a run never overwrites or deletes on its own)."},
    {"dry-run", nullptr, nullptr,
     "Plan the run and print \"input -> output\" for every image (names, numbers and the name collisions the "
     "run would ask about), touching nothing."},
    {"undo-last", nullptr, nullptr,
     "Undo the last batch: list what will be done, ask (answered by --answer), then rename results back, remove "
     "results unchanged since the run, restore from the trash what they replaced and the originals, and delete "
     "uploaded files on the server. Exit 0 when everything was undone or there was nothing to undo, 1 when "
     "something was kept (each is listed) or the answer was no."},
    // Taken out of the arguments before the parser sees them (see main.cpp);
    // listed here for --help.
    {"workers", "N", nullptr,
     "The number of image workers, 0 to 64 (0: one per core; default: the stored Workers setting)."},
    {"sandbox-check", nullptr, nullptr,
     "Start an image worker as a batch over FOLDER (default: a new temporary folder) would, and report whether "
     "its confinement (Landlock) denies it reading and writing outside the run's folders and TCP connections. "
     "Exit status 0 when all three are denied, else 1."},
};

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "VEXL Dovo batch image processor.\n\n"
        "Without options the program opens its window, listing FOLDER when one is given\n"
        "(a FILE lists its folder with only that image ticked and selected).\n"
        "With --batch it runs a batch without any window over every image the image list\n"
        "would show for FOLDER (default: the folder stored by the window), with the stored\n"
        "settings, printing every message and question with the answer given. On a\n"
        "terminal one progress line rewrites itself; otherwise one line per image is\n"
        "printed. A saved FTP connection as destination uploads the results, showing\n"
        "the FTP log (the password as \"PASS ****\"); there is no login prompt here, so the\n"
        "connection needs a saved password. Ctrl-C (SIGINT) and SIGTERM stop the run as\n"
        "the Stop button does: the image in progress is finished or discarded, work\n"
        "files are removed and the FTP session is closed.\n\n"
        "Exit status:\n"
        "  0  the run finished (also --help and --version)\n"
        "  1  the run ended early: a \"No\", an error, an abort, Ctrl-C or SIGTERM\n"
        "  2  bad arguments"));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const CliOption &o : kOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name), QString::fromLatin1(o.help));
        if (o.valueName)
            option.setValueName(QString::fromLatin1(o.valueName));
        if (o.defaultValue)
            option.setDefaultValue(QString::fromLatin1(o.defaultValue));
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder whose images are processed."));
}

// One line on stderr for a refused command line, with the way to the help.
int refuse(const QString &problem)
{
    QTextStream err(stderr);
    err << QCoreApplication::applicationName() << ": " << problem << " Try '"
                        << QCoreApplication::applicationName() << " --help'." << Qt::endl;
    return 2;
}

// SIGINT and SIGTERM press Stop. The handler only writes a byte into a socket
// pair; the event loop (served by the batch between its steps) reads it.
int g_stopSignalFds[2] = {-1, -1};

extern "C" void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_stopSignalFds[1], &byte, 1);
}

class StopSignals final
{
public:
    explicit StopSignals(std::function<void()> onStop)
        : m_onStop(std::move(onStop))
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_stopSignalFds) != 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(g_stopSignalFds[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            char buffer[16];
            while (::read(g_stopSignalFds[0], buffer, sizeof buffer) > 0) {
            }
            if (!m_stopped) {
                m_stopped = true;
                QTextStream err(stderr);
                err << "\nStopping..." << Qt::endl;
            }
            if (m_onStop)
                m_onStop();
        });
        struct sigaction action = {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGINT, SIGTERM})
            ::sigaction(signal, &action, nullptr);
    }
    ~StopSignals()
    {
        for (int signal : {SIGINT, SIGTERM})
            std::signal(signal, SIG_DFL);
        m_notifier.reset();
        for (int &fd : g_stopSignalFds) {
            if (fd >= 0)
                ::close(fd);
            fd = -1;
        }
    }
    void setOnStop(std::function<void()> onStop) { m_onStop = std::move(onStop); }
    // Serves a signal that came while no batch was serving events.
    bool stopped()
    {
        QCoreApplication::processEvents();
        return m_stopped;
    }

private:
    std::function<void()> m_onStop;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_stopped = false;
};
} // namespace

QString ProgressLine(int position, int count, qint64 elapsedMs, const QString &item)
{
    const int done = position - 1;
    const int percent = count > 0 ? int(qint64(done) * 100 / count) : 0;
    const double rate = elapsedMs > 0 ? done * 1000.0 / double(elapsedMs) : 0.0;
    return QStringLiteral("[%1/%2] %3 %  %4 img/s  %5")
        .arg(position)
        .arg(count)
        .arg(percent)
        .arg(rate, 0, 'f', 1)
        .arg(item);
}

namespace {
// --dry-run: the plan the run starts from, one line per output, and the
// collisions it would ask about. Nothing is read beyond the folder's listing.
int printPlan(const ProcessSettings &settings, const BatchInput &input)
{
    QTextStream out(stdout);
    const bool isFTP = input.outputDestIndex >= 2;
    const QString outputBase = OutputPlanner::runOutputBase(settings, input);
    QList<PlannedImage> plan;
    try {
        plan = OutputPlanner(settings, input, outputBase, isFTP).plan(ScenePlanning::OneRow);
    } catch (const VexlError &e) {
        return refuse(QStringLiteral("The settings give no output name: %1.").arg(e.description));
    }
    const QString stage = AddBackslash(outputBase);
    for (const PlannedImage &image : plan) {
        for (const QString &output : image.outputs) {
            QString shown = output;
            if (isFTP) // the upload goes to the connection's folder
                shown = input.outputDestText + QLatin1Char(' ') + AddBackslash(settings.OutputDir)
                    + (output.startsWith(stage) ? output.mid(stage.size()) : output);
            out << image.item << " -> " << shown;
            if (image.collision != CollisionKind::None)
                out << "  (name collision: the run asks first)";
            if (image.perScene)
                out << "  (one file per scene, numbered)";
            if (!image.skippedNumbers.isEmpty())
                out << "  (numbers skipped, names taken: " << NumberList(image.skippedNumbers) << ')';
            out << '\n';
        }
    }
    const QStringList collisions = OutputPlanner::collisionLines(plan, outputBase);
    if (!collisions.isEmpty())
        out << "Name Collision:\n  " << collisions.join(QStringLiteral("\n  ")) << '\n';
    out << plan.size() << " images planned, nothing written" << Qt::endl;
    return 0;
}

// --undo-last: the steps, the question with its answer, then each result.
int undoLast(const QCommandLineParser &parser)
{
    const QString answer = parser.value(QStringLiteral("answer")).toLower();
    if (answer != QLatin1String("yes") && answer != QLatin1String("no"))
        return refuse(QStringLiteral("--answer must be yes or no."));
    if (parser.isSet(QStringLiteral("batch")) || parser.isSet(QStringLiteral("dry-run"))
        || parser.isSet(QStringLiteral("recurse")) || !parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("--undo-last takes only --answer and --settings."));
    QTextStream out(stdout);
    UndoBatch undo;
    const QString title = QCoreApplication::translate("UndoBatch", "Undo Last Batch");
    if (undo.nothingToDo()) {
        out << title << ": " << UndoBatch::nothingText() << Qt::endl;
        return 0;
    }
    out << title << ": " << UndoBatch::questionText() << '\n';
    for (const QString &line : undo.plan())
        out << "  " << line << '\n';
    const bool yes = answer == QLatin1String("yes");
    out << "[Yes/No] -> " << (yes ? "Yes" : "No") << Qt::endl;
    if (!yes)
        return 1;
    // The connections of uploads: a --settings file's own, then the user's.
    FTPConnectionList connections;
    try {
        if (parser.isSet(QStringLiteral("settings"))) {
            SettingsStore file(parser.value(QStringLiteral("settings")));
            connections = LoadFTPConnections(file.raw());
        }
        SettingsStore user;
        for (const FTPConnection &c : LoadFTPConnections(user.raw()))
            if (FindFTPConnection(connections, c.Name).second < 0)
                connections << c;
    } catch (const VexlError &e) {
        QTextStream(stderr) << "Settings: FTP connections: " << e.description << Qt::endl;
    }
    const bool all = undo.run(connections);
    for (const QString &line : undo.results())
        out << "  " << line << '\n';
    out << UndoBatch::doneText(all) << Qt::endl;
    return all ? 0 : 1;
}
} // namespace

bool WantsCommandLine(const QStringList &arguments)
{
    // Any option at all belongs to the command line: the window takes none, and
    // an option it silently ignored would leave a script waiting on a window.
    for (const QString &a : arguments.mid(1)) {
        if (a == QLatin1String("--"))
            return false;
        if (a.size() > 1 && a.startsWith(QLatin1Char('-')))
            return true;
    }
    return false;
}

int RunCommandLine(const QStringList &arguments)
{
    QTextStream err(stderr);
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        QTextStream(stdout) << "VEXL Dovo " << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }
    if (parser.isSet(QStringLiteral("sandbox-check"))) {
        if (parser.positionalArguments().size() > 1)
            return refuse(QStringLiteral("Only one FOLDER may be given."));
        return RunSandboxCheck(parser.positionalArguments().value(0));
    }
    if (parser.isSet(QStringLiteral("undo-last")))
        return undoLast(parser);
    if (!parser.isSet(QStringLiteral("batch"))) {
        const QString used = parser.optionNames().value(0, QStringLiteral("workers"));
        return refuse(QStringLiteral("--%1 goes with --batch.").arg(used));
    }
    const QString answer = parser.value(QStringLiteral("answer")).toLower();
    if (answer != QLatin1String("yes") && answer != QLatin1String("no"))
        return refuse(QStringLiteral("--answer must be yes or no."));
    if (parser.positionalArguments().size() > 1)
        return refuse(QStringLiteral("Only one FOLDER may be given."));
    StopSignals stopSignals(nullptr);

    std::unique_ptr<SettingsStore> store;
    if (parser.isSet(QStringLiteral("settings"))) {
        const QString file = parser.value(QStringLiteral("settings"));
        const QString problem = ValidateSettingsFile(file, SettingsStore::userFile());
        if (!problem.isEmpty()) {
            err << problem << Qt::endl;
            return 2;
        }
        store = std::make_unique<SettingsStore>(file);
    } else {
        store = std::make_unique<SettingsStore>();
    }

    QString folder = parser.positionalArguments().value(0);
    if (folder.isEmpty())
        folder = store->text(QStringLiteral("FileDir"), QString());
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        err << "Not a folder: " << folder << Qt::endl;
        return 2;
    }
    folder = AddBackslash(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));

    ProcessSettings settings;
    settings.FileDir = folder;
    int loadErrors = 0;
    LoadProcessOptions(*store, settings, [&](const QString &name, const VexlError &e) {
        err << "Settings: " << name << ": " << e.description << Qt::endl;
        ++loadErrors;
    });
    LoadProcessTail(*store, settings, folder, nullptr);
    Q_UNUSED(loadErrors);

    BatchInput input;
    input.currentFolder = folder;
    input.recurse = parser.isSet(QStringLiteral("recurse"));
    // Destinations: the same folder, another folder, or a saved connection (a
    // connection that no longer exists means the same folder, as in the window).
    try {
        Ftp().connections = LoadFTPConnections(store->raw());
        // A settings file may name a connection of the user's own store.
        if (parser.isSet(QStringLiteral("settings"))) {
            SettingsStore user;
            for (const FTPConnection &c : LoadFTPConnections(user.raw()))
                if (FindFTPConnection(Ftp().connections, c.Name).second < 0)
                    Ftp().connections << c;
        }
    } catch (const VexlError &e) {
        err << "Settings: FTP connections: " << e.description << Qt::endl;
        Ftp().connections.clear();
    }
    SortFTPConnections(Ftp().connections);
    QStringList destinations{Msg("msgOutputSameFolder"), Msg("msgOutputDifferentFolder")};
    for (const FTPConnection &c : std::as_const(Ftp().connections))
        destinations << QStringLiteral("FTP: ") + c.Name;
    destinations << Msg("msgConfigureFTPServers");
    input.outputDestIndex = DestinationIndexForToken(settings.OutputDest, destinations);
    input.outputDestText = destinations.at(input.outputDestIndex);
    if (input.outputDestIndex == 0)
        settings.OutputDir = folder;
    if (input.outputDestIndex == 1 && !QFileInfo(settings.OutputDir).isDir()) {
        err << "Output folder not found: " << settings.OutputDir << Qt::endl;
        return 2;
    }

    try {
        DirHandle dh;
        dh.Start(folder, ImageFileFilter(), false, input.recurse, false);
        const QString base = dh.CurrentDir();
        while (dh.MoveNext()) {
            QString name = dh.CurrentDir().mid(base.size()) + dh.CurrentFile();
            input.items << name;
            input.checked << true;
        }
        for (const QString &skipped : dh.Skipped())
            err << "Skipped (unusable name or path too long): " << skipped << Qt::endl;
        if (!dh.Skipped().isEmpty())
            err << dh.Skipped().size() << " entries skipped" << Qt::endl;
    } catch (const VexlError &e) {
        err << "Drive Error: (" << e.number << ") " << e.description << Qt::endl;
        return 1;
    }

    if (parser.isSet(QStringLiteral("dry-run")))
        return printPlan(settings, input);

    TerminalBatchHost host(answer == QLatin1String("yes"));
    int ignore = 0;
    try {
        ignore = int(store->number(QStringLiteral("IgnoreOverwriteWarnings"), 0));
    } catch (const VexlError &) {
    }
    const bool go = BatchRun::StartChecks(
        settings, folder, ignore,
        [&host](const QString &text, MsgButtons b, MsgIcon, const QString &title) { return host.answer(text, b, title); },
        nullptr);
    if (!go || stopSignals.stopped())
        return 1;
    BatchRun run;
    stopSignals.setOnStop([&run] { run.requestStop(); });
    run.setStartRequest();
    const BatchOutcome outcome = run.Run(settings, input, host);
    stopSignals.setOnStop(nullptr);
    // The session said QUIT on its way out; give it a moment to reach the
    // server before the process ends.
    WaitForClosingSessions(2000);
    // A Stop at the head of an image ends the run as finished; for a script it
    // is still a run that did not do everything.
    return outcome == BatchOutcome::Finished && !stopSignals.stopped() ? 0 : 1;
}

} // namespace vexl
