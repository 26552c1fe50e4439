#pragma once

#include <QString>

#include <optional>

namespace catalogue {

// What keeps an archive safe while it is written in place (its folder refuses new files, so no new
// archive can be renamed over it and no backup made beside it): a copy of the archive in a folder of
// the user's own, and a marker that stays while the archive is being overwritten. A failed save puts
// the copy back; a save that never ended (the program was killed) leaves the marker, and the next
// start offers the copy back. After a good save the copy stays as the backup of that archive.
class InPlaceCopy final
{
public:
    // archive is the real file; folder holds the copies, one per archive.
    InPlaceCopy(const QString& archive, const QString& folder);

    // The per-user folder of the copies: QStandardPaths::AppDataLocation + "/in-place-copies".
    static QString defaultFolder();

    // Copies the archive and sets the marker; false when either could not be done.
    bool keep();
    // Writes the copy back over the archive in place; the reason when that failed. The marker is
    // removed once the archive is whole again.
    std::optional<QString> restore();
    // Removes the marker; the copy stays.
    void forget();
    // True when the marker of an unfinished save of this archive is there, with its copy.
    bool interrupted() const;

    QString copyPath() const { return copyPath_; }

private:
    QString archive_;
    QString copyPath_;
    QString markerPath_;
};

} // namespace catalogue
