#pragma once

#include "storage/FileHandle.h"

#include <QString>

namespace catalogue {

// Keeps a second copy of the program off an archive that one copy has open. The lock is the
// system's lock on the archive file itself, so it ends with its process however that ends, and it
// holds through every name of the file: a symbolic link, a hard link, another path to the same
// folder. While there is no archive yet, the lock file beside it is locked instead. The lock file
// only tells a second copy who holds the archive: it is never followed through a link and never
// written unless it is a plain file, and a lock file left by a crash is taken over without a question.
class ArchiveLock final
{
public:
    enum State
    {
        Held,       // this process has the archive to itself
        InUse,      // another process holds it: see ownerPid() and ownerHost()
        Unavailable // no lock can be had (a write-protected folder, a file system without locks)
    };

    // archivePath is the archive itself; the lock file lies beside the file it finally names.
    explicit ArchiveLock(const QString& archivePath);
    ~ArchiveLock();
    ArchiveLock(const ArchiveLock&) = delete;
    ArchiveLock& operator=(const ArchiveLock&) = delete;

    State acquire();
    void release();

    State state() const { return state_; }
    QString lockFilePath() const { return lockPath_; }
    qint64 ownerPid() const { return ownerPid_; }
    QString ownerHost() const { return ownerHost_; }

private:
    State lockOnce(bool& retry);
    void readOwner();
    void writeOwner();

    QString archive_;
    QString lockPath_;
    FileHandle locked_{-1}; // the file that carries the lock
    FileHandle owner_{-1};  // the lock file this process wrote or locked, to remove at the end
    State state_ = Unavailable;
    qint64 ownerPid_ = 0;
    QString ownerHost_;
};

} // namespace catalogue
