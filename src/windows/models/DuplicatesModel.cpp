#include "windows/models/DuplicatesModel.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

#include <QFont>

using catalogue::FilmRecord;

namespace windows {
namespace {

// A group's row has no parent; a film's row carries its group's place plus one.
constexpr quintptr kGroupRow = 0;

} // namespace

DuplicatesModel::DuplicatesModel(catalogue::Catalogue& catalogue, QObject* parent)
    : ui::TableModel(staticMetaObject.className(),
                     {QT_TRANSLATE_NOOP("windows::DuplicatesModel", "Title"),
                      QT_TRANSLATE_NOOP("windows::DuplicatesModel", "Year"),
                      QT_TRANSLATE_NOOP("windows::DuplicatesModel", "Tape"),
                      QT_TRANSLATE_NOOP("windows::DuplicatesModel", "Counter range"),
                      QT_TRANSLATE_NOOP("windows::DuplicatesModel", "Length"),
                      QT_TRANSLATE_NOOP("windows::DuplicatesModel", "Long-play")},
                     parent),
      catalogue_(catalogue)
{
    // Changes are gathered and the groups found once the change is whole, so that an import costs
    // one pass.
    const auto later = [this] {
        if (active_)
            stale_ = true;
    };
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, later);
    connect(&catalogue_, &catalogue::Catalogue::changesFinished, this, [this] {
        if (stale_)
            refresh();
    });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, later);
    connect(&catalogue_, &catalogue::Catalogue::filmChanged, this, later);
    connect(&catalogue_, &catalogue::Catalogue::filmAboutToBeRemoved, this,
            [this, later](const FilmRecord* film) {
                forgetFilm(film);
                later();
            });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            [this, later](const catalogue::Cassette* cassette) {
                for (const FilmRecord* film : cassette->records())
                    forgetFilm(film);
                later();
            });
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, [this, later] {
        setGroups({});
        later();
    });
}

DuplicatesModel::~DuplicatesModel() = default;

void DuplicatesModel::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        refresh();
        return;
    }
    stale_ = false;
    setGroups({});
}

void DuplicatesModel::refresh()
{
    stale_ = false;
    setGroups(active_ ? catalogue::findDuplicates(catalogue_) : std::vector<catalogue::DuplicateGroup>());
}

void DuplicatesModel::setGroups(std::vector<catalogue::DuplicateGroup> groups)
{
    beginResetModel();
    groups_ = std::move(groups);
    placesOf_.clear();
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const std::vector<const FilmRecord*>& films = groups_[g].films;
        for (std::size_t row = 0; row < films.size(); ++row)
            placesOf_.emplace(films[row], Place{g, row});
    }
    endResetModel();
}

void DuplicatesModel::forgetFilm(const FilmRecord* film)
{
    const auto it = placesOf_.find(film);
    if (it == placesOf_.end())
        return;
    groups_[it->second.group].films[it->second.row] = nullptr;
    placesOf_.erase(it);
}

QModelIndex DuplicatesModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= ColumnCount || row < 0)
        return {};
    if (!parent.isValid())
        return row < groupCount() ? createIndex(row, column, kGroupRow) : QModelIndex();
    if (parent.internalId() != kGroupRow || parent.row() >= groupCount() ||
        row >= int(group(parent.row()).films.size()))
        return {};
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex DuplicatesModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kGroupRow)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kGroupRow);
}

int DuplicatesModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return groupCount();
    if (parent.internalId() != kGroupRow || parent.column() != 0)
        return 0;
    return int(group(parent.row()).films.size());
}

int DuplicatesModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant DuplicatesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.internalId() == kGroupRow) {
        const catalogue::DuplicateGroup& g = group(index.row());
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        // A title too long for its column is read in full from its tooltip.
        if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && index.column() == TitleColumn))
            return groupData(g, index.column());
        return {};
    }
    const catalogue::DuplicateGroup& g = group(int(index.internalId() - 1));
    const FilmRecord* film = g.films[std::size_t(index.row())];
    return film ? filmData(*film, index.column(), role) : QVariant();
}

QVariant DuplicatesModel::groupData(const catalogue::DuplicateGroup& group, int column) const
{
    switch (column) {
    case TitleColumn:
        return group.title;
    case YearColumn:
        return group.year ? QVariant(group.year) : QVariant();
    case TapeColumn:
        return tr("%n recording(s)", nullptr, int(group.films.size()));
    default:
        return {};
    }
}

QVariant DuplicatesModel::filmData(const FilmRecord& film, int column, int role) const
{
    if (column == LongplayColumn && role == Qt::CheckStateRole)
        return film.longplay ? Qt::Checked : Qt::Unchecked;
    if (column == TitleColumn && role == Qt::ToolTipRole)
        return catalogue::text(film.filmName);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case TitleColumn:
        return catalogue::text(film.filmName);
    case YearColumn:
        return film.year ? QVariant(int(film.year)) : QVariant();
    case TapeColumn:
        return catalogue::tapeNameText(film);
    case CounterColumn: {
        const catalogue::Cassette* cassette = catalogue_.cassetteOf(film);
        const qint64 start = cassette ? cassette->minutesBefore(cassette->filmIndexOf(&film)) : 0;
        return catalogue::counterRange(start, film.filmLength);
    }
    case LengthColumn:
        return int(film.filmLength);
    default:
        return {};
    }
}

Qt::ItemFlags DuplicatesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return index.internalId() == kGroupRow
               ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
               : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

const FilmRecord* DuplicatesModel::filmAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    if (index.internalId() == kGroupRow) {
        const std::vector<const FilmRecord*>& films = group(index.row()).films;
        return films.empty() ? nullptr : films.front();
    }
    return group(int(index.internalId() - 1)).films[std::size_t(index.row())];
}

QModelIndex DuplicatesModel::indexOf(const FilmRecord* film) const
{
    const auto it = placesOf_.find(film);
    if (it == placesOf_.end())
        return {};
    return index(int(it->second.row), 0, index(int(it->second.group), 0));
}

} // namespace windows
