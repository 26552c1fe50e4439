#pragma once

#include <QString>

class QUndoStack;
class QWidget;

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue

// The catalogue as a CSV file and back, with the dialogs around it: the file to write or read, the
// progress of a long file (which may be cancelled: the file, or the catalogue, then stays as it was),
// the summary of an import, and the reports of what failed.
namespace windows {

// The whole catalogue to a CSV file chosen in a save dialog. Returns the file written; empty when none
// was (cancelled, or failed and reported).
QString exportCsv(QWidget* parent, const catalogue::Catalogue& catalogue);

// Films and cassettes from a CSV file chosen in an open dialog, added once the summary is confirmed,
// as one step of undoStack. Returns the first cassette the import created or added films to; null
// when nothing was added.
const catalogue::Cassette* importCsv(QWidget* parent, catalogue::Catalogue& catalogue, QUndoStack& undoStack);

} // namespace windows
