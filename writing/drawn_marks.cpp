#include "drawn_marks.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "data_files/stroke_file_text.h"

namespace sumimai {
namespace {

constexpr double kFileUnits = 10;  // file units per box unit, as the converter writes characters
// The corner records' thickness: about the widest brush of a character, so
// that the fitting to the ink leaves the margin it leaves around a character.
constexpr int kCornerThickness = 300;
constexpr double kCornerInset = 10;

std::int32_t fileValue(double boxUnits) { return strokeFileValue(boxUnits * kFileUnits); }

// A record that is never drawn (Kind 3), of no length, at (at, at) of the box.
StrokeRecord cornerRecord(double at) {
  const std::int32_t p = fileValue(at);
  return {p, p, p, p, kUndrawnRecord, kCornerThickness};
}

}  // namespace

MarkStroke arc(double cx, double cy, double rx, double ry, double fromDegrees, double toDegrees, double radius) {
  const int steps = std::max(4, static_cast<int>(std::abs(toDegrees - fromDegrees) / 15));
  MarkStroke s;
  for (int i = 0; i <= steps; ++i) {
    const double a = (fromDegrees + (toDegrees - fromDegrees) * i / steps) * std::numbers::pi / 180;
    s.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a), radius});
  }
  return s;
}

MarkStroke joined(MarkStroke first, const MarkStroke& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

MarkStroke dot(double x, double y, double radius) { return {{x - 6, y - 10, radius * 0.5}, {x, y, radius}}; }

std::string markStrokeFile(std::string_view name, const std::vector<MarkStroke>& strokes) {
  std::vector<StrokeRecord> records;
  for (const MarkStroke& s : strokes) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      const MarkPoint& from = s[i == 0 ? 0 : i - 1];
      records.push_back({fileValue(from.x), fileValue(from.y), fileValue(s[i].x), fileValue(s[i].y),
                         i == 0 ? kNewStroke : kStrokeGoesOn, fileValue(s[i].radius)});
    }
  }
  // A little inside the box, so that the fitting's rounding never brings a
  // corner to 0, which would count as absent.
  records.push_back(cornerRecord(kCornerInset));
  records.push_back(cornerRecord(kMarkBox - kCornerInset));
  return strokeFileText("sumimai punctuation " + std::string(name), records);
}

}  // namespace sumimai
