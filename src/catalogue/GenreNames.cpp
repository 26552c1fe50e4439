#include "catalogue/GenreNames.h"

#include <QCoreApplication>

namespace catalogue {
namespace {

// The context the translations are filed under.
constexpr char kContext[] = "windows::GenreNames";

// Written once in English; a language's list holds their translations.
constexpr const char* kGenres[] = {
    QT_TRANSLATE_NOOP("windows::GenreNames", "Action"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Adventure"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Cabaret"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Cartoon"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Comedy"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Culture"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Disastermovie"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Documentary"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Drama"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Erotic"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Fantasy"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Horror"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Music"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Musical"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Nature"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Opera"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Operetta"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Satire"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Science-Fiction"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Show"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Sitcom"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Sport"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Theatre"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Thriller"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Warfilm"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Western"),
};

// Genres not every language has: offered where the translation gives them a name of its own.
constexpr const char* kOwnNamedGenres[] = {
    QT_TRANSLATE_NOOP("windows::GenreNames", "Costume film"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Crime"),
    QT_TRANSLATE_NOOP("windows::GenreNames", "Report"),
};

} // namespace

QStringList everyGenreName()
{
    QStringList names;
    for (const char* const genre : kGenres)
        names.append(QCoreApplication::translate(kContext, genre));
    for (const char* const genre : kOwnNamedGenres)
        names.append(QCoreApplication::translate(kContext, genre));
    return names;
}

QStringList genreNames()
{
    QStringList names;
    for (const char* const genre : kGenres)
        names.append(QCoreApplication::translate(kContext, genre));
    for (const char* const genre : kOwnNamedGenres) {
        const QString name = QCoreApplication::translate(kContext, genre);
        if (name != QLatin1String(genre))
            names.append(name);
    }
    // Each list is in its own language's order.
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace catalogue
