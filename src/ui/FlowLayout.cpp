#include "ui/FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace ui {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item)
{
    items_.append(item);
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::sizeHint() const
{
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        size.rwidth() += hint.width() + (size.width() > 0 ? spacing() : 0);
        size.rheight() = std::max(size.height(), hint.height());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, spacing());
    int top = area.top();
    QList<QLayoutItem*> row;
    int rowWidth = 0;
    int rowHeight = 0;
    // Places the items of the finished row: those aligned right at its right end, the others from the left.
    const auto finishRow = [&] {
        if (apply) {
            int left = area.left();
            int right = area.right() + 1;
            for (auto it = row.crbegin(); it != row.crend(); ++it) {
                if (!((*it)->alignment() & Qt::AlignRight))
                    break;
                right -= (*it)->sizeHint().width();
                (*it)->setGeometry(QRect(QPoint(right, top), QSize((*it)->sizeHint().width(), rowHeight)));
                right -= gap;
            }
            for (QLayoutItem* item : row) {
                if (item->alignment() & Qt::AlignRight)
                    break;
                item->setGeometry(QRect(QPoint(left, top), QSize(item->sizeHint().width(), rowHeight)));
                left += item->sizeHint().width() + gap;
            }
        }
        top += rowHeight + gap;
        row.clear();
        rowWidth = 0;
        rowHeight = 0;
    };
    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (!row.isEmpty() && rowWidth + gap + hint.width() > area.width())
            finishRow();
        rowWidth += (row.isEmpty() ? 0 : gap) + hint.width();
        rowHeight = std::max(rowHeight, hint.height());
        row.append(item);
    }
    if (!row.isEmpty())
        finishRow();
    const QMargins margins = contentsMargins();
    return std::max(0, top - gap - area.top()) + margins.top() + margins.bottom();
}

} // namespace ui
