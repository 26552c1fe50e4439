#pragma once

#include <QString>

#include <optional>

namespace catalogue {

// The files that keep the archive in use safe: the archive, its backup, its lock file and every file
// in the per-user folder of in-place copies. No file written for the user (CSV, PDF, labels, the
// statistics page) may take the place of one of them: an export onto the archive would leave CSV
// where the records were, with the lock then guarding nothing and the next save's backup lost.
// An empty one, for no archive, guards nothing.
class ArchiveFiles final
{
public:
    ArchiveFiles() = default;
    // archive as the program opens it; the backup and the lock file lie beside the file it finally names.
    explicit ArchiveFiles(const QString& archive);

    QString archive() const { return archive_; }

    // Which of these files target is, as the reason for not writing it; nothing when it is none of them.
    // A file that exists is known by its identity, whatever name or link leads to it; one that does
    // not exist yet by the name it would have once the links to it are followed.
    std::optional<QString> claimedTarget(const QString& target) const;

private:
    QString archive_;
};

} // namespace catalogue
