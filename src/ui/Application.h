#pragma once

#include <QString>

// Who the program is: the names it goes by and its version, which the build sets in one place.
namespace ui {

// "Kestro" and "ReelMinder": plain identifiers for the system. They name the per-user folders
// (~/.local/share/Kestro/ReelMinder), the settings and the window class.
QString organisationName();
QString applicationName();

// "reelminder": the executable and its desktop entry, reelminder.desktop.
QString desktopFileName();

// "2.01"
QString applicationVersion();

// "reelMINDER/32 2.01": the application title and the main window's caption.
QString applicationTitle();

// Sets the names and the version above on the running application.
void nameApplication();

} // namespace ui
