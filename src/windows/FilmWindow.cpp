#include "windows/FilmWindow.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Film.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"
#include "controls/MemoEdit.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/MessageBox.h"
#include "windows/CatalogueCommands.h"
#include "windows/UndoActions.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

namespace windows {
namespace {

using catalogue::kActorsCapacity;
using catalogue::kStoryCapacity;
using catalogue::kTextCapacity;
constexpr int kYearDigits = 4;
constexpr int kLengthDigits = 5;

// Read-only fields wear the button face, writable ones the window colour.
void setReadOnlyLook(QWidget* field, bool readOnly)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base,
                     QApplication::palette(field).color(readOnly ? QPalette::Button : QPalette::Base));
    field->setPalette(palette);
}

// A number that needs more digits than its field takes is still shown whole: a damaged archive
// must not become a wrong value by being edited and saved.
void showNumber(controls::NumEdit* edit, int value, int digits)
{
    const QString text = QString::number(value);
    edit->setMaxLength(qMax(digits, int(text.size())));
    edit->setZeroWhenEmpty(true);
    edit->setValue(text);
}

void showBlankOr(controls::NumEdit* edit, bool editing, const QString& startValue, int digits)
{
    edit->setMaxLength(digits);
    edit->setZeroWhenEmpty(editing);
    edit->setValue(editing ? startValue : QString());
}

} // namespace

FilmWindow::FilmWindow(catalogue::Catalogue& catalogue, QUndoStack& undoStack, QWidget* parent)
    : QDialog(parent, ui::kFixedDialog), catalogue_(catalogue), undoStack_(undoStack)
{
    setObjectName(u"filmWindow"_s);
    ui::setHelpTopic(this, ui::HelpTopic::FilmWindow);
    createControls();
    retranslate();
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, &FilmWindow::followCassette);
    // A batch told no cassette: the one shown is followed as if it had been.
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, [this] { followCassette(cassette_); });
    connect(&catalogue_, &catalogue::Catalogue::filmAboutToBeRemoved, this, &FilmWindow::forgetFilm);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this, &FilmWindow::forgetCassette);
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, [this] { forgetCassette(cassette_); });
}

FilmWindow::~FilmWindow() = default;

void FilmWindow::createControls()
{
    using ui::named;
    auto lineEdit = [&](const QString& name, int capacity) {
        auto* edit = new QLineEdit(this);
        named(edit, name);
        edit->setMaxLength(capacity);
        return edit;
    };
    auto numEdit = [&](const QString& name, int digits) {
        auto* edit = new controls::NumEdit(this);
        named(edit, name);
        edit->setMaxLength(digits);
        return edit;
    };
    auto memo = [&](const QString& name, int capacity) {
        auto* edit = new controls::MemoEdit(this);
        named(edit, name);
        edit->setCapacity(capacity);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setFixedHeight(84);
        return edit;
    };

    titleEdit_ = lineEdit(u"titleEdit"_s, kTextCapacity);
    yearEdit_ = numEdit(u"yearEdit"_s, kYearDigits);
    countryEdit_ = lineEdit(u"countryEdit"_s, kTextCapacity);
    lengthEdit_ = numEdit(u"lengthEdit"_s, kLengthDigits);
    directorEdit_ = lineEdit(u"directorEdit"_s, kTextCapacity);
    actorsEdit_ = memo(u"actorsEdit"_s, kActorsCapacity);
    genreCombo_ = new QComboBox(this);
    named(genreCombo_, u"genreCombo"_s);
    genreCombo_->setEditable(true);
    genreCombo_->setInsertPolicy(QComboBox::NoInsert);
    genreCombo_->lineEdit()->setMaxLength(kTextCapacity);
    // While browsing the genre reads in normal text colour from a read-only field in the combo's place.
    genreOverlay_ = lineEdit(u"genreOverlay"_s, kTextCapacity);
    genreOverlay_->setReadOnly(true);
    genreOverlay_->setFocusPolicy(Qt::NoFocus);
    genreStack_ = new QStackedWidget(this);
    genreStack_->addWidget(genreCombo_);
    genreStack_->addWidget(genreOverlay_);
    genreStack_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    storyEdit_ = memo(u"storyEdit"_s, kStoryCapacity);
    counterRangeEdit_ = lineEdit(u"counterRangeEdit"_s, 32);
    counterRangeEdit_->setReadOnly(true);
    setReadOnlyLook(counterRangeEdit_, true);
    counterRangeEdit_->setFixedWidth(
        counterRangeEdit_->fontMetrics().horizontalAdvance(u"0000:00-0000:00"_s) + 12);

    const auto label = [&](const QString& name, QWidget* buddy) {
        auto* l = new QLabel(this);
        named(l, name);
        l->setBuddy(buddy);
        return l;
    };
    titleLabel_ = label(u"titleLabel"_s, titleEdit_);
    yearLabel_ = label(u"yearLabel"_s, yearEdit_);
    countryLabel_ = label(u"countryLabel"_s, countryEdit_);
    lengthLabel_ = label(u"lengthLabel"_s, lengthEdit_);
    directorLabel_ = label(u"directorLabel"_s, directorEdit_);
    actorsLabel_ = label(u"actorsLabel"_s, actorsEdit_);
    genreLabel_ = label(u"genreLabel"_s, genreCombo_);
    storyLabel_ = label(u"storyLabel"_s, storyEdit_);
    counterRangeLabel_ = label(u"counterRangeLabel"_s, counterRangeEdit_);

    const auto check = [&](const QString& name) {
        auto* box = new QCheckBox(this);
        named(box, name);
        return box;
    };
    longplayCheck_ = check(u"longplayCheck"_s);
    blackWhiteCheck_ = check(u"blackWhiteCheck"_s);
    seenCheck_ = check(u"seenCheck"_s);
    deletableCheck_ = check(u"deletableCheck"_s);

    const auto button = [&](const QString& name) {
        auto* b = new QPushButton(this);
        named(b, name);
        return b;
    };
    newButton_ = button(u"newButton"_s);
    editButton_ = button(u"editButton"_s);
    deleteButton_ = button(u"deleteButton"_s);
    closeButton_ = button(u"closeButton"_s);
    firstButton_ = button(u"firstButton"_s);
    previousButton_ = button(u"previousButton"_s);
    nextButton_ = button(u"nextButton"_s);
    lastButton_ = button(u"lastButton"_s);
    firstButton_->setText(u"|<"_s);
    previousButton_->setText(u"<"_s);
    nextButton_->setText(u">"_s);
    lastButton_->setText(u">|"_s);
    for (QPushButton* b : {firstButton_, previousButton_, nextButton_, lastButton_})
        b->setFixedSize(b->fontMetrics().horizontalAdvance(u">|"_s) + 16, b->sizeHint().height());

    auto* fields = new QGridLayout;
    const QList<std::pair<QLabel*, QWidget*>> rows = {
        {titleLabel_, titleEdit_},   {yearLabel_, yearEdit_},         {countryLabel_, countryEdit_},
        {lengthLabel_, lengthEdit_}, {directorLabel_, directorEdit_}, {actorsLabel_, actorsEdit_},
        {genreLabel_, genreStack_},  {storyLabel_, storyEdit_},       {counterRangeLabel_, counterRangeEdit_},
    };
    for (int row = 0; row < rows.size(); ++row) {
        const auto [l, field] = rows[row];
        const bool narrow = field == yearEdit_ || field == lengthEdit_ || field == counterRangeEdit_;
        fields->addWidget(l, row, 0,
                          field == actorsEdit_ || field == storyEdit_ ? Qt::AlignTop : Qt::Alignment());
        fields->addWidget(field, row, 1, narrow ? Qt::AlignLeft : Qt::Alignment());
    }
    const int digitWidth = yearEdit_->fontMetrics().horizontalAdvance(u"0"_s);
    yearEdit_->setFixedWidth(digitWidth * 5 + 12);
    lengthEdit_->setFixedWidth(digitWidth * 6 + 12);
    fields->setColumnMinimumWidth(1, 240);

    auto* actions = new QVBoxLayout;
    for (QPushButton* b : {newButton_, editButton_, deleteButton_, closeButton_})
        actions->addWidget(b);
    actions->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addSpacing(8);
    top->addLayout(actions);

    auto* checks = new QVBoxLayout;
    for (QCheckBox* box : {longplayCheck_, blackWhiteCheck_, seenCheck_, deletableCheck_})
        checks->addWidget(box);
    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(0);
    for (QPushButton* b : {firstButton_, previousButton_, nextButton_, lastButton_})
        navigation->addWidget(b);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(checks);
    bottom->addStretch(1);
    bottom->addLayout(navigation);
    bottom->setAlignment(navigation, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes through the fields top to bottom, then the check boxes, then the buttons.
    QWidget* order[] = {titleEdit_,       yearEdit_,       countryEdit_,    lengthEdit_,    directorEdit_,
                        actorsEdit_,      genreCombo_,     storyEdit_,      longplayCheck_, blackWhiteCheck_,
                        seenCheck_,       deletableCheck_, newButton_,      editButton_,    deleteButton_,
                        closeButton_,     firstButton_,    previousButton_, nextButton_,    lastButton_,
                        counterRangeEdit_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    const auto onClick = [this](QPushButton* b, void (FilmWindow::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { ui::guarded(this, [&] { (this->*handler)(); }); });
    };
    onClick(newButton_, &FilmWindow::newFilm);
    onClick(editButton_, &FilmWindow::editOrSave);
    onClick(deleteButton_, &FilmWindow::deleteOrDiscard);
    onClick(firstButton_, &FilmWindow::showFirstFilm);
    onClick(previousButton_, &FilmWindow::showPreviousFilm);
    onClick(nextButton_, &FilmWindow::showNextFilm);
    onClick(lastButton_, &FilmWindow::showLastFilm);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);

    // Shortcuts only: the window has no menu, and its fields' own menus undo their typing.
    undoActions_ = new UndoActions(undoStack_, this);
    addAction(undoActions_->undoAction());
    addAction(undoActions_->redoAction());
    connect(undoActions_, &UndoActions::aboutToStep, this, [this] {
        beforeStep_.clear();
        if (cassette_)
            std::copy_if(cassette_->records().begin(), cassette_->records().end(),
                         std::back_inserter(beforeStep_),
                         [](const FilmRecord* r) { return !r->isPlaceholder(); });
    });
    connect(undoActions_, &UndoActions::stepped, this,
            [this] { ui::guarded(this, [this] { showReturnedFilm(); }); });
}

void FilmWindow::retranslate()
{
    titleLabel_->setText(tr("&Filmname:"));
    yearLabel_->setText(tr("&Productionyear:"));
    countryLabel_->setText(tr("Prod&uced in:"));
    lengthLabel_->setText(tr("&Length:"));
    directorLabel_->setText(tr("Di&rector:"));
    actorsLabel_->setText(tr("&Actors:"));
    genreLabel_->setText(tr("&Genre:"));
    storyLabel_->setText(tr("&Story:"));
    counterRangeLabel_->setText(tr("&Counterrange:"));
    longplayCheck_->setText(tr("Longpla&y"));
    blackWhiteCheck_->setText(tr("&Black/White"));
    seenCheck_->setText(tr("S&een"));
    deletableCheck_->setText(tr("Dele&table"));
    closeButton_->setText(tr("Cl&ose"));
    undoActions_->retranslate();
    if (editing_) {
        editButton_->setText(tr("Sa&ve"));
        deleteButton_->setText(tr("&Discard"));
    } else {
        editButton_->setText(tr("Ed&it"));
        deleteButton_->setText(tr("&Delete"));
        newButton_->setText(tr("&New"));
    }
}

void FilmWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void FilmWindow::setCassette(const catalogue::Cassette* cassette, const FilmRecord* film)
{
    cassette_ = cassette;
    openingFilm_ = film;
    shown_ = nullptr;
    editing_ = false;
}

int FilmWindow::filmCount() const
{
    return cassette_ ? cassette_->filmCount() : 0;
}

void FilmWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shift relabels New wherever the focus is, so the window sees key strokes before its fields.
    qApp->installEventFilter(this);
    ui::guarded(this, [this] {
        retranslate();
        setWindowTitle(cassette_ ? cassette_->name() : QString());
        // On the film asked for, else on the cassette's first record (no film when it is empty).
        filmIndex_ = !cassette_     ? 0
                     : openingFilm_ ? cassette_->filmIndexOf(openingFilm_)
                                    : cassette_->filmIndexOf(cassette_->firstRecord());
        showFilm(filmIndex_, false);
    });
    ui::centreOnScreen(this);
}

void FilmWindow::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    QDialog::hideEvent(event);
}

bool FilmWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (press && !editing_) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || isAncestorOf(widget)) && stepByKey(*static_cast<QKeyEvent*>(event)))
            return true;
    }
    if ((press || event->type() == QEvent::KeyRelease) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || isAncestorOf(widget)) &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat() && newButton_->isEnabled()) {
            setNewButtonForShift(press);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// While browsing, Page Up and Page Down step to the previous and the next film, Ctrl+Home and Ctrl+End
// to the first and the last, wherever the focus is in the window: the keys press the arrow buttons,
// and do nothing where those are off. True when the key was one of them.
bool FilmWindow::stepByKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    QPushButton* button = nullptr;
    if (modifiers == Qt::NoModifier && key.key() == Qt::Key_PageUp)
        button = previousButton_;
    else if (modifiers == Qt::NoModifier && key.key() == Qt::Key_PageDown)
        button = nextButton_;
    else if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_Home)
        button = firstButton_;
    else if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_End)
        button = lastButton_;
    if (!button)
        return false;
    if (button->isEnabled())
        button->click();
    return true;
}

// With films on the cassette, Shift turns New into Insert: the new film goes before the shown one.
void FilmWindow::setNewButtonForShift(bool shiftHeld)
{
    newButton_->setText(shiftHeld && filmCount() > 0 ? tr("I&nsert") : tr("&New"));
}

// The catalogue changed the cassette: a film came or went, here or elsewhere, or it was renamed. While
// browsing the window stays on the film it shows, or where a film that went was.
void FilmWindow::followCassette(const catalogue::Cassette* cassette)
{
    if (cassette != cassette_ || !cassette_)
        return;
    setWindowTitle(cassette_->name());
    if (editing_)
        return;
    // A film that moved to another cassette (an undone rename splits two) counts as gone from here.
    const int shownIndex = shown_ ? cassette_->filmIndexOf(shown_) : 0;
    if (shownIndex == 0)
        shown_ = nullptr;
    filmIndex_ = shownIndex > 0 ? shownIndex : qMin(filmIndex_, cassette_->filmCount());
    showFilm(filmIndex_, false);
}

// A film an undo or redo brought to the cassette is shown, so that the user sees what came back.
void FilmWindow::showReturnedFilm()
{
    const std::vector<const FilmRecord*> before = std::exchange(beforeStep_, {});
    if (!cassette_ || editing_)
        return;
    for (const FilmRecord* r : cassette_->records()) {
        if (!r->isPlaceholder() && std::find(before.begin(), before.end(), r) == before.end()) {
            filmIndex_ = cassette_->filmIndexOf(r);
            showFilm(filmIndex_, false);
            return;
        }
    }
}

void FilmWindow::forgetFilm(const FilmRecord* film)
{
    if (film == shown_)
        shown_ = nullptr;
    if (film == edited_ && editing_ && !newMode_) {
        // The film being changed went elsewhere: there is nothing left to save it to.
        edited_ = nullptr;
        editing_ = false;
    }
}

void FilmWindow::forgetCassette(const catalogue::Cassette* cassette)
{
    if (cassette != cassette_ || !cassette_)
        return;
    cassette_ = nullptr;
    shown_ = nullptr;
    edited_ = nullptr;
    editing_ = false;
    if (isVisible())
        QDialog::reject();
}

void FilmWindow::showFilm(int index, bool editing)
{
    // The shown film is where a new one is inserted; with no film to show it stays.
    const FilmRecord* film = index > 0 && cassette_ ? cassette_->recordAt(index) : nullptr;
    if (!film)
        index = 0;
    else
        shown_ = film;
    editing_ = editing;

    setFieldLook(editing);
    // While editing, Ctrl+Z is the fields' own.
    undoActions_->setAvailable(!editing);

    newButton_->setEnabled(!editing);
    const int filmCount = this->filmCount();
    editButton_->setEnabled(filmCount != 0 || editing);
    deleteButton_->setEnabled(editButton_->isEnabled());
    closeButton_->setEnabled(!editing);
    retranslate();

    const bool canStep = filmCount > 1 && !editing;
    firstButton_->setEnabled(canStep && filmIndex_ > 1);
    previousButton_->setEnabled(canStep && filmIndex_ > 1);
    nextButton_->setEnabled(canStep && filmIndex_ < filmCount);
    lastButton_->setEnabled(canStep && filmIndex_ < filmCount);

    fillFields(film, editing);

    genreOverlay_->setText(genreCombo_->currentText());
    genreOverlay_->setCursorPosition(0);
    genreStack_->setCurrentWidget(editing ? static_cast<QWidget*>(genreCombo_) : genreOverlay_);
    if (editing)
        titleEdit_->setFocus();
    else
        newButton_->setFocus();

    if (index == 0 && !editing) {
        counterRangeEdit_->setText(catalogue::counterRange(0, 0));
        return;
    }
    const qint64 start = cassette_ ? cassette_->minutesBefore(index) : 0;
    counterRangeEdit_->setText(catalogue::counterRange(start, lengthEdit_->intValue()));
}

void FilmWindow::setFieldLook(bool editing)
{
    for (QLineEdit* edit : {titleEdit_, countryEdit_, directorEdit_, genreOverlay_,
                            static_cast<QLineEdit*>(yearEdit_), static_cast<QLineEdit*>(lengthEdit_)}) {
        edit->setReadOnly(!editing || edit == genreOverlay_);
        setReadOnlyLook(edit, !editing);
    }
    for (controls::MemoEdit* memo : {actorsEdit_, storyEdit_}) {
        memo->setReadOnly(!editing);
        setReadOnlyLook(memo, !editing);
    }
    genreCombo_->setEnabled(editing);
    setReadOnlyLook(genreCombo_, !editing);
    for (QCheckBox* box : {longplayCheck_, blackWhiteCheck_, seenCheck_, deletableCheck_})
        box->setEnabled(editing);
}

void FilmWindow::fillFields(const FilmRecord* film, bool editing)
{
    if (film) {
        titleEdit_->setText(catalogue::text(film->filmName));
        showNumber(lengthEdit_, film->filmLength, kLengthDigits);
        showNumber(yearEdit_, film->year, kYearDigits);
        countryEdit_->setText(catalogue::text(film->country));
        directorEdit_->setText(catalogue::text(film->director));
        actorsEdit_->setPlainText(catalogue::memoFromRecord(catalogue::text(film->actors)));
        genreCombo_->setEditText(catalogue::text(film->genre));
        storyEdit_->setPlainText(catalogue::memoFromRecord(catalogue::text(film->story)));
        // A text longer than its field reads from its beginning.
        for (QLineEdit* edit : {titleEdit_, countryEdit_, directorEdit_})
            edit->setCursorPosition(0);
    } else {
        for (QLineEdit* edit : {titleEdit_, countryEdit_, directorEdit_})
            edit->clear();
        actorsEdit_->clear();
        storyEdit_->clear();
        genreCombo_->setEditText(QString());
        showBlankOr(lengthEdit_, editing, u"0"_s, kLengthDigits);
        showBlankOr(yearEdit_, editing, u"1"_s, kYearDigits);
    }
    longplayCheck_->setChecked(film && film->longplay != 0);
    blackWhiteCheck_->setChecked(film && film->blackWhite != 0);
    seenCheck_->setChecked(film && film->seen != 0);
    deletableCheck_->setChecked(film && film->deletable != 0);
}

void FilmWindow::reject()
{
    if (!editing_)
        QDialog::reject();
}

void FilmWindow::closeEvent(QCloseEvent* event)
{
    if (editing_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void FilmWindow::newFilm()
{
    // Insert, not New, is what the button offered when it was clicked: its caption says so.
    insertMode_ = filmCount() > 0 && newButton_->text() == tr("I&nsert");
    newMode_ = true;
    showFilm(0, true);
}

void FilmWindow::editOrSave()
{
    if (editing_) {
        saveFilm();
        return;
    }
    newMode_ = false;
    edited_ = shown_;
    showFilm(filmIndex_, true);
}

void FilmWindow::deleteOrDiscard()
{
    if (editing_)
        showFilm(filmIndex_, false);
    else
        deleteFilm();
}

void FilmWindow::showError(QWidget* field, const QString& caption, const QString& text)
{
    ui::messageBox(this, text, caption, ui::Icon::Error);
    field->setFocus();
}

// The year, the length and the room left on the tape, in that order; the first that fails.
std::optional<FilmWindow::InputProblem> FilmWindow::inputProblem() const
{
    const int year = yearEdit_->intValue();
    if (!catalogue::isValidYear(year)) {
        return InputProblem{yearEdit_, tr("Yearnumber is 0"),
                            tr("The given year is invalid. Please enter a value higher than 0.")};
    }
    const int length = lengthEdit_->intValue();
    if (!catalogue::isValidLength(length)) {
        return InputProblem{lengthEdit_, tr("Filmlength is invalid"),
                            tr("The given Filmlength is invalid. Please enter a value between 0 and the "
                               "maximum tapelength.")};
    }
    // An edited film leaves out only itself.
    if (!cassette_->fits(length, longplayCheck_->isChecked(), newMode_ ? nullptr : edited_)) {
        return InputProblem{
            lengthEdit_, tr("Film is too long"),
            tr("This Film is too long to have space on the Tape. If you have recorded the Film in longplay, "
               "please check the \"Longplay\"-Checkbox.")};
    }
    return std::nullopt;
}

// Only the first failure is told.
bool FilmWindow::checkInput()
{
    const std::optional<InputProblem> problem = inputProblem();
    if (problem)
        showError(problem->field, problem->caption, problem->text);
    return !problem;
}

bool FilmWindow::saveFilm()
{
    if (!cassette_ || !checkInput())
        return false;
    storeEditedFilm();
    return true;
}

bool FilmWindow::saveForSessionEnd()
{
    // Nobody can answer a message now: a film that Save would refuse is dropped, as it always was.
    if (!editing_ || !cassette_ || inputProblem())
        return false;
    storeEditedFilm();
    return true;
}

void FilmWindow::storeEditedFilm()
{
    const catalogue::Film fields = enteredFilm();
    if (newMode_) {
        // Inserted, the new film takes the shown one's place, which moves one on; else it is the last.
        const FilmRecord* before = insertMode_ ? shown_ : nullptr;
        shown_ = windows::addFilm(undoStack_, catalogue_, *cassette_, fields, before);
    } else if (edited_) {
        windows::updateFilm(undoStack_, catalogue_, *edited_, fields);
    }
    filmIndex_ = shown_ ? cassette_->filmIndexOf(shown_) : 0;
    showFilm(filmIndex_, false);
}

catalogue::Film FilmWindow::enteredFilm() const
{
    catalogue::Film film;
    film.title = titleEdit_->text();
    film.year = yearEdit_->intValue();
    film.country = countryEdit_->text();
    film.length = lengthEdit_->intValue();
    film.director = directorEdit_->text();
    film.actors = actorsEdit_->toPlainText();
    film.genre = genreCombo_->currentText();
    film.story = storyEdit_->toPlainText();
    film.longplay = longplayCheck_->isChecked();
    film.blackWhite = blackWhiteCheck_->isChecked();
    film.seen = seenCheck_->isChecked();
    film.deletable = deletableCheck_->isChecked();
    return film;
}

void FilmWindow::deleteFilm()
{
    if (!shown_ || !cassette_)
        return;
    const ui::Button answer =
        ui::messageBox(this, tr("Do you really want to delete this film?"), tr("Deleting of a Film"),
                       ui::Icon::Question, ui::kYesNo, QMessageBox::No);
    // Removed, the window stays where the film was (followCassette()).
    if (answer == QMessageBox::Yes)
        windows::removeFilm(undoStack_, catalogue_, *shown_);
    else
        showFilm(filmIndex_, false);
}

void FilmWindow::showFirstFilm()
{
    filmIndex_ = 1;
    showFilm(filmIndex_, false);
}

void FilmWindow::showPreviousFilm()
{
    --filmIndex_;
    showFilm(filmIndex_, false);
}

void FilmWindow::showNextFilm()
{
    ++filmIndex_;
    showFilm(filmIndex_, false);
}

void FilmWindow::showLastFilm()
{
    filmIndex_ = filmCount();
    showFilm(filmIndex_, false);
}

} // namespace windows
