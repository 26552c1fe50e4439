#pragma once

#include <QTreeView>
#include <QVariant>

namespace ui {

class ReportDelegate;

// A report-style view over a table model: rows of a caption and columns, single selection, no
// sorting, selection kept visible without focus. Only a selected row shows the keyboard focus, so that
// nothing looks selected that is not. The delegate shows numbers
// as plain digits and cuts a text too wide for its column with "…", showing it whole as a tooltip. The model
// owns the rows; the window asks the model, never the cells, what a row stands for.
class ReportList final : public QTreeView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportList)

public:
    explicit ReportList(QWidget* parent = nullptr);
    ~ReportList() override;

    // The designed widths of the columns, from the first on.
    void setColumnWidths(const QList<int>& widths);
    QString columnCaption(int column) const;

    int rowCount() const;
    // A cell's value as the model gives it; column 0 is the caption.
    QVariant value(int row, int column) const;
    QString caption(int row) const { return value(row, 0).toString(); }
    // A cell's text as it fits its column now: whole, or cut with "…".
    QString shownText(int row, int column) const;

    int selectedRow() const; // -1 when none
    // Selects row and scrolls it into view; a row out of range leaves nothing selected.
    void setSelectedRow(int row);

Q_SIGNALS:
    // A double click anywhere in the rows' area, also below the last row.
    void rowDoubleClicked();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    ReportDelegate* delegate_;
};

// Gives each column of view its designed width, or more where its caption needs more; returns the
// width of the rows and the frame around them.
int fitColumnsToCaptions(QTreeView* view, const QList<int>& designedWidths);

} // namespace ui
