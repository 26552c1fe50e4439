#pragma once

#include <QCollator>

namespace catalogue {

// The order in which lists of names (cassettes, titles) are shown: alphabetical with letter case
// ignored, an umlaut beside its base letter, numbers by their value ("Tape 9" before "Tape 10"). The
// same in both languages and on every machine, whatever the user's locale says.
QCollator nameCollator();

} // namespace catalogue
