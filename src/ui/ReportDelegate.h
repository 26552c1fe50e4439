#pragma once

#include <QStyledItemDelegate>

namespace ui {

// Draws the cells of a ReportList: numbers as plain digits in either language, rows high enough for
// the font's accented capitals and descenders.
class ReportDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportDelegate)

public:
    explicit ReportDelegate(QObject* parent = nullptr);

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace ui
