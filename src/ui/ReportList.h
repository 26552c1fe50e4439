#pragma once

#include <QStringList>
#include <QTreeView>
#include <QVariant>

namespace ui {

class ReportDelegate;
class ReportModel;

// A report-style list: rows of a caption and sub-items, single selection, no sorting, selection kept
// visible without focus. A sub-item keeps its value, text or number, and shows it as text; a text
// too wide for its column is cut with "…" and shown whole as a tooltip. Built on a model so that ten
// thousand rows stay quick.
class ReportList final : public QTreeView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportList)

public:
    explicit ReportList(QWidget* parent = nullptr);
    ~ReportList() override;

    void setColumns(const QStringList& captions, const QList<int>& widths);
    void setColumnCaption(int column, const QString& caption);
    QString columnCaption(int column) const;

    int addRow(const QString& caption, const QVariantList& subItems);
    // Adds many rows at once, each its caption and sub-items; far cheaper than one addRow per row.
    // tags, when given, holds one hidden value per row: what the row stands for, to find it by later.
    void addRows(const QList<QVariantList>& rows, const QVariantList& tags = {});
    QVariant rowTag(int row) const;
    // The first row from `from` on carrying tag; -1 when none.
    int findRowTag(const QVariant& tag, int from = 0) const;
    int rowCount() const;
    QString caption(int row) const;
    void setCaption(int row, const QString& caption);
    QString subItem(int row, int index) const; // the shown text; index 0 is the second column
    void setSubItem(int row, int index, const QVariant& value);
    // A cell's value as it was set; column 0 is the caption.
    QVariant value(int row, int column) const;
    // A cell's text as it fits its column now: whole, or cut with "…".
    QString shownText(int row, int column) const;
    void deleteRow(int row);
    void clearRows();

    int selectedRow() const; // -1 when none
    void setSelectedRow(int row);

    // The first row whose whole caption equals text, letter case ignored; -1 when none.
    int findCaption(const QString& text) const;

Q_SIGNALS:
    // A double click anywhere in the rows' area, also below the last row.
    void rowDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ReportModel* model_;
    ReportDelegate* delegate_;
};

} // namespace ui
