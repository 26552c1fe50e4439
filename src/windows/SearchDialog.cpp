#include "windows/SearchDialog.h"

#include "catalogue/Catalogue.h"
#include "catalogue/FilmRules.h"
#include "catalogue/FilmSearch.h"
#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"
#include "windows/SearchResultModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using catalogue::FilmRecord;
using catalogue::SearchCriteria;
using namespace Qt::StringLiterals;

namespace windows {
namespace {

using catalogue::kActorsCapacity;
using catalogue::kStoryCapacity;
using catalogue::kTextCapacity;
constexpr int kResultListHeight = 201;

std::optional<bool> flagOf(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return true;
    case Qt::Unchecked:
        return false;
    default:
        return std::nullopt;
    }
}

} // namespace

SearchDialog::SearchDialog(catalogue::Catalogue& catalogue, QWidget* parent)
    : QDialog(parent, ui::kFixedDialog), catalogue_(catalogue),
      results_(new SearchResultModel(catalogue, this))
{
    setObjectName(u"searchDialog"_s);
    ui::setHelpTopic(this, ui::HelpTopic::SearchDialog);
    createControls();
    retranslate();
}

SearchDialog::~SearchDialog() = default;

void SearchDialog::createControls()
{
    criteriaBox_ = new QGroupBox(this);
    using ui::named;
    auto lineEdit = [&](const QString& name, int capacity) {
        auto* edit = named(new QLineEdit(criteriaBox_), name);
        edit->setMaxLength(capacity);
        return edit;
    };
    // "<", "=" and ">": exactly one of the three is down.
    auto compareButtons = [&](QButtonGroup*& group, QToolButton*& equal, const QString& prefix) {
        group = new QButtonGroup(this);
        group->setExclusive(true);
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        const std::pair<QString, SearchCriteria::Compare> kinds[] = {
            {u"<"_s, SearchCriteria::Compare::Less},
            {u"="_s, SearchCriteria::Compare::Equal},
            {u">"_s, SearchCriteria::Compare::Greater}};
        for (const auto& [text, compare] : kinds) {
            auto* button = named(new QToolButton(criteriaBox_), prefix + text);
            button->setText(text);
            button->setCheckable(true);
            button->setFocusPolicy(Qt::NoFocus);
            group->addButton(button, int(compare));
            row->addWidget(button);
            if (compare == SearchCriteria::Compare::Equal)
                equal = button;
        }
        return row;
    };

    titleEdit_ = lineEdit(u"titleEdit"_s, kTextCapacity);
    yearEdit_ = named(new controls::NumEdit(criteriaBox_), u"yearEdit"_s);
    yearEdit_->setMaxLength(4);
    countryEdit_ = lineEdit(u"countryEdit"_s, kTextCapacity);
    lengthEdit_ = named(new controls::NumEdit(criteriaBox_), u"lengthEdit"_s);
    lengthEdit_->setMaxLength(5);
    directorEdit_ = lineEdit(u"directorEdit"_s, kTextCapacity);
    actorsEdit_ = lineEdit(u"actorsEdit"_s, kActorsCapacity);
    genreCombo_ = named(new QComboBox(criteriaBox_), u"genreCombo"_s);
    genreCombo_->setEditable(true);
    genreCombo_->setInsertPolicy(QComboBox::NoInsert);
    genreCombo_->lineEdit()->setMaxLength(kTextCapacity);
    storyEdit_ = lineEdit(u"storyEdit"_s, kStoryCapacity);
    const int digitWidth = yearEdit_->fontMetrics().horizontalAdvance(u"0"_s);
    yearEdit_->setFixedWidth(digitWidth * 5 + 12);
    lengthEdit_->setFixedWidth(digitWidth * 6 + 12);

    auto label = [&](const QString& name, QWidget* buddy) {
        auto* l = named(new QLabel(criteriaBox_), name);
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

    auto check = [&](const QString& name) {
        auto* box = named(new QCheckBox(criteriaBox_), name);
        // Unchecked, grayed (no condition), checked, in that order of clicks.
        box->setTristate(true);
        return box;
    };
    longplayCheck_ = check(u"longplayCheck"_s);
    blackWhiteCheck_ = check(u"blackWhiteCheck"_s);
    seenCheck_ = check(u"seenCheck"_s);
    deletableCheck_ = check(u"deletableCheck"_s);

    auto* grid = new QGridLayout(criteriaBox_);
    auto numberRow = [](QWidget* edit, QLayout* buttons) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addLayout(buttons);
        row->addStretch(1);
        return row;
    };
    grid->addWidget(titleLabel_, 0, 0);
    grid->addWidget(titleEdit_, 0, 1);
    grid->addWidget(yearLabel_, 1, 0);
    grid->addLayout(numberRow(yearEdit_, compareButtons(yearCompare_, yearEqualButton_, u"year"_s)), 1, 1);
    grid->addWidget(countryLabel_, 2, 0);
    grid->addWidget(countryEdit_, 2, 1);
    grid->addWidget(lengthLabel_, 3, 0);
    grid->addLayout(numberRow(lengthEdit_, compareButtons(lengthCompare_, lengthEqualButton_, u"length"_s)),
                    3, 1);
    grid->addWidget(directorLabel_, 4, 0);
    grid->addWidget(directorEdit_, 4, 1);
    grid->addWidget(actorsLabel_, 5, 0);
    grid->addWidget(actorsEdit_, 5, 1);
    grid->addWidget(genreLabel_, 6, 0);
    grid->addWidget(genreCombo_, 6, 1);
    grid->addWidget(storyLabel_, 7, 0);
    grid->addWidget(storyEdit_, 7, 1);
    auto* checks = new QGridLayout;
    checks->addWidget(longplayCheck_, 0, 0);
    checks->addWidget(blackWhiteCheck_, 0, 1);
    checks->addWidget(seenCheck_, 1, 0);
    checks->addWidget(deletableCheck_, 1, 1);
    grid->addLayout(checks, 8, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 230);

    searchButton_ = named(new QPushButton(this), u"searchButton"_s);
    searchButton_->setDefault(true); // Enter in any field starts a search
    discardButton_ = named(new QPushButton(this), u"discardButton"_s);
    closeButton_ = named(new QPushButton(this), u"closeButton"_s);
    openButton_ = named(new QPushButton(this), u"openButton"_s);
    resultList_ = named(new ui::ReportList(this), u"resultList"_s);
    resultList_->setModel(results_);
    resultList_->setColumnWidths({148, 80, 45, 200});

    auto* actions = new QVBoxLayout;
    for (QPushButton* button : {searchButton_, discardButton_, closeButton_})
        actions->addWidget(button);
    actions->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(criteriaBox_, 1);
    top->addLayout(actions);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(openButton_);
    layout->addWidget(resultList_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {titleEdit_,  yearEdit_,       countryEdit_,  lengthEdit_,    directorEdit_,
                        actorsEdit_, genreCombo_,     storyEdit_,    longplayCheck_, blackWhiteCheck_,
                        seenCheck_,  deletableCheck_, searchButton_, discardButton_, closeButton_,
                        openButton_, resultList_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(searchButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { search(); }); });
    connect(discardButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { reset(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(openButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { openTape(); }); });
    connect(resultList_, &ui::ReportList::rowDoubleClicked, this,
            [this] { ui::guarded(this, [this] { openTape(); }); });
}

void SearchDialog::retranslate()
{
    setWindowTitle(tr("Search a film"));
    criteriaBox_->setTitle(tr("Searchcriterions"));
    // The hits have no caption on the form; a screen reader calls them what the message about them does.
    resultList_->setAccessibleName(tr("Searchresult"));
    titleLabel_->setText(tr("&Filmname:"));
    yearLabel_->setText(tr("&Productionyear:"));
    countryLabel_->setText(tr("Produced &in:"));
    lengthLabel_->setText(tr("&Length:"));
    directorLabel_->setText(tr("&Director:"));
    actorsLabel_->setText(tr("&Actors:"));
    genreLabel_->setText(tr("&Genre:"));
    storyLabel_->setText(tr("Sto&ry:"));
    longplayCheck_->setText(tr("Longpla&y"));
    blackWhiteCheck_->setText(tr("Black/&White"));
    seenCheck_->setText(tr("S&een"));
    deletableCheck_->setText(tr("Dele&table"));
    searchButton_->setText(tr("&Start Search"));
    discardButton_->setText(tr("Discard Searc&hresult"));
    closeButton_->setText(tr("&Close"));
    openButton_->setText(tr("&Open Tape"));
    // The title column is "Film" in both languages.
    results_->setColumnCaptions({u"Film"_s, tr("Tape"), tr("Length"), tr("Actors")});
}

void SearchDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void SearchDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] { reset(); });
    // On a small screen, or at a large scale, the list gives up rows so that the dialog fits.
    ui::fitHeightToScreen(this, resultList_, kResultListHeight, kResultListHeight / 3);
    ui::centreOnScreen(this);
}

void SearchDialog::hideEvent(QHideEvent* event)
{
    // The hits are kept only while the dialog is open; it starts afresh at every show.
    results_->clear();
    QDialog::hideEvent(event);
}

void SearchDialog::reset()
{
    titleEdit_->clear();
    yearEdit_->setIntValue(0);
    yearEqualButton_->setChecked(true);
    countryEdit_->clear();
    lengthEdit_->setIntValue(0);
    lengthEqualButton_->setChecked(true);
    for (QLineEdit* edit : {directorEdit_, actorsEdit_, storyEdit_})
        edit->clear();
    genreCombo_->setEditText(QString()); // the list of choices stays
    for (QCheckBox* box : {longplayCheck_, blackWhiteCheck_, seenCheck_, deletableCheck_})
        box->setCheckState(Qt::PartiallyChecked);
    results_->clear();
    titleEdit_->setFocus();
    retranslate();
}

SearchCriteria SearchDialog::criteria() const
{
    SearchCriteria c;
    c.title = titleEdit_->text();
    c.year = yearEdit_->intValue();
    c.yearCompare = SearchCriteria::Compare(yearCompare_->checkedId());
    c.country = countryEdit_->text();
    c.length = lengthEdit_->intValue();
    c.lengthCompare = SearchCriteria::Compare(lengthCompare_->checkedId());
    c.director = directorEdit_->text();
    c.actors = actorsEdit_->text();
    c.genre = genreCombo_->currentText();
    c.story = storyEdit_->text();
    c.longplay = flagOf(longplayCheck_);
    c.blackWhite = flagOf(blackWhiteCheck_);
    c.seen = flagOf(seenCheck_);
    c.deletable = flagOf(deletableCheck_);
    return c;
}

qsizetype SearchDialog::search()
{
    const catalogue::FilmMatcher matcher(criteria());
    std::vector<const FilmRecord*> hits;
    for (const FilmRecord* r = catalogue_.head(); r; r = r->next) {
        if (matcher.matches(*r))
            hits.push_back(r);
    }
    results_->appendFilms(hits);

    const auto count = qsizetype(hits.size());
    const QString text =
        count == 0 ? tr("There was no film found with the given criterions.")
                   : tr("There were %n films found with the given criterions.", nullptr, int(count));
    ui::messageBox(this, text, tr("Searchresult"), ui::Icon::Information);
    return count;
}

void SearchDialog::openTape()
{
    if (const FilmRecord* film = results_->filmAt(resultList_->selectedRow()))
        Q_EMIT filmRequested(film);
}

} // namespace windows
