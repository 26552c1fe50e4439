#pragma once

#include "catalogue/FilmRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace catalogue {

class Catalogue;

// Films that seem to be one film recorded more than once.
struct DuplicateGroup
{
    // The title as the group's first film has it, without the blanks around it.
    QString title;
    // The year of its films that have one; 0 when none of them has.
    int year = 0;
    // Two or more, in catalogue order.
    std::vector<const FilmRecord*> films;
};

// What a film's title is compared by: folded as the search folds it (FilmSearch.h), without the
// blanks around it.
QByteArray titleKey(const FilmRecord& film);

// Every group of films whose titles have one key and whose years agree, on one cassette or on several;
// a film without a title is never part of one. Each film stands in one group at most: the films of a
// title without a year go with its year that has most films (the earliest of equals), or form a group
// of their own when none of its films has a year. Groups come in title order (see nameCollator()), a
// title's groups by year.
std::vector<DuplicateGroup> findDuplicates(const Catalogue& catalogue);

} // namespace catalogue
