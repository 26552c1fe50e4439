#pragma once

#include <vector>

// Where the parts of the printed sheets go: pages and heights only, so that the page breaks can be
// worked out (and checked) without painting anything.
namespace exchange {

// The heights of one cassette's block, in the units of the page: measured by whoever paints it.
struct BlockHeights
{
    double heading = 0;       // the cassette's name, length and remaining time
    double columns = 0;       // the column titles; for a cassette without films, the line saying so
    std::vector<double> rows; // one per film, in tape order
};

struct PagePart
{
    enum Kind
    {
        Heading,
        ContinuedHeading, // the heading again, on a page a cassette continues on
        Columns,
        Film,
    };
    Kind kind = Heading;
    int cassette = 0;
    int film = -1; // the film's index within its cassette, for Film parts
    double top = 0;
    double height = 0;
};

using SheetPage = std::vector<PagePart>;

// Places the blocks one after another on pages pageHeight high, gap apart. A block that does not fit
// on the rest of the page starts a new page; one taller than a whole page starts on a fresh page and
// goes on over as many as it needs, each continuation under its heading and column titles again.
// Every page takes at least one film row, so the sheets end however small the page.
std::vector<SheetPage> layoutSheets(const std::vector<BlockHeights>& blocks, double pageHeight, double gap);

} // namespace exchange
