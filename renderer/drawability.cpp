#include "drawability.h"

#include <algorithm>
#include <cmath>

#include "brush_segment.h"
#include "fitting.h"

namespace sumimai {
namespace {

// A drawing smaller than this (twips, a pixel at 96 dots per inch) shows nothing.
constexpr double kVisibleExtent = kTwipsPerPixel;

template <typename Table>
int endOf(const Table& table, int slots) {
  for (int i = 1; i <= slots; ++i)
    if (table[i].StartX == StrokeTerminator) return i;
  return slots + 1;
}

// The record with the largest coordinate, or thickness times the fitting's
// margin: the one that sets the scale when it is out of all proportion.
template <typename Table>
Drawability culprit(const Table& table, int slots, double margin) {
  Drawability d{false, 0, 0};
  double largest = 0;
  for (int i = 1; i < endOf(table, slots); ++i) {
    const auto& r = table[i];
    const double values[] = {double(r.StartX), double(r.StartY), double(r.EndX), double(r.EndY), double(r.Thickness)};
    for (int f = 0; f < 5; ++f) {
      const double weight = std::fabs(values[f]) * (f == 4 ? margin : 1);
      if (weight <= largest) continue;
      largest = weight;
      d.record = i;
      d.value = static_cast<std::int64_t>(values[f]);
    }
  }
  return d;
}

// The larger side of the box of the points the other drawn records reach
// (their own values; a coordinate of 0 is absent), 0 when they reach none.
template <typename Table>
double extentWithout(const Table& table, int slots, int left_out) {
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  auto reach = [&](double x, double y) {
    if (x != 0) x0 = std::min(x0, x), x1 = std::max(x1, x);
    if (y != 0) y0 = std::min(y0, y), y1 = std::max(y1, y);
  };
  for (int i = 1; i < endOf(table, slots); ++i) {
    const auto& r = table[i];
    if (i == left_out || !isDrawnKind(r.Kind)) continue;
    if (r.Kind != kStrokeGoesOn) reach(r.StartX, r.StartY);
    reach(r.EndX, r.EndY);
  }
  return std::max({x1 - x0, y1 - y0, 0.0});
}

// Not drawable when the rest of the table, scaled by the factor the one
// record forces, comes out smaller than a pixel.
template <typename Table>
Drawability check(const Table& loaded, int slots, double margin, double scale) {
  const Drawability suspect = culprit(loaded, slots, margin);
  if (suspect.record == 0) return {};
  const double rest = extentWithout(loaded, slots, suspect.record);
  if (rest == 0 || !(rest * std::fabs(scale) < kVisibleExtent)) return {};
  return suspect;
}

}  // namespace

std::string Drawability::problem() const {
  return "記録 " + std::to_string(record) + " の値 " + std::to_string(value) +
         " が大きすぎるため、ほかの記録が小さくなりすぎて、この大きさでは描けません。";
}

Drawability drawabilityOf(const StrokeTable& loaded, const StrokeCountValue& StrokeCount, SizeF canvas) {
  return check(loaded, kStrokeSlots, 8, characterScale(loaded, canvas));
}

Drawability drawabilityOf(const PageStrokeTable& loaded, const StrokeCountValue& StrokeCount, SizeF canvas) {
  return check(loaded, kPageSlots, 1, pageScale(loaded, StrokeCount, canvas));
}

}  // namespace sumimai
