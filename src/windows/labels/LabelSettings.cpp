#include "windows/labels/LabelSettings.h"

#include "ui/SettingsStore.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

// The value when it is a whole number from least to most; else nothing.
std::optional<int> readInRange(const ui::SettingsStore& settings, const QString& name, int least, int most)
{
    const ui::SettingsStore::StoredInteger stored = settings.readInteger(name);
    if (stored.kind != ui::SettingsStore::StoredInteger::Integer || stored.value < least ||
        stored.value > most)
        return std::nullopt;
    return int(stored.value);
}

void readLength(const ui::SettingsStore& settings, const QString& name, double most, double& length)
{
    if (const std::optional<int> stored = readInRange(settings, name, 0, int(most * 100)))
        length = *stored / 100.0;
}

void readCount(const ui::SettingsStore& settings, const QString& name, int most, int& count)
{
    if (const std::optional<int> stored = readInRange(settings, name, 1, most))
        count = *stored;
}

int hundredths(double millimetres)
{
    return int(std::lround(millimetres * 100));
}

} // namespace

bool isUserSheet(int sheet)
{
    return sheet == int(exchange::builtInLabelSheets().size());
}

LabelChoices readLabelChoices(const ui::SettingsStore& settings)
{
    LabelChoices choices;
    if (const auto sheet =
            readInRange(settings, u"LabelSheet"_s, 0, int(exchange::builtInLabelSheets().size())))
        choices.sheet = *sheet;
    if (const auto kind = readInRange(settings, u"LabelKind"_s, 0, 1))
        choices.kind = exchange::LabelKind(*kind);
    exchange::LabelSheet& user = choices.userSheet;
    if (const auto paper = readInRange(settings, u"UserLabelPaper"_s, 0, 1))
        user.paper = exchange::LabelPaper(*paper);
    readLength(settings, u"UserLabelWidth"_s, kLongestLabelLength, user.labelWidth);
    readLength(settings, u"UserLabelHeight"_s, kLongestLabelLength, user.labelHeight);
    readCount(settings, u"UserLabelColumns"_s, kMostLabelColumns, user.columns);
    readCount(settings, u"UserLabelRows"_s, kMostLabelRows, user.rows);
    readLength(settings, u"UserLabelLeftMargin"_s, kWidestLabelMargin, user.leftMargin);
    readLength(settings, u"UserLabelTopMargin"_s, kWidestLabelMargin, user.topMargin);
    readLength(settings, u"UserLabelColumnGap"_s, kWidestLabelGap, user.columnGap);
    readLength(settings, u"UserLabelRowGap"_s, kWidestLabelGap, user.rowGap);
    return choices;
}

void writeLabelChoices(ui::SettingsStore& settings, const LabelChoices& choices)
{
    const exchange::LabelSheet& user = choices.userSheet;
    settings.writeInteger(u"LabelSheet"_s, choices.sheet);
    settings.writeInteger(u"LabelKind"_s, int(choices.kind));
    settings.writeInteger(u"UserLabelPaper"_s, int(user.paper));
    settings.writeInteger(u"UserLabelWidth"_s, hundredths(user.labelWidth));
    settings.writeInteger(u"UserLabelHeight"_s, hundredths(user.labelHeight));
    settings.writeInteger(u"UserLabelColumns"_s, user.columns);
    settings.writeInteger(u"UserLabelRows"_s, user.rows);
    settings.writeInteger(u"UserLabelLeftMargin"_s, hundredths(user.leftMargin));
    settings.writeInteger(u"UserLabelTopMargin"_s, hundredths(user.topMargin));
    settings.writeInteger(u"UserLabelColumnGap"_s, hundredths(user.columnGap));
    settings.writeInteger(u"UserLabelRowGap"_s, hundredths(user.rowGap));
}

} // namespace windows
