#pragma once

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

// Sheets of self-adhesive labels as data: where each label lies on the paper, worked out without
// painting anything. Lengths in millimetres, from the paper's top left corner.
namespace exchange {

enum class LabelKind
{
    Spine, // the cassette's name and its films' titles in one line
    Face,  // the name, then each film with its counter range
};

enum class LabelPaper
{
    A4,
    Letter,
};

struct LabelSheet
{
    LabelPaper paper = LabelPaper::A4;
    double labelWidth = 0;
    double labelHeight = 0;
    int columns = 1;
    int rows = 1;
    double leftMargin = 0; // paper edge to the first column
    double topMargin = 0;  // paper edge to the first row
    double columnGap = 0;  // between two columns
    double rowGap = 0;     // between two rows

    int labelsPerPage() const { return columns * rows; }
    QSizeF paperSize() const;
    QPageSize pageSize() const;
    // True when there is at least one label, each has a size, and all lie on the paper.
    bool isUsable() const;
    // Where the label at index (0-based, row by row from the top left) lies on a page.
    QRectF labelRect(int index) const;

    bool operator==(const LabelSheet&) const = default;
};

// The label sheets the program knows, each made for one kind of label.
struct BuiltInLabelSheet
{
    const char* name; // English, translated in the context "exchange::LabelSheets"
    LabelKind madeFor;
    LabelSheet sheet;
};
const std::vector<BuiltInLabelSheet>& builtInLabelSheets();
QString labelSheetName(const BuiltInLabelSheet& sheet);

// One label placed on a page: the item (0-based, in the order given) it shows, and where.
struct PlacedLabel
{
    int item = 0;
    QRectF rect;
};

// count labels on sheets, the first at label startAt (1-based) of the first sheet, so that a sheet
// whose first labels are used already can go through the printer again; the following sheets are
// filled from their first label. A start beyond the sheet's labels counts as its last one.
class LabelPlacement final
{
public:
    LabelPlacement(const LabelSheet& sheet, int count, int startAt);

    // At least one, so that no labels still give an empty sheet to show.
    int pageCount() const { return pageCount_; }
    std::vector<PlacedLabel> labelsOn(int page) const;
    const LabelSheet& sheet() const { return sheet_; }

private:
    LabelSheet sheet_;
    int count_ = 0;
    int skipped_ = 0; // labels left free on the first sheet
    int pageCount_ = 1;
};

} // namespace exchange
