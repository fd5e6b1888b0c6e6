#include "writing.h"

#include <sstream>

#include "data_files/file_paths.h"
#include "data_files/stroke_file.h"
#include "drawing/drawing_pace.h"
#include "export_error.h"
#include "renderer/drawing_sequence.h"

namespace sumimai {
namespace {

// How far the program's fitting moves a character left and up of the
// canvas's centre (fitting.h, 補正2).
constexpr std::int32_t kFittedLeft = 120, kFittedUp = 225;

[[noreturn]] void refuse(const std::string& origin, const StrokeFileRead& read) {
  const std::string problem = read.status == StrokeFileStatus::Missing ? "no such file" : read.problem;
  throw ExportError(origin + ": " + problem);
}

float twips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

PixelRect wholePicture(const std::vector<PixelRect>& cells) { return cells.empty() ? PixelRect{} : cells.front(); }

// Whether a record can be moved: its values stay far inside 32 bits, and
// it does not become the end mark.
bool movable(const StrokeRecord& r) {
  constexpr std::int32_t kFar = 1'000'000'000;
  for (std::int32_t v : {r.StartX, r.StartY, r.EndX, r.EndY}) {
    if (v <= -kFar || v >= kFar) return false;
  }
  return r.StartX + kFittedLeft != StrokeTerminator;
}

// Moves the fitted records so that the character's box is centred on the
// canvas.
void centre(StrokeTable& table, const StrokeCountValue& count) {
  for (int i = 1; i < slotOf(count) && i <= kStrokeSlots; ++i) {
    StrokeRecord& r = table[i];
    if (!movable(r)) continue;
    r.StartX += kFittedLeft, r.EndX += kFittedLeft;
    r.StartY += kFittedUp, r.EndY += kFittedUp;
  }
}

void drawCharacterInCell(const CharacterStrokes& strokes, PixelRect cell, bool centred, CellCanvas& canvas,
                         const DrawingStyle& style) {
  const int w = cell.right - cell.left, h = cell.bottom - cell.top;
  canvas.place(canvasOfWindow(w, h), cell);
  StrokeTable table = strokes.table;
  StrokeCountValue count = strokes.count;
  double thickness = 0;
  const DrawingTarget target{canvas, {twips(w), twips(h)}};
  if (!centred) return drawCharacter(table, target, style.speed, style.ink, {thickness, count});
  fitCharacter(table, count, canvas.outerSize());
  centre(table, count);
  canvas.clear();
  描画(table, target, style.speed, style.ink, {thickness, count});
}

void drawPage(const PageStrokes& page, PixelRect picture, CellCanvas& canvas, const DrawingStyle& style) {
  const int w = picture.right - picture.left, h = picture.bottom - picture.top;
  canvas.place(canvasOfWindow(w, h), picture);
  ScopedCallCost pageCost(canvas.clock(), kPageDrawingCallCost);
  PageStrokeTable table = page.table;
  StrokeCountValue count = page.count;
  double thickness = 0;
  const GridBox grid = fitPage(table, count, {canvas, {twips(w), twips(h)}});
  const DrawSettings settings{0, style.ink.red, style.ink.green, style.ink.blue};
  InkColour ink = style.ink;
  drawFittedPage(table, grid, canvas, settings, ink, {thickness, count});
}

}  // namespace

CharacterStrokes loadStrokes(const StrokeSource& source) {
  CharacterStrokes strokes{source.origin, {}, {}};
  StrokeFileRead read;
  if (source.file) {
    read = readStrokeFile(*source.file, strokes.table, strokes.count);
  } else {
    std::istringstream text(source.text);
    read = readStrokeStream(text, strokes.table, strokes.count);
  }
  if (!read.ok()) refuse(source.origin, read);
  return strokes;
}

CharacterStrokes loadCharacter(const CharacterSource& source, std::string_view character) {
  std::optional<StrokeSource> found = source.find(character);
  if (!found) throw ExportError("no strokes for the character " + std::string(character));
  return loadStrokes(*found);
}

std::shared_ptr<const PageStrokes> loadPage(const std::filesystem::path& file) {
  auto page = std::make_shared<PageStrokes>();
  StrokeFileRead read = readPageFile(file, page->table, page->count);
  if (!read.ok()) refuse(file.string(), read);
  return page;
}

SizeF canvasOfWindow(int width, int height) { return {twips(width) + 30, twips(height) + 30}; }

void drawWriting(const Writing& writing, const std::vector<PixelRect>& cells, CellCanvas& canvas,
                 const DrawingStyle& style) {
  if (writing.page) return drawPage(*writing.page, wholePicture(cells), canvas, style);
  const bool centred = cells.size() > 1;
  for (std::size_t i = 0; i < writing.characters.size() && i < cells.size(); ++i) {
    if (writing.characters[i]) drawCharacterInCell(*writing.characters[i], cells[i], centred, canvas, style);
  }
}

}  // namespace sumimai
