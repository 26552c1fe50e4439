#include "catalogue/CassetteNames.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"

#include <algorithm>

namespace catalogue {

QString caseBlindName(QStringView name)
{
    return name.toString().toCaseFolded();
}

bool isNameTaken(const Catalogue& catalogue, QStringView name, const Cassette* renamed)
{
    const QString key = caseBlindName(name);
    if (renamed && caseBlindName(renamed->name()) == key)
        return false;
    const auto cassettes = catalogue.cassettes();
    return std::any_of(cassettes.begin(), cassettes.end(),
                       [&key](const Cassette* cassette) { return caseBlindName(cassette->name()) == key; });
}

} // namespace catalogue
