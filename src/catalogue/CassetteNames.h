#pragma once

#include <QString>
#include <QStringView>

namespace catalogue {

class Cassette;
class Catalogue;

// Names that differ in letter case only are one name to the user: the main window's list finds a
// cassette by its name with letter case ignored, so it can show only one row for them. This key
// tells them apart no further.
QString caseBlindName(QStringView name);

// True when a cassette other than renamed is called name, letter case ignored: a name a new cassette
// (renamed null) or a renamed one may not take, since the two would then share a row. The name renamed
// has already, in any letter case, stays its own: it is the row it holds.
bool isNameTaken(const Catalogue& catalogue, QStringView name, const Cassette* renamed = nullptr);

} // namespace catalogue
