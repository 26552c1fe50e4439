#pragma once

#include "exchange/SheetData.h"

#include <QString>

#include <functional>
#include <vector>

// What a label says, cut to the room it has. Widths come from whoever paints, in its units, so that
// the cutting is the same for any font and device.
namespace exchange {

using TextWidth = std::function<double(const QString&)>;

// text as it fits width: whole, or cut with "…" after as much of it as fits beside the "…"; empty
// when not even the "…" fits.
QString elideText(const QString& text, double width, const TextWidth& measure);

// A spine label's one line: the name, then the films' titles after a gap.
struct SpineText
{
    QString name;
    QString titles; // empty when there are none or no room is left for them
};

// The name, cut to width when it alone is too wide; the titles, joined by " · ", cut to what is left
// of width beside the name and gap.
SpineText spineText(const SheetCassette& cassette, double width, double gap, const TextWidth& nameWidth,
                    const TextWidth& titleWidth);

// A face label: the name, then one line per film with its counter range and title.
struct FaceLine
{
    QString counter;
    QString title; // marked when the film runs past the end of the tape
};

struct FaceText
{
    QString name;
    std::vector<FaceLine> lines;
    int hiddenFilms = 0; // films left out for want of lines: told in the last line instead
};

// The name cut to nameWidth, and as many films as maxLines holds, their titles cut to titleWidth.
// When not all films fit, the last of the lines is left to say how many more there are. A film that
// runs past the end of an over-full tape has its title marked so in words, which print in any colour;
// its title is cut to leave room for the mark.
FaceText faceText(const SheetCassette& cassette, int maxLines, double nameWidth, double titleWidth,
                  const TextWidth& nameMeasure, const TextWidth& titleMeasure);

} // namespace exchange
