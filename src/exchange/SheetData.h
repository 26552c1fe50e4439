#pragma once

#include <QString>

#include <vector>

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue

// What a printed sheet shows of the catalogue: plain values, taken from its cassettes.
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

// One cassette with its films in tape order; its numbers are those the main window shows.
SheetCassette gatherCassette(const catalogue::Cassette& cassette);

// Every cassette of the catalogue, in the order of its first record (the order of the main window's
// list), each with its films in tape order.
std::vector<SheetCassette> gatherCatalogue(const catalogue::Catalogue& catalogue);

} // namespace exchange
