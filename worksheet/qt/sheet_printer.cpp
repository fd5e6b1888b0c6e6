#include "sheet_printer.h"

namespace sumimai {

void preparePrinter(QPrinter& printer, const SheetOptions& options) {
  printer.setFullPage(true);
  printer.setPageLayout(pageLayoutOf(options));
}

bool printWorksheet(QPrinter& printer, const Worksheet& sheet) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  paintWorksheet(painter, printer, sheet);
  return painter.end();
}

}  // namespace sumimai
