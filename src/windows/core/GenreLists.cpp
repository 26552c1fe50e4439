#include "windows/core/GenreLists.h"

#include "catalogue/GenreNames.h"
#include "ui/Language.h"

#include <QComboBox>

namespace windows {

QStringList genreNames(quint8 language)
{
    QStringList names;
    ui::withLanguage(language, [&names] { names = catalogue::genreNames(); });
    return names;
}

void fillGenreLists(quint8 language, const GenreCombos& combos)
{
    if (combos.search && ui::isLanguage(language)) {
        combos.search->clear();
        combos.search->addItems(genreNames(language));
    }
    if (combos.film && combos.search) {
        QStringList items;
        for (int i = 0; i < combos.search->count(); ++i)
            items.append(combos.search->itemText(i));
        const QString typed = combos.film->currentText();
        combos.film->clear();
        combos.film->addItems(items);
        combos.film->setCurrentText(typed);
    }
}

} // namespace windows
