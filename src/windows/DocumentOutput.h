#pragma once

#include <QString>

class QWidget;

namespace exchange {
class PagedDocument;
}

// Documents laid out as pages (labels, the statistics page) on their way out: a print preview to
// print from, or a PDF file. Both dialogs open through ui::execModal(), so tests answer them without
// a modal loop; a job of many pages shows its progress and may be cancelled.
namespace windows {

// Shows document in a print preview over parent; the user prints from there.
void previewDocument(QWidget* parent, exchange::PagedDocument& document);

// Asks where to save document, offering suggestedName, and writes it there as PDF. A file that could
// not be written is reported. True when the file was written.
bool saveDocumentAsPdf(QWidget* parent, exchange::PagedDocument& document, const QString& suggestedName);

} // namespace windows
