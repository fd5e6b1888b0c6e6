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

// Describes a call that broke a rule, or returns "" for a sound one.
struct CallRules {
  std::string operator()(const Ring& r) const {
    if (finite(r.centre) && std::isfinite(r.radius) && inRange(r.colour)) return "";
    std::ostringstream s;
    s << "ring at " << r.centre << " radius " << r.radius << " colour " << r.colour.red << ","
      << r.colour.green << "," << r.colour.blue;
    return s.str();
  }
  std::string operator()(const LineCall& l) const {
    if (finite(l.from) && finite(l.to) && inRange(l.colour)) return "";
    std::ostringstream s;
    s << "line from " << l.from << " to " << l.to;
    return s.str();
  }
  std::string operator()(const RectangleCall& r) const {
    if (finite(r.corner1) && finite(r.corner2) && inRange(r.colour)) return "";
    std::ostringstream s;
    s << "rectangle from " << r.corner1 << " to " << r.corner2;
    return s.str();
  }
  std::string operator()(const PictureCall&) const { return ""; }
};

}  // namespace

CheckedCanvas::CheckedCanvas(SizeF size) {
  keepCalls = false;
  setGeometry(0, 0, size.width, size.height);
  onCall = [this](const CanvasCall& call) { check(call); };
}

void CheckedCanvas::check(const CanvasCall& call) {
  std::string bad = std::visit(CallRules{}, call);
  if (bad.empty()) return;
  if (badCalls_++ == 0) firstBad_ = bad;
}

void CheckedCanvas::report(Problems& problems) const {
  if (badCalls_ == 0) return;
  problems.push_back(std::to_string(badCalls_) + " canvas calls with a value that is not finite or a colour out of range, first: " + firstBad_);
}

}  // namespace sumimai::fuzz
