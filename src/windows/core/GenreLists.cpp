#include "windows/core/GenreLists.h"

#include "ui/Language.h"

#include <QComboBox>
#include <QCoreApplication>

namespace windows {

// The genre names, written once in English; a language's list holds their translations.
class GenreNames final
{
    Q_DECLARE_TR_FUNCTIONS(windows::GenreNames)

public:
    static QStringList inCurrentLanguage();
};

QStringList GenreNames::inCurrentLanguage()
{
    QStringList names{tr("Action"),   tr("Adventure"), tr("Cabaret"),         tr("Cartoon"),
                      tr("Comedy"),   tr("Culture"),   tr("Disastermovie"),   tr("Documentary"),
                      tr("Drama"),    tr("Erotic"),    tr("Fantasy"),         tr("Horror"),
                      tr("Music"),    tr("Musical"),   tr("Nature"),          tr("Opera"),
                      tr("Operetta"), tr("Satire"),    tr("Science-Fiction"), tr("Show"),
                      tr("Sitcom"),   tr("Sport"),     tr("Theatre"),         tr("Thriller"),
                      tr("Warfilm"),  tr("Western")};
    // Genres not every language has: offered where the translation gives them a name of its own.
    for (const char* const genre : {QT_TR_NOOP("Costume film"), QT_TR_NOOP("Crime"), QT_TR_NOOP("Report")}) {
        const QString name = tr(genre);
        if (name != QLatin1String(genre))
            names.append(name);
    }
    // Each list is in its own language's order.
    names.sort(Qt::CaseInsensitive);
    return names;
}

QStringList genreNames(quint8 language)
{
    QStringList names;
    ui::withLanguage(language, [&names] { names = GenreNames::inCurrentLanguage(); });
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
