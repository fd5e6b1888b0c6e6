#include "punctuation.h"

#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "data_files/stroke_file_text.h"

namespace sumimai {
namespace {

// A point of a stroke in the character box (0..1024, y down) and the brush
// radius there, in the same units.
struct Point {
  double x, y, radius;
};
using Stroke = std::vector<Point>;

enum class Mark { Comma, Stop, Open, Close, DoubleOpen, DoubleClose, Dot };

constexpr double kBox = 1024;
constexpr double kFileUnits = 10;  // file units per box unit, as the converter writes characters
// The corner records' thickness: about the widest brush of a character, so
// that the fitting leaves the margin it leaves around a character.
constexpr int kCornerThickness = 300;
constexpr double kCornerInset = 10;

Stroke circle(double cx, double cy, double r, double radius) {
  Stroke s;
  for (int i = 0; i <= 16; ++i) {
    const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 16;
    s.push_back({cx + r * std::cos(a), cy + r * std::sin(a), radius});
  }
  return s;
}

// The marks as they stand in a row of horizontal writing.
std::vector<Stroke> horizontalStrokes(Mark mark) {
  switch (mark) {
    case Mark::Comma:
      return {{{165, 735, 12}, {200, 790, 32}, {240, 850, 34}, {262, 888, 16}}};
    case Mark::Stop:
      return {circle(220, 810, 78, 17)};
    case Mark::Dot:
      return {{{500, 500, 16}, {512, 515, 36}}};
    case Mark::Open:
      return {{{880, 130, 18}, {580, 130, 22}, {580, 640, 18}}};
    case Mark::Close:
      return {{{144, 894, 18}, {444, 894, 22}, {444, 384, 18}}};
    case Mark::DoubleOpen:
      return {{{880, 110, 14}, {560, 110, 16}, {560, 660, 14}}, {{880, 210, 14}, {660, 210, 16}, {660, 660, 14}}};
    case Mark::DoubleClose:
      return {{{144, 914, 14}, {464, 914, 16}, {464, 364, 14}}, {{144, 814, 14}, {364, 814, 16}, {364, 364, 14}}};
  }
  return {};
}

// In vertical writing: 、 and 。 move to the top right; brackets turn a
// quarter turn clockwise about the box's centre.
Stroke vertical(Mark mark, Stroke s) {
  const bool moves = mark == Mark::Comma || mark == Mark::Stop;
  for (Point& p : s) {
    if (moves) p = {p.x + 580, p.y - 600, p.radius};
    else if (mark != Mark::Dot) p = {kBox - p.y, p.x, p.radius};
  }
  return s;
}

std::optional<Mark> markOf(std::string_view c) {
  static const std::map<std::string_view, Mark> marks = {
      {"、", Mark::Comma}, {"，", Mark::Comma}, {"､", Mark::Comma},    {"。", Mark::Stop},
      {"．", Mark::Stop},  {"｡", Mark::Stop},  {"「", Mark::Open},     {"」", Mark::Close},
      {"『", Mark::DoubleOpen}, {"』", Mark::DoubleClose}, {"・", Mark::Dot}, {"･", Mark::Dot},
  };
  auto found = marks.find(c);
  if (found == marks.end()) return std::nullopt;
  return found->second;
}

std::int32_t fileValue(double boxUnits) { return strokeFileValue(boxUnits * kFileUnits); }

// A record that is never drawn (Kind 3), of no length, at (at, at) of the box.
StrokeRecord cornerRecord(double at) {
  const std::int32_t p = fileValue(at);
  return {p, p, p, p, kUndrawnRecord, kCornerThickness};
}

// The stroke file: each stroke a Kind 1 record of no length, then Kind 2
// records; then the box's corners as records that are never drawn (Kind 3).
std::string strokeFileOf(const std::vector<Stroke>& strokes) {
  std::vector<StrokeRecord> records;
  for (const Stroke& s : strokes) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      const Point& from = s[i == 0 ? 0 : i - 1];
      records.push_back({fileValue(from.x), fileValue(from.y), fileValue(s[i].x), fileValue(s[i].y),
                         i == 0 ? kNewStroke : kStrokeGoesOn, fileValue(s[i].radius)});
    }
  }
  // A little inside the box, so that the fitting's rounding never brings a
  // corner to 0, which would count as absent.
  records.push_back(cornerRecord(kCornerInset));
  records.push_back(cornerRecord(kBox - kCornerInset));
  return strokeFileText("sumimai punctuation", records);
}

}  // namespace

std::optional<StrokeSource> PunctuationSource::find(std::string_view character, WritingDirection direction) const {
  const std::optional<Mark> mark = markOf(character);
  if (!mark) return std::nullopt;
  std::vector<Stroke> strokes = horizontalStrokes(*mark);
  if (direction == WritingDirection::Columns) {
    for (Stroke& s : strokes) s = vertical(*mark, std::move(s));
  }
  return StrokeSource{StrokeSource::Kind::Punctuation, "punctuation " + std::string(character), std::nullopt,
                      strokeFileOf(strokes), {}};
}

}  // namespace sumimai
