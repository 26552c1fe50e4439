#include "catalogue/DuplicateFilms.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmSearch.h"
#include "catalogue/NameOrder.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <iterator>
#include <string_view>

namespace catalogue {
namespace {

struct Copy
{
    std::size_t hash; // of the title's key
    quint32 order;    // place in the catalogue
    quint16 year;
    const FilmRecord* film;
};

std::string_view trimmedTitle(const FilmRecord& film)
{
    std::string_view title(film.filmName.chars,
                           std::min<std::size_t>(film.filmName.length, sizeof film.filmName.chars));
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!title.empty() && blank(title.front()))
        title.remove_prefix(1);
    while (!title.empty() && blank(title.back()))
        title.remove_suffix(1);
    return title;
}

// Whether copies of one hash may form a group: two of one year, or one of no year beside any other.
// Told by what the copies hold, without a look at the films: most titles recur in years apart only.
bool mayGroup(std::vector<Copy>::const_iterator first, std::vector<Copy>::const_iterator last,
              std::vector<quint16>& years)
{
    if (last - first < 2)
        return false;
    years.clear();
    for (auto c = first; c != last; ++c) {
        if (c->year == 0)
            return true;
        years.push_back(c->year);
    }
    std::sort(years.begin(), years.end());
    return std::adjacent_find(years.begin(), years.end()) != years.end();
}

// True when both titles have one key (see titleKey()).
bool sameKey(const FilmRecord& a, const FilmRecord& b)
{
    const std::string_view x = trimmedTitle(a);
    const std::string_view y = trimmedTitle(b);
    if (x.size() != y.size())
        return false;
    char foldedX[sizeof FilmRecord::filmName.chars];
    char foldedY[sizeof FilmRecord::filmName.chars];
    foldCase(x, foldedX);
    foldCase(y, foldedY);
    return std::string_view(foldedX, x.size()) == std::string_view(foldedY, y.size());
}

// Groups of one title, each film in exactly one: the films of each known year together, and the films
// of no year with the year that has most copies (the earliest of equals), or on their own when no year
// is known. A copy without a year is most likely one more recording of the version kept most often;
// put beside every year, it would pair films that are no duplicates and count one copy many times.
// Only groups of two or more.
void splitByYear(std::vector<Copy> copies, std::vector<DuplicateGroup>& groups)
{
    std::stable_sort(copies.begin(), copies.end(),
                     [](const Copy& a, const Copy& b) { return a.year < b.year; });
    const auto known = std::find_if(copies.begin(), copies.end(), [](const Copy& c) { return c.year != 0; });
    const auto add = [&](int year, std::vector<Copy> members) {
        if (members.size() < 2)
            return;
        std::sort(members.begin(), members.end(),
                  [](const Copy& a, const Copy& b) { return a.order < b.order; });
        DuplicateGroup group{{}, year, {}};
        group.films.reserve(members.size());
        for (const Copy& c : members)
            group.films.push_back(c.film);
        groups.push_back(std::move(group));
    };
    if (known == copies.end()) {
        add(0, std::move(copies));
        return;
    }
    const auto endOfYear = [&copies](std::vector<Copy>::iterator run) {
        return std::find_if(run, copies.end(), [year = run->year](const Copy& c) { return c.year != year; });
    };
    auto most = known;
    std::ptrdiff_t mostCopies = 0;
    for (auto run = known; run != copies.end();) {
        const auto end = endOfYear(run);
        if (end - run > mostCopies) {
            most = run;
            mostCopies = end - run;
        }
        run = end;
    }
    for (auto run = known; run != copies.end();) {
        const auto end = endOfYear(run);
        std::vector<Copy> members(run, end);
        if (run == most)
            members.insert(members.end(), copies.begin(), known);
        add(run->year, std::move(members));
        run = end;
    }
}

// The groups of one title, with what orders the titles.
struct Title
{
    QCollatorSortKey sortKey;
    QByteArray key;
    std::vector<DuplicateGroup> groups;
};

} // namespace

QByteArray titleKey(const FilmRecord& film)
{
    return foldCase(trimmedTitle(film));
}

std::vector<DuplicateGroup> findDuplicates(const Catalogue& catalogue)
{
    // Every titled film by the hash of its key: one pass and one sort, without an allocation per film.
    std::vector<Copy> copies;
    copies.reserve(std::size_t(catalogue.filmTotal()));
    char folded[sizeof FilmRecord::filmName.chars];
    quint32 order = 0;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next, ++order) {
        if (r->isPlaceholder())
            continue;
        const std::string_view title = trimmedTitle(*r);
        if (title.empty())
            continue;
        foldCase(title, folded);
        copies.push_back({std::hash<std::string_view>()({folded, title.size()}), order, r->year, r});
    }
    std::sort(copies.begin(), copies.end(), [](const Copy& a, const Copy& b) {
        return a.hash != b.hash ? a.hash < b.hash : a.order < b.order;
    });

    // Runs of one hash hold one title, unless two keys share the hash: those are told apart by their keys.
    const QCollator collator = nameCollator();
    std::vector<Title> titles;
    const auto addTitle = [&collator, &titles](std::vector<Copy> copiesOfTitle) {
        const FilmRecord& first = *copiesOfTitle.front().film;
        std::vector<DuplicateGroup> groups;
        splitByYear(std::move(copiesOfTitle), groups);
        // Many titles recur in years apart only: the shown title and what orders it, dear to make, are
        // made for those that form a group.
        if (groups.empty())
            return;
        const std::string_view shown = trimmedTitle(first);
        const QString title = cp1252::decode(shown.data(), qsizetype(shown.size()));
        for (DuplicateGroup& group : groups)
            group.title = title;
        titles.push_back({collator.sortKey(title), titleKey(first), std::move(groups)});
    };
    std::vector<quint16> years;
    for (auto run = copies.begin(); run != copies.end();) {
        const auto end =
            std::find_if(run, copies.end(), [hash = run->hash](const Copy& c) { return c.hash != hash; });
        if (!mayGroup(run, end, years)) {
            run = end;
            continue;
        }
        if (std::all_of(run + 1, end, [&run](const Copy& c) { return sameKey(*c.film, *run->film); })) {
            addTitle(std::vector<Copy>(run, end));
            run = end;
            continue;
        }
        std::vector<std::pair<QByteArray, Copy>> keyed;
        for (auto c = run; c != end; ++c)
            keyed.emplace_back(titleKey(*c->film), *c);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto same = keyed.begin(); same != keyed.end();) {
            const auto last =
                std::find_if(same, keyed.end(), [&](const auto& k) { return k.first != same->first; });
            if (last - same >= 2) {
                std::vector<Copy> copiesOfTitle;
                for (auto k = same; k != last; ++k)
                    copiesOfTitle.push_back(k->second);
                addTitle(std::move(copiesOfTitle));
            }
            same = last;
        }
        run = end;
    }
    std::sort(titles.begin(), titles.end(), [](const Title& a, const Title& b) {
        const int byKey = a.sortKey.compare(b.sortKey);
        return byKey != 0 ? byKey < 0 : a.key < b.key;
    });

    std::vector<DuplicateGroup> groups;
    for (Title& title : titles)
        std::move(title.groups.begin(), title.groups.end(), std::back_inserter(groups));
    return groups;
}

} // namespace catalogue
