#include "controls/NavigationBar.h"

#include "ui/Forms.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace controls {

NavigationBar::NavigationBar(const QString& item, QWidget* parent) : QWidget(parent)
{
    const std::pair<QString, QString> kinds[] = {
        {u"first"_s, u"|<"_s}, {u"previous"_s, u"<"_s}, {u"next"_s, u">"_s}, {u"last"_s, u">|"_s}};
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        auto* b = ui::named(new QPushButton(this), kinds[i].first + item + u"Button"_s);
        b->setText(kinds[i].second);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(u">|"_s) + 16);
        row->addWidget(b);
        buttons_[i] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { Q_EMIT stepRequested(Step(i)); });
    }
}

NavigationBar::~NavigationBar() = default;

QPushButton* NavigationBar::button(Step step) const
{
    return buttons_[int(step)];
}

QList<QWidget*> NavigationBar::tabChain() const
{
    return {buttons_[0], buttons_[1], buttons_[2], buttons_[3]};
}

void NavigationBar::insertBetween(std::initializer_list<QWidget*> widgets)
{
    auto* row = static_cast<QHBoxLayout*>(layout());
    const int spacing = style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    int at = row->indexOf(button(Step::Next));
    for (QWidget* w : widgets) {
        row->insertSpacing(at++, spacing);
        row->insertWidget(at++, w);
    }
    row->insertSpacing(at, spacing);
}

void NavigationBar::setPlace(int index, int count)
{
    const bool back = index > 0;
    const bool forward = index + 1 < count;
    button(Step::First)->setEnabled(back);
    button(Step::Previous)->setEnabled(back);
    button(Step::Next)->setEnabled(forward);
    button(Step::Last)->setEnabled(forward);
}

bool NavigationBar::stepByKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    QPushButton* b = nullptr;
    if (modifiers == Qt::NoModifier && key.key() == Qt::Key_PageUp)
        b = button(Step::Previous);
    else if (modifiers == Qt::NoModifier && key.key() == Qt::Key_PageDown)
        b = button(Step::Next);
    else if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_Home)
        b = button(Step::First);
    else if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_End)
        b = button(Step::Last);
    if (!b)
        return false;
    if (b->isEnabled())
        b->click();
    return true;
}

} // namespace controls
