#include "exchange/SheetLayout.h"

#include <numeric>

namespace exchange {

std::vector<SheetPage> layoutSheets(const std::vector<BlockHeights>& blocks, double pageHeight, double gap)
{
    std::vector<SheetPage> pages(1);
    double y = 0;
    auto place = [&](PagePart::Kind kind, int cassette, int film, double height) {
        pages.back().push_back(PagePart{kind, cassette, film, y, height});
        y += height;
    };
    auto newPage = [&] {
        pages.emplace_back();
        y = 0;
    };

    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const BlockHeights& block = blocks[b];
        const int cassette = int(b);
        const double total =
            block.heading + block.columns + std::accumulate(block.rows.begin(), block.rows.end(), 0.0);
        if (!pages.back().empty()) {
            if (y + gap + total > pageHeight)
                newPage();
            else
                y += gap;
        }
        place(PagePart::Heading, cassette, -1, block.heading);
        place(PagePart::Columns, cassette, -1, block.columns);
        int rowsOnPage = 0;
        for (std::size_t f = 0; f < block.rows.size(); ++f) {
            if (rowsOnPage > 0 && y + block.rows[f] > pageHeight) {
                newPage();
                place(PagePart::ContinuedHeading, cassette, -1, block.heading);
                place(PagePart::Columns, cassette, -1, block.columns);
                rowsOnPage = 0;
            }
            place(PagePart::Film, cassette, int(f), block.rows[f]);
            ++rowsOnPage;
        }
    }
    return pages;
}

} // namespace exchange
