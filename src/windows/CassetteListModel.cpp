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
}

void CassetteListModel::rebuild()
{
    rows_.clear();
    byFoldedName_.clear();
    foldedName_.clear();
    for (catalogue::Cassette* cassette : catalogue_.cassettes()) {
        const QString folded = cassette->name().toCaseFolded();
        if (byFoldedName_.contains(folded))
            continue;
        byFoldedName_.insert(folded, cassette);
        foldedName_.insert(cassette, folded);
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

catalogue::Cassette* CassetteListModel::cassetteAt(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)] : nullptr;
}

int CassetteListModel::rowOf(const catalogue::Cassette* cassette) const
{
    const auto it = std::find(rows_.begin(), rows_.end(), cassette);
    return it == rows_.end() ? -1 : int(it - rows_.begin());
}

int CassetteListModel::findRow(const QString& name) const
{
    return rowOf(byFoldedName_.value(name.toCaseFolded()));
}

void CassetteListModel::addCassette(catalogue::Cassette* cassette)
{
    const QString folded = cassette->name().toCaseFolded();
    if (byFoldedName_.contains(folded))
        return;
    const int row = int(rows_.size());
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back(cassette);
    byFoldedName_.insert(folded, cassette);
    foldedName_.insert(cassette, folded);
    endInsertRows();
}

void CassetteListModel::changeCassette(catalogue::Cassette* cassette)
{
    const int row = rowOf(cassette);
    if (row < 0)
        return;
    // A renamed cassette is found by its new name.
    const QString folded = cassette->name().toCaseFolded();
    const QString old = foldedName_.value(cassette);
    if (folded != old) {
        if (byFoldedName_.value(old) == cassette)
            byFoldedName_.remove(old);
        if (!byFoldedName_.contains(folded))
            byFoldedName_.insert(folded, cassette);
        foldedName_.insert(cassette, folded);
    }
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::DisplayRole});
}

void CassetteListModel::removeCassette(catalogue::Cassette* cassette)
{
    const QString folded = foldedName_.take(cassette);
    const int row = rowOf(cassette);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    if (byFoldedName_.value(folded) == cassette)
        byFoldedName_.remove(folded);
    endRemoveRows();
}

} // namespace windows
