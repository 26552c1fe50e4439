#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

namespace ui {

// Rows given as they are to show, each its caption followed by its other cells, for a ReportList that
// shows a fixed table (what an import would do, say). A cell keeps the value it was given, a text or a
// number; the view derives what it shows from it.
class ReportModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportModel)

public:
    explicit ReportModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setCaptions(const QStringList& captions);
    void setCaption(int column, const QString& caption);
    QString caption(int column) const;

    void appendRows(const QList<QVariantList>& rows);
    QVariant value(int row, int column) const;
    void setValue(int row, int column, const QVariant& value);
    void clear();

private:
    QStringList captions_;
    QList<QVariantList> rows_;
};

} // namespace ui
