#pragma once

#include "exchange/SheetData.h"
#include "exchange/SheetPainter.h"

#include <QString>

#include <vector>

class QWidget;

// The printed sheets on their way out: a print preview to print from, or a PDF file. Both dialogs
// open through ui::execModal(), so tests answer them without a modal loop.
namespace windows {

// Shows the sheets in a print preview over parent; the user prints from there.
void previewSheets(QWidget* parent, const std::vector<exchange::SheetCassette>& cassettes,
                   exchange::SheetKind kind);

// Asks where to save the sheets, offering suggestedName, and writes them there as PDF. A file that
// could not be written is reported. True when the file was written.
bool saveSheetsAsPdf(QWidget* parent, const std::vector<exchange::SheetCassette>& cassettes,
                     exchange::SheetKind kind, const QString& suggestedName);

} // namespace windows
