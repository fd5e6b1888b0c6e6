#include "cell_drawing.h"

#include <cmath>

#include "counting_canvas.h"
#include "drawing/drawing_pace.h"
#include "renderer/drawing_sequence.h"
#include "renderer/window_canvas.h"

namespace sumimai {
namespace {

SizeF windowOf(PixelRect cell) { return twipsOf({cell.width(), cell.height()}); }

// The records of the selected strokes of a fitted table, from slot 1, with
// the record before the first of them in slot 0 (where a stroke's start
// disc takes its radius from), then the end mark. Their slots in the
// table are given by `slots`: the table's slot of each.
StrokeTable selected(const StrokeTable& fitted, const std::vector<StrokeSpan>& spans, StrokeSelection selection,
                     std::vector<int>& slots) {
  StrokeTable table{};
  const int from = std::max(selection.first, 1);
  const int to = std::min<long>(selection.last, static_cast<long>(spans.size()));
  int at = 1;
  if (from <= to) table[0] = fitted[spans[from - 1].first - 1];
  slots.assign(1, 0);
  for (int s = from; s <= to; ++s) {
    for (int i = spans[s - 1].first; i <= spans[s - 1].last; ++i, ++at) {
      table[at] = fitted[i];
      slots.push_back(i);
    }
  }
  table[at].StartX = StrokeTerminator;
  return table;
}

bool selectsAll(StrokeSelection selection, std::size_t strokes) {
  return selection.first <= 1 && selection.last >= static_cast<long>(strokes);
}

// The calls a character's drawing makes in this cell.
std::uint64_t callsOf(const CharacterStrokes& strokes, PixelRect cell, Framing framing, const DrawingStyle& style) {
  CountingCanvas counting;
  counting.clock().setCallCost(std::chrono::nanoseconds(1));
  drawCharacterInCell(strokes, cell, framing, counting, {style.speed, style.ink, std::nullopt, 1});
  return counting.clock().calls();
}

// What each call of the character in its cell costs, as a multiple of the
// canvas's cost.
double costFactor(const CharacterStrokes& strokes, PixelRect cell, Framing framing, const DrawingStyle& style) {
  if (!style.tempoScreen) return style.pace;
  const PixelRect screen{0, 0, style.tempoScreen->width, style.tempoScreen->height};
  const std::uint64_t here = callsOf(strokes, cell, framing, style);
  if (here == 0) return style.pace;
  const std::uint64_t there = callsOf(strokes, screen, Framing::AsTheMainWindow, style);
  return style.pace * static_cast<double>(there) / static_cast<double>(here);
}

DrawingClock::Duration scaled(DrawingClock::Duration cost, double factor) {
  return DrawingClock::Duration(std::llround(static_cast<double>(cost.count()) * factor));
}

// The dotted frame of a character that has no strokes: grey squares a
// tenth of the cell inside its edges.
constexpr Rgb kFrameGrey{150, 150, 150};

void drawDottedFrame(PixelRect cell, CellCanvas& canvas) {
  const SizeF window = windowOf(cell);
  canvas.place(canvasOfWindow(window), cell);
  const float side = std::min(window.width, window.height);
  const float inset = side / 10, dot = std::max(side / 60, static_cast<float>(kTwipsPerPixel));
  const float left = inset, top = inset, right = window.width - inset, bottom = window.height - inset;
  constexpr int kDots = 12;  // along each side
  auto square = [&](float x, float y) { canvas.fillRectangle({x - dot / 2, y - dot / 2}, {x + dot / 2, y + dot / 2}, kFrameGrey); };
  for (int i = 0; i < kDots; ++i) {
    const float t = static_cast<float>(i) / kDots;
    square(left + (right - left) * t, top), square(right, top + (bottom - top) * t);
    square(right - (right - left) * t, bottom), square(left, bottom - (bottom - top) * t);
  }
}

}  // namespace

Framing framingOf(Framing laid, const CharacterStrokes& strokes) {
  return laid == Framing::EmBox && !strokes.onEmBox ? Framing::Centred : laid;
}

void drawCharacterInCell(const CharacterStrokes& strokes, PixelRect cell, Framing framing, CellCanvas& canvas,
                         const DrawingStyle& style, StrokeSelection selection, const RecordWatch& watch) {
  const SizeF window = windowOf(cell);
  canvas.place(canvasOfWindow(window), cell);
  StrokeTable table = strokes.table;
  fitForWindow(table, strokes.count, window, framing);
  const std::vector<StrokeSpan> spans = strokeSpans(strokes);
  if (selectsAll(selection, spans.size())) {
    (void)drawFitted(table, canvas, window, style.speed, style.ink, watch);
    return;
  }
  std::vector<int> slots;
  const StrokeTable part = selected(table, spans, selection, slots);
  const RecordWatch inTable = [&](int slot) {
    if (watch) watch(slots[static_cast<std::size_t>(slot)]);
  };
  (void)drawFitted(part, canvas, window, style.speed, style.ink, inTable);
}

void drawComposition(const Composition& composition, CellCanvas& canvas, const DrawingStyle& style,
                     DrawingWatch* watch) {
  for (std::size_t i = 0; i < composition.characters.size(); ++i) {
    const PlacedCharacter& c = composition.characters[i];
    if (!c.strokes) {
      const bool unwritten = c.state == CharacterState::Missing || c.state == CharacterState::Damaged;
      if (unwritten && composition.framesUnwritten) drawDottedFrame(c.cell, canvas);
      continue;
    }
    if (watch) watch->characterBegins(i);
    const RecordWatch slots = [&](int slot) {
      if (watch) watch->slotReached(i, slot);
    };
    const Framing framing = framingOf(composition.framing, *c.strokes);
    const ScopedCallCost cost(canvas.clock(), scaled(canvas.clock().callCost(), costFactor(*c.strokes, c.cell, framing, style)));
    drawCharacterInCell(*c.strokes, c.cell, framing, canvas, style, {}, slots);
    if (watch) watch->characterEnds(i);
  }
}

}  // namespace sumimai
