#pragma once

#include "catalogue/FilmRecord.h"

#include <vector>

// How a cassette's tape is taken up: what is free in either mode, and where each film lies.
namespace catalogue {

class Cassette;

// Minutes of a recording in the given mode (long-play takes half the tape) that the cassette's free
// tape still holds, rounded down; negative when the cassette is over-full.
qint64 freeMinutes(const Cassette& cassette, bool longplay);
// The same for a tape of tapeLength minutes whose films take usedHalfMinutes.
qint64 freeMinutes(int tapeLength, qint64 usedHalfMinutes, bool longplay);

// The cassette's last film, behind which the next recording goes; null while it holds none.
const FilmRecord* lastFilm(const Cassette& cassette);

// One film's stretch of tape.
struct TapeSegment
{
    const FilmRecord* film = nullptr;
    // Tape before it and tape it takes, in half-minutes: a minute of film takes two, one in long-play.
    qint64 tapeStart = 0;
    qint64 tapeLength = 0;
    // Where its counter range starts, in minutes of playing time (long-play counts in full).
    qint64 counterStart = 0;
};

// The films of a cassette in tape order, each with its stretch of tape; an empty cassette has none.
std::vector<TapeSegment> tapeSegments(const Cassette& cassette);

} // namespace catalogue
