#include "app/CsvCommands.h"

#include "app/ArchiveSession.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "exchange/HtmlPage.h"
#include "exchange/TellicoExport.h"
#include "exchange/TellicoImport.h"
#include "storage/Archive.h"
#include "storage/FileSystem.h"
#include "storage/ReplacingFile.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// The exit status of an import that added what it could but skipped rows.
constexpr int kSomeRowsSkipped = 3;

// The files a catalogue goes to and comes from: a CSV file, or a Tellico video collection; and a web
// page, which it only goes to.
enum class Format
{
    Csv,
    Tellico,
    Html
};

class CsvExport final
{
    Q_DECLARE_TR_FUNCTIONS(CsvExport)

public:
    static int run(const QString& archivePath, const QString& target, Format format);
};

class ImportCommand final
{
    Q_DECLARE_TR_FUNCTIONS(app::ImportCommand)

public:
    static int run(const QString& archivePath, const QString& source, Format format);

private:
    static void printSummary(const exchange::ImportPlan& plan, Format format);
};

void printError(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

void printLine(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stdout);
}

int CsvExport::run(const QString& archivePath, const QString& target, Format format)
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

    QByteArray bytes;
    switch (format) {
    case Format::Csv:
        bytes = exchange::exportCatalogue(catalogue);
        break;
    case Format::Tellico:
        bytes = *exchange::exportTellico(catalogue, tr("Video cassettes"));
        break;
    case Format::Html:
        bytes = exchange::htmlPage(catalogue, ui::localeOf(ui::language()).bcp47Name());
        break;
    }
    const bool toStandardOutput = target == u"-";
    const auto problem = toStandardOutput ? catalogue::writeStandardOutput(bytes)
                                          : catalogue::replaceFile(target, catalogue.archiveFiles(), bytes);
    if (!problem)
        return 0;
    const QString shownTarget = QDir::toNativeSeparators(target);
    switch (format) {
    case Format::Csv:
        printError(toStandardOutput
                       ? tr("The CSV file cannot be written to standard output (%1).").arg(*problem)
                       : tr("The CSV file \"%1\" cannot be written (%2).").arg(shownTarget, *problem));
        break;
    case Format::Tellico:
        printError(tr("The Tellico file \"%1\" cannot be written (%2).").arg(shownTarget, *problem));
        break;
    case Format::Html:
        printError(toStandardOutput
                       ? tr("The web page cannot be written to standard output (%1).").arg(*problem)
                       : tr("The web page \"%1\" cannot be written (%2).").arg(shownTarget, *problem));
        break;
    }
    return 1;
}

int ImportCommand::run(const QString& archivePath, const QString& source, Format format)
{
    const QString shownArchive = QDir::toNativeSeparators(archivePath);
    catalogue::Catalogue catalogue;
    ArchiveSession session(catalogue, archivePath);
    // The same lock as the windowed program's: never two writers on one archive.
    if (session.lock() == catalogue::ArchiveLock::InUse) {
        printError(tr("The archive \"%1\" is already open in reelMINDER/32; nothing was changed.")
                       .arg(shownArchive));
        return 1;
    }
    // As the window says it: the import goes on, but the user learns what that risks.
    if (session.archiveLock().state() == catalogue::ArchiveLock::Unavailable) {
        printError(tr("The archive \"%1\" cannot be locked. A second reelMINDER/32 on the same archive could "
                      "overwrite the changes made by this import.")
                       .arg(shownArchive));
    }
    if (session.archiveLock().state() == catalogue::ArchiveLock::Held && session.hasInterruptedSave()) {
        printError(
            tr("The last save of the archive \"%1\" was interrupted; start reelMINDER/32 to restore the "
               "copy kept from before it. Nothing was changed.")
                .arg(shownArchive));
        return 1;
    }
    session.removeLeftovers();
    const catalogue::LoadResult loaded = session.load();
    if (!loaded.readable()) {
        printError(CsvExport::tr("The archive \"%1\" cannot be read (%2).").arg(shownArchive, loaded.reason));
        return 1;
    }
    if (!loaded.sizeOk) {
        printError(CsvExport::tr("The size of the archive \"%1\" is not correct; a film could be missing.")
                       .arg(shownArchive));
    }

    const QString shownSource = QDir::toNativeSeparators(source);
    const catalogue::FileContents file = catalogue::readRegularFile(source);
    if (!file.error.isEmpty()) {
        printError(tr("The file \"%1\" cannot be read (%2).").arg(shownSource, file.error));
        return 1;
    }
    exchange::ImportPlan plan =
        format == Format::Tellico
            ? *exchange::planTellicoImport(catalogue, file.bytes)
            : exchange::planImport(
                  catalogue, exchange::decodeCsvFile(file.bytes),
                  exchange::acceptedCsvHeaders({ui::translator(ui::kEnglish), ui::translator(ui::kGerman)}));
    if (!plan.fileError.isEmpty()) {
        printError(plan.fileError);
        return 1;
    }
    printSummary(plan, format);
    if (!plan.addsAnything()) {
        printError(tr("Nothing was added; the archive is unchanged."));
        return 1;
    }
    // Without a window to choose in, films the file puts on no cassette go to one named after the collection.
    if (!plan.untaped.empty()) {
        const QString name = plan.untapedName.trimmed().isEmpty() ? tr("Tellico") : plan.untapedName;
        const int untaped = int(plan.untaped.size());
        exchange::placeUntaped(catalogue, plan, name);
        printLine(tr("%n film(s) without a cassette put on the cassette \"%1\".", nullptr, untaped)
                      .arg(exchange::showControls(catalogue::storedTapeName(name))));
    }
    const bool everyRow = plan.skipped.empty();
    exchange::applyImport(catalogue, std::move(plan));
    // Saved as at the end of a windowed run: beside the archive, its predecessor kept as the backup.
    const catalogue::SaveResult saved = session.save();
    if (!saved.saved) {
        printError(
            tr("The archive \"%1\" cannot be saved (%2); it is unchanged.").arg(shownArchive, saved.reason));
        return 1;
    }
    if (!saved.generationNote.isEmpty())
        printError(saved.generationNote);
    // A script learns that rows were left out, though the rest was added.
    return everyRow ? 0 : kSomeRowsSkipped;
}

void ImportCommand::printSummary(const exchange::ImportPlan& plan, Format format)
{
    if (format == Format::Csv)
        printLine(tr("Read as %1.").arg(exchange::encodingName(plan.encoding)));
    printLine(tr("%n cassette(s) created.", nullptr, plan.newCassetteCount()));
    printLine(tr("%n film(s) added.", nullptr, plan.filmCount()));
    // Names as the export writes them: a control character of a damaged name is no command to the terminal.
    for (const exchange::PlannedCassette& cassette : plan.cassettes) {
        if (const int over = cassette.minutesOver(); over > 0)
            printLine(tr("Note: the cassette \"%1\" is over-full by %n minute(s), as the archive allows.",
                         nullptr, over)
                          .arg(exchange::showControls(cassette.name)));
    }
    if (plan.skipped.empty())
        return;
    printError(tr("%n row(s) skipped:", nullptr, int(plan.skipped.size())));
    for (const exchange::SkippedRow& row : plan.skipped)
        printError(tr("  line %1: %2").arg(row.line).arg(row.reason));
}

} // namespace

int exportCsv(const QString& archivePath, const QString& target)
{
    return CsvExport::run(archivePath, target, Format::Csv);
}

int importCsv(const QString& archivePath, const QString& source)
{
    return ImportCommand::run(archivePath, source, Format::Csv);
}

int exportTellico(const QString& archivePath, const QString& target)
{
    return CsvExport::run(archivePath, target, Format::Tellico);
}

int exportHtml(const QString& archivePath, const QString& target)
{
    return CsvExport::run(archivePath, target, Format::Html);
}

int importTellico(const QString& archivePath, const QString& source)
{
    return ImportCommand::run(archivePath, source, Format::Tellico);
}

} // namespace app
