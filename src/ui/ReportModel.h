#pragma once

#include "ui/TableModel.h"

#include <QStringList>
#include <QVariant>

namespace ui {

// Rows given as they are to show, each its caption followed by its other cells, for a ReportList that
// shows a fixed table (what an import would do, say). A cell keeps the value it was given, a text or a
// number; the view derives what it shows from it. The captions are source texts of the translations, or
// texts given as they are to show.
class ReportModel final : public TableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportModel)

public:
    // One column, its caption empty, until setCaptions().
    explicit ReportModel(QObject* parent = nullptr);
    // captions: source texts marked with QT_TRANSLATE_NOOP in context.
    ReportModel(const char* context, const QList<const char*>& captions, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Captions as they are to show; the caption column exists even with none.
    void setCaptions(const QStringList& captions);
    void setCaption(int column, const QString& caption);

    void appendRows(const QList<QVariantList>& rows);
    QVariant value(int row, int column) const;
    void setValue(int row, int column, const QVariant& value);
    void clear();

private:
    QList<QVariantList> rows_;
};

} // namespace ui
