#pragma once

#include <QString>

namespace app {

// Where the archive lives when the command line names none. A copy run from a folder it may write
// to (a build folder, a portable copy on a stick) keeps its archive beside itself, and so does one
// that finds an archive there, even in a folder it cannot write (a write-protected stick): that is
// the user's catalogue, opened with the write-protection warning (and saved in place where the file
// itself may be written). An installed copy (one with its desktop entry in ../share/applications)
// and a copy in a folder it cannot write with no archive there keep it in the per-user data folder
// instead: that is where an installed program's data belongs.
//
// programDir and userDataDir end with a path separator.
QString chooseArchivePath(const QString& programDir, const QString& userDataDir);

// chooseArchivePath for this program: its own folder and QStandardPaths::AppDataLocation
// (~/.local/share/Kestro/ReelMinder/ on Linux), which is created when chosen.
QString defaultArchivePath();

} // namespace app
