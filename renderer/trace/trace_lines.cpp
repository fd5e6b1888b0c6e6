#include "trace_lines.h"

#include <charconv>

namespace sumimai {
namespace {

template <typename Number>
std::string shortestOf(Number value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc{} ? std::string(buffer, end) : std::string("?");
}

std::string colourText(Rgb c) {
  return std::to_string(c.red) + " " + std::to_string(c.green) + " " + std::to_string(c.blue);
}

std::string points(PointF a, PointF b) {
  return shortest(a.x) + " " + shortest(a.y) + " " + shortest(b.x) + " " + shortest(b.y);
}

struct LineOf {
  std::string operator()(const Ring& r) const {
    return "ring " + shortest(r.centre.x) + " " + shortest(r.centre.y) + " " + shortest(r.radius) + " " +
           colourText(r.colour);
  }
  std::string operator()(const LineCall& l) const {
    return "line " + points(l.from, l.to) + " " + colourText(l.colour);
  }
  std::string operator()(const RectangleCall& r) const {
    return (r.filled ? "fill " : "rect ") + points(r.corner1, r.corner2) + " " + colourText(r.colour);
  }
  std::string operator()(const ClearCall& c) const { return c.pictureSet ? "picture" : "clear"; }
};

}  // namespace

std::string shortest(float value) { return shortestOf(value); }
std::string shortest(double value) { return shortestOf(value); }

std::string traceLine(const CanvasCall& call) { return std::visit(LineOf{}, call); }

std::string stateLine(const StrokeCountValue& count, double currentThickness) {
  return "state StrokeCount=" + (count ? std::to_string(*count) : std::string("unset")) +
         " CurrentThickness=" + shortest(currentThickness);
}

}  // namespace sumimai
