// A practice sheet painted on paper with QPainter: a PDF file written by
// QPdfWriter, or a printer (QPrinter) for the Studio's print preview; both
// take the same calls, so the print is the file. Text (the title, each
// heading's stroke count, the stroke numbers, the page numbers) is real text
// in IPA Gothic, which the PDF embeds; the outlines and guide lines are
// vector lines; the brush's ink comes as pictures at 600 dots per inch,
// stored losslessly (one picture per trace character, reused in its cells).
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <string>
#include <vector>

#include "worksheet/sheet_characters.h"
#include "worksheet/sheet_layout.h"

namespace sumimai {

struct Worksheet {
  std::vector<SheetCharacter> characters;
  SheetOptions options;
  SheetPlan plan;
};

// The characters laid out as the options ask.
Worksheet worksheetOf(std::vector<SheetCharacter> characters, const SheetOptions& options);

// The paper of the options, with no margins (the plan has its own).
QPageLayout pageLayoutOf(const SheetOptions& options);

// The brush's resolution, in dots per inch.
inline constexpr int kBrushDotsPerInch = 600;

// Paints every page of the sheet onto the device the painter is active on
// (a new page for each after the first), whose page is the sheet's paper
// with no margins.
void paintWorksheet(QPainter& painter, QPagedPaintDevice& device, const Worksheet& sheet);

// The sheet as a PDF document. Empty when it cannot be painted.
QByteArray worksheetPdf(const Worksheet& sheet, const std::string& documentTitle);

}  // namespace sumimai
