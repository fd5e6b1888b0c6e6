#include "checked_canvas.h"

#include <cmath>
#include <sstream>

namespace sumimai::fuzz {
namespace {

bool finite(PointF p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool inRange(Rgb c) {
  auto ok = [](int v) { return v >= 0 && v <= 255; };
  return ok(c.red) && ok(c.green) && ok(c.blue);
}

std::ostream& operator<<(std::ostream& out, PointF p) { return out << "(" << p.x << ", " << p.y << ")"; }
std::ostream& operator<<(std::ostream& out, Rgb c) {
  return out << " colour " << c.red << "," << c.green << "," << c.blue;
}

// What a call that broke a rule was, for the report.
struct Describe {
  std::ostringstream& s;
  void operator()(const Ring& r) { s << "ring at " << r.centre << " radius " << r.radius << r.colour; }
  void operator()(const LineCall& l) { s << "line from " << l.from << " to " << l.to << l.colour; }
  void operator()(const RectangleCall& r) {
    s << "rectangle from " << r.corner1 << " to " << r.corner2 << r.colour;
  }
  void operator()(const ClearCall&) {}
};

}  // namespace

CheckedCanvas::CheckedCanvas(SizeF size) : RecordingCanvas(size) { keepCalls = false; }

void CheckedCanvas::drawRing(const Ring& ring) {
  if (!finite(ring.centre) || !std::isfinite(ring.radius) || !inRange(ring.colour)) bad(ring);
  RecordingCanvas::drawRing(ring);
}

void CheckedCanvas::drawLine(PointF from, PointF to, Rgb colour) {
  if (!finite(from) || !finite(to) || !inRange(colour)) bad(LineCall{from, to, colour});
  RecordingCanvas::drawLine(from, to, colour);
}

void CheckedCanvas::drawRectangle(PointF corner1, PointF corner2, Rgb colour) {
  if (!finite(corner1) || !finite(corner2) || !inRange(colour)) bad(RectangleCall{corner1, corner2, colour});
  RecordingCanvas::drawRectangle(corner1, corner2, colour);
}

void CheckedCanvas::fillRectangle(PointF corner1, PointF corner2, Rgb colour) {
  if (!finite(corner1) || !finite(corner2) || !inRange(colour))
    bad(RectangleCall{corner1, corner2, colour, true});
  RecordingCanvas::fillRectangle(corner1, corner2, colour);
}

void CheckedCanvas::bad(const CanvasCall& call) {
  if (badCalls_++ > 0) return;
  std::ostringstream s;
  std::visit(Describe{s}, call);
  firstBad_ = s.str();
}

void CheckedCanvas::report(Problems& problems) const {
  if (badCalls_ == 0) return;
  problems.push_back(
      std::to_string(badCalls_) +
      " canvas calls with a value that is not finite or a colour out of range, first: " + firstBad_);
}

}  // namespace sumimai::fuzz
