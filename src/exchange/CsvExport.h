#pragma once

#include <QByteArray>

namespace catalogue {
class Catalogue;
}

namespace exchange {

// The whole catalogue as a CSV file (UTF-8 with a byte order mark, CR LF row ends): the header row
// in the current language, then one row per film, in tape order per cassette and the cassettes in
// the order of their first record. An empty cassette is one row with its name and length only. Texts
// that a spreadsheet would take for a formula get the text mark in front (see needsTextMark()).
QByteArray exportCatalogue(const catalogue::Catalogue& catalogue);

} // namespace exchange
