#pragma once

#include "catalogue/FilmRecord.h"

#include <QString>

namespace catalogue {

// What a user or a file gives a film, as text and numbers: the catalogue turns it into the stored
// bytes of a record (Windows-1252, cut to each field, line breaks of the memos as CR LF) and nobody
// else needs to know that form.
struct Film
{
    QString title;
    int year = 0;
    QString country;
    int length = 0; // minutes; 0 stores no film
    QString director;
    QString actors; // line breaks as "\n"
    QString genre;
    QString story; // line breaks as "\n"
    bool longplay = false;
    bool blackWhite = false;
    bool seen = false;
    bool deletable = false;

    bool operator==(const Film&) const = default;
};

// The film a record holds, as an edit shows it.
Film filmOf(const FilmRecord& r);

// A zeroed record holding the film's fields as stored (see copyFilmFields()): the one place where a
// film becomes record bytes.
FilmRecord filmFields(const Film& film);

} // namespace catalogue
