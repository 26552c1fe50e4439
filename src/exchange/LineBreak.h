#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace exchange {

// The width of a text on the page, in whatever units the caller lays out in.
using TextWidth = std::function<double(const QString& text)>;

// Breaks text into lines no wider than width, as widthOf measures them: at spaces, and after a hyphen
// inside a word. A word wider than a whole line starts a line of its own and is broken where the
// line is full, with a hyphen at the break. Every line keeps at least one character, so that the
// lines end however narrow the column. Runs of white space count as one space (a damaged record may
// hold line breaks or tabs in a one-line field).
QStringList breakLines(const QString& text, double width, const TextWidth& widthOf);

} // namespace exchange
