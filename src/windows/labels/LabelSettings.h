#pragma once

#include "exchange/LabelSheet.h"

namespace ui {
class SettingsStore;
}

namespace windows {

// What the label dialog remembers between runs: the sheet and kind last used, and the one sheet the
// user sets up. Lengths are stored in hundredths of a millimetre, as whole numbers.
struct LabelChoices
{
    int sheet = 0; // an index into exchange::builtInLabelSheets(); one past them is the user's sheet
    exchange::LabelKind kind = exchange::LabelKind::Spine;
    exchange::LabelSheet userSheet{exchange::LabelPaper::A4, 70, 42.3, 3, 7, 0, 0.45, 0, 0};
};

bool isUserSheet(int sheet);

// What the user's sheet may be set to: lengths in millimetres, and labels across and down.
inline constexpr double kLongestLabelLength = 300;
inline constexpr double kWidestLabelMargin = 300;
inline constexpr double kWidestLabelGap = 100;
inline constexpr int kMostLabelColumns = 20;
inline constexpr int kMostLabelRows = 60;

// A value missing or out of range leaves the default.
LabelChoices readLabelChoices(const ui::SettingsStore& settings);
// Throws ui::Error when a value cannot be stored.
void writeLabelChoices(ui::SettingsStore& settings, const LabelChoices& choices);

} // namespace windows
