#pragma once

#include "catalogue/Cassette.h"
#include "catalogue/FilmRecord.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

namespace catalogue {

// What operations of the catalogue did, one entry of its History, kept so that it can be taken back
// and made again exactly: Catalogue::revert() puts the very same records and cassettes back at their
// places with every byte they held, Catalogue::reapply() makes the change again on them. A change is
// reverted on the catalogue as it left it and reapplied on the catalogue as it found it (the history
// takes entries back newest first and makes them again oldest first); that is why a neighbour's
// address can stand for a place. Records and cassettes out of the catalogue belong to the change
// meanwhile.
class Change final
{
public:
    Change() = default;
    ~Change() = default;
    Change(Change&&) noexcept = default;
    Change& operator=(Change&&) noexcept = default;
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

    bool isEmpty() const { return steps_.empty(); }
    // Made in a batch: taken back and made again in one as well, so that the lists answer once.
    bool isBatched() const { return batched_; }

private:
    friend class Catalogue;
    friend class History;

    // Records out of the catalogue, with their places.
    struct Taken
    {
        // In the order they were taken out, each with its successor in the list at that moment.
        std::vector<std::pair<std::unique_ptr<FilmRecord>, const FilmRecord*>> records;
        // A cassette that kept other records, and the indices its lost records had, ascending.
        struct Places
        {
            Cassette* cassette = nullptr;
            std::vector<std::pair<std::size_t, FilmRecord*>> at;
        };
        std::vector<Places> places;
        // Cassettes that went with their last record, their records still filed under them; each
        // with its index among the catalogue's cassettes, ascending.
        std::vector<std::pair<std::size_t, std::unique_ptr<Cassette>>> cassettes;
    };
    // Records the change linked in (added) or took out; taken holds them while they are out.
    struct Records
    {
        bool added = false;
        std::vector<FilmRecord*> records;
        Taken taken;
    };
    // A record's whole image, swapped with the one the record carries at every revert and reapply.
    struct Image
    {
        explicit Image(FilmRecord& r) : record(&r), bytes(std::make_unique<std::array<char, kRecordSize>>())
        {
            std::memcpy(bytes->data(), &r, kRecordSize);
        }
        FilmRecord* record;
        // Apart from the step, so that the list of an import's thousands of steps stays small to grow.
        std::unique_ptr<std::array<char, kRecordSize>> bytes;
    };
    struct TapeFields
    {
        ShortString<50> name;
        quint16 length = 0;
    };
    // A cassette's records under a new name and length. A cassette that had the name joined it; it is
    // kept here, its records still filed under it, while it is out.
    struct Rename
    {
        Cassette* cassette = nullptr;
        std::vector<FilmRecord*> own; // the cassette's records before the rename
        std::vector<TapeFields> before;
        TapeFields after;
        Cassette* joined = nullptr; // the one of the two that went
        Cassette* kept = nullptr;   // the one that holds the records of both
        std::vector<FilmRecord*> joinedOrder; // the records of both, in list order, once joined
        std::size_t joinedAt = 0;
        std::unique_ptr<Cassette> joinedOut;
    };
    using Step = std::variant<Records, Image, Rename>;

    std::vector<Step> steps_;
    bool batched_ = false;
};

} // namespace catalogue
