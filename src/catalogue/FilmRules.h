#pragma once

#include "catalogue/FilmRecord.h"

#include <QtGlobal>

// What a film and a cassette may hold: the rules the film window and the cassette dialog apply to
// what a user enters, and the import to what a file brings.
namespace catalogue {

// Characters each text field takes (a memo counts a line break as two: it is stored as CR LF).
inline constexpr int kTapeNameCapacity = int(sizeof(FilmRecord::tapeName.chars));
inline constexpr int kTextCapacity = 70; // title, country, director, genre
inline constexpr int kActorsCapacity = 400;
inline constexpr int kStoryCapacity = 600;

// Year, film length and cassette length are 16-bit fields.
inline constexpr int kLargestNumber = 65535;

// A year of 0, or one beyond the field, would be stored as no year or as another one.
constexpr bool isValidYear(qint64 year)
{
    return year > 0 && year <= kLargestNumber;
}

// A film takes at least a minute of tape; film and cassette lengths share the rule.
constexpr bool isValidLength(qint64 minutes)
{
    return minutes > 0 && minutes <= kLargestNumber;
}

// The tape a film of lengthMinutes takes, in half-minutes: two a minute, one in long-play.
constexpr qint64 tapeHalfMinutes(qint64 lengthMinutes, bool longplay)
{
    return lengthMinutes * (longplay ? 1 : 2);
}

// True when a film of lengthMinutes (half as much tape in long-play) fits on a cassette of
// tapeLength minutes whose films already take usedHalfMinutes.
constexpr bool filmFits(int tapeLength, qint64 usedHalfMinutes, int lengthMinutes, bool longplay)
{
    const qint64 free = 2 * qint64{tapeLength} - usedHalfMinutes;
    return tapeHalfMinutes(lengthMinutes, longplay) <= free;
}

} // namespace catalogue
