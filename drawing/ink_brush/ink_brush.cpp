#include "ink_brush.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/raster/ring_shape.h"
#include "shade_span.h"

namespace sumimai {
namespace {

bool reachesArea(const InkRing& r, PixelRect area) {
  const float reach = r.radius + 1;
  return std::isfinite(r.cx) && std::isfinite(r.cy) && std::isfinite(r.radius) && r.radius >= 0 &&
         r.cx + reach > area.left && r.cx - reach < area.right && r.cy + reach > area.top &&
         r.cy - reach < area.bottom && !area.empty();
}

// The part of a row's span that a step's ring can still add ink to: a step
// lays ink with its leading half; its trailing half goes over pixels that
// earlier steps' leading halves laid with more ink (the load only runs
// down), which coverage by maximum would keep anyway.
raster::IndexRange leadingPart(raster::IndexRange span, float dirX, float dirY, float cx, float dy) {
  constexpr float kMargin = 1.0f;  // pixels behind the centre still laid
  const float behind = -kMargin - dirY * dy;  // dirX * dx must reach this
  if (std::fabs(dirX) < 1e-4f) return behind <= 0 ? span : raster::IndexRange{};
  const double edge = cx - 0.5 + behind / dirX;  // the pixel centre x + 0.5 where dx = behind / dirX
  if (dirX > 0) span.first = std::max(span.first, static_cast<int>(std::ceil(edge)));
  else span.last = std::min(span.last, static_cast<int>(std::floor(edge)) + 1);
  return span;
}

}  // namespace

InkBrush::InkBrush(std::uint64_t seed, std::shared_ptr<const PaperGrain> grain)
    : seed_(seed), grain_(grain ? std::move(grain) : PaperGrain::seeded(seed)), bristles_(seed, 0) {}

void InkBrush::setPaperOrigin(int x, int y) { originX_ = x, originY_ = y; }

void InkBrush::take(const TrackEvents& events) {
  if (events.strokeEnded) wet_.add(*events.strokeEnded, calls_);
  if (events.dwelt) wet_.add(*events.dwelt, calls_);
  if (events.newStroke) {
    bristles_ = Bristles(seed_, track_.strokeNumber());
    shadedLoad_ = -1;
  }
}

void InkBrush::ring(InkLayer& ink, const InkRing& r) {
  ++calls_;
  const bool onPaper = reachesArea(r, ink.drawableArea());
  take(track_.follow(r.cx, r.cy, r.radius, r.colour, r.pixelsPerTwip, onPaper));
  // A ring well inside the brush where it stands, once the stroke is under
  // way (a start disc at a joint, a pause), goes over pixels the steps that
  // led here have laid already.
  const bool within = !track_.stepped() && track_.hasMoved() && r.radius < track_.radius() - 2;
  if (onPaper && !within) {
    if (std::fabs(track_.load() - shadedLoad_) > 0.002) {
      shades_ = shadesAt(bristles_, track_.load());
      shadedLoad_ = track_.load();
    }
    shadeRing(ink, r);
  }
  wet_.advance(ink, paper(), calls_);
}

void InkBrush::otherCall(InkLayer& ink) {
  ++calls_;
  take(track_.lift());
  wet_.advance(ink, paper(), calls_);
}

void InkBrush::settle(InkLayer& ink) {
  take(track_.lift());
  wet_.settle(ink, paper());
}

// The ring's own coverage (as the round brush lays it) times the shade of
// the lane and the grain under each pixel, span by span (shade_span.h).
void InkBrush::shadeRing(InkLayer& ink, const InkRing& r) {
  const raster::RingShape shape(r.cx, r.cy, r.radius, 0);
  const PixelRect area = ink.drawableArea();
  const raster::IndexRange rows =
      raster::pixelsOverlapping(r.cy - shape.reach, r.cy + shape.reach, area.top, area.bottom);
  const float toLane = 0.5f * kBrushLanes / std::max(0.5f, track_.radius());
  const float ax = -track_.directionY() * toLane, ay = track_.directionX() * toLane;
  const PaperGrain& grain = *grain_;
  // Along the stroke, in stretches of the breaks (a bristle's touch wanders
  // over about one and a half brush radii).
  const float toStretch = 1 / std::max(3.0f, 1.5f * track_.radius());
  const float along0 = static_cast<float>(track_.travelled()) * toStretch;
  const float bx = track_.directionX() * toStretch, by = track_.directionY() * toStretch;
  const RingShading shading{&shape.profile, ax, along0, bx, bristles_.laneBreaks(), shades_.density.data(),
                            shades_.bare.data()};
  struct Span {
    int x, y, count;
    std::size_t at;
  };
  static thread_local ShadePixels pixels;
  static thread_local std::vector<Span> spans;
  static thread_local std::vector<std::uint8_t> run;
  pixels.clear();
  spans.clear();
  const bool leading = track_.stepped();
  for (int y = rows.first; y < rows.last; ++y) {
    const raster::RowSpans row = raster::spansOfRow(shape, y, area.left, area.right);
    const float dy = y + 0.5f - r.cy;
    const float ayDy = ay * dy, byDy = by * dy;
    const std::uint8_t* grainRow = grain.row(y + originY_);
    for (raster::IndexRange span : row.spans) {
      if (leading) span = leadingPart(span, track_.directionX(), track_.directionY(), r.cx, dy);
      if (span.empty()) continue;
      spans.push_back({span.first, y, span.last - span.first, pixels.count});
      pixels.addRun(span.first, span.last - span.first, r.cx, row.dy2, ayDy, byDy, grainRow,
                    PaperGrain::wrap(span.first + originX_, grain.width()), grain.width());
    }
  }
  if (run.size() < pixels.count + kShadePadding) run.resize(2 * (pixels.count + kShadePadding));
  shadePixels(shading, pixels, run.data());
  for (const Span& s : spans) ink.combineRun(s.x, s.y, s.count, run.data() + s.at, r.colour);
}

}  // namespace sumimai
