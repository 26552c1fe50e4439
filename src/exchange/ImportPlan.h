#pragma once

#include "catalogue/FilmRecord.h"
#include "catalogue/Progress.h"
#include "exchange/CsvText.h"

#include <QString>

#include <memory>
#include <vector>

namespace catalogue {
class Catalogue;
} // namespace catalogue

// What an import of a CSV file will add to the catalogue, worked out before anything changes
// (planImport() in CsvImport.h), and how it is added.
namespace exchange {

// One film of a row, checked against the film window's rules: the record it becomes, its cassette's
// name and length included; in the memos a lone LF has become CR LF.
struct ImportedFilm
{
    int line = 0;
    std::unique_ptr<catalogue::FilmRecord> record;
};

// A cassette the import creates or adds films to.
struct PlannedCassette
{
    QString name;
    int length = 0; // of a new cassette: from its first row; else the cassette's own
    bool isNew = false;
    std::vector<ImportedFilm> films; // in file order; they go behind the cassette's last film
    qint64 usedHalfMinutes = 0;      // tape all its films take once the import is done (see timeFactor())

    // Minutes beyond the cassette's length once the import is done, a half minute counting as one;
    // 0 when its films fit.
    int minutesOver() const;
};

struct SkippedRow
{
    int line = 0;
    QString reason;
};

struct ImportPlan
{
    // Not empty when the file as a whole cannot be imported; nothing else is filled in then.
    QString fileError;
    CsvEncoding encoding = CsvEncoding::Utf8; // how the file was read
    std::vector<PlannedCassette> cassettes;   // in the order of their first row
    std::vector<SkippedRow> skipped;          // in file order
    // Films of a file that names no cassette for them (a Tellico file of another program): they go
    // to one cassette chosen before the import (see placeUntaped()); untapedName is the one the file
    // suggests.
    std::vector<ImportedFilm> untaped;
    QString untapedName;

    int newCassetteCount() const;
    int filmCount() const;
    bool addsAnything() const { return !cassettes.empty() || !untaped.empty(); }
};

// Puts the untaped films of plan on the cassette name (stored as a cassette name is): one the plan
// already adds to, else one of catalogue, else a new one of length 0, not measured yet.
void placeUntaped(const catalogue::Catalogue& catalogue, ImportPlan& plan, const QString& name);

// Adds everything plan holds to catalogue, which must be the catalogue it was planned for, unchanged
// since; the plan's records move into the catalogue. The catalogue's history keeps all of it as one
// entry, to be taken back as one. Tells progress cassette by cassette; it cannot stop halfway.
void applyImport(catalogue::Catalogue& catalogue, ImportPlan plan, const catalogue::Progress& progress = {});

} // namespace exchange
