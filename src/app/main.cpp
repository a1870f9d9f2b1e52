#include "engine/imageengine.h"
#include "mainwindow/frmmain.h"
#include "support/apppaths.h"
#include "support/dialogservice.h"
#include "support/widgetdialogservice.h"

#include <QApplication>

#include "version.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexl-dovo"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2%3")
                                            .arg(vexl::version::Major)
                                            .arg(vexl::version::Minor)
                                            .arg(vexl::version::Revision));
    vexl::AppPaths::ensureTempFolder();
    vexl::ImageEngine::initialize();

    vexl::WidgetDialogService dialogs;
    vexl::DialogService::setCurrent(&dialogs);

    QStringList args = QApplication::arguments();
    args.removeFirst();
    vexl::frmMain window(args.join(QLatin1Char(' ')));
    window.show();
    const int rc = app.exec();
    vexl::DialogService::setCurrent(nullptr);
    return rc;
}
