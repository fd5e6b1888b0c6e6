#include "call_bounds.h"

#include <algorithm>
#include <cmath>

#include "renderer/brush_segment.h"

namespace sumimai::fuzz {
namespace {

// A count of whole units (steps, rings) held to 0..limit.
double held(double units, double limit) {
  if (!(units > 0)) return 0;
  return std::min(std::floor(units), limit);
}

double length(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

bool isDrawn(double kind) { return kind < 3 && kind != 0; }

// Start disc and steps of a drawn record from (sx, sy) to its end.
template <typename Record>
double segmentCalls(const Record& r, const Record& previous, double sx, double sy, double ringsPerStep,
                    double limit) {
  double L = held(length(sx - r.EndX, sy - r.EndY), limit);
  if (L == 0) return 0;
  return held(previous.Thickness, limit) + L * ringsPerStep;
}

// Walks the drawn records up to the end mark, as the brush does, summing cost(i, sx, sy).
template <typename Table, typename Cost>
std::uint64_t sumOverRecords(const Table& table, int slots, Cost cost) {
  double total = 0, previousX = 0, previousY = 0;
  for (int i = 1; i <= slots && table[i].StartX != StrokeTerminator; ++i) {
    const auto& r = table[i];
    double sx = r.Kind == 2 ? previousX : r.StartX, sy = r.Kind == 2 ? previousY : r.StartY;
    if (isDrawn(r.Kind)) previousX = r.EndX, previousY = r.EndY;
    total += cost(i, sx, sy);
  }
  return static_cast<std::uint64_t>(total);
}

}  // namespace

std::uint64_t brushCallBound(const StrokeTable& table, double Speed, SizeF canvas) {
  const double limit = static_cast<double>(stepLimit(canvas));
  const double pacing = held(std::min(Speed, 100.0), 100);
  const double pause = Speed > 0 ? 1000 * std::min(Speed, 100.0) : 0;
  return sumOverRecords(table, kStrokeSlots, [&](int i, double sx, double sy) {
    const StrokeRecord& r = table[i];
    const StrokeRecord& previous = table[i - 1];
    double calls = 0;
    if (r.Kind == 1 && i > 1) {
      calls += 5 * held(length(double(r.StartX) - previous.EndX, double(r.StartY) - previous.EndY), limit);
    }
    if (r.Kind == 1) calls += pause;
    if (isDrawn(r.Kind)) calls += segmentCalls(r, previous, sx, sy, 1 + pacing, limit);
    return calls;
  });
}

std::uint64_t pageCallBound(const PageStrokeTable& table, SizeF canvas) {
  const double limit = static_cast<double>(stepLimit(canvas));
  return sumOverRecords(table, kPageSlots, [&](int i, double sx, double sy) {
    return isDrawn(table[i].Kind) ? segmentCalls(table[i], table[i - 1], sx, sy, 1, limit) : 0.0;
  });
}

}  // namespace sumimai::fuzz
