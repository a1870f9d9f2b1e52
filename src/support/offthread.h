#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <type_traits>

namespace vexl {

// Runs `fn` on a worker thread while the calling thread waits in its event loop
// (blocked, not spinning), so windows keep painting and buttons keep working
// during a long file operation. Without an application object, or off the
// application's thread, `fn` simply runs here. `pool` (default: Qt's global
// pool) is the pool the thread is taken from. An application that quits ends
// the event loop early; the work is still waited for.
template <typename Fn>
auto RunServingEvents(Fn fn, QThreadPool *pool = nullptr) -> std::invoke_result_t<Fn>
{
    using R = std::invoke_result_t<Fn>;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return fn();
    QFutureWatcher<R> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<R>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(pool ? QtConcurrent::run(pool, std::move(fn)) : QtConcurrent::run(std::move(fn)));
    if (!watcher.isFinished())
        loop.exec();
    return watcher.result();
}

} // namespace vexl
