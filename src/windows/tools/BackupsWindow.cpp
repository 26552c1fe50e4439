#include "windows/tools/BackupsWindow.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueComparison.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"
#include "windows/undo/CatalogueCommands.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

enum GenerationColumn
{
    SavedColumn,
    TapesColumn,
    FilmsColumn,
    SizeColumn,
    StateColumn
};
enum DifferenceColumn
{
    NameColumn,
    ChangeColumn,
    NowColumn,
    BackupColumn
};

constexpr int kGenerationWidths[] = {150, 60, 60, 75, 80};
constexpr int kDifferenceWidths[] = {220, 110, 130, 130};
// The row of a film that exists now keeps the index of its record in nowFilms_.
constexpr int kFilmRole = Qt::UserRole;
constexpr int kNoFilm = -1;

QString changeText(catalogue::CatalogueDifferences::Kind kind)
{
    using Kind = catalogue::CatalogueDifferences::Kind;
    switch (kind) {
    case Kind::Added:
        return BackupsWindow::tr("added");
    case Kind::Removed:
        return BackupsWindow::tr("removed");
    case Kind::Changed:
        return BackupsWindow::tr("changed");
    }
    return {};
}

} // namespace

BackupsWindow::BackupsWindow(catalogue::Catalogue& catalogue, QUndoStack& undoStack, QWidget* parent)
    : ui::ToolWindow(parent), catalogue_(catalogue), undoStack_(undoStack),
      watcher_(new QFileSystemWatcher(this))
{
    setObjectName(u"backupsWindow"_s);
    ui::setHelpTopic(this, ui::HelpTopic::Backups);
    createControls();
    retranslate();
    // Every save keeps a generation: the list follows while the window is open.
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (isVisible())
            ui::guarded(this, [this] { refreshList(); });
    });
    connect(&catalogue_, &catalogue::Catalogue::changesFinished, this, [this] {
        // The rows point at records that may have gone.
        clearDifferences();
        if (isVisible())
            scheduleComparison();
    });
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, [this] { clearDifferences(); });
}

BackupsWindow::~BackupsWindow() = default;

void BackupsWindow::createControls()
{
    using ui::named;
    listLabel_ = named(new QLabel(this), u"listLabel"_s);
    generationList_ = named(new QTreeWidget(this), u"generationList"_s);
    generationList_->setColumnCount(5);
    generationList_->setRootIsDecorated(false);
    generationList_->setUniformRowHeights(true);
    generationList_->setSelectionMode(QAbstractItemView::SingleSelection);
    generationList_->setAllColumnsShowFocus(true);
    generationList_->header()->setSectionsMovable(false);
    listLabel_->setBuddy(generationList_);
    summaryLabel_ = named(new QLabel(this), u"summaryLabel"_s);
    summaryLabel_->setWordWrap(true);
    differenceTree_ = named(new QTreeWidget(this), u"differenceTree"_s);
    differenceTree_->setColumnCount(4);
    differenceTree_->setUniformRowHeights(true);
    differenceTree_->setSelectionMode(QAbstractItemView::SingleSelection);
    differenceTree_->setAllColumnsShowFocus(true);
    differenceTree_->header()->setSectionsMovable(false);
    summaryLabel_->setBuddy(differenceTree_);
    openButton_ = named(new QPushButton(this), u"openButton"_s);
    openButton_->setAutoDefault(false);
    restoreButton_ = named(new QPushButton(this), u"restoreButton"_s);
    restoreButton_->setAutoDefault(false);
    closeButton_ = named(new QPushButton(this), u"closeButton"_s);
    closeButton_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openButton_);
    buttons->addStretch(1);
    buttons->addWidget(restoreButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel_);
    layout->addWidget(generationList_, 1);
    layout->addWidget(summaryLabel_);
    layout->addWidget(differenceTree_, 3);
    layout->addLayout(buttons);
    setTabOrder(generationList_, differenceTree_);
    setTabOrder(differenceTree_, openButton_);
    setTabOrder(openButton_, restoreButton_);
    setTabOrder(restoreButton_, closeButton_);

    connect(generationList_, &QTreeWidget::currentItemChanged, this,
            [this] { ui::guarded(this, [this] { chooseGeneration(); }); });
    connect(differenceTree_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });
    connect(differenceTree_, &QTreeWidget::itemActivated, this,
            [this] { ui::guarded(this, [this] { openFilm(); }); });
    connect(openButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { openFilm(); }); });
    connect(restoreButton_, &QPushButton::clicked, this,
            [this] { ui::guarded(this, [this] { restoreChosen(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void BackupsWindow::retranslate()
{
    setWindowTitle(tr("Backups"));
    listLabel_->setText(tr("&Saved versions of the archive, newest first:"));
    ui::nameAfterLabel(generationList_, *listLabel_);
    generationList_->setHeaderLabels({tr("Saved"), tr("Tapes"), tr("Films"), tr("Size"), tr("State")});
    // Captions of figures stand over them, at the right.
    for (const int column : {TapesColumn, FilmsColumn, SizeColumn})
        generationList_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    ui::fitColumnsToCaptions(generationList_, {std::begin(kGenerationWidths), std::end(kGenerationWidths)});
    differenceTree_->setHeaderLabels({tr("Tape / film"), tr("On restore"), tr("Now"), tr("In the backup")});
    ui::fitColumnsToCaptions(differenceTree_, {std::begin(kDifferenceWidths), std::end(kDifferenceWidths)});
    openButton_->setText(tr("&Open film"));
    restoreButton_->setText(tr("&Restore..."));
    closeButton_->setText(tr("&Close"));
    // The rows hold texts of the language: written anew, or when it opens.
    if (isVisible())
        fillList(chosen() ? chosen()->name : QString());
    else
        showSummary(summaryTapes_, summaryFilms_);
}

QString BackupsWindow::savedText(const catalogue::Generation& generation) const
{
    return ui::localeOf(ui::language()).toString(generation.saved.toLocalTime(), QLocale::ShortFormat);
}

void BackupsWindow::refreshList()
{
    // Known by its name: a new save moves every generation down a row.
    const QString chosenName = chosen() ? chosen()->name : QString();
    const QString archive = catalogue_.archiveFiles().archive();
    generations_.clear();
    if (!archive.isEmpty())
        generations_ = catalogue::Generations(archive).list();
    fillList(chosenName);
    watchFolders();
}

void BackupsWindow::watchFolders()
{
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    const QString archive = catalogue_.archiveFiles().archive();
    if (archive.isEmpty())
        return;
    const catalogue::Generations generations(archive);
    // Before the first generation of this archive is kept, its folder appears in the root.
    for (const QString& folder : {generations.folder(), generations.root()}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            watcher_->addPath(folder);
            break;
        }
    }
}

void BackupsWindow::fillList(const QString& chosenName)
{
    const QLocale locale = ui::localeOf(ui::language());
    const QSignalBlocker blocker(generationList_);
    generationList_->clear();
    QTreeWidgetItem* current = nullptr;
    for (std::size_t i = 0; i < generations_.size(); ++i) {
        const catalogue::Generation& generation = generations_[i];
        auto* item = new QTreeWidgetItem(generationList_);
        item->setData(SavedColumn, Qt::UserRole, qulonglong(i));
        item->setText(SavedColumn, savedText(generation));
        if (!generation.damaged) {
            item->setText(TapesColumn, locale.toString(generation.tapes));
            item->setText(FilmsColumn, locale.toString(generation.films));
        }
        item->setText(SizeColumn,
                      locale.formattedDataSize(generation.bytesOnDisk, 1, QLocale::DataSizeSIFormat));
        for (const int column : {TapesColumn, FilmsColumn, SizeColumn})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (generation.damaged) {
            item->setText(StateColumn, tr("damaged"));
            item->setToolTip(StateColumn, generation.problem);
            item->setToolTip(SavedColumn, generation.problem);
        }
        if (generation.name == chosenName)
            current = item;
    }
    if (!current && generationList_->topLevelItemCount() > 0)
        current = generationList_->topLevelItem(0);
    if (current)
        generationList_->setCurrentItem(current);
    chooseGeneration();
}

const catalogue::Generation* BackupsWindow::chosen() const
{
    const QTreeWidgetItem* item = generationList_->currentItem();
    if (!item)
        return nullptr;
    const auto index = item->data(SavedColumn, Qt::UserRole).toULongLong();
    return index < generations_.size() ? &generations_[index] : nullptr;
}

void BackupsWindow::chooseGeneration()
{
    const catalogue::Generation* generation = chosen();
    const QString name = generation ? generation->name : QString();
    if (name != loadedName_ || !generation) {
        clearDifferences();
        loaded_.reset();
        loadProblem_.clear();
        loadedName_ = name;
        if (generation && generation->damaged) {
            loadProblem_ = generation->problem;
        } else if (generation) {
            auto scratch = std::make_unique<catalogue::Catalogue>();
            const std::optional<QString> problem =
                catalogue::Generations(catalogue_.archiveFiles().archive()).load(*generation, *scratch);
            if (problem)
                loadProblem_ = *problem;
            else
                loaded_ = std::move(scratch);
        }
    }
    scheduleComparison();
}

void BackupsWindow::scheduleComparison()
{
    // Many changes in one turn of the event loop are compared once.
    if (comparisonScheduled_)
        return;
    comparisonScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        comparisonScheduled_ = false;
        ui::guarded(this, [this] { compare(); });
    });
}

void BackupsWindow::clearDifferences()
{
    differenceTree_->clear();
    nowFilms_.clear();
    updateButtons();
}

void BackupsWindow::compare()
{
    clearDifferences();
    if (!loaded_) {
        showSummary(-1, 0);
        return;
    }
    // What restoring would do: from the catalogue now to the backup.
    const std::vector<const catalogue::FilmRecord*> now = catalogue::recordsOf(catalogue_);
    const std::vector<const catalogue::FilmRecord*> backup = catalogue::recordsOf(*loaded_);
    const catalogue::CatalogueDifferences differences = catalogue::compareCatalogues(now, backup);
    const QLocale locale = ui::localeOf(ui::language());
    const QString absent = u"\u2014"_s;
    QHash<QString, QTreeWidgetItem*> tapeRows;
    for (const auto& tape : differences.tapes) {
        auto* item = new QTreeWidgetItem(differenceTree_);
        item->setText(NameColumn, tape.name);
        item->setText(ChangeColumn, changeText(tape.kind));
        using Kind = catalogue::CatalogueDifferences::Kind;
        // Its length too: a tape may differ in nothing else.
        const auto contents = [&](int length, int films) {
            return tr("%1 min, %n film(s)", nullptr, films).arg(locale.toString(length));
        };
        item->setText(NowColumn,
                      tape.kind == Kind::Added ? absent : contents(tape.lengthBefore, tape.filmsBefore));
        item->setText(BackupColumn,
                      tape.kind == Kind::Removed ? absent : contents(tape.lengthAfter, tape.filmsAfter));
        item->setData(NameColumn, kFilmRole, kNoFilm);
        tapeRows.insert(tape.name, item);
    }
    for (const auto& film : differences.films) {
        QTreeWidgetItem* tapeRow = tapeRows.value(film.tape);
        auto* item = tapeRow ? new QTreeWidgetItem(tapeRow) : new QTreeWidgetItem(differenceTree_);
        item->setText(NameColumn, film.title);
        item->setText(ChangeColumn, changeText(film.kind));
        const auto minutes = [&](const catalogue::FilmRecord* r) {
            return r ? tr("%1 min").arg(locale.toString(r->filmLength)) : absent;
        };
        item->setText(NowColumn, minutes(film.before));
        item->setText(BackupColumn, minutes(film.after));
        if (film.before) {
            item->setData(NameColumn, kFilmRole, int(nowFilms_.size()));
            nowFilms_.push_back(film.before);
        } else {
            item->setData(NameColumn, kFilmRole, kNoFilm);
        }
    }
    // A few tapes are seen whole at once; many stay closed, to be opened one by one.
    if (differences.tapes.size() <= 5)
        differenceTree_->expandAll();
    if (differenceTree_->topLevelItemCount() > 0)
        differenceTree_->setCurrentItem(differenceTree_->topLevelItem(0));
    showSummary(int(differences.tapes.size()), int(differences.films.size()));
    updateButtons();
}

void BackupsWindow::showSummary(int tapes, int films)
{
    summaryTapes_ = tapes;
    summaryFilms_ = films;
    QString text;
    if (!chosen())
        text = tr("&Differences: no backup chosen");
    else if (!loaded_)
        text = tr("&Differences: this backup cannot be restored: %1").arg(loadProblem_);
    else if (tapes <= 0)
        text = tr("&Differences: nothing differs from the catalogue now");
    else
        text = tr("&Differences that restoring would make: %1 and %2")
                   .arg(tr("%n tape(s)", nullptr, tapes), tr("%n film(s)", nullptr, films));
    summaryLabel_->setText(text);
    ui::nameAfterLabel(differenceTree_, *summaryLabel_);
}

void BackupsWindow::updateButtons()
{
    openButton_->setEnabled(currentFilm() != nullptr);
    const catalogue::Generation* generation = chosen();
    restoreButton_->setEnabled(generation && !generation->damaged && loaded_);
}

const catalogue::FilmRecord* BackupsWindow::currentFilm() const
{
    const QTreeWidgetItem* item = differenceTree_->currentItem();
    if (!item)
        return nullptr;
    const int index = item->data(NameColumn, kFilmRole).toInt();
    return index >= 0 && std::size_t(index) < nowFilms_.size() ? nowFilms_[std::size_t(index)] : nullptr;
}

void BackupsWindow::openFilm()
{
    const catalogue::FilmRecord* film = currentFilm();
    if (!film)
        return;
    Q_EMIT filmWindowRequested(catalogue_.cassetteOf(*film), film);
    ui::reactivate(this);
}

void BackupsWindow::restoreChosen()
{
    const catalogue::Generation* generation = chosen();
    if (!generation || generation->damaged || !loaded_)
        return;
    const QString saved = savedText(*generation);
    if (ui::messageBox(
            this, tr("Replace the catalogue with the backup of %1?\nCtrl+Z takes it back.").arg(saved),
            tr("Restore backup"), ui::Icon::Question, ui::kYesNo, QMessageBox::No) != QMessageBox::Yes)
        return;
    std::vector<std::unique_ptr<catalogue::FilmRecord>> records;
    records.reserve(std::size_t(loaded_->recordCount()));
    for (const catalogue::FilmRecord* r = loaded_->head(); r; r = r->next) {
        auto copy = catalogue::Catalogue::newRecord();
        std::memcpy(static_cast<void*>(copy.get()), r, catalogue::kRecordSize);
        records.push_back(std::move(copy));
    }
    restoreBackup(undoStack_, catalogue_, std::move(records), saved);
}

void BackupsWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void BackupsWindow::showEvent(QShowEvent* event)
{
    ui::ToolWindow::showEvent(event);
    // Saves made while it was closed, and the catalogue as it is now.
    ui::guarded(this, [this] { refreshList(); });
    generationList_->setFocus();
}

void BackupsWindow::hideEvent(QHideEvent* event)
{
    ui::ToolWindow::hideEvent(event);
    if (!event->spontaneous()) {
        watcher_->removePaths(watcher_->directories());
        // Nothing is held while closed: the backup read may be large.
        clearDifferences();
        loaded_.reset();
        loadedName_.clear();
    }
}

QSize BackupsWindow::preferredSize()
{
    int width = 2 * differenceTree_->frameWidth() + 24;
    for (int column = 0; column < differenceTree_->columnCount(); ++column)
        width += differenceTree_->header()->sectionSize(column);
    const int rows = 24 * (fontMetrics().height() + 6);
    return sizeHint() + QSize(qMax(0, width - differenceTree_->sizeHint().width()),
                              qMax(0, rows - differenceTree_->sizeHint().height()));
}

} // namespace windows
