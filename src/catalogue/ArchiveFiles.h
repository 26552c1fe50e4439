#pragma once

#include <QString>

namespace catalogue {

// The files that keep the archive in use safe: the archive, its backup, its lock file and every file
// in the per-user folder of in-place copies. No file written for the user (CSV, PDF, labels, the
// statistics page) may take the place of one of them: an export onto the archive would leave CSV
// where the records were, with the lock then guarding nothing and the next save's backup lost.
// An empty one, for no archive, guards nothing. Only the archive's name is kept here; which files it
// claims is asked of the file system (claimedTarget() in storage/ArchiveClaims.h).
class ArchiveFiles final
{
public:
    ArchiveFiles() = default;
    // archive as the program opens it; the backup and the lock file lie beside the file it finally names.
    explicit ArchiveFiles(const QString& archive) : archive_(archive) {}

    QString archive() const { return archive_; }

private:
    QString archive_;
};

} // namespace catalogue
