// A character drawn with the programs' own brush into the square picture of
// one cell of a sheet, some of its strokes in one colour and some in
// another, and where a stroke starts and which way it sets off (the start
// dot and arrow of a sequence cell).
#pragma once

#include <cstdint>
#include <vector>

#include "core/geometry.h"
#include "writing/cell_drawing.h"
#include "writing/character_strokes.h"

namespace sumimai {

// Opaque pixels over white, 0xAARRGGBB (as QImage's RGB32 holds them), row
// by row.
struct CellPicture {
  int side = 0;
  std::vector<std::uint32_t> pixels;
};

struct InkedStrokes {
  StrokeSelection strokes;
  Rgb colour;
};

// The character fitted whole into a square of `side` pixels, as text is
// set on its design box, and the strokes of each layer drawn in its colour,
// later layers over earlier ones. A layer selecting no stroke draws nothing.
CellPicture cellPicture(const CharacterStrokes& strokes, int side, const std::vector<InkedStrokes>& layers);

// Where stroke `stroke` (from 1) begins and a point a little way along it,
// in the cell's unit square (0..1, y down), as cellPicture fits it; the two
// are the same point for a stroke that does not move.
struct StrokeStart {
  PointF at, towards;
};
StrokeStart strokeStartOf(const CharacterStrokes& strokes, int stroke);

}  // namespace sumimai
