#include "windows/undo/UndoActions.h"

#include "ui/ErrorGuard.h"
#include "windows/undo/CatalogueCommands.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace windows {

namespace {

// The description of the step at index; empty when there is none, or it is of another kind.
QString describe(const QUndoStack& stack, int index)
{
    const auto* command = dynamic_cast<const CatalogueCommand*>(stack.command(index));
    return command ? command->description() : QString();
}

} // namespace

UndoActions::UndoActions(QUndoStack& stack, QWidget* window)
    : QObject(window), window_(window), stack_(stack), undo_(new QAction(window)), redo_(new QAction(window))
{
    undo_->setObjectName(u"undoAction"_s);
    redo_->setObjectName(u"redoAction"_s);
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // An exception ends only the one step and is reported.
    connect(undo_, &QAction::triggered, this, [this] { ui::guarded(window_, [this] { undo(); }); });
    connect(redo_, &QAction::triggered, this, [this] { ui::guarded(window_, [this] { redo(); }); });
    connect(&stack_, &QUndoStack::indexChanged, this, &UndoActions::retranslate);
    retranslate();
}

void UndoActions::setAvailable(bool available)
{
    available_ = available;
    retranslate();
}

void UndoActions::undo()
{
    if (!undo_->isEnabled())
        return;
    Q_EMIT aboutToStep();
    stack_.undo();
    Q_EMIT stepped();
}

void UndoActions::redo()
{
    if (!redo_->isEnabled())
        return;
    Q_EMIT aboutToStep();
    stack_.redo();
    Q_EMIT stepped();
}

void UndoActions::retranslate()
{
    const int index = stack_.index();
    const QString undone = index > 0 ? describe(stack_, index - 1) : QString();
    const QString redone = index < stack_.count() ? describe(stack_, index) : QString();
    undo_->setText(undone.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undone));
    redo_->setText(redone.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redone));
    undo_->setEnabled(available_ && stack_.canUndo());
    redo_->setEnabled(available_ && stack_.canRedo());
}

} // namespace windows
