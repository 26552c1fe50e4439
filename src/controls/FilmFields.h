#pragma once

#include "catalogue/FilmSearch.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QToolButton;

namespace catalogue {
struct Film;
struct FilmRecord;
} // namespace catalogue

namespace controls {

class MemoEdit;
class NumEdit;

// The fields of a film under their captions: title, year, country, length, director, actors, genre and
// story, and the four flags apart (flags()) for the owner to place. Editing, they show and take one film:
// actors and story are memos, and while the film is only shown a read-only field reads the genre in
// the combo box's place. Searching, every field is one line, year and length each have "<", "=" and
// ">" to compare with, and a flag may be left open (partly checked). The object names are the same in
// both, so that tests and the window's own code find a field by one name.
class FilmFields final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilmFields)

public:
    enum class Purpose
    {
        Editing,
        Searching
    };

    FilmFields(Purpose purpose, QWidget* parent = nullptr);
    ~FilmFields() override;

    // The captions in the language installed now.
    void retranslate();
    // The fields top to bottom, then the flags: the order Tab takes.
    QList<QWidget*> tabChain() const;
    // A row of the owner's under the fields (the counter range), aligned with them.
    void addRow(QLabel* label, QWidget* field);

    QLineEdit* titleEdit() const { return titleEdit_; }
    NumEdit* yearEdit() const { return yearEdit_; }
    QLineEdit* countryEdit() const { return countryEdit_; }
    NumEdit* lengthEdit() const { return lengthEdit_; }
    QLineEdit* directorEdit() const { return directorEdit_; }
    QWidget* actorsField() const;
    QComboBox* genreCombo() const { return genreCombo_; }
    QWidget* storyField() const;
    QCheckBox* longplayCheck() const { return longplayCheck_; }
    QCheckBox* blackWhiteCheck() const { return blackWhiteCheck_; }
    QCheckBox* seenCheck() const { return seenCheck_; }
    QCheckBox* deletableCheck() const { return deletableCheck_; }
    // The four flags, to be placed by the owner.
    QWidget* flags() const { return flags_; }

    QString actors() const;
    void setActors(const QString& text);
    QString story() const;
    void setStory(const QString& text);

    // Searching: how year and length compare; "=" after resetCompare().
    catalogue::SearchCriteria::Compare yearCompare() const;
    catalogue::SearchCriteria::Compare lengthCompare() const;
    void resetCompare();

    // Editing: shows film (none: empty fields, a new film's defaults while editing), writable or read
    // only.
    void showFilm(const catalogue::FilmRecord* film, bool editing);
    // Editing: the fields into film.
    catalogue::Film enteredFilm() const;

    // Read-only fields wear the button face, writable ones the window colour.
    static void setReadOnlyLook(QWidget* field, bool readOnly);

private:
    void createFields();
    void layOut();
    void setEditable(bool editing);
    QButtonGroup* compareButtons(const QString& prefix);

    const Purpose purpose_;
    QGridLayout* grid_;
    QLineEdit* titleEdit_;
    NumEdit* yearEdit_;
    QLineEdit* countryEdit_;
    NumEdit* lengthEdit_;
    QLineEdit* directorEdit_;
    QComboBox* genreCombo_;
    // Editing: memos; searching: lines.
    MemoEdit* actorsMemo_ = nullptr;
    MemoEdit* storyMemo_ = nullptr;
    QLineEdit* actorsLine_ = nullptr;
    QLineEdit* storyLine_ = nullptr;
    // Editing: the genre read-only in the combo box's place.
    QStackedWidget* genreStack_ = nullptr;
    QLineEdit* genreOverlay_ = nullptr;
    // Searching.
    QButtonGroup* yearCompare_ = nullptr;
    QButtonGroup* lengthCompare_ = nullptr;
    QLabel* titleLabel_;
    QLabel* yearLabel_;
    QLabel* countryLabel_;
    QLabel* lengthLabel_;
    QLabel* directorLabel_;
    QLabel* actorsLabel_;
    QLabel* genreLabel_;
    QLabel* storyLabel_;
    QWidget* flags_;
    QCheckBox* longplayCheck_;
    QCheckBox* blackWhiteCheck_;
    QCheckBox* seenCheck_;
    QCheckBox* deletableCheck_;
};

} // namespace controls
