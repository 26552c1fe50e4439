#pragma once

#include <QStringList>

namespace catalogue {

// The genre names offered for a film and counted by the statistics, in the language whose translator
// is installed, in that language's order.
QStringList genreNames();

} // namespace catalogue
