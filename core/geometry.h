// Small value types shared by every layer. Positions and sizes are in twips
// (1/1440 inch), origin top-left, y downwards.
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

// A colour with whole components 0..255.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

}  // namespace sumimai
