#pragma once

#include <QString>

namespace app {

// Writes the catalogue of the archive at archivePath as CSV to the file target, or to standard
// output when target is "-", without a window and without changing the archive. Errors go to standard
// error. Returns the exit status: 0 when written, 1 when the archive is missing or cannot be read, or
// the target cannot be written.
int exportCsv(const QString& archivePath, const QString& target);

// Adds the cassettes and films of the CSV file source to the archive at archivePath, without a window,
// and saves it as the windowed program does at its end (its predecessor kept as the backup). Prints
// what it created, added and skipped (each skipped row with its line and reason). Returns the exit
// status: 0 when films or cassettes were added and saved; 1 when nothing could be added, the file or
// the archive cannot be read, the archive cannot be saved, or another copy of the program holds it
// (the archive is then unchanged).
int importCsv(const QString& archivePath, const QString& source);

// The same with a Tellico video collection (a .tc file). Films the file puts on no cassette go to one
// named after the collection.
int exportTellico(const QString& archivePath, const QString& target);
int importTellico(const QString& archivePath, const QString& source);

// Writes the catalogue of the archive at archivePath as one web page (in the program's language) to the
// file target, or to standard output when target is "-", as exportCsv() does, with its exit statuses.
int exportHtml(const QString& archivePath, const QString& target);

} // namespace app
