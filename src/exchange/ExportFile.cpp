#include "exchange/ExportFile.h"

#include "catalogue/Catalogue.h"
#include "storage/ReplacingFile.h"

#include <algorithm>

namespace exchange {
namespace {

// Bytes written between two reports of progress.
constexpr qsizetype kWriteChunk = qsizetype(1) << 20;
// How much of writing the file building its bytes takes; the rest is writing them.
constexpr double kBuildShare = 0.6;

} // namespace

catalogue::WriteOutcome
writeExportFile(const QString& path, const catalogue::Catalogue& catalogue,
                const std::function<std::optional<QByteArray>(const catalogue::Progress&)>& build,
                const catalogue::Progress& progress)
{
    const std::optional<QByteArray> bytes = build(progress.part(0, kBuildShare));
    if (!bytes)
        return {catalogue::WriteOutcome::Cancelled, {}};
    const catalogue::Progress writing = progress.part(kBuildShare, 1);
    catalogue::ReplacingFile file(path, catalogue.archiveFiles());
    if (!file.open(QIODevice::WriteOnly))
        return catalogue::WriteOutcome::failed(file.errorString());
    for (qsizetype at = 0; at < bytes->size(); at += kWriteChunk) {
        const qsizetype size = std::min(kWriteChunk, bytes->size() - at);
        // A failed write is told by commit(), with its reason.
        if (file.write(bytes->constData() + at, size) != size)
            break;
        if (!writing.advance(at + size, bytes->size())) {
            file.discard();
            return {catalogue::WriteOutcome::Cancelled, {}};
        }
    }
    if (!file.commit())
        return catalogue::WriteOutcome::failed(file.errorString());
    return {};
}

} // namespace exchange
