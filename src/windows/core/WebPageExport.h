#pragma once

#include <QString>

class QWidget;

namespace catalogue {
class Catalogue;
}

namespace windows {

// The whole catalogue as one web page, in the program's language, to a file chosen in a save dialog,
// with the progress of a large catalogue (which may be cancelled: the file then stays as it was) and
// the report of a failure. Returns the file written; empty when none was.
QString saveWebPage(QWidget* parent, const catalogue::Catalogue& catalogue);

} // namespace windows
