// Reading one character's source SVG into its glyph (glyph.h): the outline
// and centre line of every stroke, in the SVG's own units.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "glyph.h"

namespace sumimai::strokes {

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
