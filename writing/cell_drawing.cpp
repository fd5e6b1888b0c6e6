#include "cell_drawing.h"

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
    if (!c.strokes) continue;
    if (watch) watch->characterBegins(i);
    const RecordWatch slots = [&](int slot) {
      if (watch) watch->slotReached(i, slot);
    };
    drawCharacterInCell(*c.strokes, c.cell, framingOf(composition.framing, *c.strokes), canvas, style, {}, slots);
    if (watch) watch->characterEnds(i);
  }
}

}  // namespace sumimai
