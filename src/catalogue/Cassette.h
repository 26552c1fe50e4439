#pragma once

#include "catalogue/FilmRecord.h"

#include <QString>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// One cassette: every record that carries one name, byte for byte, in catalogue order, the
// placeholder of an empty cassette included. The catalogue owns it and keeps its counts; the object
// stays the same for the cassette's whole life, through renames and changes of its films, and an undo
// that brings the cassette back brings this object, so it identifies the cassette to the windows.
class Cassette final
{
public:
    explicit Cassette(std::string_view nameBytes);

    // The stored name's bytes: the key that groups records into this cassette.
    std::string_view nameBytes() const { return nameBytes_; }
    QString name() const;
    // The length its first record carries, as every count of the cassette takes it.
    int length() const;
    int filmCount() const { return filmCount_; }
    // Tape its films take, in half-minutes: two a minute, one in long-play.
    qint64 usedHalfMinutes() const { return usedHalfMinutes_; }
    // The free half-minutes halved toward zero; negative when over-full.
    int remainingMinutes() const;
    // The minutes its films take, as remainingMinutes() counts them: the length less those. No
    // shorter length holds its films.
    int usedMinutes() const;

    // Its index in Catalogue::cassettes(), kept up to date by the catalogue.
    std::size_t position() const { return position_; }

    std::span<const FilmRecord* const> records() const { return records_; }
    const FilmRecord* firstRecord() const { return records_.front(); }

    // The index-th record (1-based, in catalogue order); null when there is none.
    const FilmRecord* recordAt(int index) const;
    // The place of r among the films, counted up to and including it; 0 for a placeholder or a
    // record of another cassette.
    int filmIndexOf(const FilmRecord* r) const;
    // Minutes of tape before the index-th record: the lengths of the records before it, as they
    // stand (long-play counts in full). With index 0 or beyond the end, the length of all of them.
    qint64 minutesBefore(int index) const;

    // True when a film of lengthMinutes fits on the tape left, with `leaving` (a film being changed)
    // no longer counted.
    bool fits(int lengthMinutes, bool longplay, const FilmRecord* leaving = nullptr) const;

private:
    friend class Catalogue;

    void add(FilmRecord* r, std::size_t at);
    void remove(std::size_t at);
    void count(const FilmRecord& r, int sign);
    void recount();

    std::string nameBytes_;
    std::size_t position_ = 0;
    std::vector<FilmRecord*> records_;
    int filmCount_ = 0;
    qint64 usedHalfMinutes_ = 0;
    bool told_ = false; // marks it while the catalogue tells its changes, once each
};

// A place on the tape in playing time, "hh:mm"; hours take as many digits as they need.
QString counterPosition(qint64 minutes);
// A film's place on the tape in playing time, "hh:mm-hh:mm": from start to start + length minutes.
QString counterRange(qint64 startMinutes, qint64 lengthMinutes);

} // namespace catalogue
