#include "engineworker.h"

#include "filearguments.h"
#include "imageengine.h"
#include "workersandbox.h"

#include "support/apppaths.h"
#include "support/safefile.h"
#include "support/vexlerror.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QIODevice>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <functional>
#include <future>
#include <thread>

#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace vexl {

namespace {

constexpr quint32 kMaxFrame = 64u * 1024 * 1024;

bool writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Reads exactly `size` bytes. A negative time-out waits for ever. Returns false
// on end of file, error or time-out (`timedOut` says which).
bool readAll(int fd, char *data, size_t size, int timeoutMs, const QElapsedTimer &clock, bool *timedOut)
{
    while (size > 0) {
        if (timeoutMs >= 0) {
            const qint64 left = timeoutMs - clock.elapsed();
            if (left <= 0) {
                *timedOut = true;
                return false;
            }
            pollfd p{fd, POLLIN, 0};
            const int r = ::poll(&p, 1, int(left));
            if (r < 0 && errno == EINTR)
                continue;
            if (r == 0) {
                *timedOut = true;
                return false;
            }
            if (r < 0)
                return false;
        }
        const ssize_t n = ::read(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool writeFrame(int fd, const QByteArray &payload)
{
    const quint32 size = quint32(payload.size());
    return writeAll(fd, reinterpret_cast<const char *>(&size), sizeof size)
        && writeAll(fd, payload.constData(), size_t(payload.size()));
}

// A frame to a worker that may have died since its last answer: writing into
// its closed pipe must fail the call, not raise SIGPIPE, which would end the
// whole program. SIGPIPE is held back for this thread while writing, and one
// raised by the write is taken off again.
bool writeFrameToWorker(int fd, const QByteArray &payload)
{
    sigset_t pipeSignal, before;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t pending;
    sigemptyset(&pending);
    ::pthread_sigmask(SIG_BLOCK, &pipeSignal, &before);
    sigpending(&pending);
    const bool wasPending = sigismember(&pending, SIGPIPE) == 1;
    const bool ok = writeFrame(fd, payload);
    if (!ok && errno == EPIPE && !wasPending) {
        const timespec none{0, 0};
        while (::sigtimedwait(&pipeSignal, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    return ok;
}

bool readFrame(int fd, QByteArray *payload, int timeoutMs, bool *timedOut)
{
    QElapsedTimer clock;
    clock.start();
    quint32 size = 0;
    if (!readAll(fd, reinterpret_cast<char *>(&size), sizeof size, timeoutMs, clock, timedOut) || size > kMaxFrame)
        return false;
    payload->resize(qsizetype(size));
    return readAll(fd, payload->data(), size, timeoutMs, clock, timedOut);
}

// Processes are started from one long-lived thread: a child asks to die with
// the thread that started it (PR_SET_PDEATHSIG), and the threads that make
// engine calls come and go with the thread pool.
class Spawner
{
public:
    Spawner() : m_thread([this] { loop(); }) {}
    ~Spawner()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    template <typename Fn>
    auto run(Fn fn) -> decltype(fn())
    {
        std::packaged_task<decltype(fn())()> task(std::move(fn));
        auto result = task.get_future();
        {
            std::lock_guard lock(m_mutex);
            m_jobs.emplace_back([&task] { task(); });
        }
        m_wake.notify_all();
        return result.get();
    }

private:
    void loop()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_done || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            auto job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            job();
            lock.lock();
        }
    }
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_done = false;
    std::thread m_thread;
};

Spawner &spawner()
{
    static Spawner s;
    return s;
}

QString signalText(int status)
{
    if (WIFSIGNALED(status))
        return QStringLiteral("the image worker stopped unexpectedly (signal %1: %2)")
            .arg(WTERMSIG(status))
            .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status))));
    return QStringLiteral("the image worker stopped unexpectedly (exit code %1)").arg(WEXITSTATUS(status));
}

// The work files a worker that died left beside the files of its call
// (".vexl-<random>-<worker>.<run>.work..."): that worker's alone, for other
// workers may be writing theirs in the same folder.
void removeWorkFilesOf(pid_t worker, const QStringList &args)
{
    const QRegularExpression own(QStringLiteral("^\\.vexl-[0-9a-z]+-%1\\.%2\\.work").arg(worker).arg(RunProcessId()));
    QSet<QString> folders;
    for (const QString &arg : args)
        if (arg.contains(QLatin1Char('/')))
            folders.insert(QFileInfo(arg).absolutePath());
    for (const QString &folder : std::as_const(folders)) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral(".vexl-*")}, QDir::Files | QDir::Hidden | QDir::System))
            if (own.match(name).hasMatch())
                QFile::remove(dir.filePath(name));
    }
}

} // namespace

QString EngineWorkerExecutable()
{
    const QByteArray fromEnv = qgetenv("VEXL_WORKER_EXE");
    if (!fromEnv.isEmpty())
        return QFile::decodeName(fromEnv);
    const QString self = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    return self.isEmpty() ? QFile::symLinkTarget(QStringLiteral("/proc/self/exe")) : self;
}

// ---- the worker's side -------------------------------------------------

int RunEngineWorker()
{
    // Die with the main process, and leave Stop to it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() == 1)
        return 1;
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGTERM, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    const rlim_t twoGiB = rlim_t(2) * 1024 * 1024 * 1024;
    rlimit as{twoGiB, twoGiB};
    ::setrlimit(RLIMIT_AS, &as);
    // An image's pixels are tens of megabytes. Left to malloc's defaults they
    // are mapped and unmapped for every call, and every page of them is
    // faulted in and zeroed again each time (a tenth of a resize's time).
    // Kept in the heap, the next image reuses them; an idle worker gives them
    // back (see EngineWorker::kIdleTrimMs).
    ::mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    ::mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);

    // The first message: the folders of the user's this worker may use, and
    // the program's Temp folder.
    QByteArray setup;
    bool setupTimedOut = false;
    if (!readFrame(STDIN_FILENO, &setup, -1, &setupTimedOut))
        return 0;
    WorkerFolders folders;
    QString temp;
    {
        QDataStream in(setup);
        in >> folders.read >> folders.write >> temp;
    }

    QString startProblem;
    try {
        ImageEngine::initialize();
    } catch (const VexlError &e) {
        startProblem = e.description;
    }
    // Confined before the first decode. The private folder for links to
    // inputs is made now, while it still can be.
    const QString links = FileArguments::linkFolder();
    if (!links.isEmpty())
        folders.write << links;
    if (!SandboxDisabled())
        ConfineWorker(folders, temp);
    for (;;) {
        pollfd waiting{STDIN_FILENO, POLLIN, 0};
        if (::poll(&waiting, 1, EngineWorker::kIdleTrimMs) == 0)
            ::malloc_trim(0); // no call for a while: the memory goes back to the system
        QByteArray request;
        bool timedOut = false;
        if (!readFrame(STDIN_FILENO, &request, -1, &timedOut))
            return 0; // the main process closed the pipe: the run is over
        QDataStream in(request);
        QString tool;
        QStringList args;
        in >> tool >> args;
        WorkerReply reply;
        if (tool == QLatin1String("sandbox-probe")) {
            reply.text = ProbeConfinement(args);
            reply.ok = true;
        } else if (!startProblem.isEmpty()) {
            reply.failure = startProblem;
        } else {
            try {
                reply.text = ImageEngine::runHere(tool, args);
                reply.ok = true;
            } catch (const VexlError &e) {
                reply.failure = e.description;
            } catch (const std::exception &e) {
                reply.failure = QString::fromLocal8Bit(e.what());
            }
        }
        QByteArray answer;
        QDataStream out(&answer, QIODevice::WriteOnly);
        out << reply.ok << reply.text << reply.failure;
        if (!writeFrame(STDOUT_FILENO, answer))
            return 0;
    }
}

// ---- the caller's side -------------------------------------------------

EngineWorker::~EngineWorker()
{
    stop();
}

bool EngineWorker::start(QString *why)
{
    const QByteArray exe = QFile::encodeName(EngineWorkerExecutable());
    // ImageMagick's pixel cache spills into the program's Temp folder, which
    // the worker may write, not into /tmp, which it may not.
    AppPaths::ensureTempFolder();
    const QString temp = AppPaths::tempFolder();
    const QByteArray magickTemp = "MAGICK_TEMPORARY_PATH=" + QFile::encodeName(temp);
    // So is the worker's private folder for links to inputs, which it must be
    // able to remove again.
    const QByteArray tmpDir = "TMPDIR=" + QFile::encodeName(temp);
    struct Started
    {
        pid_t pid = -1;
        int toWorker = -1;
        int fromWorker = -1;
        int error = 0;
    };
    const Started s = spawner().run([exe, magickTemp, tmpDir] {
        Started r;
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0) {
            r.error = errno;
            return r;
        }
        if (::pipe2(out, O_CLOEXEC) != 0) {
            r.error = errno;
            ::close(in[0]);
            ::close(in[1]);
            return r;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        std::vector<QByteArray> env;
        for (char **e = environ; e && *e; ++e) {
            const QByteArray entry(*e);
            if (!entry.startsWith("MAGICK_THREAD_LIMIT=") && !entry.startsWith("MALLOC_ARENA_MAX=")
                && !entry.startsWith("OMP_NUM_THREADS=") && !entry.startsWith("VEXL_RUN_PID=")
                && !entry.startsWith("MAGICK_TEMPORARY_PATH=") && !entry.startsWith("TMPDIR="))
                env.push_back(entry);
        }
        env.push_back("MAGICK_THREAD_LIMIT=1");
        env.push_back("OMP_NUM_THREADS=1");
        env.push_back("MALLOC_ARENA_MAX=2");
        env.push_back(magickTemp);
        env.push_back(tmpDir);
        env.push_back("VEXL_RUN_PID=" + QByteArray::number(qint64(RunProcessId())));
        std::vector<char *> envp;
        for (QByteArray &e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        QByteArray program = exe;
        QByteArray mode("--engine-worker");
        char *argv[] = {program.data(), mode.data(), nullptr};
        const int rc = posix_spawn(&r.pid, program.constData(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        if (rc != 0) {
            r.error = rc;
            r.pid = -1;
            ::close(in[1]);
            ::close(out[0]);
            return r;
        }
        r.toWorker = in[1];
        r.fromWorker = out[0];
        return r;
    });
    if (s.pid < 0) {
        *why = QStringLiteral("the image worker could not be started: %1")
                   .arg(QString::fromLocal8Bit(strerror(s.error)));
        return false;
    }
    m_pid = s.pid;
    m_toWorker = s.toWorker;
    m_fromWorker = s.fromWorker;
    QByteArray setup;
    QDataStream out(&setup, QIODevice::WriteOnly);
    out << m_folders.read << m_folders.write << temp;
    // A worker that cannot take it has died: the call finds out and says why.
    writeFrame(m_toWorker, setup);
    return true;
}

void EngineWorker::setFolders(const WorkerFolders &folders)
{
    if (folders == m_folders)
        return;
    stop();
    m_folders = folders;
}

void EngineWorker::warmUp()
{
    QString why;
    if (m_pid < 0)
        start(&why);
}

void EngineWorker::reap()
{
    if (m_toWorker >= 0)
        ::close(m_toWorker);
    if (m_fromWorker >= 0)
        ::close(m_fromWorker);
    m_toWorker = m_fromWorker = -1;
    m_pid = -1;
}

void EngineWorker::stop()
{
    finishStop(beginStop());
}

pid_t EngineWorker::beginStop()
{
    if (m_pid < 0)
        return -1;
    const pid_t pid = m_pid;
    reap(); // a closed pipe ends the worker's loop
    return pid;
}

void EngineWorker::finishStop(pid_t pid)
{
    if (pid < 0)
        return;
    int status = 0;
    for (int i = 0; i < 1000; ++i) { // up to 1 s for an orderly exit
        if (::waitpid(pid, &status, WNOHANG) != 0)
            return;
        ::usleep(1'000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
}

WorkerReply EngineWorker::call(const QString &tool, const QStringList &args)
{
    WorkerReply reply;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << tool << args;
    // A worker that died between calls (killed, out of memory) never got this
    // one: a new worker takes it.
    for (int attempt = 0;; ++attempt) {
        if (m_pid < 0 && !start(&reply.failure))
            return reply;
        if (writeFrameToWorker(m_toWorker, request))
            break;
        const pid_t pid = m_pid;
        reap();
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (attempt > 0) {
            reply.failure = signalText(status);
            return reply;
        }
    }
    QByteArray answer;
    bool timedOut = false;
    if (readFrame(m_fromWorker, &answer, kAnswerTimeoutMs, &timedOut)) {
        QDataStream in(answer);
        in >> reply.ok >> reply.text >> reply.failure;
        return reply;
    }
    // Dead or silent: this call fails, the next one gets a new worker.
    const pid_t pid = m_pid;
    reap();
    if (timedOut)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    removeWorkFilesOf(pid, args);
    reply.ok = false;
    reply.failure = timedOut ? QStringLiteral("the image worker gave no answer for %1 seconds")
                                   .arg(kAnswerTimeoutMs / 1000)
                             : signalText(status);
    return reply;
}

// ---- the pool ----------------------------------------------------------

EngineWorkerPool::EngineWorkerPool(int count)
{
    count = countFor(count);
    for (int i = 0; i < count; ++i) {
        m_workers.push_back(std::make_unique<EngineWorker>());
        m_free.push_back(m_workers.back().get());
    }
}

EngineWorkerPool::~EngineWorkerPool()
{
    std::unique_lock lock(m_mutex);
    // Every lease is back before the workers go.
    m_freed.wait(lock, [this] { return m_free.size() == m_workers.size(); });
    lock.unlock();
    // All are told at once, so they end side by side, not one after another.
    std::vector<pid_t> ending;
    for (auto &w : m_workers)
        ending.push_back(w->beginStop());
    for (pid_t pid : ending)
        EngineWorker::finishStop(pid);
}

int EngineWorkerPool::countFor(int requested)
{
    if (requested >= 1 && requested <= 64)
        return requested;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : int(std::min(cores, 64u));
}

void EngineWorkerPool::setFolders(const WorkerFolders &folders)
{
    std::lock_guard lock(m_mutex);
    m_folders = folders;
}

WorkerFolders EngineWorkerPool::folders() const
{
    std::lock_guard lock(m_mutex);
    return m_folders;
}

EngineWorkerPool::Lease EngineWorkerPool::acquire()
{
    std::unique_lock lock(m_mutex);
    m_freed.wait(lock, [this] { return !m_free.empty(); });
    EngineWorker *w = m_free.back();
    m_free.pop_back();
    const WorkerFolders folders = m_folders;
    lock.unlock();
    Lease lease(*this, w);
    w->setFolders(folders); // a worker under other folders is replaced
    return lease;
}

void EngineWorkerPool::warmUp(int count)
{
    std::vector<Lease> leases;
    WorkerFolders folders;
    {
        std::lock_guard lock(m_mutex);
        while (int(leases.size()) < count && !m_free.empty()) {
            leases.emplace_back(*this, m_free.back());
            m_free.pop_back();
        }
        folders = m_folders;
    }
    for (Lease &w : leases) {
        w->setFolders(folders);
        w->warmUp();
    }
}

EngineWorkerPool::Lease::~Lease()
{
    if (!m_worker)
        return;
    {
        std::lock_guard lock(m_pool->m_mutex);
        m_pool->m_free.push_back(m_worker);
    }
    m_pool->m_freed.notify_all();
}

std::vector<pid_t> EngineWorkerPool::pids() const
{
    std::lock_guard lock(m_mutex);
    std::vector<pid_t> out;
    for (const auto &w : m_workers)
        if (w->pid() > 0)
            out.push_back(w->pid());
    return out;
}

} // namespace vexl
