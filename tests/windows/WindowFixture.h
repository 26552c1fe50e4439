#pragma once

#include "catalogue/Archive.h"
#include "catalogue/Catalogue.h"
#include "support/Records.h"
#include "ui/ReportList.h"
#include "windows/editcas.h"
#include "windows/mainform.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

// A main window with its cassette dialog over an archive of the given records, in a folder of its own.
struct WindowFixture
{
    explicit WindowFixture(const std::vector<catalogue::FilmRecord>& records = {})
    {
        if (!records.empty())
            testsupport::writeArchive(archivePath(), records);
        mainwin = std::make_unique<windows::Tmainwin>(catalogue, dir.path() + u'/');
        casprop = new windows::Tcasprop(mainwin->cassettes, mainwin.get());
        mainwin->setCassetteDialog(casprop);
    }

    QString archivePath() const { return catalogue::archivePath(dir.path() + u'/'); }

    // Row texts: caption, length, count, remaining.
    QStringList row(int index) const
    {
        const ui::ReportList* list = mainwin->cassettes;
        return {list->caption(index), list->subItem(index, 0), list->subItem(index, 1),
                list->subItem(index, 2)};
    }

    QTemporaryDir dir;
    catalogue::Catalogue catalogue;
    std::unique_ptr<windows::Tmainwin> mainwin;
    windows::Tcasprop* casprop = nullptr;
};
