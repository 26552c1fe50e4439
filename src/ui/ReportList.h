#pragma once

#include <QStringList>
#include <QTreeView>

namespace ui {

class ReportModel;

// A report-style list: rows of a caption and sub-item texts, single selection, no sorting,
// selection kept visible without focus. Built on a model so that ten thousand rows stay quick.
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

    int addRow(const QString& caption, const QStringList& subItems);
    // Adds many rows at once; far cheaper than one addRow per row.
    void addRows(const QList<QStringList>& rows);
    int rowCount() const;
    QString caption(int row) const;
    void setCaption(int row, const QString& caption);
    QString subItem(int row, int index) const; // index 0 is the second column
    void setSubItem(int row, int index, const QString& text);
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
};

} // namespace ui
