#include "storage/RecordStream.h"

#include "catalogue/Catalogue.h"
#include "storage/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace catalogue {

namespace {

constexpr qint64 kRecordBytes = static_cast<qint64>(kRecordSize);
constexpr qint64 kChunkBytes = (qint64{1} << 20) / kRecordBytes * kRecordBytes;

} // namespace

quint32 recordsChecksum(quint32 crc, const char* data, qint64 size)
{
    if (!data)
        return static_cast<quint32>(::crc32(0, Z_NULL, 0));
    // zlib takes 32-bit lengths; nothing may be dropped.
    while (size > 0) {
        const auto piece = static_cast<uInt>(std::min<qint64>(size, qint64{1} << 30));
        crc = static_cast<quint32>(::crc32(crc, reinterpret_cast<const Bytef*>(data), piece));
        data += piece;
        size -= piece;
    }
    return crc;
}

bool forEachRecordChunk(const Catalogue& catalogue, const std::function<bool(const char*, qint64)>& take)
{
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    qint64 held = 0;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        char* const image = buffer.get() + held;
        std::memcpy(image, r, kRecordSize);
        std::memset(image + offsetof(FilmRecord, diskPrev), 0, 2 * sizeof(quint32));
        held += kRecordBytes;
        if (held == kChunkBytes) {
            if (!take(buffer.get(), held))
                return false;
            held = 0;
        }
    }
    return held == 0 || take(buffer.get(), held);
}

DeflateWriter::DeflateWriter(int fd)
    : fd_(fd), out_(std::make_unique_for_overwrite<char[]>(kChunkBytes)), crc_(recordsChecksum(0, nullptr, 0))
{
    // The fastest level: record images are mostly padding, which it takes as well as any.
    ready_ = ::deflateInit(&stream_, Z_BEST_SPEED) == Z_OK;
}

DeflateWriter::~DeflateWriter()
{
    if (ready_)
        ::deflateEnd(&stream_);
}

bool DeflateWriter::add(const char* data, qint64 size)
{
    crc_ = recordsChecksum(crc_, data, size);
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream_.avail_in = static_cast<uInt>(size);
    return pump(Z_NO_FLUSH);
}

bool DeflateWriter::finish()
{
    return pump(Z_FINISH);
}

bool DeflateWriter::pump(int flush)
{
    if (!ready_) {
        errno = ENOMEM;
        return false;
    }
    for (;;) {
        stream_.next_out = reinterpret_cast<Bytef*>(out_.get());
        stream_.avail_out = static_cast<uInt>(kChunkBytes);
        const int result = ::deflate(&stream_, flush);
        const qint64 produced = kChunkBytes - stream_.avail_out;
        if (produced > 0 && !writeFully(fd_, out_.get(), produced))
            return false;
        if (result == Z_STREAM_END || (flush == Z_NO_FLUSH && stream_.avail_in == 0))
            return true;
        if (result != Z_OK && result != Z_BUF_ERROR) {
            errno = EIO;
            return false;
        }
    }
}

RecordsReader::RecordsReader(int fd, bool deflated)
    : fd_(fd), deflated_(deflated), in_(std::make_unique_for_overwrite<char[]>(kChunkBytes))
{
    ready_ = !deflated_ || ::inflateInit(&stream_) == Z_OK;
}

RecordsReader::~RecordsReader()
{
    if (deflated_ && ready_)
        ::inflateEnd(&stream_);
}

qint64 RecordsReader::read(char* data, qint64 size)
{
    if (!ready_) {
        errno = ENOMEM;
        return -1;
    }
    if (!deflated_)
        return readRaw(data, size);
    if (ended_)
        return 0;
    stream_.next_out = reinterpret_cast<Bytef*>(data);
    stream_.avail_out = static_cast<uInt>(size);
    while (stream_.avail_out > 0) {
        if (stream_.avail_in == 0) {
            const qint64 got = readRaw(in_.get(), kChunkBytes);
            if (got < 0)
                return -1;
            stream_.next_in = reinterpret_cast<Bytef*>(in_.get());
            stream_.avail_in = static_cast<uInt>(got);
        }
        const int result = ::inflate(&stream_, Z_NO_FLUSH);
        if (result == Z_STREAM_END) {
            ended_ = true;
            break;
        }
        if (result != Z_OK) {
            errno = EIO;
            return -1;
        }
    }
    return size - stream_.avail_out;
}

qint64 RecordsReader::readRaw(char* data, qint64 size)
{
    for (;;) {
        const ssize_t got = ::read(fd_, data, static_cast<std::size_t>(size));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

} // namespace catalogue
