#include "ui/ReportDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

const QStyle* styleOf(const QStyleOptionViewItem& option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

// The style makes a row as high as a line of text, yet the dots of Ä, Ö and Ü reach above the font's
// ascent at small sizes and would be drawn outside the row: on a selected row, white on white.
int rowHeight(const QStyleOptionViewItem& option)
{
    const QFontMetrics& metrics = option.fontMetrics;
    const QRect ink = metrics.tightBoundingRect(u"ÄÖÜÅÉgjpqy"_s);
    const int above = qMax(0, -ink.top() - metrics.ascent());
    const int below = qMax(0, ink.bottom() + 1 - metrics.descent());
    // The text is centred in its row, so the larger overhang is needed on both sides.
    const int overhang = qMax(above, below);
    const int padding = styleOf(option)->pixelMetric(QStyle::PM_FocusFrameVMargin, &option, option.widget);
    return metrics.ascent() + metrics.descent() + 2 * (overhang + padding);
}

// The text of an initialised option as it fits the room the style leaves for it.
QString elided(const QStyleOptionViewItem& option)
{
    const QStyle* style = styleOf(option);
    // The style keeps this margin on either side of a cell's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget);
    // Cut in the middle: names of a household's tapes and films often differ only at their ends
    // ("Olympia 1992, Teil 1", "… Teil 2").
    return option.fontMetrics.elidedText(option.text, Qt::ElideMiddle, textRect.width() - 2 * margin);
}

} // namespace

ReportDelegate::ReportDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QString ReportDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    // The locale would group thousands ("1,500"); the rows show digits alone, as the rest of the program.
    if (value.typeId() == QMetaType::Int)
        return QString::number(value.toInt());
    return QStyledItemDelegate::displayText(value, locale);
}

QSize ReportDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), rowHeight(option)));
    return size;
}

void ReportDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text = elided(cell);
    // Cut here once, so that the tooltip's decision and the drawing agree.
    cell.textElideMode = Qt::ElideNone;
    styleOf(cell)->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
}

QString ReportDelegate::shownText(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    return elided(cell);
}

bool ReportDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    if (event && event->type() == QEvent::ToolTip && index.isValid()) {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        if (elided(cell) != cell.text) {
            // Escaped, as a name may hold what looks like markup; on one line, as the list shows it.
            QToolTip::showText(event->globalPos(),
                               u"<p style='white-space:pre'>"_s + cell.text.toHtmlEscaped() + u"</p>"_s,
                               view->viewport(), option.rect);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

} // namespace ui
