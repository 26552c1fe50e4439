#include "app/HtmlCommand.h"

#include "catalogue/Catalogue.h"
#include "exchange/HtmlPage.h"
#include "storage/Archive.h"
#include "storage/ReplacingFile.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>

namespace app {

namespace {

class HtmlExport final
{
    Q_DECLARE_TR_FUNCTIONS(app::HtmlExport)

public:
    static int run(const QString& archivePath, const QString& target);
};

void printError(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

int HtmlExport::run(const QString& archivePath, const QString& target)
{
    const QString shownArchive = QDir::toNativeSeparators(archivePath);
    catalogue::Catalogue catalogue;
    const catalogue::LoadResult loaded = catalogue::loadArchive(catalogue, archivePath);
    // A script must not publish an empty page for an archive it never found.
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

    const QByteArray page = exchange::htmlPage(catalogue, ui::localeOf(ui::language()).bcp47Name());
    if (target == u"-") {
        if (const auto problem = catalogue::writeStandardOutput(page)) {
            printError(tr("The web page cannot be written to standard output (%1).").arg(*problem));
            return 1;
        }
        return 0;
    }
    if (const auto problem = catalogue::replaceFile(target, catalogue.archiveFiles(), page)) {
        printError(tr("The web page \"%1\" cannot be written (%2).")
                       .arg(QDir::toNativeSeparators(target), *problem));
        return 1;
    }
    return 0;
}

} // namespace

int exportHtml(const QString& archivePath, const QString& target)
{
    return HtmlExport::run(archivePath, target);
}

} // namespace app
