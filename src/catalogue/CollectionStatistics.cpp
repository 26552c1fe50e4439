#include "catalogue/CollectionStatistics.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/FilmSearch.h"
#include "catalogue/TapeSpace.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace catalogue {
namespace {

constexpr int kNoGenre = -1;

std::string_view trimmed(std::string_view bytes)
{
    const auto blank = [](char c) { return quint8(c) <= 0x20; };
    while (!bytes.empty() && blank(bytes.front()))
        bytes.remove_prefix(1);
    while (!bytes.empty() && blank(bytes.back()))
        bytes.remove_suffix(1);
    return bytes;
}

// Genre texts folded as the search folds them, to their place in the list; a genre no list names takes
// the next place after the list's at its first film. A stored genre is compared as bytes, so that the
// many films sharing a few genres cost a lookup each, no conversion.
class GenreIndex final
{
public:
    explicit GenreIndex(const QStringList& names, const std::vector<QStringList>& otherNames)
        : listed_(int(names.size()))
    {
        // The first of two names that fold alike takes both: the names shown before the other languages'.
        add(names);
        for (const QStringList& other : otherNames)
            add(other);
    }

    // The genre's place: kNoGenre for none; for a genre no list names, a place after the list's, its
    // text added to typed at its first film.
    int find(const FilmRecord& r, std::vector<CollectionStatistics::TypedGenre>& typed)
    {
        const std::string_view stored(r.genre.chars,
                                      std::min<std::size_t>(r.genre.length, sizeof r.genre.chars));
        const std::string_view genre = trimmed(stored);
        if (genre.empty())
            return kNoGenre;
        char folded[sizeof r.genre.chars];
        foldCase(genre, folded);
        const std::string_view key(folded, genre.size());
        if (const auto it = byKey_.find(key); it != byKey_.end())
            return it->second;
        const int place = listed_ + int(typed.size());
        byKey_.emplace(std::string(key), place);
        typed.push_back({cp1252::decode(genre.data(), qsizetype(genre.size())), 0});
        return place;
    }

private:
    void add(const QStringList& names)
    {
        for (int i = 0; i < names.size() && i < listed_; ++i) {
            const QByteArray bytes = cp1252::encode(names[i]);
            byKey_.try_emplace(
                foldCase(trimmed(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
                    .toStdString(),
                i);
        }
    }

    struct Hash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
    };
    const int listed_;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> byKey_;
};

std::vector<DecadeCount> decadesOf(const std::vector<int>& perDecade)
{
    const auto first = std::find_if(perDecade.begin(), perDecade.end(), [](int n) { return n > 0; });
    if (first == perDecade.end())
        return {};
    const auto last = std::find_if(perDecade.rbegin(), perDecade.rend(), [](int n) { return n > 0; }).base();
    const bool filled = last - first <= kMostFilledDecades;
    std::vector<DecadeCount> decades;
    for (auto it = first; it != last; ++it) {
        if (filled || *it > 0)
            decades.push_back({int(it - perDecade.begin()) * 10, *it});
    }
    return decades;
}

} // namespace

Fullness fullnessOf(int tapeLength, qint64 usedHalfMinutes)
{
    const qint64 capacity = 2 * qint64{tapeLength};
    if (usedHalfMinutes > capacity)
        return Fullness::OverFull;
    if (usedHalfMinutes == capacity)
        return capacity == 0 ? Fullness::UpToQuarter : Fullness::UpToFull;
    // Quarters of the tape taken, rounded down: 0 to 3.
    return Fullness(usedHalfMinutes * 4 / capacity);
}

CollectionStatistics collectStatistics(const Catalogue& catalogue, const QStringList& genreNames,
                                       const std::vector<QStringList>& otherNames)
{
    CollectionStatistics s;
    s.genreFilms.assign(std::size_t(genreNames.size()), 0);
    GenreIndex genres(genreNames, otherNames);
    std::vector<int> perDecade(kLargestNumber / 10 + 1, 0);

    const auto cassettes = catalogue.cassettes();
    s.cassettes = int(cassettes.size());
    const Cassette* mostFilms = nullptr;
    for (const Cassette* cassette : cassettes) {
        if (cassette->filmCount() > s.mostFilms) {
            s.mostFilms = cassette->filmCount();
            mostFilms = cassette;
        }
        ++s.fullness[std::size_t(fullnessOf(cassette->length(), cassette->usedHalfMinutes()))];
        s.freeMinutes += std::max<qint64>(0, freeMinutes(*cassette, false));
        s.freeLongPlayMinutes += std::max<qint64>(0, freeMinutes(*cassette, true));
        for (const FilmRecord* r : cassette->records()) {
            if (r->isPlaceholder())
                continue;
            ++s.films;
            s.recordedMinutes += r->filmLength;
            s.longPlayFilms += r->longplay != 0;
            s.blackWhiteFilms += r->blackWhite != 0;
            s.seenFilms += r->seen != 0;
            s.deletableFilms += r->deletable != 0;
            if (r->year == 0)
                ++s.unknownYearFilms;
            else
                ++perDecade[r->year / 10];
            const int genre = genres.find(*r, s.typedGenres);
            if (genre == kNoGenre)
                ++s.noGenreFilms;
            else if (genre < int(s.genreFilms.size()))
                ++s.genreFilms[std::size_t(genre)];
            else
                ++s.typedGenres[std::size_t(genre) - s.genreFilms.size()].films;
        }
    }
    if (mostFilms)
        s.mostFilmsTape = mostFilms->name();
    s.decades = decadesOf(perDecade);
    return s;
}

} // namespace catalogue
