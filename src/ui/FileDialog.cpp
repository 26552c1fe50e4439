#include "ui/FileDialog.h"

#include "ui/Modal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace ui {
namespace {

QString chosenFile(QFileDialog& dialog)
{
    dialog.setObjectName(QStringLiteral("fileDialog"));
    if (execModal(&dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString openFileName(QWidget* owner, const QString& caption, const QString& filter)
{
    QFileDialog dialog(owner, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString saveFileName(QWidget* owner, const QString& caption, const QString& filter, const QString& suggested,
                     const QString& defaultSuffix)
{
    QFileDialog dialog(owner, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // A suggested folder that does not exist (no Documents folder, say) gives way to the home folder.
    const QFileInfo file(suggested);
    dialog.setDirectory(file.dir().exists() ? file.dir() : QDir::home());
    dialog.selectFile(file.fileName());
    return chosenFile(dialog);
}

} // namespace ui
