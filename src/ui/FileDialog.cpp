#include "ui/FileDialog.h"

#include <QFileDialog>

#include <utility>

namespace ui {
namespace {

FileDialogHandler& installedHandler()
{
    static FileDialogHandler handler;
    return handler;
}

} // namespace

QString openFileName(QWidget* owner, const QString& caption, const QString& filter)
{
    if (const FileDialogHandler& handler = installedHandler())
        return handler({FileDialogCall::Open, owner, caption, filter, {}});
    return QFileDialog::getOpenFileName(owner, caption, QString(), filter);
}

QString saveFileName(QWidget* owner, const QString& caption, const QString& filter, const QString& suggested)
{
    if (const FileDialogHandler& handler = installedHandler())
        return handler({FileDialogCall::Save, owner, caption, filter, suggested});
    return QFileDialog::getSaveFileName(owner, caption, suggested, filter);
}

void setFileDialogHandler(FileDialogHandler handler)
{
    installedHandler() = std::move(handler);
}

} // namespace ui
