// The film window's changes: a new film, an edit, the checks before either is saved, and a deletion;
// each one step of the run's undo stack. The browsing and the following of the catalogue are in
// FilmWindow.cpp.
#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FilmRules.h"
#include "controls/FilmFields.h"
#include "controls/NumEdit.h"
#include "ui/MessageBox.h"
#include "windows/core/FilmWindow.h"
#include "windows/undo/CatalogueCommands.h"

#include <QCheckBox>
#include <QPushButton>

using catalogue::FilmRecord;

namespace windows {

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
    const int year = fields_->yearEdit()->intValue();
    if (!catalogue::isValidYear(year)) {
        return InputProblem{fields_->yearEdit(), tr("Yearnumber is 0"),
                            tr("The given year is invalid. Please enter a value higher than 0.")};
    }
    const int length = fields_->lengthEdit()->intValue();
    if (!catalogue::isValidLength(length)) {
        return InputProblem{fields_->lengthEdit(), tr("Filmlength is invalid"),
                            tr("The given Filmlength is invalid. Please enter a value between 0 and the "
                               "maximum tapelength.")};
    }
    // An edited film leaves out only itself.
    if (!cassette_->fits(length, fields_->longplayCheck()->isChecked(), newMode_ ? nullptr : edited_)) {
        return InputProblem{
            fields_->lengthEdit(), tr("Film is too long"),
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
    const catalogue::Film fields = fields_->enteredFilm();
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

} // namespace windows
