#pragma once

#include <QString>

namespace app {

// Prints one line per generation of the archive at archivePath, newest first: its number, its time
// (ISO 8601, local time with its offset), cassettes and films, and "damaged" where it fails its check.
// Returns the exit status: 0, also when there are none (said on standard error); 1 when they cannot be
// read.
int listBackups(const QString& archivePath);

// Makes the archive at archivePath hold its generation number (as listBackups numbers them), the
// archive as it stands kept as a new generation first. Returns the exit status: 0 when restored; 1 when
// there is no such generation, it is damaged, the archive cannot be read, kept or saved, or another
// copy of the program holds it (nothing is changed then). The reason goes to standard error.
int restoreBackup(const QString& archivePath, int number);

} // namespace app
