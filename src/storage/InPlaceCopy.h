#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace catalogue {

// What keeps an archive safe while it is written in place (its folder refuses new files, so no new
// archive can be renamed over it and no backup made beside it): a copy of the archive in a folder of
// the user's own, and a marker that stays while the archive is being overwritten. A failed save puts
// the copy back; a save that never ended (the program was killed) leaves the marker, and the next
// start offers the copy back. After a good save the copy stays as the backup of that archive.
//
// The archive is known by the file itself (its device and inode), not by the name it was opened by,
// so a symbolic link, a hard link or another mount point finds the same copy; the marker names the
// archive's path for a human reader. A copy is only ever replaced by a copy of an archive that can
// have been loaded whole: a copy whose marker still stands, or one that a damaged archive would
// replace, is first set aside under a dated name that no save uses.
class InPlaceCopy final
{
public:
    // archive is the archive by any of its names; folder holds the copies.
    InPlaceCopy(const QString& archive, const QString& folder);

    // The per-user folder of the copies: QStandardPaths::AppDataLocation + "/in-place-copies".
    static QString defaultFolder();

    // The files in folder that hold copies of archive and exist: its copy, the marker and every copy
    // set aside. Nothing may write over them but this class.
    static QStringList filesOf(const QString& archive, const QString& folder = defaultFolder());

    // Copies the archive and sets the marker; false when either could not be done.
    bool keep();
    // Writes the copy back over the archive in place; the reason when that failed. The room is
    // reserved first, so a full disk fails before a byte of the archive changes. The copy is never
    // changed, and the marker is removed only once the archive is whole again.
    std::optional<QString> restore();
    // Removes the marker; the copy stays.
    void forget();
    // Moves the copy to a dated name of its own (asidePath()) and removes the marker, so that the
    // next save makes a fresh copy and this one stays until the user removes it. The new name, or
    // nothing when the copy could not be moved.
    std::optional<QString> setAside();
    // The name setAside() would give the copy now.
    QString asidePath() const;
    // True when the marker of an unfinished save of this archive is there, with its copy.
    bool interrupted() const;
    // Removes the temporary files that a keep() killed halfway left for this archive; how many.
    int removeLeftovers() const;

    // Empty when the archive cannot be found.
    QString copyPath() const { return copyPath_; }

private:
    QString asideName(int attempt) const;

    QString archive_;
    QString folder_;
    QString id_; // the archive's device and inode, the start of the name of each of its files
    QString copyPath_;
    QString markerPath_;
};

} // namespace catalogue
