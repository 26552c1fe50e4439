#pragma once

#include <QStringList>

namespace catalogue {

// The genre names offered for a film and by the search, in the language whose translator is installed,
// in that language's order.
QStringList genreNames();

// Every genre of any language's list, named in the language whose translator is installed, in one order
// for every language: the nth names of two languages name one genre. A genre the language offers no
// name of its own for keeps its English name.
QStringList everyGenreName();

} // namespace catalogue
