#pragma once

#include <QString>

namespace app {

// Writes the catalogue of the archive at archivePath as one web page (in the program's language) to the
// file target, or to standard output when target is "-", without a window and without changing the
// archive. Errors go to standard error. Returns the exit status: 0 when written, 1 when the archive is
// missing or cannot be read, or the target cannot be written.
int exportHtml(const QString& archivePath, const QString& target);

} // namespace app
