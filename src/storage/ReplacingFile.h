#pragma once

#include "catalogue/ArchiveFiles.h"
#include "storage/FileHandle.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

namespace catalogue {

// A file the program writes for the user (CSV, PDF, labels), replaced whole or not at all. The bytes
// go to a new file beside the target, which takes the target's place only when every byte is on the
// disk; where the folder refuses new files but the target itself may be written, the target is
// written in place once its new size has been reserved, so a full disk fails before a byte changes.
// Every write is checked, and commit() says why it failed: a failure leaves the target as it was.
// A target that exists and is no plain file (a folder, a FIFO, a device) is refused, never replaced,
// and so is one of the files that keep the archive in use safe (see ArchiveFiles): every writer is
// told which archive that is, so none can forget it.
class ReplacingFile final : public QIODevice
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReplacingFile)

public:
    // archive: the archive in use, whose files path must not be; an empty one where there is none.
    ReplacingFile(const QString& path, const ArchiveFiles& archive, QObject* parent = nullptr);
    ~ReplacingFile() override;

    // Only QIODevice::WriteOnly. False, with errorString() set, when the target cannot be written.
    bool open(OpenMode mode) override;
    // Puts the written bytes in the target's place; false, with errorString() set, when any step
    // failed. The device is closed afterwards either way.
    bool commit();
    // Drops everything written; the target stays as it was.
    void discard();

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool flushBuffer();
    bool commitInPlace();
    void fail(const QString& reason);

    QString path_;     // the real file behind any links
    QString tempPath_; // empty when written in place
    ArchiveFiles archive_;
    FileHandle file_{-1};
    QByteArray buffer_;
    std::optional<QString> failure_;
    bool inPlace_ = false;
};

// Writes bytes to path through a ReplacingFile; the reason when that failed.
std::optional<QString> replaceFile(const QString& path, const ArchiveFiles& archive, const QByteArray& bytes);

// Writes bytes to the standard output; the reason when that failed (a closed pipe, a full disk).
std::optional<QString> writeStandardOutput(const QByteArray& bytes);

} // namespace catalogue
