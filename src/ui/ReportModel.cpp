#include "ui/ReportModel.h"

namespace ui {

ReportModel::ReportModel(QObject* parent) : TableModel(nullptr, {}, parent)
{
    setCaptions({});
}

ReportModel::ReportModel(const char* context, const QList<const char*>& captions, QObject* parent)
    : TableModel(context, captions, parent)
{}

int ReportModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ReportModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) {
        return {};
    }
    return rows_.at(index.row()).value(index.column());
}

void ReportModel::setCaptions(const QStringList& captions)
{
    setCaptionTexts(captions.isEmpty() ? QStringList{QString()} : captions);
}

void ReportModel::setCaption(int column, const QString& caption)
{
    setCaptionText(column, caption);
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
