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

struct SourceStroke {
  std::vector<Contour> outline;     // curves flattened into short straight pieces
  std::vector<Point2> centreLine;   // as given: may start and end outside the outline
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
// lines carry clip-path "url(#z<code>c<k>)"; stroke k pairs the two. Fails
// when a stroke lacks either part or a path cannot be read.
GlyphRead parseGlyphSvg(std::string_view svg);

GlyphRead readGlyphSvg(const std::filesystem::path& path);

}  // namespace sumimai::strokes
