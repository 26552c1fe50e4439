#include "catalogue/Film.h"

#include "catalogue/RecordText.h"

namespace catalogue {

Film filmOf(const FilmRecord& r)
{
    Film film;
    film.title = text(r.filmName);
    film.year = r.year;
    film.country = text(r.country);
    film.length = r.filmLength;
    film.director = text(r.director);
    film.actors = memoFromRecord(text(r.actors));
    film.genre = text(r.genre);
    film.story = memoFromRecord(text(r.story));
    film.longplay = r.longplay != 0;
    film.blackWhite = r.blackWhite != 0;
    film.seen = r.seen != 0;
    film.deletable = r.deletable != 0;
    return film;
}

FilmRecord filmFields(const Film& film)
{
    // Zeroed, so that bytes behind a text are zero, as a new record's are.
    FilmRecord fields{};
    setText(fields.filmName, film.title);
    fields.year = quint16(film.year);
    setText(fields.country, film.country);
    fields.filmLength = quint16(film.length);
    setText(fields.director, film.director);
    setText(fields.actors, memoToRecord(film.actors));
    setText(fields.genre, film.genre);
    setText(fields.story, memoToRecord(film.story));
    fields.longplay = film.longplay ? 1 : 0;
    fields.blackWhite = film.blackWhite ? 1 : 0;
    fields.seen = film.seen ? 1 : 0;
    fields.deletable = film.deletable ? 1 : 0;
    return fields;
}

} // namespace catalogue
