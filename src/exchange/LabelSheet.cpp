#include "exchange/LabelSheet.h"

#include <QCoreApplication>

#include <algorithm>

namespace exchange {
namespace {

constexpr double kInch = 25.4;
// Labels may reach a hair beyond the paper where the millimetres of a sheet made in inches round up.
constexpr double kTolerance = 0.05;

} // namespace

QSizeF LabelSheet::paperSize() const
{
    return pageSize().size(QPageSize::Millimeter);
}

QPageSize LabelSheet::pageSize() const
{
    return QPageSize(paper == LabelPaper::Letter ? QPageSize::Letter : QPageSize::A4);
}

bool LabelSheet::isUsable() const
{
    if (columns < 1 || rows < 1 || labelWidth <= 0 || labelHeight <= 0 || leftMargin < 0 || topMargin < 0 ||
        columnGap < 0 || rowGap < 0)
        return false;
    const QSizeF sheet = paperSize();
    return leftMargin + columns * labelWidth + (columns - 1) * columnGap <= sheet.width() + kTolerance &&
           topMargin + rows * labelHeight + (rows - 1) * rowGap <= sheet.height() + kTolerance;
}

QRectF LabelSheet::labelRect(int index) const
{
    const int row = index / columns;
    const int column = index % columns;
    return {leftMargin + column * (labelWidth + columnGap), topMargin + row * (labelHeight + rowGap),
            labelWidth, labelHeight};
}

const std::vector<BuiltInLabelSheet>& builtInLabelSheets()
{
    // Common sheets: VHS spine and face labels, and the everyday 3 x 7 and 3 x 10 ones that take a
    // face label each.
    static const std::vector<BuiltInLabelSheet> sheets{
        {QT_TRANSLATE_NOOP("exchange::LabelSheets", "A4, VHS spine labels"),
         LabelKind::Spine,
         {LabelPaper::A4, 145, 17, 1, 16, 32.5, 12.5, 0, 0}},
        {QT_TRANSLATE_NOOP("exchange::LabelSheets", "A4, VHS face labels"),
         LabelKind::Face,
         {LabelPaper::A4, 78, 46, 2, 6, 24, 10.5, 6, 0}},
        {QT_TRANSLATE_NOOP("exchange::LabelSheets", "A4, labels 3 x 7"),
         LabelKind::Face,
         {LabelPaper::A4, 70, 42.3, 3, 7, 0, 0.45, 0, 0}},
        {QT_TRANSLATE_NOOP("exchange::LabelSheets", "Letter, VHS spine labels"),
         LabelKind::Spine,
         {LabelPaper::Letter, 5.75 * kInch, kInch * 2 / 3, 1, 15, 1.375 * kInch, 0.5 * kInch, 0, 0}},
        {QT_TRANSLATE_NOOP("exchange::LabelSheets", "Letter, labels 2 x 5"),
         LabelKind::Face,
         {LabelPaper::Letter, 4 * kInch, 2 * kInch, 2, 5, 0.156 * kInch, 0.5 * kInch, 0.188 * kInch, 0}},
        {QT_TRANSLATE_NOOP("exchange::LabelSheets", "Letter, labels 3 x 10"),
         LabelKind::Face,
         {LabelPaper::Letter, 2.625 * kInch, kInch, 3, 10, 0.1875 * kInch, 0.5 * kInch, 0.125 * kInch, 0}},
    };
    return sheets;
}

QString labelSheetName(const BuiltInLabelSheet& sheet)
{
    return QCoreApplication::translate("exchange::LabelSheets", sheet.name);
}

LabelPlacement::LabelPlacement(const LabelSheet& sheet, int count, int startAt)
    : sheet_(sheet), count_(std::max(0, count))
{
    const int perPage = std::max(1, sheet_.labelsPerPage());
    skipped_ = std::clamp(startAt, 1, perPage) - 1;
    if (count_ > 0)
        pageCount_ = (skipped_ + count_ + perPage - 1) / perPage;
}

std::vector<PlacedLabel> LabelPlacement::labelsOn(int page) const
{
    std::vector<PlacedLabel> labels;
    const int perPage = std::max(1, sheet_.labelsPerPage());
    if (page < 0 || page >= pageCount_)
        return labels;
    // Slots counted from the first sheet's first label; the skipped ones hold nothing.
    const int firstSlot = page * perPage;
    const int lastSlot = std::min(firstSlot + perPage, skipped_ + count_);
    for (int slot = std::max(firstSlot, skipped_); slot < lastSlot; ++slot)
        labels.push_back({slot - skipped_, sheet_.labelRect(slot - firstSlot)});
    return labels;
}

} // namespace exchange
