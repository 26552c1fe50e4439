#pragma once

class QWidget;

namespace windows {

// What keeps the archive for the main window: it saves the catalogue as the program ends. The
// application's archive session is the one; a test may stand in for it.
class ArchiveSaver
{
public:
    virtual ~ArchiveSaver() = default;

    // Saves the whole catalogue, asking over owner whether to try again while that fails. An exception
    // leaves the catalogue whole, and the program does not end.
    virtual void saveAtExit(QWidget* owner) = 0;
};

} // namespace windows
