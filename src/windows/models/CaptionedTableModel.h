#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace windows {

// A read-only table of rows to select, whose column titles the window sets in its language: the
// common part of the lists' models over the catalogue.
class CaptionedTableModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionedTableModel)

public:
    CaptionedTableModel(int columns, QObject* parent);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setColumnCaptions(const QStringList& captions);

private:
    int columns_;
    QStringList captions_;
};

} // namespace windows
