#include "windows/models/CaptionedTableModel.h"

namespace windows {

CaptionedTableModel::CaptionedTableModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns), captions_(columns)
{}

int CaptionedTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant CaptionedTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return captions_.value(section);
}

Qt::ItemFlags CaptionedTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

void CaptionedTableModel::setColumnCaptions(const QStringList& captions)
{
    captions_ = captions;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

} // namespace windows
