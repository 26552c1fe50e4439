#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>
#include <zlib.h>

namespace catalogue {

class Catalogue;

// The CRC-32 of record images, continued from crc; data null gives the starting value.
quint32 recordsChecksum(quint32 crc, const char* data, qint64 size);

// Feeds every record image of the catalogue, with zero link fields as the archive holds them, to take
// in pieces of whole records of about 1 MB; false as soon as take is.
bool forEachRecordChunk(const Catalogue& catalogue, const std::function<bool(const char*, qint64)>& take);

// Record images into a zlib stream on an open file, with the CRC-32 of the images.
class DeflateWriter final
{
public:
    explicit DeflateWriter(int fd);
    ~DeflateWriter();
    DeflateWriter(const DeflateWriter&) = delete;
    DeflateWriter& operator=(const DeflateWriter&) = delete;

    // False with errno set when a write failed.
    bool add(const char* data, qint64 size);
    bool finish();
    quint32 crc() const { return crc_; }

private:
    bool pump(int flush);

    int fd_;
    std::unique_ptr<char[]> out_;
    z_stream stream_ = {};
    bool ready_ = false;
    quint32 crc_;
};

// Reads the records of an open file, stored as they are or as a zlib stream, in pieces.
class RecordsReader final
{
public:
    RecordsReader(int fd, bool deflated);
    ~RecordsReader();
    RecordsReader(const RecordsReader&) = delete;
    RecordsReader& operator=(const RecordsReader&) = delete;

    // Up to size bytes into data: how many, 0 at the end, -1 with errno set on a failure (a stream
    // cut short or garbled is one).
    qint64 read(char* data, qint64 size);

private:
    qint64 readRaw(char* data, qint64 size);

    int fd_;
    bool deflated_;
    std::unique_ptr<char[]> in_;
    z_stream stream_ = {};
    bool ready_ = false;
    bool ended_ = false;
};

} // namespace catalogue
