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
#include "windows/ArchiveSaver.h"
#include "windows/CassetteDialog.h"
#include "windows/CassetteListModel.h"
#include "windows/CatalogueCommands.h"
#include "windows/CsvTransfer.h"
#include "windows/SheetOutput.h"
#include "windows/UndoActions.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <utility>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

// Designed widths of the four columns; a column grows when its caption needs more.
constexpr int kColumnWidths[] = {160, 42, 61, 88};
// How long a note stays in the status bar.
constexpr int kNoteMs = 6000;

} // namespace

MainWindow::MainWindow(catalogue::Catalogue& catalogue, QUndoStack& undoStack, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      catalogue_(catalogue), undoStack_(undoStack), cassetteModel_(new CassetteListModel(catalogue, this))
{
    createControls();
    // The status bar counts what the catalogue holds, whoever changed it.
    connect(&catalogue_, &catalogue::Catalogue::totalsChanged, this, &MainWindow::updateStatusBar);
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, &MainWindow::updateStatusBar);
}

MainWindow::~MainWindow() = default;

void MainWindow::setCassetteDialog(CassetteDialog* dialog)
{
    cassetteDialog_ = dialog;
    dialog->setCassetteList(cassetteList_, cassetteModel_);
}

const catalogue::Cassette* MainWindow::selectedCassette() const
{
    return cassetteModel_->cassetteAt(cassetteList_->selectedRow());
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
    cassetteList_->setModel(cassetteModel_);
    cassettesLabel_->setBuddy(cassetteList_);
    cassetteList_->setColumnWidths({kColumnWidths[0], kColumnWidths[1], kColumnWidths[2], kColumnWidths[3]});

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

    // Until the program's language reaches it at the first show, the window carries the German
    // captions it was designed with, counts of 0 and the buttons that need a cassette off.
    ui::withLanguage(ui::kFormLanguage, [this] {
        retranslate();
        showCounts(0, 0, false);
    });
}

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
    addSeparator();
    findSpaceAction_ =
        addAction(u"findSpaceAction"_s, QKeySequence(Qt::CTRL | Qt::Key_G), &MainWindow::findSpace);
    tapeMapAction_ =
        addAction(u"tapeMapAction"_s, QKeySequence(Qt::CTRL | Qt::Key_M), &MainWindow::showTapeMap);
    duplicatesAction_ =
        addAction(u"duplicatesAction"_s, QKeySequence(Qt::CTRL | Qt::Key_D), &MainWindow::findDuplicates);
    statisticsAction_ =
        addAction(u"statisticsAction"_s, QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::showStatistics);

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
    ui::nameAfterLabel(cassetteList_, *cassettesLabel_);
    cassetteModel_->setColumnCaptions({tr("Tape"), tr("Length"), tr("No. of films"), tr("Remaining Time")});
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
    undoActions_->retranslate();
    findSpaceAction_->setText(tr("Find &space..."));
    tapeMapAction_->setText(tr("Tape &map..."));
    duplicatesAction_->setText(tr("D&uplicates..."));
    statisticsAction_->setText(tr("S&tatistics..."));
    labelsAction_->setText(tr("Print la&bels..."));
    fitColumns();
    updateStatusBar();
}

// Columns keep their designed widths unless a caption needs more room, and the list widens with them.
// The names never widen it: a name too long for its column is cut, so the numbers stay in view.
void MainWindow::fitColumns()
{
    const int rows = ui::fitColumnsToCaptions(
        cassetteList_, {kColumnWidths[0], kColumnWidths[1], kColumnWidths[2], kColumnWidths[3]});
    cassetteList_->setFixedWidth(rows + cassetteList_->verticalScrollBar()->sizeHint().width());
}

void MainWindow::updateStatusBar()
{
    showCounts(cassetteModel_->rowCount(), catalogue_.filmTotal(), !catalogue_.isEmpty());
}

void MainWindow::showCounts(int tapes, qint32 films, bool any)
{
    cassetteCountLabel_->setText(tr("%n Tape(s)", nullptr, tapes));
    filmCountLabel_->setText(tr("%n Film(s)", nullptr, films));
    for (QPushButton* button : {openButton_, editButton_, deleteButton_, searchButton_})
        button->setEnabled(any);
    for (QAction* action :
         {printSheetAction_, printListAction_, sheetPdfAction_, listPdfAction_, labelsAction_})
        action->setEnabled(any);
}

const catalogue::Cassette* MainWindow::selectedCassetteOrWarn(const QString& text)
{
    const catalogue::Cassette* cassette = selectedCassette();
    if (!cassette)
        ui::messageBox(this, text, tr("No tape selected"), ui::Icon::Warning);
    return cassette;
}

void MainWindow::createCassette()
{
    cassetteDialog_->setMode(CassetteDialog::NewCassette);
    if (ui::execModal(cassetteDialog_) != QDialog::Accepted)
        return;
    selectCassette(windows::createCassette(undoStack_, catalogue_, cassetteDialog_->acceptedName(),
                                           cassetteDialog_->length()));
}

void MainWindow::openCassette()
{
    if (const catalogue::Cassette* cassette =
            selectedCassetteOrWarn(tr("Please select first the tape that you want to open.")))
        Q_EMIT filmWindowRequested(cassette, nullptr);
}

void MainWindow::editCassette()
{
    const catalogue::Cassette* cassette =
        selectedCassetteOrWarn(tr("Please select first the tape, that you want to edit."));
    if (!cassette)
        return;
    cassetteDialog_->setMode(CassetteDialog::EditCassette);
    if (ui::execModal(cassetteDialog_) != QDialog::Accepted)
        return;
    windows::editCassette(undoStack_, catalogue_, *cassette, cassetteDialog_->acceptedName(),
                          cassetteDialog_->length());
    selectCassette(cassette);
}

void MainWindow::selectCassette(const catalogue::Cassette* cassette)
{
    if (!cassette)
        return;
    // A name that differs from another only in letter case shares that one's row.
    int row = cassetteModel_->rowOf(cassette);
    if (row < 0)
        row = cassetteModel_->findRow(cassette->name());
    cassetteList_->setSelectedRow(row);
}

void MainWindow::deleteCassette()
{
    const catalogue::Cassette* cassette =
        selectedCassetteOrWarn(tr("Please select first the tape that you want to delete."));
    if (!cassette)
        return;
    const ui::Button answer =
        ui::messageBox(this, tr("Do you really want do delete the Videotape \"%1\"?").arg(cassette->name()),
                       tr("Deleting of a Videotape"), ui::Icon::Question, ui::kYesNo, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        windows::deleteCassette(undoStack_, catalogue_, *cassette);
}

void MainWindow::searchFilms()
{
    Q_EMIT searchRequested();
}

void MainWindow::exportCsv()
{
    noteWritten(tr("CSV file written: %1"), windows::exportCsv(this, catalogue_));
}

void MainWindow::importCsv()
{
    selectCassette(windows::importCsv(this, catalogue_, undoStack_));
}

void MainWindow::showNote(const QString& text)
{
    statusBar_->showMessage(text, kNoteMs);
}

// Names the file just written, its folder shortened in the middle where the status bar is too narrow.
void MainWindow::noteWritten(const QString& text, const QString& path)
{
    if (path.isEmpty())
        return;
    const QFontMetrics metrics(statusBar_->font());
    const int room = statusBar_->width() - metrics.horizontalAdvance(text.arg(QString())) - 24;
    showNote(text.arg(metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, qMax(room, 80))));
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

void MainWindow::showAbout()
{
    Q_EMIT aboutRequested();
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

bool MainWindow::confirmExit()
{
    const ui::Button answer =
        ui::messageBox(this, tr("Do you really want to exit reelMINDER/32?"), tr("Exit reelMINDER/32"),
                       ui::Icon::Question, ui::kYesNo, QMessageBox::No);
    return answer == QMessageBox::Yes;
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
    if (saver_ && !ui::guarded(this, [this] { saver_->saveAtExit(this); })) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
}

} // namespace windows
