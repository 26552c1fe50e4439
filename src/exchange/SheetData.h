#pragma once

#include <QString>

#include <vector>

namespace catalogue {
class Catalogue;
struct FilmRecord;
} // namespace catalogue

// What a printed sheet shows of the catalogue: plain values, taken from the records in one walk.
namespace exchange {

struct SheetFilm
{
    qint64 startMinutes = 0; // where the film starts on the tape, in playing time
    int length = 0;
    QString title;
    int year = 0;
    bool longPlay = false;
    QString genre;
    QString director;
};

struct SheetCassette
{
    QString name;
    int length = 0;
    int remainingMinutes = 0;
    std::vector<SheetFilm> films; // in tape order
};

// The cassette anchor belongs to, with its films in tape order.
SheetCassette gatherCassette(const catalogue::Catalogue& catalogue, const catalogue::FilmRecord& anchor);

// Every cassette of the catalogue, in the order of its first record (the order of the main window's
// list), each with its films in tape order. One walk, however many cassettes there are.
std::vector<SheetCassette> gatherCatalogue(const catalogue::Catalogue& catalogue);

} // namespace exchange
