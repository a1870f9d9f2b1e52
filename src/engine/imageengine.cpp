#include "imageengine.h"
#include "support/offthread.h"

#include "engineworker.h"
#include "lookahead.h"

#include "filearguments.h"
#include "magicksetup.h"

#include "support/safefile.h"
#include "support/vexlerror.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QRegularExpression>
#include <QSet>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <cstdlib>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <wand/MagickWand.h>

namespace vexl {

namespace {

constexpr int kEngineErrorNumber = -2147417851;

std::atomic<quint64> g_calls{0};

using CommandFn = MagickBooleanType (*)(ImageInfo *, int, char **, char **, ExceptionInfo *);

using ArrangeFn = QStringList (*)(const QStringList &);

struct ToolInfo
{
    MagickTool tool;      // where the file arguments are
    const char *name;
    CommandFn fn;
    bool wantsText;
    ArrangeFn arrange = nullptr; // turns the prepared arguments into fn's own
};

// A composite over every scene of the base: composite's arguments (options,
// overlay, base, output) as the convert command that lays the overlay on each
// scene, with the options' gravity against the first scene's canvas.
QStringList compositeOnScenes(const QStringList &a, bool coalesce)
{
    const qsizetype n = a.size();
    if (n < 3)
        return a;
    QStringList out = a.mid(0, n - 3);
    out << a.at(n - 2);
    if (coalesce)
        out << QStringLiteral("-coalesce");
    out << QStringLiteral("null:") << a.at(n - 3) << QStringLiteral("-layers") << QStringLiteral("composite")
        << a.at(n - 1);
    return out;
}

constexpr ToolInfo kConvert{MagickTool::Convert, "convert", ConvertImageCommand, false};
// CompositeImageCommand of this ImageMagick crashes when handed a metadata pointer.
constexpr ToolInfo kComposite{MagickTool::Composite, "composite", CompositeImageCommand, false};
constexpr ToolInfo kCompositeScenes{MagickTool::Composite, "composite", ConvertImageCommand, false,
                                    [](const QStringList &a) { return compositeOnScenes(a, false); }};
constexpr ToolInfo kCompositeAnimation{MagickTool::Composite, "composite", ConvertImageCommand, false,
                                       [](const QStringList &a) { return compositeOnScenes(a, true); }};
constexpr ToolInfo kMogrify{MagickTool::Mogrify, "mogrify", MogrifyImageCommand, false};
constexpr ToolInfo kIdentify{MagickTool::Identify, "identify", IdentifyImageCommand, true};

struct Outcome
{
    QString text;                 // identify's formatted text
    std::exception_ptr failure;   // a VexlError, rethrown on the calling thread
};

QString describe(const ExceptionInfo *e)
{
    QString text = QString::fromUtf8(e->reason ? e->reason : "");
    if (e->description && *e->description)
        text += QStringLiteral(" (%1)").arg(QString::fromUtf8(e->description));
    return text;
}

// Why a call failed, or an empty text when it did not. A call fails when
// ImageMagick says so, when it reports an error, and when it reports damaged
// image data (a truncated JPEG only "warns", then fills the rest with grey).
// The first error is the one to show: later ones ("no images defined") follow
// from it.
QString failureReason(MagickBooleanType status, ExceptionInfo *exception)
{
    const ExceptionInfo *firstError = nullptr;
    const ExceptionInfo *corrupt = nullptr;
    if (exception->exceptions) {
        auto *list = static_cast<LinkedListInfo *>(exception->exceptions);
        ResetLinkedListIterator(list);
        while (auto *e = static_cast<const ExceptionInfo *>(GetNextValueInLinkedList(list))) {
            if (!firstError && e->severity >= ErrorException)
                firstError = e;
            if (!corrupt && e->severity == CorruptImageWarning)
                corrupt = e;
        }
    }
    if (firstError)
        return describe(firstError);
    if (exception->severity >= ErrorException)
        return describe(exception);
    if (corrupt)
        return describe(corrupt);
    if (status == MagickFalse)
        return QStringLiteral("no image could be read");
    return QString();
}

// One ImageMagick command with a fresh ImageInfo and ExceptionInfo.
Outcome invoke(const ToolInfo &tool, const FileArguments &files)
{
    const QStringList arguments = tool.arrange ? tool.arrange(files.arguments()) : files.arguments();
    std::vector<QByteArray> storage;
    storage.reserve(arguments.size() + 1);
    storage.emplace_back(tool.name);
    for (const QString &a : arguments)
        storage.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &b : storage)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    ImageInfo *info = AcquireImageInfo();
    for (const auto &[key, value] : files.options())
        SetImageOption(info, key.constData(), value.constData());
    ExceptionInfo *exception = AcquireExceptionInfo();
    char *metadata = nullptr;
    const MagickBooleanType status =
        tool.fn(info, int(storage.size()), argv.data(), tool.wantsText ? &metadata : nullptr, exception);
    Outcome out;
    QString reason = failureReason(status, exception);
    if (metadata) {
        out.text = files.restoreNames(QString::fromUtf8(metadata));
        metadata = DestroyString(metadata);
    }
    exception = DestroyExceptionInfo(exception);
    info = DestroyImageInfo(info);

    if (reason.isEmpty() && tool.wantsText && out.text.isEmpty())
        reason = QStringLiteral("no image could be read");
    if (reason == QLatin1String("no image could be read") && !files.inputs().isEmpty())
        reason += QStringLiteral(" from `%1'").arg(files.inputs().join(QStringLiteral("', `")));
    if (!reason.isEmpty())
        throw VexlError{0, files.restoreNames(reason), QString(), 0};
    return out;
}

// Runs on whichever thread does the work; never throws.
Outcome runTool(const ToolInfo &tool, const QStringList &args) noexcept
{
    try {
        FileArguments files(tool.tool, args);
        Outcome out = invoke(tool, files);
        files.commit();
        return out;
    } catch (...) {
        Outcome out;
        out.failure = std::current_exception();
        return out;
    }
}

QThreadPool &workers()
{
    static QThreadPool pool;
    return pool;
}

// Reading or changing a small file takes a millisecond or two: less than handing
// the call to a worker and back can cost on a busy machine, and too little to
// hold up painting. Such calls run on the calling thread.
constexpr qint64 kSmallFile = 64 * 1024;

bool smallWork(const ToolInfo &tool, const QStringList &args)
{
    if (tool.fn != IdentifyImageCommand || args.isEmpty())
        return false;
    const QFileInfo file(args.last());
    return file.isFile() && file.size() <= kSmallFile;
}

// Runs `work` on a thread of the pool while this thread sleeps in its event
// loop (painting, timers, a Stop button) until the work is done.
Outcome serving(std::function<Outcome()> work)
{
    return RunServingEvents(std::move(work), &workers());
}

// The name a call travels under to a worker process.
const char *wireName(const ToolInfo &tool)
{
    if (&tool == &kCompositeScenes)
        return "composite-scenes";
    if (&tool == &kCompositeAnimation)
        return "composite-animation";
    return tool.name;
}

// The scene sources alive in this process (their ids).
std::mutex g_sceneSourcesMutex;
QSet<quint64> g_sceneSources;
std::atomic<quint64> g_nextSceneSource{1};

bool sceneSourceAlive(quint64 id)
{
    std::lock_guard lock(g_sceneSourcesMutex);
    return g_sceneSources.contains(id);
}

// A worker still holding the scenes of a source that is done with lets them go
// before its next call.
void forgetStaleScenes(EngineWorker &worker)
{
    const quint64 held = worker.heldScenes();
    if (held != 0 && !sceneSourceAlive(held)) {
        worker.call(QStringLiteral("scenes-forget"), {});
        worker.setHeldScenes(0);
    }
}

// One call in a worker process; its failure comes back as the engine's error.
Outcome remote(EngineWorkerPool *pool, const ToolInfo &tool, const QStringList &args) noexcept
{
    auto lease = pool->acquire();
    forgetStaleScenes(*lease);
    const WorkerReply reply = lease->call(QLatin1String(wireName(tool)), args);
    Outcome out;
    if (reply.ok)
        out.text = reply.text;
    else
        out.failure = std::make_exception_ptr(VexlError{0, reply.failure, QString(), 0});
    return out;
}

// `done`, when given, is asked first (on the working thread): true means the
// call's work is already in place (and its text, if any, given).
using MadeAhead = std::function<bool(QString *text)>;
Outcome dispatch(bool serveEvents, EngineWorkerPool *pool, const ToolInfo &tool, const QStringList &args,
                 MadeAhead done)
{
    ++g_calls;
    std::function<Outcome()> work = [pool, &tool, args, done] {
        Outcome made;
        if (done && done(&made.text))
            return made;
        return pool ? remote(pool, tool, args) : runTool(tool, args);
    };
    if (!serveEvents || !QCoreApplication::instance() || smallWork(tool, args))
        return work();
    return serving(std::move(work));
}

QString call(bool serveEvents, EngineWorkerPool *pool, const ToolInfo &tool, const QStringList &args,
             MadeAhead done = {})
{
    ImageEngine::initialize();
    const Outcome out = dispatch(serveEvents, pool, tool, args, std::move(done));
    if (out.failure) {
        try {
            std::rethrow_exception(out.failure);
        } catch (VexlError &e) {
            e.number = kEngineErrorNumber;
            e.source = QStringLiteral("ImageEngine.%1").arg(QLatin1String(tool.name));
            throw;
        } catch (const std::exception &e) {
            throw VexlError{kEngineErrorNumber, QString::fromLocal8Bit(e.what()),
                            QStringLiteral("ImageEngine.%1").arg(QLatin1String(tool.name)), 0};
        }
    }
    return out.text;
}

QString g_startProblem;

void stopMagick()
{
    MagickCoreTerminus();
}

} // namespace

static std::atomic<EngineWorkerPool *> g_defaultPool{nullptr};

ImageEngine::ImageEngine()
    : m_pool(g_defaultPool.load())
{
}

void ImageEngine::setDefaultWorkerPool(EngineWorkerPool *pool)
{
    g_defaultPool.store(pool);
}

ImageEngine::~ImageEngine() = default;

// A JPEG that is about to be shrunk need not be decoded at full size: the
// decoder's size hint lets it scale down while decoding (never below the
// target), which the resize then finishes. Same result, a fraction of the work.
// Not for a shrink-only geometry ("800x600>"): asked for more than the image
// holds, the decoder scales up, and the image would no longer count as small.
QStringList ImageEngine::withJpegSizeHint(const QStringList &args)
{
    const int g = int(args.indexOf(QStringLiteral("-geometry")));
    if (g < 0 || g + 1 >= args.size() - 1 || args.contains(QStringLiteral("-define")))
        return args;
    static const QRegularExpression pixels(QStringLiteral("^(\\d*)x(\\d*)!?$"));
    const QRegularExpressionMatch m = pixels.match(args.at(g + 1));
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty()))
        return args;
    QFile file(args.last());
    if (!file.open(QIODevice::ReadOnly) || !file.read(3).startsWith("\xFF\xD8\xFF"))
        return args;
    file.close();
    initialize();
    // Scaled while decoding, a header that claims more than the size limits
    // would get through them (60000x60000 read as 7500x7500, seconds of work on
    // a few hundred bytes). The declared size is read first; only a file within
    // the limits gets the hint, any other fails on the limits as it would without.
    const Outcome ping = runTool(kIdentify, {QStringLiteral("-ping"), QStringLiteral("-format"),
                                             QStringLiteral("%w %h\n"), args.last()});
    const QStringList declared = ping.text.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(' '));
    bool okW = false;
    bool okH = false;
    const qint64 declaredW = declared.value(0).toLongLong(&okW);
    const qint64 declaredH = declared.size() == 2 ? declared.value(1).toLongLong(&okH) : 0;
    if (ping.failure || !okW || !okH || declaredW > qint64(GetMagickResourceLimit(WidthResource))
        || declaredH > qint64(GetMagickResourceLimit(HeightResource)))
        return args;
    const QString w = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
    const QString h = m.captured(2).isEmpty() ? m.captured(1) : m.captured(2);
    QStringList hinted{QStringLiteral("-define"), QStringLiteral("jpeg:size=%1x%2").arg(w, h)};
    return hinted + args;
}

void ImageEngine::initialize()
{
    static std::once_flag once;
    std::call_once(once, [] {
        g_startProblem = magick::start();
        // Registered before the worker pool exists, so at exit the pool is
        // finished (its destructor waits for running calls) before ImageMagick
        // is taken down.
        std::atexit(stopMagick);
        workers().setMaxThreadCount(8);
    });
    if (!g_startProblem.isEmpty())
        throw VexlError{kEngineErrorNumber, g_startProblem, QStringLiteral("ImageEngine.initialize"), 0};
}

quint64 ImageEngine::callCount()
{
    return g_calls.load();
}

void ImageEngine::Convert(const QStringList &args)
{
    call(m_serveEvents, m_pool, kConvert, args);
}

// A composite of an overlay over a file in place (a stamp) is made ahead like
// a Mogrify step; any other composite is not.
static MadeAhead compositeAhead(LookAhead *lookAhead, const QStringList &args, char kind)
{
    const qsizetype n = args.size();
    if (!lookAhead || n < 3 || args.at(n - 2) != args.at(n - 1))
        return {};
    const QStringList options = args.mid(0, n - 3);
    lookAhead->recordComposite(options, args.at(n - 3), args.last(), kind);
    return [lookAhead, options, overlay = args.at(n - 3), file = args.last(), kind](QString *) {
        return lookAhead->takeComposite(options, overlay, file, kind);
    };
}

void ImageEngine::Composite(const QStringList &args)
{
    call(m_serveEvents, m_pool, kComposite, args, compositeAhead(m_lookAhead, args, 'c'));
}

void ImageEngine::CompositeScenes(const QStringList &args, bool animation)
{
    call(m_serveEvents, m_pool, animation ? kCompositeAnimation : kCompositeScenes, args,
         compositeAhead(m_lookAhead, args, animation ? 'a' : 's'));
}

void ImageEngine::Mogrify(const QStringList &args)
{
    MadeAhead madeAhead;
    if (m_lookAhead && !args.isEmpty()) {
        const QStringList options = args.mid(0, args.size() - 1);
        m_lookAhead->recordMogrify(options, args.last());
        madeAhead = [la = m_lookAhead, options, file = args.last()](QString *) {
            return la->takeMogrify(options, file);
        };
    }
    // With workers the hint is worked out in the worker: reading even a JPEG's
    // header is decoding, which is done confined, not in this process.
    call(m_serveEvents, m_pool, kMogrify, m_pool ? args : withJpegSizeHint(args), std::move(madeAhead));
}

QString ImageEngine::runHere(const QString &tool, const QStringList &args)
{
    if (tool.startsWith(QLatin1String("scenes")))
        return SceneSource::runScenesHere(tool, args);
    for (const ToolInfo *t : {&kConvert, &kComposite, &kCompositeScenes, &kCompositeAnimation, &kMogrify, &kIdentify})
        if (tool == QLatin1String(wireName(*t)))
            return call(false, nullptr, *t, t == &kMogrify ? withJpegSizeHint(args) : args);
    throw VexlError{kEngineErrorNumber, QStringLiteral("unknown engine call \"%1\"").arg(tool),
                    QStringLiteral("ImageEngine"), 0};
}

QString ImageEngine::Identify(const QStringList &args)
{
    MadeAhead madeAhead;
    if (m_lookAhead && !args.isEmpty()) {
        const QStringList options = args.mid(0, args.size() - 1);
        m_lookAhead->recordIdentify(options, args.last());
        madeAhead = [la = m_lookAhead, options, file = args.last()](QString *text) {
            return la->takeIdentify(options, file, text);
        };
    }
    return call(m_serveEvents, m_pool, kIdentify, args, std::move(madeAhead));
}

struct SceneSource::Data
{
    Image *images = nullptr;
    std::vector<Image *> scenes; // the list's images by index (walking the list is linear)
    // Decoded in workers: the scenes' sizes, and how a worker reads the source.
    EngineWorkerPool *pool = nullptr;
    quint64 id = 0;
    QString mode;
    std::vector<std::pair<qint64, qint64>> sizes;
    ~Data()
    {
        if (images)
            DestroyImageList(images);
        if (id) {
            std::lock_guard lock(g_sceneSourcesMutex);
            g_sceneSources.remove(id);
        }
    }
    int count() const { return int(pool ? sizes.size() : scenes.size()); }
};

namespace {
// Runs `fn` (which must not throw) on a worker while the caller serves its
// events, when asked and possible.
template <typename Fn>
std::exception_ptr runMaybeServing(bool serveEvents, Fn fn)
{
    ++g_calls;
    return serveEvents ? RunServingEvents(fn, &workers()) : fn();
}

[[noreturn]] void rethrowAs(std::exception_ptr failure, const char *source)
{
    try {
        std::rethrow_exception(failure);
    } catch (VexlError &e) {
        e.number = kEngineErrorNumber;
        e.source = QStringLiteral("ImageEngine.%1").arg(QLatin1String(source));
        throw;
    } catch (const std::exception &e) {
        throw VexlError{kEngineErrorNumber, QString::fromLocal8Bit(e.what()),
                        QStringLiteral("ImageEngine.%1").arg(QLatin1String(source)), 0};
    }
}
} // namespace

SceneSource::SceneSource(const QString &path, bool animation, bool firstOnly, bool serveEvents,
                         EngineWorkerPool *pool)
    : m_path(path)
    , m_serveEvents(serveEvents)
    , m_data(std::make_unique<Data>())
{
    ImageEngine::initialize();
    Data *data = m_data.get();
    if (pool) {
        data->pool = pool;
        data->id = g_nextSceneSource++;
        {
            std::lock_guard lock(g_sceneSourcesMutex);
            g_sceneSources.insert(data->id);
        }
        data->mode = QLatin1String(animation ? "a" : "s") + QLatin1String(firstOnly ? "1" : "*");
        QStringList failures;
        writeInWorkers({}, {}, QString(), &failures);
        if (!failures.isEmpty())
            throw VexlError{kEngineErrorNumber, failures.first(), QStringLiteral("ImageEngine.convert"), 0};
        return;
    }
    const std::exception_ptr failure = runMaybeServing(serveEvents, [&]() noexcept -> std::exception_ptr {
        try {
            FileArguments files(MagickTool::Identify, {firstOnly ? path + QStringLiteral("[0]") : path});
            ImageInfo *info = AcquireImageInfo();
            CopyMagickString(info->filename, QFile::encodeName(files.arguments().last()).constData(), MaxTextExtent);
            ExceptionInfo *exception = AcquireExceptionInfo();
            Image *images = ReadImage(info, exception);
            QString reason = failureReason(images ? MagickTrue : MagickFalse, exception);
            if (images && reason.isEmpty() && animation) {
                Image *whole = CoalesceImages(images, exception);
                DestroyImageList(images);
                images = whole;
                reason = failureReason(images ? MagickTrue : MagickFalse, exception);
            }
            exception = DestroyExceptionInfo(exception);
            info = DestroyImageInfo(info);
            if (!reason.isEmpty() || !images) {
                if (images)
                    DestroyImageList(images);
                if (reason.isEmpty())
                    reason = QStringLiteral("no image could be read");
                throw VexlError{0, files.restoreNames(reason), QString(), 0};
            }
            data->images = images;
            for (Image *i = images; i; i = GetNextImageInList(i))
                data->scenes.push_back(i);
            return nullptr;
        } catch (...) {
            return std::current_exception();
        }
    });
    if (failure)
        rethrowAs(failure, "convert");
}

SceneSource::~SceneSource() = default;

QString SceneSource::describe(int index, qint64 fileBytes) const
{
    if (index < 0 || index >= m_data->count() || fileBytes < 0)
        return QString();
    const auto [columns, rows] = m_data->pool ? m_data->sizes[size_t(index)]
                                              : std::pair<qint64, qint64>(m_data->scenes[size_t(index)]->columns,
                                                                          m_data->scenes[size_t(index)]->rows);
    char size[MaxTextExtent];
    FormatMagickSize(MagickSizeType(fileBytes), MagickFalse, size);
    return QStringLiteral("%1 %2 - %3 bleh").arg(columns).arg(rows).arg(QString::fromLatin1(size));
}

int SceneSource::count() const
{
    return m_data->count();
}

namespace {
// Writes one scene of `scenes`; the failure, or nothing.
std::exception_ptr writeScene(const std::vector<Image *> &scenes, const QString &path, int index,
                              const QString &output, bool numeric, ulong q) noexcept
{
    try {
        if (index < 0 || index >= int(scenes.size()))
            throw VexlError{0, QStringLiteral("no scene %1 in `%2'").arg(index).arg(path), QString(), 0};
        FileArguments files(MagickTool::Write, {output});
        const QByteArray target = QFile::encodeName(files.arguments().last());
        ExceptionInfo *exception = AcquireExceptionInfo();
        Image *scene = CloneImage(scenes[size_t(index)], 0, 0, MagickTrue, exception);
        QString reason = failureReason(scene ? MagickTrue : MagickFalse, exception);
        exception = DestroyExceptionInfo(exception);
        if (scene) {
            ImageInfo *info = AcquireImageInfo();
            CopyMagickString(info->filename, target.constData(), MaxTextExtent);
            CopyMagickString(scene->filename, target.constData(), MaxTextExtent);
            if (numeric)
                info->quality = scene->quality = size_t(q);
            const MagickBooleanType written = WriteImage(info, scene);
            if (reason.isEmpty())
                reason = failureReason(written, &scene->exception);
            info = DestroyImageInfo(info);
            DestroyImage(scene);
        }
        if (!reason.isEmpty())
            throw VexlError{0, files.restoreNames(reason), QString(), 0};
        files.commit();
        return nullptr;
    } catch (...) {
        return std::current_exception();
    }
}
} // namespace

void SceneSource::write(int index, const QString &output, const QString &quality)
{
    if (m_data->pool) {
        QStringList failures;
        if (!writeInWorkers({index}, {output}, quality, &failures).value(0))
            throw VexlError{kEngineErrorNumber, failures.value(0), QStringLiteral("ImageEngine.convert"), 0};
        return;
    }
    // A small scene is written at once (see smallWork).
    const bool small = index >= 0 && size_t(index) < m_data->scenes.size()
        && m_data->scenes[size_t(index)]->columns * m_data->scenes[size_t(index)]->rows <= 256 * 256;
    bool numeric = false;
    const ulong q = quality.toULong(&numeric);
    const std::exception_ptr failure = runMaybeServing(m_serveEvents && !small, [&]() noexcept {
        return writeScene(m_data->scenes, m_path, index, output, numeric, q);
    });
    if (failure)
        rethrowAs(failure, "convert");
}

QList<bool> SceneSource::writeSeveral(const QList<int> &indexes, const QStringList &outputs, const QString &quality)
{
    if (indexes.size() != outputs.size() || indexes.isEmpty())
        return QList<bool>(indexes.size(), false);
    if (m_data->pool) {
        QStringList failures;
        return writeInWorkers(indexes, outputs, quality, &failures);
    }
    bool numeric = false;
    const ulong q = quality.toULong(&numeric);
    // The scenes are independent: each core takes every n-th of them. The
    // source list is only read (each write works on its own clone).
    const int threads = int(qBound(qsizetype(1), qsizetype(QThread::idealThreadCount()), indexes.size()));
    const std::vector<Image *> &scenes = m_data->scenes;
    const QString &path = m_path;
    std::vector<char> written(size_t(indexes.size()), 0);
    auto work = [&]() noexcept -> std::exception_ptr {
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t)
            pool.emplace_back([&, t] {
                for (qsizetype i = t; i < indexes.size(); i += threads)
                    written[size_t(i)] = !writeScene(scenes, path, indexes.at(i), outputs.at(i), numeric, q);
            });
        for (std::thread &t : pool)
            t.join();
        return nullptr;
    };
    runMaybeServing(m_serveEvents, work);
    return QList<bool>(written.begin(), written.end());
}

// The caller's side: the scenes are shared out among the workers, each taking
// every n-th of them in one call. Without scenes to write, one worker decodes
// the source and tells its scenes' sizes. `failures` gets the reason of each
// scene not written (or of a source that could not be read).
QList<bool> SceneSource::writeInWorkers(const QList<int> &indexes, const QStringList &outputs, const QString &quality,
                                        QStringList *failures)
{
    Data *data = m_data.get();
    const int shares = int(qBound(qsizetype(1), qsizetype(data->pool->size()), indexes.size()));
    std::vector<WorkerReply> replies(static_cast<size_t>(shares));
    std::vector<char> written(size_t(indexes.size()), 0);
    auto work = [&]() noexcept -> std::exception_ptr {
        auto one = [&](int t) {
            QStringList args{data->mode, m_path, quality};
            for (qsizetype i = t; i < indexes.size(); i += shares)
                args << QString::number(indexes.at(i)) << outputs.at(i);
            auto lease = data->pool->acquire();
            forgetStaleScenes(*lease);
            replies[size_t(t)] = lease->call(QStringLiteral("scenes"), args);
            lease->setHeldScenes(replies[size_t(t)].ok ? data->id : 0);
        };
        std::vector<std::thread> threads;
        for (int t = 1; t < shares; ++t)
            threads.emplace_back(one, t);
        one(0);
        for (std::thread &t : threads)
            t.join();
        return nullptr;
    };
    runMaybeServing(m_serveEvents, work);
    for (int t = 0; t < shares; ++t) {
        const WorkerReply &reply = replies[size_t(t)];
        QStringList lines = reply.text.split(QLatin1Char('\n'));
        if (!reply.ok || lines.isEmpty()) {
            failures->append(reply.failure);
            continue;
        }
        if (indexes.isEmpty()) {
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const QStringList wh = lines.at(i).split(QLatin1Char(' '));
                data->sizes.emplace_back(wh.value(0).toLongLong(), wh.value(1).toLongLong());
            }
            continue;
        }
        qsizetype line = 1;
        for (qsizetype i = t; i < indexes.size(); i += shares, ++line) {
            const QString result = lines.value(line);
            written[size_t(i)] = result == QLatin1String("ok");
            if (!written[size_t(i)])
                failures->append(result.mid(1));
        }
    }
    return QList<bool>(written.begin(), written.end());
}

// The worker's side. Answers the scene count, then for no scenes asked the
// size of each ("W H" a line), or for each scene asked "ok" or "!" and why not.
QString SceneSource::runScenesHere(const QString &tool, const QStringList &args)
{
    struct Held
    {
        QString mode;
        QString path;
        QByteArray state;
        std::unique_ptr<SceneSource> source;
    };
    static Held held;
    if (tool == QLatin1String("scenes-forget")) {
        held = Held();
        return QStringLiteral("ok");
    }
    if (tool != QLatin1String("scenes") || args.size() < 3 || args.size() % 2 == 0 || args.at(0).size() != 2)
        throw VexlError{kEngineErrorNumber, QStringLiteral("unknown engine call \"%1\"").arg(tool),
                        QStringLiteral("ImageEngine"), 0};
    const QString &mode = args.at(0);
    const QString &path = args.at(1);
    const QByteArray state = FileState(path);
    if (!held.source || held.mode != mode || held.path != path || state.isEmpty() || held.state != state) {
        held = Held();
        auto source = std::make_unique<SceneSource>(path, mode.at(0) == QLatin1Char('a'), mode.at(1) == QLatin1Char('1'),
                                                    false);
        held = Held{mode, path, state, std::move(source)};
    }
    SceneSource &source = *held.source;
    QStringList lines{QString::number(source.count())};
    if (args.size() == 3) {
        for (const Image *scene : source.m_data->scenes)
            lines << QStringLiteral("%1 %2").arg(scene->columns).arg(scene->rows);
    }
    for (qsizetype i = 3; i + 1 < args.size(); i += 2) {
        bool ok = false;
        const int index = args.at(i).toInt(&ok);
        try {
            source.write(ok ? index : -1, args.at(i + 1), args.at(2));
            lines << QStringLiteral("ok");
        } catch (const VexlError &e) {
            lines << QLatin1Char('!') + QString(e.description).replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace vexl
