#pragma once

#include "catalogue/ArchiveFiles.h"
#include "catalogue/Cassette.h"
#include "catalogue/Change.h"
#include "catalogue/Film.h"
#include "catalogue/FilmRecord.h"
#include "catalogue/History.h"

#include <QObject>
#include <QString>
#include <QStringView>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace catalogue {

// The stored bytes of r's tapeName; a damaged length byte never reaches beyond the field. The key
// that groups records into cassettes.
std::string_view tapeNameBytes(const FilmRecord& r);

// True when both records carry the same tapeName, byte for byte (case-sensitive, no trimming).
bool sameTape(const FilmRecord& a, const FilmRecord& b);

// Half-minutes of tape that one minute of r occupies: 2 normally, 1 in long-play.
int timeFactor(const FilmRecord& r);

// Remaining minutes of a cassette of tapeLength minutes whose films take usedHalfMinutes: the free
// half-minutes halved toward zero, negative when over-full, clamped to int.
int remainingMinutes(int tapeLength, qint64 usedHalfMinutes);

// Copies what a user or a file gives a film (title, year, country, length, director, actors, genre,
// story and the four flags) from `from` into `to`; the cassette's name and length, the reserved
// bytes and the links of `to` stay as they are.
void copyFilmFields(FilmRecord& to, const FilmRecord& from);

// All film records of the archive in one doubly linked list, in archive order, and the cassettes
// they form. Every change of a record goes through the operations here, which keep the cassettes'
// counts and the film total, record what takes them back in the history and tell whoever listens:
// windows and lists follow the signals. Others see records and cassettes only as const.
//
// The catalogue owns every record; a record never moves, so its address identifies it for the whole
// run, and a Cassette object identifies its cassette.
class Catalogue final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Catalogue)

public:
    // While one lives, the operations hold back cassetteAdded, cassetteChanged, filmChanged and
    // totalsChanged; when the outermost one ends, batchFinished() tells that they happened, once, so
    // that a list answers an import of thousands of cassettes with one pass. What is about to go is
    // still told at once: a listener must let go of it while it is whole.
    class Batch final
    {
        Q_DISABLE_COPY_MOVE(Batch)

    public:
        explicit Batch(Catalogue& catalogue) : Batch(catalogue, true) {}
        ~Batch();

    private:
        friend class Catalogue;
        Batch(Catalogue& catalogue, bool holdsBack);

        Catalogue& catalogue_;
        const bool holdsBack_;
    };

    explicit Catalogue(QObject* parent = nullptr);
    ~Catalogue() override;

    // The one catalogue of the running program.
    static Catalogue& instance();

    // The archive the records were read from, set by loadArchive(); what a file written for the user
    // must not replace. Empty for a catalogue read from no archive.
    const ArchiveFiles& archiveFiles() const { return archiveFiles_; }
    void setArchiveFiles(const ArchiveFiles& files) { archiveFiles_ = files; }

    const FilmRecord* head() const { return head_; }
    const FilmRecord* tail() const { return tail_; }
    bool isEmpty() const { return head_ == nullptr; }
    qsizetype recordCount() const { return recordCount_; }
    // Records that hold a film, whatever their cassette.
    qint32 filmTotal() const { return filmTotal_; }

    // Every cassette, in the order of its first appearance in the list.
    std::span<const Cassette* const> cassettes() const;
    // The cassette of exactly this stored name; null when there is none.
    const Cassette* cassette(std::string_view nameBytes) const;
    // The cassette whose name text is exactly name (case-sensitive); null when there is none.
    const Cassette* findCassette(QStringView name) const;
    const Cassette* cassetteOf(const FilmRecord& r) const { return cassette(tapeNameBytes(r)); }

    // What the operations below did, to take back and make again.
    History& history() { return history_; }
    const History& history() const { return history_; }

    // A fresh record, every byte zero, not yet linked.
    static std::unique_ptr<FilmRecord> newRecord();

    // Links a record behind the last one, without a signal: for reading an archive, before anyone
    // listens. The cassettes of records read into an empty catalogue are found in one walk when they
    // are first asked for, so that the records lie together in memory and a walk over them stays fast.
    FilmRecord* appendRecord(std::unique_ptr<FilmRecord> record);
    // Frees every record and clears the history; the catalogue is empty. Tells historyCleared() and
    // catalogueReset().
    void releaseAll();

    // A new, empty cassette: its placeholder record behind the last record. A name some cassette
    // already has adds the placeholder to that cassette, as the archive would read it.
    //
    // Each operation records in the history what takes it back exactly. One that fails for want of
    // memory leaves the catalogue and its history as they were.
    const Cassette* createCassette(QStringView name, int length);
    // Every record of the cassette takes the new name (cut to the field) and length. Should another
    // cassette already have the name, the two become one, the one of them that comes first in
    // cassettes(), as the first row of the name in a list that is never re-sorted shows it; the
    // other's records keep their lengths. Returns the cassette that now holds the records.
    const Cassette* renameCassette(const Cassette& cassette, QStringView name, int length);
    // Takes every record of the cassette out; the cassette goes with them.
    void removeCassette(const Cassette& cassette);

    // Adds the film to the cassette: into the placeholder of an empty cassette, before the record
    // `before` of the cassette when one is given, else behind the cassette's last record. Returns the
    // film's record.
    const FilmRecord* addFilm(const Cassette& cassette, const Film& film, const FilmRecord* before = nullptr);
    // Adds ready records as films behind the cassette's last record (the first one into the
    // placeholder of an empty cassette), each taking the cassette's name and length: many at once,
    // told once.
    void appendFilms(const Cassette& cassette, std::vector<std::unique_ptr<FilmRecord>> films);
    // Every record goes and records take their place, in their order, as one operation that an undo
    // takes back: an earlier save brought back. Told as a batch.
    void replaceRecords(std::vector<std::unique_ptr<FilmRecord>> records);
    // Gives a film new fields; its cassette's name and length stay.
    void updateFilm(const FilmRecord& record, const Film& film);
    // Takes a film away; the last film of a cassette stays as its placeholder.
    void removeFilm(const FilmRecord& film);

Q_SIGNALS:
    // Everything is new: the records were replaced or released.
    void catalogueReset();
    void cassetteAdded(const catalogue::Cassette* cassette);
    // Its name, length, films or counts changed.
    void cassetteChanged(const catalogue::Cassette* cassette);
    // Still whole when told; the object is gone afterwards.
    void cassetteAboutToBeRemoved(const catalogue::Cassette* cassette);
    void cassetteRemoved();
    void filmChanged(const catalogue::FilmRecord* film);
    // A film is about to go, or its record to become its cassette's placeholder.
    void filmAboutToBeRemoved(const catalogue::FilmRecord* film);
    // The record count, the film total or the number of cassettes changed.
    void totalsChanged();
    // The outermost batch ended: cassettes may have come and changed, films changed and the totals
    // with them, untold one by one. Told before changesFinished().
    void batchFinished();
    // An operation done outside a batch, or the outermost batch, has ended and told all it tells: the
    // moment for a listener that gathers changes to answer them once.
    void changesFinished();
    // The history lost every entry: nothing is left to take back or make again.
    void historyCleared();

private:
    friend class History;

    struct NameHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
    };
    using CassetteMap = std::unordered_map<std::string, std::unique_ptr<Cassette>, NameHash, std::equal_to<>>;

    // Cassettes whose records or counts changed, told together once the work is done.
    struct Notes
    {
        std::vector<Cassette*> changed;
    };

    // The catalogue's own, changeable record or cassette behind what it handed out as const.
    static FilmRecord& own(const FilmRecord& r) { return const_cast<FilmRecord&>(r); }
    static Cassette& own(const Cassette& c) { return const_cast<Cassette&>(c); }
    Cassette* ownCassetteOf(const FilmRecord& r) const;

    void link(FilmRecord* r, const FilmRecord* before);
    void unlink(FilmRecord* r);
    // Files r under its cassette at its place in catalogue order; the cassette, and whether it is new.
    std::pair<Cassette*, bool> file(FilmRecord* r, const FilmRecord* before) const;
    void ensureIndexed() const;
    void countFilm(const FilmRecord& r, int sign);
    void renumber(std::size_t from);
    // Gives the cassette its new name, key and name made beforehand.
    void rekey(Cassette& cassette, std::string key, std::string name);
    std::unique_ptr<Cassette> detach(Cassette& cassette);
    void reinstate(std::unique_ptr<Cassette> cassette, std::size_t at);

    // Takes records out of the list and their cassettes, telling first what goes; a cassette losing
    // every record goes with them, its records still filed under it.
    Change::Taken takeOut(const std::vector<FilmRecord*>& records, Notes& notes);
    // Takes back what the operations recorded in change did, the newest step first, on the catalogue
    // as they left it; and makes it again on the catalogue as they found it.
    void revert(Change& change);
    void reapply(Change& change);
    // Puts records taken out back at their places, their cassettes with them.
    void putBack(Change::Taken& taken, Notes& notes);
    void swapImage(Change::Image& image, Notes& notes);
    // Gives the cassette's records the new name and length, joining a cassette of that name.
    void rename(Change::Rename& rename, std::string key, std::string name);
    void unrename(Change::Rename& rename);
    void tell(const Notes& notes);
    // False inside a batch, where the per-item signals are held back.
    bool tellsEachItem() const { return batchesHolding_ == 0; }

    int scopesOpen_ = 0;
    int batchesHolding_ = 0;
    bool batched_ = false;

    ArchiveFiles archiveFiles_;
    FilmRecord* head_ = nullptr;
    FilmRecord* tail_ = nullptr;
    qsizetype recordCount_ = 0;
    qint32 filmTotal_ = 0;
    // The cassette index: built from the records at first use, then kept by every operation.
    mutable CassetteMap byName_;
    mutable std::vector<Cassette*> order_;
    mutable bool indexed_ = false;
    History history_{*this};
};

} // namespace catalogue
