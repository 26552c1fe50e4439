#pragma once

#include <QObject>

class QAction;
class QUndoStack;
class QWidget;

namespace windows {

// A window's Undo and Redo: two actions named after what they would take back or make again
// ("Undo delete cassette "Films 2""), off when there is nothing; Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y,
// wherever the focus is in the window.
class UndoActions final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UndoActions)

public:
    // The actions belong to window; it shows them where it wants, and they work once added to it or
    // to a widget in it.
    UndoActions(QUndoStack& stack, QWidget* window);

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

    // Off while the window's own fields take the keys: a film being edited undoes its typing.
    void setAvailable(bool available);
    // Sets the texts in the current language.
    void retranslate();

    void undo();
    void redo();

Q_SIGNALS:
    // Around a step taken through the actions, for a window that shows where it happened.
    void aboutToStep();
    void stepped();

private:
    QWidget* window_;
    QUndoStack& stack_;
    QAction* undo_;
    QAction* redo_;
    bool available_ = true;
};

} // namespace windows
