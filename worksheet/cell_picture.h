// A character drawn with the programs' own brush into the square picture of
// one cell of a sheet, some of its strokes in one colour and some in
// another, and where a stroke starts and which way it sets off (the start
// dot and arrow of a sequence cell).
#pragma once

#include <cstdint>
#include <vector>

#include "core/geometry.h"
#include "drawing/ink_brush/brush_choice.h"
#include "writing/cell_drawing.h"
#include "writing/character_strokes.h"

namespace sumimai {

// Opaque pixels over white, 0xAARRGGBB (as QImage's RGB32 holds them), row
// by row, `stride` pixels apart (the ink's own rows, a little wider than
// the picture, which is the top-left side x side of them).
struct CellPicture {
  int side = 0;
  int stride = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }
};

struct InkedStrokes {
  StrokeSelection strokes;
  Rgb colour;
};

// The character fitted whole into a square of `side` pixels, as text is
// set on its design box, and the strokes of each layer drawn in its colour,
// later layers over earlier ones, with the brush chosen. A layer selecting
// no stroke draws nothing.
CellPicture cellPicture(const CharacterStrokes& strokes, int side, const std::vector<InkedStrokes>& layers,
                        const BrushChoice& brush = {});

// The pictures of the stroke-by-stroke sequence: picture k (from 0) shows
// strokes 1..k in `earlier` and stroke k + 1 over them in `ink`; each
// stroke is drawn twice in all, not once per later picture.
std::vector<CellPicture> sequencePictures(const CharacterStrokes& strokes, int side, Rgb earlier, Rgb ink,
                                         const BrushChoice& brush = {});

// Where stroke `stroke` (from 1) begins and a point a little way along it,
// in the cell's unit square (0..1, y down), as cellPicture fits it; the two
// are the same point for a stroke that does not move.
struct StrokeStart {
  PointF at, towards;
};
StrokeStart strokeStartOf(const CharacterStrokes& strokes, int stroke);

}  // namespace sumimai
