// The whole data set made from a source folder: one stroke file per distinct
// character of the sutra, the sample character, the page file and the
// character list.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "brush_fit.h"
#include "brush_trace.h"

namespace sumimai::strokes {

// Limits and tolerances, in source units unless said otherwise.
struct DataSetOptions {
  int characterBudget = 99;         // records of one character file
  double characterTolerance = 1.0;  // smallest simplification tolerance of a character file
  int pageBudgetPerCharacter = 72;  // records of one character on the page (276 x 72 < 20000)
  double pageTolerance = 3.0;
  double pageFill = 0.86;           // the character's side, of the cell's smaller side
  TraceOptions trace;
  bool fit = true;  // the simplified paths fitted to the outlines
  FitOptions fitting;
  // When set, how well a character's stroke file text draws its glyph (the
  // higher the better): the converter then makes the file in a few ways
  // and keeps the best one.
  std::function<double(const GlyphRead& glyph, const std::string& text)> judge;
};

struct [[nodiscard]] DataSetWrite {
  bool ok = false;
  std::string problem;
  std::vector<std::string> notes;  // one line per file written
};

// The stroke file text of character c drawn from its glyph, or "" when even
// two records a stroke exceed the budget; note tells the strokes, records
// and tolerance.
std::string characterFileText(char32_t c, const GlyphRead& glyph, const DataSetOptions& options, std::string& note);

// Code points of UTF-8 text, skipping line breaks, blanks and a byte-order
// mark; only those before the first ill-formed sequence, if there is one.
std::vector<char32_t> sutraCharacters(const std::string& utf8);

// Reads source/sutra.txt and source/svg/<code>.svg, and writes into output:
// 般若心経/<character>.mem for each distinct character, 般若心経/海（墨翁）.MEM,
// 般若心経/般若心経.mem and 般若心経/文字2.csv.
DataSetWrite writeDataSet(const std::filesystem::path& source, const std::filesystem::path& output,
                          const DataSetOptions& options = {});

}  // namespace sumimai::strokes
