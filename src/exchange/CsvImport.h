#pragma once

#include "catalogue/Progress.h"
#include "exchange/CsvText.h"
#include "exchange/ImportPlan.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace catalogue {
class Catalogue;
} // namespace catalogue

// Bringing a CSV file of the export's format into the catalogue, in two steps: a plan, worked out
// without changing anything (here, row by row), and its application (ImportPlan.h), which adds
// everything at once.
namespace exchange {

// What importing file (see decodeCsvFile()) would do to catalogue. headerNames holds the accepted
// header rows, one list of column names (in CsvColumn order) per language; the first is the current
// language, for messages. Header cells are matched by name, letter case and surrounding spaces
// ignored; the counter range column is optional and never read. The separator is the one of comma,
// semicolon and tab that makes the first row match; it holds for the whole file. A row's cassette is
// found by its exact name, as the main window finds it; a row for a missing cassette creates it. A
// text cell starting with the text mark loses exactly one (see needsTextMark()).
ImportPlan planImport(const catalogue::Catalogue& catalogue, const CsvText& file,
                      const std::vector<QStringList>& headerNames);
// The same, telling progress as the rows are read; nothing when progress was told to stop.
std::optional<ImportPlan> planImport(const catalogue::Catalogue& catalogue, const CsvText& file,
                                     const std::vector<QStringList>& headerNames,
                                     const catalogue::Progress& progress);

} // namespace exchange
