#pragma once

#include <functional>

class QDialog;

namespace ui {

// Shows dialog modally and returns its result. Every modal dialog of the program opens through
// here, so that tests can act inside it without a real modal loop.
int execModal(QDialog* dialog);

// Test seam: while a handler is installed, execModal() hands the dialog to it instead of running a
// modal loop, and returns its answer.
using ModalHandler = std::function<int(QDialog*)>;
void setModalHandler(ModalHandler handler);

} // namespace ui
