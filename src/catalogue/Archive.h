#pragma once

#include <QString>

#include <functional>

namespace catalogue {

class Catalogue;
class SaveTarget;

inline constexpr char16_t kArchiveFileName[] = u"ReelMinder-Archiv.RMA";

// programDir ends with a path separator.
QString ArchivePath(const QString& programDir);

struct LoadResult
{
    bool opened = false; // false: no file, or it could not be opened; the catalogue stays empty
    bool sizeOk = true;  // false: the size is no whole multiple of the record size; the tail was dropped
};

// Appends every complete record of the file to the (empty) catalogue.
LoadResult LoadArchive(Catalogue& catalogue, const QString& path);

// Asked when a save attempt failed; true means "try again".
using RetryQuestion = std::function<bool()>;

// Writes every record from head to tail. The previous archive is replaced only once the new one is
// completely on disk; on any failure it stays as it was and askRetry decides whether to try again.
// Afterwards every record is released, whether or not the save succeeded. Returns true when saved.
bool SaveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry);

// The same, with the file's bytes written and synced through target.
bool SaveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry,
                 SaveTarget& target);

} // namespace catalogue
