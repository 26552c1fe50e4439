#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace catalogue {

class Catalogue;
class SaveTarget;

inline constexpr char16_t kArchiveFileName[] = u"ReelMinder-Archiv.RMA";
// Appended to the archive's real file name: the previous archive kept by the last save.
inline constexpr char16_t kBackupSuffix[] = u".bak";

// programDir ends with a path separator.
QString archivePath(const QString& programDir);

// The file a save replaces: the archive path with every symbolic link along it followed.
QString realArchivePath(const QString& path);

struct LoadResult
{
    enum Status
    {
        Missing,   // no file: an empty catalogue, as on a first start
        Loaded,    // the records are in the catalogue
        Unreadable // the file exists but could not be read; the catalogue is empty
    } status = Missing;
    bool sizeOk = true; // false: the size is no whole multiple of the record size; the tail was dropped
    QString reason;     // with Unreadable: the system's text of what went wrong

    bool readable() const { return status != Unreadable; }
};

// Appends every complete record of the file to the (empty) catalogue, which takes path as its archive
// (Catalogue::archiveFiles()) whatever the outcome. Never blocks on a FIFO or a device: anything but a
// regular file is Unreadable.
LoadResult loadArchive(Catalogue& catalogue, const QString& path);

struct SaveResult
{
    bool saved = false;
    QString reason; // when not saved: the system's text of what went wrong
    // When saved but no generation of it could be kept (see Generations): a note for the user, to
    // show once. The save itself is good all the same.
    QString generationNote;
};

// Writes every record from head to tail and keeps the catalogue as it is. The new archive goes to a
// uniquely named file beside the real archive and replaces it only once it is completely on disk;
// the replaced archive is kept as the backup. Where the folder is write-protected but the archive
// itself can be written, the archive is written in place, its room reserved first and a copy of it
// kept in the user's own folder (see InPlaceCopy). A failure leaves the archive and the backup as
// they were. A good save is also kept as a generation in target.generationsRoot(); a failure to keep
// it only adds a note to the result.
SaveResult writeArchive(const Catalogue& catalogue, const QString& path);
SaveResult writeArchive(const Catalogue& catalogue, const QString& path, SaveTarget& target);

// Removes what saves killed halfway left beside the archive: the temporary files of createUnique with
// the infixes ".new-" and ".bak-", and nothing else. Only while this process holds the archive's lock.
// Returns how many were removed.
int removeSaveLeftovers(const QString& path);

// Asked with the reason when a save attempt failed; true means "try again".
using RetryQuestion = std::function<bool(const QString& reason)>;

// writeArchive, asking askRetry after every failure. Only a successful save releases the records;
// after a declined retry or an exception the catalogue is still whole and can be saved again.
bool saveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry);
bool saveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry,
                 SaveTarget& target);
// The same, with the result of the last attempt: its reason, or the note of a generation not kept.
SaveResult saveArchiveWithRetry(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry,
                                SaveTarget& target);

// Why the archive at path could not be saved, known before any work is done: empty when a save
// can succeed (a writable folder, or a writable archive in a write-protected folder).
std::optional<QString> archiveWriteProblem(const QString& path);

} // namespace catalogue
