// Reading one character's source SVG: for every stroke in writing order, its
// outline and its centre line, in the SVG's own units (a 1024 x 1024 box, y
// downwards).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
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
  bool ok = false;
  std::string problem;
};

// Path data of absolute M, L, H, V, Q, C and Z commands as polygons: every
// quadratic or cubic curve becomes `curvePieces` straight pieces; every
// subpath is one contour. Fails on any other command or a malformed number.
[[nodiscard]] bool flattenPath(std::string_view data, std::vector<Contour>& contours,
                               std::string& problem, int curvePieces = 16);

// The strokes of an SVG text: outline paths have id "z<code>d<k>", centre
// lines carry clip-path "url(#z<code>c<k>)"; stroke k pairs the two. A stroke
// in parts has ids "z<code>d<k>a", "...b", ...: the union of their outlines,
// with the centre line of part a. Fails when a stroke or part lacks either
// path or a path cannot be read.
GlyphRead parseGlyphSvg(std::string_view svg);

GlyphRead readGlyphSvg(const std::filesystem::path& path);

}  // namespace sumimai::strokes
