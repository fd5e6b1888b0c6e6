// How much of a pixel a pen one pixel wide covers, as a function of the
// distance from the pixel's centre to the pen's centre line.
//
// A band one pixel wide seen through a pixel-sized box covers 1 - |t| of it
// at distance t (a tent). Drawn with the tent alone, the union of many
// rings a fifteenth of a pixel apart never quite reaches full coverage
// between them; so the ramp is made a little steeper about its midpoint:
// full coverage up to kFullWithin, half at 0.5 (the edge stays where a one-
// pixel pen puts it, and the ink per unit length stays one pixel), nothing
// from kReach on.
#pragma once

#include <algorithm>

namespace sumimai::raster {

// Dense rings lie 1/15 pixel apart, so every pixel between them lies within
// 1/30 pixel of one; a margin covers rounding and device pixel ratios up to 2.
constexpr float kFullWithin = 1.0f / 15;
constexpr float kSlope = 1.0f / (1.0f - 2 * kFullWithin);
constexpr float kReach = 0.5f + 0.5f / kSlope;  // beyond this, no coverage

// Coverage 0..1 of a pen whose edge lies `inside` pixels beyond the pixel's
// centre (negative: the centre lies outside the pen).
inline float edgeCoverage(float inside) { return std::clamp(0.5f + kSlope * inside, 0.0f, 1.0f); }

// Coverage as a byte 0..255.
inline unsigned toByte(float coverage) { return static_cast<unsigned>(coverage * 255.0f + 0.5f); }

}  // namespace sumimai::raster
