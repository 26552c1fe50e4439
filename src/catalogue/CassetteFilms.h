#pragma once

#include "catalogue/FilmRecord.h"

#include <QString>

#include <vector>

namespace catalogue {

class Catalogue;

// The records of one cassette in catalogue order, gathered in one walk, so that stepping through
// its films costs nothing however large the catalogue is. Gathered again after every change.
class CassetteFilms final
{
public:
    // Every record that carries anchor's tapeName, the placeholder of an empty cassette included.
    CassetteFilms(const Catalogue& catalogue, const FilmRecord& anchor);

    // Films of the cassette: its records with a length.
    int filmCount() const { return filmCount_; }
    // 1-based place of the anchor among the cassette's films, counted up to and including it; 0 for
    // an empty cassette's placeholder.
    int anchorIndex() const { return anchorIndex_; }

    // The index-th record of the cassette (1-based); null when there is none.
    FilmRecord* recordAt(int index) const;

    // Minutes of tape before the index-th record: the lengths of the records before it, as they
    // stand (long-play counts in full). With index 0 or beyond the end, the length of all of them.
    qint64 minutesBefore(int index) const;

private:
    std::vector<FilmRecord*> records_;
    std::vector<qint64> startMinutes_; // startMinutes_[i]: minutes before records_[i]; one more at the end
    int filmCount_ = 0;
    int anchorIndex_ = 0;
};

// A film's place on the tape in playing time, "hh:mm-hh:mm": from start to start + length minutes.
// Hours take as many digits as they need.
QString counterRange(qint64 startMinutes, qint64 lengthMinutes);

} // namespace catalogue
