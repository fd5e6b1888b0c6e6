// A character's glyph as the stroke source gives it: for every stroke in
// writing order, its outline and its centre line, in the source's own units
// (a 1024 x 1024 box, y downwards).
#pragma once

#include <string>
#include <vector>

namespace sumimai::strokes {

struct Point2 {
  double x = 0;
  double y = 0;
};

// A closed polygon; the last point joins the first.
using Contour = std::vector<Point2>;

// A stroke drawn in several overlapping parts (some kana) has the union of
// the parts' outlines as its outline; within one part the contours combine
// by the even-odd rule.
struct SourceStroke {
  std::vector<Contour> outline;     // curves flattened into short straight pieces
  std::vector<Point2> centreLine;   // as given: may start and end outside the outline
  std::vector<int> contourPart;     // the part of each contour of outline; empty: all part 0
  int parts = 0;
};

struct [[nodiscard]] GlyphRead {
  std::vector<SourceStroke> strokes;
  std::string problem;
  bool ok() const { return problem.empty(); }
};

}  // namespace sumimai::strokes
