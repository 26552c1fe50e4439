#include "exchange/ImportPlan.h"

#include "catalogue/Catalogue.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"

#include <algorithm>
#include <limits>

using catalogue::FilmRecord;

namespace exchange {
namespace {

// Cassettes added between two reports of progress.
constexpr std::size_t kProgressStep = 512;

} // namespace

int PlannedCassette::minutesOver() const
{
    const qint64 over = usedHalfMinutes - 2 * qint64{length};
    return over > 0 ? int(std::min<qint64>((over + 1) / 2, std::numeric_limits<int>::max())) : 0;
}

int ImportPlan::newCassetteCount() const
{
    int count = 0;
    for (const PlannedCassette& cassette : cassettes)
        count += cassette.isNew ? 1 : 0;
    return count;
}

int ImportPlan::filmCount() const
{
    int count = int(untaped.size());
    for (const PlannedCassette& cassette : cassettes)
        count += int(cassette.films.size());
    return count;
}

void placeUntaped(const catalogue::Catalogue& catalogue, ImportPlan& plan, const QString& name)
{
    if (plan.untaped.empty())
        return;
    const QString stored = catalogue::storedTapeName(name);
    auto planned =
        std::find_if(plan.cassettes.begin(), plan.cassettes.end(),
                     [&stored](const PlannedCassette& cassette) { return cassette.name == stored; });
    if (planned == plan.cassettes.end()) {
        const catalogue::Cassette* existing = catalogue.findCassette(stored);
        plan.cassettes.push_back({stored,
                                  existing ? existing->length() : 0,
                                  !existing,
                                  {},
                                  existing ? existing->usedHalfMinutes() : 0});
        planned = plan.cassettes.end() - 1;
    }
    for (ImportedFilm& film : plan.untaped) {
        catalogue::setText(film.record->tapeName, stored);
        film.record->tapeLength = quint16(planned->length);
        planned->usedHalfMinutes +=
            catalogue::tapeHalfMinutes(film.record->filmLength, film.record->longplay);
        planned->films.push_back(std::move(film));
    }
    plan.untaped.clear();
}

void applyImport(catalogue::Catalogue& catalogue, ImportPlan plan, const catalogue::Progress& progress)
{
    // Thousands of cassettes: the lists answer once, at the end, and an undo takes all of it back.
    const catalogue::Catalogue::Batch batch(catalogue);
    const catalogue::History::Group step(catalogue.history());
    for (std::size_t i = 0; i < plan.cassettes.size(); ++i) {
        if (i % kProgressStep == 0)
            progress.advance(qint64(i), qint64(plan.cassettes.size()));
        PlannedCassette& planned = plan.cassettes[i];
        const catalogue::Cassette* cassette = planned.isNew
                                                  ? catalogue.createCassette(planned.name, planned.length)
                                                  : catalogue.findCassette(planned.name);
        if (!cassette)
            continue; // the cassette has gone since the plan was made
        if (planned.films.empty())
            continue;
        std::vector<std::unique_ptr<FilmRecord>> films;
        films.reserve(planned.films.size());
        for (ImportedFilm& film : planned.films)
            films.push_back(std::move(film.record));
        catalogue.appendFilms(*cassette, std::move(films));
    }
}

} // namespace exchange
