#pragma once

#include <QtGlobal>

#include <cstddef>

namespace catalogue {

// Length-prefixed text: byte 0 holds the length, then up to N Windows-1252 characters.
// Bytes beyond the length are not part of the value.
template <std::size_t N> struct ShortString
{
    quint8 length;
    char chars[N];
};

// One film, or the placeholder of an empty cassette (filmLength 0).
// The first kRecordSize bytes are the archive image, byte for byte (little-endian);
// the list links of the catalogue live beside that image and never reach the disk.
struct FilmRecord
{
    ShortString<50> tapeName;
    quint8 reserved1;
    quint16 tapeLength;
    ShortString<70> filmName;
    quint8 reserved2;
    quint16 filmLength;
    quint16 year;
    ShortString<70> country;
    ShortString<70> director;
    ShortString<70> genre;
    char actors[401]; // zero-terminated, at most 400 characters
    char story[601];  // zero-terminated, at most 600 characters
    quint8 longplay;
    quint8 blackWhite;
    quint8 seen;
    quint8 deletable;
    quint8 reserved3[3];
    quint32 diskPrev; // the file's link fields: meaningless on disk, always written as zero
    quint32 diskNext;

    // Read-only for all but the catalogue, which links its own records.
    const FilmRecord* prev;
    const FilmRecord* next;

    bool isPlaceholder() const { return filmLength == 0; }
};

inline constexpr std::size_t kRecordSize = 1360;

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the record image is stored in host order");
static_assert(offsetof(FilmRecord, tapeName) == 0);
static_assert(offsetof(FilmRecord, reserved1) == 51);
static_assert(offsetof(FilmRecord, tapeLength) == 52);
static_assert(offsetof(FilmRecord, filmName) == 54);
static_assert(offsetof(FilmRecord, reserved2) == 125);
static_assert(offsetof(FilmRecord, filmLength) == 126);
static_assert(offsetof(FilmRecord, year) == 128);
static_assert(offsetof(FilmRecord, country) == 130);
static_assert(offsetof(FilmRecord, director) == 201);
static_assert(offsetof(FilmRecord, genre) == 272);
static_assert(offsetof(FilmRecord, actors) == 343);
static_assert(offsetof(FilmRecord, story) == 744);
static_assert(offsetof(FilmRecord, longplay) == 1345);
static_assert(offsetof(FilmRecord, blackWhite) == 1346);
static_assert(offsetof(FilmRecord, seen) == 1347);
static_assert(offsetof(FilmRecord, deletable) == 1348);
static_assert(offsetof(FilmRecord, reserved3) == 1349);
static_assert(offsetof(FilmRecord, diskPrev) == 1352);
static_assert(offsetof(FilmRecord, diskNext) == 1356);
static_assert(offsetof(FilmRecord, prev) >= kRecordSize);

} // namespace catalogue
