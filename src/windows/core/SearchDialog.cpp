#include "windows/core/SearchDialog.h"

#include "catalogue/Catalogue.h"
#include "catalogue/FilmSearch.h"
#include "catalogue/RecordText.h"
#include "controls/FilmFields.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"
#include "windows/models/SearchResultModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using catalogue::FilmRecord;
using catalogue::SearchCriteria;
using namespace Qt::StringLiterals;

namespace windows {
namespace {

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
    using ui::named;
    criteriaBox_ = new QGroupBox(this);
    fields_ = new controls::FilmFields(controls::FilmFields::Purpose::Searching, criteriaBox_);
    auto* criteria = new QVBoxLayout(criteriaBox_);
    criteria->addWidget(fields_);
    criteria->addWidget(fields_->flags());

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

    QList<QWidget*> order = fields_->tabChain();
    order << searchButton_ << discardButton_ << closeButton_ << openButton_ << resultList_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(searchButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { search(); }); });
    connect(discardButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { reset(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(openButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { openTape(); }); });
    connect(resultList_, &ui::ReportList::rowDoubleClicked, this,
            [this] { ui::guarded(this, [this] { openTape(); }); });
}

QComboBox* SearchDialog::genreCombo() const
{
    return fields_->genreCombo();
}

void SearchDialog::retranslate()
{
    setWindowTitle(tr("Search a film"));
    criteriaBox_->setTitle(tr("Searchcriterions"));
    // The hits have no caption on the form; a screen reader calls them what the message about them does.
    resultList_->setAccessibleName(tr("Searchresult"));
    fields_->retranslate();
    searchButton_->setText(tr("&Start Search"));
    discardButton_->setText(tr("Discard Searc&hresult"));
    closeButton_->setText(tr("&Close"));
    openButton_->setText(tr("&Open Tape"));
    results_->retranslate();
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
    fields_->titleEdit()->clear();
    fields_->yearEdit()->setIntValue(0);
    fields_->countryEdit()->clear();
    fields_->lengthEdit()->setIntValue(0);
    fields_->resetCompare();
    fields_->directorEdit()->clear();
    fields_->setActors({});
    fields_->setStory({});
    fields_->genreCombo()->setEditText(QString()); // the list of choices stays
    for (QCheckBox* box : {fields_->longplayCheck(), fields_->blackWhiteCheck(), fields_->seenCheck(),
                           fields_->deletableCheck()})
        box->setCheckState(Qt::PartiallyChecked);
    results_->clear();
    fields_->titleEdit()->setFocus();
    retranslate();
}

SearchCriteria SearchDialog::criteria() const
{
    SearchCriteria c;
    c.title = fields_->titleEdit()->text();
    c.year = fields_->yearEdit()->intValue();
    c.yearCompare = fields_->yearCompare();
    c.country = fields_->countryEdit()->text();
    c.length = fields_->lengthEdit()->intValue();
    c.lengthCompare = fields_->lengthCompare();
    c.director = fields_->directorEdit()->text();
    c.actors = fields_->actors();
    c.genre = fields_->genreCombo()->currentText();
    c.story = fields_->story();
    c.longplay = flagOf(fields_->longplayCheck());
    c.blackWhite = flagOf(fields_->blackWhiteCheck());
    c.seen = flagOf(fields_->seenCheck());
    c.deletable = flagOf(fields_->deletableCheck());
    return c;
}

qsizetype SearchDialog::search()
{
    const std::vector<const FilmRecord*> hits = catalogue::findFilms(catalogue_, criteria());
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
