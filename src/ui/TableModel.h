#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QString>

namespace ui {

// The common part of the program's lists: rows to select, read only, under column captions. A caption is
// a source text of the translations, translated in its context when the model is made and again at
// retranslate(), so that a list shows the language its window last took; a report may give its
// captions as they are to show instead.
// Rows are flat unless a derived model gives them children (index(), parent(), rowCount()).
class TableModel : public QAbstractItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableModel)

public:
    ~TableModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    using QObject::parent;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The caption of a column in the language of the last retranslate().
    QString caption(int column) const;
    // Translates the captions anew and tells the views: the language changed.
    void retranslate();

protected:
    // captions: one per column, source texts marked with QT_TRANSLATE_NOOP in context.
    TableModel(const char* context, const QList<const char*>& captions, QObject* parent);

    // Captions given as they are to show; their number is the number of columns.
    void setCaptionTexts(const QStringList& texts);
    void setCaptionText(int column, const QString& text);

private:
    struct Caption
    {
        const char* source = nullptr; // null: text is shown as it is
        QString text;                 // as shown
    };

    const char* context_;
    QList<Caption> captions_;
};

} // namespace ui
