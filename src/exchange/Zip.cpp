#include "exchange/Zip.h"

#include <QCoreApplication>
#include <QDateTime>

#include <limits>
#include <zlib.h>

namespace exchange {

namespace {

class Zip final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::Zip)

public:
    static QString damaged() { return tr("The zip archive is damaged or of a kind that cannot be read."); }
};

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr qsizetype kLocalHeaderSize = 30;
constexpr qsizetype kCentralHeaderSize = 46;
constexpr qsizetype kEndSize = 22;
constexpr quint16 kVersion = 20; // deflate, as every unzip reads it
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
// No entry of ours is larger than the largest file the program reads.
constexpr quint32 kLargestEntry = 1u << 30;

void put16(QByteArray& out, quint32 value)
{
    out.append(char(value & 0xff)).append(char((value >> 8) & 0xff));
}

void put32(QByteArray& out, quint32 value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

quint32 get16(const QByteArray& in, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return quint32(static_cast<unsigned char>(in[at + i])); };
    return byte(0) | byte(1) << 8;
}

quint32 get32(const QByteArray& in, qsizetype at)
{
    return get16(in, at) | get16(in, at + 2) << 16;
}

quint32 crcOf(const QByteArray& data)
{
    return quint32(
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
}

// Raw deflate, as a zip entry holds it. The fastest level: a catalogue's XML shrinks to a fifth even so,
// and the export of a large one stays quick.
std::optional<QByteArray> deflated(const QByteArray& data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return std::nullopt;
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return std::nullopt;
    return out;
}

std::optional<QByteArray> inflated(const char* data, qsizetype size, quint32 expected)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray out(qsizetype(expected), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream.avail_in = uInt(size);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool complete = result == Z_STREAM_END && stream.total_out == expected;
    inflateEnd(&stream);
    if (!complete)
        return std::nullopt;
    return out;
}

// The MS-DOS time and date of a zip entry.
std::pair<quint16, quint16> dosTime(const QDateTime& when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    const int year = qBound(1980, date.year(), 2107);
    return {quint16(time.hour() << 11 | time.minute() << 5 | time.second() / 2),
            quint16((year - 1980) << 9 | date.month() << 5 | date.day())};
}

} // namespace

QByteArray zipSingleFile(const QString& name, const QByteArray& data)
{
    const QByteArray fileName = name.toUtf8();
    const std::optional<QByteArray> packed = deflated(data);
    const quint16 method = packed ? kDeflated : kStored;
    const QByteArray& body = packed ? *packed : data;
    const quint32 crc = crcOf(data);
    const auto [time, date] = dosTime(QDateTime::currentDateTime());
    const auto common = [&](QByteArray& out) {
        put16(out, kVersion);
        put16(out, 0); // no flags
        put16(out, method);
        put16(out, time);
        put16(out, date);
        put32(out, crc);
        put32(out, quint32(body.size()));
        put32(out, quint32(data.size()));
        put16(out, quint32(fileName.size()));
        put16(out, 0); // no extra field
    };

    QByteArray zip;
    zip.reserve(body.size() + 2 * fileName.size() + kLocalHeaderSize + kCentralHeaderSize + kEndSize);
    put32(zip, kLocalHeader);
    common(zip);
    zip.append(fileName).append(body);

    const qsizetype directory = zip.size();
    put32(zip, kCentralHeader);
    put16(zip, kVersion); // made by: MS-DOS attributes, which every unzip reads
    common(zip);
    put16(zip, 0); // no comment
    put16(zip, 0); // disk 0
    put16(zip, 0); // internal attributes
    put32(zip, 0); // external attributes
    put32(zip, 0); // the local header's offset
    zip.append(fileName);

    const qsizetype directorySize = zip.size() - directory;
    put32(zip, kEndOfDirectory);
    put16(zip, 0);
    put16(zip, 0);
    put16(zip, 1);
    put16(zip, 1);
    put32(zip, quint32(directorySize));
    put32(zip, quint32(directory));
    put16(zip, 0);
    return zip;
}

bool looksLikeZip(const QByteArray& bytes)
{
    return bytes.size() >= 4 && get32(bytes, 0) == kLocalHeader;
}

UnzippedFile unzipFile(const QByteArray& zip, const QString& name)
{
    // The end record stands last, behind a comment of at most 64 KiB.
    qsizetype end = zip.size() - kEndSize;
    const qsizetype lowest = std::max<qsizetype>(0, end - 0xffff);
    while (end >= lowest && get32(zip, end) != kEndOfDirectory)
        --end;
    if (end < lowest)
        return {{}, Zip::damaged()};
    const quint32 entries = get16(zip, end + 10);
    qsizetype at = get32(zip, end + 16);
    const QByteArray wanted = name.toUtf8();
    for (quint32 i = 0; i < entries; ++i) {
        if (at < 0 || at + kCentralHeaderSize > end || get32(zip, at) != kCentralHeader)
            return {{}, Zip::damaged()};
        const quint32 flags = get16(zip, at + 8);
        const quint32 method = get16(zip, at + 10);
        const quint32 crc = get32(zip, at + 16);
        const quint32 packedSize = get32(zip, at + 20);
        const quint32 size = get32(zip, at + 24);
        const qsizetype nameSize = get16(zip, at + 28);
        const qsizetype skip = nameSize + get16(zip, at + 30) + get16(zip, at + 32);
        const qsizetype local = get32(zip, at + 42);
        if (at + kCentralHeaderSize + nameSize > end)
            return {{}, Zip::damaged()};
        if (zip.mid(at + kCentralHeaderSize, nameSize) != wanted) {
            at += kCentralHeaderSize + skip;
            continue;
        }
        // Encrypted entries, and sizes kept in zip64 records, are beyond this reader.
        if ((flags & 1) || size > kLargestEntry || (method != kStored && method != kDeflated) ||
            local + kLocalHeaderSize > zip.size() || get32(zip, local) != kLocalHeader)
            return {{}, Zip::damaged()};
        const qsizetype data = local + kLocalHeaderSize + get16(zip, local + 26) + get16(zip, local + 28);
        if (data + qsizetype(packedSize) > zip.size())
            return {{}, Zip::damaged()};
        std::optional<QByteArray> content = method == kStored
                                                ? std::optional<QByteArray>(zip.mid(data, packedSize))
                                                : inflated(zip.constData() + data, packedSize, size);
        if (!content || content->size() != qsizetype(size) || crcOf(*content) != crc)
            return {{}, Zip::damaged()};
        return {std::move(*content), {}};
    }
    return {{}, Zip::tr("The zip archive holds no file \"%1\".").arg(name)};
}

} // namespace exchange
