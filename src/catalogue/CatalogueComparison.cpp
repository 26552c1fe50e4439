#include "catalogue/CatalogueComparison.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace catalogue {
namespace {

template <std::size_t N> std::string_view bytes(const ShortString<N>& field)
{
    return {field.chars, std::min<std::size_t>(field.length, N)};
}

template <std::size_t N> std::string_view bytes(const char (&field)[N])
{
    return {field, ::strnlen(field, N)};
}

// Every field a user gives a film, compared by value: bytes beyond a text's end do not count.
bool sameFilm(const FilmRecord& a, const FilmRecord& b)
{
    return bytes(a.filmName) == bytes(b.filmName) && a.filmLength == b.filmLength && a.year == b.year &&
           bytes(a.country) == bytes(b.country) && bytes(a.director) == bytes(b.director) &&
           bytes(a.genre) == bytes(b.genre) && bytes(a.actors) == bytes(b.actors) &&
           bytes(a.story) == bytes(b.story) && a.longplay == b.longplay && a.blackWhite == b.blackWhite &&
           a.seen == b.seen && a.deletable == b.deletable;
}

struct Tape
{
    std::vector<const FilmRecord*> records;
    std::vector<const FilmRecord*> films; // without the placeholder
};

struct Tapes
{
    std::vector<std::string_view> order;
    std::unordered_map<std::string_view, Tape> byName;
};

Tapes tapesOf(std::span<const FilmRecord* const> records)
{
    Tapes tapes;
    tapes.byName.reserve(records.size() / 2 + 1);
    for (const FilmRecord* r : records) {
        const std::string_view name = bytes(r->tapeName);
        auto [it, isNew] = tapes.byName.try_emplace(name);
        if (isNew)
            tapes.order.push_back(name);
        it->second.records.push_back(r);
        if (!r->isPlaceholder())
            it->second.films.push_back(r);
    }
    return tapes;
}

using Kind = CatalogueDifferences::Kind;

// Pairs the films of one tape by title, copies in their order, and notes what differs.
void compareFilms(const QString& tape, const std::vector<const FilmRecord*>& before,
                  const std::vector<const FilmRecord*>& after, std::vector<CatalogueDifferences::Film>& out)
{
    std::unordered_map<std::string_view, std::vector<const FilmRecord*>> earlier;
    for (auto it = before.rbegin(); it != before.rend(); ++it)
        earlier[bytes((*it)->filmName)].push_back(*it); // the first copy last, taken first
    for (const FilmRecord* r : after) {
        const auto found = earlier.find(bytes(r->filmName));
        if (found == earlier.end() || found->second.empty()) {
            out.push_back({Kind::Added, tape, text(r->filmName), nullptr, r});
            continue;
        }
        const FilmRecord* const was = found->second.back();
        found->second.pop_back();
        if (!sameFilm(*was, *r))
            out.push_back({Kind::Changed, tape, text(r->filmName), was, r});
    }
    for (const FilmRecord* r : before) {
        const auto left = earlier.find(bytes(r->filmName));
        // Whatever is still waiting in its title's list was not paired.
        if (left != earlier.end() && !left->second.empty() &&
            std::find(left->second.begin(), left->second.end(), r) != left->second.end())
            out.push_back({Kind::Removed, tape, text(r->filmName), r, nullptr});
    }
}

} // namespace

CatalogueDifferences compareCatalogues(std::span<const FilmRecord* const> before,
                                       std::span<const FilmRecord* const> after)
{
    const Tapes older = tapesOf(before);
    const Tapes newer = tapesOf(after);
    CatalogueDifferences differences;
    // a: the tape before, b: after; either may be missing.
    const auto note = [&differences](Kind kind, const Tape* a, const Tape* b) {
        CatalogueDifferences::Tape tape{kind, text((a ? a : b)->records.front()->tapeName)};
        if (a) {
            tape.lengthBefore = a->records.front()->tapeLength;
            tape.filmsBefore = int(a->films.size());
        }
        if (b) {
            tape.lengthAfter = b->records.front()->tapeLength;
            tape.filmsAfter = int(b->films.size());
        }
        differences.tapes.push_back(tape);
    };
    static const std::vector<const FilmRecord*> none;
    for (const std::string_view name : newer.order) {
        const Tape& is = newer.byName.at(name);
        const auto found = older.byName.find(name);
        const Tape* const was = found == older.byName.end() ? nullptr : &found->second;
        const std::size_t filmsBefore = differences.films.size();
        const QString tapeName = text(is.records.front()->tapeName);
        compareFilms(tapeName, was ? was->films : none, is.films, differences.films);
        if (!was)
            note(Kind::Added, nullptr, &is);
        else if (differences.films.size() != filmsBefore ||
                 was->records.front()->tapeLength != is.records.front()->tapeLength)
            note(Kind::Changed, was, &is);
    }
    for (const std::string_view name : older.order) {
        if (newer.byName.contains(name))
            continue;
        const Tape& was = older.byName.at(name);
        note(Kind::Removed, &was, nullptr);
        compareFilms(text(was.records.front()->tapeName), was.films, none, differences.films);
    }
    return differences;
}

std::vector<const FilmRecord*> recordsOf(const Catalogue& catalogue)
{
    std::vector<const FilmRecord*> records;
    records.reserve(std::size_t(catalogue.recordCount()));
    for (const FilmRecord* r = catalogue.head(); r; r = r->next)
        records.push_back(r);
    return records;
}

} // namespace catalogue
