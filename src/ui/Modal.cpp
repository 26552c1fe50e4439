#include "ui/Modal.h"

#include <QDialog>

#include <utility>

namespace ui {
namespace {

ModalHandler& modalHandler()
{
    static ModalHandler handler;
    return handler;
}

} // namespace

int execModal(QDialog* dialog)
{
    if (const ModalHandler& handler = modalHandler())
        return handler(dialog);
    return dialog->exec();
}

void setModalHandler(ModalHandler handler)
{
    modalHandler() = std::move(handler);
}

} // namespace ui
