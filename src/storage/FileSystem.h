#pragma once

#include "storage/FileHandle.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// What every file the program writes or reads on the user's behalf goes through: the real file
// behind a chain of links, new files of a name no other writer uses, a folder made durable, and
// reading a file only when it is a plain file of sensible size.
namespace catalogue {

// The file that path finally names, with every symbolic link along it followed, so that a save
// replaces the file and leaves the link in place.
QString realFilePath(const QString& path);

// Creates a file that did not exist, for writing, named path + ".~rm" + infix + 16 random hex digits
// (infix such as ".new-"). An interrupted writer's leftover therefore never collides with the file of
// another, and no person would choose such a name. created receives the name.
FileHandle createUnique(const QString& path, const QString& infix, QString& created);

// True when fileName is exactly what createUnique(folder + base, infix, ...) makes: the marker, the
// infix, then 16 lowercase hex digits. Only such names may be removed without asking anyone.
bool isUniqueName(QStringView fileName, QStringView base, QStringView infix);

// The file at path as the system knows it, whatever name or link leads to it: its device and inode,
// and where the file system records it, the time it was made, which tells a later file that got the
// same inode number from this one. Lowercase hex, "<device>-<inode>[-<birth>]"; empty when there is
// no such file.
QString fileIdentity(const QString& path);

// Makes a rename in folder durable. Best effort: some file systems cannot sync a folder.
void syncFolder(const QString& folder);

// The reason given for something that exists where a plain file belongs: a folder, a FIFO, a device.
QString notRegularFileText(mode_t mode);

// True when path converts to the bytes the system knows it by and back without a change: a name
// holding bytes that are not valid text in the system's encoding cannot be opened by its QString.
bool isRepresentablePath(const QByteArray& nativeName);

// Reserves the disk blocks for the first size bytes of the open file without changing its size or
// contents, so that writing them later cannot run out of room; 0, or the errno value of the failure.
int reserveSpace(int fd, qint64 size);

// Writes every byte or fails; errno tells why.
bool writeFully(int fd, const char* data, qint64 size);

struct FileContents
{
    QByteArray bytes;
    QString error; // empty when the whole file was read
};

// A file that someone chose to read: only a plain file, opened without blocking (a FIFO or a device
// never hangs the program), and only up to limit bytes, beyond which no catalogue reaches.
inline constexpr qint64 kReadLimit = qint64{1} << 30;
FileContents readRegularFile(const QString& path, qint64 limit = kReadLimit);

} // namespace catalogue
