#include "learning_aids.h"

#include <algorithm>
#include <cmath>

#include "renderer/drawing_sequence.h"
#include "renderer/window_canvas.h"

namespace sumimai {
namespace {

std::uint32_t argb(Rgb c, int alpha = 255) {
  auto pre = [alpha](int v) { return static_cast<std::uint32_t>((v * alpha + 127) / 255); };
  return static_cast<std::uint32_t>(alpha) << 24 | pre(c.red) << 16 | pre(c.green) << 8 | pre(c.blue);
}

// Lays a premultiplied colour over a pixel.
void blend(PixelView& view, int x, int y, std::uint32_t colour) {
  if (x < view.bounds.left || y < view.bounds.top || x >= view.bounds.right || y >= view.bounds.bottom) return;
  std::uint32_t& p = view.pixels[y * view.stride + x];
  const std::uint32_t keep = 255 - (colour >> 24);
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t c = ((colour >> shift) & 255) + (((p >> shift) & 255) * keep + 127) / 255;
    out |= std::min<std::uint32_t>(c, 255) << shift;
  }
  p = out;
}

void fill(PixelView& view, PixelRect r, std::uint32_t colour) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) blend(view, x, y, colour);
}

// A line of whole pixels, every `dash` pixels on and off (0: solid).
void line(PixelView& view, PointF a, PointF b, float width, std::uint32_t colour, int dash = 0) {
  const float length = std::hypot(b.x - a.x, b.y - a.y);
  const int steps = std::max(1, static_cast<int>(std::ceil(length * 2)));
  const int half = static_cast<int>(width / 2);
  int lastX = -1 << 30, lastY = -1 << 30;
  for (int i = 0; i <= steps; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(steps);
    if (dash > 0 && static_cast<int>(t * length / static_cast<float>(dash)) % 2) continue;
    const int x = static_cast<int>(std::floor(a.x + (b.x - a.x) * t)),
              y = static_cast<int>(std::floor(a.y + (b.y - a.y) * t));
    if (x == lastX && y == lastY) continue;
    lastX = x, lastY = y;
    fill(view, {x - half, y - half, x - half + std::max(1, static_cast<int>(width)),
                y - half + std::max(1, static_cast<int>(width))},
         colour);
  }
}

// The segments of a digit in a box of 1 x 2 units: a b c d e f g as on a
// seven-segment display.
constexpr std::array<std::uint8_t, 10> kSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void drawDigit(PixelView& view, PixelRect box, int digit, std::uint32_t colour) {
  const int w = box.width(), h = box.height();
  const int t = std::max(1, h / 8);  // bar thickness
  const int mid = box.top + (h - t) / 2;
  const PixelRect bars[7] = {
      {box.left, box.top, box.right, box.top + t},                      // a
      {box.right - t, box.top, box.right, mid + t},                     // b
      {box.right - t, mid, box.right, box.bottom},                      // c
      {box.left, box.bottom - t, box.right, box.bottom},                // d
      {box.left, mid, box.left + t, box.bottom},                        // e
      {box.left, box.top, box.left + t, mid + t},                       // f
      {box.left, mid, box.right, mid + t},                              // g
  };
  (void)w;
  for (int s = 0; s < 7; ++s) {
    if (kSegments[static_cast<std::size_t>(digit)] >> s & 1) fill(view, bars[s], colour);
  }
}

int digitsOf(int number) { return number >= 100 ? 3 : number >= 10 ? 2 : 1; }

int overlap(PixelRect a, PixelRect b) {
  const int w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

std::vector<Rgb> strokePalette() { return {kStrokePalette.begin(), kStrokePalette.end()}; }

Rgb ghostColour(Rgb ink, Rgb ground) {
  const int grey = (ink.red + ink.green + ink.blue) / 3;
  auto mix = [grey](int g) { return g + (grey - g) * 16 / 100; };
  return {mix(ground.red), mix(ground.green), mix(ground.blue)};
}

std::vector<StrokeStart> strokeStarts(const CharacterStrokes& strokes, PictureSize cell, Framing framing,
                                      double pixelsPerTwip) {
  StrokeTable table = strokes.table;
  fitForWindow(table, strokes.count, twipsOf({cell.width, cell.height}), framing);
  std::vector<StrokeStart> starts;
  for (const StrokeSpan& span : strokeSpans(strokes)) {
    const StrokeRecord& r = table[static_cast<std::size_t>(span.first)];
    const float px = static_cast<float>(pixelsPerTwip);
    const PointF at{static_cast<float>(r.StartX) * px, static_cast<float>(r.StartY) * px};
    PointF towards{static_cast<float>(r.EndX - r.StartX), static_cast<float>(r.EndY - r.StartY)};
    const float length = std::hypot(towards.x, towards.y);
    towards = length > 0 ? PointF{towards.x / length, towards.y / length} : PointF{0, 1};
    starts.push_back({at, towards});
  }
  return starts;
}

void drawGrid(PixelView view, PixelRect cell, PracticeGrid grid) {
  if (grid == PracticeGrid::None) return;
  const std::uint32_t frame = argb({200, 60, 50}, 150), inner = argb({200, 60, 50}, 110);
  const float l = static_cast<float>(cell.left) + 1, t = static_cast<float>(cell.top) + 1;
  const float r = static_cast<float>(cell.right) - 2, b = static_cast<float>(cell.bottom) - 2;
  const float width = std::max(1.0f, static_cast<float>(cell.width()) / 240);
  const int dash = std::max(3, cell.width() / 60);
  line(view, {l, t}, {r, t}, width, frame);
  line(view, {r, t}, {r, b}, width, frame);
  line(view, {r, b}, {l, b}, width, frame);
  line(view, {l, b}, {l, t}, width, frame);
  if (grid == PracticeGrid::NineSquares) {
    for (int i = 1; i <= 2; ++i) {
      const float x = l + (r - l) * static_cast<float>(i) / 3, y = t + (b - t) * static_cast<float>(i) / 3;
      line(view, {x, t}, {x, b}, width, inner, dash);
      line(view, {l, y}, {r, y}, width, inner, dash);
    }
    return;
  }
  const float cx = (l + r) / 2, cy = (t + b) / 2;
  line(view, {cx, t}, {cx, b}, width, inner, dash);
  line(view, {l, cy}, {r, cy}, width, inner, dash);
  if (grid == PracticeGrid::Star) {
    line(view, {l, t}, {r, b}, width, inner, dash);
    line(view, {r, t}, {l, b}, width, inner, dash);
  }
}

void drawDottedFrame(PixelView view, PixelRect cell) {
  const float inset = static_cast<float>(cell.width()) / 10;
  const float l = static_cast<float>(cell.left) + inset, t = static_cast<float>(cell.top) + inset;
  const float r = static_cast<float>(cell.right) - inset, b = static_cast<float>(cell.bottom) - inset;
  const std::uint32_t grey = argb({150, 150, 150});
  const float width = std::max(1.0f, static_cast<float>(cell.width()) / 120);
  const int dash = std::max(2, cell.width() / 50);
  line(view, {l, t}, {r, t}, width, grey, dash);
  line(view, {r, t}, {r, b}, width, grey, dash);
  line(view, {r, b}, {l, b}, width, grey, dash);
  line(view, {l, b}, {l, t}, width, grey, dash);
}

PictureSize numberSize(int number, int digitHeight) {
  const int digitWidth = std::max(3, digitHeight / 2), gap = std::max(1, digitHeight / 6);
  const int n = digitsOf(number);
  return {n * digitWidth + (n - 1) * gap, digitHeight};
}

std::vector<NumberPlace> placeNumbers(const std::vector<StrokeStart>& starts, PictureSize cell, int digitHeight,
                                      const std::function<bool(int x, int y)>& covered) {
  std::vector<NumberPlace> placed;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const PictureSize size = numberSize(static_cast<int>(i + 1), digitHeight);
    const StrokeStart& s = starts[i];
    PixelRect best{};
    double bestScore = 1e300;
    for (int ring = 1; ring <= 3; ++ring) {
      for (int k = 0; k < 8; ++k) {
        const double angle = k * 3.14159265358979 / 4;
        const double reach = ring * 0.8 * digitHeight;
        const int cx = static_cast<int>(std::lround(s.at.x + reach * std::cos(angle)));
        const int cy = static_cast<int>(std::lround(s.at.y + reach * std::sin(angle)));
        PixelRect box{cx - size.width / 2, cy - size.height / 2, 0, 0};
        box.left = std::clamp(box.left, 0, std::max(0, cell.width - size.width));
        box.top = std::clamp(box.top, 0, std::max(0, cell.height - size.height));
        box.right = box.left + size.width, box.bottom = box.top + size.height;
        double score = ring * 2.0 + (k % 2) * 0.5;
        for (const NumberPlace& p : placed) score += overlap(box, p.box) * 10.0;
        for (int y = box.top; y < box.bottom; y += 2)
          for (int x = box.left; x < box.right; x += 2) score += covered(x, y) ? 1.0 : 0.0;
        if (score < bestScore) bestScore = score, best = box;
      }
    }
    placed.push_back({best});
  }
  return placed;
}

void drawNumber(PixelView view, PixelRect box, int number, Rgb colour) {
  const int n = digitsOf(number);
  const int h = box.height(), digitWidth = std::max(3, h / 2), gap = std::max(1, h / 6);
  const std::uint32_t c = argb(colour);
  // A pale halo keeps the number readable over ink.
  fill(view, {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1}, argb({255, 255, 255}, 150));
  for (int d = 0; d < n; ++d) {
    int divisor = 1;
    for (int i = d + 1; i < n; ++i) divisor *= 10;
    const int left = box.left + d * (digitWidth + gap);
    drawDigit(view, {left, box.top, left + digitWidth, box.bottom}, number / divisor % 10, c);
  }
}

void drawStartArrow(PixelView view, PointF at, PointF towards, float size, Rgb colour) {
  const std::uint32_t c = argb(colour, 230);
  const float radius = std::max(2.0f, size / 5);
  for (int y = static_cast<int>(at.y - radius); y <= static_cast<int>(at.y + radius); ++y)
    for (int x = static_cast<int>(at.x - radius); x <= static_cast<int>(at.x + radius); ++x)
      if (std::hypot(x + 0.5f - at.x, y + 0.5f - at.y) <= radius) blend(view, x, y, c);
  const float width = std::max(1.0f, size / 10);
  const PointF from{at.x + towards.x * radius * 1.6f, at.y + towards.y * radius * 1.6f};
  const PointF tip{from.x + towards.x * size, from.y + towards.y * size};
  line(view, from, tip, width, c);
  const float head = size * 0.4f;
  for (float side : {1.0f, -1.0f}) {
    const PointF back{-towards.x, -towards.y};
    const PointF wing{back.x * 0.8f - back.y * 0.6f * side, back.y * 0.8f + back.x * 0.6f * side};
    line(view, tip, {tip.x + wing.x * head, tip.y + wing.y * head}, width, c);
  }
}

}  // namespace sumimai
