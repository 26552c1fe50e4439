#pragma once

#include "catalogue/FilmRecord.h"

#include <QString>

#include <span>
#include <vector>

namespace catalogue {

class Catalogue;

// What tells two catalogues apart, as a user reads it: tapes and films added, removed or changed. Used
// to show what bringing back an earlier save would undo.
struct CatalogueDifferences
{
    enum class Kind
    {
        Added,
        Removed,
        Changed
    };

    // A tape is the records of one name, byte for byte. Changed: its length or any of its films.
    struct Tape
    {
        Kind kind;
        QString name;
        int lengthBefore = 0; // 0 where the tape was not there
        int lengthAfter = 0;
        int filmsBefore = 0;
        int filmsAfter = 0;
    };

    // A film is known by its tape and its title; copies of one title on one tape pair up in their
    // order. Changed: any of its other fields. The records belong to the catalogues compared.
    struct Film
    {
        Kind kind;
        QString tape;
        QString title;
        const FilmRecord* before = nullptr; // null when added
        const FilmRecord* after = nullptr;  // null when removed
    };

    // Tapes in the order the later catalogue lists them, then the ones it no longer has; films tape
    // by tape in the same order.
    std::vector<Tape> tapes;
    std::vector<Film> films;

    bool isEmpty() const { return tapes.empty(); }
};

// before and after in catalogue order; placeholders of empty tapes count for their tape only.
CatalogueDifferences compareCatalogues(std::span<const FilmRecord* const> before,
                                       std::span<const FilmRecord* const> after);

// The records of a catalogue from head to tail, for compareCatalogues().
std::vector<const FilmRecord*> recordsOf(const Catalogue& catalogue);

} // namespace catalogue
