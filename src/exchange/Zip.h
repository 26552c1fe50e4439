#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The few bytes of a zip archive that a single-file exchange format needs: one entry written, one
// read. No other feature of the format (several disks, encryption, zip64) is supported.
namespace exchange {

// A zip archive holding data as its only entry, name, deflated, with the time of writing.
QByteArray zipSingleFile(const QString& name, const QByteArray& data);

// True when bytes start as a zip archive does.
bool looksLikeZip(const QByteArray& bytes);

struct UnzippedFile
{
    QByteArray data;
    QString error; // empty when data holds the entry
};

// The entry name of the zip archive zip, checked against its CRC-32; stored and deflated entries
// are read. The error says why it cannot be read, or that there is no such entry.
UnzippedFile unzipFile(const QByteArray& zip, const QString& name);

} // namespace exchange
