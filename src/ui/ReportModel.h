#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

namespace ui {

// The rows of a ReportList: each row is its caption followed by its sub-items. A cell keeps the value
// it was given, a text or a number; the view derives what it shows from it.
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

    int appendRow(const QVariantList& row);
    // tags, when given, holds one hidden value per row (see tag()).
    void appendRows(const QList<QVariantList>& rows, const QVariantList& tags = {});
    QVariant value(int row, int column) const;
    void setValue(int row, int column, const QVariant& value);
    void deleteRow(int row);
    void clear();

    // The hidden value a row was added with, never shown: what the row stands for.
    QVariant tag(int row) const;
    // The first row from `from` on whose tag equals tag; -1 when none.
    int findTag(const QVariant& tag, int from = 0) const;

    // The first row whose column 0 equals text, letter case ignored; -1 when none.
    int find(const QString& text) const;

private:
    QStringList captions_;
    QList<QVariantList> rows_;
    QVariantList tags_; // one per row, invalid where none was given
};

} // namespace ui
