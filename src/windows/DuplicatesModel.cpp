#include "windows/DuplicatesModel.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

#include <QFont>

#include <algorithm>

using catalogue::FilmRecord;

namespace windows {
namespace {

// A group's row has no parent; a film's row carries its group's place plus one.
constexpr quintptr kGroupRow = 0;

} // namespace

DuplicatesModel::DuplicatesModel(catalogue::Catalogue& catalogue, QObject* parent)
    : QAbstractItemModel(parent), catalogue_(catalogue), captions_(ColumnCount)
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
                removeFilmsWhere([film](const FilmRecord* f) { return f == film; });
                later();
            });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            [this, later](const catalogue::Cassette* cassette) {
                const auto records = cassette->records();
                removeFilmsWhere([&records](const FilmRecord* f) {
                    return std::find(records.begin(), records.end(), f) != records.end();
                });
                later();
            });
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, [this, later] {
        beginResetModel();
        groups_.clear();
        endResetModel();
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
    beginResetModel();
    groups_.clear();
    endResetModel();
}

void DuplicatesModel::refresh()
{
    stale_ = false;
    beginResetModel();
    if (active_)
        groups_ = catalogue::findDuplicates(catalogue_);
    else
        groups_.clear();
    endResetModel();
}

void DuplicatesModel::removeFilmsWhere(const auto& gone)
{
    for (int g = 0; g < groupCount(); ++g) {
        std::vector<const FilmRecord*>& films = groups_[std::size_t(g)].films;
        // From the end, so that every row keeps its place until it goes.
        for (int row = int(films.size()) - 1; row >= 0; --row) {
            if (!gone(films[std::size_t(row)]))
                continue;
            beginRemoveRows(index(g, 0), row, row);
            films.erase(films.begin() + row);
            endRemoveRows();
        }
    }
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
        return role == Qt::DisplayRole ? groupData(g, index.column()) : QVariant();
    }
    const catalogue::DuplicateGroup& g = group(int(index.internalId() - 1));
    return filmData(*g.films[std::size_t(index.row())], index.column(), role);
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

QVariant DuplicatesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return captions_.value(section);
}

Qt::ItemFlags DuplicatesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return index.internalId() == kGroupRow
               ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
               : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void DuplicatesModel::setColumnCaptions(const QStringList& captions)
{
    captions_ = captions;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
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
    for (int g = 0; g < groupCount(); ++g) {
        const std::vector<const FilmRecord*>& films = group(g).films;
        const auto it = std::find(films.begin(), films.end(), film);
        if (it != films.end())
            return index(int(it - films.begin()), 0, index(g, 0));
    }
    return {};
}

} // namespace windows
