#pragma once

#include "catalogue/Progress.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace catalogue {
class Catalogue;
}

namespace exchange {

// The whole catalogue as a CSV file (UTF-8 with a byte order mark, CR LF row ends): the header row
// in the current language, then one row per film, in tape order per cassette and the cassettes in
// the order of their first record. An empty cassette is one row with its name and length only. Texts
// that a spreadsheet would take for a formula get the text mark in front (see needsTextMark()); control
// characters are shown as characters of their own (see shownControl()), so that no byte but the CR LF of
// the row ends and of the memos' line breaks is one a terminal takes as a command.
QByteArray exportCatalogue(const catalogue::Catalogue& catalogue);
// The same, telling progress cassette by cassette; nothing when progress was told to stop.
std::optional<QByteArray> exportCatalogue(const catalogue::Catalogue& catalogue,
                                          const catalogue::Progress& progress);

// Writes the export of catalogue to a file at path, replaced only once every byte is on the disk: a
// cancelled or failed export leaves the file as it was. The files of the catalogue's archive are refused.
catalogue::WriteOutcome writeCatalogueCsv(const QString& path, const catalogue::Catalogue& catalogue,
                                          const catalogue::Progress& progress = {});

} // namespace exchange
