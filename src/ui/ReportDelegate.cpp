#include "ui/ReportDelegate.h"

namespace ui {

ReportDelegate::ReportDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QString ReportDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    // The locale would group thousands ("1,500"); the rows show digits alone, as the rest of the program.
    if (value.typeId() == QMetaType::Int)
        return QString::number(value.toInt());
    return QStyledItemDelegate::displayText(value, locale);
}

} // namespace ui
