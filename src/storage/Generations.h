#pragma once

#include "storage/Archive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>
#include <sys/types.h>
#include <vector>

namespace catalogue {

class Catalogue;

// One kept generation of an archive: the catalogue as one save wrote it.
struct Generation
{
    int number = 0;   // 1 is the newest
    QDateTime saved;  // when it was saved, in UTC
    qint32 tapes = 0; // cassettes
    qint32 films = 0;
    qint64 records = 0;
    qint64 bytesOnDisk = 0; // what its files take on the disk
    bool damaged = false;   // never restored; problem says why
    QString problem;
    QString name; // its name in its folder, which identifies it there
};

// The generations of one archive in the user's data folder: every good save keeps the catalogue it
// wrote, and older ones are thinned by age (see generationsToKeep). Each archive has a folder of its
// own under the root, found again by the archive's identity (so a moved archive or another name of
// the same file keeps its generations) and else by its path. A generation is a records file and a
// small description beside it (save time, counts, size, CRC-32 of the records); the description is
// written last, so a generation is there whole or not at all. The records file is a hard link to the
// saved archive where the folder is on the archive's file system, since the save replaces that file by
// a new one and never writes it again; else it is a compressed copy.
//
// Listing reads the descriptions and the sizes only; loading checks every byte against the CRC.
class Generations final
{
    Q_DECLARE_TR_FUNCTIONS(catalogue::Generations)

public:
    // archive by any of its names; root holds the folders of all archives.
    explicit Generations(const QString& archive, const QString& root = defaultRoot());

    // QStandardPaths::AppDataLocation + "/backups".
    static QString defaultRoot();

    // The archive's real path, behind any symbolic links.
    QString archive() const { return archive_; }
    QString root() const { return root_; }
    // This archive's folder; empty while no generation of it was ever kept.
    QString folder() const { return folder_; }

    // Newest first, numbered from 1. A generation whose description cannot be read, or whose records
    // file is missing or of the wrong size, is listed as damaged.
    std::vector<Generation> list() const;

    // Reads the generation's records into the empty catalogue, checked against its size, CRC-32 and
    // counts. The reason when refused, the catalogue then empty.
    std::optional<QString> load(const Generation& generation, Catalogue& catalogue) const;

    // Makes the archive hold the generation's records: the archive as it stands is kept as a new
    // generation first, then the records are saved as any save does. Refused, with nothing changed,
    // when the generation is damaged or the present archive cannot be read or kept. The caller holds
    // the archive's lock.
    SaveResult restore(const Generation& generation);

    // The steps of a save (writeArchive). Each returns the note for the user when it failed; a
    // failure never touches the archive.
    //
    // Keeps the catalogue just saved to file, which has device and inode as written: a hard link where
    // possible, else a compressed copy.
    std::optional<QString> keepSaved(const QString& file, dev_t device, ino_t inode,
                                     const Catalogue& catalogue, quint32 crc);
    // Keeps the catalogue as a compressed copy.
    std::optional<QString> keepCopy(const Catalogue& catalogue);
    // Before file is written in place: every generation that is a link to it becomes a copy of its
    // own, or goes where that cannot be done.
    std::optional<QString> separateFrom(const QString& file);

private:
    // The system's reason when the generation could not be kept.
    std::optional<QString> keep(const Catalogue& catalogue, const QString& linkFrom, dev_t device,
                                ino_t inode, quint32 crc);
    bool makeFolder();
    void recordArchive() const;
    void thin() const;
    QString note(const QString& reason) const;

    QString archive_;
    QString root_;
    QString folder_;
};

} // namespace catalogue
