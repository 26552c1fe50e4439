#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

// The few system calls the archive needs beyond QFile: exclusive creation, hard links, fsync of a
// folder, locks. A descriptor that closes itself, and the path and error texts they need.
namespace catalogue {

class FileHandle final
{
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Hands the descriptor over; this handle no longer closes it.
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// The path as the system's calls take it.
QByteArray nativePath(const QString& path);

// What went wrong, for an errno value: the usual reasons (no space, quota, read-only, permission, not
// found, a folder, an input/output error) in the program's language, anything rarer in the system's
// own words, such as "Too many open files".
QString systemErrorText(int error);

} // namespace catalogue
