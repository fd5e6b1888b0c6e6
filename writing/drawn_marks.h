// Strokes of our own for the characters the stroke data lacks: the
// punctuation of a text and the digits. Each is a list of strokes through
// points of the character box (0..1024, y down) with the brush radius at
// each point in the same units, written as a stroke file on the converted
// characters' design box, so that it is set among them in its place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sumimai {

struct MarkPoint {
  double x, y, radius;
};
using MarkStroke = std::vector<MarkPoint>;

inline constexpr double kMarkBox = 1024;

// Points along an ellipse about (cx, cy) from one angle to another
// (degrees, clockwise on the page from the right), the brush radius alike.
MarkStroke arc(double cx, double cy, double rx, double ry, double fromDegrees, double toDegrees, double radius);

// A stroke that goes on from the end of another.
MarkStroke joined(MarkStroke first, const MarkStroke& then);

// A short round dot at (x, y).
MarkStroke dot(double x, double y, double radius);

// The stroke file: each stroke a Kind 1 record of no length, then Kind 2
// records; then the box's corners as records that are never drawn (Kind 3),
// so that fitted to its ink the mark still keeps its place in the box.
std::string markStrokeFile(std::string_view name, const std::vector<MarkStroke>& strokes);

// The strokes of a digit 0-9 (ASCII or full-width), in the order they are
// written; none for another character.
std::vector<MarkStroke> digitStrokes(std::string_view character);

}  // namespace sumimai
