#pragma once

#include "catalogue/Change.h"

#include <cstddef>
#include <vector>

namespace catalogue {

class Catalogue;

// Everything the catalogue's operations did since the records were read, each operation (or each
// group of them) one entry that takes it back exactly and makes it again. The catalogue records
// every operation here itself, so no change can be missed, and clears the history when its records
// are released or read anew (Catalogue::historyCleared()).
//
// Entries are taken back newest first and made again oldest first; a new operation after an undo
// drops the entries that could have been made again, as an undo stack drops its redo steps.
class History final
{
public:
    // While one lives, every operation of the catalogue joins one entry: many changes, one step to
    // take back. Groups nest; the outermost one closes the entry. An entry that changed nothing is
    // not kept.
    class Group final
    {
    public:
        explicit Group(History& history);
        ~Group();
        Group(const Group&) = delete;
        Group& operator=(const Group&) = delete;

    private:
        History& history_;
    };

    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Entries before index() are made; those from it on were taken back and can be made again.
    std::size_t index() const { return index_; }
    std::size_t count() const { return entries_.size(); }
    bool canUndo() const { return index_ > 0 && opened_ == 0; }
    bool canRedo() const { return index_ < entries_.size() && opened_ == 0; }

    // Takes back the entry before index(), or makes again the one at it; the usual signals of the
    // catalogue tell what changed. Nothing happens when there is no such entry.
    void undo();
    void redo();
    // Forgets every entry; the catalogue tells historyCleared().
    void clear();

private:
    friend class Catalogue;

    explicit History(Catalogue& catalogue) : catalogue_(catalogue) {}
    ~History() = default;

    void open();
    void close() noexcept;
    // The entry the running operations record into; only while a group is open.
    Change& recording() { return recording_; }

    Catalogue& catalogue_;
    std::vector<Change> entries_;
    std::size_t index_ = 0;
    Change recording_;
    int opened_ = 0;
};

} // namespace catalogue
