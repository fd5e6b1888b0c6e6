// Small value types shared by every layer. Positions and sizes are in twips
// (1/1440 inch), origin top-left, y downwards, except where a type says
// it counts pixels.
#pragma once

namespace sumimai {

// Twips per logical pixel at 96 dots per inch.
constexpr double kTwipsPerPixel = 1440.0 / 96.0;

struct PointF {
  float x = 0;
  float y = 0;
  bool operator==(const PointF&) const = default;
};

struct SizeF {
  float width = 0;
  float height = 0;
  bool operator==(const SizeF&) const = default;
};

// A size in whole pixels.
struct PictureSize {
  int width = 0, height = 0;
  bool operator==(const PictureSize&) const = default;
};

// A rectangle of whole pixels, half-open: [left, right) x [top, bottom).
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool operator==(const PixelRect&) const = default;
};

// A colour with whole components 0..255.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

}  // namespace sumimai
