#include "catalogue/NameOrder.h"

#include <QLocale>

namespace catalogue {

QCollator nameCollator()
{
    // German and English share the standard collation; a fixed locale keeps the order reproducible.
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

} // namespace catalogue
