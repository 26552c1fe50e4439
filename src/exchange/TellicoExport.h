#pragma once

#include "catalogue/Progress.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace catalogue {
class Catalogue;
}

// The catalogue as a video collection of Tellico, the collection manager, which reads and writes
// the files of many other catalogue programs: the way users move their films from one to another.
namespace exchange {

// The tellico.xml of the catalogue: one entry per film, in tape order per cassette and the cassettes
// in catalogue order. Title, year, nationality, genre, director, cast (a row per line of the actors),
// plot (line breaks as Tellico's <br/>), running time, medium "VHS" and colour go to Tellico's own
// fields; tape, tape length, counter range, long-play, seen and deletable to fields of the file's own
// ("tape", "tape-length", "counter", "longplay", "seen", "deletable"), declared in its <fields> so that
// Tellico shows and keeps them.
// An empty cassette is an entry with the tape fields and the medium alone: Tellico keeps it as any
// other entry, so the cassette survives a round through Tellico and back. Control characters are shown as the
// CSV export shows them (see shownControl()); XML can hold none of them. Nothing when progress was told to
// stop.
std::optional<QByteArray> tellicoXml(const catalogue::Catalogue& catalogue, const QString& title,
                                     const catalogue::Progress& progress = {});

// The Tellico file as Tellico saves it: a zip archive holding tellico.xml.
std::optional<QByteArray> exportTellico(const catalogue::Catalogue& catalogue, const QString& title,
                                        const catalogue::Progress& progress = {});

// Writes the Tellico file of catalogue to path, replaced only once every byte is on the disk; the files
// of the catalogue's archive are refused.
catalogue::WriteOutcome writeCatalogueTellico(const QString& path, const catalogue::Catalogue& catalogue,
                                              const QString& title, const catalogue::Progress& progress = {});

} // namespace exchange
