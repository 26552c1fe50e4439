#pragma once

#include "catalogue/ArchiveFiles.h"
#include "catalogue/Progress.h"
#include "exchange/PagedDocument.h"
#include "exchange/SheetData.h"
#include "exchange/SheetDocument.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

// The cassette sheet, the catalogue list, labels and the statistics page on paper: painted on a
// printer or written to a PDF file, page after page, from their layout (a PagedDocument).
namespace exchange {

enum class PaintResult
{
    Painted,
    Cancelled,  // progress was told to stop; the pages so far have been painted
    NotStarted, // no painter could be opened on the device
};

// Paints the pages first to last (0-based, both included; last -1 for the last page) of document on
// device, whose page layout should be the document's. Reports each page to progress.
PaintResult paintSheets(QPagedPaintDevice& device, PagedDocument& document, int first = 0, int last = -1,
                        const catalogue::Progress& progress = {});

// Writes the pages first to last of document to a PDF file at path, on the document's paper. The file
// is replaced only once the whole document is on disk (unless only the file, not its folder, is
// writable); a cancelled or failed write leaves it as it was. A path that is one of the files of
// archive is refused.
catalogue::WriteOutcome writeSheetsPdf(const QString& path, const catalogue::ArchiveFiles& archive,
                                       PagedDocument& document, int first = 0, int last = -1,
                                       const catalogue::Progress& progress = {});

// Lays out cassettes on A4 (defaultSheetPageLayout()) and writes every page to a PDF file at path.
catalogue::WriteOutcome writeSheetsPdf(const QString& path, const catalogue::ArchiveFiles& archive,
                                       std::vector<SheetCassette> cassettes, SheetKind kind,
                                       const catalogue::Progress& progress = {});

} // namespace exchange
