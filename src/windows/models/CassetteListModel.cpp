#include "windows/models/CassetteListModel.h"

#include "catalogue/Catalogue.h"

namespace windows {

CassetteListModel::CassetteListModel(catalogue::Catalogue& catalogue, QObject* parent)
    : ui::TableModel(staticMetaObject.className(),
                     {QT_TRANSLATE_NOOP("windows::CassetteListModel", "Tape"),
                      QT_TRANSLATE_NOOP("windows::CassetteListModel", "Length"),
                      QT_TRANSLATE_NOOP("windows::CassetteListModel", "No. of films"),
                      QT_TRANSLATE_NOOP("windows::CassetteListModel", "Remaining Time")},
                     parent),
      catalogue_(catalogue), listed_(catalogue, this)
{
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, [this] {
        beginResetModel();
        listed_.rebuild();
        endResetModel();
    });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this,
            [this](const catalogue::Cassette* cassette) { listed_.add(cassette); });
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, &CassetteListModel::changeCassette);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            [this](const catalogue::Cassette* cassette) { listed_.remove(cassette); });
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, &CassetteListModel::catchUp);
}

int CassetteListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : listed_.rowCount();
}

QVariant CassetteListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    const catalogue::Cassette& cassette = *listed_.cassetteAt(index.row());
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

void CassetteListModel::rowAboutToBeInserted(int row)
{
    beginInsertRows(QModelIndex(), row, row);
}

void CassetteListModel::rowInserted()
{
    endInsertRows();
}

void CassetteListModel::rowAboutToBeRemoved(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
}

void CassetteListModel::rowRemoved()
{
    endRemoveRows();
}

void CassetteListModel::changeCassette(const catalogue::Cassette* cassette)
{
    // A renamed cassette is found by its new name, and may gain or lose a row by it.
    listed_.change(cassette);
    const int row = rowOf(cassette);
    if (row >= 0)
        Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::DisplayRole});
}

void CassetteListModel::catchUp()
{
    listed_.catchUp();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
}

} // namespace windows
