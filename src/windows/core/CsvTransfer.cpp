#include "windows/core/CsvTransfer.h"

#include "catalogue/Catalogue.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "storage/FileSystem.h"
#include "ui/FileDialog.h"
#include "ui/JobProgress.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"
#include "windows/core/ImportSummaryDialog.h"
#include "windows/undo/CatalogueCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace windows {

namespace {

class CsvTransfer final
{
    Q_DECLARE_TR_FUNCTIONS(windows::CsvTransfer)

public:
    static QString filter() { return tr("CSV files (*.csv);;All files (*)"); }
    static QString exportTitle() { return tr("Export CSV"); }
    static QString importTitle() { return tr("Import CSV"); }
    static QString cannotWrite() { return tr("The file \"%1\" cannot be written (%2)."); }
    static QString cannotRead() { return tr("The file \"%1\" cannot be read (%2)."); }
    static QString exportFailed() { return tr("Export failed"); }
    static QString importFailed() { return tr("Import failed"); }
    static QString writing() { return tr("Writing the CSV file..."); }
    static QString reading() { return tr("Reading the CSV file..."); }
    static QString adding() { return tr("Adding the films..."); }
};

} // namespace

QString exportCsv(QWidget* parent, const catalogue::Catalogue& catalogue)
{
    const QString path = ui::saveFileName(parent, CsvTransfer::exportTitle(), CsvTransfer::filter(),
                                          QDir::homePath() + u"/ReelMinder.csv"_s, u"csv"_s);
    if (path.isEmpty())
        return {};
    // Written beside the file and put in its place only when complete: a failure keeps the old file.
    catalogue::WriteOutcome outcome;
    {
        ui::JobProgress job(parent, CsvTransfer::exportTitle(), CsvTransfer::writing());
        outcome = exchange::writeCatalogueCsv(path, catalogue, job.progress());
    }
    if (outcome.status == catalogue::WriteOutcome::Failed) {
        ui::messageBox(parent, CsvTransfer::cannotWrite().arg(QDir::toNativeSeparators(path), outcome.reason),
                       CsvTransfer::exportFailed(), ui::Icon::Error);
    }
    return outcome.status == catalogue::WriteOutcome::Written ? path : QString();
}

const catalogue::Cassette* importCsv(QWidget* parent, catalogue::Catalogue& catalogue, QUndoStack& undoStack)
{
    const QString path = ui::openFileName(parent, CsvTransfer::importTitle(), CsvTransfer::filter());
    if (path.isEmpty())
        return nullptr;
    // Only a plain file, read without blocking: a FIFO or a device chosen by mistake must not hang
    // the program, nor fill its memory.
    const catalogue::FileContents file = catalogue::readRegularFile(path);
    if (!file.error.isEmpty()) {
        ui::messageBox(parent, CsvTransfer::cannotRead().arg(QDir::toNativeSeparators(path), file.error),
                       CsvTransfer::importFailed(), ui::Icon::Error);
        return nullptr;
    }
    std::optional<exchange::ImportPlan> planned;
    {
        ui::JobProgress job(parent, CsvTransfer::importTitle(), CsvTransfer::reading());
        planned = exchange::planImport(
            catalogue, exchange::decodeCsvFile(file.bytes),
            exchange::acceptedCsvHeaders({ui::translator(ui::kEnglish), ui::translator(ui::kGerman)}),
            job.progress());
    }
    // Cancelled: nothing was planned, and nothing changed.
    if (!planned)
        return nullptr;
    exchange::ImportPlan& plan = *planned;
    if (!plan.fileError.isEmpty()) {
        ui::messageBox(parent, plan.fileError, CsvTransfer::importFailed(), ui::Icon::Error);
        return nullptr;
    }

    ImportSummaryDialog summary(parent);
    summary.setPlan(plan, QFileInfo(path).fileName());
    if (ui::execModal(&summary) != QDialog::Accepted || plan.cassettes.empty())
        return nullptr;
    const QString firstName = plan.cassettes.front().name;
    {
        // Once confirmed, the import goes through whole: no Cancel halfway. It is one step to undo.
        ui::JobProgress job(parent, CsvTransfer::importTitle(), CsvTransfer::adding(), false);
        windows::applyImport(undoStack, catalogue, std::move(plan), QFileInfo(path).fileName(),
                             job.progress());
    }
    return catalogue.findCassette(firstName);
}

} // namespace windows
