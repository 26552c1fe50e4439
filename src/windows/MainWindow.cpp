#include "windows/MainWindow.h"

#include "catalogue/Archive.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileSystem.h"
#include "catalogue/RecordText.h"
#include "catalogue/ReplacingFile.h"
#include "controls/NumEdit.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "exchange/SheetData.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"
#include "ui/FileDialog.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"
#include "ui/ReportList.h"
#include "windows/CassetteDialog.h"
#include "windows/ImportSummaryDialog.h"
#include "windows/SheetOutput.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <iterator>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

namespace windows {
namespace {

// Designed widths of the four columns; a column grows when its caption needs more.
constexpr int kColumnWidths[] = {160, 42, 61, 88};
// The columns after the name, each holding a number.
constexpr int kLengthColumn = 1;
constexpr int kCountColumn = 2;
constexpr int kRemainingColumn = 3;

// The selected row's cassette with its numbers, for the cassette dialog.
std::optional<CassetteDialog::Cassette> selectedCassette(const ui::ReportList& list)
{
    const int row = list.selectedRow();
    if (row < 0)
        return std::nullopt;
    return CassetteDialog::Cassette{list.caption(row), list.value(row, kLengthColumn).toInt(),
                                    list.value(row, kRemainingColumn).toInt()};
}

} // namespace

MainWindow::MainWindow(catalogue::Catalogue& catalogue, const QString& archivePath, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      catalogue_(catalogue), archivePath_(archivePath)
{
    createControls();
    loadArchive();
}

MainWindow::~MainWindow() = default;

void MainWindow::setCassetteDialog(CassetteDialog* dialog)
{
    cassetteDialog_ = dialog;
    dialog->setLookup({[this] { return selectedCassette(*cassetteList_); },
                       [this](const QString& name) { return cassetteList_->findCaption(name) >= 0; }});
}

void MainWindow::createControls()
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(ui::applicationTitle());
    ui::setHelpTopic(this, ui::HelpTopic::MainWindow);

    cassettesLabel_ = new QLabel(this);
    cassettesLabel_->setObjectName(u"cassettesLabel"_s);
    cassetteList_ = new ui::ReportList(this);
    cassetteList_->setObjectName(u"cassetteList"_s);
    cassettesLabel_->setBuddy(cassetteList_);
    cassetteList_->setColumns(QStringList(std::size(kColumnWidths)),
                              {kColumnWidths[0], kColumnWidths[1], kColumnWidths[2], kColumnWidths[3]});

    auto makeButton = [this](const char16_t* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromUtf16(name));
        // Return presses the focused button, as Space does.
        button->setAutoDefault(true);
        return button;
    };
    newButton_ = makeButton(u"newButton");
    openButton_ = makeButton(u"openButton");
    editButton_ = makeButton(u"editButton");
    deleteButton_ = makeButton(u"deleteButton");
    searchButton_ = makeButton(u"searchButton");
    exitButton_ = makeButton(u"exitButton");
    aboutButton_ = makeButton(u"aboutButton");

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(u"statusBar"_s);
    statusBar_->setSizeGripEnabled(false);
    cassetteCountLabel_ = new QLabel(statusBar_);
    cassetteCountLabel_->setObjectName(u"cassetteCountLabel"_s);
    filmCountLabel_ = new QLabel(statusBar_);
    filmCountLabel_->setObjectName(u"filmCountLabel"_s);
    cassetteCountLabel_->setMinimumWidth(100);
    filmCountLabel_->setMinimumWidth(50);
    statusBar_->addWidget(cassetteCountLabel_);
    statusBar_->addWidget(filmCountLabel_);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {newButton_, openButton_, editButton_, deleteButton_, searchButton_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(exitButton_);

    auto* grid = new QGridLayout;
    grid->addWidget(cassettesLabel_, 0, 0);
    grid->addWidget(cassetteList_, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(aboutButton_, 2, 0, Qt::AlignLeft);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* body = new QWidget(this);
    body->setLayout(grid);
    outer->addWidget(body);
    outer->addWidget(statusBar_);
    // The window takes the size its contents need in the current language, and keeps it.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cassetteList_, newButton_);
    setTabOrder(newButton_, openButton_);
    setTabOrder(openButton_, editButton_);
    setTabOrder(editButton_, deleteButton_);
    setTabOrder(deleteButton_, searchButton_);
    setTabOrder(searchButton_, exitButton_);
    setTabOrder(exitButton_, aboutButton_);

    // An exception ends only the one action and is reported.
    auto connectGuarded = [this](QPushButton* button, void (MainWindow::*action)()) {
        connect(button, &QPushButton::clicked, this,
                [this, action] { ui::guarded(this, [&] { (this->*action)(); }); });
    };
    connectGuarded(newButton_, &MainWindow::createCassette);
    connectGuarded(openButton_, &MainWindow::openCassette);
    connectGuarded(editButton_, &MainWindow::editCassette);
    connectGuarded(deleteButton_, &MainWindow::deleteCassette);
    connectGuarded(searchButton_, &MainWindow::searchFilms);
    connectGuarded(aboutButton_, &MainWindow::showAbout);
    // closeEvent() guards the question and the save itself.
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(cassetteList_, &ui::ReportList::rowDoubleClicked, this,
            [this] { ui::guarded(this, [this] { openCassette(); }); });
    // Exit is the window's cancel button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, exitButton_, &QPushButton::click);
    addListActions();

    // Until the program's language reaches it, the window carries the German captions it was designed
    // with; the catalogue is still empty, so the counts are 0 and the buttons that need a cassette are off.
    ui::withLanguage(ui::kFormLanguage, [this] { retranslate(); });
}

// Printing, export and import have no button: they are the cassette list's context menu, with
// shortcuts that work anywhere in the window.
void MainWindow::addListActions()
{
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
    auto* const separator = new QAction(this);
    separator->setSeparator(true);
    cassetteList_->addAction(separator);
    exportAction_ = addAction(u"exportAction"_s, QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::exportCsv);
    importAction_ = addAction(u"importAction"_s, QKeySequence(Qt::CTRL | Qt::Key_I), &MainWindow::importCsv);
    cassetteList_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::loadArchive()
{
    const catalogue::LoadResult loaded = catalogue::loadArchive(catalogue_, archivePath_);
    // The messages of loading come before the language is known, so each holds both languages.
    if (!loaded.readable()) {
        // Going on would write an empty catalogue over an archive that is only out of reach.
        archiveReadable_ = false;
        const QString path = QDir::toNativeSeparators(archivePath_);
        ui::messageBox(
            this,
            u"Das Archiv \"%1\" kann nicht gelesen werden (%2). reelMINDER/32 wird beendet, ohne es "
            u"zu verändern.\r\rThe archive \"%1\" cannot be read (%2). reelMINDER/32 ends without "
            u"changing it."_s.arg(path, loaded.reason),
            u"Archiv nicht lesbar/Archive not readable"_s, ui::Icon::Error);
        return;
    }
    if (!loaded.sizeOk) {
        ui::messageBox(this,
                       u"Die Größe der Archivdatei stimmt nicht. Deswegen könnte ein Filme fehlen.\r\r"
                       u"The size of the Archivefile is not correct. Therefore a film could be missed."_s,
                       u"Archiv defekt/Archive defect"_s, ui::Icon::Warning);
    }
    // Said now, before the user does the work that could not be kept.
    if (const std::optional<QString> problem = catalogue::archiveWriteProblem(archivePath_)) {
        ui::messageBox(
            this,
            u"Änderungen können nicht gespeichert werden: %1.\r\rChanges cannot be saved: %1."_s.arg(
                *problem),
            u"Archiv schreibgeschützt/Archive write-protected"_s, ui::Icon::Warning);
    }
    buildRows();
}

// One pass over the catalogue. A row stands for the first record whose name matches no earlier row
// (letter case ignored); its numbers are those of the records carrying exactly that row's name.
void MainWindow::buildRows()
{
    struct Tape
    {
        const FilmRecord* first;
        int filmCount = 0;
        qint64 usedHalfMinutes = 0;
    };
    std::vector<Tape> tapes;
    std::unordered_map<std::string_view, std::size_t> tapeByName;
    QHash<QString, int> rowByFoldedName;
    std::vector<std::size_t> rowTapes;

    qint32 filmTotal = 0;
    for (const FilmRecord* r = catalogue_.head(); r; r = r->next) {
        auto [it, isNew] = tapeByName.try_emplace(catalogue::tapeNameBytes(*r), tapes.size());
        if (isNew) {
            tapes.push_back(Tape{r});
            const QString folded = catalogue::tapeNameText(*r).toCaseFolded();
            if (!rowByFoldedName.contains(folded)) {
                rowByFoldedName.insert(folded, int(rowTapes.size()));
                rowTapes.push_back(it->second);
            }
        }
        if (r->filmLength > 0) {
            Tape& tape = tapes[it->second];
            ++tape.filmCount;
            tape.usedHalfMinutes += qint64(catalogue::timeFactor(*r)) * r->filmLength;
            ++filmTotal;
        }
    }

    QList<QVariantList> rows;
    rows.reserve(qsizetype(rowTapes.size()));
    for (std::size_t index : rowTapes) {
        const Tape& tape = tapes[index];
        rows.append({catalogue::tapeNameText(*tape.first), int(tape.first->tapeLength), tape.filmCount,
                     catalogue::remainingMinutes(tape.first->tapeLength, tape.usedHalfMinutes)});
    }
    cassetteList_->clearRows();
    cassetteList_->addRows(rows);
    catalogue_.setFilmTotal(filmTotal);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ui::guarded(this, [this] { retranslate(); });
    // Centred once; later shows keep where the user put the window.
    if (!centred_) {
        centred_ = true;
        ui::centreOnScreen(this);
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void MainWindow::retranslate()
{
    cassettesLabel_->setText(tr("&Videotapes:"));
    cassetteList_->setColumnCaption(0, tr("Tape"));
    cassetteList_->setColumnCaption(1, tr("Length"));
    cassetteList_->setColumnCaption(2, tr("No. of films"));
    cassetteList_->setColumnCaption(3, tr("Remaining Time"));
    newButton_->setText(tr("&New"));
    openButton_->setText(tr("&Open"));
    editButton_->setText(tr("&Edit"));
    deleteButton_->setText(tr("&Delete"));
    searchButton_->setText(tr("&Search film"));
    exitButton_->setText(tr("E&xit"));
    aboutButton_->setText(tr("&Info about reelMINDER/32"));
    printSheetAction_->setText(tr("&Print cassette sheet..."));
    printListAction_->setText(tr("Print catalo&gue list..."));
    sheetPdfAction_->setText(tr("Cassette sheet as P&DF..."));
    listPdfAction_->setText(tr("Catalogue &list as PDF..."));
    exportAction_->setText(tr("&Export CSV..."));
    importAction_->setText(tr("&Import CSV..."));
    fitColumns();
    updateStatusBar();
}

// Columns keep their designed widths unless a caption needs more room, and the list widens with them.
// The names never widen it: a name too long for its column is cut, so the numbers stay in view.
void MainWindow::fitColumns()
{
    const QFontMetrics headerMetrics(cassetteList_->header()->font());
    const int padding = 2 * headerMetrics.averageCharWidth() + 8;
    int total = 0;
    for (int column = 0; column < 4; ++column) {
        const int needed = headerMetrics.horizontalAdvance(cassetteList_->columnCaption(column)) + padding;
        const int width = qMax(kColumnWidths[column], needed);
        cassetteList_->header()->resizeSection(column, width);
        total += width;
    }
    cassetteList_->setFixedWidth(total + 2 * cassetteList_->frameWidth() +
                                 cassetteList_->verticalScrollBar()->sizeHint().width());
}

void MainWindow::updateStatusBar()
{
    cassetteCountLabel_->setText(tr("%n Tape(s)", nullptr, cassetteList_->rowCount()));
    setFilmCount(catalogue_.filmTotal());

    const bool any = !catalogue_.isEmpty();
    for (QPushButton* button : {openButton_, editButton_, deleteButton_, searchButton_})
        button->setEnabled(any);
    for (QAction* action : {printSheetAction_, printListAction_, sheetPdfAction_, listPdfAction_})
        action->setEnabled(any);
}

void MainWindow::setFilmCount(qint32 filmTotal)
{
    filmCountLabel_->setText(tr("%n Film(s)", nullptr, filmTotal));
}

void MainWindow::setRow(int row, const QString& caption, int length, int filmCount, int remaining)
{
    cassetteList_->setCaption(row, caption);
    cassetteList_->setSubItem(row, kLengthColumn - 1, length);
    cassetteList_->setSubItem(row, kCountColumn - 1, filmCount);
    cassetteList_->setSubItem(row, kRemainingColumn - 1, remaining);
}

void MainWindow::refreshCassetteRow(const FilmRecord* r)
{
    if (!r)
        return;
    const QString name = catalogue::tapeNameText(*r);
    const int row = cassetteList_->findCaption(name);
    const catalogue::TapeSummary summary = catalogue_.cassetteSummary(*r);
    if (row >= 0) {
        setRow(row, name, r->tapeLength, summary.filmCount, summary.remainingMinutes);
        cassetteList_->viewport()->update();
    }
    updateStatusBar();
}

int MainWindow::selectedRowOrWarn(const QString& text)
{
    const int row = cassetteList_->selectedRow();
    if (row < 0)
        ui::messageBox(this, text, tr("No tape selected"), ui::Icon::Warning);
    return row;
}

void MainWindow::createCassette()
{
    cassetteDialog_->setMode(CassetteDialog::NewCassette);
    if (ui::execModal(cassetteDialog_) != QDialog::Accepted)
        return;
    const QString name = cassetteDialog_->acceptedName();
    const int length = cassetteDialog_->length();

    auto record = catalogue::Catalogue::newRecord();
    catalogue::setText(record->tapeName, name);
    record->tapeLength = quint16(length);
    record->filmLength = 0;
    catalogue_.setCursor(catalogue_.appendRecord(std::move(record)));

    cassetteList_->addRow(name, {length, 0, length});
    updateStatusBar();
}

void MainWindow::openCassette()
{
    const int row = selectedRowOrWarn(tr("Please select first the tape that you want to open."));
    if (row < 0)
        return;
    FilmRecord* anchor = catalogue_.findCassette(cassetteList_->caption(row));
    // A row whose cassette has no record left has nothing to show.
    if (anchor && openFilm_)
        openFilm_(anchor);
}

void MainWindow::editCassette()
{
    const int row = selectedRowOrWarn(tr("Please select first the tape, that you want to edit."));
    if (row < 0)
        return;
    const QString oldName = cassetteList_->caption(row);
    if (!catalogue_.findCassette(oldName))
        return;
    cassetteDialog_->setMode(CassetteDialog::EditCassette);
    if (ui::execModal(cassetteDialog_) != QDialog::Accepted)
        return;
    const QString newName = cassetteDialog_->acceptedName();
    catalogue_.renameCassette(oldName, newName, cassetteDialog_->length());
    cassetteList_->setCaption(row, newName);
    refreshCassetteRow(catalogue_.findCassette(newName));
}

void MainWindow::deleteCassette()
{
    const int row = selectedRowOrWarn(tr("Please select first the tape that you want to delete."));
    if (row < 0)
        return;
    const QString name = cassetteList_->caption(row);
    const ui::Button answer =
        ui::messageBox(this, tr("Do you really want do delete the Videotape \"%1\"?").arg(name),
                       tr("Deleting of a Videotape"), ui::Icon::Question, ui::kYesNo, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    catalogue_.removeCassette(name);
    catalogue_.setFilmTotal(catalogue_.filmTotal() - cassetteList_->value(row, kCountColumn).toInt());
    cassetteList_->deleteRow(row);
    updateStatusBar();
}

void MainWindow::searchFilms()
{
    if (openSearch_)
        openSearch_();
}

void MainWindow::exportCsv()
{
    const QString path = ui::saveFileName(this, tr("Export CSV"), tr("CSV files (*.csv);;All files (*)"),
                                          QDir::homePath() + u"/ReelMinder.csv"_s, u"csv"_s);
    if (path.isEmpty())
        return;
    const QByteArray csv = exchange::exportCatalogue(catalogue_);
    // Written beside the file and put in its place only when complete: a failure keeps the old file.
    if (const std::optional<QString> problem = catalogue::replaceFile(path, csv)) {
        ui::messageBox(
            this, tr("The file \"%1\" cannot be written (%2).").arg(QDir::toNativeSeparators(path), *problem),
            tr("Export failed"), ui::Icon::Error);
    }
}

void MainWindow::importCsv()
{
    const QString path = ui::openFileName(this, tr("Import CSV"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    // Only a plain file, read without blocking: a FIFO or a device chosen by mistake must not hang
    // the program, nor fill its memory.
    const catalogue::FileContents file = catalogue::readRegularFile(path);
    if (!file.error.isEmpty()) {
        ui::messageBox(
            this, tr("The file \"%1\" cannot be read (%2).").arg(QDir::toNativeSeparators(path), file.error),
            tr("Import failed"), ui::Icon::Error);
        return;
    }
    const QByteArray& bytes = file.bytes;
    // The header names of the current language first (for the messages), then those of every language.
    std::vector<QStringList> headers{exchange::csvHeader()};
    for (const quint8 language : {ui::kEnglish, ui::kGerman})
        ui::withLanguage(language, [&headers] { headers.push_back(exchange::csvHeader()); });
    exchange::ImportPlan plan = exchange::planImport(catalogue_, exchange::decodeCsvFile(bytes), headers);
    if (!plan.fileError.isEmpty()) {
        ui::messageBox(this, plan.fileError, tr("Import failed"), ui::Icon::Error);
        return;
    }

    ImportSummaryDialog summary(this);
    summary.setPlan(plan, QFileInfo(path).fileName());
    if (ui::execModal(&summary) != QDialog::Accepted)
        return;
    exchange::applyImport(catalogue_, std::move(plan));
    // The rows again from the catalogue, the selection kept on its cassette.
    const int selected = cassetteList_->selectedRow();
    const QString selectedName = selected >= 0 ? cassetteList_->caption(selected) : QString();
    buildRows();
    if (selected >= 0)
        cassetteList_->setSelectedRow(cassetteList_->findCaption(selectedName));
    updateStatusBar();
}

const FilmRecord* MainWindow::selectedCassetteOrWarn(const QString& text)
{
    const int row = selectedRowOrWarn(text);
    return row < 0 ? nullptr : catalogue_.findCassette(cassetteList_->caption(row));
}

void MainWindow::printCassetteSheet()
{
    if (const FilmRecord* anchor =
            selectedCassetteOrWarn(tr("Please select first the tape that you want to print.")))
        previewSheets(this, {exchange::gatherCassette(catalogue_, *anchor)},
                      exchange::SheetKind::CassetteSheet);
}

void MainWindow::printCatalogueList()
{
    previewSheets(this, exchange::gatherCatalogue(catalogue_), exchange::SheetKind::CatalogueList);
}

void MainWindow::saveCassetteSheetAsPdf()
{
    const FilmRecord* anchor =
        selectedCassetteOrWarn(tr("Please select first the tape that you want to save as PDF."));
    if (!anchor)
        return;
    exchange::SheetCassette sheet = exchange::gatherCassette(catalogue_, *anchor);
    const QString name = sheet.name;
    saveSheetsAsPdf(this, {std::move(sheet)}, exchange::SheetKind::CassetteSheet, name);
}

void MainWindow::saveCatalogueListAsPdf()
{
    saveSheetsAsPdf(this, exchange::gatherCatalogue(catalogue_), exchange::SheetKind::CatalogueList,
                    tr("Catalogue list"));
}

void MainWindow::showAbout()
{
    if (openAbout_)
        openAbout_();
}

bool MainWindow::confirmExit()
{
    const ui::Button answer =
        ui::messageBox(this, tr("Do you really want to exit reelMINDER/32?"), tr("Exit reelMINDER/32"),
                       ui::Icon::Question, ui::kYesNo, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void MainWindow::saveAtExit()
{
    // A declined retry ends the program all the same; only a successful save releases the records,
    // so whatever happens in between, no later save can write a catalogue that lost them.
    const bool saved = catalogue::saveArchive(catalogue_, archivePath_, [this](const QString& reason) {
        const ui::Button answer = ui::messageBox(
            this,
            tr("The Archive could not be saved. The Archivefile (ReelMinder-Archiv.RMA) or the volume is "
               "probably write-protected.\r\rDo you want to try to save it again?\r\r") +
                reason,
            tr("Saving of Archive failed"), ui::Icon::Error, ui::kYesNo, QMessageBox::Yes);
        return answer == QMessageBox::Yes;
    });
    if (saved)
        cassetteList_->clearRows();
}

bool MainWindow::saveForSessionEnd()
{
    if (closing_ || !archiveReadable_)
        return true;
    // The session is ending: no question can be answered any more, and the records stay where
    // they are in case the save fails.
    closing_ = true;
    return catalogue::writeArchive(catalogue_, archivePath_).saved;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Once the records are saved and released the window may only go.
    if (closing_) {
        event->accept();
        return;
    }
    bool mayClose = false;
    ui::guarded(this, [&] { mayClose = confirmExit(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    if (!ui::guarded(this, [this] { saveAtExit(); })) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
}

} // namespace windows
