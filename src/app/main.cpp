#include "clibatch.h"
#include "engine/engineworker.h"
#include "engine/imageengine.h"
#include "windows/frmmain.h"
#include "support/apppaths.h"
#include "support/desktopintegration.h"
#include "support/dialogservice.h"
#include "windows/widgetdialogservice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

#include "version.h"

namespace {
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

    if (vexl::WantsCommandLineBatch(arguments)) {
        // No window, no display needed.
        QCoreApplication app(argc, argv);
        describeApplication();
        vexl::AppPaths::ensureTempFolder();
        vexl::ImageEngine::initialize();
        // Images are decoded in worker processes: a decoder crash costs one image.
        vexl::EngineWorkerPool workers(0);
        vexl::ImageEngine::setDefaultWorkerPool(&workers);
        const int rc = vexl::RunCommandLineBatch(QCoreApplication::arguments());
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
    vexl::EngineWorkerPool workers(0);
    vexl::ImageEngine::setDefaultWorkerPool(&workers);

    vexl::WidgetDialogService dialogs;
    vexl::DialogService::setCurrent(&dialogs);

    QStringList args = QApplication::arguments();
    args.removeFirst();
    vexl::frmMain window(args.join(QLatin1Char(' ')));
    window.show();
    const int rc = app.exec();
    vexl::DialogService::setCurrent(nullptr);
    vexl::ImageEngine::setDefaultWorkerPool(nullptr);
    return rc;
}
