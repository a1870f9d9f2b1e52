#pragma once

#include "workersandbox.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include <sys/types.h>

namespace vexl {

// Image decoding and encoding in a separate process. A worker is the program's
// own executable started with "--engine-worker": it reads engine calls (tool
// name and argument list) from its standard input and answers each on its
// standard output. A hostile file that crashes a decoder, or a call that hangs,
// costs that call only: the worker is replaced and the caller gets an error.
//
// A worker runs with ImageMagick's thread limit at 1 (so N workers do not
// oversubscribe the cores), MALLOC_ARENA_MAX=2, a 2 GiB address-space limit and
// the engine's own limits; it ignores SIGINT and SIGTERM (the main process
// decides what Stop means), dies with its parent and exits when its pipe closes.
// Before its first decode it confines itself with Landlock to the folders its
// caller names (see workersandbox.h); they travel in the first message.

// The worker's side: serves calls until standard input closes. Returns the
// process exit code.
int RunEngineWorker();

// The executable workers are started from: $VEXL_WORKER_EXE when set, else
// this program itself.
QString EngineWorkerExecutable();

// What one call returned: the text (Identify's formatted text) or why it failed.
struct WorkerReply
{
    bool ok = false;
    QString text;
    QString failure;
};

// The caller's side of one worker process. Blocking; use it from one thread at
// a time. The process is started on the first call and restarted after it dies.
class EngineWorker
{
public:
    EngineWorker() = default;
    ~EngineWorker();
    EngineWorker(const EngineWorker &) = delete;
    EngineWorker &operator=(const EngineWorker &) = delete;

    // Runs one engine call in the worker. A worker that dies, or gives no answer
    // within the time-out, is killed and the call fails with a reason in words.
    WorkerReply call(const QString &tool, const QStringList &args);

    pid_t pid() const { return m_pid; }
    // Which image's scenes (a SceneSource's id) the worker holds decoded, 0 for
    // none; kept by the caller's side, forgotten with the process.
    quint64 heldScenes() const { return m_pid < 0 ? 0 : m_heldScenes; }
    void setHeldScenes(quint64 id) { m_heldScenes = id; }
    void stop();
    // stop() in two halves, for ending several workers at once: closes the
    // pipe and returns the process to wait for (-1 when none).
    pid_t beginStop();
    static void finishStop(pid_t pid);
    // The user's folders the worker may use. A running worker under other
    // folders is stopped; the next call starts one under these.
    void setFolders(const WorkerFolders &folders);
    // Starts the process now, unless it runs, so that its start-up overlaps
    // the caller's own work instead of holding up the first call. A worker
    // that cannot start is left to the first call, which says why.
    void warmUp();

    static constexpr int kAnswerTimeoutMs = 60'000;
    // A worker without a call for this long returns the memory it keeps for
    // the next image.
    static constexpr int kIdleTrimMs = 1'000;

private:
    bool start(QString *why);
    void reap();

    std::atomic<pid_t> m_pid{-1};
    quint64 m_heldScenes = 0;
    WorkerFolders m_folders;
    int m_toWorker = -1;
    int m_fromWorker = -1;
};

// A fixed set of workers shared by the threads of a run. acquire() blocks until
// one is free.
class EngineWorkerPool
{
public:
    explicit EngineWorkerPool(int count);
    ~EngineWorkerPool();

    class Lease
    {
    public:
        Lease(EngineWorkerPool &pool, EngineWorker *w) : m_pool(&pool), m_worker(w) {}
        Lease(Lease &&o) noexcept : m_pool(o.m_pool), m_worker(o.m_worker) { o.m_worker = nullptr; }
        Lease(const Lease &) = delete;
        ~Lease();
        EngineWorker *operator->() const { return m_worker; }
        EngineWorker &operator*() const { return *m_worker; }

    private:
        EngineWorkerPool *m_pool;
        EngineWorker *m_worker;
    };

    // The folders of the run about to start (its inputs, outputs and work
    // folders): every call after this runs in a worker confined to them;
    // workers started under other folders are replaced at their next call.
    // Until it is called, workers may use no folder of the user's.
    void setFolders(const WorkerFolders &folders);
    WorkerFolders folders() const;

    Lease acquire();
    // Starts up to `count` of the free workers now, under the folders set.
    void warmUp(int count);
    int size() const { return int(m_workers.size()); }
    // Process ids of the workers running now (tests kill one mid-call).
    std::vector<pid_t> pids() const;

    // The number of workers a run uses: `requested` when 1..64, else the number
    // of cores.
    static int countFor(int requested);

private:
    std::vector<std::unique_ptr<EngineWorker>> m_workers;
    std::vector<EngineWorker *> m_free;
    WorkerFolders m_folders;
    mutable std::mutex m_mutex;
    std::condition_variable m_freed;
};

} // namespace vexl
