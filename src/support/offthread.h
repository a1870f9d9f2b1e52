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
// application's thread, `fn` simply runs here.
template <typename Fn>
auto RunServingEvents(Fn fn) -> std::invoke_result_t<Fn>
{
    using R = std::invoke_result_t<Fn>;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return fn();
    QFutureWatcher<R> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<R>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(std::move(fn)));
    if (!watcher.isFinished())
        loop.exec();
    return watcher.result();
}

} // namespace vexl
