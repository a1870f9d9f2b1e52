#include "clibatch.h"
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
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (vexl::WantsCommandLine(arguments)) {
        // Any option: the command line, no window and no display needed.
        QCoreApplication app(argc, argv);
        describeApplication();
        vexl::AppPaths::ensureTempFolder();
        vexl::ImageEngine::initialize();
        return vexl::RunCommandLine(QCoreApplication::arguments());
    }

    QApplication app(argc, argv);
    describeApplication();
    // The style manifest beside the program asks for the platform's own look;
    // without it every control is drawn the same everywhere (Fusion).
    if (!QFileInfo::exists(vexl::StyleManifestPath()))
        QApplication::setStyle(QStringLiteral("Fusion"));
    vexl::AppPaths::ensureTempFolder();
    vexl::ImageEngine::initialize();

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
    return rc;
}
