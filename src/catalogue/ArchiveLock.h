#pragma once

#include "catalogue/FileHandle.h"

#include <QString>

namespace catalogue {

// Keeps a second copy of the program off an archive that one copy has open. The lock is the
// system's lock on a file beside the archive, so it ends with its process however that ends: a
// lock file left by a crash is free again and is taken over without a question.
class ArchiveLock final
{
public:
    enum State
    {
        Held,       // this process has the archive to itself
        InUse,      // another process holds it: see ownerPid() and ownerHost()
        Unavailable // no lock file can be made (a write-protected folder); run without one
    };

    // archivePath is the archive itself; the lock file lies beside the file it finally names.
    explicit ArchiveLock(const QString& archivePath);
    ~ArchiveLock();
    ArchiveLock(const ArchiveLock&) = delete;
    ArchiveLock& operator=(const ArchiveLock&) = delete;

    State acquire();
    void release();

    State state() const { return state_; }
    QString lockFilePath() const { return path_; }
    qint64 ownerPid() const { return ownerPid_; }
    QString ownerHost() const { return ownerHost_; }

private:
    void readOwner(int fd);

    QString path_;
    FileHandle file_{-1};
    State state_ = Unavailable;
    qint64 ownerPid_ = 0;
    QString ownerHost_;
};

} // namespace catalogue
