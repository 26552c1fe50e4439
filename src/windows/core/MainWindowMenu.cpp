// The main window's cassette list menu: its actions, with their shortcuts, and the commands that only
// the menu offers (printing, PDF files, CSV files, the web page, the tape tools, statistics and labels).
#include "catalogue/Catalogue.h"
#include "exchange/SheetData.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/NoteLabel.h"
#include "ui/ReportList.h"
#include "windows/core/CsvTransfer.h"
#include "windows/core/MainWindow.h"
#include "windows/core/TellicoTransfer.h"
#include "windows/core/WebPageExport.h"
#include "windows/models/CassetteListModel.h"
#include "windows/print/DocumentOutput.h"
#include "windows/undo/UndoActions.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QShortcut>
#include <QStatusBar>

#include <utility>

using namespace Qt::StringLiterals;

namespace windows {

// Undo and redo, printing, export and import have no button: they are the cassette list's context
// menu, with shortcuts that work anywhere in the window.
void MainWindow::addListActions()
{
    const auto addSeparator = [this] {
        auto* const separator = new QAction(this);
        separator->setSeparator(true);
        cassetteList_->addAction(separator);
    };
    undoActions_ = new UndoActions(undoStack_, this);
    cassetteList_->addAction(undoActions_->undoAction());
    cassetteList_->addAction(undoActions_->redoAction());
    addSeparator();
    // A cassette that an undo or redo brings back is selected, so that the user sees where it went.
    connect(undoActions_, &UndoActions::aboutToStep, this, [this] {
        stepping_ = true;
        returned_ = nullptr;
    });
    connect(cassetteModel_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) {
                if (stepping_ && !returned_)
                    returned_ = cassetteModel_->cassetteAt(first);
            });
    connect(undoActions_, &UndoActions::stepped, this, [this] {
        stepping_ = false;
        if (returned_)
            cassetteList_->setSelectedRow(cassetteModel_->rowOf(std::exchange(returned_, nullptr)));
    });
    const auto addAction = [this](const QString& name, const QKeySequence& shortcut,
                                  void (MainWindow::*handler)()) {
        auto* action = ui::named(new QAction(this), name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this,
                [this, handler] { ui::guarded(this, [&] { (this->*handler)(); }); });
        cassetteList_->addAction(action);
        return action;
    };
    printSheetAction_ =
        addAction(u"printSheetAction"_s, QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::printCassetteSheet);
    printListAction_ = addAction(u"printListAction"_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                                 &MainWindow::printCatalogueList);
    sheetPdfAction_ = addAction(u"sheetPdfAction"_s, {}, &MainWindow::saveCassetteSheetAsPdf);
    listPdfAction_ = addAction(u"listPdfAction"_s, {}, &MainWindow::saveCatalogueListAsPdf);
    labelsAction_ =
        addAction(u"labelsAction"_s, QKeySequence(Qt::CTRL | Qt::Key_L), &MainWindow::printLabels);
    addSeparator();
    exportAction_ = addAction(u"exportAction"_s, QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::exportCsv);
    importAction_ = addAction(u"importAction"_s, QKeySequence(Qt::CTRL | Qt::Key_I), &MainWindow::importCsv);
    webPageAction_ = addAction(u"webPageAction"_s, {}, &MainWindow::saveWebPage);
    exportTellicoAction_ = addAction(u"exportTellicoAction"_s, {}, &MainWindow::exportTellico);
    importTellicoAction_ = addAction(u"importTellicoAction"_s, {}, &MainWindow::importTellico);
    addSeparator();
    findSpaceAction_ =
        addAction(u"findSpaceAction"_s, QKeySequence(Qt::CTRL | Qt::Key_G), &MainWindow::findSpace);
    tapeMapAction_ =
        addAction(u"tapeMapAction"_s, QKeySequence(Qt::CTRL | Qt::Key_M), &MainWindow::showTapeMap);
    duplicatesAction_ =
        addAction(u"duplicatesAction"_s, QKeySequence(Qt::CTRL | Qt::Key_D), &MainWindow::findDuplicates);
    statisticsAction_ =
        addAction(u"statisticsAction"_s, QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::showStatistics);
    backupsAction_ =
        addAction(u"backupsAction"_s, QKeySequence(Qt::CTRL | Qt::Key_B), &MainWindow::showBackups);

    // The menu opens without a modal loop of its own: by the right button or the Menu key on the list,
    // and by Shift+F10 anywhere in the window, as in most desktop programs.
    listMenu_ = ui::named(new QMenu(this), u"listMenu"_s);
    listMenu_->addActions(cassetteList_->actions());
    cassetteList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cassetteList_, &QWidget::customContextMenuRequested, this, &MainWindow::showListMenu);
    auto* const menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    menuKey->setObjectName(u"listMenuShortcut"_s);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QModelIndex row = cassetteList_->model()->index(cassetteList_->selectedRow(), 0);
        const QRect rect = cassetteList_->visualRect(row);
        showListMenu(row.isValid() && cassetteList_->viewport()->rect().intersects(rect) ? rect.bottomLeft()
                                                                                         : QPoint(0, 0));
    });
}

void MainWindow::showListMenu(const QPoint& pos)
{
    listMenu_->popup(cassetteList_->viewport()->mapToGlobal(pos));
}

// Names the file just written, its folder shortened in the middle where the status bar is too narrow.
void MainWindow::noteWritten(const QString& text, const QString& path)
{
    if (path.isEmpty())
        return;
    showNote(ui::writtenNote(text, path, QFontMetrics(statusBar_->font()), statusBar_->width()));
}

void MainWindow::exportCsv()
{
    noteWritten(tr("CSV file written: %1"), windows::exportCsv(this, catalogue_));
}

void MainWindow::importCsv()
{
    selectCassette(windows::importCsv(this, catalogue_, undoStack_));
}

void MainWindow::saveWebPage()
{
    noteWritten(tr("Web page written: %1"), windows::saveWebPage(this, catalogue_));
}

void MainWindow::exportTellico()
{
    noteWritten(tr("Tellico file written: %1"), windows::exportTellico(this, catalogue_));
}

void MainWindow::importTellico()
{
    selectCassette(windows::importTellico(this, catalogue_, undoStack_));
}

void MainWindow::printCassetteSheet()
{
    if (const catalogue::Cassette* cassette =
            selectedCassetteOrWarn(tr("Please select first the tape that you want to print.")))
        previewSheets(this, {exchange::gatherCassette(*cassette)}, exchange::SheetKind::CassetteSheet,
                      catalogue_.archiveFiles());
}

void MainWindow::printCatalogueList()
{
    previewSheets(this, exchange::gatherCatalogue(catalogue_), exchange::SheetKind::CatalogueList,
                  catalogue_.archiveFiles());
}

void MainWindow::saveCassetteSheetAsPdf()
{
    const catalogue::Cassette* cassette =
        selectedCassetteOrWarn(tr("Please select first the tape that you want to save as PDF."));
    if (!cassette)
        return;
    std::vector<exchange::SheetCassette> sheet;
    sheet.push_back(exchange::gatherCassette(*cassette));
    const QString name = sheet.front().name;
    noteWritten(tr("PDF file written: %1"),
                saveSheetsAsPdf(this, std::move(sheet), exchange::SheetKind::CassetteSheet, name,
                                catalogue_.archiveFiles()));
}

void MainWindow::saveCatalogueListAsPdf()
{
    noteWritten(tr("PDF file written: %1"), saveSheetsAsPdf(this, exchange::gatherCatalogue(catalogue_),
                                                            exchange::SheetKind::CatalogueList,
                                                            tr("Catalogue list"), catalogue_.archiveFiles()));
}

void MainWindow::findSpace()
{
    Q_EMIT findSpaceRequested();
}

void MainWindow::showTapeMap()
{
    Q_EMIT tapeMapRequested();
}

void MainWindow::findDuplicates()
{
    Q_EMIT duplicatesRequested();
}

void MainWindow::showStatistics()
{
    Q_EMIT statisticsRequested();
}

void MainWindow::printLabels()
{
    Q_EMIT labelsRequested(selectedCassette());
}

void MainWindow::showBackups()
{
    Q_EMIT backupsRequested();
}

} // namespace windows
