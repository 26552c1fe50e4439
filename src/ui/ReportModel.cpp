#include "ui/ReportModel.h"

namespace ui {

ReportModel::ReportModel(QObject* parent) : QAbstractTableModel(parent) {}

int ReportModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportModel::columnCount(const QModelIndex& parent) const
{
    // The caption column exists even before any column title is set.
    return parent.isValid() ? 0 : static_cast<int>(qMax<qsizetype>(captions_.size(), 1));
}

QVariant ReportModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) {
        return {};
    }
    return rows_.at(index.row()).value(index.column());
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return captions_.value(section);
}

Qt::ItemFlags ReportModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ReportModel::setCaptions(const QStringList& captions)
{
    const bool sameCount = qMax<qsizetype>(captions.size(), 1) == columnCount();
    if (!sameCount) {
        beginResetModel();
    }
    captions_ = captions;
    if (sameCount) {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    } else {
        endResetModel();
    }
}

void ReportModel::setCaption(int column, const QString& caption)
{
    if (column < 0 || column >= captions_.size()) {
        return;
    }
    captions_[column] = caption;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

QString ReportModel::caption(int column) const
{
    return captions_.value(column);
}

void ReportModel::appendRows(const QList<QVariantList>& rows)
{
    if (rows.isEmpty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    rows_.append(rows);
    endInsertRows();
}

QVariant ReportModel::value(int row, int column) const
{
    return row >= 0 && row < rows_.size() ? rows_.at(row).value(column) : QVariant();
}

void ReportModel::setValue(int row, int column, const QVariant& value)
{
    if (row < 0 || row >= rows_.size() || column < 0) {
        return;
    }
    QVariantList& cells = rows_[row];
    // Setting a sub-item beyond the last one adds the missing ones empty.
    while (cells.size() <= column) {
        cells.append(QString());
    }
    cells[column] = value;
    const QModelIndex changed = index(row, qMin(column, columnCount() - 1));
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

void ReportModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

} // namespace ui
