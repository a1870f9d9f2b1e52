#include "imageengine.h"

#include "support/vexlerror.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QMutex>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <vector>

#include <wand/MagickWand.h>

namespace vexl {

namespace {
std::atomic<quint64> g_calls{0};

using CommandFn = MagickBooleanType (*)(ImageInfo *, int, char **, char **, ExceptionInfo *);

struct CallResult
{
    bool ok = false;
    QString text;   // identify's formatted text
    QString error;  // ImageMagick's reason when not ok
};

CallResult runCommand(CommandFn fn, const char *tool, const QStringList &args, bool wantText)
{
    std::vector<QByteArray> storage;
    storage.reserve(args.size() + 1);
    storage.emplace_back(tool);
    for (const QString &a : args)
        storage.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &b : storage)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    ImageInfo *info = AcquireImageInfo();
    ExceptionInfo *exception = AcquireExceptionInfo();
    char *metadata = nullptr;
    const MagickBooleanType status =
        fn(info, int(storage.size()), argv.data(), wantText ? &metadata : nullptr, exception);
    CallResult r;
    r.ok = status != MagickFalse && exception->severity < ErrorException;
    if (!r.ok) {
        QString reason = exception->reason ? QString::fromLocal8Bit(exception->reason) : QString();
        if (exception->description)
            reason += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(exception->description));
        if (reason.isEmpty())
            reason = QStringLiteral("%1 failed").arg(QLatin1String(tool));
        r.error = reason;
    }
    if (metadata) {
        r.text = QString::fromLocal8Bit(metadata);
        metadata = DestroyString(metadata);
    }
    exception = DestroyExceptionInfo(exception);
    info = DestroyImageInfo(info);
    return r;
}

CallResult dispatch(bool serveEvents, CommandFn fn, const char *tool, const QStringList &args,
                    bool wantText)
{
    ++g_calls;
    QCoreApplication *app = QCoreApplication::instance();
    if (!serveEvents || !app || QThread::currentThread() != app->thread())
        return runCommand(fn, tool, args, wantText);
    QFutureWatcher<CallResult> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<CallResult>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(runCommand, fn, tool, args, wantText));
    if (!watcher.isFinished())
        loop.exec();
    return watcher.result();
}

QString call(bool serveEvents, CommandFn fn, const char *tool, const QStringList &args, bool wantText)
{
    ImageEngine::initialize();
    const CallResult r = dispatch(serveEvents, fn, tool, args, wantText);
    if (!r.ok)
        throw VexlError{-2147417851, r.error, QStringLiteral("ImageEngine.%1").arg(QLatin1String(tool)), 0};
    return r.text;
}
} // namespace

ImageEngine::ImageEngine() = default;
ImageEngine::~ImageEngine() = default;

void ImageEngine::initialize()
{
    static QMutex mutex;
    static bool done = false;
    QMutexLocker lock(&mutex);
    if (done)
        return;
    MagickCoreGenesis(nullptr, MagickFalse);
    done = true;
}

quint64 ImageEngine::callCount()
{
    return g_calls.load();
}

void ImageEngine::Convert(const QStringList &args)
{
    call(m_serveEvents, ConvertImageCommand, "convert", args, false);
}

void ImageEngine::Composite(const QStringList &args)
{
    call(m_serveEvents, CompositeImageCommand, "composite", args, false);
}

void ImageEngine::Mogrify(const QStringList &args)
{
    call(m_serveEvents, MogrifyImageCommand, "mogrify", args, false);
}

QString ImageEngine::Identify(const QStringList &args)
{
    return call(m_serveEvents, IdentifyImageCommand, "identify", args, true);
}

} // namespace vexl
