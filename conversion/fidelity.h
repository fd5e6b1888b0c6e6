// How closely a stroke file, drawn by the program's own brush into its own
// ink raster, follows the outline of the glyph it was made from.
//
// The file is fitted to a square canvas as the program fits a character
// (拡大縮小2, 補正2) and each stroke is drawn with 描画; the glyph's outline
// is laid on the same pixels through the same fitting. A pixel is inked when
// the ink covers at least half of it, and inside the glyph when its centre
// lies inside an outline. Two measures:
//   strict: every pixel counts;
//   tolerant: a glyph pixel counts as covered with ink within one pixel of
//     it, and ink outside only when no glyph pixel lies within one pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/ink_brush/brush_choice.h"
#include "glyph.h"

namespace sumimai::strokes {

struct Fidelity {
  std::string problem;           // the file cannot be read, or its strokes do not match the glyph's
  bool ok() const { return problem.empty(); }
  double covered = 0;            // tolerant: share of the glyph covered by ink
  double outside = 0;            // tolerant: share of the ink outside the glyph
  double coveredStrict = 0;
  double outsideStrict = 0;
  double worstStroke = 0;        // tolerant coverage of the least covered stroke by its own ink
  int worstStrokeNumber = 0;     // 1-based
  int strokes = 0;               // strokes in the file
  int records = 0;
  int height = 0;                // the glyph's height in pixels as drawn
};

// A picture of the comparison: ink on the glyph black, glyph without ink
// red, ink outside the glyph blue, rows of RGB bytes.
struct FidelityPicture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
};

// Measures the stroke file text against the glyph on a canvas of
// canvasPixels x canvasPixels, drawn with the brush; fills picture when
// given.
Fidelity measureFidelity(const GlyphRead& glyph, const std::string& strokeFileText, int canvasPixels,
                         FidelityPicture* picture = nullptr, const BrushChoice& brush = {});

}  // namespace sumimai::strokes
