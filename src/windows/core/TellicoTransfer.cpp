#include "windows/core/TellicoTransfer.h"

#include "catalogue/Catalogue.h"
#include "exchange/TellicoExport.h"
#include "exchange/TellicoImport.h"
#include "storage/FileSystem.h"
#include "ui/FileDialog.h"
#include "ui/JobProgress.h"
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

class TellicoTransfer final
{
    Q_DECLARE_TR_FUNCTIONS(windows::TellicoTransfer)

public:
    static QString filter() { return tr("Tellico files (*.tc *.xml);;All files (*)"); }
    static QString exportTitle() { return tr("Export Tellico"); }
    static QString importTitle() { return tr("Import Tellico"); }
    static QString collectionTitle() { return tr("Video cassettes"); }
    static QString cannotWrite() { return tr("The file \"%1\" cannot be written (%2)."); }
    static QString cannotRead() { return tr("The file \"%1\" cannot be read (%2)."); }
    static QString exportFailed() { return tr("Export failed"); }
    static QString importFailed() { return tr("Import failed"); }
    static QString writing() { return tr("Writing the Tellico file..."); }
    static QString reading() { return tr("Reading the Tellico file..."); }
    static QString adding() { return tr("Adding the films..."); }
};

} // namespace

QString exportTellico(QWidget* parent, const catalogue::Catalogue& catalogue)
{
    const QString path = ui::saveFileName(parent, TellicoTransfer::exportTitle(), TellicoTransfer::filter(),
                                          QDir::homePath() + u"/ReelMinder.tc"_s, u"tc"_s);
    if (path.isEmpty())
        return {};
    catalogue::WriteOutcome outcome;
    {
        ui::JobProgress job(parent, TellicoTransfer::exportTitle(), TellicoTransfer::writing());
        outcome = exchange::writeCatalogueTellico(path, catalogue, TellicoTransfer::collectionTitle(),
                                                  job.progress());
    }
    if (outcome.status == catalogue::WriteOutcome::Failed) {
        ui::messageBox(parent,
                       TellicoTransfer::cannotWrite().arg(QDir::toNativeSeparators(path), outcome.reason),
                       TellicoTransfer::exportFailed(), ui::Icon::Error);
    }
    return outcome.status == catalogue::WriteOutcome::Written ? path : QString();
}

const catalogue::Cassette* importTellico(QWidget* parent, catalogue::Catalogue& catalogue,
                                         QUndoStack& undoStack)
{
    const QString path = ui::openFileName(parent, TellicoTransfer::importTitle(), TellicoTransfer::filter());
    if (path.isEmpty())
        return nullptr;
    const catalogue::FileContents file = catalogue::readRegularFile(path);
    if (!file.error.isEmpty()) {
        ui::messageBox(parent, TellicoTransfer::cannotRead().arg(QDir::toNativeSeparators(path), file.error),
                       TellicoTransfer::importFailed(), ui::Icon::Error);
        return nullptr;
    }
    std::optional<exchange::ImportPlan> planned;
    {
        ui::JobProgress job(parent, TellicoTransfer::importTitle(), TellicoTransfer::reading());
        planned = exchange::planTellicoImport(catalogue, file.bytes, job.progress());
    }
    if (!planned)
        return nullptr;
    exchange::ImportPlan& plan = *planned;
    if (!plan.fileError.isEmpty()) {
        ui::messageBox(parent, plan.fileError, TellicoTransfer::importFailed(), ui::Icon::Error);
        return nullptr;
    }

    QStringList cassettes;
    for (const catalogue::Cassette* cassette : catalogue.cassettes())
        cassettes.append(cassette->name());
    ImportSummaryDialog summary(parent);
    summary.setPlan(plan, QFileInfo(path).fileName(), ImportSummaryDialog::Source::Tellico, cassettes);
    if (ui::execModal(&summary) != QDialog::Accepted || !plan.addsAnything())
        return nullptr;
    exchange::placeUntaped(catalogue, plan, summary.chosenCassette());
    const QString firstName = plan.cassettes.front().name;
    {
        ui::JobProgress job(parent, TellicoTransfer::importTitle(), TellicoTransfer::adding(), false);
        windows::applyImport(undoStack, catalogue, std::move(plan), QFileInfo(path).fileName(),
                             job.progress());
    }
    return catalogue.findCassette(firstName);
}

} // namespace windows
