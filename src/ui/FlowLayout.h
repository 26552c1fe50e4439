#pragma once

#include <QLayout>
#include <QList>

namespace ui {

// Lays its items out in a row, left to right, and goes on in a new row where the width runs out: a
// bar of controls that stays whole on a narrow screen or at a large scale. An item aligned right
// (addWidget(), then setAlignment()) goes to the right end of its row.
class FlowLayout final : public QLayout
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlowLayout)

public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // Every item in one row.
    QSize sizeHint() const override;
    // The widest item alone.
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in rect when apply is set; the height they take either way.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
};

} // namespace ui
