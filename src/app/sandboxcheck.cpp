#include "sandboxcheck.h"

#include "engine/engineworker.h"
#include "engine/imageengine.h"
#include "engine/workersandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vexl {

namespace {
// A TCP port on 127.0.0.1 that listens (the kernel completes connections
// without an accept), so a connection that fails was refused by the worker's
// rules, not by an empty port. 0 when none could be opened.
int listenOnLoopback(int *fd)
{
    *fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in at = {};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof at;
    if (*fd < 0 || ::bind(*fd, reinterpret_cast<sockaddr *>(&at), sizeof at) != 0 || ::listen(*fd, 4) != 0
        || ::getsockname(*fd, reinterpret_cast<sockaddr *>(&at), &size) != 0)
        return 0;
    return ntohs(at.sin_port);
}
} // namespace

int RunSandboxCheck(const QString &folderArgument)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTemporaryDir madeFolder;
    QString folder = folderArgument.isEmpty() ? madeFolder.path() : folderArgument;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        err << "Not a folder: " << folder << Qt::endl;
        return 2;
    }
    folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());

    // Outside the rules: a folder beside FOLDER (in the temporary folder when
    // FOLDER's parent takes no new folder), holding a file.
    QTemporaryDir outside(QFileInfo(folder).absolutePath() + QStringLiteral("/vexl-outside-XXXXXX"));
    std::unique_ptr<QTemporaryDir> fallback;
    QString outsidePath = outside.path();
    if (!outside.isValid()) {
        fallback = std::make_unique<QTemporaryDir>();
        outsidePath = fallback->path();
    }
    const QString secret = outsidePath + QStringLiteral("/private.txt");
    QFile file(secret);
    if (outsidePath.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write("not for workers\n") < 0) {
        err << "No folder for the check's file outside " << folder << Qt::endl;
        return 2;
    }
    file.close();
    int listener = -1;
    const int port = listenOnLoopback(&listener);

    // A worker of the program's pool, under the folders a batch over FOLDER
    // into FOLDER gives it.
    EngineWorkerPool *pool = ImageEngine().workerPool();
    std::unique_ptr<EngineWorkerPool> own;
    if (!pool) {
        own = std::make_unique<EngineWorkerPool>(1);
        pool = own.get();
    }
    pool->setFolders(RunFolders(folder, folder));
    WorkerReply reply;
    {
        auto worker = pool->acquire();
        reply = worker->call(QStringLiteral("sandbox-probe"),
                             {secret, outsidePath, QString::number(port)});
    }
    if (listener >= 0)
        ::close(listener);
    if (!reply.ok) {
        err << "The image worker gave no answer: " << reply.failure << Qt::endl;
        return 1;
    }
    QHash<QString, QString> found;
    for (const QString &line : reply.text.split(QLatin1Char('\n')))
        found.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));

    const int abi = found.value(QStringLiteral("abi")).toInt();
    QString tcp = port == 0 ? QStringLiteral("error: no port to try") : found.value(QStringLiteral("tcp"));
    if (abi < 4 && tcp != QLatin1String("denied"))
        tcp = QStringLiteral("not confinable (Landlock ABI %1 has no network rights)").arg(abi);
    const bool active = found.value(QStringLiteral("active")) == QLatin1String("yes");
    out << "Folder: " << folder << Qt::endl;
    out << "Landlock ABI: " << abi << (abi == 0 ? " (this kernel offers no Landlock)" : "") << Qt::endl;
    const QString problem = found.value(QStringLiteral("problem"));
    out << "Confinement active: " << (active ? "yes" : "no")
        << (SandboxDisabled() ? QStringLiteral(" (VEXL_NO_SANDBOX is set)")
                              : problem.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(problem))
        << Qt::endl;
    out << "Read outside: " << found.value(QStringLiteral("read")) << Qt::endl;
    out << "Write outside: " << found.value(QStringLiteral("write")) << Qt::endl;
    out << "TCP connect: " << tcp << Qt::endl;
    const bool denied = active && found.value(QStringLiteral("read")) == QLatin1String("denied")
                        && found.value(QStringLiteral("write")) == QLatin1String("denied")
                        && tcp == QLatin1String("denied");
    return denied ? 0 : 1;
}

} // namespace vexl
