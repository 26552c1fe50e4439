#include "windows/GenreLists.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace windows {

QStringList englishGenres()
{
    return {u"Action"_s,          u"Adventure"_s,   u"Cabaret"_s, u"Cartoon"_s, u"Comedy"_s,   u"Culture"_s,
            u"Disastermovie"_s,   u"Documentary"_s, u"Drama"_s,   u"Erotic"_s,  u"Fantasy"_s,  u"Horror"_s,
            u"Music"_s,           u"Musical"_s,     u"Nature"_s,  u"Opera"_s,   u"Operetta"_s, u"Satire"_s,
            u"Science-Fiction"_s, u"Show"_s,        u"Sitcom"_s,  u"Sport"_s,   u"Theatre"_s,  u"Thriller"_s,
            u"Warfilm"_s,         u"Western"_s};
}

QStringList germanGenres()
{
    return {u"Abenteuer"_s,       u"Action"_s,      u"Dokumentation"_s,
            u"Drama"_s,           u"Erotik"_s,      u"Fantasy"_s,
            u"Horror"_s,          u"Kabarett"_s,    u"Katastrophenfilm"_s,
            u"Komödie"_s,         u"Kostümfilm"_s,  u"Kriegsfilm"_s,
            u"Krimi"_s,           u"Kultur"_s,      u"Musical"_s,
            u"Musik"_s,           u"Natur"_s,       u"Oper"_s,
            u"Operette"_s,        u"Reportage"_s,   u"Satire"_s,
            u"Science-Fiction"_s, u"Show"_s,        u"Sitcom"_s,
            u"Sport"_s,           u"Theater"_s,     u"Thriller"_s,
            u"Western"_s,         u"Zeichentrick"_s};
}

void fillGenreLists(quint8 language, const GenreCombos& combos)
{
    if (combos.search && language <= 1) {
        combos.search->clear();
        combos.search->addItems(language == 0 ? englishGenres() : germanGenres());
    }
    // Without a search dialog the film window's list is loaded on its own.
    if (combos.film && !combos.search && language <= 1) {
        const QString typed = combos.film->currentText();
        combos.film->clear();
        combos.film->addItems(language == 0 ? englishGenres() : germanGenres());
        combos.film->setCurrentText(typed);
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
