#pragma once

#include "catalogue/Progress.h"
#include "exchange/PagedDocument.h"
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
class SheetDocument final : public PagedDocument
{
public:
    // Lays out cassettes on pages of pageLayout. An empty list gives one page that says so. Null when
    // progress was told to stop.
    static std::unique_ptr<SheetDocument> layOut(std::vector<SheetCassette> cassettes, SheetKind kind,
                                                 const QPageLayout& pageLayout,
                                                 const catalogue::Progress& progress = {});
    ~SheetDocument() override;

    // What the sheets show, as they were handed in: for laying them out on other paper.
    const std::vector<SheetCassette>& cassettes() const;
    SheetKind kind() const;
    // The document's title: the cassette's name for one cassette's sheet, else "Catalogue list".
    QString title() const override;
    QPageLayout pageLayout() const override;
    // What each page holds, and so where the breaks fall.
    const std::vector<SheetPage>& pages() const;
    int pageCount() const override;

    // Paints page (0-based). The painter's coordinates must be units of the page, from the top left
    // corner of the printable area; its device may have any resolution.
    void paintPage(QPainter& painter, int page) override;

    bool followsPaper() const override { return true; }
    std::unique_ptr<PagedDocument> onPaper(const QPageLayout& pageLayout,
                                           const catalogue::Progress& progress) const override;

private:
    class Measured;
    explicit SheetDocument(std::unique_ptr<Measured> measured);

    std::unique_ptr<Measured> measured_;
};

} // namespace exchange
