#pragma once

#include <QIcon>

namespace app {

// The program's icon: a video cassette.
QIcon appIcon();

} // namespace app
