#pragma once

#include "storage/Archive.h"
#include "storage/ArchiveLock.h"
#include "windows/core/ArchiveSaver.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

namespace catalogue {
class Catalogue;
}

namespace app {

// The archive of one run: its lock, reading it into the catalogue at the start, and writing it back at
// the end, whether the user closes the program or the session ends under it. Each step can be taken
// on its own, for a run without windows; open() takes them all, with the program's messages.
class ArchiveSession final : public windows::ArchiveSaver
{
    Q_DECLARE_TR_FUNCTIONS(app::ArchiveSession)

public:
    ArchiveSession(catalogue::Catalogue& catalogue, const QString& archivePath);
    ~ArchiveSession() override;
    ArchiveSession(const ArchiveSession&) = delete;
    ArchiveSession& operator=(const ArchiveSession&) = delete;

    QString archivePath() const { return archivePath_; }
    catalogue::Catalogue& catalogue() const { return catalogue_; }

    // The steps. A second copy of the program keeps its hands off an archive another one holds.
    catalogue::ArchiveLock::State lock();
    const catalogue::ArchiveLock& archiveLock() const { return lock_; }
    // A save in place that never ended left a copy of the archive from before it; see InPlaceCopy.
    bool hasInterruptedSave() const;
    // The reason when the copy could not be put back; the copy is unchanged then.
    std::optional<QString> restoreInterruptedSave();
    // Keeps the copy under a dated name until the user removes it; that name, or nothing when it
    // could not be moved (the save then still counts as interrupted).
    std::optional<QString> setInterruptedCopyAside();
    // What killed saves left beside the archive and among the in-place copies; only while the lock is
    // held.
    void removeLeftovers();
    catalogue::LoadResult load();

    // Every step with the messages of the windowed program, each in both languages as the language is
    // not known yet. False when the program must end: the archive is in use or cannot be read, or the
    // copy of an interrupted save could not be put back.
    bool open();

    // Saves, asking over owner whether to try again while that fails; a declined retry ends the
    // program all the same. Only a good save releases the records.
    void saveAtExit(QWidget* owner) override;
    // Saves without a question as the session ends, unless the program has saved at its exit
    // already. True when saved or nothing was left to save.
    bool saveForSessionEnd();
    // Saves without a question and keeps the records: for a run without windows.
    catalogue::SaveResult save();

private:
    catalogue::Catalogue& catalogue_;
    QString archivePath_;
    catalogue::ArchiveLock lock_;
    bool loaded_ = false;
    bool finished_ = false;
};

} // namespace app
