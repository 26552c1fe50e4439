#pragma once

#include "catalogue/FilmRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace catalogue {

class Catalogue;

// Letter case folded on Windows-1252 bytes, the one way the search compares texts: a-z become A-Z
// and ä ö ü become Ä Ö Ü; every other byte (ß, other accented letters) stays as it is.
QByteArray foldCase(std::string_view bytes);
// The same into out, which holds bytes.size() bytes: for many texts without an allocation each.
void foldCase(std::string_view bytes, char* out);

// What a search asks for. Empty texts, a number 0 and an unset flag place no condition.
struct SearchCriteria
{
    enum class Compare
    {
        Less,
        Equal,
        Greater
    };

    QString title;
    int year = 0;
    Compare yearCompare = Compare::Equal;
    QString country;
    int length = 0;
    Compare lengthCompare = Compare::Equal;
    QString director;
    QString actors; // terms separated by ";", each of which must be contained
    QString genre;
    QString story;
    std::optional<bool> longplay;
    std::optional<bool> blackWhite;
    std::optional<bool> seen;
    std::optional<bool> deletable;
};

// Tells the films that meet a search's criteria. The criteria are converted and folded once, when
// the matcher is made; each record costs only the folding of the fields asked about.
class FilmMatcher final
{
public:
    explicit FilmMatcher(const SearchCriteria& criteria);

    // A placeholder (an empty cassette) is never a hit.
    bool matches(const FilmRecord& r) const;

private:
    // A folded piece of text that a field must contain; unsatisfiable when the code page cannot
    // hold what was typed, since no stored text can contain it then.
    struct Piece
    {
        QByteArray folded;
        bool satisfiable = true;
    };
    static std::optional<Piece> pieceOf(const QString& text);
    static bool contains(std::string_view field, const Piece& piece);

    std::optional<Piece> title_;
    std::optional<Piece> country_;
    std::optional<Piece> director_;
    std::vector<Piece> actorTerms_;
    std::optional<Piece> genre_;
    std::optional<Piece> story_;
    SearchCriteria numbersAndFlags_;
};

// The films of the catalogue that meet the criteria, in catalogue order.
std::vector<const FilmRecord*> findFilms(const Catalogue& catalogue, const SearchCriteria& criteria);

} // namespace catalogue
