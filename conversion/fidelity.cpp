#include "fidelity.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "data_files/record_reader.h"
#include "drawing/raster/ink_only_canvas.h"
#include "renderer/brush.h"
#include "renderer/drawing_sequence.h"
#include "renderer/window_canvas.h"
#include "stroke_mask.h"

namespace sumimai::strokes {
namespace {

constexpr double kFileUnits = 10;  // file units per source unit
constexpr std::uint8_t kInked = 128;

struct Pixels {
  int width, height;
  std::vector<std::uint8_t> at;
  Pixels(int w, int h) : width(w), height(h), at(static_cast<std::size_t>(w) * h, 0) {}
  std::uint8_t& operator()(int x, int y) { return at[static_cast<std::size_t>(y) * width + x]; }
  bool near(int x, int y) const {  // set within one pixel
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        int nx = x + dx, ny = y + dy;
        if (nx >= 0 && ny >= 0 && nx < width && ny < height && at[static_cast<std::size_t>(ny) * width + nx]) return true;
      }
    return false;
  }
};

struct Box {
  int left, top, right, bottom;  // half-open
};

bool readTable(const std::string& text, StrokeTable& table, StrokeCountValue& count, std::string& problem) {
  std::istringstream in(text);
  TextItemReader reader(in);
  StrokeFileRead read = detail::readRecords<StrokeRecord, std::int32_t>(reader, table, kStrokeSlots, roundToInt32, count);
  problem = read.problem;
  return read.status == StrokeFileStatus::Complete;
}

// The fitting is a scale and a shift: found from the extent of the records
// before and after it.
PixelMapping fittedMapping(const StrokeTable& before, const StrokeTable& after, int end, double pixelsPerTwip) {
  auto extent = [&](const StrokeTable& t, bool x) {
    double low = 1e18, high = -1e18;
    for (int i = 1; i < end; ++i) {
      std::int32_t values[2] = {x ? t[i].StartX : t[i].StartY, x ? t[i].EndX : t[i].EndY};
      for (std::int32_t v : values)
        if (v != 0) low = std::min(low, double(v)), high = std::max(high, double(v));
    }
    return std::pair{low, high};
  };
  auto [bx0, bx1] = extent(before, true);
  auto [by0, by1] = extent(before, false);
  auto [ax0, ax1] = extent(after, true);
  auto [ay0, ay1] = extent(after, false);
  double s = bx1 - bx0 >= by1 - by0 ? (ax1 - ax0) / std::max(1.0, bx1 - bx0) : (ay1 - ay0) / std::max(1.0, by1 - by0);
  return {s * kFileUnits * pixelsPerTwip, (ax0 - bx0 * s) * pixelsPerTwip, (ay0 - by0 * s) * pixelsPerTwip};
}

// Marks the pixels whose centres lie inside the stroke; returns the box of
// the marked rows and columns.
Box fillStroke(const SourceStroke& stroke, const PixelMapping& map, Pixels& mask) {
  Box box{mask.width, mask.height, 0, 0};
  for (const PixelSpan& span : strokeSpans(stroke, map, mask.width, mask.height)) {
    for (int x = span.left; x < span.right; ++x) mask(x, span.y) = 1;
    box = {std::min(box.left, span.left), std::min(box.top, span.y), std::max(box.right, span.right),
           std::max(box.bottom, span.y + 1)};
  }
  return box;
}

// Draws the records first..last (a stroke) of the fitted table alone, as
// 描画 draws them in the whole table (the slot before gives the start disc).
PixelRect drawStroke(const StrokeTable& fitted, int first, int last, InkOnlyCanvas& canvas, SizeF form) {
  StrokeTable one{};
  one[0] = fitted[first - 1];
  for (int i = first; i <= last; ++i) one[i - first + 1] = fitted[i];
  one[last - first + 2].StartX = StrokeTerminator;
  double thickness = 0;
  StrokeCountValue count;
  描画(one, {canvas, form}, 0, InkColour{0, 0, 0}, {thickness, count});
  canvas.settleInk();
  return canvas.ink().takeDirty();
}

struct Counts {
  long glyph = 0, ink = 0, both = 0, glyphNearInk = 0, inkFarFromGlyph = 0;
};

Counts countMasks(const Pixels& glyph, const Pixels& ink, Box box) {
  Counts c;
  for (int y = std::max(0, box.top); y < std::min(glyph.height, box.bottom); ++y)
    for (int x = std::max(0, box.left); x < std::min(glyph.width, box.right); ++x) {
      bool g = glyph.at[std::size_t(y) * glyph.width + x], i = ink.at[std::size_t(y) * ink.width + x];
      c.glyph += g, c.ink += i, c.both += g && i;
      c.glyphNearInk += g && ink.near(x, y);
      c.inkFarFromGlyph += i && !glyph.near(x, y);
    }
  return c;
}

double share(long part, long whole) { return whole > 0 ? double(part) / double(whole) : 1.0; }

void paint(const Pixels& glyph, const Pixels& ink, FidelityPicture& picture) {
  picture.width = glyph.width, picture.height = glyph.height;
  picture.rgb.assign(glyph.at.size() * 3, 255);
  for (std::size_t i = 0; i < glyph.at.size(); ++i) {
    std::uint8_t* p = &picture.rgb[i * 3];
    if (glyph.at[i] && ink.at[i]) p[0] = p[1] = p[2] = 0;
    else if (glyph.at[i]) p[0] = 230, p[1] = 40, p[2] = 30;
    else if (ink.at[i]) p[0] = 40, p[1] = 90, p[2] = 230;
  }
}

}  // namespace

Fidelity measureFidelity(const GlyphRead& glyph, const std::string& strokeFileText, int canvasPixels,
                         FidelityPicture* picture, const BrushChoice& brush) {
  Fidelity f;
  StrokeTable table{};
  StrokeCountValue count;
  if (!readTable(strokeFileText, table, count, f.problem)) {
    if (f.problem.empty()) f.problem = "more records than a character holds";
    return f;
  }
  InkOnlyCanvas canvas;
  useBrush(canvas, brush);
  const float twips = static_cast<float>(canvasPixels * kTwipsPerPixel);
  canvas.setSize({twips, twips});
  const SizeF form = windowOfCanvas(canvas.outerSize());
  StrokeTable fitted = table;
  fitForWindow(fitted, count, form, Framing::AsTheMainWindow);
  const int end = slotOf(count);
  f.records = end - 1;
  std::vector<int> starts;
  for (int i = 1; i < end; ++i)
    if (table[i].Kind == kNewStroke) starts.push_back(i);
  f.strokes = static_cast<int>(starts.size());
  if (f.strokes != static_cast<int>(glyph.strokes.size()) || (f.records > 0 && table[1].Kind != kNewStroke)) {
    f.problem = std::to_string(f.strokes) + " strokes drawn of " + std::to_string(glyph.strokes.size());
    return f;
  }
  PixelMapping map = fittedMapping(table, fitted, end, canvas.devicePixelsPerTwip());
  const int w = canvas.ink().width(), h = canvas.ink().height();
  Pixels glyphAll(w, h), inkAll(w, h);
  canvas.ink().takeDirty();
  f.worstStroke = 1;
  Box whole{w, h, 0, 0}, glyphBox{w, h, 0, 0};
  auto grow = [](Box& b, int left, int top, int right, int bottom) {
    b = {std::min(b.left, left), std::min(b.top, top), std::max(b.right, right), std::max(b.bottom, bottom)};
  };
  Pixels own(w, h), ownInk(w, h);
  for (int k = 0; k < f.strokes; ++k) {
    Box box = fillStroke(glyph.strokes[static_cast<std::size_t>(k)], map, own);
    PixelRect drawn = drawStroke(fitted, starts[k], k + 1 < f.strokes ? starts[k + 1] - 1 : end - 1, canvas, form);
    for (int y = drawn.top; y < drawn.bottom; ++y)
      for (int x = drawn.left; x < drawn.right; ++x)
        if (canvas.ink().coverage(x, y) >= kInked) ownInk(x, y) = inkAll(x, y) = 1;
    canvas.ink().erase(drawn);
    Box both = box;
    grow(both, drawn.left, drawn.top, drawn.right, drawn.bottom);
    Counts c = countMasks(own, ownInk, {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1});
    if (share(c.glyphNearInk, c.glyph) < f.worstStroke) {
      f.worstStroke = share(c.glyphNearInk, c.glyph);
      f.worstStrokeNumber = k + 1;
    }
    for (int y = both.top; y < both.bottom; ++y)
      for (int x = both.left; x < both.right; ++x) {
        glyphAll(x, y) |= own(x, y);
        own(x, y) = ownInk(x, y) = 0;
      }
    grow(whole, both.left, both.top, both.right, both.bottom);
    grow(glyphBox, box.left, box.top, box.right, box.bottom);
  }
  Counts c = countMasks(glyphAll, inkAll, whole);
  f.covered = share(c.glyphNearInk, c.glyph);
  f.outside = 1 - share(c.ink - c.inkFarFromGlyph, c.ink);
  f.coveredStrict = share(c.both, c.glyph);
  f.outsideStrict = 1 - share(c.both, c.ink);
  f.height = glyphBox.bottom - glyphBox.top;
  if (picture) paint(glyphAll, inkAll, *picture);
  return f;
}

}  // namespace sumimai::strokes
