#include "ui/TableModel.h"

#include <QCoreApplication>

namespace ui {

TableModel::TableModel(const char* context, const QList<const char*>& captions, QObject* parent)
    : QAbstractItemModel(parent), context_(context)
{
    captions_.reserve(captions.size());
    for (const char* source : captions)
        captions_.append(Caption{source, QCoreApplication::translate(context, source)});
}

TableModel::~TableModel() = default;

QModelIndex TableModel::index(int row, int column, const QModelIndex& parent) const
{
    return hasIndex(row, column, parent) ? createIndex(row, column) : QModelIndex();
}

QModelIndex TableModel::parent(const QModelIndex&) const
{
    return {};
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(captions_.size());
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= captions_.size())
        return {};
    return caption(section);
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

QString TableModel::caption(int column) const
{
    if (column < 0 || column >= captions_.size())
        return {};
    return captions_[column].text;
}

void TableModel::retranslate()
{
    for (Caption& c : captions_) {
        if (c.source)
            c.text = QCoreApplication::translate(context_, c.source);
    }
    if (!captions_.isEmpty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(captions_.size()) - 1);
}

void TableModel::setCaptionTexts(const QStringList& texts)
{
    const bool sameCount = texts.size() == captions_.size();
    if (!sameCount)
        beginResetModel();
    captions_.clear();
    for (const QString& text : texts)
        captions_.append(Caption{nullptr, text});
    if (sameCount)
        retranslate();
    else
        endResetModel();
}

void TableModel::setCaptionText(int column, const QString& text)
{
    if (column < 0 || column >= captions_.size())
        return;
    captions_[column] = Caption{nullptr, text};
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

} // namespace ui
