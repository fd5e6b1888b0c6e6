// Centre lines that cannot guide the brush through their stroke, mended
// before tracing. A few glyphs of the source give a stroke a centre line of
// a single point, or one that lies wholly outside its outline because two
// strokes' centre lines were exchanged. Such a stroke takes the centre line
// of another such stroke when that runs inside its outline; else a line
// between its outline's two farthest points, begun at the end nearer to
// where its given line begins. Strokes whose centre lines run inside their
// outlines are left exactly as they are.
#pragma once

#include <vector>

#include "glyph.h"

namespace sumimai::strokes {

// The share of points along the line, one every few source units, that lie
// inside the stroke's outline.
double shareInside(const std::vector<Point2>& line, const SourceStroke& stroke);

// Mends the centre lines of the strokes as above; returns how many it mended.
int mendCentreLines(std::vector<SourceStroke>& strokes);

}  // namespace sumimai::strokes
