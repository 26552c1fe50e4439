#pragma once

#include "catalogue/FilmRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <string_view>

namespace catalogue {

// Film count and remaining recording time of one cassette.
struct TapeSummary
{
    int filmCount = 0;
    int remainingMinutes = 0;
};

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

// True when r's tapeName text equals name exactly (case-sensitive).
bool hasTapeName(const FilmRecord& r, QStringView name);

// All film records of the archive in one doubly linked list, in archive order. The catalogue owns
// every record; a record never moves, so its address identifies it for the whole run.
class Catalogue final
{
public:
    Catalogue() = default;
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // The one catalogue of the running program.
    static Catalogue& instance();

    FilmRecord* head() const { return head_; }
    FilmRecord* tail() const { return tail_; }
    FilmRecord* cursor() const { return cursor_; }
    void setCursor(FilmRecord* r) { cursor_ = r; }
    qint32 filmTotal() const { return filmTotal_; }
    void setFilmTotal(qint32 total) { filmTotal_ = total; }
    bool isEmpty() const { return head_ == nullptr; }
    qsizetype recordCount() const { return recordCount_; }

    // A fresh record, every byte zero, not yet linked.
    static std::unique_ptr<FilmRecord> newRecord();

    FilmRecord* appendRecord(std::unique_ptr<FilmRecord> n);
    FilmRecord* insertAfterCassette(FilmRecord* r, std::unique_ptr<FilmRecord> n);
    FilmRecord* insertBefore(FilmRecord* x, std::unique_ptr<FilmRecord> n);
    void unlinkRecord(FilmRecord* x);
    FilmRecord* findCassette(QStringView name) const;
    void renameCassette(QStringView name, QStringView newName, int length);
    void removeCassette(QStringView name);
    TapeSummary cassetteSummary(const FilmRecord& r) const;
    void releaseAll();

private:
    FilmRecord* head_ = nullptr;
    FilmRecord* tail_ = nullptr;
    FilmRecord* cursor_ = nullptr;
    qint32 filmTotal_ = 0;
    qsizetype recordCount_ = 0;
};

} // namespace catalogue
