#include "app/CsvExport.h"

#include "catalogue/Archive.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ReplacingFile.h"
#include "exchange/CsvExport.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace app {

namespace {

class CsvExport final
{
    Q_DECLARE_TR_FUNCTIONS(CsvExport)

public:
    static int run(const QString& archivePath, const QString& target);
};

void printError(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

int CsvExport::run(const QString& archivePath, const QString& target)
{
    const QString shownArchive = QDir::toNativeSeparators(archivePath);
    catalogue::Catalogue catalogue;
    const catalogue::LoadResult loaded = catalogue::loadArchive(catalogue, archivePath);
    // A script must not take an empty file for the catalogue of an archive it never found.
    if (loaded.status == catalogue::LoadResult::Missing) {
        printError(tr("There is no archive \"%1\".").arg(shownArchive));
        return 1;
    }
    if (!loaded.readable()) {
        printError(tr("The archive \"%1\" cannot be read (%2).").arg(shownArchive, loaded.reason));
        return 1;
    }
    if (!loaded.sizeOk)
        printError(
            tr("The size of the archive \"%1\" is not correct; a film could be missing.").arg(shownArchive));

    const QByteArray csv = exchange::exportCatalogue(catalogue);
    if (target == u"-") {
        if (const auto problem = catalogue::writeStandardOutput(csv)) {
            printError(tr("The CSV file cannot be written to standard output (%1).").arg(*problem));
            return 1;
        }
        return 0;
    }
    if (const auto problem = catalogue::replaceFile(target, csv)) {
        printError(tr("The CSV file \"%1\" cannot be written (%2).")
                       .arg(QDir::toNativeSeparators(target), *problem));
        return 1;
    }
    return 0;
}

} // namespace

int exportCsv(const QString& archivePath, const QString& target)
{
    return CsvExport::run(archivePath, target);
}

} // namespace app
