#include "app/AppIcon.h"
#include "app/CsvExport.h"
#include "app/Startup.h"
#include "catalogue/Archive.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    // "--export-csv FILE" (or "-" for standard output) writes the catalogue as CSV and ends, without
    // a window and so without a display.
    if (argc == 3 && qstrcmp(argv[1], "--export-csv") == 0) {
        const QCoreApplication core(argc, argv);
        return app::exportCsv(
            catalogue::archivePath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u'/')),
            QString::fromLocal8Bit(argv[2]));
    }

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
