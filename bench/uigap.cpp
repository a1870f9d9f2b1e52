// How long the window's thread goes unserved during a run: opens the real main
// window (under whatever platform QT_QPA_PLATFORM names; the benchmark uses
// "offscreen"), lists a folder of images, starts the run with its Start button
// and measures, with a timer firing every 5 ms on the window's thread, the
// longest time between two of its ticks.
//   vexl-uigap FOLDER [SETTINGS...]
// FOLDER holds the images (they are copied to a private folder first);
// SETTINGS are Name=Value pairs stored before the window opens. Prints one line:
//   worst gap: N ms; over 50 ms: K times; ticks: T; images: I; seconds: S
// With VEXL_UIGAP_TRACE set, each gap over 50 ms is printed with the run's
// status line at the time, to find what held the thread.
#include "engine/engineworker.h"
#include "engine/imageengine.h"
#include "settings/settingsstore.h"
#include "support/apppaths.h"
#include "support/dialogservice.h"
#include "windows/frmmain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

#include <execinfo.h>
#include <pthread.h>
#include <unistd.h>

namespace {
// With tracing on: the window thread's stack, printed when it has not ticked
// for 40 ms (what holds it).
void printStack(int)
{
    void *frames[48];
    const int n = backtrace(frames, 48);
    static const char line[] = "---- window thread held:\n";
    (void)!write(STDERR_FILENO, line, sizeof line - 1);
    backtrace_symbols_fd(frames, n, STDERR_FILENO);
}

// Answers every question Yes (or OK) and counts the runs that finished.
class YesToAll final : public vexl::DialogService
{
public:
    int finished = 0;
    vexl::MsgAnswer message(const QString &text, vexl::MsgButtons buttons, vexl::MsgIcon, const QString &title) override
    {
        if (title == QLatin1String("Done"))
            ++finished;
        else
            fprintf(stderr, "vexl-uigap: %s: %s\n", qPrintable(title), qPrintable(text));
        return buttons == vexl::MsgButtons::Ok || buttons == vexl::MsgButtons::OkCancel ? vexl::MsgAnswer::Ok
                                                                                       : vexl::MsgAnswer::Yes;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &defaultText) override { return defaultText; }
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }
    std::optional<vexl::FontChoice> chooseFont(const QString &, int) override { return std::nullopt; }
    std::optional<qint32> chooseColour(qint32) override { return std::nullopt; }
    void showErrorReport(const vexl::ErrorReport &report) override
    {
        fprintf(stderr, "vexl-uigap: error report: %s\n", qPrintable(report.description));
    }
};
} // namespace

int main(int argc, char **argv)
{
    // The image workers are this program too.
    if (argc == 2 && qstrcmp(argv[1], "--engine-worker") == 0) {
        QCoreApplication app(argc, argv);
        return vexl::RunEngineWorker();
    }
    if (argc < 2) {
        fprintf(stderr, "usage: vexl-uigap FOLDER [Name=Value...]\n");
        return 2;
    }
    QTemporaryDir world;
    for (const char *folder : {"config", "data", "program/Temp", "in", "out"})
        QDir(world.path()).mkpath(QLatin1String(folder));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(world.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(world.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    vexl::AppPaths::setProgramFolder(world.filePath(QStringLiteral("program")));
    vexl::ImageEngine::initialize();
    vexl::EngineWorkerPool workers(0);
    vexl::ImageEngine::setDefaultWorkerPool(&workers);
    YesToAll dialogs;
    vexl::DialogService::setCurrent(&dialogs);

    const QString in = world.filePath(QStringLiteral("in"));
    const QDir source(QString::fromLocal8Bit(argv[1]));
    int images = 0;
    for (const QString &name : source.entryList(QDir::Files, QDir::Name))
        if (QFile::copy(source.filePath(name), in + QLatin1Char('/') + name))
            ++images;
    {
        vexl::SettingsStore store;
        store.setText(QStringLiteral("OutputDest"), QStringLiteral("//DIFFDIR//"));
        store.setText(QStringLiteral("OutputDir"), world.filePath(QStringLiteral("out")));
        store.setText(QStringLiteral("IgnoreOverwriteWarnings"), QStringLiteral("1"));
        for (int i = 2; i < argc; ++i) {
            const QString pair = QString::fromLocal8Bit(argv[i]);
            store.setText(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        }
        store.sync();
    }

    vexl::frmMain window(QStringList{in});
    window.show();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("lstImages"));
    auto *go = window.findChild<QPushButton *>(QStringLiteral("cmdGo"));
    QElapsedTimer waited;
    waited.start();
    while ((!list || list->count() < images || window.listRefreshing()) && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!list || !go || list->count() < images) {
        fprintf(stderr, "vexl-uigap: the folder was not listed\n");
        return 1;
    }

    // The ticks: the longest time between two, and how often it was over 50 ms.
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 worst = 0;
    int over = 0;
    int ticks = 0;
    const bool trace = qEnvironmentVariableIsSet("VEXL_UIGAP_TRACE");
    QTimer tick;
    tick.setInterval(5);
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (last >= 0) {
            const qint64 gap = now - last;
            worst = qMax(worst, gap);
            if (gap > 50) {
                ++over;
                if (trace) {
                    QString status;
                    for (QWidget *w : QApplication::topLevelWidgets())
                        if (w->isVisible())
                            if (auto *l = w->findChild<QLabel *>(QStringLiteral("lblStatus")))
                                status = l->text();
                    fprintf(stderr, "gap %lld ms at %lld ms: %s\n", gap, now, qPrintable(status));
                }
            }
        }
        last = now;
        ++ticks;
    });
    clock.start();
    std::atomic<qint64> lastTick{0};
    std::atomic<bool> running{true};
    std::thread watchdog;
    if (trace) {
        std::signal(SIGUSR1, printStack);
        const pthread_t windowThread = pthread_self();
        QObject::connect(&tick, &QTimer::timeout, [&] { lastTick = clock.elapsed(); });
        watchdog = std::thread([&, windowThread] {
            qint64 reported = -1;
            while (running) {
                const qint64 seen = lastTick;
                if (clock.elapsed() - seen > 40 && seen != reported) {
                    reported = seen;
                    pthread_kill(windowThread, SIGUSR1);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    tick.start();
    go->click(); // returns when the run is over
    tick.stop();
    running = false;
    if (watchdog.joinable())
        watchdog.join();
    const double seconds = clock.elapsed() / 1000.0;
    vexl::DialogService::setCurrent(nullptr);
    vexl::ImageEngine::setDefaultWorkerPool(nullptr);
    if (dialogs.finished != 1) {
        fprintf(stderr, "vexl-uigap: the run did not finish\n");
        return 1;
    }
    printf("worst gap: %lld ms; over 50 ms: %d times; ticks: %d; images: %d; seconds: %.1f\n", worst, over, ticks,
           images, seconds);
    return 0;
}
