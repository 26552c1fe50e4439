#pragma once

#include "exchange/SheetData.h"

#include <QString>

#include <optional>
#include <vector>

class QPagedPaintDevice;

// The cassette sheet and the catalogue list on paper: painted on any paged device, a printer or a
// PDF writer, in the language of the installed translation.
namespace exchange {

enum class SheetKind
{
    CassetteSheet, // one cassette, to go into its box
    CatalogueList, // every cassette
};

// Paints cassettes on device, page after page, within the paint rectangle of its page layout. An
// empty list gives one page that says so. False when no painter could be opened on the device.
bool paintSheets(QPagedPaintDevice& device, const std::vector<SheetCassette>& cassettes, SheetKind kind);

// Writes the sheets to a PDF file at path (A4). The file is replaced only once the whole document is
// on disk, unless only the file, not its folder, is writable. Returns what went wrong, or nothing when
// the file was written.
std::optional<QString> writeSheetsPdf(const QString& path, const std::vector<SheetCassette>& cassettes,
                                      SheetKind kind);

} // namespace exchange
