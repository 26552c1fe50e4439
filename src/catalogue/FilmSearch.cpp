#include "FilmSearch.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstring>

namespace catalogue {

namespace {

constexpr std::array<unsigned char, 256> kFolded = [] {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b);
    for (int b = 'a'; b <= 'z'; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b - 'a' + 'A');
    table[0xE4] = 0xC4; // ä
    table[0xF6] = 0xD6; // ö
    table[0xFC] = 0xDC; // ü
    return table;
}();

template <std::size_t N> std::string_view bytesOf(const ShortString<N>& field)
{
    return {field.chars, std::min<std::size_t>(field.length, N)};
}

// Up to the terminator, and never more than the characters the field can hold.
template <std::size_t N> std::string_view bytesOf(const char (&field)[N])
{
    const void* zero = std::memchr(field, 0, N - 1);
    return {field, zero ? std::size_t(static_cast<const char*>(zero) - field) : N - 1};
}

bool compares(int field, int value, SearchCriteria::Compare compare)
{
    switch (compare) {
    case SearchCriteria::Compare::Less:
        return field < value;
    case SearchCriteria::Compare::Equal:
        return field == value;
    case SearchCriteria::Compare::Greater:
        return field > value;
    }
    return false;
}

bool flagHolds(const std::optional<bool>& wanted, quint8 flag)
{
    return !wanted || (*wanted ? flag == 1 : flag == 0);
}

} // namespace

QByteArray foldCase(std::string_view bytes)
{
    QByteArray folded(qsizetype(bytes.size()), Qt::Uninitialized);
    foldCase(bytes, folded.data());
    return folded;
}

void foldCase(std::string_view bytes, char* out)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = static_cast<char>(kFolded[static_cast<unsigned char>(bytes[i])]);
}

std::optional<FilmMatcher::Piece> FilmMatcher::pieceOf(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    bool exact = true;
    const QByteArray bytes = cp1252::encode(text, &exact);
    return Piece{foldCase({bytes.constData(), std::size_t(bytes.size())}), exact};
}

bool FilmMatcher::contains(std::string_view field, const Piece& piece)
{
    if (!piece.satisfiable || field.size() < std::size_t(piece.folded.size()))
        return false;
    // Folded on the stack: no field is longer than 600 bytes.
    std::array<char, 601> folded;
    for (std::size_t i = 0; i < field.size(); ++i)
        folded[i] = static_cast<char>(kFolded[static_cast<unsigned char>(field[i])]);
    const std::string_view haystack(folded.data(), field.size());
    return haystack.find(std::string_view(piece.folded.constData(), std::size_t(piece.folded.size()))) !=
           std::string_view::npos;
}

FilmMatcher::FilmMatcher(const SearchCriteria& criteria)
    : title_(pieceOf(criteria.title)), country_(pieceOf(criteria.country)),
      director_(pieceOf(criteria.director)), genre_(pieceOf(criteria.genre)), story_(pieceOf(criteria.story)),
      numbersAndFlags_(criteria)
{
    // One final ";" is optional; an empty term places no condition.
    for (const QString& term : criteria.actors.split(u';', Qt::SkipEmptyParts))
        actorTerms_.push_back(*pieceOf(term));
}

bool FilmMatcher::matches(const FilmRecord& r) const
{
    if (r.isPlaceholder())
        return false;
    const SearchCriteria& c = numbersAndFlags_;
    const auto holds = [](const std::optional<Piece>& piece, std::string_view field) {
        return !piece || contains(field, *piece);
    };
    return holds(title_, bytesOf(r.filmName)) && (c.year <= 0 || compares(r.year, c.year, c.yearCompare)) &&
           holds(country_, bytesOf(r.country)) &&
           (c.length <= 0 || compares(r.filmLength, c.length, c.lengthCompare)) &&
           holds(director_, bytesOf(r.director)) &&
           std::all_of(actorTerms_.begin(), actorTerms_.end(),
                       [&r](const Piece& term) { return contains(bytesOf(r.actors), term); }) &&
           holds(genre_, bytesOf(r.genre)) && holds(story_, bytesOf(r.story)) &&
           flagHolds(c.longplay, r.longplay) && flagHolds(c.blackWhite, r.blackWhite) &&
           flagHolds(c.seen, r.seen) && flagHolds(c.deletable, r.deletable);
}

std::vector<const FilmRecord*> findFilms(const Catalogue& catalogue, const SearchCriteria& criteria)
{
    const FilmMatcher matcher(criteria);
    std::vector<const FilmRecord*> hits;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        if (matcher.matches(*r))
            hits.push_back(r);
    }
    return hits;
}

} // namespace catalogue
