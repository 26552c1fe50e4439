#pragma once

#include "catalogue/Progress.h"
#include "exchange/ImportPlan.h"

#include <QByteArray>

#include <optional>

namespace catalogue {
class Catalogue;
} // namespace catalogue

namespace exchange {

// What importing a Tellico file (a zip archive holding tellico.xml, or the XML itself) would do to
// catalogue, entry by entry, with the same plan as a CSV import (ImportPlan.h). Only a video
// collection is taken; anything else is refused with the reason in fileError. An entry's cassette is
// the one its "tape" field names (as the export writes it; see TellicoExport.h), and one holding the
// tape fields alone stands for its cassette; entries without a tape field are the plan's untaped films.
// Multi-valued fields join their values with "; ", the cast its rows with line breaks (an actor's role
// in brackets behind the name); a film needs its running time. A skipped entry's line is that of its
// start in tellico.xml. Nothing when progress was told to stop.
std::optional<ImportPlan> planTellicoImport(const catalogue::Catalogue& catalogue, const QByteArray& file,
                                            const catalogue::Progress& progress = {});

} // namespace exchange
