#pragma once

#include <QString>

namespace app {

// Where the archive lives when the command line names none. A copy run from a folder it may write
// to (a build folder, a portable copy on a stick) keeps its archive beside itself. An installed copy
// (one with its desktop entry in ../share/applications) and a copy in a folder it cannot write keep
// it in the per-user data folder instead: that is where an installed program's data belongs, and
// an archive that cannot be saved would lose every session's work. An archive beside the program
// that may itself be written is used in place even in a protected folder.
//
// programDir and userDataDir end with a path separator.
QString chooseArchivePath(const QString& programDir, const QString& userDataDir);

// chooseArchivePath for this program: its own folder and QStandardPaths::AppDataLocation
// (~/.local/share/Kestro/ReelMinder/ on Linux), which is created when chosen.
QString defaultArchivePath();

} // namespace app
