// What an export writes, loaded before anything is drawn: characters one
// after another, each in its cell, or the sutra page; and how it is drawn,
// with the programs' own sequence (drawing_sequence.h).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "character_source.h"
#include "data_files/settings_file.h"
#include "data_files/stroke_table.h"
#include "drawing/canvas.h"
#include "drawing/raster/ink_layer.h"

namespace sumimai {

struct CharacterStrokes {
  std::string origin;  // the file the strokes came from
  StrokeTable table{};
  StrokeCountValue count;
};

struct PageStrokes {
  PageStrokeTable table;
  StrokeCountValue count;
};

struct Writing {
  std::vector<std::optional<CharacterStrokes>> characters;  // nothing: a blank cell
  std::shared_ptr<const PageStrokes> page;  // when set, the page alone
};

// Loading. Each throws ExportError naming the file or character when it
// is missing or damaged.
CharacterStrokes loadStrokes(const StrokeSource& source);
CharacterStrokes loadCharacter(const CharacterSource& source, std::string_view character);
std::shared_ptr<const PageStrokes> loadPage(const std::filesystem::path& file);

// A canvas a writing is drawn on one cell at a time.
class CellCanvas : public virtual Canvas {
 public:
  // The next drawing's canvas: this size (twips), its window covering
  // `window` of the picture.
  virtual void place(SizeF canvas, PixelRect window) = 0;
};

struct DrawingStyle {
  double speed = 0;
  InkColour ink;
};

// The canvas of a window of this many pixels: 30 twips larger.
SizeF canvasOfWindow(int width, int height);

// Draws the writing: each character fitted to its cell as the program fits
// a character to its canvas (the cell is the window, the canvas 30 twips
// larger) and written at the style's speed, one after another; or the page
// over the whole picture as start-up draws it, at the page's call cost.
// When there are several cells each character is centred in its cell: the
// program's fitting leaves a character 120 twips left of and 225 twips
// above its canvas's centre, room for the command row, which a cell does
// not have.
void drawWriting(const Writing& writing, const std::vector<PixelRect>& cells, CellCanvas& canvas,
                 const DrawingStyle& style);

}  // namespace sumimai
