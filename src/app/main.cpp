#include "clibatch.h"
#include "engine/engineworker.h"
#include "engine/imageengine.h"
#include "windows/frmmain.h"
#include "settings/settingsstore.h"
#include "support/apppaths.h"
#include "support/desktopintegration.h"
#include "support/dialogservice.h"
#include "windows/widgetdialogservice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

#include "version.h"

namespace {
// The number of image workers: `--workers N` (0-64, 0 = every core) over the
// stored "Workers" value (absent or 0 = every core, 1-64 otherwise). The option
// and its value are taken out of `arguments`. Returns false, with the reason,
// for a value out of range.
bool takeWorkerCount(QStringList &arguments, int *count, QString *why)
{
    *count = 0;
    {
        vexl::SettingsStore store;
        bool ok = false;
        const int stored = store.text(QStringLiteral("Workers")).trimmed().toInt(&ok);
        if (ok && stored >= 1 && stored <= 64)
            *count = stored;
    }
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,2}$"));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        qsizetype taken = 0;
        if (arguments.at(i) == QLatin1String("--workers")) {
            value = i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
            taken = 2;
        } else if (arguments.at(i).startsWith(QLatin1String("--workers="))) {
            value = arguments.at(i).mid(10);
            taken = 1;
        } else {
            continue;
        }
        if (!number.match(value).hasMatch() || value.toInt() > 64) {
            *why = QStringLiteral("--workers takes a number from 0 to 64 (0: every core), not \"%1\"").arg(value);
            return false;
        }
        *count = value.toInt();
        arguments.remove(i, qMin(taken, arguments.size() - i));
        --i;
    }
    return true;
}

void describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("vexl-dovo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2%3")
                                                .arg(vexl::version::Major)
                                                .arg(vexl::version::Minor)
                                                .arg(vexl::version::Revision));
}
} // namespace

int main(int argc, char **argv)
{
    // An image worker of a running batch or window: no window, no arguments of its own.
    if (argc == 2 && qstrcmp(argv[1], "--engine-worker") == 0) {
        QCoreApplication app(argc, argv);
        return vexl::RunEngineWorker();
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (vexl::WantsCommandLine(arguments)) {
        // Any option: the command line, no window and no display needed.
        QCoreApplication app(argc, argv);
        describeApplication();
        QStringList args = QCoreApplication::arguments();
        int workerCount = 0;
        QString why;
        if (!takeWorkerCount(args, &workerCount, &why)) {
            fprintf(stderr, "vexl-dovo: %s\n", qPrintable(why));
            return 2;
        }
        vexl::AppPaths::ensureTempFolder();
        vexl::ImageEngine::initialize();
        // Images are decoded in worker processes: a decoder crash costs one image.
        vexl::EngineWorkerPool workers(workerCount);
        vexl::ImageEngine::setDefaultWorkerPool(&workers);
        const int rc = vexl::RunCommandLine(args);
        vexl::ImageEngine::setDefaultWorkerPool(nullptr);
        return rc;
    }

    QApplication app(argc, argv);
    describeApplication();
    // The style manifest beside the program asks for the platform's own look;
    // without it every control is drawn the same everywhere (Fusion).
    if (!QFileInfo::exists(vexl::StyleManifestPath()))
        QApplication::setStyle(QStringLiteral("Fusion"));
    vexl::AppPaths::ensureTempFolder();
    vexl::ImageEngine::initialize();
    // The preview, the single-image commands and the batch decode images in
    // worker processes, never on the window's thread.
    int workerCount = 0;
    {
        QStringList ignored;
        QString why;
        takeWorkerCount(ignored, &workerCount, &why);
    }
    vexl::EngineWorkerPool workers(workerCount);
    vexl::ImageEngine::setDefaultWorkerPool(&workers);

    vexl::WidgetDialogService dialogs;
    vexl::DialogService::setCurrent(&dialogs);

    // Folders or image files ("--" may come first, as the desktop entry passes them).
    QStringList args = QApplication::arguments();
    args.removeFirst();
    args.removeOne(QStringLiteral("--"));
    vexl::frmMain window(args);
    window.show();
    const int rc = app.exec();
    vexl::DialogService::setCurrent(nullptr);
    vexl::ImageEngine::setDefaultWorkerPool(nullptr);
    return rc;
}
