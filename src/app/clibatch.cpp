#include "clibatch.h"

#include "engine/batchrun.h"
#include "support/dirhandle.h"
#include "settings/settingsstore.h"
#include "support/apppaths.h"
#include "settings/ftpconnections.h"
#include "support/messages.h"
#include "support/vexlerror.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace vexl {

namespace {
const QString kExtensionFilter = QStringLiteral("*.png|*.bmp|*.jpg|*.jpeg|*.gif|*.tif|*.tiff|*.tga|*.miff|*.pcx");

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
    {
    }

    MsgAnswer answer(const QString &text, MsgButtons buttons, const QString &title)
    {
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
        m_err << r.title << ": " << r.description << " (" << r.windowName << "." << r.procedureName << ")"
              << Qt::endl;
        m_err << "OPERATION: " << r.operation << Qt::endl;
    }
    void setCaption(const QString &caption) override { m_caption = caption; }
    QString caption() const override { return m_caption; }
    void setStatus(const QString &) override {}
    void report(const QString &line) override { m_err << line << Qt::endl; }
    void setImageText(const QString &) override {}
    void setSceneText(const QString &) override {}
    void setProgressRange(int, int) override {}
    void setProgressValue(int) override {}
    void setFtpMode(bool) override {}
    void doEvents() override { QCoreApplication::processEvents(); }
    void imageStarted(int position, int count, const QString &item) override
    {
        m_out << '[' << position << '/' << count << "] " << item << Qt::endl;
    }
    void ftpLogLine(const QString &text, int) override { m_out << "[FTP] " << text << Qt::endl; }
    std::optional<LoginAnswer> promptLogin(const QString &server, const QString &, const QString &) override
    {
        // There is nobody to type a password: the prompt counts as cancelled.
        m_out << "Server Login: " << server << " -> Cancel" << Qt::endl;
        return std::nullopt;
    }

private:
    bool m_answerYes;
    QTextStream m_out;
    QTextStream m_err;
    QString m_caption = QStringLiteral("Processing Images");
};

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "VEXL Dovo batch image processor.\n\n"
        "Without --batch the program opens its window, listing FOLDER when one is given.\n"
        "With --batch it runs a batch without any window over every image the image list\n"
        "would show for FOLDER (default: the folder stored by the window), with the stored\n"
        "settings, printing one line per image and every message and question with the\n"
        "answer given. A saved FTP connection as destination uploads the results, showing\n"
        "the FTP log (the password as \"PASS ****\"); there is no login prompt here, so the\n"
        "connection needs a saved password. Exit status: 0 the run finished, 1 it ended\n"
        "early (a \"No\", an error, an abort), 2 bad arguments."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("batch"), QStringLiteral("Run a batch without a window.")});
    parser.addOption({QStringLiteral("recurse"), QStringLiteral("List the images of sub-folders too.")});
    parser.addOption({QStringLiteral("settings"),
                      QStringLiteral("Read the settings from FILE (an INI file with the same groups and names) "
                                     "instead of the user's settings."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("answer"),
                      QStringLiteral("The answer to every question: yes or no (default no, so a run never "
                                     "overwrites or deletes on its own)."),
                      QStringLiteral("yes|no"), QStringLiteral("no")});
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder whose images are processed."));
}
} // namespace

bool WantsCommandLineBatch(const QStringList &arguments)
{
    for (const QString &a : arguments.mid(1))
        if (a == QLatin1String("--batch") || a == QLatin1String("--help") || a == QLatin1String("-h")
            || a == QLatin1String("--help-all"))
            return true;
    return false;
}

int RunCommandLineBatch(const QStringList &arguments)
{
    QTextStream err(stderr);
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << Qt::endl << parser.helpText();
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    const QString answer = parser.value(QStringLiteral("answer")).toLower();
    if (answer != QLatin1String("yes") && answer != QLatin1String("no")) {
        err << "--answer must be yes or no" << Qt::endl;
        return 2;
    }
    if (parser.positionalArguments().size() > 1) {
        err << "Only one FOLDER may be given" << Qt::endl;
        return 2;
    }
    std::unique_ptr<SettingsStore> store;
    if (parser.isSet(QStringLiteral("settings"))) {
        const QString file = parser.value(QStringLiteral("settings"));
        if (!QFileInfo(file).isFile()) {
            err << "Settings file not found: " << file << Qt::endl;
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
        dh.Start(folder, kExtensionFilter, false, input.recurse, false);
        const QString base = dh.CurrentDir();
        while (dh.MoveNext()) {
            QString name = dh.CurrentDir().mid(base.size()) + dh.CurrentFile();
            input.items << name;
            input.checked << true;
        }
    } catch (const VexlError &e) {
        err << "Drive Error: (" << e.number << ") " << e.description << Qt::endl;
        return 1;
    }

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
    if (!go)
        return 1;

    BatchRun run;
    run.setStartRequest();
    const BatchOutcome outcome = run.Run(settings, input, host);
    return outcome == BatchOutcome::Finished ? 0 : 1;
}

} // namespace vexl
