#pragma once

#include <QStyledItemDelegate>

namespace ui {

// Draws the cells of a ReportList: numbers as plain digits in either language, rows high enough for
// the font's accented capitals and descenders, and a text too wide for its column cut in the middle with "…", the
// whole text then shown as its tooltip.
class ReportDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportDelegate)

public:
    explicit ReportDelegate(QObject* parent = nullptr);

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The text the cell at index shows within option.rect: whole, or cut with "…".
    QString shownText(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};

} // namespace ui
