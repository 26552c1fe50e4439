#pragma once

#include "exchange/LabelSheet.h"
#include "exchange/PagedDocument.h"
#include "exchange/SheetData.h"

#include <memory>
#include <vector>

namespace exchange {

class LabelFonts;

// Labels for cassettes on sheets of labels: one label a cassette, in the order given, placed by a
// LabelPlacement; each page painted only when asked for, its texts cut to its labels then.
class LabelDocument final : public PagedDocument
{
public:
    struct Options
    {
        LabelSheet sheet;
        LabelKind kind = LabelKind::Spine;
        int startAt = 1;       // the first label of the first sheet to use (1-based)
        bool outlines = false; // the labels' edges drawn, for a trial on plain paper
    };

    LabelDocument(std::vector<SheetCassette> cassettes, const Options& options);
    ~LabelDocument() override;

    QString title() const override;
    QPageLayout pageLayout() const override;
    int pageCount() const override { return placement_.pageCount(); }
    void paintPage(QPainter& painter, int page) override;

    const LabelPlacement& placement() const { return placement_; }

private:
    std::vector<SheetCassette> cassettes_;
    Options options_;
    LabelPlacement placement_;
    // The fonts and their glyphs, made once for every page.
    std::unique_ptr<LabelFonts> fonts_;
};

} // namespace exchange
