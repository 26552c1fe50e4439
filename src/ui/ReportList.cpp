#include "ui/ReportList.h"

#include "ui/ReportDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QStyledItemDelegate>

namespace ui {
namespace {

// Many styles fill the focus frame of a row with a tint of the selection colour, which reads as a
// selection. The rows of a report list get a plain dotted frame over a selected row instead, and none
// over a row that is not selected: nothing may look chosen that is not. Set on report lists only, so
// every focus frame it draws is a row's.
class FocusFrameStyle final : public QProxyStyle
{
public:
    // The application's style underneath, whichever it is.
    FocusFrameStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if (!(option->state & State_Selected))
            return;
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::HighlightedText), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
    }
};

} // namespace

ReportList::ReportList(QWidget* parent) : QTreeView(parent), delegate_(new ReportDelegate(this))
{
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

    auto* const focusStyle = new FocusFrameStyle;
    focusStyle->setParent(this);
    setStyle(focusStyle);
}

ReportList::~ReportList() = default;

void ReportList::setColumnWidths(const QList<int>& widths)
{
    for (qsizetype column = 0; column < widths.size(); ++column) {
        setColumnWidth(static_cast<int>(column), widths.at(column));
    }
}

QString ReportList::columnCaption(int column) const
{
    return model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
}

int ReportList::rowCount() const
{
    return model() ? model()->rowCount() : 0;
}

QVariant ReportList::value(int row, int column) const
{
    return model() ? model()->index(row, column).data() : QVariant();
}

QString ReportList::shownText(int row, int column) const
{
    const QModelIndex index = model() ? model()->index(row, column) : QModelIndex();
    if (!index.isValid()) {
        return {};
    }
    QAbstractItemDelegate* const drawer = itemDelegateForIndex(index);
    if (auto* const report = qobject_cast<ReportDelegate*>(drawer)) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = visualRect(index);
        return report->shownText(option, index);
    }
    // Whichever delegate draws the cell, its text is derived as the view derives it.
    if (auto* const styled = qobject_cast<QStyledItemDelegate*>(drawer))
        return styled->displayText(index.data(), locale());
    return index.data().toString();
}

void ReportList::focusInEvent(QFocusEvent* event)
{
    QTreeView::focusInEvent(event);
    // Taking the focus with nothing selected, the view makes its first row current: a row that looks
    // chosen while the window's commands say none is, and that the first Down would pass over. With
    // no current row, Down selects the first.
    if (!selectionModel()->hasSelection() && currentIndex().isValid())
        selectionModel()->clearCurrentIndex();
}

void ReportList::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    // Left to itself the view would move the current row to a neighbour; a removed selection leaves
    // nothing selected instead.
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() >= start && current.row() <= end) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    }
    QTreeView::rowsAboutToBeRemoved(parent, start, end);
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
    const QModelIndex at = model()->index(row, 0);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(at);
}

void ReportList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    // Below the last row too: the window then reports that nothing is selected.
    if (event->button() == Qt::LeftButton) {
        Q_EMIT rowDoubleClicked();
    }
}

int fitColumnsToCaptions(QTreeView* view, const QList<int>& designedWidths)
{
    QHeaderView* const header = view->header();
    const QFontMetrics metrics(header->font());
    const int padding = 2 * metrics.averageCharWidth() + 8;
    int total = 2 * view->frameWidth();
    for (qsizetype column = 0; column < designedWidths.size(); ++column) {
        const QString caption =
            view->model() ? view->model()->headerData(int(column), Qt::Horizontal).toString() : QString();
        const int width = qMax(designedWidths.at(column), metrics.horizontalAdvance(caption) + padding);
        header->resizeSection(int(column), width);
        total += width;
    }
    return total;
}

} // namespace ui
