#pragma once

#include <QString>

// Who the program is: the names it goes by and its version, which the build sets in one place.
namespace ui {

// "reelminder": a plain identifier, for the system (process name, lock files, settings paths).
QString applicationName();

// "2.01"
QString applicationVersion();

// "reelMINDER/32 2.01": the application title and the main window's caption.
QString applicationTitle();

} // namespace ui
