#pragma once

#include "catalogue/Progress.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace catalogue {
class Catalogue;
}

namespace exchange {

// Writes an export of catalogue to a file at path: build makes its bytes, telling the first part of
// progress (nothing when told to stop), then they are written, telling the rest. The file is replaced
// only once every byte is on the disk, so a cancelled or failed export leaves it as it was; the files
// of the catalogue's archive are refused.
catalogue::WriteOutcome
writeExportFile(const QString& path, const catalogue::Catalogue& catalogue,
                const std::function<std::optional<QByteArray>(const catalogue::Progress&)>& build,
                const catalogue::Progress& progress);

} // namespace exchange
