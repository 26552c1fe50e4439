#include "ui/ReportDelegate.h"

#include <QApplication>
#include <QStyle>

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

} // namespace ui
