#include "ui/ReportList.h"

#include "ui/ReportDelegate.h"
#include "ui/ReportModel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>

namespace ui {

ReportList::ReportList(QWidget* parent)
    : QTreeView(parent), model_(new ReportModel(this)), delegate_(new ReportDelegate(this))
{
    setModel(model_);
    setItemDelegate(delegate_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // One height for all rows, taken from the font rather than from the first row's text.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);

    // The selected row stays marked while another control has the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

ReportList::~ReportList() = default;

void ReportList::setColumns(const QStringList& captions, const QList<int>& widths)
{
    model_->setCaptions(captions);
    for (qsizetype column = 0; column < widths.size() && column < captions.size(); ++column) {
        setColumnWidth(static_cast<int>(column), widths.at(column));
    }
}

void ReportList::setColumnCaption(int column, const QString& caption)
{
    model_->setCaption(column, caption);
}

QString ReportList::columnCaption(int column) const
{
    return model_->caption(column);
}

int ReportList::addRow(const QString& caption, const QVariantList& subItems)
{
    return model_->appendRow(QVariantList{caption} + subItems);
}

void ReportList::addRows(const QList<QVariantList>& rows, const QVariantList& tags)
{
    model_->appendRows(rows, tags);
}

QVariant ReportList::rowTag(int row) const
{
    return model_->tag(row);
}

int ReportList::findRowTag(const QVariant& tag, int from) const
{
    return model_->findTag(tag, from);
}

int ReportList::rowCount() const
{
    return model_->rowCount();
}

QString ReportList::caption(int row) const
{
    return model_->value(row, 0).toString();
}

void ReportList::setCaption(int row, const QString& caption)
{
    model_->setValue(row, 0, caption);
}

QString ReportList::subItem(int row, int index) const
{
    if (index < 0) {
        return {};
    }
    // Derived as the view derives it, whichever delegate draws the cell.
    const QVariant cell = model_->value(row, index + 1);
    if (const auto* drawer =
            qobject_cast<const QStyledItemDelegate*>(itemDelegateForIndex(model_->index(row, index + 1)))) {
        return drawer->displayText(cell, locale());
    }
    return cell.toString();
}

void ReportList::setSubItem(int row, int index, const QVariant& value)
{
    if (index >= 0) {
        model_->setValue(row, index + 1, value);
    }
}

QVariant ReportList::value(int row, int column) const
{
    return model_->value(row, column);
}

QString ReportList::shownText(int row, int column) const
{
    const QModelIndex index = model_->index(row, column);
    if (!index.isValid()) {
        return {};
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return delegate_->shownText(option, index);
}

void ReportList::deleteRow(int row)
{
    // Left to itself the view would move the current row to a neighbour and select it; a deleted
    // selection leaves nothing selected instead.
    if (currentIndex().isValid() && currentIndex().row() == row) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    model_->deleteRow(row);
}

void ReportList::clearRows()
{
    model_->clear();
}

int ReportList::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void ReportList::setSelectedRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex at = model_->index(row, 0);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(at);
}

int ReportList::findCaption(const QString& text) const
{
    return model_->find(text);
}

void ReportList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    // Below the last row too: the window then reports that nothing is selected.
    if (event->button() == Qt::LeftButton) {
        Q_EMIT rowDoubleClicked();
    }
}

} // namespace ui
