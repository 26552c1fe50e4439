#include "windows/CassetteListModel.h"

#include "catalogue/Catalogue.h"

#include <algorithm>

namespace windows {

CassetteListModel::CassetteListModel(catalogue::Catalogue& catalogue, QObject* parent)
    : CaptionedTableModel(ColumnCount, parent), catalogue_(catalogue)
{
    rebuild();
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, [this] {
        beginResetModel();
        rebuild();
        endResetModel();
    });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this, &CassetteListModel::addCassette);
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, &CassetteListModel::changeCassette);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            &CassetteListModel::removeCassette);
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, &CassetteListModel::catchUp);
}

void CassetteListModel::rebuild()
{
    rows_.clear();
    byFoldedName_.clear();
    foldedName_.clear();
    for (const catalogue::Cassette* cassette : catalogue_.cassettes()) {
        const QString folded = cassette->name().toCaseFolded();
        std::vector<const catalogue::Cassette*>& named = byFoldedName_[folded];
        named.push_back(cassette);
        foldedName_.insert(cassette, folded);
        if (named.size() == 1)
            rows_.push_back(cassette);
    }
}

int CassetteListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant CassetteListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    const catalogue::Cassette& cassette = *rows_[std::size_t(index.row())];
    switch (index.column()) {
    case NameColumn:
        return cassette.name();
    case LengthColumn:
        return cassette.length();
    case FilmCountColumn:
        return cassette.filmCount();
    case RemainingColumn:
        return cassette.remainingMinutes();
    default:
        return {};
    }
}

const catalogue::Cassette* CassetteListModel::cassetteAt(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)] : nullptr;
}

// The rows keep the catalogue's order, so the place of a cassette is found by its position there.
std::vector<const catalogue::Cassette*>::const_iterator
CassetteListModel::placeOf(const catalogue::Cassette* cassette) const
{
    return std::lower_bound(
        rows_.begin(), rows_.end(), cassette->position(),
        [](const catalogue::Cassette* row, std::size_t position) { return row->position() < position; });
}

int CassetteListModel::rowOf(const catalogue::Cassette* cassette) const
{
    if (!cassette)
        return -1;
    const auto it = placeOf(cassette);
    return it == rows_.end() || *it != cassette ? -1 : int(it - rows_.begin());
}

int CassetteListModel::findRow(const QString& name) const
{
    const auto it = byFoldedName_.constFind(name.toCaseFolded());
    return it == byFoldedName_.cend() ? -1 : rowOf(it->front());
}

void CassetteListModel::addRowFor(const catalogue::Cassette* cassette)
{
    const int row = int(placeOf(cassette) - rows_.begin());
    beginInsertRows(QModelIndex(), row, row);
    rows_.insert(rows_.begin() + row, cassette);
    endInsertRows();
}

void CassetteListModel::dropRowOf(const catalogue::Cassette* cassette)
{
    const int row = rowOf(cassette);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void CassetteListModel::join(const catalogue::Cassette* cassette, const QString& folded)
{
    std::vector<const catalogue::Cassette*>& named = byFoldedName_[folded];
    const auto at = std::lower_bound(
        named.begin(), named.end(), cassette->position(),
        [](const catalogue::Cassette* c, std::size_t position) { return c->position() < position; });
    const bool first = at == named.begin();
    named.insert(at, cassette);
    foldedName_.insert(cassette, folded);
    if (!first)
        return;
    if (named.size() > 1)
        dropRowOf(named[1]);
    addRowFor(cassette);
}

void CassetteListModel::leave(const catalogue::Cassette* cassette, const QString& folded)
{
    foldedName_.remove(cassette);
    const auto group = byFoldedName_.find(folded);
    if (group == byFoldedName_.end())
        return;
    std::vector<const catalogue::Cassette*>& named = *group;
    const auto at = std::find(named.begin(), named.end(), cassette);
    if (at == named.end())
        return;
    const bool first = at == named.begin();
    named.erase(at);
    if (!first)
        return;
    dropRowOf(cassette);
    if (named.empty())
        byFoldedName_.erase(group);
    else
        addRowFor(named.front());
}

void CassetteListModel::addCassette(const catalogue::Cassette* cassette)
{
    join(cassette, cassette->name().toCaseFolded());
}

void CassetteListModel::changeCassette(const catalogue::Cassette* cassette)
{
    // A renamed cassette is found by its new name, and may gain or lose a row by it.
    const QString folded = cassette->name().toCaseFolded();
    const QString old = foldedName_.value(cassette);
    if (folded != old) {
        leave(cassette, old);
        join(cassette, folded);
    }
    const int row = rowOf(cassette);
    if (row >= 0)
        Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::DisplayRole});
}

void CassetteListModel::removeCassette(const catalogue::Cassette* cassette)
{
    leave(cassette, foldedName_.value(cassette));
}

void CassetteListModel::catchUp()
{
    for (const catalogue::Cassette* cassette : catalogue_.cassettes()) {
        const QString folded = cassette->name().toCaseFolded();
        const auto known = foldedName_.constFind(cassette);
        if (known == foldedName_.cend()) {
            join(cassette, folded);
        } else if (*known != folded) {
            const QString old = *known;
            leave(cassette, old);
            join(cassette, folded);
        }
    }
    if (!rows_.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
}

} // namespace windows
