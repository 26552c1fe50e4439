#pragma once

#include <QPointer>
#include <QStringList>

class QComboBox;

namespace windows {

// The genre names a language offers in the search dialog's and the film window's combo boxes, in
// that language's order (see catalogue::genreNames()).
QStringList genreNames(quint8 language);

// The two combo boxes that offer the genre list; either may be missing.
struct GenreCombos
{
    QPointer<QComboBox> search;
    QPointer<QComboBox> film;
};

// Loads the list of language into the search dialog's combo box (any other language leaves it as
// it is), then gives the film window's combo box an exact copy of it.
void fillGenreLists(quint8 language, const GenreCombos& combos);

} // namespace windows
