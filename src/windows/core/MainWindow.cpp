#include "windows/core/MainWindow.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "storage/Archive.h"
#include "storage/FileSystem.h"
#include "storage/ReplacingFile.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"
#include "ui/FileDialog.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"
#include "ui/ReportList.h"
#include "windows/core/ArchiveSaver.h"
#include "windows/core/CassetteDialog.h"
#include "windows/models/CassetteListModel.h"
#include "windows/undo/CatalogueCommands.h"
#include "windows/undo/UndoActions.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

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
    if (event->type() == QEvent::LanguageChange && !languageHeld_)
        ui::guarded(this, [this] { retranslate(); });
}

void MainWindow::retranslate()
{
    cassettesLabel_->setText(tr("&Videotapes:"));
    ui::nameAfterLabel(cassetteList_, *cassettesLabel_);
    cassetteModel_->retranslate();
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
    webPageAction_->setText(tr("Save as &Web Page..."));
    exportTellicoAction_->setText(tr("E&xport Tellico..."));
    importTellicoAction_->setText(tr("Import Tellic&o..."));
    undoActions_->retranslate();
    findSpaceAction_->setText(tr("Find &space..."));
    tapeMapAction_->setText(tr("Tape &map..."));
    duplicatesAction_->setText(tr("Dupli&cates..."));
    statisticsAction_->setText(tr("S&tatistics..."));
    labelsAction_->setText(tr("Print la&bels..."));
    backupsAction_->setText(tr("Bac&kups..."));
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
    selectCassette(windows::editCassette(undoStack_, catalogue_, *cassette, cassetteDialog_->acceptedName(),
                                         cassetteDialog_->length()));
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

void MainWindow::showNote(const QString& text)
{
    statusBar_->showMessage(text, kNoteMs);
}

void MainWindow::showAbout()
{
    {
        languageHeld_ = true;
        const auto release = qScopeGuard([this] { languageHeld_ = false; });
        // The about box is modal: the signal returns when it has closed.
        Q_EMIT aboutRequested();
    }
    retranslate();
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
