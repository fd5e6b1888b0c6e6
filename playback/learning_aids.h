// What helps a learner read a writing: the finished character faint under
// the brush (the ghost), each stroke's number at its start, a dot and an
// arrow where the stroke being written starts and which way it goes, a
// colour per stroke, and a practice grid in each cell. Drawn in the
// picture's pixels (32-bit premultiplied ARGB), so the window and an export
// show the same.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/geometry.h"
#include "writing/character_strokes.h"
#include "writing/layout.h"

namespace sumimai {

enum class PracticeGrid { None, Cross, Star, NineSquares };  // 田字格, 米字格, 九宮格

struct LearningAids {
  bool ghost = false;
  bool strokeNumbers = false;
  bool startArrow = false;
  bool strokeColours = false;
  PracticeGrid grid = PracticeGrid::None;
  bool operator==(const LearningAids&) const = default;
};

// Colours that stay apart for the common kinds of colour blindness (Okabe
// and Ito's eight, black left to the ink).
inline constexpr std::array<Rgb, 7> kStrokePalette{{{213, 94, 0},
                                                    {0, 114, 178},
                                                    {0, 158, 115},
                                                    {204, 121, 167},
                                                    {230, 159, 0},
                                                    {86, 180, 233},
                                                    {240, 228, 66}}};
std::vector<Rgb> strokePalette();

// The colour of the ghost for an ink over a ground: a tenth of the way
// from the ground to a grey of the ink.
Rgb ghostColour(Rgb ink, Rgb ground);

// Where a stroke starts and which way it sets off, in the cell's pixels.
struct StrokeStart {
  PointF at;
  PointF towards;  // a unit vector
};

// The starts of a character's strokes fitted into a cell of this size (as
// drawCharacterInCell fits them), at this many pixels per twip.
std::vector<StrokeStart> strokeStarts(const CharacterStrokes& strokes, PictureSize cell, Framing framing,
                                      double pixelsPerTwip);

// A picture's pixels: 32-bit premultiplied ARGB, rows `stride` pixels apart.
struct PixelView {
  std::uint32_t* pixels = nullptr;
  std::ptrdiff_t stride = 0;
  PixelRect bounds;  // the pixels that may be drawn
};

// The practice grid of one cell, in thin lines of a light red.
void drawGrid(PixelView view, PixelRect cell, PracticeGrid grid);

// The frame of a cell whose character has no strokes: a dotted grey line a
// tenth of the cell inside its edges.
void drawDottedFrame(PixelView view, PixelRect cell);

// Where the numbers of the strokes go (boxes in cell pixels): beside each
// start, where they overlap neither each other nor the inked pixels
// (covered(x, y)) as far as that can be done, within the cell.
struct NumberPlace {
  PixelRect box;
};
std::vector<NumberPlace> placeNumbers(const std::vector<StrokeStart>& starts, PictureSize cell, int digitHeight,
                                      const std::function<bool(int x, int y)>& covered);

// A stroke's number, its digits as bars, in colour.
void drawNumber(PixelView view, PixelRect box, int number, Rgb colour);
// The dot at a stroke's start and an arrow the way it goes.
void drawStartArrow(PixelView view, PointF at, PointF towards, float size, Rgb colour);

// The box a number of this many digits takes.
PictureSize numberSize(int number, int digitHeight);

}  // namespace sumimai
