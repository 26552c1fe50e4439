#pragma once

#include <QString>

class QWidget;

namespace ui {

// The file dialogs of the program: the name of a file to open or to save, chosen by the user; empty
// when the dialog was cancelled. filter is a Qt name filter such as "CSV files (*.csv)". Both open
// through execModal(), so tests answer them like any other dialog (objectName "fileDialog").
QString openFileName(QWidget* owner, const QString& caption, const QString& filter);
// suggested: the path the dialog starts with, in the home folder when its own folder is missing;
// defaultSuffix is added to a name typed without one.
QString saveFileName(QWidget* owner, const QString& caption, const QString& filter, const QString& suggested,
                     const QString& defaultSuffix);

} // namespace ui
