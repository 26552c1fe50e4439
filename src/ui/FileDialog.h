#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace ui {

// The file dialogs of the program: the name of a file to open or to save, chosen by the user; empty
// when the dialog was cancelled. filter is a Qt name filter such as "CSV files (*.csv)".
QString openFileName(QWidget* owner, const QString& caption, const QString& filter);
// suggested: the file name (or path) the dialog starts with.
QString saveFileName(QWidget* owner, const QString& caption, const QString& filter, const QString& suggested);

// Test seam: while a handler is installed, the file dialogs hand every call to it instead of opening
// a dialog, and return its answer.
struct FileDialogCall
{
    enum Kind
    {
        Open,
        Save
    } kind = Open;
    QPointer<QWidget> owner;
    QString caption;
    QString filter;
    QString suggested;
};
using FileDialogHandler = std::function<QString(const FileDialogCall&)>;
void setFileDialogHandler(FileDialogHandler handler);

} // namespace ui
