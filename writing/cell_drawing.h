// Drawing a composition: each character on its own canvas placed over its
// cell of the picture, fitted as the composition frames it, and written
// with the programs' own brush at the style's speed, one after another.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>

#include "composition.h"
#include "data_files/settings_file.h"
#include "drawing/canvas.h"
#include "renderer/brush.h"

namespace sumimai {

// A canvas a composition is drawn on one cell at a time: the frame canvas
// of an export, a raster for a still, a counting canvas for the timing, a
// window's canvas.
class CellCanvas : public virtual Canvas {
 public:
  // The next drawing's canvas: this size (twips), its window covering
  // `window` of the picture. What was drawn before stays in the picture.
  virtual void place(SizeF canvas, PixelRect window) = 0;
};

struct DrawingStyle {
  DrawingStyle() = default;
  DrawingStyle(double speed, InkColour ink, std::optional<PictureSize> tempoScreen = std::nullopt, double pace = 1)
      : speed(speed), ink(ink), tempoScreen(tempoScreen), pace(pace) {}

  double speed = 0;
  InkColour ink;
  // When set, each character's calls are charged so that its writing lasts
  // as long as it does drawn alone in the main window on a screen of this
  // size: a bigger picture has more rings, and only draws finer, not
  // slower. None: every call at the canvas's own cost (a window, or the
  // save key, which keeps the tempo of the screen it saves).
  std::optional<PictureSize> tempoScreen;
  // Every call's cost is multiplied by this (a writing fitted into a given length).
  double pace = 1;
};

// The screen whose tempo the tools keep.
inline constexpr PictureSize kTempoScreen{1920, 1080};

// Which strokes of a character are drawn: strokes first..last, counted
// from 1 (strokeSpans). The character is always fitted whole, so that a
// stroke drawn alone stands where it stands in the character.
struct StrokeSelection {
  int first = 1;
  int last = std::numeric_limits<int>::max();
  static StrokeSelection only(int stroke) { return {stroke, stroke}; }
  static StrokeSelection upTo(int stroke) { return {1, stroke}; }
};

// Told of each character as its drawing begins and ends, and of each slot
// of its table as the brush comes to it (renderer/brush.h).
class DrawingWatch {
 public:
  virtual ~DrawingWatch() = default;
  virtual void characterBegins(std::size_t index) {}
  virtual void slotReached(std::size_t index, int slot) {}
  virtual void characterEnds(std::size_t index) {}
};

// Draws the written characters in order, each charged at the style's
// tempo. Blank cells stay empty, and so do unwritten ones, in a dotted frame
// when the composition says so. The canvas of each cell is its window 30 twips larger
// (renderer/window_canvas.h).
void drawComposition(const Composition& composition, CellCanvas& canvas, const DrawingStyle& style,
                     DrawingWatch* watch = nullptr);

// How a character is framed in a composition framed as `laid`: strokes
// that are not on the design box are centred on their ink instead.
Framing framingOf(Framing laid, const CharacterStrokes& strokes);

// One character in a cell: placed, fitted, cleared and drawn (the selected
// strokes of it).
void drawCharacterInCell(const CharacterStrokes& strokes, PixelRect cell, Framing framing, CellCanvas& canvas,
                         const DrawingStyle& style, StrokeSelection selection = {}, const RecordWatch& watch = {});

}  // namespace sumimai
