#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace catalogue {

class Catalogue;

// How full a cassette's tape is: its films' tape against its length.
enum class Fullness
{
    UpToQuarter, // less than 25 %
    UpToHalf,    // 25 % up to less than 50 %
    UpToThreeQuarters,
    UpToFull, // 75 % up to exactly full
    OverFull, // more tape taken than the cassette has
};
inline constexpr int kFullnessBands = 5;

// The band of a cassette of tapeLength minutes whose films take usedHalfMinutes. A cassette of no
// length is empty while it holds nothing, else over-full.
Fullness fullnessOf(int tapeLength, qint64 usedHalfMinutes);

struct DecadeCount
{
    int firstYear = 0; // 1990 for the 1990s
    int films = 0;
};

// The collection in figures: what the statistics window and its printed page show. Plain counts, so
// that shares and hours are worked out (and rounded) where they are shown.
struct CollectionStatistics
{
    int cassettes = 0;
    int films = 0;
    // Playing time of every film, long-play ones in full.
    qint64 recordedMinutes = 0;
    // What the cassettes still hold, summed over those that are not over-full: in normal mode, and
    // in long-play, which fits twice as much on the same tape.
    qint64 freeMinutes = 0;
    qint64 freeLongPlayMinutes = 0;
    // The most films one cassette holds, and the first cassette (in catalogue order) holding them.
    int mostFilms = 0;
    QString mostFilmsTape;

    int longPlayFilms = 0;
    int blackWhiteFilms = 0;
    int seenFilms = 0;
    int deletableFilms = 0;

    // Films per genre, one count per name of the genre list given, in its order. A genre is that
    // name, or its name in another language given, when the two agree with letter case and the
    // blanks around them aside.
    std::vector<int> genreFilms;
    // The genres no list names, as users typed them: each as its first film has it, without the blanks
    // around it, in the order they were met; spellings that differ in letter case only are one genre.
    struct TypedGenre
    {
        QString name;
        int films = 0;
    };
    std::vector<TypedGenre> typedGenres;
    int noGenreFilms = 0; // no genre at all

    // Films per decade of production, oldest first. Decades between two that hold films are listed
    // with none, so that a chart's axis runs evenly, unless that would stretch it over more than
    // kMostFilledDecades (a year typed as 199 would spread it over eighteen centuries).
    std::vector<DecadeCount> decades;
    int unknownYearFilms = 0; // year 0: none stored

    // Cassettes per band of fullness, in the order of Fullness.
    std::array<int, kFullnessBands> fullness{};

    double averageFilms() const { return cassettes > 0 ? double(films) / cassettes : 0.0; }
};

inline constexpr int kMostFilledDecades = 30;

// The figures of the catalogue as it stands. genreNames: the genres counted, named in the language shown;
// each list of otherNames names the same genres, in the same order, in another language, so that a film
// of either language's genre counts under the name shown.
CollectionStatistics collectStatistics(const Catalogue& catalogue, const QStringList& genreNames,
                                       const std::vector<QStringList>& otherNames = {});

} // namespace catalogue
