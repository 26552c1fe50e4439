#include "app/AppIcon.h"
#include "app/Startup.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(ui::applicationName());
    QCoreApplication::setApplicationVersion(ui::applicationVersion());
    QApplication::setWindowIcon(app::appIcon());

    int exitCode = 1;
    ui::guarded(nullptr, [&] {
        app::Startup startup(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u'/'));
        exitCode = startup.run();
    });
    return exitCode;
}
