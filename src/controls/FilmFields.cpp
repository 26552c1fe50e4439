#include "controls/FilmFields.h"

#include "catalogue/Film.h"
#include "catalogue/FilmRecord.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"
#include "controls/MemoEdit.h"
#include "controls/NumEdit.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using catalogue::FilmRecord;
using catalogue::SearchCriteria;
using namespace Qt::StringLiterals;

namespace controls {
namespace {

using catalogue::kActorsCapacity;
using catalogue::kStoryCapacity;
using catalogue::kTextCapacity;
constexpr int kYearDigits = 4;
constexpr int kLengthDigits = 5;

// A number that needs more digits than its field takes is still shown whole: a damaged archive
// must not become a wrong value by being edited and saved.
void showNumber(NumEdit* edit, int value, int digits)
{
    const QString text = QString::number(value);
    edit->setMaxLength(qMax(digits, int(text.size())));
    edit->setZeroWhenEmpty(true);
    edit->setValue(text);
}

void showBlankOr(NumEdit* edit, bool editing, const QString& startValue, int digits)
{
    edit->setMaxLength(digits);
    edit->setZeroWhenEmpty(editing);
    edit->setValue(editing ? startValue : QString());
}

} // namespace

FilmFields::FilmFields(Purpose purpose, QWidget* parent) : QWidget(parent), purpose_(purpose)
{
    createFields();
    layOut();
    retranslate();
}

FilmFields::~FilmFields() = default;

void FilmFields::createFields()
{
    using ui::named;
    const bool editing = purpose_ == Purpose::Editing;
    const auto lineEdit = [this](const QString& name, int capacity) {
        auto* edit = named(new QLineEdit(this), name);
        edit->setMaxLength(capacity);
        return edit;
    };
    const auto numEdit = [this](const QString& name, int digits) {
        auto* edit = named(new NumEdit(this), name);
        edit->setMaxLength(digits);
        return edit;
    };
    const auto memo = [this](const QString& name, int capacity) {
        auto* edit = named(new MemoEdit(this), name);
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
    if (editing)
        actorsMemo_ = memo(u"actorsEdit"_s, kActorsCapacity);
    else
        actorsLine_ = lineEdit(u"actorsEdit"_s, kActorsCapacity);
    genreCombo_ = named(new QComboBox(this), u"genreCombo"_s);
    genreCombo_->setEditable(true);
    genreCombo_->setInsertPolicy(QComboBox::NoInsert);
    genreCombo_->lineEdit()->setMaxLength(kTextCapacity);
    if (editing) {
        // While browsing the genre reads in normal text colour from a read-only field in the combo's place.
        genreOverlay_ = lineEdit(u"genreOverlay"_s, kTextCapacity);
        genreOverlay_->setReadOnly(true);
        genreOverlay_->setFocusPolicy(Qt::NoFocus);
        genreStack_ = new QStackedWidget(this);
        genreStack_->addWidget(genreCombo_);
        genreStack_->addWidget(genreOverlay_);
        genreStack_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        storyMemo_ = memo(u"storyEdit"_s, kStoryCapacity);
    } else {
        storyLine_ = lineEdit(u"storyEdit"_s, kStoryCapacity);
    }
    const int digitWidth = yearEdit_->fontMetrics().horizontalAdvance(u"0"_s);
    yearEdit_->setFixedWidth(digitWidth * 5 + 12);
    lengthEdit_->setFixedWidth(digitWidth * 6 + 12);

    const auto label = [this](const QString& name, QWidget* buddy) {
        auto* l = named(new QLabel(this), name);
        l->setBuddy(buddy);
        return l;
    };
    titleLabel_ = label(u"titleLabel"_s, titleEdit_);
    yearLabel_ = label(u"yearLabel"_s, yearEdit_);
    countryLabel_ = label(u"countryLabel"_s, countryEdit_);
    lengthLabel_ = label(u"lengthLabel"_s, lengthEdit_);
    directorLabel_ = label(u"directorLabel"_s, directorEdit_);
    actorsLabel_ = label(u"actorsLabel"_s, actorsField());
    genreLabel_ = label(u"genreLabel"_s, genreCombo_);
    storyLabel_ = label(u"storyLabel"_s, storyField());

    flags_ = new QWidget(this);
    const auto check = [this, editing](const QString& name) {
        auto* box = named(new QCheckBox(flags_), name);
        // Searching: unchecked, grayed (no condition), checked, in that order of clicks.
        box->setTristate(!editing);
        return box;
    };
    longplayCheck_ = check(u"longplayCheck"_s);
    blackWhiteCheck_ = check(u"blackWhiteCheck"_s);
    seenCheck_ = check(u"seenCheck"_s);
    deletableCheck_ = check(u"deletableCheck"_s);
}

// "<", "=" and ">": exactly one of the three is down.
QButtonGroup* FilmFields::compareButtons(const QString& prefix)
{
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const std::pair<QString, SearchCriteria::Compare> kinds[] = {{u"<"_s, SearchCriteria::Compare::Less},
                                                                 {u"="_s, SearchCriteria::Compare::Equal},
                                                                 {u">"_s, SearchCriteria::Compare::Greater}};
    for (const auto& [text, compare] : kinds) {
        auto* button = ui::named(new QToolButton(this), prefix + text);
        button->setText(text);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        group->addButton(button, int(compare));
    }
    return group;
}

void FilmFields::layOut()
{
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    if (purpose_ == Purpose::Editing) {
        const QList<std::pair<QLabel*, QWidget*>> rows = {
            {titleLabel_, titleEdit_},   {yearLabel_, yearEdit_},         {countryLabel_, countryEdit_},
            {lengthLabel_, lengthEdit_}, {directorLabel_, directorEdit_}, {actorsLabel_, actorsMemo_},
            {genreLabel_, genreStack_},  {storyLabel_, storyMemo_},
        };
        for (const auto& [l, field] : rows) {
            const int row = grid_->rowCount();
            grid_->addWidget(l, row, 0,
                             field == actorsMemo_ || field == storyMemo_ ? Qt::AlignTop : Qt::Alignment());
            const bool narrow = field == yearEdit_ || field == lengthEdit_;
            grid_->addWidget(field, row, 1, narrow ? Qt::AlignLeft : Qt::Alignment());
        }
        grid_->setColumnMinimumWidth(1, 240);
        auto* checks = new QVBoxLayout(flags_);
        checks->setContentsMargins(0, 0, 0, 0);
        for (QCheckBox* box : {longplayCheck_, blackWhiteCheck_, seenCheck_, deletableCheck_})
            checks->addWidget(box);
        return;
    }

    const auto numberRow = [this](QWidget* edit, QButtonGroup* compare) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        auto* buttons = new QHBoxLayout;
        buttons->setSpacing(0);
        for (QAbstractButton* b : compare->buttons())
            buttons->addWidget(b);
        row->addLayout(buttons);
        row->addStretch(1);
        return row;
    };
    yearCompare_ = compareButtons(u"year"_s);
    lengthCompare_ = compareButtons(u"length"_s);
    grid_->addWidget(titleLabel_, 0, 0);
    grid_->addWidget(titleEdit_, 0, 1);
    grid_->addWidget(yearLabel_, 1, 0);
    grid_->addLayout(numberRow(yearEdit_, yearCompare_), 1, 1);
    grid_->addWidget(countryLabel_, 2, 0);
    grid_->addWidget(countryEdit_, 2, 1);
    grid_->addWidget(lengthLabel_, 3, 0);
    grid_->addLayout(numberRow(lengthEdit_, lengthCompare_), 3, 1);
    grid_->addWidget(directorLabel_, 4, 0);
    grid_->addWidget(directorEdit_, 4, 1);
    grid_->addWidget(actorsLabel_, 5, 0);
    grid_->addWidget(actorsLine_, 5, 1);
    grid_->addWidget(genreLabel_, 6, 0);
    grid_->addWidget(genreCombo_, 6, 1);
    grid_->addWidget(storyLabel_, 7, 0);
    grid_->addWidget(storyLine_, 7, 1);
    grid_->setColumnMinimumWidth(1, 230);
    auto* checks = new QGridLayout(flags_);
    checks->setContentsMargins(0, 0, 0, 0);
    checks->addWidget(longplayCheck_, 0, 0);
    checks->addWidget(blackWhiteCheck_, 0, 1);
    checks->addWidget(seenCheck_, 1, 0);
    checks->addWidget(deletableCheck_, 1, 1);
}

QList<QWidget*> FilmFields::tabChain() const
{
    return {titleEdit_,  yearEdit_,    countryEdit_,   lengthEdit_,      directorEdit_, actorsField(),
            genreCombo_, storyField(), longplayCheck_, blackWhiteCheck_, seenCheck_,    deletableCheck_};
}

void FilmFields::addRow(QLabel* label, QWidget* field)
{
    const int row = grid_->rowCount();
    grid_->addWidget(label, row, 0);
    grid_->addWidget(field, row, 1, Qt::AlignLeft);
}

void FilmFields::retranslate()
{
    // The film window and the search dialog have captions of their own, with other accelerators.
    const bool editing = purpose_ == Purpose::Editing;
    titleLabel_->setText(tr("&Filmname:"));
    yearLabel_->setText(tr("&Productionyear:"));
    countryLabel_->setText(editing ? tr("Prod&uced in:") : tr("Produced &in:"));
    lengthLabel_->setText(tr("&Length:"));
    directorLabel_->setText(editing ? tr("Di&rector:") : tr("&Director:"));
    actorsLabel_->setText(editing ? tr("&Actors:", "film window") : tr("&Actors:", "search"));
    genreLabel_->setText(tr("&Genre:"));
    storyLabel_->setText(editing ? tr("&Story:") : tr("Sto&ry:"));
    longplayCheck_->setText(tr("Longpla&y"));
    blackWhiteCheck_->setText(editing ? tr("&Black/White") : tr("Black/&White"));
    seenCheck_->setText(editing ? tr("S&een", "film window") : tr("S&een", "search"));
    deletableCheck_->setText(editing ? tr("Dele&table", "film window") : tr("Dele&table", "search"));
}

QWidget* FilmFields::actorsField() const
{
    return actorsMemo_ ? static_cast<QWidget*>(actorsMemo_) : actorsLine_;
}

QWidget* FilmFields::storyField() const
{
    return storyMemo_ ? static_cast<QWidget*>(storyMemo_) : storyLine_;
}

QString FilmFields::actors() const
{
    return actorsMemo_ ? actorsMemo_->toPlainText() : actorsLine_->text();
}

void FilmFields::setActors(const QString& text)
{
    if (actorsMemo_)
        actorsMemo_->setPlainText(text);
    else
        actorsLine_->setText(text);
}

QString FilmFields::story() const
{
    return storyMemo_ ? storyMemo_->toPlainText() : storyLine_->text();
}

void FilmFields::setStory(const QString& text)
{
    if (storyMemo_)
        storyMemo_->setPlainText(text);
    else
        storyLine_->setText(text);
}

SearchCriteria::Compare FilmFields::yearCompare() const
{
    return yearCompare_ ? SearchCriteria::Compare(yearCompare_->checkedId()) : SearchCriteria::Compare::Equal;
}

SearchCriteria::Compare FilmFields::lengthCompare() const
{
    return lengthCompare_ ? SearchCriteria::Compare(lengthCompare_->checkedId())
                          : SearchCriteria::Compare::Equal;
}

void FilmFields::resetCompare()
{
    for (QButtonGroup* group : {yearCompare_, lengthCompare_}) {
        if (group)
            group->button(int(SearchCriteria::Compare::Equal))->setChecked(true);
    }
}

void FilmFields::setReadOnlyLook(QWidget* field, bool readOnly)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base,
                     QApplication::palette(field).color(readOnly ? QPalette::Button : QPalette::Base));
    field->setPalette(palette);
}

void FilmFields::setEditable(bool editing)
{
    for (QLineEdit* edit : {titleEdit_, countryEdit_, directorEdit_, genreOverlay_,
                            static_cast<QLineEdit*>(yearEdit_), static_cast<QLineEdit*>(lengthEdit_)}) {
        edit->setReadOnly(!editing || edit == genreOverlay_);
        setReadOnlyLook(edit, !editing);
    }
    for (MemoEdit* memo : {actorsMemo_, storyMemo_}) {
        memo->setReadOnly(!editing);
        setReadOnlyLook(memo, !editing);
    }
    genreCombo_->setEnabled(editing);
    setReadOnlyLook(genreCombo_, !editing);
    for (QCheckBox* box : {longplayCheck_, blackWhiteCheck_, seenCheck_, deletableCheck_})
        box->setEnabled(editing);
}

void FilmFields::showFilm(const FilmRecord* record, bool editing)
{
    setEditable(editing);
    if (record) {
        const catalogue::Film film = catalogue::filmOf(*record);
        titleEdit_->setText(film.title);
        showNumber(lengthEdit_, film.length, kLengthDigits);
        showNumber(yearEdit_, film.year, kYearDigits);
        countryEdit_->setText(film.country);
        directorEdit_->setText(film.director);
        setActors(film.actors);
        genreCombo_->setEditText(film.genre);
        setStory(film.story);
        // A text longer than its field reads from its beginning.
        for (QLineEdit* edit : {titleEdit_, countryEdit_, directorEdit_})
            edit->setCursorPosition(0);
    } else {
        for (QLineEdit* edit : {titleEdit_, countryEdit_, directorEdit_})
            edit->clear();
        setActors({});
        setStory({});
        genreCombo_->setEditText(QString());
        showBlankOr(lengthEdit_, editing, u"0"_s, kLengthDigits);
        showBlankOr(yearEdit_, editing, u"1"_s, kYearDigits);
    }
    longplayCheck_->setChecked(record && record->longplay != 0);
    blackWhiteCheck_->setChecked(record && record->blackWhite != 0);
    seenCheck_->setChecked(record && record->seen != 0);
    deletableCheck_->setChecked(record && record->deletable != 0);

    genreOverlay_->setText(genreCombo_->currentText());
    genreOverlay_->setCursorPosition(0);
    genreStack_->setCurrentWidget(editing ? static_cast<QWidget*>(genreCombo_) : genreOverlay_);
}

catalogue::Film FilmFields::enteredFilm() const
{
    catalogue::Film film;
    film.title = titleEdit_->text();
    film.year = yearEdit_->intValue();
    film.country = countryEdit_->text();
    film.length = lengthEdit_->intValue();
    film.director = directorEdit_->text();
    film.actors = actors();
    film.genre = genreCombo_->currentText();
    film.story = story();
    film.longplay = longplayCheck_->isChecked();
    film.blackWhite = blackWhiteCheck_->isChecked();
    film.seen = seenCheck_->isChecked();
    film.deletable = deletableCheck_->isChecked();
    return film;
}

} // namespace controls
