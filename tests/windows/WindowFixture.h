#pragma once

#include "catalogue/Catalogue.h"
#include "controls/NumEdit.h"
#include "storage/Archive.h"
#include "support/Records.h"
#include "support/Widgets.h"
#include "ui/ReportList.h"
#include "windows/core/CassetteDialog.h"
#include "windows/core/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include <memory>
#include <vector>

// A main window with its cassette dialog over an archive of the given records, in a folder of its own.
struct WindowFixture
{
    explicit WindowFixture(const std::vector<catalogue::FilmRecord>& records = {})
    {
        if (!records.empty()) {
            testsupport::writeArchive(archivePath(), records);
            catalogue::loadArchive(catalogue, archivePath());
        }
        mainWindow = std::make_unique<windows::MainWindow>(catalogue, undoStack);
        cassetteDialog = new windows::CassetteDialog(mainWindow.get());
        mainWindow->setCassetteDialog(cassetteDialog);
    }

    QString archivePath() const { return catalogue::archivePath(dir.path() + u'/'); }

    ui::ReportList* list() const { return mainWindow->cassetteList(); }
    QPushButton* button(const QString& name) const
    {
        return testsupport::widget<QPushButton>(mainWindow.get(), name);
    }
    QLabel* label(const QString& name) const { return testsupport::widget<QLabel>(mainWindow.get(), name); }

    // Row texts: caption, length, count, remaining.
    QStringList row(int index) const
    {
        const ui::ReportList* list = mainWindow->cassetteList();
        return {list->caption(index), list->value(index, 1).toString(), list->value(index, 2).toString(),
                list->value(index, 3).toString()};
    }

    QTemporaryDir dir;
    catalogue::Catalogue catalogue;
    QUndoStack undoStack;
    std::unique_ptr<windows::MainWindow> mainWindow;
    windows::CassetteDialog* cassetteDialog = nullptr;
};

// The cassette dialog's fields, by object name.
inline QLineEdit* nameEdit(const windows::CassetteDialog* dialog)
{
    return testsupport::widget<QLineEdit>(dialog, QStringLiteral("nameEdit"));
}

inline controls::NumEdit* lengthEdit(const windows::CassetteDialog* dialog)
{
    return testsupport::widget<controls::NumEdit>(dialog, QStringLiteral("lengthEdit"));
}
