#pragma once

#include "catalogue/ArchiveFiles.h"
#include "exchange/SheetData.h"
#include "exchange/SheetDocument.h"

#include <QString>

#include <memory>
#include <vector>

class QPageLayout;
class QWidget;

// The printed sheets, and every other document laid out as pages, on their way out: a print preview to print
// from, or a PDF file. Long catalogues show their progress and can be cancelled; the dialogs open through
// ui::execModal(), so tests answer them without a modal loop.
namespace windows {

// Lays out cassettes on the paper of pageLayout, with a progress dialog over parent titled caption;
// null when the user cancelled.
std::unique_ptr<exchange::SheetDocument> layOutSheets(QWidget* parent,
                                                      std::vector<exchange::SheetCassette> cassettes,
                                                      exchange::SheetKind kind, const QPageLayout& pageLayout,
                                                      const QString& caption);

// document laid out again on the paper of pageLayout, with a progress dialog over parent titled caption;
// null when the user cancelled.
std::unique_ptr<exchange::PagedDocument> layOutAgain(QWidget* parent, const exchange::PagedDocument& document,
                                                     const QPageLayout& pageLayout, const QString& caption);

// Every PDF file below is refused where it would take the place of one of the files of archive, the
// archive in use (see catalogue::ArchiveFiles), and the refusal is reported as any failure is.

// Writes the pages first to last of document to a PDF file at path, with a progress dialog over parent
// titled caption. A file that could not be written is reported; a cancelled one keeps what it held.
// True when the file was written.
bool writePdf(QWidget* parent, exchange::PagedDocument& document, const QString& path,
              const catalogue::ArchiveFiles& archive, int first, int last, const QString& caption);

// Shows the sheets in a print preview over parent; the user prints from there.
void previewSheets(QWidget* parent, std::vector<exchange::SheetCassette> cassettes, exchange::SheetKind kind,
                   const catalogue::ArchiveFiles& archive);

// Asks where to save the sheets, offering suggestedName, and writes them there as PDF. Returns the
// file written; empty when none was.
QString saveSheetsAsPdf(QWidget* parent, std::vector<exchange::SheetCassette> cassettes,
                        exchange::SheetKind kind, const QString& suggestedName,
                        const catalogue::ArchiveFiles& archive);

// Any document laid out already (labels, the statistics page): the same preview, and the same way to a
// PDF file, as the sheets.
void previewDocument(QWidget* parent, std::unique_ptr<exchange::PagedDocument> document,
                     const catalogue::ArchiveFiles& archive);
QString saveDocumentAsPdf(QWidget* parent, exchange::PagedDocument& document, const QString& suggestedName,
                          const catalogue::ArchiveFiles& archive);

} // namespace windows
