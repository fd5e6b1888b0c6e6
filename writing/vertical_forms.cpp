#include "vertical_forms.h"

#include <set>

#include "line_breaking.h"
#include "renderer/drawing_sequence.h"

namespace sumimai {
namespace {

bool turns(std::string_view c) {
  static const std::set<std::string_view> turned = {"ー", "〜", "～", "…", "‥", "（", "）", "「", "」", "『",
                                                    "』", "【", "】", "〔", "〕", "－", "—", "―"};
  return turned.contains(c);
}

// Moves a coordinate that is present (0 counts as absent in a table).
void move(std::int32_t& v, double by) {
  if (v != 0) v = static_cast<std::int32_t>(v + by);
}

// A quarter turn clockwise about the box's centre: (x, y) -> (box - y, x).
void turn(std::int32_t& x, std::int32_t& y) {
  if (x == 0 && y == 0) return;
  const std::int32_t oldX = x;
  x = static_cast<std::int32_t>(kEmBox) - y;
  y = oldX;
}

template <typename Change>
void eachRecord(CharacterStrokes& strokes, Change change) {
  const int end = std::min(slotOf(strokes.count), kStrokeSlots + 1);
  for (int i = 1; i < end; ++i) {
    if (strokes.table[i].StartX == StrokeTerminator) break;
    change(strokes.table[i]);
  }
}

}  // namespace

VerticalForm verticalFormOf(std::string_view c) {
  if (turns(c)) return VerticalForm::Turned;
  if (isSmallKana(c)) return VerticalForm::ToTheUpperRight;
  return VerticalForm::Upright;
}

void setForColumns(std::string_view character, CharacterStrokes& strokes) {
  if (!strokes.onEmBox) return;
  switch (verticalFormOf(character)) {
    case VerticalForm::Upright:
      return;
    case VerticalForm::Turned:
      return eachRecord(strokes, [](StrokeRecord& r) { turn(r.StartX, r.StartY), turn(r.EndX, r.EndY); });
    case VerticalForm::ToTheUpperRight:
      return eachRecord(strokes, [](StrokeRecord& r) {
        move(r.StartX, kSmallKanaShiftX), move(r.EndX, kSmallKanaShiftX);
        move(r.StartY, kSmallKanaShiftY), move(r.EndY, kSmallKanaShiftY);
      });
  }
}

}  // namespace sumimai
