#pragma once

#include "catalogue/Progress.h"
#include "exchange/SheetData.h"
#include "exchange/SheetLayout.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

namespace exchange {

enum class SheetKind
{
    CassetteSheet, // one cassette, to go into its box
    CatalogueList, // every cassette
};

// The paper of the sheets unless the user chooses another: A4 portrait with room for a binder.
QPageLayout defaultSheetPageLayout();

// The printed sheets laid out on the pages of one page layout, in the language of the installed
// translation: every text broken into its lines, every part of every cassette placed on its page.
// Everything is measured at one resolution, whatever the device, so that a printer, a PDF file and a
// preview on the screen get the same pages with the same breaks; and painting one page costs that
// page only, so that a preview can paint the pages as they come into view.
class SheetDocument final
{
public:
    // Units of the page: the resolution the sheets are laid out in, finer than any printer's dots.
    static constexpr int kUnitsPerInch = 1200;

    // Lays out cassettes on pages of pageLayout. An empty list gives one page that says so. Null when
    // progress was told to stop.
    static std::unique_ptr<SheetDocument> layOut(std::vector<SheetCassette> cassettes, SheetKind kind,
                                                 const QPageLayout& pageLayout,
                                                 const catalogue::Progress& progress = {});
    ~SheetDocument();
    SheetDocument(const SheetDocument&) = delete;
    SheetDocument& operator=(const SheetDocument&) = delete;

    // What the sheets show, as they were handed in: for laying them out on other paper.
    const std::vector<SheetCassette>& cassettes() const;
    SheetKind kind() const;
    // The document's title: the cassette's name for one cassette's sheet, else "Catalogue list".
    QString title() const;
    const QPageLayout& pageLayout() const;
    // What each page holds, and so where the breaks fall.
    const std::vector<SheetPage>& pages() const;
    int pageCount() const { return int(pages().size()); }
    // The printable area of a page, in units of the page.
    QSizeF paintSize() const;

    // Paints page (0-based). The painter's coordinates must be units of the page, from the top left
    // corner of the printable area; its device may have any resolution.
    void paintPage(QPainter& painter, int page);

private:
    class Measured;
    explicit SheetDocument(std::unique_ptr<Measured> measured);

    std::unique_ptr<Measured> measured_;
};

} // namespace exchange
