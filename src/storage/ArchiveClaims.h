#pragma once

#include "catalogue/ArchiveFiles.h"

#include <QString>

#include <optional>

namespace catalogue {

// Which of the files of archive target is, as the reason for not writing it; nothing when it is none
// of them. A file that exists is known by its identity, whatever name or link leads to it; one that
// does not exist yet by the name it would have once the links to it are followed.
std::optional<QString> claimedTarget(const ArchiveFiles& archive, const QString& target);

} // namespace catalogue
