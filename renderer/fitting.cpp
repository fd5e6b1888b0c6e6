#include "fitting.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "data_files/number_forms.h"

namespace sumimai {
namespace {

struct Box {
  double minX, minY, maxX, maxY, maxT;
};

// The last slot a walk may visit, and the slot of the end mark that bounds it.
int lastSlot(const StrokeTable&) { return kStrokeSlots; }
int lastSlot(const PageStrokeTable&) { return kPageSlots; }

template <typename Table>
void markEnd(Table& table, int slot) {
  if (slot >= 0 && slot <= lastSlot(table)) table[slot].StartX = StrokeTerminator;
}

// Calls visit(record) for slots 1.. up to, not including, the first end mark.
template <typename Table, typename Visit>
void walk(Table& table, Visit visit) {
  for (int i = 1; i <= lastSlot(table) && table[i].StartX != StrokeTerminator; ++i) visit(table[i]);
}

template <typename Table>
Box boundingBox(Table& table, SizeF reference) {
  Box b{reference.width, reference.height, 0, 0, 0};
  walk(table, [&](const auto& r) {
    auto lower = [](double v, double& min) { if (v != 0 && v < min) min = v; };
    auto raise = [](double v, double& max) { if (v > max) max = v; };
    if (r.Kind != kBeyondTheMinimum) {
      lower(r.StartX, b.minX), lower(r.EndX, b.minX);
      lower(r.StartY, b.minY), lower(r.EndY, b.minY);
    }
    raise(r.StartX, b.maxX), raise(r.EndX, b.maxX);
    raise(r.StartY, b.maxY), raise(r.EndY, b.maxY);
    raise(r.Thickness, b.maxT);
  });
  return b;
}

// The largest factor: a page whose extent is a tiny fraction of a twip (its
// values are whole or fractional) would otherwise be carried, with its grid
// box, beyond the range of canvas coordinates, up to infinity. Whole-number
// tables never come near it.
constexpr double kMaxScaleFactor = 1e9;

// The page's margin: its extent widened by one thickness.
constexpr BoxMargin kPageMargin{0.9, 1};

// The margin's share of the smaller of the two axis factors, at most
// kMaxScaleFactor; an axis with no positive extent gives none, and with
// none at all the factor is 1.
double scaleFactor(const Box& b, BoxMargin margin, SizeF canvas) {
  double dx = (b.maxX - b.minX) + margin.thicknesses * b.maxT;
  double dy = (b.maxY - b.minY) + margin.thicknesses * b.maxT;
  bool hasX = dx > 0 && std::isfinite(dx), hasY = dy > 0 && std::isfinite(dy);
  if (!hasX && !hasY) return 1;
  double sx = hasX ? canvas.width / dx : 0, sy = hasY ? canvas.height / dy : 0;  // never divide by 0
  double s = !hasX ? sy : !hasY ? sx : (sx > sy ? sy : sx);
  return std::min(s * margin.share, kMaxScaleFactor);
}

// A real result stored into a 32-bit field: rounded, halves to even, and
// held to the 32-bit range.
std::int32_t stored(double v) {
  if (std::optional<std::int32_t> r = roundToInt32(v)) return *r;
  if (std::isnan(v)) return 0;
  return v > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
}

void scaleField(std::int32_t& v, double s) { if (v != 0) v = stored(v * s); }
void scaleField(double& v, double s) { if (v != 0) v = v * s; }
// value + d - fixed, in that order.
void shiftField(std::int32_t& v, double d, double fixed) { if (v != 0) v = stored(v + d - fixed); }
void shiftField(double& v, double d, double fixed) { if (v != 0) v = v + d - fixed; }

template <typename Table>
double scaleTable(Table& table, BoxMargin margin, SizeF canvas) {
  double s = scaleFactor(boundingBox(table, canvas), margin, canvas);
  walk(table, [&](auto& r) {
    scaleField(r.StartX, s), scaleField(r.StartY, s);
    scaleField(r.EndX, s), scaleField(r.EndY, s);
    scaleField(r.Thickness, s);
  });
  return s;
}

// Every x is moved to x + dx - 80 and every y to y + dy - 150.
struct Offsets {
  double dx, dy;
};
constexpr double kShiftX = 80, kShiftY = 150;

template <typename Table>
Offsets correctTable(Table& table, SizeF reference) {
  Box b = boundingBox(table, reference);
  Offsets o{(reference.width - b.maxX - b.minX - kShiftX) / 2,
            (reference.height - b.maxY - b.minY - kShiftY) / 2};
  walk(table, [&](auto& r) {
    shiftField(r.StartX, o.dx, kShiftX), shiftField(r.EndX, o.dx, kShiftX);
    shiftField(r.StartY, o.dy, kShiftY), shiftField(r.EndY, o.dy, kShiftY);
  });
  return o;
}

}  // namespace

double characterScale(StrokeTable table, SizeF canvas) {
  markEnd(table, kStrokeSlots);
  return scaleFactor(boundingBox(table, canvas), kProgramMargin, canvas);
}

double pageScale(const PageStrokeTable& table, const StrokeCountValue& StrokeCount, SizeF canvas) {
  auto copy = std::make_unique<PageStrokeTable>(table);
  markEnd(*copy, slotOf(StrokeCount));
  return scaleFactor(boundingBox(*copy, canvas), kPageMargin, canvas);
}

void 拡大縮小2(StrokeTable& table, SizeF canvas) {
  markEnd(table, kStrokeSlots);
  scaleTable(table, kProgramMargin, canvas);
}

void 拡大縮小(PageStrokeTable& table, const StrokeCountValue& StrokeCount, GridBox& grid, SizeF canvas) {
  markEnd(table, slotOf(StrokeCount));
  double s = scaleTable(table, kPageMargin, canvas);
  grid.GridLeft *= s;
  grid.GridTop *= s;
  grid.GridRight *= s;
  grid.GridBottom = stored(grid.GridBottom * s);
}

void 補正2(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF canvas) {
  markEnd(table, kStrokeSlots);
  correctTable(table, canvas);
  markEnd(table, slotOf(StrokeCount));
}

void 補正(PageStrokeTable& table, const StrokeCountValue& StrokeCount, GridBox& grid, SizeF form) {
  markEnd(table, slotOf(StrokeCount));
  Offsets o = correctTable(table, form);
  grid.GridLeft = grid.GridLeft + o.dx - kShiftX;
  grid.GridRight = grid.GridRight + o.dx - kShiftX;
  grid.GridTop = grid.GridTop + o.dy - kShiftY;
  grid.GridBottom = stored(grid.GridBottom + o.dy - kShiftY);
}

void fitIntoBox(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF box, BoxMargin margin) {
  markEnd(table, kStrokeSlots);
  scaleTable(table, margin, box);
  const Box b = boundingBox(table, box);
  const double dx = (box.width - b.maxX - b.minX) / 2, dy = (box.height - b.maxY - b.minY) / 2;
  walk(table, [&](StrokeRecord& r) {
    shiftField(r.StartX, dx, 0), shiftField(r.EndX, dx, 0);
    shiftField(r.StartY, dy, 0), shiftField(r.EndY, dy, 0);
    if (r.StartX == StrokeTerminator) ++r.StartX;  // a twip on, so that the record does not end the table
  });
  markEnd(table, slotOf(StrokeCount));
}

void fitEmBox(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF box, double emBox, double share) {
  markEnd(table, kStrokeSlots);
  const double s = std::min(box.width, box.height) * share / emBox;
  const double dx = (box.width - emBox * s) / 2, dy = (box.height - emBox * s) / 2;
  walk(table, [&](StrokeRecord& r) {
    auto place = [](std::int32_t& v, double scale, double shift) { if (v != 0) v = stored(v * scale + shift); };
    place(r.StartX, s, dx), place(r.EndX, s, dx);
    place(r.StartY, s, dy), place(r.EndY, s, dy);
    scaleField(r.Thickness, s);
    if (r.StartX == StrokeTerminator) ++r.StartX;
  });
  markEnd(table, slotOf(StrokeCount));
}

}  // namespace sumimai
