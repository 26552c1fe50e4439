#pragma once

#include <QString>

class QFile;

namespace catalogue {

// The steps of a save that put bytes into the new archive file. saveArchive uses this plain one;
// a derived target can make a write or the final sync fail, to prove a failed save harms nothing.
class SaveTarget
{
public:
    SaveTarget() = default;
    virtual ~SaveTarget() = default;
    SaveTarget(const SaveTarget&) = delete;
    SaveTarget& operator=(const SaveTarget&) = delete;

    // True when all size bytes were written.
    virtual bool write(QFile& file, const char* data, qint64 size);

    // Pushes everything written through every buffer onto the disk itself.
    virtual bool sync(QFile& file);

    // Where the generations of a good save are kept (Generations::defaultRoot()); none where empty.
    virtual QString generationsRoot() const;
};

} // namespace catalogue
