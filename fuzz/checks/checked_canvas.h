// A recording canvas for long drawings: it keeps no calls, counts them and
// checks each one as it is made.
#pragma once

#include <cstdint>
#include <string>

#include "problems.h"
#include "drawing/recording/recording_canvas.h"

namespace sumimai::fuzz {

class CheckedCanvas : public RecordingCanvas {
 public:
  // A canvas of the given outer size in twips.
  explicit CheckedCanvas(SizeF size);

  void drawRing(const Ring& ring) override;
  void drawLine(PointF from, PointF to, Rgb colour) override;
  void drawRectangle(PointF corner1, PointF corner2, Rgb colour) override;
  void fillRectangle(PointF corner1, PointF corner2, Rgb colour) override;

  // Drawing calls made so far (rings, lines, rectangles).
  std::uint64_t drawingCalls() { return clock().calls(); }

  // The first call that broke a rule (a coordinate or radius that is not a
  // finite number, or a colour component outside 0..255), and how many did.
  const std::string& firstBadCall() const { return firstBad_; }
  std::uint64_t badCalls() const { return badCalls_; }

  // Adds a problem when any call broke a rule.
  void report(Problems& problems) const;

 private:
  void bad(const CanvasCall& call);
  std::string firstBad_;
  std::uint64_t badCalls_ = 0;
};

}  // namespace sumimai::fuzz
