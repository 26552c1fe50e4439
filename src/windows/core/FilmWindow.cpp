#include "windows/core/FilmWindow.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "controls/FilmFields.h"
#include "controls/NavigationBar.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "windows/undo/UndoActions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

namespace windows {

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
    fields_ = new controls::FilmFields(controls::FilmFields::Purpose::Editing, this);
    counterRangeEdit_ = named(new QLineEdit(this), u"counterRangeEdit"_s);
    counterRangeEdit_->setMaxLength(32);
    counterRangeEdit_->setReadOnly(true);
    controls::FilmFields::setReadOnlyLook(counterRangeEdit_, true);
    counterRangeEdit_->setFixedWidth(
        counterRangeEdit_->fontMetrics().horizontalAdvance(u"0000:00-0000:00"_s) + 12);
    counterRangeLabel_ = named(new QLabel(this), u"counterRangeLabel"_s);
    counterRangeLabel_->setBuddy(counterRangeEdit_);
    fields_->addRow(counterRangeLabel_, counterRangeEdit_);

    const auto button = [&](const QString& name) { return named(new QPushButton(this), name); };
    newButton_ = button(u"newButton"_s);
    editButton_ = button(u"editButton"_s);
    deleteButton_ = button(u"deleteButton"_s);
    closeButton_ = button(u"closeButton"_s);
    navigation_ = new controls::NavigationBar(QString(), this);

    auto* actions = new QVBoxLayout;
    for (QPushButton* b : {newButton_, editButton_, deleteButton_, closeButton_})
        actions->addWidget(b);
    actions->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(fields_, 1);
    top->addSpacing(8);
    top->addLayout(actions);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fields_->flags());
    bottom->addStretch(1);
    bottom->addWidget(navigation_, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes through the fields top to bottom, then the check boxes, then the buttons.
    QList<QWidget*> order = fields_->tabChain();
    order << newButton_ << editButton_ << deleteButton_ << closeButton_ << navigation_->tabChain()
          << counterRangeEdit_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    const auto onClick = [this](QPushButton* b, void (FilmWindow::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { ui::guarded(this, [&] { (this->*handler)(); }); });
    };
    onClick(newButton_, &FilmWindow::newFilm);
    onClick(editButton_, &FilmWindow::editOrSave);
    onClick(deleteButton_, &FilmWindow::deleteOrDiscard);
    connect(navigation_, &controls::NavigationBar::stepRequested, this,
            [this](controls::NavigationBar::Step step) {
                using Step = controls::NavigationBar::Step;
                ui::guarded(this, [this, step] {
                    switch (step) {
                    case Step::First:
                        return showFirstFilm();
                    case Step::Previous:
                        return showPreviousFilm();
                    case Step::Next:
                        return showNextFilm();
                    case Step::Last:
                        return showLastFilm();
                    }
                });
            });
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
    fields_->retranslate();
    counterRangeLabel_->setText(tr("&Counterrange:"));
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

QComboBox* FilmWindow::genreCombo() const
{
    return fields_->genreCombo();
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
        if (widget && (widget == this || isAncestorOf(widget)) &&
            navigation_->stepByKey(*static_cast<QKeyEvent*>(event)))
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

    // While editing, Ctrl+Z is the fields' own.
    undoActions_->setAvailable(!editing);

    newButton_->setEnabled(!editing);
    const int filmCount = this->filmCount();
    editButton_->setEnabled(filmCount != 0 || editing);
    deleteButton_->setEnabled(editButton_->isEnabled());
    closeButton_->setEnabled(!editing);
    retranslate();

    // Browsing, the arrows step among the films; the first film is at place 0 of the bar.
    const bool canStep = filmCount > 1 && !editing;
    navigation_->setPlace(canStep ? filmIndex_ - 1 : -1, canStep ? filmCount : 0);

    fields_->showFilm(film, editing);
    if (editing)
        fields_->titleEdit()->setFocus();
    else
        newButton_->setFocus();

    if (index == 0 && !editing) {
        counterRangeEdit_->setText(catalogue::counterRange(0, 0));
        return;
    }
    const qint64 start = cassette_ ? cassette_->minutesBefore(index) : 0;
    counterRangeEdit_->setText(catalogue::counterRange(start, fields_->lengthEdit()->intValue()));
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
