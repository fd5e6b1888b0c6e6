// A practice sheet sent to a printer (Qt Print Support): the printer takes
// the sheet's paper with no margins of its own, and the same painter calls
// as the PDF file. A printer whose output is a PDF file makes the same
// document as sumimai-sheet.
#pragma once

#include <QPrinter>

#include "sheet_painter.h"

namespace sumimai {

// Sets the printer's paper to the sheet's (full page, no margins).
void preparePrinter(QPrinter& printer, const SheetOptions& options);

// Prints every page; false when the printer cannot be painted on.
bool printWorksheet(QPrinter& printer, const Worksheet& sheet);

}  // namespace sumimai
