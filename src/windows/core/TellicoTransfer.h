#pragma once

#include <QString>

class QUndoStack;
class QWidget;

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue

// The catalogue as a Tellico file and back, with the dialogs around it, as the CSV files have them
// (CsvTransfer.h): the file to write or read, the progress, the summary of an import and the reports.
namespace windows {

// The whole catalogue to a Tellico file chosen in a save dialog. Returns the file written; empty when
// none was.
QString exportTellico(QWidget* parent, const catalogue::Catalogue& catalogue);

// Films and cassettes from a Tellico file chosen in an open dialog, added once the summary is
// confirmed, as one step of undoStack. Returns the first cassette the import created or added films
// to; null when nothing was added.
const catalogue::Cassette* importTellico(QWidget* parent, catalogue::Catalogue& catalogue,
                                         QUndoStack& undoStack);

} // namespace windows
