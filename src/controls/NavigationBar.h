#pragma once

#include <QWidget>

#include <initializer_list>

class QKeyEvent;
class QPushButton;

namespace controls {

// The four arrow buttons that step through a sequence (the films of a cassette, the pages of a
// preview), touching one another: to the first, the previous, the next and the last item. Between the
// backward and the forward pair the owner may put widgets of its own (a page number). The buttons are
// named first<Item>Button, previous<Item>Button and so on, for tests and style sheets.
class NavigationBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NavigationBar)

public:
    enum class Step
    {
        First,
        Previous,
        Next,
        Last
    };

    // item: what the buttons step through, as it stands in their names ("" or "Page").
    explicit NavigationBar(const QString& item, QWidget* parent = nullptr);
    ~NavigationBar() override;

    QPushButton* button(Step step) const;
    // First to last, the order Tab takes.
    QList<QWidget*> tabChain() const;
    // Widgets between Previous and Next, spaced as a layout spaces them.
    void insertBetween(std::initializer_list<QWidget*> widgets);

    // At index (from 0) of count items: backward on where an item lies before, forward where one lies
    // after. An index of -1 and a count of 0 turn every button off.
    void setPlace(int index, int count);

    // Page Up and Page Down press Previous and Next, Ctrl+Home and Ctrl+End First and Last, and do
    // nothing where those are off. True when the key was one of them.
    bool stepByKey(const QKeyEvent& key);

Q_SIGNALS:
    void stepRequested(controls::NavigationBar::Step step);

private:
    QPushButton* buttons_[4];
};

} // namespace controls
